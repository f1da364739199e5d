// Whole-process time and peak memory of scripted runs of figcalc, side by side
// with a minimal C++ program built the same way.
//
//   figcalc_bench RUNS BUILD FIGCALC MINIMAL [BUILD FIGCALC MINIMAL ...]
//
// Each round runs every program once on each script, in a shuffled order, so
// that all see the same machine; it reports the median wall time of a run and the
// largest peak resident set size, and their ratios figcalc / minimal.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <numeric>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// One scripted session of each kind, as a person would type it.
const char *const kScripts[] = {"1\n2\n6\n3\n/\n", "1\n1\n45\ns\n", "2\n1\n3\n4\n5\n", ""};

struct Measure {
  std::vector<double> micros;
  long peakKiB = 0;
};

void runOnce(const std::string &program, const std::string &script, Measure &m) {
  FILE *in = std::tmpfile();
  std::fputs(script.c_str(), in);
  std::fflush(in);
  std::rewind(in);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fileno(in), STDIN_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&actions);
  std::fclose(in);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s did not exit with status 0\n", argv[0]);
    std::exit(1);
  }
  m.micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  m.peakKiB = std::max(m.peakKiB, usage.ru_maxrss);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 5 || (argc - 2) % 3 != 0) {
    std::fprintf(stderr, "usage: %s RUNS BUILD FIGCALC MINIMAL [BUILD FIGCALC MINIMAL ...]\n",
                 argv[0]);
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const int builds = (argc - 2) / 3;
  std::vector<Measure> measures(2 * builds);
  // The programs run in a new order for each script of each round (the same
  // order every time the benchmark runs), so that none gains from its place.
  std::vector<int> order(2 * builds);
  std::iota(order.begin(), order.end(), 0);
  std::mt19937 shuffler(1);
  for (int round = 0; round < runs; ++round)
    for (const char *script : kScripts) {
      std::shuffle(order.begin(), order.end(), shuffler);
      for (const int i : order)
        runOnce(argv[2 + 3 * (i / 2) + 1 + i % 2], script, measures[i]);
    }

  std::printf("%d rounds of %zu scripted runs each\n\n", runs, std::size(kScripts));
  std::printf("%-10s %-8s %14s %14s\n", "build", "program", "median time", "peak memory");
  for (int b = 0; b < builds; ++b) {
    const Measure &fig = measures[2 * b], &min = measures[2 * b + 1];
    std::printf("%-10s %-8s %11.0f us %10ld KiB\n", argv[2 + 3 * b], "figcalc", median(fig.micros),
                fig.peakKiB);
    std::printf("%-10s %-8s %11.0f us %10ld KiB\n", argv[2 + 3 * b], "minimal", median(min.micros),
                min.peakKiB);
    std::printf("%-10s ratio    %14.2f %14.2f\n", argv[2 + 3 * b],
                median(fig.micros) / median(min.micros),
                static_cast<double>(fig.peakKiB) / static_cast<double>(min.peakKiB));
  }
  return 0;
}
