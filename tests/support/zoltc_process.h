// Runs the real zoltc as a process, for tests of its command-line contract.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
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

// A file name in the test folder that no parallel test process shares.
inline std::string uniqueTempPath(const std::string& name) {
    return ::testing::TempDir() + std::to_string(::getpid()) + "_" + name;
}

// Writes bytes to a fresh temporary file and returns its path.
inline std::string writeTempFile(const std::string& name, const std::string& bytes) {
    const std::string path = uniqueTempPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// Runs `zoltc ARGS` with `input` (bytes) on standard input.
inline ZoltcOutcome runZoltc(const std::string& args, const std::string& input) {
    // CTest runs tests in parallel processes: every file name carries this process's id.
    const std::string in = uniqueTempPath("zoltc_in.txt"), out = uniqueTempPath("zoltc_out.txt"),
                      err = uniqueTempPath("zoltc_err.txt");
    std::ofstream(in, std::ios::binary) << input;
    const std::string line = std::string("'") + ZOLTC_PATH + "' " + args + " <'" + in + "' >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(line.c_str());
    ZoltcOutcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readWholeFile(out), readWholeFile(err)};
    for (const std::string& file : {in, out, err}) std::remove(file.c_str());
    return outcome;
}

// Runs `zoltc ARGS FILE` with FILE a temporary file holding `program` (bytes).
inline ZoltcOutcome runZoltcOnFile(const std::string& args, const std::string& program) {
    const std::string file = writeTempFile("zoltc_program.txt", program);
    ZoltcOutcome outcome = runZoltc(args + " '" + file + "'", "");
    std::remove(file.c_str());
    return outcome;
}

}  // namespace mindloom::testing
