// Prints a compiled program as a list of instructions, one a line, so a learner sees what the
// text became.
#pragma once

#include <string>

#include "engine.h"

namespace zolt {

// Every instruction from `entry` to the end of the chain: number, handler, operands by name or
// literal value, result, arguments in call order, and the numbers of the instructions it leads to.
std::string disassemble(const Engine& engine, const Instruction* entry);

}  // namespace zolt
