// The pages' handlers bind into a form class by name with their events' signatures, and a
// definition that names a handler the pages do not have fails to load; the operations the main
// window calls of the pages as a whole.

#include "PagesFixture.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/PropInfo.h"

#include <any>
#include <array>
#include <tuple>
#include <typeindex>
#include <vector>

namespace {

struct HandlerCase {
    const char *name;
    std::type_index signature;
};

const std::type_index Notify = typeid(TNotifyEvent::Signature);
const std::type_index Mouse = typeid(TMouseEvent::Signature);
const std::type_index MouseMove = typeid(TMouseMoveEvent::Signature);
const std::type_index Key = typeid(TKeyEvent::Signature);
const std::type_index Wheel = typeid(TMouseWheelEvent::Signature);

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
    {"CopyClick", Notify},
    // The handlers the main window's other code names.
    {"rzbMenuInAClick", Notify},
    {"peqPeqInAChange", Notify},
    {"peqPeqInAEditMouseDown", Mouse},
    {"peqPeqInAPeqTypeMouseWheel", Wheel},
    // Compressor.
    {"isCompThresholdOut1Change", Notify},
    {"isCompRatioOut1Change", Notify},
    {"isCompAttackOut1Change", Notify},
    {"isCompReleaseOut1Change", Notify},
    {"cvdCompThresholdOut1KeyDown", Key},
    {"cvdCompRatioOut1KeyDown", Key},
    {"cvdCompAttackOut1KeyDown", Key},
    {"cvdCompReleaseOut1KeyDown", Key},
    {"cvdCompThresholdOut1Exit", Notify},
    {"cvdCompRatioOut1Exit", Notify},
    {"cvdCompAttackOut1Exit", Notify},
    {"cvdCompReleaseOut1Exit", Notify},
    {"isCompThresholdOut1MouseDown", Mouse},
    {"cvdCompThresholdOut1MouseDown", Mouse},
    {"lbCompOut1MouseDown", Mouse},
};

// The operations the main window and the dialogs call of the pages as a whole, with their
// signatures: a page part that loses one fails to build here.
[[maybe_unused]] const auto PageOperations =
    std::make_tuple(static_cast<void (ChannelPages::*)()>(&ChannelPages::RefreshFromModel),
                    static_cast<void (ChannelPages::*)()>(&ChannelPages::ResetEqDisplay),
                    static_cast<void (ChannelPages::*)()>(&ChannelPages::RefreshGainPageCurves),
                    static_cast<void (ChannelPages::*)(int)>(&ChannelPages::RefreshOverlayCurves),
                    static_cast<void (ChannelPages::*)(int)>(&ChannelPages::MarkCurveChanged),
                    static_cast<void (ChannelPages::*)(int, int, bool)>(&ChannelPages::CopyChannel),
                    static_cast<void (ChannelPages::*)()>(&ChannelPages::ReloadAllParameters),
                    static_cast<void (ChannelPages::*)(int)>(&ChannelPages::UpdateDelayLine),
                    static_cast<void (ChannelPages::*)(int)>(&ChannelPages::SelectCompressorChannel),
                    static_cast<void (ChannelPages::*)(int, int, int)>(&ChannelPages::SetCompressorParam),
                    static_cast<void (ChannelPages::*)(int, int, int)>(&ChannelPages::MirrorCompressorToLinked),
                    static_cast<void (ChannelPages::*)(TObject *)>(&ChannelPages::CopyClick));

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

// A changed curve marks itself on every plot of its side and on its side's Gain-page plot; the
// marks add up until the page code clears them.
TEST_F(PagesTest, AChangedCurveMarksThePlotsOfItsSide)
{
    Load("PageTestGain");
    struct MarkCase {
        const char *name;
        std::vector<int> channels;
        std::array<int, ChannelCount> overlays;
        std::array<int, 2> gainPage;
    };
    const MarkCase cases[] = {
        {.name = "input", .channels = {ChInB}, .overlays = {2, 2, 0, 0, 0, 0}, .gainPage = {2, 0}},
        {.name = "two outputs",
         .channels = {ChOut1, ChOut4},
         .overlays = {0, 0, 0x24, 0x24, 0x24, 0x24},
         .gainPage = {0, 0x24}},
        {.name = "no channel", .channels = {6, -1}, .overlays = {}, .gainPage = {}},
    };
    for (const MarkCase &c : cases) {
        SCOPED_TRACE(c.name);
        form->Pages.OverlayDirtyMasks = {};
        form->Pages.GainPageDirtyMasks = {};
        for (int channel : c.channels)
            form->Pages.MarkCurveChanged(channel);
        EXPECT_EQ(form->Pages.OverlayDirtyMasks, c.overlays);
        EXPECT_EQ(form->Pages.GainPageDirtyMasks, c.gainPage);
    }
    // The model marks the curve of every filter change, also while controls update.
    form->Pages.OverlayDirtyMasks = {};
    form->ControlsUpdating = true;
    form->Model.SetHighPass(ChOut2, 0x0102);
    EXPECT_EQ(form->Pages.OverlayDirtyMasks[ChOut1], 1 << ChOut2);
    EXPECT_TRUE(form->Sent.empty());
}

TEST_F(PagesTest, TheCopyEntryOpensTheCopyDialog)
{
    Load("PageTestGain");
    const THandlerInfo *h = TfmPageTest::StaticClass().FindHandler(QStringLiteral("CopyClick"));
    ASSERT_NE(h, nullptr);
    std::any bound = h->Make(form.get());
    std::any_cast<TNotifyEvent &>(bound)(form.get());
    EXPECT_EQ(form->CopyDialogs, 1);
    EXPECT_TRUE(form->Sent.empty());
}

}  // namespace
