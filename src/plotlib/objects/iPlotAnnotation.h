#pragma once
// TiPlotAnnotation: a text, line or shape placed on the plot by the application or the user.
// Annotations are filed without a name and are not streamed with the plot's form. For now it
// carries what the managers need. GUI thread.

#include "plotlib/plot/iPlotObjects.h"

class TiPlotAnnotation : public TiPlotManagerObject {
    T_DECLARE_CLASS(TiPlotAnnotation, TiPlotManagerObject)
    using TiPlotManagerObject::TiPlotManagerObject;
};
