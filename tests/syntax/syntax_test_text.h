// Helpers for syntax tests: texts are written in UTF-8 here and converted to the Windows-1251
// bytes the syntax layer works on; failures show them back in UTF-8 with visible line breaks.
#pragma once

#include <string>
#include <string_view>

#include "cp1251.h"

namespace zolt::syntax::test {

inline std::string cp(std::string_view utf8) { return mindloom::utf8ToCp1251(utf8).text; }

inline std::string shown(std::string_view cp1251) {
    std::string out;
    for (char c : mindloom::cp1251ToUtf8(cp1251)) {
        if (c == '\r') out += "<CR>";
        else if (c == '\n') out += "<LF>";
        else out += c;
    }
    return out;
}

}  // namespace zolt::syntax::test
