object fmInformation: TfmInformation
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Information'
  ClientHeight = 174
  ClientWidth = 265
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 265
    Height = 174
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object gbMessage: TRzGroupBox
    Left = 12
    Top = 10
    Width = 241
    Height = 110
    GroupStyle = gsStandard
    Transparent = True
    TabOrder = 0
    object imIcon: TImage
      Left = 18
      Top = 38
      Width = 32
      Height = 32
      Picture.File = @':/images/dialogs/icon_information.bmp'
      Transparent = True
    end
    object lbMessage: TLabel
      Left = 66
      Top = 40
      Width = 150
      Height = 30
      Alignment = taCenter
      AutoSize = False
      Caption = 'You Must Connect First !!'
      Layout = tlCenter
      Transparent = True
      WordWrap = True
    end
  end
  object btnOK: TRzBmpButton
    Left = 95
    Top = 132
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
end
