// Whole processes: the game's start-up until its window is first painted and
// its peak memory (bench_startup, the game with a hook that quits after the
// first paint), against the least Qt Widgets program that shows as much
// (bench_minimal); and the peak memory of a draw on a 32,767-entry list
// against a 10-entry one, a process each (bench_memory draw).
//
//   bench_process STARTUP MINIMAL MEMORY RUNS
//
// Each program runs RUNS times, the programs taking turns, after a few
// runs that are not counted (they warm the file cache and the font cache).
// The time is the wall time from fork to the child's end, which comes right
// after the first paint (the child ends there at once, without tearing its
// window down); the processor
// time (user and system) and the peak memory (maximum resident set) are the
// child's, from wait4. All figures are medians. Run it inside a D-Bus session
// of its own (dbus-run-session), so that no child starts a bus while timed.

#include "bench/common.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

pid_t g_child = 0;

void KillChild(int)
{
    if (g_child > 0)
        kill(g_child, SIGKILL);
}

struct Result
{
    double seconds = 0;
    double cpuSeconds = 0; // user and system time of the child
    double kilobytes = 0;
};

// Runs vArgs headless, its output discarded; a run
// that fails or takes over 30 seconds stops the benchmark (run the program by
// hand to see why).
Result RunOnce(const std::vector<std::string> &vArgs)
{
    std::vector<char *> args;
    for (const std::string &arg : vArgs)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);

    std::fflush(stdout);
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
            _exit(126);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execv(args[0], args.data());
        _exit(127);
    }
    g_child = pid;
    alarm(30);
    int status = 0;
    rusage usage{};
    const pid_t waited = wait4(pid, &status, 0, &usage);
    alarm(0);
    g_child = 0;
    const auto end = std::chrono::steady_clock::now();
    if (waited != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_process: %s did not run to a clean end\n", args[0]);
        std::exit(1);
    }
    const auto cpu = [](const timeval &vTime) { return double(vTime.tv_sec) + double(vTime.tv_usec) * 1e-6; };
    return {std::chrono::duration<double>(end - begin).count(), cpu(usage.ru_utime) + cpu(usage.ru_stime),
            double(usage.ru_maxrss)};
}

double Median(std::vector<double> vValues)
{
    std::sort(vValues.begin(), vValues.end());
    const size_t n = vValues.size();
    return n % 2 ? vValues[n / 2] : (vValues[n / 2 - 1] + vValues[n / 2]) / 2;
}

struct Runs
{
    std::vector<double> seconds;
    std::vector<double> cpuSeconds;
    std::vector<double> kilobytes;
};

// Runs each command vRuns times, taking turns and changing who goes first.
std::vector<Runs> RunTurns(const std::vector<std::vector<std::string>> &vCommands, int vRuns, int vWarmUp)
{
    for (int i = 0; i < vWarmUp; ++i)
        for (const auto &command : vCommands)
            RunOnce(command);
    std::vector<Runs> runs(vCommands.size());
    for (int i = 0; i < vRuns; ++i) {
        for (size_t j = 0; j < vCommands.size(); ++j) {
            const size_t which = (i + j) % vCommands.size();
            const Result result = RunOnce(vCommands[which]);
            runs[which].seconds.push_back(result.seconds);
            runs[which].cpuSeconds.push_back(result.cpuSeconds);
            runs[which].kilobytes.push_back(result.kilobytes);
        }
    }
    return runs;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_process STARTUP MINIMAL MEMORY RUNS\n");
        return 2;
    }
    signal(SIGALRM, KillChild);
    const std::string startup = argv[1];
    const std::string minimal = argv[2];
    const std::string memory = argv[3];
    const int runs = std::max(1, std::atoi(argv[4]));

    std::printf("Start-up until the window is first painted, %d runs each (medians):\n", runs);
    const std::vector<Runs> started = RunTurns({{startup}, {minimal}}, runs, 3);
    const Runs &game = started[0];
    const Runs &floor = started[1];
    const auto ratio = [](const std::vector<double> &vValue, const std::vector<double> &vFloor) {
        return Median(vValue) / Median(vFloor);
    };
    Row("start-up until shown", Duration(Median(game.seconds)), Duration(Median(floor.seconds)) + " minimal",
        ratio(game.seconds, floor.seconds), 1.05);
    Row("start-up, processor time", Duration(Median(game.cpuSeconds)), Duration(Median(floor.cpuSeconds)) + " minimal",
        ratio(game.cpuSeconds, floor.cpuSeconds), 0);
    Row("peak memory at start-up", Kilobytes(Median(game.kilobytes)), Kilobytes(Median(floor.kilobytes)) + " minimal",
        ratio(game.kilobytes, floor.kilobytes), 1.05);

    std::printf("\nPeak memory of a process that draws the last entry 20 times, by list size (medians of 5):\n");
    const std::vector<Runs> draws = RunTurns({{memory, "draw", "32767", "20"}, {memory, "draw", "10", "20"}}, 5, 1);
    Row("peak memory, draw on 32,767 entries", Kilobytes(Median(draws[0].kilobytes)),
        Kilobytes(Median(draws[1].kilobytes)) + " on 10", ratio(draws[0].kilobytes, draws[1].kilobytes), 1.05);
    return 0;
}
