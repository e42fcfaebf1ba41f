// The readers of Basic, Pascal and C++. Each maps its statement layout, block markers and
// operators onto the forms the keyword readers produce, then runs the shared reader steps.
#include "structured_readers.h"

#include "intake.h"
#include "keyword_reader.h"

namespace zolt::syntax {
namespace {

// Joins every line that does not end in ';' to the next one: line breaks survive only after ';'.
void JoinOpenLines(WorkText& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' && (out.empty() || out.back() != ';')) {
            ++i;
            continue;
        }
        out += text[i];
    }
    text = std::move(out);
}

// Puts `close` right after the next ';' at or after p, or at the end of the text when no ';'
// follows (the last statement of a text that the intake has not closed yet).
void CloseAfterNextStatement(WorkText& text, Pos p, std::string_view close) {
    const Pos end = findFrom(text, ";", p);
    insertAt(text, end > 0 ? end + 1 : lastPos(text) + 1, close);
}

// A then- or else-word not followed by '(' takes the statement up to the next ';' as its part.
void EncloseSingleStatements(WorkText& text, std::string_view word) {
    for (Pos p = findFrom(text, word); p != 0; p = findFrom(text, word, p + 1)) {
        const Pos after = p + static_cast<Pos>(word.size());
        if (charAt(text, after) == '(') continue;
        insertAt(text, after, "(");
        CloseAfterNextStatement(text, after + 1, ")");
    }
}

// The if-block builder closes a part only at a character after it: a part that ends the text
// (a one-line IF without a final line break, "... end" as the last word) would stay open. The
// builder therefore sees a final line break, which is taken off again if it was not there.
int BuildIfBlocksToTheEnd(WorkText& text) {
    const bool added = !text.ends_with("\r\n");
    if (added) text += "\r\n";
    const int code = BuildIfBlocks(text);
    if (added && text.ends_with("\r\n")) text.resize(text.size() - 2);
    return code;
}

// The last check of every reader: no "ifdo(" stays without the "d_a_l:" that closes it, which
// the compiler relies on; names that contain a key word can defeat the if-block builder. Words
// count as the compiler reads them: a name starts after an operator character of the notation.
bool startsName(std::string_view text, Pos p) {
    return p == 1 || std::string_view("()^*/+-=$~<>{}&|,;\n?:").find(charAt(text, p - 1)) != std::string_view::npos;
}
long countNames(std::string_view text, std::string_view word) {
    long count = 0;
    for (Pos p = findFrom(text, word); p != 0; p = findFrom(text, word, p + 1))
        if (startsName(text, p)) ++count;
    return count;
}
int CheckTranslation(std::string_view text) {
    return countNames(text, "ifdo(") > countNames(text, "d_a_l:") ? kIfBlockLeftOpen : 0;
}

// --- Basic ----------------------------------------------------------------------------------

// A run of digits that starts a line is a line number: it becomes a label.
void LabelLineNumbers(WorkText& text) {
    for (Pos p = 1; p <= lastPos(text); ++p) {
        if (p > 1 && charAt(text, p - 1) != '\n') continue;
        Pos q = p;
        while (charAt(text, q) >= '0' && charAt(text, q) <= '9') ++q;
        if (q > p && charAt(text, q) != ':') insertAt(text, q, ":");
    }
}

// ':' separates statements except right after a line start or another statement end, where it
// stays a label colon. Decided on the characters as they stood before this step.
void SeparateBasicStatements(WorkText& text) {
    char previous = ';';
    for (char& c : text) {
        if (!isSeparator(c)) continue;
        const char original = c;
        if (c == ':' && previous != ';' && previous != ':' && previous != '\n' && previous != '\r') c = ';';
        previous = original;
    }
}

// THEN at a line end opens a block up to the next END IF; any other THEN takes the rest of its
// line. The scan goes on inside each part, so the IFs in it are wrapped in turn.
int EncloseBasicThenParts(WorkText& text) {
    constexpr std::string_view kThen = "thend";
    for (Pos p = findFrom(text, kThen); p != 0; p = findFrom(text, kThen, p + 1)) {
        const Pos after = p + static_cast<Pos>(kThen.size());
        if (charAt(text, after) == '(') continue;
        if (charAt(text, after) == '\r') {
            const Pos end = findFrom(text, "enddo", after);
            if (end == 0) return kBlockIfWithoutEndIf;
            text.replace(static_cast<size_t>(end - 1), 5, ";)");
            insertAt(text, after, "(");
        } else {
            const Pos lineFeed = findFrom(text, "\n", after);
            insertAt(text, lineFeed > 0 ? lineFeed + 1 : lastPos(text) + 1, ")");
            insertAt(text, after, "(");
        }
    }
    return 0;
}

// --- C++ ------------------------------------------------------------------------------------

// 20 for a '}' without an open '{', 25 for a '{' never closed.
int CheckBraceBalance(std::string_view text) {
    long depth = 0;
    for (char c : text) {
        if (c == '{') ++depth;
        if (c == '}' && --depth < 0) return 20;
    }
    return depth == 0 ? 0 : 25;
}

// 'N++' -> 'N=N+1', 'N--' -> 'N=N-1', 'N+=e' -> 'N=N+e' (likewise -=, *=, /=).
int ExpandIncrements(WorkText& text) {
    for (Pos p = 1; p < lastPos(text); ++p) {
        const char op = charAt(text, p);
        const char next = charAt(text, p + 1);
        if (op != '+' && op != '-' && op != '*' && op != '/') continue;
        const bool increment = (op == '+' || op == '-') && next == op;
        if (!increment && next != '=') continue;
        Pos start = p;
        while (start > 1 && !isSeparator(charAt(text, start - 1))) --start;
        if (start == p) return kIncrementWithoutName;
        const std::string name = text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(p - start));
        std::string replacement = "=" + name + op;
        if (increment) replacement += '1';
        text.replace(static_cast<size_t>(p - 1), 2, replacement);
        p += static_cast<Pos>(replacement.size()) - 1;
    }
    return 0;
}

// At the ')' that closes each "ifdo(" condition: "thend" before a block, otherwise "thend("
// with the statement up to the next ';' as the then-part.
void MarkCppThenParts(WorkText& text) {
    constexpr std::string_view kIf = "ifdo(";
    for (Pos p = findFrom(text, kIf); p != 0; p = findFrom(text, kIf, p + 1)) {
        int depth = 0;
        Pos close = 0;
        for (Pos q = p + static_cast<Pos>(kIf.size()) - 1; q <= lastPos(text); ++q) {
            const char c = charAt(text, q);
            if (c == '(') ++depth;
            if (c == ')' && --depth == 0) {
                close = q;
                break;
            }
        }
        if (close == 0) return;  // the intake's balance check has already refused such a text
        if (charAt(text, close + 1) == '(') {
            insertAt(text, close + 1, "thend");
        } else {
            insertAt(text, close + 1, "thend(");
            CloseAfterNextStatement(text, close + 7, ")");
        }
    }
}

}  // namespace

int ReadBasic(WorkText& text, zolt::VocabularyKind) {
    ReplaceConnectives(text, false);
    RemoveSpaces(text);
    LabelLineNumbers(text);
    SeparateBasicStatements(text);
    ReplaceAll(text, "sqr(", "sqroot(");
    ReplaceAll(text, "rnd(", "rnddopoln(");
    if (int code = CheckCallAfterParenthesis(text)) return code;
    ReplaceAll(text, "endif", "enddo");
    ReplaceKeywords(text, false);
    if (int code = CheckIfNesting(text)) return code;
    ReplaceTwoCharacterComparisons(text);
    MarkEqualityInConditions(text);
    if (int code = EncloseBasicThenParts(text)) return code;
    ReplaceAll(text, "elsed", ")elsed(");
    if (int code = BuildIfBlocksToTheEnd(text)) return code;
    MoveLineStartsUp(text, ';');
    FinishReading(text);
    return CheckTranslation(text);
}

int ReadPascal(WorkText& text, zolt::VocabularyKind) {
    ReplaceConnectives(text, false);
    RemoveSpaces(text);
    JoinOpenLines(text);
    ReplaceAll(text, "sqrt(", "sqroot(");
    if (int code = CheckCallAfterParenthesis(text)) return code;
    ReplaceAll(text, "end.", ";)");
    ReplaceAll(text, "end;", ";)");
    ReplaceAll(text, "end", ";)");
    ReplaceAll(text, "begin", "(");
    ReplaceKeywords(text, false);
    if (int code = CheckParenthesisBalance(text)) return code;
    EncloseSingleStatements(text, "thend");
    EncloseSingleStatements(text, "elsed");
    if (int code = CheckIfNesting(text)) return code;
    PairToChar(text, '<', '=', '{');
    PairToChar(text, '>', '=', '}');
    PairToChar(text, '<', '>', '~');
    PairToChar(text, ':', '=', '!');
    // Pascal's '=' always compares and ":=" always assigns.
    for (char& c : text) {
        if (c == '=') c = '$';
        else if (c == '!') c = '=';
    }
    if (int code = BuildIfBlocksToTheEnd(text)) return code;
    FinishReading(text);
    return CheckTranslation(text);
}

int ReadCpp(WorkText& text, zolt::VocabularyKind) {
    RemoveSpaces(text);
    JoinOpenLines(text);
    text += "\r\n";
    ReplaceAll(text, "sqrt(", "sqroot(");
    if (int code = CheckCallAfterParenthesis(text)) return code;
    ReplaceAll(text, "if", "ifdo");
    ReplaceAll(text, "else", "elsed");
    ReplaceAll(text, "goto", "gotodopol");
    ReplaceAll(text, "random", "rnddopoln");
    if (int code = CheckBraceBalance(text)) return code;
    for (char& c : text) {
        if (c == '{') c = '(';
        else if (c == '}') c = ')';
    }
    if (int code = ExpandIncrements(text)) return code;
    MarkCppThenParts(text);
    EncloseSingleStatements(text, "elsed");
    if (int code = CheckIfNesting(text)) return code;
    PairToChar(text, '|', '|', '|');
    PairToChar(text, '&', '&', '&');
    PairToChar(text, '<', '=', '{');
    PairToChar(text, '>', '=', '}');
    PairToChar(text, '!', '=', '~');
    PairToChar(text, '=', '=', '$');
    if (int code = BuildIfBlocksToTheEnd(text)) return code;
    FinishReading(text);
    return CheckTranslation(text);
}

}  // namespace zolt::syntax
