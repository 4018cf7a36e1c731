#pragma once
// Every dialog of the program created once, as the program creates them, behind a recording host;
// modal windows answer from the test's script, and failures of the script fail the test. The
// offscreen application runs at 96 DPI.

#include "FakeDialogHost.h"
#include "dialogs/FAbout.h"
#include "dialogs/FExit.h"
#include "dialogs/FFactory.h"
#include "dialogs/FHidData.h"
#include "dialogs/FInformation.h"
#include "dialogs/FLockPassWord.h"
#include "dialogs/FLockSetup.h"
#include "dialogs/FMemo.h"
#include "dialogs/FNetworkSetup.h"
#include "dialogs/FPeqRst.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStoreName.h"
#include "dialogs/FStorePreset.h"
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
        Create(fmLockPassWord);
        Create(fmLockSetup);
        Create(fmProcess);
        Create(fmInformation);
        Create(fmExit);
        Create(fmMemo);
        Create(fmRecallPreset);
        Create(fmStorePreset);
        Create(fmFactory);
        Create(fmStoreName);
        Create(fmNetworkSetup);
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
        SetDialogHost(nullptr);
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
