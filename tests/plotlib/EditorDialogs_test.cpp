// The editor's dialog components (colour, font, open, save) over the framework's dialogs, and the
// value converter dialog's pages.

#include "PlotTestHelpers.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/TestScript.h"
#include "plotlib/editor/iDialogs.h"
#include "plotlib/editor/iValueConverterEditForm.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct EditorDialogs : ::testing::Test {
    TScriptSession script;
    std::vector<std::string> failures;
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    QTemporaryDir dir;

    EditorDialogs()
    {
        script.SetFailureHandler([this](const std::string &m) { failures.push_back(m); });
    }
    ~EditorDialogs() override { EXPECT_TRUE(failures.empty()); }
    QString File(const char *name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
};

TEST_F(EditorDialogs, TheSaveDialogEndsTheNameInTheChosenPatternsExtension)
{
    const QString filter = QStringLiteral(
        "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png|All|*.*");
    struct Case {
        const char *name;
        const char *typed;
        int filterIndex;
        const char *expected;
        const char *returnExt;
    };
    const Case cases[] = {
        {"no extension", "a", 4, "a.png", ".png"},
        {"the pattern's in capitals", "a.PNG", 4, "a.PNG", ".png"},
        {"another pattern's", "a.bmp", 4, "a.bmp.png", ".png"},
        {"an unknown one", "a.txt", 1, "a.txt.bmp", ".bmp"},
        {"all files", "a", 5, "a", ".*"},
    };
    for (const Case &c : cases) {
        TiSaveDialog dialog(form.get());
        dialog.SetFilter(filter);
        TestScript::ExpectSaveFile(File(c.typed), c.filterIndex);
        ASSERT_TRUE(dialog.Execute()) << c.name;
        EXPECT_EQ(dialog.FileName(), File(c.expected)) << c.name;
        EXPECT_EQ(dialog.FilterIndex(), c.filterIndex) << c.name;
        EXPECT_EQ(dialog.ReturnExt(), QString::fromLatin1(c.returnExt)) << c.name;
    }
}

TEST_F(EditorDialogs, FileDialogsWithoutAFormAmongTheirOwnersShowNothing)
{
    TiSaveDialog save(nullptr);
    TiOpenDialog open(nullptr);
    TestScript::ExpectFileCancel();
    EXPECT_FALSE(save.Execute());
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(TestScript::Pending(), 1);
    script.Reset();
}

TEST_F(EditorDialogs, AMultiSelectOpenFillsFilesWithFullPaths)
{
    TiOpenDialog dialog(form.get());
    dialog.SetAllowMultiSelect(true);
    TestScript::ExpectOpenFiles({File("a.txt"), File("b.txt")});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Files()->ToStringList(), QStringList({File("a.txt"), File("b.txt")}));
    EXPECT_EQ(dialog.FileName(), File("a.txt"));
    // A cancelled dialog leaves no files.
    TestScript::ExpectFileCancel();
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Files()->Count(), 0);
}

TEST_F(EditorDialogs, ColourAndFontDialogsNeedAWindowedOwnerAndTakeTheChoice)
{
    TiColorDialog loose(nullptr);
    EXPECT_EQ(MessageOf([&] { loose.Execute(); }), QStringLiteral("Invalid class typecast"));
    TiColorDialog colour(form.get());
    colour.SetColor(clBtnFace);
    TestScript::ExpectColor(0x123456);
    EXPECT_TRUE(colour.Execute());
    EXPECT_EQ(colour.Color(), TColor(0x123456));
    TestScript::ExpectColorCancel();
    EXPECT_FALSE(colour.Execute());
    EXPECT_EQ(colour.Color(), TColor(0x123456));

    TiFontDialog font(form.get());
    font.Font()->SetName(QStringLiteral("Arial"));
    TestScript::ExpectFont([](TFont &f) {
        f.SetName(QStringLiteral("Courier New"));
        f.SetStyle(TFontStyles{fsBold});
        f.SetColor(clRed);
    });
    EXPECT_TRUE(font.Execute());
    EXPECT_EQ(font.Font()->Name(), QStringLiteral("Courier New"));
    EXPECT_TRUE(font.Font()->Style() == TFontStyles{fsBold});
    EXPECT_EQ(font.Font()->Color(), clRed);
}

// ---- Value converter ---------------------------------------------------------------------------

struct ValueConverter : ::testing::Test {
    std::unique_ptr<TiValueConverterEditForm> form = std::make_unique<TiValueConverterEditForm>(nullptr);

    QStringList Pages() const
    {
        return {form->WeeksEdit->Text(),        form->DaysEdit->Text(),       form->HoursEdit->Text(),
                form->MinutesEdit->Text(),      form->SecondsEdit->Text(),    form->MilliSecondsEdit->Text(),
                form->PriceIntegerEdit->Text(), form->Price32ndsEdit->Text(), form->Price256thsEdit->Text()};
    }
};

TEST_F(ValueConverter, WritingTheValueFillsEveryPage)
{
    struct Case {
        const char *name;
        double value;
        QStringList pages;  // weeks, days, h, min, s, ms, price, 32nds, 256ths
    };
    const Case cases[] = {
        {"a day and a half", 1.5, {"0", "1", "12", "0", "0", "0", "1", "16", "0"}},
        {"thirteen 32nds", 100.40625, {"14", "100", "9", "45", "0", "0", "100", "13", "0"}},
        {"a 256th", 2.00390625, {"0", "2", "0", "5", "37", "500", "2", "0", "1"}},
    };
    for (const Case &c : cases) {
        form->SetValue(c.value);
        EXPECT_EQ(Pages(), c.pages) << c.name;
        EXPECT_DOUBLE_EQ(form->Value(), c.value) << c.name;
        EXPECT_DOUBLE_EQ(form->FDatePicker->DateTime(), std::trunc(c.value)) << c.name;
    }
}

TEST_F(ValueConverter, WeeksReplaceTheDaysAndEveryIntervalPageFollows)
{
    form->SetValue(1.5);
    form->WeeksEdit->SetStringWithEvent(QStringLiteral("7"));
    EXPECT_DOUBLE_EQ(form->Value(), 49.5);
    EXPECT_EQ(form->DaysEdit->Text(), QStringLiteral("49"));
    // The value passes through its text (15 digits).
    form->MinutesEdit->SetStringWithEvent(QStringLiteral("30"));
    EXPECT_NEAR(form->Value(), 49.5 + 30.0 / 1440, 1e-12);
    // A field out of range is refused.
    EXPECT_THROW(form->HoursEdit->SetStringWithEvent(QStringLiteral("24")), EConvertError);
    form->HoursEdit->SetAsInteger(12);
    // Bad text counts as 0.
    form->SecondsEdit->SetStringWithEvent(QStringLiteral("x"));
    EXPECT_NEAR(form->Value(), 49.5 + 30.0 / 1440, 1e-12);
}

TEST_F(ValueConverter, ThePricePageAndTheValueItselfRefreshNothingElse)
{
    form->SetValue(1.5);
    form->Price32ndsEdit->SetStringWithEvent(QStringLiteral("8"));
    EXPECT_DOUBLE_EQ(form->Value(), 1.25);
    EXPECT_EQ(form->HoursEdit->Text(), QStringLiteral("12"));
    form->ValueEdit->SetStringWithEvent(QStringLiteral("3.75"));
    EXPECT_DOUBLE_EQ(form->Value(), 3.75);
    EXPECT_EQ(form->DaysEdit->Text(), QStringLiteral("1"));
}

TEST_F(ValueConverter, TheDateAndTimePickersAndTheButtonsSetTheValue)
{
    form->FDatePicker->SetDateTime(EncodeDate(2024, 3, 5));
    form->FTimePicker->SetDateTime(0.25);
    form->DateTimePickerChange(nullptr);
    EXPECT_DOUBLE_EQ(form->Value(), EncodeDate(2024, 3, 5) + 0.25);
    EXPECT_EQ(form->HoursEdit->Text(), QStringLiteral("6"));
    form->iComponentEditorButton1->Click();
    EXPECT_DOUBLE_EQ(form->Value(), 0);
    EXPECT_EQ(Pages(), QStringList({"0", "0", "0", "0", "0", "0", "0", "0", "0"}));

    form->SetValue(1.5);
    form->PageControl->SetActivePage(form->IntervalTabSheet);
    form->SetClientWidth(form->ClientWidth());
    Keep(RenderControlImage(form.get()), "value_converter");
}

}  // namespace
