#include "transcript.h"

namespace {

const std::string kFigures = kMainMenu + "Треугольник(1) Круг (2) Прямоугольник (3) Квадрат (4) \n";
const std::string kSquare = kFigures + "\nВведите длину стороны:\n\n1:";
const std::string kCircle = kFigures + "\nВведите радиус:\nR=";
const std::string kRectangle = kFigures + "\nВведите длины сторон:\n\n1:2:";
const std::string kTriangle = kRectangle + "3:";

// The labelled area and perimeter of a figure; nothing follows the perimeter.
std::string report(const std::string &kind, const std::string &area, const std::string &perimeter) {
  return "\nПлощадь " + kind + ":\n" + area + "\nПеримерт " + kind + ":\n" + perimeter;
}

const Transcript kFigureRuns[] = {
    {"Square", "2\n4\n2\n", kSquare + report("Квадрата", "4", "8")},
    {"NegativeSquare", "2 4 -2", kSquare + report("Квадрата", "4", "-8")},
    {"Circle", "2\n2\n1\n", kCircle + report("Круга", "3.14159", "6.28319")},
    {"Rectangle", "2 3 2 3", kRectangle + report("Прямоугольника", "6", "10")},
    {"Triangle", "2\n1\n3\n4\n5\n", kTriangle + report("Треугольника", "6", "12")},
    {"TriangleSidesOnOneLine", "2 1\n3 4 5\n", kTriangle + report("Треугольника", "6", "12")},
    {"DegenerateTriangle", "2 1 1 2 3", kTriangle + report("Треугольника", "0", "6")},
    {"ImpossibleTriangle", "2 1 1 1 3", kTriangle + report("Треугольника", "-nan", "5")},
    {"NegativeSides", "2 1 -1 -1 -1", kTriangle + report("Треугольника", "0.433013", "-3")},
    // The failed read stores 0 and the third side keeps its initial 0.
    {"UnreadableSide", "2 1 3 x 5", kTriangle + report("Треугольника", "-nan", "3")},
    // The radius is never read: the circle is built from its initial 0.
    {"EndOfInputAfterCircle", "2 2", kCircle + report("Круга", "0", "0")},
    {"UnknownFigure", "2 5 1", kFigures},
    {"EndOfInputAtFigureMenu", "2", kFigures},
};
TRANSCRIPTS(Figures, kFigureRuns);

} // namespace
