// Surface spellings of built-in names. The tables are written in UTF-8 and converted once to
// Windows-1251, the encoding every program text is kept in.
#include "surface_names.h"

#include <initializer_list>
#include <utility>
#include <vector>

#include "cp1251.h"

namespace zolt::syntax {
namespace {

using Utf8Table = std::initializer_list<std::pair<const char*, const char*>>;

std::vector<Rename> toCp1251(Utf8Table table) {
    std::vector<Rename> out;
    out.reserve(table.size());
    for (const auto& [from, to] : table)
        out.push_back({mindloom::utf8ToCp1251(from).text, mindloom::utf8ToCp1251(to).text});
    return out;
}

// Painter built-ins, syntax by syntax.
const Utf8Table kPainterRussian = {
    {"painting(", " Закрашивание("}, {"color(", " Цвет("}, {"point(", " Точка("},
    {"moveto(", " Перо в("}, {"lineto(", " Линия до("}, {"sqroot(", " Корень("},
    {"line(", " Отрезок("}, {"circle(", " Круг("}, {"rectangle(", " Прямоугольник("},
    {"ellipse(", " Овал("}, {"rnddopoln()", "Случайное"}, {"remainder(", " Остаток("},
    {"begin", "Начало"},
};
const Utf8Table kPainterEnglish = {
    {"painting(", " Painting("}, {"color(", " Color("}, {"point(", " Point("},
    {"moveto(", " Move to("}, {"lineto(", " Line to("}, {"line(", " Line("},
    {"circle(", " Circle("}, {"rectangle(", " Rectangle("}, {"ellipse(", " Ellipse("},
    {"rnddopoln()", "Random"},
};
const Utf8Table kPainterBasic = {
    {"painting(", " Painting("}, {"color(", " Color("}, {"point(", " Point("},
    {"moveto(", " Move to("}, {"lineto(", " LineTo("}, {"sqroot(", "sqr("},
    {"line(", " Line("}, {"circle(", " Circle("}, {"rectangle(", " Rectangle("},
    {"ellipse(", " Ellipse("}, {"rnddopoln()", "Random()"},
};
const Utf8Table kPainterPascalCpp = {
    {"painting(", " Painting("}, {"color(", " Color("}, {"point(", " Point("},
    {"moveto(", " Move to("}, {"lineto(", " LineTo("}, {"sqroot(", "sqrt("},
    {"line(", " Line("}, {"circle(", " Circle("}, {"rectangle(", " Rectangle("},
    {"ellipse(", " Ellipse("}, {"rnddopoln()", "Random()"},
};

// Board game built-ins: only its two board calls, the random number and the square root.
const Utf8Table kBoardRussian = {
    {"move(", " Ход("}, {"square(", " Клетка("}, {"sqroot(", " Корень("},
    {"rnddopoln()", "Случайное"}, {"remainder(", " Остаток("}, {"begin", "Начало"},
};
const Utf8Table kBoardEnglish = {{"move(", " Move("}, {"square(", " Square("}, {"rnddopoln()", "Random"}};
const Utf8Table kBoardBasic = {
    {"move(", " Move("}, {"square(", " Square("}, {"sqroot(", "sqr("}, {"rnddopoln()", "Random"}};
const Utf8Table kBoardPascal = {
    {"move(", " Move("}, {"square(", " Square("}, {"sqroot(", "sqrt("}, {"rnddopoln()", "Random"}};
const Utf8Table kBoardCpp = {{"move(", " Move("}, {"square(", " Square("}, {"rnddopoln()", "Random()"}};

const Utf8Table kPainterColours = {
    {"white", "белый"}, {"black", "чёрный"}, {"red", "красный"}, {"orange", "оранжевый"},
    {"yellow", "жёлтый"}, {"green", "зелёный"}, {"blue", "голубой"}, {"darkblue", "синий"},
    {"violet", "фиолетовый"}, {"brown", "коричневый"}, {"grey", "серый"},
};
const Utf8Table kPainterPen = {
    {"coloroflines", "Цвет линий"}, {"widthoflines", "Толщина линий"}, {"coloroffilling", "Цвет заполнения"},
};
const Utf8Table kBoardMarks = {{"tit", "крестик"}, {"tat", "нолик"}, {"empty", "пустая"}};

struct Tables {
    std::vector<Rename> builtins[2][5];
    std::vector<Rename> russianWords[2];
    std::vector<Rename> russianPen[2];
};

const Tables& tables() {
    static const Tables t = [] {
        Tables built;
        auto& painter = built.builtins[0];
        painter[0] = toCp1251(kPainterRussian);
        painter[1] = toCp1251(kPainterEnglish);
        painter[2] = toCp1251(kPainterBasic);
        painter[3] = toCp1251(kPainterPascalCpp);
        painter[4] = toCp1251(kPainterPascalCpp);
        auto& board = built.builtins[1];
        board[0] = toCp1251(kBoardRussian);
        board[1] = toCp1251(kBoardEnglish);
        board[2] = toCp1251(kBoardBasic);
        board[3] = toCp1251(kBoardPascal);
        board[4] = toCp1251(kBoardCpp);
        built.russianWords[0] = toCp1251(kPainterColours);
        built.russianWords[1] = toCp1251(kBoardMarks);
        built.russianPen[0] = toCp1251(kPainterPen);
        return built;
    }();
    return t;
}

// The lock game has no writers of its own; it shares the painter's spellings.
int vocabularyRow(zolt::VocabularyKind vocabulary) { return vocabulary == zolt::VocabularyKind::Board ? 1 : 0; }

}  // namespace

std::span<const Rename> builtinSpellings(int syntaxIndex, zolt::VocabularyKind vocabulary) {
    if (syntaxIndex < 0 || syntaxIndex > 4) return {};
    return tables().builtins[vocabularyRow(vocabulary)][syntaxIndex];
}

std::span<const Rename> russianWordSpellings(zolt::VocabularyKind vocabulary) {
    return tables().russianWords[vocabularyRow(vocabulary)];
}

std::span<const Rename> russianPenSpellings(zolt::VocabularyKind vocabulary) {
    return tables().russianPen[vocabularyRow(vocabulary)];
}

}  // namespace zolt::syntax
