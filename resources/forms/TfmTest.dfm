object fmTest: TfmTest
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Input Signal Select'
  ClientHeight = 208
  ClientWidth = 282
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 282
    Height = 208
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object gbSignal: TGroupBox
    Left = 12
    Top = 8
    Width = 258
    Height = 140
    TabOrder = 0
    object rbAnalogIn: TRadioButton
      Left = 20
      Top = 22
      Width = 110
      Height = 17
      Caption = 'Analog Input'
      Checked = True
      TabOrder = 0
      Tag = 0
      OnClick = rbAnalogInClick
    end
    object rbPinkNoise: TRadioButton
      Left = 20
      Top = 50
      Width = 110
      Height = 17
      Caption = 'Pink Noise'
      TabOrder = 1
      Tag = 1
      OnClick = rbAnalogInClick
    end
    object rbWhiteNoise: TRadioButton
      Left = 20
      Top = 78
      Width = 110
      Height = 17
      Caption = 'White Noise'
      TabOrder = 2
      Tag = 2
      OnClick = rbAnalogInClick
    end
    object rbSineWave: TRadioButton
      Left = 20
      Top = 106
      Width = 110
      Height = 17
      Caption = 'Sine Wave'
      TabOrder = 3
      Tag = 3
      OnClick = rbAnalogInClick
    end
    object cbSineFreq: TComboBox
      Left = 136
      Top = 104
      Width = 100
      Height = 21
      Style = csDropDownList
      DropDownCount = 16
      ItemIndex = 0
      TabOrder = 4
      OnSelect = cbSineFreqSelect
      Items.Strings = (
      '20Hz'
      '25Hz'
      '31.5Hz'
      '40Hz'
      '50Hz'
      '63Hz'
      '80Hz'
      '100Hz'
      '125Hz'
      '160Hz'
      '200Hz'
      '250Hz'
      '315Hz'
      '400Hz'
      '500Hz'
      '630Hz'
      '800Hz'
      '1KHz'
      '1.25KHz'
      '1.6KHz'
      '2KHz'
      '2.5KHz'
      '3.15KHz'
      '4KHz'
      '5KHz'
      '6.3KHz'
      '8KHz'
      '10KHz'
      '12.5KHz'
      '16KHz'
      '20KHz')
    end
  end
  object bnExit: TRzBmpButton
    Left = 103
    Top = 162
    Width = 76
    Height = 30
    Bitmaps.Up.File = @':/images/dialogs/button_up.bmp'
    Bitmaps.Hot.File = @':/images/dialogs/button_hot.bmp'
    Bitmaps.Down.File = @':/images/dialogs/button_down.bmp'
    ButtonSize = bszStretchToButton
    ShowFocus = False
    ParentFont = False
    Layout = blGlyphTop
    CaptionDownOffset = 0
    Margin = 14
    Caption = 'Exit'
    TabOrder = 1
    OnClick = bnExitClick
  end
end
