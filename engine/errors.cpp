// The error table: category, message and hint lines and the help topic of every code.
#include "errors.h"

namespace zolt {
namespace {

constexpr const char* kUseHelp = "Use help";
constexpr const char* kSyntactic = "Syntactic mistake";
constexpr const char* kIllegal = "illegal operation";

struct FixedRow {
    int code;
    int helpTopic;
    const char* category;
    const char* message;
};

// Rows whose texts do not depend on names.
constexpr FixedRow kFixedRows[] = {
    {20, 1020, kSyntactic, "Closing bracket ) without opening it ("},
    {25, 1025, kSyntactic, "There is no closing bracket )"},
    {30, 1003, "Error", "Word IF without THEN"},
    {40, 1004, "Error", "Before a word THEN is not present IF"},
    {50, 1005, "Error", "Before a word ELSE is not present IF THEN"},
    {52, 1052, kSyntactic, "The name of a label mustn't include operator"},
    {54, 1054, kSyntactic, "Misuse ="},
    {56, 1056, kSyntactic, "symbol between brackets is missed )("},
    {98, 1098, kSyntactic, "Too difficult expression"},
    {110, 1110, kIllegal, "Division by zero"},
    {120, 1120, kIllegal, " Square root of a negative number"},
    {130, 1130, kIllegal, "The logarithm of a negative number"},
    {140, 1140, kIllegal, "tg of the inadmissible angle"},
    {150, 1150, kIllegal, "Arcsin Error!"},
    {160, 1160, kIllegal, "Arccos Error!"},
    {200, 2000, "Performance of the order", "  was interrupted."},
    {210, 2100, "Performance of reading of the program", "  was interrupted."},
    {201, 1201, "Out field", "  "},
    {202, 1202, "Move to busy square", " "},
    // Limits of the notation that a text can go beyond.
    {kLabelTooLong, 1062, kSyntactic, "The name of a label is longer than 35 characters"},
    {kTooManyOpenConditionals, 1064, kSyntactic, "More than 10 conditions are open at once"},
    {kElseWithoutConditional, 1065, kSyntactic, "ELSE without an open condition"},
    {kEndWithoutConditional, 1066, kSyntactic, "End of a condition without an open condition"},
    {kExpressionNotReducible, 1067, kSyntactic, "The expression cannot be read: check the brackets"},
    {kAssignmentToNothing, 1068, kSyntactic, "Assignment without a name before ="},
    {kCommaOutsideCall, 1069, kSyntactic, "Comma outside the brackets of a function call"},
    {kConditionNotClosed, 1071, kSyntactic, "A condition is not closed at the end of the program"},
    {kStatementNotEnded, 1072, kSyntactic, "The last statement of the program is not ended with ;"},
    // Limits of the syntax readers.
    {31, 1031, kSyntactic, "More than 9 IF blocks are nested in each other"},
    {32, 1032, kSyntactic, "More than 12 conditions of IF are nested in each other"},
    {41, 1041, kSyntactic, "IF ... THEN block without End IF"},
    {42, 1042, kSyntactic, "++, --, +=, -=, *= or /= without a variable before it"},
    {43, 1043, kSyntactic, "IF block is not closed: does a name contain a key word?"},
    {99, 1099, "Performance of reading of the program", "  was interrupted."},
};

}  // namespace

ErrorText describeError(int code, const ErrorDetails& d) {
    ErrorText t{"Error", "", kUseHelp, 0};
    for (const FixedRow& row : kFixedRows) {
        if (row.code == code) {
            t.category = row.category;
            t.message = row.message;
            t.helpTopic = row.helpTopic;
            return t;
        }
    }
    switch (code) {
        case 10:
            t.message = "illegal symbol  " + d.character + "   in the text of the program";
            t.helpTopic = 1001;
            break;
        case 60:
            t.message = "Go to Undefined label";
            t.hint = "Look at Go to  " + d.label;
            t.helpTopic = 1006;
            break;
        case 70:
            t.message = "Multiple declaration for the label - " + d.label;
            t.helpTopic = 1007;
            break;
        case 80:
        case 90:
            t.message = "undefined function  <" + d.name + ">";
            t.helpTopic = code == 80 ? 1080 : 1090;
            break;
        case 95:
            t.message = "Error " + d.name +
                        (d.tooFew ? ">  Too few parameters in call to function" : ">  Extra parameter in call to function");
            t.helpTopic = 1095;
            break;
        case 97:
            t.message = "Constant  <" + d.name + "> have tried to change";
            t.helpTopic = 1097;
            break;
        case kNameTooLong:
            t.category = kSyntactic;
            t.message = "The name <" + d.name + "> is longer than 39 characters";
            t.helpTopic = 1061;
            break;
        case kTooManyArguments:
            t.message = "Error " + d.name + ">  More than 9 parameters in call to function";
            t.helpTopic = 1063;
            break;
        default:
            break;
    }
    return t;
}

std::string programLine(const std::string& programName) { return "Error in the program" + programName + ">"; }

}  // namespace zolt
