object TiPlotPreviewSettingsForm
  Caption = 'Settings'
  ClientWidth = 419
  ClientHeight = 237
  BorderStyle = bsDialog
  Position = poScreenCenter
  object MarginGroupBox: TiComponentEditorGroupBox
    Left = 8
    Top = 8
    Width = 193
    Height = 145
    Caption = 'Margin'
    TabOrder = 0
    object PrintMarginTopLabel: TLabel
      Left = 12
      Top = 27
      Caption = 'Top'
    end
    object PrintMarginLeftLabel: TLabel
      Left = 12
      Top = 55
      Caption = 'Left'
    end
    object PrintMarginRightLabel: TLabel
      Left = 12
      Top = 83
      Caption = 'Right'
    end
    object PrintMarginBottomLabel: TLabel
      Left = 12
      Top = 111
      Caption = 'Bottom'
    end
    object PrintMarginTopEdit: TiComponentEditorEdit
      Left = 72
      Top = 24
      Width = 105
      TabOrder = 0
    end
    object PrintMarginLeftEdit: TiComponentEditorEdit
      Left = 72
      Top = 52
      Width = 105
      TabOrder = 1
    end
    object PrintMarginRightEdit: TiComponentEditorEdit
      Left = 72
      Top = 80
      Width = 105
      TabOrder = 2
    end
    object PrintMarginBottomEdit: TiComponentEditorEdit
      Left = 72
      Top = 108
      Width = 105
      TabOrder = 3
    end
  end
  object PrintOrientationRadioGroup: TiComponentEditorRadioGroup
    Left = 216
    Top = 8
    Width = 193
    Height = 65
    Caption = 'Orientation'
    Items.Strings = (
      'Portrait'
      'Landscape')
    TabOrder = 1
  end
  object PrintDocumentNameLabel: TLabel
    Left = 216
    Top = 84
    Caption = 'Document Name'
  end
  object PrintDocumentNameEdit: TiComponentEditorEdit
    Left = 216
    Top = 102
    Width = 193
    TabOrder = 2
  end
  object PrintPaperSizeLabel: TLabel
    Left = 216
    Top = 130
    Caption = 'Paper Size'
  end
  object PrintPaperSizeComboBox: TiComponentEditorComboBox
    Left = 216
    Top = 148
    Width = 193
    Height = 21
    Style = csDropDownList
    Items.Strings = (
      'Letter'
      'Legal'
      'A3'
      'A4'
      'A5')
    TabOrder = 3
  end
  object Button1: TButton
    Left = 124
    Top = 196
    Width = 80
    Height = 25
    Caption = 'OK'
    ModalResult = 1
    TabOrder = 4
  end
  object Button2: TButton
    Left = 216
    Top = 196
    Width = 80
    Height = 25
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 5
  end
end
