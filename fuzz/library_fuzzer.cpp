// libFuzzer target over the program library: any file's bytes are read as a library (RTF or
// plain) with both formats, every program compiled while it is read; the text written back must
// read again to the same text, and the RTF container must give back exactly what it was given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine.h"
#include "librarytext.h"
#include "richtext.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

void readAndWriteBack(const std::string& text, const library::LibraryFormat& format, zolt::VocabularyKind kind) {
    zolt::Engine engine(kind);
    library::ProgramLibrary lib;
    library::readLibraryText(lib, text, format, &engine);
    const std::string written = library::buildLibraryText(lib, format);

    library::ProgramLibrary again;
    library::readLibraryText(again, library::libraryTextFromFile(library::toRichText(written)), format, nullptr);
    check(library::buildLibraryText(again, format) == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = library::libraryTextFromFile(bytes);
    readAndWriteBack(text, library::kPainterFormat, zolt::VocabularyKind::Painter);
    readAndWriteBack(text, library::kBoardFormat, zolt::VocabularyKind::Board);

    // The container keeps every byte but the zero byte.
    std::string plain = bytes;
    std::erase(plain, '\0');
    check(library::fromRichText(library::toRichText(plain)) == plain);
    return 0;
}
