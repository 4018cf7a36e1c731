// Written by tools/forms/forms.py: change the script, not this file.
object fmRs232CodeEnglish: TfmRs232CodeEnglish
  Left = 0
  Top = 0
  Width = 754
  Height = 662
  Caption = 'RS232 Code Table'
  Color = clWindow
  KeyPreview = True
  Position = poDesktopCenter
  VertScrollBar.Smooth = True
  OnClose = FormClose
  OnKeyDown = FormKeyDown
  OnMouseWheelDown = FormMouseWheelDown
  OnMouseWheelUp = FormMouseWheelUp
  OnResize = FormResize
  OnShow = FormShow
  object RTFLabel: TRTFLabel
    Left = 50
    Top = 24
    Width = 630
    Height = 1400
    RichText = @':/help/rs232_code_english.rtf'
    Transparent = True
  end
  object AdvOfficeImage1: TAdvOfficeImage
    Left = 50
    Top = 105
    Width = 630
    Height = 62
    Picture = @':/images/help/en/01_links.png'
    Center = False
  end
  object AdvOfficeImage2: TAdvOfficeImage
    Left = 50
    Top = 239
    Width = 630
    Height = 90
    Picture = @':/images/help/en/02_frame.png'
    Center = False
  end
  object AdvOfficeImage3: TAdvOfficeImage
    Left = 50
    Top = 369
    Width = 630
    Height = 52
    Picture = @':/images/help/en/03_check_byte.png'
    Center = False
  end
  object AdvOfficeImage4: TAdvOfficeImage
    Left = 50
    Top = 465
    Width = 630
    Height = 42
    Picture = @':/images/help/en/04_channels.png'
    Center = False
  end
  object AdvOfficeImage5: TAdvOfficeImage
    Left = 50
    Top = 579
    Width = 630
    Height = 97
    Picture = @':/images/help/en/05_session.png'
    Center = False
  end
  object AdvOfficeImage6: TAdvOfficeImage
    Left = 50
    Top = 734
    Width = 630
    Height = 129
    Picture = @':/images/help/en/06_presets.png'
    Center = False
  end
  object AdvOfficeImage7: TAdvOfficeImage
    Left = 50
    Top = 921
    Width = 630
    Height = 145
    Picture = @':/images/help/en/07_settings.png'
    Center = False
  end
  object AdvOfficeImage8: TAdvOfficeImage
    Left = 50
    Top = 1106
    Width = 630
    Height = 68
    Picture = @':/images/help/en/08_peq_band.png'
    Center = False
  end
  object AdvOfficeImage9: TAdvOfficeImage
    Left = 50
    Top = 1232
    Width = 630
    Height = 108
    Picture = @':/images/help/en/09_scales.png'
    Center = False
  end
  object AdvOfficeImage10: TAdvOfficeImage
    Left = 50
    Top = 1427
    Width = 630
    Height = 114
    Picture = @':/images/help/en/10_sine.png'
    Center = False
  end
end
