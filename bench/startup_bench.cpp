// SPDX-License-Identifier: GPL-2.0-or-later
// The cost of starting the program: runs it again and again without a screen
// (QT_QPA_PLATFORM=offscreen unless set), lets each run settle until it uses
// no more processor time, ends it and prints the processor time it took and
// its peak memory, so that a feature that makes start-up dearer shows at once.
//   startup_bench [-n RUNS] PROGRAM [ARGUMENT...]
// The program starts with the caller's environment (its data folder and
// profile). The quiet spell that marks the end (0.4 s, in which the window
// refreshes its commands twice) is counted in.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;

// A run is settled when its processor time has not grown for this long.
constexpr auto kQuietSpell = 400ms;
constexpr auto kPollPeriod = 20ms;
constexpr auto kLongestRun = 30s;

struct RunCost {
  double cpuMs = 0;
  double peakMb = 0;
  bool settled = false;
};

// User and system time of a running process in clock ticks; -1 once it is gone.
long long ProcessTicks(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return -1;
  // Fields after the command name, which may hold spaces, closed by the last ')'.
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::atoll(field.c_str());
    if (i == 15) stime = std::atoll(field.c_str());
  }
  return utime + stime;
}

bool RunOnce(const std::vector<char*>& argv, RunCost& cost) {
  pid_t pid = 0;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    std::fprintf(stderr, "startup_bench: cannot start %s\n", argv[0]);
    return false;
  }
  const auto start = std::chrono::steady_clock::now();
  long long last = -1;
  auto quietSince = start;
  for (;;) {
    std::this_thread::sleep_for(kPollPeriod);
    const auto now = std::chrono::steady_clock::now();
    const long long ticks = ProcessTicks(pid);
    if (ticks < 0) break;  // it ended by itself
    if (ticks != last) {
      last = ticks;
      quietSince = now;
    } else if (now - quietSince >= kQuietSpell) {
      cost.settled = true;
      break;
    }
    if (now - start >= kLongestRun) break;
  }
  ::kill(pid, SIGTERM);
  int status = 0;
  rusage usage{};
  if (::wait4(pid, &status, 0, &usage) != pid) return false;
  const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
  cost.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
  cost.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 20;
  int first = 1;
  if (argc > 2 && std::string(argv[1]) == "-n") {
    runs = std::max(1, std::atoi(argv[2]));
    first = 3;
  }
  if (first >= argc) {
    std::fputs("usage: startup_bench [-n RUNS] PROGRAM [ARGUMENT...]\n", stderr);
    return 2;
  }
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::vector<char*> programArgv(argv + first, argv + argc);
  programArgv.push_back(nullptr);

  std::vector<double> cpu, peak;
  int unsettled = 0;
  for (int i = 0; i < runs; ++i) {
    RunCost cost;
    if (!RunOnce(programArgv, cost)) return 1;
    cpu.push_back(cost.cpuMs);
    peak.push_back(cost.peakMb);
    if (!cost.settled) ++unsettled;
  }
  std::printf("%s, %d runs until idle:\n", argv[first], runs);
  std::printf("  processor time  median %7.1f ms  least %7.1f ms  most %7.1f ms\n", Median(cpu),
              *std::min_element(cpu.begin(), cpu.end()), *std::max_element(cpu.begin(), cpu.end()));
  std::printf("  peak memory     median %7.1f MB  least %7.1f MB  most %7.1f MB\n", Median(peak),
              *std::min_element(peak.begin(), peak.end()), *std::max_element(peak.begin(), peak.end()));
  if (unsettled > 0) std::printf("  %d runs ended or were stopped before they settled\n", unsettled);
  return 0;
}
