object fmNetworkSetup: TfmNetworkSetup
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Setting ID/IP'
  ClientHeight = 220
  ClientWidth = 280
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 280
    Height = 220
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object gbIdSetting: TGroupBox
    Left = 10
    Top = 8
    Width = 260
    Height = 60
    Caption = ' Input ID Number'
    TabOrder = 0
    object lbMessage: TLabel
      Left = 40
      Top = 28
      Width = 80
      Height = 13
      Alignment = taRightJustify
      AutoSize = False
      Caption = 'Number :'
      Transparent = True
    end
    object edId: TEdit
      Left = 128
      Top = 24
      Width = 56
      Height = 21
      Alignment = taCenter
      MaxLength = 3
      NumbersOnly = True
      TabOrder = 0
      Text = '1'
      OnEnter = edIdEnter
      OnExit = edIdExit
      OnKeyPress = edIdKeyPress
      OnMouseDown = edIdMouseDown
    end
  end
  object gbIpSetting: TGroupBox
    Left = 10
    Top = 78
    Width = 260
    Height = 62
    Caption = ' Input IP Address'
    TabOrder = 1
    object edIp1: TEdit
      Left = 16
      Top = 24
      Width = 44
      Height = 21
      Alignment = taCenter
      MaxLength = 3
      NumbersOnly = True
      TabOrder = 0
      Text = '192'
      OnEnter = edIpEnter
      OnExit = edIpExit
      OnKeyPress = edIpKeyPress
      OnMouseDown = edIpMouseDown
    end
    object edIp2: TEdit
      Left = 76
      Top = 24
      Width = 44
      Height = 21
      Alignment = taCenter
      MaxLength = 3
      NumbersOnly = True
      TabOrder = 1
      Text = '168'
      OnEnter = edIpEnter
      OnExit = edIpExit
      OnKeyPress = edIpKeyPress
      OnMouseDown = edIpMouseDown
    end
    object edIp3: TEdit
      Left = 136
      Top = 24
      Width = 44
      Height = 21
      Alignment = taCenter
      MaxLength = 3
      NumbersOnly = True
      TabOrder = 2
      Text = '1'
      OnEnter = edIpEnter
      OnExit = edIpExit
      OnKeyPress = edIpKeyPress
      OnMouseDown = edIpMouseDown
    end
    object edIp4: TEdit
      Left = 196
      Top = 24
      Width = 44
      Height = 21
      Alignment = taCenter
      MaxLength = 3
      NumbersOnly = True
      TabOrder = 3
      Text = '101'
      OnEnter = edIpEnter
      OnExit = edIpExit
      OnKeyPress = edIpKeyPress
      OnMouseDown = edIpMouseDown
    end
    object Label1: TLabel
      Left = 64
      Top = 28
      Width = 8
      Height = 13
      Alignment = taCenter
      AutoSize = False
      Caption = '.'
      Transparent = True
    end
    object Label2: TLabel
      Left = 124
      Top = 28
      Width = 8
      Height = 13
      Alignment = taCenter
      AutoSize = False
      Caption = '.'
      Transparent = True
    end
    object Label3: TLabel
      Left = 184
      Top = 28
      Width = 8
      Height = 13
      Alignment = taCenter
      AutoSize = False
      Caption = '.'
      Transparent = True
    end
  end
  object rbManualSetting: TRadioButton
    Left = 20
    Top = 148
    Width = 110
    Height = 17
    Caption = 'Manual Setting'
    Checked = True
    TabOrder = 2
    Visible = False
    OnClick = rbManualSettingClick
  end
  object rbAutoSetting: TRadioButton
    Left = 150
    Top = 148
    Width = 110
    Height = 17
    Caption = 'Auto Setting'
    TabOrder = 3
    Visible = False
    OnClick = rbAutoSettingClick
  end
  object bnSet: TRzBmpButton
    Left = 42
    Top = 176
    Width = 75
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
    TabOrder = 4
    OnClick = bnSetClick
  end
  object bnExit: TRzBmpButton
    Left = 163
    Top = 176
    Width = 75
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
    TabOrder = 5
    OnClick = bnExitClick
  end
end
