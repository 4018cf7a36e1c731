#include "platform/ui/CanvasGdi.h"

#include "platform/ui/Printers.h"
#include "platform/ui/Screen.h"

int GetDeviceCaps(HDC dc, int index)
{
    if (auto *printerCanvas = dynamic_cast<const TPrinterCanvas *>(dc))
        return printerCanvas->Printer()->DeviceCaps(index);
    switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case NUMCOLORS: return -1;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case HORZRES: return Screen->Width();
    case VERTRES: return Screen->Height();
    default: return 0;
    }
}
