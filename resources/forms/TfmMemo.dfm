object fmMemo: TfmMemo
  Left = 640
  Top = 120
  Caption = 'Message List'
  ClientHeight = 453
  ClientWidth = 250
  Position = poDesigned
  object Memo: TMemo
    Left = 0
    Top = 0
    Width = 250
    Height = 412
    Align = alTop
    Anchors = [akLeft, akTop, akRight, akBottom]
    Lines.Strings = (
      'Memo')
    ScrollBars = ssVertical
    TabOrder = 0
  end
  object bnClearMemo: TButton
    Left = 88
    Top = 420
    Width = 75
    Height = 25
    Anchors = [akBottom]
    Caption = 'Clear'
    TabOrder = 1
    OnClick = bnClearMemoClick
  end
end
