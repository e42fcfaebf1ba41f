// What every zoltc subcommand shares: argument scanning, reading program texts, reporting errors.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "errors.h"

namespace zoltc {

// The arguments after the subcommand's name, consumed front to back.
class ArgumentList {
public:
    explicit ArgumentList(std::vector<std::string> args) : args_(std::move(args)) {}
    bool empty() const { return position_ >= args_.size(); }
    const std::string& peek() const { return args_[position_]; }
    std::string take() { return args_[position_++]; }
    // Whether the next word is an option ("-x", "--name") rather than a file or value; "-" alone
    // means standard input.
    bool nextIsOption() const { return !empty() && peek().size() > 1 && peek()[0] == '-'; }
    // Takes "--name VALUE" (or "--name=VALUE") if it is next. When the value is missing it sets
    // missingValue (never clears it) and leaves the option in place.
    bool takeOption(std::string_view name, std::optional<std::string>& value, bool& missingValue);

private:
    std::vector<std::string> args_;
    size_t position_ = 0;
};

// Status 2: the command line itself is wrong.
int usageError(const std::string& message);

// Parses a whole word as a count (0 or more).
bool parseCount(const std::string& text, long long& value);

// The bytes of FILE, or of standard input for "" or "-", without a UTF-8 byte-order mark. On
// failure prints the reason and returns nothing.
std::optional<std::string> readInput(const std::string& path);

// Reads FILE (or standard input for "" or "-") as UTF-8, turns LF and CR LF into CR LF and
// converts to Windows-1251. On failure prints the reason and returns nothing.
std::optional<std::string> readProgramText(const std::string& path);
// Converts a command-line word (a name) to Windows-1251; on failure prints the reason.
std::optional<std::string> toEngineText(const std::string& utf8, const char* what);

// Writes Windows-1251 text as UTF-8 with every CR LF written as LF.
void writeText(std::string_view cp1251);

// Prints "error CODE" and the category, message and hint lines on standard error; returns 1.
int reportError(int code, const zolt::ErrorDetails& details);

}  // namespace zoltc
