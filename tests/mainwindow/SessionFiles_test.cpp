// Preset files saved and opened through the session, with scripted file dialogs, offline and
// against the simulated processor over USB.

#include "SessionFixture.h"

#include "devsim/ImageLayout.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

// A preset file's body: a factory program with its own name and a few settings changed, every
// channel standing alone.
QByteArray PresetBody()
{
    devsim::Image image = devsim::FactoryImage();
    PutText(image, devsim::kPresetName, "From a file   ");
    devsim::SetWord(image, devsim::ChannelOffset(0, &devsim::ChannelFields::gain), 250);
    devsim::SetWord(image, devsim::ChannelOffset(3, &devsim::ChannelFields::delay), 480);
    devsim::SetWord(image, devsim::BandOffset(4, 2), 150);
    devsim::SetBit(image, devsim::kOutputMuteMask, 1, true);
    return QByteArray(reinterpret_cast<const char *>(image.data()) + 2, 526);
}

QByteArray PresetFile(const QByteArray &body)
{
    return QByteArray(FileMagic.data(), 16) + body + "\r\n";
}

QByteArray ModelBytes(const DeviceSession &session)
{
    return QByteArray(reinterpret_cast<const char *>(&session.Model().GetImage()), 538);
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// --- Save ----------------------------------------------------------------------------------------

TEST_F(ExchangeTest, SavedFileIsTheTagTheProgramAndALineEnd)
{
    TestScript::ExpectSaveFile(Path("show"));
    session->SavePresetFile();
    const QByteArray saved = ReadAll(Path("show.prs"));
    ASSERT_EQ(saved.size(), 544);
    EXPECT_EQ(saved.left(16), "*VELMTROV316V011");
    EXPECT_EQ(saved.mid(16, 526), ModelBytes(*session).mid(2, 526));
    EXPECT_EQ(saved.right(2), "\r\n");
    EXPECT_TRUE(view.informations.empty());
}

// ".prs" takes the place of everything from the first "." of the name itself.
TEST_F(ExchangeTest, SavedFileNameEndsInPrs)
{
    struct Case {
        const char *name;
        const char *chosen, *written;
    };
    const Case cases[] = {
        {.name = "no dot", .chosen = "a", .written = "a.prs"},
        {.name = "two dots", .chosen = "x.y.z", .written = "x.prs"},
        {.name = "dot in the folder", .chosen = "d.1/show", .written = "d.1/show.prs"},
        {.name = "extension of its own", .chosen = "d.1/live.txt", .written = "d.1/live.prs"},
    };
    ASSERT_TRUE(QDir(folder.path()).mkdir("d.1"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestScript::ExpectSaveFile(Path(c.chosen));
        session->SavePresetFile();
        EXPECT_EQ(QFileInfo(Path(c.written)).size(), 544);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"a.prs", "x.prs"}));
}

// The save dialogs ask about the file that will be written, whatever the name typed: refusing
// leaves that file as it was, agreeing replaces it.
TEST_F(ExchangeTest, SaveAsksBeforeReplacingTheFileItWrites)
{
    struct Case {
        const char *name;
        const char *existing, *chosen;
        bool unitFile;
    };
    const Case cases[] = {
        {.name = "preset without extension", .existing = "show.prs", .chosen = "show", .unitFile = false},
        {.name = "preset with two dots", .existing = "show.prs", .chosen = "show.v2.prs", .unitFile = false},
        {.name = "unit file without extension", .existing = "rack.unt", .chosen = "rack", .unitFile = true},
        {.name = "unit file with two dots", .existing = "rack.unt", .chosen = "rack.2.unt", .unitFile = true},
    };
    const auto save = [&](const Case &c) {
        if (c.unitFile)
            session->Model().SaveUnitFile();
        else
            session->SavePresetFile();
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString existing = WriteFile(c.existing, "keep");
        const QString question = QString::fromLatin1(c.existing) + " already exists.";

        // "No" goes back to the dialog, which is then cancelled.
        TestScript::ExpectSaveFile(Path(c.chosen));
        TestScript::ExpectMessage(question, mrNo);
        TestScript::ExpectFileCancel();
        save(c);
        EXPECT_EQ(TestScript::Pending(), 0);
        EXPECT_EQ(ReadAll(existing), "keep");

        TestScript::ExpectSaveFile(Path(c.chosen));
        TestScript::ExpectMessage(question, mrYes);
        save(c);
        EXPECT_EQ(TestScript::Pending(), 0);
        EXPECT_EQ(QFileInfo(existing).size(), c.unitFile ? 16774 : 544);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QString::fromLatin1(c.existing)});
        QFile::remove(existing);
    }
}

TEST_F(ExchangeTest, SaveTargetThatCannotBeWrittenIsLeftAlone)
{
    WriteFile("plain", "x");
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.prs"));
    struct Case {
        const char *name;
        const char *chosen;
        const char *question = nullptr;  // the dialog's, answered "Yes"
    };
    const Case cases[] = {
        {.name = "folder is a file", .chosen = "plain/show"},
        {.name = "a folder of that name", .chosen = "taken", .question = "taken.prs already exists."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        view.informations.clear();
        TestScript::ExpectSaveFile(Path(c.chosen));
        if (c.question)
            TestScript::ExpectMessage(QString::fromLatin1(c.question), mrYes);
        session->SavePresetFile();
        EXPECT_EQ(view.informations, (std::vector<QString>{"Open File Error !!"}));
    }
    EXPECT_EQ(ReadAll(Path("plain")), "x");
    EXPECT_TRUE(QFileInfo(Path("taken.prs")).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList{"plain", "taken.prs"}));
}

TEST_F(ExchangeTest, CancelledSaveWritesNothing)
{
    TestScript::ExpectFileCancel();
    session->SavePresetFile();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(view.informations.empty());
}

// --- Open ----------------------------------------------------------------------------------------

TEST_F(ExchangeTest, OpenRefusesWhatIsNoPresetFile)
{
    const QByteArray good = PresetFile(PresetBody());
    QByteArray wrongTag = good;
    wrongTag[1] = 'W';
    QByteArray outOfRange = good;
    outOfRange[16 + 14 + 64] = static_cast<char>(0x91);  // In A gain code 401 (0x0191)
    outOfRange[16 + 14 + 65] = 0x01;
    struct Case {
        const char *name;
        std::optional<QByteArray> bytes;  // none: no such file
    };
    const Case cases[] = {
        {.name = "543 bytes", .bytes = good.left(543)},  {.name = "545 bytes", .bytes = good + "\n"},
        {.name = "another tag", .bytes = wrongTag},      {.name = "a value outside its range", .bytes = outOfRange},
        {.name = "no such file", .bytes = std::nullopt},
    };
    const QByteArray before = ModelBytes(*session);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        view.informations.clear();
        const QString path = c.bytes ? WriteFile("refused.prs", *c.bytes) : Path("missing.prs");
        TestScript::ExpectOpenFile(path);
        session->OpenPresetFile();
        EXPECT_EQ(view.informations, (std::vector<QString>{"Open File Error !!"}));
    }
    EXPECT_EQ(ModelBytes(*session), before);
    EXPECT_EQ(view.eqDisplayResets, 5);
    EXPECT_EQ(view.refreshes, 0);
    EXPECT_EQ(session->GetFileLoadStep(), 0);
}

TEST_F(ExchangeTest, OpenOfflineFillsTheWindowFromTheFile)
{
    const QByteArray body = PresetBody();
    TestScript::ExpectOpenFile(WriteFile("show.prs", PresetFile(body)));
    session->OpenPresetFile();
    EXPECT_EQ(ModelBytes(*session).mid(2, 526), body);
    EXPECT_EQ(view.refreshes, 1);
    EXPECT_FALSE(session->IsControlsUpdating());
    EXPECT_EQ(view.progressModalShows, 0);
    EXPECT_EQ(session->GetFileLoadStep(), 0);
    EXPECT_TRUE(view.informations.empty());
}

TEST_F(ExchangeTest, OpenWhileConnectedSendsTheProgramAndWaitsForTheNextLevels)
{
    const QByteArray body = PresetBody();
    ConnectIdle();
    TestScript::ExpectOpenFile(WriteFile("show.prs", PresetFile(body)));
    session->OpenPresetFile();
    EXPECT_EQ(view.progressModalShows, 1);
    EXPECT_EQ(session->GetFileLoadStep(), 12);
    ExpectLogged(109);
    ASSERT_TRUE(PumpUntil([&] { return !session->UsbTransport()->Busy(); }));
    EXPECT_EQ(Logged(), 109u);
    const devsim::Image program = Processor().program;
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(program.data()) + 2, 526), body);
    EXPECT_TRUE(view.progressVisible);

    // The next level reply ends the transfer.
    TManualClock::Advance(300);
    ASSERT_TRUE(PumpUntil([&] { return !view.progressVisible; }));
    EXPECT_EQ(session->GetFileLoadStep(), 0);
    ExpectLogged(111);
    EXPECT_TRUE(LastRequestIs(CMD_POLL));
}

// A level request already on its way when the file is opened is answered before the program has
// gone out: that reply does not end the transfer, the first one after the program does.
TEST_F(ExchangeTest, OpenEndsWithTheFirstLevelReplyAfterTheProgram)
{
    const QByteArray body = PresetBody();
    ConnectIdle();
    devsim::FaultSettings noLevels;
    noLevels.refused = {CMD_LEVELS};
    sim.SetFaults(noLevels);
    TManualClock::Advance(300);  // the level poll asks
    ASSERT_TRUE(PumpUntil([&] { return Logged() == 1; }));
    TestScript::ExpectOpenFile(WriteFile("show.prs", PresetFile(body)));
    session->OpenPresetFile();
    sim.SetFaults({});
    Answer(CMD_LEVELS, BSTM(19, 0));  // the reply to the request sent before the file
    ASSERT_TRUE(PumpUntil([&] { return Logged() >= 1 + 109 && !session->UsbTransport()->Busy(); }));
    EXPECT_TRUE(view.progressVisible);
    EXPECT_EQ(session->GetFileLoadStep(), 12);

    TManualClock::Advance(300);
    ASSERT_TRUE(PumpUntil([&] { return !view.progressVisible; }));
    EXPECT_EQ(session->GetFileLoadStep(), 0);
    EXPECT_TRUE(PumpUntil([&] { return LastRequestIs(CMD_POLL); }));
}

}  // namespace
