#include "platform/ui/ComboBox.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsWidget.h"
#include "platform/ui/Edit.h"
#include "platform/ui/OwnerDrawDelegate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>

// The widget of a combo box: reports the opening and closing of its list and draws an
// owner-drawn face, or the face of a focused drop-down list.
class TComboWidget : public QComboBox {
public:
    TComboWidget(TCustomComboBox *control, QWidget *parent) : QComboBox(parent), control_(control) {}

    void showPopup() override
    {
        control_->Guarded([&] { control_->Notify(CBN_DROPDOWN); });
        if (IsOwnerDraw() && !delegate_) {
            // The list view exists only now; owner drawing goes through the control.
            delegate_ = new TOwnerDrawDelegate(
                this, [this](int i, const TRect &r, TOwnerDrawState s, TCanvas *c) { DrawWith(i, r, s, c); },
                [this](int i) {
                    int h = control_->FItemHeight;
                    control_->MeasureItem(i, h);
                    return h;
                });
            view()->setItemDelegate(delegate_);
        }
        view()->setMinimumWidth(std::max(control_->FDroppedWidth, width()));
        QComboBox::showPopup();
        shown_ = true;
    }

    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (!shown_)
            return;
        shown_ = false;
        control_->Guarded([&] { control_->Notify(CBN_CLOSEUP); });
    }

    bool PopupShown() const { return shown_; }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        // A focused drop-down list shows its item selected, drawn as an owner-drawn face is: the
        // native style knows nothing of the framework's focus.
        const bool focusedList = control_->FStyle == csDropDownList && control_->Focused();
        if (!IsOwnerDraw() && !focusedList) {
            QComboBox::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect face = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        if (control_->FItemIndex < 0 || face.isEmpty())
            return;
        TOwnerDrawState state{odComboBoxEdit};
        if (control_->Focused())
            state << odSelected << odFocused;
        const QImage image = TOwnerDrawDelegate::PaintItem(
            [this](int i, const TRect &r, TOwnerDrawState s, TCanvas *c) { DrawWith(i, r, s, c); }, control_->FItemIndex,
            face.size(), state);
        painter.drawImage(face.topLeft(), image);
    }

private:
    bool IsOwnerDraw() const
    {
        return control_->FStyle == csOwnerDrawFixed || control_->FStyle == csOwnerDrawVariable;
    }

    void DrawWith(int index, const TRect &rect, TOwnerDrawState state, TCanvas *canvas)
    {
        control_->FCanvas->SetHandle(canvas->Handle());
        control_->Guarded([&] { control_->DrawItem(index, rect, state); });
        control_->FCanvas->SetHandle(nullptr);
    }

    TCustomComboBox *control_;
    TOwnerDrawDelegate *delegate_ = nullptr;
    bool shown_ = false;
};

T_IMPLEMENT_CLASS(TCustomComboBox)
{
    b.Message(CN_COMMAND, &TCustomComboBox::CNCommand);
    b.Message(CM_MOUSEWHEEL, &TCustomComboBox::CMMouseWheel);
    b.Message(CM_TEXTCHANGED, &TCustomComboBox::CMTextChanged);
    b.Message(WM_GETDLGCODE, &TCustomComboBox::WMGetDlgCode);
    b.Message(CM_WANTSPECIALKEY, &TCustomComboBox::CMWantSpecialKey);
}

T_IMPLEMENT_CLASS(TComboBox)
{
    b.Bool("AutoComplete", &TComboBox::AutoComplete, &TComboBox::SetAutoComplete).Default(true);
    b.Bool("AutoCloseUp", &TComboBox::AutoCloseUp, &TComboBox::SetAutoCloseUp).Default(false);
    b.Bool("AutoDropDown", &TComboBox::AutoDropDown, &TComboBox::SetAutoDropDown).Default(false);
    b.Enum("CharCase", &TComboBox::CharCase, &TComboBox::SetCharCase, EditCharCaseNames).Default(ecNormal);
    b.Int("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8);
    b.Int("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight).Default(16);
    b.Int("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).Default(-1);
    b.Object("Items", &TComboBox::Items, &TComboBox::SetItems);
    b.Int("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength).Default(0);
    b.Bool("ParentColor", &TComboBox::ParentColor, &TComboBox::SetParentColor).Default(false);
    b.Bool("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(false);
    b.Enum("Style", &TComboBox::Style, &TComboBox::SetStyle, ComboBoxStyleNames).Default(csDropDown);
    b.Bool("TabStop", &TComboBox::TabStop, &TComboBox::SetTabStop).Default(true);
    b.Str("Text", &TComboBox::Text, &TComboBox::SetText).Stored(&TComboBox::HasEditPart);
    b.Event("OnChange", &TComboBox::OnChange);
    b.Event("OnCloseUp", &TComboBox::OnCloseUp);
    b.Event("OnDrawItem", &TComboBox::OnDrawItem);
    b.Event("OnDropDown", &TComboBox::OnDropDown);
    b.Event("OnMeasureItem", &TComboBox::OnMeasureItem);
    b.Event("OnSelect", &TComboBox::OnSelect);
}

TCustomComboBox::TCustomComboBox(TComponent *AOwner)
    : TNativeControl(AOwner), FItems(std::make_unique<TListControlItems>()), FCanvas(std::make_unique<TCanvas>())
{
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    // Clicks come from choosing items, not from every release of the mouse.
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks};
    FItems->OnInserted = [this](int i) { ItemInserted(i); };
    FItems->OnDeleting = [this](int i) {
        if (TObject *object = FItems->GetObject(i)) {
            TDeleteItemStruct item;
            item.itemID = static_cast<UINT>(i);
            item.itemData = object;
            Perform(CN_DELETEITEM, 0, reinterpret_cast<LPARAM>(&item));
        }
    };
    FItems->OnDeleted = [this](int i) { ItemDeleted(i); };
    FItems->OnCleared = [this] { ItemsCleared(); };
    FItems->OnChangedAt = [this](int) { RebuildWidget(); };
    FItems->OnReordered = [this] {
        FItemIndex = -1;
        RebuildWidget();
    };
    FItems->OnEndUpdate = [this] { RebuildWidget(); };
    SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox()
{
    Destroying();
    // The widget may still report the closing of its list while it goes.
    if (auto *combo = Combo())
        QObject::disconnect(combo, nullptr, nullptr, nullptr);
}

QComboBox *TCustomComboBox::Combo() const
{
    return Native<QComboBox>();
}

// ---- Items and selection -----------------------------------------------------------------------

void TCustomComboBox::ItemInserted(int index)
{
    // While a form is read, ItemIndex waits for Loaded and the items only arrive.
    if (!ComponentState().Contains(csLoading))
        FItemIndex = SelectionAfterInsert(FItemIndex, index);
    RebuildWidget();
}

void TCustomComboBox::ItemDeleted(int index)
{
    if (!ComponentState().Contains(csLoading))
        FItemIndex = SelectionAfterDelete(FItemIndex, index);
    RebuildWidget();
}

void TCustomComboBox::ItemsCleared()
{
    // Emptying the list empties the edit part too.
    if (!ComponentState().Contains(csLoading)) {
        FItemIndex = -1;
        FText.clear();
    }
    RebuildWidget();
}

void TCustomComboBox::SetItemIndex(int value)
{
    if (ComponentState().Contains(csLoading)) {
        // The items may come after the index in a form definition: applied in Loaded.
        FItemIndex = value;
        return;
    }
    if (value < -1 || value >= Count())
        value = -1;
    if (value == FItemIndex)
        return;
    FItemIndex = value;
    if (HasEditPart())
        FText = value >= 0 ? FItems->Get(value) : QString();
    ShowSelectionInWidget();
}

QString TCustomComboBox::GetText() const
{
    if (HasEditPart())
        return FText;
    return FItemIndex >= 0 ? FItems->Get(FItemIndex) : QString();
}

void TCustomComboBox::SetTextValue(const QString &value)
{
    if (HasEditPart()) {
        FText = ApplyCharCase(value, FCharCase);
    } else {
        // A list cannot show any text: the item of that text is selected, if there is one.
        const int index = FindStringExact(value);
        if (index >= 0)
            FItemIndex = index;
    }
    ShowSelectionInWidget();
}

void TCustomComboBox::Loaded()
{
    const int index = FItemIndex;
    FItemIndex = -1;
    TNativeControl::Loaded();
    SetItemIndex(index);
}

void TCustomComboBox::CMTextChanged(TMessage &m)
{
    // Text written by code changes the display only; no event of the list.
    DispatchFrom(inherited::StaticClass(), m);
}

void TCustomComboBox::Clear()
{
    FItems->Clear();
    FText.clear();
    ShowSelectionInWidget();
}

void TCustomComboBox::DeleteSelected()
{
    if (FItemIndex >= 0)
        FItems->Delete(FItemIndex);
}

int TCustomComboBox::FindString(const QString &prefix, int startAfter) const
{
    const int n = Count();
    for (int k = 1; k <= n; ++k) {
        const int i = (startAfter + k) % n;
        if (i >= 0 && FItems->Get(i).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

int TCustomComboBox::FindStringExact(const QString &text, int startAfter) const
{
    const int n = Count();
    for (int k = 1; k <= n; ++k) {
        const int i = (startAfter + k) % n;
        if (i >= 0 && FItems->Get(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TCustomComboBox::SetStyle(TComboBoxStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    if (WidgetIfCreated()) {
        // Another kind of window: made anew.
        DestroyWnd();
        CreateWnd();
    }
}

void TCustomComboBox::SetDropDownCount(int value)
{
    FDropDownCount = value;
    if (QComboBox *combo = Combo())
        combo->setMaxVisibleItems(std::max(1, value));
}

void TCustomComboBox::SetItemHeight(int value)
{
    if (value > 0)
        FItemHeight = value;
}

void TCustomComboBox::SetCharCase(TEditCharCase value)
{
    FCharCase = value;
    if (HasEditPart()) {
        FText = ApplyCharCase(FText, value);
        ShowSelectionInWidget();
    }
}

bool TCustomComboBox::DroppedDown() const
{
    auto *combo = static_cast<TComboWidget *>(Combo());
    return combo && combo->PopupShown();
}

void TCustomComboBox::SetDroppedDown(bool value)
{
    if (value == DroppedDown())
        return;
    QComboBox *combo = static_cast<QComboBox *>(Widget());
    if (value)
        combo->showPopup();
    else
        combo->hidePopup();
}

int TCustomComboBox::DroppedTopIndex() const
{
    if (!DroppedDown())
        return -1;
    const QModelIndex top = Combo()->view()->indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

void TCustomComboBox::SetDroppedTopIndex(int value)
{
    if (!DroppedDown() || Count() == 0)
        return;
    QAbstractItemView *view = Combo()->view();
    view->scrollTo(view->model()->index(std::clamp(value, 0, Count() - 1), Combo()->modelColumn()),
                   QAbstractItemView::PositionAtTop);
}

TRect TCustomComboBox::DroppedItemRect(int index) const
{
    if (!DroppedDown() || index < 0 || index >= Count())
        return {};
    QAbstractItemView *view = Combo()->view();
    const QRect item =
        view->visualRect(view->model()->index(index, Combo()->modelColumn())).intersected(view->viewport()->rect());
    if (item.isEmpty())
        return {};
    const QPoint topLeft = Combo()->mapFromGlobal(view->viewport()->mapToGlobal(item.topLeft()));
    return TRect(topLeft.x(), topLeft.y(), topLeft.x() + item.width(), topLeft.y() + item.height());
}

// ---- Edit part -----------------------------------------------------------------------------------

int TCustomComboBox::SelStart() const
{
    QComboBox *combo = Combo();
    if (combo && combo->lineEdit()) {
        QLineEdit *edit = combo->lineEdit();
        return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    }
    return FSelStart;
}

void TCustomComboBox::SetSelStart(int value)
{
    FSelStart = std::clamp(value, 0, static_cast<int>(Text().size()));
    FSelLength = 0;
    QComboBox *combo = Combo();
    if (combo && combo->lineEdit()) {
        combo->lineEdit()->deselect();
        combo->lineEdit()->setCursorPosition(FSelStart);
    }
}

int TCustomComboBox::SelLength() const
{
    QComboBox *combo = Combo();
    if (combo && combo->lineEdit())
        return static_cast<int>(combo->lineEdit()->selectedText().size());
    return FSelLength;
}

void TCustomComboBox::SetSelLength(int value)
{
    const int start = SelStart();
    FSelStart = start;
    FSelLength = std::clamp(value, 0, static_cast<int>(Text().size()) - start);
    QComboBox *combo = Combo();
    if (combo && combo->lineEdit())
        combo->lineEdit()->setSelection(start, FSelLength);
}

QString TCustomComboBox::SelText() const
{
    return Text().mid(SelStart(), SelLength());
}

void TCustomComboBox::SetSelText(const QString &value)
{
    const int start = SelStart();
    const QString text = Text();
    SetText(text.left(start) + value + text.mid(start + SelLength()));
    SetSelStart(start + static_cast<int>(value.size()));
}

void TCustomComboBox::SelectAll()
{
    SetSelStart(0);
    SetSelLength(static_cast<int>(Text().size()));
}

void TCustomComboBox::SetEditReadOnly(bool value)
{
    FEditReadOnly = value;
    QComboBox *combo = Combo();
    if (combo && combo->lineEdit())
        combo->lineEdit()->setReadOnly(value);
}

// ---- Events --------------------------------------------------------------------------------------

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
}

void TCustomComboBox::CloseUp()
{
    if (OnCloseUp)
        OnCloseUp(this);
}

void DrawListItem(TWinControl *control, TCanvas &canvas, const TStrings &items, const TDrawItemEvent &onDraw,
                  int index, const TRect &rect, TOwnerDrawState state)
{
    canvas.SetFont(control->Font());
    canvas.Brush()->SetColor(state.Contains(odSelected) ? clHighlight : control->Color());
    if (state.Contains(odSelected))
        canvas.Font()->SetColor(clHighlightText);
    if (onDraw) {
        onDraw(control, index, rect, state);
        return;
    }
    canvas.FillRect(rect);
    if (index >= 0 && index < items.Count())
        canvas.TextOut(rect.Left + 2, rect.Top, items.Get(index));
}

void TCustomComboBox::DrawItem(int index, const TRect &rect, TOwnerDrawState state)
{
    DrawListItem(this, *FCanvas, *FItems, OnDrawItem, index, rect, state);
}

void TCustomComboBox::MeasureItem(int index, int &height)
{
    if (FStyle == csOwnerDrawVariable && OnMeasureItem)
        OnMeasureItem(this, index, height);
}

void TCustomComboBox::CNCommand(TMessage &m)
{
    switch (static_cast<WORD>(m.WParam >> 16)) {
    case CBN_EDITCHANGE:
        Change();
        break;
    case CBN_SELCHANGE:
        if (FItemIndex >= 0)
            SetText(FItems->Get(FItemIndex));
        Click();
        Select();
        break;
    case CBN_DROPDOWN:
        DropDown();
        break;
    case CBN_CLOSEUP:
        CloseUp();
        break;
    case CBN_DBLCLK:
        DblClick();
        break;
    default:
        break;
    }
}

void TCustomComboBox::UserSelect(int index)
{
    if (index == FItemIndex || index < 0 || index >= Count())
        return;
    FItemIndex = index;
    if (HasEditPart())
        FText = FItems->Get(index);
    ShowSelectionInWidget();
    Notify(CBN_SELENDOK);
    Notify(CBN_SELCHANGE);
}

void TCustomComboBox::UserEdited(const QString &text)
{
    if (FSyncing)
        return;
    QComboBox *combo = Combo();
    QLineEdit *edit = combo ? combo->lineEdit() : nullptr;
    QString accepted = text;
    int caret = edit ? edit->cursorPosition() : static_cast<int>(text.size());
    if (!ApplyTypingRules(FText, accepted, caret, FCharCase, false, FMaxLength))
        accepted = FText;
    const bool typedAtEnd = accepted.size() > FText.size() && caret == accepted.size();
    FText = accepted;
    FItemIndex = -1;
    int selectFrom = caret;
    if (FAutoComplete && FStyle == csDropDown && typedAtEnd) {
        // The first item that begins with what was typed completes the text; its tail is selected.
        const int match = FindString(accepted);
        if (match >= 0) {
            FItemIndex = match;
            FText = accepted + FItems->Get(match).mid(accepted.size());
            selectFrom = static_cast<int>(accepted.size());
        }
    }
    if (combo) {
        const QSignalBlocker block(combo);
        FSyncing = true;
        combo->setCurrentIndex(FItemIndex);
        if (edit) {
            if (edit->text() != FText)
                edit->setText(FText);
            if (selectFrom < FText.size())
                edit->setSelection(selectFrom, static_cast<int>(FText.size()) - selectFrom);
            else
                edit->setCursorPosition(selectFrom);
        }
        FSyncing = false;
    }
    Notify(CBN_EDITCHANGE);
}

void TCustomComboBox::CMMouseWheel(TMessage &m)
{
    int delta = 0;
    m.Result = 1;
    if (DoMouseWheelMessage(m, delta) || DroppedDown() || Count() == 0)
        return;
    // The list's own handling: one item per notch.
    const int next = std::clamp(FItemIndex + (delta < 0 ? 1 : -1), 0, Count() - 1);
    UserSelect(next);
}

void TCustomComboBox::WMGetDlgCode(TMessage &m)
{
    m.Result = HasEditPart() ? (DLGC_WANTARROWS | DLGC_WANTCHARS | 0x0008) : DLGC_WANTARROWS;
}

void TCustomComboBox::CMWantSpecialKey(TMessage &m)
{
    // Enter and Esc close an open list instead of pressing the form's buttons.
    m.Result = (m.WParam == VK_RETURN || m.WParam == VK_ESCAPE) && DroppedDown() ? 1 : 0;
}

void TCustomComboBox::DefaultHandler(TMessage &message)
{
    if (DroppedDown() && ListKey(message))
        return;
    TNativeControl::DefaultHandler(message);
}

bool TCustomComboBox::ListKey(const TMessage &m)
{
    QAbstractItemView *view = Combo()->view();
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (m.Msg == WM_CHAR) {
        // Letters search the open list of a list style; an edit part takes them as typing.
        if (HasEditPart())
            return false;
        QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(static_cast<char16_t>(m.WParam))));
        ForwardEventToWidget(view, &e);
        return true;
    }
    if (m.Msg != WM_KEYDOWN && m.Msg != WM_SYSKEYDOWN)
        return m.Msg == WM_KEYUP || m.Msg == WM_SYSKEYUP;
    const int last = Count() - 1;
    const int current = view->currentIndex().isValid() ? view->currentIndex().row() : FItemIndex;
    const int page = std::max(1, FDropDownCount - 1);
    int next = current;
    bool choose = false;
    switch (m.WParam) {
    case VK_UP:
    case VK_DOWN:
        if (alt)
            choose = true;  // closes the list, as F4 does
        else
            next = m.WParam == VK_UP ? current - 1 : current + 1;
        break;
    case VK_PRIOR: next = current - page; break;
    case VK_NEXT: next = current + page; break;
    case VK_HOME: next = 0; break;
    case VK_END: next = last; break;
    case VK_RETURN:
    case VK_F4: choose = true; break;
    case VK_ESCAPE:
        Combo()->hidePopup();
        Notify(CBN_SELENDCANCEL);
        return true;
    default: return false;
    }
    if (choose) {
        // The highlighted item is chosen as a click in the list chooses it.
        Combo()->hidePopup();
        UserSelect(current);
        return true;
    }
    if (last >= 0) {
        next = std::clamp(next, 0, last);
        view->setCurrentIndex(view->model()->index(next, Combo()->modelColumn()));
    }
    return true;
}

void TCustomComboBox::WndProc(TMessage &m)
{
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
        if (HasEditPart()) {
            ComboWndProc(m);
            return;
        }
        break;
    default:
        break;
    }
    TNativeControl::WndProc(m);
}

void TCustomComboBox::ComboWndProc(TMessage &m)
{
    TNativeControl::WndProc(m);
}

// ---- Widget --------------------------------------------------------------------------------------

QWidget *TCustomComboBox::CreateNative(QWidget *parent)
{
    auto *combo = new TComboWidget(this, parent);
    combo->setEditable(HasEditPart());
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(std::max(1, FDropDownCount));
    if (QLineEdit *edit = combo->lineEdit()) {
        combo->setCompleter(nullptr);
        edit->setReadOnly(FEditReadOnly);
        QObject::connect(edit, &QLineEdit::textEdited, combo, [this](const QString &t) { Guarded([&] { UserEdited(t); }); });
    }
    QObject::connect(combo, &QComboBox::activated, combo, [this](int index) { Guarded([&] { UserSelect(index); }); });
    FSyncing = true;
    for (int i = 0; i < Count(); ++i)
        combo->addItem(FItems->Get(i));
    combo->setCurrentIndex(FItemIndex);
    if (combo->lineEdit())
        combo->lineEdit()->setText(FText);
    FSyncing = false;
    return combo;
}

void TCustomComboBox::RebuildWidget()
{
    QComboBox *combo = Combo();
    if (!combo || FItems->UpdateCount() > 0)
        return;
    const QSignalBlocker block(combo);
    FSyncing = true;
    combo->clear();
    for (int i = 0; i < Count(); ++i)
        combo->addItem(FItems->Get(i));
    FSyncing = false;
    ShowSelectionInWidget();
}

void TCustomComboBox::ShowSelectionInWidget()
{
    QComboBox *combo = Combo();
    if (!combo)
        return;
    const QSignalBlocker block(combo);
    FSyncing = true;
    combo->setCurrentIndex(FItemIndex);
    if (QLineEdit *edit = combo->lineEdit(); edit && edit->text() != FText)
        edit->setText(FText);
    FSyncing = false;
    combo->update();
}
