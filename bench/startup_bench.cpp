// Start-up time and peak memory of programs next to the floor, a window that does nothing
// more than any Qt program must to show Velmora's size in its font. Each run spawns a program
// straight from here, with no shell or helper in between, and times it from the spawn to two
// moments seen by the X server: the MapNotify of its top-level window (on the root window) and
// its first frame, the last damage to that window before it stays still for 200 ms (the user
// sees the window only then). Runs alternate between the floor and each program in turn, so that
// whatever else the machine does weighs on both alike. Run inside an X server with no window
// manager:
//   xvfb-run -a BUILD/bench/startup_bench RUNS FLOOR PROGRAM...
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
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
  double mapped_ms = 0;
  double frame_ms = 0;
  long peak_kib = 0;
};

struct Results {
  std::vector<double> mapped_ms;
  std::vector<double> frame_ms;
  std::vector<long> peak_kib;
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

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

bool Measure(Display* display, int damage_event, const char* program, Run* run) {
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
  auto framed = mapped;
  bool frame = false;
  if (!window) {
    std::fprintf(stderr, "%s mapped no window\n", program);
    kill(pid, SIGKILL);
  } else {
    // The window's content comes after its map, which itself may damage the window (its
    // background): the frame is the last change before the window stays still for 200 ms.
    const Damage damage = XDamageCreate(display, window, XDamageReportRawRectangles);
    const auto quiet = std::chrono::milliseconds(200);
    while (NextEvent(display, &event, std::min(deadline, Clock::now() + quiet))) {
      if (event.type == damage_event + XDamageNotify) {
        framed = Clock::now();
        frame = true;
      }
    }
    if (!frame) std::fprintf(stderr, "%s painted no frame\n", program);
    XDamageDestroy(display, damage);
    velmora::tools::AskToClose(display, window);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  while (XPending(display)) XNextEvent(display, &event);  // the unmap and destroy
  run->mapped_ms = Milliseconds(start, mapped);
  run->frame_ms = Milliseconds(start, framed);
  run->peak_kib = usage.ru_maxrss;
  return window && frame && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Print(const char* program, const Results& results) {
  std::printf("%-44s %6.1f ms to the map, %6.1f ms to the first frame, %6ld KiB peak\n", program,
              Median(results.mapped_ms), Median(results.frame_ms), Median(results.peak_kib));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: %s RUNS FLOOR PROGRAM...\n", argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "cannot open the X display\n");
    return 1;
  }
  int damage_event = 0;
  int damage_error = 0;
  if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
    std::fprintf(stderr, "the X server has no DAMAGE extension\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  const char* floor = argv[2];
  std::printf("medians of %d alternating runs each, against the floor run alongside it\n", runs);
  for (int p = 3; p < argc; ++p) {
    const char* programs[2] = {argv[p], floor};
    Results results[2];
    // One run of each first, unrecorded: it brings the programs' files into the page cache.
    for (int run = -1; run < runs; ++run) {
      for (int i = 0; i < 2; ++i) {
        Run measured;
        if (!Measure(display, damage_event, programs[i], &measured)) return 1;
        if (run < 0) continue;
        results[i].mapped_ms.push_back(measured.mapped_ms);
        results[i].frame_ms.push_back(measured.frame_ms);
        results[i].peak_kib.push_back(measured.peak_kib);
      }
    }
    Print(programs[0], results[0]);
    Print(programs[1], results[1]);
    std::printf("  ratio: map %.2f, first frame %.2f, memory %.2f\n",
                Median(results[0].mapped_ms) / Median(results[1].mapped_ms),
                Median(results[0].frame_ms) / Median(results[1].frame_ms),
                static_cast<double>(Median(results[0].peak_kib)) /
                    static_cast<double>(Median(results[1].peak_kib)));
  }
  XCloseDisplay(display);
  return 0;
}
