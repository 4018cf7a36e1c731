#include "widgets/skinned/RzCmboBx.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Filer.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Screen.h"

#include <algorithm>
#include <utility>

namespace {

// Removes the last character (a surrogate pair counts as one).
void RemoveLastChar(QString &s)
{
    if (s.isEmpty())
        return;
    s.chop(s.size() >= 2 && s.back().isLowSurrogate() && s[s.size() - 2].isHighSurrogate() ? 2 : 1);
}

// Removes the character that ends at `end` (Backspace) or starts at `start` (Delete).
void RemoveCharBefore(QString &s, qsizetype end)
{
    if (end <= 0 || end > s.size())
        return;
    const bool pair = end >= 2 && s[end - 1].isLowSurrogate() && s[end - 2].isHighSurrogate();
    s.remove(end - (pair ? 2 : 1), pair ? 2 : 1);
}

qsizetype CharLengthAt(const QString &s, qsizetype start)
{
    return start + 1 < s.size() && s[start].isHighSurrogate() && s[start + 1].isLowSurrogate() ? 2 : 1;
}

}  // namespace

T_IMPLEMENT_CLASS(TRzCustomComboBox)
{
    using C = TRzCustomComboBox;
    b.Message(WM_PAINT, &C::WMPaint);
    b.Message(WM_SIZE, &C::WMSize);
    b.Message(CM_ENTER, &C::CMEnter);
    b.Message(CM_EXIT, &C::CMExit);
    b.Message(CM_MOUSEENTER, &C::CMMouseEnter);
    b.Message(CM_MOUSELEAVE, &C::CMMouseLeave);
    b.Message(CM_COLORCHANGED, &C::CMColorChanged);
    b.Message(CM_ENABLEDCHANGED, &C::CMEnabledChanged);
    b.Message(CM_TEXTCHANGED, &C::CMTextChanged);
    b.Message(CM_MOUSEWHEEL, &C::CMMouseWheel);
    b.Message(CN_COMMAND, &C::CNCommand);
    b.Message(CN_DELETEITEM, &C::CNDeleteItem);
}

T_IMPLEMENT_CLASS(TRzComboBox)
{
    using C = TRzComboBox;
    // Colour and framing properties are not stored where a frame controller sets them.
    auto unless = [](TRzFrameControllerProperty p) { return [p](const C &c) { return c.StoredUnlessControlled(p); }; };
    b.Bool("AllowEdit", &C::AllowEdit, &C::SetAllowEdit).Default(true);
    b.Bool("AutoComplete", &C::AutoComplete, &C::SetAutoComplete).Default(true);
    b.Bool("BeepOnInvalidKey", &C::BeepOnInvalidKey, &C::SetBeepOnInvalidKey).Default(true);
    b.Color("Color", &C::Color, &C::SetColor).Default(clWindow).Idents(ColorIdents()).Stored([](const C &c) {
        return c.StoredUnlessControlled(fcpColor) && c.Enabled() && !c.ParentColor();
    });
    b.Color("DisabledColor", &C::DisabledColor, &C::SetDisabledColor)
        .Default(clBtnFace)
        .Idents(ColorIdents())
        .Stored(unless(fcpDisabledColor));
    b.Int("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth).Default(0);
    b.Color("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor)
        .Default(clBtnFace)
        .Idents(ColorIdents())
        .Stored(unless(fcpFlatButtonColor));
    b.Bool("FlatButtons", &C::FlatButtons, &C::SetFlatButtons).Default(false).Stored(unless(fcpFlatButtons));
    b.Color("FocusColor", &C::FocusColor, &C::SetFocusColor)
        .Default(clWindow)
        .Idents(ColorIdents())
        .Stored([](const C &c) { return c.StoredUnlessControlled(fcpFocusColor) && c.FocusColor() != c.Color(); });
    b.Color("FrameColor", &C::FrameColor, &C::SetFrameColor)
        .Default(clBtnShadow)
        .Idents(ColorIdents())
        .Stored(unless(fcpFrameColor));
    b.Ref("FrameController", &C::FrameController, &C::SetFrameController);
    b.Set("FrameControllerNotifications", &C::FrameControllerNotifications, &C::SetFrameControllerNotifications,
          RzFrameControllerPropertyNames)
        .Default(fccAll);
    b.Color("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor)
        .Default(clBtnShadow)
        .Idents(ColorIdents())
        .Stored(unless(fcpFrameHotColor));
    b.Bool("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack).Default(false).Stored(unless(fcpFrameHotTrack));
    b.Enum("FrameHotStyle", &C::FrameHotStyle, &C::SetFrameHotStyle, FrameStyleNames)
        .Default(fsFlatBold)
        .Stored(unless(fcpFrameHotStyle));
    b.Set("FrameSides", &C::FrameSides, &C::SetFrameSides, SideNames).Default(sdAllSides).Stored(unless(fcpFrameSides));
    b.Enum("FrameStyle", &C::FrameStyle, &C::SetFrameStyle, FrameStyleNames)
        .Default(fsFlat)
        .Stored(unless(fcpFrameStyle));
    b.Bool("FrameVisible", &C::FrameVisible, &C::SetFrameVisible).Default(false).Stored(unless(fcpFrameVisible));
    b.Enum("FramingPreference", &C::FramingPreference, &C::SetFramingPreference, FramingPreferenceNames)
        .Default(fpXPThemes)
        .Stored(unless(fcpFramingPreference));
    b.Bool("KeepSearchCase", &C::KeepSearchCase, &C::SetKeepSearchCase).Default(false);
    b.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false).Stored(unless(fcpParentColor));
    b.Bool("ReadOnly", &C::ReadOnly, &C::SetReadOnly).Default(false);
    b.Color("ReadOnlyColor", &C::ReadOnlyColor, &C::SetReadOnlyColor)
        .Default(clInfoBk)
        .Idents(ColorIdents())
        .Stored(unless(fcpReadOnlyColor));
    b.Bool("ReadOnlyColorOnFocus", &C::ReadOnlyColorOnFocus, &C::SetReadOnlyColorOnFocus)
        .Default(false)
        .Stored(unless(fcpReadOnlyColorOnFocus));
    b.Bool("TabOnEnter", &C::TabOnEnter, &C::SetTabOnEnter).Default(false);
    b.Object("Values", &C::Values, &C::SetValues);
    // The framework's combo box properties.
    b.Bool("AutoCloseUp", &C::AutoCloseUp, &C::SetAutoCloseUp).Default(false);
    b.Bool("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown).Default(false);
    b.Enum("CharCase", &C::CharCase, &C::SetCharCase, EditCharCaseNames).Default(ecNormal);
    b.Int("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(8);
    b.Int("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(16);
    b.Int("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1);
    b.Object("Items", &C::Items, &C::SetItems);
    b.Int("MaxLength", &C::MaxLength, &C::SetMaxLength).Default(0);
    b.Bool("Sorted", &C::Sorted, &C::SetSorted).Default(false);
    b.Enum("Style", &C::Style, &C::SetStyle, ComboBoxStyleNames).Default(csDropDown);
    b.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
    b.Str("Text", &C::Text, &C::SetText).Stored(&C::HasEditPart);
    b.Event("OnChange", &C::OnChange);
    b.Event("OnCloseUp", &C::OnCloseUp);
    b.Event("OnDeleteItem", &C::OnDeleteItem);
    b.Event("OnDrawItem", &C::OnDrawItem);
    b.Event("OnDropDown", &C::OnDropDown);
    b.Event("OnEnter", &C::OnEnter);
    b.Event("OnExit", &C::OnExit);
    b.Event("OnKeyDown", &C::OnKeyDown);
    b.Event("OnKeyPress", &C::OnKeyPress);
    b.Event("OnKeyUp", &C::OnKeyUp);
    b.Event("OnMatch", &C::OnMatch);
    b.Event("OnMeasureItem", &C::OnMeasureItem);
    b.Event("OnNotInList", &C::OnNotInList);
    b.Event("OnSelect", &C::OnSelect);
    b.Event("OnSelEndCancel", &C::OnSelEndCancel);
    b.Event("OnSelEndOk", &C::OnSelEndOk);
}

// ---- Construction --------------------------------------------------------------------------------

TRzCustomComboBox::TRzCustomComboBox(TComponent *AOwner)
    : TCustomComboBox(AOwner), FTimer(std::make_unique<TTimer>(nullptr)),
      FFlatCanvas(std::make_unique<TControlCanvas>(this))
{
    FControlStyle >> csSetCaption;
    TCustomComboBox::SetAutoComplete(false);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(IncrementalSearchInterval);
    FTimer->OnTimer = TNotifyEvent(this, &TRzCustomComboBox::SearchTimerExpired);
}

TRzCustomComboBox::~TRzCustomComboBox()
{
    FTimer->OnTimer = nullptr;
    SetControlFrameController(this, FFrameController, nullptr);
}

// ---- Properties ----------------------------------------------------------------------------------

void TRzCustomComboBox::SetReadOnly(bool value)
{
    if (!StoreChanged(FReadOnly, value))
        return;
    SetEditReadOnly(value);
    UpdateColors();
    Invalidate();
}

void TRzCustomComboBox::SetDisabledColor(TColor value)
{
    FDisabledColor = value;
    if (!Enabled())
        UpdateColors();
}

void TRzCustomComboBox::SetFocusColor(TColor value)
{
    FFocusColor = value;
    if (FIsFocused)
        UpdateColors();
}

void TRzCustomComboBox::SetReadOnlyColor(TColor value)
{
    FReadOnlyColor = value;
    if (FReadOnly)
        UpdateColors();
}

void TRzCustomComboBox::SetFlatButtons(bool value)
{
    if (StoreChanged(FFlatButtons, value))
        Invalidate();
}

void TRzCustomComboBox::SetFlatButtonColor(TColor value)
{
    if (StoreChanged(FFlatButtonColor, value))
        Invalidate();
}

void TRzCustomComboBox::SetFrameColor(TColor value)
{
    if (StoreChanged(FFrameColor, value))
        Invalidate();
}

void TRzCustomComboBox::SetFrameHotColor(TColor value)
{
    if (StoreChanged(FFrameHotColor, value))
        Invalidate();
}

void TRzCustomComboBox::SetFrameHotTrack(bool value)
{
    if (!StoreChanged(FFrameHotTrack, value))
        return;
    if (value) {
        SetFrameVisible(true);
        if (!ComponentState().Contains(csLoading))
            SetFrameSides(sdAllSides);
    }
    Invalidate();
}

void TRzCustomComboBox::SetFrameHotStyle(TFrameStyle value)
{
    if (StoreChanged(FFrameHotStyle, value))
        Invalidate();
}

void TRzCustomComboBox::SetFrameSides(TSides value)
{
    if (StoreChanged(FFrameSides, value))
        Invalidate();
}

void TRzCustomComboBox::SetFrameStyle(TFrameStyle value)
{
    if (StoreChanged(FFrameStyle, value))
        Invalidate();
}

void TRzCustomComboBox::SetFrameVisible(bool value)
{
    if (!StoreChanged(FFrameVisible, value))
        return;
    ParentCtl3D = !value;
    Ctl3D = !value;
    Invalidate();
}

void TRzCustomComboBox::SetFramingPreference(TFramingPreference value)
{
    if (StoreChanged(FFramingPreference, value) && value == fpCustomFraming)
        Invalidate();
}

void TRzCustomComboBox::SetFrameController(TRzFrameController *value)
{
    SetControlFrameController(this, FFrameController, value);
}

bool TRzCustomComboBox::StoredUnlessControlled(TRzFrameControllerProperty property) const
{
    return !FFrameController || !FFrameControllerNotifications.Contains(property);
}

void TRzCustomComboBox::Notification(TComponent *AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFrameController)
        FFrameController = nullptr;
}

void TRzCustomComboBox::DefineProperties(TFiler *Filer)
{
    inherited::DefineProperties(Filer);
    DefineOldFramingProperties(Filer, this, FFrameHotTrack, FFrameStyle, FFrameHotStyle);
}

bool TRzCustomComboBox::UseThemes() const
{
    return FFramingPreference == fpXPThemes && ThemesEnabled();
}

void TRzCustomComboBox::Loaded()
{
    inherited::Loaded();
    UpdateColors();
    UpdateFrame(false, false);
}

// ---- Items ---------------------------------------------------------------------------------------

bool TRzCustomComboBox::FindItem(const QString &s)
{
    const int i = IndexOf(s);
    if (i != -1)
        SetItemIndex(i);
    return i != -1;
}

bool TRzCustomComboBox::FindClosestItem(const QString &s)
{
    const int i = FindListString(s);
    if (i != -1)
        SetItemIndex(i);
    return i != -1;
}

void TRzCustomComboBox::ForceText(const QString &value)
{
    if (Text() == value)
        return;
    const bool completing = std::exchange(FAutoComplete, false);
    struct Restore {
        bool &field;
        bool value;
        ~Restore() { field = value; }
    } restore{FAutoComplete, completing};
    SetText(value);
}

// ---- Colours and hot state -----------------------------------------------------------------------

void TRzCustomComboBox::UpdateColors()
{
    if (ComponentState().Contains(csLoading))
        return;
    const bool updating = std::exchange(FUpdatingColor, true);
    struct Restore {
        bool &field;
        bool value;
        ~Restore() { field = value; }
    } restore{FUpdatingColor, updating};
    if (!Enabled())
        SetColor(FDisabledColor);
    else if (FIsFocused)
        SetColor(FReadOnly && FReadOnlyColorOnFocus ? FReadOnlyColor : FFocusColor);
    else
        SetColor(FReadOnly ? FReadOnlyColor : FNormalColor);
}

void TRzCustomComboBox::CMColorChanged(TMessage &m)
{
    const TColor oldNormal = FNormalColor;
    DispatchFrom(inherited::StaticClass(), m);
    if (FUpdatingColor)
        return;
    // A colour from outside is the one the box shows at rest (and focused, unless that differs).
    if (FFocusColor == oldNormal)
        FFocusColor = Color();
    FNormalColor = Color();
}

void TRzCustomComboBox::UpdateFrame(bool pointer, bool value)
{
    (pointer ? FOverControl : FInControl) = value;
    if ((FFlatButtons || FFrameHotTrack) && !DroppedDown()) {
        if (FFrameHotTrack)
            Invalidate();
        else
            InvalidateRect(TRect(ClientWidth() - GetSystemMetrics(SM_CXVSCROLL) - 2, 0, ClientWidth(), ClientHeight()));
    }
    UpdateColors();
}

void TRzCustomComboBox::CMEnter(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    FIsFocused = true;
    UpdateFrame(false, true);
}

void TRzCustomComboBox::CMExit(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    FIsFocused = false;
    UpdateFrame(false, false);
    if (Style() == csDropDown && !Text().isEmpty() && FindStringExact(Text()) == -1)
        NotInList();
}

void TRzCustomComboBox::CMMouseEnter(TMessage &m)
{
    if (ComponentState().Contains(csDesigning))
        return;
    DispatchFrom(inherited::StaticClass(), m);
    if (m.LParam == 0)
        UpdateFrame(true, true);
}

void TRzCustomComboBox::CMMouseLeave(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (m.LParam == 0)
        UpdateFrame(true, false);
}

void TRzCustomComboBox::CMEnabledChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    UpdateColors();
}

void TRzCustomComboBox::WMSize(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (FFrameVisible && !UseThemes())
        Invalidate();
}

// ---- Painting over the native rendering ----------------------------------------------------------

TRect TRzCustomComboBox::ButtonRect() const
{
    const int b = ThemesEnabled() ? 1 : 2;
    const int w = GetSystemMetrics(SM_CXVSCROLL);
    if (BiDiMode == bdRightToLeft)
        return TRect(b, b, b + w, Height() - b);
    return TRect(Width() - b - w, b, Width() - b, Height() - b);
}

void TRzCustomComboBox::WMPaint(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    PaintFlatParts();
}

void TRzCustomComboBox::PaintFlatParts()
{
    TCanvas *c = FFlatCanvas.get();
    const TRect client = ClientRect();
    const TRect button = ButtonRect();
    const bool framed = FFrameVisible && !UseThemes();
    // The flat look hides the system's 3-D border.
    if (framed)
        DrawBevelRings(c, client, Color(), Color(), 2, sdAllSides);
    c->Brush()->SetStyle(bsSolid);
    if (FReadOnly) {
        c->Brush()->SetColor(Color());
        c->FillRect(button);
    } else if (FFlatButtons) {
        if (!FInControl && !FOverControl) {
            c->Brush()->SetColor(Color());
            c->FillRect(button);
            DrawDropDownArrow(c, button, 0, Enabled());
        } else {
            TRect inner;
            if (FFlatButtonColor == clBtnFace)
                inner = DroppedDown() ? DrawBevelRings(c, button, clBtnShadow, clBtnHighlight, 1, sdAllSides)
                                      : DrawBevelRings(c, button, clBtnHighlight, clBtnShadow, 1, sdAllSides);
            else
                inner = DrawColorFrameStyle(c, button, FFlatButtonColor, DroppedDown() ? fsStatus : fsPopup);
            c->Brush()->SetColor(FFlatButtonColor);
            c->FillRect(inner);
            DrawDropDownArrow(c, inner, 0, Enabled());
        }
    }
    if (!framed)
        return;
    const bool hot = FFrameHotTrack && (FInControl || FOverControl);
    const TFrameStyle style = hot ? FFrameHotStyle : FFrameStyle;
    const TColor color = hot ? FFrameHotColor : FFrameColor;
    switch (style) {
    case fsFlat: DrawSideLines(c, client, color, color, FFrameSides); break;
    case fsFlatBold: DrawBevelRings(c, client, color, color, 2, FFrameSides); break;
    default:
        if (Color() == clWindow)
            DrawFrameStyleSides(c, client, style, FFrameSides);
        else
            DrawColorFrameStyleSides(c, client, Color(), FFrameSides, style);
        break;
    }
}

// ---- The list ------------------------------------------------------------------------------------

void TRzCustomComboBox::DropDown()
{
    inherited::DropDown();
    int width = FDropDownWidth;
    if (width <= 0) {
        // The widest item, measured with the box's font.
        TBitmap measure(1, 1);
        TCanvas *canvas = measure.Canvas();
        canvas->SetFont(Font());
        for (int i = 0; i < Count(); ++i)
            width = std::max(width, canvas->TextWidth(Items()->Get(i)));
        if (Count() > DropDownCount())
            width += GetSystemMetrics(SM_CXVSCROLL);
        width = std::max(width + 8, Width());
    }
    FActualDropDownWidth = width;
    SetDroppedWidth(width);
}

void TRzCustomComboBox::CloseUp()
{
    inherited::CloseUp();
    Invalidate();
}

void TRzCustomComboBox::DrawItem(int index, const TRect &rect, TOwnerDrawState state)
{
    TCanvas *c = Canvas();
    if (index >= 0 && index < Count()) {
        inherited::DrawItem(index, rect, state);
        if (state.Contains(odSelected) && FShowFocus)
            c->DrawFocusRect(rect);
    } else if (state.Contains(odSelected)) {
        c->DrawFocusRect(rect);
    } else {
        c->Brush()->SetColor(Color());
        c->FillRect(rect);
    }
}

void TRzCustomComboBox::CNDeleteItem(TMessage &m)
{
    auto *item = reinterpret_cast<TDeleteItemStruct *>(m.LParam);
    if (item && item->itemData) {
        DeleteComboItem(item->itemData);
        item->itemData = nullptr;
    }
    DispatchFrom(inherited::StaticClass(), m);
}

void TRzCustomComboBox::DeleteComboItem(TObject *item)
{
    if (OnDeleteItem)
        OnDeleteItem(this, item);
}

void TRzCustomComboBox::CNCommand(TMessage &m)
{
    const WORD code = static_cast<WORD>(m.WParam >> 16);
    if (code == CBN_SELENDOK)
        FTyping = true;
    DispatchFrom(inherited::StaticClass(), m);
    switch (code) {
    case CBN_SELENDOK: SelEndOk(); break;
    case CBN_SELENDCANCEL: SelEndCancel(); break;
    // The text change that follows a choice from the list is over.
    case CBN_SELCHANGE: FTyping = false; break;
    default: break;
    }
}

// ---- Events --------------------------------------------------------------------------------------

void TRzCustomComboBox::InvalidKey()
{
    if (FBeepOnInvalidKey)
        MessageBeep(0);
}

void TRzCustomComboBox::Match()
{
    if (OnMatch)
        OnMatch(this);
}

void TRzCustomComboBox::NotInList()
{
    if (OnNotInList)
        OnNotInList(this);
}

void TRzCustomComboBox::SelEndCancel()
{
    if (OnSelEndCancel)
        OnSelEndCancel(this);
}

void TRzCustomComboBox::SelEndOk()
{
    if (OnSelEndOk)
        OnSelEndOk(this);
}

bool TRzCustomComboBox::FireKeyPress(QChar &key)
{
    TMessage m;
    m.Msg = WM_CHAR;
    m.WParam = key.unicode();
    const bool consumed = DoKeyPress(m);
    key = QChar(static_cast<char16_t>(m.WParam));
    return !consumed;
}

void TRzCustomComboBox::KeyPress(QChar &key)
{
    if (key == u'\r' && FTabOnEnter && !DroppedDown()) {
        key = QChar();
        PostTab();
        return;
    }
    if (Style() == csDropDown && key.unicode() >= 32 && MaxLength() > 0 && Text().size() >= MaxLength() &&
        SelLength() == 0) {
        InvalidKey();
        key = QChar();
        return;
    }
    inherited::KeyPress(key);
    if (!AutoDropDown() || key.isNull())
        return;
    if (key == u'\t') {
        if (DroppedDown())
            SetDroppedDown(false);
    } else if (key != u'\b' && key != QChar(27) && !DroppedDown()) {
        SetDroppedDown(true);
    }
}

void TRzCustomComboBox::PostTab()
{
    // The framework's own handling of a Tab key: the form's dialog key moves the focus on.
    PostMessage(Handle(), CN_KEYDOWN, VK_TAB, 0);
}

// ---- Completion in the edit styles ---------------------------------------------------------------

bool TRzCustomComboBox::AutoCompleteText(const QString &s)
{
    // Every item begins with nothing: an empty text completes to nothing.
    if (s.isEmpty())
        return false;
    const int i = FindListString(s);
    if (i == -1)
        return false;
    const int before = ItemIndex();
    const QString item = Items()->Get(i);
    if (FKeepSearchCase) {
        FTyping = true;
        SetText(s + item.mid(s.size()));
        FTyping = false;
    } else {
        SetItemIndex(-1);
        SetItemIndex(i);
    }
    Click();
    Change();
    if (QChar key = std::exchange(FPendingKeyPress, QChar()); !key.isNull())
        FireKeyPress(key);
    SetSelStart(static_cast<int>(s.size()));
    SetSelLength(static_cast<int>(item.size() - s.size()));
    if (ItemIndex() != before)
        Match();
    return true;
}

void TRzCustomComboBox::SelectTextItem()
{
    if (Style() != csDropDown)
        return;
    if (FEnterPressed)
        FEnterPressed = false;
    else
        FSearchString = Text();
    if (FSearchString.isEmpty())
        return;
    const int i = FindListString(FSearchString);
    if (i == -1)
        return;
    SetItemIndex(i);
    SetSelStart(static_cast<int>(FSearchString.size()));
    SetSelLength(static_cast<int>(Items()->Get(i).size() - FSearchString.size()));
}

void TRzCustomComboBox::CMTextChanged(TMessage &m)
{
    DispatchFrom(inherited::StaticClass(), m);
    if (FAutoComplete && !ComponentState().Contains(csDesigning) && !FTyping && !DroppedDown())
        SelectTextItem();
    FTyping = false;
}

void TRzCustomComboBox::BackspaceInEdit()
{
    TMessage key;
    key.Msg = WM_KEYDOWN;
    key.WParam = VK_BACK;
    TCustomComboBox::DefaultHandler(key);
}

void TRzCustomComboBox::ComboWndProc(TMessage &m)
{
    if (!FAutoComplete) {
        inherited::ComboWndProc(m);
        return;
    }
    bool pass = true;
    bool paste = false;
    bool typed = false;
    switch (m.Msg) {
    case WM_KEYDOWN: {
        const WORD key = static_cast<WORD>(m.WParam);
        const bool ctrl = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
        typed = key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN;
        paste = FAllowEdit && ((key == VK_INSERT && GetKeyState(VK_SHIFT) < 0) || (ctrl && (key == 'V' || key == 'X')));
        pass = EditKeyDown(m);
        break;
    }
    case WM_SYSKEYDOWN:
        FSysKeyDown = true;
        pass = !FReadOnly || m.WParam == VK_F4;
        break;
    case WM_CHAR: pass = EditChar(m); break;
    case WM_LBUTTONDOWN:
        if (Style() == csDropDown)
            FSearchString = Text();
        break;
    default: break;
    }
    if (!pass)
        return;
    if (typed)
        FTyping = true;
    inherited::ComboWndProc(m);
    if (typed)
        FTyping = false;
    if (paste) {
        // The edit part has taken the pasted text (or given up the cut one).
        FSearchString = Text();
        AutoCompleteText(FSearchString);
    }
}

bool TRzCustomComboBox::EditKeyDown(TMessage &m)
{
    const WORD key = static_cast<WORD>(m.WParam);
    const bool ctrl = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN: FSearchString.clear(); return !FReadOnly;
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT: FSearchString = Text(); return true;
    case VK_INSERT: return FAllowEdit;
    case VK_DELETE: {
        const QString text = Text();
        const int start = SelStart();
        const int length = SelLength() > 0 ? SelLength() : static_cast<int>(CharLengthAt(text, start));
        FSearchString = text;
        FSearchString.remove(start, length);
        return FAllowEdit || (SelStart() == 0 && SelLength() == text.size());
    }
    case VK_F4: return !FReadOnly;
    case VK_BACK:
        // Backspace acts with its character (below); the key itself only reaches the key events.
        DoKeyDown(m);
        return false;
    case 'V':
    case 'X': return !ctrl || FAllowEdit;
    default: return true;
    }
}

bool TRzCustomComboBox::EditChar(TMessage &m)
{
    const char16_t ch = static_cast<char16_t>(m.WParam);
    if (FSysKeyDown) {
        FSysKeyDown = false;
        return true;
    }
    if (FReadOnly) {
        if (ch == u'\r' && FTabOnEnter && !DroppedDown())
            PostTab();
        return ch == 3;  // Ctrl+C copies
    }
    switch (ch) {
    case 8: return EditBackspace(m);
    case 13:
        if (DroppedDown())
            SelEndOk();
        FEnterPressed = true;
        return true;
    case 22:  // Ctrl+V and Ctrl+X: the edit part acted on their key already
    case 24: return FAllowEdit;
    case 27: FSearchString.clear(); return DroppedDown();
    default: break;
    }
    if (ch < 32)
        return true;
    return EditTypedChar(m);
}

bool TRzCustomComboBox::EditBackspace(TMessage &)
{
    QChar key(u'\b');
    if (FSearchString.isEmpty()) {
        InvalidKey();
        if (FireKeyPress(key))
            BackspaceInEdit();
        return false;
    }
    const int caret = SelStart(), selection = SelLength();
    if (caret >= FSearchString.size())
        RemoveLastChar(FSearchString);
    else if (selection > 0 && FAllowEdit)
        FSearchString.remove(caret, selection);
    else if (FAllowEdit)
        RemoveCharBefore(FSearchString, caret);
    Change();
    bool fired = false;
    if (FSearchString.isEmpty()) {
        SetItemIndex(-1);
        if (FKeepSearchCase) {
            FTyping = true;
            SetText(QString());
            FTyping = false;
        }
        FSearchString.clear();
        Click();
        Change();
        fired = true;
        if (!FireKeyPress(key))
            return false;
    }
    if (!fired)
        FPendingKeyPress = key;
    const bool matched = AutoCompleteText(FSearchString);
    FPendingKeyPress = QChar();
    if (!matched && (fired || FireKeyPress(key)))
        BackspaceInEdit();
    return false;
}

QString TRzCustomComboBox::TypedCharacter(QChar key)
{
    // A character beyond 16 bits arrives as two halves; the first one waits for the second.
    if (key.isHighSurrogate()) {
        FHighSurrogate = key;
        return QString();
    }
    QString typed(key);
    if (key.isLowSurrogate() && !FHighSurrogate.isNull())
        typed.prepend(FHighSurrogate);
    FHighSurrogate = QChar();
    return typed;
}

bool TRzCustomComboBox::EditTypedChar(TMessage &m)
{
    QChar key(static_cast<char16_t>(m.WParam));
    if (!FireKeyPress(key))
        return false;
    m.WParam = key.unicode();
    if (key.unicode() < 32) {
        TypeIntoEdit(m);
        return false;
    }
    const QString typed = TypedCharacter(key);
    if (typed.isEmpty())
        return false;
    const QString before = FSearchString;
    const int caret = SelStart(), selection = SelLength();
    QString search = FSearchString;
    if (selection > 0 && caret < search.size())
        search.remove(caret, selection);
    search.insert(std::min<qsizetype>(caret, search.size()), typed);
    FSearchString = search;
    // The completion fires the key-press event once more, after the click and the change.
    FPendingKeyPress = key;
    const bool matched = AutoCompleteText(search);
    FPendingKeyPress = QChar();
    if (matched)
        return false;
    if (FAllowEdit) {
        // The edit part shows what was typed before this key and types it itself.
        FTyping = true;
        SetText(before);
        FTyping = false;
        SetSelStart(caret);
        for (QChar unit : typed) {
            TMessage typedUnit;
            typedUnit.Msg = WM_CHAR;
            typedUnit.WParam = unit.unicode();
            TypeIntoEdit(typedUnit);
        }
        return false;
    }
    InvalidKey();
    FSearchString = before;
    return false;
}

// ---- Incremental search in the list styles -------------------------------------------------------

void TRzCustomComboBox::SearchList(const QString &s)
{
    const int i = FindListString(s);
    if (i == -1) {
        InvalidKey();
        return;
    }
    SetItemIndex(i);
    FSearchString = s;
    Click();
    Change();
    if (QChar key = std::exchange(FPendingKeyPress, QChar()); !key.isNull())
        FireKeyPress(key);
}

void TRzCustomComboBox::SearchTimerExpired(TObject *)
{
    if (FKeyCount != 0)
        return;
    FTimer->SetEnabled(false);
    FSearchString.clear();
}

bool TRzCustomComboBox::ListKeyDown(TMessage &m)
{
    if (FReadOnly)
        return false;
    switch (static_cast<WORD>(m.WParam)) {
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: FSearchString.clear(); return true;
    case VK_BACK:
        // Backspace acts with its character; the key itself only reaches the key events.
        DoKeyDown(m);
        return false;
    default: return true;
    }
}

bool TRzCustomComboBox::ListChar(TMessage &m)
{
    if (FReadOnly)
        return false;
    const QChar ch(static_cast<char16_t>(m.WParam));
    if (ch == u'\b') {
        FPendingKeyPress = ch;
        if (FSearchString.isEmpty()) {
            InvalidKey();
            SearchList(FSearchString);
        } else {
            RemoveLastChar(FSearchString);
            if (!FSearchString.isEmpty()) {
                SearchList(FSearchString);
            } else {
                SetItemIndex(0);
                Click();
                Change();
                FSearchString.clear();
                QChar key = ch;
                FireKeyPress(key);
            }
        }
        FPendingKeyPress = QChar();
        return false;
    }
    if (ch.unicode() < 32)
        return true;
    const QString typed = TypedCharacter(ch);
    if (typed.isEmpty())
        return false;
    ++FKeyCount;
    FPendingKeyPress = ch;
    SearchList(FSearchString + typed);
    FPendingKeyPress = QChar();
    --FKeyCount;
    FTimer->SetEnabled(false);
    FTimer->SetInterval(IncrementalSearchInterval);
    FTimer->SetEnabled(true);
    return false;
}

void TRzCustomComboBox::WndProc(TMessage &m)
{
    const bool list = !HasEditPart();
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Read-only: the list cannot open.
        if (FReadOnly && (list || ButtonRect().Contains(LParamToPoint(m.LParam))))
            return;
        break;
    case WM_KEYDOWN:
        if (list && !ListKeyDown(m))
            return;
        break;
    case WM_CHAR:
        if (list && !ListChar(m))
            return;
        break;
    case WM_KILLFOCUS: FSearchString.clear(); break;
    default: break;
    }
    inherited::WndProc(m);
}

void TRzCustomComboBox::CMMouseWheel(TMessage &m)
{
    int delta = 0;
    const bool handled = DoMouseWheelMessage(m, delta);
    m.Result = 1;
    if (handled || FReadOnly || Count() == 0)
        return;
    if (DroppedDown()) {
        const int lines = WheelScrollLines(), top = DroppedTopIndex();
        SetDroppedTopIndex(delta < 0 ? top + lines : std::max(0, top - lines));
        return;
    }
    const int index = ItemIndex();
    if (delta < 0) {
        if (index >= Count() - 1)
            return;
        SetItemIndex(index + 1);
    } else {
        if (index <= 0) {
            SetItemIndex(0);
            return;
        }
        SetItemIndex(index - 1);
    }
    Click();
    Change();
}

// ---- TRzComboBox ---------------------------------------------------------------------------------

TRzComboBox::TRzComboBox(TComponent *AOwner) : TRzCustomComboBox(AOwner), FValues(std::make_unique<TStringList>())
{
    FValues->OnChange = TNotifyEvent(this, &TRzComboBox::ValuesChanged);
}

TRzComboBox::~TRzComboBox()
{
    FValues->OnChange = nullptr;
}

QString TRzComboBox::ValueAt(int index) const
{
    if (index >= 0 && index < FValues->Count() && !FValues->Get(index).isEmpty())
        return FValues->Get(index);
    if (index >= 0 && index < Count())
        return Items()->Get(index);
    return QString();
}

QString TRzComboBox::GetValue() const
{
    const int index = HasEditPart() ? (Text().isEmpty() ? -1 : FindStringExact(Text())) : ItemIndex();
    if (index >= 0 && index < FValues->Count() && !FValues->Get(index).isEmpty())
        return FValues->Get(index);
    return Text();
}

void TRzComboBox::SetValue(const QString &value)
{
    if (value == FValue && !FForceSetValue)
        return;
    const bool inSet = std::exchange(FInSetValue, true);
    int found = -1;
    for (int i = 0; i < Count() && found == -1; ++i)
        if (ValueAt(i) == value)
            found = i;
    SetItemIndex(found);
    FInSetValue = inSet;
    FValue = value;
}

void TRzComboBox::ValuesChanged(TObject *)
{
    const bool forcing = std::exchange(FForceSetValue, true);
    SetValue(GetValue());
    FForceSetValue = forcing;
}

void TRzComboBox::Change()
{
    if (!FInSetValue && !FForceSetValue)
        inherited::Change();
    if (ItemIndex() >= 0)
        SetValue(ValueAt(ItemIndex()));
}

void TRzComboBox::Click()
{
    if (!FInSetValue)
        inherited::Click();
    if (ItemIndex() >= 0)
        SetValue(ValueAt(ItemIndex()));
}

void TRzComboBox::SetItemHeight(int value)
{
    if (value == ItemHeight() || (Style() != csOwnerDrawFixed && Style() != csOwnerDrawVariable))
        return;
    inherited::SetItemHeight(value);
    if (WidgetIfCreated()) {
        DestroyWnd();
        CreateWnd();
    }
}

void TRzComboBox::ClearItemsValues()
{
    Items()->Clear();
    FValues->Clear();
}

void TRzComboBox::AddItemValue(const QString &item, const QString &value)
{
    Items()->Add(item);
    FValues->Add(value);
}

void TRzComboBox::InsertItemValue(int index, const QString &item, const QString &value)
{
    Items()->Insert(index, item);
    FValues->Insert(index, value);
}

void TRzComboBox::DeleteItemValue(int index)
{
    Items()->Delete(index);
    FValues->Delete(index);
}
