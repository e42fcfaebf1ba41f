#include "engine_options.h"

namespace zoltc {

int EngineOptions::take(ArgumentList& args) {
    std::optional<std::string> value;
    bool missing = false;
    if (args.takeOption("--vocabulary", value, missing)) {
        const auto kind = zolt::vocabularyNamed(*value);
        if (!kind) return usageError("unknown vocabulary '" + *value + "' (painter, board or lock)"), -1;
        vocabulary = *kind;
        return 1;
    }
    if (missing) return usageError("--vocabulary needs a value"), -1;
    if (args.takeOption("--drawmode", value, missing)) {
        if (*value != "n" && *value != "b") return usageError("--drawmode is n or b"), -1;
        drawMode = (*value)[0];
        return 1;
    }
    if (missing) return usageError("--drawmode needs a value"), -1;
    return 0;
}

}  // namespace zoltc
