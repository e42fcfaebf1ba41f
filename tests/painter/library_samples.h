// Library texts the library tests share.
#pragma once

#include <string>

namespace library_test {

// Windows-1251 bytes of a UTF-8 literal.
std::string cp1251(const char* utf8);

// Three records of the painter's default library: the tools "Pencil" and "Square" and the
// effect "Negative", exactly as the file holds them.
std::string painterSample();

// The board game's form: one "@" record with "[[".
std::string boardSample();

}  // namespace library_test
