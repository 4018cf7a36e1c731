#include "plotlib/channels/iXYPlotChannel.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TiXYPlotChannel) {}
