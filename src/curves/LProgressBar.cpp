#include "curves/LProgressBar.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Shape.h"

T_IMPLEMENT_CLASS(LProgressBar)
{
    using C = LProgressBar;
    b.Enum("BevelInner", &C::BevelInner, &C::SetBevelInner, BevelCutNames).Default(bvLowered);
    b.Enum("BevelOuter", &C::BevelOuter, &C::SetBevelOuter, BevelCutNames).Default(bvLowered);
    b.Color("Color", &C::Color, &C::SetColor).Default(clBlack).Idents(ColorIdents());
    b.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
    b.Color("FirstColor", &C::FirstColor, &C::SetFirstColor).Default(0x000080).Idents(ColorIdents());
    b.Color("SecondColor", &C::SecondColor, &C::SetSecondColor).Default(0x008080).Idents(ColorIdents());
    b.Color("ThirdColor", &C::ThirdColor, &C::SetThirdColor).Default(0x008000).Idents(ColorIdents());
    b.Int("FirstNum", &C::FirstNum, &C::SetFirstNum).Default(1);
    b.Int("SecondNum", &C::SecondNum, &C::SetSecondNum).Default(1);
    b.Int("ThirdNum", &C::ThirdNum, &C::SetThirdNum).Default(3);
    b.Int("Position", &C::Position, &C::SetPosition).Default(0);
    b.Int("Max", &C::Max, &C::SetMax);
    b.Int("Min", &C::Min, &C::SetMin).Default(0);
    b.Color("LFirstColor", &C::LFirstColor, &C::SetLFirstColor).Default(0x0000FF).Idents(ColorIdents());
    b.Color("LSecondColor", &C::LSecondColor, &C::SetLSecondColor).Default(0x00FFFF).Idents(ColorIdents());
    b.Color("LThirdColor", &C::LThirdColor, &C::SetLThirdColor).Default(0x00FF00).Idents(ColorIdents());
}

namespace {

QString SegmentName(int number)
{
    return QStringLiteral("shape") + QString::number(number);
}

}  // namespace

LProgressBar::LProgressBar(TComponent *AOwner) : TCustomPanel(AOwner)
{
    SetBevelInner(bvLowered);
    SetBevelOuter(bvLowered);
    SetBounds(Left(), Top(), 14, 132);
    SetColor(clBlack);
    for (int k = 0; k < FSegmentCount; ++k) {
        TShape *segment = NewSegment();
        PlaceSegment(segment, k);
        segment->SetName(SegmentName(k + 1));
        segment->Brush()->SetColor(UnlitColor(GroupOf(k)));
    }
}

LProgressBar::~LProgressBar() = default;

TShape *LProgressBar::NewSegment()
{
    auto *segment = new TShape(this);
    segment->SetParent(this);
    return segment;
}

// ---- Segments -------------------------------------------------------------------------------------

TShape *LProgressBar::Segment(int k) const
{
    if (k < 0 || k >= FLaidOutCount)
        return nullptr;
    return dynamic_cast<TShape *>(FindComponent(SegmentName(k + 1)));
}

LProgressBar::Group LProgressBar::GroupOf(int k) const
{
    if (k < FFirstNum)
        return First;
    return k < FFirstNum + FSecondNum ? Second : Third;
}

TColor LProgressBar::UnlitColor(Group g) const
{
    return g == First ? FFirstColor : g == Second ? FSecondColor : FThirdColor;
}

TColor LProgressBar::LitColor(Group g) const
{
    return g == First ? FLFirstColor : g == Second ? FLSecondColor : FLThirdColor;
}

void LProgressBar::PlaceSegment(TShape *segment, int k) const
{
    const int n = FSegmentCount;
    const int h = Height();
    segment->SetBounds(0, static_cast<int>(static_cast<double>(h) / n * k) - 1, Width(), h / n + 2);
}

void LProgressBar::WndProc(TMessage &message)
{
    TCustomPanel::WndProc(message);
    if (message.Msg != WM_PAINT && message.Msg != CM_INVALIDATE)
        return;
    if (FLaidOutWidth == 0 || (Width() == FLaidOutWidth && Height() == FLaidOutHeight))
        return;
    FLaidOutWidth = Width();
    FLaidOutHeight = Height();
    for (int k = 0; k < FLaidOutCount; ++k)
        if (TShape *segment = Segment(k))
            PlaceSegment(segment, k);
}

// ---- Position -------------------------------------------------------------------------------------

void LProgressBar::SetPosition(int value)
{
    if (value == FPosition)
        return;
    FPosition = value > FMax ? FMax : value < FMin ? FMin : value;
    const int n = FLaidOutCount;
    int lit = 0;
    if (FMax > 0 && n > 0) {
        const float step = static_cast<float>(FMax) / static_cast<float>(n);
        // A position below 0 (a negative Min) lights nothing.
        lit = std::clamp(static_cast<int>(std::trunc(FPosition / static_cast<double>(step))), 0, n);
        if (value >= FMax && lit < n)
            ++lit;
    }
    // Only segments whose colour has to change are recoloured.
    for (int k = 0; k < n; ++k)
        if (TShape *segment = Segment(k)) {
            const Group g = GroupOf(k);
            const TColor want = k >= n - lit ? LitColor(g) : UnlitColor(g);
            if (segment->Brush()->Color() != want)
                segment->Brush()->SetColor(want);
        }
}

// ---- Colours --------------------------------------------------------------------------------------

void LProgressBar::SetUnlitColor(TColor &field, Group group, TColor value)
{
    if (value == field)
        return;
    field = value;
    for (int k = 0; k < FLaidOutCount; ++k)
        if (TShape *segment = Segment(k); segment && GroupOf(k) == group)
            segment->Brush()->SetColor(value);
}

void LProgressBar::SetLitColor(TColor &field, Group group, TColor value)
{
    if (value == field)
        return;
    for (int k = 0; k < FLaidOutCount; ++k)
        if (TShape *segment = Segment(k); segment && GroupOf(k) == group && segment->Brush()->Color() == field)
            segment->Brush()->SetColor(value);
    field = value;
}

void LProgressBar::SetFirstColor(TColor value)
{
    SetUnlitColor(FFirstColor, First, value);
}

void LProgressBar::SetSecondColor(TColor value)
{
    SetUnlitColor(FSecondColor, Second, value);
}

void LProgressBar::SetThirdColor(TColor value)
{
    SetUnlitColor(FThirdColor, Third, value);
}

void LProgressBar::SetLFirstColor(TColor value)
{
    SetLitColor(FLFirstColor, First, value);
}

void LProgressBar::SetLSecondColor(TColor value)
{
    SetLitColor(FLSecondColor, Second, value);
}

void LProgressBar::SetLThirdColor(TColor value)
{
    SetLitColor(FLThirdColor, Third, value);
}

// ---- Counts ---------------------------------------------------------------------------------------

void LProgressBar::SetCount(int &count, Group group, int value)
{
    value = std::max(value, 0);
    if (value == count)
        return;
    // The group's segments end at `end` in the column; it grows or shrinks at that end.
    const int end = FFirstNum + (group >= Second ? FSecondNum : 0) + (group == Third ? FThirdNum : 0);
    FSegmentCount += value - count;
    std::vector<TShape *> column;
    for (int k = 0; k < FLaidOutCount; ++k)
        column.push_back(Segment(k));
    if (value > count) {
        for (int i = 0; i < value - count; ++i)
            column.insert(column.begin() + end, NewSegment());
    } else {
        for (int k = end - 1; k >= end - (count - value); --k)
            delete column[static_cast<std::size_t>(k)];
        column.erase(column.begin() + (end - (count - value)), column.begin() + end);
    }
    count = value;
    FLaidOutCount = FSegmentCount;

    // Numbered again from the top without gaps, placed and unlit.
    for (TShape *segment : column)
        if (segment)
            segment->SetName(QString());
    for (int k = 0; k < FLaidOutCount; ++k)
        if (TShape *segment = column[static_cast<std::size_t>(k)]) {
            segment->SetName(SegmentName(k + 1));
            PlaceSegment(segment, k);
            segment->Brush()->SetColor(UnlitColor(GroupOf(k)));
        }
}

void LProgressBar::SetFirstNum(int value)
{
    SetCount(FFirstNum, First, value);
}

void LProgressBar::SetSecondNum(int value)
{
    SetCount(FSecondNum, Second, value);
}

void LProgressBar::SetThirdNum(int value)
{
    SetCount(FThirdNum, Third, value);
}
