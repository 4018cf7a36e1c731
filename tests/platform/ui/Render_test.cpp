// Every standard control paints itself offscreen into an image, with no display: each one's area
// of the rendered form shows something of it, and a few pixels are checked where the look is ours.

#include "platform/ui/Application.h"
#include "platform/ui/Bevel.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/PaintBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/RadioButton.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/Shape.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/StringGrid.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/UpDown.h"
#include "platform/ui/ValueListEditor.h"

#include "StdTestApp.h"

#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

#include <set>

namespace {

// Distinct colours in a rectangle of the image.
int ColoursIn(const QImage &image, const TRect &r)
{
    std::set<QRgb> seen;
    for (int y = std::max(0, r.Top); y < std::min(image.height(), r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(image.width(), r.Right); ++x)
            seen.insert(image.pixel(x, y) & 0xFFFFFF);
    return static_cast<int>(seen.size());
}

TColor At(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

struct Gallery : ::testing::Test {
    TForm *form = new TForm(nullptr);
    std::vector<TControl *> controls;
    int x = 4, y = 4;

    template <class T>
    T *Add(int w, int h, TWinControl *parent = nullptr)
    {
        auto *c = new T(form);
        c->SetParent(parent ? parent : form);
        if (x + w > 780) {
            x = 4;
            y += 110;
        }
        c->SetBounds(x, y, w, h);
        x += w + 6;
        if (!parent)
            controls.push_back(c);
        return c;
    }

    ~Gallery() override { delete form; }
};

TEST_F(Gallery, EveryControlRendersOffscreen)
{
    form->SetBounds(0, 0, 800, 600);
    form->SetColor(clBtnFace);
    Add<TLabel>(80, 20)->SetCaption("Label");
    Add<TEdit>(80, 22)->SetText("Edit");
    Add<TMemo>(100, 60)->Lines()->SetText("one\ntwo");
    auto *combo = Add<TComboBox>(90, 22);
    combo->Items()->SetText("Out1\nOut2");
    combo->SetItemIndex(0);
    Add<TListBox>(80, 60)->Items()->SetText("a\nb\nc");
    Add<TButton>(75, 25)->SetCaption("OK");
    auto *check = Add<TCheckBox>(90, 20);
    check->SetCaption("Check");
    check->SetChecked(true);
    auto *radio = Add<TRadioButton>(90, 20);
    radio->SetCaption("Radio");
    radio->SetChecked(true);
    Add<TGroupBox>(100, 60)->SetCaption("Group");
    auto *panel = Add<TPanel>(100, 50);
    panel->SetCaption("Panel");
    auto *shape = Add<TShape>(40, 40);
    shape->Brush()->SetColor(clRed);
    auto *image = Add<TImage>(40, 40);
    image->PictureCanvas()->Brush()->SetColor(clBlue);
    image->PictureCanvas()->FillRect(TRect(0, 0, 40, 20));
    auto *paint = Add<TPaintBox>(40, 40);
    paint->OnPaint = [paint](TObject *) {
        paint->Canvas()->Brush()->SetColor(clLime);
        paint->Canvas()->FillRect(TRect(5, 5, 35, 35));
    };
    Add<TBevel>(40, 40);
    auto *scroll = Add<TScrollBox>(80, 60);
    auto *inner = new TLabel(form);
    inner->SetParent(scroll);
    inner->SetCaption("Inside");
    auto *pages = Add<TPageControl>(140, 90);
    auto *sheet = new TTabSheet(form);
    sheet->SetPageControl(pages);
    sheet->SetCaption("Page");
    pages->SetActivePage(sheet);
    auto *tree = Add<TTreeView>(90, 60);
    tree->Items()->AddChild(tree->Items()->Add(nullptr, "Root"), "Leaf");
    tree->FullExpand();
    auto *grid = Add<TStringGrid>(140, 80);
    grid->SetCells(1, 1, "cell");
    auto *vle = Add<TValueListEditor>(160, 80);
    vle->Strings()->SetText("     U01=  Default Preset\n     U02=  Other\n");
    auto *status = Add<TStatusBar>(150, 19);
    status->SetAlign(alNone);
    status->SetBounds(x - 156, y, 150, 19);
    status->SetSimplePanel(true);
    status->SetSimpleText("download now");
    auto *progress = Add<TProgressBar>(100, 17);
    progress->SetPosition(50);
    Add<TTrackBar>(100, 30)->SetPosition(5);
    auto *picker = Add<TDateTimePicker>(120, 22);
    picker->SetDateTime(45000.5);
    auto *rich = Add<TRichEdit>(150, 60);
    rich->SetRichText(R"({\rtf1 {\b Rich} text\par second})");
    Add<TSpeedButton>(40, 25)->SetCaption("Sp");
    Add<TUpDown>(17, 25);
    auto *group = Add<TRadioGroup>(100, 70);
    group->SetCaption("Radio group");
    group->Items()->SetText("one\ntwo");
    group->SetItemIndex(1);

    TBitmap bitmap(form->ClientWidth(), form->ClientHeight());
    form->PaintTo(bitmap.Canvas(), 0, 0);
    const QImage image2 = bitmap.Image();
    if (qEnvironmentVariableIsSet("UI_STD_SAVE"))
        image2.save(qEnvironmentVariable("UI_STD_SAVE"));
    for (TControl *c : controls)
        EXPECT_GT(ColoursIn(image2, c->BoundsRect()), 1) << c->ClassName().toStdString() << " shows nothing";

    // Where the look is the framework's own, a few exact pixels.
    const TRect s = shape->BoundsRect();
    EXPECT_EQ(At(image2, s.Left + 20, s.Top + 20), clRed);
    EXPECT_EQ(At(image2, s.Left, s.Top), clBlack);  // the pen
    const TRect i = image->BoundsRect();
    EXPECT_EQ(At(image2, i.Left + 20, i.Top + 10), clBlue);
    const TRect p = paint->BoundsRect();
    EXPECT_EQ(At(image2, p.Left + 20, p.Top + 20), clLime);
    const TRect pn = panel->BoundsRect();
    EXPECT_EQ(At(image2, pn.Left, pn.Top), ColorToRGB(clBtnHighlight));          // raised bevel
    EXPECT_EQ(At(image2, pn.Right - 1, pn.Bottom - 1), ColorToRGB(clBtnShadow));
}

// The classic look holds whatever style and palette the desktop gave the application before.
TEST(ClassicLook, NativeControlsTakeTheSystemColoursWhateverTheDesktopTheme)
{
    QPalette dark;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(40, 40, 48));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(dark);
    Application->Initialize();
    EXPECT_EQ(QApplication::style()->name().toLower(), "windows");

    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 120);
    auto *edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 100, 22);
    auto *list = new TListBox(&form);
    list->SetParent(&form);
    list->SetBounds(120, 10, 100, 60);
    list->Items()->SetText("1\n2\n3\n4\n5\n6\n7\n8\n9");
    TBitmap bitmap(form.ClientWidth(), form.ClientHeight());
    form.PaintTo(bitmap.Canvas(), 0, 0);
    const QImage image = bitmap.Image();
    if (qEnvironmentVariableIsSet("UI_LOOK_SAVE"))
        image.save(qEnvironmentVariable("UI_LOOK_SAVE"));
    // A sunken classic frame round a field in the window colour; a scroll bar button in the
    // button face colour beside the list's items.
    EXPECT_EQ(At(image, 12, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(image, 11, 14), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(At(image, 40, 20), ColorToRGB(clWindow));
    const TRect l = list->BoundsRect();
    EXPECT_EQ(At(image, l.Right - 10, l.Top + 4), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(image, l.Left + 40, l.Top + 4), ColorToRGB(clWindow));
}

TEST(HintWindowRendering, ShowsItsTextInTheHintColours)
{
    THintWindow hint(nullptr);
    const TRect size = hint.CalcHintRect(200, "Position 12", nullptr);
    EXPECT_GT(size.Width(), 20);
    EXPECT_GT(size.Height(), 8);
    hint.ActivateHint(TRect(100, 100, 100 + size.Width(), 100 + size.Height()), "Position 12");
    EXPECT_TRUE(hint.Visible());
    TBitmap bitmap(size.Width(), size.Height());
    hint.PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(At(bitmap.Image(), 1, 1), ColorToRGB(clInfoBk));
    EXPECT_GT(ColoursIn(bitmap.Image(), TRect(2, 2, size.Width() - 2, size.Height() - 2)), 1);
    hint.ReleaseHandle();
    EXPECT_FALSE(hint.Visible());
}

TEST(GraphicControlRendering, PaintGoesIntoTheTargetAlsoAfterDrawingOutsidePainting)
{
    // A windowless control that drew on its parent's image outside painting, then painted into
    // another canvas: the paint must land in that canvas, not on the parent's image.
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *paint = new TPaintBox(&form);
    paint->SetParent(&form);
    paint->SetBounds(10, 10, 40, 30);
    paint->Canvas()->FillRect(TRect(0, 0, 5, 5), clRed);
    paint->OnPaint = [paint](TObject *) { paint->Canvas()->FillRect(TRect(0, 0, 40, 30), clLime); };
    const QImage image = RenderControlImage(paint);
    ASSERT_EQ(image.size(), QSize(40, 30));
    EXPECT_EQ(At(image, 20, 15), clLime);
}

// The status bar in the classic look: the face, sunken panels with their texts 2 pixels below its
// top, and the size grip in the corner only on a form with a sizeable border.
TEST(StatusBarRendering, SunkenPanelsOnTheFaceAndTheGripOnASizeableForm)
{
    struct Case {
        const char *name;
        TFormBorderStyle border;
        bool simple;
        bool grip;
    };
    const Case cases[] = {
        {.name = "simple text on a sizeable form", .border = bsSizeable, .simple = true, .grip = true},
        {.name = "panels on a single-border form", .border = bsSingle, .simple = false, .grip = false},
    };
    for (const Case &c : cases) {
        TForm form(nullptr);
        form.SetBorderStyle(c.border);
        form.SetBounds(0, 0, 300, 120);
        auto *bar = new TStatusBar(&form);
        bar->SetParent(&form);
        bar->SetSimplePanel(c.simple);
        bar->SetSimpleText("download now");
        for (const char *text : {"U01", "Default Preset"})
            static_cast<TStatusPanel *>(bar->Panels()->Add())->SetText(text);
        const QImage image = RenderControlImage(bar);
        if (qEnvironmentVariableIsSet("UI_STATUS_SAVE"))
            image.save(qEnvironmentVariable("UI_STATUS_SAVE") + QString::number(&c - cases) + ".png");
        ASSERT_EQ(image.size(), QSize(bar->Width(), 19)) << c.name;
        const int right = image.width() - 1, bottom = image.height() - 1;
        EXPECT_EQ(At(image, 10, 1), ColorToRGB(clBtnFace)) << c.name;
        EXPECT_EQ(At(image, 0, 2), ColorToRGB(clBtnShadow)) << c.name;  // sunken: shadow top left
        EXPECT_EQ(At(image, 10, 2), ColorToRGB(clBtnShadow)) << c.name;
        EXPECT_EQ(At(image, 10, bottom), ColorToRGB(clBtnHighlight)) << c.name;  // highlight bottom right
        EXPECT_GT(ColoursIn(image, TRect(3, 4, 60, bottom - 1)), 1) << c.name << ": the text";
        if (!c.simple) {
            // The first panel ends after its Width, the next one starts 2 pixels on.
            EXPECT_EQ(At(image, 49, 10), ColorToRGB(clBtnHighlight)) << c.name;
            EXPECT_EQ(At(image, 50, 10), ColorToRGB(clBtnFace)) << c.name;
            EXPECT_EQ(At(image, 52, 10), ColorToRGB(clBtnShadow)) << c.name;
        }
        // Along the corner's diagonals: a shadow line of the grip, or the panel's bottom edge.
        EXPECT_EQ(At(image, right - 1, bottom), ColorToRGB(c.grip ? clBtnShadow : clBtnHighlight)) << c.name;
        EXPECT_EQ(At(image, right - 3, bottom - 8), ColorToRGB(c.grip ? clBtnHighlight : clBtnFace)) << c.name;
    }
}

// A drop-down list shows its item on the highlight colour while it has the focus, and on its own
// colour otherwise, as the system's combo boxes do.
TEST(ComboBoxRendering, AFocusedDropDownListShowsItsItemSelected)
{
    struct Case {
        const char *name;
        bool focused;
        bool highlighted;
    };
    const Case cases[] = {
        {.name = "at rest", .focused = false, .highlighted = false},
        {.name = "focused", .focused = true, .highlighted = true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TForm form(nullptr);
        form.SetBounds(0, 0, 200, 100);
        auto *other = new TEdit(&form);
        other->SetParent(&form);
        other->SetBounds(10, 50, 80, 22);
        auto *combo = new TComboBox(&form);
        combo->SetParent(&form);
        combo->SetBounds(10, 10, 100, 22);
        combo->SetStyle(csDropDownList);
        combo->SetColor(clWindow);
        combo->Items()->SetText("BW -12\nBW -24");
        combo->SetItemIndex(0);
        form.Show();
        (c.focused ? static_cast<TWinControl *>(combo) : other)->SetFocus();
        ASSERT_EQ(combo->Focused(), c.focused);
        const QImage image = RenderControlImage(combo);
        const TColor highlight = ColorToRGB(clHighlight);
        int lit = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width() / 2; ++x)
                lit += At(image, x, y) == highlight ? 1 : 0;
        EXPECT_EQ(lit > 20, c.highlighted) << lit;
        form.Hide();
    }
}

}  // namespace
