// Entry point of the editor: checks that a display is there, starts the application and runs the
// message loop. The main window replaces the placeholder window below.

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char *const kTitle = "TROV316 DSP Processor Editor V1.1";

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

int main(int argc, char **argv)
{
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "%s: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Start it from a desktop session, or under Xvfb: xvfb-run -a make run\n",
                     kTitle);
        return 1;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromLatin1(kTitle));
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
