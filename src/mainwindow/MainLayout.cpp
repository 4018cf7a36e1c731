#include "mainwindow/MainLayout.h"

#include "platform/runtime/Classes.h"
#include "platform/ui/ControlsScrollingWinControl.h"
#include "widgets/graphics/AdvTrackBar.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>

namespace mainlayout {
namespace {

enum class Edge { Left, Top, Width, Height };

// A control's edge as a function of the extra size (w or h).
struct FixedRule {
    const char *name;
    Edge edge;
    int (*value)(int extra);
};

// A channel control's edge (prefix plus the channel suffix) as a function of the extra size and
// the channel (0 and 1 the inputs, 2 to 5 the outputs); a null formula leaves that side alone.
struct ChannelRule {
    const char *prefix;
    Edge edge;
    int (*input)(int extra, int c);
    int (*output)(int extra, int c);
};

// A block of a matrix row: its left and width as functions of w.
struct BlockRule {
    const char *name;  // the full prefix: "lbMatrixGain", "spMatrixName" ...
    int (*left)(int w);
    int (*width)(int w);
};

const std::array<const char *, 6> Suffixes = {"InA", "InB", "Out1", "Out2", "Out3", "Out4"};

// ---- Height rules --------------------------------------------------------------------------------
const FixedRule FixedHeight[] = {
    {"rzgMain", Edge::Height, [](int h) { return h + 629; }},
    {"rzgFftGain", Edge::Height, [](int h) { return h + 284; }},
    {"rzgFftDelay", Edge::Height, [](int h) { return h + 284; }},
    {"rzgFftComp", Edge::Height, [](int h) { return h + 284; }},
    {"rzgFftMatrix", Edge::Height, [](int h) { return h + 284; }},
    {"rzgParamGain", Edge::Top, [](int h) { return h + 292; }},
    {"rzgParamDelay", Edge::Top, [](int h) { return h + 292; }},
    {"rzgParamComp", Edge::Top, [](int h) { return h + 292; }},
    {"rzgParamMatrix", Edge::Top, [](int h) { return h + 292; }},
    {"fftDrawGainIn", Edge::Height, [](int h) { return h + 255; }},
    {"fftDrawGainOut", Edge::Height, [](int h) { return h + 255; }},
    {"plFftDelayIn", Edge::Height, [](int h) { return h + 234; }},
    {"plFftDelayOut", Edge::Height, [](int h) { return h + 234; }},
    {"ipComp", Edge::Height, [](int h) { return h + 230; }},
    {"plLevelCompOut", Edge::Height, [](int h) { return h + 247; }},
    {"pbLevelCompOut", Edge::Height, [](int h) { return 8 * h / 9 + 185; }},
    {"pbLevelCompOut", Edge::Top, [](int h) { return h / 9 + 43; }},
    {"pbLimitCompOut", Edge::Height, [](int h) { return h / 9 + 22; }},
    {"lbLimitCompOut", Edge::Top, [](int h) { return 1 * h / 9 + 22; }},
    {"lbClipCompOut", Edge::Top, [](int h) { return 2 * h / 9 + 45; }},
    {"lb12CompOut", Edge::Top, [](int h) { return 3 * h / 9 + 68; }},
    {"lb5CompOut", Edge::Top, [](int h) { return 4 * h / 9 + 91; }},
    {"lb0CompOut", Edge::Top, [](int h) { return 5 * h / 9 + 115; }},
    {"lbN5CompOut", Edge::Top, [](int h) { return 6 * h / 9 + 138; }},
    {"lbN15CompOut", Edge::Top, [](int h) { return 7 * h / 9 + 161; }},
    {"lbN30CompOut", Edge::Top, [](int h) { return 8 * h / 9 + 184; }},
    {"lbN60CompOut", Edge::Top, [](int h) { return 9 * h / 9 + 208; }},
    {"pbMatrix", Edge::Top, [](int h) { return h / 9 + 52; }},
    {"pbMatrix", Edge::Height, [](int h) { return h + 178; }},
    {"imRightUpBase", Edge::Height, [](int h) { return h + 256; }},
    {"imLeftUpBase", Edge::Height, [](int h) { return h + 256; }},
    {"imRightDownBase", Edge::Top, [](int h) { return h + 256; }},
    {"imLeftDownBase", Edge::Top, [](int h) { return h + 256; }},
    {"rzgPreset", Edge::Top, [](int h) { return h + 626; }},
};

const ChannelRule ChannelHeight[] = {
    {"rzgFft", Edge::Height, [](int h, int) { return h + 284; }, [](int h, int) { return h + 284; }},
    {"fftDraw", Edge::Height, [](int h, int) { return h + 255; }, [](int h, int) { return h + 255; }},
    {"rzgParam", Edge::Top, [](int h, int) { return h + 292; }, [](int h, int) { return h + 292; }},
    {"imDelay", Edge::Top, [](int h, int c) { return h / 4 * (c + 1) + 91 * c + 51; },
     [](int h, int c) { return h / 5 * (c - 1) + 50 * c - 80; }},
    {"lbDelayLine", Edge::Top, [](int h, int c) { return h / 4 * (c + 1) + 91 * c + 41; },
     [](int h, int c) { return h / 5 * (c - 1) + 50 * c - 80; }},
    {"lbDelayShow", Edge::Top, [](int h, int c) { return h / 4 * (c + 1) + 91 * c + 57; },
     [](int h, int c) { return h / 5 * (c - 1) + 50 * c - 73; }},
    {"plMatrix", Edge::Top, [](int h, int c) { return h / 4 * (c + 1) + 110 * c + 70; },
     [](int h, int c) { return h / 5 * (c - 1) + 57 * c - 74; }},
    {"plLevelComp", Edge::Height, nullptr, [](int h, int) { return h + 247; }},
    {"pbLevelComp", Edge::Height, nullptr, [](int h, int) { return 8 * h / 9 + 185; }},
    {"pbLevelComp", Edge::Top, nullptr, [](int h, int) { return h / 9 + 55; }},
    {"pbLimitComp", Edge::Height, nullptr, [](int h, int) { return h / 9 + 22; }},
    {"lbLimitComp", Edge::Top, nullptr, [](int h, int) { return 1 * h / 9 + 35; }},
    {"lbClipComp", Edge::Top, nullptr, [](int h, int) { return 2 * h / 9 + 58; }},
    {"lb12Comp", Edge::Top, nullptr, [](int h, int) { return 3 * h / 9 + 81; }},
    {"lb5Comp", Edge::Top, nullptr, [](int h, int) { return 4 * h / 9 + 105; }},
    {"lb0Comp", Edge::Top, nullptr, [](int h, int) { return 5 * h / 9 + 128; }},
    {"lbN5Comp", Edge::Top, nullptr, [](int h, int) { return 6 * h / 9 + 151; }},
    {"lbN15Comp", Edge::Top, nullptr, [](int h, int) { return 7 * h / 9 + 175; }},
    {"lbN30Comp", Edge::Top, nullptr, [](int h, int) { return 8 * h / 9 + 198; }},
    {"lbN60Comp", Edge::Top, nullptr, [](int h, int) { return 9 * h / 9 + 222; }},
};

// ---- Width rules ---------------------------------------------------------------------------------
const FixedRule FixedWidth[] = {
    {"rzbMenuLink", Edge::Left, [](int w) { return w + 1040; }},
    {"rzgFunction", Edge::Width, [](int w) { return w + 1115; }},
    {"rzgMain", Edge::Width, [](int w) { return w + 1112; }},
    {"rzgFftGain", Edge::Width, [](int w) { return w + 1112; }},
    {"rzgFftDelay", Edge::Width, [](int w) { return w + 1112; }},
    {"rzgFftComp", Edge::Width, [](int w) { return w + 1112; }},
    {"rzgFftMatrix", Edge::Width, [](int w) { return w + 1112; }},
    {"rzgParamGain", Edge::Left, [](int w) { return w / 2 + 20; }},
    {"rzgParamDelay", Edge::Left, [](int w) { return w / 2 + 20; }},
    {"rzgParamComp", Edge::Left, [](int w) { return w / 2 + 20; }},
    {"rzgParamMatrix", Edge::Left, [](int w) { return w / 2 + 20; }},
    {"fftDrawGainIn", Edge::Width, [](int w) { return w / 2 + 530; }},
    {"fftDrawGainOut", Edge::Width, [](int w) { return w / 2 + 530; }},
    {"fftDrawGainOut", Edge::Left, [](int w) { return w / 2 + 550; }},
    {"rzgFftShowChIn", Edge::Left, [](int w) { return w / 2 + 260; }},
    {"rzgFftShowChOut", Edge::Left, [](int w) { return w + 720; }},
    {"lbFftGainOut", Edge::Left, [](int w) { return w / 2 + 600; }},
    {"plFftDelayIn", Edge::Width, [](int w) { return w / 2 + 520; }},
    {"lbFftDelayIn", Edge::Width, [](int w) { return w / 2 + 520; }},
    {"plFftDelayOut", Edge::Width, [](int w) { return w / 2 + 520; }},
    {"plFftDelayOut", Edge::Left, [](int w) { return w / 2 + 560; }},
    {"lbFftDelayOut", Edge::Width, [](int w) { return w / 2 + 520; }},
    {"lbFftDelayOut", Edge::Left, [](int w) { return w / 2 + 560; }},
    {"ipComp", Edge::Width, [](int w) { return w + 720; }},
    {"lbCompName", Edge::Width, [](int w) { return w + 673; }},
    {"pbMatrix", Edge::Left, [](int w) { return w / 3 + 465; }},
    {"pbMatrix", Edge::Width, [](int w) { return w / 3 + 97; }},
    {"imRightUpBase", Edge::Left, [](int w) { return w + 1077; }},
    {"imRightDownBase", Edge::Left, [](int w) { return w + 1077; }},
    {"imLeftUpBase", Edge::Width, [](int w) { return w + 1082; }},
    {"imLeftDownBase", Edge::Width, [](int w) { return w + 1082; }},
    {"rzgPreset", Edge::Left, [](int w) { return w / 2 + 10; }},
};

const ChannelRule ChannelWidth[] = {
    {"rzgFft", Edge::Width, [](int w, int) { return w + 1112; }, [](int w, int) { return w + 1112; }},
    {"rzgFftShowCh", Edge::Left, [](int w, int) { return w / 2 + 500; }, [](int w, int) { return w / 2 + 460; }},
    {"rzgFftShowCh", Edge::Width, [](int, int) { return 176; }, [](int, int) { return 260; }},
    {"fftDraw", Edge::Width, [](int w, int) { return w + 1070; }, [](int w, int) { return w + 1070; }},
    {"vrbEqBypass", Edge::Left, [](int w, int) { return w + 776; }, [](int w, int) { return w + 776; }},
    {"vrbEqReset", Edge::Left, [](int w, int) { return w + 857; }, [](int w, int) { return w + 857; }},
    {"vrbEqShowAll", Edge::Left, [](int w, int) { return w + 934; }, [](int w, int) { return w + 934; }},
    {"rzgParam", Edge::Left, [](int w, int) { return w / 2 + 20; }, [](int w, int) { return w / 2 + 20; }},
    {"lbDelayLine", Edge::Width, [](int w, int) { return w / 2 + 475; }, [](int w, int) { return w / 2 + 475; }},
    {"plLevelComp", Edge::Left, nullptr, [](int w, int c) { return w + 73 * c + 654; }},
    {"plMatrix", Edge::Left, nullptr, [](int w, int) { return 2 * w / 3 + 561; }},
    {"plMatrix", Edge::Width, [](int w, int) { return w / 3 + 415; }, [](int w, int) { return w / 3 + 510; }},
};

// Blocks of the input rows: w div 24 and w div 21 place the name, eighths of w div 3 the others.
int InputBlockWidth(int w)
{
    return w / 21 + 50;
}
const BlockRule InputBlocks[] = {
    {"lbMatrixChName", [](int w) { return w / 24; }, [](int w) { return w / 21 + 70; }},
    {"spMatrixName", [](int w) { return w / 24; }, [](int w) { return w / 21 + 58; }},
    {"lbMatrixName", [](int w) { return w / 24; }, [](int w) { return w / 21 + 70; }},
    {"lbMatrixGain", [](int w) { return w / 3 * 2 / 8 + 77; }, InputBlockWidth},
    {"spMatrixGain", [](int w) { return w / 3 * 2 / 8 + 77; }, InputBlockWidth},
    {"lbMatrixMute", [](int w) { return w / 3 * 3 / 8 + 134; }, InputBlockWidth},
    {"spMatrixMute", [](int w) { return w / 3 * 3 / 8 + 134; }, InputBlockWidth},
    {"lbMatrixHpLp", [](int w) { return w / 3 * 4 / 8 + 191; }, InputBlockWidth},
    {"spMatrixHpLp", [](int w) { return w / 3 * 4 / 8 + 191; }, InputBlockWidth},
    {"lbMatrixPeq", [](int w) { return w / 3 * 5 / 8 + 248; }, InputBlockWidth},
    {"spMatrixPeq", [](int w) { return w / 3 * 5 / 8 + 248; }, InputBlockWidth},
    {"lbMatrixPhase", [](int w) { return w / 3 * 6 / 8 + 305; }, InputBlockWidth},
    {"spMatrixPhase", [](int w) { return w / 3 * 6 / 8 + 305; }, InputBlockWidth},
    {"lbMatrixDelay", [](int w) { return w / 3 * 7 / 8 + 362; }, InputBlockWidth},
    {"spMatrixDelay", [](int w) { return w / 3 * 7 / 8 + 362; }, InputBlockWidth},
};

// Blocks of the output rows: ninths of w div 3 place them, eighths size them.
int OutputBlockWidth(int w)
{
    return w / 3 / 8 + 50;
}
const BlockRule OutputBlocks[] = {
    {"lbMatrixXover", [](int) { return 2; }, OutputBlockWidth},
    {"spMatrixXover", [](int) { return 2; }, OutputBlockWidth},
    {"lbMatrixPeq", [](int w) { return w / 3 * 1 / 9 + 61; }, OutputBlockWidth},
    {"spMatrixPeq", [](int w) { return w / 3 * 1 / 9 + 61; }, OutputBlockWidth},
    {"lbMatrixGain", [](int w) { return w / 3 * 2 / 9 + 121; }, OutputBlockWidth},
    {"spMatrixGain", [](int w) { return w / 3 * 2 / 9 + 121; }, OutputBlockWidth},
    {"lbMatrixComp", [](int w) { return w / 3 * 3 / 9 + 180; }, OutputBlockWidth},
    {"spMatrixComp", [](int w) { return w / 3 * 3 / 9 + 180; }, OutputBlockWidth},
    {"lbMatrixPhase", [](int w) { return w / 3 * 4 / 9 + 240; }, OutputBlockWidth},
    {"spMatrixPhase", [](int w) { return w / 3 * 4 / 9 + 240; }, OutputBlockWidth},
    {"lbMatrixDelay", [](int w) { return w / 3 * 5 / 9 + 298; }, OutputBlockWidth},
    {"spMatrixDelay", [](int w) { return w / 3 * 5 / 9 + 298; }, OutputBlockWidth},
    {"lbMatrixMute", [](int w) { return w / 3 * 6 / 9 + 359; }, OutputBlockWidth},
    {"spMatrixMute", [](int w) { return w / 3 * 6 / 9 + 359; }, OutputBlockWidth},
    {"lbMatrixName", [](int w) { return w / 3 * 7 / 9 + 418; }, [](int w) { return w / 3 / 8 + 80; }},
    {"lbMatrixChName", [](int w) { return w / 3 * 7 / 9 + 419; }, [](int w) { return w / 3 / 8 + 80; }},
    {"spMatrixName", [](int w) { return w / 3 * 7 / 9 + 416; }, [](int w) { return w / 3 / 8 + 58; }},
};

template <class T>
T *Find(TComponent &form, const QString &name)
{
    return dynamic_cast<T *>(form.FindComponent(name));
}

void SetEdge(TControl &control, Edge edge, int value)
{
    switch (edge) {
    case Edge::Left: control.SetLeft(value); break;
    case Edge::Top: control.SetTop(value); break;
    case Edge::Width: control.SetWidth(value); break;
    case Edge::Height: control.SetHeight(value); break;
    }
}

bool ApplyFixed(TComponent &form, const auto &rules, int extra)
{
    for (const FixedRule &rule : rules) {
        TControl *control = Find<TControl>(form, QString::fromLatin1(rule.name));
        if (!control)
            return false;
        SetEdge(*control, rule.edge, rule.value(extra));
    }
    return true;
}

bool ApplyChannels(TComponent &form, const auto &rules, int extra)
{
    for (int c = 0; c < 6; ++c)
        for (const ChannelRule &rule : rules) {
            const auto formula = c < 2 ? rule.input : rule.output;
            if (!formula)
                continue;
            TControl *control = Find<TControl>(form, QString::fromLatin1(rule.prefix) + Suffixes[c]);
            if (!control)
                return false;
            SetEdge(*control, rule.edge, formula(extra, c));
        }
    return true;
}

bool ApplyBlocks(TComponent &form, int w)
{
    for (int c = 0; c < 6; ++c)
        for (const BlockRule &rule :
             c < 2 ? std::span<const BlockRule>(InputBlocks) : std::span<const BlockRule>(OutputBlocks)) {
            TControl *control = Find<TControl>(form, QString::fromLatin1(rule.name) + Suffixes[c]);
            if (!control)
                return false;
            control->SetLeft(rule.left(w));
            control->SetWidth(rule.width(w));
        }
    return true;
}

// The speaker picture of each delay line at its slider's place along the line, the time label
// beside it.
bool PlaceSpeakers(TComponent &form)
{
    for (int c = 0; c < 6; ++c) {
        const QString suffix = QString::fromLatin1(Suffixes[c]);
        auto *image = Find<TControl>(form, "imDelay" + suffix);
        auto *slider = Find<TAdvTrackBar>(form, "isDelay" + suffix);
        auto *line = Find<TControl>(form, "lbDelayLine" + suffix);
        auto *time = Find<TControl>(form, "lbFftDelayTime" + suffix);
        if (!image || !slider || !line || !time)
            return false;
        // Formed in 64 bits: a wide window makes the product exceed 32 bits. A slider without a
        // range puts the picture at the line's start rather than dividing by zero.
        const std::int64_t span = line->Width() - 90;
        const int offset = slider->Max() != 0 ? static_cast<int>(slider->Position() * span / slider->Max()) : 0;
        image->SetLeft(offset + 40);
        time->SetLeft(image->Left() + 30);
        time->SetTop(image->Top() + image->Height() / 4);
    }
    return true;
}

}  // namespace

bool Apply(TScrollingWinControl &form, int width, int height, int &extraHeight,
           const std::function<void(int)> &delayLine)
{
    form.SetAutoScroll(width < MinWidth || height < MinHeight);
    if (height >= MinHeight) {
        const int h = height - MinHeight;
        extraHeight = h;
        if (!ApplyFixed(form, FixedHeight, h) || !ApplyChannels(form, ChannelHeight, h))
            return false;
    }
    if (width >= MinWidth) {
        const int w = width - MinWidth;
        if (!ApplyFixed(form, FixedWidth, w) || !ApplyChannels(form, ChannelWidth, w) || !ApplyBlocks(form, w))
            return false;
    }
    if (!PlaceSpeakers(form))
        return false;
    auto *pageArea = Find<TControl>(form, QStringLiteral("rzgMain"));
    if (!pageArea)
        return false;
    pageArea->Hide();
    pageArea->Show();
    if (delayLine)
        for (int c = 0; c < 6; ++c)
            delayLine(c);
    return true;
}

}  // namespace mainlayout
