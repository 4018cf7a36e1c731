// The plot editor form on a default XY plot (and a strip chart where its channels differ): the
// frame (lists, enabling, adding and removing, the schematic's menu, activation, reopening), the
// axis, channel and other pages, the "Control" page, what the master manager does while the form
// is open, the form's definition against the page tables, and its look.

#include "PlotTestHelpers.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/TypInfo.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TestScript.h"
#include "plotlib/editor/iPlotEditor.h"
#include "plotlib/plot/iPlot.h"
#include "plotlib/plot/iXYPlot.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <type_traits>

namespace {

// What the user does with a control: choose an item, type into a combo box, press Enter, leave.
void Choose(TComboBox *Combo, int Index)
{
    Combo->SetItemIndex(Index);
    Combo->Perform(CN_COMMAND, static_cast<WPARAM>(CBN_SELCHANGE) << 16, 0);
}

void Type(TComboBox *Combo, const QString &Text)
{
    Combo->SetText(Text);
    Combo->Perform(CN_COMMAND, static_cast<WPARAM>(CBN_EDITCHANGE) << 16, 0);
}

QStringList ItemsOf(TComboBox *Combo)
{
    QStringList items;
    for (int i = 0; i < Combo->Items()->Count(); ++i)
        items << Combo->Items()->Strings(i);
    return items;
}

QStringList TabCaptions(TPageControl *Pages)
{
    QStringList captions;
    for (int i = 0; i < Pages->PageCount(); ++i)
        if (Pages->Pages(i)->TabVisible())
            captions << Pages->Pages(i)->Caption();
    return captions;
}

bool IsPageFurniture(const TComponent *Component)
{
    return dynamic_cast<const TLabel *>(Component) || dynamic_cast<const TTabSheet *>(Component) ||
           dynamic_cast<const TPageControl *>(Component);
}

template <class Plot>
struct EditorOn : ::testing::Test {
    TScriptSession script;
    std::vector<std::string> failures;
    Plot plot{nullptr};

    EditorOn()
    {
        script.SetFailureHandler([this](const std::string &m) { failures.push_back(m); });
        plot.SetBounds(0, 0, 600, 300);
        plot.SetEditorFormStyle(ipfsStayOnTop);
    }
    ~EditorOn() override
    {
        EXPECT_TRUE(failures.empty());
        EXPECT_EQ(TestScript::Pending(), 0);
    }
    TiPlotEditorForm *Form() const { return dynamic_cast<TiPlotEditorForm *>(plot.Master()->EditorForm()); }
    TiPlotEditorForm &Open()
    {
        plot.Master()->EditProperties();
        return *Form();
    }
    template <class T>
    T *C(const char *Name) const
    {
        T *control = Form()->template Control<T>(QString::fromLatin1(Name));
        EXPECT_NE(control, nullptr) << Name;
        return control;
    }
    // The schematic as it shows now; its blocks are where this paint put them.
    void PaintSchematic() { RenderControlImage(Form()->iPlotLayoutViewer); }
    // A press on an object's block of the schematic, then its menu (opened as the release opens it)
    // answered with `Item` (empty: dismissed).
    void SchematicMenu(const TiPlotLayoutObject *Object, TMouseButton Button, const QString &Item)
    {
        PaintSchematic();
        const TRect r = Object->LayoutRect();
        const TPoint p((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        TiPlotLayoutViewer *viewer = Form()->iPlotLayoutViewer;
        viewer->Perform(Button == mbRight ? WM_RBUTTONDOWN : WM_LBUTTONDOWN,
                        Button == mbRight ? MK_RBUTTON : MK_LBUTTON, PointToLParam(p));
        viewer->Perform(Button == mbRight ? WM_RBUTTONUP : WM_LBUTTONUP, 0, PointToLParam(p));
        TestScript::ExpectPopup(Item);
        viewer->Perform(WM_CONTEXTMENU, 0, PointToLParam(viewer->ClientToScreen(p)));
    }
};

using PlotEditor = EditorOn<TiXYPlot>;

// ---- Frame --------------------------------------------------------------------------------------

TEST_F(PlotEditor, LoadingStoresNothingAndAUserChangeStoresItsPage)
{
    TiPlotEditorForm &form = Open();
    int stores = 0;
    auto count = [&stores](TNotifyEvent &Event) {
        if (!Event)
            return;
        const TNotifyEvent bound = Event;
        Event = [&stores, bound](TObject *Sender) {
            ++stores;
            bound(Sender);
        };
    };
    for (int i = 0; i < form.ComponentCount(); ++i) {
        TComponent *c = form.Components(i);
        if (auto *edit = dynamic_cast<TiComponentEditorEdit *>(c))
            count(edit->OnUpdate);
        else if (auto *combo = dynamic_cast<TiComponentEditorComboBox *>(c))
            count(combo->OnChange);
        else if (auto *colour = dynamic_cast<TiComponentEditorColorPicker *>(c))
            count(colour->OnChange);
        else if (auto *font = dynamic_cast<TiComponentEditorFontPicker *>(c))
            count(font->OnChange);
        else if (auto *control = dynamic_cast<TControl *>(c))
            count(control->OnClick);
    }
    plot.AddChannel();
    form.UpdateAll();
    plot.Master()->EditProperties();
    form.ChannelListBox->SetItemIndex(0);
    form.ChannelListBoxClick(&form);
    EXPECT_EQ(stores, 0);

    C<TiComponentEditorCheckBox>("ChannelVisibleCheckBox")->SetChecked(false);
    EXPECT_EQ(stores, 1);
    EXPECT_FALSE(plot.GetChannel(0)->Visible());
}

TEST_F(PlotEditor, APlotWithoutChannelsDisablesAndEmptiesTheChannelPageButItsAddButton)
{
    plot.RemoveAllChannels();
    plot.SetUserCanAddRemoveChannels(true);
    TiPlotEditorForm &form = Open();
    int checked = 0;
    for (int i = 0; i < form.ComponentCount(); ++i) {
        TComponent *c = form.Components(i);
        if (!c->Name().startsWith(QLatin1String("Channel"), Qt::CaseInsensitive) || IsPageFurniture(c))
            continue;
        SCOPED_TRACE(c->Name().toStdString());
        ++checked;
        EXPECT_FALSE(dynamic_cast<TControl *>(c)->Enabled());
        if (auto *edit = dynamic_cast<TiComponentEditorEdit *>(c)) {
            EXPECT_EQ(edit->Text(), QString());
        }
        if (auto *combo = dynamic_cast<TiComponentEditorComboBox *>(c)) {
            EXPECT_EQ(combo->ItemIndex(), -1);
            EXPECT_EQ(combo->Text(), QString());
        }
        if (auto *check = dynamic_cast<TiComponentEditorCheckBox *>(c)) {
            EXPECT_FALSE(check->Checked());
        }
    }
    EXPECT_GT(checked, 100);
    EXPECT_EQ(C<TLabel>("ChannelStatsPointCountDisplay")->Caption(), QString());
    EXPECT_TRUE(form.iChannelAddButton->Visible());
    EXPECT_TRUE(form.iChannelAddButton->Enabled());

    form.iChannelAddButton->Click();
    EXPECT_EQ(form.ChannelListBox->ItemIndex(), 0);
    EXPECT_TRUE(C<TiComponentEditorEdit>("ChannelNameEdit")->Enabled());
    EXPECT_EQ(C<TiComponentEditorEdit>("ChannelNameEdit")->Text(), QStringLiteral("Channel 1"));
    EXPECT_EQ(C<TLabel>("ChannelStatsPointCountDisplay")->Caption(), QStringLiteral("Click Refresh"));
}

TEST_F(PlotEditor, RemovingTheLastXAxisDisablesItsPageAndLeavesTheChannelsAxisName)
{
    TiPlotEditorForm &form = Open();
    C<TiComponentEditorButton>("XAxisRemoveButton")->Click();
    EXPECT_EQ(plot.XAxisCount(), 0);
    EXPECT_EQ(form.XAxisListBox->Count(), 0);
    EXPECT_FALSE(C<TiComponentEditorEdit>("XAxisNameEdit")->Enabled());
    EXPECT_FALSE(C<TiComponentEditorButton>("XAxisRemoveButton")->Enabled());
    EXPECT_TRUE(C<TiComponentEditorButton>("XAxesAddButton")->Enabled());
    EXPECT_EQ(ItemsOf(C<TiComponentEditorComboBox>("ChannelXAxisNameComboBox")), QStringList{"<None>"});
    EXPECT_EQ(C<TiComponentEditorComboBox>("ChannelXAxisNameComboBox")->ItemIndex(), -1);
    EXPECT_EQ(plot.GetChannel(0)->XAxisName(), QStringLiteral("X-Axis 1"));
}

TEST_F(PlotEditor, TheTitleCanBeRemovedNeitherFromTheLabelsPageNorFromTheSchematic)
{
    TiPlotEditorForm &form = Open();
    form.PageControl->SetActivePage(C<TTabSheet>("LayoutTabSheet"));
    EXPECT_EQ(form.LabelListBox->ItemIndex(), 0);
    EXPECT_FALSE(form.LabelRemoveButton->Enabled());

    SchematicMenu(plot.GetLabel(0), mbRight, QString());
    EXPECT_EQ(form.RightClickObject(), plot.GetLabel(0));
    EXPECT_FALSE(form.DeleteMenuItem->Enabled());
    EXPECT_TRUE(form.VisibleMenuItem->Enabled());
    EXPECT_TRUE(form.EditMenuItem->Enabled());

    TiPlotLabel *other = plot.GetLabel(plot.AddLabel());
    EXPECT_TRUE(form.LabelRemoveButton->Enabled());
    SchematicMenu(other, mbRight, QStringLiteral("Delete"));
    EXPECT_EQ(plot.LabelCount(), 1);
    EXPECT_EQ(form.LabelListBox->Count(), 1);
}

TEST_F(PlotEditor, LegendAndTableChangesAreStoredByTheirOwnListsAlsoWithoutChannels)
{
    plot.RemoveAllChannels();
    plot.AddTable();
    Open();
    C<TiComponentEditorCheckBox>("LegendVisibleCheckbox")->SetChecked(false);
    EXPECT_FALSE(plot.GetLegend(0)->Visible());
    // The table moves along its band at once.
    C<TiComponentEditorEdit>("TableStartPercentEdit")->SetDoubleWithEvent(30);
    EXPECT_DOUBLE_EQ(plot.GetTable(0)->StartPercent(), 30);
    C<TiComponentEditorCheckBox>("TableVisibleCheckbox")->SetChecked(false);
    EXPECT_FALSE(plot.GetTable(0)->Visible());
}

TEST_F(PlotEditor, EditInTheSchematicOpensTheObjectsPageWithItSelected)
{
    plot.AddXAxis();
    TiPlotEditorForm &form = Open();
    form.PageControl->SetActivePage(C<TTabSheet>("LayoutTabSheet"));
    SchematicMenu(plot.GetXAxis(1), mbRight, QStringLiteral("Edit"));
    EXPECT_EQ(form.PageControl->ActivePage(), C<TTabSheet>("XAxesTabSheet"));
    EXPECT_EQ(form.XAxisListBox->ItemIndex(), 1);
    EXPECT_EQ(C<TiComponentEditorEdit>("XAxisNameEdit")->Text(), QStringLiteral("X-Axis 2"));
}

TEST_F(PlotEditor, AnEditStoresTheWholePageOnEnterOrLeavingOnlyWhenItsTextChanged)
{
    struct Case {
        const char *name;
        bool typed;
        UINT message;
        bool stored;
    };
    const Case cases[] = {
        {.name = "Enter, text as loaded", .typed = false, .message = WM_KEYDOWN, .stored = false},
        {.name = "leaving, text as loaded", .typed = false, .message = WM_KILLFOCUS, .stored = false},
        {.name = "Enter after typing", .typed = true, .message = WM_KEYDOWN, .stored = true},
        {.name = "leaving after typing", .typed = true, .message = WM_KILLFOCUS, .stored = true},
    };
    TiPlotEditorForm &form = Open();
    TiPlotXAxis *axis = plot.GetXAxis(0);
    auto *edit = C<TiComponentEditorEdit>("XAxisTitleTextEdit");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        axis->SetMin(0);
        form.UpdateAll();
        // Changed behind the page's back: a store of the page writes the 0 it shows back.
        axis->SetMin(7);
        const QString title = axis->Title();
        if (c.typed)
            edit->SetText(QString::fromLatin1(c.name));
        edit->Perform(c.message, c.message == WM_KEYDOWN ? VK_RETURN : 0, 0);
        EXPECT_DOUBLE_EQ(axis->Min(), c.stored ? 0 : 7);
        EXPECT_EQ(axis->Title(), c.stored ? QString::fromLatin1(c.name) : title);
    }
}

TEST_F(PlotEditor, AStayOnTopEditorShowsWhatChangedMeanwhileWhenActivatedAgain)
{
    TiPlotEditorForm &form = Open();
    plot.GetXAxis(0)->SetMin(42);
    EXPECT_DOUBLE_EQ(C<TiComponentEditorEdit>("XAxisMinEdit")->AsFloat(), 0);
    form.Perform(CM_ACTIVATE, 0, 0);
    EXPECT_DOUBLE_EQ(C<TiComponentEditorEdit>("XAxisMinEdit")->AsFloat(), 42);
}

TEST_F(PlotEditor, ClosingAndOpeningAgainShowsThePagesThatWereActive)
{
    auto choosePages = [this](TiPlotEditorForm &form) {
        form.PageControl->SetActivePage(C<TTabSheet>("XAxesTabSheet"));
        C<TPageControl>("XAxisPageControl")->SetActivePageIndex(6);
        C<TPageControl>("ChannelPageControl")->SetActivePageIndex(2);
    };
    auto expectPages = [this](TiPlotEditorForm &form) {
        EXPECT_EQ(form.PageControl->ActivePage(), C<TTabSheet>("XAxesTabSheet"));
        EXPECT_EQ(C<TPageControl>("XAxisPageControl")->ActivePageIndex(), 6);
        EXPECT_EQ(C<TPageControl>("ChannelPageControl")->ActivePageIndex(), 2);
    };
    // Stay-on-top: closed by the user, released, made anew.
    choosePages(Open());
    Form()->Close();
    Application->ProcessMessages();
    ASSERT_EQ(Form(), nullptr);
    expectPages(Open());
    Form()->Close();
    Application->ProcessMessages();

    // Modal: freed when it returns.
    plot.SetEditorFormStyle(ipfsModal);
    TestScript::ExpectModal(QString(), [&](TCustomForm &f) {
        expectPages(dynamic_cast<TiPlotEditorForm &>(f));
        C<TPageControl>("ChannelPageControl")->SetActivePageIndex(7);
        f.SetModalResult(mrOk);
    });
    plot.Master()->EditProperties();
    EXPECT_EQ(Form(), nullptr);
    TestScript::ExpectModal(QString(), [&](TCustomForm &f) {
        EXPECT_EQ(C<TPageControl>("ChannelPageControl")->ActivePageIndex(), 7);
        f.SetModalResult(mrOk);
    });
    plot.Master()->EditProperties();
}

TEST_F(PlotEditor, TheListsFollowObjectsAddedRemovedAndRenamedElsewhere)
{
    TiPlotEditorForm &form = Open();
    plot.AddChannel();
    EXPECT_EQ(form.ChannelListBox->Count(), 2);
    EXPECT_EQ(form.ChannelListBox->ItemIndex(), 1);
    EXPECT_EQ(C<TiComponentEditorEdit>("ChannelNameEdit")->Text(), QStringLiteral("Channel 2"));

    auto *xName = C<TiComponentEditorComboBox>("ChannelXAxisNameComboBox");
    ASSERT_EQ(xName->Text(), QStringLiteral("X-Axis 1"));
    plot.GetXAxis(0)->SetName(QStringLiteral("Time"));
    EXPECT_EQ(xName->Text(), QStringLiteral("Time"));
    EXPECT_EQ(ItemsOf(xName), (QStringList{"<None>", "Time"}));

    // The list keeps its place; the page shows the channel now selected once the removal is done.
    plot.DeleteChannel(1);
    EXPECT_EQ(form.ChannelListBox->Count(), 1);
    EXPECT_EQ(form.ChannelListBox->ItemIndex(), 0);
    Application->ProcessMessages();
    EXPECT_EQ(C<TiComponentEditorEdit>("ChannelNameEdit")->Text(), QStringLiteral("Channel 1"));
    C<TiComponentEditorCheckBox>("ChannelVisibleCheckBox")->SetChecked(false);
    EXPECT_EQ(plot.GetChannel(0)->Name(), QStringLiteral("Channel 1"));
}

TEST_F(PlotEditor, TheToolbarsEditButtonAndAnObjectsEditItemOpenTheEditorOnTheirPage)
{
    plot.GetToolBar(0)->DoButtonClickEdit();
    ASSERT_NE(Form(), nullptr);
    EXPECT_TRUE(Form()->Visible());
    EXPECT_EQ(Form()->PageControl->ActivePage(), C<TTabSheet>("ToolBarTabSheet"));
    plot.AddChannel();
    plot.GetChannel(0)->DoEditMenuItemClick();
    EXPECT_EQ(Form()->PageControl->ActivePage(), C<TTabSheet>("ChannelsTabSheet"));
    EXPECT_EQ(Form()->ChannelListBox->ItemIndex(), 0);
    EXPECT_EQ(C<TiComponentEditorEdit>("ChannelNameEdit")->Text(), QStringLiteral("Channel 1"));
}

TEST_F(PlotEditor, EveryTextOfTheFormPassesThePlotsTranslations)
{
    plot.AddTranslation(QStringLiteral("Channels"), QStringLiteral("Kanäle"));
    plot.AddTranslation(QStringLiteral("<None>"), QStringLiteral("<Keine>"));
    plot.AddTranslation(QStringLiteral("Delete"), QStringLiteral("Löschen"));
    plot.AddTranslation(QStringLiteral("Click Refresh"), QStringLiteral("Aktualisieren"));
    TiPlotEditorForm &form = Open();
    EXPECT_EQ(C<TTabSheet>("ChannelsTabSheet")->Caption(), QStringLiteral("Kanäle"));
    EXPECT_EQ(ItemsOf(C<TiComponentEditorComboBox>("ChannelXAxisNameComboBox")).value(0), QStringLiteral("<Keine>"));
    EXPECT_EQ(form.DeleteMenuItem->Caption(), QStringLiteral("Löschen"));
    form.ChannelListBoxClick(&form);
    EXPECT_EQ(C<TLabel>("ChannelStatsPointCountDisplay")->Caption(), QStringLiteral("Aktualisieren"));
}

// ---- Axis pages ---------------------------------------------------------------------------------

TEST_F(PlotEditor, ATypedDateTimeFormatIsStoredAsTyped)
{
    Open();
    Type(C<TiComponentEditorComboBox>("XAxisDateTimeFormatComboBox"), QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(plot.GetXAxis(0)->DateTimeFormat(), QStringLiteral("yyyy-mm-dd"));
}

TEST_F(PlotEditor, ANameListWithoutTheStoredNameShowsNoChoiceAndStoresAnEmptyText)
{
    plot.GetXAxis(0)->SetAlignRefAxisName(QStringLiteral("Gone"));
    Open();
    EXPECT_EQ(C<TiComponentEditorComboBox>("XAxisAlignRefAxisNameComboBox")->ItemIndex(), -1);
    C<TiComponentEditorCheckBox>("XAxisReverseScaleCheckBox")->SetChecked(true);
    EXPECT_EQ(plot.GetXAxis(0)->AlignRefAxisName(), QString());
}

TEST_F(PlotEditor, CopyDefaultCopiesTheDefaultFormatButNotUseDefaultFormat)
{
    for (const char *target : {"Cursor", "Legend"}) {
        SCOPED_TRACE(target);
        const QString t = QString::fromLatin1(target);
        TiPlotXAxis *axis = plot.GetXAxis(0);
        SetOrdProp(axis, t + "UseDefaultFormat", 1);
        SetOrdProp(axis, "LabelsPrecision", 7);
        SetOrdProp(axis, t + "Precision", 2);
        SetOrdProp(axis, "LabelsFormatStyle", 3);
        SetStrProp(axis, "DateTimeFormat", "hh:nn");
        TiPlotEditorForm &form = Open();
        form.UpdateAll();
        C<TiComponentEditorButton>(qPrintable("XAxis" + t + "CopyDefaultButton"))->Click();
        EXPECT_EQ(GetOrdProp(axis, t + "Precision"), 7);
        EXPECT_EQ(GetOrdProp(axis, t + "FormatStyle"), 3);
        EXPECT_EQ(GetStrProp(axis, t + "DateTimeFormat"), QStringLiteral("hh:nn"));
        EXPECT_EQ(GetOrdProp(axis, t + "UseDefaultFormat"), 1);
    }
}

// ---- Channel pages ------------------------------------------------------------------------------

template <class Plot>
using ChannelPage = EditorOn<Plot>;
using PlotKinds = ::testing::Types<TiXYPlot, TiPlot>;
TYPED_TEST_SUITE(ChannelPage, PlotKinds);

TYPED_TEST(ChannelPage, StripSettingsShowAndTravelOnlyOnStripCharts)
{
    constexpr bool strip = std::is_same_v<TypeParam, TiPlot>;
    TiPlotChannelCustom *channel = this->plot.GetChannel(0);
    channel->SetClipToAxes(true);
    this->Open();
    for (const char *tab :
         {"ChannelFillTabSheet", "ChannelDigitalTabSheet", "ChannelHighLowTabSheet", "ChannelBarTabSheet"})
        EXPECT_EQ(this->template C<TTabSheet>(tab)->TabVisible(), strip) << tab;
    EXPECT_EQ(this->template C<TControl>("ChannelFastDrawCheckBox")->Visible(), strip);
    EXPECT_EQ(this->template C<TControl>("ChannelInterpolationStyleComboBox")->Visible(), strip);
    auto *clip = this->template C<TiComponentEditorCheckBox>("ChannelClipToAxesCheckBox");
    EXPECT_TRUE(clip->Visible());

    // Loaded and stored on strip charts only.
    EXPECT_EQ(clip->Checked(), strip);
    clip->SetAsBoolean(false);
    this->template C<TiComponentEditorCheckBox>("ChannelVisibleCheckBox")->SetChecked(false);
    EXPECT_FALSE(channel->Visible());
    EXPECT_EQ(channel->ClipToAxes(), !strip);
}

TEST_F(PlotEditor, StatisticsShowNoPointsOfAnEmptyChannelAndResetForAnotherChannel)
{
    plot.AddChannel();
    TiPlotEditorForm &form = Open();
    form.ChannelListBox->SetItemIndex(0);
    form.ChannelListBoxClick(&form);
    auto *count = C<TLabel>("ChannelStatsPointCountDisplay");
    EXPECT_EQ(count->Caption(), QStringLiteral("Click Refresh"));
    C<TiComponentEditorButton>("ChannelStatsRefreshButton")->Click();
    EXPECT_EQ(count->Caption(), QStringLiteral("0"));
    EXPECT_TRUE(C<TLabel>("ChannelStatsMemoryDisplay")->Caption().endsWith(QLatin1String(" Bytes")));

    form.ChannelListBox->SetItemIndex(1);
    form.ChannelListBoxClick(&form);
    EXPECT_EQ(count->Caption(), QStringLiteral("Click Refresh"));
    EXPECT_EQ(C<TLabel>("ChannelStatsYMeanDisplay")->Caption(), QStringLiteral("Click Refresh"));
}

TEST_F(PlotEditor, ALoggingChannelsFileNameCannotBeEditedUntilDeactivated)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("channel.log"));
    Open();
    auto *name = C<TiComponentEditorEdit>("ChannelLogFileNameEdit");
    name->SetStringWithEvent(log);
    TiPlotChannelCustom *channel = plot.GetChannel(0);
    ASSERT_EQ(channel->LogFileName(), log);

    C<TiComponentEditorButton>("ChannelLogActivateButton")->Click();
    ASSERT_TRUE(channel->LoggingActive());
    EXPECT_FALSE(name->Enabled());
    EXPECT_EQ(name->Text(), log);
    EXPECT_FALSE(C<TControl>("ChannelLogFileNamePicker")->Enabled());
    EXPECT_FALSE(C<TControl>("ChannelLogActivateButton")->Enabled());
    EXPECT_TRUE(C<TControl>("ChannelLogDeactivateButton")->Enabled());
    // Other changes go on being stored meanwhile.
    C<TiComponentEditorCheckBox>("ChannelVisibleCheckBox")->SetChecked(false);
    EXPECT_FALSE(channel->Visible());

    C<TiComponentEditorButton>("ChannelLogDeactivateButton")->Click();
    EXPECT_FALSE(channel->LoggingActive());
    EXPECT_TRUE(name->Enabled());
    EXPECT_TRUE(C<TControl>("ChannelLogFileNamePicker")->Enabled());
    EXPECT_TRUE(C<TControl>("ChannelLogActivateButton")->Enabled());
    EXPECT_FALSE(C<TControl>("ChannelLogDeactivateButton")->Enabled());
}

// ---- Pages of the other objects -----------------------------------------------------------------

TEST_F(PlotEditor, MouseWheelAndSnapSettingsChangeWithoutANotificationOfTheirOwn)
{
    plot.AddDataCursor();
    Open();
    int notices = 0;
    const TNotifyEvent plotHook = plot.Master()->OnChange;
    plot.Master()->OnChange = [&notices, plotHook](TObject *Sender) {
        ++notices;
        plotHook(Sender);
    };
    Choose(C<TiComponentEditorComboBox>("DataViewAxesControlMouseStyleComboBox"), 3);
    Choose(C<TiComponentEditorComboBox>("DataViewAxesControlWheelStyleComboBox"), 2);
    C<TiComponentEditorCheckBox>("DataCursorSnapToDataPointCheckBox")->SetChecked(true);
    EXPECT_EQ(plot.GetDataView(0)->AxesControlMouseStyle(), ipacsNone);
    EXPECT_EQ(plot.GetDataView(0)->AxesControlWheelStyle(), ipacsBoth);
    EXPECT_TRUE(plot.GetDataCursor(0)->SnapToDataPoint());
    EXPECT_EQ(notices, 0);
    plot.Master()->OnChange = plotHook;
}

TEST_F(PlotEditor, AllAsTheGridAxisNameIsStoredAsShown)
{
    struct Case {
        const char *name;
        const char *translation;  // of "<All>", or none
        const char *stored;
    };
    const Case cases[] = {
        {.name = "untranslated", .translation = nullptr, .stored = "<All>"},
        {.name = "translated", .translation = "<Alle>", .stored = "<Alle>"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        if (c.translation)
            plot.AddTranslation(QStringLiteral("<All>"), QString::fromUtf8(c.translation));
        Open();
        auto *combo = C<TiComponentEditorComboBox>("DataViewGridXAxisNameComboBox");
        Choose(combo, combo->Items()->Count() - 1);
        EXPECT_EQ(plot.GetDataView(0)->GridXAxisName(), QString::fromUtf8(c.stored));
        EXPECT_EQ(combo->Text(), QString::fromUtf8(c.stored));
    }
}

// ---- "Control" page -----------------------------------------------------------------------------

TEST_F(PlotEditor, ControlPageSettingsActOnThePlot)
{
    struct Case {
        const char *name;
        std::function<void(PlotEditor &)> change;
        std::function<bool(const TiXYPlot &)> done;
    };
    const Case cases[] = {
        {.name = "title",
         .change = [](PlotEditor &t) { t.C<TiComponentEditorEdit>("TitleTextEdit")->SetStringWithEvent("Level"); },
         .done = [](const TiXYPlot &p) { return p.TitleText() == QLatin1String("Level"); }},
        {.name = "background",
         .change =
             [](PlotEditor &t) {
                 TestScript::ExpectColor(0x123456);
                 t.C<TiComponentEditorColorPicker>("BackGroundColorPicker")->Pick();
             },
         .done = [](const TiXYPlot &p) { return p.BackGroundColor() == 0x123456; }},
        {.name = "print margin",
         .change = [](PlotEditor &t) { t.C<TiComponentEditorEdit>("PrintMarginTopEdit")->SetDoubleWithEvent(2.5); },
         .done = [](const TiXYPlot &p) { return p.PrintMarginTop() == 2.5; }},
        {.name = "print orientation",
         .change =
             [](PlotEditor &t) {
                 auto *radio = t.C<TiComponentEditorRadioGroup>("PrintOrientationRadioGroup");
                 radio->SetAsInteger(0);
                 radio->Click();
             },
         .done = [](const TiXYPlot &p) { return p.PrintOrientation() == poPortrait; }},
        {.name = "hints",
         .change = [](PlotEditor &t) { t.C<TiComponentEditorEdit>("HintsPauseEdit")->SetIntegerWithEvent(800); },
         .done = [](const TiXYPlot &p) { return p.HintsPause() == 800; }},
        {.name = "annotation defaults",
         .change =
             [](PlotEditor &t) { Choose(t.C<TiComponentEditorComboBox>("AnnotationDefaultReferenceComboBox"), 3); },
         .done = [](const TiXYPlot &p) { return p.AnnotationDefaultReference() == iprtXDataViewYChannel; }},
    };
    Open();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.change(*this);
        EXPECT_TRUE(c.done(plot));
    }
    // The "Title" tab and label 0 on the "Labels" page show each other's changes.
    Form()->LabelListBox->SetItemIndex(0);
    Form()->UpdateLabelEdit();
    EXPECT_EQ(C<TiComponentEditorEdit>("LabelCaptionMemo")->Text(), QStringLiteral("Level"));
    C<TiComponentEditorEdit>("LabelCaptionMemo")->SetStringWithEvent(QStringLiteral("Gain"));
    EXPECT_EQ(C<TiComponentEditorEdit>("TitleTextEdit")->Text(), QStringLiteral("Gain"));
}

TEST_F(PlotEditor, FileAndLogCommandsActOnThePlot)
{
    QTemporaryDir dir;
    const QString properties = dir.filePath(QStringLiteral("plot.cfg"));
    const QString data = dir.filePath(QStringLiteral("plot.dat"));
    const QString log = dir.filePath(QStringLiteral("plot.log"));
    TiPlotChannelCustom *channel = plot.GetChannel(0);
    channel->AddXY(1, 2);
    channel->AddXY(2, 3);
    Open();
    TestScript::ExpectSaveFile(properties);
    C<TiComponentEditorSavePicker>("ControlPropertiesSavePicker")->Click();
    EXPECT_TRUE(QFile::exists(properties));
    TestScript::ExpectSaveFile(data);
    C<TiComponentEditorSavePicker>("ControlDataSavePicker")->Click();
    ASSERT_TRUE(QFile::exists(data));
    // Loading data clears the channels first.
    TestScript::ExpectOpenFile(data);
    C<TiComponentEditorOpenPicker>("ControlDataOpenPicker")->Click();
    EXPECT_EQ(channel->Count(), 2);

    C<TiComponentEditorEdit>("ControlLogFileNameEdit")->SetStringWithEvent(log);
    EXPECT_EQ(plot.LogFileName(), log);
    EXPECT_EQ(C<TiComponentEditorSavePicker>("ControlLogFileNamePicker")->FileName(), log);
    C<TiComponentEditorButton>("ControlLogActivateButton")->Click();
    EXPECT_TRUE(plot.LoggingActive());
    EXPECT_FALSE(C<TControl>("ControlLogFileNameEdit")->Enabled());
    EXPECT_FALSE(C<TControl>("ControlLogActivateButton")->Enabled());
    EXPECT_TRUE(C<TControl>("ControlLogDeactivateButton")->Enabled());
    C<TiComponentEditorButton>("ControlLogDeactivateButton")->Click();
    EXPECT_FALSE(plot.LoggingActive());
    EXPECT_TRUE(C<TControl>("ControlLogFileNameEdit")->Enabled());
    EXPECT_TRUE(QFile::exists(log));
}

TEST_F(PlotEditor, FileAndLogFailuresReachTheFrameworksHandlerAndLeaveTheFormAsItWas)
{
    QStringList reported;
    const TExceptionEvent before = Application->OnException;
    Application->OnException = [&reported](TObject *, const Exception &E) { reported << E.Message(); };
    TiPlotEditorForm &form = Open();
    const QString title = C<TiComponentEditorEdit>("TitleTextEdit")->Text();

    TestScript::ExpectSaveFile(QStringLiteral("/nonexistent-folder/plot.dat"));
    Application->Guarded(&form, [&] { C<TiComponentEditorSavePicker>("ControlDataSavePicker")->Click(); });
    C<TiComponentEditorEdit>("ControlLogFileNameEdit")->SetStringWithEvent("/nonexistent-folder/plot.log");
    Application->Guarded(&form, [&] { C<TiComponentEditorButton>("ControlLogActivateButton")->Click(); });
    Application->OnException = before;

    ASSERT_EQ(reported.size(), 2);
    EXPECT_TRUE(reported[0].startsWith(QLatin1String("Error Saving Data - "))) << reported[0].toStdString();
    EXPECT_FALSE(plot.LoggingActive());
    EXPECT_EQ(Form(), &form);
    EXPECT_EQ(C<TiComponentEditorEdit>("TitleTextEdit")->Text(), title);
    EXPECT_TRUE(C<TControl>("ControlLogActivateButton")->Enabled());
    EXPECT_FALSE(C<TControl>("ControlLogDeactivateButton")->Enabled());
}

// ---- Faults mended ------------------------------------------------------------------------------

TEST_F(PlotEditor, TheSchematicsMenuForgetsARemovedObjectAndHasNoneWhenOpenedFromTheKeyboard)
{
    TiPlotLabel *label = plot.GetLabel(plot.AddLabel());
    TiPlotEditorForm &form = Open();
    form.PageControl->SetActivePage(C<TTabSheet>("LayoutTabSheet"));

    // Removed on the "Labels" page after the press: the menu's commands have nothing to act on.
    SchematicMenu(label, mbRight, QString());
    ASSERT_EQ(form.RightClickObject(), label);
    form.LabelListBox->SetItemIndex(1);
    form.LabelRemoveButton->Click();
    EXPECT_EQ(form.RightClickObject(), nullptr);
    form.DeleteMenuItemClick(&form);
    form.VisibleMenuItemClick(&form);
    EXPECT_EQ(plot.LabelCount(), 1);

    // A left press, then the menu key: no press opened this menu.
    label = plot.GetLabel(plot.AddLabel());
    SchematicMenu(label, mbLeft, QString());
    EXPECT_EQ(form.RightClickObject(), nullptr);
    EXPECT_FALSE(form.DeleteMenuItem->Enabled());
    EXPECT_FALSE(form.EditMenuItem->Enabled());
    TestScript::ExpectPopup(QString());
    form.iPlotLayoutViewer->Perform(WM_CONTEXTMENU, 0, PointToLParam(TPoint(-1, -1)));
    EXPECT_EQ(form.RightClickObject(), nullptr);
}

TEST_F(PlotEditor, AClosedEditorIsDestroyedOnlyAfterItsCloseProcessing)
{
    int closed = 0;
    plot.OnAfterCloseEditor = [&closed](TObject *) { ++closed; };
    TiPlotEditorForm *form = &Open();
    form->Close();
    // Still whole here: destroyed once the close has been processed.
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(Form(), nullptr);
    EXPECT_EQ(form->Master, plot.Master());
    // Opening meanwhile makes a new form.
    TiPlotEditorForm *second = &Open();
    EXPECT_NE(second, form);
    Application->ProcessMessages();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(Form(), second);

    // Modal: freed when the modal run returns.
    second->Close();
    Application->ProcessMessages();
    plot.SetEditorFormStyle(ipfsModal);
    TestScript::ExpectModal(QString(), [](TCustomForm &f) { f.Close(); });
    plot.Master()->EditProperties();
    EXPECT_EQ(closed, 3);
    EXPECT_EQ(Form(), nullptr);
}

// ---- The form's definition and its look ---------------------------------------------------------

TEST_F(PlotEditor, EveryRowNamesAControlOfItsKindAndAPropertyItsObjectPublishes)
{
    plot.AddTable();
    plot.AddLimit();
    plot.AddDataCursor();
    TiPlot strip(nullptr);
    TiPlotEditorForm &form = Open();
    struct Page {
        std::span<const TiEditorRow> rows;
        TObject *object;
    };
    const Page pages[] = {
        {iToolBarPageTable.Rows, plot.GetToolBar(0)}, {iLegendPageTable.Rows, plot.GetLegend(0)},
        {iTablePageTable.Rows, plot.GetTable(0)},     {iXAxisPageTable.Rows, plot.GetXAxis(0)},
        {iYAxisPageTable.Rows, plot.GetYAxis(0)},     {iDataViewPageTable.Rows, plot.GetDataView(0)},
        {iChannelPageTable.Rows, plot.GetChannel(0)}, {iDataCursorPageTable.Rows, plot.GetDataCursor(0)},
        {iLimitPageTable.Rows, plot.GetLimit(0)},     {iLabelPageTable.Rows, plot.GetLabel(0)},
        {iChannelStripRows, strip.GetChannel(0)},     {iControlPageRows, &plot},
        {iTitleLabelRows, plot.GetLabel(0)},
    };
    std::set<QString> missing;
    for (const Page &page : pages)
        for (const TiEditorRow &row : page.rows) {
            const QString control = QString::fromLatin1(row.Control);
            SCOPED_TRACE(control.toStdString());
            TComponent *component = form.Control<TComponent>(control);
            bool fits = false;
            switch (row.Kind) {
            case TiEditorKind::Text:
            case TiEditorKind::Integer:
            case TiEditorKind::Number: fits = dynamic_cast<TiComponentEditorEdit *>(component); break;
            case TiEditorKind::Check: fits = dynamic_cast<TiComponentEditorCheckBox *>(component); break;
            case TiEditorKind::List:
            case TiEditorKind::EditableList:
            case TiEditorKind::NameList: fits = dynamic_cast<TiComponentEditorComboBox *>(component); break;
            case TiEditorKind::Radio: fits = dynamic_cast<TiComponentEditorRadioGroup *>(component); break;
            case TiEditorKind::Colour: fits = dynamic_cast<TiComponentEditorColorPicker *>(component); break;
            case TiEditorKind::Font: fits = dynamic_cast<TiComponentEditorFontPicker *>(component); break;
            }
            EXPECT_TRUE(fits);
            if (!GetPropInfo(page.object, QString::fromLatin1(row.Property)))
                missing.insert(page.object->ClassName() + "." + QString::fromLatin1(row.Property));
        }
    EXPECT_EQ(missing, std::set<QString>{});
    for (const TiEditorPageTable *table :
         {&iToolBarPageTable, &iLegendPageTable, &iTablePageTable, &iXAxisPageTable, &iYAxisPageTable,
          &iDataViewPageTable, &iChannelPageTable, &iDataCursorPageTable, &iLimitPageTable, &iLabelPageTable})
        for (const char *name : table->Controls)
            EXPECT_NE(form.Control<TControl>(QString::fromLatin1(name)), nullptr) << name;
}

// Every visible control lies inside its parent's client area, on every tab of every page control,
// and no caption label runs into the control it names.
void ExpectInsideItsPage(TWinControl *Parent)
{
    const TRect client = Parent->GetClientRect();
    for (int i = 0; i < Parent->ControlCount(); ++i) {
        TControl *control = Parent->Controls(i);
        if (auto *pages = dynamic_cast<TPageControl *>(control)) {
            TTabSheet *active = pages->ActivePage();
            for (int p = 0; p < pages->PageCount(); ++p) {
                SCOPED_TRACE(pages->Pages(p)->Name().toStdString());
                pages->SetActivePage(pages->Pages(p));
                ExpectInsideItsPage(pages->Pages(p));
            }
            pages->SetActivePage(active);
        }
        if (!control->Visible())
            continue;
        SCOPED_TRACE(control->Name().toStdString());
        EXPECT_GE(control->Left(), client.Left);
        EXPECT_GE(control->Top(), client.Top);
        EXPECT_LE(control->Left() + control->Width(), client.Right);
        EXPECT_LE(control->Top() + control->Height(), client.Bottom);
        if (auto *label = dynamic_cast<TLabel *>(control); label && label->Name().endsWith(QLatin1String("Label"))) {
            const QString named = label->Name().chopped(5);
            for (int j = 0; j < Parent->ControlCount(); ++j) {
                if (Parent->Controls(j)->Name() == named) {
                    EXPECT_LT(label->Left() + label->Font()->TextWidth(label->Caption()), Parent->Controls(j)->Left());
                }
            }
        }
        if (auto *child = dynamic_cast<TWinControl *>(control); child && !dynamic_cast<TPageControl *>(control))
            ExpectInsideItsPage(child);
    }
}

TEST_F(PlotEditor, EachPageRendersWithItsCaptionsAndEveryControlInsideItsPage)
{
    TiPlotEditorForm &form = Open();
    EXPECT_EQ(form.Caption(), QStringLiteral("Plot"));
    EXPECT_EQ(form.ClientWidth(), 576);
    EXPECT_EQ(form.ClientHeight(), 272);
    EXPECT_EQ(TabCaptions(form.PageControl),
              (QStringList{"Control", "Layout", "Channels", "Cursors", "Limits", "Labels", "X-Axes", "Y-Axes", "Legend",
                           "Tables", "ToolBar", "Data View"}));
    struct Nested {
        const char *pages;
        QStringList captions;
    };
    const QStringList axisTabs{"General", "Title", "Labels", "Tracking", "Cursor", "Scroll", "Scale", "Cartesian"};
    const Nested nested[] = {
        {"ControlPageControl", {"General", "Title", "Background", "Print", "Hints", "File I/O", "Annotation Defaults"}},
        // An XY plot's channels have no fill, bar, high/low or digital settings.
        {"ChannelPageControl", {"General", "Trace", "Marker", "File I/O", "Stats"}},
        {"ChannelHighLowPageControl", {"Open/Close", "Candlestick"}},
        {"DataCursorPageControl", {"General", "Channel", "Hint"}},
        {"LimitPageControl", {"General"}},
        {"LabelPageControl", {"General"}},
        {"XAxisPageControl", axisTabs},
        {"XAxisLabelsPageControl", {"(Default)", "Cursor", "Legend"}},
        {"YAxisPageControl", axisTabs},
        {"YAxisLabelsPageControl", {"(Default)", "Cursor", "Legend"}},
        {"LegendPageControl", {"General", "Columns", "Wrap"}},
        {"TablePageControl", {"General", "Grid", "Layout"}},
        {"DataViewPageControl", {"General", "Grid Lines"}},
        {"DataViewGridLinesCustomPageControl", {"X-Majors", "X-Minors", "Y-Majors", "Y-Minors"}},
    };
    for (const Nested &n : nested)
        EXPECT_EQ(TabCaptions(C<TPageControl>(n.pages)), n.captions) << n.pages;

    for (int i = 0; i < form.PageControl->PageCount(); ++i) {
        TTabSheet *sheet = form.PageControl->Pages(i);
        SCOPED_TRACE(sheet->Caption().toStdString());
        form.PageControl->SetActivePage(sheet);
        const QImage image = RenderControlImage(&form);
        EXPECT_EQ(image.size(), QSize(form.Width(), form.Height()));
        Keep(image, qPrintable(QStringLiteral("plot_editor_%1").arg(i, 2, 10, QLatin1Char('0'))));
        ExpectInsideItsPage(sheet);
    }
}

}  // namespace
