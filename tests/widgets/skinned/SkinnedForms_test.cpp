// Form definitions of the labels, combo boxes, push, shaped and LED buttons: the settings the
// program's forms give them read back as set (old property names included), and a fresh control
// writes nothing but its place, so every published default is what its constructor sets.

#include "widgets/skinned/RzButton.h"
#include "widgets/skinned/RzCmboBx.h"
#include "widgets/skinned/RzLabel.h"
#include "widgets/skinned/RzShapeButton.h"
#include "widgets/skinned/VrButtons.h"
#include "widgets/skinned/VrDemoButton.h"

#include "platform/runtime/FormReader.h"
#include "platform/runtime/FormWriter.h"
#include "platform/ui/Forms.h"

#include "SkinnedTestApp.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(SkinnedForms, FreshControlsWriteOnlyTheirPlace)
{
    TForm form(nullptr);
    form.SetName("fmHolder");
    for (TControl *c : std::initializer_list<TControl *>{new TRzLabel(&form), new TRzComboBox(&form),
                                                         new TRzButton(&form), new TRzShapeButton(&form),
                                                         new TVrPowerButton(&form), new TVrDemoButton(&form)}) {
        c->SetName(c->ClassType().Name() + "1");
        c->SetParent(&form);
    }
    // Fonts are always written whole; the rest only when it differs from the default.
    const QRegularExpression place(
        QStringLiteral("^(Left|Top|Width|Height|TabOrder|FontEnter\\.\\w+|FontLeave\\.\\w+)$"));
    for (const QString &line : WriteComponentToText(&form).split(u'\n')) {
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1String("object ")) || t == QLatin1String("end"))
            continue;
        EXPECT_TRUE(place.match(t.section(u' ', 0, 0)).hasMatch()) << t.toStdString();
    }
}

TEST(SkinnedForms, TheProgramsSettingsAndOldNamesReadBack)
{
    const QString text = R"(object fmHolder: TForm
  object rzcLowCutSlopInA: TRzComboBox
    Left = 10
    Top = 10
    Width = 70
    Height = 19
    Color = $00FFFFDF
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    ParentFont = False
    FlatButtons = True
    Items.Strings = (
      'BW -6'
      'LK -48')
    ItemIndex = 1
    Text = 'LK -48'
  end
  object rzcOld: TRzComboBox
    Left = 10
    Top = 40
    FrameFlat = True
    FrameFocusStyle = fsRaised
    FrameFlatStyle = fsFlat
  end
  object vrbShowAllInA: TVrPowerButton
    Left = 100
    Top = 10
    Width = 47
    Height = 16
    Caption = 'Out1'
    Color = clBlack
    BevelWidth = 0
    OutlineWidth = 0
    Palette.Low = clOlive
    Palette.High = clYellow
    Active = True
  end
  object vrbEqResetInA: TVrDemoButton
    Left = 100
    Top = 40
    Width = 65
    Height = 17
    Caption = 'EQ Reset'
    Color = clBlack
    BevelWidth = 1
    FontEnter.Color = $0000DD00
    FontLeave.Color = clActiveBorder
    TextAlignment = vtaBottom
    Font3D.Style = f3dShadow
  end
  object rzsLock: TRzShapeButton
    Left = 200
    Top = 10
    BevelWidth = 0
    BorderStyle = bsNone
    CaptionPosition = cpXY
    CaptionX = 18
    CaptionY = 4
    Caption = 'Lock'
    Enabled = False
  end
  object lbGain: TRzLabel
    Left = 200
    Top = 60
    Caption = 'Gain'
    Angle = 90
    TextStyle = tsShadow
    BorderSides = [sdLeft, sdTop]
    FrameSides = [sdLeft]
    CondenseCaption = ccWithinPath
  end
  object rzbBypass: TRzButton
    Left = 10
    Top = 80
    Caption = 'Bypass'
    ThemeAware = False
    Color = $008080FF
    GroupIndex = 2
    AllowAllUp = True
    Down = True
    FrameFlat = True
  end
end
)";
    std::unique_ptr<TComponent> holder(CreateComponentFromText(text, QStringLiteral("holder.dfm"), nullptr));
    auto find = [&](const char *name) { return holder->FindComponent(QString::fromLatin1(name)); };

    auto *slopes = dynamic_cast<TRzComboBox *>(find("rzcLowCutSlopInA"));
    ASSERT_TRUE(slopes);
    EXPECT_EQ(slopes->ItemIndex(), 1);
    EXPECT_EQ(slopes->Text(), "LK -48");
    EXPECT_EQ(slopes->Color(), 0xFFFFDF);
    EXPECT_EQ(slopes->FocusColor(), 0xFFFFDF) << "a form's colour is also the focused one";
    EXPECT_TRUE(slopes->FlatButtons());
    auto *old = dynamic_cast<TRzComboBox *>(find("rzcOld"));
    ASSERT_TRUE(old);
    EXPECT_TRUE(old->FrameHotTrack());
    EXPECT_EQ(old->FrameStyle(), fsStatus);
    EXPECT_EQ(old->FrameHotStyle(), fsRaised);

    auto *led = dynamic_cast<TVrPowerButton *>(find("vrbShowAllInA"));
    ASSERT_TRUE(led);
    EXPECT_TRUE(led->Active());
    EXPECT_EQ(led->Palette()->High(), clYellow);
    static_cast<TForm *>(holder.get())->Show();
    EXPECT_EQ(led->LedRect().Top, 2) << "laid out when its window is made";

    auto *demo = dynamic_cast<TVrDemoButton *>(find("vrbEqResetInA"));
    ASSERT_TRUE(demo);
    EXPECT_EQ(demo->FontEnter()->Color(), 0x00DD00);
    EXPECT_EQ(demo->FontEnter()->Name(), "Arial");
    EXPECT_EQ(demo->TextAlignment(), vtaBottom);
    EXPECT_EQ(demo->Font3D()->Style(), f3dShadow);

    auto *shape = dynamic_cast<TRzShapeButton *>(find("rzsLock"));
    ASSERT_TRUE(shape);
    EXPECT_EQ(shape->BorderStyle(), bsNone);
    EXPECT_EQ(shape->CaptionPosition(), cpXY);
    EXPECT_EQ(shape->CaptionX(), 18);
    EXPECT_EQ(shape->CaptionY(), 4);

    auto *label = dynamic_cast<TRzLabel *>(find("lbGain"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Angle(), 90);
    EXPECT_EQ(label->Rotation(), roFlat);
    EXPECT_EQ(label->BorderSides(), (TSides{sdLeft, sdTop}));
    EXPECT_EQ(label->CondenseCaption(), ccWithinPath);
    EXPECT_FALSE(label->AutoSize());

    auto *bypass = dynamic_cast<TRzButton *>(find("rzbBypass"));
    ASSERT_TRUE(bypass);
    EXPECT_FALSE(bypass->ThemeAware());
    EXPECT_TRUE(bypass->Down());
    EXPECT_TRUE(bypass->HotTrack()) << "the old FrameFlat";
    EXPECT_TRUE(bypass->Transparent());
}

}  // namespace
