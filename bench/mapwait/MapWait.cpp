// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Kuvel developers
// kuvel_mapwait PROGRAM [ARGS...]
//
// Starts PROGRAM on $DISPLAY and prints one line, "<milliseconds> <VmRSS kB>": the
// time from just before exec to the MapNotify of the program's first top-level
// window, and the program's resident memory one second later. The program is then
// terminated. Listening on the root window before the exec means the event cannot
// be missed, and waiting for it blocks instead of polling.

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Connection {
    xcb_connection_t* c;
    xcb_window_t root;
};

[[noreturn]] void fail(const std::string& why)
{
    std::fprintf(stderr, "kuvel_mapwait: %s\n", why.c_str());
    std::exit(1);
}

Connection listenToRoot()
{
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c))
        fail("cannot connect to the X server on $DISPLAY");
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    const xcb_window_t root = it.data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the selection is in force on the server before the program starts.
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error{
            xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask)), &std::free})
        fail("cannot listen to the root window");
    return {c, root};
}

pid_t start(char* argv[])
{
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

// Blocks until a top-level window (a child of the root, not a popup) is mapped.
void waitForFirstMap(const Connection& x)
{
    while (xcb_generic_event_t* event = xcb_wait_for_event(x.c)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned{event, &std::free};
        if ((event->response_type & ~0x80) != XCB_MAP_NOTIFY)
            continue;
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (map->event == x.root && !map->override_redirect)
            return;
    }
    fail("the X connection closed before a window was mapped");
}

std::optional<long> residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        fail("usage: kuvel_mapwait PROGRAM [ARGS...]");
    const Connection x = listenToRoot();
    const Clock::time_point t0 = Clock::now();
    const pid_t pid = start(argv + 1);
    waitForFirstMap(x);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const std::optional<long> rss = residentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(x.c);
    if (!rss)
        fail("the program ended before its memory could be read");
    std::printf("%.2f %ld\n", ms, *rss);
    return 0;
}
