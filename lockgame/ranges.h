// Range literals [lo,hi] of a lock template, replaced by random integers before translation.
#pragma once

#include <string>
#include <string_view>

#include "random.h"

namespace lockgame {

// An integer from 0 to n - 1 for n > 0 (0 for n <= 0), drawing as many 15-bit numbers from
// the engine's generator as the width of n needs.
long long drawBelow(zolt::Random& random, long long n);

// Replaces every range literal [lo,hi] by lo + random(hi - lo): a value from lo to hi - 1, lo
// itself for [lo,lo], and lo ... lo + (lo - hi) - 1 when hi is below lo.
std::string ResolveRanges(std::string_view text, zolt::Random& random);

}  // namespace lockgame
