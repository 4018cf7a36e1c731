object TiValueConverterEditForm
  Caption = 'Value Converter'
  Width = 269
  Height = 264
  BorderStyle = bsDialog
  Position = poScreenCenter
  OnCreate = FormCreate
  object PageControl: TiComponentEditorPageControl
    Left = 4
    Top = 2
    Width = 253
    Height = 167
    ActivePage = DateTimeTabSheet
    TabOrder = 0
    object IntervalTabSheet: TTabSheet
      Caption = 'Interval'
      object Label9: TLabel
        Left = 24
        Top = 16
        Caption = 'Weeks'
      end
      object Label5: TLabel
        Left = 148
        Top = 16
        Caption = 'Days'
      end
      object Label1: TLabel
        Left = 148
        Top = 40
        Caption = 'Hours'
      end
      object Label2: TLabel
        Left = 138
        Top = 64
        Caption = 'Minutes'
      end
      object Label3: TLabel
        Left = 134
        Top = 88
        Caption = 'Seconds'
      end
      object Label4: TLabel
        Left = 148
        Top = 112
        Caption = 'mSec'
      end
      object WeeksEdit: TiComponentEditorEdit
        Left = 60
        Top = 12
        Width = 41
        TabOrder = 0
        OnUpdate = WeeksChange
      end
      object iUpDown4: TiUpDown
        Associate = WeeksEdit
        Max = 0
      end
      object DaysEdit: TiComponentEditorEdit
        Left = 180
        Top = 12
        Width = 49
        TabOrder = 1
        OnUpdate = TimeChange
      end
      object DaysUpDown: TiUpDown
        Associate = DaysEdit
        Max = 0
      end
      object HoursEdit: TiComponentEditorEdit
        Left = 180
        Top = 36
        Width = 49
        TabOrder = 2
        OnUpdate = TimeChange
      end
      object HoursUpDown: TiUpDown
        Associate = HoursEdit
        Max = 23
      end
      object MinutesEdit: TiComponentEditorEdit
        Left = 180
        Top = 60
        Width = 49
        TabOrder = 3
        OnUpdate = TimeChange
      end
      object MinutesUpDown: TiUpDown
        Associate = MinutesEdit
        Max = 59
      end
      object SecondsEdit: TiComponentEditorEdit
        Left = 180
        Top = 84
        Width = 49
        TabOrder = 4
        OnUpdate = TimeChange
      end
      object SecondsUpDown: TiUpDown
        Associate = SecondsEdit
        Max = 59
      end
      object MilliSecondsEdit: TiComponentEditorEdit
        Left = 180
        Top = 108
        Width = 49
        TabOrder = 5
        OnUpdate = TimeChange
      end
      object MilliSecondsUpDown: TiUpDown
        Associate = MilliSecondsEdit
        Max = 999
        Increment = 100
      end
      object iComponentEditorButton1: TiComponentEditorButton
        Left = 8
        Top = 104
        Width = 97
        Height = 25
        Caption = 'Set All To 0'
        TabOrder = 6
        OnClick = iComponentEditorButton1Click
      end
    end
    object DateTimeTabSheet: TTabSheet
      Caption = 'Date/Time'
      object DatePickerLabel: TLabel
        Left = 36
        Top = 35
        Caption = 'Date'
      end
      object TimePickerLabel: TLabel
        Left = 36
        Top = 67
        Caption = 'Time'
      end
      object SetNowButton: TiComponentEditorButton
        Left = 64
        Top = 96
        Width = 65
        Height = 25
        Caption = 'Now'
        TabOrder = 0
        OnClick = SetNowButtonClick
      end
    end
    object Price32TabSheet: TTabSheet
      Caption = 'Price 32nds'
      object Label8: TLabel
        Left = 56
        Top = 40
        Caption = 'Integer'
      end
      object Label6: TLabel
        Left = 56
        Top = 64
        Caption = '32nds'
      end
      object Label7: TLabel
        Left = 56
        Top = 88
        Caption = '256ths'
      end
      object PriceIntegerEdit: TiComponentEditorEdit
        Left = 100
        Top = 36
        Width = 65
        TabOrder = 0
        OnUpdate = Price32Change
      end
      object iUpDown3: TiUpDown
        Associate = PriceIntegerEdit
        Max = 10000
      end
      object Price32ndsEdit: TiComponentEditorEdit
        Left = 100
        Top = 60
        Width = 65
        TabOrder = 1
        OnUpdate = Price32Change
      end
      object iUpDown1: TiUpDown
        Associate = Price32ndsEdit
        Max = 31
      end
      object Price256thsEdit: TiComponentEditorEdit
        Left = 100
        Top = 84
        Width = 65
        TabOrder = 2
        OnUpdate = Price32Change
      end
      object iUpDown2: TiUpDown
        Associate = Price256thsEdit
        Max = 7
      end
    end
  end
  object ValueEdit: TiComponentEditorEdit
    Left = 4
    Top = 176
    Width = 253
    TabOrder = 1
  end
  object Panel2: TPanel
    Align = alBottom
    Height = 39
    BevelOuter = bvNone
    TabOrder = 2
    object OkButton: TiComponentEditorButton
      Left = 31
      Top = 8
      Width = 80
      Height = 25
      Caption = 'OK'
      ModalResult = 1
      TabOrder = 0
    end
    object CancelButton: TiComponentEditorButton
      Left = 152
      Top = 8
      Width = 80
      Height = 25
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 1
    end
  end
end
