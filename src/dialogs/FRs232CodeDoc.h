#pragma once
// TfmRs232CodeDoc: what the two viewers of the control-code document share (TfmRs232CodeEnglish
// and TfmRs232Code differ only in their form data): a scrolling window with the document as rich
// text (RTFLabel, 630 pixels wide, laid out without wrapping) and ten pictures between its
// paragraphs, all at one left edge.
//
//  - Resize: the text and the pictures move to 50 + (window width - 750) / 2 from a window width
//    of 750 on, else to 50, so that they stay centred.
//  - Keys: Page Up / Page Down scroll by the window's height, the arrow keys by 30 pixels; the
//    wheel scrolls by 30 pixels a notch. The scroll bars keep each position within their range.
//  - Closing gives the window its normal state and a size of 755 x 666 for the next showing.

#include "platform/ui/Forms.h"

#include <array>

class TAdvOfficeImage;
class TRTFLabel;

class TfmRs232CodeDoc : public TForm {
    T_DECLARE_CLASS(TfmRs232CodeDoc, TForm)
    explicit TfmRs232CodeDoc(TComponent *AOwner);

    static constexpr int Pictures = 10;
    static constexpr int ScrollStep = 30;
    static constexpr int DocumentLeft = 50;
    static constexpr int CentredFromWidth = 750;
    static constexpr int ClosedWidth = 755;
    static constexpr int ClosedHeight = 666;

    TRTFLabel *RTFLabel = nullptr;
    TAdvOfficeImage *AdvOfficeImage1 = nullptr;
    TAdvOfficeImage *AdvOfficeImage2 = nullptr;
    TAdvOfficeImage *AdvOfficeImage3 = nullptr;
    TAdvOfficeImage *AdvOfficeImage4 = nullptr;
    TAdvOfficeImage *AdvOfficeImage5 = nullptr;
    TAdvOfficeImage *AdvOfficeImage6 = nullptr;
    TAdvOfficeImage *AdvOfficeImage7 = nullptr;
    TAdvOfficeImage *AdvOfficeImage8 = nullptr;
    TAdvOfficeImage *AdvOfficeImage9 = nullptr;
    TAdvOfficeImage *AdvOfficeImage10 = nullptr;

    // The pictures in document order.
    std::array<TAdvOfficeImage *, Pictures> Images() const;

    void FormShow(TObject *Sender);
    void FormResize(TObject *Sender);
    void FormKeyDown(TObject *Sender, WORD &Key, TShiftState Shift);
    void FormMouseWheelUp(TObject *Sender, TShiftState Shift, TPoint MousePos, bool &Handled);
    void FormMouseWheelDown(TObject *Sender, TShiftState Shift, TPoint MousePos, bool &Handled);
    void FormClose(TObject *Sender, TCloseAction &Action);
};
