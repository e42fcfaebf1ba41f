// The painter's, the board game's and the lock game's built-ins against their hosts.
#include <vector>

#include "engine_test_support.h"

namespace zolt {
namespace {

using testing::compileAndRun;
using testing::RecordingPainter;

TEST(PainterBuiltins, DrawThroughTheHostWithOriginAndTruncation) {
    Engine engine(VocabularyKind::Painter);
    RecordingPainter host;
    engine.painter = &host;
    engine.originX = 10;
    engine.originY = 20;
    compileAndRun(engine,
                  "coloroflines=red;widthoflines=3.9;coloroffilling=blue;line(0,0,5.7,-1.5);"
                  "circle(1,1,2.5);rectangle(0,0,1,1);ellipse(1,2,3,4);lineto(1,1);moveto(2,2);"
                  "painting(1,1,green,white);");
    const std::vector<std::string> expected = {
        "pen 255",          "width 3",           "brush 16776960",    "moveto 10 20",
        "lineto 15 18",     "ellipse 9 19 13 23", "rectangle 10 20 11 21", "ellipse 11 22 13 24",
        "lineto 11 21",     "moveto 12 22",      "fill 11 21 65280 16777215",
    };
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(engine.cell("coloroflines"), 255);
}

TEST(PainterBuiltins, CanvasModeReadsAndWritesThroughTheHost) {
    Engine engine(VocabularyKind::Painter);
    RecordingPainter host;
    host.pixelValue = 4242;
    engine.painter = &host;
    compileAndRun(engine, "c=color(3,4);point(5,6,c+1);");
    EXPECT_EQ(engine.cell("c"), 4242);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"read 3 4", "pixel 5 6 4243"}));
}

TEST(PainterBuiltins, PrintDrawsTheValueWhereTheHostSays) {
    Engine engine(VocabularyKind::Painter);
    std::string printed;
    engine.hooks.print = [&](const std::string& text) { printed = text; };
    compileAndRun(engine, "?2.5;");
    EXPECT_EQ(printed, "2.500000");
}

// A 3 x 2 bitmap: stride 12 bytes, rows bottom-up.
struct SmallBitmap {
    std::vector<unsigned char> bytes = std::vector<unsigned char>(54 + 12 * 2, 0);
    PixelBuffer view() { return PixelBuffer{bytes.data(), 3, 2}; }
};

TEST(PainterBuiltins, BufferModeWritesBgrBottomUpAndIgnoresOutside) {
    Engine engine(VocabularyKind::Painter);
    SmallBitmap bitmap;
    engine.writeBuffer = engine.readBuffer = bitmap.view();
    engine.setDrawMode('b');
    compileAndRun(engine, "point(0,0,65536*3+256*2+1);point(2,1,255);point(3,0,255);point(-1,0,255);"
                          "c=color(0,0);d=color(3,0);e=color(2,1);");
    // (0, 0) is the top row, stored last: offset 54 + 12.
    EXPECT_EQ(bitmap.bytes[54 + 12 + 0], 3);  // B
    EXPECT_EQ(bitmap.bytes[54 + 12 + 1], 2);  // G
    EXPECT_EQ(bitmap.bytes[54 + 12 + 2], 1);  // R
    EXPECT_EQ(bitmap.bytes[54 + 6 + 2], 255);  // (2, 1) in the bottom row
    EXPECT_EQ(engine.cell("c"), 65536 * 3 + 256 * 2 + 1);
    EXPECT_EQ(engine.cell("d"), 0) << "outside reads 0";
    EXPECT_EQ(engine.cell("e"), 255);
    int changed = 0;
    for (unsigned char b : bitmap.bytes) changed += b != 0;
    EXPECT_EQ(changed, 4) << "writes outside the image change nothing";
}

TEST(PainterBuiltins, WithoutAHostDrawingDoesNothingAndColorIsInvalid) {
    Engine engine(VocabularyKind::Painter);
    compileAndRun(engine, "line(0,0,1,1);c=color(1,1);");
    EXPECT_EQ(engine.cell("c"), -1);
}

class Board : public BoardHost {
public:
    int cells[20][20];
    std::vector<std::pair<int, int>> placed;
    Board() {
        for (auto& row : cells)
            for (int& c : row) c = 1;
    }
    int boardCell(int i, int j) const override { return cells[i][j]; }
    void placeComputerMark(int i, int j) override {
        cells[i][j] = 2;
        placed.emplace_back(i, j);
    }
};

TEST(BoardBuiltins, SquareReadsMarksAndZeroOutside) {
    Engine engine(VocabularyKind::Board);
    Board board;
    board.cells[0][4] = 0;
    board.cells[19][19] = 2;
    engine.board = &board;
    compileAndRun(engine, "p=square(1,5);c=square(20,20);e=square(2,2);o=square(0,5);f=square(21,1);");
    EXPECT_EQ(engine.cell("p"), -1);
    EXPECT_EQ(engine.cell("c"), 1);
    EXPECT_EQ(engine.cell("e"), 0);
    EXPECT_EQ(engine.cell("o"), 0);
    EXPECT_EQ(engine.cell("f"), 0);
}

TEST(BoardBuiltins, MoveEndsTheRunWithItsCode) {
    struct Case {
        const char* program;
        int code;
        bool placed;
    };
    for (const Case& c : {Case{"move(3,4);after=1;", 222, true}, Case{"move(21,1);after=1;", 201, false},
                          Case{"move(1,1);after=1;", 202, false}}) {
        Engine engine(VocabularyKind::Board);
        Board board;
        board.cells[0][0] = 0;
        engine.board = &board;
        std::vector<int> shown;
        engine.hooks.showError = [&](int code) { shown.push_back(code); };
        compileAndRun(engine, c.program);
        EXPECT_FALSE(engine.running()) << c.program;
        EXPECT_EQ(engine.runError(), c.code) << c.program;
        EXPECT_EQ(engine.cell("after"), 0) << c.program;
        EXPECT_EQ(board.placed.size(), c.placed ? 1u : 0u) << c.program;
        EXPECT_EQ(shown, c.code == 222 ? std::vector<int>{} : std::vector<int>{c.code}) << c.program;
    }
}

struct LockFixture : ::testing::Test {
    Engine engine{VocabularyKind::Lock};
    int asksAgain = 0, opened = 0;
    void SetUp() override {
        engine.hooks.askAgain = [&] { ++asksAgain; };
        engine.hooks.open = [&] { ++opened; };
    }
    LockRunEnd attempt(double password) {
        engine.enteredValue = password;
        engine.askUsed = false;
        return engine.RunLock(engine.entryInstruction());
    }
};

TEST_F(LockFixture, WrongPasswordAsksAgainRightOneOpens) {
    ASSERT_EQ(engine.CompileProgram("1:ask(p);\r\nifdo(p~42)gotodopol(1);d_a_l:pusto();\r\nopen(lock);\r\n"), 0);
    EXPECT_EQ(attempt(7), LockRunEnd::Stopped);
    EXPECT_EQ(asksAgain, 1);
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(attempt(42), LockRunEnd::Finished);
    EXPECT_EQ(opened, 1);
}

TEST_F(LockFixture, EndlessLockStopsAtExactlyAThousandInstructions) {
    ASSERT_EQ(engine.CompileProgram("1:k=k+1;\r\ngotodopol(1);\r\n"), 0);
    EXPECT_EQ(attempt(0), LockRunEnd::LimitHit);
    EXPECT_EQ(engine.cell("k"), 333);  // add, assign, jump: the 1,000th instruction is an add
}

TEST_F(LockFixture, VariablesPersistBetweenAttemptsAndRunErrorsAreSilent) {
    ASSERT_EQ(engine.CompileProgram("ask(p);x=x+p;r=1/(x-5);open(l);"), 0);
    EXPECT_EQ(attempt(2), LockRunEnd::Finished);
    EXPECT_EQ(attempt(3), LockRunEnd::Stopped);  // x is 5: division by zero
    EXPECT_EQ(engine.cell("x"), 5);
    EXPECT_EQ(opened, 1);
}

TEST_F(LockFixture, AskWithoutANameLeavesTheZeroCellAlone) {
    ASSERT_EQ(engine.CompileProgram("ask();r=0+0;"), 0);
    attempt(9);
    EXPECT_EQ(*engine.zeroCell(), 0);
}

TEST_F(LockFixture, MultiArgumentCallsAndUnknownNamesFail) {
    EXPECT_EQ(engine.CompileProgram("r=max(a,b);"), 90);
    EXPECT_EQ(engine.CompileProgram("r=max(a);"), 80);
    EXPECT_EQ(engine.CompileProgram("line(1,2,3,4);"), 90);
}

}  // namespace
}  // namespace zolt
