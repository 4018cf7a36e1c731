#pragma once
// Base of the drawing tool objects (pen, brush, font): a persistent object that reports each change
// through OnChange, so that a canvas re-selects it and an owning control repaints.

#include "platform/ui/Classes.h"
#include "platform/ui/Events.h"
#include "platform/ui/Exception.h"
#include "platform/ui/PropInfo.h"

// Colour names for colour-kind published properties (clBtnFace ...).
TIdentMap ColorIdents();

T_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
T_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception);

class TGraphicsObject : public TPersistent {
    T_DECLARE_CLASS(TGraphicsObject, TPersistent)
    TNotifyEvent OnChange;

    // Groups several changes into one OnChange.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

protected:
    // Fires OnChange unless an update is open; an open update remembers that a change happened.
    void Changed();

private:
    int updateCount_ = 0;
    bool changedDuringUpdate_ = false;
};
