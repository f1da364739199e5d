#include "transcript.h"

#include <cstdio>
#include <memory>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Outcome {
  std::string output;
  int status; // exit status, or 128 + the signal that ended the process
};

using File = std::unique_ptr<FILE, int (*)(FILE *)>;

// Runs the program with `input` as its standard input (a file, so that end of
// input is a real end of file) and its standard output captured in another file.
Outcome runProgram(const std::string &input) {
  File in(std::tmpfile(), &std::fclose), out(std::tmpfile(), &std::fclose);
  if (!in || !out) throw std::runtime_error("tmpfile failed");
  std::fwrite(input.data(), 1, input.size(), in.get());
  std::fflush(in.get());
  std::rewind(in.get());

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fileno(in.get()), STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), STDOUT_FILENO);
  char program[] = FIGCALC_BIN;
  char *argv[] = {program, nullptr};
  pid_t pid = 0;
  const int err = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (err != 0) throw std::runtime_error("cannot start " FIGCALC_BIN);
  int ws = 0;
  waitpid(pid, &ws, 0);

  Outcome o{{}, WIFEXITED(ws) ? WEXITSTATUS(ws) : 128 + WTERMSIG(ws)};
  std::rewind(out.get());
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, out.get())) > 0;)
    o.output.append(buf, n);
  return o;
}

} // namespace

TEST_P(TranscriptTest, WritesExactlyAndExitsZero) {
  const Outcome o = runProgram(GetParam().input);
  EXPECT_EQ(o.output, GetParam().output);
  EXPECT_EQ(o.status, 0);
}
