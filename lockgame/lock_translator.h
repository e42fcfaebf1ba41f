// The lock syntax: a small subset of "Zolt English" read into the internal notation and compiled.
#pragma once

#include <string>
#include <string_view>

#include "engine.h"

namespace lockgame {

struct LockTranslation {
    std::string notation;        // the internal notation handed to the compiler
    zolt::ErrorDetails details;  // what the message of a failure code is built from
};

// Translates a lock text (Windows-1251, ranges already resolved) and compiles it into `engine`,
// whose vocabulary must be the lock's. Returns 0, with the lock's first instruction in
// engine.entryInstruction(), or the code of the first failure (10 to 99).
int TranslateLock(zolt::Engine& engine, std::string_view lockText, LockTranslation* translation = nullptr);

}  // namespace lockgame
