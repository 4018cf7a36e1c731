#pragma once
// A minimal plot control for the tests of plot objects and managers: it owns a master manager,
// a popup menu and three image lists, records every report its objects send and every
// notification of the master, streams the managers with its form like the plot control, and tears
// down as the plot control does (objects detached, master freed, then the menu). TTestChannel is
// the channel class it makes channels of.

#include "platform/ui/ControlsCustomControl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Menus.h"
#include "plotlib/plot/iPlotHost.h"
#include "plotlib/plot/iPlotMasterManager.h"

#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <ostream>

class TTestChannel : public TiPlotChannelCustom {
    T_DECLARE_CLASS(TTestChannel, TiPlotChannelCustom)
    using TiPlotChannelCustom::TiPlotChannelCustom;
    int Clears = 0;
    void Clear() override { ++Clears; }
};

class TTestPlotHost : public TCustomControl, public TiPlotHost {
    T_DECLARE_CLASS(TTestPlotHost, TCustomControl)
    explicit TTestPlotHost(TComponent *AOwner);
    ~TTestPlotHost() override;

    TiPlotMasterManager *Master() const { return FMaster.get(); }
    TPopupMenu *PopupMenu() const { return FPopupMenu; }
    TImageList *ImageList(int Index) const { return FImageLists[Index]; }

    // Reports of the objects ("down X-Axis 1 0 10,20", "popup Channel 1", "got Legend 1" ...) and
    // the master's notifications ("insert X-Axis 1", "remove Channel 2").
    QStringList Log;
    int Changes = 0;
    int InvalidatesNow = 0;
    // The next popup events cancel the menu.
    bool CancelPopup = false;

    // ---- TiPlotHost ----
    void DoObjectMouseDown(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoObjectMouseMove(TiPlotObject *Object, TShiftState Shift, int X, int Y) override;
    void DoObjectMouseUp(TiPlotObject *Object, TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoObjectMouseWheel(TiPlotObject *Object, int WheelDelta, TShiftState Shift, int X, int Y) override;
    void DoObjectPopupMenu(TiPlotObject *Object, bool &Cancel, int ScreenX, int ScreenY) override;
    void DoObjectGotFocus(TiPlotObject *Object) override;
    void DoObjectLostFocus(TiPlotObject *Object) override;
    TiPlotTranslationManager *GetTranslationManager() const override;
    TCustomImageList *GetImageList(int Index) const override;

    void DefineProperties(TFiler *Filer) override;

private:
    void Record(const QString &What, TObject *Sender);

    std::unique_ptr<TiPlotMasterManager> FMaster;
    TPopupMenu *FPopupMenu;
    std::array<TImageList *, 3> FImageLists{};
};

// The name of a plot object, a pair or a manager for the logs.
QString NameOf(TObject *Object);

// Makes something for a plot from an owner and its four notifications (change, insert, remove,
// rename) and checks that each missing piece is refused with its message, the owner's first.
void ExpectOwnerChecks(
    TWinControl *Owner, const char *OwnerMessage,
    const std::function<void(TWinControl *, TNotifyEvent, TNotifyEvent, TNotifyEvent, TNotifyEvent)> &Make);

// Texts in test failures.
inline void PrintTo(const QString &Text, std::ostream *Out)
{
    *Out << '"' << Text.toStdString() << '"';
}
