#include "password.h"

namespace lockgame {

double EnteredValueOf(std::string_view text) {
    bool negative = false;
    bool keptAny = false;
    double value = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            value = value * 10 + (c - '0');
            keptAny = true;
        } else if (c == '-' && !keptAny) {
            negative = true;
            keptAny = true;
        }
    }
    // "-" alone, or "-0", stands for plain 0, not a negative zero.
    return negative && value != 0 ? -value : value;
}

}  // namespace lockgame
