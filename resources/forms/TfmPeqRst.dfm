object fmPeqRst: TfmPeqRst
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Information'
  ClientHeight = 174
  ClientWidth = 239
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 239
    Height = 174
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object gbReset: TRzGroupBox
    Left = 12
    Top = 10
    Width = 215
    Height = 110
    GroupStyle = gsStandard
    Transparent = True
    TabOrder = 0
    object lbReset: TLabel
      Left = 17
      Top = 40
      Width = 180
      Height = 30
      Alignment = taCenter
      AutoSize = False
      Caption = 'Are you sure to RESET EQ ?'
      Layout = tlCenter
      Transparent = True
      WordWrap = True
    end
  end
  object btnOK: TRzBmpButton
    Left = 30
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
  object btnCancel: TRzBmpButton
    Left = 134
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
    OnClick = btnCancelClick
  end
end
