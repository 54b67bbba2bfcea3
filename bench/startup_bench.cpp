// Start-up time to a mapped window, and peak memory, of two programs side by side: Velmora
// and the yardstick window. Each run spawns the program straight from here, with no shell
// or helper in between, and times it from the spawn to the X server's MapNotify of its
// top-level window, seen on the root window. Runs alternate between the two programs, so
// that whatever else the machine does weighs on both alike. Run inside an X server with no
// window manager:
//   xvfb-run -a BUILD/bench/startup_bench RUNS PROGRAM OTHER-PROGRAM
#include <X11/Xlib.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/x11_close.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
  double milliseconds = 0;
  long peak_kib = 0;
};

// Waits for the next X event up to `deadline`; false when none came.
bool NextEvent(Display* display, XEvent* event, Clock::time_point deadline) {
  while (!XPending(display)) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return false;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left.count()));
  }
  XNextEvent(display, event);
  return true;
}

bool Measure(Display* display, const char* program, Run* run) {
  char* argv[] = {const_cast<char*>(program), nullptr};
  const auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", program);
    return false;
  }
  Window window = 0;
  XEvent event;
  const auto deadline = start + std::chrono::seconds(30);
  while (!window && NextEvent(display, &event, deadline)) {
    if (event.type == MapNotify && !event.xmap.override_redirect) window = event.xmap.window;
  }
  const auto mapped = Clock::now();
  if (!window) {
    std::fprintf(stderr, "%s mapped no window\n", program);
    kill(pid, SIGKILL);
  } else {
    // Let it paint its first frame, which belongs to its peak memory, then close it.
    const auto painted = Clock::now() + std::chrono::milliseconds(300);
    while (NextEvent(display, &event, painted)) {
    }
    velmora::tools::AskToClose(display, window);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  while (XPending(display)) XNextEvent(display, &event);  // the unmap and destroy
  run->milliseconds = std::chrono::duration<double, std::milli>(mapped - start).count();
  run->peak_kib = usage.ru_maxrss;
  return window && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM OTHER-PROGRAM\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  const char* programs[2] = {argv[2], argv[3]};
  std::vector<double> milliseconds[2];
  std::vector<long> peaks[2];
  // One run of each first, unrecorded: it brings the programs' files into the page cache.
  for (int run = -1; run < runs; ++run) {
    for (int p = 0; p < 2; ++p) {
      Run measured;
      if (!Measure(display, programs[p], &measured)) return 1;
      if (run < 0) continue;
      milliseconds[p].push_back(measured.milliseconds);
      peaks[p].push_back(measured.peak_kib);
    }
  }
  for (int p = 0; p < 2; ++p) {
    std::printf("%-40s median %6.1f ms to a mapped window, peak memory median %6ld KiB\n",
                programs[p], Median(milliseconds[p]), Median(peaks[p]));
  }
  std::printf("ratio: time %.2f, memory %.2f (%d alternating runs each)\n",
              Median(milliseconds[0]) / Median(milliseconds[1]),
              static_cast<double>(Median(peaks[0])) / static_cast<double>(Median(peaks[1])), runs);
  XCloseDisplay(display);
  return 0;
}
