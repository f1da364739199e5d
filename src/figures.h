// Figures and their area and perimeter. Each `area` and `perimeter` first
// writes a line break, its label and a line break to standard output, then
// returns the number without writing it. Dimensions are used as given:
// nothing checks their sign or whether the sides can form the figure.
#pragma once

// A figure of up to three sides; a side not given is 0.0.
class fig {
public:
  virtual double area() const = 0;
  virtual double perimeter() const = 0;

protected:
  explicit fig(double a, double b = 0.0, double c = 0.0) : a(a), b(b), c(c) {}
  ~fig() = default;

  double a;
  double b;
  double c;
};

// Sides a, b and c; the area by Heron's formula (a NaN when the sides cannot
// form a triangle).
class Triangle final : public virtual fig {
public:
  Triangle(double a, double b, double c) : fig(a, b, c) {}
  double area() const override;
  double perimeter() const override;
};

class Rectangle final : public virtual fig {
public:
  Rectangle(double a, double b) : fig(a, b) {}
  double area() const override;
  double perimeter() const override;
};

class Square final : public virtual fig {
public:
  explicit Square(double a) : fig(a) {}
  double area() const override;
  double perimeter() const override;
};

// The circle stands apart from `fig` and carries its own pi. Its name begins
// with the Cyrillic letter Es (U+0421).
class Сircle final {
public:
  explicit Сircle(double r) : r(r) {}
  virtual double area() const;
  virtual double perimeter() const;

private:
  double pi = 3.141592653589793;
  double r;
};
