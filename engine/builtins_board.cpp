// The board game's two operations on its 20 x 20 board, through the BoardHost.
#include "engine.h"
#include "operations.h"

namespace zolt::op {
namespace {

constexpr int kEmptySquare = 1;

bool onBoard(int i, int j) { return i >= 0 && i < 20 && j >= 0 && j < 20; }
int boardCell(const Engine& e, int i, int j) { return e.board ? e.board->boardCell(i, j) : kEmptySquare; }

}  // namespace

void square(Engine& e) {
    const int i = truncate(e.current->argument(2)) - 1, j = truncate(e.current->argument(1)) - 1;
    *e.current->result = onBoard(i, j) ? boardCell(e, i, j) - 1 : 0;
}

// Every move ends the run: the computer makes at most one move per run.
void move(Engine& e) {
    const int i = truncate(e.current->argument(2)) - 1, j = truncate(e.current->argument(1)) - 1;
    if (!onBoard(i, j)) return e.stopRun(201);
    if (boardCell(e, i, j) != kEmptySquare) return e.stopRun(202);
    if (e.board) e.board->placeComputerMark(i, j);
    e.stopRun(222);
}

}  // namespace zolt::op
