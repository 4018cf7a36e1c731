// Painting cost of the skinned controls in the main window's arrangement, against the same layout
// of opaque plain panels, measured in the same run:
//  - a full repaint of a 1118 x 720 form with four background pictures, 150 transparent group
//    boxes (30 on the form, 120 inside them) and 156 borderless bitmap buttons with stretched
//    keyed pictures on the inner boxes; the plain layout puts a plain panel in place of each box
//    and each button;
//  - one button's repaint when the pointer moves onto it (its Hot picture) against one plain
//    panel's repaint;
//  - a full repaint of six band-table-like group boxes, each with 16 rows of a number label, a
//    list-style combo box, a push button and three value labels, built from the skinned label,
//    combo box and push button against the framework's label, combo box and button (the same
//    group boxes around both).

#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzButton.h"
#include "widgets/skinned/RzCmboBx.h"
#include "widgets/skinned/RzGroupBox.h"
#include "widgets/skinned/RzLabel.h"

#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int FormWidth = 1118, FormHeight = 720;

std::unique_ptr<TBitmap> Picture(const char *name)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromFile(QStringLiteral(TROV_SOURCE_ROOT "/resources/images/widgets/") + name);
    return bitmap;
}

// The main window's arrangement; `skinned` chooses the skinned controls or plain panels.
struct Page {
    TForm *form = new TForm(nullptr);
    std::vector<TWinControl *> buttons;

    explicit Page(bool skinned)
    {
        form->SetBounds(0, 0, FormWidth, FormHeight);
        // Four background pictures, one per quarter.
        for (int i = 0; i < 4; ++i) {
            auto *image = new TImage(form);
            image->SetParent(form);
            image->SetBounds((i % 2) * FormWidth / 2, (i / 2) * FormHeight / 2, FormWidth / 2, FormHeight / 2);
            TBitmap *b = image->Picture()->Bitmap();
            b->SetSize(FormWidth / 2, FormHeight / 2);
            FillGradient(b->Canvas(), TRect(0, 0, FormWidth / 2, FormHeight / 2), gdDiagonalDown,
                         RGB(30 + 40 * i, 60, 90), RGB(140, 160, 200 - 30 * i));
        }
        const auto up = Picture("button_teal_up.bmp"), hot = Picture("button_teal_hot.bmp");
        const auto down = Picture("button_teal_down.bmp"), stay = Picture("button_teal_staydown.bmp");
        int buttonCount = 0;
        for (int outer = 0; outer < 30; ++outer) {
            TWinControl *box = Box(form, skinned, Bounds(10 + (outer % 6) * 184, 10 + (outer / 6) * 140, 176, 132));
            for (int inner = 0; inner < 4; ++inner) {
                TWinControl *sub = Box(box, skinned, Bounds(4 + (inner % 2) * 86, 4 + (inner / 2) * 64, 84, 62));
                // 156 buttons over the 120 inner boxes: every box one, the first 36 two.
                const int here = (outer * 4 + inner) < 36 ? 2 : 1;
                for (int k = 0; k < here && buttonCount < 156; ++k, ++buttonCount) {
                    const TRect r = Bounds(2, 2 + k * 30, 80, 28);
                    if (skinned) {
                        auto *button = new TRzBmpButton(form);
                        button->SetButtonSize(bszStretchToButton);
                        button->SetShowFocus(false);
                        button->Bitmaps()->SetTransparentColor(clTeal);
                        button->Bitmaps()->SetUp(up.get());
                        button->Bitmaps()->SetHot(hot.get());
                        button->Bitmaps()->SetDown(down.get());
                        button->Bitmaps()->SetStayDown(stay.get());
                        button->SetCaption("Mute");
                        button->SetParent(sub);
                        button->SetBoundsRect(r);
                        buttons.push_back(button);
                    } else {
                        auto *panel = new TPanel(form);
                        panel->SetCaption("Mute");
                        panel->SetParent(sub);
                        panel->SetBoundsRect(r);
                        buttons.push_back(panel);
                    }
                }
            }
        }
    }
    ~Page() { delete form; }

    TWinControl *Box(TWinControl *parent, bool skinned, const TRect &r)
    {
        TWinControl *box;
        if (skinned) {
            auto *group = new TRzGroupBox(form);
            group->SetGroupStyle(gsCustom);
            group->SetTransparent(true);
            box = group;
        } else {
            box = new TPanel(form);
        }
        box->SetParent(parent);
        box->SetBoundsRect(r);
        return box;
    }
};

QApplication &App()
{
    static int argc = 1;
    static char name[] = "skinned_bench";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto *a = new QApplication(argc, argv);
        Application->Initialize();  // the program's look, as the editor starts with it
        return a;
    }();
    return *app;
}

void FullRepaint(benchmark::State &state, bool skinned)
{
    App();
    Page page(skinned);
    TBitmap target(FormWidth, FormHeight);
    for (auto _ : state)
        page.form->PaintTo(target.Canvas(), 0, 0);
    state.SetLabel(skinned ? "150 transparent boxes, 156 bitmap buttons" : "306 opaque plain panels");
}

void HoverRepaint(benchmark::State &state, bool skinned)
{
    App();
    Page page(skinned);
    TWinControl *control = page.buttons[77];
    control->BackingImage();
    bool over = false;
    for (auto _ : state) {
        // The pointer moves on and off the control: each move repaints it.
        over = !over;
        control->Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE);
        control->Invalidate();
        benchmark::DoNotOptimize(control->BackingImage().constBits());
    }
}

// Six band tables of 16 rows each; `skinned` chooses the skinned label, combo box and push button
// or the framework's.
struct BandTables {
    TForm *form = new TForm(nullptr);

    explicit BandTables(bool skinned)
    {
        form->SetBounds(0, 0, FormWidth, FormHeight);
        const char *types = "Peak\nLow Shelf\nHigh Shelf\nLow Pass\nHigh Pass\nAllpass 1\nAllpass 2";
        for (int t = 0; t < 6; ++t) {
            auto *box = new TRzGroupBox(form);
            box->SetGroupStyle(gsCustom);
            box->SetParent(form);
            box->SetBounds(10 + (t % 3) * 368, 10 + (t / 3) * 355, 360, 345);
            for (int row = 0; row < 16; ++row) {
                const int y = 4 + row * 21;
                const QString values[] = {"1000.0", "+0.0", "4.32"};
                if (skinned) {
                    auto *number = new TRzLabel(form);
                    number->SetTransparent(true);
                    number->SetAlignment(taCenter);
                    number->Font()->SetSize(12);
                    number->SetCaption(QString::number(row + 1));
                    Place(number, box, 4, y, 22, 20);
                    auto *type = new TRzComboBox(form);
                    type->SetStyle(csDropDownList);
                    type->Items()->SetText(types);
                    type->SetItemIndex(row % 7);
                    Place(type, box, 30, y, 96, 20);
                    auto *bypass = new TRzButton(form);
                    bypass->SetThemeAware(false);
                    bypass->SetColor(row % 2 ? 0x8080FF : clBtnFace);
                    bypass->SetCaption("Byp");
                    Place(bypass, box, 130, y, 48, 20);
                    for (int v = 0; v < 3; ++v) {
                        auto *value = new TRzLabel(form);
                        value->SetTransparent(true);
                        value->SetAlignment(taCenter);
                        value->SetAutoSize(false);
                        value->SetCaption(values[v]);
                        Place(value, box, 182 + v * 58, y + 2, 56, 17);
                    }
                } else {
                    auto *number = new TLabel(form);
                    number->SetTransparent(true);
                    number->SetAlignment(taCenter);
                    number->Font()->SetSize(12);
                    number->SetCaption(QString::number(row + 1));
                    Place(number, box, 4, y, 22, 20);
                    auto *type = new TComboBox(form);
                    type->SetStyle(csDropDownList);
                    type->Items()->SetText(types);
                    type->SetItemIndex(row % 7);
                    Place(type, box, 30, y, 96, 20);
                    auto *bypass = new TButton(form);
                    bypass->SetCaption("Byp");
                    Place(bypass, box, 130, y, 48, 20);
                    for (int v = 0; v < 3; ++v) {
                        auto *value = new TLabel(form);
                        value->SetTransparent(true);
                        value->SetAlignment(taCenter);
                        value->SetAutoSize(false);
                        value->SetCaption(values[v]);
                        Place(value, box, 182 + v * 58, y + 2, 56, 17);
                    }
                }
            }
        }
    }
    ~BandTables() { delete form; }

    static void Place(TControl *c, TWinControl *parent, int x, int y, int w, int h)
    {
        c->SetParent(parent);
        c->SetBounds(x, y, w, h);
    }
};

void BandTablesRepaint(benchmark::State &state, bool skinned)
{
    App();
    BandTables tables(skinned);
    TBitmap target(FormWidth, FormHeight);
    for (auto _ : state)
        tables.form->PaintTo(target.Canvas(), 0, 0);
    state.SetLabel(skinned ? "skinned labels, combo boxes, push buttons" : "framework labels, combo boxes, buttons");
}

BENCHMARK_CAPTURE(FullRepaint, plain_panels, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullRepaint, skinned, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(HoverRepaint, plain_panel, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HoverRepaint, bitmap_button, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BandTablesRepaint, framework_controls, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BandTablesRepaint, skinned_controls, true)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
