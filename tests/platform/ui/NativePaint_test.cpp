// A subclass of a native control paints over it in its paint message, after the native rendering
// and on a canvas over the rendered pixels: in an image painted with PaintTo, in the widget's own
// grab and in what the window shows on screen, and again after the widget repaints itself. What a
// window procedure draws after the inherited paint shows too, and asks for no further paint.

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsCanvas.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RadioButton.h"

#include "StdTestApp.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

constexpr TColor kFace = 0xFFFFDF;  // the combo's own colour, as the main window's slope lists have it

// A combo box that draws a flat button and a frame over itself, and a mark over its edit part, the
// way the skinned combo box does: the inherited painting first, then its own canvas.
class TFlatCombo : public TComboBox {
    T_DECLARE_CLASS(TFlatCombo, TComboBox)

public:
    explicit TFlatCombo(TComponent *AOwner) : TComboBox(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

    int Paints = 0;
    TColor SeenBelowMark = clNone;  // what the canvas had under the mark before drawing it

    static TRect Button(int w, int h) { return TRect(w - 19, 2, w - 2, h - 2); }
    static TRect Mark() { return TRect(40, 8, 44, 12); }

protected:
    void WMPaint(TMessage &m)
    {
        DispatchFrom(inherited::StaticClass(), m);
        ++Paints;
        SeenBelowMark = FCanvas->Pixels(Mark().Left - 1, Mark().Top);
        FCanvas->Brush()->SetColor(clRed);
        FCanvas->FillRect(Button(Width(), Height()));
        FCanvas->Brush()->SetColor(clBlue);
        FCanvas->FrameRect(ClientRect());
        FCanvas->Brush()->SetColor(clLime);
        FCanvas->FillRect(Mark());
    }

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

T_IMPLEMENT_CLASS(TFlatCombo)
{
    b.Message(WM_PAINT, &TFlatCombo::WMPaint);
}

namespace {

TColor At(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

struct ComboOnForm : ::testing::Test {
    TForm *form = new TForm(nullptr);
    TFlatCombo *combo = new TFlatCombo(form);

    ComboOnForm()
    {
        form->SetBounds(50, 50, 300, 120);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 120, 22);
        combo->SetColor(kFace);
        combo->Items()->SetText("LK -48\nBW -6");
        combo->SetItemIndex(0);
    }
    ~ComboOnForm() override { delete form; }

    // The combo's pixels, each source with the combo's top-left corner at `origin`.
    void ExpectOverdrawn(const QImage &image, TPoint origin, const char *source)
    {
        SCOPED_TRACE(source);
        const int w = combo->Width(), h = combo->Height();
        const TRect b = TFlatCombo::Button(w, h);
        EXPECT_EQ(At(image, origin.X + b.Left + 3, origin.Y + h / 2), clRed);
        EXPECT_EQ(At(image, origin.X, origin.Y + h / 2), clBlue);
        EXPECT_EQ(At(image, origin.X + w - 1, origin.Y + 3), clBlue);
        // Over the edit part, which is a widget of its own on screen.
        EXPECT_EQ(At(image, origin.X + TFlatCombo::Mark().Left + 1, origin.Y + TFlatCombo::Mark().Top + 1), clLime);
        EXPECT_EQ(At(image, origin.X + TFlatCombo::Mark().Left - 1, origin.Y + TFlatCombo::Mark().Top), kFace);
        EXPECT_EQ(combo->SeenBelowMark, kFace);  // the canvas holds the native pixels
    }
};

TEST_F(ComboOnForm, PaintsOverItselfInAnImage)
{
    TBitmap bitmap(form->ClientWidth(), form->ClientHeight());
    form->PaintTo(bitmap.Canvas(), 0, 0);
    ExpectOverdrawn(bitmap.Image(), TPoint(10, 10), "PaintTo");
    EXPECT_EQ(combo->Paints, 1);
}

TEST_F(ComboOnForm, PaintsOverItselfOnScreenAndInItsGrabAfterEveryNativeRepaint)
{
    form->Show();
    QApplication::processEvents();
    ASSERT_GT(combo->Paints, 0);
    ExpectOverdrawn(combo->Widget()->grab().toImage(), TPoint(0, 0), "grab");
    const QPoint clientInWindow = form->Widget()->mapTo(form->Window(), QPoint(0, 0));
    auto screen = [&] { return QGuiApplication::primaryScreen()->grabWindow(form->Window()->winId()).toImage(); };
    ExpectOverdrawn(screen(), TPoint(clientInWindow.x() + 10, clientInWindow.y() + 10), "screen");

    // The edit part repaints itself with a new text; the paint message follows it.
    const int before = combo->Paints;
    combo->SetText("BW -6");
    QApplication::processEvents();
    EXPECT_GT(combo->Paints, before);
    ExpectOverdrawn(screen(), TPoint(clientInWindow.x() + 10, clientInWindow.y() + 10), "screen after a new text");
}

// A combo box whose window procedure draws a frame on its canvas after the inherited handling of
// each paint message, outside any message handler.
class TFramingCombo : public TComboBox {
public:
    explicit TFramingCombo(TComponent *AOwner) : TComboBox(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

    int Paints = 0;

    void WndProc(TMessage &m) override
    {
        TComboBox::WndProc(m);
        if (m.Msg == WM_PAINT && m.WParam != 0) {
            ++Paints;
            FCanvas->Brush()->SetColor(clRed);
            FCanvas->FrameRect(ClientRect());
        }
    }

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

TEST(NativePaintLoop, DrawingAfterTheInheritedPaintShowsAndSchedulesNoOtherPaint)
{
    TForm form(nullptr);
    form.SetBounds(50, 50, 300, 120);
    auto *combo = new TFramingCombo(&form);
    combo->SetParent(&form);
    combo->SetBounds(10, 10, 120, 22);
    combo->Items()->SetText("LK -48\nBW -6");
    combo->SetItemIndex(0);
    form.Show();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    const int settled = combo->Paints;
    ASSERT_GT(settled, 0);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    EXPECT_EQ(combo->Paints, settled);  // idle: no paint follows a paint
    EXPECT_EQ(At(combo->Widget()->grab().toImage(), 0, 11), clRed);
}

}  // namespace

// A check box and a radio button fill their whole area with their Color, as the channel pages'
// mode buttons on a black plot bar need; the caption keeps the font colour.
TEST(NativeButtonColour, CheckBoxAndRadioButtonFillTheirAreaWithTheirColour)
{
    TForm form(nullptr);
    form.SetBounds(50, 50, 200, 80);
    form.SetColor(clWhite);
    auto *radio = new TRadioButton(&form);
    auto *check = new TCheckBox(&form);
    int top = 10;
    for (TNativeControl *button : std::initializer_list<TNativeControl *>{radio, check}) {
        button->SetParent(&form);
        button->SetBounds(10, top, 80, 18);
        button->SetColor(clBlack);
        button->Font()->SetColor(clYellow);
        top += 30;
    }
    radio->SetCaption("Mag");
    check->SetCaption("Mag");
    TBitmap bitmap(form.ClientWidth(), form.ClientHeight());
    form.PaintTo(bitmap.Canvas(), 0, 0);
    const QImage image = bitmap.Image();
    for (const int y : {10, 40}) {
        SCOPED_TRACE(y);
        EXPECT_EQ(At(image, 85, y + 9), clBlack);  // right of the caption
        EXPECT_EQ(At(image, 95, y + 9), clWhite);  // the form beside it
    }
}
