#include "transcript.h"

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs the program with `input` in a file as its standard input, so that the
// end of input is a real end of file, and returns what it writes and its
// exit status (-1 if it did not exit normally).
std::pair<std::string, int> run(const std::string &input) {
  char path[] = "/tmp/figcalc-input-XXXXXX";
  const int fd = mkstemp(path);
  EXPECT_EQ(write(fd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
  close(fd);
  FILE *program = popen(("'" FIGCALC_BIN "' < " + std::string(path)).c_str(), "r");
  std::string output;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, program)) > 0;)
    output.append(buf, n);
  const int status = pclose(program);
  unlink(path);
  return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

} // namespace

TEST_P(TranscriptTest, WritesExactlyAndExitsZero) {
  const auto [output, status] = run(GetParam().input);
  EXPECT_EQ(output, GetParam().output);
  EXPECT_EQ(status, 0);
}
