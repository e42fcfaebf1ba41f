// The intake: load and check the editor text, lower it, let the reader translate it, normalise
// the internal notation and compile it.
#include "intake.h"

#include "engine.h"

namespace zolt::syntax {

namespace {

constexpr std::string_view kEmptyStatement = "pusto();";

}  // namespace

void LoadEditorText(WorkText& text, std::string_view editorText) {
    // Texts end at their zero character, as the compiler reads them.
    editorText = editorText.substr(0, editorText.find('\0'));
    text.clear();
    text.reserve(editorText.size() + 64);
    text += "\r\n";
    text += editorText;
    text += "\r\n";
}

int CheckForbiddenCharacters(std::string_view text, ErrorDetails* details) {
    const size_t found = text.find_first_of("#@[]");
    if (found == std::string_view::npos) return 0;
    if (details) details->character = std::string(1, text[found]);
    return 10;
}

int CheckParenthesisBalance(std::string_view text) { return CheckBalance(text, '(', ')'); }

void FillLabelChains(WorkText& text) {
    Pos labelColon = 0;
    for (Pos p = 1; p <= lastPos(text); ++p) {
        const char c = charAt(text, p);
        if (labelColon > 0 && isOperatorChar(c)) {
            labelColon = 0;
        } else if (c == ':') {
            if (labelColon > 0) {
                insertAt(text, labelColon + 1, kEmptyStatement);
                p += static_cast<Pos>(kEmptyStatement.size());
            }
            labelColon = p;
        }
    }
}

void CloseTrailingLabel(WorkText& text) {
    bool afterLabel = false;
    for (char c : text) {
        if (c == ':') afterLabel = true;
        else if (isOperatorChar(c)) afterLabel = false;
    }
    if (afterLabel) text += kEmptyStatement;
}

void EndLinesWithSemicolons(WorkText& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            const bool emptyLine = out.empty() || out.back() == '\n';
            if (!emptyLine && out.back() != ';') out += ';';
        }
        out += text[i];
    }
    text = std::move(out);
}

void RemoveDoubledParentheses(WorkText& text) {
    Pos p = 1;
    while (p < lastPos(text)) {
        if (charAt(text, p) == '(' && charAt(text, p + 1) == '(') {
            const Pos inner = MatchingClose(text, p + 1);
            if (inner > 0 && charAt(text, inner + 1) == ')') {
                eraseAt(text, inner, 1);
                eraseAt(text, p + 1, 1);
                p = p > 1 ? p - 1 : 1;
                continue;
            }
        }
        ++p;
    }
}

void RemoveOuterParentheses(WorkText& text) {
    const size_t first = text.find_first_not_of("\r\n");
    if (first == std::string::npos || text[first] != '(') return;
    const Pos open = static_cast<Pos>(first) + 1;
    const Pos close = MatchingClose(text, open);
    if (close == 0) return;
    eraseAt(text, close, 1);
    eraseAt(text, open, 1);
}

int CheckSeparators(std::string_view text) {
    char previous = 0;
    for (char c : text) {
        if (!(isOperatorChar(c) || c == ':' || c == ';' || c == ',' || c == ')' || c == '\n' || c == '?'))
            continue;
        if (c == ':' && !(previous == ';' || previous == ')' || previous == '\n' || previous == 0)) return 52;
        if (c == '=' && !(previous == ';' || previous == ')' || previous == ':' || previous == '(' ||
                          previous == '\n' || previous == 0))
            return 54;
        previous = c;
    }
    return 0;
}

void NormaliseInternal(WorkText& text) {
    FillLabelChains(text);
    CloseTrailingLabel(text);
    MoveLineStartsUp(text, ';');
    ReplaceRepeatedly(text, ";;", ";");
    MoveLineStartsUp(text, ')');
    EndLinesWithSemicolons(text);
    RemoveDoubledParentheses(text);
    RemoveOuterParentheses(text);
}

int TranslateEditorText(WorkText& text, std::string_view editorText, Reader reader,
                        zolt::VocabularyKind vocabulary, ErrorDetails* details) {
    LoadEditorText(text, editorText);
    if (int code = CheckForbiddenCharacters(text, details)) return code;
    if (int code = CheckParenthesisBalance(text)) return code;
    LowerCase(text);
    if (reader) {
        if (int code = reader(text, vocabulary)) return code;
    }
    NormaliseInternal(text);
    return CheckSeparators(text);
}

int IntakeEditorText(WorkText& text, std::string_view editorText, Reader reader, zolt::Engine& engine,
                     ErrorDetails* details) {
    const zolt::VocabularyKind vocabulary = engine.vocabulary().kind;
    if (int code = TranslateEditorText(text, editorText, reader, vocabulary, details)) return code;
    const int code = engine.CompileProgram(text);
    if (code != 0 && details) *details = engine.errorDetails();
    return code;
}

}  // namespace zolt::syntax
