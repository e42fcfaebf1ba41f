// The painter's program editor panel: the title `TexZ`, the constant part `TexP`, the editor `Ed`,
// the syntax selector `Sintex` and the help button `ButtS`, placed in the lower panel `Panel1`.
#pragma once

#include <QObject>

#include <functional>

#include <vocabulary.h>

class QLabel;
class QPushButton;
class QWidget;

namespace library {
struct ProgramLibrary;
struct ProgramRecord;
}  // namespace library

namespace mindloom {
class HelpWindow;
}

namespace editor {

class ProgramEdit;
class SyntaxSelector;

enum class ProgramKind { Tool, Effect };

class ProgramPanel : public QObject {
    Q_OBJECT
public:
    // Creates the controls as children of `panel` at their places.
    ProgramPanel(QWidget* panel, zolt::VocabularyKind vocabulary);

    QLabel* TexZ;
    QLabel* TexP;
    ProgramEdit* Ed;
    SyntaxSelector* Sintex;
    QPushButton* ButtS;

    // Help context of the program shown: 1 Select, 2.. standard tools, 101.. standard effects,
    // 200 the user's programs. The window sets it with the current program.
    int HelpTopic = 2;
    void setHelpWindow(mindloom::HelpWindow* help) { help_ = help; }
    // Run before the help opens (hides the statement window TForm7).
    std::function<void()> beforeHelp;

    // The library texts are read from, and the program that runs next.
    void setLibrary(const library::ProgramLibrary* library) { library_ = library; }
    void setCurrent(ProgramKind kind, const library::ProgramRecord* record);
    ProgramKind currentKind() const { return kind_; }
    const library::ProgramRecord* currentRecord() const { return record_; }

    // Puts the current record's text of the selected syntax into `Ed`, highlighted and unmarked.
    // Colour, read-only state and labels are the caller's.
    void ShowProgramText();
    // The Select tool: its title, no constant part, and a silver read-only editor with the notice.
    // The current record stays: changing the syntax then shows its text in the read-only editor.
    void showSelectText();
    // A tool or effect made current: white, writable editor with its title and constant part.
    void showProgram(ProgramKind kind, const library::ProgramRecord* record, const QString& title,
                     const QString& constantPart);

    // The modified mark and EditorChanged are both set: leaving the text opens the change dialog.
    bool textLeftEdited() const;

    void SintexChange();
    void ButtSClick();

signals:
    // `Sintex` got the focus while the text was edited: the window opens its change dialog.
    void changeDialogWanted();
    // EdKeyUp: the window stops its demonstration or shows its statement window.
    void editorKeyUp();

private:
    void setEditorWritable(bool writable);

    const library::ProgramLibrary* library_ = nullptr;
    const library::ProgramRecord* record_ = nullptr;
    ProgramKind kind_ = ProgramKind::Tool;
    mindloom::HelpWindow* help_ = nullptr;
};

}  // namespace editor
