#pragma once
// The Delay page: per channel a slider (isDelay, 0 to 32640 samples at 48 kHz, 0 to 680 ms), a
// typed entry (cvdDelay), and on the plot area a speaker picture (imDelay) standing on a dashed
// line (lbDelayLine) whose length grows with the delay, the delay time written beside the picture
// (lbFftDelayTime); three unit buttons (rzbUnit0 to rzbUnit2, Tag 0 ms, 1 m, 2 ft) set how every
// delay is shown and typed. The delay always travels in samples; the unit is one setting of the
// model for all channels.
//
// The slider's change handler does the work of every way of setting a delay: the typed entry and
// the drag of a speaker picture only set the slider's position. A drag lasts from a press near the
// picture's foot on its line label to the next release on a line label, and only while that label
// holds the mouse capture: a capture lost to another window or a dialog ends it.

#include "pages/LinkGroups.h"
#include "pages/PageHost.h"
#include "platform/runtime/Events.h"

#include <QString>

#include <optional>
#include <string_view>

// The unit delays are shown in: the model's unit 0 ms, 1 m, 2 ft; any other value as ms.
int ShownDelayUnit(int unit);
// The delay text of a slider position in a unit ("10.000 ms", "3.435 m", "11.270 ft").
QString DelayText(int samples, int unit);
// Left of the speaker picture for a position on a line label `lineWidth` wide: the picture moves
// from 40 to lineWidth - 50 as the position goes from 0 to max (40 for a max of 0 or less).
int DelayPictureLeft(int position, int lineWidth, int max);
// The dashed line: `count` minus signs, none below 1, at most 132.
QString DelayDashes(int count);
// The position a typed delay asks for, in slider units within min..max, or none when the text is
// not a delay: a trailing unit suffix of the unit is dropped, the rest must be a decimal number
// of digits and at most one point.
std::optional<int> TypedDelaySamples(std::string_view ansiText, int unit, int min, int max);

class DelayPage {
public:
    DelayPage(PageHost &host, LinkGroups &links) : host_(host), links_(links) {}

    // OnChange of the six sliders; nothing while controls update.
    void isDelayInAChange(TObject *Sender);
    // OnClick of the unit buttons (Sender's Tag the unit; the button is down): every delay edit
    // and time label in that unit, then the unit to the model.
    void rzbUnit0Click(TObject *Sender);
    // The typed entry, on Enter and when the edit loses the focus. An entry that is not a delay
    // shows the current delay again with the caret at the end and sends nothing.
    void cvdDelayInBKeyDown(TObject *Sender, WORD &Key, TShiftState Shift);
    void cvdDelayInAExit(TObject *Sender);
    // The drag of a speaker picture along its line label.
    void lbDelayLineInAMouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void lbDelayLineInAMouseMove(TObject *Sender, TShiftState Shift, int X, int Y);
    void lbDelayLineInAMouseUp(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    // Places the channel's time label beside its picture and draws the dashed line up to it.
    void UpdateDelayLine(int channel);
    // Every channel of the group: picture at `pictureLeft`, line, texts and slider at `samples`.
    void MirrorDelayToLinked(int channel, int samples, int pictureLeft);

    bool IsDelayDragging() const { return dragging_; }

private:
    void TypedDelay(TObject *sender);
    QString ModelDelayText(int samples) const;

    PageHost &host_;
    LinkGroups &links_;
    bool dragging_ = false;  // a speaker picture is being dragged; one for the whole window
};
