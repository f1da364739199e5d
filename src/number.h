// The calculator's operands: a number and the outcome of an operation on it.
#pragma once

// Writes a result line: a line break, the word for the result, the number, a line break.
void writeResult(double r);

struct num {
  double value = 0.0;  // the operand this object stands for
  double result = 0.0; // the outcome written by an arithmetic operator

  void print() const { writeResult(result); }
};

// Each operator returns a fresh Number whose `result` holds the outcome and
// whose `value` is 0.0; the right operand is taken by value.
class Number : public virtual num {
public:
  Number() = default;
  explicit Number(double x) { value = x; }

  Number operator+(Number rhs) const;
  Number operator-(Number rhs) const;
  Number operator*(Number rhs) const;
  // A zero divisor (0.0 or -0.0) writes msg::kDivisionByZero and ends the
  // process with status 0.
  Number operator/(Number rhs) const;
};
