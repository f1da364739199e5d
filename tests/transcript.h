// End-to-end cases: bytes fed to the built program's standard input, and the
// exact bytes it must write to standard output, with exit status 0.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct Transcript {
  const char *name;
  std::string input, output;
};

// What a run wrote to standard output and error, and its exit status (-1 unless it exited).
struct Outcome {
  std::string output, error;
  int status;
};
Outcome runProgram(const std::string &input, const std::string &redirect = "");

// Where a platform writes a value otherwise than x86-64 Linux (transcript.cpp).
struct PlatformDifference {
  const char *platform, *test, *onLinux, *there;
};
extern const std::vector<PlatformDifference> kPlatformDifferences;

// `expected`, as the platform under test writes it in the case `name`.
std::string expectedHere(const std::string &name, std::string expected);

// FIGCALC_PLATFORM, the platform under test: "" for the build here, or "windows", "aarch64", "web".
extern const std::string kPlatform;

inline void PrintTo(const Transcript &t, std::ostream *os) { *os << t.name; }

class TranscriptTest : public testing::TestWithParam<Transcript> {};

#define TRANSCRIPTS(suite, table)                                                                  \
  INSTANTIATE_TEST_SUITE_P(suite, TranscriptTest, testing::ValuesIn(table),                        \
                           [](const auto &info) { return std::string(info.param.name); })

// The menus most runs begin with, each with its line break.
inline const std::string kMainMenu = "калькулятор чисел (1) площадь и периметр фигур (2)\n";
inline const std::string kModeMenu = "одно число (1) два числа (2)\n";

inline std::string resultLine(const std::string &number) { return "\nРезультат:" + number + "\n"; }
