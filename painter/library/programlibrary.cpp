// Span lookups of the library in memory.
#include "programlibrary.h"

namespace library {

std::string_view ProgramLibrary::spanText(const ProgramRecord& record, int span) const {
    if (span < 0 || span >= kSpanCount) return {};
    const TextSpan& s = record.spans[span];
    if (s.start > text.size() || s.length > text.size() - s.start) return {};
    return std::string_view(text).substr(s.start, s.length);
}

std::string_view ProgramLibrary::surfaceText(const ProgramRecord& record, int syntaxIndex) const {
    if (syntaxIndex < 0 || syntaxIndex >= kSyntaxCount) return {};
    return spanText(record, syntaxIndex + 1);
}

void ProgramLibrary::clear() {
    tools.clear();
    effects.clear();
    text.clear();
}

}  // namespace library
