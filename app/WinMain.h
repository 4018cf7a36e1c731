#pragma once
// The program's start, callable in process (tests run the whole editor through it): the
// application with its title, the main window fmMain and then every dialog, each created once in
// a fixed order, and the message loop until the main window closes. An exception that leaves
// these steps is shown in a message box. Afterwards every window is destroyed again, the last
// created first, so that the main window goes last, and the windows' globals are null.
//
// Run it on the thread that is (or becomes) the GUI thread, with no window of the program alive.

// Returns the exit status: 0, also after an exception was shown.
int WinMain();
