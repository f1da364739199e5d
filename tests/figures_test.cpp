#include "figures.h"

#include "messages.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

TEST(Figures, OperationsWriteTheirLabelAndReturnTheNumber) {
  std::ostringstream out;
  std::streambuf *saved = std::cout.rdbuf(out.rdbuf());
  const Triangle triangle(3, 4, 5);
  const Rectangle rectangle(2, 3);
  const Square square(2);
  const Сircle circle(1);
  const double got[] = {triangle.area(),       triangle.perimeter(), rectangle.area(),
                        rectangle.perimeter(), square.area(),        square.perimeter(),
                        circle.area(),         circle.perimeter()};
  std::cout.rdbuf(saved);

  const double expected[] = {6, 12, 6, 10, 4, 8, 3.141592653589793, 6.283185307179586};
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(got[i], expected[i]) << i;
  std::string labels;
  for (const char *label :
       {msg::kTriangleArea, msg::kTrianglePerimeter, msg::kRectangleArea, msg::kRectanglePerimeter,
        msg::kSquareArea, msg::kSquarePerimeter, msg::kCircleArea, msg::kCirclePerimeter})
    labels += std::string("\n") + label + "\n";
  EXPECT_EQ(out.str(), labels);
}

} // namespace
