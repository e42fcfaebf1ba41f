// The readers of Basic, Pascal and C++: each turns a lower-cased WorkText of its syntax into the
// internal notation, ending with the reader steps all readers share. Each has the shape of an
// intake Reader.
#pragma once

#include "text_utils.h"
#include "vocabulary.h"

namespace zolt::syntax {

// Codes for texts these readers cannot place.
enum StructuredReaderCode {
    kBlockIfWithoutEndIf = 41,  // Basic: THEN ends a line but no "End IF" closes the block
    kIncrementWithoutName = 42, // C++: "++", "--", "+=" ... with no variable in front of it
    kIfBlockLeftOpen = 43,      // an if-block the reader could not close (a name holds a key word)
};

// Each returns 0, 56, 40, 30, 50, a reader limit code, or one of the codes above; Pascal and C++
// also 20 and 25 for block markers that do not balance.
int ReadBasic(WorkText& text, zolt::VocabularyKind vocabulary);
int ReadPascal(WorkText& text, zolt::VocabularyKind vocabulary);
int ReadCpp(WorkText& text, zolt::VocabularyKind vocabulary);

}  // namespace zolt::syntax
