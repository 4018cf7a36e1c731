// Control base classes: painting through parents (transparency), input order, focus and forms.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>

#include <string>
#include <vector>

#include "platform/ui/Bitmap.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/ControlsGraphicControl.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/runtime/FormReader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TestScript.h"
#include "tests/platform/ui/ControlsTestApp.h"

// ---- Test controls ---------------------------------------------------------------------------------

// Left half red, right half blue.
class TBackdrop : public TCustomControl {
    T_DECLARE_CLASS(TBackdrop, TCustomControl)
    explicit TBackdrop(TComponent *AOwner) : TCustomControl(AOwner) {}

protected:
    void Paint() override
    {
        Canvas()->FillRect(TRect(0, 0, Width() / 2, Height()), clRed);
        Canvas()->FillRect(TRect(Width() / 2, 0, Width(), Height()), clBlue);
    }
};
T_IMPLEMENT_CLASS(TBackdrop) {}

// Windowless, not opaque: draws only a one-pixel lime frame.
class TRing : public TGraphicControl {
    T_DECLARE_CLASS(TRing, TGraphicControl)
    explicit TRing(TComponent *AOwner) : TGraphicControl(AOwner) {}

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clLime);
        Canvas()->FrameRect(ClientRect());
    }
};
T_IMPLEMENT_CLASS(TRing) {}

// Windowed and transparent: the parent's image behind it, then a yellow pixel at (1, 1).
class TGlass : public TCustomControl {
    T_DECLARE_CLASS(TGlass, TCustomControl)
    explicit TGlass(TComponent *AOwner) : TCustomControl(AOwner) { SetParentBackground(true); }

protected:
    void Paint() override { Canvas()->Pixels(1, 1) = clYellow; }
};
T_IMPLEMENT_CLASS(TGlass) {}

namespace {

std::vector<std::string> gLog;

void Log(const QString &s)
{
    gLog.push_back(s.toStdString());
}

// Records its mouse and focus events in gLog, prefixed with its name.
class TProbe : public TCustomControl {
    T_DECLARE_CLASS(TProbe, TCustomControl)
    explicit TProbe(TComponent *AOwner) : TCustomControl(AOwner)
    {
        SetTabStop(true);
        OnMouseDown = [this](TObject *, TMouseButton, TShiftState s, int x, int y) {
            Log(QStringLiteral("%1 down%2 %3,%4").arg(Name(), s.Contains(ssDouble) ? QStringLiteral("+double") : QString()).arg(x).arg(y));
        };
        OnMouseUp = [this](TObject *, TMouseButton, TShiftState, int x, int y) {
            Log(QStringLiteral("%1 up %2,%3").arg(Name()).arg(x).arg(y));
        };
        OnMouseMove = [this](TObject *, TShiftState, int x, int y) {
            Log(QStringLiteral("%1 move %2,%3").arg(Name()).arg(x).arg(y));
        };
        OnClick = [this](TObject *) { Log(Name() + QStringLiteral(" click")); };
        OnDblClick = [this](TObject *) { Log(Name() + QStringLiteral(" dblclick")); };
        OnMouseEnter = [this](TObject *) { Log(Name() + QStringLiteral(" enter")); };
        OnMouseLeave = [this](TObject *) { Log(Name() + QStringLiteral(" leave")); };
        OnEnter = [this](TObject *) { Log(Name() + QStringLiteral(" onenter")); };
        OnExit = [this](TObject *) { Log(Name() + QStringLiteral(" onexit")); };
        OnKeyDown = [this](TObject *, WORD &key, TShiftState) { Log(QStringLiteral("%1 key %2").arg(Name()).arg(key)); };
        OnKeyPress = [this](TObject *, QChar &ch) { Log(QStringLiteral("%1 char %2").arg(Name(), ch)); };
    }
    void NoDoubleClicks() { SetControlStyle(ControlStyle() - csDoubleClicks); }
};

TColor PixelOf(TBitmap &b, int x, int y)
{
    return PixelToColor(b.Image().pixel(x, y));
}

// Renders a control into a new bitmap of its size.
std::unique_ptr<TBitmap> Render(TWinControl *c)
{
    auto b = std::make_unique<TBitmap>(c->Width(), c->Height());
    c->PaintTo(b->Canvas(), 0, 0);
    return b;
}

}  // namespace
T_IMPLEMENT_CLASS(TProbe) {}

// A form whose definition is read from text.
class TDefForm : public TForm {
    T_DECLARE_CLASS(TDefForm, TForm)
    explicit TDefForm(TComponent *AOwner) : TForm(AOwner) {}
    TBackdrop *back = nullptr;
    TGlass *glass = nullptr;
    TRing *ring = nullptr;
    int clicks = 0;
    void RingClick(TObject *) { ++clicks; }
};
T_IMPLEMENT_CLASS(TDefForm)
{
    b.Field("back", &TDefForm::back);
    b.Field("glass", &TDefForm::glass);
    b.Field("ring", &TDefForm::ring);
    b.Handler("RingClick", &TDefForm::RingClick);
}

namespace {

// ---- Transparency -------------------------------------------------------------------------------

TEST(ControlPainting, TransparentChildrenShowTheParentTwoLevelsDeep)
{
    TBackdrop back(nullptr);
    back.SetBounds(0, 0, 40, 20);
    auto *ring = new TRing(&back);
    ring->SetParent(&back);
    ring->SetBounds(15, 2, 10, 10);  // straddles the red/blue border at x = 20
    auto *glass = new TGlass(&back);
    glass->SetParent(&back);
    glass->SetBounds(2, 12, 36, 7);
    auto *inner = new TRing(&back);  // windowless inside the windowed glass: two levels deep
    inner->SetParent(glass);
    inner->SetBounds(10, 1, 20, 5);

    auto img = Render(&back);
    // The ring's frame, and the backdrop inside it on both sides of the colour border.
    EXPECT_EQ(PixelOf(*img, 15, 2), clLime);
    EXPECT_EQ(PixelOf(*img, 24, 11), clLime);
    EXPECT_EQ(PixelOf(*img, 17, 5), clRed);
    EXPECT_EQ(PixelOf(*img, 22, 5), clBlue);
    // The windowed glass shows the backdrop except where it paints.
    EXPECT_EQ(PixelOf(*img, 3, 13), clYellow);
    EXPECT_EQ(PixelOf(*img, 5, 15), clRed);
    EXPECT_EQ(PixelOf(*img, 37, 18), clBlue);
    // The ring inside the glass: its frame, and the backdrop through both levels.
    EXPECT_EQ(PixelOf(*img, 12, 13), clLime);
    EXPECT_EQ(PixelOf(*img, 14, 15), clRed);
    EXPECT_EQ(PixelOf(*img, 25, 15), clBlue);

    // The glass's own window shows the same pixels (its backing image, painted on demand).
    const QImage &own = glass->BackingImage();
    EXPECT_EQ(PixelToColor(own.pixel(1, 1)), clYellow);
    EXPECT_EQ(PixelToColor(own.pixel(3, 3)), clRed);
    EXPECT_EQ(PixelToColor(own.pixel(34, 3)), clBlue);
    EXPECT_EQ(PixelToColor(own.pixel(10, 1)), clLime);
}

TEST(ControlPainting, OpaqueBackgroundAndWindowlessInvalidation)
{
    TBackdrop back(nullptr);
    back.SetBounds(0, 0, 40, 20);
    auto *solid = new TCustomControl(&back);
    solid->SetParent(&back);
    solid->SetColor(clGreen);
    solid->SetBounds(0, 0, 10, 10);
    auto *ring = new TRing(&back);
    ring->SetParent(&back);
    ring->SetBounds(25, 5, 6, 6);
    auto img = Render(&back);
    EXPECT_EQ(PixelOf(*img, 5, 5), clGreen);  // a windowed control erases with its Color

    // Moving the windowless ring repaints the parent's area it left.
    const QImage &before = back.BackingImage();
    EXPECT_EQ(PixelToColor(before.pixel(25, 5)), clLime);
    ring->SetLeft(30);
    const QImage &after = back.BackingImage();
    EXPECT_EQ(PixelToColor(after.pixel(25, 5)), clBlue);
    EXPECT_EQ(PixelToColor(after.pixel(30, 5)), clLime);
}

TEST(ControlPainting, TheWidgetsShowTheBackingImages)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 80, 40);
    form.SetColor(clWhite);
    auto *back = new TBackdrop(&form);
    back->SetParent(&form);
    back->SetBounds(10, 10, 40, 20);
    auto *ring = new TRing(&form);
    ring->SetParent(back);
    ring->SetBounds(2, 2, 6, 6);
    form.Show();
    const QImage shot = form.Widget()->grab().toImage();
    EXPECT_EQ(PixelToColor(shot.pixel(5, 5)), clWhite);
    EXPECT_EQ(PixelToColor(shot.pixel(15, 15)), clRed);
    EXPECT_EQ(PixelToColor(shot.pixel(12, 12)), clLime);
    EXPECT_EQ(PixelToColor(shot.pixel(45, 25)), clBlue);
    // Drawing on a control's canvas outside painting shows on its window.
    back->Canvas()->Pixels(30, 5) = clYellow;
    EXPECT_EQ(PixelToColor(form.Widget()->grab().toImage().pixel(40, 15)), clYellow);
    form.Hide();
}

// ---- Mouse order ------------------------------------------------------------------------------------

struct MouseFixture : ::testing::Test {
    TForm *form = nullptr;
    TProbe *a = nullptr;
    TProbe *b = nullptr;
    void SetUp() override
    {
        gLog.clear();
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 300, 200);
        a = new TProbe(form);
        a->SetName(QStringLiteral("A"));
        a->SetParent(form);
        a->SetBounds(10, 10, 40, 40);
        b = new TProbe(form);
        b->SetName(QStringLiteral("B"));
        b->SetParent(form);
        b->SetBounds(100, 10, 40, 40);
        form->Show();  // hidden windows get no input
        TInputRouter::MouseLeft();
        gLog.clear();
    }
    void TearDown() override { delete form; }
};

TEST_F(MouseFixture, CaptureKeepsTheControlButEnterAndLeaveAreStillReported)
{
    TInputRouter::MouseMove(form, {}, Point(20, 20));
    TInputRouter::MouseDown(form, mbLeft, {}, Point(20, 20));
    TInputRouter::MouseMove(form, {ssLeft}, Point(110, 20));  // over B, A holds the capture
    TInputRouter::MouseUp(form, mbLeft, {}, Point(110, 20));
    TInputRouter::MouseMove(form, {}, Point(111, 20));
    const std::vector<std::string> expected = {
        "A move 10,10", "A enter",  "A down 10,10", "A move 100,10", "A leave",
        "B enter",      "A up 100,10", "B move 11,10",
    };
    EXPECT_EQ(gLog, expected);
    EXPECT_EQ(TInputRouter::CaptureControl(), nullptr);
}

TEST_F(MouseFixture, ReleaseInsideClicksBeforeMouseUp)
{
    TInputRouter::MouseDown(form, mbLeft, {}, Point(20, 20));
    TInputRouter::MouseUp(form, mbLeft, {}, Point(21, 20));
    const std::vector<std::string> expected = {"A down 10,10", "A enter", "A click", "A up 11,10"};
    EXPECT_EQ(gLog, expected);
}

TEST_F(MouseFixture, DoubleClickArrivesBetweenTheSecondPressAndItsRelease)
{
    TInputRouter::MouseDown(form, mbLeft, {}, Point(20, 20));
    TInputRouter::MouseUp(form, mbLeft, {}, Point(20, 20));
    TInputRouter::MouseDoubleClick(form, mbLeft, {}, Point(20, 20));
    TInputRouter::MouseUp(form, mbLeft, {}, Point(20, 20));
    const std::vector<std::string> expected = {"A down 10,10",        "A enter", "A click", "A up 10,10",
                                               "A dblclick",          "A down+double 10,10", "A up 10,10"};
    EXPECT_EQ(gLog, expected);

    // Without csDoubleClicks the second press is an ordinary press and click.
    gLog.clear();
    b->NoDoubleClicks();
    TInputRouter::MouseDown(form, mbLeft, {}, Point(110, 20));
    TInputRouter::MouseUp(form, mbLeft, {}, Point(110, 20));
    TInputRouter::MouseDoubleClick(form, mbLeft, {}, Point(110, 20));
    TInputRouter::MouseUp(form, mbLeft, {}, Point(110, 20));
    const std::vector<std::string> plain = {"B down 10,10", "A leave",  "B enter", "B click", "B up 10,10",
                                            "B down 10,10", "B click", "B up 10,10"};
    EXPECT_EQ(gLog, plain);
}

TEST_F(MouseFixture, DisabledWindowlessControlLetsTheParentHaveThePress)
{
    auto *ring = new TRing(form);
    ring->SetParent(form);
    ring->SetBounds(200, 100, 20, 20);
    ring->SetEnabled(false);
    bool formGotIt = false;
    bool ringGotIt = false;
    form->OnMouseDown = [&](TObject *, TMouseButton, TShiftState, int x, int y) { formGotIt = x == 205 && y == 105; };
    ring->OnMouseDown = [&](TObject *, TMouseButton, TShiftState, int, int) { ringGotIt = true; };
    TInputRouter::Click(form, Point(205, 105));
    EXPECT_TRUE(formGotIt);
    EXPECT_FALSE(ringGotIt);
    ring->SetEnabled(true);
    TInputRouter::Click(form, Point(205, 105));
    EXPECT_TRUE(ringGotIt);
}

TEST_F(MouseFixture, WheelGoesToTheFocusedControlThenUpToTheForm)
{
    a->SetFocus();
    std::vector<std::string> seen;
    bool handledByA = false;
    a->OnMouseWheel = [&](TObject *, TShiftState, int delta, TPoint, bool &handled) {
        seen.push_back("A " + std::to_string(delta));
        handled = handledByA;
    };
    form->OnMouseWheelDown = [&](TObject *, TShiftState, TPoint, bool &handled) {
        seen.push_back("form down");
        handled = true;
    };
    TInputRouter::MouseWheel(form, -120, {}, Point(200, 150));
    handledByA = true;
    TInputRouter::MouseWheel(form, -120, {}, Point(200, 150));
    const std::vector<std::string> expected = {"A -120", "form down", "A -120"};
    EXPECT_EQ(seen, expected);
}

TEST(Forms, ReleaseDestroysTheFormLater)
{
    auto *form = new TForm(nullptr);
    auto *child = new TProbe(form);
    child->SetParent(form);
    bool destroyed = false;
    form->OnDestroy = [&](TObject *) { destroyed = true; };
    form->Show();
    form->OnClose = [](TObject *, TCloseAction &action) { action = caFree; };
    form->Close();
    EXPECT_FALSE(destroyed);
    DeliverQueuedMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(Screen->ActiveCustomForm(), nullptr);
}

// ---- Keys and focus ------------------------------------------------------------------------------------

TEST_F(MouseFixture, KeyCodeChangedByTheFormIsWhatTheControlSees)
{
    a->SetFocus();
    form->SetKeyPreview(true);
    form->OnKeyDown = [](TObject *, WORD &key, TShiftState) {
        if (key == 'A')
            key = 'B';
        else if (key == 'Z')
            key = 0;
    };
    gLog.clear();
    TInputRouter::Key('A', {}, u'a');
    TInputRouter::Key('Z', {}, u'z');
    // 'Z' is swallowed by the form's handler, but its character still arrives (as the framework does).
    const std::vector<std::string> expected = {"A key 66", "A char a", "A char z"};
    EXPECT_EQ(gLog, expected);
}

TEST_F(MouseFixture, TabMovesTheFocusInTabOrder)
{
    auto *c = new TProbe(form);
    c->SetName(QStringLiteral("C"));
    c->SetParent(form);
    c->SetBounds(200, 10, 40, 40);
    c->SetTabOrder(0);  // tab order: C, A, B
    auto *hidden = new TProbe(form);
    hidden->SetName(QStringLiteral("H"));
    hidden->SetParent(form);
    hidden->SetVisible(false);
    form->Hide();
    form->SetActiveControl(nullptr);
    form->Show();
    EXPECT_EQ(form->ActiveControl(), c);  // the first tab stop gets the focus on showing
    a->SetFocus();
    gLog.clear();
    TInputRouter::Key(VK_TAB, {}, u'\t');
    EXPECT_TRUE(b->Focused());
    TInputRouter::Key(VK_TAB, {}, u'\t');
    EXPECT_TRUE(c->Focused());  // wraps round, skipping the hidden control
    TInputRouter::Key(VK_TAB, {ssShift}, u'\t');
    EXPECT_TRUE(b->Focused());
    // The Tab never reaches the controls as a key or a character.
    const std::vector<std::string> expected = {"A onexit", "B onenter", "B onexit", "C onenter", "C onexit", "B onenter"};
    EXPECT_EQ(gLog, expected);
    EXPECT_EQ(form->ActiveControl(), b);
}

TEST(Focus, EachFormKeepsItsFocusedControl)
{
    TForm one(nullptr), two(nullptr);
    auto *p = new TProbe(&one);
    p->SetParent(&one);
    auto *q = new TProbe(&two);
    q->SetParent(&two);
    auto *q2 = new TProbe(&two);
    q2->SetParent(&two);
    // A control on a hidden form cannot take the focus.
    EXPECT_THROW(p->SetFocus(), EInvalidOperation);
    one.Show();
    two.Show();
    q2->SetFocus();
    EXPECT_TRUE(q2->Focused());
    Screen->ActivateForm(&one);
    EXPECT_TRUE(p->Focused());
    Screen->ActivateForm(&two);
    EXPECT_TRUE(q2->Focused());
    EXPECT_EQ(Screen->ActiveCustomForm(), &two);
    two.Hide();
    EXPECT_EQ(Screen->ActiveCustomForm(), &one);
    one.Hide();
}

// ---- Layout ------------------------------------------------------------------------------------------

TEST(Layout, AlignAndAnchorsFollowTheParent)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 200, 100);
    auto *top = new TCustomControl(&form);
    top->SetParent(&form);
    top->SetHeight(20);
    top->SetAlign(alTop);
    auto *client = new TCustomControl(&form);
    client->SetParent(&form);
    client->SetAlign(alClient);
    auto *corner = new TRing(&form);
    corner->SetParent(client);
    corner->SetBounds(150, 50, 10, 10);
    corner->SetAnchors({akRight, akBottom});
    auto *stretch = new TRing(&form);
    stretch->SetParent(client);
    stretch->SetBounds(10, 5, 100, 10);
    stretch->SetAnchors({akLeft, akTop, akRight});

    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 20));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 20, 200, 100));
    form.SetBounds(0, 0, 250, 130);
    EXPECT_EQ(top->Width(), 250);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 20, 250, 130));
    EXPECT_EQ(corner->BoundsRect(), Rect(200, 80, 210, 90));
    EXPECT_EQ(stretch->BoundsRect(), Rect(10, 5, 160, 15));
}

TEST(Layout, ParentFontAndColourFollowUntilSetOnTheControl)
{
    TForm form(nullptr);
    auto *c = new TProbe(&form);
    c->SetParent(&form);
    form.Font()->SetName(QStringLiteral("Arial"));
    EXPECT_EQ(c->Font()->Name(), QStringLiteral("Arial"));
    c->Font()->SetHeight(-20);
    EXPECT_FALSE(c->ParentFont());
    form.Font()->SetName(QStringLiteral("Verdana"));
    EXPECT_EQ(c->Font()->Name(), QStringLiteral("Arial"));
    c->SetParentColor(true);
    form.SetColor(clYellow);
    EXPECT_EQ(c->Color(), clYellow);
}

// ---- Forms -------------------------------------------------------------------------------------------------

TEST(Forms, ShowCloseAndHiddenForms)
{
    TForm form(nullptr);
    std::vector<std::string> events;
    form.OnShow = [&](TObject *) { events.push_back("show"); };
    form.OnActivate = [&](TObject *) { events.push_back("activate"); };
    int queries = 0;
    form.OnCloseQuery = [&](TObject *, bool &canClose) {
        events.push_back("closequery");
        canClose = ++queries > 1;
    };
    form.OnClose = [&](TObject *, TCloseAction &) { events.push_back("close"); };
    form.OnHide = [&](TObject *) { events.push_back("hide"); };
    // A hidden form stays hidden whatever is done to it, and closing it does no harm.
    form.HandleNeeded();
    auto *c = new TProbe(&form);
    c->SetParent(&form);
    c->SetVisible(true);
    EXPECT_FALSE(form.Window()->isVisible());
    form.Close();
    EXPECT_FALSE(form.Visible());
    events.clear();
    queries = 0;
    form.Show();
    EXPECT_TRUE(form.Window()->isVisible());
    form.Close();  // refused by OnCloseQuery
    EXPECT_TRUE(form.Visible());
    form.Close();
    EXPECT_FALSE(form.Visible());
    const std::vector<std::string> expected = {"show", "activate", "closequery", "closequery", "close", "hide"};
    EXPECT_EQ(events, expected);
}

TEST(Forms, ShowModalEndsWithModalResultOrClose)
{
    TScriptSession script;
    TForm dialog(nullptr);
    dialog.SetName(QStringLiteral("fmDialog"));
    TestScript::ExpectModal(QStringLiteral("fmDialog"), [](TCustomForm &f) { f.SetModalResult(mrOk); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(dialog.Visible());
    TestScript::ExpectModal(QStringLiteral("fmDialog"), [](TCustomForm &f) { f.Close(); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_TRUE(script.Failures().empty());
    dialog.Show();
    EXPECT_THROW(dialog.ShowModal(), EInvalidOperation);
    dialog.Hide();
}

TEST(Forms, AutoScrollShowsABarAndScrollingMovesTheChildren)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 200, 100);
    auto *far = new TProbe(&form);
    far->SetParent(&form);
    far->SetBounds(10, 150, 20, 20);  // below the client area
    EXPECT_TRUE(form.VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(form.HorzScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(form.ClientWidth(), 200 - ScrollBarSize);
    EXPECT_EQ(form.VertScrollBar()->Range(), 170);
    form.VertScrollBar()->SetPosition(30);
    EXPECT_EQ(far->Top(), 120);
    form.VertScrollBar()->SetPosition(500);  // kept within range - client height
    EXPECT_EQ(form.VertScrollBar()->Position(), 70);
    EXPECT_EQ(far->Top(), 80);
    // A windowless control is drawn where the scrolling put it.
    auto *ring = new TRing(&form);
    ring->SetParent(&form);
    ring->SetBounds(50, 10, 10, 10);
    const QImage img = RenderControlImage(ring);
    EXPECT_EQ(PixelToColor(img.pixel(0, 0)), clLime);
    EXPECT_EQ(PixelToColor(img.pixel(5, 5)), ColorToRGB(clBtnFace));
}

TEST(Forms, ClientSizeAndPositionOnTheScreen)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsSingle);
    form.SetClientWidth(280);
    form.SetClientHeight(120);
    EXPECT_EQ(form.ClientWidth(), 280);
    EXPECT_EQ(form.ClientHeight(), 120);
    EXPECT_GT(form.Width(), 280);
    form.SetPosition(poScreenCenter);
    form.Show();
    EXPECT_EQ(form.Left(), (Screen->Width() - form.Width()) / 2);
    EXPECT_EQ(form.Top(), (Screen->Height() - form.Height()) / 2);
    form.Hide();
    EXPECT_EQ(Screen->PixelsPerInch(), 96);
}

// ---- The Qt side ------------------------------------------------------------------------------------

TEST_F(MouseFixture, QtInputReachesTheControlsThroughTheRouter)
{
    QWidget *w = a->Widget();
    ASSERT_NE(w, nullptr);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 6), w->mapToGlobal(QPointF(5, 6)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 6), w->mapToGlobal(QPointF(5, 6)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
    a->SetFocus();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
    QApplication::sendEvent(form->Window(), &key);
    const std::vector<std::string> expected = {"A down 5,6", "A enter", "A click", "A up 5,6", "A key 81",
                                               "A char q"};
    EXPECT_EQ(gLog, expected);
}

// ---- A form definition rendered offscreen ---------------------------------------------------------

TEST(FormDefinition, WindowedAndWindowlessCustomControlsRenderOffscreen)
{
    const QString text = QStringLiteral(R"(
object fmDef: TDefForm
  BorderStyle = bsNone
  ClientWidth = 60
  ClientHeight = 40
  Color = clWhite
  object back: TBackdrop
    Left = 10
    Top = 5
    Width = 40
    Height = 30
    object glass: TGlass
      Left = 2
      Top = 2
      Width = 20
      Height = 10
    end
    object ring: TRing
      Left = 25
      Top = 20
      Width = 10
      Height = 8
      OnClick = RingClick
    end
  end
  object p1: TProbe
    Left = 0
    Top = 0
    Width = 5
    Height = 5
    TabOrder = 2
  end
  object p2: TProbe
    Left = 5
    Top = 0
    Width = 5
    Height = 5
    TabOrder = 1
  end
  object p3: TProbe
    Left = 0
    Top = 35
    Width = 5
    Height = 5
    TabOrder = 0
  end
end
)");
    TDefForm form(nullptr);
    ReadComponentFromText(&form, text, QStringLiteral("fmDef.dfm"));
    ASSERT_NE(form.ring, nullptr);
    ASSERT_EQ(form.ring->Parent(), form.back);
    EXPECT_EQ(form.ClientWidth(), 60);
    TBitmap rendered;
    rendered.SetImage(RenderControlImage(&form));
    TBitmap *img = &rendered;
    // Chosen pixels: form background, both halves of the backdrop, the glass (its own pixel and
    // the backdrop through it) and the windowless ring with the backdrop inside.
    const struct {
        int x, y;
        TColor color;
    } expected[] = {
        {7, 7, clWhite},   {55, 38, clWhite}, {11, 34, clRed},   {48, 6, clBlue},  {13, 8, clYellow},
        {15, 10, clRed},   {31, 10, clBlue},  {35, 25, clLime},  {44, 32, clLime}, {38, 28, clBlue},
    };
    for (const auto &e : expected)
        EXPECT_EQ(PixelOf(*img, e.x, e.y), e.color) << e.x << "," << e.y;
    // The tab order read from the definition, whatever the reading order.
    std::vector<TWinControl *> order;
    form.GetTabOrderList(order);
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0]->Name(), QStringLiteral("p3"));
    EXPECT_EQ(order[1]->Name(), QStringLiteral("p2"));
    EXPECT_EQ(order[2]->Name(), QStringLiteral("p1"));
    // Its handler is bound by name.
    form.Show();
    TInputRouter::Click(&form, Point(40, 30));
    EXPECT_EQ(form.clicks, 1);
    form.Hide();
}

}  // namespace
