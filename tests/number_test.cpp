#include "number.h"

#include "messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <sstream>

namespace {

TEST(Number, OperatorsLeaveOutcomeInResultAndZeroInValue) {
  const Number a(6), b(3);
  for (const auto &[outcome, expected] :
       {std::pair{a + b, 9.0}, {a - b, 3.0}, {a * b, 18.0}, {a / b, 2.0}, {b - a, -3.0}}) {
    EXPECT_EQ(outcome.result, expected);
    EXPECT_EQ(outcome.value, 0.0) << expected;
  }
  EXPECT_EQ((a + b).result, 9) << "operands are unchanged";
}

TEST(Number, NanDivisorIsNotZero) { EXPECT_TRUE(std::isnan((Number(1) / Number(NAN)).result)); }

TEST(Number, ZeroDivisorEndsProcessWithStatusZero) {
  EXPECT_EXIT(Number(7) / Number(0.0), testing::ExitedWithCode(0), "");
  EXPECT_EXIT(Number(7) / Number(-0.0), testing::ExitedWithCode(0), "");
}

TEST(Number, PrintWritesResultLine) {
  std::ostringstream captured;
  std::streambuf *saved = std::cout.rdbuf(captured.rdbuf());
  (Number(0.1) + Number(0.2)).print();
  std::cout.rdbuf(saved);
  EXPECT_EQ(captured.str(), std::string("\n") + msg::kResult + "0.3\n");
}

} // namespace
