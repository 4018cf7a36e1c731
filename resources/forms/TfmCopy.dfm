object fmCopy: TfmCopy
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Channel Copy'
  ClientHeight = 257
  ClientWidth = 345
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 345
    Height = 257
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object gbInCopy: TGroupBox
    Left = 16
    Top = 12
    Width = 313
    Height = 84
    Caption = ' In '
    TabOrder = 0
    object cbInSource: TComboBox
      Left = 16
      Top = 22
      Width = 90
      Height = 21
      ItemIndex = 0
      TabOrder = 0
      Text = 'InA'
      Items.Strings = (
        'InA'
        'InB')
    end
    object lbInArrow: TLabel
      Left = 112
      Top = 25
      Width = 30
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = '=>'
      Font.Style = [fsBold]
    end
    object cbInDestination: TComboBox
      Left = 148
      Top = 22
      Width = 90
      Height = 21
      ItemIndex = 1
      TabOrder = 1
      Text = 'InB'
      Items.Strings = (
        'InA'
        'InB')
    end
    object bnInChCopy: TRzBmpButton
      Tag = 0
      Left = 120
      Top = 48
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
      Caption = 'Copy'
      TabOrder = 2
      OnClick = bnInChCopyClick
    end
  end
  object gbOutCopy: TGroupBox
    Left = 16
    Top = 108
    Width = 313
    Height = 84
    Caption = ' Out '
    TabOrder = 1
    object cbOutSource: TComboBox
      Left = 16
      Top = 22
      Width = 90
      Height = 21
      ItemIndex = 0
      TabOrder = 0
      Text = 'Out1'
      Items.Strings = (
        'Out1'
        'Out2'
        'Out3'
        'Out4')
    end
    object lbOutArrow: TLabel
      Left = 112
      Top = 25
      Width = 30
      Height = 16
      Alignment = taCenter
      AutoSize = False
      Caption = '=>'
      Font.Style = [fsBold]
    end
    object cbOutDestination: TComboBox
      Left = 148
      Top = 22
      Width = 90
      Height = 21
      ItemIndex = 1
      TabOrder = 1
      Text = 'Out2'
      Items.Strings = (
        'Out1'
        'Out2'
        'Out3'
        'Out4')
    end
    object bnOutChCopy: TRzBmpButton
      Tag = 1
      Left = 120
      Top = 48
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
      Caption = 'Copy'
      TabOrder = 2
      OnClick = bnInChCopyClick
    end
  end
  object bnExit: TRzBmpButton
    Left = 134
    Top = 213
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
    TabOrder = 2
    OnClick = bnExitClick
  end
end
