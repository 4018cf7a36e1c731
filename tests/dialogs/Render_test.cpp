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
    int clientWidth;
    int clientHeight;
    std::vector<const char *> controls;
};

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
    };
}

TEST_F(DialogsTest, EveryFormRendersWithItsNamedControls)
{
    for (const FormCase &c : FormCases()) {
        SCOPED_TRACE(c.name);
        auto *form = dynamic_cast<TForm *>(owner->FindComponent(c.name));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Name(), c.name);
        EXPECT_EQ(form->ClientWidth(), c.clientWidth);
        EXPECT_EQ(form->ClientHeight(), c.clientHeight);
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
    for (TForm *form : std::initializer_list<TForm *>{fmExit, fmNetworkSetup}) {
        form->Show();
        const QImage image = RenderControlImage(form);
        form->Close();
        EXPECT_FALSE(image.isNull());
        image.save(QStringLiteral("dialog_%1_chinese.png").arg(form->Name()));
    }
}

}  // namespace
