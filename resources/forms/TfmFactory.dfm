object fmFactory: TfmFactory
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Information'
  ClientHeight = 174
  ClientWidth = 361
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 361
    Height = 174
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object gbMessage: TRzGroupBox
    Left = 12
    Top = 10
    Width = 337
    Height = 110
    GroupStyle = gsStandard
    Transparent = True
    TabOrder = 0
    object imIcon: TImage
      Left = 18
      Top = 38
      Width = 32
      Height = 32
      Picture.File = @':/images/dialogs/icon_warning.bmp'
      Transparent = True
    end
    object lbMessage: TLabel
      Left = 66
      Top = 40
      Width = 243
      Height = 30
      Alignment = taCenter
      AutoSize = False
      Caption = 'Are you Sure to Return Factory Default?'
      Layout = tlCenter
      Transparent = True
      WordWrap = True
    end
  end
  object btnOK: TRzBmpButton
    Left = 84
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
  object bnCancel: TRzBmpButton
    Left = 202
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
    Caption = 'Cancel'
    TabOrder = 2
    OnClick = bnCancelClick
  end
end
