#include "platform/ui/Edit.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Dialogs.h"

#include <QLineEdit>
#include <QProxyStyle>

#include <algorithm>

namespace {

// Shows the edit's own password character.
class PasswordStyle : public QProxyStyle {
public:
    explicit PasswordStyle(QChar ch) : ch_(ch) {}
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return ch_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar ch_;
};

Qt::Alignment QtAlignment(TAlignment a)
{
    switch (a) {
    case taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

T_IMPLEMENT_CLASS(TCustomEdit)
{
    b.Message(CM_TEXTCHANGED, &TCustomEdit::CMTextChanged);
    b.Message(CM_ENTER, &TCustomEdit::CMEnter);
    b.Message(WM_GETDLGCODE, &TCustomEdit::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TEdit)
{
    b.Enum("Alignment", &TEdit::Alignment, &TEdit::SetAlignment, AlignmentNames).Default(taLeftJustify);
    b.Bool("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).Default(true);
    b.Enum("BorderStyle", &TEdit::BorderStyle, &TEdit::SetBorderStyle, FormBorderStyleNames).Default(bsSingle);
    b.Enum("CharCase", &TEdit::CharCase, &TEdit::SetCharCase, EditCharCaseNames).Default(ecNormal);
    b.Bool("HideSelection", &TEdit::HideSelection, &TEdit::SetHideSelection).Default(true);
    b.Int("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).Default(0);
    b.Bool("NumbersOnly", &TEdit::NumbersOnly, &TEdit::SetNumbersOnly).Default(false);
    b.Bool("ParentColor", &TEdit::ParentColor, &TEdit::SetParentColor).Default(false);
    b.Str("PasswordChar", [](const TEdit &e) { return e.PasswordChar().isNull() ? QString() : QString(e.PasswordChar()); },
          [](TEdit &e, const QString &v) { e.SetPasswordChar(v.isEmpty() ? QChar() : v.front()); });
    b.Bool("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).Default(false);
    b.Bool("TabStop", &TEdit::TabStop, &TEdit::SetTabStop).Default(true);
    b.Str("Text", &TEdit::Text, &TEdit::SetText);
    b.Str("TextHint", &TEdit::TextHint, &TEdit::SetTextHint);
    b.Event("OnChange", &TEdit::OnChange);
}

QString ApplyCharCase(const QString &text, TEditCharCase charCase)
{
    switch (charCase) {
    case ecUpperCase:
        return text.toUpper();
    case ecLowerCase:
        return text.toLower();
    default:
        return text;
    }
}

TCustomEdit::TCustomEdit(TComponent *AOwner) : TNativeControl(AOwner)
{
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    FControlStyle >> csSetCaption;
    SetBounds(0, 0, 121, 21);
}

QWidget *TCustomEdit::CreateNative(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this](const QString &text) { Guarded([&] { UserEdited(text); }); });
    // The widget is not the control's yet while it is being made: fill it directly.
    edit->setText(FText);
    edit->setFrame(FBorderStyle != bsNone);
    edit->setReadOnly(FReadOnly);
    edit->setAlignment(QtAlignment(FAlignment));
    edit->setPlaceholderText(FTextHint);
    if (!FPasswordChar.isNull()) {
        auto *style = new PasswordStyle(FPasswordChar);
        style->setParent(edit);
        edit->setStyle(style);
        edit->setEchoMode(QLineEdit::Password);
    }
    edit->setSelection(FSelStart, FSelLength);
    if (FSelLength == 0)
        edit->setCursorPosition(FSelStart);
    return edit;
}

void TCustomEdit::ShowInWidget()
{
    QLineEdit *edit = Native<QLineEdit>();
    if (!edit)
        return;
    FSettingText = true;
    edit->setText(FText);
    FSettingText = false;
}

void TCustomEdit::SetTextValue(const QString &value)
{
    QString text = value;
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    FText = ApplyCharCase(text, FCharCase);
    FModified = false;
    FSelStart = FSelLength = 0;
    ShowInWidget();
}

void TCustomEdit::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Change();
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

bool ApplyTypingRules(const QString &before, QString &after, int &caret, TEditCharCase charCase, bool numbersOnly,
                      int maxLength)
{
    // The part of `after` that is new: between the common beginning and the common end.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    const QString kept = after.left(prefix) + after.right(suffix);
    if (numbersOnly && std::any_of(inserted.begin(), inserted.end(), [](QChar c) { return !c.isDigit(); }))
        return false;
    inserted = ApplyCharCase(inserted, charCase);
    if (maxLength > 0 && kept.size() + inserted.size() > maxLength) {
        const qsizetype room = std::max<qsizetype>(0, maxLength - kept.size());
        if (room == 0 && !inserted.isEmpty() && after.size() >= before.size())
            return false;
        inserted.truncate(room);
    }
    after = after.left(prefix) + inserted + after.right(suffix);
    caret = static_cast<int>(prefix + inserted.size());
    return true;
}

void TCustomEdit::UserEdited(const QString &text)
{
    if (FSettingText)
        return;
    QLineEdit *edit = Native<QLineEdit>();
    QString accepted = text;
    int caret = edit ? edit->cursorPosition() : static_cast<int>(text.size());
    if (!ApplyTypingRules(FText, accepted, caret, FCharCase, FNumbersOnly, FMaxLength)) {
        MessageBeep();
        accepted = FText;
        caret = FSelStart;
    }
    if (edit && accepted != text) {
        FSettingText = true;
        edit->setText(accepted);
        edit->setCursorPosition(caret);
        FSettingText = false;
    }
    if (accepted == FText)
        return;
    FText = accepted;
    FModified = true;
    Change();
}

void TCustomEdit::SetAlignment(TAlignment value)
{
    FAlignment = value;
    if (QLineEdit *edit = Native<QLineEdit>())
        edit->setAlignment(QtAlignment(value));
}

void TCustomEdit::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    if (QLineEdit *edit = Native<QLineEdit>())
        edit->setFrame(FBorderStyle != bsNone);
}

void TCustomEdit::SetCharCase(TEditCharCase value)
{
    if (FCharCase == value)
        return;
    FCharCase = value;
    // The text already there takes the new case, as the window does.
    const QString converted = ApplyCharCase(FText, value);
    if (converted != FText) {
        FText = converted;
        ShowInWidget();
    }
}

void TCustomEdit::SetPasswordChar(QChar value)
{
    if (FPasswordChar == value)
        return;
    FPasswordChar = value;
    if (QLineEdit *edit = Native<QLineEdit>()) {
        if (value.isNull()) {
            edit->setEchoMode(QLineEdit::Normal);
            edit->setStyle(nullptr);
        } else {
            auto *style = new PasswordStyle(value);
            style->setParent(edit);
            edit->setStyle(style);
            edit->setEchoMode(QLineEdit::Password);
        }
    }
}

void TCustomEdit::SetReadOnly(bool value)
{
    FReadOnly = value;
    if (QLineEdit *edit = Native<QLineEdit>())
        edit->setReadOnly(value);
}

void TCustomEdit::SetTextHint(const QString &value)
{
    FTextHint = value;
    if (QLineEdit *edit = Native<QLineEdit>())
        edit->setPlaceholderText(value);
}

int TCustomEdit::SelStart() const
{
    if (QLineEdit *edit = Native<QLineEdit>())
        return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    return FSelStart;
}

void TCustomEdit::SetSelStart(int value)
{
    value = std::clamp(value, 0, static_cast<int>(FText.size()));
    FSelStart = value;
    FSelLength = 0;
    if (QLineEdit *edit = Native<QLineEdit>()) {
        edit->deselect();
        edit->setCursorPosition(value);
    }
}

int TCustomEdit::SelLength() const
{
    if (QLineEdit *edit = Native<QLineEdit>())
        return static_cast<int>(edit->selectedText().size());
    return FSelLength;
}

void TCustomEdit::SetSelLength(int value)
{
    const int start = SelStart();
    FSelLength = std::clamp(value, 0, static_cast<int>(FText.size()) - start);
    FSelStart = start;
    if (QLineEdit *edit = Native<QLineEdit>())
        edit->setSelection(start, FSelLength);
}

QString TCustomEdit::SelText() const
{
    return FText.mid(SelStart(), SelLength());
}

void TCustomEdit::SetSelText(const QString &value)
{
    const int start = SelStart();
    const QString text = FText.left(start) + value + FText.mid(start + SelLength());
    FSelStart = start + static_cast<int>(value.size());
    FSelLength = 0;
    const int caret = FSelStart;
    SetText(text);
    SetSelStart(caret);
}

void TCustomEdit::SelectAll()
{
    FSelStart = 0;
    FSelLength = static_cast<int>(FText.size());
    if (QLineEdit *edit = Native<QLineEdit>())
        edit->selectAll();
}

void TCustomEdit::CopyToClipboard()
{
    if (QLineEdit *edit = Native<QLineEdit>())
        edit->copy();
}

void TCustomEdit::CutToClipboard()
{
    if (FReadOnly)
        return;
    if (QLineEdit *edit = Native<QLineEdit>()) {
        edit->cut();
        UserEdited(edit->text());
    }
}

void TCustomEdit::PasteFromClipboard()
{
    if (FReadOnly)
        return;
    if (QLineEdit *edit = Native<QLineEdit>()) {
        edit->paste();
        UserEdited(edit->text());
    }
}

void TCustomEdit::CMEnter(TMessage &m)
{
    if (FAutoSelect && !FControlState.Contains(csLButtonDown))
        SelectAll();
    DispatchFrom(inherited::StaticClass(), m);
}

void TCustomEdit::WMGetDlgCode(TMessage &m)
{
    // What the system's edit answers: it wants arrows and characters and handles selection.
    m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | 0x0008 /* DLGC_HASSETSEL */;
}
