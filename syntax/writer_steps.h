// Steps that several writers share: dropping empty statements, then-markers, goto closing,
// statement-group marking, spacing and the merging of doubled groups.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "text_utils.h"

namespace zolt::syntax {

// One rename of a writer table: every occurrence of `from` becomes `to` (both Windows-1251).
struct Rename {
    std::string from;
    std::string to;
};

// DeleteAll "pusto();".
void DropEmptyStatements(WorkText& text);

// Inserts `marker` right after the `)` that closes each "ifdo(" condition. With breakAfter the
// then-part starts on a new line (a line break after the marker's last character).
void InsertThenMarkers(WorkText& text, std::string_view marker, bool breakAfter = false);

// Deletes the first `)` after each "gotodopol": the surface texts write the label bare.
void CloseGotos(WorkText& text);

// A `(` that opens a statement group becomes `{` and the `)` that closes it `}`.
void MarkGroups(WorkText& text);

// A blank after every character of `after` not already followed by one. A character of
// `unlessDoubled` is left alone when the same character follows it, and ':' when '=' follows
// if `colonBeforeAssign` is set.
void SpaceAfter(WorkText& text, std::string_view after, std::string_view unlessDoubled = {},
                bool colonBeforeAssign = false);

// Every line that is not empty and ends in a character other than ';', '(' or ':' gets ';'.
void EndOpenLines(WorkText& text);

// "{ {...} }" becomes "{...}" when the inner group is the outer one's only content.
void MergeDoubledGroups(WorkText& text);

// Applies the renames in order, each with ReplaceAll.
void ApplyRenames(WorkText& text, std::span<const Rename> renames);
// Applies the renames in order, each with ReplaceWord.
void ApplyWordRenames(WorkText& text, std::span<const Rename> renames);

}  // namespace zolt::syntax
