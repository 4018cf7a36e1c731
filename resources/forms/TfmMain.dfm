// The main window. Written by tools/forms/main_form.py: change the script, not this file.
object fmMain: TfmMain
  Caption = 'TROV316 DSP Processor Editor V1.1'
  ClientWidth = 1110
  ClientHeight = 672
  AutoScroll = False
  Color = $00302620
  Menu = MainMenu
  Position = poScreenCenter
  OnClose = FormClose
  OnCreate = FormCreate
  Font.Color = clBlack
  Font.Height = -12
  Font.Name = 'Arial'
  object rzgFunction: TRzGroupBox
    Left = -5
    Top = -2
    Width = 1115
    Height = 42
    Color = $00251C16
    GroupStyle = gsCustom
    TabOrder = 0
    object rzbMenuGain: TRzBmpButton
      Left = 12
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_function_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_function_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_function_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_function_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_function_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'GAIN'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      Down = True
      ShowFocus = False
      Tag = 8
    end
    object rzbMenuComp: TRzBmpButton
      Left = 96
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_function_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_function_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_function_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_function_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_function_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'COMP'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      ShowFocus = False
      Tag = 6
    end
    object rzbMenuDelay: TRzBmpButton
      Left = 180
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_function_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_function_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_function_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_function_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_function_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'DELAY'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      ShowFocus = False
      Tag = 7
    end
    object rzbMenuMatrix: TRzBmpButton
      Left = 264
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_function_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_function_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_function_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_function_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_function_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'MATRIX'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      ShowFocus = False
      Tag = 9
    end
    object rzbMenuInA: TRzBmpButton
      Left = 364
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_channel_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_channel_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_channel_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_channel_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_channel_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'IN A'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      ShowFocus = False
      Tag = 0
    end
    object rzbMenuInB: TRzBmpButton
      Left = 448
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_channel_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_channel_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_channel_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_channel_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_channel_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'IN B'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      ShowFocus = False
      Tag = 1
    end
    object rzbMenuOut1: TRzBmpButton
      Left = 532
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_channel_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_channel_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_channel_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_channel_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_channel_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'OUT 1'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      ShowFocus = False
      Tag = 2
    end
    object rzbMenuOut2: TRzBmpButton
      Left = 616
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_channel_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_channel_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_channel_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_channel_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_channel_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'OUT 2'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      ShowFocus = False
      Tag = 3
    end
    object rzbMenuOut3: TRzBmpButton
      Left = 700
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_channel_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_channel_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_channel_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_channel_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_channel_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'OUT 3'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      ShowFocus = False
      Tag = 4
    end
    object rzbMenuOut4: TRzBmpButton
      Left = 784
      Top = 8
      Width = 80
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/page_channel_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/page_channel_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/page_channel_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/page_channel_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/page_channel_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'OUT 4'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      ShowFocus = False
      Tag = 5
    end
    object lbShowIdNumber: TLabel
      Left = 884
      Top = 15
      Width = 60
      Height = 16
      AutoSize = False
      Caption = 'ID : 1'
      Transparent = True
      Font.Color = $00F0E8E2
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
    end
    object lbStatus: TLabel
      Left = 952
      Top = 15
      Width = 80
      Height = 16
      AutoSize = False
      Caption = 'OffLine'
      Transparent = True
      Font.Color = $00F0E8E2
      Font.Height = -12
      Font.Name = 'Arial'
    end
    object rzbMenuLink: TRzBmpButton
      Left = 1040
      Top = 8
      Width = 70
      Height = 30
      Bitmaps.Up.File = @':/images/mainwindow/link_up.bmp'
      Bitmaps.Down.File = @':/images/mainwindow/link_down.bmp'
      Bitmaps.Hot.File = @':/images/mainwindow/link_hot.bmp'
      Bitmaps.StayDown.File = @':/images/mainwindow/link_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/mainwindow/link_disabled.bmp'
      Bitmaps.TransparentColor = clTeal
      ButtonSize = bszStretchToButton
      Caption = 'OffLine'
      Font.Color = clWhite
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      AllowAllUp = True
      GroupIndex = 2
      ShowFocus = False
      OnClick = rzbMenuLinkClick
    end
  end
  object rzgMain: TRzGroupBox
    Left = 0
    Top = 40
    Width = 1112
    Height = 629
    Color = $00302620
    GroupStyle = gsCustom
    TabOrder = 1
    object imLeftUpBase: TImage
      Left = 0
      Top = 0
      Width = 1082
      Height = 256
      Picture.File = @':/images/mainwindow/background_upper_left.png'
      Stretch = True
    end
    object imRightUpBase: TImage
      Left = 1077
      Top = 0
      Width = 33
      Height = 256
      Picture.File = @':/images/mainwindow/background_upper_right.png'
      Stretch = True
    end
    object imLeftDownBase: TImage
      Left = 0
      Top = 256
      Width = 1082
      Height = 373
      Picture.File = @':/images/mainwindow/background_lower_left.png'
      Stretch = True
    end
    object imRightDownBase: TImage
      Left = 1077
      Top = 256
      Width = 33
      Height = 373
      Picture.File = @':/images/mainwindow/background_lower_right.png'
      Stretch = True
    end
    object rzgFftGain: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = True
    end
    object rzgParamGain: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = True
    end
    object rzgFftComp: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgParamComp: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgFftDelay: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgParamDelay: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgFftMatrix: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgParamMatrix: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgFftInA: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgParamInA: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgFftInB: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgParamInB: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgFftOut1: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgParamOut1: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgFftOut2: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgParamOut2: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgFftOut3: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgParamOut3: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgFftOut4: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
    object rzgParamOut4: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
    end
  end
  object rzgPreset: TRzGroupBox
    Left = 10
    Top = 626
    Width = 1100
    Height = 40
    Color = $002C221C
    GroupStyle = gsCustom
    TabOrder = 2
    object rzgPstNum: TRzGroupBox
      Left = 10
      Top = 4
      Width = 170
      Height = 32
      BorderOuter = fsFlat
      Color = $002C221C
      FlatColor = $00846E60
      GroupStyle = gsCustom
      object lPstNum: TLabel
        Left = 8
        Top = 8
        Width = 66
        Height = 16
        AutoSize = False
        Caption = 'Preset'
        Transparent = True
        Font.Color = $00F0E8E2
        Font.Height = -12
        Font.Name = 'Arial'
        Font.Style = [fsBold]
      end
      object lbPstNum: TLabel
        Left = 80
        Top = 8
        Width = 82
        Height = 16
        AutoSize = False
        Caption = ''
        Transparent = True
        Font.Color = $0078D6FF
        Font.Height = -12
        Font.Name = 'Arial'
        Font.Style = [fsBold]
      end
    end
    object rzgPstName: TRzGroupBox
      Left = 190
      Top = 4
      Width = 330
      Height = 32
      BorderOuter = fsFlat
      Color = $002C221C
      FlatColor = $00846E60
      GroupStyle = gsCustom
      object lPstName: TLabel
        Left = 8
        Top = 8
        Width = 66
        Height = 16
        AutoSize = False
        Caption = 'Name'
        Transparent = True
        Font.Color = $00F0E8E2
        Font.Height = -12
        Font.Name = 'Arial'
        Font.Style = [fsBold]
      end
      object lbPstName: TLabel
        Left = 80
        Top = 8
        Width = 242
        Height = 16
        AutoSize = False
        Caption = ''
        Transparent = True
        Font.Color = $0078D6FF
        Font.Height = -12
        Font.Name = 'Arial'
        Font.Style = [fsBold]
      end
    end
    object bStore: TRzBmpButton
      Left = 890
      Top = 7
      Width = 90
      Height = 26
      Bitmaps.Up.File = @':/images/dialogs/button_up.bmp'
      Bitmaps.Hot.File = @':/images/dialogs/button_hot.bmp'
      Bitmaps.Down.File = @':/images/dialogs/button_down.bmp'
      Bitmaps.Disabled.File = @':/images/dialogs/button_disabled.bmp'
      ButtonSize = bszStretchToButton
      Caption = 'Store'
      OnClick = bStoreClick
    end
    object bRecall: TRzBmpButton
      Left = 996
      Top = 7
      Width = 90
      Height = 26
      Bitmaps.Up.File = @':/images/dialogs/button_up.bmp'
      Bitmaps.Hot.File = @':/images/dialogs/button_hot.bmp'
      Bitmaps.Down.File = @':/images/dialogs/button_down.bmp'
      Bitmaps.Disabled.File = @':/images/dialogs/button_disabled.bmp'
      ButtonSize = bszStretchToButton
      Caption = 'Recall'
      OnClick = bRecallClick
    end
  end
  object MainMenu: TMainMenu
    object File: TMenuItem
      Caption = 'File'
      object Open: TMenuItem
        Caption = 'Open'
        OnClick = OpenClick
      end
      object Save: TMenuItem
        Caption = 'Save'
        OnClick = SaveClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Upload: TMenuItem
        Caption = 'Upload'
        OnClick = UploadClick
      end
      object Download: TMenuItem
        Caption = 'Download'
        OnClick = DownloadClick
      end
      object N2: TMenuItem
        Caption = '-'
        Visible = False
      end
      object FactoryDefault: TMenuItem
        Caption = 'Factory Default'
        Visible = False
        OnClick = FactoryDefaultClick
      end
      object N3: TMenuItem
        Caption = '-'
      end
      object Exit: TMenuItem
        Caption = 'Exit'
        OnClick = ExitClick
      end
    end
    object Link: TMenuItem
      Caption = 'Link'
      OnClick = LinkClick
    end
    object Copy: TMenuItem
      Caption = 'Copy'
      OnClick = CopyClick
    end
    object Lock: TMenuItem
      Caption = 'Lock'
      OnClick = LockClick
    end
    object SettingID: TMenuItem
      Caption = 'Setting ID'
      Visible = False
      OnClick = SettingIDClick
    end
    object NetworkSetup: TMenuItem
      Caption = 'Setting ID/IP'
      Visible = False
      OnClick = NetworkSetupClick
    end
    object TestTone: TMenuItem
      Caption = 'Test Tone'
      OnClick = TestToneClick
    end
    object ChNameList: TMenuItem
      Caption = 'Channel Name'
      OnClick = ChNameListClick
    end
    object LanguageSel: TMenuItem
      Caption = '语言'
      object ChineseSimplified: TMenuItem
        Caption = '中文'
        Tag = 0
        OnClick = ChineseSimplifiedClick
      end
      object ChineseTraditional: TMenuItem
        Caption = 'Troditional Chinese'
        Tag = 1
        Visible = False
      end
      object English: TMenuItem
        Caption = 'English'
        Tag = 2
        Checked = True
        OnClick = EnglishClick
      end
    end
    object Help: TMenuItem
      Caption = 'Help'
      object Rs232Code: TMenuItem
        Caption = 'RS232 Code Table'
        OnClick = Rs232CodeClick
      end
      object N4: TMenuItem
        Caption = '-'
        Visible = False
      end
      object MemoShow: TMenuItem
        Caption = 'Memo Show'
        Visible = False
        OnClick = MemoShowClick
      end
      object HidData: TMenuItem
        Caption = 'HidData'
        Visible = False
        OnClick = HidDataClick
      end
      object LockSetup: TMenuItem
        Caption = 'Lock'
        Visible = False
        OnClick = LockSetupClick
      end
    end
    object BlockDiagram: TMenuItem
      Caption = 'Diagram'
      Visible = False
      OnClick = BlockDiagramClick
    end
    object Connect: TMenuItem
      Caption = 'Connect'
      Visible = False
      object Connected: TMenuItem
        Caption = 'Connect'
        OnClick = ConnectedClick
      end
      object N6: TMenuItem
        Caption = '-'
        Visible = False
      end
      object ConnectHelp: TMenuItem
        Caption = 'Connect Help'
        Visible = False
        OnClick = ConnectHelpClick
      end
    end
    object About: TMenuItem
      Caption = 'About'
      OnClick = AboutClick
    end
  end
  object odOpenPreset: TOpenDialog
    Filter = '*.prs|*.prs'
  end
  object sdSavePreset: TSaveDialog
    Filter = '*.prs|*.prs'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
  end
  object odOpenUnit: TOpenDialog
    Filter = '*.unt|*.unt'
  end
  object sdSaveUnit: TSaveDialog
    Filter = '*.unt|*.unt'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
  end
end
