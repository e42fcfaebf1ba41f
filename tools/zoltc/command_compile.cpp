// zoltc compile: the disassembler — shows the instruction chain a text compiles into.
#include <iostream>

#include "commands.h"
#include "disassembler.h"
#include "engine_options.h"

namespace zoltc {

int compileCommand(ArgumentList& args) {
    EngineOptions options;
    std::string path;
    while (!args.empty()) {
        const int status = options.take(args);
        if (status < 0) return 2;
        if (status > 0) continue;
        if (!path.empty() || args.nextIsOption())
            return usageError("compile: unexpected argument '" + args.peek() + "'");
        path = args.take();
    }
    const auto text = readProgramText(path);
    if (!text) return 1;
    zolt::Engine engine(options.vocabulary);
    engine.setDrawMode(options.drawMode);
    if (const int code = engine.CompileProgram(*text)) return reportError(code, engine.errorDetails());
    std::cout << zolt::disassemble(engine, engine.entryInstruction());
    return 0;
}

}  // namespace zoltc
