// The Pascal writer: ":=" assignments, begin ... end blocks, and the whole program inside
// "Begin" ... "End.".
#include "surface_names.h"
#include "writers.h"

namespace zolt::syntax {

void WritePascal(WorkText& text, zolt::VocabularyKind vocabulary) {
    DropEmptyStatements(text);
    ReplaceAll(text, "=", ":=");
    EndOpenLines(text);
    ReplaceAll(text, "$", "=");
    ReplaceAll(text, "~", "<>");
    ReplaceAll(text, "}", ">=");
    ReplaceAll(text, "{", "<=");
    // Pascal's block words cannot be names: they are renamed wherever they occur.
    ReplaceAll(text, "begin", "Label__1");
    ReplaceAll(text, "end", "Label__2");

    MarkGroups(text);
    InsertThenMarkers(text, " then { ");
    CloseGotos(text);
    ReplaceAll(text, "|", "  or ");
    ReplaceAll(text, "&", "  and ");
    ReplaceAll(text, "d_a_l:", "};");
    ReplaceAll(text, "elsed:", " } else { ");
    ReplaceAll(text, "gotodopol(", " goto ");
    ReplaceAll(text, "ifdo(", "if (");

    TidySemicolons(text);
    ReplaceRepeatedly(text, "  ", " ");
    ReplaceAll(text, "{;{", "{{");
    ReplaceAll(text, "{; {", "{ {");
    MergeDoubledGroups(text);
    ReplaceAll(text, "{", " Begin ");
    ReplaceAll(text, "}", " end ");
    ApplyRenames(text, builtinSpellings(3, vocabulary));
    ReplaceAll(text, "; end;", " end;");
    ReplaceAll(text, "; end ", " end ");
    ReplaceAll(text, ";end ", " end ");
    ReplaceAll(text, ";end;", " end;");
    ReplaceAll(text, ":;", ":");
    SpaceAfter(text, ";");
    SpaceAfter(text, ":", {}, true);
    TrimOuterLineBreaks(text);
    text = "Begin\r\n" + text + "\r\nEnd.";
}

}  // namespace zolt::syntax
