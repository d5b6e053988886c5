// Measures how long a program takes from its start to its first exposed (painted) window in
// the current X server, then asks that window to close and reports the program's peak resident
// memory. Usage: tivrel7-startup-time PROGRAM [SECONDS-TO-STAY]
// Prints: "startup_ms <n>" and "peak_rss_kb <n>".
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long peakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

void askToClose(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [SECONDS-TO-STAY]\n", argv[0]);
        return 2;
    }
    const double stay = argc > 2 ? std::atof(argv[2]) : 0.0;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }

    Window shown = 0;
    double milliseconds = -1;
    const auto deadline = start + std::chrono::seconds(30);
    while (milliseconds < 0 && std::chrono::steady_clock::now() < deadline) {
        if (!XPending(display)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            XSelectInput(display, event.xcreatewindow.window, ExposureMask | StructureNotifyMask);
        } else if (event.type == Expose) {
            shown = event.xexpose.window;
            milliseconds = std::chrono::duration<double, std::milli>(
                               std::chrono::steady_clock::now() - start)
                               .count();
        }
    }
    if (milliseconds < 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::fprintf(stderr, "no window was exposed\n");
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(stay));
    const long peak = peakResidentKb(child);
    askToClose(display, shown);
    int status = 0;
    for (int i = 0; i < 100 && waitpid(child, &status, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (waitpid(child, &status, WNOHANG) == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    std::printf("startup_ms %.1f\npeak_rss_kb %ld\n", milliseconds, peak);
    XCloseDisplay(display);
    return 0;
}
