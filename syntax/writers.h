// The writers: turn a program in the internal notation into the text of one surface syntax.
#pragma once

#include <string>
#include <string_view>

#include "text_utils.h"
#include "vocabulary.h"

namespace zolt::syntax {

// The surface text of `internal` (Windows-1251) in syntax 0 "Zolt Russian", 1 "Zolt English",
// 2 "Basic", 3 "Pascal" or 4 "C++"; any other index returns the internal text unchanged.
// Writers never fail: names no table lists pass through as they are.
std::string writeSurface(int syntaxIndex, std::string_view internal, zolt::VocabularyKind vocabulary);

// The five writers, each rewriting WorkText in place.
void WriteRussian(WorkText& text, zolt::VocabularyKind vocabulary);
void WriteEnglish(WorkText& text, zolt::VocabularyKind vocabulary);
void WriteBasic(WorkText& text, zolt::VocabularyKind vocabulary);
void WritePascal(WorkText& text, zolt::VocabularyKind vocabulary);
void WriteCpp(WorkText& text, zolt::VocabularyKind vocabulary);

}  // namespace zolt::syntax
