// Windows and messages: the store of window records and classes, window
// creation and destruction, the message queue and its dispatch, geometry,
// and the requests by which another thread has the main thread act for it.
//
// Only the main thread touches the records. A worker's SendMessageA (and so
// SetWindowTextA and GetWindowTextA) waits until the main thread has carried
// it out, as Win32's cross-thread messages do; its InvalidateRect and
// EnableWindow are queued and carried out later. The main thread serves the
// requests whenever it looks for messages, and the view serves them inside
// modal boxes too, so the main thread never needs to wait for a worker.
#include <strings.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/linux/view_hooks.h"
#include "platform/linux/window_records.h"

namespace records {

PlatformWindow windows[MaxWindows];
WindowClass classes[MaxClasses];

}  // namespace records

namespace {

using records::Builtin;

constexpr int QueueSize = 512;
constexpr int RequestQueueSize = 256;
constexpr int RequestPayloadSize = 48;
// Where CW_USEDEFAULT puts a top-level window and how large it makes it.
constexpr int DefaultWidth = 640;
constexpr int DefaultHeight = 480;

struct Request {
    void (*run)(void*);
    void* context;
    alignas(8) unsigned char payload[RequestPayloadSize];
    bool usesPayload;
    bool* done;
};

// What other threads share with the main thread, all under one mutex. It is
// made once and never destroyed, so that a worker still waiting while the
// process ends never meets a destroyed mutex.
struct Shared {
    std::mutex mutex;
    std::condition_variable work;    // the main thread waits for messages
    std::condition_variable served;  // other threads wait for their request
    MSG queue[QueueSize];
    int queueHead = 0;
    int queueCount = 0;
    Request requests[RequestQueueSize];
    int requestHead = 0;
    int requestCount = 0;
    bool quit = false;
    int quitCode = 0;
};

Shared& shared() {
    static Shared* s = new Shared();
    return *s;
}

std::mutex mainThreadMutex;
std::thread::id mainThread;
bool mainThreadSet = false;

const ViewHooks* hooks = nullptr;

void wakeMainThread() {
    shared().work.notify_all();
    if (hooks && hooks->wake) hooks->wake();
}

int findClass(const char* name) {
    if (!name) return -1;
    for (int i = 0; i < records::MaxClasses; ++i) {
        if (records::classes[i].inUse && strcasecmp(records::classes[i].name, name) == 0) return i;
    }
    return -1;
}

int addClass(const char* name, WNDPROC procedure, Builtin builtin, HBRUSH background, UINT style,
             HICON icon = nullptr) {
    if (!name || strlen(name) >= static_cast<size_t>(records::ClassNameSize)) return -1;
    for (int i = 0; i < records::MaxClasses; ++i) {
        records::WindowClass& c = records::classes[i];
        if (c.inUse) continue;
        c.inUse = true;
        snprintf(c.name, sizeof c.name, "%s", name);
        c.procedure = procedure;
        c.builtin = builtin;
        c.background = background;
        c.style = style;
        c.icon = icon;
        return i;
    }
    return -1;
}

// The classes "button", "static" and "edit" exist without registration.
int findOrAddBuiltinClass(const char* name) {
    int found = findClass(name);
    if (found >= 0 || !name) return found;
    if (strcasecmp(name, "button") == 0)
        return addClass("button", records::buttonProcedure, Builtin::Button, nullptr, 0);
    if (strcasecmp(name, "static") == 0)
        return addClass("static", records::staticProcedure, Builtin::Static, nullptr, 0);
    if (strcasecmp(name, "edit") == 0)
        return addClass("edit", records::editProcedure, Builtin::Edit, nullptr, 0);
    return -1;
}

void notify(void (*const ViewHooks::*hook)(HWND), HWND window) {
    if (hooks && hooks->*hook) (hooks->*hook)(window);
}

LPARAM clientSize(HWND window) {
    return MAKELPARAM(records::clientWidth(window), records::clientHeight(window));
}

// A class with CS_HREDRAW or CS_VREDRAW has its whole client area painted
// anew when the window's width or height changes; whatever the class, what
// was drawn outside a smaller client area is gone.
void redrawForClassStyle(HWND window, const RECT& old) {
    records::dropDrawItemsOutside(window);
    UINT style = records::classes[window->classIndex].style;
    bool wider = (old.right - old.left) != (window->rect.right - window->rect.left);
    bool taller = (old.bottom - old.top) != (window->rect.bottom - window->rect.top);
    if (((style & CS_HREDRAW) && wider) || ((style & CS_VREDRAW) && taller))
        records::invalidate(window, nullptr, true);
}

// Changes a window's rectangle and tells the window, as Win32 does when a
// window is moved or sized.
void setRectangle(HWND window, const RECT& rect, bool repaint) {
    RECT old = window->rect;
    window->rect = rect;
    notify(&ViewHooks::geometryChanged, window);
    bool sized = (old.right - old.left) != (rect.right - rect.left) ||
                 (old.bottom - old.top) != (rect.bottom - rect.top);
    bool moved = old.left != rect.left || old.top != rect.top;
    if (sized) SendMessageA(window, WM_SIZE, SIZE_RESTORED, clientSize(window));
    if (moved && records::isLive(window))
        SendMessageA(window, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
    if (!records::isLive(window)) return;
    if (repaint) records::invalidate(window, nullptr, true);
    redrawForClassStyle(window, old);
}

// Frees a record and its children's; with `tell`, the windows hear
// WM_DESTROY first (the parent before its children, as in Win32). The
// windows it owns go before it hears anything, as Win32 destroys them.
void destroyRecord(HWND window, bool tell) {
    if (!records::isLive(window) || window->destroying) return;
    for (PlatformWindow& owned : records::windows) {
        if (owned.inUse && owned.owner == window) destroyRecord(&owned, tell);
    }
    if (!records::isLive(window) || window->destroying) return;
    // The focus goes to the parent, as Win32 gives it when the focus window
    // or one of its ancestors is destroyed.
    if (tell) {
        records::dropFocus(window, true);
    } else if (records::focus == window) {
        records::focus = nullptr;
    }
    window->destroying = true;
    if (tell) window->procedure(window, WM_DESTROY, 0, 0);
    for (PlatformWindow& child : records::windows) {
        if (child.inUse && child.parent == window) destroyRecord(&child, tell);
    }
    if (!records::isLive(window)) return;
    records::forgetTimers(window);
    records::forgetDrawItems(window);
    notify(&ViewHooks::windowDestroyed, window);
    window->inUse = false;
    window->destroying = false;
    window->view = nullptr;
    window->text[0] = '\0';
    window->procedure = nullptr;
}

bool takePosted(MSG* message) {
    Shared& s = shared();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.queueCount == 0) return false;
    *message = s.queue[s.queueHead];
    s.queueHead = (s.queueHead + 1) % QueueSize;
    --s.queueCount;
    return true;
}

bool takeQuit(MSG* message) {
    Shared& s = shared();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.quit) return false;
    s.quit = false;
    *message = MSG{};
    message->message = WM_QUIT;
    message->wParam = static_cast<WPARAM>(s.quitCode);
    return true;
}

void waitForWork(double seconds) {
    if (hooks && hooks->waitForEvents) {
        hooks->waitForEvents(seconds);
        return;
    }
    Shared& s = shared();
    std::unique_lock<std::mutex> lock(s.mutex);
    s.work.wait_for(lock, std::chrono::duration<double>(seconds),
                    [&] { return s.queueCount > 0 || s.requestCount > 0 || s.quit; });
}

void pushRequest(const Request& request) {
    Shared& s = shared();
    {
        std::unique_lock<std::mutex> lock(s.mutex);
        s.served.wait(lock, [&] { return s.requestCount < RequestQueueSize; });
        s.requests[(s.requestHead + s.requestCount) % RequestQueueSize] = request;
        ++s.requestCount;
    }
    wakeMainThread();
}

}  // namespace

// ---- Records ------------------------------------------------------------

namespace records {

bool isLive(HWND window) {
    if (window == nullptr) return false;
    if (window < &windows[0] || window >= &windows[MaxWindows]) return false;
    return window->inUse;
}

void claimMainThread() {
    std::lock_guard<std::mutex> lock(mainThreadMutex);
    if (mainThreadSet) return;
    mainThread = std::this_thread::get_id();
    mainThreadSet = true;
}

bool onMainThread() {
    std::lock_guard<std::mutex> lock(mainThreadMutex);
    return !mainThreadSet || mainThread == std::this_thread::get_id();
}

int clientWidth(HWND window) {
    int width = window->rect.right - window->rect.left;
    if (window->style & WS_VSCROLL) width -= ScrollBarSize;
    if ((window->style & WS_CHILD) && (window->style & WS_BORDER)) width -= 2;
    return width > 0 ? width : 0;
}

int clientHeight(HWND window) {
    int height = window->rect.bottom - window->rect.top;
    if (window->style & WS_HSCROLL) height -= ScrollBarSize;
    if ((window->style & WS_CHILD) && (window->style & WS_BORDER)) height -= 2;
    return height > 0 ? height : 0;
}

void runOnMainThread(void (*run)(void*), void* context) {
    bool done = false;
    Request request{};
    request.run = run;
    request.context = context;
    request.done = &done;
    pushRequest(request);
    Shared& s = shared();
    std::unique_lock<std::mutex> lock(s.mutex);
    s.served.wait(lock, [&] { return done; });
}

void postToMainThread(void (*run)(void*), const void* payload, size_t size) {
    Request request{};
    request.run = run;
    request.usesPayload = true;
    memcpy(request.payload, payload, size < sizeof request.payload ? size : sizeof request.payload);
    pushRequest(request);
}

bool serveRequests() {
    Shared& s = shared();
    bool any = false;
    for (;;) {
        Request request;
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            if (s.requestCount == 0) break;
            request = s.requests[s.requestHead];
            s.requestHead = (s.requestHead + 1) % RequestQueueSize;
            --s.requestCount;
        }
        any = true;
        request.run(request.usesPayload ? request.payload : request.context);
        {
            std::lock_guard<std::mutex> lock(s.mutex);
            if (request.done) *request.done = true;
        }
        s.served.notify_all();
    }
    return any;
}

bool takePostedMessage(MSG* message) { return takePosted(message); }

void clientAreaChanged(HWND window, int oldWidth, int oldHeight) {
    int width = clientWidth(window);
    int height = clientHeight(window);
    if (width == oldWidth && height == oldHeight) return;
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    if (!isLive(window)) return;
    dropDrawItemsOutside(window);
    UINT style = classes[window->classIndex].style;
    if (((style & CS_HREDRAW) && width != oldWidth) || ((style & CS_VREDRAW) && height != oldHeight))
        invalidate(window, nullptr, true);
}

bool quitPending(int* exitCode) {
    Shared& s = shared();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.quit && exitCode) *exitCode = s.quitCode;
    return s.quit;
}

void resetWindows() {
    focus = nullptr;
    forgetTimers(nullptr);
    for (PlatformWindow& window : windows) {
        if (window.inUse && !isLive(window.parent)) destroyRecord(&window, false);
    }
    for (PlatformWindow& window : windows) destroyRecord(&window, false);
    for (WindowClass& c : classes) c = WindowClass{};
    Shared& s = shared();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.queueHead = s.queueCount = 0;
        s.quit = false;
        s.quitCode = 0;
    }
    serveRequests();
    std::lock_guard<std::mutex> lock(mainThreadMutex);
    mainThread = std::this_thread::get_id();
    mainThreadSet = true;
}

}  // namespace records

// ---- View interface -----------------------------------------------------

void installViewHooks(const ViewHooks* newHooks) { hooks = newHooks; }

const ViewHooks* viewHooks() { return hooks; }

void viewServeRequests() { records::serveRequests(); }

void viewWindowMoved(HWND window, int x, int y, int width, int height) {
    if (!records::isLive(window)) return;
    RECT old = window->rect;
    window->rect = RECT{x, y, x + width, y + height};
    if (old.right - old.left != width || old.bottom - old.top != height)
        PostMessageA(window, WM_SIZE, SIZE_RESTORED, clientSize(window));
    if (old.left != x || old.top != y) PostMessageA(window, WM_MOVE, 0, MAKELPARAM(x, y));
    redrawForClassStyle(window, old);
}

// ---- Classes and windows ------------------------------------------------

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    if (!windowClass || !windowClass->lpszClassName || !windowClass->lpfnWndProc) return 0;
    records::claimMainThread();
    if (!records::onMainThread()) return 0;
    if (findOrAddBuiltinClass(windowClass->lpszClassName) >= 0) return 0;
    int index = addClass(windowClass->lpszClassName, windowClass->lpfnWndProc, Builtin::Program,
                         windowClass->hbrBackground, windowClass->style, windowClass->hIcon);
    return index < 0 ? 0 : static_cast<ATOM>(0xC000 + index);
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
    records::claimMainThread();
    if (!records::onMainThread()) return nullptr;
    int classIndex = findOrAddBuiltinClass(className);
    if (classIndex < 0) return nullptr;
    bool child = (style & WS_CHILD) != 0;
    if (child && !records::isLive(parent)) return nullptr;
    HWND window = nullptr;
    for (PlatformWindow& slot : records::windows) {
        if (!slot.inUse) {
            window = &slot;
            break;
        }
    }
    if (!window) return nullptr;

    const records::WindowClass& c = records::classes[classIndex];
    window->inUse = true;
    window->destroying = false;
    window->classIndex = classIndex;
    window->builtin = c.builtin;
    window->procedure = c.procedure;
    window->style = style;
    window->exStyle = exStyle;
    window->parent = child ? parent : nullptr;
    // A top-level window given a parent is owned by that window's top-level
    // window.
    HWND owner = child ? nullptr : parent;
    while (records::isLive(owner) && records::isLive(owner->parent)) owner = owner->parent;
    window->owner = records::isLive(owner) ? owner : nullptr;
    window->id = child ? static_cast<int>(reinterpret_cast<INT_PTR>(menu)) : 0;
    if (x == CW_USEDEFAULT) x = y = 0;
    if (width == CW_USEDEFAULT) {
        width = child ? 0 : DefaultWidth;
        height = child ? 0 : DefaultHeight;
    }
    window->rect = RECT{x, y, x + (width > 0 ? width : 0), y + (height > 0 ? height : 0)};
    window->enabled = (style & WS_DISABLED) == 0;
    window->visible = (style & WS_VISIBLE) != 0;
    window->check = BST_UNCHECKED;
    records::storeText(window, windowName ? windowName : "");
    for (records::ScrollBarState& bar : window->scroll) bar = records::ScrollBarState{0, 100, 0, 0, 0};
    window->needsPaint = false;
    window->erase = false;
    window->update = RECT{0, 0, 0, 0};
    window->selectionAnchor = window->selectionCaret = 0;
    window->firstVisible = 0;
    window->wheelRemainder = 0;
    window->view = nullptr;
    if (window->builtin == Builtin::Program) records::invalidate(window, nullptr, true);
    notify(&ViewHooks::windowCreated, window);

    CREATESTRUCTA create{param,     instance, menu,  parent,       height,    width,
                         y,         x,        static_cast<LONG>(style), windowName, className,
                         exStyle};
    if (window->procedure(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(window);
        return nullptr;
    }
    if (!records::isLive(window)) return nullptr;
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, clientSize(window));
    SendMessageA(window, WM_MOVE, 0, MAKELPARAM(window->rect.left, window->rect.top));
    return window;
}

BOOL DestroyWindow(HWND window) {
    if (!window || !records::onMainThread() || !records::isLive(window)) return FALSE;
    destroyRecord(window, true);
    return TRUE;
}

BOOL IsWindow(HWND window) {
    if (!window) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = IsWindow(window); };
        records::waitForMainThread(call);
        return result;
    }
    return records::isLive(window) ? TRUE : FALSE;
}

HWND GetDlgItem(HWND parent, int id) {
    if (!records::isLive(parent) || !records::onMainThread()) return nullptr;
    for (PlatformWindow& window : records::windows) {
        if (window.inUse && window.parent == parent && window.id == id) return &window;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND window) {
    if (!records::isLive(window) || !records::onMainThread()) return 0;
    return window->id;
}

HWND GetParent(HWND window) {
    if (!records::isLive(window) || !records::onMainThread()) return nullptr;
    return window->parent;
}

// ---- Messages -----------------------------------------------------------

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!records::isLive(window)) return 0;
    switch (message) {
    case WM_SETTEXT:
        records::storeText(window, lParam ? reinterpret_cast<LPCSTR>(lParam) : "");
        notify(&ViewHooks::textChanged, window);
        return TRUE;
    case WM_GETTEXT: {
        char* out = reinterpret_cast<char*>(lParam);
        int room = static_cast<int>(wParam);
        if (!out || room <= 0) return 0;
        int length = static_cast<int>(strlen(window->text));
        if (length > room - 1) {
            // Never end on the first byte of a double-byte character.
            int n = 0;
            while (n < room - 1) {
                unsigned char lead = static_cast<unsigned char>(window->text[n]);
                int size = ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) ? 2 : 1;
                if (n + size > room - 1) break;
                n += size;
            }
            length = n;
        }
        memcpy(out, window->text, static_cast<size_t>(length));
        out[length] = '\0';
        return length;
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(strlen(window->text));
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        // A child that does not scroll hands the wheel to its parent; a
        // top-level window lets it go.
        if (window->style & WS_CHILD) return SendMessageA(window->parent, message, wParam, lParam);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        return 0;
    }
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window) return 0;
    if (!records::onMainThread()) {
        LRESULT result = 0;
        auto call = [&] { result = SendMessageA(window, message, wParam, lParam); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window)) return 0;
    return window->procedure(window, message, wParam, lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window) return FALSE;
    Shared& s = shared();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (s.queueCount == QueueSize) return FALSE;
        MSG& m = s.queue[(s.queueHead + s.queueCount) % QueueSize];
        m = MSG{};
        m.hwnd = window;
        m.message = message;
        m.wParam = wParam;
        m.lParam = lParam;
        ++s.queueCount;
    }
    if (!records::onMainThread()) wakeMainThread();
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    Shared& s = shared();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        s.quit = true;
        s.quitCode = exitCode;
    }
    if (!records::onMainThread()) wakeMainThread();
}

BOOL GetMessageA(LPMSG message, HWND, UINT, UINT) {
    if (!message) return FALSE;
    if (!records::onMainThread()) return FALSE;
    for (;;) {
        records::serveRequests();
        if (takePosted(message)) return TRUE;
        if (takeQuit(message)) return FALSE;
        HWND dirty = records::windowNeedingPaint();
        if (dirty) {
            *message = MSG{};
            message->hwnd = dirty;
            message->message = WM_PAINT;
            return TRUE;
        }
        if (records::takeDueTimer(message)) return TRUE;
        waitForWork(records::secondsToNextTimer(0.5));
    }
}

BOOL TranslateMessage(const MSG*) { return FALSE; }

LRESULT DispatchMessageA(const MSG* message) {
    if (!message || !records::isLive(message->hwnd) || !records::onMainThread()) return 0;
    return message->hwnd->procedure(message->hwnd, message->message, message->wParam,
                                    message->lParam);
}

// ---- Geometry and visibility --------------------------------------------

BOOL ShowWindow(HWND window, int command) {
    if (!window) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = ShowWindow(window, command); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window)) return FALSE;
    bool was = window->visible;
    window->visible = command != SW_HIDE;
    if (was != window->visible) notify(&ViewHooks::visibilityChanged, window);
    if (!window->visible) records::dropFocus(window, true);
    return was ? TRUE : FALSE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
    if (!window) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = MoveWindow(window, x, y, width, height, repaint); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window)) return FALSE;
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    setRectangle(window, RECT{x, y, x + width, y + height}, repaint != FALSE);
    return TRUE;
}

BOOL SetWindowPos(HWND window, HWND, int x, int y, int width, int height, UINT flags) {
    if (!window) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = SetWindowPos(window, nullptr, x, y, width, height, flags); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window)) return FALSE;
    RECT r = window->rect;
    if (flags & SWP_NOMOVE) {
        x = r.left;
        y = r.top;
    }
    if (flags & SWP_NOSIZE) {
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    setRectangle(window, RECT{x, y, x + width, y + height}, (flags & SWP_NOREDRAW) == 0);
    if (flags & SWP_SHOWWINDOW) ShowWindow(window, SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(window, SW_HIDE);
    return TRUE;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
    if (!window || !rect) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = GetWindowRect(window, rect); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window)) return FALSE;
    *rect = window->rect;
    // A child's rectangle is kept in its parent's client coordinates; the
    // parent's client area starts at its own corner (plus a border).
    for (HWND parent = window->parent; records::isLive(parent); parent = parent->parent) {
        int inset = ((parent->style & WS_CHILD) && (parent->style & WS_BORDER)) ? 1 : 0;
        int dx = parent->rect.left + inset;
        int dy = parent->rect.top + inset;
        rect->left += dx;
        rect->right += dx;
        rect->top += dy;
        rect->bottom += dy;
    }
    return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
    if (!window || !rect) return FALSE;
    if (!records::onMainThread()) {
        BOOL result = FALSE;
        auto call = [&] { result = GetClientRect(window, rect); };
        records::waitForMainThread(call);
        return result;
    }
    if (!records::isLive(window)) return FALSE;
    *rect = RECT{0, 0, records::clientWidth(window), records::clientHeight(window)};
    return TRUE;
}
