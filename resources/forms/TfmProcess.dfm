object fmProcess: TfmProcess
  BorderIcons = []
  BorderStyle = bsSingle
  Caption = 'Process'
  ClientHeight = 95
  ClientWidth = 454
  FormStyle = fsStayOnTop
  Position = poScreenCenter
  OnShow = FormShow
  object ProgressBar: TAdvProgressBar
    Left = 11
    Top = 12
    Width = 431
    Height = 41
    Font.Height = -13
    Font.Name = 'Verdana'
    Level1Perc = 70
    Level2Perc = 90
    Position = 0
    ShowBorder = True
  end
  object StatusBar: TStatusBar
    Left = 0
    Top = 76
    Width = 454
    Height = 19
    SimplePanel = True
    SimpleText = 'download now'
  end
end
