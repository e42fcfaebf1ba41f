// The library file's container: a Rich Text Format document whose text is the library text.
#pragma once

#include <string>
#include <string_view>

namespace library {

// An RTF document (Windows-1251, one paragraph per line) that word processors open; reading it
// back with fromRichText gives `text` unchanged.
std::string toRichText(std::string_view text);

// Whether the bytes are an RTF document (they start with "{\rtf", blanks allowed before).
bool isRichText(std::string_view bytes);

// The text of an RTF document: paragraphs become lines separated by CR LF, \'xx escapes become
// their Windows-1251 bytes, \uN characters are converted, and destinations such as the font
// table, colour table, style sheet, document information and pictures are skipped. Tolerates
// unbalanced groups and truncation.
std::string fromRichText(std::string_view rtf);

// The library text of a file's bytes: RTF when it is RTF, otherwise plain text with its line
// breaks made CR LF (UTF-8 text is converted to Windows-1251 when all of it converts).
// Zero bytes are dropped: a program text never holds them.
std::string libraryTextFromFile(std::string_view bytes);

}  // namespace library
