#include "lock_translator.h"

#include "intake.h"
#include "keyword_reader.h"
#include "text_utils.h"

namespace lockgame {

namespace sx = zolt::syntax;

namespace {

// The intake and the "Zolt English" reader, with the lock's own differences: one line break at
// the end only, Latin-only lower case and word boundaries, "()" after every random word, and no
// moving or adding of statement ends or removing of parentheses.
int readLock(sx::WorkText& text, std::string_view lockText, zolt::ErrorDetails& details) {
    text.assign(lockText.substr(0, lockText.find('\0')));  // a text ends at its zero character
    text += "\r\n";
    if (int code = sx::CheckForbiddenCharacters(text, &details)) return code;
    if (int code = sx::CheckParenthesisBalance(text)) return code;
    sx::LowerCase(text, /*latinOnly=*/true);
    sx::ReplaceConnectives(text, /*russian=*/false, sx::isLatinLowerLetter);
    sx::RemoveSpaces(text);
    if (int code = sx::CheckCallAfterParenthesis(text)) return code;
    sx::ReplaceKeywords(text, /*russian=*/false);
    if (int code = sx::CheckIfNesting(text)) return code;
    sx::ReplaceTwoCharacterComparisons(text);
    sx::MarkEqualityInConditions(text);
    if (int code = sx::BuildIfBlocks(text)) return code;
    sx::CloseGotoArguments(text);
    sx::ExpandComparisonChains(text);
    sx::CompleteRandomCalls(text, /*evenBeforeParenthesis=*/true);
    sx::FillLabelChains(text);
    sx::CloseTrailingLabel(text);
    sx::MoveLineStartsUp(text, ')');
    return sx::CheckSeparators(text);
}

}  // namespace

int TranslateLock(zolt::Engine& engine, std::string_view lockText, LockTranslation* translation) {
    LockTranslation local;
    LockTranslation& out = translation ? *translation : local;
    out.details = {};
    if (int code = readLock(out.notation, lockText, out.details)) return code;
    const int code = engine.CompileProgram(out.notation);
    if (code != 0) out.details = engine.errorDetails();
    return code;
}

}  // namespace lockgame
