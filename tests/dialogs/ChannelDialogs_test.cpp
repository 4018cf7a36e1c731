// The channel copy and channel name dialogs: what they hand the channel pages, and which names go
// to the processor as which bytes.

#include "DialogsFixture.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

using Calls = std::vector<std::string>;

// ---- Channel copy -------------------------------------------------------------------------------

class CopyTest : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        fmCopy->Show();
    }
    void TearDown() override
    {
        fmCopy->Close();
        DialogsTest::TearDown();
    }
};

TEST_F(CopyTest, TheDefaultsCopyTheFirstChannelOntoTheSecondAndTheDialogStaysOpen)
{
    Press(fmCopy->bnInChCopy);
    Press(fmCopy->bnOutChCopy);
    EXPECT_EQ(host.calls, (Calls{"CopyChannel(0,1,true)", "CopyChannel(2,3,true)"}));
    EXPECT_TRUE(fmCopy->Visible());
}

TEST_F(CopyTest, TheChoicesStayBetweenShowingsAndASameChannelCopyIsPassedOn)
{
    fmCopy->cbOutSource->SetItemIndex(3);
    fmCopy->cbOutDestination->SetItemIndex(1);
    fmCopy->cbInDestination->SetItemIndex(0);
    Press(fmCopy->bnExit);
    EXPECT_FALSE(fmCopy->Visible());

    fmCopy->Show();
    Press(fmCopy->bnOutChCopy);
    Press(fmCopy->bnInChCopy);
    EXPECT_EQ(host.calls, (Calls{"CopyChannel(5,3,true)", "CopyChannel(0,0,true)"}));
}

TEST_F(CopyTest, ARowWhoseBoxShowsTypedTextCopiesNothing)
{
    Type(fmCopy->cbOutDestination, "9");
    EXPECT_EQ(fmCopy->cbOutDestination->ItemIndex(), -1);
    Press(fmCopy->bnOutChCopy);
    // The other row is not affected.
    Press(fmCopy->bnInChCopy);
    Type(fmCopy->cbInSource, "X");
    Press(fmCopy->bnInChCopy);
    EXPECT_EQ(host.calls, (Calls{"CopyChannel(0,1,true)"}));
}

// ---- Channel names: all six -------------------------------------------------------------------

class NameListTest : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        fmChNameList->Show();
    }
    void TearDown() override
    {
        fmChNameList->Close();
        DialogsTest::TearDown();
    }
};

TEST_F(NameListTest, EachShowingShowsTheModelsNames)
{
    host.channelNames[3] = FakeDialogHost::Name8("Sub");
    host.channelNames[5] = "ABCDEFGH";  // all 8 bytes, no zero byte
    fmChNameList->Close();
    fmChNameList->Show();
    EXPECT_EQ(fmChNameList->edMatrixChNameInA->Text(), "Input1");
    EXPECT_EQ(fmChNameList->edMatrixChNameOut2->Text(), "Sub");
    EXPECT_EQ(fmChNameList->edMatrixChNameOut4->Text(), "ABCDEFGH");
}

TEST_F(NameListTest, SetWithoutEditsSendsNothingAndCloses)
{
    Press(fmChNameList->btnOK);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(fmChNameList->Visible());
}

TEST_F(NameListTest, OnlyChangedNamesGoOutInputsFirst)
{
    fmChNameList->edMatrixChNameOut3->SetText("Sub");
    Press(fmChNameList->btnOK);
    EXPECT_EQ(host.calls, (Calls{"SetChannelName(4)"}));

    fmChNameList->Show();
    fmChNameList->edMatrixChNameOut4->SetText("Top");
    fmChNameList->edMatrixChNameInB->SetText("Mic");
    Press(fmChNameList->btnOK);
    EXPECT_EQ(host.calls, (Calls{"SetChannelName(4)", "SetChannelName(1)", "SetChannelName(5)"}));
}

struct NameCase {
    const char *name;
    const char *typed;  // UTF-8
    std::string sent;   // the 8 bytes handed on
    const char *shown;  // the edit afterwards
};

const NameCase kNames[] = {
    {.name = "short name filled up with zero bytes",
     .typed = "Sub",
     .sent = std::string("Sub\0\0\0\0\0", 8),
     .shown = "Sub"},
    {.name = "empty name", .typed = "", .sent = std::string(8, '\0'), .shown = ""},
    {.name = "percent signs as typed", .typed = "50%%d%s", .sent = std::string("50%%d%s\0", 8), .shown = "50%%d%s"},
    {.name = "eight bytes", .typed = "12345678", .sent = "12345678", .shown = "12345678"},
    // Four two-byte GBK characters are 8 bytes.
    {.name = "four Chinese characters",
     .typed = "低音左声",
     .sent = "\xB5\xCD\xD2\xF4\xD7\xF3\xC9\xF9",
     .shown = "低音左声"},
    // Seven bytes of ASCII and a two-byte character: the character does not fit and is left out
    // whole.
    {.name = "a two-byte character is never split",
     .typed = "Bass123低",
     .sent = std::string("Bass123\0", 8),
     .shown = "Bass123"},
};

TEST_F(NameListTest, ANameIsEightBytesCutBetweenCharactersAndFilledWithZeroBytes)
{
    for (const NameCase &c : kNames) {
        SCOPED_TRACE(c.name);
        host.namesSent.clear();
        fmChNameList->Show();
        fmChNameList->edMatrixChNameOut1->SetText(QString::fromUtf8(c.typed));
        Press(fmChNameList->btnOK);
        ASSERT_EQ(host.namesSent.size(), 1u);
        EXPECT_EQ(host.namesSent[0].first, 2);
        EXPECT_EQ(host.namesSent[0].second, c.sent);
        EXPECT_EQ(fmChNameList->edMatrixChNameOut1->Text(), QString::fromUtf8(c.shown));
        host.channelNames[2] = FakeDialogHost::Name8("Output1");
    }
}

// ---- Channel names: one channel ---------------------------------------------------------------

TEST_F(DialogsTest, TheSingleNameDialogShowsItsChannelAndSendsOnOkEvenUnchanged)
{
    fmChannelName->SetChannel(3);
    fmChannelName->SetNameText("Sub   \r");
    EXPECT_EQ(fmChannelName->lbChannel->Caption(), "Out2 :");
    EXPECT_EQ(fmChannelName->edName->Text(), "Sub");
    fmChannelName->SetChannel(0);
    EXPECT_EQ(fmChannelName->lbChannel->Caption(), "InA :");
    fmChannelName->SetChannel(3);

    TestScript::ExpectModal("fmChannelName", [](TCustomForm &) { Press(fmChannelName->btnOK); });
    fmChannelName->ShowModal();
    ASSERT_EQ(host.namesSent.size(), 1u);
    EXPECT_EQ(host.namesSent[0], std::make_pair(3, std::string("Sub\0\0\0\0\0", 8)));
    EXPECT_FALSE(fmChannelName->Visible());
}

TEST_F(DialogsTest, EnterInTheNameClicksOkAndCancelSendsNothing)
{
    fmChannelName->SetChannel(5);
    fmChannelName->SetNameText("Top");
    TestScript::ExpectModal("fmChannelName", [](TCustomForm &) {
        // The field has the focus with its text selected: typing replaces it.
        Type(fmChannelName->edName, "Fill");
        TInputRouter::Key(VK_RETURN, {}, QChar(13));
    });
    fmChannelName->ShowModal();
    TestScript::ExpectModal("fmChannelName", [](TCustomForm &) { Press(fmChannelName->bnCancel); });
    fmChannelName->ShowModal();
    ASSERT_EQ(host.namesSent.size(), 1u);
    EXPECT_EQ(host.namesSent[0], std::make_pair(5, std::string("Fill\0\0\0\0", 8)));
    EXPECT_EQ(fmChannelName->edName->Text(), "Fill");
}

}  // namespace
