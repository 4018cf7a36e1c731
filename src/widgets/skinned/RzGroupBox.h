#pragma once
// TRzCustomGroupBox and TRzGroupBox: a framed panel that draws its caption and frame in one of six
// layouts (GroupStyle). gsCustom paints exactly as the framed panel does (frame, fill, caption in
// Font at the top left, then OnPaint); the other styles draw their own frame and the caption in
// CaptionFont and fire no OnPaint.
//
//   gsStandard   a grooved (or BorderOuter) frame whose top line runs through the caption's middle
//   gsFlat       a flat frame with cut corners, in AdjustColor(FlatColor, FlatColorAdjustment)
//   gsTopLine    a line along the top only
//   gsBanner     a gradient bar of BannerHeight (or the caption's height + 6) with the caption
//   gsUnderline  the caption underlined
//
// The frame's top line lies at half the "Pp" height of CaptionFont minus 1; children are aligned
// below the caption, whose height is that of "Yy" in Font. CaptionFont follows Font until it is
// changed on its own; it is stored in forms only then.
//
// The program derives its band table from the group box and calls its Paint as the inherited one.

#include "platform/runtime/EnumNames.h"
#include "widgets/skinned/RzPanel.h"

#include <memory>

enum TRzGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat, gsBanner, gsUnderline };
inline constexpr auto RzGroupBoxStyleNames = EnumNames<TRzGroupBoxStyle>(
    "gsStandard", "gsCustom", "gsTopLine", "gsFlat", "gsBanner", "gsUnderline");

class TRzCustomGroupBox : public TRzCustomPanel {
    T_DECLARE_CLASS(TRzCustomGroupBox, TRzCustomPanel)
    explicit TRzCustomGroupBox(TComponent *AOwner);
    ~TRzCustomGroupBox() override;

    int BannerHeight() const { return FBannerHeight; }
    virtual void SetBannerHeight(int value);
    TRzGroupBoxStyle GroupStyle() const { return FGroupStyle; }
    virtual void SetGroupStyle(TRzGroupBoxStyle value);
    TFont *CaptionFont() const { return FCaptionFont.get(); }
    virtual void SetCaptionFont(TFont *value);
    // True once CaptionFont was changed on its own (it no longer follows Font).
    bool CaptionFontChanged() const { return FCaptionFontChanged; }

    void FrameControllerChanged() override;

protected:
    void Paint() override;
    void AdjustClientRect(TRect &rect) override;

protected:  // message handlers, registered by number in the class description
    void CMDialogChar(TMessage &m);
    void CMFontChanged(TMessage &m);

private:
    void CaptionFontChange(TObject *Sender);
    // The caption rectangle of the non-custom styles (empty without a caption).
    TRect CaptionRect(TCanvas *canvas) const;

    TRzGroupBoxStyle FGroupStyle = gsFlat;
    int FBannerHeight = 0;
    std::unique_ptr<TFont> FCaptionFont;
    bool FCaptionFontChanged = false;
    bool FFollowingFont = false;
};

class TRzGroupBox : public TRzCustomGroupBox {
    T_DECLARE_CLASS(TRzGroupBox, TRzCustomGroupBox)
    explicit TRzGroupBox(TComponent *AOwner) : TRzCustomGroupBox(AOwner) {}
};
