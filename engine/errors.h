// The error table: for every code its category, message and hint lines and its help topic.
#pragma once

#include <string>

namespace zolt {

// What the message lines of some codes are built from.
struct ErrorDetails {
    std::string name;        // error name set by the compiler
    std::string label;       // pending label name
    std::string character;   // the character at which the intake stopped
    bool tooFew = false;     // code 95: the function expects more arguments than it got
};

struct ErrorText {
    std::string category;  // L1
    std::string message;   // L2
    std::string hint;      // L3
    int helpTopic = 0;     // 0: the code is not in the table; the help topic stays as it was
};

// Codes this engine adds for limits of the notation.
enum ExtraErrorCode {
    kNameTooLong = 61,
    kLabelTooLong = 62,
    kTooManyArguments = 63,
    kTooManyOpenConditionals = 64,
    kElseWithoutConditional = 65,
    kEndWithoutConditional = 66,
    kExpressionNotReducible = 67,
    kAssignmentToNothing = 68,
    kCommaOutsideCall = 69,
    kConditionNotClosed = 71,
    kStatementNotEnded = 72,
};

// Texts are Windows-1251 bytes, like every name they include.
ErrorText describeError(int code, const ErrorDetails& details);

// The board game's extra line above the category: which program failed.
std::string programLine(const std::string& programName);

}  // namespace zolt
