// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports, in milliseconds, how long it took until the
// X server mapped its first top-level window, then lets it run a moment
// longer (so that its memory includes the first paint) and stops it with
// SIGTERM. Used by `scripts/dev bench-start`:
//
//     startuptimer SETTLE_MS PROGRAM [ARGUMENTS...]
//
// The program is found from the window's _NET_WM_PID, so that PROGRAM may be
// a wrapper such as /usr/bin/time.

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The process that owns `window`, or 0 when it does not say.
pid_t windowProcess(xcb_connection_t* connection, xcb_window_t window)
{
    const auto cookie = xcb_get_property(connection, 0, window, atom(connection, "_NET_WM_PID"),
                                         XCB_ATOM_CARDINAL, 0, 1);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return 0;
    return static_cast<pid_t>(*static_cast<std::uint32_t*>(xcb_get_property_value(reply.get())));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: startuptimer SETTLE_MS PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("startuptimer: no X display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("startuptimer");
        _exit(127);
    }
    xcb_window_t shown = XCB_WINDOW_NONE;
    while (shown == XCB_WINDOW_NONE) {
        xcb_generic_event_t* event = xcb_wait_for_event(connection);
        if (!event)
            break;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect)
                shown = map->window;
        }
        std::free(event);
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const pid_t program = shown != XCB_WINDOW_NONE ? windowProcess(connection, shown) : 0;
    kill(program > 0 ? program : child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    xcb_disconnect(connection);
    if (shown == XCB_WINDOW_NONE)
        return 1;
    std::printf("%.2f\n", elapsed.count());
    return 0;
}
