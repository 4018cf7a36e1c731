#include "platform/ui/RadioGroup.h"

#include "platform/ui/Bitmap.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/RadioButton.h"

#include <algorithm>

T_IMPLEMENT_CLASS(TCustomRadioGroup) {}

T_IMPLEMENT_CLASS(TRadioGroup)
{
    b.Int("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1);
    b.Int("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1);
    b.Object("Items", &TRadioGroup::Items, &TRadioGroup::SetItems);
}

TCustomRadioGroup::TCustomRadioGroup(TComponent *AOwner)
    : TCustomGroupBox(AOwner), FItems(std::make_unique<TStringList>())
{
    FControlStyle >> csAcceptsControls;
    FItems->OnChange = [this](TObject *) { ItemsChanged(); };
}

TCustomRadioGroup::~TCustomRadioGroup()
{
    Destroying();
    FItems->OnChange = nullptr;
}

TRadioButton *TCustomRadioGroup::Buttons(int index) const
{
    return FButtons.at(static_cast<std::size_t>(index));
}

void TCustomRadioGroup::ItemsChanged()
{
    FUpdating = true;
    while (FButtons.size() > static_cast<std::size_t>(FItems->Count())) {
        delete FButtons.back();
        FButtons.pop_back();
    }
    while (FButtons.size() < static_cast<std::size_t>(FItems->Count())) {
        auto *button = new TRadioButton(nullptr);
        button->SetParent(this);
        button->OnClick = TNotifyEvent(this, &TCustomRadioGroup::ButtonClick);
        FButtons.push_back(button);
    }
    for (std::size_t i = 0; i < FButtons.size(); ++i)
        FButtons[i]->SetCaption(FItems->Get(static_cast<int>(i)));
    if (FItemIndex >= static_cast<int>(FButtons.size()) && !ComponentState().Contains(csLoading))
        FItemIndex = -1;
    for (std::size_t i = 0; i < FButtons.size(); ++i)
        FButtons[i]->SetChecked(static_cast<int>(i) == FItemIndex);
    FUpdating = false;
    ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons()
{
    if (FButtons.empty())
        return;
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    const int textHeight = measure.Canvas()->TextHeight(QStringLiteral("0"));
    const int perColumn = (static_cast<int>(FButtons.size()) + FColumns - 1) / FColumns;
    const int columnWidth = (Width() - 10) / FColumns;
    const int top = textHeight + 1;
    const int rowHeight = std::max(1, (Height() - top - 5) / perColumn);
    for (std::size_t i = 0; i < FButtons.size(); ++i) {
        const int col = static_cast<int>(i) / perColumn;
        const int row = static_cast<int>(i) % perColumn;
        FButtons[i]->SetBounds(col * columnWidth + 8, top + row * rowHeight + (rowHeight - textHeight - 4) / 2,
                               columnWidth - 8, textHeight + 4);
    }
}

void TCustomRadioGroup::SetItemIndex(int value)
{
    if (ComponentState().Contains(csLoading)) {
        FItemIndex = value;  // applied in Loaded, once the items are there
        return;
    }
    value = std::clamp(value, -1, static_cast<int>(FButtons.size()) - 1);
    if (value == FItemIndex)
        return;
    if (FItemIndex >= 0)
        FButtons[static_cast<std::size_t>(FItemIndex)]->SetChecked(false);
    FItemIndex = value;
    // Checking the button runs its click, which reports the choice as the user's would.
    if (FItemIndex >= 0)
        FButtons[static_cast<std::size_t>(FItemIndex)]->SetChecked(true);
}

void TCustomRadioGroup::ButtonClick(TObject *Sender)
{
    if (FUpdating)
        return;
    const auto it = std::find(FButtons.begin(), FButtons.end(), Sender);
    if (it == FButtons.end())
        return;
    FItemIndex = static_cast<int>(it - FButtons.begin());
    Click();
}

void TCustomRadioGroup::SetColumns(int value)
{
    FColumns = std::clamp(value, 1, 16);
    ArrangeButtons();
}

void TCustomRadioGroup::Loaded()
{
    const int index = FItemIndex;
    FItemIndex = -1;
    TCustomGroupBox::Loaded();
    FUpdating = true;
    SetItemIndex(index);
    FUpdating = false;
    ArrangeButtons();
}

void TCustomRadioGroup::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomGroupBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    ArrangeButtons();
}
