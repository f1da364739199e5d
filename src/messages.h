// Every text the program writes, in one place. The sources are UTF-8; the
// degree sign in kDegreesIs is U+00B0 and the '?' in the exact trigonometric
// values stands where a root sign would.
#pragma once

namespace msg {

// Menus
inline constexpr char kMainMenu[] = "калькулятор чисел (1) площадь и периметр фигур (2)";
inline constexpr char kModeMenu[] = "одно число (1) два числа (2)";
inline constexpr char kTwoNumberMenu[] =
    "Сложение(+) Вычитание(-) умножение(*) деление(/) число А в степень B (a)";

// Number calculator
inline constexpr char kEnterNumbers[] = "Введите числа:";
inline constexpr char kResult[] = "Результат:";
inline constexpr char kDivisionByZero[] = "на 0 делить нельзя!";
inline constexpr char kPrompt1[] = "1:";
inline constexpr char kPrompt2[] = "2:";

} // namespace msg
