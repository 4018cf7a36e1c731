// The connection scan dialog: status and counter over the background picture, the scan's progress,
// the hidden list of serial ports and the Rescan, Demo and Set buttons; the scan's one-shot timers.
object fmNetwork: TfmNetwork
  Caption = 'Connect'
  ClientWidth = 380
  ClientHeight = 180
  BorderStyle = bsDialog
  BorderIcons = []
  FormStyle = fsStayOnTop
  Position = poScreenCenter
  OnShow = FormShow
  object imBase: TImage
    Left = 0
    Top = 0
    Width = 380
    Height = 180
    Picture.File = @':/images/mainwindow/scan_background.bmp'
  end
  object lblScan: TLabel
    Left = 24
    Top = 26
    Caption = 'Scaning'
    Transparent = True
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Arial'
    Font.Style = [fsBold]
  end
  object lblDeviceID: TLabel
    Left = 300
    Top = 26
    Caption = ''
    Transparent = True
    Font.Color = clWhite
    Font.Height = -13
    Font.Name = 'Arial'
    Font.Style = [fsBold]
  end
  object pbScan: TProgressBar
    Left = 24
    Top = 60
    Width = 332
    Height = 18
    Smooth = True
  end
  object cbCOM: TComboBox
    Left = 24
    Top = 90
    Width = 120
    Visible = False
  end
  object btnOK: TRzBmpButton
    Left = 35
    Top = 124
    Width = 80
    Height = 30
    Bitmaps.Up.File = @':/images/widgets/button_teal_up.bmp'
    Bitmaps.Hot.File = @':/images/widgets/button_teal_hot.bmp'
    Bitmaps.Down.File = @':/images/widgets/button_teal_down.bmp'
    Bitmaps.Disabled.File = @':/images/widgets/button_teal_disabled.bmp'
    Bitmaps.TransparentColor = clTeal
    ButtonSize = bszStretchToButton
    ShowFocus = False
    ParentFont = False
    Layout = blGlyphTop
    CaptionDownOffset = 0
    Margin = 14
    Caption = 'Scaning'
    OnClick = btnOKClick
  end
  object btnExit: TRzBmpButton
    Left = 150
    Top = 124
    Width = 80
    Height = 30
    Bitmaps.Up.File = @':/images/widgets/button_teal_up.bmp'
    Bitmaps.Hot.File = @':/images/widgets/button_teal_hot.bmp'
    Bitmaps.Down.File = @':/images/widgets/button_teal_down.bmp'
    Bitmaps.Disabled.File = @':/images/widgets/button_teal_disabled.bmp'
    Bitmaps.TransparentColor = clTeal
    ButtonSize = bszStretchToButton
    ShowFocus = False
    ParentFont = False
    Layout = blGlyphTop
    CaptionDownOffset = 0
    Margin = 14
    Caption = 'Demo'
    OnClick = btnExitClick
  end
  object btnId: TRzBmpButton
    Left = 265
    Top = 124
    Width = 80
    Height = 30
    Bitmaps.Up.File = @':/images/widgets/button_teal_up.bmp'
    Bitmaps.Hot.File = @':/images/widgets/button_teal_hot.bmp'
    Bitmaps.Down.File = @':/images/widgets/button_teal_down.bmp'
    Bitmaps.Disabled.File = @':/images/widgets/button_teal_disabled.bmp'
    Bitmaps.TransparentColor = clTeal
    ButtonSize = bszStretchToButton
    ShowFocus = False
    ParentFont = False
    Layout = blGlyphTop
    CaptionDownOffset = 0
    Margin = 14
    Caption = 'Set'
    OnClick = btnIdClick
  end
  object tmConnect: TTimer
    Enabled = False
    Interval = 100
    OnTimer = tmConnectTimer
  end
  object tmLinkBroken: TTimer
    Enabled = False
    Interval = 100
    OnTimer = tmLinkBrokenTimer
  end
  object tmWatchDog: TTimer
    Enabled = False
    OnTimer = tmWatchDogTimer
  end
  object tmRunComConnect: TTimer
    Enabled = False
    Interval = 100
    OnTimer = tmRunComConnectTimer
  end
  object tmRunUsbConnect: TTimer
    Enabled = False
    Interval = 100
    OnTimer = tmRunUsbConnectTimer
  end
  object tmRunNetConnect: TTimer
    Enabled = False
    Interval = 100
    OnTimer = tmRunNetConnectTimer
  end
end
