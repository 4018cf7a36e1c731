object fmLockSetup: TfmLockSetup
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Lock Setting'
  ClientHeight = 148
  ClientWidth = 190
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 190
    Height = 148
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object lblLockPassword: TLabel
    Left = 10
    Top = 14
    Width = 170
    Height = 16
    Alignment = taCenter
    AutoSize = False
    Caption = 'Lock Password'
    Transparent = True
  end
  object edName: TEdit
    Left = 40
    Top = 40
    Width = 110
    Height = 38
    Alignment = taCenter
    CharCase = ecUpperCase
    Font.Height = -24
    Font.Style = [fsBold]
    MaxLength = 4
    TabOrder = 0
    TabStop = False
    Text = '5831'
    OnKeyPress = edNameKeyPress
  end
  object btnOK: TRzBmpButton
    Left = 12
    Top = 104
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
    Caption = 'OK'
    TabOrder = 1
    OnClick = btnOKClick
  end
  object btnExit: TRzBmpButton
    Left = 103
    Top = 104
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
    Caption = 'Cancel'
    TabOrder = 2
    OnClick = btnExitClick
  end
  object tmClose: TTimer
    Enabled = False
    Interval = 100
    OnTimer = tmCloseTimer
  end
end
