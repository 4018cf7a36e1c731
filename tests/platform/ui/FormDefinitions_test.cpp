// The standard controls in form definitions: created by class name, their published properties
// read, nested children (menu items, tab sheets) placed, references resolved, and the form
// written back to the same text.

#include "platform/runtime/Exception.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioButton.h"
#include "platform/ui/ValueListEditor.h"

#include "StdTestApp.h"

#include <QMenuBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const char *const kDefinition = R"(object fmTest: TForm
  Caption = 'Test'
  Menu = MainMenu
  object edName: TEdit
    Left = 8
    Top = 8
    Width = 80
    Height = 21
    TabOrder = 0
    CharCase = ecUpperCase
    MaxLength = 4
    PasswordChar = '*'
    Text = '****'
  end
  object cbSineFreq: TComboBox
    Left = 8
    Top = 40
    Width = 100
    Height = 22
    TabOrder = 1
    ItemIndex = 1
    Items.Strings = (
      '20Hz'
      '25Hz'
      '31.5Hz')
    Style = csDropDownList
  end
  object rbAnalogIn: TRadioButton
    Left = 8
    Top = 70
    Width = 100
    Height = 17
    TabOrder = 2
    TabStop = True
    Caption = 'Analog'
    Checked = True
  end
  object lbMessage: TLabel
    Left = 8
    Top = 100
    Width = 150
    Height = 13
    Alignment = taCenter
    AutoSize = False
    Caption = 'You Must Connect First !!'
  end
  object Memo: TMemo
    Left = 120
    Top = 8
    Width = 100
    Height = 50
    TabOrder = 3
    Lines.Strings = (
      'Memo')
    ScrollBars = ssVertical
  end
  object vledPresetName: TValueListEditor
    Left = 120
    Top = 60
    Width = 200
    Height = 80
    TabOrder = 4
    TabStop = False
    Strings.Strings = (
      '     U01=  Default Preset'
      '     U02=  Default Preset')
  end
  object Pages: TPageControl
    Left = 8
    Top = 150
    Width = 200
    Height = 100
    TabOrder = 5
    ActivePage = Second
    object First: TTabSheet
      Caption = 'General'
    end
    object Second: TTabSheet
      Caption = 'Title'
    end
  end
  object MainMenu: TMainMenu
    object File: TMenuItem
      Caption = '&File'
      object Open: TMenuItem
        Caption = '&Open'
        ShortCut = 16463
      end
      object FactoryDefault: TMenuItem
        Caption = 'Factory Default'
        Visible = False
      end
    end
    object English: TMenuItem
      Tag = 2
      Caption = 'English'
      Checked = True
      GroupIndex = 1
      RadioItem = True
    end
  end
end
)";

TEST(FormDefinitions, StandardControlsReadAndWriteBack)
{
    std::unique_ptr<TComponent> root(CreateComponentFromText(QString::fromUtf8(kDefinition), "test.dfm", nullptr));
    auto *form = dynamic_cast<TForm *>(root.get());
    ASSERT_NE(form, nullptr);

    auto *edit = dynamic_cast<TEdit *>(form->FindComponent("edName"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Text(), "****");
    EXPECT_EQ(edit->MaxLength(), 4);
    EXPECT_EQ(edit->PasswordChar(), QChar('*'));
    EXPECT_EQ(edit->CharCase(), ecUpperCase);

    auto *combo = dynamic_cast<TComboBox *>(form->FindComponent("cbSineFreq"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Count(), 3);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "25Hz");

    auto *radio = dynamic_cast<TRadioButton *>(form->FindComponent("rbAnalogIn"));
    ASSERT_NE(radio, nullptr);
    EXPECT_TRUE(radio->Checked());

    auto *label = dynamic_cast<TLabel *>(form->FindComponent("lbMessage"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Width(), 150);  // AutoSize off keeps the designed size

    auto *memo = dynamic_cast<TMemo *>(form->FindComponent("Memo"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Lines()->Count(), 1);
    EXPECT_EQ(memo->Lines()->Get(0), "Memo");

    auto *vle = dynamic_cast<TValueListEditor *>(form->FindComponent("vledPresetName"));
    ASSERT_NE(vle, nullptr);
    EXPECT_EQ(vle->Strings()->Count(), 2);
    EXPECT_EQ(vle->Keys(2), "     U02");
    EXPECT_EQ(vle->RowCount(), 3);

    auto *pages = dynamic_cast<TPageControl *>(form->FindComponent("Pages"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), form->FindComponent("Second"));
    EXPECT_FALSE(pages->Pages(0)->Visible());

    auto *menu = dynamic_cast<TMainMenu *>(form->FindComponent("MainMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(form->Menu(), menu);
    ASSERT_EQ(menu->Items()->Count(), 2);
    TMenuItem *file = menu->Items()->Items(0);
    ASSERT_EQ(file->Count(), 2);
    EXPECT_FALSE(file->Items(1)->Visible());
    EXPECT_EQ(file->Items(0)->ShortCut(), scCtrl | 'O');
    EXPECT_EQ(menu->Items()->Items(1)->Tag(), 2);

}

TEST(FormDefinitions, StandardControlsWriteBackWhatWasRead)
{
    std::unique_ptr<TComponent> root(CreateComponentFromText(QString::fromUtf8(kDefinition), "test.dfm", nullptr));
    const QString written = WriteComponentToText(root.get());
    // Each object of the definition comes back as it was written.
    const QString definition = QString::fromUtf8(kDefinition);
    for (qsizetype at = definition.indexOf("  object "); at >= 0; at = definition.indexOf("\n  object ", at + 1)) {
        const qsizetype start = definition[at] == '\n' ? at + 1 : at;
        const qsizetype end = definition.indexOf("\n  end\n", start);
        const QString block = definition.mid(start, end + 7 - start);
        EXPECT_TRUE(written.contains(block)) << block.toStdString();
    }
}

TEST(FormDefinitions, EachStandardControlWritesItsPublishedProperties)
{
    std::unique_ptr<TComponent> root(CreateComponentFromText(QString::fromUtf8(kDefinition), "test.dfm", nullptr));
    const QString definition = QString::fromUtf8(kDefinition);
    for (qsizetype at = definition.indexOf("  object "); at >= 0; at = definition.indexOf("\n  object ", at + 1)) {
        const qsizetype start = definition[at] == '\n' ? at + 1 : at;
        const qsizetype end = definition.indexOf("\n  end\n", start);
        QStringList lines = definition.mid(start, end + 6 - start).split('\n');
        for (QString &line : lines)
            line = line.mid(2);
        const QString block = lines.join('\n') + '\n';
        const QString name = lines.front().section(' ', 1, 1).chopped(1);
        TComponent *component = root->FindComponent(name);
        ASSERT_NE(component, nullptr) << name.toStdString();
        // Written alone, a reference to a sibling carries the form's name.
        const QString written = WriteComponentToText(component).replace("fmTest.", "");
        EXPECT_EQ(written.toStdString(), block.toStdString());
    }
}

}  // namespace

namespace {

// A sized form with a menu bar and a control reaching past its client area (scroll bars shown):
// the client size read is the one written, whatever the menu and the scroll bars take.
const char *const kSizedDefinition = R"(object fmSized: TForm
  Left = 10
  Top = 20
  Caption = 'Sized'
  ClientHeight = 120
  ClientWidth = 280
  Menu = MainMenu
  Position = poScreenCenter
  object edWide: TEdit
    Left = 8
    Top = 80
    Width = 400
    Height = 21
    TabOrder = 0
  end
  object MainMenu: TMainMenu
    object File: TMenuItem
      Caption = '&File'
    end
  end
end
)";

TEST(FormDefinitions, AFormWritesBackExactlyItsDefinition)
{
    for (const char *definition : {kDefinition, kSizedDefinition}) {
        std::unique_ptr<TComponent> root(CreateComponentFromText(QString::fromUtf8(definition), "test.dfm", nullptr));
        EXPECT_EQ(WriteComponentToText(root.get()).toStdString(), std::string(definition));
    }
}

TEST(FormDefinitions, TheClientSizeOfADefinitionIsBelowTheMenuBar)
{
    std::unique_ptr<TComponent> root(CreateComponentFromText(QString::fromUtf8(kSizedDefinition), "test.dfm", nullptr));
    auto *form = dynamic_cast<TForm *>(root.get());
    ASSERT_NE(form, nullptr);
    // The wide edit brings up the horizontal scroll bar, which takes its height from the client area.
    EXPECT_EQ(form->ClientWidth(), 280);
    EXPECT_EQ(form->ClientHeight(), 120 - ScrollBarSize);
}

// A picture may come from a whole picture file (in the program, an embedded one); it is written
// back as its data, and a file that is not there stops the read with the line of the property.
TEST(FormDefinitions, APictureIsReadFromAFileAndWrittenBackAsData)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("dot.bmp");
    TBitmap source(3, 2);
    source.Canvas()->FillRect(TRect(0, 0, 3, 2), clRed);
    source.SaveToFile(path);

    const QString definition = QStringLiteral("object fmTest: TForm\n"
                                              "  object Image1: TImage\n"
                                              "    Picture.File = @'%1'\n"
                                              "  end\n"
                                              "end\n")
                                   .arg(path);
    std::unique_ptr<TComponent> root(CreateComponentFromText(definition, "test.dfm", nullptr));
    auto *image = dynamic_cast<TImage *>(root->FindComponent("Image1"));
    ASSERT_NE(image, nullptr);
    ASSERT_NE(dynamic_cast<TBitmap *>(image->Picture()->Graphic()), nullptr);
    EXPECT_EQ(image->Picture()->Width(), 3);
    EXPECT_EQ(PixelToColor(image->Picture()->Graphic()->ToImage().pixel(2, 1)), clRed);
    const QString written = WriteComponentToText(root.get());
    EXPECT_TRUE(written.contains("Picture = {")) << written.toStdString();

    QString missing = definition;
    missing.replace("dot.bmp", "none.bmp");
    try {
        delete CreateComponentFromText(missing, "test.dfm", nullptr);
        ADD_FAILURE() << "a missing picture file was read";
    } catch (const EReadError &e) {
        EXPECT_TRUE(e.Message().startsWith("test.dfm(3): ")) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains("none.bmp")) << e.Message().toStdString();
    }
}

}  // namespace
