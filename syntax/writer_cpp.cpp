// The C++ writer: "==", "!=", "||", "&&", braced blocks, and increments and compound
// assignments where a statement changes a variable by itself.
#include "surface_names.h"
#include "writers.h"

namespace zolt::syntax {
namespace {

bool endsStatement(char c) { return c == ';' || c == '\r' || c == '\n'; }

// Position of the first separator in [from, end), or end.
Pos nextSeparator(std::string_view text, Pos from, Pos end) {
    while (from < end && !isSeparator(charAt(text, from))) ++from;
    return from;
}

// Rewrites the statement [start, end) if it reads N=N op E. Returns true if the text changed.
bool rewriteSelfAssignment(WorkText& text, Pos start, Pos end) {
    const Pos assign = nextSeparator(text, start, end);
    if (assign == start || assign == end || charAt(text, assign) != '=') return false;
    const Pos op = nextSeparator(text, assign + 1, end);
    if (op == end) return false;
    const char operation = charAt(text, op);
    if (operation != '+' && operation != '-' && operation != '*' && operation != '/') return false;
    const std::string_view view = text;
    const std::string_view name = view.substr(static_cast<size_t>(start - 1), static_cast<size_t>(assign - start));
    const std::string_view again = view.substr(static_cast<size_t>(assign), static_cast<size_t>(op - assign - 1));
    if (name != again) return false;
    const std::string_view operand = view.substr(static_cast<size_t>(op), static_cast<size_t>(end - op - 1));

    std::string replacement;
    Pos replaced = end - start;
    if (operand == "1" && (operation == '*' || operation == '/')) {
        if (charAt(text, end) == ';') ++replaced;  // the statement goes, with its ';'
    } else if (operand == "1") {
        replacement = std::string(name) + operation + operation;
    } else {
        replacement = std::string(name) + operation + '=' + std::string(operand);
    }
    text.replace(static_cast<size_t>(start - 1), static_cast<size_t>(replaced), replacement);
    return true;
}

void WriteIncrements(WorkText& text) {
    Pos start = 1;
    for (Pos p = 1; p <= lastPos(text); ++p) {
        if (!endsStatement(charAt(text, p))) continue;
        if (rewriteSelfAssignment(text, start, p)) {
            p = start - 1;  // read the rewritten statement again
            continue;
        }
        start = p + 1;
    }
}

}  // namespace

void WriteCpp(WorkText& text, zolt::VocabularyKind vocabulary) {
    DropEmptyStatements(text);
    EndOpenLines(text);
    ReplaceAll(text, "$", "==");
    ReplaceAll(text, "~", "!=");
    ReplaceAll(text, "}", ">=");
    ReplaceAll(text, "{", "<=");
    DoubleOperator(text, '|');
    DoubleOperator(text, '&');
    MarkGroups(text);
    WriteIncrements(text);
    InsertThenMarkers(text, " { ");
    CloseGotos(text);
    ReplaceAll(text, "d_a_l:", " } ");
    ReplaceAll(text, "elsed:", " } else { ");
    ReplaceAll(text, "gotodopol(", " goto ");
    ReplaceAll(text, "ifdo(", "if (");
    ApplyRenames(text, builtinSpellings(4, vocabulary));
    TidySemicolons(text);
    ReplaceAll(text, "};", "}");
    MergeDoubledGroups(text);
    ReplaceAll(text, ":;", ":");
    SpaceAfter(text, ";:|&", "|&");
    TrimOuterLineBreaks(text);
}

}  // namespace zolt::syntax
