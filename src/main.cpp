// figcalc: one computation per run, picked from a small tree of menus.
#include "figures.h"
#include "messages.h"
#include "number.h"
#include "output.h"

#include <clocale>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <iostream>

namespace {

// Writes a menu and reads its key. The key starts as 'r', which no menu
// accepts, so a failed read (end of input) ends the run quietly.
char readKey(const char *menu) {
  char key = 'r';
  std::cout << menu << std::endl;
  std::cin >> key;
  return key;
}

// Writes a prompt (no line break: std::cin is tied to std::cout, so it is
// flushed before the read) and reads a number. A failed read leaves the
// stream failed, so every later read fails too.
void readNumber(const char *prompt, double &x) {
  std::cout << prompt;
  std::cin >> x;
}

// An angle, in degrees, at which a function's value is also written exactly,
// as `text`; a null `text` marks an angle at which the function has no value.
struct Exact {
  double angle;
  const char *text;
};

const Exact kSinExact[] = {
    {45, msg::kRoot2Half},
    {60, msg::kRoot3Half},
    {120, msg::kRoot3Half},
    {135, msg::kRoot2Half},
};
const Exact kCosExact[] = {
    {30, msg::kRoot3Half},
    {45, msg::kRoot2Half},
    {135, msg::kMinusRoot2Half},
    {150, msg::kMinusRoot3Half},
};
const Exact kTgExact[] = {
    {30, msg::kOneOverRoot3},       {60, msg::kRoot3}, {90, nullptr}, {120, msg::kMinusRoot3},
    {150, msg::kMinusOneOverRoot3}, {270, nullptr},
};

constexpr double kRadiansPerDegree = 0.017453292519943295; // pi / 180

// Writes `name`(x°) for an angle x in degrees: first the exact value if x is
// one of the angles in `exact` (compared exactly: 390 and 45.01 are not 30 or
// 45), then the computed one.
template <std::size_t N>
void degrees(const char *name, const Exact (&exact)[N], double x, double (*f)(double)) {
  for (const Exact &e : exact) {
    if (x != e.angle) continue;
    if (e.text == nullptr) {
      std::cout << std::endl << name << x << msg::kUndefined << std::endl;
      return;
    }
    std::cout << std::endl
              << name << x << msg::kDegreesIs << e.text << std::endl
              << msg::kAnotherSolution;
  }
  std::cout << std::endl << name << x << msg::kDegreesIs << f(x * kRadiansPerDegree) << std::endl;
}

// One number x, then its square, square root, sine, cosine or tangent (x in
// degrees) or cotangent (x in radians).
void oneNumber(double &chislo1) {
  std::cout << msg::kEnterNumber << std::endl << std::endl;
  readNumber(msg::kPrompt1, chislo1);
  const Number F(chislo1);
  const char choice2 = readKey(msg::kOneNumberMenu);
  switch (choice2) {
  case 'a':
  case '\1': {
    const Number F3 = F * F;
    F3.print();
    break;
  }
  case 'b': writeResult(std::sqrt(chislo1)); break;
  case 's': degrees(msg::kSin, kSinExact, chislo1, [](double r) { return std::sin(r); }); break;
  case 'c': degrees(msg::kCos, kCosExact, chislo1, [](double r) { return std::cos(r); }); break;
  case 't': degrees(msg::kTg, kTgExact, chislo1, [](double r) { return std::tan(r); }); break;
  case 'k':
    std::cout << std::endl
              << msg::kCtg << chislo1 << msg::kRadiansIs << 1.0 / std::tan(chislo1) << std::endl;
    break;
  }
}

// Two numbers A and B, then + - * / or a (A to the power B). Entered with
// `greet` false, it starts at the first-number prompt.
void twoNumbers(double &chislo1, double &chislo2, bool greet) {
  if (greet) std::cout << msg::kEnterNumbers << std::endl;
  std::cout << std::endl;
  readNumber(msg::kPrompt1, chislo1);
  readNumber(msg::kPrompt2, chislo2);
  const Number F(chislo1);
  const Number F1(chislo2);
  Number F3;
  const char choice3 = readKey(msg::kTwoNumberMenu);
  switch (choice3) {
  case '+':
  case '\2': F3 = F + F1; break;
  case '-': F3 = F - F1; break;
  case '*': F3 = F * F1; break;
  case '/': F3 = F / F1; break;
  case 'a': writeResult(std::pow(chislo1, chislo2)); return;
  default: return;
  }
  F3.print();
}

// Writes a figure's area, then its perimeter, each after the label its
// operation writes; no line break follows the numbers.
template <typename Figure> void report(const Figure &figure) {
  std::cout << figure.area();
  std::cout << figure.perimeter();
}

// Writes a heading, then reads one side after each of the prompts "1:", "2:"
// and "3:" in turn.
void readSides(const char *heading, std::initializer_list<double *> sides) {
  std::cout << std::endl << heading << std::endl << std::endl;
  const char *const prompts[] = {msg::kPrompt1, msg::kPrompt2, msg::kPrompt3};
  const char *const *prompt = prompts;
  for (double *side : sides)
    readNumber(*prompt++, *side);
}

// A figure's dimensions, then its area and perimeter. The figure is built
// once its dimensions are read; a failed read leaves the later ones unread and
// the figure is built from what the variables hold.
void figures(double &chislo1, double &chislo2, double &chislo3) {
  const char choice4 = readKey(msg::kFigureMenu);
  switch (choice4) {
  case '1': {
    readSides(msg::kEnterSides, {&chislo1, &chislo2, &chislo3});
    const Triangle T(chislo1, chislo2, chislo3);
    report(T);
    break;
  }
  case '2': {
    std::cout << std::endl << msg::kEnterRadius << std::endl;
    readNumber(msg::kPromptRadius, chislo1);
    const Сircle С(chislo1);
    report(С);
    break;
  }
  case '3': {
    readSides(msg::kEnterSides, {&chislo1, &chislo2});
    const Rectangle R(chislo1, chislo2);
    report(R);
    break;
  }
  case '4': {
    readSides(msg::kEnterSide, {&chislo1});
    const Square S(chislo1);
    report(S);
    break;
  }
  }
}

} // namespace

int main() {
  checkStreams();
  std::setlocale(LC_ALL, "Rus");
  // Shared by the dialogues; initialised so that a failed read never exposes
  // an indeterminate value.
  double chislo1 = 0.0, chislo2 = 0.0, chislo3 = 0.0;

  const char choice = readKey(msg::kMainMenu);
  if (choice == '1' || choice == '\0') {
    const char choice11 = readKey(msg::kModeMenu);
    if (choice11 == '1' || choice11 == '\0')
      oneNumber(chislo1);
    else if (choice11 == '2' || choice11 == '\1')
      twoNumbers(chislo1, chislo2, choice11 == '2');
  } else if (choice == '2') {
    figures(chislo1, chislo2, chislo3);
  }
  return 0;
}
