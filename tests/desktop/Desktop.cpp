#include "desktop/Desktop.h"

#include "app/ChildProcess.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <thread>

// Xlib last: its macros (Status, None, Bool ...) clash with Qt's names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace desktop {

namespace {

constexpr int kDisplayFd = 9;  // where the server writes its display number (-displayfd)

// Starts Xvfb on a free display and answers its display number, or -1.
int StartServer(const std::string &folder, pid_t &pid)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    const std::string log = folder + "/xvfb.log";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], kDisplayFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::vector<std::string> args = {"Xvfb",      "-displayfd", std::to_string(kDisplayFd),
                                     "-screen",   "0",          "1400x900x24",
                                     "-nolisten", "tcp",        "-noreset"};
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const int rc = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        pid = -1;
        return -1;
    }
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (number.find('\n') == std::string::npos && poll(&p, 1, 10000) > 0) {
        char buffer[16];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        number.append(buffer, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    return number.empty() || number.find('\n') == std::string::npos ? -1 : std::stoi(number);
}

Atom AtomOf(Display *x, const char *name)
{
    return XInternAtom(x, name, False);
}

// The 32-bit items of a property (windows, atoms, cardinals).
std::vector<unsigned long> Items(Display *x, Window w, const char *property, Atom type)
{
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(x, w, AtomOf(x, property), 0, 1024, False, type, &actual, &format, &count, &after, &data) ==
            Success &&
        data && format == 32) {
        const auto *longs = reinterpret_cast<const unsigned long *>(data);
        items.assign(longs, longs + count);
    }
    if (data)
        XFree(data);
    return items;
}

}  // namespace

bool Until(const std::function<bool()> &done, int ms)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

Desktop::Desktop(const std::string &folder)
{
    const int number = StartServer(folder, server_);
    if (number < 0)
        return;
    display_ = ":" + std::to_string(number);
    x_ = XOpenDisplay(display_.c_str());
    int event = 0, error = 0, major = 0, minor = 0;
    if (!x_ || !XTestQueryExtension(x_, &event, &error, &major, &minor)) {
        ADD_FAILURE() << "no X server with the XTest extension on " << display_;
        return;
    }
    wm_ = std::make_unique<ChildProcess>("/usr/bin/openbox", std::vector<std::string>{"--sm-disable"},
                                         folder + "/openbox.log", std::vector<std::string>{"DISPLAY=" + display_});
    const Window root = DefaultRootWindow(x_);
    if (!Until([&] { return !Items(x_, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty(); }))
        ADD_FAILURE() << "openbox did not start: " << wm_->Output();
}

Desktop::~Desktop()
{
    if (x_)
        XCloseDisplay(x_);
    wm_.reset();
    if (server_ > 0) {
        ::kill(server_, SIGTERM);
        int status = 0;
        ::waitpid(server_, &status, 0);
    }
}

void Desktop::Settle() const
{
    XSync(x_, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
}

// ---- Windows ------------------------------------------------------------------------------------

std::vector<Window> Desktop::Stacking() const
{
    return Items(x_, DefaultRootWindow(x_), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
}

int Desktop::Popups() const
{
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(x_, DefaultRootWindow(x_), &root, &parent, &children, &count))
        return 0;
    int popups = 0;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes a;
        popups += XGetWindowAttributes(x_, children[i], &a) && a.override_redirect && a.map_state == IsViewable;
    }
    XFree(children);
    return popups;
}

QString Desktop::Title(Window w) const
{
    Atom actual = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    QString title;
    if (XGetWindowProperty(x_, w, AtomOf(x_, "_NET_WM_NAME"), 0, 1024, False, AtomOf(x_, "UTF8_STRING"), &actual,
                           &format, &count, &after, &data) == Success &&
        data)
        title = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(count));
    if (data)
        XFree(data);
    return title;
}

Window Desktop::Find(const QString &title) const
{
    for (Window w : Stacking()) {
        XWindowAttributes a;
        if (Title(w).startsWith(title) && XGetWindowAttributes(x_, w, &a) && a.map_state == IsViewable)
            return w;
    }
    return 0;
}

Window Desktop::WaitWindow(const QString &title, int ms) const
{
    Window found = 0;
    Until([&] { return (found = Find(title)) != 0; }, ms);
    return found;
}

QRect Desktop::ClientRect(Window w) const
{
    XWindowAttributes a;
    int x = 0, y = 0;
    ::Window child = 0;
    if (!XGetWindowAttributes(x_, w, &a) || !XTranslateCoordinates(x_, w, DefaultRootWindow(x_), 0, 0, &x, &y, &child))
        return {};
    return QRect(x, y, a.width, a.height);
}

Window Desktop::Active() const
{
    const auto items = Items(x_, DefaultRootWindow(x_), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return items.empty() ? 0 : items.front();
}

Window Desktop::TransientFor(Window w) const
{
    ::Window owner = 0;
    return XGetTransientForHint(x_, w, &owner) ? owner : 0;
}

std::vector<std::string> Desktop::Atoms(Window w, const char *property) const
{
    std::vector<std::string> names;
    for (unsigned long atom : Items(x_, w, property, XA_ATOM)) {
        char *name = XGetAtomName(x_, atom);
        names.emplace_back(name ? name : "");
        if (name)
            XFree(name);
    }
    return names;
}

void Desktop::Maximise(Window w, bool on)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = AtomOf(x_, "_NET_WM_STATE");
    e.xclient.format = 32;
    e.xclient.data.l[0] = on ? 1 : 0;
    e.xclient.data.l[1] = static_cast<long>(AtomOf(x_, "_NET_WM_STATE_MAXIMIZED_HORZ"));
    e.xclient.data.l[2] = static_cast<long>(AtomOf(x_, "_NET_WM_STATE_MAXIMIZED_VERT"));
    e.xclient.data.l[3] = 2;  // a pager or task bar asks
    XSendEvent(x_, DefaultRootWindow(x_), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    Settle();
}

// ---- Input --------------------------------------------------------------------------------------

void Desktop::MoveTo(QPoint screen)
{
    XTestFakeMotionEvent(x_, -1, screen.x(), screen.y(), CurrentTime);
    Settle();
}

void Desktop::Click(QPoint screen)
{
    MoveTo(screen);
    XTestFakeButtonEvent(x_, 1, True, CurrentTime);
    Settle();
    XTestFakeButtonEvent(x_, 1, False, CurrentTime);
    Settle();
}

void Desktop::Key(const char *keysym, const std::vector<const char *> &modifiers)
{
    auto code = [this](const char *name) { return XKeysymToKeycode(x_, XStringToKeysym(name)); };
    for (const char *m : modifiers)
        XTestFakeKeyEvent(x_, code(m), True, CurrentTime);
    XTestFakeKeyEvent(x_, code(keysym), True, CurrentTime);
    XTestFakeKeyEvent(x_, code(keysym), False, CurrentTime);
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m)
        XTestFakeKeyEvent(x_, code(*m), False, CurrentTime);
    Settle();
}

void Desktop::Type(const std::string &text)
{
    for (char c : text) {
        const std::string name = c == ' ' ? "space" : std::string(1, static_cast<char>(std::tolower(c)));
        if (std::isupper(static_cast<unsigned char>(c)))
            Key(name.c_str(), {"Shift_L"});
        else
            Key(name.c_str());
    }
}

// ---- Pixels -------------------------------------------------------------------------------------

QImage Desktop::Grab(const QRect &screen) const
{
    XImage *image = XGetImage(x_, DefaultRootWindow(x_), screen.x(), screen.y(), static_cast<unsigned>(screen.width()),
                              static_cast<unsigned>(screen.height()), AllPlanes, ZPixmap);
    if (!image)
        return {};
    QImage pixels(screen.size(), QImage::Format_RGB32);
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            pixels.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y)) | 0xFF000000u);
    XDestroyImage(image);
    return pixels;
}

// ---- Form definitions ---------------------------------------------------------------------------

QRect ControlRect(const QString &formFile, const QString &control)
{
    QFile file(formFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression objectLine(QStringLiteral("^\\s*(object|inherited)\\s+(\\w+)"));
    static const QRegularExpression valueLine(QStringLiteral("^\\s*(Left|Top|Width|Height)\\s*=\\s*(-?\\d+)\\s*$"));
    struct Open {
        QString name;  // empty for a collection item
        QRect bounds;
    };
    std::vector<Open> stack;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QString word = line.trimmed();
        if (const auto m = objectLine.match(line); m.hasMatch()) {
            stack.push_back({m.captured(2), {}});
        } else if (word == QLatin1String("item")) {
            stack.push_back({});
        } else if (word == QLatin1String("end") || word.startsWith(QLatin1String("end>"))) {
            if (stack.empty())
                continue;
            if (stack.back().name.compare(control, Qt::CaseInsensitive) == 0) {
                QRect r = stack.back().bounds;
                for (std::size_t i = 1; i + 1 < stack.size(); ++i)  // the form's own position does not count
                    r.translate(stack[i].bounds.topLeft());
                return r;
            }
            stack.pop_back();
        } else if (const auto v = valueLine.match(line);
                   v.hasMatch() && !stack.empty() && !stack.back().name.isEmpty()) {
            QRect &b = stack.back().bounds;
            const int n = v.captured(2).toInt();
            const QString what = v.captured(1);
            if (what == QLatin1String("Left"))
                b.moveLeft(n);
            else if (what == QLatin1String("Top"))
                b.moveTop(n);
            else if (what == QLatin1String("Width"))
                b.setWidth(n);
            else
                b.setHeight(n);
        }
    }
    return {};
}

}  // namespace desktop
