// Asks an X window to close the way a window manager's close button does (WM_DELETE_WINDOW),
// so that end-to-end runs without a window manager can close the program normally.
// Usage: tivrel7-close-window NAME-PART   (exit 0 when a window was asked, 1 when none found)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

Window findWindow(Display* display, Window window, const char* namePart) {
    XTextProperty name{};
    if (XGetWMName(display, window, &name) && name.value) {
        const bool match = std::strstr(reinterpret_cast<char*>(name.value), namePart) != nullptr;
        XFree(name.value);
        if (match)
            return window;
    }
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = findWindow(display, children[i], namePart);
        if (children)
            XFree(children);
    }
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s NAME-PART\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    const Window window = findWindow(display, DefaultRootWindow(display), argv[1]);
    if (!window) {
        XCloseDisplay(display);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}
