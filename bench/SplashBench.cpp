// Speed of the splash screen and the rich-text label: rendering the program's layered 640 x 300
// splash (fill picture, two headings, one item picture, one list line) against filling the same
// buffer with the fill picture alone (goal: at most 5 times as long), and one repaint of a help
// window's 630 x 1400 rich-text label holding a 40 KB document.

#include <benchmark/benchmark.h>

#include <memory>

#include "GuiBenchMain.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "tests/widgets/graphics/ProgramSplash.h"
#include "widgets/graphics/AdvSmoothSplashScreen.h"
#include "widgets/graphics/SplashScreenWindow.h"
#include "widgets/graphics/rtflabel.h"

namespace {

// The program's shown splash, showing (layered, no fades).
struct ProgramSplash {
    TForm host{nullptr};
    TAdvSmoothSplashScreen *splash = new TAdvSmoothSplashScreen(&host);

    ProgramSplash()
    {
        SetSplashSleep([](unsigned) {});
        splashtest::ConfigureLikeTheProgram(splash, TROV_SOURCE_ROOT);
        splash->SetCloseOnTimeout(false);
        splash->SetCloseOnMainFormShow(false);
        splash->Show();
    }
    ~ProgramSplash() { splash->Hide(); }
};

void SplashLayeredRender(benchmark::State &state)
{
    ProgramSplash s;
    TSplashScreenWindow *w = s.splash->SplashWindow();
    for (auto _ : state)
        w->Refresh();
}
BENCHMARK(SplashLayeredRender)->Unit(benchmark::kMicrosecond);

// The same buffer filled with the fill picture and nothing else.
void SplashFillPictureOnly(benchmark::State &state)
{
    ProgramSplash s;
    TSplashScreenWindow *w = s.splash->SplashWindow();
    TGDIPFill *fill = s.splash->Fill();
    const TGPRectF all = MakeRect(0.0f, 0.0f, static_cast<REAL>(w->Width() - 1), static_cast<REAL>(w->Height() - 1));
    for (auto _ : state) {
        TGPGraphics g(w->MainBuffer());
        g.Clear(0);
        fill->Fill(&g, all);
    }
}
BENCHMARK(SplashFillPictureOnly)->Unit(benchmark::kMicrosecond);

// A rich-text document of about 40 KB: a heading and paragraphs of protocol description.
QString HelpDocument()
{
    QString rtf =
        QStringLiteral(R"({\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1 Courier New;}}{\colortbl;\red0\green0\blue160;})");
    rtf += QStringLiteral(R"(\f0\fs32\cf1\b Serial control codes\b0\cf0\fs20\par )");
    for (int i = 0; rtf.size() < 40 * 1024; ++i)
        rtf +=
            QStringLiteral(R"(\b Command %1\b0: the frame starts with {\f1 10 02}, then the source and address bytes, )"
                           R"(the length, the command and its payload, and ends with {\f1 10 03} and a checksum.\par )")
                .arg(i);
    return rtf + QStringLiteral("}");
}

void RichTextLabelRepaint(benchmark::State &state)
{
    TForm help(nullptr);
    help.SetBounds(0, 0, 760, 1460);
    help.SetColor(clWhite);
    help.HandleNeeded();
    auto *label = new TRTFLabel(&help);
    label->SetParent(&help);
    label->SetBounds(50, 24, 630, 1400);
    label->SetTransparent(true);
    label->Loaded();
    label->SetRichText(HelpDocument());
    state.counters["document_bytes"] = static_cast<double>(label->RichText().size());
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderControlImage(label));
}
BENCHMARK(RichTextLabelRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return RunBenchmarksOnGuiApplication(argc, argv);
}
