#include "plotlib/objects/iPlotAnnotation.h"

#include "platform/runtime/ClassBuilder.h"

T_IMPLEMENT_CLASS(TiPlotAnnotation) {}
