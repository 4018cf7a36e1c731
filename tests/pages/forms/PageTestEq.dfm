object fmPageTest: TfmPageTest
  Caption = 'Channel pages'
  ClientWidth = 1112
  ClientHeight = 4130
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
end
