// zoltc quinto: one computer turn on a position, or the five-in-a-row check, as the game does them.
#include <iostream>

#include "board.h"
#include "commands.h"
#include "computerturn.h"
#include "intake.h"
#include "position.h"
#include "standardprogram.h"
#include "syntaxes.h"

namespace zoltc {
namespace {

bool readPositionFrom(const std::string& path, boardgame::Board& board) {
    const auto text = readInput(path);
    if (!text) return false;
    const boardgame::PositionReading reading = boardgame::readPosition(*text, board);
    if (!reading.ok) {
        std::cerr << "zoltc: " << (path.empty() || path == "-" ? std::string("standard input") : path)
                  << " is not a position: " << reading.problem << "\n";
        return false;
    }
    return true;
}

// A square as the script sees it: 1-based x (column) and y (row).
std::string scriptSquare(const boardgame::Square& s) {
    return std::to_string(s.column + 1) + "," + std::to_string(s.row + 1);
}

int moveCommand(ArgumentList& args) {
    std::optional<std::string> programPath, syntaxWord;
    std::string positionPath;
    bool positionGiven = false;
    while (!args.empty()) {
        std::optional<std::string> value;
        bool missing = false;
        if (args.takeOption("--program", value, missing)) {
            programPath = value;
        } else if (!missing && args.takeOption("--syntax", value, missing)) {
            syntaxWord = value;
        } else if (missing) {
            return usageError(args.peek() + " needs a value");
        } else if (!positionGiven && !args.nextIsOption()) {
            positionPath = args.take();
            positionGiven = true;
        } else {
            return usageError("quinto move: unexpected argument '" + args.peek() + "'");
        }
    }
    if (syntaxWord && !programPath) return usageError("quinto move: --syntax goes with --program");
    int syntaxIndex = zolt::syntax::kZoltEnglish;
    if (syntaxWord) {
        const auto index = zolt::syntax::syntaxNamed(*syntaxWord);
        if (!index) return usageError("unknown syntax '" + *syntaxWord + "' (russian, english, basic, pascal, cpp)");
        syntaxIndex = *index;
    }
    const zolt::syntax::Reader reader = zolt::syntax::readerForSyntax(syntaxIndex);
    const bool programFromInput = programPath && (programPath->empty() || *programPath == "-");
    if (programFromInput && (positionPath.empty() || positionPath == "-"))
        return usageError("quinto move: the program and the position cannot both come from standard input");

    zolt::Engine engine(zolt::VocabularyKind::Board);
    zolt::Instruction* program = nullptr;
    if (programPath) {
        const auto text = readProgramText(*programPath);
        if (!text) return 1;
        zolt::syntax::WorkText work;
        zolt::ErrorDetails details;
        if (const int code = zolt::syntax::IntakeEditorText(work, *text, reader, engine, &details))
            return reportError(code, details);
        program = engine.entryInstruction();
    } else {
        if (const int code = engine.CompileProgram(boardgame::standardText(0)))
            return reportError(code, engine.errorDetails());
        program = engine.entryInstruction();
    }

    boardgame::Board board;
    if (!readPositionFrom(positionPath, board)) return 1;
    engine.board = &board;
    const int code = boardgame::ComputerTurn(engine, program);
    if (code == 222) {
        const boardgame::Square s = *board.lastComputerMark();
        std::cout << "move " << s.column + 1 << " " << s.row + 1 << "\n";
        return 0;
    }
    if (code != 0) return reportError(code, {});
    std::cout << "no move\n";
    return 0;
}

int checkCommand(ArgumentList& args) {
    std::string positionPath;
    if (!args.empty()) positionPath = args.take();
    if (!args.empty()) return usageError("quinto check: unexpected argument '" + args.peek() + "'");
    boardgame::Board board;
    if (!readPositionFrom(positionPath, board)) return 1;
    // The user's five first: the game checks the cross before the computer answers.
    for (const auto& [code, mark] : {std::pair{int{boardgame::kCross}, 'X'}, std::pair{int{boardgame::kNought}, 'O'}}) {
        if (!board.FindFive(code)) continue;
        std::cout << "five " << mark;
        for (const boardgame::Square& s : board.WinningLine()) std::cout << " " << scriptSquare(s);
        std::cout << "\n";
        return 0;
    }
    std::cout << "none\n";
    return 0;
}

}  // namespace

int quintoCommand(ArgumentList& args) {
    if (args.empty()) return usageError("quinto needs 'move' or 'check'");
    const std::string action = args.take();
    if (action == "move") return moveCommand(args);
    if (action == "check") return checkCommand(args);
    return usageError("quinto: unknown action '" + action + "' (move or check)");
}

}  // namespace zoltc
