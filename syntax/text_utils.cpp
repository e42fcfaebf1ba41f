// Text utilities of the syntax layer: character classes and in-place rewrites of WorkText.
#include "text_utils.h"

namespace zolt::syntax {

namespace {
unsigned char byteOf(char c) { return static_cast<unsigned char>(c); }
size_t index(Pos p) { return static_cast<size_t>(p - 1); }
}  // namespace

bool startsAt(std::string_view text, Pos p, std::string_view s) {
    if (p < 1 || index(p) + s.size() > text.size()) return false;
    return text.compare(index(p), s.size(), s) == 0;
}

bool endsAt(std::string_view text, Pos p, std::string_view s) {
    const Pos start = p - static_cast<Pos>(s.size()) + 1;
    return start >= 1 && startsAt(text, start, s);
}

void insertAt(WorkText& text, Pos p, std::string_view s) {
    if (p < 1) p = 1;
    if (p > lastPos(text) + 1) p = lastPos(text) + 1;
    text.insert(index(p), s);
}

void eraseAt(WorkText& text, Pos p, Pos count) {
    if (p < 1 || p > lastPos(text) || count <= 0) return;
    text.erase(index(p), static_cast<size_t>(count));
}

Pos findFrom(std::string_view text, std::string_view s, Pos from) {
    if (from < 1) from = 1;
    if (s.empty() || index(from) >= text.size()) return 0;
    const size_t found = text.find(s, index(from));
    return found == std::string_view::npos ? 0 : static_cast<Pos>(found) + 1;
}

Pos MatchingClose(std::string_view text, Pos p, char open, char close) {
    long depth = 0;
    for (Pos q = p; q <= lastPos(text); ++q) {
        const char c = charAt(text, q);
        if (c == open) ++depth;
        if (c == close && --depth == 0) return q;
    }
    return 0;
}

int CheckBalance(std::string_view text, char open, char close) {
    long depth = 0;
    for (char c : text) {
        if (c == open) ++depth;
        if (c == close && --depth < 0) return 20;
    }
    return depth == 0 ? 0 : 25;
}

bool isLowerLetter(char c) {
    const unsigned char b = byteOf(c);
    return (b >= 'a' && b <= 'z') || b >= 0xE0;
}

bool isLatinLowerLetter(char c) { return c >= 'a' && c <= 'z'; }

bool isLetter(char c) {
    const unsigned char b = byteOf(c);
    return isLowerLetter(c) || (b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDF);
}

bool isSeparator(char c) {
    switch (c) {
        case '\r': case '\n': case '$': case '&': case '(': case ')': case '*': case '+': case ',':
        case '-': case '/': case ':': case ';': case '<': case '=': case '>': case '^': case '{':
        case '|': case '}': case '~':
            return true;
        default:
            return false;
    }
}

bool isOperatorChar(char c) {
    switch (c) {
        case '+': case '-': case '*': case '/': case '^': case '<': case '>': case '$': case '~':
        case '|': case '&': case '{': case '}': case '(': case '=':
            return true;
        default:
            return false;
    }
}

char lowerLetter(char c) {
    const unsigned char b = byteOf(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDF)) return static_cast<char>(b + 32);
    return c;
}

char lowerLatinLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

void ReplaceAll(WorkText& text, std::string_view from, std::string_view to) {
    if (from.empty() || text.find(from) == std::string::npos) return;
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const size_t found = text.find(from, i);
        if (found == std::string::npos) break;
        out.append(text, i, found - i);
        out.append(to);
        i = found + from.size();
    }
    out.append(text, i, std::string::npos);
    text = std::move(out);
}

void ReplaceWord(WorkText& text, std::string_view from, std::string_view to, bool (*isWordLetter)(char)) {
    if (from.empty()) return;
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    size_t copied = 0;
    while ((i = text.find(from, i)) != std::string::npos) {
        const char before = i == 0 ? '\0' : text[i - 1];
        const size_t after = i + from.size();
        const char next = after < text.size() ? text[after] : '\0';
        if (i == 0 || isWordLetter(before) || isWordLetter(next)) {
            ++i;
            continue;
        }
        out.append(text, copied, i - copied);
        out.append(to);
        i = copied = after;
    }
    if (copied == 0 && out.empty()) return;
    out.append(text, copied, std::string::npos);
    text = std::move(out);
}

void DeleteAll(WorkText& text, std::string_view s) { ReplaceAll(text, s, {}); }

void BreakLineAfter(WorkText& text, Pos p) {
    if (p < 1 || charAt(text, p) == '\n' || charAt(text, p + 1) == '\r') return;
    if (p > lastPos(text)) return;
    insertAt(text, p + 1, "\r\n");
}

void TrimOuterLineBreaks(WorkText& text) {
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0) text.resize(text.size() - 2);
    if (text.size() >= 2 && text.compare(0, 2, "\r\n") == 0) text.erase(0, 2);
}

void ReplaceRepeatedly(WorkText& text, std::string_view from, std::string_view to) {
    while (text.find(from) != std::string::npos) ReplaceAll(text, from, to);
}

void CollapseEmptyLines(WorkText& text) { ReplaceRepeatedly(text, "\r\n\r\n", "\r\n"); }

void MoveLineStartsUp(WorkText& text, char c) {
    const char from[] = {'\r', '\n', c};
    ReplaceRepeatedly(text, std::string_view(from, 3), std::string_view(&c, 1));  // the line break goes
}

void TidySemicolons(WorkText& text) {
    ReplaceAll(text, " ;", ";");
    MoveLineStartsUp(text, ';');
    ReplaceRepeatedly(text, ";;", ";");
    MoveLineStartsUp(text, '}');
}

void PairToChar(WorkText& text, char a, char b, char c) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (i + 1 < text.size() && ((text[i] == a && text[i + 1] == b) || (text[i] == b && text[i + 1] == a))) {
            out += c;
            ++i;
        } else {
            out += text[i];
        }
    }
    text = std::move(out);
}

void DoubleOperator(WorkText& text, char c) {
    const char doubled[] = {' ', c, c};
    const char single[] = {c};
    ReplaceAll(text, std::string_view(single, 1), std::string_view(doubled, 3));
}

void LowerCase(WorkText& text, bool latinOnly) {
    for (char& c : text) c = latinOnly ? lowerLatinLetter(c) : lowerLetter(c);
}

void RemoveSpaces(WorkText& text) { DeleteAll(text, " "); }

}  // namespace zolt::syntax
