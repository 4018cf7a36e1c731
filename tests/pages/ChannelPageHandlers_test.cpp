// The pages' handlers bind into a form class by name with their events' signatures, and a
// definition that names a handler the pages do not have fails to load.

#include "PagesFixture.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/PropInfo.h"

#include <typeindex>

namespace {

struct HandlerCase {
    const char *name;
    std::type_index signature;
};

const std::type_index Notify = typeid(TNotifyEvent::Signature);
const std::type_index Mouse = typeid(TMouseEvent::Signature);
const std::type_index MouseMove = typeid(TMouseMoveEvent::Signature);
const std::type_index Key = typeid(TKeyEvent::Signature);

const HandlerCase Handlers[] = {
    {"isGainInAChange", Notify},
    {"isGainBackupInAChange", Notify},
    {"rzbMuteInAClick", Notify},
    {"rzbMuteBackupInAClick", Notify},
    {"rzbPhaseInAClick", Notify},
    {"rzbPhaseBackupInAClick", Notify},
    {"isDelayInAChange", Notify},
    {"rzbUnit0Click", Notify},
    {"cvdDelayInBKeyDown", Key},
    {"cvdDelayInAExit", Notify},
    {"lbDelayLineInAMouseDown", Mouse},
    {"lbDelayLineInAMouseMove", MouseMove},
    {"lbDelayLineInAMouseUp", Mouse},
    {"rzbAMatrixOut1Click", Notify},
    {"rzbAMatrixOut2Click", Notify},
    {"rzbAMatrixOut3Click", Notify},
    {"rzbAMatrixOut4Click", Notify},
    {"rzgFftMatrixPaint", Notify},
    {"lbMatrixChNameInAClick", Notify},
    {"lbMatrixChNameInAMouseMove", MouseMove},
    {"lbMatrixChNameInAMouseLeave", Notify},
    {"vrbEqResetInAClick", Notify},
};

TEST(ChannelPageHandlers, EveryHandlerResolvesWithItsEventsSignature)
{
    const TClassInfo &cls = TfmPageTest::StaticClass();
    for (const HandlerCase &c : Handlers) {
        SCOPED_TRACE(c.name);
        const THandlerInfo *h = cls.FindHandler(QString::fromLatin1(c.name));
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->Signature, c.signature);
    }
}

TEST_F(PagesTest, AHandlerThePagesDoNotHaveFailsToLoad)
{
    const QString text = LoadFormResourceText(QStringLiteral("PageTestGain"));
    for (const auto &[from, to] : {std::pair{"OnChange = isGainInAChange", "OnChange = isGainInAChanged"},
                                   std::pair{"OnChange = isGainInAChange", "OnChange = lbDelayLineInAMouseDown"}}) {
        SCOPED_TRACE(to);
        QString bad = text;
        ASSERT_TRUE(bad.contains(QString::fromLatin1(from)));
        bad.replace(QString::fromLatin1(from), QString::fromLatin1(to));
        TfmPageTest target(nullptr);
        EXPECT_THROW(ReadComponentFromText(&target, bad, QStringLiteral("PageTestGain.dfm")), EReadError);
        EXPECT_EQ(target.ComponentCount(), 0);
    }
}

// A handler bound in a definition reaches the pages the form holds.
TEST_F(PagesTest, ABoundHandlerCallsThePages)
{
    Load("PageTestGain");
    auto &slider = Control<TAdvTrackBar>(QStringLiteral("isGainInA"));
    EXPECT_EQ(slider.OnChange.HandlerName(), QStringLiteral("isGainInAChange"));
    EXPECT_EQ(slider.OnChange.Target(), form.get());
    slider.SetPosition(-10);
    EXPECT_EQ(Control<TCurvyEdit>(QStringLiteral("cvdGainInA")).Text(), QStringLiteral("-1.0dB"));
}

}  // namespace
