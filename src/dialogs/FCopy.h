#pragma once
// TfmCopy: copies every setting of one channel onto another of the same kind (input onto input,
// output onto output); the main window does the copy and shows the result. Each row picks a
// source and a destination and has its own Copy button; the dialog stays open for further copies
// and keeps its choices between showings. A source equal to the destination is passed on as it
// is (the main window copies nothing then).
//
// The boxes take typed text, but a copy only ever names channels of its row: a row whose source
// or destination box shows no item of its list (typed text) copies nothing.

#include "platform/ui/Forms.h"

class TComboBox;
class TGroupBox;
class TImage;
class TLabel;
class TRzBmpButton;

class TfmCopy : public TForm {
    T_DECLARE_CLASS(TfmCopy, TForm)
    explicit TfmCopy(TComponent *AOwner);

    // The Copy buttons' Tag.
    enum Row { InputRow = 0, OutputRow = 1 };
    // The channel of the outputs' first item (Out 1).
    static constexpr int FirstOutput = 2;

    TImage *imBackground = nullptr;
    TGroupBox *gbInCopy = nullptr;
    TComboBox *cbInSource = nullptr;
    TLabel *lbInArrow = nullptr;
    TComboBox *cbInDestination = nullptr;
    TRzBmpButton *bnInChCopy = nullptr;
    TGroupBox *gbOutCopy = nullptr;
    TComboBox *cbOutSource = nullptr;
    TLabel *lbOutArrow = nullptr;
    TComboBox *cbOutDestination = nullptr;
    TRzBmpButton *bnOutChCopy = nullptr;
    TRzBmpButton *bnExit = nullptr;

    void FormShow(TObject *Sender);
    // Both Copy buttons: the row is the button's Tag.
    void bnInChCopyClick(TObject *Sender);
    void bnExitClick(TObject *Sender);
};

extern TfmCopy *fmCopy;
