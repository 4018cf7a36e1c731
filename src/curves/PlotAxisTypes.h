#pragma once
// The enumerations of the response plot controls' published properties, each with the table of
// its names as the form definitions write them.

#include "platform/runtime/EnumNames.h"

// How the axis lines are drawn (see LResponsePlot::DrawAxis).
enum class TMyAxisStyle { Box, Centered, CenteredBox, LB, None };
inline constexpr auto MyAxisStyleNames = EnumNames<TMyAxisStyle>("Box", "Centered", "CenteredBox", "LB", "None");

// Scale of an axis.
enum class TMyAxisFormat { Linear, Log };
inline constexpr auto MyAxisFormatNames = EnumNames<TMyAxisFormat>("Linear", "Log");

// Number format of the axis labels: the framework's float-to-text formats, in their order.
enum TStringFloatFormat { sffGeneral, sffExponent, sffFixed, sffNumber, sffCurrency };
inline constexpr auto StringFloatFormatNames = EnumNames<TStringFloatFormat>(
    "sffGeneral", "sffExponent", "sffFixed", "sffNumber", "sffCurrency");

// Point count P = 256 x 2^value that spans the full frequency range of the x axis.
enum TFFTNumber { n256, n512, n1024, n2048, n4096 };
inline constexpr auto FFTNumberNames = EnumNames<TFFTNumber>("n256", "n512", "n1024", "n2048", "n4096");

// Top frequency N = 24000 x (value + 1) Hz of the x axis.
enum TSampleRate { n48000, n96000, n192000 };
inline constexpr auto SampleRateNames = EnumNames<TSampleRate>("n48000", "n96000", "n192000");
