// The device ID and IP address dialog: the rules of its fields, what Set applies offline and
// online, Exit, and the address text of the main window.

#include "DialogsFixture.h"

#include "platform/ui/ControlsInput.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioButton.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

class NetworkSetupTest : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        fmNetworkSetup->Show();
    }
    void TearDown() override
    {
        fmNetworkSetup->Close();
        EXPECT_EQ(TestScript::Pending(), 0);
        DialogsTest::TearDown();
    }

    TEdit *Field(const char *name) { return dynamic_cast<TEdit *>(fmNetworkSetup->FindComponent(name)); }
    void SetAddressFields(const char *a, const char *b, const char *c, const char *d)
    {
        fmNetworkSetup->edIp1->SetText(a);
        fmNetworkSetup->edIp2->SetText(b);
        fmNetworkSetup->edIp3->SetText(c);
        fmNetworkSetup->edIp4->SetText(d);
    }
    // The message box answers "ID Setting Error" with OK.
    void ExpectIdError()
    {
        TestScript::ExpectModal("fmInformation", [](TCustomForm &) {
            EXPECT_EQ(fmInformation->lbMessage->Caption(), "ID Setting Error");
            fmInformation->btnOK->Click();
        });
    }
};

TEST_F(NetworkSetupTest, TypedValuesAreClampedOnEnterAndWhenTheFieldIsLeft)
{
    struct Case {
        const char *name;
        const char *field;
        const char *typed;
        bool enter;  // else the focus leaves the field
        const char *shown;
    };
    const Case cases[] = {
        {.name = "octet above 255 left", .field = "edIp2", .typed = "300", .enter = false, .shown = "255"},
        {.name = "octet above 255 entered", .field = "edIp4", .typed = "256", .enter = true, .shown = "255"},
        {.name = "octet 255 kept", .field = "edIp1", .typed = "255", .enter = true, .shown = "255"},
        {.name = "octet 0 kept", .field = "edIp3", .typed = "0", .enter = false, .shown = "0"},
        {.name = "empty octet left", .field = "edIp1", .typed = "", .enter = false, .shown = ""},
        {.name = "empty octet entered", .field = "edIp1", .typed = "", .enter = true, .shown = ""},
        {.name = "ID 0 entered", .field = "edId", .typed = "0", .enter = true, .shown = "1"},
        {.name = "ID 251 entered", .field = "edId", .typed = "251", .enter = true, .shown = "250"},
        {.name = "ID 251 left", .field = "edId", .typed = "251", .enter = false, .shown = "250"},
        {.name = "ID 000 left", .field = "edId", .typed = "000", .enter = false, .shown = "1"},
        {.name = "ID 250 kept", .field = "edId", .typed = "250", .enter = true, .shown = "250"},
        {.name = "empty ID entered", .field = "edId", .typed = "", .enter = true, .shown = ""},
        {.name = "empty ID left", .field = "edId", .typed = "", .enter = false, .shown = ""},
    };
    for (const Case &c : cases) {
        TEdit *field = Field(c.field);
        ASSERT_NE(field, nullptr) << c.name;
        fmNetworkSetup->FocusControl(field);
        field->SetText(c.typed);
        if (c.enter)
            TInputRouter::Key(VK_RETURN, {}, QChar(13));
        else
            fmNetworkSetup->FocusControl(field == fmNetworkSetup->edId ? fmNetworkSetup->edIp1 : fmNetworkSetup->edId);
        EXPECT_EQ(field->Text(), c.shown) << c.name;
    }
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(NetworkSetupTest, OfflineSetAppliesTheIdAndPointsTheLinkAtTheAddress)
{
    EXPECT_EQ(fmNetworkSetup->edIp1->Text(), "192");
    EXPECT_EQ(fmNetworkSetup->edIp4->Text(), "101");
    fmNetworkSetup->edId->SetText("5");
    SetAddressFields("10", "0", "0", "7");
    fmNetworkSetup->bnSet->Click();
    EXPECT_EQ(host.deviceIds, std::vector<int>{5});
    EXPECT_EQ(host.clientAddresses, std::vector<std::string>{"10.0.0.7"});
    EXPECT_EQ(host.ipAddress, 0x0A000007u);
    EXPECT_EQ(host.Count("SetAutoIpSetting"), 1);
    EXPECT_EQ(host.autoIpSetting, 0);
    EXPECT_FALSE(fmNetworkSetup->Visible());
}

TEST_F(NetworkSetupTest, OnlineAWrongIdIsRefusedAndTheDialogStaysOpen)
{
    host.connected = true;
    fmNetworkSetup->edId->SetText("300");
    ExpectIdError();
    fmNetworkSetup->bnSet->Click();
    EXPECT_EQ(fmNetworkSetup->edId->Text(), "1");
    EXPECT_TRUE(fmNetworkSetup->Visible());
    EXPECT_TRUE(host.deviceIds.empty());
    EXPECT_TRUE(host.clientAddresses.empty());
    EXPECT_EQ(host.Count("SetIpAddress"), 0);

    // Online only the ID is applied.
    fmNetworkSetup->edId->SetText("9");
    SetAddressFields("10", "0", "0", "7");
    fmNetworkSetup->bnSet->Click();
    EXPECT_EQ(host.deviceIds, std::vector<int>{9});
    EXPECT_EQ(host.ipAddress, 0xC0A80165u);
    EXPECT_FALSE(fmNetworkSetup->Visible());
}

TEST_F(NetworkSetupTest, AnEmptyIdIsRefusedLikeAWrongOneWhileTheAddressIsStillApplied)
{
    fmNetworkSetup->edId->SetText("");
    SetAddressFields("10", "1", "2", "3");
    ExpectIdError();
    fmNetworkSetup->bnSet->Click();
    EXPECT_EQ(fmNetworkSetup->edId->Text(), "1");
    EXPECT_TRUE(host.deviceIds.empty());
    EXPECT_EQ(host.ipAddress, 0x0A010203u);
    EXPECT_FALSE(fmNetworkSetup->Visible());
}

TEST_F(NetworkSetupTest, AnEmptyOctetKeepsTheAddressAndShowsItAgain)
{
    fmNetworkSetup->edId->SetText("5");
    SetAddressFields("10", "", "0", "7");
    fmNetworkSetup->bnSet->Click();
    EXPECT_EQ(host.deviceIds, std::vector<int>{5});
    EXPECT_TRUE(host.clientAddresses.empty());
    EXPECT_EQ(host.ipAddress, 0xC0A80165u);
    EXPECT_EQ(fmNetworkSetup->edIp1->Text(), "192");
    EXPECT_EQ(fmNetworkSetup->edIp2->Text(), "168");
    EXPECT_TRUE(fmNetworkSetup->Visible());
}

TEST_F(NetworkSetupTest, AnOctetAboveTheRangeCountsAsItsLargestValue)
{
    SetAddressFields("300", "168", "1", "101");
    fmNetworkSetup->bnSet->Click();
    EXPECT_EQ(host.clientAddresses, std::vector<std::string>{"255.168.1.101"});
    EXPECT_EQ(host.ipAddress, 0xFFA80165u);
}

TEST_F(NetworkSetupTest, ExitPutsTheCurrentIdBackAndAppliesNothing)
{
    host.deviceId = 3;
    fmNetworkSetup->edId->SetText("77");
    fmNetworkSetup->bnExit->Click();
    EXPECT_EQ(fmNetworkSetup->edId->Text(), "3");
    EXPECT_FALSE(fmNetworkSetup->Visible());
    EXPECT_TRUE(host.deviceIds.empty());

    fmNetworkSetup->Show();
    EXPECT_EQ(fmNetworkSetup->edId->Text(), "3");
}

TEST_F(NetworkSetupTest, TheAddressTextHasTheFirstOctetInTheHighBits)
{
    EXPECT_EQ(TfmNetworkSetup::FormatIpAddress(0xC0A80165), "192.168.1.101");
    EXPECT_EQ(TfmNetworkSetup::FormatIpAddress(0), "0.0.0.0");
    host.ipAddress = 0x0A000007;
    EXPECT_EQ(TfmNetworkSetup::FormatIpAddress(), "10.0.0.7");
}

TEST_F(NetworkSetupTest, TheHiddenRadioButtonsSwitchTheAddressFields)
{
    fmNetworkSetup->rbAutoSetting->SetChecked(true);
    EXPECT_FALSE(fmNetworkSetup->edIp3->Enabled());
    EXPECT_EQ(fmNetworkSetup->edIp3->Color(), static_cast<TColor>(0xC0C0C0));
    fmNetworkSetup->rbManualSetting->SetChecked(true);
    EXPECT_TRUE(fmNetworkSetup->edIp3->Enabled());
    EXPECT_EQ(fmNetworkSetup->edIp3->Color(), clWindow);
}

}  // namespace
