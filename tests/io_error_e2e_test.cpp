// Standard input that cannot be read, or standard output that cannot be written: such a run says
// why on standard error and exits with status 1, a failed read at once, after what was written
// before it. With working streams the same inputs exit 0 and leave standard error empty.
#include "transcript.h"

namespace {

const std::string kFull = "figcalc: write error: No space left on device\n";
const std::string kReadClosed = "figcalc: read error: Bad file descriptor\n";

// Each input runs with each redirection below; the square root of -4 sets errno after output fails.
const char *const kInputs[] = {"1 2 6 3 /", "1 2 6 0 /", "2 4 2", "x", "1 1 -4 b"};

const struct {
  const char *redirect, *name; // name: the cases' name in the table of platform differences
  std::string output, error;
  int status;
} kStreams[] = {
    {">/dev/full", "WriteError", "", kFull, 1},
    {">&-", "WriteError", "", "figcalc: write error: Bad file descriptor\n", 1},
    {">/dev/null", "", "", "", 0},
    {"</", "ReadError", kMainMenu, "figcalc: read error: Is a directory\n", 1},
    {"<&-", "ReadError", kMainMenu, kReadClosed, 1},
    {"<&- >/dev/full", "ReadError", "", kReadClosed + kFull, 1},
};

TEST(IoError, ReportedWithStatusOne) {
  if (kPlatform == "web")
    GTEST_SKIP() << "the web page's input and output cannot fail; its node runner stands in "
                    "for the page in the dialogue only";
  for (const char *input : kInputs)
    for (const auto &streams : kStreams) {
      SCOPED_TRACE(std::string(input) + " " + streams.redirect);
      const Outcome run = runProgram(input, streams.redirect);
      EXPECT_EQ(run.output, streams.output);
      EXPECT_EQ(run.error, expectedHere(streams.name, streams.error));
      EXPECT_EQ(run.status, streams.status);
    }
}

} // namespace
