// The yardstick for figcalc: the start-up every run of figcalc has (the
// Russian locale selected by its Windows name, a failing look-up on Linux),
// one line written with std::cout, one char read with std::cin.
#include <clocale>
#include <iostream>

int main() {
  std::setlocale(LC_ALL, "Rus");
  std::cout << "minimal" << std::endl;
  char c = 'r';
  std::cin >> c;
  return 0;
}
