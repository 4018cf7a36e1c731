#include "dialogs/FLinkSel.h"

#include "dialogs/DialogHost.h"
#include "dialogs/DialogTexts.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"
#include "widgets/skinned/RzGroupBox.h"

TfmLinkSel *fmLinkSel = nullptr;

namespace {

// Channels 0..1 are the inputs, 2..5 the outputs.
constexpr int FirstOutput = 2;

int FirstOfKind(int channel)
{
    return channel < FirstOutput ? 0 : FirstOutput;
}

int LastOfKind(int channel)
{
    return channel < FirstOutput ? FirstOutput - 1 : TfmLinkSel::Channels - 1;
}

// The channel's bit in the link masks of its kind.
int KindBit(int channel)
{
    return 1 << (channel - FirstOfKind(channel));
}

// The character that names a row in the buttons' names: A, B for the inputs, 1..4 for the outputs.
QChar RowCharacter(int channel)
{
    return channel < FirstOutput ? QChar(u'A' + channel) : QChar(u'1' + channel - FirstOutput);
}

}  // namespace

T_IMPLEMENT_CLASS(TfmLinkSel)
{
    using C = TfmLinkSel;
    b.Field("imBackground", &C::imBackground);
    b.Field("rzgLinkSelIn", &C::rzgLinkSelIn);
    b.Field("lbLinkSelInA", &C::lbLinkSelInA);
    b.Field("lbLinkSelInB", &C::lbLinkSelInB);
    b.Field("rzgLinkSelInA", &C::rzgLinkSelInA);
    b.Field("rzbALinkInA", &C::rzbALinkInA);
    b.Field("rzgLinkSelInB", &C::rzgLinkSelInB);
    b.Field("rzbBLinkInA", &C::rzbBLinkInA);
    b.Field("rzbBLinkInB", &C::rzbBLinkInB);
    b.Field("rzgLinkSelOut", &C::rzgLinkSelOut);
    b.Field("lbLinkSelOut1", &C::lbLinkSelOut1);
    b.Field("lbLinkSelOut2", &C::lbLinkSelOut2);
    b.Field("lbLinkSelOut3", &C::lbLinkSelOut3);
    b.Field("lbLinkSelOut4", &C::lbLinkSelOut4);
    b.Field("rzgLinkSelOut1", &C::rzgLinkSelOut1);
    b.Field("rzb1LinkOut1", &C::rzb1LinkOut1);
    b.Field("rzgLinkSelOut2", &C::rzgLinkSelOut2);
    b.Field("rzb2LinkOut1", &C::rzb2LinkOut1);
    b.Field("rzb2LinkOut2", &C::rzb2LinkOut2);
    b.Field("rzgLinkSelOut3", &C::rzgLinkSelOut3);
    b.Field("rzb3LinkOut1", &C::rzb3LinkOut1);
    b.Field("rzb3LinkOut2", &C::rzb3LinkOut2);
    b.Field("rzb3LinkOut3", &C::rzb3LinkOut3);
    b.Field("rzgLinkSelOut4", &C::rzgLinkSelOut4);
    b.Field("rzb4LinkOut1", &C::rzb4LinkOut1);
    b.Field("rzb4LinkOut2", &C::rzb4LinkOut2);
    b.Field("rzb4LinkOut3", &C::rzb4LinkOut3);
    b.Field("rzb4LinkOut4", &C::rzb4LinkOut4);
    b.Field("bnSet", &C::bnSet);
    b.Field("bnExit", &C::bnExit);
    b.Handler("FormShow", &C::FormShow);
    b.Handler("rzbBLinkInAClick", &C::rzbBLinkInAClick);
    b.Handler("rzb2LinkOut1Click", &C::rzb2LinkOut1Click);
    b.Handler("rzb3LinkOut1Click", &C::rzb3LinkOut1Click);
    b.Handler("rzb4LinkOut1Click", &C::rzb4LinkOut1Click);
    b.Handler("bnSetClick", &C::bnSetClick);
    b.Handler("bnExitClick", &C::bnExitClick);
}

TfmLinkSel::TfmLinkSel(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

TRzBmpButton *TfmLinkSel::LinkButton(int row, int column) const
{
    if (!IsChannel(row) || !IsChannel(column) || column > row || FirstOfKind(row) != FirstOfKind(column))
        return nullptr;
    const QString name = QStringLiteral("rzb") + RowCharacter(row) + QStringLiteral("Link") + ChannelSuffix(column);
    return dynamic_cast<TRzBmpButton *>(FindComponent(name));
}

void TfmLinkSel::ShowLinkMask(int channel, int mask)
{
    if (!IsChannel(channel))
        return;
    for (int row = channel; row <= LastOfKind(channel); ++row) {
        if (!(mask & KindBit(row)))
            continue;
        TRzBmpButton *button = LinkButton(row, channel);
        if (!button)
            return;
        button->SetDown(true);
        button->Click();
    }
}

void TfmLinkSel::ApplyGroupHeads()
{
    DialogHost &host = Host();
    for (int c = 0; c < Channels; ++c) {
        TRzBmpButton *diagonal = LinkButton(c, c);
        if (!diagonal)
            return;
        host.SetOverlayButtonsVisible(c, diagonal->Down());
        if (diagonal->Down())
            host.SetChannelButtonCaption(c, c);
    }
}

void TfmLinkSel::ApplyMemberCaptions()
{
    DialogHost &host = Host();
    for (int column = 0; column < Channels; ++column)
        for (int row = column; row <= LastOfKind(column); ++row) {
            TRzBmpButton *button = LinkButton(row, column);
            if (!button)
                return;
            if (button->Down())
                host.SetChannelButtonCaption(column, row);
        }
}

void TfmLinkSel::FormShow(TObject *)
{
    SetLangCaptions({{this, "SID_LINK_TITLE"}, {bnSet, "SID_SET"}, {bnExit, "SID_EXIT"}});
    FChanged = false;
}

void TfmLinkSel::RowClicked(int row, TObject *Sender)
{
    FChanged = true;
    auto *clicked = dynamic_cast<TRzBmpButton *>(Sender);
    if (!clicked)
        return;
    const bool heads = clicked->Tag() == row - FirstOfKind(row);
    for (int below = row + 1; below <= LastOfKind(row); ++below) {
        TRzBmpButton *member = LinkButton(below, row);
        if (!member)
            return;
        member->SetEnabled(heads);
        if (heads || !member->Down())
            continue;
        if (TRzBmpButton *own = LinkButton(below, below)) {
            own->SetDown(true);
            own->Click();
        }
    }
}

void TfmLinkSel::rzbBLinkInAClick(TObject *Sender)
{
    RowClicked(1, Sender);
}

void TfmLinkSel::rzb2LinkOut1Click(TObject *Sender)
{
    RowClicked(3, Sender);
}

void TfmLinkSel::rzb3LinkOut1Click(TObject *Sender)
{
    RowClicked(4, Sender);
}

void TfmLinkSel::rzb4LinkOut1Click(TObject *Sender)
{
    RowClicked(5, Sender);
}

void TfmLinkSel::bnSetClick(TObject *)
{
    DialogHost &host = Host();
    bool changed = false;
    for (int column = 0; column < Channels; ++column) {
        const int current = host.GetChannelLinkMask(column);
        int mask = 0;
        for (int row = column; row <= LastOfKind(column); ++row) {
            TRzBmpButton *button = LinkButton(row, column);
            if (!button)
                return;
            if (!button->Down())
                continue;
            mask |= KindBit(row);
            if (!(current & KindBit(row))) {
                // A new member takes its head's settings before the masks change.
                host.SetChannelButtonCaption(column, row);
                host.CopyChannel(column, row, false);
                changed = true;
            }
        }
        if (mask != current) {
            host.SetChannelLink(column, mask);
            changed = true;
        }
    }
    if (changed) {
        host.ReloadAllParameters();
        ApplyGroupHeads();
        host.ShowGainPage();
    }
    Close();
}

void TfmLinkSel::bnExitClick(TObject *)
{
    if (FChanged) {
        const DialogHost &host = Host();
        for (int c = 0; c < Channels; ++c)
            ShowLinkMask(c, host.GetChannelLinkMask(c));
    }
    Close();
}
