// The five surface syntaxes, in the fixed order of the syntax selector and of the stored texts.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "intake.h"

namespace zolt::syntax {

enum SyntaxIndex { kZoltRussian = 0, kZoltEnglish = 1, kBasic = 2, kPascal = 3, kCpp = 4 };
inline constexpr int kSyntaxCount = 5;

// The names shown in the selector (ASCII, the same in Windows-1251 and UTF-8).
inline constexpr std::array<std::string_view, kSyntaxCount> kSyntaxNames = {
    "Zolt Russian", "Zolt English", "Basic", "Pascal", "C++"};
// The command-line words.
inline constexpr std::array<std::string_view, kSyntaxCount> kSyntaxWords = {
    "russian", "english", "basic", "pascal", "cpp"};

// The index of a command-line word or of a number 0 to 4.
inline std::optional<int> syntaxNamed(std::string_view word) {
    for (int i = 0; i < kSyntaxCount; ++i)
        if (kSyntaxWords[i] == word) return i;
    if (word.size() == 1 && word[0] >= '0' && word[0] < '0' + kSyntaxCount) return word[0] - '0';
    return std::nullopt;
}

// The reader of a syntax index (null for -1, no syntax selected, or an index out of range).
Reader readerForSyntax(int syntaxIndex);

}  // namespace zolt::syntax
