// The web program's number reader against this standard library's own, on
// inputs where emscripten's library reads otherwise and on the edges of the
// grammar: the same value, the same stream state and the same rest.
#include "number_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace {

TEST(NumberReader, ReadsAsThisStandardLibrary) {
  static NumberReader reader(1); // 1: the locale does not own it
  const std::locale withReader(std::locale::classic(), &reader);
  for (const char *text :
       {"2",    "-0",    "0.1",      ".5",    "007",    "00.5",     "1E2",   "  3",
        "180a", "12abc", "-452.72c", "0x10",  "1e-400", "1.5e-320", "1e400", "-1e400",
        "inf",  "-inf",  "nan",      "",      ".",      "-",        "+-1",   "5e",
        "5e+",  "5ex",   "1.2.3",    "1e5e3", "1e-5x"}) {
    SCOPED_TRACE(text);
    std::istringstream expected(text), got(text);
    got.imbue(withReader);
    double a = -1, b = -1;
    expected >> a;
    got >> b;
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << a << " " << b;
    EXPECT_EQ(expected.rdstate(), got.rdstate());
    expected.clear();
    got.clear();
    EXPECT_EQ(expected.rdbuf()->in_avail(), got.rdbuf()->in_avail());
  }
}

} // namespace
