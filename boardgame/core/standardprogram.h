// The default computer player "Standard" and the default library that holds it.
#pragma once

#include <string>

namespace boardgame {

// Header fields of the default record.
inline constexpr const char* kStandardName = "Standard";

// The six texts of "Standard" in Windows-1251: 0 internal notation, then the surface syntaxes in
// their selector order (1 "Zolt Russian", 2 "Zolt English", 3 "Basic", 4 "Pascal", 5 "C++").
const std::string& standardText(int index);

// The default library: the one record "Standard" in the library file's format, Windows-1251.
const std::string& defaultLibraryText();

}  // namespace boardgame
