// The Basic writer: statements separated by ':' and line ends, labels on lines of their own,
// IF ... THEN blocks closed by "End IF", and no statement groups.
#include "surface_names.h"
#include "writers.h"

namespace zolt::syntax {
namespace {

// Every label colon (elsed: and d_a_l: included) ends its line, and the label starts one.
void PutLabelsOnOwnLines(WorkText& text) {
    Pos lastSeparator = 0;
    for (Pos p = 1; p <= lastPos(text); ++p) {
        if (charAt(text, p) == ':') {
            BreakLineAfter(text, p);
            if (lastSeparator > 0 && charAt(text, lastSeparator) != '\n') {
                const size_t before = text.size();
                BreakLineAfter(text, lastSeparator);
                p += static_cast<Pos>(text.size() - before);
            }
        }
        if (isSeparator(charAt(text, p))) lastSeparator = p;
    }
}

// ';' ends a Basic line silently and separates statements inside one as ':'.
void WriteStatementSeparators(WorkText& text) {
    ReplaceRepeatedly(text, ";;", ";");
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ';') {
            out += text[i];
            continue;
        }
        const bool endsLine = i + 1 == text.size() || text[i + 1] == '\r';
        if (!endsLine) out += ':';
    }
    text = std::move(out);
}

void WriteEndIfs(WorkText& text) {
    for (Pos p = findFrom(text, "d_a_l:"); p != 0; p = findFrom(text, "d_a_l:", p)) {
        text.replace(static_cast<size_t>(p - 1), 6, "End IF");
        const size_t before = text.size();
        BreakLineAfter(text, p - 1);
        p += 6 + static_cast<Pos>(text.size() - before);
    }
}

void WriteElses(WorkText& text) {
    for (Pos p = findFrom(text, "elsed:"); p != 0; p = findFrom(text, "elsed:", p)) {
        text.replace(static_cast<size_t>(p - 1), 6, " ELSE ");
        const Pos end = p + 5;
        const size_t before = text.size();
        BreakLineAfter(text, p - 1);
        BreakLineAfter(text, end + 2);
        p += 6 + static_cast<Pos>(text.size() - before);
    }
}

}  // namespace

void WriteBasic(WorkText& text, zolt::VocabularyKind vocabulary) {
    DropEmptyStatements(text);
    ReplaceAll(text, "}", ">=");
    ReplaceAll(text, "{", "<=");
    PutLabelsOnOwnLines(text);
    MarkGroups(text);
    DeleteAll(text, "{");
    DeleteAll(text, "}");
    WriteStatementSeparators(text);
    ReplaceAll(text, "$", "=");
    ReplaceAll(text, "~", "<>");
    InsertThenMarkers(text, " THEN ", true);
    WriteEndIfs(text);
    WriteElses(text);
    CloseGotos(text);
    ReplaceAll(text, "|", "  or ");
    ReplaceAll(text, "&", "  and ");
    ReplaceAll(text, "gotodopol(", " GOTO ");
    ReplaceAll(text, "ifdo(", "IF (");
    ApplyRenames(text, builtinSpellings(2, vocabulary));
    SpaceAfter(text, ":");
    ReplaceAll(text, "\r\n:", "\r\n");
    ReplaceAll(text, "\r\n\r\n", "\r\n");
    TrimOuterLineBreaks(text);
}

}  // namespace zolt::syntax
