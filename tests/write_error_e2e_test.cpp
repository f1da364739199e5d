// Output that cannot be written: standard output on a full device or closed.
// Such a run says why on standard error and exits with status 1; the same
// input with standard output writable exits 0 and leaves standard error empty.
#include "transcript.h"

namespace {

const char kFull[] = "figcalc: write error: No space left on device\n";
const char kClosed[] = "figcalc: write error: Bad file descriptor\n";

const struct {
  const char *name;
  const char *input;
} kInputs[] = {
    {"Result", "1 2 6 3 /"},
    {"ZeroDivisor", "1 2 6 0 /"},
    {"Figure", "2 4 2"},
    {"QuietEndAfterMainMenu", "x"},
};

TEST(WriteError, ReportedWithStatusOne) {
  for (const auto &in : kInputs) {
    SCOPED_TRACE(in.name);
    const struct {
      const char *redirect;
      const char *error;
      int status;
    } outcomes[] = {{">/dev/full", kFull, 1}, {">&-", kClosed, 1}, {">/dev/null", "", 0}};
    for (const auto &expected : outcomes) {
      const Outcome run = runProgram(in.input, expected.redirect);
      EXPECT_EQ(run.error, expected.error) << expected.redirect;
      EXPECT_EQ(run.status, expected.status) << expected.redirect;
    }
  }
}

} // namespace
