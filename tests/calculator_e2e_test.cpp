#include "transcript.h"

using namespace std::string_literals;

namespace {

const std::string kOps =
    "Сложение(+) Вычитание(-) умножение(*) деление(/) число А в степень B (a)\n";
// Everything a two-number run writes up to and including its operation menu.
const std::string kTwo = kMainMenu + kModeMenu + "Введите числа:\n\n1:2:" + kOps;
const std::string kByZero = "на 0 делить нельзя!\n";

const Transcript kMenus[] = {
    {"EmptyInput", "", kMainMenu},
    {"UnknownModeKey", "1\n3\n", kMainMenu + kModeMenu},
    {"EndOfInputAtModeMenu", "1", kMainMenu + kModeMenu},
    {"KeysOnOneLine", "12\n6\n3\n/\n", kTwo + resultLine("2")},
    {"BlanksBeforeKeys", "\n\n   1\n\t 2 6 3 /", kTwo + resultLine("2")},
    {"NulAtMainMenuActsAsOne", "\0 2 6 3 /"s, kTwo + resultLine("2")},
    {"CodeOneSkipsGreeting", "1\1 6 3 /",
     kMainMenu + kModeMenu + "\n1:2:" + kOps + resultLine("2")},
    {"BinaryJunk", "\xff\xfe\x80\0\1\2"s, kMainMenu},
};
TRANSCRIPTS(Menus, kMenus);

const Transcript kTwoNumbers[] = {
    {"Sum", "1 2 0.1 0.2 +", kTwo + resultLine("0.3")},
    {"CodeTwoActsAsPlus", "1 2 0.1 0.2 \2", kTwo + resultLine("0.3")},
    {"Difference", "1 2 5 2 -", kTwo + resultLine("3")},
    {"Product", "1 2 5 2 *", kTwo + resultLine("10")},
    {"Quotient", "1 2 5 2 /", kTwo + resultLine("2.5")},
    {"Power", "1 2 2 3 a", kTwo + resultLine("8")},
    {"PowerDomainError", "1 2 -8 0.5 a", kTwo + resultLine("-nan")},
    {"ExponentNotation", "1 2 1e5 1e5 *", kTwo + resultLine("1e+10")},
    {"Overflow", "1 2 1e308 10 *", kTwo + resultLine("inf")},
    {"ZeroDivisor", "1 2 7 0 /", kTwo + kByZero},
    {"NegativeZeroDivisor", "1 2 7 -0 /", kTwo + kByZero},
    {"UnknownOperation", "1 2 5 2 x", kTwo},
    {"UnreadableNumber", "1 2 abc 2 +", kTwo},
    {"OutOfRangeNumber", "1 2 1e400 2 +", kTwo},
    {"TruncatedInput", "1 2 5", kTwo},
    // A number ends at the first character that cannot continue it.
    {"NumberTypedAgainstKey", "1 2 2 3a", kTwo + resultLine("8")},
    {"HexIsNotRead", "1 2 0x10 2 *", kTwo},
    {"InfinityIsNotRead", "1 2 inf 2 +", kTwo},
    {"NanIsNotRead", "1 2 nan 2 +", kTwo},
    {"TooSmallReadsAsZero", "1 2 1e-400 5 +", kTwo + resultLine("5")},
    {"TooSmallKeepsItsSign", "1 2 -1e-400 1 *", kTwo + resultLine("-0")},
    {"AboveHalfTheSmallestDoubleReadsAsIt", "1 2 2.48e-324 1 *", kTwo + resultLine("4.94066e-324")},
    {"SubnormalIsRead", "1 2 1.5e-320 1 *", kTwo + resultLine("1.49998e-320")},
};
TRANSCRIPTS(TwoNumbers, kTwoNumbers);

} // namespace
