// Reads a number from a stream exactly as the Linux and Windows programs'
// standard library (libstdc++) does, for a standard library that reads more
// (hexadecimal, "inf", "nan", a value too small for a double as a failure).
#pragma once

#include <locale>

class NumberReader final : public std::num_get<char> {
public:
  using std::num_get<char>::num_get;

protected:
  iter_type do_get(iter_type in, iter_type end, std::ios_base &, std::ios_base::iostate &state,
                   double &value) const override;
};
