// The analysis behind the keyword highlighting: canonical keywords and bold spans over the text,
// connectives and keywords blanked out of a mask, then the called names checked in the mask.
#include "highlighting.h"

#include <span>

#include "cp1251.h"
#include "syntaxes.h"

namespace zolt::syntax {

namespace {

enum class Spelling {
    Fixed,            // always `form`
    CapitalAtStart,   // `form` when it starts within the first five characters, else lower case
    CapitalAtEnd,     // `form` when it starts within the last six characters, else lower case
};

// A keyword as written in the tables, UTF-8.
struct KeywordRow {
    const char* keyword;
    const char* form;
    const char* spacedForm;  // written instead when the match had spaces inside; may be null
    Spelling spelling = Spelling::Fixed;
};

constexpr KeywordRow kRussianKeywords[] = {
    {"если", "Если", nullptr},           {"тогда", "Тогда", nullptr},
    {"иначе", "Иначе", nullptr},         {"случайное", "Случайное", nullptr},
    {"переходна", "Переходна", "Переход на"},
};
constexpr KeywordRow kEnglishKeywords[] = {
    {"goto", "Goto", "Go to"}, {"if", "If", nullptr},         {"then", "Then", nullptr},
    {"else", "Else", nullptr}, {"random", "Random", nullptr},
};
constexpr KeywordRow kBasicKeywords[] = {
    {"if", "IF", nullptr},     {"then", "THEN", nullptr},        {"else", "ELSE", nullptr},
    {"goto", "GOTO", nullptr}, {"endif", "EndIF", "End IF"},
};
constexpr KeywordRow kPascalKeywords[] = {
    {"goto", "goto", nullptr}, {"else", "else", nullptr}, {"if", "if", nullptr},
    {"then", "then", nullptr}, {"begin", "Begin", nullptr, Spelling::CapitalAtStart},
    {"end", "End", nullptr, Spelling::CapitalAtEnd},
};
constexpr KeywordRow kCppKeywords[] = {
    {"goto", "goto", nullptr}, {"else", "else", nullptr}, {"if", "if", nullptr},
};

constexpr const char* kRussianConnectives[] = {"или", "и"};
constexpr const char* kEnglishConnectives[] = {"or", "and"};

// Names that may be called, in every syntax.
constexpr const char* kPainterFunctions[] = {
    "sgn", "sin", "cos", "tg", "arctg", "arcsin", "arccos", "int", "abs", "random", "exp", "ln",
    "sqroot", "pusto", "ellipse", "rectangle", "circle", "line", "lineto", "moveto", "point", "color",
    "remainder", "painting", "if", "then", "else"};
constexpr const char* kPainterRussianFunctions[] = {
    "если", "тогда", "иначе", "знак", "целая", "целое", "модуль", "корень", "овал", "прямоугольник",
    "круг", "отрезок", "линиядо", "перов", "точка", "цвет", "остаток", "закрашивание"};
constexpr const char* kBoardFunctions[] = {
    "sgn", "sin", "cos", "tg", "arctg", "arcsin", "arccos", "int", "abs", "random", "exp", "ln",
    "sqroot", "pusto", "move", "square", "remainder", "if", "then", "else"};
constexpr const char* kBoardRussianFunctions[] = {
    "если", "тогда", "иначе", "знак", "целая", "целое", "модуль", "корень", "ход", "клетка", "остаток"};
// Calls that draw on the canvas.
constexpr const char* kDrawingFunctions[] = {
    "ellipse", "rectangle", "circle", "line", "lineto", "moveto", "painting",
    "овал", "прямоугольник", "круг", "отрезок", "линиядо", "перов", "закрашивание"};

struct Keyword {
    std::string keyword;
    std::string form;
    std::string spacedForm;
    Spelling spelling;
};

std::string cp1251(const char* utf8) { return mindloom::utf8ToCp1251(utf8).text; }

std::vector<Keyword> convertKeywords(std::span<const KeywordRow> rows) {
    std::vector<Keyword> out;
    for (const KeywordRow& row : rows)
        out.push_back({cp1251(row.keyword), cp1251(row.form), row.spacedForm ? cp1251(row.spacedForm) : "",
                       row.spelling});
    return out;
}

std::vector<std::string> convertNames(std::initializer_list<std::span<const char* const>> parts) {
    std::vector<std::string> out;
    for (auto part : parts)
        for (const char* name : part) out.push_back(cp1251(name));
    return out;
}

const std::vector<Keyword>& keywordsOf(int syntaxIndex) {
    static const std::vector<Keyword> tables[kSyntaxCount] = {
        convertKeywords(kRussianKeywords), convertKeywords(kEnglishKeywords), convertKeywords(kBasicKeywords),
        convertKeywords(kPascalKeywords), convertKeywords(kCppKeywords)};
    static const std::vector<Keyword> none;
    return syntaxIndex >= 0 && syntaxIndex < kSyntaxCount ? tables[syntaxIndex] : none;
}

const std::vector<std::string>& connectivesOf(int syntaxIndex) {
    static const std::vector<std::string> russian = convertNames({kRussianConnectives});
    static const std::vector<std::string> english = convertNames({kEnglishConnectives});
    static const std::vector<std::string> none;
    switch (syntaxIndex) {
        case kZoltRussian: return russian;
        case kZoltEnglish: case kBasic: case kPascal: return english;
        default: return none;
    }
}

bool isKnownFunction(const std::string& name, int syntaxIndex, zolt::VocabularyKind vocabulary) {
    static const std::vector<std::string> painter = convertNames({kPainterFunctions});
    static const std::vector<std::string> painterRussian = convertNames({kPainterRussianFunctions});
    static const std::vector<std::string> board = convertNames({kBoardFunctions});
    static const std::vector<std::string> boardRussian = convertNames({kBoardRussianFunctions});
    const bool isPainter = vocabulary == zolt::VocabularyKind::Painter;
    auto listed = [&](const std::vector<std::string>& names) {
        for (const std::string& known : names)
            if (known == name) return true;
        return false;
    };
    if (listed(isPainter ? painter : board)) return true;
    if (syntaxIndex == kZoltRussian && listed(isPainter ? painterRussian : boardRussian)) return true;
    if (syntaxIndex == kBasic && name == "sqr") return true;
    if ((syntaxIndex == kPascal || syntaxIndex == kCpp) && name == "sqrt") return true;
    return false;
}

bool draws(const std::string& name) {
    static const std::vector<std::string> drawing = convertNames({kDrawingFunctions});
    for (const std::string& known : drawing)
        if (known == name) return true;
    return false;
}

// Offers the editor a pause at every multiple of the interval; false: abandon the pass.
bool keepGoing(const HighlightPause& pause, Pos position) {
    return !pause || position % kHighlightPauseInterval != 0 || pause();
}

class Analysis {
public:
    Analysis(std::string_view text, int syntaxIndex, zolt::VocabularyKind vocabulary, const HighlightPause& pause)
        : syntax_(syntaxIndex), vocabulary_(vocabulary), pause_(pause) {
        result_.text.assign(text);
        mask_.assign(text);
        mask_ += ' ';
    }

    std::optional<Highlighting> run() {
        for (const Keyword& keyword : keywordsOf(syntax_))
            if (!findKeyword(keyword)) return std::nullopt;
        for (const std::string& connective : connectivesOf(syntax_))
            if (!maskConnective(connective)) return std::nullopt;
        if (!scanCalledNames()) return std::nullopt;
        return std::move(result_);
    }

private:
    // Step 2: a window over the characters that are neither blanks nor quoted.
    bool findKeyword(const Keyword& keyword) {
        std::string& h = result_.text;
        const size_t length = keyword.keyword.size();
        std::string window;
        std::vector<Pos> positions;
        bool quoted = false;
        for (Pos p = 1; p <= lastPos(h); ++p) {
            if (!keepGoing(pause_, p)) return false;
            const char c = charAt(h, p);
            if (c == '"') {
                quoted = !quoted;
                continue;
            }
            if (quoted || c == ' ') continue;
            window += lowerLetter(c);
            positions.push_back(p);
            if (window.size() > length) {
                window.erase(0, 1);
                positions.erase(positions.begin());
            }
            if (window == keyword.keyword) {
                markKeyword(keyword, positions.front(), p);
                window.clear();
                positions.clear();
            }
        }
        return true;
    }

    void markKeyword(const Keyword& keyword, Pos s, Pos e) {
        std::string& h = result_.text;
        const Pos length = static_cast<Pos>(keyword.keyword.size());
        std::string form = keyword.form;
        if (e > s + length - 1 && !keyword.spacedForm.empty()) form = keyword.spacedForm;
        if (keyword.spelling == Spelling::CapitalAtStart && s > 5) form = keyword.keyword;
        if (keyword.spelling == Spelling::CapitalAtEnd && s <= lastPos(h) - 6) form = keyword.keyword;
        // The written form never outgrows the matched stretch: a spaced form is chosen only
        // when the stretch holds the blanks it has.
        const Pos formLength = std::min<Pos>(static_cast<Pos>(form.size()), e - s + 1);
        for (Pos i = 0; i < e - s + 1; ++i) {
            h[static_cast<size_t>(s - 1 + i)] = i < formLength ? form[static_cast<size_t>(i)] : ' ';
            mask_[static_cast<size_t>(s - 1 + i)] = ' ';
        }
        mask_[static_cast<size_t>(s + formLength - 2)] = ';';
        const TextRange span{s, formLength};
        if (result_.bold.size() < kMaxKeywordSpans) result_.bold.push_back(span);
        else result_.bold.back() = span;
    }

    // Step 3: connectives become blanks in the mask, with '|' on their last character.
    bool maskConnective(const std::string& connective) {
        const Pos length = static_cast<Pos>(connective.size());
        for (Pos p = 1; p + length - 1 <= lastPos(mask_); ++p) {
            if (!keepGoing(pause_, p)) return false;
            bool same = true;
            for (Pos i = 0; i < length && same; ++i)
                same = lowerLetter(charAt(mask_, p + i)) == connective[static_cast<size_t>(i)];
            if (!same || isLetter(charAt(mask_, p - 1)) || isLetter(charAt(mask_, p + length))) continue;
            for (Pos i = 0; i < length; ++i) mask_[static_cast<size_t>(p - 1 + i)] = ' ';
            mask_[static_cast<size_t>(p + length - 2)] = '|';
        }
        return true;
    }

    // Step 7: names before '(' that are not functions are red; drawing calls set DrawMode.
    bool scanCalledNames() {
        result_.drawMode = 'b';
        std::string name;
        Pos nameStart = 1;  // just after the previous separator
        for (Pos p = 1; p <= lastPos(mask_); ++p) {
            if (!keepGoing(pause_, p)) return false;
            const char c = charAt(mask_, p);
            if (!isSeparator(c)) {
                if (c != ' ') name += lowerLetter(c);
                continue;
            }
            if (c == '(' && !name.empty()) {
                if (!isKnownFunction(name, syntax_, vocabulary_)) result_.red.push_back({nameStart, p - nameStart});
                else if (vocabulary_ == zolt::VocabularyKind::Painter && draws(name)) result_.drawMode = 'n';
            }
            name.clear();
            nameStart = p + 1;
        }
        return true;
    }

    int syntax_;
    zolt::VocabularyKind vocabulary_;
    const HighlightPause& pause_;
    Highlighting result_;
    std::string mask_;
};

}  // namespace

std::optional<Highlighting> ComputeHighlighting(std::string_view editorText, int syntaxIndex,
                                                zolt::VocabularyKind vocabulary, const HighlightPause& pause) {
    return Analysis(editorText, syntaxIndex, vocabulary, pause).run();
}

}  // namespace zolt::syntax
