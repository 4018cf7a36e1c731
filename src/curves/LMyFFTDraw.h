#pragma once
// The types the two response plot controls share: the axis enumerations, the off-screen pages
// (TPaintPage) and the plot list (TPlotList of TPlotListMember, TMyPlotStyle). The controls
// themselves are built on LResponsePlot (ResponsePlot.h); LMyFFTDrawPhase.h takes these types
// from here.

#include "curves/PaintPage.h"
#include "curves/PlotAxisTypes.h"
#include "curves/PlotList.h"
