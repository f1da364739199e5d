#include "number_reader.h"

#include <cstdlib>
#include <limits>
#include <string>

// Takes an optional sign, digits with at most one decimal point (of the
// leading zeros one is kept), and an exponent ('e' or 'E' after a digit, an
// optional sign, digits); the first other character ends the number and is
// left in the stream. strtod converts what was taken: if it cannot take all
// of it, the value is 0; if it overflows, the largest double of the sign;
// either is a failure. A value too small for a double is not one.
NumberReader::iter_type NumberReader::do_get(iter_type in, iter_type end, std::ios_base &,
                                             std::ios_base::iostate &state, double &value) const {
  std::string taken;
  bool more = in != end;
  char c = more ? *in : '\0';
  const auto next = [&] {
    more = ++in != end;
    if (more) c = *in;
  };
  if (more && (c == '+' || c == '-')) {
    taken += c;
    next();
  }
  bool mantissa = false, point = false, exponent = false;
  while (more && c == '0') {
    if (!mantissa) taken += '0';
    mantissa = true;
    next();
  }
  while (more) {
    if (c >= '0' && c <= '9') {
      taken += c;
      mantissa = true;
    } else if (c == '.' && !point && !exponent) {
      taken += c;
      point = true;
    } else if ((c == 'e' || c == 'E') && mantissa && !exponent) {
      taken += 'e';
      exponent = true;
      next();
      if (!more) break;
      if (c != '+' && c != '-') continue;
      taken += c;
    } else {
      break;
    }
    next();
  }

  char *stop = nullptr;
  value = std::strtod(taken.c_str(), &stop);
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (stop == taken.c_str() || *stop != '\0') {
    value = 0.0;
    state = std::ios_base::failbit;
  } else if (value == kInfinity || value == -kInfinity) {
    value = value > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
    state = std::ios_base::failbit;
  }
  if (!more) state |= std::ios_base::eofbit;
  return in;
}
