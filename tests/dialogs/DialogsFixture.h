#pragma once
// Every dialog of the program created once, as the program creates them, behind a recording host;
// modal windows answer from the test's script, and failures of the script fail the test. The
// offscreen application runs at 96 DPI.

#include "FakeDialogHost.h"
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
#include "platform/ui/ControlsInput.h"
#include "platform/ui/StdTestApp.h"
#include "platform/ui/TestScript.h"

#include <gtest/gtest.h>

#include <memory>

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        script.SetFailureHandler([](const std::string &m) { ADD_FAILURE() << m; });
        SetDialogHost(&host);
        owner = std::make_unique<TComponent>(nullptr);
        Create(fmHidData);
        Create(fmPeqRst);
        Create(fmAbout);
        Create(fmRs232Code);
        Create(fmRs232CodeEnglish);
        Create(fmLockPassWord);
        Create(fmLockSetup);
        Create(fmProcess);
        Create(fmInformation);
        Create(fmExit);
        Create(fmMemo);
        Create(fmRecallPreset);
        Create(fmChannelName);
        Create(fmStorePreset);
        Create(fmFactory);
        Create(fmTest);
        Create(fmLinkSel);
        Create(fmChNameList);
        Create(fmStoreName);
        Create(fmNetworkSetup);
        Create(fmCopy);
    }
    void TearDown() override
    {
        owner.reset();
        fmHidData = nullptr;
        fmPeqRst = nullptr;
        fmAbout = nullptr;
        fmLockPassWord = nullptr;
        fmLockSetup = nullptr;
        fmProcess = nullptr;
        fmInformation = nullptr;
        fmExit = nullptr;
        fmMemo = nullptr;
        fmRecallPreset = nullptr;
        fmStorePreset = nullptr;
        fmFactory = nullptr;
        fmStoreName = nullptr;
        fmNetworkSetup = nullptr;
        fmChannelName = nullptr;
        fmTest = nullptr;
        fmLinkSel = nullptr;
        fmChNameList = nullptr;
        fmCopy = nullptr;
        fmRs232Code = nullptr;
        fmRs232CodeEnglish = nullptr;
        SetDialogHost(nullptr);
    }

    // What the user does: a left click in the middle of a control, typing into a windowed control.
    static void Press(TControl *control)
    {
        TWinControl *top = TInputRouter::TopWindow(control);
        const TPoint centre(control->Width() / 2, control->Height() / 2);
        TInputRouter::Click(top, top->ScreenToClient(control->ClientToScreen(centre)));
    }
    static void Type(TWinControl *control, const QString &text)
    {
        control->SetFocus();
        for (QChar ch : text)
            TInputRouter::Key(ch.isLetter() ? static_cast<WORD>(ch.toUpper().unicode()) : 0, {}, ch);
    }

    template <class T>
    void Create(T *&global)
    {
        global = new T(owner.get());
    }

    TScriptSession script;
    FakeDialogHost host;
    std::unique_ptr<TComponent> owner;
};
