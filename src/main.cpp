// figcalc: one computation per run, picked from a small tree of menus.
#include "messages.h"
#include "number.h"

#include <clocale>
#include <cmath>
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

} // namespace

int main() {
  std::setlocale(LC_ALL, "Rus");
  // Shared by the dialogues; initialised so that a failed read never exposes
  // an indeterminate value.
  double chislo1 = 0.0, chislo2 = 0.0;

  const char choice = readKey(msg::kMainMenu);
  if (choice == '1' || choice == '\0') {
    const char choice11 = readKey(msg::kModeMenu);
    if (choice11 == '2' || choice11 == '\1') twoNumbers(chislo1, chislo2, choice11 == '2');
  }
  return 0;
}
