// Choice of the writer by syntax index.
#include "writers.h"

namespace zolt::syntax {

std::string writeSurface(int syntaxIndex, std::string_view internal, zolt::VocabularyKind vocabulary) {
    WorkText text(internal);
    if (syntaxIndex < 0 || syntaxIndex > 4) return text;
    // The writers expect the intake's layout, a line break in front of the program: whole-word
    // renames never match at the first position. The writers' trimming takes it off again.
    if (text.compare(0, 2, "\r\n") != 0) text.insert(0, "\r\n");
    switch (syntaxIndex) {
        case 0: WriteRussian(text, vocabulary); break;
        case 1: WriteEnglish(text, vocabulary); break;
        case 2: WriteBasic(text, vocabulary); break;
        case 3: WritePascal(text, vocabulary); break;
        case 4: WriteCpp(text, vocabulary); break;
    }
    return text;
}

}  // namespace zolt::syntax
