// The preset store and recall lists with their rows of names, and the name dialog they open.

#include "DialogsFixture.h"

#include "platform/os/CodePage.h"
#include "platform/runtime/StringList.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ValueListEditor.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QTableView>
#include <QTest>

namespace {

std::string Gbk(const char16_t *text)
{
    return os::UnicodeToAnsi(text);
}

QString Row(TfmPresetList *list, int row)
{
    return list->vledPresetName->Strings()->Get(row);
}

// The user clicks a list row's name (grid row 1 is list row 0), through the window system.
void ClickRow(TfmPresetList *list, int row)
{
    auto *table = static_cast<QTableView *>(list->vledPresetName->WidgetIfCreated());
    ASSERT_NE(table, nullptr);
    const QModelIndex cell = table->model()->index(row, 1);
    table->scrollTo(cell);
    const QPoint p = table->viewport()->mapTo(list->Window(), table->visualRect(cell).center());
    QTest::mouseClick(list->Window()->windowHandle(), Qt::LeftButton, {}, p);
}

// The user types into the window that has the keyboard, through the window system.
void TypeIntoWindow(TCustomForm *form, const char *text)
{
    for (const char *c = text; *c; ++c)
        QTest::keyClick(form->Window()->windowHandle(), *c);
}

class PresetsTest : public DialogsTest {
protected:
    void TearDown() override
    {
        EXPECT_EQ(TestScript::Pending(), 0);
        fmStoreName->Close();
        DialogsTest::TearDown();
    }

    // Runs the list modally; `action` chooses and answers while it is shown.
    void RunList(TfmPresetList *list, std::function<void()> action)
    {
        TestScript::ExpectModal(list->Name(), [action](TCustomForm &) { action(); });
        list->ShowModal();
    }
};

TEST_F(PresetsTest, TheListsStartWithDefaultNamesInTheirRowLayout)
{
    ASSERT_EQ(fmStorePreset->vledPresetName->Strings()->Count(), 31);
    ASSERT_EQ(fmRecallPreset->vledPresetName->Strings()->Count(), 32);
    EXPECT_EQ(Row(fmStorePreset, 0), "     U01=  Default Preset");
    EXPECT_EQ(Row(fmStorePreset, 30), "     U31=  Default Preset");
    EXPECT_EQ(Row(fmRecallPreset, 0), "     F00=  Default Preset");
    EXPECT_EQ(Row(fmRecallPreset, 31), "     U31=  Default Preset");
    EXPECT_EQ(fmStorePreset->vledPresetName->Keys(5), "     U05");
    EXPECT_EQ(fmStorePreset->vledPresetName->Cells(1, 5), "  Default Preset");
    EXPECT_EQ(fmStorePreset->vledPresetName->ColWidths(0), 69);
    EXPECT_EQ(fmStorePreset->vledPresetName->ColWidths(1), 126);
}

TEST_F(PresetsTest, StoringNamesThePresetAndShowsTheNameInBothLists)
{
    fmStorePreset->SetRowName(4, "Old name      ");
    host.connected = true;
    bool listVisibleAtStore = true;
    host.onCall = [&](const std::string &call) {
        if (call == "StorePreset")
            listVisibleAtStore = fmStorePreset->Visible();
    };
    RunList(fmStorePreset, [&] {
        fmStorePreset->vledPresetName->SetRow(5);
        ASSERT_TRUE(fmStoreName->Visible());
        EXPECT_EQ(fmStoreName->lTitle->Caption(), "U05 : ");
        EXPECT_EQ(fmStoreName->edName->Text(), "Old name");
        EXPECT_TRUE(fmStoreName->edName->Enabled());
        EXPECT_EQ(fmStoreName->GetPresetIndex(), 4);
        fmStoreName->edName->SetText("Main");
        fmStoreName->btnOK->Click();
    });
    ASSERT_EQ(host.stores.size(), 1u);
    EXPECT_EQ(host.stores[0].index, 4);
    EXPECT_EQ(host.stores[0].name, "Main          ");
    EXPECT_EQ(host.stepValues, std::vector<int>{15});
    EXPECT_FALSE(listVisibleAtStore);
    EXPECT_FALSE(fmStoreName->Visible());
    EXPECT_FALSE(fmStorePreset->Visible());
    EXPECT_EQ(Row(fmStorePreset, 4), "     U05=  Main          ");
    EXPECT_EQ(Row(fmRecallPreset, 5), "     U05=  Main          ");
    EXPECT_EQ(fmStoreName->edName->Text(), "Main          ");
}

TEST_F(PresetsTest, OfflineTheListIsNotHiddenBeforeTheStore)
{
    bool listVisibleAtStore = false;
    host.onCall = [&](const std::string &call) {
        if (call == "StorePreset")
            listVisibleAtStore = fmStorePreset->Visible();
    };
    RunList(fmStorePreset, [&] {
        fmStorePreset->vledPresetName->SetRow(2);
        fmStoreName->btnOK->Click();
    });
    EXPECT_TRUE(listVisibleAtStore);
    ASSERT_EQ(host.stores.size(), 1u);
    EXPECT_EQ(host.stores[0].index, 1);
    EXPECT_EQ(host.stores[0].name, "Default Preset");
}

TEST_F(PresetsTest, RecallingTheFactoryPresetConfirmsWithAReadOnlyName)
{
    host.connected = true;
    bool listVisibleAtRecall = true;
    host.onCall = [&](const std::string &call) {
        if (call == "RecallPreset")
            listVisibleAtRecall = fmRecallPreset->Visible();
    };
    RunList(fmRecallPreset, [&] {
        ClickRow(fmRecallPreset, 0);
        ASSERT_TRUE(fmStoreName->Visible());
        EXPECT_EQ(fmStoreName->lTitle->Caption(), "F00 : ");
        EXPECT_EQ(fmStoreName->edName->Text(), "Default Preset");
        EXPECT_FALSE(fmStoreName->edName->Enabled());
        EXPECT_EQ(fmStoreName->GetStoreMode(), 0);
        fmStoreName->btnOK->Click();
    });
    EXPECT_EQ(host.recalls, std::vector<int>{0});
    EXPECT_TRUE(host.stores.empty());
    EXPECT_FALSE(listVisibleAtRecall);
    EXPECT_EQ(host.stepValues, std::vector<int>{15});
}

TEST_F(PresetsTest, RecallingAUserPresetTitlesItByItsNumber)
{
    RunList(fmRecallPreset, [&] {
        fmRecallPreset->vledPresetName->SetRow(12);
        EXPECT_EQ(fmStoreName->lTitle->Caption(), "U11 : ");
        fmStoreName->btnOK->Click();
    });
    EXPECT_EQ(host.recalls, std::vector<int>{11});
}

TEST_F(PresetsTest, CancelInTheNameDialogReturnsToTheListAndCancelInTheListSendsNothing)
{
    RunList(fmStorePreset, [&] {
        fmStorePreset->vledPresetName->SetRow(3);
        ASSERT_TRUE(fmStoreName->Visible());
        fmStoreName->bnCancel->Click();
        EXPECT_FALSE(fmStoreName->Visible());
        EXPECT_TRUE(fmStorePreset->Visible());
        EXPECT_EQ(fmStorePreset->ModalResult(), mrNone);
        fmStorePreset->bnCancel->Click();
    });
    EXPECT_FALSE(fmStorePreset->Visible());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(PresetsTest, ANameIsCutByBytesWithoutSplittingACharacterAndStoredAsTyped)
{
    struct Case {
        const char *name;
        const char16_t *typed;
        std::string stored;
    };
    const Case cases[] = {
        {.name = "16 GBK bytes", .typed = u"中文中文中文中文", .stored = Gbk(u"中文中文中文中")},
        {.name = "a character across the limit", .typed = u"A中文中文中文中", .stored = Gbk(u"A中文中文中文") + " "},
        {.name = "a percent sign", .typed = u"50% mix", .stored = "50% mix       "},
    };
    for (const Case &c : cases) {
        host.stores.clear();
        RunList(fmStorePreset, [&] {
            ClickRow(fmStorePreset, 6);
            fmStoreName->edName->SetText(QString::fromStdU16String(c.typed));
            fmStoreName->btnOK->Click();
        });
        ASSERT_EQ(host.stores.size(), 1u) << c.name;
        EXPECT_EQ(host.stores[0].name, c.stored) << c.name;
        EXPECT_EQ(fmStorePreset->RowName(6), c.stored) << c.name;
        EXPECT_EQ(Row(fmStorePreset, 6), "     U07=  " + QString::fromStdU16String(os::AnsiToUnicode(c.stored)))
            << c.name;
    }
}

TEST_F(PresetsTest, ARowSetterChangesItsOwnRowOnly)
{
    struct Case {
        const char *name;
        int row;
        std::string given;
        QString shown;  // "" when the row is outside the list
    };
    const Case cases[] = {
        {.name = "exactly 14 bytes", .row = 3, .given = "Stage Left 01 ", .shown = "     U04=  Stage Left 01 "},
        {.name = "short, blank-padded", .row = 0, .given = "Hall", .shown = "     U01=  Hall          "},
        {.name = "long, cut", .row = 30, .given = "Concert Hall Main Mix", .shown = "     U31=  Concert Hall M"},
        {.name = "line breaks, equals and zeros as blanks",
         .row = 7,
         .given = std::string("A\rB\nC=D\0E     ", 14),
         .shown = "     U08=  A B C D E     "},
        {.name = "row below the list", .row = -1, .given = "Lost          ", .shown = ""},
        {.name = "row beyond the list", .row = 31, .given = "Lost          ", .shown = ""},
    };
    for (const Case &c : cases) {
        const QString before = fmStorePreset->vledPresetName->Strings()->Text();
        fmStorePreset->SetRowName(c.row, c.given);
        QStringList expected = before.split("\r\n");
        if (!c.shown.isEmpty())
            expected[c.row] = c.shown;
        EXPECT_EQ(fmStorePreset->vledPresetName->Strings()->Text(), expected.join("\r\n")) << c.name;
        EXPECT_EQ(fmStorePreset->vledPresetName->Strings()->Count(), 31) << c.name;
    }
    fmRecallPreset->SetRowName(31, "Last          ");
    fmRecallPreset->SetRowName(32, "Lost          ");
    EXPECT_EQ(Row(fmRecallPreset, 31), "     U31=  Last          ");
    EXPECT_EQ(fmRecallPreset->vledPresetName->Strings()->Count(), 32);
}

TEST_F(PresetsTest, EnterInTheNameFieldClicksOk)
{
    RunList(fmStorePreset, [&] {
        ClickRow(fmStorePreset, 0);
        fmStoreName->edName->SetText("Quick");
        QChar key(13);
        fmStoreName->edNameKeyPress(fmStoreName->edName, key);
    });
    ASSERT_EQ(host.stores.size(), 1u);
    EXPECT_EQ(host.stores[0].name, "Quick         ");
}

// The first row is the current one from the start: a click on it opens the name dialog, where
// the user types while the list still runs modally.
TEST_F(PresetsTest, TheUserNamesTheFirstPresetWithTheMouseAndTheKeyboard)
{
    RunList(fmStorePreset, [&] {
        ASSERT_EQ(fmStorePreset->vledPresetName->Row(), 1);
        ClickRow(fmStorePreset, 0);
        ASSERT_TRUE(fmStoreName->Visible());
        EXPECT_EQ(fmStoreName->lTitle->Caption(), "U01 : ");
        TypeIntoWindow(fmStoreName, "Main");
        EXPECT_EQ(fmStoreName->edName->Text(), "Main");
        QTest::keyClick(fmStoreName->Window()->windowHandle(), Qt::Key_Return);
    });
    ASSERT_EQ(host.stores.size(), 1u);
    EXPECT_EQ(host.stores[0].index, 0);
    EXPECT_EQ(host.stores[0].name, "Main          ");
}

}  // namespace
