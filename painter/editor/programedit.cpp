// The program editor: marks, key handling and the application of the keyword highlighting.
#include "programedit.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cp1251.h>
#include <highlighting.h>
#include <syntaxes.h>

#include <programlibrary.h>

namespace editor {
namespace {

// The editor's text as the syntax layer sees it (Windows-1251, CR LF), with the document
// position of every byte: a line break is one position in the document and two bytes here.
struct EditorText {
    std::string bytes;
    std::vector<int> position;
};

bool isLineBreak(char16_t unit) { return unit == u'\n' || unit == 0x2029 || unit == 0x2028; }

EditorText readEditorText(const QTextDocument& document) {
    const QString text = document.toPlainText();
    EditorText out;
    out.bytes.reserve(text.size() + text.size() / 16);
    out.position.reserve(text.size() + text.size() / 16);
    for (int i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (isLineBreak(unit)) {
            out.bytes += "\r\n";
            out.position.insert(out.position.end(), {i, i});
            continue;
        }
        // One byte per UTF-16 unit keeps the mapping one to one; surrogates have no byte.
        const auto byte = QChar::isSurrogate(unit) ? std::nullopt : mindloom::unicodeToCp1251(unit);
        out.bytes += byte ? static_cast<char>(*byte) : '?';
        out.position.push_back(i);
    }
    return out;
}

// A stored text for the editor, whose paragraphs are separated by '\n'.
QString fromCp1251(std::string_view bytes) {
    QString text = QString::fromStdString(mindloom::cp1251ToUtf8(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QTextCharFormat plainFormat() {
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("MS Sans Serif")});
    format.setFontPointSize(10);
    format.setFontWeight(QFont::Normal);
    format.setFontFixedPitch(false);
    format.setForeground(Qt::black);
    return format;
}

void formatRange(QTextDocument& document, const EditorText& text, zolt::syntax::TextRange range,
                 const QTextCharFormat& format) {
    if (range.length <= 0 || range.start < 1) return;
    const auto first = static_cast<std::size_t>(range.start - 1);
    const std::size_t last = first + static_cast<std::size_t>(range.length) - 1;
    if (last >= text.position.size()) return;
    QTextCursor cursor(&document);
    cursor.setPosition(text.position[first]);
    cursor.setPosition(text.position[last] + 1, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

// Writes the canonical keywords over the text (same length, so positions stay) and formats it.
// Formatting alone is no change of the text: the modified mark is kept as it was.
void applyHighlighting(QTextEdit& edit, const EditorText& before, const zolt::syntax::Highlighting& result) {
    QTextDocument& document = *edit.document();
    const bool wasModified = document.isModified();
    bool respelled = false;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    if (result.text.size() == before.bytes.size()) {
        std::size_t i = 0;
        while (i < before.bytes.size()) {
            if (result.text[i] == before.bytes[i]) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < before.bytes.size() && result.text[end] != before.bytes[end]) ++end;
            cursor.setPosition(before.position[i]);
            cursor.setPosition(before.position[end - 1] + 1, QTextCursor::KeepAnchor);
            cursor.insertText(fromCp1251(std::string_view(result.text).substr(i, end - i)));
            respelled = true;
            i = end;
        }
    }
    cursor.select(QTextCursor::Document);
    cursor.setCharFormat(plainFormat());
    QTextBlockFormat block;
    block.setAlignment(Qt::AlignLeft);
    block.setIndent(0);
    block.setTextIndent(0);
    block.setLeftMargin(0);
    block.setRightMargin(0);
    cursor.setBlockFormat(block);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const zolt::syntax::TextRange& range : result.bold) formatRange(document, before, range, bold);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    for (const zolt::syntax::TextRange& range : result.red) formatRange(document, before, range, red);
    cursor.endEditBlock();
    if (!respelled) document.setModified(wasModified);
}

}  // namespace

ProgramEdit::ProgramEdit(zolt::VocabularyKind vocabulary, QWidget* parent)
    : QTextEdit(parent), vocabulary_(vocabulary) {
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(10);
    setFont(font);
    connect(this, &QTextEdit::textChanged, this, &ProgramEdit::EdChange);
}

bool ProgramEdit::modifiedMark() const { return document()->isModified(); }

void ProgramEdit::setModifiedMark(bool set) { document()->setModified(set); }

void ProgramEdit::showText(std::string_view text) {
    clear();
    setPlainText(fromCp1251(text));
    if (running_) {
        // Shown from inside a pass (while it processed messages): that pass starts again on this
        // text and clears the mark when it ends.
        showTextPending_ = true;
        return;
    }
    HighlightKeywords();
    setModifiedMark(false);
}

std::string ProgramEdit::text1251() const { return readEditorText(*document()).bytes; }

void ProgramEdit::keyPressEvent(QKeyEvent* event) {
    const bool playing = demoPlaying && demoPlaying();
    // Moving the caret is not a change; key code 272 of the other platform has no Qt key.
    const int key = event->key();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
    if (!playing && !arrow) {
        editorChanged_ = true;
        typing_ = true;
        showTextPending_ = false;  // the text is the user's again
    }
    QTextEdit::keyPressEvent(event);
}

void ProgramEdit::keyReleaseEvent(QKeyEvent* event) {
    QTextEdit::keyReleaseEvent(event);
    emit keyReleased();
}

void ProgramEdit::EdChange() {
    if (applying_) return;
    if (running_) {
        changedDuringPass_ = true;
        return;
    }
    if ((demoPlaying && demoPlaying()) || !typing_) return;
    if (document()->isEmpty() || passQueued_) return;
    // The pass runs once the key press that changed the text has been handled completely.
    passQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            passQueued_ = false;
            // A stored text shown meanwhile has had its own pass and cleared the typing flag.
            if (!running_ && typing_ && !document()->isEmpty()) HighlightKeywords();
        },
        Qt::QueuedConnection);
}

void ProgramEdit::HighlightKeywords() {
    if (running_) return;
    running_ = true;
    const zolt::syntax::HighlightPause pause = [this] {
        QCoreApplication::processEvents();
        return !passInterrupted();
    };
    int caret = textCursor().position();
    while (true) {
        typing_ = false;
        changedDuringPass_ = false;
        caret = textCursor().position();
        const EditorText text = readEditorText(*document());
        std::optional<zolt::syntax::Highlighting> result =
            zolt::syntax::ComputeHighlighting(text.bytes, syntax_, vocabulary_, pause);
        if (!result) continue;  // the user typed: start again on the new text
        const int scroll = verticalScrollBar()->value();
        viewport()->setUpdatesEnabled(false);
        applying_ = true;
        applyHighlighting(*this, text, *result);
        applying_ = false;
        drawMode_ = result->drawMode;
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(caret, document()->characterCount() - 1));
        setTextCursor(cursor);
        verticalScrollBar()->setValue(scroll);
        viewport()->setUpdatesEnabled(true);
        QCoreApplication::processEvents();
        if (!passInterrupted()) break;
    }
    if (showTextPending_) {
        showTextPending_ = false;
        setModifiedMark(false);
    }
    running_ = false;
}

SyntaxSelector::SyntaxSelector(QWidget* parent) : QComboBox(parent) {
    for (std::string_view name : zolt::syntax::kSyntaxNames) addItem(QString::fromLatin1(name.data(), name.size()));
    setCurrentIndex(zolt::syntax::kZoltEnglish);
}

void SyntaxSelector::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    emit entered();
}

void ShowProgramText(ProgramEdit& ed, const SyntaxSelector& sintex, const library::ProgramLibrary& library,
                     const library::ProgramRecord& record) {
    const int k = sintex.currentIndex();
    ed.setSyntax(k);
    ed.showText(library.surfaceText(record, k));
}

}  // namespace editor
