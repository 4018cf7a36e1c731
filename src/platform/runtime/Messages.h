#pragma once
// Window messages: the message record, the message numbers the program uses (Windows values and
// the framework's CM_*/CN_* notifications), window handles and the thread-safe post and send.
//
// How control classes use it:
//  - A windowed control (and any hidden utility window) gets its handle from AllocateHWnd with the
//    procedure that receives its messages, normally `[this](TMessage &m) { WindowProc(m); }`, and
//    gives it back with DeallocateHWnd in its destructor (or when the window is destroyed). From
//    the first moment of DeallocateHWnd (or of MarkWindowDestroying, for forms that want to mark
//    themselves early in a long destruction) the handle counts as being destroyed: posted messages
//    for it are dropped and every SendMessage pending on it from another thread returns failure.
//    Handles are never reused, so a stale handle simply reaches nobody.
//  - Synchronous dispatch inside the GUI thread is the control's own Perform(msg, wparam, lparam):
//    build a TMessage, run it through WindowProc, return Result. Class message handlers are the
//    numbered tables of TObject::Dispatch (see Classes.h and ClassBuilder.h).
//  - PostMessage and SendMessage take a handle and may be called from any thread. Messages reach
//    the GUI thread in the order they were posted or sent, one queue for all handles.
//  - A message-only window for code that is not a control (a transport's or the HID controller's
//    hidden window) is just AllocateHWnd with a lambda.

#include <cstdint>
#include <exception>
#include <functional>

using UINT = unsigned int;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;

// Opaque window handle; nullptr is "no window".
struct HWND__;
using HWND = HWND__ *;

// The message record every handler receives; Result is what Perform and SendMessage return.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    WORD WParamLo() const { return static_cast<WORD>(WParam & 0xFFFF); }
    WORD WParamHi() const { return static_cast<WORD>((WParam >> 16) & 0xFFFF); }
    WORD LParamLo() const { return static_cast<WORD>(LParam & 0xFFFF); }
    WORD LParamHi() const { return static_cast<WORD>((static_cast<std::uintptr_t>(LParam) >> 16) & 0xFFFF); }
};

using TWindowProcedure = std::function<void(TMessage &)>;

// ---- Windows message numbers ------------------------------------------------------------------
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUERYENDSESSION = 0x0011;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_ACTIVATEAPP = 0x001C;
constexpr UINT WM_CANCELMODE = 0x001F;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_MOUSEACTIVATE = 0x0021;
constexpr UINT WM_GETMINMAXINFO = 0x0024;
constexpr UINT WM_WINDOWPOSCHANGING = 0x0046;
constexpr UINT WM_WINDOWPOSCHANGED = 0x0047;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_NCHITTEST = 0x0084;
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_DEVICECHANGE = 0x0219;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_THEMECHANGED = 0x031A;
constexpr UINT WM_PRINTCLIENT = 0x0318;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

// WM_GETDLGCODE answers.
constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;

// ---- The framework's control notifications -----------------------------------------------------
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_GOTFOCUS = CM_BASE + 2;
constexpr UINT CM_LOSTFOCUS = CM_BASE + 3;
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_CTL3DCHANGED = CM_BASE + 16;
constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
constexpr UINT CM_APPKEYDOWN = CM_BASE + 22;
constexpr UINT CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 28;
constexpr UINT CM_ICONCHANGED = CM_BASE + 29;
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_INVOKEHELP = CM_BASE + 31;
constexpr UINT CM_WINDOWHOOK = CM_BASE + 32;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr UINT CM_WININICHANGE = CM_BASE + 37;
constexpr UINT CM_FONTCHANGE = CM_BASE + 38;
constexpr UINT CM_TIMECHANGE = CM_BASE + 39;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_UIACTIVATE = CM_BASE + 41;
constexpr UINT CM_UIDEACTIVATE = CM_BASE + 42;
constexpr UINT CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_GETDATALINK = CM_BASE + 45;
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
constexpr UINT CM_DRAG = CM_BASE + 47;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_DIALOGHANDLE = CM_BASE + 49;
constexpr UINT CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_INVALIDATE = CM_BASE + 52;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 54;
constexpr UINT CM_CHANGED = CM_BASE + 55;
constexpr UINT CM_MOUSEWHEEL = CM_BASE + 67;

// Notifications reflected back to the control that caused them.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// ---- Window handles -------------------------------------------------------------------------------

// Creates a handle whose messages go to `proc` on the GUI thread. Call on the GUI thread.
HWND AllocateHWnd(TWindowProcedure proc);
// Marks the handle as being destroyed, abandons sends pending on it and forgets it. Null is ignored.
void DeallocateHWnd(HWND wnd);
// Only marks the handle as being destroyed, for owners with a long destruction: from then on posts
// and sends to it fail (pending sends from other threads return failure at once) while the owner
// finishes and calls DeallocateHWnd. Perform does not go through the handle and still works.
void MarkWindowDestroying(HWND wnd);

// Called with every exception that escapes a message procedure run from the queue (a posted
// message, or a send from another thread). The application object installs its exception box
// here; without one the message is printed on stderr.
void SetQueuedMessageExceptionHandler(void (*handler)(std::exception_ptr));
// Hands an exception to that handler (for other entry points from the event loop, e.g. timers).
void ReportQueuedMessageException(std::exception_ptr error);
// True while the handle exists and is not being destroyed.
bool IsWindow(HWND wnd);

// Queues the message for the handle's procedure on the GUI thread. Any thread. False when the
// handle does not exist or is being destroyed.
bool PostMessage(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

// Runs the message through the handle's procedure and gives its Result. From the GUI thread the
// procedure is called directly; from another thread the call waits until the GUI thread has
// handled it. Returns false (and leaves *result 0) when the handle does not exist, is being
// destroyed, or starts being destroyed while the send waits: such a send never hangs.
bool SendMessageChecked(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam, LRESULT *result);
// The same, answering 0 for a failed send.
LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam);

// True on the thread that runs the message loop (the thread of the Qt application object, or
// the first thread that allocated a handle when there is none).
bool IsGuiThread();

// Delivers every message queued so far (posted or sent from other threads), in order, and
// answers how many it delivered. The message loop does this by itself; tests and nested loops
// may call it. GUI thread only.
int DeliverQueuedMessages();

// Sends `message` to each target in turn through `deliver` (normally the target's WindowProc)
// until one leaves a non-zero Result: the framework's Broadcast to the children of a parent.
template <class Range, class Deliver>
void BroadcastMessage(const Range &targets, TMessage &message, Deliver deliver)
{
    for (auto *target : targets) {
        deliver(target, message);
        if (message.Result != 0)
            return;
    }
}
