#include "curves/MyPEQAllpass.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "curves/PeqBandTexts.h"
#include "device/GlobalConstants.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Edit.h"
#include "widgets/skinned/RzButton.h"
#include "widgets/skinned/RzCmboBx.h"
#include "widgets/skinned/RzLabel.h"

T_IMPLEMENT_CLASS(TMyPEQAllpass)
{
    using C = TMyPEQAllpass;
    b.Int("ChannelNumber", &C::ChannelNumber, &C::SetChannelNumber).Default(C::RowCount);
    b.Bool("UpdownVisable", &C::UpdownVisable, &C::SetUpdownVisable).Default(true);
    b.Bool("TitleVisable", &C::TitleVisable, &C::SetTitleVisable).Default(false);
    b.Int("TopBottomSpace", &C::TopBottomSpace, &C::SetTopBottomSpace).Default(15);
    b.Color("LabelColor", &C::LabelColor, &C::SetLabelColor).Default(0).Idents(ColorIdents());
    b.Color("EditBackColor", &C::EditBackColor, &C::SetEditBackColor).Default(clWindow).Idents(ColorIdents());
    b.Color("BypassBackColor", &C::BypassBackColor, &C::SetBypassBackColor).Default(clWindow).Idents(ColorIdents());
    b.Event("OnChange", &C::OnChange);
    b.Event("OnEditMouseDown", &C::OnEditMouseDown);
    b.Event("OnPeqTypeMouseWheel", &C::OnPeqTypeMouseWheel);
}

namespace {

constexpr int TypeCount = 7;
constexpr int BypassCaption = 7;
constexpr int TitleStripHeight = 13;
constexpr int HiddenTop = 10000;
constexpr int FieldMaxLength = 7;
constexpr int NumberFontSize = 12;
constexpr int OneKilohertzIndex = 170;

QString BuiltInCaption(int index)
{
    const std::string_view text = PeqTypeCaptions[static_cast<std::size_t>(index)];
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// ---- Construction ---------------------------------------------------------------------------------

TMyPEQAllpass::TMyPEQAllpass(TComponent *AOwner) : TRzGroupBox(AOwner)
{
    SetCaption(QString());
    SetBounds(Left(), Top(), 490, 420);
    for (int i = 0; i < static_cast<int>(Captions.size()); ++i)
        Captions[static_cast<std::size_t>(i)] = BuiltInCaption(i);

    const auto field = [this](int row, const QString &text) {
        auto *edit = new TEdit(this);
        edit->SetParent(this);
        edit->SetAlignment(taCenter);
        edit->SetMaxLength(FieldMaxLength);
        edit->SetTag(row);
        edit->SetText(text);
        edit->OnMouseDown = [this](TObject *sender, TMouseButton button, TShiftState shift, int x, int y) {
            MakeCurrent(static_cast<int>(static_cast<TComponent *>(sender)->Tag()));
            if (OnEditMouseDown)
                OnEditMouseDown(this, button, shift, x, y);
        };
        return edit;
    };
    // Enter in a field, or the field losing the focus, reads what was typed.
    const auto reads = [this](TEdit *edit, Field kind) {
        edit->OnKeyDown = [this, kind](TObject *sender, WORD &key, TShiftState) {
            if (key == VK_RETURN)
                ReadField(kind, static_cast<int>(static_cast<TComponent *>(sender)->Tag()));
        };
        edit->OnExit = [this, kind](TObject *sender) {
            ReadField(kind, static_cast<int>(static_cast<TComponent *>(sender)->Tag()));
        };
    };

    for (int row = 0; row < RowCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        auto *number = new TRzLabel(this);
        number->SetParent(this);
        number->Font()->SetSize(NumberFontSize);
        number->Font()->SetColor(static_cast<TColor>(BandColorAt(row)));
        number->SetTransparent(true);
        number->SetAlignment(taCenter);
        number->SetCaption(QString::number(row + 1));
        NumberLabels[r] = number;

        FrequencyEdits[r] = field(row, QString::number(row));
        reads(FrequencyEdits[r], Field::Frequency);
        QEdits[r] = field(row, QText(0));
        reads(QEdits[r], Field::Q);
        GainEdits[r] = field(row, GainText(0.0));
        reads(GainEdits[r], Field::Gain);

        auto *types = new TRzComboBox(this);
        types->SetParent(this);
        types->SetStyle(csDropDownList);
        types->SetTag(row);
        types->OnChange = [this](TObject *sender) {
            UserAction(static_cast<int>(static_cast<TComponent *>(sender)->Tag()));
        };
        types->OnMouseWheel = [this](TObject *sender, TShiftState shift, int delta, TPoint pos, bool &handled) {
            if (OnPeqTypeMouseWheel)
                OnPeqTypeMouseWheel(sender, shift, delta, pos, handled);
        };
        TypeLists[r] = types;

        auto *bypass = new TRzButton(this);
        bypass->SetParent(this);
        bypass->SetThemeAware(false);
        bypass->SetCaption(QString());
        bypass->SetTag(row);
        bypass->OnClick = [this](TObject *sender) {
            BypassClick(static_cast<int>(static_cast<TComponent *>(sender)->Tag()));
        };
        BypassButtons[r] = bypass;
    }
    NormalEditColor = FrequencyEdits[0]->Font()->Color();
}

TMyPEQAllpass::~TMyPEQAllpass() = default;

void TMyPEQAllpass::CreateWnd()
{
    TRzGroupBox::CreateWnd();
    for (int i = 0; i < static_cast<int>(Captions.size()); ++i)
        Captions[static_cast<std::size_t>(i)] = BuiltInCaption(i);
    // A row gets Low Shelf until something selects its type; a window made again keeps the types.
    for (int row = 0; row < FChannelNumber; ++row)
        FillTypeList(row, 1);
}

void TMyPEQAllpass::Paint()
{
    TRzGroupBox::Paint();
    RePaint();
}

// ---- Properties -----------------------------------------------------------------------------------

void TMyPEQAllpass::SetChannelNumber(int value)
{
    value = std::clamp(value, 1, RowCount);
    if (value == FChannelNumber)
        return;
    FChannelNumber = value;
    Change();
}

void TMyPEQAllpass::SetUpdownVisable(bool value)
{
    if (value == FUpdownVisable)
        return;
    FUpdownVisable = value;
    RePaint();
}

void TMyPEQAllpass::SetTitleVisable(bool value)
{
    if (value == FTitleVisable)
        return;
    FTitleVisable = value;
    RePaint();
}

void TMyPEQAllpass::SetLabelColor(TColor value)
{
    if (value == FLabelColor)
        return;
    FLabelColor = value;
    RePaint();
}

void TMyPEQAllpass::SetEditBackColor(TColor value)
{
    if (value == FEditBackColor)
        return;
    FEditBackColor = value;
    for (int row = 0; row < FChannelNumber; ++row) {
        for (Field f : {Field::Frequency, Field::Q, Field::Gain})
            EditOf(f, row)->SetColor(value);
        TypeList(row)->SetColor(value);
    }
    RePaint();
}

void TMyPEQAllpass::SetBypassBackColor(TColor value)
{
    if (value == FBypassBackColor)
        return;
    FBypassBackColor = value;
    for (int row = 0; row < FChannelNumber; ++row)
        if (BypassFlags[static_cast<std::size_t>(row)] != 1)
            BypassButton(row)->SetColor(value);
    RePaint();
}

void TMyPEQAllpass::Change()
{
    if (!OnChange)
        return;
    for (int row = 0; row < FChannelNumber; ++row)
        BypassButton(row)->SetColor(BypassFlags[static_cast<std::size_t>(row)] == 1 ? BypassedColor : FBypassBackColor);
    OnChange(this);
}

// ---- Values ---------------------------------------------------------------------------------------

double TMyPEQAllpass::GetFreqValue(int row) const
{
    return ValidRow(row) ? IndexToFreq(FrequencyPositions[static_cast<std::size_t>(row)] + OneKilohertzIndex) : 0.0;
}

double TMyPEQAllpass::GetQValue(int row) const
{
    return ValidRow(row) ? static_cast<double>(QfactorAt(QPositions[static_cast<std::size_t>(row)])) : 0.0;
}

double TMyPEQAllpass::GetGainValue(int row) const
{
    return ValidRow(row) ? GainPositions[static_cast<std::size_t>(row)] * 0.1 : 0.0;
}

int TMyPEQAllpass::GetTypeValue(int row) const
{
    return ValidRow(row) ? TypeList(row)->ItemIndex() : -1;
}

bool TMyPEQAllpass::GetBypassValue(int row) const
{
    return ValidRow(row) && BypassFlags[static_cast<std::size_t>(row)] != 0;
}

void TMyPEQAllpass::StoreFrequency(int row, int position)
{
    FrequencyPositions[static_cast<std::size_t>(row)] = position;
    FrequencyEdit(row)->SetText(DisplayText(Field::Frequency, row));
}

void TMyPEQAllpass::StoreGain(int row, double dB)
{
    // Truncated toward zero, within any gain a caller could mean.
    GainPositions[static_cast<std::size_t>(row)] = static_cast<int>(std::trunc(std::clamp(dB, -1.0e6, 1.0e6) * 10.0));
    GainEdit(row)->SetText(GainText(dB));
}

void TMyPEQAllpass::StoreQ(int row, double qIndex)
{
    QPositions[static_cast<std::size_t>(row)] =
        std::isnan(qIndex) ? 0 : static_cast<int>(std::clamp(qIndex, 0.0, 100.0));
    QEdit(row)->SetText(DisplayText(Field::Q, row));
}

void TMyPEQAllpass::SetFreqValue(int row, double hz)
{
    const std::optional<int> position = FrequencyPosition(hz);
    if (!ValidRow(row) || !position)
        return;
    StoreFrequency(row, *position);
    Change();
}

void TMyPEQAllpass::SetQValue(int row, double qIndex)
{
    if (!ValidRow(row))
        return;
    StoreQ(row, qIndex);
    Change();
}

void TMyPEQAllpass::SetGainValue(int row, double dB)
{
    if (!ValidRow(row) || !std::isfinite(dB))
        return;
    StoreGain(row, dB);
    Change();
}

void TMyPEQAllpass::SetTypeValue(int row, int peqType)
{
    if (!ValidRow(row))
        return;
    TypeList(row)->SetItemIndex(peqType);
    Change();
}

void TMyPEQAllpass::SetBypassValue(int row, bool bypass)
{
    if (!ValidRow(row))
        return;
    BypassFlags[static_cast<std::size_t>(row)] = bypass ? 1 : 0;
    Change();
}

void TMyPEQAllpass::SetEqParamValue(int row, double hz, double qIndex, double dB, int peqType, bool bypass)
{
    const std::optional<int> position = FrequencyPosition(hz);
    if (!ValidRow(row) || !position || !std::isfinite(dB))
        return;
    StoreFrequency(row, *position);
    StoreGain(row, dB);
    TypeList(row)->SetItemIndex(peqType);
    BypassFlags[static_cast<std::size_t>(row)] = bypass ? 1 : 0;
    StoreQ(row, qIndex);
    Change();
}

// ---- Typed texts and row actions ------------------------------------------------------------------

TEdit *TMyPEQAllpass::EditOf(Field field, int row) const
{
    switch (field) {
    case Field::Frequency: return FrequencyEdit(row);
    case Field::Q: return QEdit(row);
    case Field::Gain: break;
    }
    return GainEdit(row);
}

QString TMyPEQAllpass::DisplayText(Field field, int row) const
{
    const auto r = static_cast<std::size_t>(row);
    switch (field) {
    case Field::Frequency: return FrequencyPositionText(FrequencyPositions[r]);
    case Field::Q: return QText(QPositions[r]);
    case Field::Gain: break;
    }
    return GainText(GainPositions[r] / 10.0);
}

void TMyPEQAllpass::ReadField(Field field, int row)
{
    if (!ValidRow(row))
        return;
    TEdit *edit = EditOf(field, row);
    const QString typed = edit->Text();
    const auto r = static_cast<std::size_t>(row);
    std::optional<int> position;
    switch (field) {
    case Field::Frequency:
        if ((position = ReadFrequencyText(typed)))
            FrequencyPositions[r] = *position;
        break;
    case Field::Q:
        if ((position = ReadQText(typed)))
            QPositions[r] = *position;
        break;
    case Field::Gain:
        if ((position = ReadGainText(typed)))
            GainPositions[r] = *position;
        break;
    }
    edit->SetText(DisplayText(field, row));
    if (!position)
        edit->SetSelStart(static_cast<int>(edit->Text().size()));
    UserAction(row);
}

void TMyPEQAllpass::MakeCurrent(int row)
{
    PreviousIndex = NowIndex;
    NowIndex = row;
}

void TMyPEQAllpass::UserAction(int row)
{
    MakeCurrent(row);
    Change();
}

void TMyPEQAllpass::BypassClick(int row)
{
    auto &flag = BypassFlags[static_cast<std::size_t>(row)];
    flag = flag ? 0 : 1;
    BypassButton(row)->SetColor(flag ? BypassedColor : FBypassBackColor);
    UserAction(row);
}

// ---- Current row ----------------------------------------------------------------------------------

void TMyPEQAllpass::SetColor(int row, TColor colour)
{
    if (row < 0 || row >= FChannelNumber)
        return;
    for (Field f : {Field::Gain, Field::Q, Field::Frequency})
        EditOf(f, row)->Font()->SetColor(colour);
}

void TMyPEQAllpass::SetNowIndex(int row)
{
    if (row == -1) {
        SetColor(NowIndex, NormalEditColor);
        return;
    }
    if (!ValidRow(row))
        return;
    if (row != NowIndex) {
        SetColor(NowIndex, NormalEditColor);
        NowIndex = row;
        SetColor(NowIndex, MarkColor);
        return;
    }
    if (NowIndex == PreviousIndex)
        return;
    SetColor(PreviousIndex, NormalEditColor);
    PreviousIndex = NowIndex;
    SetColor(NowIndex, MarkColor);
}

// ---- Language -------------------------------------------------------------------------------------

void TMyPEQAllpass::SetEqTypeString(const QString &text, int index)
{
    if (index >= 0 && index < TypeCount)
        Captions[static_cast<std::size_t>(index)] = text;
}

void TMyPEQAllpass::SetBypassString(const QString &text)
{
    Captions[BypassCaption] = text;
}

void TMyPEQAllpass::FillTypeList(int row, int fallback)
{
    TRzComboBox *list = TypeList(row);
    const int selected = list->ItemIndex();
    list->ClearItems();
    for (int i = 0; i < TypeCount; ++i)
        list->Items()->Add(Captions[static_cast<std::size_t>(i)]);
    list->SetItemIndex(selected >= 0 ? selected : fallback);
}

void TMyPEQAllpass::ChangeLanguage()
{
    for (int row = 0; row < FChannelNumber; ++row) {
        FillTypeList(row, -1);
        BypassButton(row)->SetCaption(Captions[BypassCaption]);
    }
}

// ---- Layout ---------------------------------------------------------------------------------------

void TMyPEQAllpass::RePaint()
{
    if (Width() == FLaidOutWidth && Height() == FLaidOutHeight)
        return;
    FLaidOutWidth = Width();
    FLaidOutHeight = Height();
    const int titles = FTitleVisable ? TitleStripHeight : 0;
    const int n = FChannelNumber;
    const int c = (Width() - 68) / 5;
    const int h = (Height() - FTopBottomSpace - titles - 16) / n;
    NormalEditColor = FrequencyEdit(0)->Font()->Color();

    for (int row = 0; row < RowCount; ++row) {
        TControl *controls[] = {NumberLabel(row), FrequencyEdit(row), QEdit(row),
                                GainEdit(row),    TypeList(row),      BypassButton(row)};
        if (row >= n) {
            for (TControl *control : controls) {
                control->SetVisible(false);
                control->SetTop(HiddenTop);
            }
            continue;
        }
        TRzLabel *number = NumberLabel(row);
        number->SetCaption(QString::number(row + 1));
        const int labelTop = FTopBottomSpace + titles + h * row + 8;
        number->SetBounds(12, labelTop, 20, number->Height());
        const int top = labelTop - 1;
        const int fieldWidth = FUpdownVisable ? c - 20 : c;
        FrequencyEdit(row)->SetBounds(40, top, fieldWidth, FrequencyEdit(row)->Height());
        QEdit(row)->SetBounds(c + 48, top, fieldWidth, QEdit(row)->Height());
        GainEdit(row)->SetBounds(2 * c + 56, top, fieldWidth, GainEdit(row)->Height());
        TypeList(row)->SetBounds(3 * c + 64, top, c + 8, h);
        FillTypeList(row, 0);
        BypassButton(row)->SetBounds(4 * c + 78, top, c - 14, GainEdit(row)->Height());
        BypassButton(row)->SetCaption(Captions[BypassCaption]);
        // Rows hidden by an earlier layout with fewer rows come back.
        for (TControl *control : controls)
            control->SetVisible(true);
    }
}
