// Each one-page test form loads with its named controls and renders offscreen after a few edits;
// the pictures go to pages_<form>.png in the working folder for a person to look at.

#include "PagesFixture.h"

#include <functional>
#include <set>
#include <string_view>

namespace {

using namespace std::string_view_literals;

class PageFormsTest : public PagesTest {
public:
    void Click(const char *name)
    {
        auto &button = Control<TRzBmpButton>(QString::fromLatin1(name));
        TInputRouter::Click(form.get(), button.ClientToParent(TPoint(10, 10), form.get()));
    }
    void Type(const char *name, const char *text)
    {
        auto &edit = Control<TCurvyEdit>(QString::fromLatin1(name));
        edit.SetText(QString::fromLatin1(text));
        WORD key = VK_RETURN;
        edit.OnKeyDown(&edit, key, {});
    }
    void Move(const char *name, int position)
    {
        Control<TAdvTrackBar>(QString::fromLatin1(name)).SetPosition(position);
    }
};

TEST_F(PageFormsTest, EveryTestFormLoadsAndRendersAfterAFewEdits)
{
    const std::function<void()> edits[] = {
        [&] {
            Move("isGainOut2", -150);
            Move("isGainBackupInA", 60);
            Click("rzbMuteBackupInB");
            Click("rzbPhaseOut1");
        },
        [&] {
            Type("cvdDelayInA", "300");
            Type("cvdDelayInB", "120");
            Type("cvdDelayOut1", "680");
            Type("cvdDelayOut3", "45.5");
            Click("rzbUnit1");
        },
        [&] {
            form->Pages.SetChannelName(ChOut2, "Sub\0\0\0\0\0"sv);
            Click("rzbBMatrixOut1");
        },
    };
    const char *names[] = {"PageTestGain", "PageTestDelay", "PageTestMatrix"};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        SCOPED_TRACE(names[i]);
        Load(names[i]);
        edits[i]();
        const QImage image = RenderControlImage(form.get());
        ASSERT_FALSE(image.isNull());
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 20u);
        image.save(QStringLiteral("pages_%1.png").arg(QString::fromLatin1(names[i])));
    }
}

}  // namespace
