#pragma once
// Printing: the orientation of the page a printer prints on.

#include "platform/runtime/EnumNames.h"

enum TPrinterOrientation { poPortrait, poLandscape };
inline constexpr auto PrinterOrientationNames = EnumNames<TPrinterOrientation>("poPortrait", "poLandscape");
