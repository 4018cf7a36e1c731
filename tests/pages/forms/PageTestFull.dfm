object fmPageTest: TfmPageTest
  Caption = 'Channel pages'
  ClientWidth = 1112
  ClientHeight = 5330
  Color = clBlack
  object plPageInA: TPanel
    Left = 0
    Top = 0
    Width = 1112
    Height = 584
    BevelOuter = bvNone
    Color = $00402C1C
    ParentBackground = False
    object rzgFftInA: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbFftChannelInA: TLabel
        Left = 8
        Top = 4
        Caption = 'InA'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbFftParamInA: TLabel
        Left = 100
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object vrbShowBInA: TVrPowerButton
        Left = 600
        Top = 2
        Width = 64
        Height = 18
        Tag = 1
        Caption = 'InB'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShowBInAClick
      end
      object vrbEqBypassInA: TVrDemoButton
        Left = 810
        Top = 2
        Width = 80
        Height = 18
        Tag = 0
        Caption = 'EQ Bypass'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqShowAllInA: TVrPowerButton
        Left = 894
        Top = 2
        Width = 64
        Height = 18
        Tag = 0
        Caption = 'SHOW ALL EQ'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object rbShowGainInA: TRadioButton
        Left = 962
        Top = 2
        Width = 64
        Height = 18
        Tag = 0
        Caption = 'Mag'
        Checked = True
        ParentFont = False
        Font.Color = clYellow
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseInA: TRadioButton
        Left = 1030
        Top = 2
        Width = 72
        Height = 18
        Tag = 0
        Caption = 'Phase'
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object fftDrawInA: LMyFFTDrawPhase
        Left = 4
        Top = 20
        Width = 1104
        Height = 263
        Tag = 0
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
    end
    object rzgParamInA: TRzGroupBox
      Left = 0
      Top = 290
      Width = 1112
      Height = 290
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbGainNameInA: TLabel
        Left = 1060
        Top = 8
        Caption = 'InA'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object peqPeqInA: TMyPEQAllpass
        Left = 6
        Top = 8
        Width = 470
        Height = 270
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
        Top = 10
        Width = 34
        Height = 26
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
        Top = 39
        Width = 34
        Height = 26
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
        Top = 68
        Width = 34
        Height = 26
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
        Top = 97
        Width = 34
        Height = 26
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
        Top = 126
        Width = 34
        Height = 26
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
        Top = 155
        Width = 34
        Height = 26
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
        Top = 184
        Width = 34
        Height = 26
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
        Top = 213
        Width = 34
        Height = 26
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
      object lbEqFreqInA: TLabel
        Left = 534
        Top = 8
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqInA: TAdvTrackBar
        Left = 550
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
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqInA: TCurvyEdit
        Left = 530
        Top = 244
        Width = 70
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
        Left = 610
        Top = 8
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwInA: TAdvTrackBar
        Left = 626
        Top = 26
        Width = 26
        Height = 210
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
        Left = 606
        Top = 244
        Width = 70
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
        Left = 686
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainInA: TAdvTrackBar
        Left = 702
        Top = 26
        Width = 26
        Height = 210
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
        Left = 682
        Top = 244
        Width = 70
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutInA: TLabel
        Left = 774
        Top = 8
        Caption = 'Low cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqInA: TAdvTrackBar
        Left = 778
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
        Left = 816
        Top = 60
        Width = 88
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
        Left = 816
        Top = 110
        Width = 88
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
        Left = 816
        Top = 244
        Width = 88
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutInA: TLabel
        Left = 924
        Top = 8
        Caption = 'High cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqInA: TAdvTrackBar
        Left = 928
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
        Left = 966
        Top = 60
        Width = 88
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
        Left = 966
        Top = 110
        Width = 88
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
        Left = 966
        Top = 244
        Width = 88
        Height = 24
        Tag = 0
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
    end
  end
  object plPageInB: TPanel
    Left = 0
    Top = 590
    Width = 1112
    Height = 584
    BevelOuter = bvNone
    Color = $00402C1C
    ParentBackground = False
    object rzgFftInB: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbFftChannelInB: TLabel
        Left = 8
        Top = 4
        Caption = 'InB'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbFftParamInB: TLabel
        Left = 100
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object vrbShowAInB: TVrPowerButton
        Left = 600
        Top = 2
        Width = 64
        Height = 18
        Tag = 0
        Caption = 'InA'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShowAInBClick
      end
      object vrbEqBypassInB: TVrDemoButton
        Left = 810
        Top = 2
        Width = 80
        Height = 18
        Tag = 1
        Caption = 'EQ Bypass'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqShowAllInB: TVrPowerButton
        Left = 894
        Top = 2
        Width = 64
        Height = 18
        Tag = 1
        Caption = 'SHOW ALL EQ'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object rbShowGainInB: TRadioButton
        Left = 962
        Top = 2
        Width = 64
        Height = 18
        Tag = 1
        Caption = 'Mag'
        Checked = True
        ParentFont = False
        Font.Color = clYellow
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseInB: TRadioButton
        Left = 1030
        Top = 2
        Width = 72
        Height = 18
        Tag = 1
        Caption = 'Phase'
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object fftDrawInB: LMyFFTDrawPhase
        Left = 4
        Top = 20
        Width = 1104
        Height = 263
        Tag = 1
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
    end
    object rzgParamInB: TRzGroupBox
      Left = 0
      Top = 290
      Width = 1112
      Height = 290
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbGainNameInB: TLabel
        Left = 1060
        Top = 8
        Caption = 'InB'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object peqPeqInB: TMyPEQAllpass
        Left = 6
        Top = 8
        Width = 470
        Height = 270
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
        Top = 10
        Width = 34
        Height = 26
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
        Top = 39
        Width = 34
        Height = 26
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
        Top = 68
        Width = 34
        Height = 26
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
        Top = 97
        Width = 34
        Height = 26
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
        Top = 126
        Width = 34
        Height = 26
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
        Top = 155
        Width = 34
        Height = 26
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
        Top = 184
        Width = 34
        Height = 26
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
        Top = 213
        Width = 34
        Height = 26
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
      object lbEqFreqInB: TLabel
        Left = 534
        Top = 8
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqInB: TAdvTrackBar
        Left = 550
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
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqInB: TCurvyEdit
        Left = 530
        Top = 244
        Width = 70
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
        Left = 610
        Top = 8
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwInB: TAdvTrackBar
        Left = 626
        Top = 26
        Width = 26
        Height = 210
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
        Left = 606
        Top = 244
        Width = 70
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
        Left = 686
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainInB: TAdvTrackBar
        Left = 702
        Top = 26
        Width = 26
        Height = 210
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
        Left = 682
        Top = 244
        Width = 70
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutInB: TLabel
        Left = 774
        Top = 8
        Caption = 'Low cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqInB: TAdvTrackBar
        Left = 778
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
        Left = 816
        Top = 60
        Width = 88
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
        Left = 816
        Top = 110
        Width = 88
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
        Left = 816
        Top = 244
        Width = 88
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutInB: TLabel
        Left = 924
        Top = 8
        Caption = 'High cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqInB: TAdvTrackBar
        Left = 928
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
        Left = 966
        Top = 60
        Width = 88
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
        Left = 966
        Top = 110
        Width = 88
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
        Left = 966
        Top = 244
        Width = 88
        Height = 24
        Tag = 1
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
    end
  end
  object plPageOut1: TPanel
    Left = 0
    Top = 1180
    Width = 1112
    Height = 584
    BevelOuter = bvNone
    Color = $00402C1C
    ParentBackground = False
    object rzgFftOut1: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbFftChannelOut1: TLabel
        Left = 8
        Top = 4
        Caption = 'Out1'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbFftParamOut1: TLabel
        Left = 100
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object vrbShow2Out1: TVrPowerButton
        Left = 600
        Top = 2
        Width = 64
        Height = 18
        Tag = 3
        Caption = 'Out2'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow2Out1Click
      end
      object vrbShow3Out1: TVrPowerButton
        Left = 668
        Top = 2
        Width = 64
        Height = 18
        Tag = 4
        Caption = 'Out3'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow2Out1Click
      end
      object vrbShow4Out1: TVrPowerButton
        Left = 736
        Top = 2
        Width = 64
        Height = 18
        Tag = 5
        Caption = 'Out4'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow2Out1Click
      end
      object vrbEqBypassOut1: TVrDemoButton
        Left = 810
        Top = 2
        Width = 80
        Height = 18
        Tag = 2
        Caption = 'EQ Bypass'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqShowAllOut1: TVrPowerButton
        Left = 894
        Top = 2
        Width = 64
        Height = 18
        Tag = 2
        Caption = 'SHOW ALL EQ'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object rbShowGainOut1: TRadioButton
        Left = 962
        Top = 2
        Width = 64
        Height = 18
        Tag = 2
        Caption = 'Mag'
        Checked = True
        ParentFont = False
        Font.Color = clYellow
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseOut1: TRadioButton
        Left = 1030
        Top = 2
        Width = 72
        Height = 18
        Tag = 2
        Caption = 'Phase'
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object fftDrawOut1: LMyFFTDrawPhase
        Left = 4
        Top = 20
        Width = 1104
        Height = 263
        Tag = 2
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
    end
    object rzgParamOut1: TRzGroupBox
      Left = 0
      Top = 290
      Width = 1112
      Height = 290
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbGainNameOut1: TLabel
        Left = 1060
        Top = 8
        Caption = 'Out1'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object peqPeqOut1: TMyPEQAllpass
        Left = 6
        Top = 8
        Width = 470
        Height = 270
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
        Top = 10
        Width = 34
        Height = 26
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
        Top = 39
        Width = 34
        Height = 26
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
        Top = 68
        Width = 34
        Height = 26
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
        Top = 97
        Width = 34
        Height = 26
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
        Top = 126
        Width = 34
        Height = 26
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
        Top = 155
        Width = 34
        Height = 26
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
        Top = 184
        Width = 34
        Height = 26
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
        Top = 213
        Width = 34
        Height = 26
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
        Top = 242
        Width = 34
        Height = 26
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
      object lbEqFreqOut1: TLabel
        Left = 534
        Top = 8
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqOut1: TAdvTrackBar
        Left = 550
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
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqOut1: TCurvyEdit
        Left = 530
        Top = 244
        Width = 70
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
        Left = 610
        Top = 8
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwOut1: TAdvTrackBar
        Left = 626
        Top = 26
        Width = 26
        Height = 210
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
        Left = 606
        Top = 244
        Width = 70
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
        Left = 686
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainOut1: TAdvTrackBar
        Left = 702
        Top = 26
        Width = 26
        Height = 210
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
        Left = 682
        Top = 244
        Width = 70
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutOut1: TLabel
        Left = 774
        Top = 8
        Caption = 'Low cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqOut1: TAdvTrackBar
        Left = 778
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
        Left = 816
        Top = 60
        Width = 88
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
        Left = 816
        Top = 110
        Width = 88
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
        Left = 816
        Top = 244
        Width = 88
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutOut1: TLabel
        Left = 924
        Top = 8
        Caption = 'High cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqOut1: TAdvTrackBar
        Left = 928
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
        Left = 966
        Top = 60
        Width = 88
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
        Left = 966
        Top = 110
        Width = 88
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
        Left = 966
        Top = 244
        Width = 88
        Height = 24
        Tag = 2
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
    end
  end
  object plPageOut2: TPanel
    Left = 0
    Top = 1770
    Width = 1112
    Height = 584
    BevelOuter = bvNone
    Color = $00402C1C
    ParentBackground = False
    object rzgFftOut2: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbFftChannelOut2: TLabel
        Left = 8
        Top = 4
        Caption = 'Out2'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbFftParamOut2: TLabel
        Left = 100
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object vrbShow1Out2: TVrPowerButton
        Left = 600
        Top = 2
        Width = 64
        Height = 18
        Tag = 2
        Caption = 'Out1'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1Out2Click
      end
      object vrbShow3Out2: TVrPowerButton
        Left = 668
        Top = 2
        Width = 64
        Height = 18
        Tag = 4
        Caption = 'Out3'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1Out2Click
      end
      object vrbShow4Out2: TVrPowerButton
        Left = 736
        Top = 2
        Width = 64
        Height = 18
        Tag = 5
        Caption = 'Out4'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1Out2Click
      end
      object vrbEqBypassOut2: TVrDemoButton
        Left = 810
        Top = 2
        Width = 80
        Height = 18
        Tag = 3
        Caption = 'EQ Bypass'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqShowAllOut2: TVrPowerButton
        Left = 894
        Top = 2
        Width = 64
        Height = 18
        Tag = 3
        Caption = 'SHOW ALL EQ'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object rbShowGainOut2: TRadioButton
        Left = 962
        Top = 2
        Width = 64
        Height = 18
        Tag = 3
        Caption = 'Mag'
        Checked = True
        ParentFont = False
        Font.Color = clYellow
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseOut2: TRadioButton
        Left = 1030
        Top = 2
        Width = 72
        Height = 18
        Tag = 3
        Caption = 'Phase'
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object fftDrawOut2: LMyFFTDrawPhase
        Left = 4
        Top = 20
        Width = 1104
        Height = 263
        Tag = 3
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
    end
    object rzgParamOut2: TRzGroupBox
      Left = 0
      Top = 290
      Width = 1112
      Height = 290
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbGainNameOut2: TLabel
        Left = 1060
        Top = 8
        Caption = 'Out2'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object peqPeqOut2: TMyPEQAllpass
        Left = 6
        Top = 8
        Width = 470
        Height = 270
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
        Top = 10
        Width = 34
        Height = 26
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
        Top = 39
        Width = 34
        Height = 26
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
        Top = 68
        Width = 34
        Height = 26
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
        Top = 97
        Width = 34
        Height = 26
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
        Top = 126
        Width = 34
        Height = 26
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
        Top = 155
        Width = 34
        Height = 26
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
        Top = 184
        Width = 34
        Height = 26
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
        Top = 213
        Width = 34
        Height = 26
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
        Top = 242
        Width = 34
        Height = 26
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
      object lbEqFreqOut2: TLabel
        Left = 534
        Top = 8
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqOut2: TAdvTrackBar
        Left = 550
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
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqOut2: TCurvyEdit
        Left = 530
        Top = 244
        Width = 70
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
        Left = 610
        Top = 8
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwOut2: TAdvTrackBar
        Left = 626
        Top = 26
        Width = 26
        Height = 210
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
        Left = 606
        Top = 244
        Width = 70
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
        Left = 686
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainOut2: TAdvTrackBar
        Left = 702
        Top = 26
        Width = 26
        Height = 210
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
        Left = 682
        Top = 244
        Width = 70
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutOut2: TLabel
        Left = 774
        Top = 8
        Caption = 'Low cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqOut2: TAdvTrackBar
        Left = 778
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
        Left = 816
        Top = 60
        Width = 88
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
        Left = 816
        Top = 110
        Width = 88
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
        Left = 816
        Top = 244
        Width = 88
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutOut2: TLabel
        Left = 924
        Top = 8
        Caption = 'High cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqOut2: TAdvTrackBar
        Left = 928
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
        Left = 966
        Top = 60
        Width = 88
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
        Left = 966
        Top = 110
        Width = 88
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
        Left = 966
        Top = 244
        Width = 88
        Height = 24
        Tag = 3
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
    end
  end
  object plPageOut3: TPanel
    Left = 0
    Top = 2360
    Width = 1112
    Height = 584
    BevelOuter = bvNone
    Color = $00402C1C
    ParentBackground = False
    object rzgFftOut3: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbFftChannelOut3: TLabel
        Left = 8
        Top = 4
        Caption = 'Out3'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbFftParamOut3: TLabel
        Left = 100
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object vrbShow1Out3: TVrPowerButton
        Left = 600
        Top = 2
        Width = 64
        Height = 18
        Tag = 2
        Caption = 'Out1'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1Out3Click
      end
      object vrbShow2Out3: TVrPowerButton
        Left = 668
        Top = 2
        Width = 64
        Height = 18
        Tag = 3
        Caption = 'Out2'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1Out3Click
      end
      object vrbShow4Out3: TVrPowerButton
        Left = 736
        Top = 2
        Width = 64
        Height = 18
        Tag = 5
        Caption = 'Out4'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1Out3Click
      end
      object vrbEqBypassOut3: TVrDemoButton
        Left = 810
        Top = 2
        Width = 80
        Height = 18
        Tag = 4
        Caption = 'EQ Bypass'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqShowAllOut3: TVrPowerButton
        Left = 894
        Top = 2
        Width = 64
        Height = 18
        Tag = 4
        Caption = 'SHOW ALL EQ'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object rbShowGainOut3: TRadioButton
        Left = 962
        Top = 2
        Width = 64
        Height = 18
        Tag = 4
        Caption = 'Mag'
        Checked = True
        ParentFont = False
        Font.Color = clYellow
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseOut3: TRadioButton
        Left = 1030
        Top = 2
        Width = 72
        Height = 18
        Tag = 4
        Caption = 'Phase'
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object fftDrawOut3: LMyFFTDrawPhase
        Left = 4
        Top = 20
        Width = 1104
        Height = 263
        Tag = 4
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
    end
    object rzgParamOut3: TRzGroupBox
      Left = 0
      Top = 290
      Width = 1112
      Height = 290
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbGainNameOut3: TLabel
        Left = 1060
        Top = 8
        Caption = 'Out3'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object peqPeqOut3: TMyPEQAllpass
        Left = 6
        Top = 8
        Width = 470
        Height = 270
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
        Top = 10
        Width = 34
        Height = 26
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
        Top = 39
        Width = 34
        Height = 26
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
        Top = 68
        Width = 34
        Height = 26
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
        Top = 97
        Width = 34
        Height = 26
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
        Top = 126
        Width = 34
        Height = 26
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
        Top = 155
        Width = 34
        Height = 26
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
        Top = 184
        Width = 34
        Height = 26
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
        Top = 213
        Width = 34
        Height = 26
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
        Top = 242
        Width = 34
        Height = 26
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
      object lbEqFreqOut3: TLabel
        Left = 534
        Top = 8
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqOut3: TAdvTrackBar
        Left = 550
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
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqOut3: TCurvyEdit
        Left = 530
        Top = 244
        Width = 70
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
        Left = 610
        Top = 8
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwOut3: TAdvTrackBar
        Left = 626
        Top = 26
        Width = 26
        Height = 210
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
        Left = 606
        Top = 244
        Width = 70
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
        Left = 686
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainOut3: TAdvTrackBar
        Left = 702
        Top = 26
        Width = 26
        Height = 210
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
        Left = 682
        Top = 244
        Width = 70
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutOut3: TLabel
        Left = 774
        Top = 8
        Caption = 'Low cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqOut3: TAdvTrackBar
        Left = 778
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
        Left = 816
        Top = 60
        Width = 88
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
        Left = 816
        Top = 110
        Width = 88
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
        Left = 816
        Top = 244
        Width = 88
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutOut3: TLabel
        Left = 924
        Top = 8
        Caption = 'High cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqOut3: TAdvTrackBar
        Left = 928
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
        Left = 966
        Top = 60
        Width = 88
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
        Left = 966
        Top = 110
        Width = 88
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
        Left = 966
        Top = 244
        Width = 88
        Height = 24
        Tag = 4
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
    end
  end
  object plPageOut4: TPanel
    Left = 0
    Top = 2950
    Width = 1112
    Height = 584
    BevelOuter = bvNone
    Color = $00402C1C
    ParentBackground = False
    object rzgFftOut4: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbFftChannelOut4: TLabel
        Left = 8
        Top = 4
        Caption = 'Out4'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbFftParamOut4: TLabel
        Left = 100
        Top = 4
        Caption = 'Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object vrbShow1Out4: TVrPowerButton
        Left = 600
        Top = 2
        Width = 64
        Height = 18
        Tag = 2
        Caption = 'Out1'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1Out4Click
      end
      object vrbShow2Out4: TVrPowerButton
        Left = 668
        Top = 2
        Width = 64
        Height = 18
        Tag = 3
        Caption = 'Out2'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1Out4Click
      end
      object vrbShow3Out4: TVrPowerButton
        Left = 736
        Top = 2
        Width = 64
        Height = 18
        Tag = 4
        Caption = 'Out3'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1Out4Click
      end
      object vrbEqBypassOut4: TVrDemoButton
        Left = 810
        Top = 2
        Width = 80
        Height = 18
        Tag = 5
        Caption = 'EQ Bypass'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqBypassInAClick
      end
      object vrbEqShowAllOut4: TVrPowerButton
        Left = 894
        Top = 2
        Width = 64
        Height = 18
        Tag = 5
        Caption = 'SHOW ALL EQ'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbEqShowAllInAClick
      end
      object rbShowGainOut4: TRadioButton
        Left = 962
        Top = 2
        Width = 64
        Height = 18
        Tag = 5
        Caption = 'Mag'
        Checked = True
        ParentFont = False
        Font.Color = clYellow
        OnClick = rbShowGainInAClick
      end
      object rbShowPhaseOut4: TRadioButton
        Left = 1030
        Top = 2
        Width = 72
        Height = 18
        Tag = 5
        Caption = 'Phase'
        ParentFont = False
        Font.Color = clSilver
        OnClick = rbShowPhaseInAClick
      end
      object fftDrawOut4: LMyFFTDrawPhase
        Left = 4
        Top = 20
        Width = 1104
        Height = 263
        Tag = 5
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
    end
    object rzgParamOut4: TRzGroupBox
      Left = 0
      Top = 290
      Width = 1112
      Height = 290
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbGainNameOut4: TLabel
        Left = 1060
        Top = 8
        Caption = 'Out4'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object peqPeqOut4: TMyPEQAllpass
        Left = 6
        Top = 8
        Width = 470
        Height = 270
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
        Top = 10
        Width = 34
        Height = 26
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
        Top = 39
        Width = 34
        Height = 26
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
        Top = 68
        Width = 34
        Height = 26
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
        Top = 97
        Width = 34
        Height = 26
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
        Top = 126
        Width = 34
        Height = 26
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
        Top = 155
        Width = 34
        Height = 26
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
        Top = 184
        Width = 34
        Height = 26
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
        Top = 213
        Width = 34
        Height = 26
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
        Top = 242
        Width = 34
        Height = 26
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
      object lbEqFreqOut4: TLabel
        Left = 534
        Top = 8
        Caption = 'Freq'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqFreqOut4: TAdvTrackBar
        Left = 550
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
        OnChange = isEqFreqInAChange
      end
      object cvdEqFreqOut4: TCurvyEdit
        Left = 530
        Top = 244
        Width = 70
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
        Left = 610
        Top = 8
        Caption = 'Bw'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqBwOut4: TAdvTrackBar
        Left = 626
        Top = 26
        Width = 26
        Height = 210
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
        Left = 606
        Top = 244
        Width = 70
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
        Left = 686
        Top = 8
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isEqGainOut4: TAdvTrackBar
        Left = 702
        Top = 26
        Width = 26
        Height = 210
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
        Left = 682
        Top = 244
        Width = 70
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '+0.0dB'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbLowCutOut4: TLabel
        Left = 774
        Top = 8
        Caption = 'Low cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isLowCutFreqOut4: TAdvTrackBar
        Left = 778
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
        Left = 816
        Top = 60
        Width = 88
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
        Left = 816
        Top = 110
        Width = 88
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
        Left = 816
        Top = 244
        Width = 88
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = ' 19.7Hz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
      object lbHighCutOut4: TLabel
        Left = 924
        Top = 8
        Caption = 'High cut'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object isHighCutFreqOut4: TAdvTrackBar
        Left = 928
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
        Left = 966
        Top = 60
        Width = 88
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
        Left = 966
        Top = 110
        Width = 88
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
        Left = 966
        Top = 244
        Width = 88
        Height = 24
        Tag = 5
        Alignment = taCenter
        Color = $00DFFFFF
        Text = '20.16KHz'
        ParentFont = False
        Font.Color = clBlack
        ReadOnly = True
      end
    end
  end
  object plPageOthers: TPanel
    Left = 0
    Top = 3540
    Width = 1112
    Height = 584
    BevelOuter = bvNone
    Color = $00402C1C
    ParentBackground = False
    object rzgFunction: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 42
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00281A10
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object rzbMenuGain: TRzBmpButton
        Left = 6
        Top = 6
        Width = 80
        Height = 30
        Tag = 8
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Gain'
        ParentFont = False
        Font.Color = clLime
        Font.Style = [fsBold]
        GroupIndex = 1
        Down = True
        OnClick = rzbMenuInAClick
      end
      object rzbMenuComp: TRzBmpButton
        Left = 94
        Top = 6
        Width = 80
        Height = 30
        Tag = 6
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Comp'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbMenuInAClick
      end
      object rzbMenuDelay: TRzBmpButton
        Left = 182
        Top = 6
        Width = 80
        Height = 30
        Tag = 7
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Delay'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbMenuInAClick
      end
      object rzbMenuMatrix: TRzBmpButton
        Left = 270
        Top = 6
        Width = 80
        Height = 30
        Tag = 9
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Matrix'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbMenuInAClick
      end
      object rzbMenuInA: TRzBmpButton
        Left = 358
        Top = 6
        Width = 80
        Height = 30
        Tag = 0
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'InA'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbMenuInAClick
      end
      object rzbMenuInB: TRzBmpButton
        Left = 446
        Top = 6
        Width = 80
        Height = 30
        Tag = 1
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'InB'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbMenuInAClick
      end
      object rzbMenuOut1: TRzBmpButton
        Left = 534
        Top = 6
        Width = 80
        Height = 30
        Tag = 2
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Out1'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbMenuInAClick
      end
      object rzbMenuOut2: TRzBmpButton
        Left = 622
        Top = 6
        Width = 80
        Height = 30
        Tag = 3
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Out2'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbMenuInAClick
      end
      object rzbMenuOut3: TRzBmpButton
        Left = 710
        Top = 6
        Width = 80
        Height = 30
        Tag = 4
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Out3'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbMenuInAClick
      end
      object rzbMenuOut4: TRzBmpButton
        Left = 798
        Top = 6
        Width = 80
        Height = 30
        Tag = 5
        Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
        Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
        Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
        Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
        Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
        ButtonSize = bszStretchToButton
        Caption = 'Out4'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        GroupIndex = 1
        OnClick = rzbMenuInAClick
      end
    end
    object rzgFftGain: TRzGroupBox
      Left = 0
      Top = 48
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object vrbShowAGain: TVrPowerButton
        Left = 8
        Top = 2
        Width = 64
        Height = 18
        Tag = 0
        Caption = 'InA'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        Active = True
        OnClick = vrbShowAGainClick
      end
      object vrbShowBGain: TVrPowerButton
        Left = 76
        Top = 2
        Width = 64
        Height = 18
        Tag = 1
        Caption = 'InB'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShowAGainClick
      end
      object vrbShow1Gain: TVrPowerButton
        Left = 244
        Top = 2
        Width = 64
        Height = 18
        Tag = 2
        Caption = 'Out1'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        Active = True
        OnClick = vrbShow1GainClick
      end
      object vrbShow2Gain: TVrPowerButton
        Left = 312
        Top = 2
        Width = 64
        Height = 18
        Tag = 3
        Caption = 'Out2'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1GainClick
      end
      object vrbShow3Gain: TVrPowerButton
        Left = 380
        Top = 2
        Width = 64
        Height = 18
        Tag = 4
        Caption = 'Out3'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1GainClick
      end
      object vrbShow4Gain: TVrPowerButton
        Left = 448
        Top = 2
        Width = 64
        Height = 18
        Tag = 5
        Caption = 'Out4'
        Color = clBlack
        ParentFont = False
        Font.Color = clWhite
        OnClick = vrbShow1GainClick
      end
      object fftDrawGainIn: LMyFFTDrawPhase
        Left = 4
        Top = 22
        Width = 550
        Height = 258
        Tag = 0
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
      object fftDrawGainOut: LMyFFTDrawPhase
        Left = 558
        Top = 22
        Width = 550
        Height = 258
        Tag = 0
        Color = clBlack
        XAutoScale = False
        YAutoScale = False
        OnMouseDown = fftDrawInAMouseDown
        OnMouseMove = fftDrawInAMouseMove
        OnMouseUp = fftDrawInAMouseUp
      end
    end
    object rzgParamGain: TRzGroupBox
      Left = 0
      Top = 340
      Width = 1112
      Height = 240
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = 'Gain'
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
    end
    object rzgFftComp: TRzGroupBox
      Left = 0
      Top = 48
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      Visible = False
    end
    object rzgParamComp: TRzGroupBox
      Left = 0
      Top = 340
      Width = 1112
      Height = 240
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = 'Comp'
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      Visible = False
    end
    object rzgFftDelay: TRzGroupBox
      Left = 0
      Top = 48
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      Visible = False
    end
    object rzgParamDelay: TRzGroupBox
      Left = 0
      Top = 340
      Width = 1112
      Height = 240
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = 'Delay'
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      Visible = False
    end
    object rzgFftMatrix: TRzGroupBox
      Left = 0
      Top = 48
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      Visible = False
      object lbMatrixMuteOut3: TLabel
        Left = 20
        Top = 20
        Tag = 4
        Caption = 'MUTE'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        OnClick = lbMatrixHpLpInAClick
      end
      object lbMatrixDelayInA: TLabel
        Left = 80
        Top = 20
        Tag = 0
        Caption = 'DELAY'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        OnClick = lbMatrixDelayInAClick
      end
      object lbMatrixCompOut1: TLabel
        Left = 140
        Top = 20
        Tag = 2
        Caption = 'COMP'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        OnClick = lbMatrixCompOut1Click
      end
    end
    object rzgParamMatrix: TRzGroupBox
      Left = 0
      Top = 340
      Width = 1112
      Height = 240
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = 'Matrix'
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      Visible = False
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
  object plPageMore: TPanel
    Left = 0
    Top = 4130
    Width = 1112
    Height = 1200
    BevelOuter = bvNone
    Color = $00402C1C
    ParentBackground = False
    object lbPstNum: TLabel
      Left = 8
      Top = 4
      Caption = 'F00'
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      Transparent = True
    end
    object lbPstName: TLabel
      Left = 60
      Top = 4
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      Transparent = True
    end
    object rzbMenuLink: TRzBmpButton
      Left = 1000
      Top = 4
      Width = 70
      Height = 30
      Tag = 0
      Bitmaps.Up.File = @':/images/widgets/button_olive_up.bmp'
      Bitmaps.Hot.File = @':/images/widgets/button_olive_hot.bmp'
      Bitmaps.Down.File = @':/images/widgets/button_olive_down.bmp'
      Bitmaps.StayDown.File = @':/images/widgets/button_olive_staydown.bmp'
      Bitmaps.Disabled.File = @':/images/widgets/button_olive_disabled.bmp'
      ButtonSize = bszStretchToButton
      Caption = 'OffLine'
      ParentFont = False
      Font.Color = clBlack
      Font.Style = [fsBold]
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
    end
    object plMorerzgParamInA: TRzGroupBox
      Left = 4
      Top = 340
      Width = 180
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object isGainInA: TAdvTrackBar
        Left = 14
        Top = 44
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
        OnChange = isGainInAChange
      end
      object cvdGainInA: TCurvyEdit
        Left = 56
        Top = 60
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
      object rzbMuteInA: TRzBmpButton
        Left = 64
        Top = 110
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
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseInA: TRzBmpButton
        Left = 64
        Top = 160
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
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
      object vrbEqResetInA: TVrDemoButton
        Left = 64
        Top = 236
        Width = 96
        Height = 26
        Tag = 0
        Caption = 'Reset EQ'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqResetInAClick
      end
    end
    object plMorerzgParamInB: TRzGroupBox
      Left = 188
      Top = 340
      Width = 180
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object isGainInB: TAdvTrackBar
        Left = 14
        Top = 44
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
        OnChange = isGainInAChange
      end
      object cvdGainInB: TCurvyEdit
        Left = 56
        Top = 60
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
      object rzbMuteInB: TRzBmpButton
        Left = 64
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
        Caption = 'Mute'
        ParentFont = False
        Font.Color = clBlack
        Font.Style = [fsBold]
        GroupIndex = 2
        AllowAllUp = True
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseInB: TRzBmpButton
        Left = 64
        Top = 160
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
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
      object vrbEqResetInB: TVrDemoButton
        Left = 64
        Top = 236
        Width = 96
        Height = 26
        Tag = 1
        Caption = 'Reset EQ'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqResetInAClick
      end
    end
    object plMorerzgParamOut1: TRzGroupBox
      Left = 372
      Top = 340
      Width = 180
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object isGainOut1: TAdvTrackBar
        Left = 14
        Top = 44
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
        OnChange = isGainInAChange
      end
      object cvdGainOut1: TCurvyEdit
        Left = 56
        Top = 60
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
      object rzbMuteOut1: TRzBmpButton
        Left = 64
        Top = 110
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
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseOut1: TRzBmpButton
        Left = 64
        Top = 160
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
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
      object vrbEqResetOut1: TVrDemoButton
        Left = 64
        Top = 236
        Width = 96
        Height = 26
        Tag = 2
        Caption = 'Reset EQ'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqResetInAClick
      end
    end
    object plMorerzgParamOut2: TRzGroupBox
      Left = 556
      Top = 340
      Width = 180
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object isGainOut2: TAdvTrackBar
        Left = 14
        Top = 44
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
        OnChange = isGainInAChange
      end
      object cvdGainOut2: TCurvyEdit
        Left = 56
        Top = 60
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
      object rzbMuteOut2: TRzBmpButton
        Left = 64
        Top = 110
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
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseOut2: TRzBmpButton
        Left = 64
        Top = 160
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
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
      object vrbEqResetOut2: TVrDemoButton
        Left = 64
        Top = 236
        Width = 96
        Height = 26
        Tag = 3
        Caption = 'Reset EQ'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqResetInAClick
      end
    end
    object plMorerzgParamOut3: TRzGroupBox
      Left = 740
      Top = 340
      Width = 180
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object isGainOut3: TAdvTrackBar
        Left = 14
        Top = 44
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
        OnChange = isGainInAChange
      end
      object cvdGainOut3: TCurvyEdit
        Left = 56
        Top = 60
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
      object rzbMuteOut3: TRzBmpButton
        Left = 64
        Top = 110
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
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseOut3: TRzBmpButton
        Left = 64
        Top = 160
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
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
      object vrbEqResetOut3: TVrDemoButton
        Left = 64
        Top = 236
        Width = 96
        Height = 26
        Tag = 4
        Caption = 'Reset EQ'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqResetInAClick
      end
    end
    object plMorerzgParamOut4: TRzGroupBox
      Left = 924
      Top = 340
      Width = 180
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object isGainOut4: TAdvTrackBar
        Left = 14
        Top = 44
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
        OnChange = isGainInAChange
      end
      object cvdGainOut4: TCurvyEdit
        Left = 56
        Top = 60
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
      object rzbMuteOut4: TRzBmpButton
        Left = 64
        Top = 110
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
        OnClick = rzbMuteInAClick
      end
      object rzbPhaseOut4: TRzBmpButton
        Left = 64
        Top = 160
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
        GroupIndex = 1
        AllowAllUp = True
        OnClick = rzbPhaseInAClick
      end
      object vrbEqResetOut4: TVrDemoButton
        Left = 64
        Top = 236
        Width = 96
        Height = 26
        Tag = 5
        Caption = 'Reset EQ'
        Color = $00606060
        FontEnter.Color = clLime
        FontLeave.Color = clWhite
        OnClick = vrbEqResetInAClick
      end
    end
    object plMorerzgFftDelay: TRzGroupBox
      Left = 0
      Top = 0
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbFftDelayIn: TLabel
        Left = 14
        Top = 4
        Caption = 'Input'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
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
        Left = 564
        Top = 4
        Caption = 'Output'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
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
          Left = 46
          Top = 20
          Width = 470
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
          Left = 46
          Top = 70
          Width = 470
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
          Left = 46
          Top = 120
          Width = 470
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
          Left = 46
          Top = 170
          Width = 470
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
    object plMorerzgParamDelay: TRzGroupBox
      Left = 20
      Top = 292
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
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
    object plMorerzgFftMatrix: TRzGroupBox
      Left = 0
      Top = 48
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
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
          Width = 72
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameInA: TLabel
          Left = 1
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
          Left = 1
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixHpLpInA: TShape
          Left = 134
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixHpLpInA: TLabel
          Left = 134
          Top = 13
          Width = 50
          Height = 14
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'HP/LP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPeqInA: TShape
          Left = 191
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqInA: TLabel
          Left = 191
          Top = 13
          Width = 50
          Height = 14
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPhaseInA: TShape
          Left = 248
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseInA: TLabel
          Left = 248
          Top = 13
          Width = 50
          Height = 14
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixMuteInA: TShape
          Left = 305
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteInA: TLabel
          Left = 305
          Top = 13
          Width = 50
          Height = 14
          Tag = 0
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
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
          Width = 72
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameInB: TLabel
          Left = 1
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
          Left = 1
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixHpLpInB: TShape
          Left = 134
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixHpLpInB: TLabel
          Left = 134
          Top = 13
          Width = 50
          Height = 14
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'HP/LP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPeqInB: TShape
          Left = 191
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqInB: TLabel
          Left = 191
          Top = 13
          Width = 50
          Height = 14
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPhaseInB: TShape
          Left = 248
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseInB: TLabel
          Left = 248
          Top = 13
          Width = 50
          Height = 14
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixMuteInB: TShape
          Left = 305
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteInB: TLabel
          Left = 305
          Top = 13
          Width = 50
          Height = 14
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 1
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
      end
      object pbMatrix: TPaintBox
        Left = 465
        Top = 52
        Width = 97
        Height = 178
      end
      object plMatrixOut1: TPanel
        Left = 564
        Top = 40
        Width = 510
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixXoverOut1: TShape
          Left = 4
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixXoverOut1: TLabel
          Left = 4
          Top = 13
          Width = 50
          Height = 14
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'XOVER'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPeqOut1: TShape
          Left = 62
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqOut1: TLabel
          Left = 62
          Top = 13
          Width = 50
          Height = 14
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPhaseOut1: TShape
          Left = 180
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseOut1: TLabel
          Left = 180
          Top = 13
          Width = 50
          Height = 14
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixMuteOut1: TShape
          Left = 239
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteOut1: TLabel
          Left = 239
          Top = 13
          Width = 50
          Height = 14
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 2
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixCompOut1: TShape
          Left = 357
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00804000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object spMatrixNameOut1: TShape
          Left = 418
          Top = 1
          Width = 72
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameOut1: TLabel
          Left = 419
          Top = 3
          Width = 70
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
          Width = 70
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
        Left = 564
        Top = 97
        Width = 510
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixXoverOut2: TShape
          Left = 4
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixXoverOut2: TLabel
          Left = 4
          Top = 13
          Width = 50
          Height = 14
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'XOVER'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPeqOut2: TShape
          Left = 62
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqOut2: TLabel
          Left = 62
          Top = 13
          Width = 50
          Height = 14
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPhaseOut2: TShape
          Left = 180
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseOut2: TLabel
          Left = 180
          Top = 13
          Width = 50
          Height = 14
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixMuteOut2: TShape
          Left = 239
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteOut2: TLabel
          Left = 239
          Top = 13
          Width = 50
          Height = 14
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixCompOut2: TShape
          Left = 357
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00804000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixCompOut2: TLabel
          Left = 357
          Top = 13
          Width = 50
          Height = 14
          Tag = 3
          Alignment = taCenter
          AutoSize = False
          Caption = 'COMP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixNameOut2: TShape
          Left = 418
          Top = 1
          Width = 72
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameOut2: TLabel
          Left = 419
          Top = 3
          Width = 70
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
          Width = 70
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
        Left = 564
        Top = 154
        Width = 510
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixXoverOut3: TShape
          Left = 4
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixXoverOut3: TLabel
          Left = 4
          Top = 13
          Width = 50
          Height = 14
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'XOVER'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPeqOut3: TShape
          Left = 62
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqOut3: TLabel
          Left = 62
          Top = 13
          Width = 50
          Height = 14
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPhaseOut3: TShape
          Left = 180
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseOut3: TLabel
          Left = 180
          Top = 13
          Width = 50
          Height = 14
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixMuteOut3: TShape
          Left = 239
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixCompOut3: TShape
          Left = 357
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00804000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixCompOut3: TLabel
          Left = 357
          Top = 13
          Width = 50
          Height = 14
          Tag = 4
          Alignment = taCenter
          AutoSize = False
          Caption = 'COMP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixNameOut3: TShape
          Left = 418
          Top = 1
          Width = 72
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameOut3: TLabel
          Left = 419
          Top = 3
          Width = 70
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
          Width = 70
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
        Left = 564
        Top = 211
        Width = 510
        Height = 40
        BevelOuter = bvNone
        Color = clBlack
        ParentBackground = False
        object spMatrixXoverOut4: TShape
          Left = 4
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00705000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixXoverOut4: TLabel
          Left = 4
          Top = 13
          Width = 50
          Height = 14
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'XOVER'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPeqOut4: TShape
          Left = 62
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00700070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPeqOut4: TLabel
          Left = 62
          Top = 13
          Width = 50
          Height = 14
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'PEQ'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'GAIN'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixPhaseOut4: TShape
          Left = 180
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00006070
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixPhaseOut4: TLabel
          Left = 180
          Top = 13
          Width = 50
          Height = 14
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'PHASE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixMuteOut4: TShape
          Left = 239
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00000080
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixMuteOut4: TLabel
          Left = 239
          Top = 13
          Width = 50
          Height = 14
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'MUTE'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
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
          Top = 13
          Width = 50
          Height = 14
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'DELAY'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixCompOut4: TShape
          Left = 357
          Top = 8
          Width = 50
          Height = 24
          Brush.Color = $00804000
          Pen.Color = $00A0A0A0
          Shape = stRoundRect
        end
        object lbMatrixCompOut4: TLabel
          Left = 357
          Top = 13
          Width = 50
          Height = 14
          Tag = 5
          Alignment = taCenter
          AutoSize = False
          Caption = 'COMP'
          Transparent = True
          ParentFont = False
          Font.Color = clWhite
          Font.Name = 'Times New Roman'
          Font.Height = -11
          Font.Style = [fsBold]
          OnMouseMove = lbMatrixChNameInAMouseMove
          OnMouseLeave = lbMatrixChNameInAMouseLeave
        end
        object spMatrixNameOut4: TShape
          Left = 418
          Top = 1
          Width = 72
          Height = 38
          Brush.Color = $00303030
          Pen.Color = $00A0A0A0
        end
        object lbMatrixNameOut4: TLabel
          Left = 419
          Top = 3
          Width = 70
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
          Width = 70
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
    object plMorerzgParamMatrix: TRzGroupBox
      Left = 20
      Top = 340
      Width = 1070
      Height = 282
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
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
      end
    end
    object plMorerzgFftComp: TRzGroupBox
      Left = 0
      Top = 48
      Width = 1112
      Height = 284
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = clBlack
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbCompName: TLabel
        Left = 390
        Top = 4
        Caption = 'Out 1  Compressor'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object lbHeadCompOut: TLabel
        Left = 800
        Top = 4
        Caption = 'Out 1'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
      end
      object ipComp: TiXYPlot
        Left = 380
        Top = 20
        Width = 360
        Height = 240
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
      end
    end
    object plMorerzgParamComp: TRzGroupBox
      Left = 20
      Top = 340
      Width = 1070
      Height = 250
      GroupStyle = gsCustom
      BorderOuter = fsFlat
      Color = $00402C1C
      Caption = ''
      ParentFont = False
      Font.Color = clWhite
      Font.Style = [fsBold]
      object lbCompOut1: TLabel
        Left = 19
        Top = 4
        Tag = 2
        Caption = 'Out1'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        OnMouseDown = lbCompOut1MouseDown
      end
      object isCompThresholdOut1: TAdvTrackBar
        Left = 33
        Top = 24
        Width = 26
        Height = 180
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
        Left = 15
        Top = 214
        Width = 62
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
      end
      object isCompRatioOut1: TAdvTrackBar
        Left = 97
        Top = 24
        Width = 26
        Height = 180
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
        Left = 79
        Top = 214
        Width = 62
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
      end
      object isCompAttackOut1: TAdvTrackBar
        Left = 161
        Top = 24
        Width = 26
        Height = 180
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
        Left = 143
        Top = 214
        Width = 62
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
      end
      object isCompReleaseOut1: TAdvTrackBar
        Left = 225
        Top = 24
        Width = 26
        Height = 180
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
        Left = 207
        Top = 214
        Width = 62
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
      end
      object lbCompOut2: TLabel
        Left = 284
        Top = 4
        Tag = 3
        Caption = 'Out2'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        OnMouseDown = lbCompOut1MouseDown
      end
      object isCompThresholdOut2: TAdvTrackBar
        Left = 298
        Top = 24
        Width = 26
        Height = 180
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
        Left = 280
        Top = 214
        Width = 62
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
      end
      object isCompRatioOut2: TAdvTrackBar
        Left = 362
        Top = 24
        Width = 26
        Height = 180
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
        Left = 344
        Top = 214
        Width = 62
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
      end
      object isCompAttackOut2: TAdvTrackBar
        Left = 426
        Top = 24
        Width = 26
        Height = 180
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
        Left = 408
        Top = 214
        Width = 62
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
      end
      object isCompReleaseOut2: TAdvTrackBar
        Left = 490
        Top = 24
        Width = 26
        Height = 180
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
        Left = 472
        Top = 214
        Width = 62
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
      end
      object lbCompOut3: TLabel
        Left = 549
        Top = 4
        Tag = 4
        Caption = 'Out3'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        OnMouseDown = lbCompOut1MouseDown
      end
      object isCompThresholdOut3: TAdvTrackBar
        Left = 563
        Top = 24
        Width = 26
        Height = 180
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
        Left = 545
        Top = 214
        Width = 62
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
      end
      object isCompRatioOut3: TAdvTrackBar
        Left = 627
        Top = 24
        Width = 26
        Height = 180
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
        Left = 609
        Top = 214
        Width = 62
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
      end
      object isCompAttackOut3: TAdvTrackBar
        Left = 691
        Top = 24
        Width = 26
        Height = 180
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
        Left = 673
        Top = 214
        Width = 62
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
      end
      object isCompReleaseOut3: TAdvTrackBar
        Left = 755
        Top = 24
        Width = 26
        Height = 180
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
        Left = 737
        Top = 214
        Width = 62
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
      end
      object lbCompOut4: TLabel
        Left = 814
        Top = 4
        Tag = 5
        Caption = 'Out4'
        ParentFont = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        Transparent = True
        OnMouseDown = lbCompOut1MouseDown
      end
      object isCompThresholdOut4: TAdvTrackBar
        Left = 828
        Top = 24
        Width = 26
        Height = 180
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
        Left = 810
        Top = 214
        Width = 62
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
      end
      object isCompRatioOut4: TAdvTrackBar
        Left = 892
        Top = 24
        Width = 26
        Height = 180
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
        Left = 874
        Top = 214
        Width = 62
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
      end
      object isCompAttackOut4: TAdvTrackBar
        Left = 956
        Top = 24
        Width = 26
        Height = 180
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
        Left = 938
        Top = 214
        Width = 62
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
      end
      object isCompReleaseOut4: TAdvTrackBar
        Left = 1020
        Top = 24
        Width = 26
        Height = 180
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
        Left = 1002
        Top = 214
        Width = 62
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
      end
    end
  end
end
