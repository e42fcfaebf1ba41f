// The default library: "Standard" in all six texts, each surface text reading back into a player
// that answers as the internal text does.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "board.h"
#include "computerturn.h"
#include "intake.h"
#include "position.h"
#include "standardprogram.h"
#include "syntaxes.h"

namespace {

// The answer of a program to a few positions, as "c,r" squares.
std::string answers(zolt::Engine& engine, zolt::Instruction* program) {
    static const char* const kPositions[] = {
        "X@10,10", "X@1,1 O@2,2 X@3,3", "X@5,5 X@6,5 X@7,5 X@8,5 O@4,5", "X@12,3 O@12,4 O@12,5 O@12,6 O@12,7 X@3,17"};
    std::string result;
    for (const char* position : kPositions) {
        boardgame::Board board;
        std::string marks = position;
        for (size_t at = 0; at < marks.size();) {
            const char mark = marks[at];
            const size_t comma = marks.find(',', at), end = std::min(marks.find(' ', at), marks.size());
            const int x = std::stoi(marks.substr(at + 2, comma - at - 2)), y = std::stoi(marks.substr(comma + 1, end - comma - 1));
            board.set(x - 1, y - 1, mark == 'X' ? boardgame::kCross : boardgame::kNought);
            at = end + 1;
        }
        engine.board = &board;
        const int code = boardgame::ComputerTurn(engine, program);
        engine.board = nullptr;
        if (code != 222) return "code " + std::to_string(code);
        result += std::to_string(board.lastComputerMark()->column) + "," +
                  std::to_string(board.lastComputerMark()->row) + " ";
    }
    return result;
}

}  // namespace

TEST(StandardTexts, DefaultLibraryHoldsOneRecordWithSixTexts) {
    const std::string& library = boardgame::defaultLibraryText();
    EXPECT_EQ(library.rfind("@Standard,015,2\r\n[[", 0), 0u);
    std::string expected = "@Standard,015,2\r\n[[";
    for (int k = 0; k < 6; ++k) {
        EXPECT_FALSE(boardgame::standardText(k).empty()) << k;
        EXPECT_EQ(boardgame::standardText(k).find_first_of("#@[]"), std::string::npos) << k;
        expected += boardgame::standardText(k) + "]";
    }
    EXPECT_EQ(library, expected + "\r\n");
    // The internal text ends its fifteen lines with a line break; the English one starts as shown.
    const std::string& internal = boardgame::standardText(0);
    EXPECT_EQ(internal.rfind("ifdo(square(x,y)$empty)(;\r\n", 0), 0u);
    EXPECT_EQ(internal.substr(internal.size() - 2), "\r\n");
    EXPECT_EQ(std::count(internal.begin(), internal.end(), '\n'), 15);
    EXPECT_EQ(boardgame::standardText(2).rfind("If Square(X,Y)=Empty Then (\r\n", 0), 0u);
    EXPECT_TRUE(boardgame::standardText(6).empty());
}

TEST(StandardTexts, EverySurfaceTextReadsBackIntoTheSamePlayer) {
    zolt::Engine engine(zolt::VocabularyKind::Board);
    ASSERT_EQ(engine.CompileProgram(boardgame::standardText(0)), 0);
    const std::string reference = answers(engine, engine.entryInstruction());
    ASSERT_EQ(reference.rfind("code", 0), std::string::npos) << reference;
    for (int syntax = 0; syntax < zolt::syntax::kSyntaxCount; ++syntax) {
        zolt::syntax::WorkText work;
        zolt::ErrorDetails details;
        const int code = zolt::syntax::IntakeEditorText(work, boardgame::standardText(syntax + 1),
                                                        zolt::syntax::readerForSyntax(syntax), engine, &details);
        ASSERT_EQ(code, 0) << zolt::syntax::kSyntaxNames[syntax] << ": " << work;
        EXPECT_EQ(answers(engine, engine.entryInstruction()), reference) << zolt::syntax::kSyntaxNames[syntax];
    }
}
