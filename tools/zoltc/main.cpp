// zoltc: the command-line face of the Zolt engine, for teachers and for the suite's own checks.
#include <iostream>
#include <string_view>

#include "commands.h"

namespace {

struct Subcommand {
    std::string_view name;
    int (*run)(zoltc::ArgumentList&);
    std::string_view usage;
};

constexpr Subcommand kSubcommands[] = {
    {"compile", zoltc::compileCommand, "compile [--vocabulary painter|board|lock] [--drawmode n|b] [FILE]"},
    {"run", zoltc::runCommand,
     "run [--vocabulary V] [--syntax S] [--set NAME=VALUE]... [--show NAME]... [--max-steps N] [FILE]"},
#ifdef HAVE_ZOLT_SYNTAX
    {"translate", zoltc::translateCommand,
     "translate --from S --to T [--vocabulary painter|board] [--no-compile] [FILE]"},
#endif
#ifdef HAVE_ZOLT_LOCK
    {"lock", zoltc::lockCommand, "lock translate [FILE] | lock template N [--draws K] | lock try [--password P]... [FILE]"},
#endif
#ifdef HAVE_QUINTO_CORE
    {"quinto", zoltc::quintoCommand, "quinto move [--program FILE --syntax S] [POSITION] | quinto check [POSITION]"},
#endif
#ifdef HAVE_MINDLOOM_LIBRARY
    {"library", zoltc::libraryCommand,
     "library list|text|rtf [--board] [FILE] | library show [--board] [--syntax 0-4] FILE NAME"},
#endif
};

int printUsage(std::ostream& out, int status) {
    out << "usage: zoltc SUBCOMMAND ...\n";
    for (const auto& sub : kSubcommands) out << "  zoltc " << sub.usage << "\n";
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return printUsage(std::cerr, 2);
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") return printUsage(std::cout, 0);
    for (const auto& sub : kSubcommands) {
        if (sub.name == name) {
            zoltc::ArgumentList args(std::vector<std::string>(argv + 2, argv + argc));
            return sub.run(args);
        }
    }
    std::cerr << "zoltc: unknown subcommand '" << name << "'\n";
    return printUsage(std::cerr, 2);
}
