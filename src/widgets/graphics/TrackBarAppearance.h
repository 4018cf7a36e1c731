#pragma once
// TTrackBarAppearance: what the track bar's five appearance objects share (TrackBarThumb.h,
// TrackBarSlider.h, TrackBarTick.h, TrackBarButtons.h, TrackBarLabel.h). Each is streamed as one
// published property of the track bar (Thumb.Size, Slider.Color ...) and reports a change of a
// drawn value through OnChange, after which the track bar repaints. Setters store a different
// value and report it; the few marked "plain" in the subclasses store without a report. Pictures
// are owned TGDIPPicture objects: writing a picture property copies the given picture.

#include <cstddef>
#include <memory>

#include "platform/runtime/Classes.h"
#include "platform/runtime/Colors.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/StoreChanged.h"
#include "widgets/graphics/GDIPicture.h"

class TCustomTrackBar;

// One published colour of an appearance object, for the class descriptions' colour tables.
template <class T>
struct TColorProperty {
    const char *Name;
    TColor (T::*Get)() const;
    void (T::*Set)(TColor);
    TColor Default;  // the stream default
};

// Describes every colour of the table with its stream default and the colour names.
template <class Builder, class T, std::size_t N>
void DescribeColors(Builder &b, const TColorProperty<T> (&colors)[N])
{
    for (const TColorProperty<T> &c : colors)
        b.Color(c.Name, c.Get, c.Set).Default(c.Default).Idents(ColorIdents());
}

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
        if (StoreChanged(field, value))
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
