#pragma once
// The Comp page: per output (suffix "Out1" to "Out4", Tag 2 to 5) four sliders with a typed entry
// each, threshold (isCompThreshold, -180..40 in 0.5 dB steps), ratio (isCompRatio, 0..15, 15 the
// limiter), attack and release (isCompAttack, isCompRelease, 0..998 for 1 to 999 ms), and above
// them the transfer plot ipComp with the static curve of one selected output: channel 0 the three
// points of the curve, channel 1 a marker at the knee.
//
// A slider's change handler does the work of every way of setting a value: it shows the value,
// redraws the curve, stores the record in the model (which sends one compressor command) and shows
// the value on the output's link group. A typed entry only moves the slider. The typed-entry rules
// are plain functions below: text in, the slider position it asks for, or none when it is rejected.

#include "pages/LinkGroups.h"
#include "pages/PageHost.h"
#include "platform/runtime/Events.h"

#include <QString>

#include <optional>
#include <string_view>

// The slider texts: "+3.5dB"; "1:4.0" or "Limit"; "  1ms".
QString CompThresholdText(int position);
QString CompRatioText(int position);
QString CompTimeText(int position);
// The typed formats, shown after an entry: "-3.5dB" / "+3.5dB"; the ratio as on the slider;
// "250ms" without leading blanks.
QString TypedThresholdText(int position);
QString TypedTimeText(int position);

// The typed entries, from the edit's 8-bit text. `current` is the slider's position: an entry
// that would leave it where it is counts as rejected. Text the number conversion cannot read
// ("1:4dB", "-.", "5.5" for a time) is rejected too.
std::optional<int> TypedRatioPosition(std::string_view ansiText);
std::optional<int> TypedThresholdPosition(std::string_view ansiText, int current);
std::optional<int> TypedTimePosition(std::string_view ansiText, int current);

// The static curve of an output: the points (x, y) in dB of the curve, from 20 dB input down to
// -100 dB, and the knee marker.
struct CompressorCurve {
    struct Point {
        double X;
        double Y;
    };
    Point Points[3];
    Point Marker;
};
// From the threshold and ratio positions; `limiterRatio` is the ratio slider's Max (the limiter).
CompressorCurve CompressorTransferCurve(int thresholdPosition, int ratioPosition, int limiterRatio);

class CompressorPage {
public:
    // The compressor fields of SetCompressorParam and MirrorCompressorToLinked.
    enum Field { Threshold = 0, Attack = 1, Release = 2, Ratio = 3 };

    CompressorPage(PageHost &host, LinkGroups &links) : host_(host), links_(links) {}

    // OnChange of the sliders; nothing while controls update.
    void isCompThresholdOut1Change(TObject *Sender);
    void isCompRatioOut1Change(TObject *Sender);
    void isCompAttackOut1Change(TObject *Sender);
    void isCompReleaseOut1Change(TObject *Sender);
    // The typed entries, on Enter and when the edit loses the focus.
    void cvdCompThresholdOut1KeyDown(TObject *Sender, WORD &Key, TShiftState Shift);
    void cvdCompRatioOut1KeyDown(TObject *Sender, WORD &Key, TShiftState Shift);
    void cvdCompAttackOut1KeyDown(TObject *Sender, WORD &Key, TShiftState Shift);
    void cvdCompReleaseOut1KeyDown(TObject *Sender, WORD &Key, TShiftState Shift);
    void cvdCompThresholdOut1Exit(TObject *Sender);
    void cvdCompRatioOut1Exit(TObject *Sender);
    void cvdCompAttackOut1Exit(TObject *Sender);
    void cvdCompReleaseOut1Exit(TObject *Sender);
    // A press on any slider, edit or column title of an output selects it.
    void isCompThresholdOut1MouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void cvdCompThresholdOut1MouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void lbCompOut1MouseDown(TObject *Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    // The transfer plot shows the output (2 to 5) and the meter caption names it.
    void SelectCompressorChannel(int channel);
    // One field of the output's record takes the slider position; the model stores it in the
    // output's group and sends one command, unless controls update.
    void SetCompressorParam(int channel, int field, int position);
    // Every output of the group shows the value on its slider and edit.
    void MirrorCompressorToLinked(int channel, int field, int position);
    // Redraws the transfer curve of the output from its threshold and ratio sliders and names the
    // output in the plot's title; false when a control is missing.
    bool DrawCompressorCurve(int channel);

    // The output the transfer plot shows (the host keeps it); Out 1 at start.
    int GetSelectedCompChannel() const { return host_.SelectedCompChannel(); }

private:
    void SliderChange(TObject *sender, Field field);
    void TypedEntry(TObject *sender, Field field);
    void Select(TObject *sender);

    PageHost &host_;
    LinkGroups &links_;
};
