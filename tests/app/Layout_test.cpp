// The main window's layout for its size, in the started editor (offscreen, no processor): the
// minimum size gives the design's positions, larger sizes stretch and centre by the layout rules,
// smaller ones scroll and keep the last layout. Rendered at 1118 x 720 and 1400 x 900 with every
// page shown in turn (main_layout_<size>_<page>.png in the working folder, for a person to look at).

#include "EditorRun.h"

#include "platform/ui/ControlsRender.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QImage>

#include <map>

namespace {

enum class Edge { Left, Top, Width, Height };

struct Expected {
    const char *name;
    Edge edge;
    int value;
};

TControl *Control(const QString &name)
{
    auto *control = dynamic_cast<TControl *>(fmMain->FindComponent(name));
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
}

int EdgeOf(const char *name, Edge edge)
{
    TControl *c = Control(QString::fromLatin1(name));
    if (!c)
        return -99999;
    switch (edge) {
    case Edge::Left: return c->Left();
    case Edge::Top: return c->Top();
    case Edge::Width: return c->Width();
    case Edge::Height: return c->Height();
    }
    return -99999;
}

void ExpectLayout(const std::vector<Expected> &rows, const char *when)
{
    for (const Expected &row : rows)
        EXPECT_EQ(EdgeOf(row.name, row.edge), row.value)
            << when << ": " << row.name << " edge " << static_cast<int>(row.edge);
}

void Resize(int width, int height)
{
    fmMain->SetBounds(fmMain->Left(), fmMain->Top(), width, height);
    ASSERT_EQ(fmMain->Width(), width);
    ASSERT_EQ(fmMain->Height(), height);
}

// Every control's bounds, by name.
std::map<QString, TRect> Snapshot()
{
    std::map<QString, TRect> out;
    for (int i = 0; i < fmMain->ComponentCount(); ++i)
        if (auto *c = dynamic_cast<TControl *>(fmMain->Components(i)))
            out[c->Name()] = TRect(c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height());
    return out;
}

// The rules that follow the width, at w = 0 and at w = 300.
std::vector<Expected> WidthRules(int w)
{
    return {
        {"rzgFunction", Edge::Width, w + 1115},
        {"rzbMenuLink", Edge::Left, w + 1040},
        {"rzgMain", Edge::Width, w + 1112},
        {"fftDrawInA", Edge::Width, w + 1070},
        {"fftDrawOut4", Edge::Width, w + 1070},
        {"rzgParamInA", Edge::Left, w / 2 + 20},
        {"rzgParamGain", Edge::Left, w / 2 + 20},
        {"rzgPreset", Edge::Left, w / 2 + 10},
        {"fftDrawGainOut", Edge::Left, w / 2 + 550},
        {"plLevelCompOut1", Edge::Left, w + 800},
        {"plLevelCompOut2", Edge::Left, w + 873},
        {"plLevelCompOut3", Edge::Left, w + 946},
        {"plLevelCompOut4", Edge::Left, w + 1019},
        {"ipComp", Edge::Width, w + 720},
        {"lbDelayLineOut2", Edge::Width, w / 2 + 475},
        {"plMatrixOut1", Edge::Left, 2 * w / 3 + 561},
        {"imRightUpBase", Edge::Left, w + 1077},
    };
}

// The rules that follow the height.
std::vector<Expected> HeightRules(int h)
{
    return {
        {"rzgMain", Edge::Height, h + 629},          {"rzgFftInA", Edge::Height, h + 284},
        {"rzgParamOut3", Edge::Top, h + 292},        {"fftDrawGainIn", Edge::Height, h + 255},
        {"rzgPreset", Edge::Top, h + 626},           {"imDelayInA", Edge::Top, h / 4 + 51},
        {"imDelayInB", Edge::Top, h / 4 * 2 + 142},  {"imDelayOut1", Edge::Top, h / 5 + 20},
        {"imDelayOut2", Edge::Top, h / 5 * 2 + 70},  {"imDelayOut3", Edge::Top, h / 5 * 3 + 120},
        {"imDelayOut4", Edge::Top, h / 5 * 4 + 170}, {"pbLevelCompOut", Edge::Height, 8 * h / 9 + 185},
        {"imLeftDownBase", Edge::Top, h + 256},
    };
}

// Every page in turn, switched by its page button as a click by code does it, rendered into
// main_layout_<size>_<page>.png; the Gain page is shown again at the end.
void SavePages(const char *size)
{
    const char *pages[] = {"Comp", "Delay", "Matrix", "InA", "InB", "Out1", "Out2", "Out3", "Out4", "Gain"};
    for (const char *page : pages) {
        auto *button = dynamic_cast<TRzBmpButton *>(Control(QStringLiteral("rzbMenu") + page));
        ASSERT_NE(button, nullptr) << page;
        button->Click();
        button->SetDown(true);
        for (const char *kind : {"rzgFft", "rzgParam"})
            EXPECT_TRUE(Control(QString::fromLatin1(kind) + page)->Visible()) << kind << page;
        const QImage image = RenderControlImage(fmMain).copy(0, 0, fmMain->ClientWidth(), fmMain->ClientHeight());
        EXPECT_FALSE(image.isNull());
        image.save(QStringLiteral("main_layout_%1_%2.png").arg(size, page));
    }
}

}  // namespace

TEST(MainLayout, SizesAtAndAboveTheMinimumFollowTheRulesAndSmallerOnesScroll)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            ExpectLayout(WidthRules(0), "1118 x 720");
            ExpectLayout(HeightRules(0), "1118 x 720");
            EXPECT_FALSE(fmMain->AutoScroll());
            EXPECT_EQ(fmMain->GetExtraHeight(), 0);
            SavePages("1118x720");

            // Wider only: the width rules at w = 300, the height rules and ExtraHeight untouched.
            Resize(1418, 720);
            ExpectLayout(WidthRules(300), "1418 x 720");
            ExpectLayout(HeightRules(0), "1418 x 720");
            EXPECT_EQ(EdgeOf("fftDrawOut2", Edge::Width), 1370);
            EXPECT_EQ(EdgeOf("rzgParamDelay", Edge::Left), 170);
            EXPECT_EQ(EdgeOf("rzgPreset", Edge::Left), 160);

            // One pixel narrower than the minimum: scrolls, heights at h = 0, widths stay at w = 300.
            Resize(1117, 720);
            EXPECT_TRUE(fmMain->AutoScroll());
            ExpectLayout(WidthRules(300), "1117 x 720");
            ExpectLayout(HeightRules(0), "1117 x 720");

            // Taller only: the height rules follow, the widths keep w = 300's.
            Resize(1417, 820);
            Resize(1418, 820);
            const std::map<QString, TRect> tall = Snapshot();
            EXPECT_EQ(fmMain->GetExtraHeight(), 100);
            ExpectLayout(HeightRules(100), "1418 x 820");
            ExpectLayout(WidthRules(300), "1418 x 820");

            // The same size again gives the same layout.
            Resize(1418, 820);
            EXPECT_EQ(Snapshot(), tall);

            // From large to below the minimum in both directions at once: nothing moves.
            Resize(1000, 600);
            EXPECT_TRUE(fmMain->AutoScroll());
            EXPECT_EQ(fmMain->GetExtraHeight(), 100);
            EXPECT_EQ(Snapshot(), tall);

            // Sizes that are no multiple of 3, 4, 5, 8, 9 or 24: w = 437, h = 131.
            Resize(1555, 851);
            ExpectLayout(
                {
                    {"lbMatrixPhaseInA", Edge::Left, 413},
                    {"spMatrixPhaseInA", Edge::Width, 70},
                    {"lbMatrixChNameInB", Edge::Left, 18},
                    {"lbMatrixNameOut1", Edge::Left, 530},
                    {"lbMatrixNameOut1", Edge::Width, 98},
                    {"spMatrixNameOut4", Edge::Left, 528},
                    {"spMatrixXoverOut2", Edge::Width, 68},
                    {"pbLevelCompOut1", Edge::Height, 301},
                    {"pbLevelCompOut1", Edge::Top, 69},
                    {"lbN60CompOut2", Edge::Top, 353},
                    {"lbN5CompOut", Edge::Top, 225},
                    {"imDelayInB", Edge::Top, 206},
                    {"imDelayOut3", Edge::Top, 198},
                    {"plMatrixOut2", Edge::Top, 149},
                    {"plMatrixOut2", Edge::Left, 852},
                    {"pbMatrix", Edge::Left, 610},
                    {"pbMatrix", Edge::Top, 66},
                },
                "1555 x 851");

            Resize(1400, 900);
            SavePages("1400x900");
            Resize(1118, 720);
            ExpectLayout(WidthRules(0), "back at 1118 x 720");
            ExpectLayout(HeightRules(0), "back at 1118 x 720");
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}

TEST(MainLayout, TheDelaySliderPlacesItsSpeakerAlongTheLine)
{
    EditorRun run;
    run.Step(
        "shown", [] { return fmMain && fmMain->Visible(); },
        [] {
            for (const int width : {1118, 1555}) {
                auto *slider = dynamic_cast<TAdvTrackBar *>(fmMain->FindComponent("isDelayOut2"));
                ASSERT_NE(slider, nullptr);
                slider->SetPosition(0);
                Resize(width, 720);
                EXPECT_EQ(EdgeOf("imDelayOut2", Edge::Left), 40);
                slider->SetPosition(32640);
                Resize(width, 721);
                EXPECT_EQ(EdgeOf("imDelayOut2", Edge::Left), EdgeOf("lbDelayLineOut2", Edge::Width) - 50);
                // Once the dialogs exist the delay line is redrawn up to the speaker, with the time
                // beside it.
                EXPECT_EQ(EdgeOf("lbFftDelayTimeOut2", Edge::Left),
                          EdgeOf("imDelayOut2", Edge::Left) + EdgeOf("imDelayOut2", Edge::Width));
            }
        });
    run.Close();
    EXPECT_EQ(run.Start(), 0);
}
