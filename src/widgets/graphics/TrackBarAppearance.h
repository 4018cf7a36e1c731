#pragma once
// TTrackBarAppearance: what the track bar's five appearance objects share (TrackBarThumb.h,
// TrackBarSlider.h, TrackBarTick.h, TrackBarButtons.h, TrackBarLabel.h). Each is streamed as one
// published property of the track bar (Thumb.Size, Slider.Color ...) and reports a change of a
// drawn value through OnChange, after which the track bar repaints. Setters store a different
// value and report it; the few marked "plain" in the subclasses store without a report. Pictures
// are owned TGDIPPicture objects: writing a picture property copies the given picture.

#include <memory>

#include "platform/runtime/Classes.h"
#include "platform/runtime/Events.h"
#include "widgets/graphics/GDIPicture.h"

class TCustomTrackBar;

class TTrackBarAppearance : public TPersistent {
    T_DECLARE_CLASS(TTrackBarAppearance, TPersistent)
    // Fired with the object as sender after a drawn value changed.
    TNotifyEvent OnChange;

    // The track bar the object belongs to (nullptr for a free-standing one).
    TCustomTrackBar *AdvTrackBar() const { return FAdvTrackBar; }
    void SetAdvTrackBar(TCustomTrackBar *value) { FAdvTrackBar = value; }
    TPersistent *GetOwner() override;

protected:
    TTrackBarAppearance() = default;

    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
    // Stores a different value and reports the change.
    template <class T>
    void Set(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    // An owned picture whose changes run `changed`.
    template <class F>
    static std::unique_ptr<TGDIPPicture> MakePicture(F changed)
    {
        auto picture = std::make_unique<TGDIPPicture>();
        picture->OnChange = [changed](TObject *) { changed(); };
        return picture;
    }
    // Copies `source` into `picture` (its change event runs).
    static void CopyPicture(TGDIPPicture *picture, TGDIPPicture *source)
    {
        if (source != picture)
            picture->Assign(source);
    }
    // The picture's size (read from its image); false for an empty picture.
    static bool PictureSize(TGDIPPicture *picture, int &width, int &height);
    // True when the owning track bar runs vertically.
    bool Vertical() const;

    TCustomTrackBar *FAdvTrackBar = nullptr;
};
