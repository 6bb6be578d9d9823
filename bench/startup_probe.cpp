// Start-up benchmark: spawns each program in turn, takes the time from the spawn to the
// X server mapping its first top-level window, and reads its resident memory from /proc.
//   startup_probe ROUNDS NAME=PROGRAM NAME=PROGRAM ...
// Rounds alternate the order of the programs so that neither always runs on a warm cache.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

struct Sample {
    double mapMs = 0;
    long rssAtMapKb = 0;
    long rssSettledKb = 0;
    long hwmSettledKb = 0;
};

long statusField(pid_t pid, const char *field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, length, field) == 0)
            return std::atol(line.c_str() + length + 1);
    return -1;
}

bool waitForMap(xcb_connection_t *connection, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                return true;
        }
        poll(&fd, 1, 5);
    }
    return false;
}

void drain(xcb_connection_t *connection) {
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
        std::free(event);
}

Sample runOnce(xcb_connection_t *connection, const std::string &program) {
    drain(connection);
    Sample sample;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    if (!waitForMap(connection, 20000)) {
        std::fprintf(stderr, "%s: no window mapped within 20 s\n", program.c_str());
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        std::exit(1);
    }
    sample.mapMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    sample.rssAtMapKb = statusField(pid, "VmRSS:");
    // Let the first paint finish before reading the settled figures.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    sample.rssSettledKb = statusField(pid, "VmRSS:");
    sample.hwmSettledKb = statusField(pid, "VmHWM:");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return sample;
}

template <typename Get> double median(std::vector<Sample> samples, Get get) {
    std::vector<double> values;
    for (const Sample &s : samples)
        values.push_back(static_cast<double>(get(s)));
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ROUNDS NAME=PROGRAM NAME=PROGRAM...\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<std::pair<std::string, std::string>> programs;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t eq = arg.find('=');
        programs.emplace_back(arg.substr(0, eq), arg.substr(eq + 1));
    }

    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::map<std::string, std::vector<Sample>> samples;
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::pair<std::string, std::string>> order = programs;
        if (round % 2)
            std::reverse(order.begin(), order.end());
        for (const auto &[name, program] : order) {
            const Sample s = runOnce(connection, program);
            samples[name].push_back(s);
            std::printf("round %2d %-8s map %7.1f ms  rss@map %6ld kB  rss %6ld kB  hwm %6ld kB\n",
                        round + 1, name.c_str(), s.mapMs, s.rssAtMapKb, s.rssSettledKb,
                        s.hwmSettledKb);
        }
    }

    std::printf("\nmedians over %d rounds\n", rounds);
    for (const auto &[name, program] : programs) {
        const auto &v = samples[name];
        std::printf("%-8s map %7.1f ms  rss@map %8.0f kB  rss %8.0f kB  hwm %8.0f kB\n",
                    name.c_str(), median(v, [](const Sample &s) { return s.mapMs; }),
                    median(v, [](const Sample &s) { return s.rssAtMapKb; }),
                    median(v, [](const Sample &s) { return s.rssSettledKb; }),
                    median(v, [](const Sample &s) { return s.hwmSettledKb; }));
    }
    if (programs.size() >= 2) {
        const auto &a = samples[programs[0].first];
        const auto &b = samples[programs[1].first];
        const auto ratio = [&](auto get) { return median(a, get) / median(b, get); };
        std::printf("\n%s / %s: time %.3f  rss@map %.3f  rss %.3f  hwm %.3f\n",
                    programs[0].first.c_str(), programs[1].first.c_str(),
                    ratio([](const Sample &s) { return s.mapMs; }),
                    ratio([](const Sample &s) { return s.rssAtMapKb; }),
                    ratio([](const Sample &s) { return s.rssSettledKb; }),
                    ratio([](const Sample &s) { return s.hwmSettledKb; }));
    }
    xcb_disconnect(connection);
    return 0;
}
