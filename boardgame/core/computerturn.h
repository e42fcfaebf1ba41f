// The computer's turn: the current computer-player program runs once for every square, row by row,
// until a run ends without Running (a move, an error or the user's stop).
#pragma once

#include "engine.h"

namespace boardgame {

// How a turn ended: the RunError of the run that ended the scan (222 after a move; 200, 201, 202
// or a run-time error otherwise, already shown through the engine's showError hook), or 0 when
// every run finished and the computer passes.
int ComputerTurn(zolt::Engine& engine, zolt::Instruction* program);

}  // namespace boardgame
