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
  OnResize = FormResize
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
      Font.Color = clLime
      Font.Height = -12
      Font.Name = 'Arial'
      Font.Style = [fsBold]
      GroupIndex = 1
      Down = True
      ShowFocus = False
      Tag = 8
      OnClick = rzbMenuInAClick
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
      OnClick = rzbMenuInAClick
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
      OnClick = rzbMenuInAClick
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
      OnClick = rzbMenuInAClick
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
      OnClick = rzbMenuInAClick
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
      OnClick = rzbMenuInAClick
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
      OnClick = rzbMenuInAClick
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
      OnClick = rzbMenuInAClick
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
      OnClick = rzbMenuInAClick
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
      OnClick = rzbMenuInAClick
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
      object lbFftGainIn: TLabel
        Left = 14
        Top = 4
        Caption = 'Input'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rzgFftShowChIn: TRzGroupBox
        Left = 260
        Top = 2
        Width = 176
        Height = 20
        GroupStyle = gsCustom
        Transparent = True
        Visible = True
        object vrbShowAGain: TVrPowerButton
          Left = 2
          Top = 0
          Width = 60
          Height = 20
          Tag = 0
          Caption = 'InA'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShowAGainClick
          Active = True
        end
        object vrbShowBGain: TVrPowerButton
          Left = 66
          Top = 0
          Width = 60
          Height = 20
          Tag = 1
          Caption = 'InB'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShowAGainClick
        end
      end
      object fftDrawGainIn: LMyFFTDrawPhase
        Left = 10
        Top = 24
        Width = 530
        Height = 255
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
      object lbFftGainOut: TLabel
        Left = 600
        Top = 4
        Caption = 'Output'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rzgFftShowChOut: TRzGroupBox
        Left = 720
        Top = 2
        Width = 260
        Height = 20
        GroupStyle = gsCustom
        Transparent = True
        Visible = True
        object vrbShow1Gain: TVrPowerButton
          Left = 2
          Top = 0
          Width = 60
          Height = 20
          Tag = 2
          Caption = 'Out1'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1GainClick
          Active = True
        end
        object vrbShow2Gain: TVrPowerButton
          Left = 66
          Top = 0
          Width = 60
          Height = 20
          Tag = 3
          Caption = 'Out2'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1GainClick
        end
        object vrbShow3Gain: TVrPowerButton
          Left = 130
          Top = 0
          Width = 60
          Height = 20
          Tag = 4
          Caption = 'Out3'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1GainClick
        end
        object vrbShow4Gain: TVrPowerButton
          Left = 194
          Top = 0
          Width = 60
          Height = 20
          Tag = 5
          Caption = 'Out4'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1GainClick
        end
      end
      object fftDrawGainOut: LMyFFTDrawPhase
        Left = 550
        Top = 24
        Width = 530
        Height = 255
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
    end
    object rzgParamGain: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = True
      object lbGainInput: TLabel
        Left = 15
        Top = 4
        Caption = 'Input'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainOutput: TLabel
        Left = 365
        Top = 4
        Caption = 'Output'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object plGainColumnInA: TPanel
        Left = 15
        Top = 24
        Width = 165
        Height = 250
        BevelOuter = bvNone
        Color = $00402C1C
        ParentBackground = False
        object lbGainColumnInA: TLabel
          Left = 6
          Top = 4
          Caption = 'InA'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object isGainBackupInA: TAdvTrackBar
          Left = 14
          Top = 24
          Width = 26
          Height = 220
          Tag = 0
          Orientation = trVertical
          Min = -280
          Max = 120
          Position = 0
          PageSize = 6
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isGainBackupInAChange
        end
        object cvdGainBackupInA: TCurvyEdit
          Left = 56
          Top = 40
          Width = 96
          Height = 24
          Tag = 0
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          ReadOnly = True
        end
        object rzbMuteBackupInA: TRzBmpButton
          Left = 64
          Top = 100
          Width = 80
          Height = 30
          Tag = 0
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Mute'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          OnClick = rzbMuteBackupInAClick
        end
        object rzbPhaseBackupInA: TRzBmpButton
          Left = 64
          Top = 150
          Width = 80
          Height = 30
          Tag = 0
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Normal'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          OnClick = rzbPhaseBackupInAClick
        end
        object pbLevelBackupInA: LProgressBar
          Left = 147
          Top = 86
          Width = 14
          Height = 154
          Tag = 0
          FirstNum = 1
          SecondNum = 2
          ThirdNum = 6
          Max = 9
        end
      end
      object plGainColumnInB: TPanel
        Left = 190
        Top = 24
        Width = 165
        Height = 250
        BevelOuter = bvNone
        Color = $00402C1C
        ParentBackground = False
        object lbGainColumnInB: TLabel
          Left = 6
          Top = 4
          Caption = 'InB'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object isGainBackupInB: TAdvTrackBar
          Left = 14
          Top = 24
          Width = 26
          Height = 220
          Tag = 1
          Orientation = trVertical
          Min = -280
          Max = 120
          Position = 0
          PageSize = 6
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isGainBackupInAChange
        end
        object cvdGainBackupInB: TCurvyEdit
          Left = 56
          Top = 40
          Width = 96
          Height = 24
          Tag = 1
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          ReadOnly = True
        end
        object rzbMuteBackupInB: TRzBmpButton
          Left = 64
          Top = 100
          Width = 80
          Height = 30
          Tag = 1
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Mute'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          OnClick = rzbMuteBackupInAClick
        end
        object rzbPhaseBackupInB: TRzBmpButton
          Left = 64
          Top = 150
          Width = 80
          Height = 30
          Tag = 1
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Normal'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          OnClick = rzbPhaseBackupInAClick
        end
        object pbLevelBackupInB: LProgressBar
          Left = 147
          Top = 86
          Width = 14
          Height = 154
          Tag = 1
          FirstNum = 1
          SecondNum = 2
          ThirdNum = 6
          Max = 9
        end
      end
      object plGainColumnOut1: TPanel
        Left = 365
        Top = 24
        Width = 165
        Height = 250
        BevelOuter = bvNone
        Color = $00402C1C
        ParentBackground = False
        object lbGainColumnOut1: TLabel
          Left = 6
          Top = 4
          Caption = 'Out1'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object isGainBackupOut1: TAdvTrackBar
          Left = 14
          Top = 24
          Width = 26
          Height = 220
          Tag = 2
          Orientation = trVertical
          Min = -280
          Max = 120
          Position = 0
          PageSize = 6
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isGainBackupInAChange
        end
        object cvdGainBackupOut1: TCurvyEdit
          Left = 56
          Top = 40
          Width = 96
          Height = 24
          Tag = 2
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          ReadOnly = True
        end
        object rzbMuteBackupOut1: TRzBmpButton
          Left = 64
          Top = 100
          Width = 80
          Height = 30
          Tag = 2
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Mute'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          OnClick = rzbMuteBackupInAClick
        end
        object rzbPhaseBackupOut1: TRzBmpButton
          Left = 64
          Top = 150
          Width = 80
          Height = 30
          Tag = 2
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Normal'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          OnClick = rzbPhaseBackupInAClick
        end
        object pbLevelBackupOut1: LProgressBar
          Left = 147
          Top = 86
          Width = 14
          Height = 154
          Tag = 2
          FirstNum = 1
          SecondNum = 3
          ThirdNum = 4
          Max = 8
        end
        object pbLimitBackupOut1: LProgressBar
          Left = 147
          Top = 70
          Width = 14
          Height = 12
          Tag = 3
          SecondColor = 20123
          FirstNum = 0
          SecondNum = 1
          ThirdNum = 0
          Max = 1
          LSecondColor = 4629503
        end
      end
      object plGainColumnOut2: TPanel
        Left = 540
        Top = 24
        Width = 165
        Height = 250
        BevelOuter = bvNone
        Color = $00402C1C
        ParentBackground = False
        object lbGainColumnOut2: TLabel
          Left = 6
          Top = 4
          Caption = 'Out2'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object isGainBackupOut2: TAdvTrackBar
          Left = 14
          Top = 24
          Width = 26
          Height = 220
          Tag = 3
          Orientation = trVertical
          Min = -280
          Max = 120
          Position = 0
          PageSize = 6
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isGainBackupInAChange
        end
        object cvdGainBackupOut2: TCurvyEdit
          Left = 56
          Top = 40
          Width = 96
          Height = 24
          Tag = 3
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          ReadOnly = True
        end
        object rzbMuteBackupOut2: TRzBmpButton
          Left = 64
          Top = 100
          Width = 80
          Height = 30
          Tag = 3
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Mute'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          OnClick = rzbMuteBackupInAClick
        end
        object rzbPhaseBackupOut2: TRzBmpButton
          Left = 64
          Top = 150
          Width = 80
          Height = 30
          Tag = 3
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Normal'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          OnClick = rzbPhaseBackupInAClick
        end
        object pbLevelBackupOut2: LProgressBar
          Left = 147
          Top = 86
          Width = 14
          Height = 154
          Tag = 3
          FirstNum = 1
          SecondNum = 3
          ThirdNum = 4
          Max = 8
        end
        object pbLimitBackupOut2: LProgressBar
          Left = 147
          Top = 70
          Width = 14
          Height = 12
          Tag = 3
          SecondColor = 20123
          FirstNum = 0
          SecondNum = 1
          ThirdNum = 0
          Max = 1
          LSecondColor = 4629503
        end
      end
      object plGainColumnOut3: TPanel
        Left = 715
        Top = 24
        Width = 165
        Height = 250
        BevelOuter = bvNone
        Color = $00402C1C
        ParentBackground = False
        object lbGainColumnOut3: TLabel
          Left = 6
          Top = 4
          Caption = 'Out3'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object isGainBackupOut3: TAdvTrackBar
          Left = 14
          Top = 24
          Width = 26
          Height = 220
          Tag = 4
          Orientation = trVertical
          Min = -280
          Max = 120
          Position = 0
          PageSize = 6
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isGainBackupInAChange
        end
        object cvdGainBackupOut3: TCurvyEdit
          Left = 56
          Top = 40
          Width = 96
          Height = 24
          Tag = 4
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          ReadOnly = True
        end
        object rzbMuteBackupOut3: TRzBmpButton
          Left = 64
          Top = 100
          Width = 80
          Height = 30
          Tag = 4
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Mute'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          OnClick = rzbMuteBackupInAClick
        end
        object rzbPhaseBackupOut3: TRzBmpButton
          Left = 64
          Top = 150
          Width = 80
          Height = 30
          Tag = 4
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Normal'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          OnClick = rzbPhaseBackupInAClick
        end
        object pbLevelBackupOut3: LProgressBar
          Left = 147
          Top = 86
          Width = 14
          Height = 154
          Tag = 4
          FirstNum = 1
          SecondNum = 3
          ThirdNum = 4
          Max = 8
        end
        object pbLimitBackupOut3: LProgressBar
          Left = 147
          Top = 70
          Width = 14
          Height = 12
          Tag = 3
          SecondColor = 20123
          FirstNum = 0
          SecondNum = 1
          ThirdNum = 0
          Max = 1
          LSecondColor = 4629503
        end
      end
      object plGainColumnOut4: TPanel
        Left = 890
        Top = 24
        Width = 165
        Height = 250
        BevelOuter = bvNone
        Color = $00402C1C
        ParentBackground = False
        object lbGainColumnOut4: TLabel
          Left = 6
          Top = 4
          Caption = 'Out4'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object isGainBackupOut4: TAdvTrackBar
          Left = 14
          Top = 24
          Width = 26
          Height = 220
          Tag = 5
          Orientation = trVertical
          Min = -280
          Max = 120
          Position = 0
          PageSize = 6
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isGainBackupInAChange
        end
        object cvdGainBackupOut4: TCurvyEdit
          Left = 56
          Top = 40
          Width = 96
          Height = 24
          Tag = 5
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          ReadOnly = True
        end
        object rzbMuteBackupOut4: TRzBmpButton
          Left = 64
          Top = 100
          Width = 80
          Height = 30
          Tag = 5
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Mute'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          OnClick = rzbMuteBackupInAClick
        end
        object rzbPhaseBackupOut4: TRzBmpButton
          Left = 64
          Top = 150
          Width = 80
          Height = 30
          Tag = 5
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'Normal'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          OnClick = rzbPhaseBackupInAClick
        end
        object pbLevelBackupOut4: LProgressBar
          Left = 147
          Top = 86
          Width = 14
          Height = 154
          Tag = 5
          FirstNum = 1
          SecondNum = 3
          ThirdNum = 4
          Max = 8
        end
        object pbLimitBackupOut4: LProgressBar
          Left = 147
          Top = 70
          Width = 14
          Height = 12
          Tag = 3
          SecondColor = 20123
          FirstNum = 0
          SecondNum = 1
          ThirdNum = 0
          Max = 1
          LSecondColor = 4629503
        end
      end
    end
    object rzgFftComp: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbCompName: TLabel
        Left = 60
        Top = 6
        Caption = 'Out 1  Compressor'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 673
        Height = 16
      end
      object ipComp: TiXYPlot
        Left = 60
        Top = 30
        Width = 720
        Height = 230
        TitleText = ''
        XAxisManager = <
    item
      Name = 'X-Axis 1'
      Min = -100.0
      Span = 120.0
      TrackingEnabled = False
    end>
        YAxisManager = <
    item
      Name = 'Y-Axis 1'
      Min = -100.0
      Span = 120.0
      TrackingEnabled = False
    end>
        ChannelManager = <
    item
      Name = 'Channel 1'
      Color = clLime
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
    end
    item
      Name = 'Channel 2'
      Color = clYellow
      XAxisName = 'X-Axis 1'
      YAxisName = 'Y-Axis 1'
      MarkersVisible = True
    end>
        ToolBarManager = <
    item
      Name = 'Toolbar 1'
      Visible = False
    end>
        LegendManager = <
    item
      Name = 'Legend 1'
      Visible = False
    end>
      end
      object plLevelCompOut: TPanel
        Left = 4
        Top = 30
        Width = 52
        Height = 247
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object lbHeadCompOut: TLabel
          Left = 2
          Top = 2
          Caption = 'Out 1'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object pbLimitCompOut: LProgressBar
          Left = 32
          Top = 18
          Width = 14
          Height = 22
          Tag = 3
          SecondColor = 20123
          FirstNum = 0
          SecondNum = 1
          ThirdNum = 0
          Max = 1
          LSecondColor = 4629503
        end
        object pbLevelCompOut: LProgressBar
          Left = 32
          Top = 43
          Width = 14
          Height = 185
          Tag = 0
          FirstNum = 1
          SecondNum = 3
          ThirdNum = 4
          Max = 8
        end
        object lbLimitCompOut: TLabel
          Left = 2
          Top = 22
          Caption = 'Limit'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 28
          Height = 16
        end
        object lbClipCompOut: TLabel
          Left = 2
          Top = 45
          Caption = 'Clip'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 28
          Height = 16
        end
        object lb12CompOut: TLabel
          Left = 2
          Top = 68
          Caption = '+12'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 28
          Height = 16
        end
        object lb5CompOut: TLabel
          Left = 2
          Top = 91
          Caption = '+5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 28
          Height = 16
        end
        object lb0CompOut: TLabel
          Left = 2
          Top = 115
          Caption = '0'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 28
          Height = 16
        end
        object lbN5CompOut: TLabel
          Left = 2
          Top = 138
          Caption = '-5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 28
          Height = 16
        end
        object lbN15CompOut: TLabel
          Left = 2
          Top = 161
          Caption = '-15'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 28
          Height = 16
        end
        object lbN30CompOut: TLabel
          Left = 2
          Top = 184
          Caption = '-30'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 28
          Height = 16
        end
        object lbN60CompOut: TLabel
          Left = 2
          Top = 208
          Caption = '-60'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 28
          Height = 16
        end
      end
      object plLevelCompOut1: TPanel
        Left = 800
        Top = 30
        Width = 70
        Height = 247
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object lbLevelCompOut1: TLabel
          Left = 2
          Top = 2
          Caption = 'Out1'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object pbLimitCompOut1: LProgressBar
          Left = 50
          Top = 30
          Width = 14
          Height = 22
          Tag = 3
          SecondColor = 20123
          FirstNum = 0
          SecondNum = 1
          ThirdNum = 0
          Max = 1
          LSecondColor = 4629503
        end
        object pbLevelCompOut1: LProgressBar
          Left = 50
          Top = 55
          Width = 14
          Height = 185
          Tag = 0
          FirstNum = 1
          SecondNum = 3
          ThirdNum = 4
          Max = 8
        end
        object lbLimitCompOut1: TLabel
          Left = 2
          Top = 35
          Caption = 'Limit'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbClipCompOut1: TLabel
          Left = 2
          Top = 58
          Caption = 'Clip'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb12CompOut1: TLabel
          Left = 2
          Top = 81
          Caption = '+12'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb5CompOut1: TLabel
          Left = 2
          Top = 105
          Caption = '+5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb0CompOut1: TLabel
          Left = 2
          Top = 128
          Caption = '0'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN5CompOut1: TLabel
          Left = 2
          Top = 151
          Caption = '-5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN15CompOut1: TLabel
          Left = 2
          Top = 175
          Caption = '-15'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN30CompOut1: TLabel
          Left = 2
          Top = 198
          Caption = '-30'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN60CompOut1: TLabel
          Left = 2
          Top = 222
          Caption = '-60'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
      end
      object plLevelCompOut2: TPanel
        Left = 873
        Top = 30
        Width = 70
        Height = 247
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object lbLevelCompOut2: TLabel
          Left = 2
          Top = 2
          Caption = 'Out2'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object pbLimitCompOut2: LProgressBar
          Left = 50
          Top = 30
          Width = 14
          Height = 22
          Tag = 3
          SecondColor = 20123
          FirstNum = 0
          SecondNum = 1
          ThirdNum = 0
          Max = 1
          LSecondColor = 4629503
        end
        object pbLevelCompOut2: LProgressBar
          Left = 50
          Top = 55
          Width = 14
          Height = 185
          Tag = 0
          FirstNum = 1
          SecondNum = 3
          ThirdNum = 4
          Max = 8
        end
        object lbLimitCompOut2: TLabel
          Left = 2
          Top = 35
          Caption = 'Limit'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbClipCompOut2: TLabel
          Left = 2
          Top = 58
          Caption = 'Clip'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb12CompOut2: TLabel
          Left = 2
          Top = 81
          Caption = '+12'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb5CompOut2: TLabel
          Left = 2
          Top = 105
          Caption = '+5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb0CompOut2: TLabel
          Left = 2
          Top = 128
          Caption = '0'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN5CompOut2: TLabel
          Left = 2
          Top = 151
          Caption = '-5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN15CompOut2: TLabel
          Left = 2
          Top = 175
          Caption = '-15'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN30CompOut2: TLabel
          Left = 2
          Top = 198
          Caption = '-30'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN60CompOut2: TLabel
          Left = 2
          Top = 222
          Caption = '-60'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
      end
      object plLevelCompOut3: TPanel
        Left = 946
        Top = 30
        Width = 70
        Height = 247
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object lbLevelCompOut3: TLabel
          Left = 2
          Top = 2
          Caption = 'Out3'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object pbLimitCompOut3: LProgressBar
          Left = 50
          Top = 30
          Width = 14
          Height = 22
          Tag = 3
          SecondColor = 20123
          FirstNum = 0
          SecondNum = 1
          ThirdNum = 0
          Max = 1
          LSecondColor = 4629503
        end
        object pbLevelCompOut3: LProgressBar
          Left = 50
          Top = 55
          Width = 14
          Height = 185
          Tag = 0
          FirstNum = 1
          SecondNum = 3
          ThirdNum = 4
          Max = 8
        end
        object lbLimitCompOut3: TLabel
          Left = 2
          Top = 35
          Caption = 'Limit'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbClipCompOut3: TLabel
          Left = 2
          Top = 58
          Caption = 'Clip'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb12CompOut3: TLabel
          Left = 2
          Top = 81
          Caption = '+12'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb5CompOut3: TLabel
          Left = 2
          Top = 105
          Caption = '+5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb0CompOut3: TLabel
          Left = 2
          Top = 128
          Caption = '0'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN5CompOut3: TLabel
          Left = 2
          Top = 151
          Caption = '-5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN15CompOut3: TLabel
          Left = 2
          Top = 175
          Caption = '-15'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN30CompOut3: TLabel
          Left = 2
          Top = 198
          Caption = '-30'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN60CompOut3: TLabel
          Left = 2
          Top = 222
          Caption = '-60'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
      end
      object plLevelCompOut4: TPanel
        Left = 1019
        Top = 30
        Width = 70
        Height = 247
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object lbLevelCompOut4: TLabel
          Left = 2
          Top = 2
          Caption = 'Out4'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object pbLimitCompOut4: LProgressBar
          Left = 50
          Top = 30
          Width = 14
          Height = 22
          Tag = 3
          SecondColor = 20123
          FirstNum = 0
          SecondNum = 1
          ThirdNum = 0
          Max = 1
          LSecondColor = 4629503
        end
        object pbLevelCompOut4: LProgressBar
          Left = 50
          Top = 55
          Width = 14
          Height = 185
          Tag = 0
          FirstNum = 1
          SecondNum = 3
          ThirdNum = 4
          Max = 8
        end
        object lbLimitCompOut4: TLabel
          Left = 2
          Top = 35
          Caption = 'Limit'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbClipCompOut4: TLabel
          Left = 2
          Top = 58
          Caption = 'Clip'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb12CompOut4: TLabel
          Left = 2
          Top = 81
          Caption = '+12'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb5CompOut4: TLabel
          Left = 2
          Top = 105
          Caption = '+5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lb0CompOut4: TLabel
          Left = 2
          Top = 128
          Caption = '0'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN5CompOut4: TLabel
          Left = 2
          Top = 151
          Caption = '-5'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN15CompOut4: TLabel
          Left = 2
          Top = 175
          Caption = '-15'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN30CompOut4: TLabel
          Left = 2
          Top = 198
          Caption = '-30'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
        object lbN60CompOut4: TLabel
          Left = 2
          Top = 222
          Caption = '-60'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 46
          Height = 16
        end
      end
    end
    object rzgParamComp: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object rzgCompOut1: TRzGroupBox
        Left = 4
        Top = 4
        Width = 260
        Height = 274
        GroupStyle = gsCustom
        BorderOuter = fsFlat
        Color = $00402C1C
        Caption = ''
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        object lbCompOut1: TLabel
          Left = 8
          Top = 4
          Tag = 2
          Caption = 'Out1'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          OnMouseDown = lbCompOut1MouseDown
        end
        object lbCompThresholdOut1: TLabel
          Left = 7
          Top = 22
          Caption = 'Threshold'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompThresholdOut1: TAdvTrackBar
          Left = 24
          Top = 40
          Width = 26
          Height = 196
          Tag = 2
          Orientation = trVertical
          Min = -180
          Max = 40
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompThresholdOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompThresholdOut1: TCurvyEdit
          Left = 7
          Top = 244
          Width = 60
          Height = 24
          Tag = 2
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompThresholdOut1KeyDown
          OnExit = cvdCompThresholdOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompRatioOut1: TLabel
          Left = 69
          Top = 22
          Caption = 'Ratio'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompRatioOut1: TAdvTrackBar
          Left = 86
          Top = 40
          Width = 26
          Height = 196
          Tag = 2
          Orientation = trVertical
          Min = 0
          Max = 15
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompRatioOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompRatioOut1: TCurvyEdit
          Left = 69
          Top = 244
          Width = 60
          Height = 24
          Tag = 2
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '1:1.0'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompRatioOut1KeyDown
          OnExit = cvdCompRatioOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompAttackOut1: TLabel
          Left = 131
          Top = 22
          Caption = 'Attack'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompAttackOut1: TAdvTrackBar
          Left = 148
          Top = 40
          Width = 26
          Height = 196
          Tag = 2
          Orientation = trVertical
          Min = 0
          Max = 998
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompAttackOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompAttackOut1: TCurvyEdit
          Left = 131
          Top = 244
          Width = 60
          Height = 24
          Tag = 2
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '  1ms'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompAttackOut1KeyDown
          OnExit = cvdCompAttackOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompReleaseOut1: TLabel
          Left = 193
          Top = 22
          Caption = 'Release'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompReleaseOut1: TAdvTrackBar
          Left = 210
          Top = 40
          Width = 26
          Height = 196
          Tag = 2
          Orientation = trVertical
          Min = 0
          Max = 998
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompReleaseOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompReleaseOut1: TCurvyEdit
          Left = 193
          Top = 244
          Width = 60
          Height = 24
          Tag = 2
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '  1ms'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompReleaseOut1KeyDown
          OnExit = cvdCompReleaseOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
      end
      object rzgCompOut2: TRzGroupBox
        Left = 270
        Top = 4
        Width = 260
        Height = 274
        GroupStyle = gsCustom
        BorderOuter = fsFlat
        Color = $00402C1C
        Caption = ''
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        object lbCompOut2: TLabel
          Left = 8
          Top = 4
          Tag = 3
          Caption = 'Out2'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          OnMouseDown = lbCompOut1MouseDown
        end
        object lbCompThresholdOut2: TLabel
          Left = 7
          Top = 22
          Caption = 'Threshold'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompThresholdOut2: TAdvTrackBar
          Left = 24
          Top = 40
          Width = 26
          Height = 196
          Tag = 3
          Orientation = trVertical
          Min = -180
          Max = 40
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompThresholdOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompThresholdOut2: TCurvyEdit
          Left = 7
          Top = 244
          Width = 60
          Height = 24
          Tag = 3
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompThresholdOut1KeyDown
          OnExit = cvdCompThresholdOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompRatioOut2: TLabel
          Left = 69
          Top = 22
          Caption = 'Ratio'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompRatioOut2: TAdvTrackBar
          Left = 86
          Top = 40
          Width = 26
          Height = 196
          Tag = 3
          Orientation = trVertical
          Min = 0
          Max = 15
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompRatioOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompRatioOut2: TCurvyEdit
          Left = 69
          Top = 244
          Width = 60
          Height = 24
          Tag = 3
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '1:1.0'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompRatioOut1KeyDown
          OnExit = cvdCompRatioOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompAttackOut2: TLabel
          Left = 131
          Top = 22
          Caption = 'Attack'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompAttackOut2: TAdvTrackBar
          Left = 148
          Top = 40
          Width = 26
          Height = 196
          Tag = 3
          Orientation = trVertical
          Min = 0
          Max = 998
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompAttackOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompAttackOut2: TCurvyEdit
          Left = 131
          Top = 244
          Width = 60
          Height = 24
          Tag = 3
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '  1ms'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompAttackOut1KeyDown
          OnExit = cvdCompAttackOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompReleaseOut2: TLabel
          Left = 193
          Top = 22
          Caption = 'Release'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompReleaseOut2: TAdvTrackBar
          Left = 210
          Top = 40
          Width = 26
          Height = 196
          Tag = 3
          Orientation = trVertical
          Min = 0
          Max = 998
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompReleaseOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompReleaseOut2: TCurvyEdit
          Left = 193
          Top = 244
          Width = 60
          Height = 24
          Tag = 3
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '  1ms'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompReleaseOut1KeyDown
          OnExit = cvdCompReleaseOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
      end
      object rzgCompOut3: TRzGroupBox
        Left = 536
        Top = 4
        Width = 260
        Height = 274
        GroupStyle = gsCustom
        BorderOuter = fsFlat
        Color = $00402C1C
        Caption = ''
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        object lbCompOut3: TLabel
          Left = 8
          Top = 4
          Tag = 4
          Caption = 'Out3'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          OnMouseDown = lbCompOut1MouseDown
        end
        object lbCompThresholdOut3: TLabel
          Left = 7
          Top = 22
          Caption = 'Threshold'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompThresholdOut3: TAdvTrackBar
          Left = 24
          Top = 40
          Width = 26
          Height = 196
          Tag = 4
          Orientation = trVertical
          Min = -180
          Max = 40
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompThresholdOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompThresholdOut3: TCurvyEdit
          Left = 7
          Top = 244
          Width = 60
          Height = 24
          Tag = 4
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompThresholdOut1KeyDown
          OnExit = cvdCompThresholdOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompRatioOut3: TLabel
          Left = 69
          Top = 22
          Caption = 'Ratio'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompRatioOut3: TAdvTrackBar
          Left = 86
          Top = 40
          Width = 26
          Height = 196
          Tag = 4
          Orientation = trVertical
          Min = 0
          Max = 15
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompRatioOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompRatioOut3: TCurvyEdit
          Left = 69
          Top = 244
          Width = 60
          Height = 24
          Tag = 4
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '1:1.0'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompRatioOut1KeyDown
          OnExit = cvdCompRatioOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompAttackOut3: TLabel
          Left = 131
          Top = 22
          Caption = 'Attack'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompAttackOut3: TAdvTrackBar
          Left = 148
          Top = 40
          Width = 26
          Height = 196
          Tag = 4
          Orientation = trVertical
          Min = 0
          Max = 998
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompAttackOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompAttackOut3: TCurvyEdit
          Left = 131
          Top = 244
          Width = 60
          Height = 24
          Tag = 4
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '  1ms'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompAttackOut1KeyDown
          OnExit = cvdCompAttackOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompReleaseOut3: TLabel
          Left = 193
          Top = 22
          Caption = 'Release'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompReleaseOut3: TAdvTrackBar
          Left = 210
          Top = 40
          Width = 26
          Height = 196
          Tag = 4
          Orientation = trVertical
          Min = 0
          Max = 998
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompReleaseOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompReleaseOut3: TCurvyEdit
          Left = 193
          Top = 244
          Width = 60
          Height = 24
          Tag = 4
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '  1ms'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompReleaseOut1KeyDown
          OnExit = cvdCompReleaseOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
      end
      object rzgCompOut4: TRzGroupBox
        Left = 802
        Top = 4
        Width = 260
        Height = 274
        GroupStyle = gsCustom
        BorderOuter = fsFlat
        Color = $00402C1C
        Caption = ''
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        object lbCompOut4: TLabel
          Left = 8
          Top = 4
          Tag = 5
          Caption = 'Out4'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          OnMouseDown = lbCompOut1MouseDown
        end
        object lbCompThresholdOut4: TLabel
          Left = 7
          Top = 22
          Caption = 'Threshold'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompThresholdOut4: TAdvTrackBar
          Left = 24
          Top = 40
          Width = 26
          Height = 196
          Tag = 5
          Orientation = trVertical
          Min = -180
          Max = 40
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompThresholdOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompThresholdOut4: TCurvyEdit
          Left = 7
          Top = 244
          Width = 60
          Height = 24
          Tag = 5
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '+0.0dB'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompThresholdOut1KeyDown
          OnExit = cvdCompThresholdOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompRatioOut4: TLabel
          Left = 69
          Top = 22
          Caption = 'Ratio'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompRatioOut4: TAdvTrackBar
          Left = 86
          Top = 40
          Width = 26
          Height = 196
          Tag = 5
          Orientation = trVertical
          Min = 0
          Max = 15
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompRatioOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompRatioOut4: TCurvyEdit
          Left = 69
          Top = 244
          Width = 60
          Height = 24
          Tag = 5
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '1:1.0'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompRatioOut1KeyDown
          OnExit = cvdCompRatioOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompAttackOut4: TLabel
          Left = 131
          Top = 22
          Caption = 'Attack'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompAttackOut4: TAdvTrackBar
          Left = 148
          Top = 40
          Width = 26
          Height = 196
          Tag = 5
          Orientation = trVertical
          Min = 0
          Max = 998
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompAttackOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompAttackOut4: TCurvyEdit
          Left = 131
          Top = 244
          Width = 60
          Height = 24
          Tag = 5
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '  1ms'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompAttackOut1KeyDown
          OnExit = cvdCompAttackOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
        object lbCompReleaseOut4: TLabel
          Left = 193
          Top = 22
          Caption = 'Release'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
          AutoSize = False
          Width = 60
          Height = 16
          Alignment = taCenter
        end
        object isCompReleaseOut4: TAdvTrackBar
          Left = 210
          Top = 40
          Width = 26
          Height = 196
          Tag = 5
          Orientation = trVertical
          Min = 0
          Max = 998
          Position = 0
          PageSize = 10
          Slider.Size = 3
          TickMark.Style = tsNone
          Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
          Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
          Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
          OnChange = isCompReleaseOut1Change
          OnMouseDown = isCompThresholdOut1MouseDown
        end
        object cvdCompReleaseOut4: TCurvyEdit
          Left = 193
          Top = 244
          Width = 60
          Height = 24
          Tag = 5
          Alignment = taCenter
          Color = $00DFFFFF
          Text = '  1ms'
          ParentFont = False
          Font.Color = clBlack
          OnKeyDown = cvdCompReleaseOut1KeyDown
          OnExit = cvdCompReleaseOut1Exit
          OnMouseDown = cvdCompThresholdOut1MouseDown
          Rounding = 6
        end
      end
    end
    object rzgFftDelay: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbFftDelayIn: TLabel
        Left = 10
        Top = 4
        Caption = 'Input Delay'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 520
        Height = 16
      end
      object plFftDelayIn: TPanel
        Left = 10
        Top = 24
        Width = 520
        Height = 234
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object lbDelayShowInA: TLabel
          Left = 4
          Top = 57
          Caption = 'InA'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object imDelayInA: TImage
          Left = 40
          Top = 51
          Width = 30
          Height = 30
          Tag = 0
          Picture.File = @':/images/pages/speaker_input.bmp'
        end
        object lbFftDelayTimeInA: TLabel
          Left = 70
          Top = 58
          Tag = 0
          Caption = '0.00ms'
          Color = clBlack
          ParentFont = False
          Font.Color = clWhite
        end
        object lbDelayLineInA: TLabel
          Left = 40
          Top = 41
          Width = 475
          Height = 50
          Tag = 0
          AutoSize = False
          Layout = tlBottom
          Caption = ''
          Transparent = True
          ParentFont = False
          Font.Color = clLime
          Font.Name = 'Arial'
          Font.Height = -18
          OnMouseDown = lbDelayLineInAMouseDown
          OnMouseMove = lbDelayLineInAMouseMove
          OnMouseUp = lbDelayLineInAMouseUp
        end
        object lbDelayShowInB: TLabel
          Left = 4
          Top = 148
          Caption = 'InB'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object imDelayInB: TImage
          Left = 40
          Top = 142
          Width = 30
          Height = 30
          Tag = 1
          Picture.File = @':/images/pages/speaker_input.bmp'
        end
        object lbFftDelayTimeInB: TLabel
          Left = 70
          Top = 149
          Tag = 1
          Caption = '0.00ms'
          Color = clBlack
          ParentFont = False
          Font.Color = clWhite
        end
        object lbDelayLineInB: TLabel
          Left = 40
          Top = 132
          Width = 475
          Height = 50
          Tag = 1
          AutoSize = False
          Layout = tlBottom
          Caption = ''
          Transparent = True
          ParentFont = False
          Font.Color = clLime
          Font.Name = 'Arial'
          Font.Height = -18
          OnMouseDown = lbDelayLineInAMouseDown
          OnMouseMove = lbDelayLineInAMouseMove
          OnMouseUp = lbDelayLineInAMouseUp
        end
      end
      object lbFftDelayOut: TLabel
        Left = 560
        Top = 4
        Caption = 'Output Delay'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 520
        Height = 16
      end
      object plFftDelayOut: TPanel
        Left = 560
        Top = 24
        Width = 520
        Height = 234
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object lbDelayShowOut1: TLabel
          Left = 4
          Top = 26
          Caption = 'Out1'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object imDelayOut1: TImage
          Left = 40
          Top = 20
          Width = 32
          Height = 32
          Tag = 2
          Picture.File = @':/images/pages/speaker_output.bmp'
        end
        object lbFftDelayTimeOut1: TLabel
          Left = 72
          Top = 28
          Tag = 2
          Caption = '0.00ms'
          Color = clBlack
          ParentFont = False
          Font.Color = clWhite
        end
        object lbDelayLineOut1: TLabel
          Left = 40
          Top = 20
          Width = 475
          Height = 32
          Tag = 2
          AutoSize = False
          Layout = tlBottom
          Caption = ''
          Transparent = True
          ParentFont = False
          Font.Color = clLime
          Font.Name = 'Arial'
          Font.Height = -18
          OnMouseDown = lbDelayLineInAMouseDown
          OnMouseMove = lbDelayLineInAMouseMove
          OnMouseUp = lbDelayLineInAMouseUp
        end
        object lbDelayShowOut2: TLabel
          Left = 4
          Top = 76
          Caption = 'Out2'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object imDelayOut2: TImage
          Left = 40
          Top = 70
          Width = 32
          Height = 32
          Tag = 3
          Picture.File = @':/images/pages/speaker_output.bmp'
        end
        object lbFftDelayTimeOut2: TLabel
          Left = 72
          Top = 78
          Tag = 3
          Caption = '0.00ms'
          Color = clBlack
          ParentFont = False
          Font.Color = clWhite
        end
        object lbDelayLineOut2: TLabel
          Left = 40
          Top = 70
          Width = 475
          Height = 32
          Tag = 3
          AutoSize = False
          Layout = tlBottom
          Caption = ''
          Transparent = True
          ParentFont = False
          Font.Color = clLime
          Font.Name = 'Arial'
          Font.Height = -18
          OnMouseDown = lbDelayLineInAMouseDown
          OnMouseMove = lbDelayLineInAMouseMove
          OnMouseUp = lbDelayLineInAMouseUp
        end
        object lbDelayShowOut3: TLabel
          Left = 4
          Top = 126
          Caption = 'Out3'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object imDelayOut3: TImage
          Left = 40
          Top = 120
          Width = 32
          Height = 32
          Tag = 4
          Picture.File = @':/images/pages/speaker_output.bmp'
        end
        object lbFftDelayTimeOut3: TLabel
          Left = 72
          Top = 128
          Tag = 4
          Caption = '0.00ms'
          Color = clBlack
          ParentFont = False
          Font.Color = clWhite
        end
        object lbDelayLineOut3: TLabel
          Left = 40
          Top = 120
          Width = 475
          Height = 32
          Tag = 4
          AutoSize = False
          Layout = tlBottom
          Caption = ''
          Transparent = True
          ParentFont = False
          Font.Color = clLime
          Font.Name = 'Arial'
          Font.Height = -18
          OnMouseDown = lbDelayLineInAMouseDown
          OnMouseMove = lbDelayLineInAMouseMove
          OnMouseUp = lbDelayLineInAMouseUp
        end
        object lbDelayShowOut4: TLabel
          Left = 4
          Top = 176
          Caption = 'Out4'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object imDelayOut4: TImage
          Left = 40
          Top = 170
          Width = 32
          Height = 32
          Tag = 5
          Picture.File = @':/images/pages/speaker_output.bmp'
        end
        object lbFftDelayTimeOut4: TLabel
          Left = 72
          Top = 178
          Tag = 5
          Caption = '0.00ms'
          Color = clBlack
          ParentFont = False
          Font.Color = clWhite
        end
        object lbDelayLineOut4: TLabel
          Left = 40
          Top = 170
          Width = 475
          Height = 32
          Tag = 5
          AutoSize = False
          Layout = tlBottom
          Caption = ''
          Transparent = True
          ParentFont = False
          Font.Color = clLime
          Font.Name = 'Arial'
          Font.Height = -18
          OnMouseDown = lbDelayLineInAMouseDown
          OnMouseMove = lbDelayLineInAMouseMove
          OnMouseUp = lbDelayLineInAMouseUp
        end
      end
    end
    object rzgParamDelay: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbDelayInput: TLabel
        Left = 19
        Top = 4
        Caption = 'Input'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbDelayOutput: TLabel
        Left = 319
        Top = 4
        Caption = 'Output'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbDelayUnit: TLabel
        Left = 950
        Top = 24
        Caption = 'Unit'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbDelayNameInA: TLabel
        Left = 19
        Top = 24
        Caption = 'InA'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isDelayInA: TAdvTrackBar
        Left = 55
        Top = 44
        Width = 26
        Height = 190
        Tag = 0
        Orientation = trVertical
        Min = 0
        Max = 32640
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isDelayInAChange
      end
      object cvdDelayInA: TCurvyEdit
        Left = 15
        Top = 244
        Width = 120
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.00ms'
        ParentFont = False
        Font.Color = clBlack
        OnKeyDown = cvdDelayInBKeyDown
        OnExit = cvdDelayInAExit
      end
      object lbDelayNameInB: TLabel
        Left = 169
        Top = 24
        Caption = 'InB'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isDelayInB: TAdvTrackBar
        Left = 205
        Top = 44
        Width = 26
        Height = 190
        Tag = 1
        Orientation = trVertical
        Min = 0
        Max = 32640
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isDelayInAChange
      end
      object cvdDelayInB: TCurvyEdit
        Left = 165
        Top = 244
        Width = 120
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.00ms'
        ParentFont = False
        Font.Color = clBlack
        OnKeyDown = cvdDelayInBKeyDown
        OnExit = cvdDelayInAExit
      end
      object lbDelayNameOut1: TLabel
        Left = 319
        Top = 24
        Caption = 'Out1'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isDelayOut1: TAdvTrackBar
        Left = 355
        Top = 44
        Width = 26
        Height = 190
        Tag = 2
        Orientation = trVertical
        Min = 0
        Max = 32640
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isDelayInAChange
      end
      object cvdDelayOut1: TCurvyEdit
        Left = 315
        Top = 244
        Width = 120
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.00ms'
        ParentFont = False
        Font.Color = clBlack
        OnKeyDown = cvdDelayInBKeyDown
        OnExit = cvdDelayInAExit
      end
      object lbDelayNameOut2: TLabel
        Left = 469
        Top = 24
        Caption = 'Out2'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isDelayOut2: TAdvTrackBar
        Left = 505
        Top = 44
        Width = 26
        Height = 190
        Tag = 3
        Orientation = trVertical
        Min = 0
        Max = 32640
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isDelayInAChange
      end
      object cvdDelayOut2: TCurvyEdit
        Left = 465
        Top = 244
        Width = 120
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.00ms'
        ParentFont = False
        Font.Color = clBlack
        OnKeyDown = cvdDelayInBKeyDown
        OnExit = cvdDelayInAExit
      end
      object lbDelayNameOut3: TLabel
        Left = 619
        Top = 24
        Caption = 'Out3'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isDelayOut3: TAdvTrackBar
        Left = 655
        Top = 44
        Width = 26
        Height = 190
        Tag = 4
        Orientation = trVertical
        Min = 0
        Max = 32640
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isDelayInAChange
      end
      object cvdDelayOut3: TCurvyEdit
        Left = 615
        Top = 244
        Width = 120
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.00ms'
        ParentFont = False
        Font.Color = clBlack
        OnKeyDown = cvdDelayInBKeyDown
        OnExit = cvdDelayInAExit
      end
      object lbDelayNameOut4: TLabel
        Left = 769
        Top = 24
        Caption = 'Out4'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isDelayOut4: TAdvTrackBar
        Left = 805
        Top = 44
        Width = 26
        Height = 190
        Tag = 5
        Orientation = trVertical
        Min = 0
        Max = 32640
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isDelayInAChange
      end
      object cvdDelayOut4: TCurvyEdit
        Left = 765
        Top = 244
        Width = 120
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.00ms'
        ParentFont = False
        Font.Color = clBlack
        OnKeyDown = cvdDelayInBKeyDown
        OnExit = cvdDelayInAExit
      end
      object rzbUnit0: TRzBmpButton
        Left = 950
        Top = 50
        Width = 80
        Height = 30
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'ms'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        Down = True
        OnClick = rzbUnit0Click
      end
      object rzbUnit1: TRzBmpButton
        Left = 950
        Top = 110
        Width = 80
        Height = 30
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'm'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbUnit0Click
      end
      object rzbUnit2: TRzBmpButton
        Left = 950
        Top = 170
        Width = 80
        Height = 30
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'ft'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbUnit0Click
      end
    end
    object rzgFftMatrix: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      OnPaint = rzgFftMatrixPaint
      object plMatrixInA: TPanel
        Left = 48
        Top = 70
        Width = 415
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixNameInA: TShape
          Left = 0
          Top = 1
          Width = 58
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameInA: TLabel
          Left = 0
          Top = 3
          Width = 70
          Height = 15
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'InA'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
        end
        object lbMatrixChNameInA: TLabel
          Left = 0
          Top = 20
          Width = 70
          Height = 17
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'Input1'
          Color = clWhite
          ParentFont = False
          Font.Color = clBlack
          Font.Name = 'Times New Roman'
          Font.Height = -12
          OnClick = lbMatrixChNameInAClick
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixGainInA: TShape
          Left = 77
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00007000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixGainInA: TLabel
          Left = 77
          Top = 12
          Width = 50
          Height = 16
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixMuteInA: TShape
          Left = 134
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteInA: TLabel
          Left = 134
          Top = 12
          Width = 50
          Height = 16
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixHpLpInA: TShape
          Left = 191
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixHpLpInA: TLabel
          Left = 191
          Top = 12
          Width = 50
          Height = 16
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'HP/LP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixPeqInA: TShape
          Left = 248
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqInA: TLabel
          Left = 248
          Top = 12
          Width = 50
          Height = 16
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixPhaseInA: TShape
          Left = 305
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseInA: TLabel
          Left = 305
          Top = 12
          Width = 50
          Height = 16
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixDelayInA: TShape
          Left = 362
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00606000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixDelayInA: TLabel
          Left = 362
          Top = 12
          Width = 50
          Height = 16
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixDelayInAClick
        end
      end
      object plMatrixInB: TPanel
        Left = 48
        Top = 180
        Width = 415
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixNameInB: TShape
          Left = 0
          Top = 1
          Width = 58
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameInB: TLabel
          Left = 0
          Top = 3
          Width = 70
          Height = 15
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'InB'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
        end
        object lbMatrixChNameInB: TLabel
          Left = 0
          Top = 20
          Width = 70
          Height = 17
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'Input2'
          Color = clWhite
          ParentFont = False
          Font.Color = clBlack
          Font.Name = 'Times New Roman'
          Font.Height = -12
          OnClick = lbMatrixChNameInAClick
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixGainInB: TShape
          Left = 77
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00007000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixGainInB: TLabel
          Left = 77
          Top = 12
          Width = 50
          Height = 16
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixMuteInB: TShape
          Left = 134
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteInB: TLabel
          Left = 134
          Top = 12
          Width = 50
          Height = 16
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixHpLpInB: TShape
          Left = 191
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixHpLpInB: TLabel
          Left = 191
          Top = 12
          Width = 50
          Height = 16
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'HP/LP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixPeqInB: TShape
          Left = 248
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqInB: TLabel
          Left = 248
          Top = 12
          Width = 50
          Height = 16
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixPhaseInB: TShape
          Left = 305
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseInB: TLabel
          Left = 305
          Top = 12
          Width = 50
          Height = 16
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixDelayInB: TShape
          Left = 362
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00606000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixDelayInB: TLabel
          Left = 362
          Top = 12
          Width = 50
          Height = 16
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixDelayInAClick
        end
      end
      object pbMatrix: TPaintBox
        Left = 465
        Top = 52
        Width = 97
        Height = 178
      end
      object plMatrixOut1: TPanel
        Left = 561
        Top = 40
        Width = 510
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixXoverOut1: TShape
          Left = 2
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixXoverOut1: TLabel
          Left = 2
          Top = 12
          Width = 50
          Height = 16
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'XOVER'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixPeqOut1: TShape
          Left = 61
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqOut1: TLabel
          Left = 61
          Top = 12
          Width = 50
          Height = 16
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixGainOut1: TShape
          Left = 121
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00007000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixGainOut1: TLabel
          Left = 121
          Top = 12
          Width = 50
          Height = 16
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixCompOut1: TShape
          Left = 180
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00804000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixCompOut1: TLabel
          Left = 180
          Top = 12
          Width = 50
          Height = 16
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'COMP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixCompOut1Click
        end
        object spMatrixPhaseOut1: TShape
          Left = 240
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseOut1: TLabel
          Left = 240
          Top = 12
          Width = 50
          Height = 16
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixDelayOut1: TShape
          Left = 298
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00606000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixDelayOut1: TLabel
          Left = 298
          Top = 12
          Width = 50
          Height = 16
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixDelayInAClick
        end
        object spMatrixMuteOut1: TShape
          Left = 359
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteOut1: TLabel
          Left = 359
          Top = 12
          Width = 50
          Height = 16
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixNameOut1: TShape
          Left = 416
          Top = 1
          Width = 58
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameOut1: TLabel
          Left = 418
          Top = 3
          Width = 80
          Height = 15
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'Out1'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
        end
        object lbMatrixChNameOut1: TLabel
          Left = 419
          Top = 20
          Width = 80
          Height = 17
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'Output1'
          Color = clWhite
          ParentFont = False
          Font.Color = clBlack
          Font.Name = 'Times New Roman'
          Font.Height = -12
          OnClick = lbMatrixChNameInAClick
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
      end
      object plMatrixOut2: TPanel
        Left = 561
        Top = 97
        Width = 510
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixXoverOut2: TShape
          Left = 2
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixXoverOut2: TLabel
          Left = 2
          Top = 12
          Width = 50
          Height = 16
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'XOVER'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixPeqOut2: TShape
          Left = 61
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqOut2: TLabel
          Left = 61
          Top = 12
          Width = 50
          Height = 16
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixGainOut2: TShape
          Left = 121
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00007000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixGainOut2: TLabel
          Left = 121
          Top = 12
          Width = 50
          Height = 16
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixCompOut2: TShape
          Left = 180
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00804000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixCompOut2: TLabel
          Left = 180
          Top = 12
          Width = 50
          Height = 16
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'COMP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixCompOut1Click
        end
        object spMatrixPhaseOut2: TShape
          Left = 240
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseOut2: TLabel
          Left = 240
          Top = 12
          Width = 50
          Height = 16
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixDelayOut2: TShape
          Left = 298
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00606000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixDelayOut2: TLabel
          Left = 298
          Top = 12
          Width = 50
          Height = 16
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixDelayInAClick
        end
        object spMatrixMuteOut2: TShape
          Left = 359
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteOut2: TLabel
          Left = 359
          Top = 12
          Width = 50
          Height = 16
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixNameOut2: TShape
          Left = 416
          Top = 1
          Width = 58
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameOut2: TLabel
          Left = 418
          Top = 3
          Width = 80
          Height = 15
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'Out2'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
        end
        object lbMatrixChNameOut2: TLabel
          Left = 419
          Top = 20
          Width = 80
          Height = 17
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'Output2'
          Color = clWhite
          ParentFont = False
          Font.Color = clBlack
          Font.Name = 'Times New Roman'
          Font.Height = -12
          OnClick = lbMatrixChNameInAClick
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
      end
      object plMatrixOut3: TPanel
        Left = 561
        Top = 154
        Width = 510
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixXoverOut3: TShape
          Left = 2
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixXoverOut3: TLabel
          Left = 2
          Top = 12
          Width = 50
          Height = 16
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'XOVER'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixPeqOut3: TShape
          Left = 61
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqOut3: TLabel
          Left = 61
          Top = 12
          Width = 50
          Height = 16
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixGainOut3: TShape
          Left = 121
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00007000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixGainOut3: TLabel
          Left = 121
          Top = 12
          Width = 50
          Height = 16
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixCompOut3: TShape
          Left = 180
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00804000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixCompOut3: TLabel
          Left = 180
          Top = 12
          Width = 50
          Height = 16
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'COMP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixCompOut1Click
        end
        object spMatrixPhaseOut3: TShape
          Left = 240
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseOut3: TLabel
          Left = 240
          Top = 12
          Width = 50
          Height = 16
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixDelayOut3: TShape
          Left = 298
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00606000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixDelayOut3: TLabel
          Left = 298
          Top = 12
          Width = 50
          Height = 16
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixDelayInAClick
        end
        object spMatrixMuteOut3: TShape
          Left = 359
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteOut3: TLabel
          Left = 359
          Top = 12
          Width = 50
          Height = 16
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixNameOut3: TShape
          Left = 416
          Top = 1
          Width = 58
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameOut3: TLabel
          Left = 418
          Top = 3
          Width = 80
          Height = 15
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'Out3'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
        end
        object lbMatrixChNameOut3: TLabel
          Left = 419
          Top = 20
          Width = 80
          Height = 17
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'Output3'
          Color = clWhite
          ParentFont = False
          Font.Color = clBlack
          Font.Name = 'Times New Roman'
          Font.Height = -12
          OnClick = lbMatrixChNameInAClick
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
      end
      object plMatrixOut4: TPanel
        Left = 561
        Top = 211
        Width = 510
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixXoverOut4: TShape
          Left = 2
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixXoverOut4: TLabel
          Left = 2
          Top = 12
          Width = 50
          Height = 16
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'XOVER'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixPeqOut4: TShape
          Left = 61
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqOut4: TLabel
          Left = 61
          Top = 12
          Width = 50
          Height = 16
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixGainOut4: TShape
          Left = 121
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00007000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixGainOut4: TLabel
          Left = 121
          Top = 12
          Width = 50
          Height = 16
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixCompOut4: TShape
          Left = 180
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00804000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixCompOut4: TLabel
          Left = 180
          Top = 12
          Width = 50
          Height = 16
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'COMP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixCompOut1Click
        end
        object spMatrixPhaseOut4: TShape
          Left = 240
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseOut4: TLabel
          Left = 240
          Top = 12
          Width = 50
          Height = 16
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixDelayOut4: TShape
          Left = 298
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00606000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixDelayOut4: TLabel
          Left = 298
          Top = 12
          Width = 50
          Height = 16
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixDelayInAClick
        end
        object spMatrixMuteOut4: TShape
          Left = 359
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteOut4: TLabel
          Left = 359
          Top = 12
          Width = 50
          Height = 16
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
          OnClick = lbMatrixHpLpInAClick
        end
        object spMatrixNameOut4: TShape
          Left = 416
          Top = 1
          Width = 58
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameOut4: TLabel
          Left = 418
          Top = 3
          Width = 80
          Height = 15
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'Out4'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -12
          Font.Style = [fsBold]
        end
        object lbMatrixChNameOut4: TLabel
          Left = 419
          Top = 20
          Width = 80
          Height = 17
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'Output4'
          Color = clWhite
          ParentFont = False
          Font.Color = clBlack
          Font.Name = 'Times New Roman'
          Font.Height = -12
          OnClick = lbMatrixChNameInAClick
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
      end
    end
    object rzgParamMatrix: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object rzgMatrixOut1: TRzGroupBox
        Left = 20
        Top = 40
        Width = 240
        Height = 200
        GroupStyle = gsCustom
        BorderOuter = fsFlat
        Color = $00503A28
        Caption = ''
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        object lbMatrixOut1: TLabel
          Left = 12
          Top = 10
          Caption = 'Out1'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object rzbAMatrixOut1: TRzBmpButton
          Left = 20
          Top = 60
          Width = 96
          Height = 36
          Tag = 0
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InA'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 1
          AllowAllUp = True
          Down = True
          OnClick = rzbAMatrixOut1Click
        end
        object rzbBMatrixOut1: TRzBmpButton
          Left = 124
          Top = 60
          Width = 96
          Height = 36
          Tag = 1
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InB'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          OnClick = rzbAMatrixOut1Click
        end
        object rzbCMatrixOut1: TRzBmpButton
          Left = 20
          Top = 110
          Width = 96
          Height = 36
          Tag = 2
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InC'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          Visible = False
        end
        object rzbDMatrixOut1: TRzBmpButton
          Left = 124
          Top = 110
          Width = 96
          Height = 36
          Tag = 3
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InD'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 4
          AllowAllUp = True
          Visible = False
        end
      end
      object rzgMatrixOut2: TRzGroupBox
        Left = 280
        Top = 40
        Width = 240
        Height = 200
        GroupStyle = gsCustom
        BorderOuter = fsFlat
        Color = $00503A28
        Caption = ''
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        object lbMatrixOut2: TLabel
          Left = 12
          Top = 10
          Caption = 'Out2'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object rzbAMatrixOut2: TRzBmpButton
          Left = 20
          Top = 60
          Width = 96
          Height = 36
          Tag = 0
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InA'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 1
          AllowAllUp = True
          OnClick = rzbAMatrixOut2Click
        end
        object rzbBMatrixOut2: TRzBmpButton
          Left = 124
          Top = 60
          Width = 96
          Height = 36
          Tag = 1
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InB'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          Down = True
          OnClick = rzbAMatrixOut2Click
        end
        object rzbCMatrixOut2: TRzBmpButton
          Left = 20
          Top = 110
          Width = 96
          Height = 36
          Tag = 2
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InC'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          Visible = False
        end
        object rzbDMatrixOut2: TRzBmpButton
          Left = 124
          Top = 110
          Width = 96
          Height = 36
          Tag = 3
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InD'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 4
          AllowAllUp = True
          Visible = False
        end
      end
      object rzgMatrixOut3: TRzGroupBox
        Left = 540
        Top = 40
        Width = 240
        Height = 200
        GroupStyle = gsCustom
        BorderOuter = fsFlat
        Color = $00503A28
        Caption = ''
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        object lbMatrixOut3: TLabel
          Left = 12
          Top = 10
          Caption = 'Out3'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object rzbAMatrixOut3: TRzBmpButton
          Left = 20
          Top = 60
          Width = 96
          Height = 36
          Tag = 0
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InA'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 1
          AllowAllUp = True
          Down = True
          OnClick = rzbAMatrixOut3Click
        end
        object rzbBMatrixOut3: TRzBmpButton
          Left = 124
          Top = 60
          Width = 96
          Height = 36
          Tag = 1
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InB'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          OnClick = rzbAMatrixOut3Click
        end
        object rzbCMatrixOut3: TRzBmpButton
          Left = 20
          Top = 110
          Width = 96
          Height = 36
          Tag = 2
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InC'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          Visible = False
        end
        object rzbDMatrixOut3: TRzBmpButton
          Left = 124
          Top = 110
          Width = 96
          Height = 36
          Tag = 3
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InD'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 4
          AllowAllUp = True
          Visible = False
        end
      end
      object rzgMatrixOut4: TRzGroupBox
        Left = 800
        Top = 40
        Width = 240
        Height = 200
        GroupStyle = gsCustom
        BorderOuter = fsFlat
        Color = $00503A28
        Caption = ''
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        object lbMatrixOut4: TLabel
          Left = 12
          Top = 10
          Caption = 'Out4'
          ParentFont = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          Transparent = True
        end
        object rzbAMatrixOut4: TRzBmpButton
          Left = 20
          Top = 60
          Width = 96
          Height = 36
          Tag = 0
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InA'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 1
          AllowAllUp = True
          OnClick = rzbAMatrixOut4Click
        end
        object rzbBMatrixOut4: TRzBmpButton
          Left = 124
          Top = 60
          Width = 96
          Height = 36
          Tag = 1
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InB'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 2
          AllowAllUp = True
          Down = True
          OnClick = rzbAMatrixOut4Click
        end
        object rzbCMatrixOut4: TRzBmpButton
          Left = 20
          Top = 110
          Width = 96
          Height = 36
          Tag = 2
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InC'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 3
          AllowAllUp = True
          Visible = False
        end
        object rzbDMatrixOut4: TRzBmpButton
          Left = 124
          Top = 110
          Width = 96
          Height = 36
          Tag = 3
          Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
          Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
          Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
          Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
          Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
          ButtonSize = bszStretchToButton
          Caption = 'InD'
          ParentFont = False
          Font.Color = clBlack
          Font.Style = [fsBold]
          GroupIndex = 4
          AllowAllUp = True
          Visible = False
        end
      end
    end
    object rzgFftInA: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbFftChannelInA: TLabel
        Left = 8
        Top = 4
        Caption = 'InA'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rbShowGainInA: TRadioButton
        Left = 50
        Top = 2
        Width = 48
        Height = 18
        Tag = 0
        Caption = 'Mag'
        Color = clBlack
        ParentFont = False
        Font.Color = clYellow
        Checked = True
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseInA: TRadioButton
        Left = 100
        Top = 2
        Width = 58
        Height = 18
        Tag = 0
        Caption = 'Phase'
        Color = clBlack
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object lbFftParamInA: TLabel
        Left = 164
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rzgFftShowChInA: TRzGroupBox
        Left = 500
        Top = 2
        Width = 176
        Height = 20
        GroupStyle = gsCustom
        Transparent = True
        Visible = True
        object vrbShowBInA: TVrPowerButton
          Left = 2
          Top = 0
          Width = 60
          Height = 20
          Tag = 1
          Caption = 'InB'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShowBInAClick
        end
      end
      object vrbEqBypassInA: TVrDemoButton
        Left = 776
        Top = 2
        Width = 78
        Height = 20
        Tag = 0
        Caption = 'EQ Bypass'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqResetInA: TVrDemoButton
        Left = 857
        Top = 2
        Width = 74
        Height = 20
        Tag = 0
        Caption = 'Reset EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqResetInAClick
      end
      object vrbEqShowAllInA: TVrPowerButton
        Left = 934
        Top = 2
        Width = 122
        Height = 20
        Tag = 0
        Caption = 'SHOW ALL EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object fftDrawInA: LMyFFTDrawPhase
        Left = 20
        Top = 24
        Width = 1070
        Height = 255
        Tag = 0
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
      object pbLevelInA: LProgressBar
        Left = 1092
        Top = 40
        Width = 14
        Height = 239
        Tag = 0
        FirstNum = 1
        SecondNum = 2
        ThirdNum = 6
        Max = 9
        Anchors = [akTop, akRight, akBottom]
      end
    end
    object rzgParamInA: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbEqInA: TLabel
        Left = 6
        Top = 4
        Caption = ' PEQ       Frequency              Q                    Gain                 Type                Bypass'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 470
        Height = 16
      end
      object peqPeqInA: TMyPEQAllpass
        Left = 6
        Top = 24
        Width = 470
        Height = 254
        Tag = 0
        ChannelNumber = 8
        UpdownVisable = False
        Caption = ''
        Color = $00402C1C
        EditBackColor = $00DFFFFF
        BypassBackColor = $00C0C0C0
        LabelColor = clWhite
        ParentFont = False
        Font.Color = clBlack
        OnChange = peqPeqInAChange
        OnEditMouseDown = peqPeqInAEditMouseDown
        OnPeqTypeMouseWheel = peqPeqInAPeqTypeMouseWheel
      end
      object rzbEq1InA: TRzBmpButton
        Left = 482
        Top = 24
        Width = 34
        Height = 25
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '1'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq2InA: TRzBmpButton
        Left = 482
        Top = 52
        Width = 34
        Height = 25
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '2'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq3InA: TRzBmpButton
        Left = 482
        Top = 80
        Width = 34
        Height = 25
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '3'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq4InA: TRzBmpButton
        Left = 482
        Top = 108
        Width = 34
        Height = 25
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '4'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq5InA: TRzBmpButton
        Left = 482
        Top = 136
        Width = 34
        Height = 25
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '5'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq6InA: TRzBmpButton
        Left = 482
        Top = 164
        Width = 34
        Height = 25
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '6'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq7InA: TRzBmpButton
        Left = 482
        Top = 192
        Width = 34
        Height = 25
        Tag = 6
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '7'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq8InA: TRzBmpButton
        Left = 482
        Top = 220
        Width = 34
        Height = 25
        Tag = 7
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '8'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object lbEqParamInA: TLabel
        Left = 526
        Top = 2
        Caption = 'PEQ Parameter'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 200
        Height = 16
      end
      object lbEqFreqInA: TLabel
        Left = 528
        Top = 22
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqInA: TAdvTrackBar
        Left = 544
        Top = 40
        Width = 26
        Height = 196
        Tag = 0
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqInA: TCurvyEdit
        Left = 524
        Top = 244
        Width = 66
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
        OnKeyDown = cvdEqFreqInAKeyDown
        OnExit = cvdEqFreqInAExit
      end
      object lbEqBwInA: TLabel
        Left = 598
        Top = 22
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwInA: TAdvTrackBar
        Left = 614
        Top = 40
        Width = 26
        Height = 196
        Tag = 0
        Orientation = trVertical
        Min = 0
        Max = 100
        Position = 0
        PageSize = 5
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqBwInAChange
      end
      object cvdEqBwInA: TCurvyEdit
        Left = 594
        Top = 244
        Width = 66
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.40'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbEqGainInA: TLabel
        Left = 668
        Top = 22
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainInA: TAdvTrackBar
        Left = 684
        Top = 40
        Width = 26
        Height = 196
        Tag = 0
        Orientation = trVertical
        Min = 0
        Max = 240
        Position = 120
        PageSize = 3
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqGainInAChange
      end
      object cvdEqGainInA: TCurvyEdit
        Left = 664
        Top = 244
        Width = 66
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutFreqInA: TLabel
        Left = 740
        Top = 8
        Caption = 'HPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqInA: TAdvTrackBar
        Left = 744
        Top = 26
        Width = 26
        Height = 210
        Tag = 0
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isLowCutFreqInAChange
      end
      object rzcLowCutSlopInA: TRzComboBox
        Left = 774
        Top = 60
        Width = 76
        Height = 21
        Tag = 0
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcLowCutSlopInAChange
        OnMouseWheel = rzcLowCutSlopInAMouseWheel
      end
      object rzbLowCutBypassInA: TRzBmpButton
        Left = 774
        Top = 110
        Width = 76
        Height = 28
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 21
        AllowAllUp = True
        OnClick = rzbLowCutBypassInAClick
      end
      object cvdLowCutFreqInA: TCurvyEdit
        Left = 774
        Top = 244
        Width = 76
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutSlopInA: TLabel
        Left = 774
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbHighCutFreqInA: TLabel
        Left = 856
        Top = 8
        Caption = 'LPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqInA: TAdvTrackBar
        Left = 860
        Top = 26
        Width = 26
        Height = 210
        Tag = 0
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 300
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isHighCutFreqInAChange
      end
      object rzcHighCutSlopInA: TRzComboBox
        Left = 890
        Top = 60
        Width = 76
        Height = 21
        Tag = 0
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcHighCutSlopInAChange
        OnMouseWheel = rzcHighCutSlopInAMouseWheel
      end
      object rzbHighCutBypassInA: TRzBmpButton
        Left = 890
        Top = 110
        Width = 76
        Height = 28
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 22
        AllowAllUp = True
        OnClick = rzbHighCutBypassInAClick
      end
      object cvdHighCutFreqInA: TCurvyEdit
        Left = 890
        Top = 244
        Width = 76
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutSlopInA: TLabel
        Left = 890
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainInA: TLabel
        Left = 982
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainNameInA: TLabel
        Left = 1018
        Top = 8
        Caption = 'InA'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isGainInA: TAdvTrackBar
        Left = 982
        Top = 26
        Width = 26
        Height = 210
        Tag = 0
        Orientation = trVertical
        Min = -280
        Max = 120
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isGainInAChange
      end
      object cvdGainInA: TCurvyEdit
        Left = 978
        Top = 244
        Width = 80
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object rzbMuteInA: TRzBmpButton
        Left = 1012
        Top = 60
        Width = 48
        Height = 30
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Mute'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseInA: TRzBmpButton
        Left = 1012
        Top = 110
        Width = 48
        Height = 30
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Normal'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
    end
    object rzgFftInB: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbFftChannelInB: TLabel
        Left = 8
        Top = 4
        Caption = 'InB'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rbShowGainInB: TRadioButton
        Left = 50
        Top = 2
        Width = 48
        Height = 18
        Tag = 1
        Caption = 'Mag'
        Color = clBlack
        ParentFont = False
        Font.Color = clYellow
        Checked = True
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseInB: TRadioButton
        Left = 100
        Top = 2
        Width = 58
        Height = 18
        Tag = 1
        Caption = 'Phase'
        Color = clBlack
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object lbFftParamInB: TLabel
        Left = 164
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rzgFftShowChInB: TRzGroupBox
        Left = 500
        Top = 2
        Width = 176
        Height = 20
        GroupStyle = gsCustom
        Transparent = True
        Visible = True
        object vrbShowAInB: TVrPowerButton
          Left = 2
          Top = 0
          Width = 60
          Height = 20
          Tag = 0
          Caption = 'InA'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShowAInBClick
        end
      end
      object vrbEqBypassInB: TVrDemoButton
        Left = 776
        Top = 2
        Width = 78
        Height = 20
        Tag = 1
        Caption = 'EQ Bypass'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqResetInB: TVrDemoButton
        Left = 857
        Top = 2
        Width = 74
        Height = 20
        Tag = 1
        Caption = 'Reset EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqResetInAClick
      end
      object vrbEqShowAllInB: TVrPowerButton
        Left = 934
        Top = 2
        Width = 122
        Height = 20
        Tag = 1
        Caption = 'SHOW ALL EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object fftDrawInB: LMyFFTDrawPhase
        Left = 20
        Top = 24
        Width = 1070
        Height = 255
        Tag = 1
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
      object pbLevelInB: LProgressBar
        Left = 1092
        Top = 40
        Width = 14
        Height = 239
        Tag = 1
        FirstNum = 1
        SecondNum = 2
        ThirdNum = 6
        Max = 9
        Anchors = [akTop, akRight, akBottom]
      end
    end
    object rzgParamInB: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbEqInB: TLabel
        Left = 6
        Top = 4
        Caption = ' PEQ       Frequency              Q                    Gain                 Type                Bypass'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 470
        Height = 16
      end
      object peqPeqInB: TMyPEQAllpass
        Left = 6
        Top = 24
        Width = 470
        Height = 254
        Tag = 1
        ChannelNumber = 8
        UpdownVisable = False
        Caption = ''
        Color = $00402C1C
        EditBackColor = $00DFFFFF
        BypassBackColor = $00C0C0C0
        LabelColor = clWhite
        ParentFont = False
        Font.Color = clBlack
        OnChange = peqPeqInAChange
        OnEditMouseDown = peqPeqInAEditMouseDown
        OnPeqTypeMouseWheel = peqPeqInAPeqTypeMouseWheel
      end
      object rzbEq1InB: TRzBmpButton
        Left = 482
        Top = 24
        Width = 34
        Height = 25
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '1'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq2InB: TRzBmpButton
        Left = 482
        Top = 52
        Width = 34
        Height = 25
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '2'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq3InB: TRzBmpButton
        Left = 482
        Top = 80
        Width = 34
        Height = 25
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '3'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq4InB: TRzBmpButton
        Left = 482
        Top = 108
        Width = 34
        Height = 25
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '4'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq5InB: TRzBmpButton
        Left = 482
        Top = 136
        Width = 34
        Height = 25
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '5'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq6InB: TRzBmpButton
        Left = 482
        Top = 164
        Width = 34
        Height = 25
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '6'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq7InB: TRzBmpButton
        Left = 482
        Top = 192
        Width = 34
        Height = 25
        Tag = 6
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '7'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq8InB: TRzBmpButton
        Left = 482
        Top = 220
        Width = 34
        Height = 25
        Tag = 7
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '8'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object lbEqParamInB: TLabel
        Left = 526
        Top = 2
        Caption = 'PEQ Parameter'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 200
        Height = 16
      end
      object lbEqFreqInB: TLabel
        Left = 528
        Top = 22
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqInB: TAdvTrackBar
        Left = 544
        Top = 40
        Width = 26
        Height = 196
        Tag = 1
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqInB: TCurvyEdit
        Left = 524
        Top = 244
        Width = 66
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
        OnKeyDown = cvdEqFreqInAKeyDown
        OnExit = cvdEqFreqInAExit
      end
      object lbEqBwInB: TLabel
        Left = 598
        Top = 22
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwInB: TAdvTrackBar
        Left = 614
        Top = 40
        Width = 26
        Height = 196
        Tag = 1
        Orientation = trVertical
        Min = 0
        Max = 100
        Position = 0
        PageSize = 5
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqBwInAChange
      end
      object cvdEqBwInB: TCurvyEdit
        Left = 594
        Top = 244
        Width = 66
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.40'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbEqGainInB: TLabel
        Left = 668
        Top = 22
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainInB: TAdvTrackBar
        Left = 684
        Top = 40
        Width = 26
        Height = 196
        Tag = 1
        Orientation = trVertical
        Min = 0
        Max = 240
        Position = 120
        PageSize = 3
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqGainInAChange
      end
      object cvdEqGainInB: TCurvyEdit
        Left = 664
        Top = 244
        Width = 66
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutFreqInB: TLabel
        Left = 740
        Top = 8
        Caption = 'HPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqInB: TAdvTrackBar
        Left = 744
        Top = 26
        Width = 26
        Height = 210
        Tag = 1
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isLowCutFreqInAChange
      end
      object rzcLowCutSlopInB: TRzComboBox
        Left = 774
        Top = 60
        Width = 76
        Height = 21
        Tag = 1
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcLowCutSlopInAChange
        OnMouseWheel = rzcLowCutSlopInAMouseWheel
      end
      object rzbLowCutBypassInB: TRzBmpButton
        Left = 774
        Top = 110
        Width = 76
        Height = 28
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 21
        AllowAllUp = True
        OnClick = rzbLowCutBypassInAClick
      end
      object cvdLowCutFreqInB: TCurvyEdit
        Left = 774
        Top = 244
        Width = 76
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutSlopInB: TLabel
        Left = 774
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbHighCutFreqInB: TLabel
        Left = 856
        Top = 8
        Caption = 'LPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqInB: TAdvTrackBar
        Left = 860
        Top = 26
        Width = 26
        Height = 210
        Tag = 1
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 300
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isHighCutFreqInAChange
      end
      object rzcHighCutSlopInB: TRzComboBox
        Left = 890
        Top = 60
        Width = 76
        Height = 21
        Tag = 1
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcHighCutSlopInAChange
        OnMouseWheel = rzcHighCutSlopInAMouseWheel
      end
      object rzbHighCutBypassInB: TRzBmpButton
        Left = 890
        Top = 110
        Width = 76
        Height = 28
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 22
        AllowAllUp = True
        OnClick = rzbHighCutBypassInAClick
      end
      object cvdHighCutFreqInB: TCurvyEdit
        Left = 890
        Top = 244
        Width = 76
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutSlopInB: TLabel
        Left = 890
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainInB: TLabel
        Left = 982
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainNameInB: TLabel
        Left = 1018
        Top = 8
        Caption = 'InB'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isGainInB: TAdvTrackBar
        Left = 982
        Top = 26
        Width = 26
        Height = 210
        Tag = 1
        Orientation = trVertical
        Min = -280
        Max = 120
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isGainInAChange
      end
      object cvdGainInB: TCurvyEdit
        Left = 978
        Top = 244
        Width = 80
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object rzbMuteInB: TRzBmpButton
        Left = 1012
        Top = 60
        Width = 48
        Height = 30
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Mute'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseInB: TRzBmpButton
        Left = 1012
        Top = 110
        Width = 48
        Height = 30
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Normal'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
    end
    object rzgFftOut1: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbFftChannelOut1: TLabel
        Left = 8
        Top = 4
        Caption = 'Out1'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rbShowGainOut1: TRadioButton
        Left = 50
        Top = 2
        Width = 48
        Height = 18
        Tag = 2
        Caption = 'Mag'
        Color = clBlack
        ParentFont = False
        Font.Color = clYellow
        Checked = True
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseOut1: TRadioButton
        Left = 100
        Top = 2
        Width = 58
        Height = 18
        Tag = 2
        Caption = 'Phase'
        Color = clBlack
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object lbFftParamOut1: TLabel
        Left = 164
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rzgFftShowChOut1: TRzGroupBox
        Left = 460
        Top = 2
        Width = 260
        Height = 20
        GroupStyle = gsCustom
        Transparent = True
        Visible = True
        object vrbShow2Out1: TVrPowerButton
          Left = 2
          Top = 0
          Width = 60
          Height = 20
          Tag = 3
          Caption = 'Out2'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow2Out1Click
        end
        object vrbShow3Out1: TVrPowerButton
          Left = 66
          Top = 0
          Width = 60
          Height = 20
          Tag = 4
          Caption = 'Out3'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow2Out1Click
        end
        object vrbShow4Out1: TVrPowerButton
          Left = 130
          Top = 0
          Width = 60
          Height = 20
          Tag = 5
          Caption = 'Out4'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow2Out1Click
        end
      end
      object vrbEqBypassOut1: TVrDemoButton
        Left = 776
        Top = 2
        Width = 78
        Height = 20
        Tag = 2
        Caption = 'EQ Bypass'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqResetOut1: TVrDemoButton
        Left = 857
        Top = 2
        Width = 74
        Height = 20
        Tag = 2
        Caption = 'Reset EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqResetInAClick
      end
      object vrbEqShowAllOut1: TVrPowerButton
        Left = 934
        Top = 2
        Width = 122
        Height = 20
        Tag = 2
        Caption = 'SHOW ALL EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object fftDrawOut1: LMyFFTDrawPhase
        Left = 20
        Top = 24
        Width = 1070
        Height = 255
        Tag = 2
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
      object pbLevelOut1: LProgressBar
        Left = 1092
        Top = 40
        Width = 14
        Height = 239
        Tag = 2
        FirstNum = 1
        SecondNum = 3
        ThirdNum = 4
        Max = 8
        Anchors = [akTop, akRight, akBottom]
      end
      object pbLimitOut1: LProgressBar
        Left = 1092
        Top = 24
        Width = 14
        Height = 12
        Tag = 3
        SecondColor = 20123
        FirstNum = 0
        SecondNum = 1
        ThirdNum = 0
        Max = 1
        LSecondColor = 4629503
        Anchors = [akTop, akRight]
      end
    end
    object rzgParamOut1: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbEqOut1: TLabel
        Left = 6
        Top = 4
        Caption = ' PEQ       Frequency              Q                    Gain                 Type                Bypass'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 470
        Height = 16
      end
      object peqPeqOut1: TMyPEQAllpass
        Left = 6
        Top = 24
        Width = 470
        Height = 254
        Tag = 2
        ChannelNumber = 9
        UpdownVisable = False
        Caption = ''
        Color = $00402C1C
        EditBackColor = $00DFFFFF
        BypassBackColor = $00C0C0C0
        LabelColor = clWhite
        ParentFont = False
        Font.Color = clBlack
        OnChange = peqPeqInAChange
        OnEditMouseDown = peqPeqInAEditMouseDown
        OnPeqTypeMouseWheel = peqPeqInAPeqTypeMouseWheel
      end
      object rzbEq1Out1: TRzBmpButton
        Left = 482
        Top = 24
        Width = 34
        Height = 25
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '1'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 3
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq2Out1: TRzBmpButton
        Left = 482
        Top = 52
        Width = 34
        Height = 25
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '2'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 3
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq3Out1: TRzBmpButton
        Left = 482
        Top = 80
        Width = 34
        Height = 25
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '3'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 3
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq4Out1: TRzBmpButton
        Left = 482
        Top = 108
        Width = 34
        Height = 25
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '4'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 3
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq5Out1: TRzBmpButton
        Left = 482
        Top = 136
        Width = 34
        Height = 25
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '5'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 3
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq6Out1: TRzBmpButton
        Left = 482
        Top = 164
        Width = 34
        Height = 25
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '6'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 3
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq7Out1: TRzBmpButton
        Left = 482
        Top = 192
        Width = 34
        Height = 25
        Tag = 6
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '7'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 3
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq8Out1: TRzBmpButton
        Left = 482
        Top = 220
        Width = 34
        Height = 25
        Tag = 7
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '8'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 3
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq9Out1: TRzBmpButton
        Left = 482
        Top = 248
        Width = 34
        Height = 25
        Tag = 8
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '9'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 3
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object lbEqParamOut1: TLabel
        Left = 526
        Top = 2
        Caption = 'PEQ Parameter'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 200
        Height = 16
      end
      object lbEqFreqOut1: TLabel
        Left = 528
        Top = 22
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqOut1: TAdvTrackBar
        Left = 544
        Top = 40
        Width = 26
        Height = 196
        Tag = 2
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqOut1: TCurvyEdit
        Left = 524
        Top = 244
        Width = 66
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
        OnKeyDown = cvdEqFreqInAKeyDown
        OnExit = cvdEqFreqInAExit
      end
      object lbEqBwOut1: TLabel
        Left = 598
        Top = 22
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwOut1: TAdvTrackBar
        Left = 614
        Top = 40
        Width = 26
        Height = 196
        Tag = 2
        Orientation = trVertical
        Min = 0
        Max = 100
        Position = 0
        PageSize = 5
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqBwInAChange
      end
      object cvdEqBwOut1: TCurvyEdit
        Left = 594
        Top = 244
        Width = 66
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.40'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbEqGainOut1: TLabel
        Left = 668
        Top = 22
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainOut1: TAdvTrackBar
        Left = 684
        Top = 40
        Width = 26
        Height = 196
        Tag = 2
        Orientation = trVertical
        Min = 0
        Max = 240
        Position = 120
        PageSize = 3
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqGainInAChange
      end
      object cvdEqGainOut1: TCurvyEdit
        Left = 664
        Top = 244
        Width = 66
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutFreqOut1: TLabel
        Left = 740
        Top = 8
        Caption = 'HPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqOut1: TAdvTrackBar
        Left = 744
        Top = 26
        Width = 26
        Height = 210
        Tag = 2
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isLowCutFreqInAChange
      end
      object rzcLowCutSlopOut1: TRzComboBox
        Left = 774
        Top = 60
        Width = 76
        Height = 21
        Tag = 2
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcLowCutSlopInAChange
        OnMouseWheel = rzcLowCutSlopInAMouseWheel
      end
      object rzbLowCutBypassOut1: TRzBmpButton
        Left = 774
        Top = 110
        Width = 76
        Height = 28
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 21
        AllowAllUp = True
        OnClick = rzbLowCutBypassInAClick
      end
      object cvdLowCutFreqOut1: TCurvyEdit
        Left = 774
        Top = 244
        Width = 76
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutSlopOut1: TLabel
        Left = 774
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbHighCutFreqOut1: TLabel
        Left = 856
        Top = 8
        Caption = 'LPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqOut1: TAdvTrackBar
        Left = 860
        Top = 26
        Width = 26
        Height = 210
        Tag = 2
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 300
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isHighCutFreqInAChange
      end
      object rzcHighCutSlopOut1: TRzComboBox
        Left = 890
        Top = 60
        Width = 76
        Height = 21
        Tag = 2
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcHighCutSlopInAChange
        OnMouseWheel = rzcHighCutSlopInAMouseWheel
      end
      object rzbHighCutBypassOut1: TRzBmpButton
        Left = 890
        Top = 110
        Width = 76
        Height = 28
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 22
        AllowAllUp = True
        OnClick = rzbHighCutBypassInAClick
      end
      object cvdHighCutFreqOut1: TCurvyEdit
        Left = 890
        Top = 244
        Width = 76
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutSlopOut1: TLabel
        Left = 890
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainOut1: TLabel
        Left = 982
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainNameOut1: TLabel
        Left = 1018
        Top = 8
        Caption = 'Out1'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isGainOut1: TAdvTrackBar
        Left = 982
        Top = 26
        Width = 26
        Height = 210
        Tag = 2
        Orientation = trVertical
        Min = -280
        Max = 120
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isGainInAChange
      end
      object cvdGainOut1: TCurvyEdit
        Left = 978
        Top = 244
        Width = 80
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object rzbMuteOut1: TRzBmpButton
        Left = 1012
        Top = 60
        Width = 48
        Height = 30
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Mute'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseOut1: TRzBmpButton
        Left = 1012
        Top = 110
        Width = 48
        Height = 30
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Normal'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
    end
    object rzgFftOut2: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbFftChannelOut2: TLabel
        Left = 8
        Top = 4
        Caption = 'Out2'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rbShowGainOut2: TRadioButton
        Left = 50
        Top = 2
        Width = 48
        Height = 18
        Tag = 3
        Caption = 'Mag'
        Color = clBlack
        ParentFont = False
        Font.Color = clYellow
        Checked = True
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseOut2: TRadioButton
        Left = 100
        Top = 2
        Width = 58
        Height = 18
        Tag = 3
        Caption = 'Phase'
        Color = clBlack
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object lbFftParamOut2: TLabel
        Left = 164
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rzgFftShowChOut2: TRzGroupBox
        Left = 460
        Top = 2
        Width = 260
        Height = 20
        GroupStyle = gsCustom
        Transparent = True
        Visible = True
        object vrbShow1Out2: TVrPowerButton
          Left = 2
          Top = 0
          Width = 60
          Height = 20
          Tag = 2
          Caption = 'Out1'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1Out2Click
        end
        object vrbShow3Out2: TVrPowerButton
          Left = 66
          Top = 0
          Width = 60
          Height = 20
          Tag = 4
          Caption = 'Out3'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1Out2Click
        end
        object vrbShow4Out2: TVrPowerButton
          Left = 130
          Top = 0
          Width = 60
          Height = 20
          Tag = 5
          Caption = 'Out4'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1Out2Click
        end
      end
      object vrbEqBypassOut2: TVrDemoButton
        Left = 776
        Top = 2
        Width = 78
        Height = 20
        Tag = 3
        Caption = 'EQ Bypass'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqResetOut2: TVrDemoButton
        Left = 857
        Top = 2
        Width = 74
        Height = 20
        Tag = 3
        Caption = 'Reset EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqResetInAClick
      end
      object vrbEqShowAllOut2: TVrPowerButton
        Left = 934
        Top = 2
        Width = 122
        Height = 20
        Tag = 3
        Caption = 'SHOW ALL EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object fftDrawOut2: LMyFFTDrawPhase
        Left = 20
        Top = 24
        Width = 1070
        Height = 255
        Tag = 3
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
      object pbLevelOut2: LProgressBar
        Left = 1092
        Top = 40
        Width = 14
        Height = 239
        Tag = 3
        FirstNum = 1
        SecondNum = 3
        ThirdNum = 4
        Max = 8
        Anchors = [akTop, akRight, akBottom]
      end
      object pbLimitOut2: LProgressBar
        Left = 1092
        Top = 24
        Width = 14
        Height = 12
        Tag = 3
        SecondColor = 20123
        FirstNum = 0
        SecondNum = 1
        ThirdNum = 0
        Max = 1
        LSecondColor = 4629503
        Anchors = [akTop, akRight]
      end
    end
    object rzgParamOut2: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbEqOut2: TLabel
        Left = 6
        Top = 4
        Caption = ' PEQ       Frequency              Q                    Gain                 Type                Bypass'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 470
        Height = 16
      end
      object peqPeqOut2: TMyPEQAllpass
        Left = 6
        Top = 24
        Width = 470
        Height = 254
        Tag = 3
        ChannelNumber = 9
        UpdownVisable = False
        Caption = ''
        Color = $00402C1C
        EditBackColor = $00DFFFFF
        BypassBackColor = $00C0C0C0
        LabelColor = clWhite
        ParentFont = False
        Font.Color = clBlack
        OnChange = peqPeqInAChange
        OnEditMouseDown = peqPeqInAEditMouseDown
        OnPeqTypeMouseWheel = peqPeqInAPeqTypeMouseWheel
      end
      object rzbEq1Out2: TRzBmpButton
        Left = 482
        Top = 24
        Width = 34
        Height = 25
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '1'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 4
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq2Out2: TRzBmpButton
        Left = 482
        Top = 52
        Width = 34
        Height = 25
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '2'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 4
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq3Out2: TRzBmpButton
        Left = 482
        Top = 80
        Width = 34
        Height = 25
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '3'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 4
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq4Out2: TRzBmpButton
        Left = 482
        Top = 108
        Width = 34
        Height = 25
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '4'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 4
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq5Out2: TRzBmpButton
        Left = 482
        Top = 136
        Width = 34
        Height = 25
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '5'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 4
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq6Out2: TRzBmpButton
        Left = 482
        Top = 164
        Width = 34
        Height = 25
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '6'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 4
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq7Out2: TRzBmpButton
        Left = 482
        Top = 192
        Width = 34
        Height = 25
        Tag = 6
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '7'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 4
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq8Out2: TRzBmpButton
        Left = 482
        Top = 220
        Width = 34
        Height = 25
        Tag = 7
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '8'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 4
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq9Out2: TRzBmpButton
        Left = 482
        Top = 248
        Width = 34
        Height = 25
        Tag = 8
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '9'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 4
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object lbEqParamOut2: TLabel
        Left = 526
        Top = 2
        Caption = 'PEQ Parameter'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 200
        Height = 16
      end
      object lbEqFreqOut2: TLabel
        Left = 528
        Top = 22
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqOut2: TAdvTrackBar
        Left = 544
        Top = 40
        Width = 26
        Height = 196
        Tag = 3
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqOut2: TCurvyEdit
        Left = 524
        Top = 244
        Width = 66
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
        OnKeyDown = cvdEqFreqInAKeyDown
        OnExit = cvdEqFreqInAExit
      end
      object lbEqBwOut2: TLabel
        Left = 598
        Top = 22
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwOut2: TAdvTrackBar
        Left = 614
        Top = 40
        Width = 26
        Height = 196
        Tag = 3
        Orientation = trVertical
        Min = 0
        Max = 100
        Position = 0
        PageSize = 5
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqBwInAChange
      end
      object cvdEqBwOut2: TCurvyEdit
        Left = 594
        Top = 244
        Width = 66
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.40'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbEqGainOut2: TLabel
        Left = 668
        Top = 22
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainOut2: TAdvTrackBar
        Left = 684
        Top = 40
        Width = 26
        Height = 196
        Tag = 3
        Orientation = trVertical
        Min = 0
        Max = 240
        Position = 120
        PageSize = 3
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqGainInAChange
      end
      object cvdEqGainOut2: TCurvyEdit
        Left = 664
        Top = 244
        Width = 66
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutFreqOut2: TLabel
        Left = 740
        Top = 8
        Caption = 'HPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqOut2: TAdvTrackBar
        Left = 744
        Top = 26
        Width = 26
        Height = 210
        Tag = 3
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isLowCutFreqInAChange
      end
      object rzcLowCutSlopOut2: TRzComboBox
        Left = 774
        Top = 60
        Width = 76
        Height = 21
        Tag = 3
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcLowCutSlopInAChange
        OnMouseWheel = rzcLowCutSlopInAMouseWheel
      end
      object rzbLowCutBypassOut2: TRzBmpButton
        Left = 774
        Top = 110
        Width = 76
        Height = 28
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 21
        AllowAllUp = True
        OnClick = rzbLowCutBypassInAClick
      end
      object cvdLowCutFreqOut2: TCurvyEdit
        Left = 774
        Top = 244
        Width = 76
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutSlopOut2: TLabel
        Left = 774
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbHighCutFreqOut2: TLabel
        Left = 856
        Top = 8
        Caption = 'LPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqOut2: TAdvTrackBar
        Left = 860
        Top = 26
        Width = 26
        Height = 210
        Tag = 3
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 300
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isHighCutFreqInAChange
      end
      object rzcHighCutSlopOut2: TRzComboBox
        Left = 890
        Top = 60
        Width = 76
        Height = 21
        Tag = 3
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcHighCutSlopInAChange
        OnMouseWheel = rzcHighCutSlopInAMouseWheel
      end
      object rzbHighCutBypassOut2: TRzBmpButton
        Left = 890
        Top = 110
        Width = 76
        Height = 28
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 22
        AllowAllUp = True
        OnClick = rzbHighCutBypassInAClick
      end
      object cvdHighCutFreqOut2: TCurvyEdit
        Left = 890
        Top = 244
        Width = 76
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutSlopOut2: TLabel
        Left = 890
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainOut2: TLabel
        Left = 982
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainNameOut2: TLabel
        Left = 1018
        Top = 8
        Caption = 'Out2'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isGainOut2: TAdvTrackBar
        Left = 982
        Top = 26
        Width = 26
        Height = 210
        Tag = 3
        Orientation = trVertical
        Min = -280
        Max = 120
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isGainInAChange
      end
      object cvdGainOut2: TCurvyEdit
        Left = 978
        Top = 244
        Width = 80
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object rzbMuteOut2: TRzBmpButton
        Left = 1012
        Top = 60
        Width = 48
        Height = 30
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Mute'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseOut2: TRzBmpButton
        Left = 1012
        Top = 110
        Width = 48
        Height = 30
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Normal'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
    end
    object rzgFftOut3: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbFftChannelOut3: TLabel
        Left = 8
        Top = 4
        Caption = 'Out3'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rbShowGainOut3: TRadioButton
        Left = 50
        Top = 2
        Width = 48
        Height = 18
        Tag = 4
        Caption = 'Mag'
        Color = clBlack
        ParentFont = False
        Font.Color = clYellow
        Checked = True
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseOut3: TRadioButton
        Left = 100
        Top = 2
        Width = 58
        Height = 18
        Tag = 4
        Caption = 'Phase'
        Color = clBlack
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object lbFftParamOut3: TLabel
        Left = 164
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rzgFftShowChOut3: TRzGroupBox
        Left = 460
        Top = 2
        Width = 260
        Height = 20
        GroupStyle = gsCustom
        Transparent = True
        Visible = True
        object vrbShow1Out3: TVrPowerButton
          Left = 2
          Top = 0
          Width = 60
          Height = 20
          Tag = 2
          Caption = 'Out1'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1Out3Click
        end
        object vrbShow2Out3: TVrPowerButton
          Left = 66
          Top = 0
          Width = 60
          Height = 20
          Tag = 3
          Caption = 'Out2'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1Out3Click
        end
        object vrbShow4Out3: TVrPowerButton
          Left = 130
          Top = 0
          Width = 60
          Height = 20
          Tag = 5
          Caption = 'Out4'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1Out3Click
        end
      end
      object vrbEqBypassOut3: TVrDemoButton
        Left = 776
        Top = 2
        Width = 78
        Height = 20
        Tag = 4
        Caption = 'EQ Bypass'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqResetOut3: TVrDemoButton
        Left = 857
        Top = 2
        Width = 74
        Height = 20
        Tag = 4
        Caption = 'Reset EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqResetInAClick
      end
      object vrbEqShowAllOut3: TVrPowerButton
        Left = 934
        Top = 2
        Width = 122
        Height = 20
        Tag = 4
        Caption = 'SHOW ALL EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object fftDrawOut3: LMyFFTDrawPhase
        Left = 20
        Top = 24
        Width = 1070
        Height = 255
        Tag = 4
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
      object pbLevelOut3: LProgressBar
        Left = 1092
        Top = 40
        Width = 14
        Height = 239
        Tag = 4
        FirstNum = 1
        SecondNum = 3
        ThirdNum = 4
        Max = 8
        Anchors = [akTop, akRight, akBottom]
      end
      object pbLimitOut3: LProgressBar
        Left = 1092
        Top = 24
        Width = 14
        Height = 12
        Tag = 3
        SecondColor = 20123
        FirstNum = 0
        SecondNum = 1
        ThirdNum = 0
        Max = 1
        LSecondColor = 4629503
        Anchors = [akTop, akRight]
      end
    end
    object rzgParamOut3: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbEqOut3: TLabel
        Left = 6
        Top = 4
        Caption = ' PEQ       Frequency              Q                    Gain                 Type                Bypass'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 470
        Height = 16
      end
      object peqPeqOut3: TMyPEQAllpass
        Left = 6
        Top = 24
        Width = 470
        Height = 254
        Tag = 4
        ChannelNumber = 9
        UpdownVisable = False
        Caption = ''
        Color = $00402C1C
        EditBackColor = $00DFFFFF
        BypassBackColor = $00C0C0C0
        LabelColor = clWhite
        ParentFont = False
        Font.Color = clBlack
        OnChange = peqPeqInAChange
        OnEditMouseDown = peqPeqInAEditMouseDown
        OnPeqTypeMouseWheel = peqPeqInAPeqTypeMouseWheel
      end
      object rzbEq1Out3: TRzBmpButton
        Left = 482
        Top = 24
        Width = 34
        Height = 25
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '1'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 5
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq2Out3: TRzBmpButton
        Left = 482
        Top = 52
        Width = 34
        Height = 25
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '2'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 5
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq3Out3: TRzBmpButton
        Left = 482
        Top = 80
        Width = 34
        Height = 25
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '3'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 5
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq4Out3: TRzBmpButton
        Left = 482
        Top = 108
        Width = 34
        Height = 25
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '4'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 5
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq5Out3: TRzBmpButton
        Left = 482
        Top = 136
        Width = 34
        Height = 25
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '5'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 5
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq6Out3: TRzBmpButton
        Left = 482
        Top = 164
        Width = 34
        Height = 25
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '6'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 5
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq7Out3: TRzBmpButton
        Left = 482
        Top = 192
        Width = 34
        Height = 25
        Tag = 6
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '7'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 5
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq8Out3: TRzBmpButton
        Left = 482
        Top = 220
        Width = 34
        Height = 25
        Tag = 7
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '8'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 5
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq9Out3: TRzBmpButton
        Left = 482
        Top = 248
        Width = 34
        Height = 25
        Tag = 8
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '9'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 5
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object lbEqParamOut3: TLabel
        Left = 526
        Top = 2
        Caption = 'PEQ Parameter'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 200
        Height = 16
      end
      object lbEqFreqOut3: TLabel
        Left = 528
        Top = 22
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqOut3: TAdvTrackBar
        Left = 544
        Top = 40
        Width = 26
        Height = 196
        Tag = 4
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqOut3: TCurvyEdit
        Left = 524
        Top = 244
        Width = 66
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
        OnKeyDown = cvdEqFreqInAKeyDown
        OnExit = cvdEqFreqInAExit
      end
      object lbEqBwOut3: TLabel
        Left = 598
        Top = 22
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwOut3: TAdvTrackBar
        Left = 614
        Top = 40
        Width = 26
        Height = 196
        Tag = 4
        Orientation = trVertical
        Min = 0
        Max = 100
        Position = 0
        PageSize = 5
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqBwInAChange
      end
      object cvdEqBwOut3: TCurvyEdit
        Left = 594
        Top = 244
        Width = 66
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.40'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbEqGainOut3: TLabel
        Left = 668
        Top = 22
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainOut3: TAdvTrackBar
        Left = 684
        Top = 40
        Width = 26
        Height = 196
        Tag = 4
        Orientation = trVertical
        Min = 0
        Max = 240
        Position = 120
        PageSize = 3
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqGainInAChange
      end
      object cvdEqGainOut3: TCurvyEdit
        Left = 664
        Top = 244
        Width = 66
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutFreqOut3: TLabel
        Left = 740
        Top = 8
        Caption = 'HPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqOut3: TAdvTrackBar
        Left = 744
        Top = 26
        Width = 26
        Height = 210
        Tag = 4
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isLowCutFreqInAChange
      end
      object rzcLowCutSlopOut3: TRzComboBox
        Left = 774
        Top = 60
        Width = 76
        Height = 21
        Tag = 4
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcLowCutSlopInAChange
        OnMouseWheel = rzcLowCutSlopInAMouseWheel
      end
      object rzbLowCutBypassOut3: TRzBmpButton
        Left = 774
        Top = 110
        Width = 76
        Height = 28
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 21
        AllowAllUp = True
        OnClick = rzbLowCutBypassInAClick
      end
      object cvdLowCutFreqOut3: TCurvyEdit
        Left = 774
        Top = 244
        Width = 76
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutSlopOut3: TLabel
        Left = 774
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbHighCutFreqOut3: TLabel
        Left = 856
        Top = 8
        Caption = 'LPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqOut3: TAdvTrackBar
        Left = 860
        Top = 26
        Width = 26
        Height = 210
        Tag = 4
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 300
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isHighCutFreqInAChange
      end
      object rzcHighCutSlopOut3: TRzComboBox
        Left = 890
        Top = 60
        Width = 76
        Height = 21
        Tag = 4
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcHighCutSlopInAChange
        OnMouseWheel = rzcHighCutSlopInAMouseWheel
      end
      object rzbHighCutBypassOut3: TRzBmpButton
        Left = 890
        Top = 110
        Width = 76
        Height = 28
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 22
        AllowAllUp = True
        OnClick = rzbHighCutBypassInAClick
      end
      object cvdHighCutFreqOut3: TCurvyEdit
        Left = 890
        Top = 244
        Width = 76
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutSlopOut3: TLabel
        Left = 890
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainOut3: TLabel
        Left = 982
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainNameOut3: TLabel
        Left = 1018
        Top = 8
        Caption = 'Out3'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isGainOut3: TAdvTrackBar
        Left = 982
        Top = 26
        Width = 26
        Height = 210
        Tag = 4
        Orientation = trVertical
        Min = -280
        Max = 120
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isGainInAChange
      end
      object cvdGainOut3: TCurvyEdit
        Left = 978
        Top = 244
        Width = 80
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object rzbMuteOut3: TRzBmpButton
        Left = 1012
        Top = 60
        Width = 48
        Height = 30
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Mute'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseOut3: TRzBmpButton
        Left = 1012
        Top = 110
        Width = 48
        Height = 30
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Normal'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
    end
    object rzgFftOut4: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbFftChannelOut4: TLabel
        Left = 8
        Top = 4
        Caption = 'Out4'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rbShowGainOut4: TRadioButton
        Left = 50
        Top = 2
        Width = 48
        Height = 18
        Tag = 5
        Caption = 'Mag'
        Color = clBlack
        ParentFont = False
        Font.Color = clYellow
        Checked = True
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseOut4: TRadioButton
        Left = 100
        Top = 2
        Width = 58
        Height = 18
        Tag = 5
        Caption = 'Phase'
        Color = clBlack
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object lbFftParamOut4: TLabel
        Left = 164
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object rzgFftShowChOut4: TRzGroupBox
        Left = 460
        Top = 2
        Width = 260
        Height = 20
        GroupStyle = gsCustom
        Transparent = True
        Visible = True
        object vrbShow1Out4: TVrPowerButton
          Left = 2
          Top = 0
          Width = 60
          Height = 20
          Tag = 2
          Caption = 'Out1'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1Out4Click
        end
        object vrbShow2Out4: TVrPowerButton
          Left = 66
          Top = 0
          Width = 60
          Height = 20
          Tag = 3
          Caption = 'Out2'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1Out4Click
        end
        object vrbShow3Out4: TVrPowerButton
          Left = 130
          Top = 0
          Width = 60
          Height = 20
          Tag = 4
          Caption = 'Out3'
          Color = $00606060
          ParentFont = False
          Font.Color = clWhite
          OnClick = vrbShow1Out4Click
        end
      end
      object vrbEqBypassOut4: TVrDemoButton
        Left = 776
        Top = 2
        Width = 78
        Height = 20
        Tag = 5
        Caption = 'EQ Bypass'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqResetOut4: TVrDemoButton
        Left = 857
        Top = 2
        Width = 74
        Height = 20
        Tag = 5
        Caption = 'Reset EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        FontEnter.Color = clLime
        FontEnter.Height = -12
        FontEnter.Name = 'Arial'
        FontLeave.Color = clWhite
        FontLeave.Height = -12
        FontLeave.Name = 'Arial'
        OnClick = vrbEqResetInAClick
      end
      object vrbEqShowAllOut4: TVrPowerButton
        Left = 934
        Top = 2
        Width = 122
        Height = 20
        Tag = 5
        Caption = 'SHOW ALL EQ'
        Color = $00606060
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object fftDrawOut4: LMyFFTDrawPhase
        Left = 20
        Top = 24
        Width = 1070
        Height = 255
        Tag = 5
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
      object pbLevelOut4: LProgressBar
        Left = 1092
        Top = 40
        Width = 14
        Height = 239
        Tag = 5
        FirstNum = 1
        SecondNum = 3
        ThirdNum = 4
        Max = 8
        Anchors = [akTop, akRight, akBottom]
      end
      object pbLimitOut4: LProgressBar
        Left = 1092
        Top = 24
        Width = 14
        Height = 12
        Tag = 3
        SecondColor = 20123
        FirstNum = 0
        SecondNum = 1
        ThirdNum = 0
        Max = 1
        LSecondColor = 4629503
        Anchors = [akTop, akRight]
      end
    end
    object rzgParamOut4: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      Transparent = True
      Visible = False
      object lbEqOut4: TLabel
        Left = 6
        Top = 4
        Caption = ' PEQ       Frequency              Q                    Gain                 Type                Bypass'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 470
        Height = 16
      end
      object peqPeqOut4: TMyPEQAllpass
        Left = 6
        Top = 24
        Width = 470
        Height = 254
        Tag = 5
        ChannelNumber = 9
        UpdownVisable = False
        Caption = ''
        Color = $00402C1C
        EditBackColor = $00DFFFFF
        BypassBackColor = $00C0C0C0
        LabelColor = clWhite
        ParentFont = False
        Font.Color = clBlack
        OnChange = peqPeqInAChange
        OnEditMouseDown = peqPeqInAEditMouseDown
        OnPeqTypeMouseWheel = peqPeqInAPeqTypeMouseWheel
      end
      object rzbEq1Out4: TRzBmpButton
        Left = 482
        Top = 24
        Width = 34
        Height = 25
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '1'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 6
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq2Out4: TRzBmpButton
        Left = 482
        Top = 52
        Width = 34
        Height = 25
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '2'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 6
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq3Out4: TRzBmpButton
        Left = 482
        Top = 80
        Width = 34
        Height = 25
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '3'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 6
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq4Out4: TRzBmpButton
        Left = 482
        Top = 108
        Width = 34
        Height = 25
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '4'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 6
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq5Out4: TRzBmpButton
        Left = 482
        Top = 136
        Width = 34
        Height = 25
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '5'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 6
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq6Out4: TRzBmpButton
        Left = 482
        Top = 164
        Width = 34
        Height = 25
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '6'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 6
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq7Out4: TRzBmpButton
        Left = 482
        Top = 192
        Width = 34
        Height = 25
        Tag = 6
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '7'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 6
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq8Out4: TRzBmpButton
        Left = 482
        Top = 220
        Width = 34
        Height = 25
        Tag = 7
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '8'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 6
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object rzbEq9Out4: TRzBmpButton
        Left = 482
        Top = 248
        Width = 34
        Height = 25
        Tag = 8
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = '9'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 6
        AllowAllUp = True
        OnClick = rzbEq1InAClick
      end
      object lbEqParamOut4: TLabel
        Left = 526
        Top = 2
        Caption = 'PEQ Parameter'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        AutoSize = False
        Width = 200
        Height = 16
      end
      object lbEqFreqOut4: TLabel
        Left = 528
        Top = 22
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqOut4: TAdvTrackBar
        Left = 544
        Top = 40
        Width = 26
        Height = 196
        Tag = 5
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqOut4: TCurvyEdit
        Left = 524
        Top = 244
        Width = 66
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
        OnKeyDown = cvdEqFreqInAKeyDown
        OnExit = cvdEqFreqInAExit
      end
      object lbEqBwOut4: TLabel
        Left = 598
        Top = 22
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwOut4: TAdvTrackBar
        Left = 614
        Top = 40
        Width = 26
        Height = 196
        Tag = 5
        Orientation = trVertical
        Min = 0
        Max = 100
        Position = 0
        PageSize = 5
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqBwInAChange
      end
      object cvdEqBwOut4: TCurvyEdit
        Left = 594
        Top = 244
        Width = 66
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '0.40'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbEqGainOut4: TLabel
        Left = 668
        Top = 22
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainOut4: TAdvTrackBar
        Left = 684
        Top = 40
        Width = 26
        Height = 196
        Tag = 5
        Orientation = trVertical
        Min = 0
        Max = 240
        Position = 120
        PageSize = 3
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isEqGainInAChange
      end
      object cvdEqGainOut4: TCurvyEdit
        Left = 664
        Top = 244
        Width = 66
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutFreqOut4: TLabel
        Left = 740
        Top = 8
        Caption = 'HPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqOut4: TAdvTrackBar
        Left = 744
        Top = 26
        Width = 26
        Height = 210
        Tag = 5
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 0
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isLowCutFreqInAChange
      end
      object rzcLowCutSlopOut4: TRzComboBox
        Left = 774
        Top = 60
        Width = 76
        Height = 21
        Tag = 5
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcLowCutSlopInAChange
        OnMouseWheel = rzcLowCutSlopInAMouseWheel
      end
      object rzbLowCutBypassOut4: TRzBmpButton
        Left = 774
        Top = 110
        Width = 76
        Height = 28
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 21
        AllowAllUp = True
        OnClick = rzbLowCutBypassInAClick
      end
      object cvdLowCutFreqOut4: TCurvyEdit
        Left = 774
        Top = 244
        Width = 76
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutSlopOut4: TLabel
        Left = 774
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbHighCutFreqOut4: TLabel
        Left = 856
        Top = 8
        Caption = 'LPF'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqOut4: TAdvTrackBar
        Left = 860
        Top = 26
        Width = 26
        Height = 210
        Tag = 5
        Orientation = trVertical
        Min = 0
        Max = 300
        Position = 300
        PageSize = 15
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isHighCutFreqInAChange
      end
      object rzcHighCutSlopOut4: TRzComboBox
        Left = 890
        Top = 60
        Width = 76
        Height = 21
        Tag = 5
        Style = csDropDownList
        Items.Strings = (
'BW -6'
'BL -6'
'BW -12'
'BL -12'
'LK -12'
'BW -18'
'BL -18'
'BW -24'
'BL -24'
'LK -24'
'BW -30'
'BL -30'
'BW -36'
'BL -36'
'LK -36'
'BW -42'
'BL -42'
'BW -48'
'BL -48'
'LK -48')
        ItemIndex = 19
        ParentFont = False
        Font.Color = clBlack
        OnChange = rzcHighCutSlopInAChange
        OnMouseWheel = rzcHighCutSlopInAMouseWheel
      end
      object rzbHighCutBypassOut4: TRzBmpButton
        Left = 890
        Top = 110
        Width = 76
        Height = 28
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Bypass'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 22
        AllowAllUp = True
        OnClick = rzbHighCutBypassInAClick
      end
      object cvdHighCutFreqOut4: TCurvyEdit
        Left = 890
        Top = 244
        Width = 76
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutSlopOut4: TLabel
        Left = 890
        Top = 42
        Caption = 'Slope'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainOut4: TLabel
        Left = 982
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbGainNameOut4: TLabel
        Left = 1018
        Top = 8
        Caption = 'Out4'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isGainOut4: TAdvTrackBar
        Left = 982
        Top = 26
        Width = 26
        Height = 210
        Tag = 5
        Orientation = trVertical
        Min = -280
        Max = 120
        Position = 0
        PageSize = 6
        Slider.Size = 3
        TickMark.Style = tsNone
        Thumb.Picture = @':/images/widgets/fader_thumb_normal.png'
        Thumb.PictureHot = @':/images/widgets/fader_thumb_hot.png'
        Thumb.PictureDown = @':/images/widgets/fader_thumb_down.png'
        OnChange = isGainInAChange
      end
      object cvdGainOut4: TCurvyEdit
        Left = 978
        Top = 244
        Width = 80
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object rzbMuteOut4: TRzBmpButton
        Left = 1012
        Top = 60
        Width = 48
        Height = 30
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Mute'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseOut4: TRzBmpButton
        Left = 1012
        Top = 110
        Width = 48
        Height = 30
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Normal'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
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
  object tmEqCurve: TTimer
    Enabled = False
    Interval = 1
    OnTimer = tmEqCurveTimer
  end
  object tmHpLpCurve: TTimer
    Enabled = False
    Interval = 1
    OnTimer = tmHpLpCurveTimer
  end
  object tmMouseEqCurve: TTimer
    Enabled = False
    Interval = 1
    OnTimer = tmMouseEqCurveTimer
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
