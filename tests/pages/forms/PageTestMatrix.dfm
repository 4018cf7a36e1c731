object fmPageTest: TfmPageTest
  Caption = 'Matrix page'
  ClientWidth = 1112
  ClientHeight = 630
  Color = $00281A10
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
      object lbMatrixDelayInA: TLabel
        Left = 362
        Top = 13
        Width = 50
        Height = 14
        Tag = 0
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
      object lbMatrixCompOut1: TLabel
        Left = 357
        Top = 13
        Width = 50
        Height = 14
        Tag = 2
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
      object lbMatrixMuteOut3: TLabel
        Left = 239
        Top = 13
        Width = 50
        Height = 14
        Tag = 4
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
  object rzgParamMatrix: TRzGroupBox
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
end
