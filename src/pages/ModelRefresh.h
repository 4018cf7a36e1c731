#pragma once
// The one way back from the device model to the screen: every control of the channel pages shows
// the model (preset number and name, channel names, band tables, crossovers, gain, polarity,
// delay, mute, routing, compressor, the EQ-bypass word of every plot, the delay unit), the
// test-tone and link-group dialogs follow it when they exist, and every curve is recomputed. The
// main window runs it when it is created, after a complete read and after a preset file was
// applied; the channel copy and the reload run it offline.
//
// Controls change with the controls-updating flag set, so no handler reacts and no model setter
// sends. Every control named is required: at the first missing one the refresh ends there, with
// the flag clear. The model is read through its getters and the range-safe lookups only, so that
// any value a file or a processor brings shows without reading beyond a table.

#include "pages/PageHost.h"

#include <QString>

class CompressorPage;
class CurveOverlays;
class CurveSynthesis;
class DelayPage;
class MatrixPage;
class PageSwitch;
class PeqEditor;

// The crossover text of a frequency track bar position: "19.7Hz", "1.00KHz", "20.16KHz".
QString CrossoverFrequencyText(int position);
// The preset number: "F00" for the factory preset, "U01" to "U31".
QString PresetNumberText(int preset);

class ModelRefresh {
public:
    // The parts whose operations the refresh calls rather than repeating them.
    struct Parts {
        PeqEditor &Peq;
        CurveOverlays &Overlays;
        CurveSynthesis &Curves;
        DelayPage &Delay;
        CompressorPage &Comp;
        MatrixPage &Matrix;
        PageSwitch &Pages;
    };

    ModelRefresh(PageHost &host, Parts parts) : host_(host), parts_(parts) {}

    void RefreshFromModel();

private:
    // Steps that run with the flag set; false at the first missing control.
    bool ShowModel();
    bool ShowChannel(int channel);
    bool ShowBands(int channel);
    bool ShowFilter(int channel, bool highPass);
    bool ShowGainAndBelow(int channel);
    bool ShowCompressor(int channel);

    PageHost &host_;
    Parts parts_;
};
