// The readers of Zolt Russian and Zolt English: vocabulary replacement, the nesting check and the
// finishing steps. The if-block builder lives in if_blocks.cpp.
#include "keyword_reader.h"

#include <span>
#include <string>
#include <vector>

#include "cp1251.h"

namespace zolt::syntax {

namespace {

enum class Match { Anywhere, WholeWord };

// One vocabulary replacement, written in UTF-8.
struct WordRow {
    const char* surface;
    const char* internal;
    Match match;
};

// The same, in Windows-1251.
struct Replacement {
    std::string surface;
    std::string internal;
    Match match;
};

constexpr WordRow kRussianFunctions[] = {
    {"знак(", "sgn(", Match::Anywhere},     {"целая(", "int(", Match::Anywhere},
    {"целое(", "int(", Match::Anywhere},    {"модуль(", "abs(", Match::Anywhere},
    {"корень(", "sqroot(", Match::Anywhere},
};

constexpr WordRow kRussianPainterWords[] = {
    {"цветлиний", "coloroflines", Match::WholeWord},
    {"толщиналиний", "widthoflines", Match::WholeWord},
    {"цветзаполнения", "coloroffilling", Match::WholeWord},
    {"белый", "white", Match::WholeWord},
    {"чёрный", "black", Match::WholeWord},
    {"красный", "red", Match::WholeWord},
    {"оранжевый", "orange", Match::WholeWord},
    {"жёлтый", "yellow", Match::WholeWord},
    {"зелёный", "green", Match::WholeWord},
    {"голубой", "blue", Match::WholeWord},
    {"синий", "darkblue", Match::WholeWord},
    {"фиолетовый", "violet", Match::WholeWord},
    {"коричневый", "brown", Match::WholeWord},
    {"серый", "grey", Match::WholeWord},
    {"овал(", "ellipse(", Match::Anywhere},
    {"прямоугольник(", "rectangle(", Match::Anywhere},
    {"круг(", "circle(", Match::Anywhere},
    {"отрезок(", "line(", Match::Anywhere},
    {"линиядо(", "lineto(", Match::Anywhere},
    {"перов(", "moveto(", Match::Anywhere},
    {"точка(", "point(", Match::Anywhere},
    {"цвет(", "color(", Match::Anywhere},
    {"остаток(", "remainder(", Match::Anywhere},
    {"закрашивание(", "painting(", Match::Anywhere},
};

constexpr WordRow kRussianBoardWords[] = {
    {"крестик", "tit", Match::WholeWord},   {"нолик", "tat", Match::WholeWord},
    {"пустая", "empty", Match::WholeWord},  {"ход(", "move(", Match::Anywhere},
    {"клетка(", "square(", Match::Anywhere}, {"остаток(", "remainder(", Match::Anywhere},
};

// Keywords in the order they are replaced: if, then, else, goto, random.
constexpr WordRow kRussianKeywords[] = {
    {"если", "ifdo", Match::Anywhere},          {"тогда", "thend", Match::Anywhere},
    {"иначе", "elsed", Match::Anywhere},        {"переходна", "gotodopol", Match::Anywhere},
    {"случайное", "rnddopoln", Match::Anywhere},
};
constexpr WordRow kEnglishKeywords[] = {
    {"if", "ifdo", Match::Anywhere},     {"then", "thend", Match::Anywhere},
    {"else", "elsed", Match::Anywhere},  {"goto", "gotodopol", Match::Anywhere},
    {"random", "rnddopoln", Match::Anywhere},
};

// Connectives: "or" before "and" (so "или" goes before the "и" it contains).
constexpr WordRow kRussianConnectives[] = {{"или", "|", Match::WholeWord}, {"и", "&", Match::WholeWord}};
constexpr WordRow kEnglishConnectives[] = {{"or", "|", Match::WholeWord}, {"and", "&", Match::WholeWord}};

std::vector<Replacement> toCp1251(std::initializer_list<std::span<const WordRow>> parts) {
    std::vector<Replacement> rows;
    for (auto part : parts)
        for (const WordRow& row : part)
            rows.push_back({mindloom::utf8ToCp1251(row.surface).text, row.internal, row.match});
    return rows;
}

const std::vector<Replacement>& russianBuiltins(zolt::VocabularyKind vocabulary) {
    static const std::vector<Replacement> painter = toCp1251({kRussianFunctions, kRussianPainterWords});
    static const std::vector<Replacement> board = toCp1251({kRussianFunctions, kRussianBoardWords});
    static const std::vector<Replacement> functionsOnly = toCp1251({kRussianFunctions});
    switch (vocabulary) {
        case zolt::VocabularyKind::Painter: return painter;
        case zolt::VocabularyKind::Board: return board;
        default: return functionsOnly;
    }
}

void applyAll(WorkText& text, const std::vector<Replacement>& rows, bool (*isWordLetter)(char) = isLowerLetter) {
    for (const Replacement& row : rows) {
        if (row.match == Match::WholeWord) ReplaceWord(text, row.surface, row.internal, isWordLetter);
        else ReplaceAll(text, row.surface, row.internal);
    }
}

bool isComparison(char c) {
    return c == '<' || c == '>' || c == '{' || c == '}' || c == '~' || c == '$';
}

}  // namespace

void ReplaceConnectives(WorkText& text, bool russian, bool (*isWordLetter)(char)) {
    static const std::vector<Replacement> ru = toCp1251({kRussianConnectives});
    static const std::vector<Replacement> en = toCp1251({kEnglishConnectives});
    applyAll(text, russian ? ru : en, isWordLetter);
}

void TranslateRussianBuiltins(WorkText& text, zolt::VocabularyKind vocabulary) {
    applyAll(text, russianBuiltins(vocabulary));
}

int CheckCallAfterParenthesis(std::string_view text) {
    return text.find(")(") == std::string_view::npos ? 0 : 56;
}

void ReplaceKeywords(WorkText& text, bool russian) {
    static const std::vector<Replacement> ru = toCp1251({kRussianKeywords});
    static const std::vector<Replacement> en = toCp1251({kEnglishKeywords});
    applyAll(text, russian ? ru : en);
}

int CheckIfNesting(std::string_view text) {
    int level = 0;
    long depth[kMaxConditionLevels + 1] = {};
    for (Pos p = 1; p <= lastPos(text); ++p) {
        const char c = charAt(text, p);
        if (level > 0) {
            if (c == '(') ++depth[level];
            if (c == ')' && --depth[level] < 0) return 30;
        }
        if (endsAt(text, p, "ifdo")) {
            if (level == kMaxConditionLevels) return kConditionsTooDeep;
            depth[++level] = 0;
        } else if (endsAt(text, p, "thend")) {
            if (--level < 0) return 40;
        }
    }
    return level > 0 ? 30 : 0;
}

void ReplaceTwoCharacterComparisons(WorkText& text) {
    PairToChar(text, '<', '=', '{');
    PairToChar(text, '>', '=', '}');
    PairToChar(text, '<', '>', '~');
}

void MarkEqualityInConditions(WorkText& text) {
    int level = 0;
    for (Pos p = 1; p <= lastPos(text); ++p) {
        if (level > 0 && text[p - 1] == '=') text[p - 1] = '$';
        if (endsAt(text, p, "ifdo")) ++level;
        else if (endsAt(text, p, "thend") && level > 0) --level;
    }
}

void CloseGotoArguments(WorkText& text) {
    constexpr std::string_view kGoto = "gotodopol";
    Pos p = findFrom(text, kGoto);
    while (p > 0) {
        const Pos open = p + static_cast<Pos>(kGoto.size());
        insertAt(text, open, "(");
        const Pos end = findFrom(text, ";", open + 1);
        if (end > 0) insertAt(text, end, ")");
        p = findFrom(text, kGoto, open + 1);
    }
}

void ExpandComparisonChains(WorkText& text) {
    // For every open parenthesis level: where the operand after the last comparison starts
    // (0: no comparison yet in the current operand of '&' or '|').
    std::vector<Pos> afterComparison{0};
    for (Pos p = 1; p <= lastPos(text); ++p) {
        const char c = charAt(text, p);
        if (c == '(') {
            afterComparison.push_back(0);
        } else if (c == ')') {
            // Closing the parenthesis that encloses a chain ends it; the chain around a
            // parenthesised operand goes on.
            if (afterComparison.size() > 1) afterComparison.pop_back();
            else afterComparison.back() = 0;
        } else if (c == '|' || c == '&' || c == ';' || c == '\n' || c == ',') {
            afterComparison.back() = 0;
        } else if (isComparison(c)) {
            const Pos start = afterComparison.back();
            if (start > 0) {
                std::string middle(1, '&');
                middle.append(text, static_cast<size_t>(start - 1), static_cast<size_t>(p - start));
                insertAt(text, p, middle);
                p += static_cast<Pos>(middle.size());
            }
            afterComparison.back() = p + 1;
        }
    }
}

void CompleteRandomCalls(WorkText& text, bool evenBeforeParenthesis) {
    constexpr std::string_view kRandom = "rnddopoln";
    Pos p = findFrom(text, kRandom);
    while (p > 0) {
        const Pos after = p + static_cast<Pos>(kRandom.size());
        if (evenBeforeParenthesis || charAt(text, after) != '(') insertAt(text, after, "()");
        p = findFrom(text, kRandom, after);
    }
}

void FinishReading(WorkText& text) {
    CloseGotoArguments(text);
    ExpandComparisonChains(text);
    CompleteRandomCalls(text);
}

int ReadKeywordSyntax(WorkText& text, bool russian, zolt::VocabularyKind vocabulary) {
    ReplaceConnectives(text, russian);
    RemoveSpaces(text);
    if (russian) TranslateRussianBuiltins(text, vocabulary);
    if (int code = CheckCallAfterParenthesis(text)) return code;
    ReplaceKeywords(text, russian);
    if (int code = CheckIfNesting(text)) return code;
    ReplaceTwoCharacterComparisons(text);
    MarkEqualityInConditions(text);
    if (int code = BuildIfBlocks(text)) return code;
    FinishReading(text);
    return 0;
}

int ReadZoltRussian(WorkText& text, zolt::VocabularyKind vocabulary) {
    return ReadKeywordSyntax(text, true, vocabulary);
}

int ReadZoltEnglish(WorkText& text, zolt::VocabularyKind vocabulary) {
    return ReadKeywordSyntax(text, false, vocabulary);
}

}  // namespace zolt::syntax
