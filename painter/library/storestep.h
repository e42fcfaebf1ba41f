// The store step: a newly compiled program's six texts appended to LibraryText.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "programlibrary.h"

namespace zolt {
enum class VocabularyKind;
}

namespace library {

// The writer of one surface syntax: (syntax index 0..4, internal text) -> surface text.
using SurfaceWriter = std::function<std::string(int syntaxIndex, std::string_view internal)>;

// The five writers of the syntax layer for a vocabulary.
SurfaceWriter syntaxWriters(zolt::VocabularyKind vocabulary);

struct StoreResult {
    int code = 0;         // 0: stored; 10: a text held a record delimiter, nothing was stored
    char offending = 0;   // that delimiter
};

// Appends the internal text, then the text of each syntax 0..4: the editor text exactly as typed
// for the selected syntax, the writer's output for the others; points the record's spans at
// them. The old texts stay in LibraryText. A text holding a record delimiter would corrupt the
// file, so it is refused before anything is appended.
StoreResult storeProgramTexts(ProgramLibrary& library, ProgramRecord& record, std::string_view internal,
                              std::string_view editorText, int selectedSyntax, const SurfaceWriter& writer);

}  // namespace library
