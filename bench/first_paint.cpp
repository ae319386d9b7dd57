// Starts a program on the X display and measures the time from exec to its first painted frame
// (its first top-level window mapped and showing more than one colour), and its peak resident
// memory once it has painted. Prints: milliseconds kilobytes.
// Usage: first_paint TIMEOUT_SECONDS PROGRAM [ARGUMENTS...]

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// A viewable top-level window (or a child of the window manager's frame) of the display.
Window FindViewableWindow(Display* display)
{
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            attributes.width > 50 && attributes.height > 50) {
            found = children[i];
        }
    }
    if (children) XFree(children);
    return found;
}

// Painted: the window shows more than one colour.
bool Painted(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < attributes.height && !varied; y += 3) {
        for (int x = 0; x < attributes.width && !varied; x += 3) varied = XGetPixel(image, x, y) != first;
    }
    XDestroyImage(image);
    return varied;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fputs("usage: first_paint TIMEOUT_SECONDS PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("first_paint: no X display\n", stderr);
        return 2;
    }
    const auto timeout = std::chrono::seconds(std::atoi(argv[1]));
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    bool painted = false;
    while (!painted && Clock::now() - start < timeout) {
        if (const Window window = FindViewableWindow(display)) painted = Painted(display, window);
        if (!painted) std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (!painted) {
        std::fputs("first_paint: no window painted in time\n", stderr);
        return 1;
    }
    std::printf("%.1f %ld\n", elapsed, usage.ru_maxrss);
    return 0;
}
