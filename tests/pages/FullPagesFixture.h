#pragma once
// The tests that need every control of the channel pages at once (the refresh from the model, the
// channel copy and reload): PageTestFull on a TfmPageTest, set up as the equaliser tests set up
// theirs.

#include "EqPagesFixture.h"

#include "platform/ui/Image.h"
#include "platform/ui/PaintBox.h"
#include "plotlib/plot/iXYPlot.h"

#include <cstring>

// The classes of the form that the other test forms lack, so that the program links them.
[[maybe_unused]] inline const TClassInfo *const FullFormClasses[] = {
    &TiXYPlot::StaticClass(),
    &TPaintBox::StaticClass(),
    &TImage::StaticClass(),
};

class FullPagesTest : public EqPagesTest {
protected:
    FullPagesTest() { formName = "PageTestFull"; }

    // Runs `set` on the model with the controls-updating flag set, so that nothing is sent.
    template <class Set>
    void Quietly(Set &&set)
    {
        form->ControlsUpdating = true;
        set(form->Model);
        form->ControlsUpdating = false;
    }

    // The parameter image as bytes, to see that an operation left the model alone.
    std::vector<std::uint8_t> ImageBytes() const
    {
        const ParameterImage &image = form->Model.GetImage();
        std::vector<std::uint8_t> bytes(sizeof image);
        std::memcpy(bytes.data(), &image, sizeof image);
        return bytes;
    }
};
