#include "figures.h"

#include "messages.h"

#include <cmath>
#include <iostream>

namespace {
// Writes a label on a line of its own, after a line break, and passes the value on.
double labelled(const char *label, double value) {
  std::cout << std::endl << label << std::endl;
  return value;
}
} // namespace

double Triangle::area() const {
  const double p = ((a + b) + c) / 2;
  return labelled(msg::kTriangleArea, std::sqrt(p * (p - a) * (p - b) * (p - c)));
}
double Triangle::perimeter() const { return labelled(msg::kTrianglePerimeter, (a + b) + c); }

double Rectangle::area() const { return labelled(msg::kRectangleArea, a * b); }
double Rectangle::perimeter() const { return labelled(msg::kRectanglePerimeter, (a + b) * 2); }

double Square::area() const { return labelled(msg::kSquareArea, a * a); }
double Square::perimeter() const { return labelled(msg::kSquarePerimeter, (a + a) * 2); }

double Сircle::area() const { return labelled(msg::kCircleArea, (r * r) * pi); }
double Сircle::perimeter() const { return labelled(msg::kCirclePerimeter, (2 * pi) * r); }
