// The program editor: marks, key handling and the application of the keyword highlighting.
#include "programedit.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <cp1251.h>
#include <highlighting.h>
#include <syntaxes.h>

#include <programlibrary.h>

#include <optional>
#include <vector>

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

// Bold keywords and red names are drawn as formats of the blocks' layouts, as a syntax
// highlighter does: they are no edit of the document, so they neither enter the undo history
// nor set the modified mark. The document itself holds plain text in the editor's one font.
void applyFormats(QTextDocument& document, const EditorText& text, const zolt::syntax::Highlighting& result) {
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    QHash<int, QList<QTextLayout::FormatRange>> byBlock;  // block number -> its ranges
    auto add = [&](zolt::syntax::TextRange range, const QTextCharFormat& format) {
        if (range.length <= 0 || range.start < 1) return;
        const auto first = static_cast<std::size_t>(range.start - 1);
        const std::size_t last = first + static_cast<std::size_t>(range.length) - 1;
        if (last >= text.position.size()) return;
        int from = text.position[first];
        const int to = text.position[last] + 1;
        while (from < to) {  // one range per block it touches
            const QTextBlock block = document.findBlock(from);
            if (!block.isValid()) return;
            const int blockEnd = block.position() + block.length() - 1;
            const int stop = std::min(to, blockEnd);
            if (stop > from) byBlock[block.blockNumber()].append({from - block.position(), stop - from, format});
            from = blockEnd + 1;
        }
    };
    for (const zolt::syntax::TextRange& range : result.bold) add(range, bold);
    for (const zolt::syntax::TextRange& range : result.red) add(range, red);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        block.layout()->setFormats(byBlock.value(block.blockNumber()));
    }
    document.markContentsDirty(0, document.characterCount());
}

// Writes the canonical keywords over the text (same length, so positions stay) as one undo step,
// then the formats.
void applyHighlighting(QTextEdit& edit, const EditorText& before, const zolt::syntax::Highlighting& result,
                       bool respell) {
    QTextDocument& document = *edit.document();
    if (respell && result.text.size() == before.bytes.size()) {
        QTextCursor cursor(&document);
        bool open = false;
        std::size_t i = 0;
        while (i < before.bytes.size()) {
            if (result.text[i] == before.bytes[i]) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < before.bytes.size() && result.text[end] != before.bytes[end]) ++end;
            if (!open) {
                cursor.beginEditBlock();
                open = true;
            }
            cursor.setPosition(before.position[i]);
            cursor.setPosition(before.position[end - 1] + 1, QTextCursor::KeepAnchor);
            cursor.insertText(fromCp1251(std::string_view(result.text).substr(i, end - i)));
            i = end;
        }
        if (open) cursor.endEditBlock();
    }
    applyFormats(document, before, result);
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
    respell_ = true;
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
    document()->clearUndoRedoStacks();  // a program just shown has nothing to undo
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
        // After Undo or Redo the pass only draws: respelling again would undo the undo.
        respell_ = !event->matches(QKeySequence::Undo) && !event->matches(QKeySequence::Redo);
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
    while (true) {
        typing_ = false;
        changedDuringPass_ = false;
        const int caret = textCursor().position();
        const EditorText text = readEditorText(*document());
        std::optional<zolt::syntax::Highlighting> result =
            zolt::syntax::ComputeHighlighting(text.bytes, syntax_, vocabulary_, pause);
        if (!result) continue;  // the user typed: start again on the new text
        const int scroll = verticalScrollBar()->value();
        viewport()->setUpdatesEnabled(false);
        applying_ = true;
        applyHighlighting(*this, text, *result, respell_);
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
        document()->clearUndoRedoStacks();
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
