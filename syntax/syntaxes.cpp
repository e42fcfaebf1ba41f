// Which reader translates which surface syntax.
#include "syntaxes.h"

#include "keyword_reader.h"
#if __has_include("structured_readers.h")
#include "structured_readers.h"
#define ZOLT_HAVE_STRUCTURED_READERS 1
#endif

namespace zolt::syntax {

Reader readerForSyntax(int syntaxIndex) {
    switch (syntaxIndex) {
        case kZoltRussian: return ReadZoltRussian;
        case kZoltEnglish: return ReadZoltEnglish;
#ifdef ZOLT_HAVE_STRUCTURED_READERS
        case kBasic: return ReadBasic;
        case kPascal: return ReadPascal;
        case kCpp: return ReadCpp;
#endif
        default: return nullptr;
    }
}

}  // namespace zolt::syntax
