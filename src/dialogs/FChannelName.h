#pragma once
// TfmChannelName: the name of one channel, opened modally when the user clicks a channel's name
// label: the page sets the channel (SetChannel) and the label's text (SetNameText) first. OK sends
// the name even when it did not change: the edit's text as GBK, cut to 8 bytes between characters
// and filled up with zero bytes; the edit then shows what was sent. Enter in the edit clicks OK.

#include "platform/ui/Forms.h"

#include <string>

class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;

class TfmChannelName : public TForm {
    T_DECLARE_CLASS(TfmChannelName, TForm)
    explicit TfmChannelName(TComponent *AOwner);

    TImage *imBackground = nullptr;
    TLabel *lbChannelName = nullptr;
    TLabel *lbChannel = nullptr;
    TEdit *edName = nullptr;
    TRzBmpButton *btnOK = nullptr;
    TRzBmpButton *bnCancel = nullptr;

    // The channel (0 In A, 1 In B, 2..5 Out 1..Out 4) OK names; lbChannel shows it ("Out2 :").
    void SetChannel(int channel);
    int GetChannel() const { return Channel; }
    // The name (8-bit text) without trailing blanks and carriage returns, into edName.
    void SetNameText(const std::string &name);

    void FormShow(TObject *Sender);
    void FormActivate(TObject *Sender);
    void edNameKeyPress(TObject *Sender, QChar &Key);
    void btnOKClick(TObject *Sender);
    void bnCancelClick(TObject *Sender);

private:
    int Channel = 0;
};

extern TfmChannelName *fmChannelName;
