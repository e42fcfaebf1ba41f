// zoltc library: a program library file seen from the command line — its records and whether
// their programs compile, the text of one record, the library text, and the RTF container.
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "commands.h"
#include "cp1251.h"
#include "engine.h"
#include "libraryfile.h"
#include "librarytext.h"
#include "richtext.h"

namespace zoltc {
namespace {

std::optional<std::string> readFileBytes(const std::string& path) {
    std::ostringstream bytes;
    if (path.empty() || path == "-") {
        bytes << std::cin.rdbuf();
        return std::move(bytes).str();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "zoltc: cannot read '" << path << "'\n";
        return std::nullopt;
    }
    bytes << in.rdbuf();
    return std::move(bytes).str();
}

struct LibraryArguments {
    const library::LibraryFormat* format = &library::kPainterFormat;
    zolt::VocabularyKind vocabulary = zolt::VocabularyKind::Painter;
    std::optional<std::string> syntax;
    std::vector<std::string> words;  // file and record name
};

// --board, --syntax N and the positional words; status 2 on a wrong command line.
int takeArguments(ArgumentList& args, LibraryArguments& out) {
    bool missing = false;
    while (!args.empty()) {
        if (args.peek() == "--board") {
            args.take();
            out.format = &library::kBoardFormat;
            out.vocabulary = zolt::VocabularyKind::Board;
        } else if (args.takeOption("--syntax", out.syntax, missing)) {
        } else if (missing || args.nextIsOption()) {
            return usageError("library: unexpected argument '" + args.peek() + "'");
        } else {
            out.words.push_back(args.take());
        }
    }
    return 0;
}

int listRecords(const library::ProgramLibrary& lib, const LibraryArguments& a) {
    zolt::Engine engine(a.vocabulary);
    int failing = 0;
    auto list = [&](const std::deque<library::ProgramRecord>& records, bool tool) {
        for (const library::ProgramRecord& record : records) {
            engine.setDrawMode(record.drawMode);
            const int code = engine.CompileProgram(lib.internalText(record));
            std::cout << (tool ? "tool   " : "effect ") << mindloom::cp1251ToUtf8(library::recordHeader(record, tool));
            if (a.format->drawModeInBlock) std::cout << "  drawmode " << record.drawMode;
            std::cout << (record.kept() ? "" : "  (dropped on save)");
            if (code == 0) {
                std::cout << "  ok\n";
                continue;
            }
            ++failing;
            const zolt::ErrorText text = zolt::describeError(code, engine.errorDetails());
            std::cout << "  error " << code << ": " << mindloom::cp1251ToUtf8(text.message) << "\n";
        }
    };
    list(lib.tools, true);
    list(lib.effects, false);
    return failing == 0 ? 0 : 1;
}

// The record named (tool records by Name or Hint, effects by Name).
const library::ProgramRecord* findRecord(const library::ProgramLibrary& lib, const std::string& name) {
    for (const library::ProgramRecord& r : lib.tools)
        if (r.name == name || r.hint == name) return &r;
    for (const library::ProgramRecord& r : lib.effects)
        if (r.name == name) return &r;
    return nullptr;
}

}  // namespace

int libraryCommand(ArgumentList& args) {
    if (args.empty()) return usageError("library: list, show, text or rtf expected");
    const std::string action = args.take();
    if (action != "list" && action != "show" && action != "text" && action != "rtf")
        return usageError("library: unknown action '" + action + "'");
    LibraryArguments a;
    if (const int status = takeArguments(args, a)) return status;
    const std::size_t expected = action == "show" ? 2 : 1;
    if (a.words.size() > expected || (action == "show" && a.words.size() != 2))
        return usageError("library " + action + ": wrong number of arguments");
    const std::optional<std::string> bytes = readFileBytes(a.words.empty() ? "" : a.words[0]);
    if (!bytes) return 1;

    if (action == "rtf") {
        // Plain library text (UTF-8 or Windows-1251) into the container the programs write.
        std::cout << library::toRichText(library::libraryTextFromFile(*bytes));
        return 0;
    }
    if (action == "text") {
        writeText(library::libraryTextFromFile(*bytes));
        return 0;
    }
    library::ProgramLibrary lib;
    library::readLibraryText(lib, library::libraryTextFromFile(*bytes), *a.format, nullptr);
    if (action == "show") {
        const std::optional<std::string> name = toEngineText(a.words[1], "record name");
        if (!name) return 1;
        const library::ProgramRecord* record = findRecord(lib, *name);
        if (!record) {
            std::cerr << "zoltc: no record '" << a.words[1] << "'\n";
            return 1;
        }
        int span = library::kInternalSpan;
        if (a.syntax) {
            const std::string& s = *a.syntax;
            if (s.size() != 1 || s[0] < '0' || s[0] > '4') return usageError("library show: --syntax takes 0 to 4");
            span = s[0] - '0' + 1;
        }
        writeText(lib.spanText(*record, span));
        std::cout << "\n";
        return 0;
    }
    return listRecords(lib, a);
}

}  // namespace zoltc
