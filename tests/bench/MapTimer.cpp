// Times a program's start-up as a user sees it: from the launch to the moment its window
// whose name starts with NAME is mapped on the X display, and the program's peak resident
// memory at that moment. Then ends the program (SIGTERM) and waits for it.
//   map_timer NAME PROGRAM [ARGUMENTS...]   prints "<milliseconds> <peak KiB>"
// With BARITEMP_STARTUP_TIMELINE naming a file, the launch and the map are marked in it beside
// the program's own stages, and the program runs on until it has marked its window's first
// frame: the peak memory is then the one at that frame.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string windowName(xcb_connection_t* c, xcb_window_t w) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    if (reply == nullptr)
        return {};
    const std::string name(static_cast<const char*>(xcb_get_property_value(reply)),
                           static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return name;
}

long peakKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// The program's timeline, when one is asked for (see StartupTimeline.h).
const char* timelinePath() {
    const char* path = std::getenv("BARITEMP_STARTUP_TIMELINE");
    return path != nullptr && *path != '\0' ? path : nullptr;
}

void markTimeline(const char* stage) {
    if (const char* path = timelinePath()) {
        std::ofstream(path, std::ios::app)
            << std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
                   .count()
            << ' ' << stage << '\n';
    }
}

// Waits (at most two seconds) until the program has marked its first frame.
void awaitFirstFrame() {
    const char* path = timelinePath();
    for (int i = 0; path != nullptr && i < 2000; ++i) {
        std::ifstream timeline(path);
        std::string line;
        while (std::getline(timeline, line)) {
            if (line.find("first frame") != std::string::npos)
                return;
        }
        usleep(1000);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s NAME PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    markTimeline("launch");
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double milliseconds = -1;
    long peak = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        const xcb_window_t w =
            mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
        std::free(event);
        if (mapped && windowName(c, w).rfind(wanted, 0) == 0) {
            milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            markTimeline("mapped");
            awaitFirstFrame();
            peak = peakKiB(pid);
            break;
        }
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    xcb_disconnect(c);
    if (milliseconds < 0)
        return 1;
    std::printf("%.1f %ld\n", milliseconds, peak);
    return 0;
}
