// Text utilities of the syntax layer: character classes and in-place rewrites of WorkText.
#pragma once

#include <string>
#include <string_view>

namespace zolt::syntax {

// The one Windows-1251 string that the intake, readers and writers rewrite in place.
// Positions in this layer count from 1, as the algorithms do; use the helpers below.
using WorkText = std::string;
using Pos = long;

// The character at position p (1-based); the zero character outside 1..size.
inline char charAt(std::string_view text, Pos p) {
    return p >= 1 && p <= static_cast<Pos>(text.size()) ? text[static_cast<size_t>(p - 1)] : '\0';
}
inline Pos lastPos(std::string_view text) { return static_cast<Pos>(text.size()); }
// True if `s` occurs starting at position p.
bool startsAt(std::string_view text, Pos p, std::string_view s);
// True if `s` occurs with its last character at position p.
bool endsAt(std::string_view text, Pos p, std::string_view s);
// Inserts `s` so that its first character stands at position p (p = size + 1 appends).
void insertAt(WorkText& text, Pos p, std::string_view s);
// Deletes `count` characters starting at position p.
void eraseAt(WorkText& text, Pos p, Pos count);
// Position of the first occurrence of `s` at or after `from`, or 0.
Pos findFrom(std::string_view text, std::string_view s, Pos from = 1);

// Position of the `close` that matches the `open` character at position p, or 0.
Pos MatchingClose(std::string_view text, Pos p, char open = '(', char close = ')');
// 20 when a `close` has no open `open` before it, 25 when an `open` is never closed, else 0.
int CheckBalance(std::string_view text, char open = '(', char close = ')');

// --- character classes (Windows-1251 bytes) ----------------------------------------------
// a-z and а-я (E0-FF).
bool isLowerLetter(char c);
// a-z only (the lock game's word rule).
bool isLatinLowerLetter(char c);
// Lower-case letters, A-Z and А-Я (C0-DF). Ё and ё are not letters here.
bool isLetter(char c);
// CR, LF and $ & ( ) * + , - / : ; < = > ^ { | } ~
bool isSeparator(char c);
// The fifteen operator characters of the internal notation: + - * / ^ < > $ ~ | & { } ( =
bool isOperatorChar(char c);
// A-Z and А-Я raised by 32; every other byte unchanged.
char lowerLetter(char c);
// A-Z only.
char lowerLatinLetter(char c);

// --- rewrites ----------------------------------------------------------------------------
// Every occurrence of `from`, found left to right without overlap, becomes `to`.
void ReplaceAll(WorkText& text, std::string_view from, std::string_view to);
// Like ReplaceAll, but only where neither neighbour is a word letter (by default a lower-case
// letter) and the occurrence does not start at position 1.
void ReplaceWord(WorkText& text, std::string_view from, std::string_view to,
                 bool (*isWordLetter)(char) = isLowerLetter);
void DeleteAll(WorkText& text, std::string_view s);
// Inserts CR LF after position p, unless p < 1, the character at p is LF or the next one is CR.
void BreakLineAfter(WorkText& text, Pos p);
// Deletes one CR LF at the end, then one CR LF at the start.
void TrimOuterLineBreaks(WorkText& text);
// CR LF CR LF becomes CR LF until no empty line is left.
void CollapseEmptyLines(WorkText& text);
// Moves every `c` that starts a line to the end of the previous line, until none starts one.
void MoveLineStartsUp(WorkText& text, char c);
// Space before ';' deleted and ';' at line starts moved up; ";;" -> ";"; '}' at line starts moved up.
void TidySemicolons(WorkText& text);
// Every adjacent "ab" or "ba" becomes c (with a == b every doubled character).
void PairToChar(WorkText& text, char a, char b, char c);
// Every c becomes " cc".
void DoubleOperator(WorkText& text, char c);
// Replaces `from` by `to` repeatedly until it no longer occurs (";;" -> ";").
void ReplaceRepeatedly(WorkText& text, std::string_view from, std::string_view to);
// Lowers A-Z and А-Я (or with latinOnly, A-Z only).
void LowerCase(WorkText& text, bool latinOnly = false);
// Deletes every blank (other white space stays).
void RemoveSpaces(WorkText& text);

}  // namespace zolt::syntax
