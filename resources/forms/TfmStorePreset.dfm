object fmStorePreset: TfmStorePreset
  BorderIcons = []
  Caption = 'Store Preset'
  ClientHeight = 319
  ClientWidth = 260
  Position = poScreenCenter
  OnShow = FormShow
  object imBackground: TImage
    Left = 0
    Top = 0
    Width = 260
    Height = 319
    Align = alClient
    Picture.File = @':/images/dialogs/background.bmp'
    Stretch = True
  end
  object vledPresetName: TValueListEditor
    Left = 10
    Top = 10
    Width = 240
    Height = 247
    DefaultRowHeight = 18
    DisplayOptions = [doColumnTitles, doKeyColFixed]
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goColSizing, goAlwaysShowEditor]
    ScrollBars = ssVertical
    TabOrder = 0
    TabStop = False
    TitleCaptions.Strings = (
      'Number :'
      '    Name')
    OnSelectCell = vledPresetNameSelectCell
  end
  object lPresetSelect: TLabel
    Left = 12
    Top = 269
    Width = 120
    Height = 16
    AutoSize = False
    Caption = 'Store Preset'
    Font.Height = -12
    Font.Style = [fsBold]
    Layout = tlCenter
    Transparent = True
  end
  object bnCancel: TRzBmpButton
    Left = 175
    Top = 263
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
    TabOrder = 1
    OnClick = bnCancelClick
  end
end
