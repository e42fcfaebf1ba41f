#include "cli.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cp1251.h"

namespace zoltc {

bool ArgumentList::takeOption(std::string_view name, std::optional<std::string>& value, bool& missingValue) {
    if (empty()) return false;
    const std::string& word = peek();
    if (word == name) {
        if (position_ + 1 >= args_.size()) {
            missingValue = true;  // left in place, so the caller can name it
            return false;
        }
        ++position_;
        value = take();
        return true;
    }
    if (word.size() > name.size() && word.compare(0, name.size(), name) == 0 && word[name.size()] == '=') {
        value = word.substr(name.size() + 1);
        ++position_;
        return true;
    }
    return false;
}

int usageError(const std::string& message) {
    std::cerr << "zoltc: " << message << "\n";
    return 2;
}

namespace {
std::string describeCodePoint(char32_t cp) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
    return buffer;
}
}  // namespace

std::optional<std::string> toEngineText(const std::string& utf8, const char* what) {
    auto converted = mindloom::utf8ToCp1251(utf8);
    if (!converted.ok) {
        std::cerr << "zoltc: " << what << " contains a character with no Windows-1251 byte ("
                  << (converted.offending == 0xFFFD ? std::string("malformed UTF-8")
                                                    : describeCodePoint(converted.offending))
                  << ")\n";
        return std::nullopt;
    }
    return std::move(converted.text);
}

bool parseCount(const std::string& text, long long& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value >= 0;
}

std::optional<std::string> readInput(const std::string& path) {
    std::string raw;
    if (path.empty() || path == "-") {
        raw.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << "zoltc: cannot read " << path << "\n";
            return std::nullopt;
        }
        raw.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
    return raw;
}

std::optional<std::string> readProgramText(const std::string& path) {
    const auto input = readInput(path);
    if (!input) return std::nullopt;
    const std::string& raw = *input;
    std::string text;
    text.reserve(raw.size() + raw.size() / 16);
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
        if (raw[i] == '\n') text += '\r';
        text += raw[i];
    }
    return toEngineText(text, "the program text");
}

void writeText(std::string_view cp1251) {
    std::string plain;
    plain.reserve(cp1251.size());
    for (size_t i = 0; i < cp1251.size(); ++i) {
        if (cp1251[i] == '\r' && i + 1 < cp1251.size() && cp1251[i + 1] == '\n') continue;
        plain += cp1251[i];
    }
    std::cout << mindloom::cp1251ToUtf8(plain);
}

int reportError(int code, const zolt::ErrorDetails& details) {
    const zolt::ErrorText text = zolt::describeError(code, details);
    std::cout.flush();
    std::cerr << "error " << code << "\n"
              << mindloom::cp1251ToUtf8(text.category) << "\n"
              << mindloom::cp1251ToUtf8(text.message) << "\n"
              << mindloom::cp1251ToUtf8(text.hint) << "\n";
    return 1;
}

}  // namespace zoltc
