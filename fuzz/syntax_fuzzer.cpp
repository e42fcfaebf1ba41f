// libFuzzer target over the syntax layer and the engine: an editor text in one of the five
// syntaxes goes through the intake, the compiler and a bounded run; the internal text it gives
// is written in all five syntaxes and each is read back and compiled again.
//
// Input: byte 0 chooses the syntax (bits 0-2, modulo 6: 5 means the internal notation compiled
// directly), the vocabulary (bit 3: board game) and the draw mode (bit 4: pixel buffer); the
// other bytes are the editor text in Windows-1251.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine.h"
#include "intake.h"
#include "syntaxes.h"
#include "writers.h"

namespace {

using zolt::VocabularyKind;

constexpr long long kRunLimit = 1000;
constexpr int kInternal = 5;

// A canvas that takes every call and reads a fixed pattern.
class NullPainter : public zolt::PainterHost {
public:
    void setPenColor(int) override {}
    void setPenWidth(int) override {}
    void setBrushColor(int) override {}
    void ellipse(int, int, int, int) override {}
    void rectangle(int, int, int, int) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}
    void setPixel(int, int, int) override {}
    int pixel(int x, int y) override { return x >= 0 && y >= 0 && x < 64 && y < 64 ? (x ^ y) & 0xFF : -1; }
    void fill(int, int, int, int) override {}
    void drawText(int, int, const std::string&) override {}
};

// A small board with a few marks.
class SmallBoard : public zolt::BoardHost {
public:
    int boardCell(int i, int j) const override { return (i * 7 + j * 3) % 5 == 0 ? (i + j) % 3 : 1; }
    void placeComputerMark(int, int) override {}
};

// Compiles and runs an internal text; the run is bounded.
// `checked`: the text came through a reader that makes sure every conditional it opens is
// closed (Basic, Pascal, C++).
void compileAndRun(std::string_view internal, VocabularyKind vocabulary, char drawMode, bool checked) {
    zolt::Engine engine(vocabulary);
    engine.setDrawMode(drawMode);
    NullPainter painter;
    SmallBoard board;
    std::vector<unsigned char> read(54 + 12 * 4), write(54 + 12 * 4);
    engine.painter = &painter;
    engine.board = &board;
    engine.readBuffer = {read.data(), 4, 4};
    engine.writeBuffer = {write.data(), 4, 4};
    const int code = engine.CompileProgram(internal);
    // The compiler refuses a text that leaves a conditional open; a checked reader must never
    // produce one from a whole text.
    if (code == zolt::kConditionNotClosed && checked && internal.find('\0') == std::string_view::npos)
        __builtin_trap();
    if (code != 0 || !engine.entryInstruction()) return;
    engine.cell("x") = 3;
    engine.cell("y") = 2;
    if (vocabulary == VocabularyKind::Painter) {
        engine.cell("a") = 20;
        engine.cell("b") = 10;
    }
    engine.RunBounded(engine.entryInstruction(), kRunLimit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int syntax = (data[0] & 7) % 6;
    const VocabularyKind vocabulary = (data[0] & 8) ? VocabularyKind::Board : VocabularyKind::Painter;
    const char drawMode = (data[0] & 16) ? 'b' : 'n';
    const std::string_view editorText(reinterpret_cast<const char*>(data + 1), size - 1);

    std::string internal;
    if (syntax == kInternal) {
        internal = editorText;
    } else {
        zolt::syntax::WorkText text;
        if (zolt::syntax::TranslateEditorText(text, editorText, zolt::syntax::readerForSyntax(syntax), vocabulary) != 0)
            return 0;
        internal = text;
    }
    compileAndRun(internal, vocabulary, drawMode, syntax >= zolt::syntax::kBasic && syntax != kInternal);

    // Every accepted text can be written in every syntax; what reads back compiles and runs.
    for (int target = 0; target < zolt::syntax::kSyntaxCount; ++target) {
        const std::string surface = zolt::syntax::writeSurface(target, internal, vocabulary);
        // The library file delimits records with these characters; a writer must never make one.
        if (internal.find_first_of("#@[]") == std::string::npos && surface.find_first_of("#@[]") != std::string::npos)
            __builtin_trap();
        zolt::syntax::WorkText again;
        if (zolt::syntax::TranslateEditorText(again, surface, zolt::syntax::readerForSyntax(target), vocabulary) == 0)
            compileAndRun(again, vocabulary, drawMode, target >= zolt::syntax::kBasic);
    }
    return 0;
}
