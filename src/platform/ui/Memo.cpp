#include "platform/ui/Memo.h"

#include "platform/runtime/ClassBuilder.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace {

const QString kBreak = QStringLiteral("\r\n");

// The memo's text as lines: start offsets of each line and the line texts.
struct LineMap {
    QStringList lines;
    explicit LineMap(const QString &text)
    {
        if (text.isEmpty())
            return;
        QString t = text;
        t.replace(kBreak, QStringLiteral("\n"));
        t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        lines = t.split(QLatin1Char('\n'));
        if (t.endsWith(QLatin1Char('\n')))
            lines.removeLast();  // a final line break starts no line
    }
    QString Join(bool finalBreak) const { return lines.join(kBreak) + (finalBreak && !lines.isEmpty() ? kBreak : QString()); }
};

}  // namespace

// The Lines of a memo: a view of its text.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo *memo) : memo_(memo) {}

    int Count() const override { return static_cast<int>(LineMap(memo_->Text()).lines.size()); }
    QString Get(int index) const override
    {
        const LineMap map(memo_->Text());
        if (index < 0 || index >= map.lines.size())
            Error(QStringLiteral("List index out of bounds (%1)"), index);
        return map.lines[index];
    }
    void Put(int index, const QString &s) override
    {
        LineMap map(memo_->Text());
        if (index < 0 || index >= map.lines.size())
            Error(QStringLiteral("List index out of bounds (%1)"), index);
        map.lines[index] = s;
        memo_->SetText(map.Join(EndsWithBreak()));
    }
    void Insert(int index, const QString &s) override
    {
        LineMap map(memo_->Text());
        if (index < 0 || index > map.lines.size())
            Error(QStringLiteral("List index out of bounds (%1)"), index);
        // A line added at the end brings its line break, as the edit control's insertion does.
        const bool finalBreak = index == map.lines.size() || EndsWithBreak();
        map.lines.insert(index, s);
        memo_->SetText(map.Join(finalBreak));
    }
    void Delete(int index) override
    {
        LineMap map(memo_->Text());
        if (index < 0 || index >= map.lines.size())
            Error(QStringLiteral("List index out of bounds (%1)"), index);
        map.lines.removeAt(index);
        memo_->SetText(map.Join(EndsWithBreak()));
    }
    void Clear() override { memo_->SetText(QString()); }
    void SetText(const QString &text) override { memo_->SetText(text); }
    QString Text() const override { return LineMap(memo_->Text()).Join(true); }

private:
    bool EndsWithBreak() const
    {
        const QString t = memo_->Text();
        return t.endsWith(QLatin1Char('\n')) || t.endsWith(QLatin1Char('\r'));
    }

    TCustomMemo *memo_;
};

T_IMPLEMENT_CLASS(TCustomMemo)
{
    b.Message(CM_TEXTCHANGED, &TCustomMemo::CMTextChanged);
    b.Message(CM_MOUSEWHEEL, &TCustomMemo::CMMouseWheel);
    b.Message(WM_GETDLGCODE, &TCustomMemo::WMGetDlgCode);
}

T_IMPLEMENT_CLASS(TMemo)
{
    b.Enum("Alignment", &TMemo::Alignment, &TMemo::SetAlignment, AlignmentNames).Default(taLeftJustify);
    b.Enum("BorderStyle", &TMemo::BorderStyle, &TMemo::SetBorderStyle, FormBorderStyleNames).Default(bsSingle);
    b.Object("Lines", &TMemo::Lines, &TMemo::SetLines);
    b.Bool("ParentColor", &TMemo::ParentColor, &TMemo::SetParentColor).Default(false);
    b.Bool("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly).Default(false);
    b.Enum("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars, ScrollStyleNames).Default(ssNone);
    b.Bool("TabStop", &TMemo::TabStop, &TMemo::SetTabStop).Default(true);
    b.Bool("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns).Default(true);
    b.Bool("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs).Default(false);
    b.Bool("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(true);
    b.Event("OnChange", &TMemo::OnChange);
}

TCustomMemo::TCustomMemo(TComponent *AOwner) : TNativeControl(AOwner), FLines(std::make_unique<TMemoStrings>(this))
{
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    FControlStyle >> csSetCaption;
    SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo()
{
    Destroying();
    if (QPlainTextEdit *editor = Editor())
        QObject::disconnect(editor, nullptr, nullptr, nullptr);
}

QPlainTextEdit *TCustomMemo::Editor() const
{
    return Native<QPlainTextEdit>();
}

void TCustomMemo::SetTextValue(const QString &value)
{
    const qsizetype nul = value.indexOf(QChar(0));
    FText = nul >= 0 ? value.left(nul) : value;
    FModified = false;
    if (QPlainTextEdit *editor = Editor()) {
        FSyncing = true;
        editor->setPlainText(QString(FText).replace(kBreak, QStringLiteral("\n")));
        FSyncing = false;
    }
}

void TCustomMemo::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    Change();
}

void TCustomMemo::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomMemo::UserEdited()
{
    QPlainTextEdit *editor = Editor();
    if (FSyncing || !editor)
        return;
    const QString text = editor->toPlainText().replace(QLatin1Char('\n'), kBreak);
    if (text == FText)
        return;
    FText = text;
    FModified = true;
    Change();
}

void TCustomMemo::ApplyOptions(QPlainTextEdit *editor) const
{
    editor->setReadOnly(FReadOnly);
    editor->setFrameShape(FBorderStyle == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    editor->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    const bool horz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool vert = FScrollBars == ssVertical || FScrollBars == ssBoth;
    editor->setHorizontalScrollBarPolicy(horz ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    editor->setVerticalScrollBarPolicy(vert ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QTextOption option = editor->document()->defaultTextOption();
    option.setAlignment(FAlignment == taRightJustify ? Qt::AlignRight
                        : FAlignment == taCenter     ? Qt::AlignHCenter
                                                     : Qt::AlignLeft);
    editor->document()->setDefaultTextOption(option);
}

QWidget *TCustomMemo::CreateNative(QWidget *parent)
{
    auto *editor = new QPlainTextEdit(parent);
    ApplyOptions(editor);
    editor->setPlainText(QString(FText).replace(kBreak, QStringLiteral("\n")));
    QObject::connect(editor, &QPlainTextEdit::textChanged, editor, [this] { Guarded([this] { UserEdited(); }); });
    return editor;
}

void TCustomMemo::SetAlignment(TAlignment value)
{
    FAlignment = value;
    if (QPlainTextEdit *editor = Editor())
        ApplyOptions(editor);
}

void TCustomMemo::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value == bsNone ? bsNone : bsSingle;
    if (QPlainTextEdit *editor = Editor())
        ApplyOptions(editor);
}

void TCustomMemo::SetReadOnly(bool value)
{
    FReadOnly = value;
    if (QPlainTextEdit *editor = Editor())
        ApplyOptions(editor);
}

void TCustomMemo::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    if (QPlainTextEdit *editor = Editor())
        ApplyOptions(editor);
}

void TCustomMemo::SetWordWrap(bool value)
{
    FWordWrap = value;
    if (QPlainTextEdit *editor = Editor())
        ApplyOptions(editor);
}

// Offsets count a CR LF as two characters, as the edit control does.
int TCustomMemo::SelStart() const
{
    if (QPlainTextEdit *editor = Editor()) {
        const QTextCursor c = editor->textCursor();
        const int pos = c.selectionStart();
        return pos + editor->document()->findBlock(pos).blockNumber();
    }
    return FSelStart;
}

void TCustomMemo::SetSelStart(int value)
{
    FSelStart = std::clamp(value, 0, static_cast<int>(FText.size()));
    FSelLength = 0;
    if (QPlainTextEdit *editor = Editor()) {
        QTextCursor c = editor->textCursor();
        c.setPosition(FSelStart - static_cast<int>(FText.left(FSelStart).count(kBreak)));
        editor->setTextCursor(c);
    }
}

int TCustomMemo::SelLength() const
{
    if (QPlainTextEdit *editor = Editor()) {
        const QTextCursor c = editor->textCursor();
        const QString selected = c.selectedText();
        return static_cast<int>(selected.size() + selected.count(QChar::ParagraphSeparator));
    }
    return FSelLength;
}

void TCustomMemo::SetSelLength(int value)
{
    const int start = SelStart();
    FSelStart = start;
    FSelLength = std::clamp(value, 0, static_cast<int>(FText.size()) - start);
    if (QPlainTextEdit *editor = Editor()) {
        const auto plain = [this](int offset) { return offset - static_cast<int>(FText.left(offset).count(kBreak)); };
        QTextCursor c = editor->textCursor();
        c.setPosition(plain(start));
        c.setPosition(plain(start + FSelLength), QTextCursor::KeepAnchor);
        editor->setTextCursor(c);
    }
}

void TCustomMemo::SelectAll()
{
    SetSelStart(0);
    SetSelLength(static_cast<int>(FText.size()));
}

void TCustomMemo::CMMouseWheel(TMessage &m)
{
    int delta = 0;
    m.Result = 1;
    if (DoMouseWheelMessage(m, delta))
        return;
    if (QPlainTextEdit *editor = Editor())
        editor->verticalScrollBar()->setValue(editor->verticalScrollBar()->value() - 3 * delta / 120);
}

void TCustomMemo::WMGetDlgCode(TMessage &m)
{
    m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | 0x0008 | (FWantReturns ? DLGC_WANTALLKEYS : 0) |
               (FWantTabs ? DLGC_WANTTAB : 0);
}
