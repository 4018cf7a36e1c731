// Written by tools/forms/forms.py: change the script, not this file.
object fmRs232Code: TfmRs232Code
  Left = 0
  Top = 0
  Width = 745
  Height = 671
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
    RichText = @':/help/rs232_code_chinese.rtf'
    Transparent = True
  end
  object AdvOfficeImage1: TAdvOfficeImage
    Left = 50
    Top = 108
    Width = 630
    Height = 62
    Picture = @':/images/help/zh/01_links.png'
    Center = False
  end
  object AdvOfficeImage2: TAdvOfficeImage
    Left = 50
    Top = 246
    Width = 630
    Height = 90
    Picture = @':/images/help/zh/02_frame.png'
    Center = False
  end
  object AdvOfficeImage3: TAdvOfficeImage
    Left = 50
    Top = 378
    Width = 630
    Height = 52
    Picture = @':/images/help/zh/03_check_byte.png'
    Center = False
  end
  object AdvOfficeImage4: TAdvOfficeImage
    Left = 50
    Top = 476
    Width = 630
    Height = 42
    Picture = @':/images/help/zh/04_channels.png'
    Center = False
  end
  object AdvOfficeImage5: TAdvOfficeImage
    Left = 50
    Top = 579
    Width = 630
    Height = 97
    Picture = @':/images/help/zh/05_session.png'
    Center = False
  end
  object AdvOfficeImage6: TAdvOfficeImage
    Left = 50
    Top = 737
    Width = 630
    Height = 129
    Picture = @':/images/help/zh/06_presets.png'
    Center = False
  end
  object AdvOfficeImage7: TAdvOfficeImage
    Left = 50
    Top = 912
    Width = 630
    Height = 145
    Picture = @':/images/help/zh/07_settings.png'
    Center = False
  end
  object AdvOfficeImage8: TAdvOfficeImage
    Left = 50
    Top = 1099
    Width = 630
    Height = 68
    Picture = @':/images/help/zh/08_peq_band.png'
    Center = False
  end
  object AdvOfficeImage9: TAdvOfficeImage
    Left = 50
    Top = 1228
    Width = 630
    Height = 108
    Picture = @':/images/help/zh/09_scales.png'
    Center = False
  end
  object AdvOfficeImage10: TAdvOfficeImage
    Left = 50
    Top = 1427
    Width = 630
    Height = 114
    Picture = @':/images/help/zh/10_sine.png'
    Center = False
  end
end
