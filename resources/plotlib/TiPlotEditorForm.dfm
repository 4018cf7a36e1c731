// Written by tools/forms/plot_editor_form.py: change the script, not this file.
object TiPlotEditorForm
  Caption = 'Plot'
  BorderStyle = bsDialog
  ClientWidth = 576
  ClientHeight = 272
  OnCreate = FormCreate
  OnClose = iCustomEditorFormClose
  object PageControl: TiComponentEditorPageControl
    Align = alClient
    ActivePage = GeneralTabSheet
    TabOrder = 0
    object GeneralTabSheet: TTabSheet
      Caption = 'Control'
      ParentBackground = False
      object ControlPageControl: TiComponentEditorPageControl
        Left = 2
        Top = 2
        Width = 568
        Height = 242
        ActivePage = ControlGeneralTabSheet
        TabOrder = 0
        object ControlGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object CopyToClipBoardFormatComboBoxLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Copy To ClipBoard Format'
          end
          object CopyToClipBoardFormatComboBox: TiComponentEditorComboBox
            Left = 152
            Top = 6
            Width = 79
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Meta File' 'Bitmap' 'JPEG')
            OnChange = GeneralChanged
            TabOrder = 0
          end
          object FileColumnSeparatorComboBoxLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'File Column Separator'
          end
          object FileColumnSeparatorComboBox: TiComponentEditorComboBox
            Left = 152
            Top = 29
            Width = 72
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Tab' 'Comma')
            OnChange = GeneralChanged
            TabOrder = 1
          end
          object ClipAnnotationsToAxesCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 152
            Height = 17
            Caption = 'Clip Annotations To Axes'
            OnClick = GeneralChanged
            TabOrder = 2
          end
          object BorderStyleRadioGroup: TiComponentEditorRadioGroup
            Left = 6
            Top = 75
            Width = 234
            Height = 39
            Caption = 'Border Style'
            Columns = 3
            Items.Strings = ('None' 'Raised' 'Lowered')
            OnClick = GeneralChanged
            TabOrder = 3
          end
          object ControlGeneralOuterMarginGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 116
            Width = 248
            Height = 67
            Caption = 'Outer Margin'
            TabOrder = 4
            object OuterMarginTopEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Top'
            end
            object OuterMarginTopEdit: TiComponentEditorEdit
              Left = 36
              Top = 17
              Width = 60
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 0
            end
            object OuterMarginTopUpDown: TiUpDown
              Left = 96
              Top = 17
              Width = 15
              Height = 21
              Associate = OuterMarginTopEdit
              Min = 0
              Max = 0
            end
            object OuterMarginLeftEditLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Left'
            end
            object OuterMarginLeftEdit: TiComponentEditorEdit
              Left = 36
              Top = 40
              Width = 60
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 1
            end
            object OuterMarginLeftUpDown: TiUpDown
              Left = 96
              Top = 40
              Width = 15
              Height = 21
              Associate = OuterMarginLeftEdit
              Min = 0
              Max = 0
            end
            object OuterMarginRightEditLabel: TLabel
              Left = 121
              Top = 21
              Caption = 'Right'
            end
            object OuterMarginRightEdit: TiComponentEditorEdit
              Left = 165
              Top = 17
              Width = 60
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 2
            end
            object OuterMarginRightUpDown: TiUpDown
              Left = 225
              Top = 17
              Width = 15
              Height = 21
              Associate = OuterMarginRightEdit
              Min = 0
              Max = 0
            end
            object OuterMarginBottomEditLabel: TLabel
              Left = 121
              Top = 44
              Caption = 'Bottom'
            end
            object OuterMarginBottomEdit: TiComponentEditorEdit
              Left = 165
              Top = 40
              Width = 60
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 3
            end
            object OuterMarginBottomUpDown: TiUpDown
              Left = 225
              Top = 40
              Width = 15
              Height = 21
              Associate = OuterMarginBottomEdit
              Min = 0
              Max = 0
            end
          end
          object UpdateFrameRateEditLabel: TLabel
            Left = 6
            Top = 189
            Caption = 'Update Frame Rate'
          end
          object UpdateFrameRateEdit: TiComponentEditorEdit
            Left = 152
            Top = 185
            Width = 60
            Height = 21
            OnUpdate = GeneralChanged
            TabOrder = 5
          end
          object UpdateFrameRateUpDown: TiUpDown
            Left = 212
            Top = 185
            Width = 15
            Height = 21
            Associate = UpdateFrameRateEdit
            Min = 0
            Max = 100
          end
          object AutoFrameRateCheckBox: TiComponentEditorCheckBox
            Left = 264
            Top = 9
            Width = 110
            Height = 17
            Caption = 'Auto Frame Rate'
            OnClick = GeneralChanged
            TabOrder = 6
          end
        end
        object ControlTitleTabSheet: TTabSheet
          Caption = 'Title'
          ParentBackground = False
          object TitleTextEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Text'
          end
          object TitleTextEdit: TiComponentEditorEdit
            Left = 49
            Top = 6
            Width = 200
            Height = 21
            OnUpdate = TitleChange
            TabOrder = 0
          end
          object TitleVisibleCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = TitleChange
            TabOrder = 1
          end
          object TitleFontPicker: TiComponentEditorFontPicker
            Left = 6
            Top = 52
            Width = 75
            Height = 25
            Caption = 'Font'
            OnChange = TitleChange
            TabOrder = 2
          end
          object TitleMarginEditLabel: TLabel
            Left = 6
            Top = 83
            Caption = 'Margin'
          end
          object TitleMarginEdit: TiComponentEditorEdit
            Left = 49
            Top = 79
            Width = 80
            Height = 21
            OnUpdate = TitleChange
            TabOrder = 3
          end
        end
        object ControlBackgroundTabSheet: TTabSheet
          Caption = 'Background'
          ParentBackground = False
          object BackGroundColorPickerLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Color'
          end
          object BackGroundColorPicker: TiComponentEditorColorPicker
            Left = 41
            Top = 6
            Width = 60
            Height = 21
            OnChange = GeneralChanged
            TabOrder = 0
          end
          object ControlBackgroundGradientGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 29
            Width = 209
            Height = 113
            Caption = 'Gradient'
            TabOrder = 1
            object BackGroundGradientEnabledCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 64
              Height = 17
              Caption = 'Enabled'
              OnClick = GeneralChanged
              TabOrder = 0
            end
            object BackGroundGradientStartColorPickerLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Start Color'
            end
            object BackGroundGradientStartColorPicker: TiComponentEditorColorPicker
              Left = 71
              Top = 40
              Width = 60
              Height = 21
              OnChange = GeneralChanged
              TabOrder = 1
            end
            object BackGroundGradientStopColorPickerLabel: TLabel
              Left = 8
              Top = 67
              Caption = 'Stop Color'
            end
            object BackGroundGradientStopColorPicker: TiComponentEditorColorPicker
              Left = 71
              Top = 63
              Width = 60
              Height = 21
              OnChange = GeneralChanged
              TabOrder = 2
            end
            object BackGroundGradientDirectionComboBoxLabel: TLabel
              Left = 8
              Top = 90
              Caption = 'Direction'
            end
            object BackGroundGradientDirectionComboBox: TiComponentEditorComboBox
              Left = 71
              Top = 86
              Width = 130
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('Top/Bottom' 'Bottom/Top' 'Left/Right' 'Right/Left' 'Top Left/Bottom Right' 'Bottom Right/Top Left' 'Bottom Left/Top Right' 'Top Right/Bottom Left' 'Rectangle Out' 'Rectangle In' 'Circle Out' 'Circle In')
              OnChange = GeneralChanged
              TabOrder = 3
            end
          end
        end
        object ControlPrintTabSheet: TTabSheet
          Caption = 'Print'
          ParentBackground = False
          object ControlPrintMarginGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 6
            Width = 198
            Height = 67
            Caption = 'Margin'
            TabOrder = 0
            object PrintMarginTopEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Top'
            end
            object PrintMarginTopEdit: TiComponentEditorEdit
              Left = 36
              Top = 17
              Width = 50
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 0
            end
            object PrintMarginLeftEditLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Left'
            end
            object PrintMarginLeftEdit: TiComponentEditorEdit
              Left = 36
              Top = 40
              Width = 50
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 1
            end
            object PrintMarginRightEditLabel: TLabel
              Left = 96
              Top = 21
              Caption = 'Right'
            end
            object PrintMarginRightEdit: TiComponentEditorEdit
              Left = 140
              Top = 17
              Width = 50
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 2
            end
            object PrintMarginBottomEditLabel: TLabel
              Left = 96
              Top = 44
              Caption = 'Bottom'
            end
            object PrintMarginBottomEdit: TiComponentEditorEdit
              Left = 140
              Top = 40
              Width = 50
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 3
            end
          end
          object PrintOrientationRadioGroup: TiComponentEditorRadioGroup
            Left = 6
            Top = 75
            Width = 186
            Height = 39
            Caption = 'Orientation'
            Columns = 2
            Items.Strings = ('Portrait' 'Landscape')
            OnClick = GeneralChanged
            TabOrder = 1
          end
          object PrintShowDialogCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 119
            Width = 87
            Height = 17
            Caption = 'Show Dialog'
            OnClick = GeneralChanged
            TabOrder = 2
          end
          object PrintDocumentNameEditLabel: TLabel
            Left = 6
            Top = 143
            Caption = 'Document Name'
          end
          object PrintDocumentNameEdit: TiComponentEditorEdit
            Left = 101
            Top = 139
            Width = 160
            Height = 21
            OnUpdate = GeneralChanged
            TabOrder = 3
          end
        end
        object ControlHintsTabSheet: TTabSheet
          Caption = 'Hints'
          ParentBackground = False
          object HintsShowCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 51
            Height = 17
            Caption = 'Show'
            OnClick = GeneralChanged
            TabOrder = 0
          end
          object HintsPauseEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Pause'
          end
          object HintsPauseEdit: TiComponentEditorEdit
            Left = 74
            Top = 29
            Width = 60
            Height = 21
            OnUpdate = GeneralChanged
            TabOrder = 1
          end
          object HintsPauseUpDown: TiUpDown
            Left = 134
            Top = 29
            Width = 15
            Height = 21
            Associate = HintsPauseEdit
            Min = 0
            Max = 0
          end
          object HintsHidePauseEditLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Hide Pause'
          end
          object HintsHidePauseEdit: TiComponentEditorEdit
            Left = 74
            Top = 52
            Width = 60
            Height = 21
            OnUpdate = GeneralChanged
            TabOrder = 2
          end
          object HintsHidePauseUpDown: TiUpDown
            Left = 134
            Top = 52
            Width = 15
            Height = 21
            Associate = HintsHidePauseEdit
            Min = 0
            Max = 0
          end
          object HintsFontPicker: TiComponentEditorFontPicker
            Left = 6
            Top = 75
            Width = 75
            Height = 25
            Caption = 'Font'
            OnChange = GeneralChanged
            TabOrder = 3
          end
        end
        object ControlFileIOTabSheet: TTabSheet
          Caption = 'File I/O'
          ParentBackground = False
          object ControlFileIOPropertiesGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 6
            Width = 142
            Height = 48
            Caption = 'Properties'
            TabOrder = 0
            object ControlPropertiesOpenPicker: TiComponentEditorOpenPicker
              Left = 8
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Load'
              Filter = 'Config (*.cfg)|*.cfg|All Files (*.*)|*.*'
              DefaultExt = 'cfg'
              FileMustExist = True
              OnChange = ControlPropertiesOpenPickerChange
              TabOrder = 0
            end
            object ControlPropertiesSavePicker: TiComponentEditorSavePicker
              Left = 74
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Save'
              Filter = 'Config (*.cfg)|*.cfg|All Files (*.*)|*.*'
              DefaultExt = 'cfg'
              OnChange = ControlPropertiesSavePickerChange
              TabOrder = 1
            end
          end
          object ControlFileIODataGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 56
            Width = 142
            Height = 48
            Caption = 'Data'
            TabOrder = 1
            object ControlDataOpenPicker: TiComponentEditorOpenPicker
              Left = 8
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Load'
              Filter = 'Data (*.dat)|*.dat|Log (*.log)|*.log|All Files (*.*)|*.*'
              DefaultExt = 'dat'
              OnChange = ControlDataOpenPickerChange
              TabOrder = 0
            end
            object ControlDataSavePicker: TiComponentEditorSavePicker
              Left = 74
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Save'
              Filter = 'Data (*.dat)|*.dat|All Files (*.*)|*.*'
              DefaultExt = 'dat'
              OnChange = ControlDataSavePickerChange
              TabOrder = 1
            end
          end
          object ControlFileIOAnnotationsGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 106
            Width = 142
            Height = 48
            Caption = 'Annotations'
            TabOrder = 2
            object ControlAnnotationOpenPicker: TiComponentEditorOpenPicker
              Left = 8
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Load'
              Filter = 'Annotations (*.ano)|*.ano|All Files (*.*)|*.*'
              DefaultExt = 'dat'
              OnChange = ControlAnnotationOpenPickerChange
              TabOrder = 0
            end
            object ControlAnnotationSavePicker: TiComponentEditorSavePicker
              Left = 74
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Save'
              Filter = 'Annotations (*.ano)|*.ano|All Files (*.*)|*.*'
              DefaultExt = 'dat'
              OnChange = ControlAnnotationSavePickerChange
              TabOrder = 1
            end
          end
          object ControlFileIOLogGroupBox: TiComponentEditorGroupBox
            Left = 158
            Top = 6
            Width = 252
            Height = 94
            Caption = 'Log'
            TabOrder = 3
            object ControlLogFileNameEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'File Name'
            end
            object ControlLogFileNameEdit: TiComponentEditorEdit
              Left = 73
              Top = 17
              Width = 150
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 0
            end
            object ControlLogFileNamePicker: TiComponentEditorSavePicker
              Left = 223
              Top = 17
              Width = 21
              Height = 21
              Caption = '...'
              Filter = 'Log (*.log)|*.log|All Files (*.*)|*.*'
              DefaultExt = 'log'
              OnChange = ControlLogFileNamePickerChange
              TabOrder = 1
            end
            object ControlLogBufferSizeEditLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Buffer Size'
            end
            object ControlLogBufferSizeEdit: TiComponentEditorEdit
              Left = 73
              Top = 40
              Width = 60
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 2
            end
            object ControlLogBufferSizeUpDown: TiUpDown
              Left = 133
              Top = 40
              Width = 15
              Height = 21
              Associate = ControlLogBufferSizeEdit
              Min = 0
              Max = 0
            end
            object ControlLogActivateButton: TiComponentEditorButton
              Left = 8
              Top = 63
              Width = 70
              Height = 25
              Caption = 'Activate'
              OnClick = ControlLogActivateButtonClick
              TabOrder = 3
            end
            object ControlLogDeactivateButton: TiComponentEditorButton
              Left = 84
              Top = 63
              Width = 70
              Height = 25
              Caption = 'Deactivate'
              OnClick = ControlLogDeactivateButtonClick
              TabOrder = 4
            end
          end
        end
        object ControlAnnotationDefaultsTabSheet: TTabSheet
          Caption = 'Annotation Defaults'
          ParentBackground = False
          object AnnotationDefaultFontPicker: TiComponentEditorFontPicker
            Left = 6
            Top = 6
            Width = 75
            Height = 25
            Caption = 'Font'
            OnChange = GeneralChanged
            TabOrder = 0
          end
          object ControlAnnotationDefaultsBrushGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 33
            Width = 137
            Height = 67
            Caption = 'Brush'
            TabOrder = 1
            object AnnotationDefaultBrushColorPickerLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Color'
            end
            object AnnotationDefaultBrushColorPicker: TiComponentEditorColorPicker
              Left = 43
              Top = 17
              Width = 60
              Height = 21
              OnChange = GeneralChanged
              TabOrder = 0
            end
            object AnnotationDefaultBrushStyleComboBoxLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Style'
            end
            object AnnotationDefaultBrushStyleComboBox: TiComponentEditorComboBox
              Left = 43
              Top = 40
              Width = 86
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('Solid' 'Clear' 'Horizontal' 'Vertical' 'FDiagonal' 'BDiagonal' 'Cross' 'DiagCross')
              OnChange = GeneralChanged
              TabOrder = 1
            end
          end
          object ControlAnnotationDefaultsPenGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 102
            Width = 153
            Height = 90
            Caption = 'Pen'
            TabOrder = 2
            object AnnotationDefaultPenColorPickerLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Color'
            end
            object AnnotationDefaultPenColorPicker: TiComponentEditorColorPicker
              Left = 45
              Top = 17
              Width = 60
              Height = 21
              OnChange = GeneralChanged
              TabOrder = 0
            end
            object AnnotationDefaultPenStyleComboBoxLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Style'
            end
            object AnnotationDefaultPenStyleComboBox: TiComponentEditorComboBox
              Left = 45
              Top = 40
              Width = 100
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('Solid' 'Dash' 'Dot' 'DashDot' 'DashDotDot' 'Clear' 'Inside Frame')
              OnChange = GeneralChanged
              TabOrder = 1
            end
            object AnnotationDefaultPenWidthEditLabel: TLabel
              Left = 8
              Top = 67
              Caption = 'Width'
            end
            object AnnotationDefaultPenWidthEdit: TiComponentEditorEdit
              Left = 45
              Top = 63
              Width = 60
              Height = 21
              OnUpdate = GeneralChanged
              TabOrder = 2
            end
            object AnnotationDefaultPenWidthUpDown: TiUpDown
              Left = 105
              Top = 63
              Width = 15
              Height = 21
              Associate = AnnotationDefaultPenWidthEdit
              Min = 0
              Max = 100
            end
          end
          object AnnotationDefaultReferenceComboBoxLabel: TLabel
            Left = 169
            Top = 10
            Caption = 'Reference'
          end
          object AnnotationDefaultReferenceComboBox: TiComponentEditorComboBox
            Left = 287
            Top = 6
            Width = 130
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('DataView' 'Channel' 'X-Channel Y-DataView' 'Y-Channel X-DataView ')
            OnChange = GeneralChanged
            TabOrder = 3
          end
          object AnnotationDefaultReferencePositionXComboBoxLabel: TLabel
            Left = 169
            Top = 33
            Caption = 'Reference Position-X'
          end
          object AnnotationDefaultReferencePositionXComboBox: TiComponentEditorComboBox
            Left = 287
            Top = 29
            Width = 81
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('DataView' 'Channel' 'Auto')
            OnChange = GeneralChanged
            TabOrder = 4
          end
          object AnnotationDefaultReferencePositionYComboBoxLabel: TLabel
            Left = 169
            Top = 56
            Caption = 'Reference Position-Y'
          end
          object AnnotationDefaultReferencePositionYComboBox: TiComponentEditorComboBox
            Left = 287
            Top = 52
            Width = 81
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('DataView' 'Channel' 'Auto')
            OnChange = GeneralChanged
            TabOrder = 5
          end
          object AnnotationDefaultReferenceSizeXComboBoxLabel: TLabel
            Left = 169
            Top = 79
            Caption = 'Reference Size-X'
          end
          object AnnotationDefaultReferenceSizeXComboBox: TiComponentEditorComboBox
            Left = 287
            Top = 75
            Width = 81
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('DataView' 'Channel' 'Auto')
            OnChange = GeneralChanged
            TabOrder = 6
          end
          object AnnotationDefaultReferenceSizeYComboBoxLabel: TLabel
            Left = 169
            Top = 102
            Caption = 'Reference Size-Y'
          end
          object AnnotationDefaultReferenceSizeYComboBox: TiComponentEditorComboBox
            Left = 287
            Top = 98
            Width = 81
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('DataView' 'Channel' 'Auto')
            OnChange = GeneralChanged
            TabOrder = 7
          end
        end
      end
    end
    object LayoutTabSheet: TTabSheet
      Caption = 'Layout'
      ParentBackground = False
      object iPlotLayoutViewer: TiPlotLayoutViewer
        Left = 2
        Top = 1
        Width = 568
        Height = 244
        PopupMenu = LayoutPopupMenu
        OnChange = iPlotLayoutViewerChange
        OnMouseDown = iPlotLayoutViewerMouseDown
        TabOrder = 0
      end
    end
    object ChannelsTabSheet: TTabSheet
      Caption = 'Channels'
      ParentBackground = False
      object ChannelListBox: TiComponentEditorListBox
        Left = 4
        Top = 4
        Width = 120
        Height = 205
        OnClick = ChannelListBoxClick
        OnGetData = ChannelListBoxGetData
        TabOrder = 0
      end
      object iChannelAddButton: TiComponentEditorButton
        Left = 4
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Add'
        OnClick = iChannelAddButtonClick
        TabOrder = 1
      end
      object ChannelRemoveButton: TiComponentEditorButton
        Left = 66
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Remove'
        OnClick = ChannelRemoveButtonClick
        TabOrder = 2
      end
      object ChannelPageControl: TiComponentEditorPageControl
        Left = 128
        Top = 2
        Width = 440
        Height = 242
        ActivePage = ChannelGeneralTabSheet
        TabOrder = 0
        object ChannelGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object ChannelNameEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Name'
          end
          object ChannelNameEdit: TiComponentEditorEdit
            Left = 98
            Top = 6
            Width = 120
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 0
          end
          object ChannelVisibleCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = ChannelChange
            TabOrder = 1
          end
          object ChannelPopupEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 101
            Height = 17
            Caption = 'Popup Enabled'
            OnClick = ChannelChange
            TabOrder = 2
          end
          object ChannelLayerEditLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Layer'
          end
          object ChannelLayerEdit: TiComponentEditorEdit
            Left = 98
            Top = 75
            Width = 60
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 3
          end
          object ChannelLayerUpDown: TiUpDown
            Left = 158
            Top = 75
            Width = 15
            Height = 21
            Associate = ChannelLayerEdit
            Min = 0
            Max = 0
          end
          object ChannelTitleEditLabel: TLabel
            Left = 6
            Top = 102
            Caption = 'Title'
          end
          object ChannelTitleEdit: TiComponentEditorEdit
            Left = 98
            Top = 98
            Width = 120
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 4
          end
          object ChannelVisibleInLegendCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 124
            Width = 110
            Height = 17
            Caption = 'Visible in Legend'
            OnClick = ChannelChange
            TabOrder = 5
          end
          object ChannelUserCanMoveDataPointsCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 147
            Width = 166
            Height = 17
            Caption = 'User Can Move Data Points'
            OnClick = ChannelChange
            TabOrder = 6
          end
          object ChannelUserCanMoveDataPointsStyleComboBoxLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Style'
          end
          object ChannelUserCanMoveDataPointsStyleComboBox: TiComponentEditorComboBox
            Left = 98
            Top = 167
            Width = 73
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('X and Y' 'X Only' 'Y Only')
            OnChange = ChannelChange
            TabOrder = 7
          end
          object ChannelRingBufferSizeEditLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Ring Buffer Size'
          end
          object ChannelRingBufferSizeEdit: TiComponentEditorEdit
            Left = 98
            Top = 190
            Width = 60
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 8
          end
          object ChannelColorPickerLabel: TLabel
            Left = 228
            Top = 10
            Caption = 'Color'
          end
          object ChannelColorPicker: TiComponentEditorColorPicker
            Left = 304
            Top = 6
            Width = 60
            Height = 21
            OnChange = ChannelChange
            TabOrder = 9
          end
          object ChannelXAxisNameComboBoxLabel: TLabel
            Left = 228
            Top = 33
            Caption = 'X-Axis Name'
          end
          object ChannelXAxisNameComboBox: TiComponentEditorComboBox
            Left = 304
            Top = 29
            Width = 110
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            OnDropDown = XAxisNameComboBoxDropDown
            OnChange = ChannelChange
            TabOrder = 10
          end
          object ChannelYAxisNameComboBoxLabel: TLabel
            Left = 228
            Top = 56
            Caption = 'Y-Axis Name'
          end
          object ChannelYAxisNameComboBox: TiComponentEditorComboBox
            Left = 304
            Top = 52
            Width = 110
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            OnDropDown = YAxisNameComboBoxDropDown
            OnChange = ChannelChange
            TabOrder = 11
          end
          object ChannelXAxisTrackingEnabled: TiComponentEditorCheckBox
            Left = 228
            Top = 78
            Width = 149
            Height = 17
            Caption = 'X-Axis Tracking Enabled'
            OnClick = ChannelChange
            TabOrder = 12
          end
          object ChannelYAxisTrackingEnabled: TiComponentEditorCheckBox
            Left = 228
            Top = 101
            Width = 149
            Height = 17
            Caption = 'Y-Axis Tracking Enabled'
            OnClick = ChannelChange
            TabOrder = 13
          end
          object ChannelDataStyleComboBoxLabel: TLabel
            Left = 228
            Top = 125
            Caption = 'Data Style'
          end
          object ChannelDataStyleComboBox: TiComponentEditorComboBox
            Left = 304
            Top = 121
            Width = 120
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Standard' 'Compact' 'Compact Interval' 'Full Feature')
            OnChange = ChannelChange
            TabOrder = 14
          end
          object ChannelFastDrawCheckBox: TiComponentEditorCheckBox
            Left = 228
            Top = 147
            Width = 75
            Height = 17
            Caption = 'Fast Draw'
            OnClick = ChannelChange
            TabOrder = 15
          end
          object ChannelClipToAxesCheckBox: TiComponentEditorCheckBox
            Left = 228
            Top = 170
            Width = 88
            Height = 17
            Caption = 'Clip To Axes'
            OnClick = ChannelChange
            TabOrder = 16
          end
        end
        object ChannelTraceTabSheet: TTabSheet
          Caption = 'Trace'
          ParentBackground = False
          object ChannelTraceVisibleCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = ChannelChange
            TabOrder = 0
          end
          object ChannelTraceLineStyleComboBoxLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Line Style'
          end
          object ChannelTraceLineStyleComboBox: TiComponentEditorComboBox
            Left = 107
            Top = 29
            Width = 95
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Solid' 'Dash' 'Dot' 'DashDot' 'DashDotDot')
            OnChange = ChannelChange
            TabOrder = 1
          end
          object ChannelTraceLineWidthEditLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Line Width'
          end
          object ChannelTraceLineWidthEdit: TiComponentEditorEdit
            Left = 107
            Top = 52
            Width = 60
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 2
          end
          object ChannelTraceLineWidthUpDown: TiUpDown
            Left = 167
            Top = 52
            Width = 15
            Height = 21
            Associate = ChannelTraceLineWidthEdit
            Min = 0
            Max = 100
          end
          object ChannelInterpolationStyleComboBoxLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Interpolation Style'
          end
          object ChannelInterpolationStyleComboBox: TiComponentEditorComboBox
            Left = 107
            Top = 75
            Width = 130
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Straight Line' 'Cubic Spline' 'Polynomial' 'Rational' 'Differential' 'Differential Terminated')
            OnChange = ChannelChange
            TabOrder = 3
          end
        end
        object ChannelMarkerTabSheet: TTabSheet
          Caption = 'Marker'
          ParentBackground = False
          object ChannelMarkersVisible: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = ChannelChange
            TabOrder = 0
          end
          object ChannelMarkersAllowIndividual: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 102
            Height = 17
            Caption = 'Allow Individual'
            OnClick = ChannelChange
            TabOrder = 1
          end
          object ChannelMarkersSizeEditLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Size'
          end
          object ChannelMarkersSizeEdit: TiComponentEditorEdit
            Left = 39
            Top = 52
            Width = 60
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 2
          end
          object ChannelMarkersSizeUpDown: TiUpDown
            Left = 99
            Top = 52
            Width = 15
            Height = 21
            Associate = ChannelMarkersSizeEdit
            Min = 0
            Max = 100
          end
          object ChannelMarkersStyleComboBoxLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Style'
          end
          object ChannelMarkersStyleComboBox: TiComponentEditorComboBox
            Left = 39
            Top = 75
            Width = 109
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Circle' 'Square' 'Diamond' 'Cross' 'Plus' 'Triangle Up' 'Triangle Down' 'Triangle Left' 'Triangle Right' 'Vertical Line' 'Horizontal Line' 'Character')
            OnChange = ChannelChange
            TabOrder = 3
          end
          object ChannelMarkerPenGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 98
            Width = 149
            Height = 113
            Caption = 'Pen'
            TabOrder = 4
            object ChannelMarkersPenColorPickerLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Color'
            end
            object ChannelMarkersPenColorPicker: TiComponentEditorColorPicker
              Left = 45
              Top = 17
              Width = 60
              Height = 21
              OnChange = ChannelChange
              TabOrder = 0
            end
            object ChannelMarkersPenUseChannelColorCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 43
              Width = 120
              Height = 17
              Caption = 'Use Channel Color'
              OnClick = ChannelChange
              TabOrder = 1
            end
            object ChannelMarkersPenStyleComboBoxLabel: TLabel
              Left = 8
              Top = 67
              Caption = 'Style'
            end
            object ChannelMarkersPenStyleComboBox: TiComponentEditorComboBox
              Left = 45
              Top = 63
              Width = 96
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('Solid' 'Dash' 'Dot' 'DashDot' 'DashDotDot' 'Clear' 'InsideFrame')
              OnChange = ChannelChange
              TabOrder = 2
            end
            object ChannelMarkersPenWidthEditLabel: TLabel
              Left = 8
              Top = 90
              Caption = 'Width'
            end
            object ChannelMarkersPenWidthEdit: TiComponentEditorEdit
              Left = 45
              Top = 86
              Width = 60
              Height = 21
              OnUpdate = ChannelChange
              TabOrder = 3
            end
            object ChannelMarkersPenWidthUpDown: TiUpDown
              Left = 105
              Top = 86
              Width = 15
              Height = 21
              Associate = ChannelMarkersPenWidthEdit
              Min = 0
              Max = 100
            end
          end
          object ChannelMarkerBrushGroupBox: TiComponentEditorGroupBox
            Left = 165
            Top = 6
            Width = 137
            Height = 90
            Caption = 'Brush'
            TabOrder = 5
            object ChannelMarkersBrushColorPickerLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Color'
            end
            object ChannelMarkersBrushColorPicker: TiComponentEditorColorPicker
              Left = 43
              Top = 17
              Width = 60
              Height = 21
              OnChange = ChannelChange
              TabOrder = 0
            end
            object ChannelMarkersBrushUseChannelColorCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 43
              Width = 120
              Height = 17
              Caption = 'Use Channel Color'
              OnClick = ChannelChange
              TabOrder = 1
            end
            object ChannelMarkersBrushStyleComboBoxLabel: TLabel
              Left = 8
              Top = 67
              Caption = 'Style'
            end
            object ChannelMarkersBrushStyleComboBox: TiComponentEditorComboBox
              Left = 43
              Top = 63
              Width = 86
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('Solid' 'Clear' 'Horizontal' 'Vertical' 'FDiagonal' 'BDiagonal' 'Cross' 'DiagCross')
              OnChange = ChannelChange
              TabOrder = 2
            end
          end
          object ChannelMarkersTurnOffLimitEditLabel: TLabel
            Left = 165
            Top = 102
            Caption = 'Turn Off Limit'
          end
          object ChannelMarkersTurnOffLimitEdit: TiComponentEditorEdit
            Left = 243
            Top = 98
            Width = 60
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 6
          end
          object ChannelMarkersTurnOffLimitUpDown: TiUpDown
            Left = 303
            Top = 98
            Width = 15
            Height = 21
            Associate = ChannelMarkersTurnOffLimitEdit
            Min = 0
            Max = 20000
            Increment = 100
          end
          object ChannelMarkersFontPicker: TiComponentEditorFontPicker
            Left = 165
            Top = 121
            Width = 75
            Height = 25
            Caption = 'Font'
            OnChange = ChannelChange
            TabOrder = 7
          end
        end
        object ChannelBarTabSheet: TTabSheet
          Caption = 'Bar'
          ParentBackground = False
          object ChannelBarEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = ChannelChange
            TabOrder = 0
          end
          object ChannelBarWidthEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Width'
          end
          object ChannelBarWidthEdit: TiComponentEditorEdit
            Left = 67
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 1
          end
          object iComponentEditorValueConverterPicker1: TiComponentEditorValueConverterPicker
            Left = 147
            Top = 29
            Width = 21
            Height = 21
            Associate = ChannelBarWidthEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptInterval
            TabOrder = 2
          end
          object ChannelBarReferenceEditLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Reference'
          end
          object ChannelBarReferenceEdit: TiComponentEditorEdit
            Left = 67
            Top = 52
            Width = 80
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 3
          end
          object ChannelBarPenGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 75
            Width = 149
            Height = 113
            Caption = 'Pen'
            TabOrder = 4
            object ChannelBarPenUseChannelColorCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 120
              Height = 17
              Caption = 'Use Channel Color'
              OnClick = ChannelChange
              TabOrder = 0
            end
            object ChannelBarPenStyleComboBoxLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Style'
            end
            object ChannelBarPenStyleComboBox: TiComponentEditorComboBox
              Left = 45
              Top = 40
              Width = 96
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('Solid' 'Dash' 'Dot' 'DashDot' 'DashDotDot' 'Clear' 'InsideFrame')
              OnChange = ChannelChange
              TabOrder = 1
            end
            object ChannelBarPenColorPickerLabel: TLabel
              Left = 8
              Top = 67
              Caption = 'Color'
            end
            object ChannelBarPenColorPicker: TiComponentEditorColorPicker
              Left = 45
              Top = 63
              Width = 60
              Height = 21
              OnChange = ChannelChange
              TabOrder = 2
            end
            object ChannelBarPenWidthEditLabel: TLabel
              Left = 8
              Top = 90
              Caption = 'Width'
            end
            object ChannelBarPenWidthEdit: TiComponentEditorEdit
              Left = 45
              Top = 86
              Width = 60
              Height = 21
              OnUpdate = ChannelChange
              TabOrder = 3
            end
            object ChannelBarPenWidthUpDown: TiUpDown
              Left = 105
              Top = 86
              Width = 15
              Height = 21
              Associate = ChannelBarPenWidthEdit
              Min = 0
              Max = 100
            end
          end
          object ChannelBarBrushGroupBox: TiComponentEditorGroupBox
            Left = 178
            Top = 6
            Width = 137
            Height = 90
            Caption = 'Brush'
            TabOrder = 5
            object ChannelBarBrushUseChannelColorCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 120
              Height = 17
              Caption = 'Use Channel Color'
              OnClick = ChannelChange
              TabOrder = 0
            end
            object ChannelBarBrushStyleComboBoxLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Style'
            end
            object ChannelBarBrushStyleComboBox: TiComponentEditorComboBox
              Left = 43
              Top = 40
              Width = 86
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('Solid' 'Clear' 'Horizontal' 'Vertical' 'FDiagonal' 'BDiagonal' 'Cross' 'DiagCross')
              OnChange = ChannelChange
              TabOrder = 1
            end
            object ChannelBarBrushColorPickerLabel: TLabel
              Left = 8
              Top = 67
              Caption = 'Color'
            end
            object ChannelBarBrushColorPicker: TiComponentEditorColorPicker
              Left = 43
              Top = 63
              Width = 60
              Height = 21
              OnChange = ChannelChange
              TabOrder = 2
            end
          end
        end
        object ChannelHighLowTabSheet: TTabSheet
          Caption = 'High/Low'
          ParentBackground = False
          object ChannelHighLowPageControl: TiComponentEditorPageControl
            Left = 2
            Top = 52
            Width = 432
            Height = 162
            ActivePage = ChannelHighLowOpenCloseTabSheet
            TabOrder = 0
            object ChannelHighLowOpenCloseTabSheet: TTabSheet
              Caption = 'Open/Close'
              ParentBackground = False
              object ChannelHighLowOpenCloseBarGroupBox: TiComponentEditorGroupBox
                Left = 6
                Top = 6
                Width = 130
                Height = 67
                Caption = 'Bar'
                TabOrder = 0
                object ChannelHighLowBarColorPickerLabel: TLabel
                  Left = 8
                  Top = 21
                  Caption = 'Color'
                end
                object ChannelHighLowBarColorPicker: TiComponentEditorColorPicker
                  Left = 45
                  Top = 17
                  Width = 60
                  Height = 21
                  OnChange = ChannelChange
                  TabOrder = 0
                end
                object ChannelHighLowBarWidthEditLabel: TLabel
                  Left = 8
                  Top = 44
                  Caption = 'Width'
                end
                object ChannelHighLowBarWidthEdit: TiComponentEditorEdit
                  Left = 45
                  Top = 40
                  Width = 56
                  Height = 21
                  OnUpdate = ChannelChange
                  TabOrder = 1
                end
                object ChannelHighLowBarWidthPicker: TiComponentEditorValueConverterPicker
                  Left = 101
                  Top = 40
                  Width = 21
                  Height = 21
                  Associate = ChannelHighLowBarWidthEdit
                  Caption = '...'
                  Hint = 'Date/Time Editor'
                  ShowHint = True
                  DefaultPage = ivcptInterval
                  TabOrder = 2
                end
              end
              object ChannelHighLowOpenCloseOpenGroupBox: TiComponentEditorGroupBox
                Left = 146
                Top = 6
                Width = 134
                Height = 113
                Caption = 'Open'
                TabOrder = 1
                object ChannelHighLowOpenShowCheckBox: TiComponentEditorCheckBox
                  Left = 8
                  Top = 20
                  Width = 51
                  Height = 17
                  Caption = 'Show'
                  OnClick = ChannelChange
                  TabOrder = 0
                end
                object ChannelHighLowOpenColorPickerLabel: TLabel
                  Left = 8
                  Top = 44
                  Caption = 'Color'
                end
                object ChannelHighLowOpenColorPicker: TiComponentEditorColorPicker
                  Left = 49
                  Top = 40
                  Width = 60
                  Height = 21
                  OnChange = ChannelChange
                  TabOrder = 1
                end
                object ChannelHighLowOpenWidthEditLabel: TLabel
                  Left = 8
                  Top = 67
                  Caption = 'Width'
                end
                object ChannelHighLowOpenWidthEdit: TiComponentEditorEdit
                  Left = 49
                  Top = 63
                  Width = 56
                  Height = 21
                  OnUpdate = ChannelChange
                  TabOrder = 2
                end
                object ChannelHighLowOpenWidthPicker: TiComponentEditorValueConverterPicker
                  Left = 105
                  Top = 63
                  Width = 21
                  Height = 21
                  Associate = ChannelHighLowOpenWidthEdit
                  Caption = '...'
                  Hint = 'Date/Time Editor'
                  ShowHint = True
                  DefaultPage = ivcptInterval
                  TabOrder = 3
                end
                object ChannelHighLowOpenHeightEditLabel: TLabel
                  Left = 8
                  Top = 90
                  Caption = 'Height'
                end
                object ChannelHighLowOpenHeightEdit: TiComponentEditorEdit
                  Left = 49
                  Top = 86
                  Width = 56
                  Height = 21
                  OnUpdate = ChannelChange
                  TabOrder = 4
                end
                object ChannelHighLowOpenHeightPicker: TiComponentEditorValueConverterPicker
                  Left = 105
                  Top = 86
                  Width = 21
                  Height = 21
                  Associate = ChannelHighLowOpenHeightEdit
                  Caption = '...'
                  Hint = 'Date/Time Editor'
                  ShowHint = True
                  DefaultPage = ivcptInterval
                  TabOrder = 5
                end
              end
              object ChannelHighLowOpenCloseCloseGroupBox: TiComponentEditorGroupBox
                Left = 290
                Top = 6
                Width = 134
                Height = 113
                Caption = 'Close'
                TabOrder = 2
                object ChannelHighLowCloseShowCheckBox: TiComponentEditorCheckBox
                  Left = 8
                  Top = 20
                  Width = 51
                  Height = 17
                  Caption = 'Show'
                  OnClick = ChannelChange
                  TabOrder = 0
                end
                object ChannelHighLowCloseColorPickerLabel: TLabel
                  Left = 8
                  Top = 44
                  Caption = 'Color'
                end
                object ChannelHighLowCloseColorPicker: TiComponentEditorColorPicker
                  Left = 49
                  Top = 40
                  Width = 60
                  Height = 21
                  OnChange = ChannelChange
                  TabOrder = 1
                end
                object ChannelHighLowCloseWidthEditLabel: TLabel
                  Left = 8
                  Top = 67
                  Caption = 'Width'
                end
                object ChannelHighLowCloseWidthEdit: TiComponentEditorEdit
                  Left = 49
                  Top = 63
                  Width = 56
                  Height = 21
                  OnUpdate = ChannelChange
                  TabOrder = 2
                end
                object ChannelHighLowCloseWidthPicker: TiComponentEditorValueConverterPicker
                  Left = 105
                  Top = 63
                  Width = 21
                  Height = 21
                  Associate = ChannelHighLowCloseWidthEdit
                  Caption = '...'
                  Hint = 'Date/Time Editor'
                  ShowHint = True
                  DefaultPage = ivcptInterval
                  TabOrder = 3
                end
                object ChannelHighLowCloseHeightEditLabel: TLabel
                  Left = 8
                  Top = 90
                  Caption = 'Height'
                end
                object ChannelHighLowCloseHeightEdit: TiComponentEditorEdit
                  Left = 49
                  Top = 86
                  Width = 56
                  Height = 21
                  OnUpdate = ChannelChange
                  TabOrder = 4
                end
                object ChannelHighLowCloseHeightPicker: TiComponentEditorValueConverterPicker
                  Left = 105
                  Top = 86
                  Width = 21
                  Height = 21
                  Associate = ChannelHighLowCloseHeightEdit
                  Caption = '...'
                  Hint = 'Date/Time Editor'
                  ShowHint = True
                  DefaultPage = ivcptInterval
                  TabOrder = 5
                end
              end
            end
            object ChannelHighLowCandlestickTabSheet: TTabSheet
              Caption = 'Candlestick'
              ParentBackground = False
              object ChannelHighLowShadowColorPickerLabel: TLabel
                Left = 6
                Top = 10
                Caption = 'Shadow Color'
              end
              object ChannelHighLowShadowColorPicker: TiComponentEditorColorPicker
                Left = 87
                Top = 6
                Width = 60
                Height = 21
                OnChange = ChannelChange
                TabOrder = 0
              end
              object ChannelHighLowBullishColorPickerLabel: TLabel
                Left = 6
                Top = 33
                Caption = 'Bullish Color'
              end
              object ChannelHighLowBullishColorPicker: TiComponentEditorColorPicker
                Left = 87
                Top = 29
                Width = 60
                Height = 21
                OnChange = ChannelChange
                TabOrder = 1
              end
              object ChannelHighLowBearishColorPickerLabel: TLabel
                Left = 6
                Top = 56
                Caption = 'Bearish Color'
              end
              object ChannelHighLowBearishColorPicker: TiComponentEditorColorPicker
                Left = 87
                Top = 52
                Width = 60
                Height = 21
                OnChange = ChannelChange
                TabOrder = 2
              end
            end
          end
          object ChannelHighLowStyleComboBoxLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Style'
          end
          object ChannelHighLowStyleComboBox: TiComponentEditorComboBox
            Left = 39
            Top = 6
            Width = 93
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Open/Close' 'Candlestick')
            OnChange = ChannelChange
            TabOrder = 0
          end
          object ChannelHighLowEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = ChannelChange
            TabOrder = 1
          end
        end
        object ChannelFillTabSheet: TTabSheet
          Caption = 'Fill'
          ParentBackground = False
          object ChannelFillEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = ChannelChange
            TabOrder = 0
          end
          object ChannelFillReferenceEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Reference'
          end
          object ChannelFillReferenceEdit: TiComponentEditorEdit
            Left = 67
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 1
          end
          object ChannelFillStyleComboBoxLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Style'
          end
          object ChannelFillStyleComboBox: TiComponentEditorComboBox
            Left = 67
            Top = 52
            Width = 86
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Solid' 'Clear' 'Horizontal' 'Vertical' 'FDiagonal' 'BDiagonal' 'Cross' 'DiagCross')
            OnChange = ChannelChange
            TabOrder = 2
          end
          object ChannelFillColorPickerLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Color'
          end
          object ChannelFillColorPicker: TiComponentEditorColorPicker
            Left = 67
            Top = 75
            Width = 60
            Height = 21
            OnChange = ChannelChange
            TabOrder = 3
          end
          object ChannelFillUseChannelColorCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 101
            Width = 120
            Height = 17
            Caption = 'Use Channel Color'
            OnClick = ChannelChange
            TabOrder = 4
          end
        end
        object ChannelDigitalTabSheet: TTabSheet
          Caption = 'Digital'
          ParentBackground = False
          object ChannelDigitalEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = ChannelChange
            TabOrder = 0
          end
          object ChannelDigitalReferenceHighEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Reference High'
          end
          object ChannelDigitalReferenceHighEdit: TiComponentEditorEdit
            Left = 96
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 1
          end
          object ChannelDigitalReferenceLowEditLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Reference Low'
          end
          object ChannelDigitalReferenceLowEdit: TiComponentEditorEdit
            Left = 96
            Top = 52
            Width = 80
            Height = 21
            OnUpdate = ChannelChange
            TabOrder = 2
          end
          object ChannelDigitalReferenceStyleComboBoxLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Reference Style'
          end
          object ChannelDigitalReferenceStyleComboBox: TiComponentEditorComboBox
            Left = 96
            Top = 75
            Width = 72
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Scale' 'Percent')
            OnChange = ChannelChange
            TabOrder = 3
          end
        end
        object ChannelFileIOTabSheet: TTabSheet
          Caption = 'File I/O'
          ParentBackground = False
          object ChannelFileIOPropertiesGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 6
            Width = 142
            Height = 48
            Caption = 'Properties'
            TabOrder = 0
            object ChannelPropertiesOpenPicker: TiComponentEditorOpenPicker
              Left = 8
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Load'
              Filter = 'Config (*.cfg)|*.cfg|All Files (*.*)|*.*'
              DefaultExt = 'cfg'
              OnChange = ChannelPropertiesOpenPickerChange
              TabOrder = 0
            end
            object ChannelPropertiesSavePicker: TiComponentEditorSavePicker
              Left = 74
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Save'
              Filter = 'Config (*.cfg)|*.cfg|All Files (*.*)|*.*'
              DefaultExt = 'cfg'
              OnChange = ChannelPropertiesSavePickerChange
              TabOrder = 1
            end
          end
          object ChannelFileIODataGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 56
            Width = 142
            Height = 48
            Caption = 'Data'
            TabOrder = 1
            object ChannelDataOpenPicker: TiComponentEditorOpenPicker
              Left = 8
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Load'
              Filter = 'Data (*.dat)|*.dat|All Files (*.*)|*.*'
              DefaultExt = 'dat'
              OnChange = ChannelDataOpenPickerChange
              TabOrder = 0
            end
            object ChannelDataSavePicker: TiComponentEditorSavePicker
              Left = 74
              Top = 17
              Width = 60
              Height = 25
              Caption = 'Save'
              Filter = 'Data (*.dat)|*.dat|All Files (*.*)|*.*'
              DefaultExt = 'dat'
              OnChange = ChannelDataSavePickerChange
              TabOrder = 1
            end
          end
          object ChannelFileIOLogGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 106
            Width = 252
            Height = 94
            Caption = 'Log'
            TabOrder = 2
            object ChannelLogFileNameEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'File Name'
            end
            object ChannelLogFileNameEdit: TiComponentEditorEdit
              Left = 73
              Top = 17
              Width = 150
              Height = 21
              OnUpdate = ChannelChange
              TabOrder = 0
            end
            object ChannelLogFileNamePicker: TiComponentEditorSavePicker
              Left = 223
              Top = 17
              Width = 21
              Height = 21
              Caption = '...'
              Filter = 'Log (*.log)|*.log|All Files (*.*)|*.*'
              DefaultExt = 'log'
              OnChange = ChannelLogFileNamePickerChange
              TabOrder = 1
            end
            object ChannelLogBufferSizeEditLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Buffer Size'
            end
            object ChannelLogBufferSizeEdit: TiComponentEditorEdit
              Left = 73
              Top = 40
              Width = 60
              Height = 21
              OnUpdate = ChannelChange
              TabOrder = 2
            end
            object ChannelLogBufferSizeUpDown: TiUpDown
              Left = 133
              Top = 40
              Width = 15
              Height = 21
              Associate = ChannelLogBufferSizeEdit
              Min = 0
              Max = 32767
            end
            object ChannelLogActivateButton: TiComponentEditorButton
              Left = 8
              Top = 63
              Width = 70
              Height = 25
              Caption = 'Activate'
              OnClick = ChannelLogActivateButtonClick
              TabOrder = 3
            end
            object ChannelLogDeactivateButton: TiComponentEditorButton
              Left = 84
              Top = 63
              Width = 70
              Height = 25
              Caption = 'Deactivate'
              OnClick = ChannelLogDeactivateButtonClick
              TabOrder = 4
            end
          end
        end
        object ChannelStatsTabSheet: TTabSheet
          Caption = 'Stats'
          ParentBackground = False
          object ChannelStatsPointCountDisplayLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Point Count'
          end
          object ChannelStatsPointCountDisplayLead: TLabel
            Left = 99
            Top = 9
            Caption = '='
          end
          object ChannelStatsPointCountDisplay: TLabel
            Left = 113
            Top = 9
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsPointCapacityDisplayLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Point Capacity'
          end
          object ChannelStatsPointCapacityDisplayLead: TLabel
            Left = 99
            Top = 32
            Caption = '='
          end
          object ChannelStatsPointCapacityDisplay: TLabel
            Left = 113
            Top = 32
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsMemoryDisplayLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Memory Used'
          end
          object ChannelStatsMemoryDisplayLead: TLabel
            Left = 99
            Top = 55
            Caption = '='
          end
          object ChannelStatsMemoryDisplay: TLabel
            Left = 113
            Top = 55
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsDataPointSizeDisplayLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Data Point Size'
          end
          object ChannelStatsDataPointSizeDisplayLead: TLabel
            Left = 99
            Top = 78
            Caption = '='
          end
          object ChannelStatsDataPointSizeDisplay: TLabel
            Left = 113
            Top = 78
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsMaxDataPointsDisplayLabel: TLabel
            Left = 6
            Top = 102
            Caption = 'Max Data Points'
          end
          object ChannelStatsMaxDataPointsDisplayLead: TLabel
            Left = 99
            Top = 101
            Caption = '='
          end
          object ChannelStatsMaxDataPointsDisplay: TLabel
            Left = 113
            Top = 101
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsXMinDisplayLabel: TLabel
            Left = 6
            Top = 125
            Caption = 'X-Min'
          end
          object ChannelStatsXMinDisplayLead: TLabel
            Left = 99
            Top = 124
            Caption = '='
          end
          object ChannelStatsXMinDisplay: TLabel
            Left = 113
            Top = 124
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsXMaxDisplayLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'X-Max'
          end
          object ChannelStatsXMaxDisplayLead: TLabel
            Left = 99
            Top = 147
            Caption = '='
          end
          object ChannelStatsXMaxDisplay: TLabel
            Left = 113
            Top = 147
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsXMeanDisplayLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'X-Mean'
          end
          object ChannelStatsXMeanDisplayLead: TLabel
            Left = 99
            Top = 170
            Caption = '='
          end
          object ChannelStatsXMeanDisplay: TLabel
            Left = 113
            Top = 170
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsYMinDisplayLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Y-Min'
          end
          object ChannelStatsYMinDisplayLead: TLabel
            Left = 99
            Top = 193
            Caption = '='
          end
          object ChannelStatsYMinDisplay: TLabel
            Left = 113
            Top = 193
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsYMaxDisplayLabel: TLabel
            Left = 213
            Top = 10
            Caption = 'Y-Max'
          end
          object ChannelStatsYMaxDisplayLead: TLabel
            Left = 261
            Top = 9
            Caption = '='
          end
          object ChannelStatsYMaxDisplay: TLabel
            Left = 275
            Top = 9
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsYMeanDisplayLabel: TLabel
            Left = 213
            Top = 33
            Caption = 'Y-Mean'
          end
          object ChannelStatsYMeanDisplayLead: TLabel
            Left = 261
            Top = 32
            Caption = '='
          end
          object ChannelStatsYMeanDisplay: TLabel
            Left = 275
            Top = 32
            Width = 90
            Height = 17
            AutoSize = False
            Caption = ''
          end
          object ChannelStatsRefreshButton: TiComponentEditorButton
            Left = 213
            Top = 52
            Width = 75
            Height = 25
            Caption = 'Refresh'
            OnClick = ChannelStatsRefreshButtonClick
            TabOrder = 0
          end
        end
      end
    end
    object DataCursorTabSheet: TTabSheet
      Caption = 'Cursors'
      ParentBackground = False
      object DataCursorListBox: TiComponentEditorListBox
        Left = 4
        Top = 4
        Width = 120
        Height = 205
        OnClick = DataCursorListBoxClick
        OnGetData = DataCursorListBoxGetData
        TabOrder = 0
      end
      object iDataCursorAddButton: TiComponentEditorButton
        Left = 4
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Add'
        OnClick = iDataCursorAddButtonClick
        TabOrder = 1
      end
      object DataCursorRemoveButton: TiComponentEditorButton
        Left = 66
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Remove'
        OnClick = DataCursorRemoveButtonClick
        TabOrder = 2
      end
      object DataCursorPageControl: TiComponentEditorPageControl
        Left = 128
        Top = 2
        Width = 440
        Height = 242
        ActivePage = DataCursorGeneralTabSheet
        TabOrder = 0
        object DataCursorGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object DataCursorNameEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Name'
          end
          object DataCursorNameEdit: TiComponentEditorEdit
            Left = 107
            Top = 6
            Width = 120
            Height = 21
            OnUpdate = DataCursorChange
            TabOrder = 0
          end
          object DataCursorPopupEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 101
            Height = 17
            Caption = 'Popup Enabled'
            OnClick = DataCursorChange
            TabOrder = 1
          end
          object DataCursorSnapToDataPointCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 123
            Height = 17
            Caption = 'Snap To Data Point'
            OnClick = DataCursorChange
            TabOrder = 2
          end
          object DataCursorStyleComboBoxLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Style'
          end
          object DataCursorStyleComboBox: TiComponentEditorComboBox
            Left = 107
            Top = 75
            Width = 111
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Value XY' 'Value X' 'Value Y' 'Delta X' 'Delta Y' 'Inverse Delta X')
            OnChange = DataCursorChange
            TabOrder = 3
          end
          object DataCursorColorPickerLabel: TLabel
            Left = 6
            Top = 102
            Caption = 'Color'
          end
          object DataCursorColorPicker: TiComponentEditorColorPicker
            Left = 107
            Top = 98
            Width = 60
            Height = 21
            OnChange = DataCursorChange
            TabOrder = 4
          end
          object DataCursorUseChannelColorCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 124
            Width = 120
            Height = 17
            Caption = 'Use Channel Color'
            OnClick = DataCursorChange
            TabOrder = 5
          end
          object DataCursorPointer1PositionEditLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Pointer 1 Position'
          end
          object DataCursorPointer1PositionEdit: TiComponentEditorEdit
            Left = 107
            Top = 144
            Width = 80
            Height = 21
            OnUpdate = DataCursorChange
            TabOrder = 6
          end
          object DataCursorPointer2PositionEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Pointer 2 Position'
          end
          object DataCursorPointer2PositionEdit: TiComponentEditorEdit
            Left = 107
            Top = 167
            Width = 80
            Height = 21
            OnUpdate = DataCursorChange
            TabOrder = 7
          end
          object DataCursorPointerPenWidthEditLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Pointer Pen Width'
          end
          object DataCursorPointerPenWidthEdit: TiComponentEditorEdit
            Left = 107
            Top = 190
            Width = 60
            Height = 21
            OnUpdate = DataCursorChange
            TabOrder = 8
          end
          object DataCursorPointerPenWidthUpDown: TiUpDown
            Left = 167
            Top = 190
            Width = 15
            Height = 21
            Associate = DataCursorPointerPenWidthEdit
            Min = 1
            Max = 50
          end
          object DataCursorFontPicker: TiComponentEditorFontPicker
            Left = 237
            Top = 6
            Width = 75
            Height = 25
            Caption = 'Font'
            OnChange = DataCursorChange
            TabOrder = 9
          end
        end
        object DataCursorChannelTabSheet: TTabSheet
          Caption = 'Channel'
          ParentBackground = False
          object DataCursorChannelNameComboBoxLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Name'
          end
          object DataCursorChannelNameComboBox: TiComponentEditorComboBox
            Left = 45
            Top = 6
            Width = 110
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            OnDropDown = DataCursorChannelNameComboBoxDropDown
            OnChange = DataCursorChange
            TabOrder = 0
          end
          object DataCursorChannelAllowAllCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 66
            Height = 17
            Caption = 'Allow All'
            OnClick = DataCursorChange
            TabOrder = 1
          end
          object DataCursorChannelShowAllInLegendCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 122
            Height = 17
            Caption = 'Show All In Legend'
            OnClick = DataCursorChange
            TabOrder = 2
          end
        end
        object DataCursorHintTabSheet: TTabSheet
          Caption = 'Hint'
          ParentBackground = False
          object DataCursorHintPositionEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Position'
          end
          object DataCursorHintPositionEdit: TiComponentEditorEdit
            Left = 55
            Top = 6
            Width = 80
            Height = 21
            OnUpdate = DataCursorChange
            TabOrder = 0
          end
          object DataCursorHintShowCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 51
            Height = 17
            Caption = 'Show'
            OnClick = DataCursorChange
            TabOrder = 1
          end
          object DataCursorHintHideOnReleaseCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 110
            Height = 17
            Caption = 'Hide On Release'
            OnClick = DataCursorChange
            TabOrder = 2
          end
          object DataCursorOrientationSideRadioGroup: TiComponentEditorRadioGroup
            Left = 6
            Top = 75
            Width = 110
            Height = 58
            Caption = 'Orientation Side'
            Columns = 1
            Items.Strings = ('Bottom-Right' 'Top-Left')
            OnClick = DataCursorChange
            TabOrder = 3
          end
        end
      end
    end
    object LimitTabSheet: TTabSheet
      Caption = 'Limits'
      ParentBackground = False
      object LimitListBox: TiComponentEditorListBox
        Left = 4
        Top = 4
        Width = 120
        Height = 205
        OnClick = LimitListBoxClick
        OnGetData = LimitListBoxGetData
        TabOrder = 0
      end
      object iLimitAddButton: TiComponentEditorButton
        Left = 4
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Add'
        OnClick = iLimitAddButtonClick
        TabOrder = 1
      end
      object LimitRemoveButton: TiComponentEditorButton
        Left = 66
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Remove'
        OnClick = LimitRemoveButtonClick
        TabOrder = 2
      end
      object LimitPageControl: TiComponentEditorPageControl
        Left = 128
        Top = 2
        Width = 440
        Height = 242
        ActivePage = LimitGeneralTabSheet
        TabOrder = 0
        object LimitGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object LimitNameEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Name'
          end
          object LimitNameEdit: TiComponentEditorEdit
            Left = 90
            Top = 6
            Width = 120
            Height = 21
            OnUpdate = LimitChange
            TabOrder = 0
          end
          object LimitVisibleCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = LimitChange
            TabOrder = 1
          end
          object LimitUserCanMoveCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 102
            Height = 17
            Caption = 'User Can Move'
            OnClick = LimitChange
            TabOrder = 2
          end
          object LimitPopUpEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 78
            Width = 101
            Height = 17
            Caption = 'Popup Enabled'
            OnClick = LimitChange
            TabOrder = 3
          end
          object LimitClipToAxesCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 101
            Width = 88
            Height = 17
            Caption = 'Clip To Axes'
            OnClick = LimitChange
            TabOrder = 4
          end
          object LimitLayerEditLabel: TLabel
            Left = 6
            Top = 125
            Caption = 'Layer'
          end
          object LimitLayerEdit: TiComponentEditorEdit
            Left = 90
            Top = 121
            Width = 60
            Height = 21
            OnUpdate = LimitChange
            TabOrder = 5
          end
          object LimitLayerUpDown: TiUpDown
            Left = 150
            Top = 121
            Width = 15
            Height = 21
            Associate = LimitLayerEdit
            Min = 0
            Max = 0
          end
          object LimitStyleComboBoxLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Style'
          end
          object LimitStyleComboBox: TiComponentEditorComboBox
            Left = 90
            Top = 144
            Width = 96
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Line X' 'Line Y' 'Band X' 'Band Y' 'Poly Band X' 'Poly Band Y')
            OnChange = LimitChange
            TabOrder = 6
          end
          object LimitLine1PositionEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Line 1 Position'
          end
          object LimitLine1PositionEdit: TiComponentEditorEdit
            Left = 90
            Top = 167
            Width = 80
            Height = 21
            OnUpdate = LimitChange
            TabOrder = 7
          end
          object LimitLine2PositionEditLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Line 2 Position'
          end
          object LimitLine2PositionEdit: TiComponentEditorEdit
            Left = 90
            Top = 190
            Width = 80
            Height = 21
            OnUpdate = LimitChange
            TabOrder = 8
          end
          object LimitFillStyleComboboxLabel: TLabel
            Left = 220
            Top = 10
            Caption = 'Fill Style'
          end
          object LimitFillStyleCombobox: TiComponentEditorComboBox
            Left = 296
            Top = 6
            Width = 86
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Solid' 'Clear' 'Horizontal' 'Vertical' 'FDiagonal' 'BDiagonal' 'Cross' 'DiagCross')
            OnChange = LimitChange
            TabOrder = 9
          end
          object LimitLineStyleComboBoxLabel: TLabel
            Left = 220
            Top = 33
            Caption = 'Line Style'
          end
          object LimitLineStyleComboBox: TiComponentEditorComboBox
            Left = 296
            Top = 29
            Width = 100
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Solid' 'Dash' 'Dot' 'DashDot' 'DashDotDot' 'Clear' 'Inside Frame')
            OnChange = LimitChange
            TabOrder = 10
          end
          object LimitLineWidthEditLabel: TLabel
            Left = 220
            Top = 56
            Caption = 'Line Width'
          end
          object LimitLineWidthEdit: TiComponentEditorEdit
            Left = 296
            Top = 52
            Width = 60
            Height = 21
            OnUpdate = LimitChange
            TabOrder = 11
          end
          object LimitLineWidthUpDown: TiUpDown
            Left = 356
            Top = 52
            Width = 15
            Height = 21
            Associate = LimitLineWidthEdit
            Min = 0
            Max = 100
          end
          object LimitColorPickerLabel: TLabel
            Left = 220
            Top = 79
            Caption = 'Color'
          end
          object LimitColorPicker: TiComponentEditorColorPicker
            Left = 296
            Top = 75
            Width = 60
            Height = 21
            OnChange = LimitChange
            TabOrder = 12
          end
          object LimitXAxisNameComboBoxLabel: TLabel
            Left = 220
            Top = 102
            Caption = 'X-Axis Name'
          end
          object LimitXAxisNameComboBox: TiComponentEditorComboBox
            Left = 296
            Top = 98
            Width = 110
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            OnDropDown = XAxisNameComboBoxDropDown
            OnChange = LimitChange
            TabOrder = 13
          end
          object LimitYAxisNameComboBoxLabel: TLabel
            Left = 220
            Top = 125
            Caption = 'Y-Axis Name'
          end
          object LimitYAxisNameComboBox: TiComponentEditorComboBox
            Left = 296
            Top = 121
            Width = 110
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            OnDropDown = YAxisNameComboBoxDropDown
            OnChange = LimitChange
            TabOrder = 14
          end
        end
      end
    end
    object LabelsTabSheet: TTabSheet
      Caption = 'Labels'
      ParentBackground = False
      object LabelListBox: TiComponentEditorListBox
        Left = 4
        Top = 4
        Width = 120
        Height = 205
        OnClick = LabelListBoxClick
        OnGetData = LabelListBoxGetData
        TabOrder = 0
      end
      object iLabelAddButton: TiComponentEditorButton
        Left = 4
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Add'
        OnClick = iLabelAddButtonClick
        TabOrder = 1
      end
      object LabelRemoveButton: TiComponentEditorButton
        Left = 66
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Remove'
        OnClick = LabelRemoveButtonClick
        TabOrder = 2
      end
      object LabelPageControl: TiComponentEditorPageControl
        Left = 128
        Top = 2
        Width = 440
        Height = 242
        ActivePage = LabelGeneralTabSheet
        TabOrder = 0
        object LabelGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object LabelNameEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Name'
          end
          object LabelNameEdit: TiComponentEditorEdit
            Left = 99
            Top = 6
            Width = 120
            Height = 21
            OnUpdate = LabelChange
            TabOrder = 0
          end
          object LabelVisibleCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = LabelChange
            TabOrder = 1
          end
          object LabelCaptionMemoLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Caption'
          end
          object LabelCaptionMemo: TiComponentEditorEdit
            Left = 99
            Top = 52
            Width = 180
            Height = 21
            OnUpdate = LabelChange
            TabOrder = 2
          end
          object LabelGeneralMarginGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 75
            Width = 198
            Height = 67
            Caption = 'Margin'
            TabOrder = 3
            object LabelMarginLeftEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Left'
            end
            object LabelMarginLeftEdit: TiComponentEditorEdit
              Left = 36
              Top = 17
              Width = 50
              Height = 21
              OnUpdate = LabelChange
              TabOrder = 0
            end
            object LabelMarginTopEditLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Top'
            end
            object LabelMarginTopEdit: TiComponentEditorEdit
              Left = 36
              Top = 40
              Width = 50
              Height = 21
              OnUpdate = LabelChange
              TabOrder = 1
            end
            object LabelMarginRightEditLabel: TLabel
              Left = 96
              Top = 21
              Caption = 'Right'
            end
            object LabelMarginRightEdit: TiComponentEditorEdit
              Left = 140
              Top = 17
              Width = 50
              Height = 21
              OnUpdate = LabelChange
              TabOrder = 2
            end
            object LabelMarginBottomEditLabel: TLabel
              Left = 96
              Top = 44
              Caption = 'Bottom'
            end
            object LabelMarginBottomEdit: TiComponentEditorEdit
              Left = 140
              Top = 40
              Width = 50
              Height = 21
              OnUpdate = LabelChange
              TabOrder = 3
            end
          end
          object LabelAlignmentComboBoxLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Alignment'
          end
          object LabelAlignmentComboBox: TiComponentEditorComboBox
            Left = 99
            Top = 144
            Width = 66
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Center' 'Left' 'Right')
            OnChange = LabelChange
            TabOrder = 4
          end
          object LabelImageListIndexEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Image List Index'
          end
          object LabelImageListIndexEdit: TiComponentEditorEdit
            Left = 99
            Top = 167
            Width = 60
            Height = 21
            OnUpdate = LabelChange
            TabOrder = 5
          end
          object LabelImageListIndexUpDown: TiUpDown
            Left = 159
            Top = 167
            Width = 15
            Height = 21
            Associate = LabelImageListIndexEdit
            Min = -1
            Max = 2
          end
          object LabelImageIndexEditLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Image Index'
          end
          object LabelImageIndexEdit: TiComponentEditorEdit
            Left = 99
            Top = 190
            Width = 60
            Height = 21
            OnUpdate = LabelChange
            TabOrder = 6
          end
          object LabelImageIndexUpDown: TiUpDown
            Left = 159
            Top = 190
            Width = 15
            Height = 21
            Associate = LabelImageIndexEdit
            Min = -1
            Max = 255
          end
          object LabelFontPicker: TiComponentEditorFontPicker
            Left = 289
            Top = 6
            Width = 75
            Height = 25
            Caption = 'Font'
            OnChange = LabelChange
            TabOrder = 7
          end
        end
      end
    end
    object XAxesTabSheet: TTabSheet
      Caption = 'X-Axes'
      ParentBackground = False
      object XAxisListBox: TiComponentEditorListBox
        Left = 4
        Top = 4
        Width = 120
        Height = 205
        OnClick = XAxisListBoxClick
        OnGetData = XAxisListBoxGetData
        TabOrder = 0
      end
      object XAxesAddButton: TiComponentEditorButton
        Left = 4
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Add'
        OnClick = XAxesAddButtonClick
        TabOrder = 1
      end
      object XAxisRemoveButton: TiComponentEditorButton
        Left = 66
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Remove'
        OnClick = XAxisRemoveButtonClick
        TabOrder = 2
      end
      object XAxisPageControl: TiComponentEditorPageControl
        Left = 128
        Top = 2
        Width = 440
        Height = 242
        ActivePage = XAxisGeneralTabSheet
        TabOrder = 0
        object XAxisGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object XAxisNameEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Name'
          end
          object XAxisNameEdit: TiComponentEditorEdit
            Left = 109
            Top = 6
            Width = 120
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 0
          end
          object XAxisVisibleCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = XAxisChange
            TabOrder = 1
          end
          object XAxisGridLinesVisibleCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 112
            Height = 17
            Caption = 'Grid Lines Visible'
            OnClick = XAxisChange
            TabOrder = 2
          end
          object XAxisEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 78
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = XAxisChange
            TabOrder = 3
          end
          object XAxisPopupEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 101
            Width = 101
            Height = 17
            Caption = 'Popup Enabled'
            OnClick = XAxisChange
            TabOrder = 4
          end
          object XAxisMinEditLabel: TLabel
            Left = 6
            Top = 125
            Caption = 'Min'
          end
          object XAxisMinEdit: TiComponentEditorEdit
            Left = 109
            Top = 121
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 5
          end
          object XAxisMinTimePicker: TiComponentEditorValueConverterPicker
            Left = 189
            Top = 121
            Width = 21
            Height = 21
            Associate = XAxisMinEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptDateTime
            TabOrder = 6
          end
          object XAxisSpanEditLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Span'
          end
          object XAxisSpanEdit: TiComponentEditorEdit
            Left = 109
            Top = 144
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 7
          end
          object XAxisSpanTimePicker: TiComponentEditorValueConverterPicker
            Left = 189
            Top = 144
            Width = 21
            Height = 21
            Associate = XAxisSpanEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptInterval
            TabOrder = 8
          end
          object XAxisDesiredStartEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Desired Start'
          end
          object XAxisDesiredStartEdit: TiComponentEditorEdit
            Left = 109
            Top = 167
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 9
          end
          object XAxisDesiredStartTimePicker: TiComponentEditorValueConverterPicker
            Left = 189
            Top = 167
            Width = 21
            Height = 21
            Associate = XAxisDesiredStartEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptInterval
            TabOrder = 10
          end
          object XAxisDesiredIncrementEditLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Desired Increment'
          end
          object XAxisDesiredIncrementEdit: TiComponentEditorEdit
            Left = 109
            Top = 190
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 11
          end
          object XAxisDesiredIncrementTimePicker: TiComponentEditorValueConverterPicker
            Left = 189
            Top = 190
            Width = 21
            Height = 21
            Associate = XAxisDesiredIncrementEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptInterval
            TabOrder = 12
          end
          object XAxisReverseScaleCheckBox: TiComponentEditorCheckBox
            Left = 239
            Top = 9
            Width = 97
            Height = 17
            Caption = 'Reverse Scale'
            OnClick = XAxisChange
            TabOrder = 13
          end
          object XAxisRestoreValuesOnResumeCheckBox: TiComponentEditorCheckBox
            Left = 239
            Top = 32
            Width = 167
            Height = 17
            Caption = 'Restore Values On Resume'
            OnClick = XAxisChange
            TabOrder = 14
          end
          object XAxisMasterUIInputCheckBox: TiComponentEditorCheckBox
            Left = 239
            Top = 55
            Width = 101
            Height = 17
            Caption = 'Master UI Input'
            OnClick = XAxisChange
            TabOrder = 15
          end
          object XAxisScaleTypeRadioGroup: TiComponentEditorRadioGroup
            Left = 239
            Top = 75
            Width = 136
            Height = 39
            Caption = 'Scale Type'
            Columns = 2
            Items.Strings = ('Linear' 'Log10')
            OnClick = XAxisChange
            TabOrder = 16
          end
        end
        object XAxisTitleTabSheet: TTabSheet
          Caption = 'Title'
          ParentBackground = False
          object XAxisTitleTextEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Text'
          end
          object XAxisTitleTextEdit: TiComponentEditorEdit
            Left = 49
            Top = 6
            Width = 160
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 0
          end
          object XAxisTitleMarginEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Margin'
          end
          object XAxisTitleMarginEdit: TiComponentEditorEdit
            Left = 49
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 1
          end
          object XAxisTitleShowCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 51
            Height = 17
            Caption = 'Show'
            OnClick = XAxisChange
            TabOrder = 2
          end
          object XAxisTitleRotatedCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 78
            Width = 62
            Height = 17
            Caption = 'Rotated'
            OnClick = XAxisChange
            TabOrder = 3
          end
          object XAxisTitleFontPicker: TiComponentEditorFontPicker
            Left = 6
            Top = 98
            Width = 75
            Height = 25
            Caption = 'Font'
            OnChange = XAxisChange
            TabOrder = 4
          end
        end
        object XAxisLabelsTabSheet: TTabSheet
          Caption = 'Labels'
          ParentBackground = False
          object XAxisLabelsPageControl: TiComponentEditorPageControl
            Left = 2
            Top = 2
            Width = 432
            Height = 212
            ActivePage = XAxisLabelsDefaultTabSheet
            TabOrder = 0
            object XAxisLabelsDefaultTabSheet: TTabSheet
              Caption = '(Default)'
              ParentBackground = False
              object XAxisLabelVisibleCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 56
                Height = 17
                Caption = 'Visible'
                OnClick = XAxisChange
                TabOrder = 0
              end
              object XAxisLabelMarginEditLabel: TLabel
                Left = 6
                Top = 33
                Caption = 'Margin'
              end
              object XAxisLabelMarginEdit: TiComponentEditorEdit
                Left = 107
                Top = 29
                Width = 80
                Height = 21
                OnUpdate = XAxisChange
                TabOrder = 1
              end
              object XAxisLabelFormatStyleComboBoxLabel: TLabel
                Left = 6
                Top = 56
                Caption = 'Format Style'
              end
              object XAxisLabelFormatStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 52
                Width = 93
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Value' 'Exponent' 'Prefix' 'Date/Time' 'Price 32nds' 'Thousands')
                OnChange = XAxisChange
                TabOrder = 2
              end
              object XAxisLabelRotationComboBoxLabel: TLabel
                Left = 6
                Top = 79
                Caption = 'Rotation'
              end
              object XAxisLabelRotationComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 75
                Width = 60
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('0' '90' '180' '270')
                OnChange = XAxisChange
                TabOrder = 3
              end
              object XAxisDateTimeFormatComboBoxLabel: TLabel
                Left = 6
                Top = 102
                Caption = 'Date Time Format'
              end
              object XAxisDateTimeFormatComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 98
                Width = 130
                Height = 21
                Style = csDropDown
                DropDownCount = 12
                Items.Strings = ('hh:nn:ss' 'hh:nn:ss.zzz' 'm/d hh:nn:ss' 'd mmm h:nn:ss am/pm' 'm/d/yy h:nn:ss am/pm' 'm/d/yyyy h:nn:ss am/pm')
                OnChange = XAxisChange
                TabOrder = 4
              end
              object XAxisLabelPrecisionStyleComboBoxLabel: TLabel
                Left = 6
                Top = 125
                Caption = 'Precision Style'
              end
              object XAxisLabelPrecisionStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 121
                Width = 130
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Significant Digits' 'Fixed Decimal Points')
                OnChange = XAxisChange
                TabOrder = 5
              end
              object XAxisLabelPrecisionEditLabel: TLabel
                Left = 6
                Top = 148
                Caption = 'Precision'
              end
              object XAxisLabelPrecisionEdit: TiComponentEditorEdit
                Left = 107
                Top = 144
                Width = 60
                Height = 21
                OnUpdate = XAxisChange
                TabOrder = 6
              end
              object XAxisLabelPrecisionUpDown: TiUpDown
                Left = 167
                Top = 144
                Width = 15
                Height = 21
                Associate = XAxisLabelPrecisionEdit
                Min = 0
                Max = 1000
              end
              object XAxisLabelMinLengthEditLabel: TLabel
                Left = 247
                Top = 10
                Caption = 'Min Length'
              end
              object XAxisLabelMinLengthEdit: TiComponentEditorEdit
                Left = 343
                Top = 6
                Width = 80
                Height = 21
                OnUpdate = XAxisChange
                TabOrder = 7
              end
              object XAxisLabelMinLengthAutoAdjustCheckBox: TiComponentEditorCheckBox
                Left = 247
                Top = 32
                Width = 142
                Height = 17
                Caption = 'Min Length Auto Adjust'
                OnClick = XAxisChange
                TabOrder = 8
              end
              object XAxisLabelSeparationEditLabel: TLabel
                Left = 247
                Top = 56
                Caption = 'Label Separation'
              end
              object XAxisLabelSeparationEdit: TiComponentEditorEdit
                Left = 343
                Top = 52
                Width = 80
                Height = 21
                OnUpdate = XAxisChange
                TabOrder = 9
              end
              object XAxisLabelFontPicker: TiComponentEditorFontPicker
                Left = 247
                Top = 75
                Width = 75
                Height = 25
                Caption = 'Font'
                OnChange = XAxisChange
                TabOrder = 10
              end
            end
            object XAxisLabelsCursorTabSheet: TTabSheet
              Caption = 'Cursor'
              ParentBackground = False
              object XAxisCursorUseDefaultFormatCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 123
                Height = 17
                Caption = 'Use Default Format'
                OnClick = XAxisChange
                TabOrder = 0
              end
              object XAxisCursorFormatStyleComboBoxLabel: TLabel
                Left = 6
                Top = 33
                Caption = 'Format Style'
              end
              object XAxisCursorFormatStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 29
                Width = 93
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Value' 'Exponent' 'Prefix' 'Date/Time' 'Price 32nds' 'Thousands')
                OnChange = XAxisChange
                TabOrder = 1
              end
              object XAxisCursorDateTimeFormatComboBoxLabel: TLabel
                Left = 6
                Top = 56
                Caption = 'Date Time Format'
              end
              object XAxisCursorDateTimeFormatComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 52
                Width = 130
                Height = 21
                Style = csDropDown
                DropDownCount = 12
                Items.Strings = ('hh:nn:ss' 'hh:nn:ss.zzz' 'm/d hh:nn:ss' 'd mmm h:nn:ss am/pm' 'm/d/yy h:nn:ss am/pm' 'm/d/yyyy h:nn:ss am/pm')
                OnChange = XAxisChange
                TabOrder = 2
              end
              object XAxisCursorPrecisionStyleComboBoxLabel: TLabel
                Left = 6
                Top = 79
                Caption = 'Precision Style'
              end
              object XAxisCursorPrecisionStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 75
                Width = 130
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Significant Digits' 'Fixed Decimal Points')
                OnChange = XAxisChange
                TabOrder = 3
              end
              object XAxisCursorPrecisionEditLabel: TLabel
                Left = 6
                Top = 102
                Caption = 'Precision'
              end
              object XAxisCursorPrecisionEdit: TiComponentEditorEdit
                Left = 107
                Top = 98
                Width = 60
                Height = 21
                OnUpdate = XAxisChange
                TabOrder = 4
              end
              object XAxisCursorPrecisionUpDown: TiUpDown
                Left = 167
                Top = 98
                Width = 15
                Height = 21
                Associate = XAxisCursorPrecisionEdit
                Min = 0
                Max = 20
              end
              object XAxisCursorMinLengthEditLabel: TLabel
                Left = 6
                Top = 125
                Caption = 'Min Length'
              end
              object XAxisCursorMinLengthEdit: TiComponentEditorEdit
                Left = 107
                Top = 121
                Width = 80
                Height = 21
                OnUpdate = XAxisChange
                TabOrder = 5
              end
              object XAxisCursorMinLengthAutoAdjustCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 147
                Width = 142
                Height = 17
                Caption = 'Min Length Auto Adjust'
                OnClick = XAxisChange
                TabOrder = 6
              end
              object XAxisCursorCopyDefaultButton: TiComponentEditorButton
                Left = 247
                Top = 6
                Width = 90
                Height = 25
                Caption = 'Copy Default'
                OnClick = XAxisCursorCopyDefaultButtonClick
                TabOrder = 7
              end
            end
            object XAxisLabelsLegendTabSheet: TTabSheet
              Caption = 'Legend'
              ParentBackground = False
              object XAxisLegendUseDefaultFormatCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 123
                Height = 17
                Caption = 'Use Default Format'
                OnClick = XAxisChange
                TabOrder = 0
              end
              object XAxisLegendFormatStyleComboBoxLabel: TLabel
                Left = 6
                Top = 33
                Caption = 'Format Style'
              end
              object XAxisLegendFormatStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 29
                Width = 93
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Value' 'Exponent' 'Prefix' 'Date/Time' 'Price 32nds' 'Thousands')
                OnChange = XAxisChange
                TabOrder = 1
              end
              object XAxisLegendDateTimeFormatComboBoxLabel: TLabel
                Left = 6
                Top = 56
                Caption = 'Date Time Format'
              end
              object XAxisLegendDateTimeFormatComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 52
                Width = 130
                Height = 21
                Style = csDropDown
                DropDownCount = 12
                Items.Strings = ('hh:nn:ss' 'hh:nn:ss.zzz' 'm/d hh:nn:ss' 'd mmm h:nn:ss am/pm' 'm/d/yy h:nn:ss am/pm' 'm/d/yyyy h:nn:ss am/pm')
                OnChange = XAxisChange
                TabOrder = 2
              end
              object XAxisLegendPrecisionStyleComboBoxLabel: TLabel
                Left = 6
                Top = 79
                Caption = 'Precision Style'
              end
              object XAxisLegendPrecisionStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 75
                Width = 130
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Significant Digits' 'Fixed Decimal Points')
                OnChange = XAxisChange
                TabOrder = 3
              end
              object XAxisLegendPrecisionEditLabel: TLabel
                Left = 6
                Top = 102
                Caption = 'Precision'
              end
              object XAxisLegendPrecisionEdit: TiComponentEditorEdit
                Left = 107
                Top = 98
                Width = 60
                Height = 21
                OnUpdate = XAxisChange
                TabOrder = 4
              end
              object XAxisLegendPrecisionUpDown: TiUpDown
                Left = 167
                Top = 98
                Width = 15
                Height = 21
                Associate = XAxisLegendPrecisionEdit
                Min = 0
                Max = 1000
              end
              object XAxisLegendMinLengthEditLabel: TLabel
                Left = 6
                Top = 125
                Caption = 'Min Length'
              end
              object XAxisLegendMinLengthEdit: TiComponentEditorEdit
                Left = 107
                Top = 121
                Width = 80
                Height = 21
                OnUpdate = XAxisChange
                TabOrder = 5
              end
              object XAxisLegendMinLengthAutoAdjustCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 147
                Width = 142
                Height = 17
                Caption = 'Min Length Auto Adjust'
                OnClick = XAxisChange
                TabOrder = 6
              end
              object XAxisLegendCopyDefaultButton: TiComponentEditorButton
                Left = 247
                Top = 6
                Width = 90
                Height = 25
                Caption = 'Copy Default'
                OnClick = XAxisLegendCopyDefaultButtonClick
                TabOrder = 7
              end
            end
          end
        end
        object XAxisTrackingTabSheet: TTabSheet
          Caption = 'Tracking'
          ParentBackground = False
          object XAxisTrackingEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = XAxisChange
            TabOrder = 0
          end
          object XAxisTrackingStyleComboBoxLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Style'
          end
          object XAxisTrackingStyleComboBox: TiComponentEditorComboBox
            Left = 124
            Top = 29
            Width = 130
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Scale Min & Max' 'Scale Max' 'Scale Min' 'Scroll Smooth' 'Scroll Page' 'Expand Collapse' 'Expand Collapse Fast' 'Expand Min & Max')
            OnChange = XAxisChange
            TabOrder = 1
          end
          object XAxisTrackingIncrementStyleComboBoxLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Increment Style'
          end
          object XAxisTrackingIncrementStyleComboBox: TiComponentEditorComboBox
            Left = 124
            Top = 52
            Width = 79
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Minimum' 'Major' 'Minor')
            OnChange = XAxisChange
            TabOrder = 2
          end
          object XAxisTrackingAlignFirstStyleComboBoxLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Align First Style'
          end
          object XAxisTrackingAlignFirstStyleComboBox: TiComponentEditorComboBox
            Left = 124
            Top = 75
            Width = 60
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Min' 'Max' 'Auto' 'None')
            OnChange = XAxisChange
            TabOrder = 3
          end
          object XAxisTrackingScrollCompressMaxEditLabel: TLabel
            Left = 6
            Top = 102
            Caption = 'Scroll Compress Max'
          end
          object XAxisTrackingScrollCompressMaxEdit: TiComponentEditorEdit
            Left = 124
            Top = 98
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 4
          end
          object XAxisTrackingSpanMinimumEditLabel: TLabel
            Left = 6
            Top = 125
            Caption = 'Span Minimum'
          end
          object XAxisTrackingSpanMinimumEdit: TiComponentEditorEdit
            Left = 124
            Top = 121
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 5
          end
          object XAxisTrackingMaxMarginEditLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Max Margin'
          end
          object XAxisTrackingMaxMarginEdit: TiComponentEditorEdit
            Left = 124
            Top = 144
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 6
          end
          object XAxisTrackingMinMarginEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Min Margin'
          end
          object XAxisTrackingMinMarginEdit: TiComponentEditorEdit
            Left = 124
            Top = 167
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 7
          end
        end
        object XAxisCursorTabSheet: TTabSheet
          Caption = 'Cursor'
          ParentBackground = False
          object XAxisCursorScalerEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Scaler'
          end
          object XAxisCursorScalerEdit: TiComponentEditorEdit
            Left = 47
            Top = 6
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 0
          end
        end
        object XAxisScrollTabSheet: TTabSheet
          Caption = 'Scroll'
          ParentBackground = False
          object XAxisScrollMinMaxEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 112
            Height = 17
            Caption = 'Min/Max Enabled'
            OnClick = XAxisChange
            TabOrder = 0
          end
          object XAxisScrollMinEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Min'
          end
          object XAxisScrollMinEdit: TiComponentEditorEdit
            Left = 36
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 1
          end
          object XAxisScrollMaxEditLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Max'
          end
          object XAxisScrollMaxEdit: TiComponentEditorEdit
            Left = 36
            Top = 52
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 2
          end
        end
        object XAxisScaleTabSheet: TTabSheet
          Caption = 'Scale'
          ParentBackground = False
          object XAxisStartPercentEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Start Percent'
          end
          object XAxisStartPercentEdit: TiComponentEditorEdit
            Left = 82
            Top = 6
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 0
          end
          object XAxisStopPercentEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Stop Percent'
          end
          object XAxisStopPercentEdit: TiComponentEditorEdit
            Left = 82
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 1
          end
          object XAxisInnerMarginEditLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Inner Margin'
          end
          object XAxisInnerMarginEdit: TiComponentEditorEdit
            Left = 82
            Top = 52
            Width = 60
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 2
          end
          object XAxisInnerMarginUpDown: TiUpDown
            Left = 142
            Top = 52
            Width = 15
            Height = 21
            Associate = XAxisInnerMarginEdit
            Min = -1000
            Max = 1000
          end
          object XAxisOuterMarginEditLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Outer Margin'
          end
          object XAxisOuterMarginEdit: TiComponentEditorEdit
            Left = 82
            Top = 75
            Width = 60
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 3
          end
          object XAxisOuterMarginUpDown: TiUpDown
            Left = 142
            Top = 75
            Width = 15
            Height = 21
            Associate = XAxisOuterMarginEdit
            Min = -1000
            Max = 1000
          end
          object XAxisScaleLinesShowCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 101
            Width = 82
            Height = 17
            Caption = 'Lines Show'
            OnClick = XAxisChange
            TabOrder = 4
          end
          object XAxisScaleLinesColorPickerLabel: TLabel
            Left = 6
            Top = 125
            Caption = 'Lines Color'
          end
          object XAxisScaleLinesColorPicker: TiComponentEditorColorPicker
            Left = 82
            Top = 121
            Width = 60
            Height = 21
            OnChange = XAxisChange
            TabOrder = 5
          end
          object XAxisMajorLengthEditLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Major Length'
          end
          object XAxisMajorLengthEdit: TiComponentEditorEdit
            Left = 82
            Top = 144
            Width = 60
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 6
          end
          object XAxisMajorLengthUpDown: TiUpDown
            Left = 142
            Top = 144
            Width = 15
            Height = 21
            Associate = XAxisMajorLengthEdit
            Min = 0
            Max = 1000
          end
          object XAxisMinorLengthEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Minor Length'
          end
          object XAxisMinorLengthEdit: TiComponentEditorEdit
            Left = 82
            Top = 167
            Width = 60
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 7
          end
          object XAxisMinorLengthUpDown: TiUpDown
            Left = 142
            Top = 167
            Width = 15
            Height = 21
            Associate = XAxisMinorLengthEdit
            Min = 0
            Max = 1000
          end
          object XAxisMinorCountEditLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Minor Count'
          end
          object XAxisMinorCountEdit: TiComponentEditorEdit
            Left = 82
            Top = 190
            Width = 60
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 8
          end
          object XAxisMinorCountUpDown: TiUpDown
            Left = 142
            Top = 190
            Width = 15
            Height = 21
            Associate = XAxisMinorCountEdit
            Min = 0
            Max = 100
          end
          object XAxisStackingEndsMarginEditLabel: TLabel
            Left = 172
            Top = 10
            Caption = 'Stacking Ends Margin'
          end
          object XAxisStackingEndsMarginEdit: TiComponentEditorEdit
            Left = 293
            Top = 6
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 9
          end
          object XAxisForceStackingCheckBox: TiComponentEditorCheckBox
            Left = 172
            Top = 32
            Width = 99
            Height = 17
            Caption = 'Force Stacking'
            OnClick = XAxisChange
            TabOrder = 10
          end
          object XAxisAlignRefAxisNameComboBoxLabel: TLabel
            Left = 172
            Top = 56
            Caption = 'Align Ref Axis Name'
          end
          object XAxisAlignRefAxisNameComboBox: TiComponentEditorComboBox
            Left = 293
            Top = 52
            Width = 110
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            OnDropDown = XAxisNameComboBoxDropDown
            OnChange = XAxisChange
            TabOrder = 11
          end
        end
        object XAxisCartesianTabSheet: TTabSheet
          Caption = 'Cartesian'
          ParentBackground = False
          object XAxisLayerEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Layer'
          end
          object XAxisLayerEdit: TiComponentEditorEdit
            Left = 121
            Top = 6
            Width = 60
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 0
          end
          object XAxisLayerUpDown: TiUpDown
            Left = 181
            Top = 6
            Width = 15
            Height = 21
            Associate = XAxisLayerEdit
            Min = 0
            Max = 0
          end
          object XAxisCartesianStyleComboBoxLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Style'
          end
          object XAxisCartesianStyleComboBox: TiComponentEditorComboBox
            Left = 121
            Top = 29
            Width = 67
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('None' 'Master' 'Child')
            OnChange = XAxisChange
            TabOrder = 1
          end
          object XAxisCartesianChildRefAxisNameComboBoxLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Child Ref Axis Name'
          end
          object XAxisCartesianChildRefAxisNameComboBox: TiComponentEditorComboBox
            Left = 121
            Top = 52
            Width = 110
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            OnChange = XAxisChange
            TabOrder = 2
          end
          object XAxisCartesianChildRefValueEditLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Child Ref Value'
          end
          object XAxisCartesianChildRefValueEdit: TiComponentEditorEdit
            Left = 121
            Top = 75
            Width = 80
            Height = 21
            OnUpdate = XAxisChange
            TabOrder = 3
          end
          object XAxisCartesianChildRefValuePicker: TiComponentEditorValueConverterPicker
            Left = 201
            Top = 75
            Width = 21
            Height = 21
            Associate = XAxisCartesianChildRefValueEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptInterval
            TabOrder = 4
          end
        end
      end
    end
    object YAxesTabSheet: TTabSheet
      Caption = 'Y-Axes'
      ParentBackground = False
      object YAxisListBox: TiComponentEditorListBox
        Left = 4
        Top = 4
        Width = 120
        Height = 205
        OnClick = YAxisListBoxClick
        OnGetData = YAxisListBoxGetData
        TabOrder = 0
      end
      object YAxesAddButton: TiComponentEditorButton
        Left = 4
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Add'
        OnClick = YAxesAddButtonClick
        TabOrder = 1
      end
      object YAxisRemoveButton: TiComponentEditorButton
        Left = 66
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Remove'
        OnClick = YAxisRemoveButtonClick
        TabOrder = 2
      end
      object YAxisPageControl: TiComponentEditorPageControl
        Left = 128
        Top = 2
        Width = 440
        Height = 242
        ActivePage = YAxisGeneralTabSheet
        TabOrder = 0
        object YAxisGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object YAxisNameEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Name'
          end
          object YAxisNameEdit: TiComponentEditorEdit
            Left = 109
            Top = 6
            Width = 120
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 0
          end
          object YAxisVisibleCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = YAxisChange
            TabOrder = 1
          end
          object YAxisGridLinesVisibleCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 112
            Height = 17
            Caption = 'Grid Lines Visible'
            OnClick = YAxisChange
            TabOrder = 2
          end
          object YAxisEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 78
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = YAxisChange
            TabOrder = 3
          end
          object YAxisPopupEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 101
            Width = 101
            Height = 17
            Caption = 'Popup Enabled'
            OnClick = YAxisChange
            TabOrder = 4
          end
          object YAxisMinEditLabel: TLabel
            Left = 6
            Top = 125
            Caption = 'Min'
          end
          object YAxisMinEdit: TiComponentEditorEdit
            Left = 109
            Top = 121
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 5
          end
          object YAxisMinTimePicker: TiComponentEditorValueConverterPicker
            Left = 189
            Top = 121
            Width = 21
            Height = 21
            Associate = YAxisMinEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptDateTime
            TabOrder = 6
          end
          object YAxisSpanEditLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Span'
          end
          object YAxisSpanEdit: TiComponentEditorEdit
            Left = 109
            Top = 144
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 7
          end
          object YAxisSpanTimePicker: TiComponentEditorValueConverterPicker
            Left = 189
            Top = 144
            Width = 21
            Height = 21
            Associate = YAxisSpanEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptInterval
            TabOrder = 8
          end
          object YAxisDesiredStartEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Desired Start'
          end
          object YAxisDesiredStartEdit: TiComponentEditorEdit
            Left = 109
            Top = 167
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 9
          end
          object YAxisDesiredStartTimePicker: TiComponentEditorValueConverterPicker
            Left = 189
            Top = 167
            Width = 21
            Height = 21
            Associate = YAxisDesiredStartEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptInterval
            TabOrder = 10
          end
          object YAxisDesiredIncrementEditLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Desired Increment'
          end
          object YAxisDesiredIncrementEdit: TiComponentEditorEdit
            Left = 109
            Top = 190
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 11
          end
          object YAxisDesiredIncrementTimePicker: TiComponentEditorValueConverterPicker
            Left = 189
            Top = 190
            Width = 21
            Height = 21
            Associate = YAxisDesiredIncrementEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptInterval
            TabOrder = 12
          end
          object YAxisReverseScaleCheckBox: TiComponentEditorCheckBox
            Left = 239
            Top = 9
            Width = 97
            Height = 17
            Caption = 'Reverse Scale'
            OnClick = YAxisChange
            TabOrder = 13
          end
          object YAxisRestoreValuesOnResumeCheckBox: TiComponentEditorCheckBox
            Left = 239
            Top = 32
            Width = 167
            Height = 17
            Caption = 'Restore Values On Resume'
            OnClick = YAxisChange
            TabOrder = 14
          end
          object YAxisMasterUIInputCheckBox: TiComponentEditorCheckBox
            Left = 239
            Top = 55
            Width = 101
            Height = 17
            Caption = 'Master UI Input'
            OnClick = YAxisChange
            TabOrder = 15
          end
          object YAxisScaleTypeRadioGroup: TiComponentEditorRadioGroup
            Left = 239
            Top = 75
            Width = 136
            Height = 39
            Caption = 'Scale Type'
            Columns = 2
            Items.Strings = ('Linear' 'Log10')
            OnClick = YAxisChange
            TabOrder = 16
          end
        end
        object YAxisTitleTabSheet: TTabSheet
          Caption = 'Title'
          ParentBackground = False
          object YAxisTitleTextEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Text'
          end
          object YAxisTitleTextEdit: TiComponentEditorEdit
            Left = 49
            Top = 6
            Width = 160
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 0
          end
          object YAxisTitleMarginEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Margin'
          end
          object YAxisTitleMarginEdit: TiComponentEditorEdit
            Left = 49
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 1
          end
          object YAxisTitleShowCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 51
            Height = 17
            Caption = 'Show'
            OnClick = YAxisChange
            TabOrder = 2
          end
          object YAxisTitleRotatedCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 78
            Width = 62
            Height = 17
            Caption = 'Rotated'
            OnClick = YAxisChange
            TabOrder = 3
          end
          object YAxisTitleFontPicker: TiComponentEditorFontPicker
            Left = 6
            Top = 98
            Width = 75
            Height = 25
            Caption = 'Font'
            OnChange = YAxisChange
            TabOrder = 4
          end
        end
        object YAxisLabelsTabSheet: TTabSheet
          Caption = 'Labels'
          ParentBackground = False
          object YAxisLabelsPageControl: TiComponentEditorPageControl
            Left = 2
            Top = 2
            Width = 432
            Height = 212
            ActivePage = YAxisLabelsDefaultTabSheet
            TabOrder = 0
            object YAxisLabelsDefaultTabSheet: TTabSheet
              Caption = '(Default)'
              ParentBackground = False
              object YAxisLabelVisibleCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 56
                Height = 17
                Caption = 'Visible'
                OnClick = YAxisChange
                TabOrder = 0
              end
              object YAxisLabelMarginEditLabel: TLabel
                Left = 6
                Top = 33
                Caption = 'Margin'
              end
              object YAxisLabelMarginEdit: TiComponentEditorEdit
                Left = 107
                Top = 29
                Width = 80
                Height = 21
                OnUpdate = YAxisChange
                TabOrder = 1
              end
              object YAxisLabelFormatStyleComboBoxLabel: TLabel
                Left = 6
                Top = 56
                Caption = 'Format Style'
              end
              object YAxisLabelFormatStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 52
                Width = 93
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Value' 'Exponent' 'Prefix' 'Date/Time' 'Price 32nds' 'Thousands')
                OnChange = YAxisChange
                TabOrder = 2
              end
              object YAxisLabelRotationComboBoxLabel: TLabel
                Left = 6
                Top = 79
                Caption = 'Rotation'
              end
              object YAxisLabelRotationComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 75
                Width = 60
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('0' '90' '180' '270')
                OnChange = YAxisChange
                TabOrder = 3
              end
              object YAxisDateTimeFormatComboBoxLabel: TLabel
                Left = 6
                Top = 102
                Caption = 'Date Time Format'
              end
              object YAxisDateTimeFormatComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 98
                Width = 130
                Height = 21
                Style = csDropDown
                DropDownCount = 12
                Items.Strings = ('hh:nn:ss' 'hh:nn:ss.zzz' 'm/d hh:nn:ss' 'd mmm h:nn:ss am/pm' 'm/d/yy h:nn:ss am/pm' 'm/d/yyyy h:nn:ss am/pm')
                OnChange = YAxisChange
                TabOrder = 4
              end
              object YAxisLabelPrecisionStyleComboBoxLabel: TLabel
                Left = 6
                Top = 125
                Caption = 'Precision Style'
              end
              object YAxisLabelPrecisionStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 121
                Width = 130
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Significant Digits' 'Fixed Decimal Points')
                OnChange = YAxisChange
                TabOrder = 5
              end
              object YAxisLabelPrecisionEditLabel: TLabel
                Left = 6
                Top = 148
                Caption = 'Precision'
              end
              object YAxisLabelPrecisionEdit: TiComponentEditorEdit
                Left = 107
                Top = 144
                Width = 60
                Height = 21
                OnUpdate = YAxisChange
                TabOrder = 6
              end
              object YAxisLabelPrecisionUpDown: TiUpDown
                Left = 167
                Top = 144
                Width = 15
                Height = 21
                Associate = YAxisLabelPrecisionEdit
                Min = 0
                Max = 20
              end
              object YAxisLabelMinLengthEditLabel: TLabel
                Left = 247
                Top = 10
                Caption = 'Min Length'
              end
              object YAxisLabelMinLengthEdit: TiComponentEditorEdit
                Left = 343
                Top = 6
                Width = 80
                Height = 21
                OnUpdate = YAxisChange
                TabOrder = 7
              end
              object YAxisLabelMinLengthAutoAdjustCheckBox: TiComponentEditorCheckBox
                Left = 247
                Top = 32
                Width = 142
                Height = 17
                Caption = 'Min Length Auto Adjust'
                OnClick = YAxisChange
                TabOrder = 8
              end
              object YAxisLabelSeparationEditLabel: TLabel
                Left = 247
                Top = 56
                Caption = 'Label Separation'
              end
              object YAxisLabelSeparationEdit: TiComponentEditorEdit
                Left = 343
                Top = 52
                Width = 80
                Height = 21
                OnUpdate = YAxisChange
                TabOrder = 9
              end
              object YAxisLabelFontPicker: TiComponentEditorFontPicker
                Left = 247
                Top = 75
                Width = 75
                Height = 25
                Caption = 'Font'
                OnChange = YAxisChange
                TabOrder = 10
              end
            end
            object YAxisLabelsCursorTabSheet: TTabSheet
              Caption = 'Cursor'
              ParentBackground = False
              object YAxisCursorUseDefaultFormatCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 123
                Height = 17
                Caption = 'Use Default Format'
                OnClick = YAxisChange
                TabOrder = 0
              end
              object YAxisCursorFormatStyleComboBoxLabel: TLabel
                Left = 6
                Top = 33
                Caption = 'Format Style'
              end
              object YAxisCursorFormatStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 29
                Width = 93
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Value' 'Exponent' 'Prefix' 'Date/Time' 'Price 32nds' 'Thousands')
                OnChange = YAxisChange
                TabOrder = 1
              end
              object YAxisCursorDateTimeFormatComboBoxLabel: TLabel
                Left = 6
                Top = 56
                Caption = 'Date Time Format'
              end
              object YAxisCursorDateTimeFormatComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 52
                Width = 130
                Height = 21
                Style = csDropDown
                DropDownCount = 12
                Items.Strings = ('hh:nn:ss' 'hh:nn:ss.zzz' 'm/d hh:nn:ss' 'd mmm h:nn:ss am/pm' 'm/d/yy h:nn:ss am/pm' 'm/d/yyyy h:nn:ss am/pm')
                OnChange = YAxisChange
                TabOrder = 2
              end
              object YAxisCursorPrecisionStyleComboBoxLabel: TLabel
                Left = 6
                Top = 79
                Caption = 'Precision Style'
              end
              object YAxisCursorPrecisionStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 75
                Width = 130
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Significant Digits' 'Fixed Decimal Points')
                OnChange = YAxisChange
                TabOrder = 3
              end
              object YAxisCursorPrecisionEditLabel: TLabel
                Left = 6
                Top = 102
                Caption = 'Precision'
              end
              object YAxisCursorPrecisionEdit: TiComponentEditorEdit
                Left = 107
                Top = 98
                Width = 60
                Height = 21
                OnUpdate = YAxisChange
                TabOrder = 4
              end
              object YAxisCursorPrecisionUpDown: TiUpDown
                Left = 167
                Top = 98
                Width = 15
                Height = 21
                Associate = YAxisCursorPrecisionEdit
                Min = 0
                Max = 20
              end
              object YAxisCursorMinLengthEditLabel: TLabel
                Left = 6
                Top = 125
                Caption = 'Min Length'
              end
              object YAxisCursorMinLengthEdit: TiComponentEditorEdit
                Left = 107
                Top = 121
                Width = 80
                Height = 21
                OnUpdate = YAxisChange
                TabOrder = 5
              end
              object YAxisCursorMinLengthAutoAdjustCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 147
                Width = 142
                Height = 17
                Caption = 'Min Length Auto Adjust'
                OnClick = YAxisChange
                TabOrder = 6
              end
              object YAxisCursorCopyDefaultButton: TiComponentEditorButton
                Left = 247
                Top = 6
                Width = 90
                Height = 25
                Caption = 'Copy Default'
                OnClick = YAxisCursorCopyDefaultButtonClick
                TabOrder = 7
              end
            end
            object YAxisLabelsLegendTabSheet: TTabSheet
              Caption = 'Legend'
              ParentBackground = False
              object YAxisLegendUseDefaultFormatCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 123
                Height = 17
                Caption = 'Use Default Format'
                OnClick = YAxisChange
                TabOrder = 0
              end
              object YAxisLegendFormatStyleComboBoxLabel: TLabel
                Left = 6
                Top = 33
                Caption = 'Format Style'
              end
              object YAxisLegendFormatStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 29
                Width = 93
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Value' 'Exponent' 'Prefix' 'Date/Time' 'Price 32nds' 'Thousands')
                OnChange = YAxisChange
                TabOrder = 1
              end
              object YAxisLegendDateTimeFormatComboBoxLabel: TLabel
                Left = 6
                Top = 56
                Caption = 'Date Time Format'
              end
              object YAxisLegendDateTimeFormatComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 52
                Width = 130
                Height = 21
                Style = csDropDown
                DropDownCount = 12
                Items.Strings = ('hh:nn:ss' 'hh:nn:ss.zzz' 'm/d hh:nn:ss' 'd mmm h:nn:ss am/pm' 'm/d/yy h:nn:ss am/pm' 'm/d/yyyy h:nn:ss am/pm')
                OnChange = YAxisChange
                TabOrder = 2
              end
              object YAxisLegendPrecisionStyleComboBoxLabel: TLabel
                Left = 6
                Top = 79
                Caption = 'Precision Style'
              end
              object YAxisLegendPrecisionStyleComboBox: TiComponentEditorComboBox
                Left = 107
                Top = 75
                Width = 130
                Height = 21
                Style = csDropDownList
                DropDownCount = 12
                Items.Strings = ('Significant Digits' 'Fixed Decimal Points')
                OnChange = YAxisChange
                TabOrder = 3
              end
              object YAxisLegendPrecisionEditLabel: TLabel
                Left = 6
                Top = 102
                Caption = 'Precision'
              end
              object YAxisLegendPrecisionEdit: TiComponentEditorEdit
                Left = 107
                Top = 98
                Width = 60
                Height = 21
                OnUpdate = YAxisChange
                TabOrder = 4
              end
              object YAxisLegendPrecisionUpDown: TiUpDown
                Left = 167
                Top = 98
                Width = 15
                Height = 21
                Associate = YAxisLegendPrecisionEdit
                Min = 0
                Max = 20
              end
              object YAxisLegendMinLengthEditLabel: TLabel
                Left = 6
                Top = 125
                Caption = 'Min Length'
              end
              object YAxisLegendMinLengthEdit: TiComponentEditorEdit
                Left = 107
                Top = 121
                Width = 80
                Height = 21
                OnUpdate = YAxisChange
                TabOrder = 5
              end
              object YAxisLegendMinLengthAutoAdjustCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 147
                Width = 142
                Height = 17
                Caption = 'Min Length Auto Adjust'
                OnClick = YAxisChange
                TabOrder = 6
              end
              object YAxisLegendCopyDefaultButton: TiComponentEditorButton
                Left = 247
                Top = 6
                Width = 90
                Height = 25
                Caption = 'Copy Default'
                OnClick = YAxisLegendCopyDefaultButtonClick
                TabOrder = 7
              end
            end
          end
        end
        object YAxisTrackingTabSheet: TTabSheet
          Caption = 'Tracking'
          ParentBackground = False
          object YAxisTrackingEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = YAxisChange
            TabOrder = 0
          end
          object YAxisTrackingStyleComboBoxLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Style'
          end
          object YAxisTrackingStyleComboBox: TiComponentEditorComboBox
            Left = 124
            Top = 29
            Width = 130
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Scale Min & Max' 'Scale Max' 'Scale Min' 'Scroll Smooth' 'Scroll Page' 'Expand Collapse' 'Expand Collapse Fast' 'Expand Min & Max')
            OnChange = YAxisChange
            TabOrder = 1
          end
          object YAxisTrackingIncrementStyleComboBoxLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Increment Style'
          end
          object YAxisTrackingIncrementStyleComboBox: TiComponentEditorComboBox
            Left = 124
            Top = 52
            Width = 79
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Minimum' 'Major' 'Minor')
            OnChange = YAxisChange
            TabOrder = 2
          end
          object YAxisTrackingAlignFirstStyleComboBoxLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Align First Style'
          end
          object YAxisTrackingAlignFirstStyleComboBox: TiComponentEditorComboBox
            Left = 124
            Top = 75
            Width = 60
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Min' 'Max' 'Auto' 'None')
            OnChange = YAxisChange
            TabOrder = 3
          end
          object YAxisTrackingScrollCompressMaxEditLabel: TLabel
            Left = 6
            Top = 102
            Caption = 'Scroll Compress Max'
          end
          object YAxisTrackingScrollCompressMaxEdit: TiComponentEditorEdit
            Left = 124
            Top = 98
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 4
          end
          object YAxisTrackingSpanMinimumEditLabel: TLabel
            Left = 6
            Top = 125
            Caption = 'Span Minimum'
          end
          object YAxisTrackingSpanMinimumEdit: TiComponentEditorEdit
            Left = 124
            Top = 121
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 5
          end
          object YAxisTrackingMaxMarginEditLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Max Margin'
          end
          object YAxisTrackingMaxMarginEdit: TiComponentEditorEdit
            Left = 124
            Top = 144
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 6
          end
          object YAxisTrackingMinMarginEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Min Margin'
          end
          object YAxisTrackingMinMarginEdit: TiComponentEditorEdit
            Left = 124
            Top = 167
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 7
          end
        end
        object YAxisCursorTabSheet: TTabSheet
          Caption = 'Cursor'
          ParentBackground = False
          object YAxisCursorScalerEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Scaler'
          end
          object YAxisCursorScalerEdit: TiComponentEditorEdit
            Left = 47
            Top = 6
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 0
          end
        end
        object YAxisScrollTabSheet: TTabSheet
          Caption = 'Scroll'
          ParentBackground = False
          object YAxisScrollMinMaxEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 112
            Height = 17
            Caption = 'Min/Max Enabled'
            OnClick = YAxisChange
            TabOrder = 0
          end
          object YAxisScrollMinEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Min'
          end
          object YAxisScrollMinEdit: TiComponentEditorEdit
            Left = 36
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 1
          end
          object YAxisScrollMaxEditLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Max'
          end
          object YAxisScrollMaxEdit: TiComponentEditorEdit
            Left = 36
            Top = 52
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 2
          end
        end
        object YAxisScaleTabSheet: TTabSheet
          Caption = 'Scale'
          ParentBackground = False
          object YAxisStartPercentEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Start Percent'
          end
          object YAxisStartPercentEdit: TiComponentEditorEdit
            Left = 82
            Top = 6
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 0
          end
          object YAxisStopPercentEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Stop Percent'
          end
          object YAxisStopPercentEdit: TiComponentEditorEdit
            Left = 82
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 1
          end
          object YAxisInnerMarginEditLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Inner Margin'
          end
          object YAxisInnerMarginEdit: TiComponentEditorEdit
            Left = 82
            Top = 52
            Width = 60
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 2
          end
          object YAxisInnerMarginUpDown: TiUpDown
            Left = 142
            Top = 52
            Width = 15
            Height = 21
            Associate = YAxisInnerMarginEdit
            Min = -1000
            Max = 1000
          end
          object YAxisOuterMarginEditLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Outer Margin'
          end
          object YAxisOuterMarginEdit: TiComponentEditorEdit
            Left = 82
            Top = 75
            Width = 60
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 3
          end
          object YAxisOuterMarginUpDown: TiUpDown
            Left = 142
            Top = 75
            Width = 15
            Height = 21
            Associate = YAxisOuterMarginEdit
            Min = -1000
            Max = 1000
          end
          object YAxisScaleLinesShowCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 101
            Width = 82
            Height = 17
            Caption = 'Lines Show'
            OnClick = YAxisChange
            TabOrder = 4
          end
          object YAxisScaleLinesColorPickerLabel: TLabel
            Left = 6
            Top = 125
            Caption = 'Lines Color'
          end
          object YAxisScaleLinesColorPicker: TiComponentEditorColorPicker
            Left = 82
            Top = 121
            Width = 60
            Height = 21
            OnChange = YAxisChange
            TabOrder = 5
          end
          object YAxisMajorLengthEditLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Major Length'
          end
          object YAxisMajorLengthEdit: TiComponentEditorEdit
            Left = 82
            Top = 144
            Width = 60
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 6
          end
          object YAxisMajorLengthUpDown: TiUpDown
            Left = 142
            Top = 144
            Width = 15
            Height = 21
            Associate = YAxisMajorLengthEdit
            Min = 0
            Max = 1000
          end
          object YAxisMinorLengthEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Minor Length'
          end
          object YAxisMinorLengthEdit: TiComponentEditorEdit
            Left = 82
            Top = 167
            Width = 60
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 7
          end
          object YAxisMinorLengthUpDown: TiUpDown
            Left = 142
            Top = 167
            Width = 15
            Height = 21
            Associate = YAxisMinorLengthEdit
            Min = 0
            Max = 1000
          end
          object YAxisMinorCountEditLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Minor Count'
          end
          object YAxisMinorCountEdit: TiComponentEditorEdit
            Left = 82
            Top = 190
            Width = 60
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 8
          end
          object YAxisMinorCountUpDown: TiUpDown
            Left = 142
            Top = 190
            Width = 15
            Height = 21
            Associate = YAxisMinorCountEdit
            Min = 0
            Max = 100
          end
          object YAxisStackingEndsMarginEditLabel: TLabel
            Left = 172
            Top = 10
            Caption = 'Stacking Ends Margin'
          end
          object YAxisStackingEndsMarginEdit: TiComponentEditorEdit
            Left = 293
            Top = 6
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 9
          end
          object YAxisForceStackingCheckBox: TiComponentEditorCheckBox
            Left = 172
            Top = 32
            Width = 99
            Height = 17
            Caption = 'Force Stacking'
            OnClick = YAxisChange
            TabOrder = 10
          end
          object YAxisAlignRefAxisNameComboBoxLabel: TLabel
            Left = 172
            Top = 56
            Caption = 'Align Ref Axis Name'
          end
          object YAxisAlignRefAxisNameComboBox: TiComponentEditorComboBox
            Left = 293
            Top = 52
            Width = 110
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            OnDropDown = YAxisNameComboBoxDropDown
            OnChange = YAxisChange
            TabOrder = 11
          end
        end
        object YAxisCartesianTabSheet: TTabSheet
          Caption = 'Cartesian'
          ParentBackground = False
          object YAxisLayerEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Layer'
          end
          object YAxisLayerEdit: TiComponentEditorEdit
            Left = 121
            Top = 6
            Width = 60
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 0
          end
          object YAxisLayerUpDown: TiUpDown
            Left = 181
            Top = 6
            Width = 15
            Height = 21
            Associate = YAxisLayerEdit
            Min = 0
            Max = 0
          end
          object YAxisCartesianStyleComboBoxLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Style'
          end
          object YAxisCartesianStyleComboBox: TiComponentEditorComboBox
            Left = 121
            Top = 29
            Width = 67
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('None' 'Master' 'Child')
            OnChange = YAxisChange
            TabOrder = 1
          end
          object YAxisCartesianChildRefAxisNameComboBoxLabel: TLabel
            Left = 6
            Top = 56
            Caption = 'Child Ref Axis Name'
          end
          object YAxisCartesianChildRefAxisNameComboBox: TiComponentEditorComboBox
            Left = 121
            Top = 52
            Width = 110
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            OnChange = YAxisChange
            TabOrder = 2
          end
          object YAxisCartesianChildRefValueEditLabel: TLabel
            Left = 6
            Top = 79
            Caption = 'Child Ref Value'
          end
          object YAxisCartesianChildRefValueEdit: TiComponentEditorEdit
            Left = 121
            Top = 75
            Width = 80
            Height = 21
            OnUpdate = YAxisChange
            TabOrder = 3
          end
          object YAxisCartesianChildRefValuePicker: TiComponentEditorValueConverterPicker
            Left = 201
            Top = 75
            Width = 21
            Height = 21
            Associate = YAxisCartesianChildRefValueEdit
            Caption = '...'
            Hint = 'Date/Time Editor'
            ShowHint = True
            DefaultPage = ivcptInterval
            TabOrder = 4
          end
        end
      end
    end
    object LegendTabSheet: TTabSheet
      Caption = 'Legend'
      ParentBackground = False
      object LegendPageControl: TiComponentEditorPageControl
        Left = 2
        Top = 2
        Width = 568
        Height = 242
        ActivePage = LegendGeneralTabSheet
        TabOrder = 0
        object LegendGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object LegendVisibleCheckbox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = LegendChange
            TabOrder = 0
          end
          object LegendEnabledCheckbox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = LegendChange
            TabOrder = 1
          end
          object LegendPopupEnabledCheckbox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 101
            Height = 17
            Caption = 'Popup Enabled'
            OnClick = LegendChange
            TabOrder = 2
          end
          object LegendGeneralMarginGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 75
            Width = 185
            Height = 67
            Caption = 'Margin'
            TabOrder = 3
            object LegendTopMarginEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Top'
            end
            object LegendTopMarginEdit: TiComponentEditorEdit
              Left = 52
              Top = 17
              Width = 40
              Height = 21
              OnUpdate = LegendChange
              TabOrder = 0
            end
            object LegendBottomMarginEditLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Bottom'
            end
            object LegendBottomMarginEdit: TiComponentEditorEdit
              Left = 52
              Top = 40
              Width = 40
              Height = 21
              OnUpdate = LegendChange
              TabOrder = 1
            end
            object LegendLeftMarginEditLabel: TLabel
              Left = 102
              Top = 21
              Caption = 'Left'
            end
            object LegendLeftMarginEdit: TiComponentEditorEdit
              Left = 137
              Top = 17
              Width = 40
              Height = 21
              OnUpdate = LegendChange
              TabOrder = 2
            end
            object LegendRightMarginEditLabel: TLabel
              Left = 102
              Top = 44
              Caption = 'Right'
            end
            object LegendRightMarginEdit: TiComponentEditorEdit
              Left = 137
              Top = 40
              Width = 40
              Height = 21
              OnUpdate = LegendChange
              TabOrder = 3
            end
          end
          object LegendGeneralChannelNameGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 144
            Width = 197
            Height = 67
            Caption = 'Channel Name'
            TabOrder = 4
            object LegendChannelNameMaxWidthEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Max Width'
            end
            object LegendChannelNameMaxWidthEdit: TiComponentEditorEdit
              Left = 73
              Top = 17
              Width = 80
              Height = 21
              OnUpdate = LegendChange
              TabOrder = 0
            end
            object LegendChannelNameColorStyleComboBoxLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Color Style'
            end
            object LegendChannelNameColorStyleComboBox: TiComponentEditorComboBox
              Left = 73
              Top = 40
              Width = 116
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('Font' 'ChannelColor' 'XAxisFontColor ' 'YAxisFontColor')
              OnChange = LegendChange
              TabOrder = 1
            end
          end
          object LegendGeneralLineColumnGroupBox: TiComponentEditorGroupBox
            Left = 213
            Top = 6
            Width = 117
            Height = 67
            Caption = 'Line Column'
            TabOrder = 5
            object LegendLineColumnWidthEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Width'
            end
            object LegendLineColumnWidthEdit: TiComponentEditorEdit
              Left = 49
              Top = 17
              Width = 60
              Height = 21
              OnUpdate = LegendChange
              TabOrder = 0
            end
            object LegendLineColumnHeightEditLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Height'
            end
            object LegendLineColumnHeightEdit: TiComponentEditorEdit
              Left = 49
              Top = 40
              Width = 60
              Height = 21
              OnUpdate = LegendChange
              TabOrder = 1
            end
          end
          object LegendColumnSpacingEditLabel: TLabel
            Left = 213
            Top = 79
            Caption = 'Column Spacing'
          end
          object LegendColumnSpacingEdit: TiComponentEditorEdit
            Left = 306
            Top = 75
            Width = 60
            Height = 21
            OnUpdate = LegendChange
            TabOrder = 6
          end
          object LegendGeneralBackgroundGroupBox: TiComponentEditorGroupBox
            Left = 213
            Top = 98
            Width = 111
            Height = 67
            Caption = 'Background'
            TabOrder = 7
            object LegendBackGroundTransparentCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 84
              Height = 17
              Caption = 'Transparent'
              OnClick = LegendChange
              TabOrder = 0
            end
            object LegendBackgroundColorPickerLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Color'
            end
            object LegendBackgroundColorPicker: TiComponentEditorColorPicker
              Left = 43
              Top = 40
              Width = 60
              Height = 21
              OnChange = LegendChange
              TabOrder = 1
            end
          end
          object LegendGeneralSelectedItemGroupBox: TiComponentEditorGroupBox
            Left = 376
            Top = 6
            Width = 177
            Height = 71
            Caption = 'Selected Item'
            TabOrder = 8
            object LegendSelectedItemColorPickerLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Background Color'
            end
            object LegendSelectedItemColorPicker: TiComponentEditorColorPicker
              Left = 109
              Top = 17
              Width = 60
              Height = 21
              OnChange = LegendChange
              TabOrder = 0
            end
            object LegendSelectedItemFontPicker: TiComponentEditorFontPicker
              Left = 8
              Top = 40
              Width = 75
              Height = 25
              Caption = 'Font'
              OnChange = LegendChange
              TabOrder = 1
            end
          end
          object LegendFontPicker: TiComponentEditorFontPicker
            Left = 376
            Top = 79
            Width = 75
            Height = 25
            Caption = 'Font'
            OnChange = LegendChange
            TabOrder = 9
          end
        end
        object LegendColumnsTabSheet: TTabSheet
          Caption = 'Columns'
          ParentBackground = False
          object LegendColumnsShowGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 6
            Width = 258
            Height = 90
            Caption = 'Show'
            TabOrder = 0
            object LegendShowLineCheckbox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 44
              Height = 17
              Caption = 'Line'
              OnClick = LegendChange
              TabOrder = 0
            end
            object LegendShowMarkerCheckbox: TiComponentEditorCheckBox
              Left = 8
              Top = 43
              Width = 58
              Height = 17
              Caption = 'Marker'
              OnClick = LegendChange
              TabOrder = 1
            end
            object LegendShowXAxisTitleCheckbox: TiComponentEditorCheckBox
              Left = 8
              Top = 66
              Width = 80
              Height = 17
              Caption = 'X-Axis Title'
              OnClick = LegendChange
              TabOrder = 2
            end
            object LegendShowYAxisTitleCheckbox: TiComponentEditorCheckBox
              Left = 98
              Top = 20
              Width = 80
              Height = 17
              Caption = 'Y-Axis Title'
              OnClick = LegendChange
              TabOrder = 3
            end
            object LegendShowXValueCheckbox: TiComponentEditorCheckBox
              Left = 98
              Top = 43
              Width = 63
              Height = 17
              Caption = 'X-Value'
              OnClick = LegendChange
              TabOrder = 4
            end
            object LegendShowYValueCheckbox: TiComponentEditorCheckBox
              Left = 98
              Top = 66
              Width = 63
              Height = 17
              Caption = 'Y-Value'
              OnClick = LegendChange
              TabOrder = 5
            end
            object LegendShowYMaxCheckbox: TiComponentEditorCheckBox
              Left = 188
              Top = 20
              Width = 55
              Height = 17
              Caption = 'Y-Max'
              OnClick = LegendChange
              TabOrder = 6
            end
            object LegendShowYMinCheckbox: TiComponentEditorCheckBox
              Left = 188
              Top = 43
              Width = 52
              Height = 17
              Caption = 'Y-Min'
              OnClick = LegendChange
              TabOrder = 7
            end
            object LegendShowYMeanCheckbox: TiComponentEditorCheckBox
              Left = 188
              Top = 66
              Width = 62
              Height = 17
              Caption = 'Y-Mean'
              OnClick = LegendChange
              TabOrder = 8
            end
          end
          object LegendColumnsTitlesGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 98
            Width = 91
            Height = 71
            Caption = 'Titles'
            TabOrder = 1
            object LegendColumnTitlesVisibleCheckbox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 56
              Height = 17
              Caption = 'Visible'
              OnClick = LegendChange
              TabOrder = 0
            end
            object LegendColumnTitlesFontPicker: TiComponentEditorFontPicker
              Left = 8
              Top = 40
              Width = 75
              Height = 25
              Caption = 'Font'
              OnChange = LegendChange
              TabOrder = 1
            end
          end
        end
        object LegendWrapTabSheet: TTabSheet
          Caption = 'Wrap'
          ParentBackground = False
          object LegendWrapColGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 6
            Width = 173
            Height = 182
            Caption = 'Col'
            TabOrder = 0
            object LegendWrapColDesiredCountEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Desired Count'
            end
            object LegendWrapColDesiredCountEdit: TiComponentEditorEdit
              Left = 90
              Top = 17
              Width = 60
              Height = 21
              OnUpdate = LegendChange
              TabOrder = 0
            end
            object LegendWrapColDesiredCountUpDown: TiUpDown
              Left = 150
              Top = 17
              Width = 15
              Height = 21
              Associate = LegendWrapColDesiredCountEdit
              Min = 1
              Max = 1000
            end
            object LegendWrapColAutoCountGroupBox: TiComponentEditorGroupBox
              Left = 8
              Top = 40
              Width = 121
              Height = 67
              Caption = 'Auto Count'
              TabOrder = 1
              object LegendWrapColAutoCountEnabledCheckBox: TiComponentEditorCheckBox
                Left = 8
                Top = 20
                Width = 64
                Height = 17
                Caption = 'Enabled'
                OnClick = LegendChange
                TabOrder = 0
              end
              object LegendWrapColAutoCountMaxEditLabel: TLabel
                Left = 8
                Top = 44
                Caption = 'Max'
              end
              object LegendWrapColAutoCountMaxEdit: TiComponentEditorEdit
                Left = 38
                Top = 40
                Width = 60
                Height = 21
                OnUpdate = LegendChange
                TabOrder = 1
              end
              object LegendWrapColAutoCountMaxUpDown: TiUpDown
                Left = 98
                Top = 40
                Width = 15
                Height = 21
                Associate = LegendWrapColAutoCountMaxEdit
                Min = 1
                Max = 1000
              end
            end
            object LegendWrapColSpacingGroupBox: TiComponentEditorGroupBox
              Left = 8
              Top = 109
              Width = 122
              Height = 67
              Caption = 'Spacing'
              TabOrder = 2
              object LegendWrapColSpacingMinEditLabel: TLabel
                Left = 8
                Top = 21
                Caption = 'Min'
              end
              object LegendWrapColSpacingMinEdit: TiComponentEditorEdit
                Left = 34
                Top = 17
                Width = 80
                Height = 21
                OnUpdate = LegendChange
                TabOrder = 0
              end
              object LegendWrapColSpacingAutoCheckBox: TiComponentEditorCheckBox
                Left = 8
                Top = 43
                Width = 45
                Height = 17
                Caption = 'Auto'
                OnClick = LegendChange
                TabOrder = 1
              end
            end
          end
          object LegendWrapRowGroupBox: TiComponentEditorGroupBox
            Left = 189
            Top = 6
            Width = 173
            Height = 182
            Caption = 'Row'
            TabOrder = 1
            object LegendWrapRowDesiredCountEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Desired Count'
            end
            object LegendWrapRowDesiredCountEdit: TiComponentEditorEdit
              Left = 90
              Top = 17
              Width = 60
              Height = 21
              OnUpdate = LegendChange
              TabOrder = 0
            end
            object LegendWrapRowDesiredCountUpDown: TiUpDown
              Left = 150
              Top = 17
              Width = 15
              Height = 21
              Associate = LegendWrapRowDesiredCountEdit
              Min = 1
              Max = 1000
            end
            object LegendWrapRowAutoCountGroupBox: TiComponentEditorGroupBox
              Left = 8
              Top = 40
              Width = 121
              Height = 67
              Caption = 'Auto Count'
              TabOrder = 1
              object LegendWrapRowAutoCountEnabledCheckBox: TiComponentEditorCheckBox
                Left = 8
                Top = 20
                Width = 64
                Height = 17
                Caption = 'Enabled'
                OnClick = LegendChange
                TabOrder = 0
              end
              object LegendWrapRowAutoCountMaxEditLabel: TLabel
                Left = 8
                Top = 44
                Caption = 'Max'
              end
              object LegendWrapRowAutoCountMaxEdit: TiComponentEditorEdit
                Left = 38
                Top = 40
                Width = 60
                Height = 21
                OnUpdate = LegendChange
                TabOrder = 1
              end
              object LegendWrapRowAutoCountMaxUpDown: TiUpDown
                Left = 98
                Top = 40
                Width = 15
                Height = 21
                Associate = LegendWrapRowAutoCountMaxEdit
                Min = 1
                Max = 1000
              end
            end
            object LegendWrapRowSpacingGroupBox: TiComponentEditorGroupBox
              Left = 8
              Top = 109
              Width = 122
              Height = 67
              Caption = 'Spacing'
              TabOrder = 2
              object LegendWrapRowSpacingMinEditLabel: TLabel
                Left = 8
                Top = 21
                Caption = 'Min'
              end
              object LegendWrapRowSpacingMinEdit: TiComponentEditorEdit
                Left = 34
                Top = 17
                Width = 80
                Height = 21
                OnUpdate = LegendChange
                TabOrder = 0
              end
              object LegendWrapRowSpacingAutoCheckBox: TiComponentEditorCheckBox
                Left = 8
                Top = 43
                Width = 45
                Height = 17
                Caption = 'Auto'
                OnClick = LegendChange
                TabOrder = 1
              end
            end
          end
        end
        object LegendHiddenTabSheet: TTabSheet
          Caption = ''
          ParentBackground = False
          TabVisible = False
          object LegendListBox: TiComponentEditorListBox
            Left = 6
            Top = 6
            Width = 120
            Height = 100
            OnClick = LegendListBoxClick
            OnGetData = LegendListBoxGetData
            TabOrder = 0
          end
          object LegendNameEdit: TiComponentEditorEdit
            Left = 6
            Top = 6
            Width = 120
            Height = 21
            Visible = False
            OnUpdate = LegendChange
            TabOrder = 1
          end
        end
      end
    end
    object TablesTabSheet: TTabSheet
      Caption = 'Tables'
      ParentBackground = False
      object TableListBox: TiComponentEditorListBox
        Left = 4
        Top = 4
        Width = 120
        Height = 205
        OnClick = TableListBoxClick
        OnGetData = TableListBoxGetData
        TabOrder = 0
      end
      object iTableAddButton: TiComponentEditorButton
        Left = 4
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Add'
        OnClick = iTableAddButtonClick
        TabOrder = 1
      end
      object TableRemoveButton: TiComponentEditorButton
        Left = 66
        Top = 215
        Width = 58
        Height = 25
        Caption = 'Remove'
        OnClick = TableRemoveButtonClick
        TabOrder = 2
      end
      object TablePageControl: TiComponentEditorPageControl
        Left = 128
        Top = 2
        Width = 440
        Height = 242
        ActivePage = TableGeneralTabSheet
        TabOrder = 0
        object TableGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object TableNameEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Name'
          end
          object TableNameEdit: TiComponentEditorEdit
            Left = 99
            Top = 6
            Width = 120
            Height = 21
            OnUpdate = TableChange
            TabOrder = 0
          end
          object TableVisibleCheckbox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 56
            Height = 17
            Caption = 'Visible'
            OnClick = TableChange
            TabOrder = 1
          end
          object TableEnabledCheckbox: TiComponentEditorCheckBox
            Left = 6
            Top = 55
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = TableChange
            TabOrder = 2
          end
          object TablePopupEnabledCheckbox: TiComponentEditorCheckBox
            Left = 6
            Top = 78
            Width = 101
            Height = 17
            Caption = 'Popup Enabled'
            OnClick = TableChange
            TabOrder = 3
          end
          object TableGeneralMarginGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 98
            Width = 198
            Height = 67
            Caption = 'Margin'
            TabOrder = 4
            object TableTopMarginEditLabel: TLabel
              Left = 8
              Top = 21
              Caption = 'Top'
            end
            object TableTopMarginEdit: TiComponentEditorEdit
              Left = 36
              Top = 17
              Width = 50
              Height = 21
              OnUpdate = TableChange
              TabOrder = 0
            end
            object TableLeftMarginEditLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Left'
            end
            object TableLeftMarginEdit: TiComponentEditorEdit
              Left = 36
              Top = 40
              Width = 50
              Height = 21
              OnUpdate = TableChange
              TabOrder = 1
            end
            object TableRightMarginEditLabel: TLabel
              Left = 96
              Top = 21
              Caption = 'Right'
            end
            object TableRightMarginEdit: TiComponentEditorEdit
              Left = 140
              Top = 17
              Width = 50
              Height = 21
              OnUpdate = TableChange
              TabOrder = 2
            end
            object TableBottomMarginEditLabel: TLabel
              Left = 96
              Top = 44
              Caption = 'Bottom'
            end
            object TableBottomMarginEdit: TiComponentEditorEdit
              Left = 140
              Top = 40
              Width = 50
              Height = 21
              OnUpdate = TableChange
              TabOrder = 3
            end
          end
          object TableColumnSpacingEditLabel: TLabel
            Left = 6
            Top = 171
            Caption = 'Column Spacing'
          end
          object TableColumnSpacingEdit: TiComponentEditorEdit
            Left = 99
            Top = 167
            Width = 80
            Height = 21
            OnUpdate = TableChange
            TabOrder = 5
          end
          object TableRowSpacingEditLabel: TLabel
            Left = 6
            Top = 194
            Caption = 'Row Spacing'
          end
          object TableRowSpacingEdit: TiComponentEditorEdit
            Left = 99
            Top = 190
            Width = 80
            Height = 21
            OnUpdate = TableChange
            TabOrder = 6
          end
          object TableRowsMaxEditLabel: TLabel
            Left = 229
            Top = 10
            Caption = 'Rows Max'
          end
          object TableRowsMaxEdit: TiComponentEditorEdit
            Left = 291
            Top = 6
            Width = 60
            Height = 21
            OnUpdate = TableChange
            TabOrder = 7
          end
          object TableGeneralColumnTitlesGroupBox: TiComponentEditorGroupBox
            Left = 229
            Top = 29
            Width = 105
            Height = 71
            Caption = 'Column Titles'
            TabOrder = 8
            object TableColumnTitlesVisibleCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 56
              Height = 17
              Caption = 'Visible'
              OnClick = TableChange
              TabOrder = 0
            end
            object TableColumnTitlesFontPicker: TiComponentEditorFontPicker
              Left = 8
              Top = 40
              Width = 75
              Height = 25
              Caption = 'Font'
              OnChange = TableChange
              TabOrder = 1
            end
          end
          object TableGeneralDataGroupBox: TiComponentEditorGroupBox
            Left = 229
            Top = 102
            Width = 91
            Height = 48
            Caption = 'Data'
            TabOrder = 9
            object TableDataFontPicker: TiComponentEditorFontPicker
              Left = 8
              Top = 17
              Width = 75
              Height = 25
              Caption = 'Font'
              OnChange = TableChange
              TabOrder = 0
            end
          end
        end
        object TableGridTabSheet: TTabSheet
          Caption = 'Grid'
          ParentBackground = False
          object TableGridLinesGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 6
            Width = 111
            Height = 67
            Caption = 'Lines'
            TabOrder = 0
            object TableGridLinesShowCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 51
              Height = 17
              Caption = 'Show'
              OnClick = TableChange
              TabOrder = 0
            end
            object TableGridLinesColorPickerLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Color'
            end
            object TableGridLinesColorPicker: TiComponentEditorColorPicker
              Left = 43
              Top = 40
              Width = 60
              Height = 21
              OnChange = TableChange
              TabOrder = 1
            end
          end
          object TableGridBackgroundGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 75
            Width = 111
            Height = 67
            Caption = 'Background'
            TabOrder = 1
            object TableGridBackGroundTransparentCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 84
              Height = 17
              Caption = 'Transparent'
              OnClick = TableChange
              TabOrder = 0
            end
            object TableGridBackgroundColorPickerLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Color'
            end
            object TableGridBackgroundColorPicker: TiComponentEditorColorPicker
              Left = 43
              Top = 40
              Width = 60
              Height = 21
              OnChange = TableChange
              TabOrder = 1
            end
          end
        end
        object TableLayoutTabSheet: TTabSheet
          Caption = 'Layout'
          ParentBackground = False
          object TableStartPercentEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Start Percent'
          end
          object TableStartPercentEdit: TiComponentEditorEdit
            Left = 82
            Top = 6
            Width = 80
            Height = 21
            OnUpdate = TableChange
            TabOrder = 0
          end
          object TableStopPercentEditLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Stop Percent'
          end
          object TableStopPercentEdit: TiComponentEditorEdit
            Left = 82
            Top = 29
            Width = 80
            Height = 21
            OnUpdate = TableChange
            TabOrder = 1
          end
        end
      end
    end
    object ToolBarTabSheet: TTabSheet
      Caption = 'ToolBar'
      ParentBackground = False
      object ToolBarListGroupBox: TiComponentEditorGroupBox
        Left = 6
        Top = 6
        Width = 130
        Height = 100
        Caption = 'List'
        Visible = False
        TabOrder = 0
        object ToolBarListBox: TiComponentEditorListBox
          Left = 8
          Top = 16
          Width = 114
          Height = 76
          OnClick = ToolBarListBoxClick
          OnGetData = ToolBarListBoxGetData
          TabOrder = 0
        end
      end
      object ToolBarNameEdit: TiComponentEditorEdit
        Left = 6
        Top = 6
        Width = 120
        Height = 21
        Visible = False
        OnUpdate = ToolBarChange
        TabOrder = 1
      end
      object ToolBarVisibleCheckBox: TiComponentEditorCheckBox
        Left = 6
        Top = 9
        Width = 56
        Height = 17
        Caption = 'Visible'
        OnClick = ToolBarChange
        TabOrder = 2
      end
      object ToolBarEnabledCheckBox: TiComponentEditorCheckBox
        Left = 6
        Top = 32
        Width = 64
        Height = 17
        Caption = 'Enabled'
        OnClick = ToolBarChange
        TabOrder = 3
      end
      object ToolBarPopupEnabledCheckBox: TiComponentEditorCheckBox
        Left = 6
        Top = 55
        Width = 101
        Height = 17
        Caption = 'Popup Enabled'
        OnClick = ToolBarChange
        TabOrder = 4
      end
      object ToolBarFlatBorderCheckBox: TiComponentEditorCheckBox
        Left = 6
        Top = 78
        Width = 79
        Height = 17
        Caption = 'Flat Border'
        OnClick = ToolBarChange
        TabOrder = 5
      end
      object ToolBarFlatButtonsCheckBox: TiComponentEditorCheckBox
        Left = 6
        Top = 101
        Width = 84
        Height = 17
        Caption = 'Flat Buttons'
        OnClick = ToolBarChange
        TabOrder = 6
      end
      object ToolBarSmallButtonsCheckBox: TiComponentEditorCheckBox
        Left = 6
        Top = 124
        Width = 93
        Height = 17
        Caption = 'Small Buttons'
        OnClick = ToolBarChange
        TabOrder = 7
      end
      object ToolBarShowButtonGroupBox: TiComponentEditorGroupBox
        Left = 117
        Top = 6
        Width = 260
        Height = 113
        Caption = 'Show Button'
        TabOrder = 8
        object ToolBarShowResumeButtonCheckBox: TiComponentEditorCheckBox
          Left = 8
          Top = 20
          Width = 65
          Height = 17
          Caption = 'Resume'
          OnClick = ToolBarChange
          TabOrder = 0
        end
        object ToolBarShowPauseButtonCheckBox: TiComponentEditorCheckBox
          Left = 8
          Top = 43
          Width = 55
          Height = 17
          Caption = 'Pause'
          OnClick = ToolBarChange
          TabOrder = 1
        end
        object ToolBarShowAxesModeButtonsCheckBox: TiComponentEditorCheckBox
          Left = 8
          Top = 66
          Width = 80
          Height = 17
          Caption = 'Axes Mode'
          OnClick = ToolBarChange
          TabOrder = 2
        end
        object ToolBarShowZoomInOutButtonsCheckBox: TiComponentEditorCheckBox
          Left = 8
          Top = 89
          Width = 86
          Height = 17
          Caption = 'Zoom In/Out'
          OnClick = ToolBarChange
          TabOrder = 3
        end
        object ToolBarShowSelectButtonCheckBox: TiComponentEditorCheckBox
          Left = 104
          Top = 20
          Width = 54
          Height = 17
          Caption = 'Select'
          OnClick = ToolBarChange
          TabOrder = 4
        end
        object ToolBarShowZoomBoxButtonCheckBox: TiComponentEditorCheckBox
          Left = 104
          Top = 43
          Width = 75
          Height = 17
          Caption = 'Zoom Box'
          OnClick = ToolBarChange
          TabOrder = 5
        end
        object ToolBarShowCursorButtonCheckBox: TiComponentEditorCheckBox
          Left = 104
          Top = 66
          Width = 56
          Height = 17
          Caption = 'Cursor'
          OnClick = ToolBarChange
          TabOrder = 6
        end
        object ToolBarShowEditButtonCheckBox: TiComponentEditorCheckBox
          Left = 104
          Top = 89
          Width = 42
          Height = 17
          Caption = 'Edit'
          OnClick = ToolBarChange
          TabOrder = 7
        end
        object ToolBarShowCopyButtonCheckBox: TiComponentEditorCheckBox
          Left = 189
          Top = 20
          Width = 49
          Height = 17
          Caption = 'Copy'
          OnClick = ToolBarChange
          TabOrder = 8
        end
        object ToolBarShowSaveButtonCheckBox: TiComponentEditorCheckBox
          Left = 189
          Top = 43
          Width = 48
          Height = 17
          Caption = 'Save'
          OnClick = ToolBarChange
          TabOrder = 9
        end
        object ToolBarShowPrintButtonCheckBox: TiComponentEditorCheckBox
          Left = 189
          Top = 66
          Width = 45
          Height = 17
          Caption = 'Print'
          OnClick = ToolBarChange
          TabOrder = 10
        end
        object ToolBarShowPreviewButtonCheckBox: TiComponentEditorCheckBox
          Left = 189
          Top = 89
          Width = 63
          Height = 17
          Caption = 'Preview'
          OnClick = ToolBarChange
          TabOrder = 11
        end
      end
      object ToolBarZoomInOutFactorEditLabel: TLabel
        Left = 117
        Top = 125
        Caption = 'Zoom In/Out Factor'
      end
      object ToolBarZoomInOutFactorEdit: TiComponentEditorEdit
        Left = 226
        Top = 121
        Width = 80
        Height = 21
        OnUpdate = ToolBarChange
        TabOrder = 9
      end
    end
    object DataViewTabSheet: TTabSheet
      Caption = 'Data View'
      ParentBackground = False
      object DataViewPageControl: TiComponentEditorPageControl
        Left = 2
        Top = 2
        Width = 568
        Height = 242
        ActivePage = DataViewGeneralTabSheet
        TabOrder = 0
        object DataViewGeneralTabSheet: TTabSheet
          Caption = 'General'
          ParentBackground = False
          object DataViewNameEdit: TiComponentEditorEdit
            Left = 6
            Top = 6
            Width = 120
            Height = 21
            Visible = False
            OnUpdate = DataViewChange
            TabOrder = 0
          end
          object DataViewEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 9
            Width = 64
            Height = 17
            Caption = 'Enabled'
            OnClick = DataViewChange
            TabOrder = 1
          end
          object DataViewPopupEnabledCheckBox: TiComponentEditorCheckBox
            Left = 6
            Top = 32
            Width = 101
            Height = 17
            Caption = 'Popup Enabled'
            OnClick = DataViewChange
            TabOrder = 2
          end
          object DataViewGeneralBackgroundGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 52
            Width = 111
            Height = 67
            Caption = 'Background'
            TabOrder = 3
            object DataViewBackGroundTransparentCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 84
              Height = 17
              Caption = 'Transparent'
              OnClick = DataViewChange
              TabOrder = 0
            end
            object DataViewBackgroundColorPickerLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'Color'
            end
            object DataViewBackgroundColorPicker: TiComponentEditorColorPicker
              Left = 43
              Top = 40
              Width = 60
              Height = 21
              OnChange = DataViewChange
              TabOrder = 1
            end
          end
          object DataViewGeneralGridGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 121
            Width = 202
            Height = 90
            Caption = 'Grid'
            TabOrder = 4
            object DataViewGridShow: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 51
              Height = 17
              Caption = 'Show'
              OnClick = DataViewChange
              TabOrder = 0
            end
            object DataViewGridXAxisNameComboBoxLabel: TLabel
              Left = 8
              Top = 44
              Caption = 'X-Axis Name'
            end
            object DataViewGridXAxisNameComboBox: TiComponentEditorComboBox
              Left = 84
              Top = 40
              Width = 110
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              OnDropDown = DataViewGridXAxisNameComboBoxDropDown
              OnChange = DataViewChange
              TabOrder = 1
            end
            object DataViewGridYAxisNameComboBoxLabel: TLabel
              Left = 8
              Top = 67
              Caption = 'Y-Axis Name'
            end
            object DataViewGridYAxisNameComboBox: TiComponentEditorComboBox
              Left = 84
              Top = 63
              Width = 110
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              OnDropDown = DataViewGridYAxisNameComboBoxDropDown
              OnChange = DataViewChange
              TabOrder = 2
            end
          end
          object DataViewGeneralAxesControlGroupBox: TiComponentEditorGroupBox
            Left = 218
            Top = 6
            Width = 153
            Height = 113
            Caption = 'Axes Control'
            TabOrder = 5
            object DataViewAxesControlEnabledCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 64
              Height = 17
              Caption = 'Enabled'
              OnClick = DataViewChange
              TabOrder = 0
            end
            object DataViewAxesControlAllowInSelectModeCheckBox: TiComponentEditorCheckBox
              Left = 8
              Top = 43
              Width = 130
              Height = 17
              Caption = 'Allow In Select Mode'
              OnClick = DataViewChange
              TabOrder = 1
            end
            object DataViewAxesControlMouseStyleComboBoxLabel: TLabel
              Left = 8
              Top = 67
              Caption = 'Mouse Style'
            end
            object DataViewAxesControlMouseStyleComboBox: TiComponentEditorComboBox
              Left = 80
              Top = 63
              Width = 65
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('X-Axis' 'Y-Axis' 'Both' 'None')
              OnChange = DataViewChange
              TabOrder = 2
            end
            object DataViewAxesControlWheelStyleComboBoxLabel: TLabel
              Left = 8
              Top = 90
              Caption = 'Wheel Style'
            end
            object DataViewAxesControlWheelStyleComboBox: TiComponentEditorComboBox
              Left = 80
              Top = 86
              Width = 65
              Height = 21
              Style = csDropDownList
              DropDownCount = 12
              Items.Strings = ('X-Axis' 'Y-Axis' 'Both' 'None')
              OnChange = DataViewChange
              TabOrder = 3
            end
          end
        end
        object DataViewGridLinesTabSheet: TTabSheet
          Caption = 'Grid Lines'
          ParentBackground = False
          object DataViewGridLinesCustomPageControl: TiComponentEditorPageControl
            Left = 157
            Top = 2
            Width = 405
            Height = 212
            ActivePage = DataViewGridLinesXMajorsTabSheet
            TabOrder = 0
            object DataViewGridLinesXMajorsTabSheet: TTabSheet
              Caption = 'X-Majors'
              ParentBackground = False
              object DataViewGridLineShowXMajorsCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 51
                Height = 17
                Caption = 'Show'
                OnClick = DataViewChange
                TabOrder = 0
              end
              object DataViewGridLineXMajorCustomCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 32
                Width = 62
                Height = 17
                Caption = 'Custom'
                OnClick = DataViewChange
                TabOrder = 1
              end
              object DataViewGridLinesXMajorsCustomPropertiesGroupBox: TiComponentEditorGroupBox
                Left = 6
                Top = 52
                Width = 130
                Height = 90
                Caption = 'Custom Properties'
                TabOrder = 2
                object DataViewGridLineXMajorColorColorPickerLabel: TLabel
                  Left = 8
                  Top = 21
                  Caption = 'Color'
                end
                object DataViewGridLineXMajorColorColorPicker: TiComponentEditorColorPicker
                  Left = 45
                  Top = 17
                  Width = 60
                  Height = 21
                  OnChange = DataViewChange
                  TabOrder = 0
                end
                object DataViewGridLineXMajorWidthEditLabel: TLabel
                  Left = 8
                  Top = 44
                  Caption = 'Width'
                end
                object DataViewGridLineXMajorWidthEdit: TiComponentEditorEdit
                  Left = 45
                  Top = 40
                  Width = 60
                  Height = 21
                  OnUpdate = DataViewChange
                  TabOrder = 1
                end
                object DataViewGridLineXMajorWidthUpDown: TiUpDown
                  Left = 105
                  Top = 40
                  Width = 15
                  Height = 21
                  Associate = DataViewGridLineXMajorWidthEdit
                  Min = 0
                  Max = 100
                end
                object DataViewGridLineXMajorStyleComboBoxLabel: TLabel
                  Left = 8
                  Top = 67
                  Caption = 'Style'
                end
                object DataViewGridLineXMajorStyleComboBox: TiComponentEditorComboBox
                  Left = 45
                  Top = 63
                  Width = 60
                  Height = 21
                  Style = csDropDownList
                  DropDownCount = 12
                  Items.Strings = ('Solid' 'Dash' 'Dot')
                  OnChange = DataViewChange
                  TabOrder = 2
                end
              end
            end
            object DataViewGridLinesXMinorsTabSheet: TTabSheet
              Caption = 'X-Minors'
              ParentBackground = False
              object DataViewGridLineShowXMinorsCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 51
                Height = 17
                Caption = 'Show'
                OnClick = DataViewChange
                TabOrder = 0
              end
              object DataViewGridLineXMinorCustomCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 32
                Width = 62
                Height = 17
                Caption = 'Custom'
                OnClick = DataViewChange
                TabOrder = 1
              end
              object DataViewGridLinesXMinorsCustomPropertiesGroupBox: TiComponentEditorGroupBox
                Left = 6
                Top = 52
                Width = 130
                Height = 90
                Caption = 'Custom Properties'
                TabOrder = 2
                object DataViewGridLineXMinorColorColorPickerLabel: TLabel
                  Left = 8
                  Top = 21
                  Caption = 'Color'
                end
                object DataViewGridLineXMinorColorColorPicker: TiComponentEditorColorPicker
                  Left = 45
                  Top = 17
                  Width = 60
                  Height = 21
                  OnChange = DataViewChange
                  TabOrder = 0
                end
                object DataViewGridLineXMinorWidthEditLabel: TLabel
                  Left = 8
                  Top = 44
                  Caption = 'Width'
                end
                object DataViewGridLineXMinorWidthEdit: TiComponentEditorEdit
                  Left = 45
                  Top = 40
                  Width = 60
                  Height = 21
                  OnUpdate = DataViewChange
                  TabOrder = 1
                end
                object DataViewGridLineXMinorWidthUpDown: TiUpDown
                  Left = 105
                  Top = 40
                  Width = 15
                  Height = 21
                  Associate = DataViewGridLineXMinorWidthEdit
                  Min = 0
                  Max = 100
                end
                object DataViewGridLineXMinorStyleComboBoxLabel: TLabel
                  Left = 8
                  Top = 67
                  Caption = 'Style'
                end
                object DataViewGridLineXMinorStyleComboBox: TiComponentEditorComboBox
                  Left = 45
                  Top = 63
                  Width = 60
                  Height = 21
                  Style = csDropDownList
                  DropDownCount = 12
                  Items.Strings = ('Solid' 'Dash' 'Dot')
                  OnChange = DataViewChange
                  TabOrder = 2
                end
              end
            end
            object DataViewGridLinesYMajorsTabSheet: TTabSheet
              Caption = 'Y-Majors'
              ParentBackground = False
              object DataViewGridLineShowYMajorsCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 51
                Height = 17
                Caption = 'Show'
                OnClick = DataViewChange
                TabOrder = 0
              end
              object DataViewGridLineYMajorCustomCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 32
                Width = 62
                Height = 17
                Caption = 'Custom'
                OnClick = DataViewChange
                TabOrder = 1
              end
              object DataViewGridLinesYMajorsCustomPropertiesGroupBox: TiComponentEditorGroupBox
                Left = 6
                Top = 52
                Width = 130
                Height = 90
                Caption = 'Custom Properties'
                TabOrder = 2
                object DataViewGridLineYMajorColorColorPickerLabel: TLabel
                  Left = 8
                  Top = 21
                  Caption = 'Color'
                end
                object DataViewGridLineYMajorColorColorPicker: TiComponentEditorColorPicker
                  Left = 45
                  Top = 17
                  Width = 60
                  Height = 21
                  OnChange = DataViewChange
                  TabOrder = 0
                end
                object DataViewGridLineYMajorWidthEditLabel: TLabel
                  Left = 8
                  Top = 44
                  Caption = 'Width'
                end
                object DataViewGridLineYMajorWidthEdit: TiComponentEditorEdit
                  Left = 45
                  Top = 40
                  Width = 60
                  Height = 21
                  OnUpdate = DataViewChange
                  TabOrder = 1
                end
                object DataViewGridLineYMajorWidthUpDown: TiUpDown
                  Left = 105
                  Top = 40
                  Width = 15
                  Height = 21
                  Associate = DataViewGridLineYMajorWidthEdit
                  Min = 0
                  Max = 100
                end
                object DataViewGridLineYMajorStyleComboBoxLabel: TLabel
                  Left = 8
                  Top = 67
                  Caption = 'Style'
                end
                object DataViewGridLineYMajorStyleComboBox: TiComponentEditorComboBox
                  Left = 45
                  Top = 63
                  Width = 60
                  Height = 21
                  Style = csDropDownList
                  DropDownCount = 12
                  Items.Strings = ('Solid' 'Dash' 'Dot')
                  OnChange = DataViewChange
                  TabOrder = 2
                end
              end
            end
            object DataViewGridLinesYMinorsTabSheet: TTabSheet
              Caption = 'Y-Minors'
              ParentBackground = False
              object DataViewGridLineShowYMinorsCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 9
                Width = 51
                Height = 17
                Caption = 'Show'
                OnClick = DataViewChange
                TabOrder = 0
              end
              object DataViewGridLineYMinorCustomCheckBox: TiComponentEditorCheckBox
                Left = 6
                Top = 32
                Width = 62
                Height = 17
                Caption = 'Custom'
                OnClick = DataViewChange
                TabOrder = 1
              end
              object DataViewGridLinesYMinorsCustomPropertiesGroupBox: TiComponentEditorGroupBox
                Left = 6
                Top = 52
                Width = 130
                Height = 90
                Caption = 'Custom Properties'
                TabOrder = 2
                object DataViewGridLineYMinorColorColorPickerLabel: TLabel
                  Left = 8
                  Top = 21
                  Caption = 'Color'
                end
                object DataViewGridLineYMinorColorColorPicker: TiComponentEditorColorPicker
                  Left = 45
                  Top = 17
                  Width = 60
                  Height = 21
                  OnChange = DataViewChange
                  TabOrder = 0
                end
                object DataViewGridLineYMinorWidthEditLabel: TLabel
                  Left = 8
                  Top = 44
                  Caption = 'Width'
                end
                object DataViewGridLineYMinorWidthEdit: TiComponentEditorEdit
                  Left = 45
                  Top = 40
                  Width = 60
                  Height = 21
                  OnUpdate = DataViewChange
                  TabOrder = 1
                end
                object DataViewGridLineYMinorWidthUpDown: TiUpDown
                  Left = 105
                  Top = 40
                  Width = 15
                  Height = 21
                  Associate = DataViewGridLineYMinorWidthEdit
                  Min = 0
                  Max = 100
                end
                object DataViewGridLineYMinorStyleComboBoxLabel: TLabel
                  Left = 8
                  Top = 67
                  Caption = 'Style'
                end
                object DataViewGridLineYMinorStyleComboBox: TiComponentEditorComboBox
                  Left = 45
                  Top = 63
                  Width = 60
                  Height = 21
                  Style = csDropDownList
                  DropDownCount = 12
                  Items.Strings = ('Solid' 'Dash' 'Dot')
                  OnChange = DataViewChange
                  TabOrder = 2
                end
              end
            end
          end
          object DataViewLayerEditLabel: TLabel
            Left = 6
            Top = 10
            Caption = 'Layer'
          end
          object DataViewLayerEdit: TiComponentEditorEdit
            Left = 72
            Top = 6
            Width = 60
            Height = 21
            OnUpdate = DataViewChange
            TabOrder = 0
          end
          object DataViewLayerUpDown: TiUpDown
            Left = 132
            Top = 6
            Width = 15
            Height = 21
            Associate = DataViewLayerEdit
            Min = 0
            Max = 0
          end
          object DataViewGridLineColorPickerLabel: TLabel
            Left = 6
            Top = 33
            Caption = 'Color'
          end
          object DataViewGridLineColorPicker: TiComponentEditorColorPicker
            Left = 72
            Top = 29
            Width = 60
            Height = 21
            OnChange = DataViewChange
            TabOrder = 1
          end
          object DataViewGridLinesShowGroupBox: TiComponentEditorGroupBox
            Left = 6
            Top = 52
            Width = 133
            Height = 67
            Caption = 'Show'
            TabOrder = 2
            object DataViewGridLineShowLeft: TiComponentEditorCheckBox
              Left = 8
              Top = 20
              Width = 41
              Height = 17
              Caption = 'Left'
              OnClick = DataViewChange
              TabOrder = 0
            end
            object DataViewGridLineShowRight: TiComponentEditorCheckBox
              Left = 8
              Top = 43
              Width = 49
              Height = 17
              Caption = 'Right'
              OnClick = DataViewChange
              TabOrder = 1
            end
            object DataViewGridLineShowTop: TiComponentEditorCheckBox
              Left = 67
              Top = 20
              Width = 42
              Height = 17
              Caption = 'Top'
              OnClick = DataViewChange
              TabOrder = 2
            end
            object DataViewGridLineShowBottom: TiComponentEditorCheckBox
              Left = 67
              Top = 43
              Width = 58
              Height = 17
              Caption = 'Bottom'
              OnClick = DataViewChange
              TabOrder = 3
            end
          end
          object DataViewGridLineMajorStyleComboBoxLabel: TLabel
            Left = 6
            Top = 125
            Caption = 'Major Style'
          end
          object DataViewGridLineMajorStyleComboBox: TiComponentEditorComboBox
            Left = 72
            Top = 121
            Width = 60
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Solid' 'Dash' 'Dot')
            OnChange = DataViewChange
            TabOrder = 3
          end
          object DataViewGridLineMinorStyleComboBoxLabel: TLabel
            Left = 6
            Top = 148
            Caption = 'Minor Style'
          end
          object DataViewGridLineMinorStyleComboBox: TiComponentEditorComboBox
            Left = 72
            Top = 144
            Width = 60
            Height = 21
            Style = csDropDownList
            DropDownCount = 12
            Items.Strings = ('Solid' 'Dash' 'Dot')
            OnChange = DataViewChange
            TabOrder = 4
          end
        end
        object DataViewHiddenTabSheet: TTabSheet
          Caption = ''
          ParentBackground = False
          TabVisible = False
          object DataViewListBox: TiComponentEditorListBox
            Left = 6
            Top = 6
            Width = 120
            Height = 100
            OnClick = DataViewListBoxClick
            OnGetData = DataViewListBoxGetData
            TabOrder = 0
          end
        end
      end
    end
  end
  object LayoutPopupMenu: TPopupMenu
    OnPopup = LayoutPopupMenuPopup
    object XYAxesReverseMenuItem: TMenuItem
      Caption = 'XY-Axes Reverse'
      OnClick = XYAxesReverseMenuItemClick
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object AddXAxisMenuItem: TMenuItem
      Caption = 'Add X-Axis'
      OnClick = AddXAxisMenuItemClick
    end
    object AddYAxisMenuItem: TMenuItem
      Caption = 'Add Y-Axis'
      OnClick = AddYAxisMenuItemClick
    end
    object AddLabelMenuItem: TMenuItem
      Caption = 'Add Label'
      OnClick = AddLabelMenuItemClick
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object DeleteMenuItem: TMenuItem
      Caption = 'Delete'
      OnClick = DeleteMenuItemClick
    end
    object VisibleMenuItem: TMenuItem
      Caption = 'Visible'
      OnClick = VisibleMenuItemClick
    end
    object EditMenuItem: TMenuItem
      Caption = 'Edit'
      OnClick = EditMenuItemClick
    end
  end
end
