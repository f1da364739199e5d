#include "number.h"

#include "messages.h"

#include <cstdlib>
#include <iostream>

void writeResult(double r) { std::cout << std::endl << msg::kResult << r << std::endl; }

namespace {
Number withResult(double r) {
  Number Res;
  Res.result = r;
  return Res;
}
} // namespace

Number Number::operator+(Number rhs) const { return withResult(value + rhs.value); }
Number Number::operator-(Number rhs) const { return withResult(value - rhs.value); }
Number Number::operator*(Number rhs) const { return withResult(value * rhs.value); }

Number Number::operator/(Number rhs) const {
  if (rhs.value == 0.0) {
    std::cout << msg::kDivisionByZero << std::endl;
    std::exit(0);
  }
  return withResult(value / rhs.value);
}
