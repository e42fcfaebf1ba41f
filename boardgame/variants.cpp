// The computer-player programs: choosing one, and the change dialog that registers, edits or
// deletes a program when the user leaves an edited text.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "changedialog.h"
#include "deletewarning.h"
#include "intake.h"
#include "mainwindow.h"
#include "modal.h"
#include "namedialog.h"
#include "programedit.h"
#include "qcp1251.h"
#include "storestep.h"
#include "syntaxes.h"

namespace boardgame {

namespace {
bool textLeftEdited(const editor::ProgramEdit& ed) { return ed.modifiedMark() && ed.editorChanged(); }
}  // namespace

void TForm1::NNClick(QAction* sender) {
    if (engineBusy() || inChangeDialog_) return;
    if (textLeftEdited(*Ed)) {
        ChangeProgram();  // the clicked program is not selected: the user chooses again
        return;
    }
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        if (items_[i] == sender) return selectRecord(i);
}

void TForm1::selectRecord(int recordIndex) {
    Ed->setEditorChanged(false);
    STR1->setEnabled(false);
    Ed->setEnabled(false);
    current_ = &library_.effects[recordIndex];
    TexZ->setText("Computer program <" + mindloom::qStringFromCp1251(current_->name) + ">:");
    Ed->setReadOnly(false);
    QPalette palette = Ed->palette();
    palette.setColor(QPalette::Base, Qt::white);
    Ed->setPalette(palette);
    showStoredText();
    STR1->setEnabled(true);
    Ed->setEnabled(true);
}

void TForm1::showStoredText() {
    if (current_) editor::ShowProgramText(*Ed, *Sintex, library_, *current_);
}

void TForm1::SintexChange() {
    Ed->setSyntax(Sintex->currentIndex());
    showStoredText();  // the stored text of the new syntax; an unsaved change is dropped
}

void TForm1::STRChange(int index) {
    const int previous = lastPage_;
    lastPage_ = index;
    if (previous == STR->indexOf(STR2) && index != previous) STR2Exit();
    if (index == STR->indexOf(STR1)) STR1Enter();
}

void TForm1::STR1Enter() {
    if (textLeftEdited(*Ed)) ChangeProgram();
}

void TForm1::STR2Exit() {
    if (textLeftEdited(*Ed)) ChangeProgram();
}

void TForm1::SintexEnter() {
    if (textLeftEdited(*Ed)) ChangeProgram();
}

void TForm1::ChangeProgram() {
    if (inChangeDialog_ || engineBusy() || !current_) return;
    inChangeDialog_ = true;
    Ed->setModifiedMark(false);
    Ed->setEditorChanged(false);
    STR1->setEnabled(false);
    Form2->prepare(current_->standard());
    int choice = mindloom::showModal(*Form2);
    if (choice < TForm2::Register || choice > TForm2::Cancel) choice = TForm2::Cancel;
    if (choice != TForm2::Cancel) LibraryModified_ = true;

    if (choice == TForm2::Delete) {
        if (mindloom::showModal(*Form3) == TForm3::Yes) {
            const int deleted = currentRecordIndex();
            items_[deleted]->setVisible(false);
            current_->aliveFlag = '0';
            // The first program of the list becomes current; a first program deleted earlier is
            // passed over for the first one still alive. Deleting the first program keeps it current.
            int next = 0;
            if (deleted != 0 && !library_.effects[0].alive()) {
                for (int i = 1; i < static_cast<int>(library_.effects.size()); ++i)
                    if (library_.effects[i].alive()) {
                        next = i;
                        break;
                    }
            }
            selectRecord(next);
        } else {
            choice = TForm2::Cancel;
        }
    }

    if (choice == TForm2::Edit || choice == TForm2::Register) {
        const std::string editorText = Ed->text1251();
        zolt::syntax::WorkText work;
        zolt::ErrorDetails details;
        compiling_ = true;
        const int code = zolt::syntax::IntakeEditorText(work, editorText,
                                                        zolt::syntax::readerForSyntax(Sintex->currentIndex()),
                                                        engine_, &details);
        compiling_ = false;
        BStopI->hide();
        if (code != 0) {
            showCompileError(code, details);
        } else if (choice == TForm2::Edit) {
            const library::StoreResult stored =
                library::storeProgramTexts(library_, *current_, work, editorText, Sintex->currentIndex(),
                                           library::syntaxWriters(zolt::VocabularyKind::Board));
            if (stored.code != 0) {
                details.character = std::string(1, stored.offending);
                showCompileError(stored.code, details);
            } else {
                current_->code = engine_.entryInstruction();
                Ed->setModifiedMark(false);
                selectRecord(currentRecordIndex());
            }
        } else {
            registerProgram(engine_.entryInstruction(), work);
        }
    }

    if (choice == TForm2::Cancel) showStoredText();
    STR1->setEnabled(true);
    inChangeDialog_ = false;
    if (closeAfterTurn_) QTimer::singleShot(0, this, &QWidget::close);
}

int TForm1::registerProgram(zolt::Instruction* program, const std::string& internal) {
    const std::string editorText = Ed->text1251();
    QString name;
    for (;;) {
        Form6->prepare();
        if (mindloom::showModal(*Form6) != 1) return -1;  // closed without a name: nothing registered
        name = Form6->Edit1->text();
        if (name.isEmpty()) name = Form6->Label3->text();
        const QString problem = TForm6::nameProblem(name);
        if (problem.isEmpty()) break;
        QMessageBox box(QMessageBox::Warning, Form6->windowTitle(), problem, QMessageBox::Ok, this);
        mindloom::showModal(box);
    }

    library::ProgramRecord record;
    record.name = mindloom::qStringToCp1251(name).text;
    record.standardFlag = '0';
    record.aliveFlag = '1';
    record.hint = current_->hint;
    record.kindChar = current_->kindChar;
    record.code = program;
    library_.effects.push_back(record);
    library::ProgramRecord& added = library_.effects.back();
    const library::StoreResult stored = library::storeProgramTexts(
        library_, added, internal, editorText, Sintex->currentIndex(), library::syntaxWriters(zolt::VocabularyKind::Board));
    if (stored.code != 0) {
        library_.effects.pop_back();
        zolt::ErrorDetails details;
        details.character = std::string(1, stored.offending);
        showCompileError(stored.code, details);
        return -1;
    }
    const int index = static_cast<int>(library_.effects.size()) - 1;
    addProgramItem(index);
    Ed->setModifiedMark(false);
    selectRecord(index);
    return index;
}

}  // namespace boardgame
