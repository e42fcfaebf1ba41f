// Which reader translates which surface syntax.
#include "syntaxes.h"

#include "keyword_reader.h"
#include "structured_readers.h"

namespace zolt::syntax {

Reader readerForSyntax(int syntaxIndex) {
    switch (syntaxIndex) {
        case kZoltRussian: return ReadZoltRussian;
        case kZoltEnglish: return ReadZoltEnglish;
        case kBasic: return ReadBasic;
        case kPascal: return ReadPascal;
        case kCpp: return ReadCpp;
        default: return nullptr;
    }
}

}  // namespace zolt::syntax
