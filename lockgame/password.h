// The number a password text stands for when the player presses "Enter".
#pragma once

#include <string_view>

namespace lockgame {

// The password field holds at most this many characters.
constexpr int kPasswordLength = 15;

// Keeps every digit, and a minus sign only while nothing has been kept yet; the kept characters
// read as a decimal number. Empty, digit-free or minus-only texts give 0: "-12" is -12, "1-2" is 12.
double EnteredValueOf(std::string_view text);

}  // namespace lockgame
