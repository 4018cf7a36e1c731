#pragma once
// TTrackBarLabel: the track bar's optional position label: Format applied to the position (one
// integer argument), at one of six places above or below the track.

#include <QString>

#include <memory>

#include "platform/runtime/EnumNames.h"
#include "platform/ui/GraphicsFont.h"
#include "widgets/graphics/TrackBarAppearance.h"

enum TLabelPosition { lpTopCenter, lpTopLeft, lpTopRight, lpBottomCenter, lpBottomLeft, lpBottomRight };
inline constexpr auto LabelPositionNames = EnumNames<TLabelPosition>("lpTopCenter", "lpTopLeft", "lpTopRight",
                                                                     "lpBottomCenter", "lpBottomLeft", "lpBottomRight");

class TTrackBarLabel : public TTrackBarAppearance {
    T_DECLARE_CLASS(TTrackBarLabel, TTrackBarAppearance)
    TTrackBarLabel();
    ~TTrackBarLabel() override;

    // Copies every published property from another label; other sources raise EConvertError.
    void Assign(TPersistent *Source) override;

    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { Set(FVisible, v); }
    const QString &Format() const { return FFormat; }
    void SetFormat(const QString &v) { Set(FFormat, v); }
    TLabelPosition Position() const { return FPosition; }
    void SetPosition(TLabelPosition v) { Set(FPosition, v); }
    TFont *Font() const { return FFont.get(); }
    void SetFont(TFont *v);
    // Extra room across the track.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int v) { Set(FSpacing, v); }
    // True for the three places above (left of) the track.
    bool AtTop() const { return FPosition == lpTopCenter || FPosition == lpTopLeft || FPosition == lpTopRight; }

private:
    bool FVisible = false;
    QString FFormat = QStringLiteral("Pos: %d");
    std::unique_ptr<TFont> FFont;
    TLabelPosition FPosition = lpTopCenter;
    int FSpacing = 4;
};
