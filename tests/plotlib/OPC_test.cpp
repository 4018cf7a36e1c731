// The OPC binding of library controls: items with a fake client library, streaming, the manager's
// groups and explorer, and the behaviour without any library.

#include "FakeOPCLibrary.h"
#include "TestPlotControl.h"
#include "platform/ui/StdTestApp.h"

#include "platform/ui/ControlsRender.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/ui/TreeView.h"
#include "plotlib/opc/iOPCManager.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

struct OPCTest : ::testing::Test {
    FakeOPCLibrary library;
    TTestPlotControl control{nullptr};

    // A new item bound to `property`, fed by `server`/`item` of the library.
    TiOPCItem *AddItem(const char *property, const char *server = "Sim.Server", const char *item = "Tank.Level")
    {
        TiOPCItem *i = control.OPCItemManager()->Items(control.OPCAddItem());
        i->SetAutoConnect(false);
        i->SetPropertyName(QString::fromLatin1(property));
        i->SetServerName(QString::fromLatin1(server));
        i->SetItemName(QString::fromLatin1(item));
        return i;
    }
};

TEST_F(OPCTest, GoodValuesAreScaledIntoThePropertyAndBadOnesLeaveIt)
{
    struct Case {
        const char *name;
        const char *property;
        TiOPCValue value;
        std::uint16_t quality;
        TiOPCValue arrives;
        std::function<bool(const TTestPlotControl &)> holds;
    };
    const Case cases[] = {
        {.name = "integer",
         .property = "Value",
         .value = 5,
         .quality = 0xC0,
         .arrives = 11,
         .holds = [](const TTestPlotControl &c) { return c.Value() == 11; }},
        {.name = "float",
         .property = "Level",
         .value = 2.25,
         .quality = 0xD8,
         .arrives = 5.5,
         .holds = [](const TTestPlotControl &c) { return c.Level == 5.5; }},
        {.name = "bad quality",
         .property = "Value",
         .value = 5,
         .quality = 0x40,
         .arrives = 5,
         .holds = [](const TTestPlotControl &c) { return c.Value() == 0; }},
        {.name = "text is not scaled",
         .property = "Caption2",
         .value = "7",
         .quality = 0xC0,
         .arrives = "7",
         .holds = [](const TTestPlotControl &c) { return c.Caption2 == "7"; }},
        {.name = "Boolean from text",
         .property = "Checked",
         .value = "True",
         .quality = 0xC0,
         .arrives = "True",
         .holds = [](const TTestPlotControl &c) { return c.Checked; }},
        {.name = "into a sub-object",
         .property = "marker.width",
         .value = 3,
         .quality = 0xC0,
         .arrives = 7,
         .holds = [](const TTestPlotControl &c) { return c.Marker()->Width == 7; }},
    };
    for (const Case &c : cases) {
        control.OPCRemoveAllItems();
        control.SetValue(0);
        TiOPCItem *item = AddItem(c.property);
        item->SetScalar(2);
        item->SetOffset(1);
        item->Activate();
        int newData = -1;
        control.OnNewOPCData = [&](int index) { newData = index; };
        library.Deliver(library.Last(), c.value, c.quality);
        EXPECT_TRUE(item->Data() == c.arrives) << c.name << ": " << item->Data().ToText().toStdString();
        EXPECT_TRUE(c.holds(control)) << c.name;
        EXPECT_EQ(newData, 0) << c.name;
        EXPECT_EQ(item->Quality(), c.quality) << c.name;
    }
}

TEST_F(OPCTest, AnItemSubscribesOnlyWithAPropertyASourceAndAnItemName)
{
    struct Case {
        const char *name;
        const char *property, *group, *server, *item;
        bool subscribes;
    };
    const Case cases[] = {
        {.name = "complete", .property = "Value", .group = "", .server = "S", .item = "I", .subscribes = true},
        {.name = "group names the server",
         .property = "Value",
         .group = "Pumps",
         .server = "",
         .item = "I",
         .subscribes = true},
        {.name = "no property", .property = "", .group = "Pumps", .server = "S", .item = "I", .subscribes = false},
        {.name = "blank property", .property = "  ", .group = "", .server = "S", .item = "I", .subscribes = false},
        {.name = "no source", .property = "Value", .group = "", .server = " ", .item = "I", .subscribes = false},
        {.name = "no item", .property = "Value", .group = "", .server = "S", .item = "", .subscribes = false},
    };
    for (const Case &c : cases) {
        const int before = library.added;
        TiOPCItem *item = control.OPCItemManager()->Items(control.OPCAddItem());
        item->SetAutoConnect(false);
        item->SetPropertyName(QString::fromLatin1(c.property));
        item->SetGroupName(QString::fromLatin1(c.group));
        item->SetServerName(QString::fromLatin1(c.server));
        item->SetItemName(QString::fromLatin1(c.item));
        item->Activate();
        EXPECT_EQ(library.added - before, c.subscribes ? 1 : 0) << c.name;
        EXPECT_EQ(item->Active(), c.subscribes) << c.name;
    }
}

TEST_F(OPCTest, SubscriptionsCarryTheItemsSettings)
{
    TiOPCItem *text = AddItem("Caption2", "Srv", "Name");
    text->SetUpdateRate(250);
    text->ActivateSuspend();
    const FakeOPCLibrary::Subscription &s = library.subscriptions.at(library.Last());
    EXPECT_EQ(s.Computer, QStringLiteral("Local"));
    EXPECT_EQ(s.Server, QStringLiteral("Srv"));
    EXPECT_EQ(s.Item, QStringLiteral("Name"));
    EXPECT_EQ(s.UpdateRate, 250);
    EXPECT_TRUE(s.Suspended);
    EXPECT_EQ(s.RequestedType, OPCTypeString);
    EXPECT_TRUE(text->UpdateSuspended());

    AddItem("Value")->Activate();
    EXPECT_EQ(library.subscriptions.at(library.Last()).RequestedType, OPCTypeServer);
}

TEST_F(OPCTest, ChangingTheItemNameOfAnActiveItemSubscribesAgain)
{
    TiOPCItem *item = AddItem("Value");
    item->SetItemName(QStringLiteral("Tank.Other"));
    EXPECT_EQ(library.added, 0) << "an inactive item only stores the name";
    item->Activate();
    const int first = item->SignalHandle();
    item->SetItemName(QStringLiteral("Tank.Volume"));
    EXPECT_EQ(library.removed, std::vector<int>{first});
    EXPECT_EQ(library.added, 2);
    EXPECT_EQ(library.subscriptions.at(item->SignalHandle()).Item, QStringLiteral("Tank.Volume"));
}

TEST_F(OPCTest, ChangesGoOutToBoundItemsButIncomingValuesDoNotComeBack)
{
    TiOPCItem *item = AddItem("value");
    item->Activate();
    control.SetValue(42);
    ASSERT_EQ(library.sent.size(), 1u);
    EXPECT_TRUE(library.sent[0].second == TiOPCValue(42));
    EXPECT_FALSE(control.OPCPropertyChange(QStringLiteral("Level"), TiOPCValue(1.0)));

    library.Deliver(item->SignalHandle(), 7);
    EXPECT_EQ(control.Value(), 7);
    EXPECT_EQ(library.sent.size(), 1u) << "the incoming value is not written back";
    control.SetValue(8);
    EXPECT_EQ(library.sent.size(), 2u);
}

TEST_F(OPCTest, TheBeforeEventMayChangeTheValue)
{
    AddItem("Value")->Activate();
    control.OnBeforeNewOPCData = [](int, TiOPCValue &data) { data = TiOPCValue(99); };
    library.Deliver(library.Last(), 5);
    EXPECT_EQ(control.Value(), 99);
}

TEST_F(OPCTest, AutoErrorMirrorsTheQualityIntoTheControl)
{
    TiOPCItem *item = AddItem("Value");
    item->Activate();
    item->SetAutoError(true);
    library.Deliver(item->SignalHandle(), 1, 0x00);
    EXPECT_TRUE(control.ErrorActive());
    library.Deliver(item->SignalHandle(), 1, 0xC0);
    EXPECT_FALSE(control.ErrorActive());
}

TEST_F(OPCTest, AStreamedControlRecreatesItsItemsAndConnectsTheAutoConnectOnes)
{
    control.SetName(QStringLiteral("Gauge"));
    TiOPCItem *first = AddItem("Value", "Srv", "A");
    first->SetAutoConnect(true);
    first->SetScalar(2.5);
    TiOPCItem *second = AddItem("Level", "Srv", "B");
    second->SetAutoConnect(false);
    const QString text = WriteComponentToText(&control);
    EXPECT_TRUE(text.contains(QStringLiteral("OPCItems = <"))) << text.toStdString();

    const int before = library.added;
    std::unique_ptr<TComponent> copy(CreateComponentFromText(text, QStringLiteral("gauge.dfm"), nullptr));
    auto *read = dynamic_cast<TTestPlotControl *>(copy.get());
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->OPCItemCount(), 2);
    EXPECT_EQ(read->GetOPCItemItemName(0), QStringLiteral("A"));
    EXPECT_EQ(read->OPCItemManager()->Items(0)->Scalar(), 2.5);
    EXPECT_EQ(read->GetOPCItemItemName(1), QStringLiteral("B"));
    EXPECT_FALSE(read->GetOPCItemAutoConnect(1));
    EXPECT_EQ(library.added - before, 1);
    EXPECT_EQ(library.subscriptions.at(library.Last()).Item, QStringLiteral("A"));
    EXPECT_TRUE(read->OPCItemManager()->Items(0)->Active());
    EXPECT_FALSE(read->OPCItemManager()->Items(1)->Active());
}

TEST_F(OPCTest, LibraryErrorsAreRaisedWithTheirText)
{
    TiOPCItem *item = AddItem("Value");
    library.FailNextCall(QStringLiteral("Server busy"));
    try {
        item->Activate();
        FAIL() << "no error";
    }
    catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Server busy"));
    }
    try {
        item->UpdateSuspend();
        FAIL() << "a missing function works";
    }
    catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Function \"SignalSuspend\" not found in \"iOPC2.dll\"."));
    }
}

TEST_F(OPCTest, ABadItemIndexRaisesTheListError)
{
    EXPECT_THROW(control.GetOPCItemItemName(0), EStringListError);
    EXPECT_THROW(control.OPCDeleteItem(-1), EStringListError);
}

TEST_F(OPCTest, ManagerGroupsAreFoundWithoutRegardToCaseAndStreamed)
{
    TiOPCManager manager(nullptr);
    EXPECT_EQ(manager.Width(), 28);
    manager.SetBounds(5, 5, 100, 100);
    EXPECT_EQ(manager.Height(), 28);
    EXPECT_FALSE(manager.Visible());
    EXPECT_EQ(manager.GroupAdd(QStringLiteral("Boilers"), QStringLiteral("Local"), QStringLiteral("Srv"), 1000), 0);
    EXPECT_EQ(manager.GroupAdd(QStringLiteral("Pumps"), QStringLiteral("Local"), QStringLiteral("Srv"), 250), 1);
    EXPECT_EQ(manager.GetGroupIndex(QStringLiteral("pumps")), 1);
    EXPECT_EQ(manager.GetGroupIndex(QStringLiteral("fans")), -1);
    EXPECT_EQ(library.groups.size(), 2u);

    QStringList seen;
    manager.OnBeforeGroupUpdate = [&](TObject *, const QString &name) { seen << name; };
    library.groups.at(manager.Groups(1)->DLLGroupHandle())
        .Callback->BeforeGroupUpdate(manager.Groups(1)->DLLGroupHandle());
    manager.Groups(1)->SetUpdateRate(500);
    EXPECT_EQ(library.groups.at(manager.Groups(1)->DLLGroupHandle()).UpdateRate, 500);
    manager.BeforeGroupUpdate(12345);
    EXPECT_EQ(seen, QStringList({"Pumps", ""}));

    const QByteArray dir = qgetenv("TROV_PLOTLIB_PNG_DIR");
    if (!dir.isEmpty())
        SaveControlImage(&manager, QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("opc-manager.png")));

    manager.SetName(QStringLiteral("OPCManager1"));
    const QString text = WriteComponentToText(&manager);
    std::unique_ptr<TComponent> copy(CreateComponentFromText(text, QStringLiteral("manager.dfm"), nullptr));
    auto *read = dynamic_cast<TiOPCManager *>(copy.get());
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->GroupCount(), 2);
    EXPECT_EQ(read->Groups(1)->Name(), QStringLiteral("Pumps"));
    EXPECT_EQ(read->Groups(1)->UpdateRate(), 500);

    const int handle = manager.Groups(0)->DLLGroupHandle();
    manager.GroupDelete(0);
    EXPECT_EQ(library.deletedGroups, std::vector<int>{handle});
    EXPECT_EQ(manager.GroupCount(), 1);
}

TEST_F(OPCTest, TheExplorerListsTheOpenConnections)
{
    library.connections = {QStringLiteral("Sim.Server.2"), QStringLiteral("Acme.Plc.1")};
    TiOPCManager manager(nullptr);
    manager.ExplorerShow();
    TiOPCExplorerForm *explorer = TiOPCExplorerForm::Shared();
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(explorer->Caption(), QStringLiteral("Quorin OPC Explorer"));
    EXPECT_EQ(explorer->FormStyle(), fsStayOnTop);
    TTreeNodes *nodes = explorer->TreeView->Items();
    ASSERT_EQ(nodes->Count(), 4);
    EXPECT_EQ(nodes->Item(0)->Text(), QStringLiteral("Groups"));
    EXPECT_EQ(nodes->Item(1)->Text(), QStringLiteral("Servers Connections"));
    EXPECT_EQ(nodes->Item(2)->Text(), QStringLiteral("Acme.Plc.1"));
    EXPECT_EQ(nodes->Item(2)->ImageIndex(), 2);
    EXPECT_EQ(nodes->Item(3)->Text(), QStringLiteral("Sim.Server.2"));
    nodes->Item(1)->Expand(false);
    const QByteArray dir = qgetenv("TROV_PLOTLIB_PNG_DIR");
    if (!dir.isEmpty())
        SaveControlImage(explorer, QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("opc-explorer.png")));

    TiOPCManager second(nullptr);
    EXPECT_EQ(TiOPCExplorerForm::Shared(), nullptr) << "a new manager forgets the shown explorer";
    delete explorer;
}

TEST(OPCWithoutLibrary, NothingSubscribesAndExplicitCallsGiveTheNotFoundText)
{
    ASSERT_FALSE(TiOPCClient::Present());
    TTestPlotControl control(nullptr);
    TiOPCItem *item = control.OPCItemManager()->Items(control.OPCAddItem());
    item->SetPropertyName(QStringLiteral("Value"));
    item->SetServerName(QStringLiteral("S"));
    item->SetItemName(QStringLiteral("I"));
    item->SetAutoConnect(true);
    EXPECT_NO_THROW(item->Activate());
    EXPECT_NO_THROW(item->Loaded());
    EXPECT_FALSE(item->Active());
    EXPECT_FALSE(item->UpdateSuspended());
    EXPECT_NO_THROW(item->SetData(TiOPCValue(3)));
    std::uint16_t quality = 0x11;
    EXPECT_TRUE(item->GetDataNow(quality).IsEmpty());
    EXPECT_EQ(quality, 0x11);
    EXPECT_FALSE(control.OPCPropertyChange(QStringLiteral("Value"), TiOPCValue(1)));
    try {
        item->UpdateResume();
        FAIL() << "resuming without a library works";
    }
    catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Quorin OPC DLL Not Found."));
    }

    TiOPCManager manager(nullptr);
    EXPECT_FALSE(manager.FirstInstance());
    manager.GroupAdd(QStringLiteral("Pumps"), QString(), QString(), 100);
    EXPECT_EQ(manager.Groups(0)->DLLGroupHandle(), 0);
    manager.Groups(0)->SetUpdateRate(200);
    EXPECT_NO_THROW(manager.GroupDelete(0));
    try {
        manager.ExplorerShow();
        FAIL() << "the explorer opens without a library";
    }
    catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Quorin OPC DLL Not Found."));
    }
    delete TiOPCExplorerForm::Shared();
}

}  // namespace
