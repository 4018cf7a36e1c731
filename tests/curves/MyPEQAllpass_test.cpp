// The PEQ band table as the main window carries it: typed texts, setters, the current row, bypass,
// the wheel, layout and language, and its pixels.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "curves/MyPEQAllpass.h"
#include "device/GlobalConstants.h"
#include "platform/runtime/FormReader.h"
#include "platform/ui/ControlsInput.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "tests/curves/CurvesTestSupport.h"
#include "tests/platform/ui/ControlsTestApp.h"
#include "widgets/skinned/RzButton.h"
#include "widgets/skinned/RzCmboBx.h"
#include "widgets/skinned/RzLabel.h"

using curvestest::At;

namespace {

// An output channel's table with the main form's values, and a button to take the focus.
constexpr char TableForm[] = R"(object fmTable: TForm
  ClientWidth = 560
  ClientHeight = 300
  Color = clBlack
  object peqPeqOut1: TMyPEQAllpass
    Left = 10
    Top = 10
    Width = 536
    Height = 270
    GroupStyle = gsCustom
    Transparent = True
    Font.Height = -13
    ChannelNumber = 9
    UpdownVisable = False
    LabelColor = clBackground
    EditBackColor = clWhite
    BypassBackColor = clSilver
  end
  object btnElsewhere: TButton
    Left = 0
    Top = 0
    Width = 8
    Height = 8
  end
end
)";

struct BandTableTest : ::testing::Test {
    std::unique_ptr<TComponent> form{CreateComponentFromText(QString::fromUtf8(TableForm), "table.dfm", nullptr)};
    TMyPEQAllpass *table = dynamic_cast<TMyPEQAllpass *>(form->FindComponent("peqPeqOut1"));
    TWinControl *elsewhere = dynamic_cast<TWinControl *>(form->FindComponent("btnElsewhere"));
    int changes = 0;
    int renders = 0;

    void SetUp() override
    {
        ASSERT_NE(table, nullptr);
        auto *host = dynamic_cast<TCustomForm *>(form.get());
        ASSERT_NE(host, nullptr);
        host->Show();
        // The first paint lays the rows out; the focus starts away from the table.
        curvestest::Render(host, renders);
        elsewhere->SetFocus();
        table->OnChange = [this](TObject *sender) {
            EXPECT_EQ(sender, table);
            ++changes;
        };
    }
    void TearDown() override { dynamic_cast<TCustomForm *>(form.get())->Hide(); }

    // The user types `text` into the field and presses Enter (the field already has the focus or
    // gets it from outside the table).
    void Type(TEdit *edit, const QString &text)
    {
        edit->SetFocus();
        edit->SetText(text);
        TInputRouter::Key(VK_RETURN, {}, QChar(13));
    }
    // The user leaves the field for another control.
    void Leave(TEdit *edit)
    {
        edit->SetFocus();
        elsewhere->SetFocus();
    }
    TColor FieldColour(int row) const { return table->FrequencyEdit(row)->Font()->Color(); }
};

}  // namespace

TEST_F(BandTableTest, TypedTextsSetTheValueOrPutItBack)
{
    enum Kind { Frequency, Q, Gain };
    struct Row {
        const char *name;
        Kind kind;
        QString typed;
        QString shown;  // what the field shows afterwards
        double value;   // what the getter answers afterwards
        bool valid;
    };
    // Each case starts from the same row: 500 Hz (index 140), Q index 10 (0.71), -3 dB.
    const Row rows[] = {
        {.name = "1k", .kind = Frequency, .typed = "1k", .shown = "1.00KHz", .value = 1000.0, .valid = true},
        {.name = "1K", .kind = Frequency, .typed = "1K", .shown = "1.00KHz", .value = 1000.0, .valid = true},
        {.name = "1kHz", .kind = Frequency, .typed = "1kHz", .shown = "1.00KHz", .value = 1000.0, .valid = true},
        {.name = "1000", .kind = Frequency, .typed = "1000", .shown = "1.00KHz", .value = 1000.0, .valid = true},
        {.name = "20", .kind = Frequency, .typed = "20", .shown = "20.1Hz", .value = IndexToFreq(1), .valid = true},
        {.name = "50000",
         .kind = Frequency,
         .typed = "50000",
         .shown = "20.16KHz",
         .value = IndexToFreq(300),
         .valid = true},
        {.name = "5", .kind = Frequency, .typed = "5", .shown = "19.7Hz", .value = IndexToFreq(0), .valid = true},
        {.name = "0", .kind = Frequency, .typed = "0", .shown = "500.0Hz", .value = IndexToFreq(140), .valid = false},
        {.name = ".", .kind = Frequency, .typed = ".", .shown = "500.0Hz", .value = IndexToFreq(140), .valid = false},
        {.name = "empty",
         .kind = Frequency,
         .typed = "",
         .shown = "500.0Hz",
         .value = IndexToFreq(140),
         .valid = false},
        {.name = "1.2.3",
         .kind = Frequency,
         .typed = "1.2.3",
         .shown = "500.0Hz",
         .value = IndexToFreq(140),
         .valid = false},
        {.name = "1,5",
         .kind = Frequency,
         .typed = "1,5",
         .shown = "500.0Hz",
         .value = IndexToFreq(140),
         .valid = false},
        {.name = "1 kHz",
         .kind = Frequency,
         .typed = "1 kHz",
         .shown = "500.0Hz",
         .value = IndexToFreq(140),
         .valid = false},
        {.name = "0.0",
         .kind = Frequency,
         .typed = "0.0",
         .shown = "500.0Hz",
         .value = IndexToFreq(140),
         .valid = false},
        {.name = "Q 200", .kind = Q, .typed = "200", .shown = "128.00", .value = 128.0, .valid = true},
        {.name = "Q 0.1", .kind = Q, .typed = "0.1", .shown = "0.40", .value = QfactorAt(0), .valid = true},
        {.name = "Q 0.7", .kind = Q, .typed = "0.7", .shown = "0.71", .value = QfactorAt(10), .valid = true},
        {.name = "Q 0", .kind = Q, .typed = "0", .shown = "0.71", .value = QfactorAt(10), .valid = false},
        {.name = "gain 3.14", .kind = Gain, .typed = "3.14", .shown = "3.1dB", .value = 31 * 0.1, .valid = true},
        {.name = "gain -20", .kind = Gain, .typed = "-20", .shown = "-12dB", .value = -120 * 0.1, .valid = true},
        {.name = "gain 13", .kind = Gain, .typed = "13", .shown = "12dB", .value = 120 * 0.1, .valid = true},
        {.name = "gain 6dB", .kind = Gain, .typed = "6dB", .shown = "6dB", .value = 60 * 0.1, .valid = true},
        {.name = "gain 6db", .kind = Gain, .typed = "6db", .shown = "6dB", .value = 60 * 0.1, .valid = true},
        {.name = "gain --1", .kind = Gain, .typed = "--1", .shown = "-3dB", .value = -30 * 0.1, .valid = false},
        {.name = "gain 1.", .kind = Gain, .typed = "1.", .shown = "-3dB", .value = -30 * 0.1, .valid = false},
        {.name = "gain 5-", .kind = Gain, .typed = "5-", .shown = "-3dB", .value = -30 * 0.1, .valid = false},
        {.name = "gain -", .kind = Gain, .typed = "-", .shown = "-3dB", .value = -30 * 0.1, .valid = false},
    };
    constexpr int row = 3;
    for (const Row &r : rows) {
        elsewhere->SetFocus();
        table->SetEqParamValue(row, IndexToFreq(140), 10, -3.0, 0, false);
        changes = 0;
        TEdit *edit = r.kind == Frequency ? table->FrequencyEdit(row)
                      : r.kind == Q       ? table->QEdit(row)
                                          : table->GainEdit(row);
        Type(edit, r.typed);
        EXPECT_EQ(edit->Text(), r.shown) << r.name;
        const double value = r.kind == Frequency ? table->GetFreqValue(row)
                             : r.kind == Q       ? table->GetQValue(row)
                                                 : table->GetGainValue(row);
        EXPECT_DOUBLE_EQ(value, r.value) << r.name;
        // Valid or not, the row became current and OnChange fired; an invalid text leaves the
        // caret at the end.
        EXPECT_EQ(changes, 1) << r.name;
        EXPECT_EQ(table->GetNowIndex(), row) << r.name;
        if (!r.valid) {
            EXPECT_EQ(edit->SelStart(), static_cast<int>(edit->Text().size())) << r.name;
        }
    }

    // Leaving a field reads it as Enter does; leaving it unchanged keeps the value.
    TEdit *gain = table->GainEdit(5);
    gain->SetFocus();
    gain->SetText("2.5");
    changes = 0;
    elsewhere->SetFocus();
    EXPECT_DOUBLE_EQ(table->GetGainValue(5), 2.5);
    EXPECT_EQ(changes, 1);
    for (int index : {0, 1, 77, 169, 170, 233, 299, 300}) {
        table->SetFreqValue(5, IndexToFreq(index));
        Leave(table->FrequencyEdit(5));
        EXPECT_DOUBLE_EQ(table->GetFreqValue(5), IndexToFreq(index)) << "index " << index;
    }
}

TEST_F(BandTableTest, SettersShowTheirValuesAndFireOnce)
{
    table->SetEqParamValue(2, 1000.0, 16, 0.0, 0, false);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(table->FrequencyEdit(2)->Text(), "1.00KHz");
    EXPECT_EQ(table->QEdit(2)->Text(), "1.00");
    EXPECT_EQ(table->GainEdit(2)->Text(), "0dB");
    EXPECT_EQ(table->TypeList(2)->Text(), QString::fromLatin1(PeqTypeCaptions[0].data(), 12));
    EXPECT_EQ(table->GetTypeValue(2), 0);
    EXPECT_FALSE(table->GetBypassValue(2));

    // The setters' frequency rounding: position 12.57 gives 13, 12.52 gives 12, -5.61 gives -6.
    struct Row {
        double position;
        int expected;
    };
    for (const Row &r : {Row{12.57, 13}, Row{12.52, 12}, Row{5.58, 5}, Row{5.61, 6}, Row{-5.61, -6}, Row{123.6, 124}}) {
        table->SetFreqValue(0, 1000.0 * std::pow(FreqStepRatio, r.position));
        EXPECT_DOUBLE_EQ(table->GetFreqValue(0), IndexToFreq(r.expected + 170)) << r.position;
    }
    // The gain field shows the value given; the position is its tenths, truncated.
    table->SetGainValue(1, -3.55);
    EXPECT_EQ(table->GainEdit(1)->Text(), "-3.55dB");
    EXPECT_DOUBLE_EQ(table->GetGainValue(1), -35 * 0.1);
    table->SetQValue(1, 60.9);
    EXPECT_EQ(table->QEdit(1)->Text(), "12.70");
    table->SetTypeValue(1, 6);
    EXPECT_EQ(table->GetTypeValue(1), 6);
    table->SetBypassValue(1, true);
    EXPECT_TRUE(table->GetBypassValue(1));
    EXPECT_EQ(table->BypassButton(1)->Color(), TMyPEQAllpass::BypassedColor);
}

TEST_F(BandTableTest, OutOfRangeArgumentsAreIgnoredOrKeptInRange)
{
    table->SetEqParamValue(0, 2000.0, 20, 1.0, 2, true);
    changes = 0;
    for (int row : {-1, 50, 1000}) {
        table->SetFreqValue(row, 100.0);
        table->SetQValue(row, 3);
        table->SetGainValue(row, 2.0);
        table->SetTypeValue(row, 1);
        table->SetBypassValue(row, true);
        table->SetEqParamValue(row, 100.0, 3, 2.0, 1, true);
        EXPECT_EQ(table->GetFreqValue(row), 0.0);
        EXPECT_EQ(table->GetQValue(row), 0.0);
        EXPECT_EQ(table->GetGainValue(row), 0.0);
        EXPECT_EQ(table->GetTypeValue(row), -1);
        EXPECT_FALSE(table->GetBypassValue(row));
        table->SetColor(row, clRed);
        table->SetNowIndex(row);
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(table->GetNowIndex(), 0);

    // Frequencies without a logarithm leave the row as it is.
    for (double hz : {0.0, -20.0, std::nan(""), HUGE_VAL}) {
        table->SetFreqValue(0, hz);
        table->SetEqParamValue(0, hz, 5, -4.0, 1, false);
    }
    table->SetGainValue(0, std::nan(""));
    EXPECT_EQ(changes, 0);
    EXPECT_DOUBLE_EQ(table->GetFreqValue(0), IndexToFreq(FreqToIndex(2000.0)));
    EXPECT_DOUBLE_EQ(table->GetGainValue(0), 1.0);
    EXPECT_TRUE(table->GetBypassValue(0));

    // Q indexes are kept within 0 to 100.
    table->SetQValue(0, 150);
    EXPECT_EQ(table->QEdit(0)->Text(), "128.00");
    table->SetQValue(0, -3);
    EXPECT_EQ(table->QEdit(0)->Text(), "0.40");

    // Caption indexes outside 0 to 6 change nothing.
    const QString before = table->TypeList(0)->Items()->Text();
    table->SetEqTypeString("X", 7);
    table->SetEqTypeString("X", -1);
    table->ChangeLanguage();
    EXPECT_EQ(table->TypeList(0)->Items()->Text(), before);

    // ChannelNumber stays within 1 to 50.
    table->SetChannelNumber(0);
    EXPECT_EQ(table->ChannelNumber(), 1);
    table->SetChannelNumber(-7);
    EXPECT_EQ(table->ChannelNumber(), 1);
    table->SetChannelNumber(80);
    EXPECT_EQ(table->ChannelNumber(), 50);
}

TEST_F(BandTableTest, TheCurrentRowIsMarkedGreen)
{
    const TColor normal = FieldColour(7);
    table->SetNowIndex(0);
    table->SetNowIndex(2);
    EXPECT_EQ(FieldColour(0), normal);
    EXPECT_EQ(FieldColour(2), TMyPEQAllpass::MarkColor);
    EXPECT_EQ(table->QEdit(2)->Font()->Color(), TMyPEQAllpass::MarkColor);
    EXPECT_EQ(table->GainEdit(2)->Font()->Color(), TMyPEQAllpass::MarkColor);

    // A user action on row 4 makes it current without colouring; the owner then moves the mark.
    Type(table->GainEdit(4), "1");
    EXPECT_EQ(table->GetNowIndex(), 4);
    EXPECT_EQ(FieldColour(4), normal);
    table->SetNowIndex(4);
    EXPECT_EQ(FieldColour(2), normal);
    EXPECT_EQ(FieldColour(4), TMyPEQAllpass::MarkColor);
    table->SetNowIndex(4);
    EXPECT_EQ(FieldColour(4), TMyPEQAllpass::MarkColor);
    table->SetNowIndex(-1);
    EXPECT_EQ(FieldColour(4), normal);
    EXPECT_EQ(table->GetNowIndex(), 4);

    // The main window's way to clear the selection: park on row 15 (not shown), then -1.
    table->SetNowIndex(15);
    table->SetNowIndex(-1);
    EXPECT_EQ(table->GetNowIndex(), 15);
    for (int row = 0; row < 9; ++row)
        EXPECT_EQ(FieldColour(row), normal) << row;
}

TEST_F(BandTableTest, BypassClicksToggleTheFlagAndTheColour)
{
    changes = 0;
    TRzButton *button = table->BypassButton(6);
    button->Click();
    EXPECT_TRUE(table->GetBypassValue(6));
    EXPECT_EQ(button->Color(), TMyPEQAllpass::BypassedColor);
    EXPECT_EQ(table->GetNowIndex(), 6);
    button->Click();
    EXPECT_FALSE(table->GetBypassValue(6));
    EXPECT_EQ(button->Color(), clSilver);
    EXPECT_EQ(changes, 2);
}

TEST_F(BandTableTest, MouseAndWheelEventsReachTheOwner)
{
    int downs = 0;
    table->OnEditMouseDown = [&](TObject *sender, TMouseButton button, TShiftState, int x, int y) {
        EXPECT_EQ(sender, table);
        EXPECT_EQ(button, mbLeft);
        EXPECT_EQ(x, 5);
        EXPECT_EQ(y, 6);
        EXPECT_EQ(table->GetNowIndex(), 7);
        ++downs;
    };
    table->QEdit(7)->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(TPoint(5, 6)));
    table->QEdit(7)->Perform(WM_LBUTTONUP, 0, PointToLParam(TPoint(5, 6)));
    EXPECT_EQ(downs, 1);

    // The main window's wheel handler marks the wheel handled: the type stays.
    table->SetTypeValue(1, 2);
    TRzComboBox *list = table->TypeList(1);
    TObject *wheelSender = nullptr;
    table->OnPeqTypeMouseWheel = [&](TObject *sender, TShiftState, int, TPoint, bool &handled) {
        wheelSender = sender;
        handled = true;
    };
    const auto wheelDown = [&] { list->Perform(CM_MOUSEWHEEL, static_cast<WPARAM>(0xFF88) << 16, 0); };
    wheelDown();
    EXPECT_EQ(wheelSender, list);
    EXPECT_EQ(table->GetTypeValue(1), 2);
    // A type picked by the user makes the row current and fires OnChange.
    changes = 0;
    table->OnPeqTypeMouseWheel = nullptr;
    wheelDown();
    EXPECT_EQ(table->GetTypeValue(1), 3);
    EXPECT_EQ(table->GetNowIndex(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(BandTableTest, LayoutOfTheMainWindowsTables)
{
    struct Row {
        const char *name;
        int channels;
        int rowHeight;
    };
    for (const Row &r : {Row{"input", 8, 29}, Row{"output", 9, 26}}) {
        table->SetChannelNumber(r.channels);
        // The layout runs after a size change.
        table->SetBounds(table->Left(), table->Top(), 500, 200);
        table->RePaint();
        table->SetBounds(table->Left(), table->Top(), 536, 270);
        table->RePaint();
        for (int row = 0; row < r.channels; ++row) {
            const int top = 15 + r.rowHeight * row + 8;
            EXPECT_EQ(table->NumberLabel(row)->Top(), top) << r.name << " " << row;
            EXPECT_EQ(table->NumberLabel(row)->Left(), 12);
            EXPECT_EQ(table->NumberLabel(row)->Caption(), QString::number(row + 1));
            EXPECT_EQ(table->FrequencyEdit(row)->BoundsRect().TopLeft(), TPoint(40, top - 1)) << r.name;
            EXPECT_EQ(table->FrequencyEdit(row)->Width(), 93);
            EXPECT_EQ(table->QEdit(row)->Left(), 93 + 48);
            EXPECT_EQ(table->GainEdit(row)->Left(), 2 * 93 + 56);
            EXPECT_EQ(table->TypeList(row)->Left(), 3 * 93 + 64);
            EXPECT_EQ(table->TypeList(row)->Width(), 93 + 8);
            EXPECT_EQ(table->BypassButton(row)->Left(), 4 * 93 + 78);
            EXPECT_EQ(table->BypassButton(row)->Width(), 93 - 14);
            EXPECT_EQ(table->BypassButton(row)->Height(), table->GainEdit(row)->Height());
            EXPECT_TRUE(table->TypeList(row)->Visible());
        }
        for (int row = r.channels; row < TMyPEQAllpass::RowCount; ++row) {
            EXPECT_FALSE(table->FrequencyEdit(row)->Visible()) << r.name << " " << row;
            EXPECT_FALSE(table->BypassButton(row)->Visible());
            EXPECT_EQ(table->TypeList(row)->Top(), 10000);
        }
    }
}

TEST_F(BandTableTest, LanguageAndLaterLayoutsKeepEveryType)
{
    for (int row = 0; row < 9; ++row)
        table->SetEqParamValue(row, IndexToFreq(20 * row + 40), 10, -1.0, row % 7, row == 3);
    table->SetEqTypeString(QString::fromUtf8("\u5CF0\u503C"), 0);
    table->SetBypassString(QString::fromUtf8("\u65C1\u8DEF"));
    table->ChangeLanguage();
    EXPECT_EQ(table->TypeList(0)->Text(), QString::fromUtf8("\u5CF0\u503C"));
    EXPECT_EQ(table->BypassButton(4)->Caption(), QString::fromUtf8("\u65C1\u8DEF"));
    // A size change after start (DPI, the main window's resize) lays the rows out again.
    table->SetBounds(table->Left(), table->Top(), 600, 300);
    curvestest::Render(table, renders);
    for (int row = 0; row < 9; ++row) {
        EXPECT_EQ(table->GetTypeValue(row), row % 7) << row;
        EXPECT_EQ(table->TypeList(row)->Items()->Count(), 7);
    }
    EXPECT_EQ(table->FrequencyEdit(0)->Width(), (600 - 68) / 5);
}

TEST_F(BandTableTest, PixelsOfAFilledTable)
{
    const double gains[] = {-3.0, 2.5, 0.0, -12.0, 6.0, 1.0, -0.5, 12.0, 0.0};
    for (int row = 0; row < 9; ++row)
        table->SetEqParamValue(row, IndexToFreq(25 * row + 40), 4 * row + 8, gains[row], row % 7, row == 3);
    table->SetNowIndex(5);
    const QImage image = curvestest::Render(dynamic_cast<TWinControl *>(form.get()), renders);
    const TPoint origin(table->Left(), table->Top());

    // The bypassed band's button light red, an active one silver, in their middle.
    const auto middle = [&](TControl *c) {
        const TRect r = c->BoundsRect();
        return At(image, origin.X + (r.Left + r.Right) / 2, origin.Y + r.Top + 3);
    };
    EXPECT_EQ(middle(table->BypassButton(3)), TMyPEQAllpass::BypassedColor);
    EXPECT_EQ(middle(table->BypassButton(4)), clSilver);
    // The number labels in their band colours: row 0's digit holds red.
    const TRect n = table->NumberLabel(0)->BoundsRect();
    int red = 0;
    for (int y = n.Top; y < n.Bottom; ++y)
        for (int x = n.Left; x < n.Right; ++x)
            red += At(image, origin.X + x, origin.Y + y) == static_cast<TColor>(BandColors[0]);
    EXPECT_GT(red, 5);
    // The current row's values in green.
    const TRect f = table->FrequencyEdit(5)->BoundsRect();
    int green = 0;
    for (int y = f.Top; y < f.Bottom; ++y)
        for (int x = f.Left; x < f.Right; ++x)
            green += At(image, origin.X + x, origin.Y + y) == TMyPEQAllpass::MarkColor;
    EXPECT_GT(green, 5);
}
