// Windows-1251, the single-byte encoding every program text is kept in, and its conversion to UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mindloom {

// The Unicode code point of a Windows-1251 byte (0 for the one unassigned byte, 0x98).
char32_t cp1251ToUnicode(unsigned char byte);
// The Windows-1251 byte of a code point, if it has one.
std::optional<unsigned char> unicodeToCp1251(char32_t codePoint);

std::string cp1251ToUtf8(std::string_view text);

struct Utf8Conversion {
    std::string text;        // Windows-1251 bytes when ok
    bool ok = true;
    char32_t offending = 0;  // the first character with no Windows-1251 byte (0xFFFD: malformed UTF-8)
};
Utf8Conversion utf8ToCp1251(std::string_view text);

}  // namespace mindloom
