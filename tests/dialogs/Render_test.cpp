// Every form of the dialogs renders offscreen at 96 DPI with each of its named controls, at its
// designed client size; the pictures go to dialog_<form>.png in the working folder for a person
// to look at.

#include "DialogsFixture.h"

#include "platform/ui/ControlsRender.h"

#include <QImage>

#include <set>

namespace {

struct FormCase {
    const char *name;
    int clientWidth;  // with windowSize: the window's size
    int clientHeight;
    std::vector<const char *> controls;
    bool windowSize = false;
};

const std::vector<const char *> kViewerControls{
    "RTFLabel",        "AdvOfficeImage1", "AdvOfficeImage2", "AdvOfficeImage3", "AdvOfficeImage4", "AdvOfficeImage5",
    "AdvOfficeImage6", "AdvOfficeImage7", "AdvOfficeImage8", "AdvOfficeImage9", "AdvOfficeImage10"};

std::vector<FormCase> FormCases()
{
    return {
        {"fmInformation", 265, 174, {"lbMessage", "btnOK", "imIcon", "gbMessage"}},
        {"fmExit", 265, 174, {"lbExit", "btnOK", "btnCancel"}},
        {"fmMemo", 250, 453, {"Memo", "bnClearMemo"}},
        {"fmHidData", 1022, 541, {"hbHidData", "bnClear"}},
        {"fmAbout", 511, 119, {"ProductName", "Version", "Image1", "btnOK"}},
        {"fmFactory", 361, 174, {"lbMessage", "btnOK", "bnCancel"}},
        {"fmPeqRst", 239, 174, {"lbReset", "btnOK", "btnCancel"}},
        {"fmLockPassWord", 190, 148, {"lblLockPassword", "edName", "btnOK", "bnCancel", "tmCheck", "tmCmd"}},
        {"fmLockSetup", 190, 148, {"lblLockPassword", "edName", "btnOK", "btnExit", "tmClose"}},
        {"fmNetworkSetup",
         280,
         220,
         {"gbIdSetting", "lbMessage", "edId", "gbIpSetting", "edIp1", "edIp2", "edIp3", "edIp4", "Label1", "Label2",
          "Label3", "rbManualSetting", "rbAutoSetting", "bnSet", "bnExit"}},
        {"fmStorePreset", 260, 319, {"vledPresetName", "lPresetSelect", "bnCancel"}},
        {"fmRecallPreset", 260, 316, {"vledPresetName", "lPresetSelect", "bnCancel"}},
        {"fmProcess", 454, 95, {"ProgressBar", "StatusBar"}},
        {"fmStoreName", 240, 148, {"lblPresetName", "lTitle", "edName", "btnOK", "bnCancel"}},
        {"fmTest", 282, 208, {"rbAnalogIn", "rbPinkNoise", "rbWhiteNoise", "rbSineWave", "cbSineFreq", "bnExit"}},
        {"fmCopy",
         345,
         257,
         {"cbInSource", "cbInDestination", "bnInChCopy", "cbOutSource", "cbOutDestination", "bnOutChCopy", "bnExit"}},
        {"fmChNameList",
         360,
         224,
         {"gbInChNameList", "gbOutChNameList", "lbChNameListInA", "lbChNameListInB", "lbChNameListOut1",
          "lbChNameListOut2", "lbChNameListOut3", "lbChNameListOut4", "edMatrixChNameInA", "edMatrixChNameInB",
          "edMatrixChNameOut1", "edMatrixChNameOut2", "edMatrixChNameOut3", "edMatrixChNameOut4", "btnOK",
          "btnCancel"}},
        {"fmChannelName", 240, 148, {"lbChannelName", "lbChannel", "edName", "btnOK", "bnCancel"}},
        {"fmLinkSel",
         511,
         297,
         {"rzgLinkSelIn",   "rzgLinkSelOut",  "lbLinkSelInA",  "lbLinkSelInB",  "lbLinkSelOut1",  "lbLinkSelOut2",
          "lbLinkSelOut3",  "lbLinkSelOut4",  "rzgLinkSelInA", "rzgLinkSelInB", "rzgLinkSelOut1", "rzgLinkSelOut2",
          "rzgLinkSelOut3", "rzgLinkSelOut4", "rzbALinkInA",   "rzbBLinkInA",   "rzbBLinkInB",    "rzb1LinkOut1",
          "rzb2LinkOut1",   "rzb2LinkOut2",   "rzb3LinkOut1",  "rzb3LinkOut2",  "rzb3LinkOut3",   "rzb4LinkOut1",
          "rzb4LinkOut2",   "rzb4LinkOut3",   "rzb4LinkOut4",  "bnSet",         "bnExit"}},
        {"fmRs232CodeEnglish", 754, 662, kViewerControls, true},
        {"fmRs232Code", 745, 671, kViewerControls, true},
    };
}

TEST_F(DialogsTest, EveryFormRendersWithItsNamedControls)
{
    for (const FormCase &c : FormCases()) {
        SCOPED_TRACE(c.name);
        auto *form = dynamic_cast<TForm *>(owner->FindComponent(c.name));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Name(), c.name);
        EXPECT_EQ(c.windowSize ? form->Width() : form->ClientWidth(), c.clientWidth);
        EXPECT_EQ(c.windowSize ? form->Height() : form->ClientHeight(), c.clientHeight);
        for (const char *control : c.controls)
            EXPECT_NE(form->FindComponent(control), nullptr) << control;
        form->Show();
        const QImage image = RenderControlImage(form);
        form->Close();
        ASSERT_FALSE(image.isNull());
        // Something is drawn: more than the background and a frame.
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 3u);
        image.save(QStringLiteral("dialog_%1.png").arg(c.name));
    }
}

// The Chinese texts come out in a font that has them (no empty boxes), for a person to look at.
TEST_F(DialogsTest, ChineseTextsRender)
{
    host.language = "ChineseGB";
    for (TForm *form : std::initializer_list<TForm *>{fmExit, fmNetworkSetup, fmTest, fmCopy, fmLinkSel, fmChannelName,
                                                      fmRs232Code}) {
        form->Show();
        const QImage image = RenderControlImage(form);
        form->Close();
        EXPECT_FALSE(image.isNull());
        image.save(QStringLiteral("dialog_%1_chinese.png").arg(form->Name()));
    }
}

}  // namespace
