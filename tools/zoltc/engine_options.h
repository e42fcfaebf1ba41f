// Options that choose how the engine is set up: --vocabulary and --drawmode.
#pragma once

#include "cli.h"
#include "engine.h"

namespace zoltc {

struct EngineOptions {
    zolt::VocabularyKind vocabulary = zolt::VocabularyKind::Painter;
    char drawMode = 'n';

    // Takes one of its options if it is next: 1 taken, 0 not ours, -1 bad value (already reported).
    int take(ArgumentList& args);
};

}  // namespace zoltc
