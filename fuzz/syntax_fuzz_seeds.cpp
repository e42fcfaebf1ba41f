// Writes the fuzzer's seed inputs: every program of the syntax tests' corpus, as its internal
// text and in each of the five syntaxes, each prefixed with the selector byte the fuzzer reads.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "program_corpus.h"
#include "writers.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: syntax_fuzz_seeds CORPUS_FILE SEED_FOLDER\n");
        return 2;
    }
    const auto programs = zolt::syntax::corpus::load(argv[1]);
    if (programs.empty()) {
        std::fprintf(stderr, "syntax_fuzz_seeds: no programs in %s\n", argv[1]);
        return 1;
    }
    std::filesystem::create_directories(argv[2]);
    int written = 0;
    for (const auto& program : programs) {
        const unsigned char flags = static_cast<unsigned char>(
            (program.vocabulary == zolt::VocabularyKind::Board ? 8 : 0) | (program.drawMode == 'b' ? 16 : 0));
        auto write = [&](int selector, const std::string& text) {
            const std::string path = std::string(argv[2]) + "/seed-" + std::to_string(written++);
            std::ofstream out(path, std::ios::binary);
            out.put(static_cast<char>(flags | selector));
            out << text;
        };
        if (program.syntax >= 0) {
            write(program.syntax, program.text);
            continue;
        }
        write(5, program.text);
        for (int syntax = 0; syntax < 5; ++syntax)
            write(syntax, zolt::syntax::writeSurface(syntax, program.text, program.vocabulary));
    }
    std::printf("%d seeds in %s\n", written, argv[2]);
    return 0;
}
