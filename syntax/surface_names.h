// The surface spellings of built-in names and words, per syntax and vocabulary, as the writers use them.
#pragma once

#include <span>

#include "vocabulary.h"
#include "writer_steps.h"

namespace zolt::syntax {

// Built-in call names of one syntax (0 to 4), in the order they are replaced (so "lineto(" is
// handled before "line("), including the random-number call.
std::span<const Rename> builtinSpellings(int syntaxIndex, zolt::VocabularyKind vocabulary);

// Zolt Russian only: names written as whole words (the colour names or the board marks) and the
// pen and brush names, replaced after the built-ins.
std::span<const Rename> russianWordSpellings(zolt::VocabularyKind vocabulary);
std::span<const Rename> russianPenSpellings(zolt::VocabularyKind vocabulary);

}  // namespace zolt::syntax
