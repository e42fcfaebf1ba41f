// zoltc translate: reads a program in one syntax (or the internal notation) through the intake
// and prints it in another.
#include <iostream>

#include "commands.h"
#include "engine.h"
#include "engine_options.h"
#include "highlighting.h"
#include "intake.h"
#include "syntaxes.h"
#include "writers.h"

namespace zoltc {
namespace {

constexpr int kInternal = -1;

// A syntax word or index, or "internal".
std::optional<int> parseSyntax(const std::string& word) {
    if (word == "internal") return kInternal;
    return zolt::syntax::syntaxNamed(word);
}

}  // namespace

int translateCommand(ArgumentList& args) {
    EngineOptions options;
    std::optional<std::string> from, to;
    bool compile = true;
    std::string path;
    while (!args.empty()) {
        const int status = options.take(args);
        if (status < 0) return 2;
        if (status > 0) continue;
        bool missing = false;
        if (args.takeOption("--from", from, missing) || args.takeOption("--to", to, missing)) continue;
        if (missing) return usageError(args.peek() + " needs a value");
        if (args.peek() == "--no-compile") {
            args.take();
            compile = false;
        } else if (path.empty() && !args.nextIsOption()) {
            path = args.take();
        } else {
            return usageError("translate: unexpected argument '" + args.peek() + "'");
        }
    }
    if (!from || !to) return usageError("translate needs --from S and --to T");
    const auto source = parseSyntax(*from);
    const auto target = parseSyntax(*to);
    const char* kChoices = " (russian, english, basic, pascal, cpp, internal or 0 to 4)";
    if (!source) return usageError("unknown syntax '" + *from + "'" + kChoices);
    if (!target) return usageError("unknown syntax '" + *to + "'" + kChoices);
    const zolt::syntax::Reader reader = *source == kInternal ? nullptr : zolt::syntax::readerForSyntax(*source);

    const auto text = readProgramText(path);
    if (!text) return 1;

    zolt::syntax::WorkText internal;
    zolt::ErrorDetails details;
    if (*source == kInternal) {
        internal = *text;
    } else if (int code = zolt::syntax::TranslateEditorText(internal, *text, reader, options.vocabulary, &details)) {
        return reportError(code, details);
    }
    if (compile) {
        zolt::Engine engine(options.vocabulary);
        // The program draws or works on a pixel buffer as the editor's highlighting would find.
        const int highlightSyntax = *source == kInternal ? zolt::syntax::kZoltEnglish : *source;
        if (auto found = zolt::syntax::ComputeHighlighting(*text, highlightSyntax, options.vocabulary))
            engine.setDrawMode(found->drawMode);
        if (int code = engine.CompileProgram(internal)) return reportError(code, engine.errorDetails());
    }

    if (*target == *source) writeText(*text);
    else if (*target == kInternal) writeText(internal);
    else writeText(zolt::syntax::writeSurface(*target, internal, options.vocabulary));
    return 0;
}

}  // namespace zoltc
