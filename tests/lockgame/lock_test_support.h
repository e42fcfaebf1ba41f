// Helpers the lock game's tests share: reading numbers out of a lock text as a player would.
#pragma once

#include <numeric>
#include <string>
#include <string_view>
#include <vector>

namespace locktest {

// The numbers a player reads in a lock, in order, without the line labels ("3:" at a line
// start) and the labels that "Go to" names.
inline std::vector<long long> numbersOf(std::string_view text) {
    std::vector<long long> numbers;
    bool lineStart = true;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '\n') {
            lineStart = true;
            ++i;
            continue;
        }
        if (text.substr(i, 6) == "Go to ") {
            i += 6;
            while (i < text.size() && text[i] != ';') ++i;
            continue;
        }
        if (c >= '0' && c <= '9') {
            size_t j = i;
            long long value = 0;
            while (j < text.size() && text[j] >= '0' && text[j] <= '9') value = value * 10 + (text[j++] - '0');
            const bool label = lineStart && j < text.size() && text[j] == ':';
            if (!label) numbers.push_back(i > 0 && text[i - 1] == '-' ? -value : value);
            i = j;
            lineStart = false;
            continue;
        }
        if (c != ' ' && c != '\r') lineStart = false;
        ++i;
    }
    return numbers;
}

using Passwords = std::vector<std::string>;

inline std::string text(long long value) { return std::to_string(value); }

// The passwords a player works out from the numbers of a resolved template, in order.
inline Passwords solve(int number, const std::vector<long long>& n) {
    switch (number) {
    case 0:  // P = c
        return {text(n.at(0))};
    case 1:
    case 2:  // A = a; X = P + A - X; open when X = P + b and P = A
        return {text(-n.at(1)), text(n.at(0))};
    case 3: {  // X = P - f X; open when X = P - c
        return {text(n.at(1) / n.at(0)), "7"};
    }
    case 4:  // P + a = c
        return {text(n.at(1) - n.at(0))};
    case 5:  // two rounds: 2 (P + a) = P + b
        return {text(n.at(1) - 2 * n.at(0))};
    case 6:  // X = P + a; Y = Y + P - b: the first attempt leaves Y = a + b
        return {text(n.at(0) + 2 * n.at(1)), "0"};
    case 7:  // the first attempt leaves X = a - b, the second adds P - a
        return {text(2 * n.at(0) - n.at(1)), text(n.at(0))};
    case 8:  // the first attempt leaves X = L + d, the second must be at least L and equal X
        return {text(n.at(0)), text(n.at(0) + n.at(1))};
    case 9: {  // P + e rounds of a = c
        const long long a = n.at(0), c = n.at(2), e = n.at(3);
        return {text(c - e * a)};
    }
    case 10: {  // k rounds of (P - a) reach P: P = a + a / (k - 1), and P must stay at most c
        const long long a = n.at(0), c = n.at(1);
        long long q = 1;
        for (long long d = 1; d <= a; ++d)
            if (a % d == 0 && a + d <= c) q = d;
        return {text(a + q)};
    }
    case 11:  // two rounds: 2P + 2 + a = P + 2a
        return {text(n.at(1) - 2)};
    case 12:  // two rounds: 2P + a + 4b = P + 2a
        return {text(n.at(2) - 4 * n.at(1))};
    case 13:  // a multiple of both steps
        return {text(std::lcm(n.at(0), n.at(1)))};
    case 14:
    case 15: {  // after e rounds P is e/2 + P for even e, (e + 1)/2 - P for odd e
        const long long e = n.at(1), c = n.at(2);
        return {text(e % 2 == 0 ? c - e / 2 : (e + 1) / 2 - c)};
    }
    }
    return {};
}

// Templates the player can only open over two attempts, the first preparing a variable.
inline bool needsTwoAttempts(int number) {
    return number == 1 || number == 2 || number == 3 || number == 6 || number == 7 || number == 8;
}

}  // namespace locktest
