// Start-up time and peak memory of programs next to the floor, a window that does nothing
// more than any Qt program must to show Velmora's size in its font. Each run spawns a program
// straight from here, with no shell or helper in between, and times it from the spawn to two
// moments seen by the X server: the MapNotify of its top-level window (on the root window) and
// its first frame, the last damage to that window before it stays still for 300 ms (the user
// sees the window only then). Runs alternate between the floor and each program in turn, so that
// whatever else the machine does weighs on both alike. It also tells in how many runs each
// program had a GL driver mapped (Mesa's dri/ drivers or the LLVM or gallium library they
// bring) when its frame was done. Run inside an X server with no window manager:
//   xvfb-run -a BUILD/bench/startup_bench RUNS FLOOR PROGRAM...
// or, for Wayland, with the X window of a compositor nested in that server whose clients the
// programs are (bench/wayland_startup.sh sets it up): each program's first frame is then the
// last damage to the compositor's window, and there is no map to time.
//   startup_bench --inside WINDOW RUNS FLOOR PROGRAM...
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
#include <fstream>
#include <string>
#include <vector>

#include "tools/x11_close.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kQuiet = std::chrono::milliseconds(300);  // still this long: the frame is whole

struct Run {
  double mapped_ms = 0;
  double frame_ms = 0;
  long peak_kib = 0;
  bool gl_driver = false;
};

struct Results {
  std::vector<double> mapped_ms;
  std::vector<double> frame_ms;
  std::vector<long> peak_kib;
  int gl_driver_runs = 0;
};

// Whether the process has a GL driver mapped: one of Mesa's dri/ drivers, or the LLVM or gallium
// library they load (the costly part of one), as the tests of the real program check.
bool MapsGlDriver(pid_t pid) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  for (std::string line; std::getline(maps, line);) {
    if (line.find("/dri/") != std::string::npos || line.find("libLLVM") != std::string::npos ||
        line.find("libgallium") != std::string::npos) {
      return true;
    }
  }
  return false;
}

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

// Takes the damage events to `window` until it stays still for kQuiet; true when there was
// one, with the time of the last in `last`.
bool AwaitStillness(Display* display, int damage_event, Window window, Clock::time_point deadline,
                    Clock::time_point* last) {
  XEvent event;
  bool damaged = false;
  while (NextEvent(display, &event, std::min(deadline, Clock::now() + kQuiet))) {
    if (event.type == damage_event + XDamageNotify &&
        reinterpret_cast<XDamageNotifyEvent&>(event).drawable == window) {
      *last = Clock::now();
      damaged = true;
    }
  }
  return damaged;
}

// One run of `program`. With `compositor` set, the program is a client of the compositor
// that draws into that X window, which the run watches instead of a window of the program's.
bool Measure(Display* display, int damage_event, Window compositor, const char* program, Run* run) {
  char* argv[] = {const_cast<char*>(program), nullptr};
  const Damage watched =
      compositor ? XDamageCreate(display, compositor, XDamageReportRawRectangles) : 0;
  const auto start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", program);
    return false;
  }
  const auto deadline = start + std::chrono::seconds(30);
  Window window = compositor;
  XEvent event;
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
    // background): the frame is the last change before the window stays still. A compositor
    // shows nothing of the program before its first change, which may take a while.
    const Damage damage =
        compositor ? watched : XDamageCreate(display, window, XDamageReportRawRectangles);
    while (compositor && !frame && NextEvent(display, &event, deadline)) {
      frame = event.type == damage_event + XDamageNotify;
      framed = Clock::now();
    }
    frame = AwaitStillness(display, damage_event, window, deadline, &framed) || frame;
    if (!frame) std::fprintf(stderr, "%s painted no frame\n", program);
    run->gl_driver = MapsGlDriver(pid);
    if (compositor) {
      kill(pid, SIGTERM);  // nothing of the X server's can close a Wayland client's window
    } else {
      XDamageDestroy(display, damage);
      velmora::tools::AskToClose(display, window);
    }
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (compositor) {  // the compositor takes the window away; the next run starts from stillness
    Clock::time_point ignored;
    AwaitStillness(display, damage_event, compositor, Clock::now() + std::chrono::seconds(10),
                   &ignored);
    XDamageDestroy(display, watched);
  }
  while (XPending(display)) XNextEvent(display, &event);  // the unmap and destroy
  run->mapped_ms = Milliseconds(start, mapped);
  run->frame_ms = Milliseconds(start, framed);
  run->peak_kib = usage.ru_maxrss;
  const bool ended = compositor ? WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM
                                : WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return window && frame && ended;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Print(const char* program, const Results& results, bool mapped) {
  std::printf("%-44s ", program);
  if (mapped) std::printf("%6.1f ms to the map, ", Median(results.mapped_ms));
  std::printf("%6.1f ms to the first frame, %6ld KiB peak, a GL driver in %d of %zu runs\n",
              Median(results.frame_ms), Median(results.peak_kib), results.gl_driver_runs,
              results.frame_ms.size());
}

}  // namespace

int main(int argc, char** argv) {
  Window compositor = 0;
  if (argc > 2 && std::string(argv[1]) == "--inside") {
    compositor = std::strtoul(argv[2], nullptr, 0);
    argc -= 2;
    argv += 2;
  }
  if (argc < 4 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: %s [--inside WINDOW] RUNS FLOOR PROGRAM...\n", argv[0]);
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
        if (!Measure(display, damage_event, compositor, programs[i], &measured)) return 1;
        if (run < 0) continue;
        results[i].mapped_ms.push_back(measured.mapped_ms);
        results[i].frame_ms.push_back(measured.frame_ms);
        results[i].peak_kib.push_back(measured.peak_kib);
        results[i].gl_driver_runs += measured.gl_driver;
      }
    }
    Print(programs[0], results[0], !compositor);
    Print(programs[1], results[1], !compositor);
    if (!compositor) {
      std::printf("  ratio: map %.2f, ",
                  Median(results[0].mapped_ms) / Median(results[1].mapped_ms));
    } else {
      std::printf("  ratio: ");
    }
    std::printf("first frame %.2f, memory %.2f\n",
                Median(results[0].frame_ms) / Median(results[1].frame_ms),
                static_cast<double>(Median(results[0].peak_kib)) /
                    static_cast<double>(Median(results[1].peak_kib)));
  }
  XCloseDisplay(display);
  return 0;
}
