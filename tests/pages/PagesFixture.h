#pragma once
// The tests of the channel pages: a TfmPageTest holding one page form, shown offscreen at 96 DPI,
// with lookups of its controls by name and the bytes of what it sent.

#include "PageTestForm.h"

#include "platform/ui/ControlsInput.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/StdTestApp.h"
#include "widgets/graphics/AdvTrackBar.h"
#include "widgets/graphics/CurvyEdit.h"
#include "widgets/skinned/RzBmpBtn.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <string>

class PagesTest : public ::testing::Test {
protected:
    // Loads the form "PageTestGain", "PageTestDelay" or "PageTestMatrix" and shows it.
    void Load(const char *resourceName)
    {
        form = std::make_unique<TfmPageTest>(nullptr);
        form->Load(QString::fromLatin1(resourceName));
        form->Show();
    }

    // The control of that name; the test fails when there is none of that class.
    template <class T>
    T &Control(const QString &name)
    {
        auto *control = dynamic_cast<T *>(form->FindComponent(name));
        if (!control)
            throw std::runtime_error("no control " + name.toStdString());
        return *control;
    }

    // The framed bytes of every command sent since the last call.
    std::vector<BSTM> TakeFrames()
    {
        std::vector<BSTM> frames = form->SentFrames();
        form->Sent.clear();
        return frames;
    }

    // The frame of a command the pages send to device 1: 10 02 00 01, length, code, payload,
    // 10 03, checksum.
    static BSTM Frame(std::uint8_t code, std::initializer_list<std::uint8_t> payload)
    {
        BSTM frame;
        for (std::uint8_t b : {std::uint8_t{0x10}, std::uint8_t{0x02}, std::uint8_t{0x00}, std::uint8_t{0x01},
                               static_cast<std::uint8_t>(payload.size() + 1), code})
            frame.push_back(b);
        for (std::uint8_t b : payload)
            frame.push_back(b);
        frame.push_back(0x10);
        frame.push_back(0x03);
        std::uint8_t sum = 0;
        for (std::uint8_t b : frame)
            sum ^= b;
        frame.push_back(sum);
        return frame;
    }

    void TearDown() override { form.reset(); }

    std::unique_ptr<TfmPageTest> form;
};
