// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up as the user meets it: the real program and a bare Qt Widgets program showing one
// QLabel (bare_label), each started as a fresh process, in turn. For each start it notes the
// monotonic clock just before the process is created and waits for the child's report of its
// first painted window (NS_REPORT_FIRST_PAINT, see src/app/first_paint_report.h); then it leaves
// the child idle for a second, reads its resident memory and ends it. It prints the medians and
// their ratios. Standard C++ and POSIX only: nothing of Qt is loaded in this process.
//   bench_first_paint [runs, default 11]
// The children use the display of the environment: run it under `xvfb-run -a` for the X11
// platform, or with QT_QPA_PLATFORM=offscreen.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Start {
    double firstPaintMs = 0;
    double processorMs = 0; // the child's own processor time up to then: steadier on a busy machine
    double memoryMiB = 0;
};

// Starts `program`, waits for its report (30 s at most), and ends it after a second of idling.
bool measure(const char* program, Start& start) {
    int report[2];
    if (pipe(report) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, report[0]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    pid_t pid = 0;
    const long long before = monotonicNs();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    if (spawned != 0) {
        close(report[0]);
        return false;
    }
    std::string output;
    long long painted = -1;
    const long long deadline = before + 30'000'000'000LL;
    while (painted < 0 && monotonicNs() < deadline) {
        pollfd fd{report[0], POLLIN, 0};
        if (poll(&fd, 1, 100) <= 0)
            continue;
        char buffer[512];
        const ssize_t got = read(report[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        output.append(buffer, std::size_t(got));
        const std::size_t at = output.find("first-paint ");
        if (at != std::string::npos && output.find('\n', at) != std::string::npos) {
            char* rest = nullptr;
            painted = std::strtoll(output.c_str() + at + 12, &rest, 10);
            start.processorMs = double(std::strtoll(rest, nullptr, 10)) * 1e-6;
        }
    }
    if (painted >= 0) {
        usleep(1'000'000);
        start.memoryMiB = double(residentKiB(pid)) / 1024;
        start.firstPaintMs = double(painted - before) * 1e-6;
    } else {
        std::fprintf(stderr, "%s did not report its first paint:\n%s\n", program, output.c_str());
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(report[0]);
    return painted >= 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
    setenv("NS_REPORT_FIRST_PAINT", "1", 1);
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    std::printf("platform %s, display %s, %d starts each; load average at start: ",
                platform ? platform : "(default)", display ? display : "(none)", runs);
    std::fflush(stdout);
    std::system("cut -d' ' -f1-3 /proc/loadavg");
    std::vector<double> bareMs, programMs, bareCpu, programCpu, bareMiB, programMiB, ratios;
    for (int i = 0; i < runs; ++i) {
        Start bare, program;
        if (!measure(NS_BARE_PROGRAM, bare) || !measure(NS_PROGRAM, program))
            return 1;
        bareMs.push_back(bare.firstPaintMs);
        programMs.push_back(program.firstPaintMs);
        bareCpu.push_back(bare.processorMs);
        programCpu.push_back(program.processorMs);
        bareMiB.push_back(bare.memoryMiB);
        programMiB.push_back(program.memoryMiB);
        ratios.push_back(program.firstPaintMs / bare.firstPaintMs);
        std::printf("start %2d: bare %.1f ms (processor %.1f ms), program %.1f ms (processor %.1f ms)\n",
                    i + 1, bare.firstPaintMs, bare.processorMs, program.firstPaintMs, program.processorMs);
    }
    const double timeRatio = median(programMs) / median(bareMs);
    const double memoryRatio = median(programMiB) / median(bareMiB);
    std::printf("\n%-38s %9s %9s %7s %7s\n", "", "bare Qt", "program", "ratio", "target");
    std::printf("%-38s %9.1f %9.1f %7.2f %7s\n", "exec to first painted window (ms)", median(bareMs),
                median(programMs), timeRatio, "1.30");
    std::printf("%-38s %9s %9s %7.2f\n", "  median of the per-start ratios", "", "", median(ratios));
    std::printf("%-38s %9.1f %9.1f %7.2f\n", "processor time to first window (ms)", median(bareCpu),
                median(programCpu), median(programCpu) / median(bareCpu));
    std::printf("%-38s %9.1f %9.1f %7.2f %7s\n", "resident memory, 1 s after (MB)", median(bareMiB),
                median(programMiB), memoryRatio, "");
    std::printf("load average at end: ");
    std::fflush(stdout);
    std::system("cut -d' ' -f1-3 /proc/loadavg");
    const bool met = timeRatio <= 1.3;
    std::printf("%s\n", met ? "target met" : "TARGET MISSED");
    return met ? 0 : 2;
}
