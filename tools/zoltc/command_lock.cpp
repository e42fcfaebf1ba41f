// zoltc lock: the lock game's translator, its templates and attempts at a lock, without a window.
#include <iostream>

#include "commands.h"
#include "lock_game.h"
#include "lock_templates.h"
#include "lock_translator.h"
#include "ranges.h"

namespace zoltc {
namespace {

// More draws than this would keep the command busy for more than a few seconds.
constexpr long long kMaxDraws = 1000000000;

// Takes the optional FILE that ends every lock subcommand; false after a usage error.
bool takePath(ArgumentList& args, std::string& path, int& status) {
    if (path.empty() && !args.nextIsOption()) {
        path = args.take();
        return true;
    }
    status = usageError("lock: unexpected argument '" + args.peek() + "'");
    return false;
}

// Reads the lock text of FILE and translates it into `engine`: 0, or the exit status of the failure.
int translateFile(const std::string& path, zolt::Engine& engine, lockgame::LockTranslation& translation) {
    const auto text = readProgramText(path);
    if (!text) return 1;
    if (const int code = lockgame::TranslateLock(engine, *text, &translation))
        return reportError(code, translation.details);
    return 0;
}

int translate(ArgumentList& args) {
    std::string path;
    int status = 0;
    while (!args.empty())
        if (!takePath(args, path, status)) return status;
    zolt::Engine engine(zolt::VocabularyKind::Lock);
    lockgame::LockTranslation translation;
    if (const int failed = translateFile(path, engine, translation)) return failed;
    writeText(translation.notation);
    return 0;
}

int showTemplate(ArgumentList& args) {
    long long number = -1;
    long long draws = 0;
    while (!args.empty()) {
        std::optional<std::string> value;
        bool missing = false;
        if (args.takeOption("--draws", value, missing)) {
            if (!parseCount(*value, draws) || draws > kMaxDraws)
                return usageError("--draws takes a count up to 1000000000, not '" + *value + "'");
        } else if (missing) {
            return usageError("--draws needs a value");
        } else if (number < 0 && parseCount(args.peek(), number)) {
            args.take();
        } else {
            return usageError("lock template: unexpected argument '" + args.peek() + "'");
        }
    }
    if (number < 0 || number >= lockgame::kTemplateCount)
        return usageError("lock template takes a template number from 0 to 15");
    zolt::Random random;
    for (long long i = 0; i < draws; ++i) random.next();
    writeText(lockgame::ResolveRanges(lockgame::lockTemplate(static_cast<int>(number)), random));
    std::cout << "\n";
    return 0;
}

const char* describe(lockgame::AttemptEnd end) {
    switch (end) {
    case lockgame::AttemptEnd::Opened: return "open";
    case lockgame::AttemptEnd::AskedAgain: return "asked again";
    case lockgame::AttemptEnd::LimitHit: return "limit";
    case lockgame::AttemptEnd::RunError: return "error";
    case lockgame::AttemptEnd::Ended: return "ended";
    }
    return "";
}

int tryPasswords(ArgumentList& args) {
    std::vector<std::string> passwords;
    std::string path;
    int status = 0;
    while (!args.empty()) {
        std::optional<std::string> value;
        bool missing = false;
        if (args.takeOption("--password", value, missing)) {
            passwords.push_back(*value);
        } else if (missing) {
            return usageError("--password needs a value");
        } else if (!takePath(args, path, status)) {
            return status;
        }
    }
    zolt::Engine engine(zolt::VocabularyKind::Lock);
    lockgame::LockTranslation translation;
    if (const int failed = translateFile(path, engine, translation)) return failed;
    zolt::Instruction* entry = engine.entryInstruction();
    bool opened = false;
    engine.hooks.open = [&opened] { opened = true; };
    for (const std::string& password : passwords) {
        const lockgame::AttemptEnd end = lockgame::RunAttempt(engine, entry, password, opened);
        std::cout << describe(end);
        if (end == lockgame::AttemptEnd::RunError) std::cout << " " << engine.runError();
        std::cout << "\n";
        if (opened) break;
    }
    return 0;
}

}  // namespace

int lockCommand(ArgumentList& args) {
    if (args.empty()) return usageError("lock needs translate, template or try");
    const std::string action = args.take();
    if (action == "translate") return translate(args);
    if (action == "template") return showTemplate(args);
    if (action == "try") return tryPasswords(args);
    return usageError("lock: unknown action '" + action + "' (translate, template or try)");
}

}  // namespace zoltc
