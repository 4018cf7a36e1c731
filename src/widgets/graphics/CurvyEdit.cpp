#include "widgets/graphics/CurvyEdit.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Canvas.h"

T_IMPLEMENT_CLASS(TEmptyEdit)
{
    b.Str("EmptyText", &TEmptyEdit::EmptyText, &TEmptyEdit::SetEmptyText);
    b.Message(WM_PAINT, &TEmptyEdit::WMPaint);
}

T_IMPLEMENT_CLASS(TCurvyEdit)
{
    using T = TCurvyEdit;
    b.Enum("Alignment", &T::Alignment, &T::SetAlignment, AlignmentNames).Default(taLeftJustify);
    b.Bool("AutoSelect", &T::AutoSelect, &T::SetAutoSelect).Default(true);
    b.Enum("CharCase", &T::CharCase, &T::SetCharCase, EditCharCaseNames).Default(ecNormal);
    b.Str("EmptyText", &T::EmptyText, &T::SetEmptyText);
    b.Bool("Enabled", &T::Enabled, &T::SetEnabled).Default(true);
    b.Bool("HideSelection", &T::HideSelection, &T::SetHideSelection).Default(true);
    b.Int("MaxLength", &T::MaxLength, &T::SetMaxLength).Default(0);
    b.Bool("NumbersOnly", &T::NumbersOnly, &T::SetNumbersOnly).Default(false);
    b.Str(
        "PasswordChar", [](const T &e) { return e.PasswordChar().isNull() ? QString() : QString(e.PasswordChar()); },
        [](T &e, const QString &v) { e.SetPasswordChar(v.isEmpty() ? QChar() : v.front()); });
    b.Bool("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
    b.Int("TabOrder", &T::EditTabOrder, &T::SetEditTabOrder).Default(-1);
    b.Bool("TabStop", &T::EditTabStop, &T::SetEditTabStop).Default(false);
    b.Str(
        "Text", [](const T &e) { return e.Text(); }, [](T &e, const QString &v) { e.SetText(v); });
    b.Str("TextHint", &T::TextHint, &T::SetTextHint);
    b.Event("OnChange", &T::OnChange);
    b.Message(CM_FONTCHANGED, &T::CMFontChanged);
    for (UINT msg : {WM_KEYDOWN, WM_KEYUP, WM_CHAR, CN_KEYDOWN, CN_CHAR})
        b.Message(msg, &T::IgnoreKey);
}

// ---- TEmptyEdit ------------------------------------------------------------------------------------------

TEmptyEdit::TEmptyEdit(TComponent *AOwner) : TEdit(AOwner) {}

void TEmptyEdit::SetEmptyText(const QString &value)
{
    if (value == FEmptyText)
        return;
    FEmptyText = value;
    Invalidate();
}

void TEmptyEdit::WMPaint(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    auto *dc = reinterpret_cast<TCanvas *>(m.WParam);
    if (!dc || !Text().isEmpty() || FEmptyText.isEmpty())
        return;
    // A canvas of its own on the paint's pixels, with that canvas's default font.
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Font()->SetColor(0x808080);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(3, 0, FEmptyText);
    canvas.SetHandle(nullptr);
}

void TEmptyEdit::DoEnter()
{
    inherited::DoEnter();
    if (!FEmptyText.isEmpty() && Text().isEmpty())
        Invalidate();
}

void TEmptyEdit::DoExit()
{
    inherited::DoExit();
    if (!FEmptyText.isEmpty() && Text().isEmpty())
        Invalidate();
}

// ---- TCurvyEdit ------------------------------------------------------------------------------------------

TCurvyEdit::TCurvyEdit(TComponent *AOwner) : TCurvyControlPanel(AOwner), FEdit(new TEmptyEdit(this))
{
    FEdit->SetBorderStyle(bsNone);
    FEdit->SetTabStop(false);
    FEdit->SetParent(this);
    FEdit->SetBounds(0, 5, FEdit->Width(), 18);
    FEdit->SetColor(Color());
    HookEdit();
    SetBounds(FLeft, FTop, 100, 24);
    LayoutEdit();
}

TCurvyEdit::~TCurvyEdit() = default;

void TCurvyEdit::HookEdit()
{
    // Each event of the edit calls the box's event of the same name, with the box as sender.
    const auto forward = [this](auto &boxEvent) {
        return [this, &boxEvent](TObject *, auto &&...args) {
            if (boxEvent)
                boxEvent(this, args...);
        };
    };
    FEdit->OnChange = forward(OnChange);
    FEdit->OnClick = forward(OnClick);
    FEdit->OnDblClick = forward(OnDblClick);
    FEdit->OnKeyDown = forward(OnKeyDown);
    FEdit->OnKeyUp = forward(OnKeyUp);
    FEdit->OnKeyPress = forward(OnKeyPress);
    FEdit->OnEnter = forward(OnEnter);
    FEdit->OnExit = forward(OnExit);
    FEdit->OnMouseEnter = forward(OnMouseEnter);
    FEdit->OnMouseLeave = forward(OnMouseLeave);
    FEdit->OnMouseDown = forward(OnMouseDown);
    FEdit->OnMouseUp = forward(OnMouseUp);
    FEdit->OnMouseMove = forward(OnMouseMove);
}

void TCurvyEdit::SetFocus()
{
    FEdit->SetFocus();
}

void TCurvyEdit::SetBounds(int ALeft, int ATop, int AWidth, int)
{
    inherited::SetBounds(ALeft, ATop, AWidth, 24);
}

void TCurvyEdit::Resize()
{
    inherited::Resize();
    LayoutEdit();
}

void TCurvyEdit::Loaded()
{
    inherited::Loaded();
    LayoutEdit();
}

void TCurvyEdit::LayoutEdit()
{
    if (!FEdit)
        return;
    const TCurvyControls *c = Controls();
    const int left = c->LeftSize() + Rounding() + c->LeftControlSize();
    const int width =
        Width() - 2 * Rounding() - c->RightSize() - c->RightControlSize() - c->LeftSize() - c->LeftControlSize();
    FEdit->SetBounds(left, 5, width, FEdit->Height());
}

void TCurvyEdit::ColorChanged()
{
    inherited::ColorChanged();
    if (FEdit)
        FEdit->SetColor(Color());
}

void TCurvyEdit::CMFontChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (FEdit)
        FEdit->SetFont(Font());
}

void TCurvyEdit::IgnoreKey(TMessage &m)
{
    m.Result = 0;
}
