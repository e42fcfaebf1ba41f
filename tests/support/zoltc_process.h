// Runs the real zoltc as a process, for tests of its command-line contract.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace mindloom::testing {

struct ZoltcOutcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// Runs `zoltc ARGS` with `input` (bytes) on standard input.
inline ZoltcOutcome runZoltc(const std::string& args, const std::string& input) {
    // CTest runs tests in parallel processes: every file name carries this process's id.
    const std::string stem = ::testing::TempDir() + "zoltc_" + std::to_string(::getpid()) + "_";
    const std::string in = stem + "in.txt", out = stem + "out.txt", err = stem + "err.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string line = std::string("'") + ZOLTC_PATH + "' " + args + " <'" + in + "' >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(line.c_str());
    return ZoltcOutcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readWholeFile(out), readWholeFile(err)};
}

}  // namespace mindloom::testing
