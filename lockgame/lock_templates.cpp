#include "lock_templates.h"

namespace lockgame {
namespace {

// How each lock is opened, for the curious reader (P is the number entered, X and Y start at 0
// in every stage and keep their values from one attempt to the next):
//  0  P is the number written in the lock.
//  1  two attempts: first minus the second range value, then the first range value.
//  3  two attempts: first the constant divided by the factor, then anything.
//  4  the second value minus the first.
//  5  the second value minus twice the first (two rounds of the loop).
//  6  two attempts: first A + 2B, then anything.
//  7  two attempts: first 2A - B, then anything above A - B.
//  8  two attempts: first the lower limit L, then L + the added value.
//  9  the target minus the number of rounds times the step.
// 10  the step plus a divisor of the step that still stays under the upper limit.
// 11  the added value minus 2.
// 12  the added value minus four times the doubled value.
// 13  a common multiple of the two steps.
// 14  with N rounds: target - N/2 for even N, (N + 1)/2 - target for odd N.
constexpr std::string_view kTemplates[kTemplateCount] = {
    // 0
    "Begin:\r\n"
    "Ask (Password);\r\n"
    "If Password <> 4817 Then Go to Begin;\r\n"
    "Open (Lock);",
    // 1
    "1: Ask (Password);\r\n"
    "2: A = [1,3000];\r\n"
    "3: X = Password + A - X;\r\n"
    "4: If X <> Password + [1,300] or Password <> A Then Go to 1;\r\n"
    "5: Open (Lock);",
    // 2
    "1: Ask (Password);\r\n"
    "2: A = [1,3000];\r\n"
    "3: X = Password + A - X;\r\n"
    "4: If X <> Password + [1,300] or Password <> A Then Go to 1;\r\n"
    "5: Open (Lock);",
    // 3
    "1: Ask (Password);\r\n"
    "2: X = Password - 3 * X;\r\n"
    "3: If X <> Password - 2745 Then Go to 1;\r\n"
    "4: Open (Lock);",
    // 4
    "1: Ask (Password);\r\n"
    "2: Password = Password + [1000,4000];\r\n"
    "3: If Password <> [100000,3000000] Then Go to 1;\r\n"
    "4: Open (Lock);",
    // 5
    "1: Ask (Password);\r\n"
    "2: X = X + Password + [1,4];\r\n"
    "3: If X <> Password + [1000,3000] Then Go to 2;\r\n"
    "4: Open (Lock);",
    // 6
    "1: Ask (Password);\r\n"
    "2: X = Password + [1,1000];\r\n"
    "3: Y = Y + Password - [1,100];\r\n"
    "4: If X <> Y Then Go to 1;\r\n"
    "5: Open (Lock);",
    // 7
    "1: Ask (Password);\r\n"
    "2: If X < Password Then X = X + Password - [100,1000];\r\n"
    "3: If X <> Password - [10,100] Then Go to 1;\r\n"
    "4: Open (Lock);",
    // 8
    "1: Ask (Password);\r\n"
    "2: If Password < [1989,2000] or X <> Password Then (X = Password + [1964,1988]; Go to 1;)\r\n"
    "3: Open (Lock);",
    // 9
    "1: Ask (Password);\r\n"
    "2: Password = Password + [3,10];\r\n"
    "3: Y = Y + 1;\r\n"
    "4: If Password <> [10,30000] or Y <> [3,11] Then Go to 2;\r\n"
    "5: Open (Lock);",
    // 10
    "1: Ask (Password);\r\n"
    "2: X = X + Password - [96,100];\r\n"
    "3: If X <> Password Then Go to 2;\r\n"
    "4: If X > [102,169] Then Go to 2;\r\n"
    "5: Open (Lock);",
    // 11
    "1: Ask (Password);\r\n"
    "2: X = X + 1 + Password;\r\n"
    "3: Password = Password + [1000,3000];\r\n"
    "4: If Password <> X Then Go to 2;\r\n"
    "5: Open (Lock);",
    // 12
    "1: Ask (Password);\r\n"
    "2: X = Password + 2 * [100,200] + X;\r\n"
    "3: Password = Password + [1000,3000];\r\n"
    "4: If Password <> X Then Go to 2;\r\n"
    "5: Open (Lock);",
    // 13
    "1: Ask (Password);\r\n"
    "2: X = X + [2,10];\r\n"
    "3: If X <> Password Then Go to 2;\r\n"
    "4: X = X + [2,10];\r\n"
    "5: If X <> 2 * Password Then Go to 4;\r\n"
    "6: Open (Lock);",
    // 14
    "1: Ask (Password);\r\n"
    "2: X = X + 1;\r\n"
    "3: Password = X - Password;\r\n"
    "4: If X <> [10,50] or Password <> [1000,30000] Then Go to 2;\r\n"
    "5: Open (Lock);",
    // 15
    "1: Ask (Password);\r\n"
    "2: X = X + 1;\r\n"
    "3: Password = X - Password;\r\n"
    "4: If X <> [10,50] or Password <> [1000,30000] Then Go to 2;\r\n"
    "5: Open (Lock);",
};

}  // namespace

std::string_view lockTemplate(int n) {
    if (n < 0 || n >= kTemplateCount) return {};
    return kTemplates[n];
}

}  // namespace lockgame
