object TiPlotPreviewForm
  Caption = 'Quorin Plot Preview'
  Width = 836
  Height = 563
  BorderIcons = [biSystemMenu, biMaximize]
  Constraints.MinWidth = 500
  Constraints.MinHeight = 300
  Position = poScreenCenter
  object Panel1: TPanel
    Align = alTop
    Height = 41
    TabOrder = 0
    object PrintButton: TSpeedButton
      Left = 8
      Top = 6
      Width = 28
      Height = 28
      OnClick = PrintButtonClick
    end
    object SettingsButton: TButton
      Left = 48
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Settings'
      TabOrder = 0
      OnClick = SettingsButtonClick
    end
    object CloseButton: TButton
      Left = 132
      Top = 8
      Width = 75
      Height = 25
      Caption = 'Close'
      TabOrder = 1
      OnClick = CloseButtonClick
    end
  end
  object Preview: TiPaintBox
    Align = alClient
    OnPaint = PreviewPaint
  end
end
