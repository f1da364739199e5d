// The yardstick for figcalc: one line written with std::cout, one char read
// with std::cin.
#include <iostream>

int main() {
  std::cout << "minimal" << std::endl;
  char c = 'r';
  std::cin >> c;
  return 0;
}
