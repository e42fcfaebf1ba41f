// Windows-1251 program texts to and from the QString of Qt's widgets.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace mindloom {

QString qStringFromCp1251(std::string_view text);

struct QStringConversion {
    std::string text;        // Windows-1251 bytes; characters without one are left out
    bool ok = true;          // false if some character has no Windows-1251 byte
    char32_t offending = 0;  // the first such character
};
QStringConversion qStringToCp1251(const QString& text);

}  // namespace mindloom
