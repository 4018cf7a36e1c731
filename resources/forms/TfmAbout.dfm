object fmAbout: TfmAbout
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'About'
  ClientHeight = 119
  ClientWidth = 511
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 511
    Height = 119
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object Image1: TImage
    Left = 14
    Top = 12
    Width = 96
    Height = 96
    Picture.File = @':/images/dialogs/loudspeaker.bmp'
    Transparent = True
  end
  object ProductName: TLabel
    Left = 126
    Top = 22
    Width = 360
    Height = 16
    AutoSize = False
    Caption = 'Product Name :              TROV316 DSP Processor Editor'
    Font.Height = -13
    Font.Style = [fsBold]
    Transparent = True
  end
  object Version: TLabel
    Left = 126
    Top = 48
    Width = 200
    Height = 16
    AutoSize = False
    Caption = 'Version : V1.1'
    Font.Height = -13
    Transparent = True
  end
  object Copyright: TLabel
    Left = 126
    Top = 74
    Width = 260
    Height = 16
    AutoSize = False
    Caption = 'Copyright (C) 2011. All rights reserved.'
    Transparent = True
  end
  object btnOK: TRzBmpButton
    Left = 420
    Top = 80
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
    TabOrder = 0
    OnClick = btnOKClick
  end
end
