object fmChannelName: TfmChannelName
  BorderIcons = []
  BorderStyle = bsDialog
  Caption = 'Channel Name'
  ClientHeight = 148
  ClientWidth = 240
  Position = poScreenCenter
  OnActivate = FormActivate
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 240
    Height = 148
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object lbChannelName: TLabel
    Left = 10
    Top = 14
    Width = 220
    Height = 16
    Alignment = taCenter
    AutoSize = False
    Caption = 'Channel Name'
    Transparent = True
  end
  object lbChannel: TLabel
    Left = 14
    Top = 53
    Width = 50
    Height = 16
    AutoSize = False
    Caption = 'InA :'
    Font.Height = -12
    Font.Style = [fsBold]
    Transparent = True
  end
  object edName: TEdit
    Left = 66
    Top = 50
    Width = 160
    Height = 22
    MaxLength = 8
    TabOrder = 0
    Text = 'Input1'
    OnKeyPress = edNameKeyPress
  end
  object btnOK: TRzBmpButton
    Left = 34
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
  object bnCancel: TRzBmpButton
    Left = 131
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
    OnClick = bnCancelClick
  end
end
