#include "app/WinMain.h"

#include "dialogs/FAbout.h"
#include "dialogs/FChNameList.h"
#include "dialogs/FChannelName.h"
#include "dialogs/FCopy.h"
#include "dialogs/FExit.h"
#include "dialogs/FFactory.h"
#include "dialogs/FHidData.h"
#include "dialogs/FInformation.h"
#include "dialogs/FLinkSel.h"
#include "dialogs/FLockPassWord.h"
#include "dialogs/FLockSetup.h"
#include "dialogs/FMemo.h"
#include "dialogs/FNetworkSetup.h"
#include "dialogs/FPeqRst.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FRs232Code.h"
#include "dialogs/FRs232CodeEnglish.h"
#include "dialogs/FStoreName.h"
#include "dialogs/FStorePreset.h"
#include "dialogs/FTest.h"
#include "mainwindow/DeviceSession.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FNetWorkScan.h"
#include "mainwindow/LinkTexts.h"
#include "platform/ui/Application.h"

#include <clocale>
#include <vector>

namespace {

// One window of the start: how it is created and destroyed again.
struct StartWindow {
    void (*create)();
    void (*destroy)();
};

template <class Form, Form *&global>
constexpr StartWindow Window()
{
    return {[] { Application->CreateForm(global); },
            [] {
                delete global;
                global = nullptr;
            }};
}

// The scan dialog runs the main window's session's connection attempts.
constexpr StartWindow ScanWindow{[] {
                                     Application->CreateForm(fmNetwork);
                                     fmNetwork->SetSession(&fmMain->Session());
                                 },
                                 Window<TfmNetwork, fmNetwork>().destroy};

// The windows in the order they are created; the first one is the application's main window.
const StartWindow StartWindows[] = {
    Window<TfmMain, fmMain>(),
    Window<TfmHidData, fmHidData>(),
    Window<TfmPeqRst, fmPeqRst>(),
    Window<TfmAbout, fmAbout>(),
    Window<TfmRs232Code, fmRs232Code>(),
    Window<TfmRs232CodeEnglish, fmRs232CodeEnglish>(),
    Window<TfmLockPassWord, fmLockPassWord>(),
    Window<TfmLockSetup, fmLockSetup>(),
    ScanWindow,
    Window<TfmProcess, fmProcess>(),
    Window<TfmInformation, fmInformation>(),
    Window<TfmExit, fmExit>(),
    Window<TfmMemo, fmMemo>(),
    Window<TfmRecallPreset, fmRecallPreset>(),
    Window<TfmChannelName, fmChannelName>(),
    Window<TfmStorePreset, fmStorePreset>(),
    Window<TfmFactory, fmFactory>(),
    Window<TfmTest, fmTest>(),
    Window<TfmLinkSel, fmLinkSel>(),
    Window<TfmChNameList, fmChNameList>(),
    Window<TfmStoreName, fmStoreName>(),
    Window<TfmNetworkSetup, fmNetworkSetup>(),
    Window<TfmCopy, fmCopy>(),
};

}  // namespace

int WinMain()
{
    std::vector<const StartWindow *> created;
    try {
        Application->Initialize();
        // Numbers are read and written with "." whatever the user's locale.
        std::setlocale(LC_NUMERIC, "C");
        Application->SetMainFormOnTaskBar(true);
        Application->SetShowMainForm(true);
        Application->SetTitle(OfflineCaption());
        for (const StartWindow &window : StartWindows) {
            window.create();
            created.push_back(&window);
        }
        Application->Run();
    } catch (const Exception &e) {
        Application->ShowException(e);
    } catch (...) {
        Application->ShowException(Exception(QString()));
    }
    for (auto it = created.rbegin(); it != created.rend(); ++it)
        (*it)->destroy();
    return 0;
}
