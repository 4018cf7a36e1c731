#pragma once
// TiPlotToolBar: the row of fourteen command buttons over a plot, a layout object in a band of its
// own: resume and pause tracking, scroll or zoom mode of the axes, zoom out and in, select, zoom
// box, data cursor, property editor, copy, save, print and preview. Its buttons are
// TiPlotToolBarButton objects whose glyphs load from the library's bitmaps (":/plotlib/glyphs/",
// 24 x 24, or 16 x 16 with SmallButtons) at their first draw.
//
// Rules a caller must know:
//  - Every command but Edit raises the plot's "before" event (which may cancel it), acts, and
//    raises the "after" event; Edit raises only the "before" event and asks for the editor.
//  - Copy, save, print and preview call the plot's CopyToClipBoard, Save, PrintChart and
//    PreviewChart.
//  - The plot reads the select and zoom-box modes through toolbar 0; the select mode follows the
//    select button (SetToolBarSelectActive of the plot).
//  - Hidden buttons take no room; visible ones form one row from the left, 3 pixels in.
// GUI thread.

#include "plotlib/plot/iPlotObjects.h"

#include <functional>
#include <memory>
#include <vector>

class TImageList;
class TiPlotToolBar;

// clang-format off
// The toolbar's commands, as the plot's toolbar events name them.
enum TiPlotToolBarButtonType {
    iptbbtResume, iptbbtPause, iptbbtScrollAxesMode, iptbbtZoomAxesMode, iptbbtSelect, iptbbtZoomBox, iptbbtZoomOut,
    iptbbtZoomIn, iptbbtCursor, iptbbtEdit, iptbbtCopy, iptbbtSave, iptbbtPrint, iptbbtPreview
};
inline constexpr auto iPlotToolBarButtonTypeNames = EnumNames<TiPlotToolBarButtonType>(
    "iptbbtResume", "iptbbtPause", "iptbbtScrollAxesMode", "iptbbtZoomAxesMode", "iptbbtSelect", "iptbbtZoomBox",
    "iptbbtZoomOut", "iptbbtZoomIn", "iptbbtCursor", "iptbbtEdit", "iptbbtCopy", "iptbbtSave", "iptbbtPrint",
    "iptbbtPreview");
enum TiPlotToolBarButtonStyle { iptbbsButton, iptbbsSpacer };
// clang-format on

class TiPlotToolBarButton : public TiPlotButton {
    T_DECLARE_CLASS(TiPlotToolBarButton, TiPlotButton)
    using TiPlotButton::TiPlotButton;

    const QString &Hint() const { return FHint; }
    void SetHint(const QString &Value) { FHint = Value; }
    TiPlotToolBarButtonStyle Style() const { return FStyle; }
    void SetStyle(TiPlotToolBarButtonStyle Value) { FStyle = Value; }
    TImageList *ImageList() const { return FImageList; }
    void SetImageList(TImageList *Value) { FImageList = Value; }
    // -1: the glyph loads at the next draw.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    const QString &ImageName() const { return FImageName; }
    void SetImageName(const QString &Value) { FImageName = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    bool MouseOver() const { return FMouseOver; }
    TiPlotToolBar *ToolBar() const { return FToolBar; }
    void SetToolBar(TiPlotToolBar *Value) { FToolBar = Value; }

    // Spacers draw nothing; a button its face, edge and glyph.
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    void iMouseMove(TiHintData &HintData, TShiftState Shift, int X, int Y, int ScreenX, int ScreenY,
                    bool DblClickActive) override;
    // The translated hint below the button.
    void DoMouseHint(const TiPlotMouseData &MouseData, TiHintData &HintData) override;
    void DoMouseNotOver() override;

private:
    void LoadGlyph();

    QString FHint;
    TiPlotToolBarButtonStyle FStyle = iptbbsButton;
    TImageList *FImageList = nullptr;
    int FImageIndex = -1;
    QString FImageName;
    bool FFlat = false;
    bool FMouseOver = false;
    TiPlotToolBar *FToolBar = nullptr;
};

class TiPlotToolBar : public TiPlotLayoutObject {
    T_DECLARE_CLASS(TiPlotToolBar, TiPlotLayoutObject)
    TiPlotToolBar(TWinControl *AOwner, TNotifyEvent AOnChange, TNotifyEvent AOnInsert, TNotifyEvent AOnRemove,
                  TNotifyEvent AOnRename);
    ~TiPlotToolBar() override;

    // ---- Published ----
    bool ShowResumeButton() const;
    void SetShowResumeButton(bool Value);
    bool ShowPauseButton() const;
    void SetShowPauseButton(bool Value);
    bool ShowAxesModeButtons() const;
    void SetShowAxesModeButtons(bool Value);
    bool ShowZoomInOutButtons() const;
    void SetShowZoomInOutButtons(bool Value);
    bool ShowSelectButton() const;
    void SetShowSelectButton(bool Value);
    bool ShowZoomBoxButton() const;
    void SetShowZoomBoxButton(bool Value);
    bool ShowCursorButton() const;
    void SetShowCursorButton(bool Value);
    bool ShowEditButton() const;
    void SetShowEditButton(bool Value);
    bool ShowCopyButton() const;
    void SetShowCopyButton(bool Value);
    bool ShowSaveButton() const;
    void SetShowSaveButton(bool Value);
    bool ShowPrintButton() const;
    void SetShowPrintButton(bool Value);
    bool ShowPreviewButton() const;
    void SetShowPreviewButton(bool Value);
    double ZoomInOutFactor() const { return FZoomInOutFactor; }
    // Values below 1 become 1.
    void SetZoomInOutFactor(double Value);
    bool FlatBorder() const { return FFlatBorder; }
    void SetFlatBorder(bool Value);
    bool FlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool Value);
    bool SmallButtons() const { return FSmallButtons; }
    // Switches the glyph set (16 x 16 in 22-pixel buttons, or 24 x 24 in 30-pixel ones).
    void SetSmallButtons(bool Value);

    // ---- State ----
    bool ZoomBoxActive() const;
    bool CursorActive() const;
    bool SelectActive() const;
    // The buttons and spacers in display order.
    int ButtonCount() const { return static_cast<int>(FButtonList.size()); }
    TiPlotToolBarButton *Button(int Index) const { return FButtonList.at(static_cast<std::size_t>(Index)); }
    // The button of a command.
    TiPlotToolBarButton *ButtonOf(TiPlotToolBarButtonType Type) const;
    TImageList *ImageList() const { return FImageList.get(); }

    // ---- Commands (as a click runs them, without the group click) ----
    void DoButtonClickResume();
    void DoButtonClickPause();
    void DoButtonClickScrollAxesMode();
    void DoButtonClickZoomAxesMode();
    void DoButtonClickZoomIn();
    void DoButtonClickZoomOut();
    virtual void DoButtonClickSelect();
    void DoButtonClickZoomBox();
    void DoButtonClickCursor();
    void DoButtonClickEdit();
    void DoButtonClickCopy();
    void DoButtonClickSave();
    void DoButtonClickPrint();
    void DoButtonClickPreview();
    // The cursor button up, without events.
    void TurnOffCursor();

    // 28 with small buttons, 36 otherwise.
    int GetRequiredWidth(TCanvas *Canvas) override;
    void Draw(TCanvas *Canvas, TColor BackGroundColor) override;
    // The first visible button (spacers included) under the point, else the base result.
    TiPlotObject *GetMouseOverObject(int X, int Y) override;
    void NotifySelected(TObject *AObject) override;
    // Base, then "Edit...".
    void AddMenuItems(TPopupMenu *PopupMenu) override;

private:
    // A button with its hint, glyph name and group (a spacer without a hint).
    TiPlotToolBarButton *AddButton(const char *Hint, const char *Glyph, int GroupIndex);
    TiPlotToolBarButton *AddSpacer();
    // The command protocol: the "before" event (false: cancelled), then Action, then the "after"
    // event (not for Edit).
    void RunCommand(TiPlotToolBarButtonType Type, const std::function<void()> &Action, bool After = true);
    void SelectGlyphs();
    void ButtonClick(TObject *Sender);
    void ButtonGroupClick(TObject *Sender);
    void ButtonInvalidate(TObject *Sender);
    void ButtonChange(TObject *Sender);
    void CursorDownChange(TObject *Sender);
    void SelectDownChange(TObject *Sender);
    void SetAxesMode(bool Zoom);
    void ZoomAllAxes(bool In);
    bool ButtonVisible(TiPlotToolBarButtonType Type) const { return ButtonOf(Type)->Visible(); }
    void ShowButton(TiPlotToolBarButtonType Type, bool Value);

    std::vector<TiPlotToolBarButton *> FButtonList;
    std::unique_ptr<TImageList> FImageList;
    TiPlotToolBarButton *FButtons[14] = {};
    TiPlotToolBarButton *FResumePauseSpacer = nullptr;
    TiPlotToolBarButton *FAxesModeSpacer = nullptr;
    TiPlotToolBarButton *FZoomInOutSpacer = nullptr;
    TiPlotToolBarButton *FZoomBoxCursorSpacer = nullptr;
    TiPlotToolBarButton *FEditSpacer = nullptr;
    double FZoomInOutFactor = 2.0;
    bool FFlatButtons = false;
    bool FSmallButtons = false;
    bool FFlatBorder = false;
};
