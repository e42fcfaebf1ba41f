#include "ranges.h"

#include <cstdlib>

namespace lockgame {
namespace {

// Decimal digits after optional leading blanks and a sign; stops at the first other character.
// Values beyond the range of a 32-bit integer are held at its bounds.
long long boundValue(std::string_view collected) {
    size_t i = 0;
    while (i < collected.size() && (collected[i] == ' ' || collected[i] == '\t')) ++i;
    bool negative = false;
    if (i < collected.size() && (collected[i] == '-' || collected[i] == '+')) negative = collected[i++] == '-';
    long long value = 0;
    for (; i < collected.size() && collected[i] >= '0' && collected[i] <= '9'; ++i) {
        value = value * 10 + (collected[i] - '0');
        if (value > 2147483647LL) value = 2147483648LL;
    }
    value = negative ? -value : value;
    if (value > 2147483647LL) value = 2147483647LL;
    return value;
}

enum class Reading { Outside, Low, High };

}  // namespace

long long drawBelow(zolt::Random& random, long long n) {
    if (n <= 0) return 0;
    unsigned long long span = zolt::Random::kMax + 1ULL;
    unsigned long long value = static_cast<unsigned long long>(random.next());
    while (span < static_cast<unsigned long long>(n)) {
        value = value * (zolt::Random::kMax + 1ULL) + static_cast<unsigned long long>(random.next());
        span *= zolt::Random::kMax + 1ULL;
    }
    return static_cast<long long>(value % static_cast<unsigned long long>(n));
}

std::string ResolveRanges(std::string_view text, zolt::Random& random) {
    std::string out(text);
    Reading reading = Reading::Outside;
    size_t open = 0;
    std::string collected;
    long long low = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const char c = out[i];
        if (c == '[') {
            open = i;
            collected.clear();
            reading = Reading::Low;
        } else if (c == ',' && reading == Reading::Low) {
            low = boundValue(collected);
            collected.clear();
            reading = Reading::High;
        } else if (c == ']' && reading == Reading::High) {
            const long long high = boundValue(collected);
            const long long value = low + drawBelow(random, high >= low ? high - low : low - high);
            const std::string number = std::to_string(value);
            out.replace(open, i - open + 1, number);
            i = open + number.size() - 1;  // scanning goes on after the inserted number
            reading = Reading::Outside;
        } else if (c == ']') {
            reading = Reading::Outside;  // "[lo]" without a comma is left for the translator to reject
        } else if (reading != Reading::Outside) {
            collected += c;
        }
    }
    return out;
}

}  // namespace lockgame
