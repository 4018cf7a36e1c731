#pragma once
// Base of the drawing tool objects (pen, brush, font): a persistent object that reports each change
// through OnChange, so that a canvas re-selects it and an owning control repaints.

#include "platform/runtime/Classes.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/PropInfo.h"

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
