object fmChNameList: TfmChNameList
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Channel Name'
  ClientHeight = 224
  ClientWidth = 360
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 360
    Height = 224
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object gbInChNameList: TGroupBox
    Left = 12
    Top = 8
    Width = 336
    Height = 58
    Caption = ' Input '
    TabOrder = 0
    object lbChNameListInA: TLabel
      Left = 12
      Top = 25
      Width = 36
      Height = 16
      AutoSize = False
      Caption = 'InA'
      Transparent = True
    end
    object edMatrixChNameInA: TEdit
      Left = 52
      Top = 22
      Width = 110
      Height = 22
      Alignment = taCenter
      MaxLength = 8
      TabOrder = 0
      Text = 'Input1'
    end
    object lbChNameListInB: TLabel
      Left = 172
      Top = 25
      Width = 36
      Height = 16
      AutoSize = False
      Caption = 'InB'
      Transparent = True
    end
    object edMatrixChNameInB: TEdit
      Left = 212
      Top = 22
      Width = 110
      Height = 22
      Alignment = taCenter
      MaxLength = 8
      TabOrder = 1
      Text = 'Input2'
    end
  end
  object gbOutChNameList: TGroupBox
    Left = 12
    Top = 74
    Width = 336
    Height = 90
    Caption = ' Output '
    TabOrder = 1
    object lbChNameListOut1: TLabel
      Left = 12
      Top = 25
      Width = 36
      Height = 16
      AutoSize = False
      Caption = 'Out1'
      Transparent = True
    end
    object edMatrixChNameOut1: TEdit
      Left = 52
      Top = 22
      Width = 110
      Height = 22
      Alignment = taCenter
      MaxLength = 8
      TabOrder = 0
      Text = 'Output1'
    end
    object lbChNameListOut2: TLabel
      Left = 172
      Top = 25
      Width = 36
      Height = 16
      AutoSize = False
      Caption = 'Out2'
      Transparent = True
    end
    object edMatrixChNameOut2: TEdit
      Left = 212
      Top = 22
      Width = 110
      Height = 22
      Alignment = taCenter
      MaxLength = 8
      TabOrder = 1
      Text = 'Output2'
    end
    object lbChNameListOut3: TLabel
      Left = 12
      Top = 57
      Width = 36
      Height = 16
      AutoSize = False
      Caption = 'Out3'
      Transparent = True
    end
    object edMatrixChNameOut3: TEdit
      Left = 52
      Top = 54
      Width = 110
      Height = 22
      Alignment = taCenter
      MaxLength = 8
      TabOrder = 2
      Text = 'Output3'
    end
    object lbChNameListOut4: TLabel
      Left = 172
      Top = 57
      Width = 36
      Height = 16
      AutoSize = False
      Caption = 'Out4'
      Transparent = True
    end
    object edMatrixChNameOut4: TEdit
      Left = 212
      Top = 54
      Width = 110
      Height = 22
      Alignment = taCenter
      MaxLength = 8
      TabOrder = 3
      Text = 'Output4'
    end
  end
  object btnOK: TRzBmpButton
    Left = 84
    Top = 180
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
    Caption = 'Set'
    TabOrder = 2
    OnClick = btnOKClick
  end
  object btnCancel: TRzBmpButton
    Left = 200
    Top = 180
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
    TabOrder = 3
    OnClick = btnCancelClick
  end
end
