// Finds and closes top-level X11 windows, for tests and benchmarks that run the program in a
// bare X server with no window manager.
//   x11_window wait TITLE-SUFFIX [SECONDS]   prints the id of the first shown window whose
//                                            title ends so, as soon as it is mapped
//   x11_window close ID                      asks the window to close (WM_DELETE_WINDOW)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/select.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/x11_close.h"

namespace {

bool IsShownWithTitle(Display* display, Window window, const std::string& suffix) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) {
    return false;
  }
  char* name = nullptr;
  if (!XFetchName(display, window, &name) || !name) return false;
  const std::string title = name;
  XFree(name);
  return title.size() >= suffix.size() &&
         title.compare(title.size() - suffix.size(), suffix.size(), suffix) == 0;
}

Window FindShown(Display* display, const std::string& suffix) {
  Window root_return, parent, *children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root_return, &parent, &children, &count)) {
    for (unsigned i = 0; i < count && !found; ++i) {
      if (IsShownWithTitle(display, children[i], suffix)) found = children[i];
    }
    XFree(children);
  }
  return found;
}

int Wait(Display* display, const std::string& suffix, double seconds) {
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    if (const Window window = FindShown(display, suffix)) {
      std::printf("%lu\n", window);
      return 0;
    }
    // Sleep until the next change of the root's children, or a tenth of a second.
    while (!XPending(display)) {
      if (std::chrono::steady_clock::now() > deadline) {
        std::fprintf(stderr, "no window titled \"...%s\" appeared\n", suffix.c_str());
        return 1;
      }
      const int fd = ConnectionNumber(display);
      fd_set readable;
      FD_ZERO(&readable);
      FD_SET(fd, &readable);
      timeval tenth{0, 100000};
      select(fd + 1, &readable, nullptr, nullptr, &tenth);
    }
    XEvent event;
    while (XPending(display)) XNextEvent(display, &event);
  }
}

int Close(Display* display, Window window) {
  return velmora::tools::AskToClose(display, window) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool wait = argc >= 3 && std::strcmp(argv[1], "wait") == 0;
  const bool close = argc == 3 && std::strcmp(argv[1], "close") == 0;
  if (!wait && !close) {
    std::fprintf(stderr, "usage: %s wait TITLE-SUFFIX [SECONDS] | close WINDOW-ID\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 1;
  }
  const int status = wait ? Wait(display, argv[2], argc > 3 ? std::atof(argv[3]) : 30)
                          : Close(display, std::strtoul(argv[2], nullptr, 0));
  XCloseDisplay(display);
  return status;
}
