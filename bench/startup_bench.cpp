// The program's start until the main window is first painted: wall time and
// peak memory of the whole process, as a pupil waits for it. Runs the real
// start-up (engine, main window with its photographs, the print windows) on the
// bundled installation, offscreen, and quits after the first paint.
//
//   build/bin/startup_bench            one start, figures on standard error
//   build/bin/startup_bench --child    (used by the parent run)

#include "shell/program.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0) {
        char* childArgv[] = {argv[0], nullptr};
        int childArgc = 1;
        return lingvaro::runProgram(childArgc, childArgv, true);
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A user of its own, set up by a first start that is not counted.
    char home[] = "/tmp/lingvaro-startup-XXXXXX";
    if (!::mkdtemp(home))
        return 1;
    ::setenv("XDG_CONFIG_HOME", (std::string(home) + "/config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (std::string(home) + "/data").c_str(), 1);
    double best = 1e9, total = 0;
    long peakKiB = 0;
    for (int i = -1; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execl("/proc/self/exe", argv[0], "--child", static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        int status = 0;
        struct rusage usage {};
        ::wait4(pid, &status, 0, &usage);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            std::fprintf(stderr, "start failed (status %d)\n", status);
            return 1;
        }
        if (i < 0)
            continue;
        best = std::min(best, ms);
        total += ms;
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    std::system((std::string("rm -rf ") + home).c_str());
    std::printf("start to first paint: best %.1f ms, mean %.1f ms over %d runs; peak memory %.1f MiB\n", best,
                total / runs, runs, peakKiB / 1024.0);
    return 0;
}
