// zoltc run: compiles a program, sets cells, runs it once and shows cells afterwards.
#include <charconv>
#include <cstdio>
#include <iostream>

#include "commands.h"
#include "engine_options.h"
#ifdef HAVE_ZOLT_SYNTAX
#include "syntaxes.h"
#endif

namespace zoltc {
namespace {

struct Assignment {
    std::string name;  // Windows-1251
    double value;
};

bool parseNumber(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

int runCommand(ArgumentList& args) {
    EngineOptions options;
    std::vector<Assignment> assignments;
    std::vector<std::pair<std::string, std::string>> shown;  // (UTF-8 name, Windows-1251 name)
    long long maxSteps = -1;
    std::string path;
    std::optional<int> syntax;  // the program's surface syntax; none: internal notation
    while (!args.empty()) {
        const int status = options.take(args);
        if (status < 0) return 2;
        if (status > 0) continue;
        std::optional<std::string> value;
        bool missing = false;
        if (args.takeOption("--set", value, missing)) {
            const auto eq = value->find('=');
            double number = 0;
            if (eq == std::string::npos || !parseNumber(value->substr(eq + 1), number))
                return usageError("--set takes NAME=VALUE with a number, not '" + *value + "'");
            const auto name = toEngineText(value->substr(0, eq), "the name");
            if (!name) return 2;
            assignments.push_back({*name, number});
        } else if (args.takeOption("--show", value, missing)) {
            const auto name = toEngineText(*value, "the name");
            if (!name) return 2;
            shown.emplace_back(*value, *name);
        } else if (args.takeOption("--max-steps", value, missing)) {
            if (!parseCount(*value, maxSteps))
                return usageError("--max-steps takes a count, not '" + *value + "'");
#ifdef HAVE_ZOLT_SYNTAX
        } else if (args.takeOption("--syntax", value, missing)) {
            syntax = zolt::syntax::syntaxNamed(*value);
            if (!syntax || !zolt::syntax::readerForSyntax(*syntax))
                return usageError("unknown syntax '" + *value + "' (russian, english, basic, pascal, cpp or 0 to 4)");
#endif
        } else if (missing) {
            return usageError(args.peek() + " needs a value");
        } else if (path.empty() && !args.nextIsOption()) {
            path = args.take();
        } else {
            return usageError("run: unexpected argument '" + args.peek() + "'");
        }
    }

    const auto text = readProgramText(path);
    if (!text) return 1;
    zolt::Engine engine(options.vocabulary);
    engine.setDrawMode(options.drawMode);
    std::string program = *text;
#ifdef HAVE_ZOLT_SYNTAX
    if (syntax) {
        zolt::ErrorDetails intakeDetails;
        const auto reader = zolt::syntax::readerForSyntax(*syntax);
        if (const int code = zolt::syntax::TranslateEditorText(program, *text, reader, options.vocabulary, &intakeDetails))
            return reportError(code, intakeDetails);
    }
#endif
    if (const int code = engine.CompileProgram(program)) return reportError(code, engine.errorDetails());

    for (const auto& assignment : assignments) engine.cell(assignment.name) = assignment.value;
    engine.hooks.print = [](const std::string& text) { std::cout << text << "\n"; };
    int failure = 0;
    if (maxSteps < 0) {
        engine.hooks.showError = [&](int code) { failure = code; };
        engine.RunProgram(engine.entryInstruction());
    } else if (engine.RunBounded(engine.entryInstruction(), maxSteps) != zolt::LockRunEnd::Finished) {
        failure = engine.runError();
    }
    if (failure == 222) failure = 0;  // a board move ends the run; it is not an error
    if (failure) return reportError(failure, {});
    for (const auto& [utf8, name] : shown) {
        const zolt::Cell* cell = engine.findCell(name);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.17g", cell ? *cell : 0.0);
        std::cout << utf8 << "=" << buffer << "\n";
    }
    return 0;
}

}  // namespace zoltc
