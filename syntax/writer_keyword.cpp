// The writers of the two keyword syntaxes, "Zolt Russian" and "Zolt English": the internal
// notation with its reserved words spelled out and parenthesised then- and else-parts.
#include "cp1251.h"
#include "surface_names.h"
#include "writers.h"

namespace zolt::syntax {
namespace {

struct KeywordSpelling {
    std::string then;
    std::string elsePart;
    std::string gotoWord;
    std::string orWord;
    std::string andWord;
    std::string ifWord;
};

std::string cp(const char* utf8) { return mindloom::utf8ToCp1251(utf8).text; }

const KeywordSpelling& spelling(bool russian) {
    static const KeywordSpelling kRussian{cp(" Тогда ("), cp(" ) Иначе ("), cp(" Переход на "),
                                          cp("  или "),   cp("  и "),       cp(" Если (")};
    static const KeywordSpelling kEnglish{" Then (", " ) Else (", " Go to ", "  or ", "  and ", " If ("};
    return russian ? kRussian : kEnglish;
}

void writeKeywordSyntax(WorkText& text, bool russian, zolt::VocabularyKind vocabulary) {
    const KeywordSpelling& words = spelling(russian);
    DropEmptyStatements(text);
    InsertThenMarkers(text, words.then);
    CloseGotos(text);

    ReplaceAll(text, "$", "=");
    ReplaceAll(text, "~", "<>");
    ReplaceAll(text, "}", ">=");
    ReplaceAll(text, "{", "<=");
    ReplaceAll(text, "d_a_l:", " ) ");
    ReplaceAll(text, "elsed:", words.elsePart);
    ReplaceAll(text, "gotodopol(", words.gotoWord);
    ReplaceAll(text, "|", words.orWord);
    ReplaceAll(text, "&", words.andWord);
    ReplaceAll(text, "ifdo(", words.ifWord);
    ApplyRenames(text, builtinSpellings(russian ? 0 : 1, vocabulary));
    if (russian) {
        ApplyWordRenames(text, russianWordSpellings(vocabulary));
        ApplyWordRenames(text, russianPenSpellings(vocabulary));
    }

    SpaceAfter(text, ";:");
    CollapseEmptyLines(text);
    TrimOuterLineBreaks(text);
}

}  // namespace

void WriteRussian(WorkText& text, zolt::VocabularyKind vocabulary) { writeKeywordSyntax(text, true, vocabulary); }

void WriteEnglish(WorkText& text, zolt::VocabularyKind vocabulary) { writeKeywordSyntax(text, false, vocabulary); }

}  // namespace zolt::syntax
