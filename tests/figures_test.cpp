#include "figures.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

// What the six digits of the end-to-end tables cannot show: a circle's area and perimeter to
// the last digit of a double (the labels each writes are the tables').
TEST(Figures, CircleToTheLastDigit) {
  std::ostringstream labels;
  std::streambuf *saved = std::cout.rdbuf(labels.rdbuf());
  const Сircle circle(1);
  const double area = circle.area(), perimeter = circle.perimeter();
  std::cout.rdbuf(saved);
  EXPECT_EQ(area, 3.141592653589793);
  EXPECT_EQ(perimeter, 6.283185307179586);
}

} // namespace
