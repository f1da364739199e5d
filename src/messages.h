// Every text the program writes, in one place. The sources are UTF-8; the
// degree sign in kDegreesIs is U+00B0 and the '?' in the exact trigonometric
// values stands where a root sign would.
#pragma once

namespace msg {

// Menus
inline constexpr char kMainMenu[] = "калькулятор чисел (1) площадь и периметр фигур (2)";
inline constexpr char kModeMenu[] = "одно число (1) два числа (2)";
inline constexpr char kOneNumberMenu[] =
    "квадрат (a) корень (b) синус (s) косинус (c) тангенс (t) котангенс (k)";
inline constexpr char kTwoNumberMenu[] =
    "Сложение(+) Вычитание(-) умножение(*) деление(/) число А в степень B (a)";
inline constexpr char kFigureMenu[] = "Треугольник(1) Круг (2) Прямоугольник (3) Квадрат (4) ";

// Number calculator
inline constexpr char kEnterNumber[] = "Введите число:";
inline constexpr char kEnterNumbers[] = "Введите числа:";
inline constexpr char kResult[] = "Результат:";
inline constexpr char kDivisionByZero[] = "на 0 делить нельзя!";
inline constexpr char kPrompt1[] = "1:";
inline constexpr char kPrompt2[] = "2:";
inline constexpr char kPrompt3[] = "3:";
inline constexpr char kPromptRadius[] = "R=";

// Figures ("Перимерт" is spelt so in all four labels)
inline constexpr char kEnterSides[] = "Введите длины сторон:";
inline constexpr char kEnterSide[] = "Введите длину стороны:";
inline constexpr char kEnterRadius[] = "Введите радиус:";
inline constexpr char kTriangleArea[] = "Площадь Треугольника:";
inline constexpr char kTrianglePerimeter[] = "Перимерт Треугольника:";
inline constexpr char kCircleArea[] = "Площадь Круга:";
inline constexpr char kCirclePerimeter[] = "Перимерт Круга:";
inline constexpr char kRectangleArea[] = "Площадь Прямоугольника:";
inline constexpr char kRectanglePerimeter[] = "Перимерт Прямоугольника:";
inline constexpr char kSquareArea[] = "Площадь Квадрата:";
inline constexpr char kSquarePerimeter[] = "Перимерт Квадрата:";

// Trigonometric results: "sin(45°) = ?2/2" and the like
inline constexpr char kSin[] = "sin(";
inline constexpr char kCos[] = "cos(";
inline constexpr char kTg[] = "tg(";
inline constexpr char kCtg[] = "ctg(";
inline constexpr char kDegreesIs[] = "°) = ";
inline constexpr char kRadiansIs[] = ") = ";
inline constexpr char kUndefined[] = "°) - Не определён";
inline constexpr char kAnotherSolution[] = "Другое решение:";
inline constexpr char kRoot2Half[] = "?2/2";
inline constexpr char kMinusRoot2Half[] = "-?2/2";
inline constexpr char kRoot3Half[] = "?3/2";
inline constexpr char kMinusRoot3Half[] = "-?3/2";
inline constexpr char kRoot3[] = "?3";
inline constexpr char kMinusRoot3[] = "-?3";
inline constexpr char kOneOverRoot3[] = "1/?3";
inline constexpr char kMinusOneOverRoot3[] = "-1/?3";

// Standard error, when standard input could not be read or standard output
// could not be written: this, then the system's reason
inline constexpr char kReadError[] = "figcalc: read error: ";
inline constexpr char kWriteError[] = "figcalc: write error: ";

} // namespace msg
