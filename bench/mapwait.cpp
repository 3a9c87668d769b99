// Starts a program and measures the time from its start until a top-level window
// with the given title is mapped on the X server, then its peak resident memory.
//   mapwait TITLE SETTLE_MS PROGRAM [ARGS...]
// Prints "<milliseconds> <peak RSS in KiB> <CPU milliseconds>" and ends the
// program. The CPU time is the program's own, all threads, up to the map: unlike
// the wall-clock time it hardly changes when other work shares the machine.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "windowtitle.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long peakRssKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// Nanoseconds on a CPU, summed over the process's threads (schedstat's first field).
double cpuMilliseconds(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *folder = opendir(tasks.c_str());
    if (!folder)
        return -1;
    double nanoseconds = 0;
    while (const dirent *entry = readdir(folder)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu)
            nanoseconds += onCpu;
    }
    closedir(folder);
    return nanoseconds / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: mapwait TITLE SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    const int settleMs = std::atoi(argv[2]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwait: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }

    double elapsedMs = -1;
    double cpuMs = -1;
    const auto deadline = start + std::chrono::seconds(30);
    while (elapsedMs < 0 && std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowTitle(display, event.xmap.window) == wanted) {
                elapsedMs =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                        .count();
                cpuMs = cpuMilliseconds(child);
                break;
            }
        }
        if (elapsedMs < 0)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "mapwait: program ended before its window was mapped\n");
            return 1;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = peakRssKiB(child);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (elapsedMs < 0) {
        std::fprintf(stderr, "mapwait: no window titled '%s' within 30 s\n", wanted.c_str());
        return 1;
    }
    std::printf("%.1f %ld %.2f\n", elapsedMs, rss, cpuMs);
    return 0;
}
