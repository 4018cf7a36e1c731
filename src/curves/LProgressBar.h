#pragma once
// LProgressBar: the LED-style level meter of the main window. A black panel holding a column of
// rectangle shapes (the segments), lit from the bottom up in proportion to an integer position.
// The segments fall into three colour groups from the top: FirstNum segments of the first group
// (red by default), SecondNum of the second (yellow), ThirdNum of the third (green); each group has
// an unlit and a lit colour. A one-segment meter serves as a lamp. The panel paints nothing of
// its own beyond the panel.
//
// The segments are owned by the meter and named "shape1" to "shapeN" from the top (N the segment
// count); the meter finds them by these names, which always run without gaps. Segment k (0 at the
// top) lies at left 0, width W, height H div N + 2, top trunc(H / N x k) - 1 for the panel's size
// W x H, so neighbours overlap. A size change reaches the segments when the panel is painted or
// invalidated (WndProc), which is also how the size from form data reaches them.
//
// SetPosition: with step = Max / N (a 32-bit float) the bottom trunc(Position / step) segments are
// lit, all N for a value at or above Max. A value equal to the current position changes nothing
// and repaints nothing; only segments whose colour changes are recoloured. A segment's group is
// its index, so groups sharing a colour still light in their own colours. With Max 0 or below,
// or no segment, the clamped position is stored and no segment is lit.
//
// Changing a count rebuilds the column (renumbered without gaps, every segment unlit) and keeps
// Position, so nothing is lit until a different position is set. Counts below 0 count as 0.
// GUI thread only.

#include "platform/ui/Panel.h"

class TShape;

class LProgressBar : public TCustomPanel {
    T_DECLARE_CLASS(LProgressBar, TCustomPanel)
    explicit LProgressBar(TComponent *AOwner);
    ~LProgressBar() override;

    // ---- Published properties ----
    // Unlit colours of the three groups, top to bottom. A change recolours every segment of the
    // group with it, lit or not, until the next position change lights them again.
    TColor FirstColor() const { return FFirstColor; }
    void SetFirstColor(TColor value);
    TColor SecondColor() const { return FSecondColor; }
    void SetSecondColor(TColor value);
    TColor ThirdColor() const { return FThirdColor; }
    void SetThirdColor(TColor value);
    // Segment counts of the three groups; a change rebuilds the column (see above).
    int FirstNum() const { return FFirstNum; }
    void SetFirstNum(int value);
    int SecondNum() const { return FSecondNum; }
    void SetSecondNum(int value);
    int ThirdNum() const { return FThirdNum; }
    void SetThirdNum(int value);
    int Position() const { return FPosition; }
    // Clamped to Min .. Max; lights the segments (see above).
    void SetPosition(int value);
    // The limits are stored only: nothing is redrawn and Position is not clamped again.
    int Max() const { return FMax; }
    void SetMax(int value) { FMax = value; }
    int Min() const { return FMin; }
    void SetMin(int value) { FMin = value; }
    // Lit colours of the three groups; a change recolours the group's lit segments.
    TColor LFirstColor() const { return FLFirstColor; }
    void SetLFirstColor(TColor value);
    TColor LSecondColor() const { return FLSecondColor; }
    void SetLSecondColor(TColor value);
    TColor LThirdColor() const { return FLThirdColor; }
    void SetLThirdColor(TColor value);

    int SegmentCount() const { return FSegmentCount; }
    // Segment k counted from the top (0-based); null outside 0 .. SegmentCount - 1.
    TShape *Segment(int k) const;

    // The panel's own handling, then, for WM_PAINT and CM_INVALIDATE, the segments laid out again
    // when the panel's size differs from the size they were laid out for.
    void WndProc(TMessage &message) override;

private:
    enum Group { First, Second, Third };
    Group GroupOf(int k) const;
    TColor UnlitColor(Group g) const;
    TColor LitColor(Group g) const;
    // Places segment k for the panel's current size.
    void PlaceSegment(TShape *segment, int k) const;
    void SetUnlitColor(TColor &field, Group group, TColor value);
    void SetLitColor(TColor &field, Group group, TColor value);
    // Replaces the count of `group` and rebuilds the column.
    void SetCount(int &count, Group group, int value);
    // A new unnamed segment on the panel.
    TShape *NewSegment();

    TColor FFirstColor = 0x000080;
    TColor FSecondColor = 0x008080;
    TColor FThirdColor = 0x008000;
    int FFirstNum = 1;
    int FSecondNum = 1;
    int FThirdNum = 3;
    int FSegmentCount = 5;
    int FLaidOutCount = 5;
    int FPosition = 0;
    TColor FLFirstColor = 0x0000FF;
    TColor FLSecondColor = 0x00FFFF;
    TColor FLThirdColor = 0x00FF00;
    int FMax = 100;
    int FMin = 0;
    int FLaidOutWidth = 14;
    int FLaidOutHeight = 132;
};
