// The sixteen stored lock templates: template 0 opens the game, 1 to 15 form the pool of the
// other stages (1 and 2 are the same lock, and so are 14 and 15).
#pragma once

#include <string_view>

namespace lockgame {

constexpr int kTemplateCount = 16;

// Template n (0 to 15) as Windows-1251 text with CR LF line breaks; range literals unresolved.
std::string_view lockTemplate(int n);

}  // namespace lockgame
