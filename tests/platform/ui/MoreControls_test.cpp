// Firing rules and behaviour of the other standard controls: value list editor, page control,
// track bar, speed buttons, radio group, up-down, tree view, rich edit rendering.

#include "platform/ui/Bitmap.h"
#include "platform/runtime/ClassRegistry.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/PageControl.h"
#include "platform/runtime/PropInfo.h"
#include "platform/ui/RadioButton.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"
#include "platform/runtime/Streams.h"
#include "platform/ui/TestScript.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/UpDown.h"
#include "platform/ui/ValueListEditor.h"

#include "StdTestApp.h"

#include <QTabBar>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Controls {
    TScriptSession script;
    TForm *form = new TForm(nullptr);
    TValueListEditor *vle = new TValueListEditor(form);
    TPageControl *pages = new TPageControl(form);
    TTabSheet *first = new TTabSheet(form);
    TTabSheet *second = new TTabSheet(form);
    TTrackBar *track = new TTrackBar(form);
    TSpeedButton *speedA = new TSpeedButton(form);
    TSpeedButton *speedB = new TSpeedButton(form);
    TRadioGroup *group = new TRadioGroup(form);
    TUpDown *updown = new TUpDown(form);
    TEdit *buddy = new TEdit(form);
    TTreeView *tree = new TTreeView(form);
    std::vector<std::string> log;

    Controls()
    {
        form->SetBounds(0, 0, 700, 400);
        auto place = [this](TControl *c, const char *name, int x, int y, int w, int h) {
            c->SetName(QString::fromLatin1(name));
            c->SetParent(form);
            c->SetBounds(x, y, w, h);
        };
        place(vle, "vle", 10, 10, 200, 120);
        vle->Strings()->SetText("     U01=  Default Preset\n     U02=  Default Preset\n     U03=  Default Preset\n");
        vle->SetColWidths(0, 69);
        vle->SetColWidths(1, 126);
        vle->OnSelectCell = [this](TObject *, int c, int r, bool &) {
            log.push_back("select " + std::to_string(c) + "," + std::to_string(r));
        };
        place(pages, "pages", 220, 10, 200, 120);
        first->SetCaption("First");
        second->SetCaption("Second");
        first->SetPageControl(pages);
        second->SetPageControl(pages);
        pages->SetActivePage(first);
        pages->OnChange = Logger("pages change");
        pages->OnChanging = [this](TObject *, bool &) { log.push_back("pages changing"); };
        place(track, "track", 430, 10, 150, 30);
        track->OnChange = Logger("track change");
        place(speedA, "speedA", 430, 50, 30, 25);
        place(speedB, "speedB", 470, 50, 30, 25);
        for (TSpeedButton *b : {speedA, speedB}) {
            b->SetGroupIndex(1);
            b->OnClick = Logger(b->Name().toStdString() + " click");
        }
        place(group, "group", 430, 90, 150, 80);
        group->Items()->SetText("one\ntwo\nthree");
        group->OnClick = Logger("group click");
        place(buddy, "buddy", 10, 150, 60, 22);
        place(updown, "updown", 70, 150, 17, 22);
        updown->SetAssociate(buddy);
        updown->OnClick = [this](TObject *, TUDBtnType b) { log.push_back(b == btNext ? "updown next" : "updown prev"); };
        place(tree, "tree", 220, 150, 150, 100);
        tree->OnChange = [this](TObject *, TTreeNode *n) { log.push_back("tree change " + (n ? n->Text().toStdString() : "none")); };
        form->Show();
        log.clear();
    }
    ~Controls() { delete form; }
    TNotifyEvent Logger(std::string what)
    {
        return [this, what](TObject *) { log.push_back(what); };
    }
};

struct Rule {
    const char *name;
    std::function<void(Controls &)> drive;
    std::vector<std::string> expected;
};

// Names the case in test listings (ctest shows it) instead of the bytes of the struct.
void PrintTo(const Rule &c, std::ostream *os) { *os << c.name; }

const Rule kRules[] = {
    {"value list row by code asks the cell selection", [](Controls &c) { c.vle->SetRow(3); }, {"select 1,3"}},
    {"value list click on a row by the user passes the row",
     [](Controls &c) { TInputRouter::Click(c.form, Point(40, 10 + 2 + 18 + 18 + 5)); },
     {"select 0,2"}},
    {"value list click on the current cell chooses it again",
     [](Controls &c) {
         c.vle->SetOptions(c.vle->Options() - goEditing);
         TInputRouter::Click(c.form, Point(120, 10 + 2 + 18 + 5));
     },
     {"select 1,1"}},
    {"value list click on the key column of the current row moves there",
     [](Controls &c) {
         c.vle->SetOptions(c.vle->Options() - goEditing);
         TInputRouter::Click(c.form, Point(40, 10 + 2 + 18 + 5));
     },
     {"select 0,1"}},
    {"value list click on the current cell while editing opens its editor only",
     [](Controls &c) { TInputRouter::Click(c.form, Point(120, 10 + 2 + 18 + 5)); },
     {}},
    {"value list click on the title row chooses nothing",
     [](Controls &c) {
         c.vle->SetOptions(c.vle->Options() - goEditing);
         TInputRouter::Click(c.form, Point(120, 10 + 2 + 5));
     },
     {}},
    {"value list row by code to the current row fires nothing", [](Controls &c) { c.vle->SetRow(1); }, {}},
    {"value list text by code fires nothing", [](Controls &c) { c.vle->Strings()->SetText("     U01=  Main\n"); }, {}},
    {"page by code fires nothing", [](Controls &c) { c.pages->SetActivePage(c.second); }, {}},
    {"tab click by the user: changing then change",
     [](Controls &c) {
         auto *bar = c.pages->Widget()->findChild<QTabBar *>();
         const QRect r = bar->tabRect(1);
         TInputRouter::Click(c.form, Point(220 + r.center().x(), 10 + r.center().y()));
     },
     {"pages changing", "pages change"}},
    {"track bar differing write fires OnChange", [](Controls &c) { c.track->SetPosition(4); }, {"track change"}},
    {"track bar same write fires nothing", [](Controls &c) { c.track->SetPosition(0); }, {}},
    {"speed button down by code fires nothing", [](Controls &c) { c.speedA->SetDown(true); }, {}},
    {"speed button click by the user", [](Controls &c) { TInputRouter::Click(c.form, Point(440, 60)); }, {"speedA click"}},
    {"radio group item index by code fires OnClick", [](Controls &c) { c.group->SetItemIndex(1); }, {"group click"}},
    {"up-down position by code fires nothing", [](Controls &c) { c.updown->SetPosition(7); }, {}},
    {"up-down arrow press by the user", [](Controls &c) { TInputRouter::Click(c.form, Point(78, 152)); }, {"updown next"}},
    {"tree selection by code fires OnChange",
     [](Controls &c) { c.tree->SetSelected(c.tree->Items()->Add(nullptr, "node")); },
     {"tree change node"}},
};

class MoreFiringRules : public ::testing::TestWithParam<Rule> {};

TEST_P(MoreFiringRules, EventsFollowTheFramework)
{
    Controls c;
    GetParam().drive(c);
    EXPECT_EQ(c.log, GetParam().expected);
    EXPECT_TRUE(c.script.Failures().empty());
}

INSTANTIATE_TEST_SUITE_P(Rules, MoreFiringRules, ::testing::ValuesIn(kRules), stdtest::ParamName());

TEST(MoreControls, StateAfterTheEvents)
{
    Controls c;
    c.vle->SetRow(2);
    EXPECT_EQ(c.vle->Row(), 2);
    c.vle->OnSelectCell = [](TObject *, int, int, bool &can) { can = false; };
    c.vle->SetRow(3);
    EXPECT_EQ(c.vle->Row(), 2);  // refused
    EXPECT_EQ(c.vle->Keys(1), "     U01");

    c.speedA->SetDown(true);
    c.speedB->SetDown(true);
    EXPECT_FALSE(c.speedA->Down());  // one down per group
    c.speedB->SetDown(false);
    EXPECT_TRUE(c.speedB->Down());   // without AllowAllUp it stays down

    c.updown->SetMax(8);
    c.updown->SetPosition(8);
    TInputRouter::Click(c.form, Point(78, 152));
    EXPECT_EQ(c.updown->Position(), 8);
    EXPECT_EQ(c.buddy->Text(), "8");
    c.updown->SetWrap(true);
    TInputRouter::Click(c.form, Point(78, 152));
    EXPECT_EQ(c.updown->Position(), 0);

    c.group->SetItemIndex(2);
    EXPECT_TRUE(c.group->Buttons(2)->Checked());
    EXPECT_FALSE(c.group->Buttons(0)->Checked());
    c.group->Items()->SetText("a\nb");
    EXPECT_EQ(c.group->ItemIndex(), -1);  // the chosen item is gone
}

TEST(RichEdit, RendersStoredRichTextIntoACanvasRectangle)
{
    TForm form(nullptr);
    auto *rich = new TRichEdit(&form);
    rich->SetParent(&form);
    rich->SetRichText(R"({\rtf1{\colortbl;\red255\green0\blue0;}\cf1\fs40 RED\par second line})");
    EXPECT_EQ(rich->Lines()->Count(), 2);
    EXPECT_EQ(rich->Lines()->Get(0), "RED");

    TBitmap bitmap(200, 100);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(TRect(0, 0, 200, 100));
    // The rich-text label's call: a one-pixel margin, the rectangle in twips at the canvas's DPI.
    TFormatRange range;
    range.hdc = range.hdcTarget = bitmap.Canvas();
    range.rc = TRect(15, 15, 15 + 199 * 15, 15 + 49 * 15);
    range.rcPage = range.rc;
    EXPECT_GT(rich->Perform(EM_FORMATRANGE, 1, reinterpret_cast<LPARAM>(&range)), 0);
    EXPECT_EQ(rich->Perform(EM_FORMATRANGE, 0, 0), 0);
    int red = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            const QRgb p = bitmap.Image().pixel(x, y);
            if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) {
                ++red;
                EXPECT_GE(x, 1);  // inside the margin
                EXPECT_LT(y, 51);
            }
        }
    EXPECT_GT(red, 20);
}

TEST(RichEdit, RichTextGoesThroughLinesAndStreams)
{
    TRichEdit rich(nullptr);
    // Stored documents are text with one byte per character; high bytes do not matter.
    QString stored = QString::fromLatin1(R"({\rtf1 {\b bold} plain})");
    stored[3] = QChar(0x1000 | stored[3].unicode());
    rich.Lines()->SetText(stored);
    EXPECT_EQ(rich.Lines()->Get(0), "bold plain");
    TMemoryStream stream;
    rich.SaveToStream(&stream);
    TRichEdit copy(nullptr);
    stream.SetPosition(0);
    copy.LoadFromStream(&stream);
    EXPECT_EQ(copy.Text(), "bold plain");
    copy.SetPlainText(true);
    copy.SetRichText("{\\rtf1 not read}");
    EXPECT_EQ(copy.Text(), "{\\rtf1 not read}");
    int changes = 0;
    rich.OnChange = [&](TObject *) { ++changes; };
    rich.Lines()->Add("third");
    rich.SetText("x");
    EXPECT_EQ(changes, 2);
}

TEST(RichEdit, ItsLinesStreamTheRichDocument)
{
    TRichEdit rich(nullptr);
    rich.SetRichText(R"({\rtf1 {\b bold} plain})");
    TMemoryStream stream;
    rich.Lines()->SaveToStream(&stream);
    const QByteArray written = QByteArray(stream.Memory(), static_cast<qsizetype>(stream.Size()));
    EXPECT_TRUE(written.startsWith("{\\rtf1")) << written.toStdString();
    TRichEdit copy(nullptr);
    stream.SetPosition(0);
    copy.Lines()->LoadFromStream(&stream);
    EXPECT_EQ(copy.Text(), "bold plain");
    EXPECT_EQ(copy.RichText(), rich.RichText());
}

TEST(ClassRegistry, EveryStandardClassIsCreatedByName)
{
    const char *const names[] = {
        "TLabel", "TEdit", "TMemo", "TComboBox", "TListBox", "TButton", "TCheckBox", "TRadioButton", "TGroupBox",
        "TPanel", "TShape", "TImage", "TPaintBox", "TBevel", "TScrollBox", "TPageControl", "TTabSheet", "TTreeView",
        "TStringGrid", "TValueListEditor", "TStatusBar", "TProgressBar", "TTrackBar", "TDateTimePicker", "TRichEdit",
        "TSpeedButton", "TUpDown", "TRadioGroup", "THintWindow", "TMainMenu", "TPopupMenu", "TMenuItem",
        "TOpenDialog", "TSaveDialog", "TColorDialog", "TFontDialog"};
    TComponent owner(nullptr);
    for (const char *name : names) {
        TComponent *c = CreateComponentByClassName(QString::fromLatin1(name), &owner);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->ClassName(), QString::fromLatin1(name));
    }
}

}  // namespace

namespace {

TEST(LabelsAndPanels, AutoSizeAlignmentAndClientArea)
{
    TForm form(nullptr);
    auto *label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(100, 10, 200, 40);
    label->SetCaption("Text");
    const int w = label->Width();
    EXPECT_LT(w, 60);                   // sized to the text
    EXPECT_GT(label->Height(), 8);
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("A longer text");
    EXPECT_EQ(label->Left() + label->Width(), right);  // a right-aligned label keeps its right edge
    label->SetAutoSize(false);
    label->SetWidth(10);
    label->SetCaption("Wide again");
    EXPECT_EQ(label->Width(), 10);

    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 100, 100, 60);
    panel->SetBevelInner(bvLowered);
    panel->SetBorderWidth(3);
    auto *inside = new TPanel(&form);
    inside->SetParent(panel);
    inside->SetAlign(alClient);
    EXPECT_EQ(inside->BoundsRect(), TRect(5, 5, 95, 55));  // bevels 1 + 1 and the border 3
}

TEST(OwnerDrawnLists, ItemsArePaintedByTheProgram)
{
    TForm form(nullptr);
    auto *list = new TListBox(&form);
    list->SetParent(&form);
    list->SetBounds(0, 0, 80, 60);
    list->SetStyle(lbOwnerDrawFixed);
    list->Items()->SetText("a\nb");
    std::vector<int> drawn;
    list->OnDrawItem = [&](TWinControl *, int index, TRect rect, TOwnerDrawState) {
        drawn.push_back(index);
        list->Canvas()->Brush()->SetColor(clRed);
        list->Canvas()->FillRect(rect);
    };
    TBitmap bitmap(80, 60);
    list->PaintTo(bitmap.Canvas(), 0, 0);
    EXPECT_EQ(drawn.size(), 2u);
    EXPECT_EQ(PixelToColor(bitmap.Image().pixel(10, 5)), clRed);

    list->SetStyle(lbStandard);
    list->SetMultiSelect(true);
    list->SetSelected(0, true);
    list->SetSelected(1, true);
    EXPECT_EQ(list->SelCount(), 2);
    list->Items()->Insert(0, "z");
    EXPECT_FALSE(list->Selected(0));  // selections stay with their items
    EXPECT_TRUE(list->Selected(2));
}

}  // namespace
