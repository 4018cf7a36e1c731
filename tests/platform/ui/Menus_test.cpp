// Main and popup menus: hidden entries, clicks by code and by the user, the radio-item rule,
// insertion, scripted popup choices and offscreen rendering.

#include "platform/ui/Menus.h"
#include "platform/ui/TestScript.h"

#include "StdTestApp.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Owner of the items, as a form would be.
struct MenuFixture : ::testing::Test {
    std::unique_ptr<TComponent> form = std::make_unique<TComponent>(nullptr);
    QStringList clicks;

    TMenuItem *Item(TMenuItem *parent, const char *name, const char *caption, bool visible = true)
    {
        auto *item = new TMenuItem(form.get());
        item->SetName(QString::fromLatin1(name));
        item->SetCaption(QString::fromUtf8(caption));
        item->SetVisible(visible);
        item->OnClick = [this](TObject *sender) { clicks << static_cast<TComponent *>(sender)->Name(); };
        parent->Add(item);
        return item;
    }

    static QStringList ShownTexts(const QList<QAction *> &actions)
    {
        QStringList out;
        for (QAction *a : actions)
            if (a->isVisible())
                out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
};

// The program's menu bar, with its entries that are never made visible.
struct MainMenuFixture : MenuFixture {
    TMainMenu *menu = new TMainMenu(form.get());
    TMenuItem *file = Item(menu->Items(), "File", "&File");
    TMenuItem *open = Item(file, "Open", "&Open");
    TMenuItem *n1 = Item(file, "N1", "-");
    TMenuItem *n2 = Item(file, "N2", "-", false);
    TMenuItem *factory = Item(file, "FactoryDefault", "Factory Default", false);
    TMenuItem *exit = Item(file, "Exit", "E&xit");
    TMenuItem *networkSetup = Item(menu->Items(), "NetworkSetup", "Setting ID/IP", false);
    TMenuItem *connect = Item(menu->Items(), "Connect", "Connect", false);
    TMenuItem *connected = Item(connect, "Connected", "Connect");
    TMenuItem *connectHelp = Item(connect, "ConnectHelp", "Connect Help", false);
    TMenuItem *about = Item(menu->Items(), "About", "About");
};

TEST_F(MainMenuFixture, HiddenEntriesAreNeverShown)
{
    QMenuBar *bar = menu->MenuBar();
    EXPECT_EQ(ShownTexts(bar->actions()), (QStringList{"&File", "About"}));
    EXPECT_EQ(ShownTexts(file->SubMenu()->actions()), (QStringList{"&Open", "-", "E&xit"}));

    // Laid out on screen, a hidden entry takes no place.
    QMenu *drop = file->SubMenu();
    drop->popup(QPoint(0, 0));
    EXPECT_TRUE(drop->actionGeometry(factory->Action()).isEmpty());
    EXPECT_TRUE(drop->actionGeometry(n2->Action()).isEmpty());
    EXPECT_FALSE(drop->actionGeometry(exit->Action()).isEmpty());
    drop->hide();
    EXPECT_TRUE(bar->actionGeometry(connect->Action()).isEmpty());

    // Start-up makes one entry visible; it appears where the tree has it.
    networkSetup->SetVisible(true);
    EXPECT_EQ(ShownTexts(bar->actions()), (QStringList{"&File", "Setting ID/IP", "About"}));
}

TEST_F(MainMenuFixture, ClickByCodeRunsTheHandlerEvenInsideAHiddenMenu)
{
    connected->Click();     // the hidden connect entry acts like the link button
    exit->Action()->trigger();  // the user's choice
    factory->SetEnabled(false);
    factory->Click();       // disabled: nothing
    EXPECT_EQ(clicks, (QStringList{"Connected", "Exit"}));
}

TEST_F(MainMenuFixture, InsertionAtAPositionAndRemovalFollowInTheShownMenu)
{
    file->SubMenu();
    auto *save = new TMenuItem(form.get());
    save->SetName("Save");
    save->SetCaption("&Save");
    file->Insert(1, save);
    EXPECT_EQ(save->MenuIndex(), 1);
    EXPECT_EQ(save->Parent(), file);
    EXPECT_EQ(ShownTexts(file->SubMenu()->actions()), (QStringList{"&Open", "&Save", "-", "E&xit"}));
    EXPECT_THROW(connect->Insert(0, save), EMenuError);  // already in a menu

    delete open;  // destroying an item takes it out of its parent and of the shown menu
    EXPECT_EQ(ShownTexts(file->SubMenu()->actions()), (QStringList{"&Save", "-", "E&xit"}));
    file->Delete(0);
    EXPECT_EQ(save->Parent(), nullptr);
    EXPECT_EQ(file->Find("exit"), exit);
    delete save;
}

TEST_F(MainMenuFixture, CaptionsAndStateFollowWrites)
{
    menu->MenuBar();
    file->SubMenu();
    exit->SetCaption("取消");
    exit->SetEnabled(false);
    EXPECT_EQ(exit->Action()->text(), "取消");
    EXPECT_FALSE(exit->Action()->isEnabled());
    n1->SetCaption("Not a line");
    EXPECT_FALSE(n1->Action()->isSeparator());
}

TEST_F(MainMenuFixture, RendersOffscreen)
{
    QMenuBar *bar = menu->MenuBar();
    bar->resize(300, bar->sizeHint().height());
    const QImage image = bar->grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 300);
    // Something is drawn: not every pixel has the background's colour.
    const QRgb background = image.pixel(image.width() - 1, image.height() / 2);
    bool drawn = false;
    for (int x = 0; x < 60 && !drawn; ++x)
        for (int y = 0; y < image.height() && !drawn; ++y)
            drawn = image.pixel(x, y) != background;
    EXPECT_TRUE(drawn);
}

// The radio-item rule, table-driven: each step writes Checked by code or clicks an item.
struct RadioStep {
    const char *item;
    bool click;       // false: Checked := true by code
    const char *expectChecked;  // one letter per item a..e, '1' checked
};

TEST_F(MenuFixture, CheckMarksFollowTheRadioItemRule)
{
    TPopupMenu menu(form.get());
    const char *names[] = {"a", "b", "c", "d", "e"};
    TMenuItem *items[5];
    for (int i = 0; i < 5; ++i)
        items[i] = Item(menu.Items(), names[i], names[i]);
    for (int i = 0; i < 3; ++i) {  // a, b, c: radio items of group 1
        items[i]->SetRadioItem(true);
        items[i]->SetGroupIndex(1);
        items[i]->SetAutoCheck(true);
    }
    items[3]->SetRadioItem(true);  // d: a radio item of group 2
    items[3]->SetGroupIndex(2);
    items[4]->SetAutoCheck(true);  // e: a plain check item
    menu.Menu();                   // the shown menu follows every step

    const RadioStep steps[] = {
        {"a", false, "10000"}, {"d", false, "10010"}, {"c", false, "00110"},
        {"b", true, "01010"},  {"b", true, "01010"},  {"e", true, "01011"},
        {"e", true, "01010"},
    };
    for (const RadioStep &step : steps) {
        clicks.clear();
        TMenuItem *item = items[step.item[0] - 'a'];
        if (step.click)
            item->Click();
        else
            item->SetChecked(true);
        for (int i = 0; i < 5; ++i) {
            const bool expected = step.expectChecked[i] == '1';
            EXPECT_EQ(items[i]->Checked(), expected) << "after " << step.item << ", item " << names[i];
            EXPECT_EQ(items[i]->Action()->isChecked(), expected) << "shown, item " << names[i];
        }
        EXPECT_EQ(clicks.size(), step.click ? 1 : 0) << "writing Checked fires nothing";
    }
    // Turning an already checked item into a radio item of the group also applies the rule.
    items[4]->SetChecked(true);
    items[4]->SetGroupIndex(1);
    items[4]->SetRadioItem(true);
    EXPECT_FALSE(items[1]->Checked());
    EXPECT_TRUE(items[3]->Checked());
}

TEST_F(MenuFixture, PopupTakesTheScriptedChoice)
{
    TScriptSession script;
    TPopupMenu menu(form.get());
    int popups = 0;
    menu.OnPopup = [&](TObject *) { ++popups; };
    TMenuItem *view = Item(menu.Items(), "View", "&View");
    Item(view, "Zoom", "&Zoom in");
    Item(menu.Items(), "Hidden", "Hidden", false);

    TestScript::ExpectPopup("View/Zoom in");
    TestScript::ExpectPopup("");
    menu.Popup(10, 20);
    menu.Popup(10, 20);
    EXPECT_EQ(clicks, QStringList{"Zoom"});
    EXPECT_EQ(popups, 2);
    EXPECT_EQ(menu.PopupPoint(), TPoint(10, 20));
    EXPECT_TRUE(script.Failures().empty());

    TestScript::ExpectPopup("Hidden");  // a user cannot choose what is not shown
    menu.Popup(0, 0);
    EXPECT_EQ(clicks, QStringList{"Zoom"});
    EXPECT_EQ(script.Failures().size(), 1u);

    menu.Popup(0, 0);  // nothing scripted: reported, nothing chosen, no blocking
    EXPECT_EQ(script.Failures().size(), 2u);
}

TEST(MenuHotkeys, AcceleratorsAndShortcuts)
{
    EXPECT_EQ(StripHotkey("&File"), "File");
    EXPECT_EQ(StripHotkey("A&&B"), "A&B");
    EXPECT_EQ(GetHotkey("E&xit"), QChar('X'));
    EXPECT_EQ(GetHotkey("A&&B"), QChar());
    EXPECT_EQ(ShortCut('S', {ssCtrl}), scCtrl | 'S');

    TComponent owner(nullptr);
    TMainMenu menu(&owner);
    auto *save = new TMenuItem(&owner);
    menu.Items()->Add(new TMenuItem(&owner));
    menu.Items()->Items(0)->Add(save);
    int saves = 0;
    save->OnClick = [&](TObject *) { ++saves; };
    save->SetShortCut(ShortCut('S', {ssCtrl}));
    EXPECT_TRUE(menu.IsShortCut(scCtrl | 'S'));
    EXPECT_FALSE(menu.IsShortCut(scCtrl | 'O'));
    save->SetVisible(false);
    EXPECT_FALSE(menu.IsShortCut(scCtrl | 'S'));
    EXPECT_EQ(saves, 1);
}

}  // namespace
