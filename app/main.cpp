// Entry point of the editor: checks that a display is there, then starts the program (WinMain).

#include "app/WinMain.h"
#include "mainwindow/LinkTexts.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts when it cannot open its platform; say what is missing instead.
bool DisplayAvailable()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;  // the caller picked a platform (offscreen, xcb, wayland ...)
    const char *x11 = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main()
{
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "%s: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Start it from a desktop session, or under Xvfb: xvfb-run -a make run\n",
                     OfflineCaption().toLocal8Bit().constData());
        return 1;
    }
    return WinMain();
}
