// The program editor `Ed` and the syntax selector `Sintex`: the program text in one of the five
// surface syntaxes, the marks that tell it was changed, and the keyword highlighting.
#pragma once

#include <QComboBox>
#include <QTextEdit>

#include <functional>
#include <string>
#include <string_view>

#include <vocabulary.h>

namespace library {
struct ProgramLibrary;
struct ProgramRecord;
}  // namespace library

namespace editor {

class ProgramEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit ProgramEdit(zolt::VocabularyKind vocabulary, QWidget* parent = nullptr);

    // The syntax whose keywords the highlighting knows: `Sintex`'s index, 0 to 4.
    void setSyntax(int syntaxIndex) { syntax_ = syntaxIndex; }
    int syntax() const { return syntax_; }

    // The modified mark: set by any change of the text, cleared when a program's text is shown.
    bool modifiedMark() const;
    void setModifiedMark(bool set);
    // EditorChanged: the user typed (any key but the arrows) or the statement window inserted text.
    bool editorChanged() const { return editorChanged_; }
    void setEditorChanged(bool set) { editorChanged_ = set; }
    // The typing flag: set with EditorChanged by a key press, cleared by a highlighting pass.
    bool typing() const { return typing_; }

    // While it returns true (the painter's demonstration) key presses and edits are not the user's.
    std::function<bool()> demoPlaying;

    // Puts a stored text (Windows-1251, CR LF) into the editor, highlights it and clears the
    // modified mark.
    void showText(std::string_view text);
    // The editor's text in Windows-1251 with CR LF line breaks; characters without a
    // Windows-1251 form become '?'.
    std::string text1251() const;

    // One highlighting pass: canonical keywords in bold, names called like functions that are
    // none in red, plain font elsewhere; the caret stays where it was. Typing during the pass
    // starts it again on the new text. Bold and red are drawn as the formats of each block's
    // QTextLayout (as a syntax highlighter does), not stored in the document.
    void HighlightKeywords();
    bool highlightRunning() const { return running_; }
    // 'n' when the last pass found a drawing call, else 'b' (painter vocabulary).
    char drawMode() const { return drawMode_; }

signals:
    // EdKeyUp: the painter stops its demonstration or shows its statement window here.
    void keyReleased();

protected:
    void keyPressEvent(QKeyEvent* event) override;    // EdKeyDown, then the edit itself
    void keyReleaseEvent(QKeyEvent* event) override;  // EdKeyUp

private:
    void EdChange();
    bool passInterrupted() const { return typing_ || changedDuringPass_; }

    zolt::VocabularyKind vocabulary_;
    int syntax_ = 1;
    bool editorChanged_ = false;
    bool typing_ = false;
    bool running_ = false;
    bool applying_ = false;
    bool changedDuringPass_ = false;
    bool passQueued_ = false;
    bool showTextPending_ = false;
    bool respell_ = true;
    char drawMode_ = 'b';
};

// `Sintex`: the five syntaxes, "Zolt English" selected at start. `entered` is SintexEnter.
class SyntaxSelector : public QComboBox {
    Q_OBJECT
public:
    explicit SyntaxSelector(QWidget* parent = nullptr);
signals:
    void entered();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// ShowProgramText: the record's stored text of the syntax selected in `sintex`, put into `ed`.
void ShowProgramText(ProgramEdit& ed, const SyntaxSelector& sintex, const library::ProgramLibrary& library,
                     const library::ProgramRecord& record);

}  // namespace editor
