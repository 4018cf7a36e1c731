// Form definitions: a fixture with nested components, a collection, binary data, a string list,
// references and events loads, binds and writes back to the same text; bad definitions are
// reported with file and line and leave nothing behind.

#include "RuntimeTestApp.h"
#include "TestComponents.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/runtime/Timer.h"
#include "platform/runtime/TypInfo.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <memory>

namespace {

QString Fixture()
{
    return LoadFormResourceText(QStringLiteral("TTestForm"));
}

struct LoadedForm {
    std::unique_ptr<TTestForm> form = std::make_unique<TTestForm>(nullptr);
    LoadedForm(const QString &text) { ReadComponentFromText(form.get(), text, QStringLiteral("TTestForm.dfm")); }
};

TEST(FormReader, FixtureIsEmbeddedAsResource)
{
    EXPECT_TRUE(FormResourceExists(QStringLiteral("TTestForm")));
    EXPECT_TRUE(Fixture().startsWith(QStringLiteral("object TestForm: TTestForm")));
}

TEST(FormReader, FixtureLoadsEveryKindOfValue)
{
    TTestControl::LoadedLog.clear();
    LoadedForm loaded(Fixture());
    TTestForm &f = *loaded.form;
    EXPECT_EQ(f.Name(), QStringLiteral("TestForm"));
    EXPECT_EQ(f.Caption, QStringLiteral("Test form"));
    ASSERT_NE(f.lbTitle, nullptr);
    ASSERT_NE(f.btnOk, nullptr);
    EXPECT_EQ(f.lbTitle->Left, 8);
    EXPECT_EQ(f.lbTitle->Caption, QStringLiteral("It's a title\r\nsecond line"));
    EXPECT_EQ(f.lbTitle->Align, alTop);
    EXPECT_DOUBLE_EQ(f.lbTitle->Ratio, 1.5);
    EXPECT_EQ(f.lbTitle->Color, clRed);
    EXPECT_EQ(f.lbTitle->Font()->Color, 0x00123456);
    EXPECT_EQ(f.lbTitle->Font()->Name, QStringLiteral("Arial"));
    EXPECT_EQ(f.lbTitle->Font()->Style, (TTestFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(f.lbTitle->Lines()->Text(), QStringLiteral("one\r\ntwo\r\n"));
    EXPECT_FALSE(f.btnOk->Visible);
    EXPECT_EQ(f.btnOk->Picture()->Data.size(), 40);
    EXPECT_EQ(static_cast<unsigned char>(f.btnOk->Picture()->Data[39]), 0x27);
    ASSERT_EQ(f.btnOk->Items()->Count(), 2);
    auto *second = static_cast<TTestItem *>(f.btnOk->Items()->Items(1));
    EXPECT_EQ(second->Caption, QStringLiteral("second"));
    EXPECT_EQ(static_cast<TTestItem *>(f.btnOk->Items()->Items(0))->Value, 3);
    EXPECT_EQ(f.btnOk->Peer, f.lbTitle);
    EXPECT_EQ(f.btnOk->ZOrder, 2);
    ASSERT_EQ(f.btnOk->Marks()->Count(), 1);
    EXPECT_EQ(static_cast<TTestItem *>(f.btnOk->Marks()->Items(0))->Value, -1);
    // Nesting gives the parent relation; the form owns every component.
    auto *inner = dynamic_cast<TTestControl *>(f.FindComponent(QStringLiteral("INNER")));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->Parent(), f.btnOk);
    EXPECT_DOUBLE_EQ(inner->Ratio, -2.5e-7);
    auto *timer = dynamic_cast<TTimer *>(f.FindComponent(QStringLiteral("tmPoll")));
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 300u);
    // Loaded runs after everything was read: the form first, then in reading order.
    EXPECT_EQ(TTestControl::LoadedLog, (QStringList{"TestForm", "lbTitle", "btnOk", "inner"}));
    EXPECT_FALSE(f.ComponentState().Contains(csLoading));
    EXPECT_FALSE(inner->ComponentState().Contains(csLoading));
}

TEST(FormReader, EventsAreBoundToTheFormsHandlers)
{
    LoadedForm loaded(Fixture());
    TTestForm &f = *loaded.form;
    ASSERT_TRUE(f.btnOk->OnClick);
    f.btnOk->OnClick(f.btnOk);
    f.lbTitle->OnMouseDown(f.lbTitle, mbRight, TShiftState{ssShift}, 5, 6);
    EXPECT_EQ(f.Calls, (QStringList{"click btnOk", "down lbTitle 1 1 5 6"}));
    EXPECT_EQ(f.btnOk->OnClick.HandlerName(), QStringLiteral("btnOkClick"));
}

// Handlers of an object the form holds bind, check and write back like the form's own.
TEST(FormReader, ForwardedHandlersCallTheHeldObject)
{
    QString text = Fixture();
    text.replace(QStringLiteral("OnClick = btnOkClick"), QStringLiteral("OnClick = PAGECLICK"));
    text.replace(QStringLiteral("OnMouseDown = FormMouseDown"), QStringLiteral("OnMouseDown = pageMouseDown"));
    LoadedForm loaded(text);
    TTestForm &f = *loaded.form;
    f.btnOk->OnClick(f.btnOk);
    f.lbTitle->OnMouseDown(f.lbTitle, mbRight, TShiftState{}, 5, 6);
    EXPECT_EQ(f.Page.Calls, (QStringList{"page click btnOk", "page down lbTitle 1 5 6"}));
    EXPECT_TRUE(f.Calls.isEmpty());
    EXPECT_EQ(f.btnOk->OnClick.HandlerName(), QStringLiteral("pageClick"));
    EXPECT_EQ(f.btnOk->OnClick.Target(), &f);
    QString expected = Fixture();
    expected.replace(QStringLiteral("OnClick = btnOkClick"), QStringLiteral("OnClick = pageClick"));
    expected.replace(QStringLiteral("OnMouseDown = FormMouseDown"), QStringLiteral("OnMouseDown = pageMouseDown"));
    EXPECT_EQ(WriteComponentToText(&f), expected);
}

TEST(FormReader, FixtureWritesBackToTheSameText)
{
    LoadedForm loaded(Fixture());
    EXPECT_EQ(WriteComponentToText(loaded.form.get()), Fixture());
}

TEST(FormReader, WriterLeavesOutDefaultsAndWritesChanges)
{
    LoadedForm loaded(Fixture());
    TTestForm &f = *loaded.form;
    f.lbTitle->Align = alNone;                 // back to its default: no line
    f.btnOk->Visible = true;                   // default
    f.lbTitle->Color = static_cast<TColor>(0xFF000010);  // a system colour without a name here
    f.btnOk->Items()->Clear();
    QString text = WriteComponentToText(&f);
    EXPECT_FALSE(text.contains(QStringLiteral("Align")));
    EXPECT_FALSE(text.contains(QStringLiteral("Visible")));
    EXPECT_FALSE(text.contains(QStringLiteral("Items")));
    EXPECT_TRUE(text.contains(QStringLiteral("Color = clBtnShadow"))) << text.toStdString();
    // What was written reads back to the same state.
    TTestForm again(nullptr);
    ReadComponentFromText(&again, text, QStringLiteral("again"));
    EXPECT_EQ(WriteComponentToText(&again), text);
}

// A file holding the bytes, in a folder that goes with it.
struct DataFile {
    explicit DataFile(const QByteArray &bytes) : name(dir.filePath(QStringLiteral("data.bin")))
    {
        QFile file(name);
        written = dir.isValid() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    QTemporaryDir dir;
    QString name;
    bool written = false;
};

// Binary data may be the bytes of a file instead of hex digits; the result is the same.
TEST(FormReader, BinaryDataMayComeFromAFile)
{
    const QString text = Fixture();
    const qsizetype open = text.indexOf(QStringLiteral("Picture = {"));
    ASSERT_GE(open, 0);
    const qsizetype close = text.indexOf(u'}', open);
    const QByteArray bytes =
        QByteArray::fromHex(text.mid(open + 11, close - open - 11).remove(QRegularExpression("\\s")).toLatin1());
    ASSERT_EQ(bytes.size(), 40);
    const DataFile file(bytes);
    ASSERT_TRUE(file.written);

    QString fromFile = text;
    fromFile.replace(open, close + 1 - open, QStringLiteral("Picture = @'%1'").arg(file.name));
    LoadedForm loaded(fromFile);
    EXPECT_EQ(loaded.form->btnOk->Picture()->Data, bytes);
    EXPECT_EQ(WriteComponentToText(loaded.form.get()), WriteComponentToText(LoadedForm(text).form.get()));
}

// A text property given binary data takes one character per byte, every byte value kept.
TEST(FormReader, TextMayComeFromAFileOneCharacterPerByte)
{
    QByteArray bytes("{\\rtf1 caf\xE9}\r\n");
    bytes.append('\0').append('\xFF');
    const DataFile file(bytes);
    ASSERT_TRUE(file.written);

    const QString text = Fixture().replace(QStringLiteral("'It''s a title'#13#10'second line'"),
                                           QStringLiteral("@'%1'").arg(file.name));
    LoadedForm loaded(text);
    const QString caption = loaded.form->lbTitle->Caption;
    ASSERT_EQ(caption.size(), bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        EXPECT_EQ(caption[i].unicode(), static_cast<unsigned char>(bytes[i])) << i;
}

struct BadCase {
    const char *name;
    QString from, to;     // replacement in the fixture
    QString expected;     // part of the message, with the line
};

// Names the case in test listings (ctest shows it) instead of the bytes of the struct.
void PrintTo(const BadCase &c, std::ostream *os) { *os << c.name; }

class FormReaderErrors : public ::testing::TestWithParam<BadCase> {};

TEST_P(FormReaderErrors, ReportFileLineAndLeaveNothingBehind)
{
    const BadCase &c = GetParam();
    QString text = Fixture();
    ASSERT_TRUE(text.contains(c.from));
    text.replace(c.from, c.to);
    int before = TTestControl::LiveCount;
    TTestForm form(nullptr);
    try {
        ReadComponentFromText(&form, text, QStringLiteral("bad.dfm"));
        FAIL() << "no error for " << c.name;
    } catch (const EReadError &e) {
        EXPECT_TRUE(e.Message().contains(c.expected)) << e.Message().toStdString();
    }
    EXPECT_EQ(TTestControl::LiveCount, before);
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_EQ(form.lbTitle, nullptr);
    EXPECT_EQ(form.btnOk, nullptr);
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormReaderErrors,
    ::testing::Values(BadCase{"misspelled property", "    Visible = False", "    Visibel = False",
                              "bad.dfm(20): TTestControl btnOk.Visibel: property does not exist"},
                      BadCase{"misspelled class", "object inner: TTestControl", "object inner: TTestControll",
                              "bad.dfm(40): TTestControll inner: class TTestControll not found"},
                      BadCase{"unknown handler", "OnClick = btnOkClick", "OnClick = btnOkClik",
                              "bad.dfm(33): TTestControl btnOk.OnClick: handler btnOkClik not found in TTestForm"},
                      BadCase{"handler of another signature", "OnClick = btnOkClick", "OnClick = FormMouseDown",
                              "bad.dfm(33): TTestControl btnOk.OnClick: handler FormMouseDown does not fit"},
                      BadCase{"forwarded handler of another signature", "OnClick = btnOkClick",
                              "OnClick = pageMouseDown",
                              "bad.dfm(33): TTestControl btnOk.OnClick: handler pageMouseDown does not fit"},
                      BadCase{"unknown enum name", "Align = alTop", "Align = alTpo",
                              "bad.dfm(7): TTestControl lbTitle.Align: 'alTpo' is not a valid value"},
                      BadCase{"Boolean neither 0 nor 1", "    Visible = False", "    Visible = 2",
                              "bad.dfm(20): TTestControl btnOk.Visible: Invalid property value"},
                      BadCase{"integer past the property's type", "Left = 8", "Left = 42999999993",
                              "bad.dfm(4): TTestControl lbTitle.Left: Invalid property value"},
                      BadCase{"integer below the property's type", "Left = 8", "Left = -2147483649",
                              "bad.dfm(4): TTestControl lbTitle.Left: Invalid property value"},
                      BadCase{"string for an integer", "Left = 8", "Left = '8'",
                              "bad.dfm(4): TTestControl lbTitle.Left: invalid value"},
                      BadCase{"unknown sub-property", "Font.Name = 'Arial'", "Font.Nmae = 'Arial'",
                              "bad.dfm(11): TTestControl lbTitle.Font.Nmae: property does not exist"},
                      BadCase{"unknown reference", "Peer = lbTitle", "Peer = lbTitel",
                              "bad.dfm(32): TTestControl btnOk.Peer: component lbTitel not found"},
                      BadCase{"bad item property", "        Value = 3", "        Valeu = 3",
                              "bad.dfm(27): TTestItem btnOk.Valeu: property does not exist"},
                      BadCase{"duplicate name", "object inner: TTestControl", "object lbTitle: TTestControl",
                              "bad.dfm(40): TTestControl lbTitle: A component named lbTitle already exists"},
                      BadCase{"unterminated string", "'Test form'", "'Test form", "bad.dfm(2): unterminated string"},
                      BadCase{"binary data from a file that is not there", "Ratio = 1.5",
                              "Ratio = @'/nonexistent/data.bin'",
                              "bad.dfm(8): file /nonexistent/data.bin cannot be read"},
                      BadCase{"binary data from no file name", "Ratio = 1.5", "Ratio = @1.5",
                              "bad.dfm(8): file name expected after '@'"},
                      BadCase{"lists nested without end", "Ratio = 1.5", "Ratio = " + QString(20000, u'('),
                              "bad.dfm(8): nesting deeper than 100 levels"},
                      BadCase{"objects nested too deep", "  object tmPoll: TTimer",
                              "  object tmPoll: TTimer\n" + QStringLiteral("object x: TTimer\n").repeated(200),
                              "nesting deeper than 100 levels"},
                      BadCase{"binary data from a device", "Ratio = 1.5", "Ratio = @'/dev/zero'",
                              "bad.dfm(8): file /dev/zero cannot be read"},
                      BadCase{"missing end", "  object tmPoll: TTimer", "  object tmPoll: TTimer\n  object x: TTimer",
                              "'end' expected"}),
    [](const ::testing::TestParamInfo<BadCase> &info) {
        std::string n = info.param.name;
        for (char &ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(FormReader, CreatesTheRootFromTheRegistryAndDeletesItOnError)
{
    std::unique_ptr<TComponent> made(CreateComponentFromText(Fixture(), QStringLiteral("x"), nullptr));
    ASSERT_NE(dynamic_cast<TTestForm *>(made.get()), nullptr);
    int before = TTestControl::LiveCount;
    QString bad = Fixture().replace(QStringLiteral("ZOrder = 2"), QStringLiteral("ZOrder = 'two'"));
    EXPECT_THROW(CreateComponentFromText(bad, QStringLiteral("x"), nullptr), EReadError);
    EXPECT_EQ(TTestControl::LiveCount, before);
}

// ---- Property registry --------------------------------------------------------------------------

TEST(PropertyRegistry, DeclarationOrderAncestorsFirst)
{
    QStringList names;
    for (const TPropInfo &p : TTestControl::StaticClass().Properties())
        names << p.Name;
    EXPECT_EQ(names.mid(0, 4), (QStringList{"Name", "Tag", "Left", "Top"}));
    EXPECT_EQ(names.last(), QStringLiteral("OnMouseDown"));
}

TEST(PropertyRegistry, DottedPathsReachOwnedObjectsOnly)
{
    LoadedForm loaded(Fixture());
    TTestControl *b = loaded.form->btnOk;
    EXPECT_EQ(GetPropValueText(b, QStringLiteral("font.style")), QStringLiteral("[]"));
    SetPropValueText(b, QStringLiteral("Font.Style"), QStringLiteral("[fsUnderline]"));
    EXPECT_EQ(b->Font()->Style, TTestFontStyles{fsUnderline});
    SetPropValueText(b, QStringLiteral("Font.Color"), QStringLiteral("clAqua"));
    EXPECT_EQ(GetPropValueText(b, QStringLiteral("Font.Color")), QStringLiteral("clAqua"));
    SetPropValueText(b, QStringLiteral("Ratio"), QStringLiteral("0.25"));
    EXPECT_DOUBLE_EQ(b->Ratio, 0.25);
    SetEnumProp(b, QStringLiteral("Align"), QStringLiteral("alClient"));
    EXPECT_EQ(b->Align, alClient);
    EXPECT_EQ(PropKind(b, QStringLiteral("Font.Size")), TTypeKind::Integer);
    // A reference is not descended into.
    EXPECT_EQ(PropKind(b, QStringLiteral("Peer.Left")), TTypeKind::Unknown);
    try {
        SetPropValueText(b, QStringLiteral("Font.Colr"), QStringLiteral("clRed"));
        FAIL();
    } catch (const EPropertyError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("TTestControl.Font.Colr: property does not exist"));
    }
    EXPECT_THROW(SetPropValueText(b, QStringLiteral("Left"), QStringLiteral("x")), EConvertError);
}

// An ordinal written by name must be one a name stands for: otherwise the write raises and the
// property keeps its value, whichever way the value came.
TEST(PropertyRegistry, OrdinalsNoNameStandsForAreRefused)
{
    struct Case {
        const char *name;
        std::function<void(TTestControl *)> write;
    };
    const Case cases[] = {
        {.name = "enumeration past its names", .write = [](TTestControl *b) { SetPropValueText(b, "Align", "3"); }},
        {.name = "negative enumeration", .write = [](TTestControl *b) { SetOrdProp(b, "Align", -11); }},
        {.name = "set bit without a name", .write = [](TTestControl *b) { SetPropValueText(b, "Font.Style", "8"); }},
        {.name = "negative set", .write = [](TTestControl *b) { SetOrdProp(b, "Font.Style", -1); }},
        {.name = "Boolean 2", .write = [](TTestControl *b) { SetOrdProp(b, "Visible", 2); }},
        {.name = "Boolean by text", .write = [](TTestControl *b) { SetPropValueText(b, "Visible", "-1"); }},
        {.name = "enumeration by registry",
         .write = [](TTestControl *b) { GetPropInfo(b, "Align")->SetOrd(*b, 100000); }},
    };
    LoadedForm loaded(Fixture());
    TTestControl *b = loaded.form->btnOk;
    const QString before =
        GetPropValueText(b, "Align") + GetPropValueText(b, "Font.Style") + GetPropValueText(b, "Visible");
    for (const Case &c : cases) {
        try {
            c.write(b);
            ADD_FAILURE() << "no error for " << c.name;
        } catch (const EPropertyError &e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Invalid property value")) << c.name;
        }
        EXPECT_EQ(GetPropValueText(b, "Align") + GetPropValueText(b, "Font.Style") + GetPropValueText(b, "Visible"),
                  before)
            << c.name;
    }
    // The last name of each still goes in.
    SetOrdProp(b, "Align", 2);
    SetOrdProp(b, "Font.Style", 7);
    SetOrdProp(b, "Visible", 0);
    EXPECT_EQ(GetPropValueText(b, "Align") + GetPropValueText(b, "Font.Style") + GetPropValueText(b, "Visible"),
              QStringLiteral("alClient[fsBold,fsItalic,fsUnderline]False"));
}

}  // namespace
