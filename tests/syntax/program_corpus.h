// The corpus of program texts (program_corpus.txt beside this file), shared by the round-trip
// test, the syntax benchmark and the fuzzer's seeds. Texts come back in Windows-1251 with CR LF.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cp1251.h"
#include "syntaxes.h"
#include "vocabulary.h"

namespace zolt::syntax::corpus {

struct Program {
    std::string header;             // the record's header without the "== " and the syntax tag
    zolt::VocabularyKind vocabulary = zolt::VocabularyKind::Painter;
    char drawMode = 'n';
    int syntax = -1;                // -1: the internal notation; 0 to 4: a surface text
    std::string text;               // Windows-1251, every line ended by CR LF
};

inline std::string defaultPath() {
    const std::string here = __FILE__;
    return here.substr(0, here.find_last_of('/') + 1) + "program_corpus.txt";
}

// Every record of the corpus file, in file order; empty if the file cannot be read.
inline std::vector<Program> load(const std::string& path = defaultPath()) {
    std::ifstream in(path, std::ios::binary);
    std::vector<Program> programs;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("== ", 0) == 0) {
            Program p;
            std::string header = line.substr(3);
            const size_t tag = header.rfind(" @");
            if (tag != std::string::npos) {
                p.syntax = syntaxNamed(header.substr(tag + 2)).value_or(-1);
                header.resize(tag);
            }
            std::istringstream fields(header);
            std::string vocabulary, mode;
            fields >> vocabulary >> mode;
            p.vocabulary = vocabularyNamed(vocabulary).value_or(zolt::VocabularyKind::Painter);
            p.drawMode = mode == "b" ? 'b' : 'n';
            p.header = header;
            programs.push_back(std::move(p));
        } else if (!programs.empty()) {
            programs.back().text += mindloom::utf8ToCp1251(line).text + "\r\n";
        }
    }
    return programs;
}

}  // namespace zolt::syntax::corpus
