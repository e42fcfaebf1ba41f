// The readers of Zolt Russian and Zolt English, and the reader steps every reader shares:
// the if-nesting check, the if-block builder and the finishing steps.
#pragma once

#include "text_utils.h"
#include "vocabulary.h"

namespace zolt::syntax {

// Codes for limits of the readers.
enum ReaderLimitCode {
    kTooManyIfBlocks = 31,      // more than kMaxIfBlocks nested if-blocks
    kConditionsTooDeep = 32,    // more than kMaxConditionLevels nested if-conditions
};
inline constexpr int kMaxIfBlocks = 9;
inline constexpr int kMaxConditionLevels = 12;

// Translates a lower-cased text of Zolt Russian (russian) or Zolt English into internal
// notation. Returns 0, 56, 40, 30, 50 or a limit code.
int ReadKeywordSyntax(WorkText& text, bool russian, zolt::VocabularyKind vocabulary);
// The same, in the shape of an intake Reader.
int ReadZoltRussian(WorkText& text, zolt::VocabularyKind vocabulary);
int ReadZoltEnglish(WorkText& text, zolt::VocabularyKind vocabulary);

// --- the steps, in the order ReadKeywordSyntax runs them ---------------------------------
// Whole-word "или"/"и" (russian) or "or"/"and" to '|' and '&'; isWordLetter decides what a
// neighbouring letter is (the lock game counts only a-z).
void ReplaceConnectives(WorkText& text, bool russian, bool (*isWordLetter)(char) = isLowerLetter);
// RemoveSpaces (text_utils.h).
// Russian names of the built-ins of the vocabulary, replaced by the internal ones.
void TranslateRussianBuiltins(WorkText& text, zolt::VocabularyKind vocabulary);
// 56 if a '(' directly follows a ')'.
int CheckCallAfterParenthesis(std::string_view text);
// if/then/else/goto/random words to ifdo/thend/elsed/gotodopol/rnddopoln, anywhere.
void ReplaceKeywords(WorkText& text, bool russian);
// 40 for a "thend" with no open "ifdo", 30 for an "ifdo" without "thend" or a condition that
// closes more parentheses than it opens, kConditionsTooDeep past the nesting limit.
int CheckIfNesting(std::string_view text);
// "<=" '=<' -> '{', ">=" '=>' -> '}', "<>" "><" -> '~'.
void ReplaceTwoCharacterComparisons(WorkText& text);
// Every '=' between an "ifdo" and its "thend" becomes '$'.
void MarkEqualityInConditions(WorkText& text);
// Closes every if-block with "d_a_l:pusto();" and writes "ifdo(", ")" and "elsed:".
// Returns 0, 50 (an else-part without a then-part) or kTooManyIfBlocks.
int BuildIfBlocks(WorkText& text);
// '(' after every "gotodopol" and ')' before the next ';'.
void CloseGotoArguments(WorkText& text);
// 'a<b<c' -> 'a<b&b<c' within one operand of '&' or '|'. A ';', LF, ',' or the ')' of an
// enclosing parenthesis ends a chain; comparisons inside parentheses chain among themselves.
void ExpandComparisonChains(WorkText& text);
// "()" after every "rnddopoln" not followed by '(' (always, with evenBeforeParenthesis).
void CompleteRandomCalls(WorkText& text, bool evenBeforeParenthesis = false);
// The three finishing steps every reader ends with: goto arguments, comparison chains,
// random calls.
void FinishReading(WorkText& text);

}  // namespace zolt::syntax
