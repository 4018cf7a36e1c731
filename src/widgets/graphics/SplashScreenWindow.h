#pragma once
// TSplashScreenWindow: the borderless window a splash component (AdvSmoothSplashScreen.h) shows
// while it is showing, and the free drawing routines of its content.
//
// The window never becomes the active window. It paints, in this order: the component's Fill, the
// headings (program name, version, copyright), the list lines, the top-layer boxes, the items and,
// when layered, the progress bar. A translucent fill (Opacity or OpacityTo below 255) makes it a
// layered window: the content is painted into a 32-bit ARGB buffer (MainBuffer) that the window
// shows with per-pixel alpha, at the constant opacity Opacity(); such a window changes only when
// Refresh renders it again (Invalidate repaints only a window that is not layered, which paints in
// Paint and shows its progress bar as a child control).
//
// Fades step the opacity (layered) or the framework's alpha blend value and pause between steps
// through SplashSleep, on the calling (GUI) thread.

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/ui/Forms.h"
#include "widgets/graphics/AdvGDIP.h"
#include "widgets/graphics/AdvSplashProgressBar.h"
#include "widgets/graphics/SplashContent.h"

class TAdvSmoothSplashScreen;
class TAdvGDIPPicture;

class TSplashScreenWindow : public TForm {
    T_DECLARE_CLASS(TSplashScreenWindow, TForm)
    // A window without form definition, owned by `AOwner` (the application object).
    explicit TSplashScreenWindow(TComponent *AOwner);
    ~TSplashScreenWindow() override;

    TAdvSmoothSplashScreen *SplashScreen() const { return FSplashScreen; }
    void SetSplashScreen(TAdvSmoothSplashScreen *value) { FSplashScreen = value; }
    TAdvSplashProgressBar *SplashProgressBar() const { return FSplashProgressBar; }
    // Layered mode.
    bool ForcedTransparent() const { return FForcedTransparent; }
    // The layered window's pixels (nullptr before layered mode).
    TGPBitmap *MainBuffer() const { return FMainBuffer.get(); }
    // The constant alpha of the layered window.
    std::uint8_t Opacity() const { return FOpacity; }

    // Layered: renders the buffer and shows it; otherwise the framework's repaint.
    void Refresh();
    // Raises the opacity (layered) or the alpha blend value by `step` up to `target`, pausing
    // `pause` ms after each step short of it. A step of 0 or less goes there at once.
    void FadeIn(int step, int pause, int target);
    // Lowers the opacity (layered, `wait` ms per step) or the alpha blend value (3 x `wait` ms per
    // step) by `step` down to `target`. A step of 0 or less goes there at once.
    void FadeOut(int step, int wait, int target);

protected:
    void Paint() override;
    void Click() override;

private:
    friend TSplashScreenWindow *CreateSplashWindow(TAdvSmoothSplashScreen *component);
    void EnterLayeredMode();
    // Clears the buffer, paints the content into it and shows it.
    void Render();
    // Hands the buffer to the window at the current opacity.
    void UpdateLayeredWindow();
    // Moves the opacity or alpha blend value toward the target (only upwards or only downwards).
    void Fade(int step, unsigned pause, int target, bool up);
    void SetWindowShape();
    void PaintContent(TGPGraphics *g);
    void DrawHeadings(TGPGraphics *g, const TRect &text);
    void DrawListItems(TGPGraphics *g);
    void DrawTopLayerItems(TGPGraphics *g, const TRect &content);
    void DrawItems(TGPGraphics *g);

    TAdvSmoothSplashScreen *FSplashScreen = nullptr;
    TAdvSplashProgressBar *FSplashProgressBar = nullptr;
    bool FForcedTransparent = false;
    std::unique_ptr<TGPBitmap> FMainBuffer;
    std::uint8_t FOpacity = 5;
};

// Creates, shows and (when the fill is translucent) renders the window of a component, starts the
// component's close timer and fades the window in; nullptr when there is no component or it is
// already showing. Exceptions of the drawing (a picture without memory) pass to the caller.
TSplashScreenWindow *CreateSplashWindow(TAdvSmoothSplashScreen *component);

// Measures, or draws at `position`, a text in the font (bold, italic, underline and strike-out
// carried; an unknown family in Arial) with a brush by the gradient type: solid (also whenever the
// end colour is clNone, except for gtTexture and gtNone), the linear gradients, an angled
// gradient, a hatch or the picture as texture; gtRadial, gtPath and gtNone and an empty texture
// draw nothing. `size` receives the text's rounded extent ((0, 0) for an empty text).
// textRendering: 0 anti-aliased, 1 anti-aliased on the grid, 2 ClearType on the grid.
void DrawGradientText(TGPGraphics *graphics, const QString &text, TPoint position, TSize &size, int textRendering,
                      int angle, bool measureOnly, TColor endColor, TColor startColor, std::uint8_t endOpacity,
                      std::uint8_t startOpacity, HatchStyle hatchStyle, TAdvGDIPPicture *picture,
                      TAdvGradientType gradientType, TFont *font);

// Draws the picture at its own size with its top-left corner at `position`: a PNG with its own
// alpha, any other format with the colour of its bottom-left pixel left out. Raises Exception
// "Could not allocate memory for image" when the picture's bytes cannot be copied.
void DrawSplashPicture(TGPGraphics *graphics, TPoint position, TAdvGDIPPicture *picture);

// Where a w x h text goes in the box by the location (cpCustom: the box's corner): offsets of 0,
// half or all of the room left (halves truncated) plus the box's corner, rounded.
void AlignInRect(int &x, int &y, const TGPRectF &box, TAdvSmoothSplashScreenLocation location, int h, int w);

// The pause between two steps of a fade; tests put their own in place (it returns the one it
// replaces). The program's pauses sleep the GUI thread.
using TSplashSleep = std::function<void(unsigned milliseconds)>;
TSplashSleep SetSplashSleep(TSplashSleep sleep);
void SplashSleep(unsigned milliseconds);
