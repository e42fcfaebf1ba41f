#include "qcp1251.h"

#include <QList>

#include "cp1251.h"

namespace mindloom {

QString qStringFromCp1251(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char byte : text) {
        const char32_t cp = cp1251ToUnicode(static_cast<unsigned char>(byte));
        out.append(QChar(static_cast<char16_t>(cp == 0 && byte != 0 ? 0xFFFD : cp)));
    }
    return out;
}

QStringConversion qStringToCp1251(const QString& text) {
    QStringConversion out;
    out.text.reserve(static_cast<size_t>(text.size()));
    for (const uint cp : text.toUcs4()) {
        if (const auto byte = unicodeToCp1251(cp)) {
            out.text += static_cast<char>(*byte);
        } else if (out.ok) {
            out.ok = false;
            out.offending = static_cast<char32_t>(cp);
        }
    }
    return out;
}

}  // namespace mindloom
