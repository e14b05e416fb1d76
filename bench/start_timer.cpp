// Times a program from its start to the first picture of a window whose
// title holds a given text: the window must be mapped, carry the title, and
// then be painted. Prints the milliseconds, the program's resident memory and
// the processor time of all its threads at that moment, then ends the program. Runs on any X server with the
// DAMAGE extension (Xvfb has it).
//
//   orv_start_timer "10000/10000 entries" -- ORVXP Large.dat
//   → "83.4 ms 41236 KiB 61.2 cpu-ms"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTimeoutMs = 30000;

struct Watched {
    bool mapped = false;
    bool titled = false;
};

xcb_atom_t atomNamed(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

std::string property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name)
{
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096), nullptr);
    std::string text;
    if (reply) {
        text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return text;
}

// Resident memory of a process in KiB, as the kernel counts it.
long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Processor time of every thread of a process so far, in milliseconds: a
// figure that a busy machine disturbs far less than the time on the clock.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    if (DIR* dir = ::opendir(tasks.c_str())) {
        while (const dirent* task = ::readdir(dir)) {
            if (task->d_name[0] == '.')
                continue;
            std::ifstream schedstat(tasks + "/" + task->d_name + "/schedstat");
            double ns = 0;
            if (schedstat >> ns)
                total += ns / 1e6;
        }
        ::closedir(dir);
    }
    return total;
}

int fail(const char* what, pid_t child)
{
    std::fprintf(stderr, "orv_start_timer: %s\n", what);
    if (child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || std::strcmp(argv[2], "--") != 0) {
        std::fprintf(stderr, "usage: orv_start_timer TITLE-TEXT -- PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::string wanted = argv[1];

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return fail("no X display", 0);
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present)
        return fail("the X server has no DAMAGE extension", 0);
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    const xcb_atom_t netName = atomNamed(c, "_NET_WM_NAME");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);
    const int fd = xcb_get_file_descriptor(c);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);

    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execvp(argv[3], argv + 3);
        std::perror(argv[3]);
        ::_exit(127);
    }
    if (child < 0)
        return fail("cannot start the program", 0);

    std::map<xcb_window_t, Watched> windows;
    auto hasTitle = [&](xcb_window_t w) {
        std::string title = property(c, w, netName);
        if (title.empty())
            title = property(c, w, XCB_ATOM_WM_NAME);
        return title.find(wanted) != std::string::npos;
    };
    for (;;) {
        xcb_generic_event_t* event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c))
                return fail("lost the X display", child);
            if (::waitpid(child, nullptr, WNOHANG) == child)
                return fail("the program ended before its window showed", 0);
            const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
            if (waited.count() > kTimeoutMs)
                return fail("no window with that title showed in time", child);
            pollfd wait{fd, POLLIN, 0};
            ::poll(&wait, 1, 50);
            continue;
        }
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const xcb_window_t w = reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
            const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c, w, XCB_CW_EVENT_MASK, &mask);
            xcb_damage_create(c, xcb_generate_id(c), w, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            windows[w].titled = hasTitle(w);  // a title set before we listened
        } else if (type == XCB_MAP_NOTIFY) {
            const xcb_window_t w = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            if (auto it = windows.find(w); it != windows.end())
                it->second.mapped = true;
        } else if (type == XCB_PROPERTY_NOTIFY) {
            auto* e = reinterpret_cast<xcb_property_notify_event_t*>(event);
            if (auto it = windows.find(e->window);
                it != windows.end() && (e->atom == netName || e->atom == XCB_ATOM_WM_NAME))
                it->second.titled = hasTitle(e->window);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            xcb_damage_subtract(c, e->damage, XCB_NONE, XCB_NONE);
            xcb_flush(c);
            if (auto it = windows.find(e->drawable); it != windows.end() && it->second.mapped && it->second.titled) {
                const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                const long rss = residentKiB(child);
                std::printf("%.1f ms %ld KiB %.1f cpu-ms\n", ms, rss, cpuMs(child));
                std::free(event);
                ::kill(child, SIGTERM);
                ::waitpid(child, nullptr, 0);
                xcb_disconnect(c);
                return 0;
            }
        }
        std::free(event);
    }
}
