// One computer turn of the default player "Standard" on a mid-game position of 40 marks.
#include <benchmark/benchmark.h>

#include "board.h"
#include "computerturn.h"
#include "position.h"
#include "standardprogram.h"

namespace {

// Twenty crosses and twenty noughts from a game against "Standard", no five on the board.
constexpr const char* kMidGame =
    "....................\n"
    "....................\n"
    "...O................\n"
    "....O.X.............\n"
    "....XO..............\n"
    "......X.............\n"
    "....X..O.......X....\n"
    "........OOXX..O.....\n"
    ".....O...OXXXO......\n"
    ".........XOXOO......\n"
    "......XOOXO.X.......\n"
    ".........OXXXOO.....\n"
    ".......X......O.....\n"
    "....................\n"
    "..X.................\n"
    "....................\n"
    "....................\n"
    "....................\n"
    "....................\n"
    "....................\n"
    ;

void BM_StandardTurnMidGame(benchmark::State& state) {
    boardgame::Board board;
    if (!boardgame::readPosition(kMidGame, board).ok) {
        state.SkipWithError("the benchmark position does not read");
        return;
    }
    zolt::Engine engine(zolt::VocabularyKind::Board);
    engine.board = &board;
    if (engine.CompileProgram(boardgame::standardText(0)) != 0) {
        state.SkipWithError("\"Standard\" does not compile");
        return;
    }
    zolt::Instruction* standard = engine.entryInstruction();
    for (auto _ : state) {
        const int code = boardgame::ComputerTurn(engine, standard);
        if (code != 222) {
            state.SkipWithError("the turn made no move");
            break;
        }
        // Take the answer back so that every iteration scores the same position.
        const boardgame::Square answer = *board.lastComputerMark();
        board.set(answer.column, answer.row, boardgame::kEmpty);
    }
}
BENCHMARK(BM_StandardTurnMidGame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
