// Every dialog of the editor used as an installer would, in process against the simulated
// processor: link groups, channel copy, channel names, the test tone, the device ID, the operation
// lock, presets stored, named and recalled, all presets into a unit file and back into a reset
// processor, preset files, the language switch in every window, the help viewers, About and Exit.
// After every step the processor's program and presets equal the editor's model.

#include "DialogUser.h"

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
#include "dialogs/FProcess.h"
#include "dialogs/FRs232Code.h"
#include "dialogs/FRs232CodeEnglish.h"
#include "dialogs/FStoreName.h"
#include "dialogs/FStorePreset.h"
#include "dialogs/FTest.h"
#include "mainwindow/LanguageTable.h"
#include "platform/ui/StatusBar.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <functional>
#include <map>

namespace {

using namespace dialoguser;

std::string PresetName(const devsim::Image &image)
{
    return std::string(reinterpret_cast<const char *>(image.data()) + devsim::kPresetName, devsim::kPresetNameSize);
}

std::string ChannelName(const devsim::Image &image, int ch)
{
    const char *at =
        reinterpret_cast<const char *>(image.data()) + devsim::ChannelOffset(ch, &devsim::ChannelFields::name);
    return std::string(at, strnlen(at, devsim::kChannelNameSize));
}

// Starts the processor with the show program and lets the editor connect to it.
struct Connected {
    Connected()
    {
        processor.sim.WithProcessor([](devsim::Processor &p) { p.State().program = ShowProgram(); });
        ConnectAtStart(run);
        InSync(run, processor, "the full read");
    }
    // Ends the editor (the confirmed exit) and checks the scripting was used up.
    void Finish()
    {
        run.Step("quit", Idle, [] {});
        run.Close();
        EXPECT_EQ(run.Start(), 0);
        EXPECT_EQ(TestScript::Pending(), 0);
    }
    Processor processor;
    EditorRun run;
};

// A store through the lists: the row's name dialog, a typed name, OK, the progress window.
void StorePreset(EditorRun &run, Processor &processor, int row, const QString &name)
{
    run.Step("store U" + std::to_string(row + 1), Idle, [row, name] {
        TestScript::ExpectModal("fmStorePreset", [row, name](TCustomForm &) {
            bool select = true;
            fmStorePreset->vledPresetNameSelectCell(fmStorePreset->vledPresetName, 1, row + 1, select);
            ASSERT_TRUE(fmStoreName->Visible());
            Type(fmStoreName->edName, name);
            Press(fmStoreName->btnOK);
        });
        TestScript::ExpectModal(
            "fmProcess", [](TCustomForm &) {}, true);
        Press(MainControl("bStore"));
    });
    run.Step(
        "stored U" + std::to_string(row + 1), [&processor, row] { return Idle() && processor.State().stored[row]; },
        [] {}, 10);
    InSync(run, processor, "storing U" + std::to_string(row + 1));
}

// A recall through the list; row 0 is the factory preset F00.
void RecallPreset(EditorRun &run, Processor &processor, int row)
{
    run.Step("recall " + std::to_string(row), Idle, [row] {
        TestScript::ExpectModal("fmRecallPreset", [row](TCustomForm &) {
            bool select = true;
            fmRecallPreset->vledPresetNameSelectCell(fmRecallPreset->vledPresetName, 1, row + 1, select);
            ASSERT_TRUE(fmStoreName->Visible());
            EXPECT_EQ(fmStoreName->GetStoreMode(), 0);
            Press(fmStoreName->btnOK);
        });
        TestScript::ExpectModal(
            "fmProcess", [](TCustomForm &) {}, true);
        Press(MainControl("bRecall"));
    });
    run.Step(
        "recalled " + std::to_string(row),
        [&processor, row] { return Idle() && processor.State().currentPreset == row; }, [] {}, 10);
    InSync(run, processor, "recalling " + std::to_string(row));
}

TEST(ScenarioDialogs, LinksCopiesAndNamesChannelsAsTheProcessorDoes)
{
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;

    // Out 2 joins Out 1's group, Out 4 joins Out 3's: each takes its head's settings.
    run.Step("link groups", Idle, [] {
        TestScript::ExpectModal(
            "fmLinkSel", [](TCustomForm &) {}, true);
        Entry("Link")->Click();
    });
    run.Step(
        "link Out 2 to Out 1", [] { return fmLinkSel->Visible(); },
        [] {
            Press(fmLinkSel->rzb2LinkOut1);
            Press(fmLinkSel->rzb4LinkOut3);
            EXPECT_TRUE(fmLinkSel->rzb2LinkOut1->Down());
            EXPECT_TRUE(fmLinkSel->rzb4LinkOut3->Down());
            Press(fmLinkSel->bnSet);
        });
    InSync(run, processor, "linking");
    run.Step("linked", Idle, [&processor] {
        const devsim::ProcessorState state = processor.State();
        EXPECT_EQ(devsim::Word(state.program, devsim::ChannelOffset(2, &devsim::ChannelFields::linkMask)) & 0xF, 0x3);
        EXPECT_EQ(devsim::Word(state.program, devsim::ChannelOffset(4, &devsim::ChannelFields::linkMask)) & 0xF, 0xC);
        EXPECT_EQ(fmMain->Session().Model().GetGain(3), fmMain->Session().Model().GetGain(2));
    });

    // In B onto In A, then Out 1 onto Out 4; the dialog stays open between the copies.
    run.Step("copy", Idle, [] {
        TestScript::ExpectModal(
            "fmCopy", [](TCustomForm &) {}, true);
        Entry("Copy")->Click();
    });
    run.Step(
        "copy In B onto In A", [] { return fmCopy->Visible(); },
        [] {
            Choose(fmCopy->cbInSource, 1);
            Choose(fmCopy->cbInDestination, 0);
            Press(fmCopy->bnInChCopy);
        });
    InSync(run, processor, "copying In B onto In A");
    run.Step(
        "copy Out 1 onto Out 4",
        [] { return fmCopy->Visible() && fmMain->Session().GetSessionStep() == SessionStep::Idle; },
        [&processor] {
            EXPECT_EQ(devsim::Word(processor.State().program, devsim::ChannelOffset(0, &devsim::ChannelFields::gain)),
                      210);
            Choose(fmCopy->cbOutSource, 0);
            Choose(fmCopy->cbOutDestination, 3);
            Press(fmCopy->bnOutChCopy);
        });
    InSync(run, processor, "copying Out 1 onto Out 4");
    run.Step(
        "copy closed", [] { return fmCopy->Visible() && fmMain->Session().GetSessionStep() == SessionStep::Idle; },
        [] { Press(fmCopy->bnExit); });

    // Two names typed into the list, one of them in Chinese (two bytes a character).
    run.Step("channel names", Idle, [] {
        TestScript::ExpectModal(
            "fmChNameList", [](TCustomForm &) {}, true);
        Entry("ChNameList")->Click();
    });
    run.Step(
        "names typed", [] { return fmChNameList->Visible(); },
        [] {
            EXPECT_EQ(fmChNameList->edMatrixChNameOut2->Text(), "Ch4");
            Type(fmChNameList->edMatrixChNameInA, "Vocal");
            Type(fmChNameList->edMatrixChNameOut4, QString::fromUtf8("超低音箱体"));
            Press(fmChNameList->btnOK);
        });
    InSync(run, processor, "naming channels");
    run.Step("named", Idle, [&processor] {
        const devsim::Image program = processor.State().program;
        EXPECT_EQ(ChannelName(program, 0), "Vocal");
        EXPECT_EQ(ChannelName(program, 5).size(), 8u);  // four characters of the five fit
    });

    // One name by a click on its label on the matrix page; Enter in the edit is OK.
    run.Step("name by its label", Idle, [] {
        Press(MainControl("rzbMenuMatrix"), TPoint(20, 10));
        TestScript::ExpectModal("fmChannelName", [](TCustomForm &) {
            EXPECT_EQ(fmChannelName->edName->Text(), "Ch5");
            Type(fmChannelName->edName, "Sub");
            TInputRouter::Key(VK_RETURN, {}, QChar(13));
        });
        Press(MainControl("lbMatrixChNameOut3"));
    });
    InSync(run, processor, "naming Out 3 by its label");
    run.Step("Out 3 named", Idle, [&processor] {
        EXPECT_EQ(ChannelName(processor.State().program, 4), "Sub");
        EXPECT_EQ(GetStrProp(fmMain->FindComponent("lbMatrixChNameOut3"), "Caption"), "Sub");
    });
    c.Finish();
}

TEST(ScenarioDialogs, SendsEveryTestToneMode)
{
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;
    run.Step("test tone", Idle, [] {
        TestScript::ExpectModal(
            "fmTest", [](TCustomForm &) {}, true, 30000);
        Entry("TestTone")->Click();
    });
    struct ModeCase {
        const char *name;
        TRadioButton *TfmTest::*button;
        int mode;
    };
    const ModeCase modes[] = {
        {"pink noise", &TfmTest::rbPinkNoise, 1},
        {"white noise", &TfmTest::rbWhiteNoise, 2},
        {"sine", &TfmTest::rbSineWave, 3},
        {"analogue in", &TfmTest::rbAnalogIn, 0},
    };
    for (const ModeCase &m : modes) {
        run.Step(
            m.name, [] { return fmTest->Visible(); }, [m] { Press(fmTest->*m.button); });
        run.Step(
            std::string(m.name) + " sent",
            [&processor, m] { return devsim::Word(processor.State().program, devsim::kSignalMode) == m.mode; }, [] {});
        InSync(run, processor, m.name);
    }
    // A frequency chosen from the list checks the sine.
    run.Step(
        "1KHz", [] { return fmTest->Visible(); },
        [] {
            Choose(fmTest->cbSineFreq, fmTest->cbSineFreq->Items()->IndexOf("1KHz"));
            EXPECT_TRUE(fmTest->rbSineWave->Checked());
        });
    run.Step(
        "1KHz sent", [&processor] { return devsim::Word(processor.State().program, devsim::kSignalMode) == 3; },
        [&processor] { EXPECT_EQ(devsim::Word(processor.State().program, devsim::kSineFreqIndex), 17); });
    InSync(run, processor, "choosing 1KHz");
    run.Step(
        "test tone closed", [] { return fmTest->Visible(); }, [] { Press(fmTest->bnExit); });
    c.Finish();
}

TEST(ScenarioDialogs, AddressesTheProcessorByTheIdSetOffline)
{
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;
    Disconnect(run);
    run.Step("ID setup", NoModalLoop, [] {
        TestScript::ExpectModal(
            "fmNetworkSetup", [](TCustomForm &) {}, true);
        Entry("NetworkSetup")->Click();
    });
    run.Step(
        "ID typed", [] { return fmNetworkSetup->Visible(); },
        [&processor] {
            EXPECT_TRUE(fmNetworkSetup->edId->Enabled());
            EXPECT_EQ(fmNetworkSetup->edIp4->Text(), "101");
            Type(fmNetworkSetup->edId, "7");
            if (fmNetworkSetup->rbManualSetting->Visible())
                Press(fmNetworkSetup->rbManualSetting);
            if (fmNetworkSetup->edIp4->Enabled())
                Type(fmNetworkSetup->edIp4, "101");
            processor.sim.WithProcessor([](devsim::Processor &p) { p.State().deviceId = 7; });
            Press(fmNetworkSetup->bnSet);
            EXPECT_EQ(fmMain->Session().GetDeviceId(), 7);
        });
    run.Step("ID set", NoModalLoop, [] { EXPECT_FALSE(fmNetworkSetup->Visible()); });
    Reconnect(run);
    InSync(run, processor, "reconnecting with ID 7");
    run.Step("addressed as 7", Idle, [&processor] {
        const auto log = processor.sim.FrameLog();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.back().destination, 7);
    });
    c.Finish();
}

TEST(ScenarioDialogs, LocksThenUnlocksWithAWrongAndTheRightPassword)
{
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;
    ToleratePassingProgressWindow(run);
    run.Step("lock setup", Idle, [] {
        TestScript::ExpectModal(
            "fmLockSetup", [](TCustomForm &) {}, true);
        Entry("LockSetup")->Click();
    });
    run.Step(
        "password typed", [] { return fmLockSetup->Visible(); },
        [] {
            Type(fmLockSetup->edName, "1234");
            Press(fmLockSetup->btnOK);
        });
    run.Step(
        "locked", [] { return NoModalLoop() && !fmMain->Session().HasTransport(); },
        [&processor] {
            const devsim::ProcessorState state = processor.State();
            EXPECT_TRUE(state.lockOn);
            EXPECT_EQ(state.password, "1234");
            EXPECT_FALSE(fmLockSetup->Visible());
        },
        10);

    // Connecting again asks for the password: a wrong one is refused, the right one lets the read
    // go on.
    run.Step("reconnect", NoModalLoop, [] {
        TestScript::ExpectModal(
            "fmNetwork", [](TCustomForm &) {}, true, 60000);
        TestScript::ExpectModal(
            "fmLockPassWord", [](TCustomForm &) {}, true, 60000);
        Press(MainControl("rzbMenuLink"), TPoint(20, 10));
    });
    run.Step(
        "wrong password", [] { return fmLockPassWord->Visible(); },
        [] {
            TestScript::ExpectMessage("Password Error!!");
            Type(fmLockPassWord->edName, "9999");
            Press(fmLockPassWord->btnOK);
        },
        10);
    run.Step(
        "refused", [] { return TestScript::Pending() == 0 && fmLockPassWord->Visible(); },
        [&processor] {
            EXPECT_EQ(fmLockPassWord->edName->Text(), "****");
            EXPECT_FALSE(processor.State().unlocked);
            Type(fmLockPassWord->edName, "1234");
            Press(fmLockPassWord->btnOK);
        },
        10);
    run.Step(
        "unlocked", [] { return Idle() && !fmLockPassWord->Visible(); },
        [&processor] { EXPECT_TRUE(processor.State().unlocked); }, 10);
    InSync(run, processor, "unlocking");
    c.Finish();
}

TEST(ScenarioDialogs, StoresNamesAndRecallsPresets)
{
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;
    StorePreset(run, processor, 2, "First");
    // Another program under another name: one channel renamed first.
    run.Step("rename", Idle, [] {
        TestScript::ExpectModal("fmChNameList", [](TCustomForm &) {
            Type(fmChNameList->edMatrixChNameInB, "Guitar");
            Press(fmChNameList->btnOK);
        });
        Entry("ChNameList")->Click();
    });
    InSync(run, processor, "renaming In B");
    StorePreset(run, processor, 6, QString::fromUtf8("第二"));
    run.Step("stored both", Idle, [&processor] {
        const devsim::ProcessorState state = processor.State();
        EXPECT_EQ(PresetName(state.presets[2]), "First         ");
        EXPECT_EQ(ChannelName(state.presets[2], 1), "Ch2");
        EXPECT_EQ(ChannelName(state.presets[6], 1), "Guitar");
        EXPECT_EQ(fmStorePreset->RowName(6), PresetName(state.presets[6]));
    });
    RecallPreset(run, processor, 3);
    run.Step("U03 back", Idle, [&processor] {
        EXPECT_EQ(ChannelName(processor.State().program, 1), "Ch2");
        EXPECT_EQ(GetStrProp(fmMain->FindComponent("lbPstNum"), "Caption"), "U03");
    });
    RecallPreset(run, processor, 0);
    run.Step("F00 back", Idle, [&processor] { EXPECT_EQ(processor.State().program, devsim::FactoryImage()); });
    RecallPreset(run, processor, 7);
    c.Finish();
}

TEST(ScenarioDialogs, UploadsAllPresetsAndDownloadsThemIntoAResetProcessor)
{
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;
    const QString unitFile = QString::fromStdString(run.RuntimeFolder()) + "/all.unt";
    StorePreset(run, processor, 1, "Two");
    StorePreset(run, processor, 4, "Five");
    auto before = std::make_shared<devsim::ProcessorState>();
    run.Step("upload", Idle, [unitFile, &processor, before] {
        *before = processor.State();
        TestScript::ExpectModal(
            "fmProcess", [](TCustomForm &) {}, true);
        TestScript::ExpectSaveFile(unitFile);
        Entry("Upload")->Click();
    });
    run.Step(
        "uploaded", [unitFile] { return Idle() && QFileInfo::exists(unitFile) && TestScript::Pending() == 0; },
        [unitFile, before] {
            QFile file(unitFile);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            ASSERT_EQ(bytes.size(), static_cast<qsizetype>(UnitFileSize));
            for (int slot = 0; slot < devsim::kPresetSlots; ++slot) {
                SCOPED_TRACE(slot);
                const QByteArray record = bytes.mid(UnitFileHeaderSize + slot * UnitFileSlotSize, ParameterImageSize);
                if (!before->stored[slot]) {
                    EXPECT_EQ(record, QByteArray(ParameterImageSize, char(UnitFileFiller)));
                    continue;
                }
                EXPECT_EQ(static_cast<std::uint8_t>(record[0]), slot + 1);
                EXPECT_EQ(record.mid(1), QByteArray(reinterpret_cast<const char *>(before->presets[slot].data()),
                                                    ParameterImageSize - 1));
            }
        },
        10);
    InSync(run, processor, "the upload");

    // A reset processor takes the file; the link closes when it has it all.
    run.Step("download", Idle, [unitFile, &processor] {
        processor.sim.WithProcessor([](devsim::Processor &p) { p.FactoryReset(); });
        TestScript::ExpectOpenFile(unitFile);
        Entry("Download")->Click();
    });
    run.Step(
        "downloaded", [] { return NoModalLoop() && !fmMain->Session().HasTransport() && fmMain->Enabled(); },
        [&processor, before] {
            const devsim::ProcessorState state = processor.State();
            EXPECT_EQ(state.stored, before->stored);
            for (int slot = 0; slot < devsim::kPresetSlots; ++slot) {
                if (before->stored[slot]) {
                    EXPECT_TRUE(std::equal(state.presets[slot].begin(), state.presets[slot].end() - 1,
                                           before->presets[slot].begin()))
                        << slot;
                }
            }
            EXPECT_FALSE(fmProcess->Visible());
        },
        10);
    Reconnect(run);
    InSync(run, processor, "reconnecting after the download");
    c.Finish();
}

TEST(ScenarioDialogs, SavesAndOpensAPresetFile)
{
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;
    const QString folder = QString::fromStdString(run.RuntimeFolder());
    run.Step("save", Idle, [folder] {
        TestScript::ExpectSaveFile(folder + "/show.txt");
        Entry("Save")->Click();
    });
    run.Step("saved", Idle, [folder, &processor] {
        QFile file(folder + "/show.prs");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_EQ(bytes.size(), static_cast<qsizetype>(PresetFileSize));
        EXPECT_EQ(bytes.left(16), QByteArray(FileMagic.data(), 16));
        EXPECT_EQ(bytes.mid(16, PresetBodySize),
                  QByteArray(reinterpret_cast<const char *>(processor.State().program.data()) + 2, PresetBodySize));
        EXPECT_FALSE(QFileInfo::exists(folder + "/show.txt"));
    });
    // A target that cannot be written (its folder is missing): the box says so, nothing is left.
    run.Step("save where it cannot", Idle, [folder] {
        TestScript::ExpectSaveFile(folder + "/missing/show.prs");
        TestScript::ExpectModal("fmInformation", [](TCustomForm &) {
            EXPECT_EQ(fmInformation->lbMessage->Caption(), fmMain->Session().GetLangText("SID_INFO_ERROR_FILE"));
            Press(fmInformation->btnOK);
        });
        Entry("Save")->Click();
    });
    run.Step("not saved", Idle, [folder] { EXPECT_FALSE(QFileInfo::exists(folder + "/missing")); });
    RecallPreset(run, processor, 0);
    run.Step("open", Idle, [folder] {
        TestScript::ExpectOpenFile(folder + "/show.prs");
        TestScript::ExpectModal(
            "fmProcess", [](TCustomForm &) {}, true);
        Entry("Open")->Click();
    });
    run.Step(
        "opened", [] { return Idle() && !fmProcess->Visible(); },
        [&processor] {
            const devsim::Image show = ShowProgram();
            const devsim::Image program = processor.State().program;
            EXPECT_TRUE(std::equal(show.begin() + 2, show.begin() + 2 + PresetBodySize, program.begin() + 2));
        },
        10);
    InSync(run, processor, "opening the preset file");
    c.Finish();
}

// ---- Language --------------------------------------------------------------------------------

// The captions of a window: its title, its controls', its menu entries'.
using Captions = std::map<QString, QString>;

Captions CaptionsOf(TComponent &window)
{
    Captions captions;
    const auto take = [&](TComponent &c) {
        if (IsPublishedProp(&c, "Caption"))
            captions[c.Name()] = GetStrProp(&c, "Caption").trimmed();
    };
    take(window);
    for (int i = 0; i < window.ComponentCount(); ++i)
        take(*window.Components(i));
    return captions;
}

// The language switch gives the connect entries their offline texts, whatever the link.
bool OfflineTexted(const QString &name)
{
    return name == "Connect" || name == "Connected";
}

// Every caption that changed from English is the Chinese text of a key whose English text it
// showed; at least one changed. Captions that did not change are the form's own fixed texts.
void ExpectChinese(TComponent &window, const Captions &english, bool someChange)
{
    const LanguageTable &en = LanguageTable::English();
    const LanguageTable &zh = LanguageTable::Simplified();
    QStringList wrong;
    int changed = 0;
    for (const auto &[name, text] : CaptionsOf(window)) {
        const auto before = english.find(name);
        if (before == english.end() || before->second == text || OfflineTexted(name))
            continue;
        ++changed;
        bool fromTable = false;
        // The whole caption, or a part of it ("Out 1  Compressor"), is the key's text.
        for (const QString &key : en.Keys()) {
            const QString from = en.Lookup(key).trimmed();
            fromTable = fromTable || (!from.isEmpty() && before->second.contains(from) &&
                                      QString(before->second).replace(from, zh.Lookup(key).trimmed()) == text);
        }
        if (!fromTable)
            wrong << name + ": \"" + before->second + "\" -> \"" + text + '"';
    }
    if (someChange) {
        EXPECT_GT(changed, 0) << window.Name().toStdString();
    }
    EXPECT_TRUE(wrong.isEmpty()) << window.Name().toStdString() << ": " << wrong.join(", ").toStdString();
}

// A text of a window and the key of the language tables it shows (an empty control: the window's
// title). Without a key it is one of the form's own fixed texts, the same in both languages.
struct TableText {
    const char *control;
    const char *key;
    const char *fixed = nullptr;
};
using TableTexts = std::vector<TableText>;

// Each text as exactly its key's line of `table`, blanks included, or as its fixed text.
void ExpectTableTexts(TComponent &window, const TableTexts &texts, const LanguageTable &table)
{
    for (const TableText &t : texts) {
        TComponent *control = *t.control ? window.FindComponent(QString::fromLatin1(t.control)) : &window;
        const std::string where = window.Name().toStdString() + " " + t.control;
        if (!control) {
            ADD_FAILURE() << "no control " << where;
            continue;
        }
        const QString expected = t.key ? table.Lookup(QString::fromLatin1(t.key)) : QString::fromUtf8(t.fixed);
        EXPECT_EQ(GetStrProp(control, "Caption"), expected) << where << " (" << (t.key ? t.key : "fixed") << ')';
    }
}

// The texts of the main window that the language switch sets, a few of each kind; the hidden
// entries keep their own texts.
const TableTexts MainTexts = {
    {"File", "SID_FILE"},
    {"Open", "SID_OPEN"},
    {"Save", "SID_SAVE"},
    {"Upload", "SID_UPLOAD"},
    {"Download", "SID_DOWNLOAD"},
    {"FactoryDefault", "SID_RETRUN_FACTORY"},
    {"Exit", "SID_EXIT"},
    {"Lock", "SID_LOCK"},
    {"LockSetup", "SID_LOCK_SETUP"},
    {"NetworkSetup", "SID_SET_NETWORK"},
    {"TestTone", "SID_TEST_TONE"},
    {"Link", "SID_LINK"},
    {"Copy", "SID_COPY"},
    {"ChNameList", "SID_CH_NAME_LIST"},
    {"LanguageSel", "SID_LANGUAGE"},
    {"ChineseSimplified", "SID_CHINESE_SIMPLIFIED"},
    {"English", "SID_ENGLISH"},
    {"Help", "SID_HELP"},
    {"Rs232Code", "SID_RS232_CODE"},
    {"About", "SID_ABOUT"},
    {"MemoShow", nullptr, "Memo Show"},
    {"HidData", nullptr, "HidData"},
    {"rzbMenuLink", "SID_ONLINE"},
    {"lPstNum", "SID_PST_NUM"},
    {"lPstName", "SID_PST_NAME"},
    {"bStore", "SID_BT_STORE"},
    {"bRecall", "SID_BT_RECALL"},
    {"rzbMuteBackupOut2", "SID_MUTE"},
    {"rzbPhaseBackupOut2", "SID_PHASE_OFF"},
    {"lbGainInput", "SID_IN"},
    {"lbGainOutput", "SID_OUT"},
    {"lbDelayUnit", "SID_DELAY_UNIT"},
    {"lbFftDelayIn", "SID_IN_DELAY"},
    {"lbFftDelayOut", "SID_OUT_DELAY"},
    {"rzbUnit0", "SID_UNIT_MS"},
    {"rzbUnit1", "SID_UNIT_M"},
    {"rzbUnit2", "SID_UNIT_FT"},
    {"lbFftParamInA", "SID_PARAM_KEY"},
    {"lbGainInB", "SID_GAIN"},
    {"rzbMuteOut1", "SID_MUTE"},
    {"rzbPhaseOut1", "SID_PHASE_OFF"},
    {"lbEqInA", "SID_EQ_PARAM_TITLE"},
    {"lbLowCutFreqOut3", "SID_HPF"},
    {"lbHighCutSlopOut3", "SID_HLP_SLOP"},
    {"rzbHighCutBypassOut3", "SID_HLP_BYPASS"},
    {"vrbEqShowAllOut4", "SID_SHOW_ALL_EQ"},
    {"vrbEqResetOut4", "SID_RESET_EQ"},
    {"vrbEqBypassOut4", "SID_BYPASS_EQ"},
    {"lbCompRatioOut4", "SID_COMP_RATIO"},
    {"lbCompThresholdOut4", "SID_COMP_THRESHOLD"},
    {"lbCompAttackOut4", "SID_COMP_ATTACK"},
    {"lbCompReleaseOut4", "SID_COMP_RELEASE"},
};

// A dialog the user opens and cancels: the form that shows (in Chinese another one where given),
// how it is opened and its texts.
struct WindowCase {
    const char *form;
    std::function<void()> open;
    TableTexts texts;
    const char *chineseForm = nullptr;
};

// A window shown without a modal loop, from a hidden menu entry.
struct ModelessCase {
    const char *entry;
    std::function<TCustomForm *()> window;
    TableTexts texts;
};

// The number and name column titles of the preset lists.
void ExpectColumnTitles(TCustomForm &form, const LanguageTable &table)
{
    auto *list = dynamic_cast<TValueListEditor *>(form.FindComponent("vledPresetName"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->TitleCaptions()->Count(), 2);
    EXPECT_EQ(list->TitleCaptions()->Strings(0), table.Lookup("SID_NUMBER"));
    EXPECT_EQ(list->TitleCaptions()->Strings(1), table.Lookup("SID_NAME"));
}

// English, Chinese, English again: each window shows the table's texts and comes back as it was.
// Beside the dialogs opened from the menu and the buttons, the windows the program opens itself:
// the information box after a failed save, the name box and the progress window of a recall,
// and the scan and password windows of a connection to a locked processor.
TEST(ScenarioDialogs, ShowsEveryWindowInTheChosenLanguageBothWays)
{
    Connected c;
    EditorRun &run = c.run;
    Processor &processor = c.processor;
    // U01 holds the program the processor runs, so that recalling it changes no window text.
    processor.sim.WithProcessor([](devsim::Processor &p) {
        p.State().presets[0] = p.State().program;
        p.State().stored[0] = true;
        p.State().currentPreset = 1;
    });
    ToleratePassingProgressWindow(run);
    const QString folder = QString::fromStdString(run.RuntimeFolder());
    const auto menu = [](const char *entry) { return [entry] { Entry(entry)->Click(); }; };
    const auto button = [](const char *name) { return [name] { Press(MainControl(name)); }; };
    const auto onPage = [](const char *page, const char *control) {
        return [page, control] {
            Press(MainControl(page), TPoint(20, 10));
            Press(MainControl(control));
        };
    };
    const std::vector<WindowCase> windows = {
        {.form = "fmLinkSel",
         .open = menu("Link"),
         .texts = {{"", "SID_LINK_TITLE"}, {"bnSet", "SID_SET"}, {"bnExit", "SID_EXIT"}}},
        {.form = "fmCopy",
         .open = menu("Copy"),
         .texts =
             {{"", "SID_COPY_TITLE"}, {"bnInChCopy", "SID_COPY"}, {"bnOutChCopy", "SID_COPY"}, {"bnExit", "SID_EXIT"}}},
        {.form = "fmLockSetup",
         .open = menu("LockSetup"),
         .texts = {{"", "SID_LOCK_TITLE"},
                   {"lblLockPassword", "SID_LOCK_PASSWORD"},
                   {"btnOK", "SID_EXIT_OK"},
                   {"btnExit", "SID_EXIT_CANCEL"}}},
        {.form = "fmNetworkSetup",
         .open = menu("NetworkSetup"),
         .texts = {{"", "SID_SET_NETWORK"},
                   {"rbManualSetting", "SID_MANU_NETWORK"},
                   {"rbAutoSetting", "SID_AUTO_NETWORK"},
                   {"gbIdSetting", "SID_INPUT_ID"},
                   {"gbIpSetting", "SID_IP_ADDRESS"},
                   {"lbMessage", "SID_NUMBER"},
                   {"bnSet", "SID_SET"},
                   {"bnExit", "SID_EXIT"}}},
        {.form = "fmTest",
         .open = menu("TestTone"),
         .texts = {{"", "SID_TEST_TITLE"},
                   {"bnExit", "SID_EXIT"},
                   {"rbAnalogIn", "SID_ANALOG_IN"},
                   {"rbWhiteNoise", "SID_WHITE_IN"},
                   {"rbPinkNoise", "SID_PINK_IN"},
                   {"rbSineWave", "SID_SINE_IN"}}},
        {.form = "fmChNameList",
         .open = menu("ChNameList"),
         .texts = {{"", "SID_CH_NAME_LIST"},
                   {"btnOK", "SID_SET"},
                   {"btnCancel", "SID_EXIT"},
                   {"lbChNameListInA", nullptr, "InA"},
                   {"lbChNameListOut4", nullptr, "Out4"}}},
        {.form = "fmAbout", .open = menu("About"), .texts = {{"", "SID_ABOUT"}}},
        {.form = "fmExit",
         .open = menu("Exit"),
         .texts = {{"", "SID_INFO_TITLE"},
                   {"lbExit", "SID_EXIT_QUIT"},
                   {"btnOK", "SID_EXIT_OK"},
                   {"btnCancel", "SID_EXIT_CANCEL"}}},
        {.form = "fmFactory",
         .open = menu("FactoryDefault"),
         .texts = {{"", "SID_INFO_TITLE"},
                   {"lbMessage", "SID_FACTORY_DEFAULT"},
                   {"btnOK", "SID_EXIT_OK"},
                   {"bnCancel", "SID_EXIT_CANCEL"}}},
        {.form = "fmStorePreset",
         .open = button("bStore"),
         .texts = {{"", "SID_SAVE_PRESET"}, {"lPresetSelect", "SID_SAVE_PRESET"}, {"bnCancel", "SID_CANCEL"}}},
        {.form = "fmRecallPreset",
         .open = button("bRecall"),
         .texts = {{"", "SID_RECALL_PRESET"}, {"lPresetSelect", "SID_RECALL_PRESET"}, {"bnCancel", "SID_CANCEL"}}},
        {.form = "fmRs232CodeEnglish",
         .open = menu("Rs232Code"),
         .texts = {{"", "SID_RS232_CODE"}},
         .chineseForm = "fmRs232Code"},
        {.form = "fmPeqRst",
         .open = onPage("rzbMenuInA", "vrbEqResetInA"),
         .texts = {{"", "SID_PEQRST"},
                   {"lbReset", "SID_PEQRST_RESET"},
                   {"btnOK", "SID_PEQRST_OK"},
                   {"btnCancel", "SID_PEQRST_CANCEL"}}},
        {.form = "fmChannelName",
         .open = onPage("rzbMenuMatrix", "lbMatrixChNameOut3"),
         .texts = {{"", "SID_CH_NAME"},
                   {"lbChannelName", "SID_CH_NAME"},
                   {"btnOK", "SID_EXIT_OK"},
                   {"bnCancel", "SID_EXIT_CANCEL"},
                   {"lbChannel", nullptr, "Out3 :"}}},
    };
    const std::vector<ModelessCase> modeless = {
        {"MemoShow", [] { return fmMemo; }, {{"", nullptr, "Message List"}, {"bnClearMemo", nullptr, "Clear"}}},
        {"HidData", [] { return fmHidData; }, {{"", nullptr, "Hid Data"}, {"bnClear", nullptr, "Clear"}}},
    };
    const TableTexts information = {
        {"", "SID_INFO_TITLE"}, {"btnOK", "SID_EXIT_OK"}, {"lbMessage", "SID_INFO_ERROR_FILE"}};
    const TableTexts nameBox = {{"", "SID_PST_NAME"},
                                {"lblPresetName", "SID_PST_NAME"},
                                {"btnOK", "SID_EXIT_OK"},
                                {"bnCancel", "SID_EXIT_CANCEL"},
                                {"lTitle", nullptr, "U01 : "}};
    const TableTexts scan = {{"", "SID_CONNECT"},
                             {"btnOK", "SID_START_SCAN"},
                             {"btnExit", "SID_DEMO"},
                             {"btnId", "SID_SET"},
                             {"lblScan", "SID_SCAN_NET"}};
    const TableTexts password = {{"", "SID_UNLOCK_TITLE"},
                                 {"lblLockPassword", "SID_UNLOCK_PASSWORD"},
                                 {"btnOK", "SID_EXIT_OK"},
                                 {"bnCancel", "SID_EXIT_CANCEL"}};

    auto english = std::make_shared<std::map<QString, Captions>>();
    enum class Pass { English, Chinese, EnglishAgain };
    for (const Pass pass : {Pass::English, Pass::Chinese, Pass::EnglishAgain}) {
        const std::string name = pass == Pass::English   ? "English"
                                 : pass == Pass::Chinese ? "Chinese"
                                                         : "English again";
        const LanguageTable *table = pass == Pass::Chinese ? &LanguageTable::Simplified() : &LanguageTable::English();
        // The table's texts, and against the window's English captions: only table texts changed
        // in Chinese, and all came back.
        const auto check = [english, pass, table](TComponent &window, const TableTexts &texts) {
            ExpectTableTexts(window, texts, *table);
            const bool keyed = std::ranges::any_of(texts, [](const TableText &t) { return t.key != nullptr; });
            if (pass == Pass::English) {
                (*english)[window.Name()] = CaptionsOf(window);
            } else if (!english->contains(window.Name())) {
                EXPECT_TRUE(pass == Pass::Chinese) << window.Name().toStdString();  // shown in Chinese only
            } else if (pass == Pass::Chinese) {
                ExpectChinese(window, english->at(window.Name()), keyed);
            } else {
                Captions now = CaptionsOf(window), before = english->at(window.Name());
                std::erase_if(now, [](const auto &caption) { return OfflineTexted(caption.first); });
                std::erase_if(before, [](const auto &caption) { return OfflineTexted(caption.first); });
                EXPECT_EQ(now, before) << window.Name().toStdString();
            }
        };
        run.Step(name, Idle, [pass, check] {
            if (pass != Pass::English)
                Entry(pass == Pass::Chinese ? "ChineseSimplified" : "English")->Click();
            check(*fmMain, MainTexts);
        });
        for (const WindowCase &w : windows) {
            const char *form = pass == Pass::Chinese && w.chineseForm ? w.chineseForm : w.form;
            run.Step(name + " " + form, Idle, [w, form, check, table] {
                TestScript::ExpectModal(form, [w, check, table](TCustomForm &window) {
                    check(window, w.texts);
                    if (window.Name() == "fmStorePreset" || window.Name() == "fmRecallPreset")
                        ExpectColumnTitles(window, *table);
                    window.SetModalResult(mrCancel);
                });
                w.open();
            });
        }
        for (const ModelessCase &w : modeless)
            run.Step(name + " " + w.entry, Idle, [w, check] {
                Entry(w.entry)->Click();
                TCustomForm *window = w.window();
                ASSERT_TRUE(window->Visible()) << w.entry;
                check(*window, w.texts);
                window->Close();
                EXPECT_FALSE(window->Visible()) << w.entry;
            });

        // A preset file that cannot be written: the information box says so.
        run.Step(name + " fmInformation", Idle, [folder, information, check] {
            TestScript::ExpectSaveFile(folder + "/missing/show.prs");
            TestScript::ExpectModal("fmInformation", [information, check](TCustomForm &window) {
                check(window, information);
                Press(fmInformation->btnOK);
            });
            Entry("Save")->Click();
        });

        // U01 recalled: its name box over the list, then the progress window.
        run.Step(name + " fmStoreName", Idle, [nameBox, check, table] {
            TestScript::ExpectModal("fmRecallPreset", [nameBox, check](TCustomForm &) {
                bool select = true;
                fmRecallPreset->vledPresetNameSelectCell(fmRecallPreset->vledPresetName, 1, 2, select);
                ASSERT_TRUE(fmStoreName->Visible());
                check(*fmStoreName, nameBox);
                Press(fmStoreName->btnOK);
            });
            TestScript::ExpectModal(
                "fmProcess",
                [check, table](TCustomForm &window) {
                    check(window, {{"", "SID_PROCESS"}});
                    EXPECT_EQ(fmProcess->StatusBar->SimpleText(), table->Lookup("SID_LOAD_PRESET"));
                },
                true);
            Press(MainControl("bRecall"));
        });
        run.Step(
            name + " recalled", [&processor] { return Idle() && processor.State().currentPreset == 1; }, [] {}, 10);
        InSync(run, processor, name + " recall");

        // Connecting again to a locked processor: the scan window, then the password window.
        run.Step(name + " lock", Idle,
                 [&processor] { processor.sim.WithProcessor([](devsim::Processor &p) { p.SetLock(true, "1234"); }); });
        Disconnect(run, name + " disconnect");
        run.Step(name + " fmNetwork", NoModalLoop, [scan, password, check] {
            TestScript::ExpectModal(
                "fmNetwork", [scan, check](TCustomForm &window) { check(window, scan); }, true, 60000);
            TestScript::ExpectModal(
                "fmLockPassWord", [password, check](TCustomForm &window) { check(window, password); }, true, 60000);
            Press(MainControl("rzbMenuLink"), TPoint(20, 10));
        });
        run.Step(
            name + " fmLockPassWord", [] { return fmLockPassWord->Visible(); },
            [] {
                Type(fmLockPassWord->edName, "1234");
                Press(fmLockPassWord->btnOK);
            },
            10);
        run.Step(
            name + " unlocked", [] { return Idle() && !fmLockPassWord->Visible() && !fmNetwork->Visible(); },
            [&processor] { EXPECT_TRUE(processor.State().unlocked); }, 10);
        InSync(run, processor, name + " reconnect");
    }
    c.Finish();
}

TEST(ScenarioDialogs, ShowsTheProtocolHelpInEachLanguageAboutAndExits)
{
    Processor processor;
    EditorRun run;
    ConnectAtStart(run);
    run.Step("English help", Idle, [] {
        TestScript::ExpectModal("fmRs232CodeEnglish", [](TCustomForm &form) {
            EXPECT_TRUE(form.Visible());
            form.SetModalResult(mrOk);
        });
        Entry("Rs232Code")->Click();
    });
    run.Step("Chinese help", Idle, [] {
        Entry("ChineseSimplified")->Click();
        TestScript::ExpectModal("fmRs232Code", [](TCustomForm &form) { form.SetModalResult(mrOk); });
        Entry("Rs232Code")->Click();
        Entry("English")->Click();
    });
    run.Step("about", Idle, [] {
        TestScript::ExpectModal("fmAbout", [](TCustomForm &) { Press(fmAbout->btnOK); });
        Entry("About")->Click();
    });
    InSync(run, processor, "the help and About");
    // Exit, Cancel: the editor stays; Exit, OK: the link closes and the editor ends.
    run.Step("exit cancelled", Idle, [] {
        TestScript::ExpectModal("fmExit", [](TCustomForm &) { Press(fmExit->btnCancel); });
        Entry("Exit")->Click();
        EXPECT_TRUE(fmMain->Visible());
        EXPECT_TRUE(fmMain->Session().IsConnected());
    });
    run.Step("exit", Idle, [] {
        TestScript::ExpectModal(
            "fmExit", [](TCustomForm &) { Press(fmExit->btnOK); }, true);
        Entry("Exit")->Click();
        EXPECT_FALSE(fmMain->Session().HasTransport());
    });
    EXPECT_EQ(run.Start(), 0);
    EXPECT_EQ(TestScript::Pending(), 0);
}

}  // namespace
