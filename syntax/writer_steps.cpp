// Steps that several writers share.
#include "writer_steps.h"

#include <vector>

namespace zolt::syntax {

void DropEmptyStatements(WorkText& text) { DeleteAll(text, "pusto();"); }

void InsertThenMarkers(WorkText& text, std::string_view marker, bool breakAfter) {
    bool inCondition = false;
    int depth = 0;
    for (Pos p = 1; p <= lastPos(text); ++p) {
        const char c = charAt(text, p);
        if (!inCondition) {
            if (c == '(' && endsAt(text, p, "ifdo(")) {
                inCondition = true;
                depth = 1;
            }
            continue;
        }
        if (c == '(') ++depth;
        if (c == ')' && --depth == 0) {
            insertAt(text, p + 1, marker);
            p += static_cast<Pos>(marker.size());
            if (breakAfter) BreakLineAfter(text, p);
            inCondition = false;
        }
    }
}

void CloseGotos(WorkText& text) {
    constexpr std::string_view kGoto = "gotodopol";
    for (Pos p = findFrom(text, kGoto); p != 0; p = findFrom(text, kGoto, p + 1)) {
        const Pos close = findFrom(text, ")", p + static_cast<Pos>(kGoto.size()));
        if (close == 0) break;
        eraseAt(text, close, 1);
    }
}

namespace {

// Characters after which a '(' opens a statement group ...
bool endsStatement(char c) { return c == ';' || c == ':' || c == '\r' || c == '\n' || c == ')'; }
// ... and characters after which it belongs to an expression.
bool continuesExpression(char c) {
    switch (c) {
        case '=': case '&': case '|': case '+': case '-': case '*': case '/': case '^':
            return true;
        default:
            return isLowerLetter(c);
    }
}

}  // namespace

void MarkGroups(WorkText& text) {
    bool afterStatementEnd = true;  // a '(' at the very start is a group
    for (char& c : text) {
        if (c == '(') {
            if (afterStatementEnd) c = '{';
        } else if (endsStatement(c)) {
            afterStatementEnd = true;
        } else if (continuesExpression(c)) {
            afterStatementEnd = false;
        }
    }
    std::vector<char> open;  // kinds of the parentheses still open
    for (char& c : text) {
        if (c == '(' || c == '{') {
            open.push_back(c);
        } else if (c == ')' && !open.empty()) {
            if (open.back() == '{') c = '}';
            open.pop_back();
        }
    }
}

void SpaceAfter(WorkText& text, std::string_view after, std::string_view unlessDoubled, bool colonBeforeAssign) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        out += c;
        if (after.find(c) == std::string_view::npos) continue;
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (next == ' ') continue;
        if (next == c && unlessDoubled.find(c) != std::string_view::npos) continue;
        if (c == ':' && colonBeforeAssign && next == '=') continue;
        out += ' ';
    }
    text = std::move(out);
}

void EndOpenLines(WorkText& text) {
    std::string out;
    out.reserve(text.size() + 16);
    size_t lineStart = 0;
    while (lineStart <= text.size()) {
        size_t lineEnd = text.find("\r\n", lineStart);
        const bool last = lineEnd == std::string::npos;
        if (last) lineEnd = text.size();
        out.append(text, lineStart, lineEnd - lineStart);
        if (lineEnd > lineStart) {
            const char end = text[lineEnd - 1];
            if (end != ';' && end != '(' && end != ':') out += ';';
        }
        if (last) break;
        out += "\r\n";
        lineStart = lineEnd + 2;
    }
    text = std::move(out);
}

namespace {

// Position of the first character at or after p that is not a blank (0 at the end).
Pos skipBlanks(std::string_view text, Pos p) {
    while (charAt(text, p) == ' ') ++p;
    return p <= lastPos(text) ? p : 0;
}

// Position of the brace that closes the one at `open`, or 0.
Pos closingBrace(std::string_view text, Pos open) {
    int depth = 0;
    for (Pos p = open; p <= lastPos(text); ++p) {
        const char c = charAt(text, p);
        if (c == '{') ++depth;
        if (c == '}' && --depth == 0) return p;
    }
    return 0;
}

}  // namespace

void MergeDoubledGroups(WorkText& text) {
    Pos p = 1;
    while (p <= lastPos(text)) {
        if (charAt(text, p) != '{') {
            ++p;
            continue;
        }
        const Pos inner = skipBlanks(text, p + 1);
        if (inner == 0 || charAt(text, inner) != '{') {
            ++p;
            continue;
        }
        const Pos innerClose = closingBrace(text, inner);
        const Pos after = innerClose ? skipBlanks(text, innerClose + 1) : 0;
        if (after != 0 && charAt(text, after) == '}') {
            eraseAt(text, innerClose, 1);
            eraseAt(text, p, 1);
            continue;  // look again where the outer brace stood
        }
        p = inner + 1;
    }
}

void ApplyRenames(WorkText& text, std::span<const Rename> renames) {
    for (const Rename& r : renames) ReplaceAll(text, r.from, r.to);
}

void ApplyWordRenames(WorkText& text, std::span<const Rename> renames) {
    for (const Rename& r : renames) ReplaceWord(text, r.from, r.to);
}

}  // namespace zolt::syntax
