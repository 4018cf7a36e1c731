// What every dialog shares: its texts come from the language table at each showing, so a language
// switch shows at the next showing; closing only hides a dialog and its controls keep their state.

#include "DialogsFixture.h"

#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"
#include "platform/ui/ValueListEditor.h"

namespace {

struct TextCase {
    const char *dialog;
    const char *control;  // "" for the dialog's caption
    const char *key;
    const char *english;
    const char *chinese;
};

const TextCase kTexts[] = {
    {"fmInformation", "", "SID_INFO_TITLE", "Information", "讯息"},
    {"fmInformation", "btnOK", "SID_EXIT_OK", "OK", "确定"},
    {"fmExit", "", "SID_INFO_TITLE", "Information", "讯息"},
    {"fmExit", "lbExit", "SID_EXIT_QUIT", "Are you sure to quit ?", "您确定要退出吗 ?"},
    {"fmExit", "btnOK", "SID_EXIT_OK", "OK", "确定"},
    {"fmExit", "btnCancel", "SID_EXIT_CANCEL", "Cancel", "取消"},
    {"fmAbout", "", "SID_ABOUT", "About", "关于"},
    {"fmFactory", "", "SID_INFO_TITLE", "Information", "讯息"},
    {"fmFactory", "lbMessage", "SID_FACTORY_DEFAULT", "Are you Sure to Return Factory Default?",
     "确定要恢复机器出厂设置?"},
    {"fmFactory", "btnOK", "SID_EXIT_OK", "OK", "确定"},
    {"fmFactory", "bnCancel", "SID_EXIT_CANCEL", "Cancel", "取消"},
    {"fmPeqRst", "", "SID_PEQRST", "Information", "提示"},
    {"fmPeqRst", "lbReset", "SID_PEQRST_RESET", "Are you sure to RESET EQ ?", "您确定要重置均衡吗 ?"},
    {"fmPeqRst", "btnOK", "SID_PEQRST_OK", "OK", "确定"},
    {"fmPeqRst", "btnCancel", "SID_PEQRST_CANCEL", "Cancel", "取消"},
    {"fmLockPassWord", "", "SID_UNLOCK_TITLE", "UnLock Setting", "操作锁设定"},
    {"fmLockPassWord", "lblLockPassword", "SID_UNLOCK_PASSWORD", "UnLock Password", "解锁密码"},
    {"fmLockPassWord", "btnOK", "SID_EXIT_OK", "OK", "确定"},
    {"fmLockPassWord", "bnCancel", "SID_EXIT_CANCEL", "Cancel", "取消"},
    {"fmLockSetup", "", "SID_LOCK_TITLE", "Lock Setting", "操作锁设定"},
    {"fmLockSetup", "lblLockPassword", "SID_LOCK_PASSWORD", "Lock Password", "操作锁密码"},
    {"fmLockSetup", "btnOK", "SID_EXIT_OK", "OK", "确定"},
    {"fmLockSetup", "btnExit", "SID_EXIT_CANCEL", "Cancel", "取消"},
    {"fmNetworkSetup", "", "SID_SET_NETWORK", "Setting ID/IP", "ID与网口设定"},
    {"fmNetworkSetup", "rbManualSetting", "SID_MANU_NETWORK", "Manual Setting", "手动设定"},
    {"fmNetworkSetup", "rbAutoSetting", "SID_AUTO_NETWORK", "Auto Setting", "自动设定"},
    {"fmNetworkSetup", "gbIdSetting", "SID_INPUT_ID", " Input ID Number", " 输入 ID"},
    {"fmNetworkSetup", "gbIpSetting", "SID_IP_ADDRESS", " Input IP Address", " 输入 IP 位址"},
    {"fmNetworkSetup", "lbMessage", "SID_NUMBER", "Number :", "ID 位址:"},
    {"fmNetworkSetup", "bnSet", "SID_SET", "Set", "设定"},
    {"fmNetworkSetup", "bnExit", "SID_EXIT", "Exit", "取消"},
    {"fmStorePreset", "", "SID_SAVE_PRESET", "Store Preset", "保存预设"},
    {"fmStorePreset", "lPresetSelect", "SID_SAVE_PRESET", "Store Preset", "保存预设"},
    {"fmStorePreset", "bnCancel", "SID_CANCEL", "Cancel", "取消"},
    {"fmRecallPreset", "", "SID_RECALL_PRESET", "Recall Preset", "调用预设"},
    {"fmRecallPreset", "lPresetSelect", "SID_RECALL_PRESET", "Recall Preset", "调用预设"},
    {"fmRecallPreset", "bnCancel", "SID_CANCEL", "Cancel", "取消"},
    {"fmStoreName", "", "SID_PST_NAME", "Name", "名称"},
    {"fmStoreName", "lblPresetName", "SID_PST_NAME", "Name", "名称"},
    {"fmStoreName", "btnOK", "SID_EXIT_OK", "OK", "确定"},
    {"fmStoreName", "bnCancel", "SID_EXIT_CANCEL", "Cancel", "取消"},
    {"fmProcess", "", "SID_PROCESS", "Process", "处理"},
    {"fmTest", "", "SID_TEST_TITLE", "Input Signal Select", "输入讯号选择"},
    {"fmTest", "bnExit", "SID_EXIT", "Exit", "取消"},
    {"fmTest", "rbAnalogIn", "SID_ANALOG_IN", "Analog Input", "模拟输入"},
    {"fmTest", "rbWhiteNoise", "SID_WHITE_IN", "White Noise", "白噪声"},
    {"fmTest", "rbPinkNoise", "SID_PINK_IN", "Pink Noise", "粉红噪声"},
    {"fmTest", "rbSineWave", "SID_SINE_IN", "Sine Wave", "正弦波"},
    {"fmCopy", "", "SID_COPY_TITLE", "Channel Copy", "参数复制"},
    {"fmCopy", "bnInChCopy", "SID_COPY", "Copy", "复制"},
    {"fmCopy", "bnOutChCopy", "SID_COPY", "Copy", "复制"},
    {"fmCopy", "bnExit", "SID_EXIT", "Exit", "取消"},
    {"fmChNameList", "", "SID_CH_NAME_LIST", "Channel Name", "通道名称"},
    {"fmChNameList", "btnOK", "SID_SET", "Set", "设定"},
    {"fmChNameList", "btnCancel", "SID_EXIT", "Exit", "取消"},
    {"fmChannelName", "", "SID_CH_NAME", "Channel Name", "通道名称"},
    {"fmChannelName", "lbChannelName", "SID_CH_NAME", "Channel Name", "通道名称"},
    {"fmChannelName", "btnOK", "SID_EXIT_OK", "OK", "确定"},
    {"fmChannelName", "bnCancel", "SID_EXIT_CANCEL", "Cancel", "取消"},
    {"fmLinkSel", "", "SID_LINK_TITLE", "Link Selection", "链结选择"},
    {"fmLinkSel", "bnSet", "SID_SET", "Set", "设定"},
    {"fmLinkSel", "bnExit", "SID_EXIT", "Exit", "取消"},
};

class ConventionsTest : public DialogsTest {
protected:
    TForm *Dialog(const char *name) { return dynamic_cast<TForm *>(owner->FindComponent(name)); }

    // Shows every dialog of the table once, checks its texts, and closes it again.
    void ShowAndCheck(bool english)
    {
        std::set<std::string> dialogs;
        for (const TextCase &c : kTexts)
            dialogs.insert(c.dialog);
        for (const std::string &name : dialogs) {
            TForm *form = Dialog(name.c_str());
            ASSERT_NE(form, nullptr) << name;
            form->Show();
            for (const TextCase &c : kTexts) {
                if (name != c.dialog)
                    continue;
                TControl *control = *c.control ? dynamic_cast<TControl *>(form->FindComponent(c.control)) : form;
                ASSERT_NE(control, nullptr) << c.dialog << "." << c.control;
                EXPECT_EQ(control->Caption(), QString::fromUtf8(english ? c.english : c.chinese))
                    << c.dialog << "." << c.control << " " << c.key;
            }
            form->Close();
            EXPECT_FALSE(form->Visible()) << name;
        }
    }
};

TEST_F(ConventionsTest, EachDialogTakesItsTextsInTheLanguageOfItsNextShowing)
{
    ShowAndCheck(true);
    host.language = "ChineseGB";
    ShowAndCheck(false);
    host.language = "English";
    ShowAndCheck(true);
}

TEST_F(ConventionsTest, ThePresetListsTitleTheirColumnsInTheCurrentLanguage)
{
    for (TfmPresetList *list :
         {static_cast<TfmPresetList *>(fmStorePreset), static_cast<TfmPresetList *>(fmRecallPreset)}) {
        host.language = "ChineseGB";
        list->Show();
        EXPECT_EQ(list->vledPresetName->Cells(0, 0), QString::fromUtf8("ID 位址:"));
        EXPECT_EQ(list->vledPresetName->Cells(1, 0), QString::fromUtf8("    名称"));
        list->Close();
        host.language = "English";
        list->Show();
        EXPECT_EQ(list->vledPresetName->Cells(0, 0), "Number :");
        EXPECT_EQ(list->vledPresetName->Cells(1, 0), "    Name");
        list->Close();
    }
}

TEST_F(ConventionsTest, ClosingHidesADialogAndItsControlsKeepTheirState)
{
    fmNetworkSetup->Show();
    fmNetworkSetup->edId->SetText("7");
    fmNetworkSetup->Close();
    fmMemo->Show();
    fmMemo->Memo->Lines()->Add("second");
    fmMemo->Close();
    EXPECT_FALSE(fmNetworkSetup->Visible());
    EXPECT_FALSE(fmMemo->Visible());

    fmNetworkSetup->Show();
    fmMemo->Show();
    EXPECT_EQ(fmNetworkSetup->edId->Text(), "7");
    EXPECT_EQ(fmMemo->Memo->Lines()->Text(), "Memo\r\nsecond\r\n");
    fmNetworkSetup->Close();
    fmMemo->Close();
}

}  // namespace
