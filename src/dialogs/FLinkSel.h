#pragma once
// TfmLinkSel: the link groups as a triangular grid of picture buttons, one row per channel and one
// column per channel of the same kind that may head a group. The button in row r, column c
// ("rzb" + row character + "Link" + column suffix, e.g. rzb3LinkOut1) is down when channel r
// belongs to the group headed by c; the buttons of a row sit in their own frame as one exclusive
// group, so each row has exactly one button down. The diagonal button is down for a head. A
// channel that is not a head takes no members: its column's buttons below it are disabled.
// Each button's caption is its row's channel, its Tag its column within its kind.
//
// Bits of a link mask: bit k is the k-th channel of the kind (In A, In B; Out 1 .. Out 4); the
// mask of column c is the set of rows whose button in c is down.
//
// Set (bnSet) applies the grid, columns in order (inputs first): each newly linked member gets its
// page-button caption and a copy of its head's settings, then each changed mask is stored; after
// any change every parameter is reloaded, the page buttons show the heads and the main window
// shows its gain page. Set without a change calls nothing. Exit after changes draws the model's
// grouping again. The grid keeps its state between showings; the refresh from the model draws
// into it (ShowLinkMask, ApplyGroupHeads, ApplyMemberCaptions).

#include "platform/ui/Forms.h"

class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

class TfmLinkSel : public TForm {
    T_DECLARE_CLASS(TfmLinkSel, TForm)
    explicit TfmLinkSel(TComponent *AOwner);

    static constexpr int Channels = 6;

    TImage *imBackground = nullptr;
    TRzGroupBox *rzgLinkSelIn = nullptr;
    TLabel *lbLinkSelInA = nullptr;
    TLabel *lbLinkSelInB = nullptr;
    TRzGroupBox *rzgLinkSelInA = nullptr;
    TRzBmpButton *rzbALinkInA = nullptr;
    TRzGroupBox *rzgLinkSelInB = nullptr;
    TRzBmpButton *rzbBLinkInA = nullptr;
    TRzBmpButton *rzbBLinkInB = nullptr;
    TRzGroupBox *rzgLinkSelOut = nullptr;
    TLabel *lbLinkSelOut1 = nullptr;
    TLabel *lbLinkSelOut2 = nullptr;
    TLabel *lbLinkSelOut3 = nullptr;
    TLabel *lbLinkSelOut4 = nullptr;
    TRzGroupBox *rzgLinkSelOut1 = nullptr;
    TRzBmpButton *rzb1LinkOut1 = nullptr;
    TRzGroupBox *rzgLinkSelOut2 = nullptr;
    TRzBmpButton *rzb2LinkOut1 = nullptr;
    TRzBmpButton *rzb2LinkOut2 = nullptr;
    TRzGroupBox *rzgLinkSelOut3 = nullptr;
    TRzBmpButton *rzb3LinkOut1 = nullptr;
    TRzBmpButton *rzb3LinkOut2 = nullptr;
    TRzBmpButton *rzb3LinkOut3 = nullptr;
    TRzGroupBox *rzgLinkSelOut4 = nullptr;
    TRzBmpButton *rzb4LinkOut1 = nullptr;
    TRzBmpButton *rzb4LinkOut2 = nullptr;
    TRzBmpButton *rzb4LinkOut3 = nullptr;
    TRzBmpButton *rzb4LinkOut4 = nullptr;
    TRzBmpButton *bnSet = nullptr;
    TRzBmpButton *bnExit = nullptr;

    // The button of row `row` in column `column` (channels 0..5, one kind, column at or before
    // row); nullptr for any other pair or when the form lacks it.
    TRzBmpButton *LinkButton(int row, int column) const;
    // A link button was clicked since the dialog was last shown.
    bool Changed() const { return FChanged; }

    // Draws column `channel` from its mask: every row whose bit is set gets its button down and
    // clicked (so the row handlers enable and disable as for the user); rows whose bit is clear
    // are left alone.
    void ShowLinkMask(int channel, int mask);
    // For each channel: the overlay buttons of its page show when it heads a group, and then its
    // page button shows its plain name.
    void ApplyGroupHeads();
    // Every page button shows its channel's place in the grid: members "3=1", heads their name.
    void ApplyMemberCaptions();

    void FormShow(TObject *Sender);
    // The row handlers of In B, Out 2, Out 3 and Out 4 (In A and Out 1 have one button and none).
    void rzbBLinkInAClick(TObject *Sender);
    void rzb2LinkOut1Click(TObject *Sender);
    void rzb3LinkOut1Click(TObject *Sender);
    void rzb4LinkOut1Click(TObject *Sender);
    void bnSetClick(TObject *Sender);
    void bnExitClick(TObject *Sender);

private:
    // A button of row `row` went down: a head opens its column to the rows below it; a channel that
    // joined another group closes it, and rows that were in its group go back to heading their own.
    void RowClicked(int row, TObject *Sender);

    bool FChanged = false;
};

extern TfmLinkSel *fmLinkSel;
