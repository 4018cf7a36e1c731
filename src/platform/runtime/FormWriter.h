#pragma once
// Form definitions: writing components back as text the form reader reads (grammar in
// FormReader.h). A property is written when it is stored and differs from its declared default
// (ordinal kinds), or is not zero/empty (floats, strings); owned sub-objects are written through
// their own properties (Font.Color), references by component name, events by handler name (only
// handlers of the root's class), then the defined properties (DefineProperties), then the
// components GetChildren lists, nested.

#include "platform/runtime/FormData.h"

#include <QString>

#include <vector>

class TComponent;
class TPersistent;

QString WriteComponentToText(TComponent *root);
TFormObject WriteComponentToData(TComponent *root);
// The stored properties of one object with `prefix` before each path ("" or "Font.").
void WriteObjectProperties(TPersistent &instance, TComponent *root, const QString &prefix,
                           std::vector<TFormProperty> &out);
