object fmHidData: TfmHidData
  Caption = 'Hid Data'
  ClientHeight = 541
  ClientWidth = 1022
  Position = poMainFormCenter
  object hbHidData: TListBox
    Left = 0
    Top = 0
    Width = 1022
    Height = 500
    Align = alTop
    Anchors = [akLeft, akTop, akRight, akBottom]
    Font.Height = -12
    Font.Name = 'Courier New'
    ItemHeight = 14
    TabOrder = 0
  end
  object bnClear: TButton
    Left = 474
    Top = 508
    Width = 75
    Height = 25
    Anchors = [akBottom]
    Caption = 'Clear'
    TabOrder = 1
    OnClick = bnClearClick
  end
end
