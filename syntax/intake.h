// The intake: turns an editor text in a surface syntax into checked, normalised internal notation
// and compiles it. Every step is a function of its own so that other translators can reuse them.
#pragma once

#include <string_view>

#include "errors.h"
#include "text_utils.h"
#include "vocabulary.h"

namespace zolt {
class Engine;
}

namespace zolt::syntax {

// A reader translates a lower-cased WorkText of its surface syntax into internal notation in
// place and returns 0 or an error code.
using Reader = int (*)(WorkText& text, zolt::VocabularyKind vocabulary);

// Step 1: WorkText = CR LF + editor text (up to a zero character, if any) + CR LF.
void LoadEditorText(WorkText& text, std::string_view editorText);
// Step 2: 10 if the text holds '#', '@', '[' or ']'; the first one is put in details.character.
int CheckForbiddenCharacters(std::string_view text, ErrorDetails* details = nullptr);
// Step 3: 20 for a ')' without an open '(', 25 for a '(' never closed.
int CheckParenthesisBalance(std::string_view text);
// Step 4 is LowerCase (text_utils.h).
// Step 6: "pusto();" after every label colon that is followed by another colon with no
// operator character between them ('a:b:' -> 'a:pusto();b:').
void FillLabelChains(WorkText& text);
// Step 7: "pusto();" appended when the last colon is not followed by an operator character.
void CloseTrailingLabel(WorkText& text);
// Step 8: MoveLineStartsUp(text, ';'). Step 9: ReplaceRepeatedly(text, ";;", ";").
// Step 10: MoveLineStartsUp(text, ')').
// Step 11: ';' before the CR LF of every non-empty line that does not end in ';'.
void EndLinesWithSemicolons(WorkText& text);
// Step 12: '((' ... '))' whose inner pair matches becomes '(' ... ')'.
void RemoveDoubledParentheses(WorkText& text);
// Step 13: a text whose first character other than CR and LF is '(' loses that pair.
void RemoveOuterParentheses(WorkText& text);
// Step 14: 52 for a label colon after an operator, 54 for an '=' that does not start an
// assignment.
int CheckSeparators(std::string_view text);

// Steps 6 to 13 in order.
void NormaliseInternal(WorkText& text);

// Steps 1 to 14. A null reader (no syntax selected) leaves the lowered text as it is.
// On failure WorkText holds the text as far as it got; details.character is set for code 10.
int TranslateEditorText(WorkText& text, std::string_view editorText, Reader reader,
                        zolt::VocabularyKind vocabulary, ErrorDetails* details = nullptr);

// Steps 1 to 15: translates and then compiles WorkText with engine.CompileProgram. The compile
// error's details come from the engine.
int IntakeEditorText(WorkText& text, std::string_view editorText, Reader reader, zolt::Engine& engine,
                     ErrorDetails* details = nullptr);

}  // namespace zolt::syntax
