// first_map: starts a program and reports how long it took to map its first top-level window, and its
// resident memory some time later.
// Usage: first_map SETTLE_MS PROGRAM [ARGS...]   (DISPLAY names the X server, which needs no window manager)
// Prints one line: "<milliseconds from exec to the first map> <resident kB> <private dirty kB>", the memory
// SETTLE_MS after the map.
#include <X11/Xlib.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

static double nowMs() {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The value in kB of the line that starts with key in /proc/PID/file, or -1.
static long procKb(pid_t pid, const char* file, const char* key) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/%s", static_cast<int>(pid), file);
    FILE* f = fopen(path, "r");
    if (f == nullptr) {
        return -1;
    }
    char line[256];
    long kb = -1;
    const size_t length = strlen(key);
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, key, length) == 0) {
            kb = std::strtol(line + length, nullptr, 10);
            break;
        }
    }
    fclose(f);
    return kb;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: first_map SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const long settle = std::strtol(argv[1], nullptr, 10);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        fprintf(stderr, "first_map: cannot open the display\n");
        return 2;
    }
    // Without a window manager a top-level window is a child of the root: its map is a root substructure event.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::fflush(nullptr);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    while (mapped < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) {
            mapped = nowMs() - start;
        }
    }
    usleep(static_cast<useconds_t>(settle * 1000));
    const long kb = procKb(pid, "status", "VmRSS:");
    const long dirty = procKb(pid, "smaps_rollup", "Private_Dirty:");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    printf("%.2f %ld %ld\n", mapped, kb, dirty);
    XCloseDisplay(display);
    return 0;
}
