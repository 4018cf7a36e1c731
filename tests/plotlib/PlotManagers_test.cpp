// The object managers and the master manager: names and defaults of new objects, lookups, the
// channel palette, streaming with the plot's form, the fan-out of notifications, and tearing a
// plot down while menus and repeat timers still point at its objects.

#include "TestPlotHost.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/runtime/TimerService.h"
#include "platform/ui/StdTestApp.h"
#include "platform/ui/TestScript.h"

#include <gtest/gtest.h>

namespace {

// One object of each kind whose menu offers "Edit...".
void AddEditableKinds(TiPlotMasterManager &Master)
{
    Master.AddChannel();
    Master.AddXAxis();
    Master.AddYAxis();
    Master.AddDataView();
    Master.AddToolBar();
    Master.AddLegend();
    Master.AddTable();
    Master.AddDataCursor();
    Master.AddLimit();
}

struct PlotManagers : ::testing::Test {
    TTestPlotHost host{nullptr};
    TiPlotMasterManager &master = *host.Master();

    TTestChannel *Channel(int Index) const
    {
        return static_cast<TTestChannel *>(master.ChannelManager()->Items(Index));
    }
};

TEST_F(PlotManagers, NewObjectsTakeTheirKindsNextName)
{
    struct Case {
        const char *expected;
        std::function<int()> add;
        TiPlotObjectManagerCustom *manager;
    };
    const Case cases[] = {
        {"Channel 1", [&] { return master.AddChannel(); }, master.ChannelManager()},
        {"X-Axis 1", [&] { return master.AddXAxis(); }, master.XAxisManager()},
        {"Y-Axis 1", [&] { return master.AddYAxis(); }, master.YAxisManager()},
        {"Data View 1", [&] { return master.AddDataView(); }, master.DataViewManager()},
        {"Cursor 1", [&] { return master.AddDataCursor(); }, master.DataCursorManager()},
        {"Limit 1", [&] { return master.AddLimit(); }, master.LimitManager()},
        {"Label 1", [&] { return master.AddLabel(); }, master.LabelManager()},
        {"Legend 1", [&] { return master.AddLegend(); }, master.LegendManager()},
        {"Table 1", [&] { return master.AddTable(); }, master.TableManager()},
        {"Toolbar 1", [&] { return master.AddToolBar(); }, master.ToolBarManager()},
        {"", [&] { return master.AddAnnotation(); }, master.AnnotationManager()},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.add(), 0) << c.expected;
        EXPECT_EQ(c.add(), 1) << c.expected;
        EXPECT_EQ(c.manager->Items(0)->Name(), QString::fromLatin1(c.expected));
        EXPECT_EQ(c.manager->Count(), 2) << c.expected;
    }
    EXPECT_EQ(master.ChannelManager()->Items(1)->Name(), QStringLiteral("Channel 2"));
    EXPECT_EQ(master.XAxisManager()->Items(1)->Title(), QStringLiteral("X-Axis 2"));
    EXPECT_EQ(master.LabelManager()->Items(1)->Caption(), QStringLiteral("Label 2"));
}

TEST_F(PlotManagers, TheNextNumberFollowsTheHighestIntegerSuffix)
{
    struct Case {
        const char *name;
        QStringList names;
        const char *expected;
    };
    const Case cases[] = {
        {.name = "none", .names = {}, .expected = "X-Axis 1"},
        {.name = "gap", .names = {"X-Axis 1", "X-Axis 7"}, .expected = "X-Axis 8"},
        {.name = "other case", .names = {"x-axis 3"}, .expected = "X-Axis 4"},
        {.name = "leading blanks", .names = {"X-Axis   5"}, .expected = "X-Axis 6"},
        {.name = "not a number", .names = {"X-Axis A", "X-Axis 2b", "Axis 9"}, .expected = "X-Axis 1"},
        {.name = "largest number", .names = {"X-Axis 2147483647"}, .expected = "X-Axis 2147483648"},
    };
    for (const Case &c : cases) {
        TTestPlotHost plot(nullptr);
        for (const QString &name : c.names) {
            const int index = plot.Master()->AddXAxis();
            plot.Master()->XAxisManager()->Items(index)->SetName(name);
        }
        EXPECT_EQ(plot.Master()->XAxisManager()->GetNextName(), QString::fromLatin1(c.expected)) << c.name;
    }
}

TEST_F(PlotManagers, LooksObjectsUpByNameInAnyCase)
{
    master.AddXAxis();
    master.AddXAxis();
    TiPlotXAxisManager *axes = master.XAxisManager();
    EXPECT_EQ(axes->GetObjectByName(QStringLiteral("x-axis 2")), axes->Items(1));
    EXPECT_EQ(axes->GetIndexByName(QStringLiteral("X-AXIS 1")), 0);
    EXPECT_EQ(axes->GetObjectByName(QStringLiteral("X-Axis 3")), nullptr);
    EXPECT_EQ(axes->GetIndexByName(QStringLiteral("X-Axis 3")), -1);
    EXPECT_THROW(axes->Items(2), EStringListError);
    EXPECT_THROW(axes->Items(-1), EStringListError);
}

TEST_F(PlotManagers, FilingTwiceKeepsOneEntryAndDeleteLeavesTheObjectAlive)
{
    master.AddXAxis();
    master.AddXAxis();
    TiPlotXAxisManager *axes = master.XAxisManager();
    TiPlotXAxis *first = axes->Items(0);
    axes->InsertObject(first);
    axes->NotificationInsert(first);
    EXPECT_EQ(axes->Count(), 2);

    axes->Delete(0);
    EXPECT_EQ(axes->Count(), 1);
    EXPECT_EQ(first->Name(), QStringLiteral("X-Axis 1"));
    EXPECT_GE(master.ObjectManager()->GetIndex(first), 0);
    first->Free();
    EXPECT_LT(master.ObjectManager()->GetIndex(first), 0);
}

TEST_F(PlotManagers, ChannelsTakeTheLeastUsedPaletteColour)
{
    master.AddXAxis();
    master.AddYAxis();
    for (int i = 0; i < 3; ++i)
        master.AddChannel();
    EXPECT_EQ(Channel(0)->Color(), 255);
    EXPECT_EQ(Channel(1)->Color(), 65535);
    EXPECT_EQ(Channel(2)->Color(), 16711680);
    EXPECT_EQ(Channel(1)->TitleText(), QStringLiteral("Channel 2"));
    EXPECT_EQ(Channel(1)->XAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(Channel(1)->YAxisName(), QStringLiteral("Y-Axis 1"));

    // The yellow one goes: the next channel is yellow again.
    Channel(1)->Free();
    master.AddChannel();
    EXPECT_EQ(Channel(2)->Color(), 65535);

    // Colours outside the palette count for no entry: yellow, blue and the new channel's own red
    // are used once each.
    Channel(0)->SetColor(0x123456);
    master.AddChannel();
    EXPECT_EQ(Channel(3)->Color(), 16711935);
}

TEST_F(PlotManagers, TheThirtyFirstChannelStartsThePaletteAgain)
{
    for (int i = 0; i < 31; ++i)
        master.AddChannel();
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(Channel(i)->Color(), iPlotChannelPalette[static_cast<std::size_t>(i)]) << i;
    // Every colour is taken once; red counts twice with the new channel's own default.
    EXPECT_EQ(Channel(30)->Color(), 65535);
}

TEST_F(PlotManagers, NewObjectsTakeTheFirstAxesAndChannelOnlyWhenThereAreAny)
{
    master.AddDataView();
    master.AddLimit();
    master.AddDataCursor();
    EXPECT_EQ(master.DataViewManager()->Items(0)->GridXAxisName(), QString());
    EXPECT_EQ(master.DataCursorManager()->Items(0)->DataView(), master.DataViewManager()->Items(0));
    EXPECT_EQ(master.DataCursorManager()->Items(0)->ChannelName(), QString());

    master.AddXAxis();
    master.AddYAxis();
    master.AddChannel();
    master.AddDataView();
    master.AddLimit();
    master.AddDataCursor();
    EXPECT_EQ(master.DataViewManager()->Items(1)->GridXAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(master.DataViewManager()->Items(1)->GridYAxisName(), QStringLiteral("Y-Axis 1"));
    EXPECT_EQ(master.LimitManager()->Items(1)->XAxisName(), QStringLiteral("X-Axis 1"));
    EXPECT_EQ(master.LimitManager()->Items(1)->YAxisName(), QStringLiteral("Y-Axis 1"));
    EXPECT_EQ(master.DataCursorManager()->Items(1)->ChannelName(), QStringLiteral("Channel 1"));
}

TEST_F(PlotManagers, ManagersRefuseAMissingOwnerOrNotification)
{
    ExpectOwnerChecks(&host, "Owner must be Assigned",
                      [](TWinControl *owner, TNotifyEvent change, TNotifyEvent insert, TNotifyEvent remove,
                         TNotifyEvent rename) { TiPlotLegendManager manager(owner, change, insert, remove, rename); });
    try {
        master.ObjectManager()->CreateObject();
        ADD_FAILURE() << "created";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Object Manager does not support creation of objects"));
    }
}

// ---- Streaming with the plot's form -------------------------------------------------------------

TEST_F(PlotManagers, StreamedObjectsKeepTheirStreamedValuesAndReachThePlot)
{
    const QString form = QStringLiteral(R"(object TTestPlotHost
  XAxisManager = <
    item
      Name = 'Time'
      Title = 'Seconds'
      ZOrder = 0
    end>
  YAxisManager = <
    item
      ZOrder = 0
    end>
  ChannelManager = <
    item
      Name = 'Input'
      TitleText = 'In A'
      Color = 16711935
      XAxisName = 'Other'
    end
    item
    end>
  TranslationManager = <
    item
      OriginalString = 'Edit...'
      ReplacementString = 'Change...'
    end>
end
)");
    ReadComponentFromText(&host, form, QStringLiteral("plot.dfm"));

    TTestChannel *input = Channel(0);
    EXPECT_EQ(input->Name(), QStringLiteral("Input"));
    EXPECT_EQ(input->TitleText(), QStringLiteral("In A"));
    EXPECT_EQ(input->Color(), 16711935);
    EXPECT_EQ(input->XAxisName(), QStringLiteral("Other"));
    EXPECT_EQ(input->YAxisName(), QString());
    // An item without a name is a new object of its kind.
    EXPECT_EQ(Channel(1)->Name(), QStringLiteral("Channel 1"));
    EXPECT_EQ(Channel(1)->XAxisName(), QStringLiteral("Time"));
    EXPECT_EQ(Channel(1)->YAxisName(), QStringLiteral("Y-Axis 1"));
    EXPECT_EQ(master.XAxisManager()->Items(0)->Title(), QStringLiteral("Seconds"));
    EXPECT_EQ(master.YAxisManager()->Items(0)->Title(), QStringLiteral("Y-Axis 1"));
    EXPECT_EQ(master.TranslationManager()->FindReplacement(QStringLiteral("Edit...")), QStringLiteral("Change..."));
    for (const char *inserted : {"insert Time", "insert Y-Axis 1", "insert Input", "insert Channel 1"})
        EXPECT_TRUE(host.Log.contains(QString::fromLatin1(inserted))) << inserted;
    EXPECT_EQ(master.ObjectManager()->Count(), 2 + 4);
}

TEST_F(PlotManagers, AFormWrittenAndReadAgainHoldsTheSameObjects)
{
    master.AddXAxis();
    master.AddYAxis();
    master.AddChannel();
    master.AddChannel();
    master.AddLabel();
    master.LabelManager()->Items(0)->SetMarginBottom(0.5);
    master.AddTranslation();
    master.TranslationManager()->Items(0)->SetOriginalString(QStringLiteral("Edit..."));
    Channel(1)->SetXAxisName(QStringLiteral("Elsewhere"));
    const QString text = WriteComponentToText(&host);
    EXPECT_TRUE(text.contains(QStringLiteral("ChannelManager = <"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("LegendManager"))) << text.toStdString();

    TTestPlotHost copy(nullptr);
    ReadComponentFromText(&copy, text, QStringLiteral("copy.dfm"));
    TiPlotMasterManager &other = *copy.Master();
    ASSERT_EQ(other.ChannelManager()->Count(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(other.ChannelManager()->Items(i)->Name(), Channel(i)->Name());
        EXPECT_EQ(other.ChannelManager()->Items(i)->Color(), Channel(i)->Color());
        EXPECT_EQ(other.ChannelManager()->Items(i)->XAxisName(), Channel(i)->XAxisName());
    }
    EXPECT_EQ(other.LabelManager()->Items(0)->MarginBottom(), 0.5);
    EXPECT_EQ(other.TranslationManager()->Count(), 1);
    EXPECT_EQ(WriteComponentToText(&copy), text);
}

TEST_F(PlotManagers, AStreamValueThatIsNoCollectionLeavesTheManagerEmpty)
{
    master.AddXAxis();
    ReadComponentFromText(&host, QStringLiteral("object TTestPlotHost\n  XAxisManager = 5\nend\n"),
                          QStringLiteral("plot.dfm"));
    EXPECT_EQ(master.XAxisManager()->Count(), 0);
}

// ---- Fan-out of the master manager --------------------------------------------------------------

TEST_F(PlotManagers, UserCanEditObjectsRemovesEditFromEveryMenu)
{
    AddEditableKinds(master);
    auto editItems = [&] {
        int found = 0;
        TiPlotObjectManager *all = master.ObjectManager();
        for (int i = 0; i < all->Count(); ++i) {
            all->Items(i)->AddMenuItems(host.PopupMenu());
            if (host.PopupMenu()->Items()->Find(QStringLiteral("Edit...")))
                ++found;
        }
        return found;
    };
    EXPECT_EQ(editItems(), 9);
    master.SetUserCanEditObjects(false);
    EXPECT_EQ(editItems(), 0);
    // Objects added later follow the setting.
    master.AddLimit();
    EXPECT_EQ(editItems(), 0);
}

// A channel that hears the renames of other objects.
class TRenameChannel : public TTestChannel {
public:
    using TTestChannel::TTestChannel;
    QStringList Heard;
    void NotifyRenamed(TObject *AObject) override { Heard << static_cast<TiPlotObject *>(AObject)->Name(); }
};

TEST_F(PlotManagers, RenamesAndRemovalsReachEveryManager)
{
    master.SetChannelClass(TiPlotChannelClass::Of<TRenameChannel>());
    master.AddXAxis();
    master.AddChannel();
    master.AddDataView();
    master.AddDataCursor();
    master.AddLegend();
    TiPlotDataView *view = master.DataViewManager()->Items(0);
    TiPlotLegend *legend = master.LegendManager()->Items(0);
    ASSERT_EQ(master.DataCursorManager()->Items(0)->DataView(), view);

    // The channel manager's channel hears of the axis's new name.
    master.XAxisManager()->Items(0)->SetName(QStringLiteral("Time"));
    EXPECT_EQ(static_cast<TRenameChannel *>(Channel(0))->Heard.last(), QStringLiteral("Time"));

    host.Log.clear();
    view->Free();
    legend->Free();
    EXPECT_EQ(host.Log, (QStringList{"remove Data View 1", "remove Legend 1"}));
    EXPECT_EQ(master.DataCursorManager()->Items(0)->DataView(), nullptr);
    EXPECT_EQ(master.DataViewManager()->Count(), 0);
    EXPECT_EQ(master.LegendManager()->Count(), 0);
    EXPECT_EQ(master.ObjectManager()->GetIndex(legend), -1);
    EXPECT_EQ(master.LayoutManager()->GetIndex(legend), -1);
    EXPECT_EQ(master.LayoutManager()->RightList()->Count(), 0);
}

TEST_F(PlotManagers, TheMasterPassesSelectionAndSwappedAxesOn)
{
    master.AddXAxis();
    master.AddDataView();
    master.AddChannel();
    TiPlotDataView *view = master.DataViewManager()->Items(0);
    host.InvalidatesNow = 0;
    view->SetUserSelected(true);
    EXPECT_EQ(host.InvalidatesNow, 1);
    EXPECT_TRUE(host.Log.contains(QStringLiteral("got Data View 1")));
    master.DeSelectAll();
    EXPECT_FALSE(view->UserSelected());

    master.SetXYAxesReverse(true);
    EXPECT_TRUE(view->XYAxesReversed());
    EXPECT_TRUE(Channel(0)->XYAxesReversed());
    EXPECT_FALSE(master.XAxisManager()->Items(0)->Horizontal());
    EXPECT_EQ(host.InvalidatesNow, 3);
    master.AddYAxis();
    EXPECT_TRUE(master.YAxisManager()->Items(0)->Horizontal());
    EXPECT_TRUE(master.YAxisManager()->Items(0)->XYAxesReversed());

    master.ClearAllData();
    EXPECT_EQ(Channel(0)->Clears, 1);
}

// ---- Tearing down -------------------------------------------------------------------------------

// A channel that owns an auto-repeating button, as legends and toolbars do.
class TButtonChannel : public TTestChannel {
    T_DECLARE_CLASS(TButtonChannel, TTestChannel)
    using TTestChannel::TTestChannel;
    TiPlotButton Button{Owner()};
};

T_IMPLEMENT_CLASS(TButtonChannel) {}

TEST(PlotTearDown, APlotGoesWithFilledMenusAndRunningRepeatsLeavingNothingBehind)
{
    TManualClockScope clock;
    TScriptSession script;
    const int timers = TManualClock::TimerCount();
    TMenuItem *edit = nullptr;
    auto menuOwner = std::make_unique<TComponent>(nullptr);
    auto *menu = new TPopupMenu(menuOwner.get());
    {
        TTestPlotHost plot(nullptr);
        TiPlotMasterManager &master = *plot.Master();
        master.SetChannelClass(TiPlotChannelClass::Of<TButtonChannel>());
        master.AddXAxis();
        master.AddChannel();
        auto *channel = static_cast<TButtonChannel *>(master.ChannelManager()->Items(0));
        channel->Button.SetTimerEnabled(true);
        channel->Button.iMouseDown(mbLeft, {}, 0, 0, 0, 0, nullptr);
        EXPECT_TRUE(channel->Button.Repeating());
        channel->AddMenuItems(menu);
        edit = menu->Items()->Find(QStringLiteral("Edit..."));
        ASSERT_NE(edit, nullptr);
    }
    EXPECT_EQ(TManualClock::TimerCount(), timers);
    TManualClock::Advance(2000);
    edit->Click();
}

TEST(PlotTearDown, AMasterFreedWithoutShutDownTellsEveryManagerInTurn)
{
    TTestPlotHost plot(nullptr);
    QStringList removed;
    {
        TiPlotMasterManager master(&plot);
        master.SetChannelClass(TiPlotChannelClass::Of<TTestChannel>());
        master.OnRemove = [&](TObject *Sender) { removed << NameOf(Sender); };
        AddEditableKinds(master);
        master.AddLabel();
        master.AddAnnotation();
        master.AddTranslation();
        // The layout manager was still being made when its placeholders came: they are filed anyway.
        EXPECT_EQ(master.LayoutManager()->GetIndex(master.LayoutManager()->DataViewHorz()), 0);
        EXPECT_EQ(master.ObjectManager()->GetIndex(master.LayoutManager()->DataViewVert()), 1);
    }
    removed.removeAll(QStringLiteral("manager"));
    EXPECT_EQ(removed.size(), 12 + 2) << removed.join(u'|').toStdString();
}

}  // namespace
