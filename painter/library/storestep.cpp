// The store step: six texts of a newly compiled program appended to LibraryText.
#include "storestep.h"

#include <vocabulary.h>
#include <writers.h>

#include <array>

#include "librarytext.h"

namespace library {
namespace {

char firstDelimiter(std::string_view text) {
    const std::size_t at = text.find_first_of(kRecordDelimiters);
    return at == std::string_view::npos ? '\0' : text[at];
}

}  // namespace

SurfaceWriter syntaxWriters(zolt::VocabularyKind vocabulary) {
    return [vocabulary](int syntaxIndex, std::string_view internal) {
        return zolt::syntax::writeSurface(syntaxIndex, internal, vocabulary);
    };
}

StoreResult storeProgramTexts(ProgramLibrary& library, ProgramRecord& record, std::string_view internal,
                              std::string_view editorText, int selectedSyntax, const SurfaceWriter& writer) {
    std::array<std::string, kSpanCount> texts;
    texts[kInternalSpan] = internal;
    for (int k = 0; k < kSyntaxCount; ++k) {
        texts[k + 1] = k == selectedSyntax ? std::string(editorText) : writer(k, internal);
    }
    for (const std::string& text : texts) {
        if (const char c = firstDelimiter(text)) return StoreResult{10, c};
    }
    for (int span = 0; span < kSpanCount; ++span) {
        record.spans[span] = TextSpan{library.text.size(), texts[span].size()};
        library.text += texts[span];
    }
    return {};
}

}  // namespace library
