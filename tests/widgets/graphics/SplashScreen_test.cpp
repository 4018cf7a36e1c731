// The splash screen, driven by the manual clock and a main form: when it shows and closes, how the
// main form's OnShow is lent and given back, fading, layered windows and their buffer, the
// layout of the list lines, headings and pictures, and loading it from a form definition.

#include <functional>
#include <memory>

#include "platform/runtime/FormReader.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"
#include "tests/widgets/graphics/ProgramSplash.h"
#include "widgets/graphics/AdvSmoothSplashScreen.h"
#include "widgets/graphics/SplashScreenWindow.h"

using graphicstest::Board;
using graphicstest::Encoded;

namespace {

void Load(TGraphic *picture, const QByteArray &bytes)
{
    TMemoryStream s(bytes);
    picture->LoadFromStream(&s);
}

// Hears when a component goes away.
class Watcher : public TComponent {
public:
    Watcher() : TComponent(nullptr) {}
    void Watch(TComponent *c) { c->FreeNotification(this); }
    void Notification(TComponent *c, TOperation op) override
    {
        TComponent::Notification(c, op);
        if (op == opRemove)
            ++removed;
    }
    int removed = 0;
};

// A main form owning a splash component, the manual clock, and fades that only record their
// pauses.
struct SplashFixture {
    TManualClockScope clock;
    std::vector<unsigned> sleeps;
    TSplashSleep previous;
    std::unique_ptr<TForm> mainForm = std::make_unique<TForm>(nullptr);
    TAdvSmoothSplashScreen *splash = new TAdvSmoothSplashScreen(mainForm.get());

    SplashFixture()
    {
        previous = SetSplashSleep([this](unsigned ms) { sleeps.push_back(ms); });
    }
    ~SplashFixture()
    {
        mainForm.reset();
        SetSplashSleep(previous);
    }

    void LikeTheProgram() { splashtest::ConfigureLikeTheProgram(splash, TROV_TEST_SOURCE_ROOT); }

    // The layered window's pixels.
    QImage Buffer() const
    {
        HBITMAP bmp = nullptr;
        EXPECT_EQ(splash->SplashWindow()->MainBuffer()->GetHBITMAP(0, bmp), Ok);
        QImage img = bmp->Image().copy();
        delete bmp;
        return img;
    }
};

TEST(SplashScreen, DefaultsAfterConstruction)
{
    TAdvSmoothSplashScreen s(nullptr);
    EXPECT_TRUE(s.StayOnTop());
    EXPECT_TRUE(s.AutoShow());
    EXPECT_TRUE(s.AutoAdaptPictureSize());
    EXPECT_TRUE(s.CloseOnMainFormShow());
    EXPECT_FALSE(s.CloseOnTimeout());
    EXPECT_EQ(s.TimeOut(), 1000);
    EXPECT_EQ(s.PictureGap(), 5);
    EXPECT_EQ(s.DisplayStyle(), TDisplayStyle::dsFadeInOut);
    EXPECT_EQ(s.DisplayLocation(), dlCenter);
    EXPECT_EQ(s.Width(), 600);
    EXPECT_EQ(s.Height(), 400);
    EXPECT_EQ(s.MaxOpacity(), 255);
    EXPECT_EQ(s.TextRendering(), tClearType);
    EXPECT_EQ(s.ListItemsSettings()->Space(), 8);
    EXPECT_EQ(s.ListItemsSettings()->Rect()->GetRect(), TRect(30, 150, 330, 350));
    EXPECT_EQ(s.BasicProgramInfo()->ProgramVersion()->PosX(), 80);
    EXPECT_TRUE(s.BasicProgramInfo()->ProgramName()->Font()->Style().Contains(fsBold));
    EXPECT_EQ(s.ProgressBar()->ValueFormat(), "%.0f%%");
    EXPECT_EQ(s.Version(), "1.2.0.0");
    s.SetVersion("2.0.0.0");
    EXPECT_EQ(s.Version(), "1.2.0.0");
    EXPECT_EQ(s.GetThemeID(), "TAdvSmoothSplashScreen");
}

TEST(SplashScreen, WithoutTimeOutItStaysUntilTheMainFormShows)
{
    SplashFixture f;
    f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    f.splash->Show();
    ASSERT_TRUE(f.splash->Showing());
    TManualClock::Advance(60000);
    EXPECT_TRUE(f.splash->Showing());
    f.mainForm->Show();
    EXPECT_FALSE(f.splash->Showing());
    EXPECT_EQ(f.splash->SplashWindow(), nullptr);
}

TEST(SplashScreen, TheMainFormsOwnOnShowRunsOnceAfterTheSplashClosedAndIsItsOwnAgain)
{
    SplashFixture f;
    f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    int shows = 0;
    bool splashGone = false;
    f.mainForm->OnShow = [&](TObject *sender) {
        ++shows;
        splashGone = !f.splash->Showing();
        EXPECT_EQ(sender, f.mainForm.get());
    };
    int closes = 0;
    f.splash->OnClose = [&](TObject *) { ++closes; };
    f.splash->Show();
    EXPECT_NE(f.mainForm->OnShow.Target(), nullptr);  // lent to the splash
    f.mainForm->Show();
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(splashGone);
    EXPECT_EQ(closes, 1);
    f.mainForm->Hide();
    f.mainForm->Show();
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(closes, 1);
}

TEST(SplashScreen, ATimeOutClosesAtTheFirstTimerTickAfterIt)
{
    SplashFixture f;
    f.LikeTheProgram();
    f.splash->Show();
    TManualClock::Advance(99);
    EXPECT_TRUE(f.splash->Showing());
    TManualClock::Advance(1);
    EXPECT_FALSE(f.splash->Showing());
    EXPECT_FALSE(f.splash->CloseTimer()->Enabled());
    // The main form's OnShow is its own again.
    EXPECT_EQ(f.mainForm->OnShow.Target(), nullptr);
}

TEST(SplashScreen, NormalDisplayIsOpaqueAtOnceAndFadesOtherwise)
{
    for (const bool layered : {false, true}) {
        SplashFixture f;
        if (layered)
            f.splash->Fill()->SetOpacity(200);
        f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
        f.splash->Show();
        TSplashScreenWindow *w = f.splash->SplashWindow();
        EXPECT_EQ(layered ? w->Opacity() : w->AlphaBlendValue(), 255) << layered;
        f.splash->Hide();
        EXPECT_TRUE(f.sleeps.empty()) << layered;

        f.splash->SetDisplayStyle(TDisplayStyle::dsFadeInOut);
        f.splash->Show();
        w = f.splash->SplashWindow();
        EXPECT_EQ(layered ? w->Opacity() : w->AlphaBlendValue(), 255) << layered;
        const std::size_t fadeIn = f.sleeps.size();
        EXPECT_EQ(fadeIn, layered ? 12u : 49u) << layered;  // 5 to 255 by 20 (layered) or by 5
        f.splash->Hide();
        EXPECT_GT(f.sleeps.size(), fadeIn) << layered;

        // A step that moves nothing goes to the end at once rather than looping.
        f.splash->Show();
        f.splash->FadeOut(0, 5, 40);
        EXPECT_EQ(layered ? f.splash->SplashWindow()->Opacity() : f.splash->SplashWindow()->AlphaBlendValue(), 40);
        f.splash->FadeIn(-3, 5, 200);
        EXPECT_EQ(layered ? f.splash->SplashWindow()->Opacity() : f.splash->SplashWindow()->AlphaBlendValue(), 200);
    }
}

TEST(SplashScreen, ShowAfterHideMakesANewWindow)
{
    SplashFixture f;
    f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    int beforeShow = 0;
    f.splash->OnBeforeShow = [&](TObject *) { ++beforeShow; };
    f.splash->Show();
    Watcher watcher;
    watcher.Watch(f.splash->SplashWindow());
    f.splash->Show();  // already showing: nothing
    EXPECT_EQ(beforeShow, 1);
    f.splash->Hide();
    EXPECT_EQ(watcher.removed, 1);
    f.splash->Show();
    EXPECT_EQ(beforeShow, 2);
    ASSERT_NE(f.splash->SplashWindow(), nullptr);
    EXPECT_TRUE(f.splash->SplashWindow()->Visible());
}

TEST(SplashScreen, OnlyATranslucentFillMakesALayeredWindow)
{
    for (const int opacity : {255, 254}) {
        for (const bool second : {false, true}) {
            SplashFixture f;
            f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
            std::invoke(second ? &TGDIPFill::SetOpacityTo : &TGDIPFill::SetOpacity, f.splash->Fill(),
                        static_cast<BYTE>(opacity));
            f.splash->Show();
            TSplashScreenWindow *w = f.splash->SplashWindow();
            const bool layered = opacity < 255;
            EXPECT_EQ(w->ForcedTransparent(), layered) << opacity << second;
            EXPECT_EQ(w->Layered(), layered) << opacity << second;
            EXPECT_EQ(w->MainBuffer() != nullptr, layered) << opacity << second;
            EXPECT_EQ(w->NoActivate(), true);
        }
    }
}

TEST(SplashScreen, WindowSizeComesFromThePictureOrTheComponent)
{
    SplashFixture f;
    f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    f.splash->Show();
    EXPECT_EQ(f.splash->SplashWindow()->Width(), 600);
    EXPECT_EQ(f.splash->SplashWindow()->Height(), 400);
    f.splash->Hide();
    // The picture plus the fill's border on each side.
    splashtest::LoadSplashPicture(f.splash->Fill()->Picture(), TROV_TEST_SOURCE_ROOT, "background.png");
    f.splash->Show();
    EXPECT_EQ(f.splash->SplashWindow()->Width(), 642);
    EXPECT_EQ(f.splash->SplashWindow()->Height(), 302);
}

TEST(SplashScreen, TheProgramsSplashShowsHeadingsPictureAndLoadingText)
{
    SplashFixture f;
    f.LikeTheProgram();
    f.splash->Show();
    const QImage img = f.Buffer();
    ASSERT_EQ(img.size(), QSize(642, 302));
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);        // a rounded corner
    EXPECT_GT(qAlpha(img.pixel(320, 150)), 200);  // the panel, nearly opaque
    const auto white = [&](int x, int y) {
        const QRgb p = img.pixel(x, y);
        return qRed(p) > 220 && qGreen(p) > 220 && qBlue(p) > 220;
    };
    // The headings' text boxes begin at their positions: white starts just right of and below them.
    for (auto [x0, y0, x1, y1] : {std::tuple{45, 170, 500, 210}, std::tuple{515, 180, 640, 200}}) {
        int minX = 10000, minY = 10000;
        for (int y = y0 - 10; y < y1; ++y)
            for (int x = x0 - 10; x < x1; ++x)
                if (white(x, y)) {
                    minX = std::min(minX, x);
                    minY = std::min(minY, y);
                }
        EXPECT_GE(minX, x0) << x0;
        EXPECT_LE(minX, x0 + 6) << x0;
        EXPECT_GE(minY, y0) << y0;
        EXPECT_LE(minY, y0 + 12) << y0;
    }
    // The item picture at (200, 60): its cabinet's grey.
    const QRgb cabinet = img.pixel(200 + 32, 60 + 4);
    EXPECT_EQ(qAlpha(cabinet), 255);
    EXPECT_NEAR(qRed(cabinet), 70, 20);
    // The loading text in the list rectangle, below its two empty lines.
    int loading = 0;
    for (int y = 230; y < 290; ++y)
        for (int x = 180; x < 500; ++x)
            loading += white(x, y);
    EXPECT_GT(loading, 200);
    TSplashListItem *line = f.splash->ListItems()->Items(0);
    EXPECT_EQ(line->DisplayRect().Left, 180);
    EXPECT_EQ(line->DisplayRect().Top, 210);
}

TEST(SplashScreen, OverflowingListLinesShowTheNewestFromTheTop)
{
    SplashFixture f;
    f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    f.splash->Fill()->SetOpacity(250);
    TListItemsRect *r = f.splash->ListItemsSettings()->Rect();
    r->SetHeight(60);
    for (int i = 0; i < 8; ++i)
        f.splash->ListItems()->Add()->SetHTMLText(QStringLiteral("line %1").arg(i));
    TSplashListItems *lines = f.splash->ListItems();
    EXPECT_EQ(lines->Items(7)->DisplayRect(), TRect(-1, -1, -1, -1));  // not laid out yet
    f.splash->Show();
    EXPECT_EQ(lines->Items(0)->DisplayRect(), TRect(-1, -1, -1, -1));
    EXPECT_EQ(lines->Items(7)->DisplayRect().Left, r->Left());
    EXPECT_LE(lines->Items(7)->DisplayRect().Bottom, r->GetRect().Bottom);
    int first = 0;
    while (lines->Items(first)->DisplayRect().Top < 0)
        ++first;
    EXPECT_GT(first, 0);
    EXPECT_EQ(lines->Items(first)->DisplayRect().Top, r->Top());

    // A last line taller than the rectangle is the only one shown.
    lines->Add()->SetHTMLText("<FONT SIZE=\"60\">big</FONT>");
    f.splash->Refresh();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lines->Items(i)->DisplayRect().Top, -1) << i;
    EXPECT_EQ(lines->Items(8)->DisplayRect().Top, r->Top());
}

TEST(SplashScreen, TheWindowStaysOnTopOnlyWhenAskedTo)
{
    for (const bool onTop : {true, false}) {
        SplashFixture f;
        f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
        f.splash->SetStayOnTop(onTop);
        f.splash->Fill()->SetOpacity(200);
        f.splash->Show();
        f.splash->Refresh();  // renders the layered window again
        EXPECT_EQ(f.splash->SplashWindow()->FormStyle() == fsStayOnTop, onTop) << onTop;
    }
}

TEST(SplashScreen, DestroyingTheComponentWhileShowingFreesTheWindowFirst)
{
    SplashFixture f;
    f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    int shows = 0;
    f.mainForm->OnShow = [&](TObject *) { ++shows; };
    f.splash->Show();
    // Turning CloseOnMainFormShow off meanwhile does not leave the form calling the component.
    f.splash->SetCloseOnMainFormShow(false);
    Watcher watcher;
    watcher.Watch(f.splash->SplashWindow());
    delete f.splash;
    EXPECT_EQ(watcher.removed, 1);
    f.mainForm->Show();
    EXPECT_EQ(shows, 1);  // its own handler again, with no splash behind it
}

TEST(SplashScreen, ProgressSettingsReachTheWindowsBarAndItsPositionsTheComponent)
{
    SplashFixture f;
    f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    std::vector<double> positions;
    TObject *sender = nullptr;
    f.splash->OnProgressPositionChanged = [&](TObject *s, double v) {
        sender = s;
        positions.push_back(v);
    };
    f.splash->Show();
    TAdvSplashProgressBar *bar = f.splash->SplashWindow()->SplashProgressBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->Visible());
    f.splash->ProgressBar()->SetPosition(40);
    EXPECT_EQ(bar->Position(), 40);
    EXPECT_EQ(sender, f.splash);
    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.back(), 40);
    f.splash->ProgressBar()->SetVisible(true);
    EXPECT_TRUE(bar->Visible());
}

TEST(SplashScreen, FocusParentFormActivatesTheMainFormAfterClosing)
{
    SplashFixture f;
    f.splash->SetDisplayStyle(TDisplayStyle::dsNormal);
    f.splash->SetFocusParentForm(true);
    TForm other(nullptr);
    f.splash->Show();
    f.mainForm->Show();
    other.Show();
    EXPECT_EQ(Screen->ActiveCustomForm(), &other);
    TManualClock::Advance(20);
    EXPECT_EQ(Screen->ActiveCustomForm(), f.mainForm.get());
    // The splash window itself never became the active form.
    EXPECT_FALSE(f.splash->Showing());
}

TEST(SplashContent, CollectionsReportClearingAndDeletionOnly)
{
    TAdvSmoothSplashScreen s(nullptr);
    int changes = 0, deleted = -1;
    s.Items()->OnChange = [&](TObject *) { ++changes; };
    s.Items()->OnDeleteItem = [&](TObject *, int index) { deleted = index; };
    s.Items()->Add();
    s.Items()->Add();
    EXPECT_EQ(changes, 0);
    s.Items()->Delete(1);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(changes, 0);
    s.Items()->Clear();
    EXPECT_EQ(changes, 1);

    int headingChanges = 0, blockChanges = 0;
    TBasicProgramInfo info;
    info.ProgramName()->OnChange = [&](TObject *) { ++headingChanges; };
    info.OnChange = [&](TObject *) { ++blockChanges; };
    info.ProgramVersion()->SetText("v");
    info.ProgramVersion()->SetText("v");
    EXPECT_EQ(blockChanges, 1);
    EXPECT_EQ(headingChanges, 0);

    TAdvSplashTopLayerItem *box = s.TopLayerItems()->Add();
    EXPECT_EQ(box->Align(), alCustom);
    EXPECT_EQ(box->HTMLText()->Location(), cpCenterLeft);
}

// Where AlignInRect puts a 20 x 10 text in the box (10.4, 20.6, 100, 50).
struct AlignCase {
    const char *name;
    TAdvSmoothSplashScreenLocation location;
    int x, y;
};

class SplashAlign : public ::testing::TestWithParam<AlignCase> {};

TEST_P(SplashAlign, PlacesTheTextInTheBox)
{
    const AlignCase &c = GetParam();
    int x = 0, y = 0;
    AlignInRect(x, y, MakeRect(10.4f, 20.6f, 100.0f, 50.0f), c.location, 10, 20);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Locations, SplashAlign,
    ::testing::Values(AlignCase{.name = "top_left", .location = cpTopLeft, .x = 10, .y = 21},
                      AlignCase{.name = "center_left", .location = cpCenterLeft, .x = 10, .y = 41},
                      AlignCase{.name = "center_center", .location = cpCenterCenter, .x = 50, .y = 41},
                      AlignCase{.name = "bottom_right", .location = cpBottomRight, .x = 90, .y = 61},
                      AlignCase{.name = "custom_is_the_corner", .location = cpCustom, .x = 10, .y = 21}),
    stdtest::ParamName());

TEST(SplashDrawing, ANonPngPictureLosesItsBottomLeftColour)
{
    QImage art(20, 20, QImage::Format_RGB32);
    art.fill(Qt::white);
    for (int y = 5; y < 15; ++y)
        for (int x = 5; x < 15; ++x)
            art.setPixel(x, y, qRgb(0, 0, 255));
    art.setPixel(12, 2, qRgb(255, 255, 255));
    for (const char *format : {"bmp", "png"}) {
        TAdvGDIPPicture picture;
        Load(&picture, Encoded(art, format));
        Board b(40, 40, clRed);
        DrawSplashPicture(b.g.get(), TPoint(10, 10), &picture);
        const bool png = QByteArray(format) == "png";
        EXPECT_EQ(b.At(10 + 12, 10 + 2), png ? clWhite : clRed) << format;  // every white pixel
        EXPECT_EQ(b.At(10 + 10, 10 + 10), clBlue) << format;
        EXPECT_EQ(b.At(5, 5), clRed) << format;
    }
}

TEST(SplashDrawing, GradientTextCarriesStrikeOut)
{
    TFont font;
    font.SetSize(20);
    TSize size;
    Board plain(200, 50), struck(200, 50);
    DrawGradientText(plain.g.get(), "Text", TPoint(2, 2), size, 2, 0, false, clNone, clBlack, 255, 255,
                     HatchStyleHorizontal, nullptr, gtVertical, &font);
    EXPECT_GT(size.cx, 0);
    font.SetStyle(TFontStyles{fsStrikeOut});
    DrawGradientText(struck.g.get(), "Text", TPoint(2, 2), size, 2, 0, false, clNone, clBlack, 255, 255,
                     HatchStyleHorizontal, nullptr, gtVertical, &font);
    EXPECT_GT(struck.Painted(), plain.Painted());
    // Nothing for an empty text or a kind of brush that draws nothing.
    Board none(200, 50);
    DrawGradientText(none.g.get(), "", TPoint(2, 2), size, 2, 0, false, clNone, clBlack, 255, 255, HatchStyleHorizontal,
                     nullptr, gtSolid, &font);
    EXPECT_EQ(size.cx, 0);
    DrawGradientText(none.g.get(), "Text", TPoint(2, 2), size, 2, 0, false, clWhite, clBlack, 255, 255,
                     HatchStyleHorizontal, nullptr, gtRadial, &font);
    EXPECT_GT(size.cx, 0);
    EXPECT_EQ(none.Painted(), 0);
}

TEST(SplashForms, TheProgramsSplashDefinitionLoadsAsWritten)
{
    TManualClockScope clock;
    const QString text = QStringLiteral(R"(object fmSplashHost: TForm
  object asScreen: TAdvSmoothSplashScreen
    AutoShow = False
    BasicProgramInfo.ProgramName.Text = '2x4 DSP Processor Editor'
    BasicProgramInfo.ProgramName.PosX = 85
    BasicProgramInfo.ProgramName.PosY = 130
    BasicProgramInfo.ProgramName.Location = ilCustom
    BasicProgramInfo.ProgramName.HatchStyle = HatchStyleDivot
    BasicProgramInfo.ProgramName.ColorStart = clWhite
    BasicProgramInfo.ProgramName.Font.Name = 'Tahoma'
    BasicProgramInfo.ProgramName.Font.Height = -29
    BasicProgramInfo.ProgramName.Font.Style = [fsBold]
    BasicProgramInfo.ProgramVersion.Text = 'Ver 1.1'
    BasicProgramInfo.ProgramVersion.PosX = 480
    BasicProgramInfo.ProgramVersion.PosY = 140
    BasicProgramInfo.ProgramVersion.Location = ilCustom
    AutoAdaptPictureSize = False
    Fill.Opacity = 249
    Fill.PicturePosition = ppBottomCenter
    TimeOut = 100
    CloseOnTimeout = True
    DisplayStyle = dsNormal
    ListItems = <
      item
        HTMLText = '<BR><BR><FONT SIZE="20" COLOR="clWhite">Loading Program....</FONT><BR>'
      end>
    ListItemsSettings.Rect.Left = 180
    ListItemsSettings.Rect.Top = 210
    ListItemsSettings.Rect.Width = 500
    ListItemsSettings.Rect.Height = 250
    ListItemsSettings.HTMLFont.Height = -11
    ProgressBar.ValueFormat = '%.0f%%'
    ProgressBar.Step = 10.000000000000000000
    ProgressBar.Maximum = 100.000000000000000000
    ProgressBar.Left = 160
    ProgressBar.Top = 220
    ProgressBar.Height = 12
    ProgressBar.ProgressFill.Color = clWhite
    ProgressBar.ProgressFill.ColorTo = 16760704
    ProgressBar.BackGroundFill.BorderColor = clGray
    TopLayerItems = <
      item
        HTMLText.Text = 'box'
      end>
    Version = '1.2.0.0'
  end
end
)");
    std::unique_ptr<TComponent> root(CreateComponentFromText(text, "splash.dfm", nullptr));
    auto *splash = dynamic_cast<TAdvSmoothSplashScreen *>(root->FindComponent("asScreen"));
    ASSERT_NE(splash, nullptr);
    EXPECT_FALSE(splash->Showing());  // AutoShow off: never shown
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramName()->Text(), "2x4 DSP Processor Editor");
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramName()->Font()->Height(), -29);
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramName()->HatchStyle(), HatchStyleDivot);
    EXPECT_EQ(splash->BasicProgramInfo()->ProgramVersion()->PosX(), 480);
    EXPECT_EQ(splash->Fill()->Opacity(), 249);
    EXPECT_EQ(splash->DisplayStyle(), TDisplayStyle::dsNormal);
    ASSERT_EQ(splash->ListItems()->Count(), 1);
    EXPECT_TRUE(splash->ListItems()->Items(0)->HTMLText().contains("Loading Program...."));
    EXPECT_EQ(splash->ListItemsSettings()->Rect()->GetRect(), TRect(180, 210, 680, 460));
    EXPECT_EQ(splash->ProgressBar()->Height(), 12);
    EXPECT_FALSE(splash->ProgressBar()->Visible());
    EXPECT_EQ(splash->TopLayerItems()->Items(0)->HTMLText()->Text(), "box");
    EXPECT_EQ(splash->TopLayerItems()->Items(0)->HTMLText()->Location(), cpCenterLeft);
}

TEST(SplashForms, AnAutoShowSplashShowsWhileTheFormIsReadAndClosesWhenItShows)
{
    TManualClockScope clock;
    TSplashSleep previous = SetSplashSleep([](unsigned) {});
    const QString text = QStringLiteral(R"(object fmHost: TForm
  object asScreenTROV316: TAdvSmoothSplashScreen
    DisplayStyle = dsNormal
    BasicProgramInfo.ProgramName.Text = 'TROV316 DSP Processor Editor'
    ListItems = <
      item
        HTMLText = '<BR>Loading'
      end>
  end
end
)");
    std::unique_ptr<TComponent> root(CreateComponentFromText(text, "host.dfm", nullptr));
    auto *form = dynamic_cast<TForm *>(root.get());
    auto *splash = dynamic_cast<TAdvSmoothSplashScreen *>(root->FindComponent("asScreenTROV316"));
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->Showing());
    EXPECT_EQ(splash->MainForm(), form);
    form->Show();
    EXPECT_FALSE(splash->Showing());
    root.reset();
    SetSplashSleep(previous);
}

}  // namespace
