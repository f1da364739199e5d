#include "transcript.h"

using namespace std::string_literals;

namespace {

// Everything a one-number run writes up to and including its operation menu.
const std::string kOne = kMainMenu + kModeMenu + "Введите число:\n\n1:" +
                         "квадрат (a) корень (b) синус (s) косинус (c) тангенс (t) котангенс (k)\n";

std::string numeric(const std::string &call, const std::string &value) {
  return kOne + "\n" + call + "°) = " + value + "\n";
}
std::string exact(const std::string &call, const std::string &text, const std::string &value) {
  return numeric(call, text) + "Другое решение:\n" + call + "°) = " + value + "\n";
}

const Transcript kOneNumber[] = {
    {"Square", "1 1 3 a", kOne + resultLine("9")},
    {"NulAtBothMenus", "\0\0 -3 \1"s, kOne + resultLine("9")},
    {"SquareOverflows", "1 1 1e200 a", kOne + resultLine("inf")},
    {"SquareRoot", "1 1 2 b", kOne + resultLine("1.41421")},
    {"SquareRootOfNegative", "1 1 -4 b", kOne + resultLine("-nan")},
    {"UnknownOperation", "1 1 5 q", kOne},
    {"OperationKeyIsCaseSensitive", "1 1 45 S", kOne},
    {"UnreadableNumber", "1 1 abc s", kOne},
    {"NumberTypedAgainstKey", "1 1 180a", kOne + resultLine("32400")},
    {"NumberTypedAgainstLetters", "1 1 12abc", kOne + resultLine("144")},
    {"ExponentWithoutDigits", "1 1 2ea", kOne},
};
TRANSCRIPTS(OneNumber, kOneNumber);

const Transcript kTrigonometry[] = {
    {"Sin45", "1 1 45 s", exact("sin(45", "?2/2", "0.707107")},
    {"Sin45TypedAsDecimal", "1 1 45.0 s", exact("sin(45", "?2/2", "0.707107")},
    {"Sin60", "1 1 60 s", exact("sin(60", "?3/2", "0.866025")},
    {"Sin120", "1 1 120 s", exact("sin(120", "?3/2", "0.866025")},
    {"Sin150HasNoExactLine", "1 1 150 s", numeric("sin(150", "0.5")},
    {"Sin180IsTinyNotZero", "1 1 180 s", numeric("sin(180", "1.22465e-16")},
    {"Sin390IsNotReduced", "1 1 390 s", numeric("sin(390", "0.5")},
    {"Sin45_01IsNotSpecial", "1 1 45.01 s", numeric("sin(45.01", "0.70723")},
    {"SinOfHugeAngle", "1 1 1e22 s", numeric("sin(1e+22", "-0.0297462")},
    {"Cos135", "1 1 135 c", exact("cos(135", "-?2/2", "-0.707107")},
    {"Cos150", "1 1 150 c", exact("cos(150", "-?3/2", "-0.866025")},
    {"CosMinus45IsNotSpecial", "1 1 -45 c", numeric("cos(-45", "0.707107")},
    {"CosTypedAgainstKey", "1 1 -452.72c", numeric("cos(-452.72", "-0.0474551")},
    {"Cos90IsTinyNotZero", "1 1 90 c", numeric("cos(90", "6.12323e-17")},
    {"Tg30", "1 1 30 t", exact("tg(30", "1/?3", "0.57735")},
    {"Tg60", "1 1 60 t", exact("tg(60", "?3", "1.73205")},
    {"Tg150", "1 1 150 t", exact("tg(150", "-1/?3", "-0.57735")},
    {"Tg45", "1 1 45 t", numeric("tg(45", "1")},
    {"Tg90Undefined", "1 1 90 t", kOne + "\ntg(90°) - Не определён\n"},
    {"Tg270Undefined", "1 1 270 t", kOne + "\ntg(270°) - Не определён\n"},
    {"TgMinus90IsHuge", "1 1 -90 t", numeric("tg(-90", "-1.63312e+16")},
    {"Tg450IsHuge", "1 1 450 t", numeric("tg(450", "3.26625e+15")},
    {"CtgTakesRadians", "1 1 45 k", kOne + "\nctg(45) = 0.61737\n"},
    {"CtgOfZeroIsInfinite", "1 1 0 k", kOne + "\nctg(0) = inf\n"},
};
TRANSCRIPTS(Trigonometry, kTrigonometry);

} // namespace
