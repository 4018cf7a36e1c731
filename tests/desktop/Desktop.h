#pragma once
// A real desktop for the editor: an X server of its own (Xvfb on a free display) with the openbox
// window manager, and a client of the tests' own that sends real input through the XTest
// extension and reads what the window manager and the windows tell the X server (titles, owners,
// stacking, allowed actions, pixels). Everything ends with the object.
//
//   Desktop desk(folder);
//   Window w = desk.WaitWindow("Lock Setting");
//   desk.Type("ab12");
//   desk.Key("Return");

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

class ChildProcess;
struct _XDisplay;

namespace desktop {

using Window = unsigned long;

// Waits until `done` answers true, looking every 20 ms; false after `ms`.
bool Until(const std::function<bool()> &done, int ms = 10000);

class Desktop {
public:
    explicit Desktop(const std::string &folder);
    ~Desktop();
    Desktop(const Desktop &) = delete;
    Desktop &operator=(const Desktop &) = delete;

    // ":N", for the DISPLAY of the programs started on it; empty when the server did not start.
    const std::string &Display() const { return display_; }
    bool Ready() const { return x_ != nullptr; }

    // ---- Windows the window manager manages ----
    // The managed windows, bottom to top (_NET_CLIENT_LIST_STACKING).
    std::vector<Window> Stacking() const;
    // The title (_NET_WM_NAME, else WM_NAME).
    QString Title(Window w) const;
    // The first managed, mapped window whose title is `title`; 0 when none.
    Window Find(const QString &title) const;
    // The same, waiting for it.
    Window WaitWindow(const QString &title, int ms = 10000) const;
    // Its client area on the screen.
    QRect ClientRect(Window w) const;
    Window Active() const;                                                 // _NET_ACTIVE_WINDOW
    Window TransientFor(Window w) const;                                   // WM_TRANSIENT_FOR, 0 when none
    std::vector<std::string> Atoms(Window w, const char *property) const;  // an ATOM[] property, by name
    // Mapped top-level windows the window manager does not manage (open lists, menus, tips).
    int Popups() const;
    // Asks the window manager to maximise or restore a window (as a task bar does).
    void Maximise(Window w, bool on);

    // ---- Input (XTest) ----
    void MoveTo(QPoint screen);
    void Click(QPoint screen);
    // A key by its keysym name ("Return", "Down", "a", "F4"), with modifiers held ("Alt_L" ...).
    void Key(const char *keysym, const std::vector<const char *> &modifiers = {});
    // Plain ASCII text, key by key.
    void Type(const std::string &text);

    // ---- Pixels ----
    QImage Grab(const QRect &screen) const;

private:
    void Settle() const;

    std::string display_;
    pid_t server_ = -1;
    std::unique_ptr<ChildProcess> wm_;
    _XDisplay *x_ = nullptr;
};

// Where a control of a form definition (resources/forms) lies in its form's client area: the sum
// of its own and its parents' Left and Top; its Width and Height. Empty when it is not there.
QRect ControlRect(const QString &formFile, const QString &control);

}  // namespace desktop
