// Round trip: every program of the corpus, written in each of the five syntaxes by its writer
// and read back by the intake with that syntax's reader, behaves as the original program: the
// same drawing calls, board moves, pixels, run errors and variable values over several runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "engine.h"
#include "intake.h"
#include "program_corpus.h"
#include "syntax_test_text.h"
#include "syntaxes.h"
#include "writers.h"

namespace zolt::syntax {
namespace {

using test::shown;

// Every call that reaches the canvas, in order, with a colour pattern to read.
class RecordingPainter : public PainterHost {
public:
    std::ostringstream log;
    void setPenColor(int c) override { log << "pen " << c << ';'; }
    void setPenWidth(int w) override { log << "width " << w << ';'; }
    void setBrushColor(int c) override { log << "brush " << c << ';'; }
    void ellipse(int a, int b, int c, int d) override { log << "ellipse " << a << ',' << b << ',' << c << ',' << d << ';'; }
    void rectangle(int a, int b, int c, int d) override { log << "rect " << a << ',' << b << ',' << c << ',' << d << ';'; }
    void moveTo(int x, int y) override { log << "move " << x << ',' << y << ';'; }
    void lineTo(int x, int y) override { log << "line " << x << ',' << y << ';'; }
    void setPixel(int x, int y, int c) override { log << "pixel " << x << ',' << y << ',' << c << ';'; }
    int pixel(int x, int y) override {
        log << "read " << x << ',' << y << ';';
        return (x % 4 == 0 || y % 5 == 0) ? 0xFFFFFF : (x * 31 + y * 17) % 5 * 0x404040;
    }
    void fill(int x, int y, int b, int a) override { log << "fill " << x << ',' << y << ',' << b << ',' << a << ';'; }
    void drawText(int x, int y, const std::string& t) override { log << "text " << x << ',' << y << ',' << t << ';'; }
};

// A board with a few marks; the computer's moves are recorded and taken.
class RecordingBoard : public BoardHost {
public:
    std::ostringstream log;
    int cells[20][20];
    explicit RecordingBoard(int position) {
        for (auto& column : cells)
            for (int& c : column) c = 1;
        cells[9][9] = 0;
        if (position > 0) {
            cells[10][9] = 0;
            cells[11][9] = 0;
            cells[10][10] = 2;
            cells[12][9] = 0;
        }
    }
    int boardCell(int i, int j) const override { return cells[i][j]; }
    void placeComputerMark(int i, int j) override {
        log << "mark " << i << ',' << j << ';';
        cells[i][j] = 2;
    }
};

// A 24-bit bitmap image in memory, filled with a pattern.
struct Bitmap {
    static constexpr int kSide = 32;
    std::vector<unsigned char> bytes;
    Bitmap() : bytes(54 + (3 * kSide + 3) / 4 * 4 * kSide) {
        for (size_t i = 54; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>((i * 37) % 7 == 0 ? 255 : i % 3 * 60);
    }
    PixelBuffer view() { return {bytes.data(), kSide, kSide}; }
};

constexpr long long kRunLimit = 3'000'000;

// What one program did over a fixed series of runs.
std::string behaviour(const corpus::Program& program, const std::string& internal) {
    Engine engine(program.vocabulary);
    engine.setDrawMode(program.drawMode);
    if (const int code = engine.CompileProgram(internal)) return "compile error " + std::to_string(code);
    Instruction* entry = engine.entryInstruction();
    std::ostringstream out;

    if (program.vocabulary == VocabularyKind::Board) {
        for (int position = 0; position < 2; ++position) {
            RecordingBoard board(position);
            engine.board = &board;
            engine.ClearVariables({"x", "y", "tit", "tat", "empty"});
            bool moved = false;
            for (engine.cell("y") = 1; engine.cell("y") <= 20 && !moved; engine.cell("y") += 1)
                for (engine.cell("x") = 1; engine.cell("x") <= 20 && !moved; engine.cell("x") += 1) {
                    engine.stopRun(0);
                    if (engine.RunBounded(entry, kRunLimit) == LockRunEnd::LimitHit) out << "limit;";
                    moved = engine.runError() != 0;
                }
            out << board.log.str() << " error " << engine.runError() << '\n';
        }
        engine.board = nullptr;
    } else {
        RecordingPainter painter;
        Bitmap source, target;
        engine.painter = &painter;
        engine.readBuffer = source.view();
        engine.writeBuffer = target.view();
        const double inputs[][4] = {{100, 60, 5, 7}, {37, 80, 12, 3}, {30, 30, 15, 15}, {-20, 45, 0, 29}};
        for (const auto& in : inputs) {
            engine.cell("a") = in[0];
            engine.cell("b") = in[1];
            engine.cell("x") = in[2];
            engine.cell("y") = in[3];
            engine.stopRun(0);
            if (engine.RunBounded(entry, kRunLimit) == LockRunEnd::LimitHit) out << "limit;";
            out << " error " << engine.runError() << '\n';
        }
        out << painter.log.str() << '\n';
        out << (target.bytes == Bitmap().bytes ? "buffer untouched" : "buffer changed ")
            << std::hash<std::string>{}(std::string(target.bytes.begin(), target.bytes.end())) << '\n';
        engine.painter = nullptr;
    }
    // Variables by name, with values printed exactly (NaN included).
    std::map<std::string, std::string> variables;
    for (const auto& [name, cell] : engine.variables()) {
        std::ostringstream value;
        value.precision(17);
        value << *cell;
        variables[name] = value.str();
    }
    for (const auto& [name, value] : variables) out << shown(name) << '=' << value << ';';
    return out.str();
}

// The internal text the intake makes of a surface text, or the code it stopped with.
struct Reading {
    int code = 0;
    std::string internal;
};
Reading readBack(const std::string& surface, int syntax, VocabularyKind vocabulary) {
    Reading r;
    WorkText text;
    r.code = TranslateEditorText(text, surface, readerForSyntax(syntax), vocabulary);
    r.internal = text;
    return r;
}

const std::vector<corpus::Program>& programs() {
    static const std::vector<corpus::Program> all = corpus::load();
    return all;
}

const corpus::Program* internalProgram(const std::string& header) {
    for (const corpus::Program& p : programs())
        if (p.syntax < 0 && p.header == header) return &p;
    return nullptr;
}

TEST(RoundTrip, CorpusIsThere) {
    int internal = 0, surface = 0;
    for (const corpus::Program& p : programs()) (p.syntax < 0 ? internal : surface)++;
    EXPECT_GE(internal, 50);
    EXPECT_GE(surface, 4);
}

TEST(RoundTrip, EveryProgramReadsBackFromEverySyntax) {
    for (const corpus::Program& program : programs()) {
        if (program.syntax >= 0) continue;
        const std::string reference = behaviour(program, program.text);
        ASSERT_EQ(reference.find("compile error"), std::string::npos) << program.header;
        for (int syntax = 0; syntax < kSyntaxCount; ++syntax) {
            const std::string surface = writeSurface(syntax, program.text, program.vocabulary);
            const Reading reading = readBack(surface, syntax, program.vocabulary);
            ASSERT_EQ(reading.code, 0) << program.header << " in " << kSyntaxNames[syntax] << ":\n" << shown(surface);
            EXPECT_EQ(behaviour(program, reading.internal), reference)
                << program.header << " in " << kSyntaxNames[syntax] << ":\n"
                << shown(surface) << "\nread back as\n" << shown(reading.internal);
        }
    }
}

TEST(RoundTrip, LibrarySurfaceTextsReadBackToTheirPrograms) {
    for (const corpus::Program& program : programs()) {
        if (program.syntax < 0) continue;
        const corpus::Program* original = internalProgram(program.header);
        ASSERT_NE(original, nullptr) << program.header;
        const Reading reading = readBack(program.text, program.syntax, program.vocabulary);
        ASSERT_EQ(reading.code, 0) << program.header;
        EXPECT_EQ(behaviour(*original, reading.internal), behaviour(*original, original->text))
            << program.header << " read back as\n" << shown(reading.internal);
    }
}

TEST(RoundTrip, BehaviourTellsProgramsApart) {
    // The comparison is only as good as what it records: a changed coordinate, a changed board
    // move or a changed variable must show.
    corpus::Program painter{"", VocabularyKind::Painter, 'n', -1, ""};
    EXPECT_NE(behaviour(painter, "lineto(a,b);\r\n"), behaviour(painter, "lineto(b,a);\r\n"));
    EXPECT_NE(behaviour(painter, "k=a;\r\n"), behaviour(painter, "k=b;\r\n"));
    corpus::Program buffer{"", VocabularyKind::Painter, 'b', -1, ""};
    EXPECT_NE(behaviour(buffer, "point(x,y,white);\r\n"), behaviour(buffer, "point(y,x,white);\r\n"));
    corpus::Program board{"", VocabularyKind::Board, 'n', -1, ""};
    EXPECT_NE(behaviour(board, "ifdo(x$3&y$4)move(x,y);d_a_l:pusto();\r\n"),
              behaviour(board, "ifdo(x$4&y$3)move(x,y);d_a_l:pusto();\r\n"));
    const corpus::Program* standard = internalProgram("board n player Standard");
    ASSERT_NE(standard, nullptr);
    EXPECT_NE(behaviour(*standard, standard->text).find("mark "), std::string::npos);
}

TEST(RoundTrip, ABasicGotoOutsideEveryIfBlockDoesNotReadBack) {
    // Nothing ends the GOTO's label in Basic, so "GOTO m: y=2" reads as a label "gotom:".
    const std::string basic = writeSurface(kBasic, "m:x=x+1;gotodopol(m);y=2;\r\n", VocabularyKind::Painter);
    EXPECT_EQ(readBack(basic, kBasic, VocabularyKind::Painter).code, 52);
    // Every other syntax reads the same program back.
    for (int syntax : {kZoltRussian, kZoltEnglish, kPascal, kCpp}) {
        const std::string surface = writeSurface(syntax, "m:x=x+1;gotodopol(m);y=2;\r\n", VocabularyKind::Painter);
        EXPECT_EQ(readBack(surface, syntax, VocabularyKind::Painter).code, 0) << kSyntaxNames[syntax];
    }
}

}  // namespace
}  // namespace zolt::syntax
