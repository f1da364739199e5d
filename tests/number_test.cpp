#include "number.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// What the end-to-end tables cannot see: the value an operation leaves, and a divisor no
// input can give.
TEST(Number, OperatorsLeaveOutcomeInResultAndZeroInValue) {
  const Number a(6), b(3);
  for (const auto &[outcome, expected] :
       {std::pair{a + b, 9.0}, {a - b, 3.0}, {a * b, 18.0}, {a / b, 2.0}, {b - a, -3.0}}) {
    EXPECT_EQ(outcome.result, expected);
    EXPECT_EQ(outcome.value, 0.0) << expected;
  }
}

TEST(Number, NanDivisorIsNotZero) { EXPECT_TRUE(std::isnan((Number(1) / Number(NAN)).result)); }

} // namespace
