// The computer-player programs in the window: the change dialog's four choices, the name dialog,
// the delete warning, and what reaches the library file and comes back after a restart.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

#include <filesystem>
#include <fstream>

#include "changedialog.h"
#include "deletewarning.h"
#include "errorwindow.h"
#include "highlighting.h"
#include "namedialog.h"
#include "programedit.h"
#include "standardprogram.h"
#include "window_test_support.h"

using boardgame::TForm2;
using boardgame::TForm3;
using boardgame::TForm6;
using quintotest::ModalAnswers;
using quintotest::WindowTest;

namespace {

// A player that answers every cross at the square (x, y) of the script's coordinates.
QString answersAt(int x, int y) {
    return QString("If X=20 and Y=20 Then Move(%1,%2);").arg(x).arg(y);
}

ModalAnswers::Answer nameAnswer(const QString& name) {
    return [name](QDialog& dialog) {
        auto& form = static_cast<TForm6&>(dialog);
        EXPECT_TRUE(form.Edit1->text().isEmpty()) << "the name dialog opens empty";
        form.Edit1->setText(name);
        return 1;
    };
}

void sendKey(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

}  // namespace

class VariantsTest : public WindowTest {
protected:
    // Registers the typed text under a name through the change dialog.
    void registerProgram(const QString& text, const QString& name) {
        typeProgram(text);
        ModalAnswers answers;
        answers.expect<TForm2>(TForm2::Register).expect<TForm6>([name](TForm6& form) {
            return nameAnswer(name)(form);
        });
        leaveProgramPage();
    }
    QString menuText(int index) { return window->programItem(index)->text(); }
    int noughtAfterClick(int column, int row) {
        window->N5Click();
        click(column, row);
        auto mark = window->board().lastComputerMark();
        return mark ? mark->column * 100 + mark->row : -1;
    }
};

TEST_F(VariantsTest, EditingStandardReplacesThePlayerAndSurvivesARestart) {
    const QString text = answersAt(20, 20);
    typeProgram(text);
    ModalAnswers answers;
    answers.expect<TForm2>([](TForm2& dialog) {
        EXPECT_TRUE(dialog.RB1->isChecked());
        EXPECT_TRUE(dialog.RB2->isEnabled());
        EXPECT_TRUE(dialog.RB3->isEnabled());
        EXPECT_EQ(dialog.RB4->text(), "Cancel changes to program");
        EXPECT_TRUE(dialog.RB4->font().bold());
        return int(TForm2::Edit);
    });
    leaveProgramPage();
    EXPECT_TRUE(window->libraryModified());
    EXPECT_FALSE(window->Ed->modifiedMark());
    const std::string typed = editorText();
    EXPECT_NE(typed.find("Move(20,20)"), std::string::npos);
    EXPECT_EQ(noughtAfterClick(3, 3), 19 * 100 + 19);

    closeWindow();
    const std::string file = libraryFileText();
    EXPECT_EQ(file.rfind("@Standard,015,2\r\n[[", 0), 0u);
    EXPECT_NE(file.find(typed + "]"), std::string::npos);
    EXPECT_EQ(file.find("Sum=0;"), std::string::npos) << "the old texts do not reach the file";

    startWindow();
    EXPECT_EQ(window->loadReport().source, library::LibrarySource::File);
    EXPECT_EQ(editorText(), typed);
    EXPECT_EQ(noughtAfterClick(3, 3), 19 * 100 + 19);
}

TEST_F(VariantsTest, RegisteringAddsANamedProgramAtTheEndOfTheMenu) {
    registerProgram(answersAt(1, 2), "Ivanov");
    ASSERT_EQ(window->programMenu->actions().size(), 2);
    EXPECT_EQ(menuText(1), "Ivanov");
    EXPECT_EQ(window->currentRecordIndex(), 1);
    EXPECT_EQ(window->TexZ->text(), "Computer program <Ivanov>:");
    EXPECT_TRUE(window->libraryModified());
    EXPECT_EQ(noughtAfterClick(9, 9), 0 * 100 + 1);
    // Standard keeps its program.
    EXPECT_EQ(window->programLibrary().surfaceText(window->programLibrary().effects[0], 1), boardgame::standardText(2));

    closeWindow();
    const std::string file = libraryFileText();
    EXPECT_NE(file.find("@Standard,015,2\r\n"), std::string::npos);
    EXPECT_NE(file.find("@Ivanov,015,2\r\n[["), std::string::npos);

    startWindow();
    ASSERT_EQ(window->programMenu->actions().size(), 2);
    EXPECT_EQ(menuText(1), "Ivanov");
    EXPECT_EQ(window->currentRecordIndex(), 0) << "the first program is current after a start";
    window->NNClick(window->programItem(1));
    EXPECT_EQ(window->currentRecordIndex(), 1);
    EXPECT_EQ(noughtAfterClick(9, 9), 0 * 100 + 1);
}

TEST_F(VariantsTest, NameDialogFillsInAnEmptyNameAndRefusesDelimiters) {
    TForm6& form = *window->Form6;
    form.prepare();
    form.OKClick();  // empty: the default name is filled in and the dialog stays open
    EXPECT_EQ(form.Edit1->text(), "Non name");
    EXPECT_EQ(form.Edit1->selectedText(), "Non name");
    EXPECT_EQ(form.Edit1->maxLength(), 30);

    typeProgram(answersAt(1, 1));
    ModalAnswers answers;
    answers.expect<TForm2>(TForm2::Register)
        .expect<TForm6>(nameAnswer("Smith, John"))
        .expect<QMessageBox>([](QMessageBox& box) {
            EXPECT_NE(box.text().indexOf("must not contain"), -1) << box.text().toStdString();
            return int(QMessageBox::Ok);
        })
        .expect<TForm6>(nameAnswer(""));
    leaveProgramPage();
    ASSERT_EQ(window->programMenu->actions().size(), 2);
    EXPECT_EQ(menuText(1), "Non name");
}

TEST_F(VariantsTest, NameDialogClosedWithoutANameRegistersNothing) {
    typeProgram(answersAt(1, 1));
    ModalAnswers answers;
    answers.expect<TForm2>(TForm2::Register).expect<TForm6>(0);
    leaveProgramPage();
    EXPECT_EQ(window->programMenu->actions().size(), 1);
    EXPECT_EQ(window->currentRecordIndex(), 0);
    EXPECT_NE(editorText().find("Move(1,1)"), std::string::npos) << "the typed text stays in the editor";
}

TEST_F(VariantsTest, DeletingAProgramSelectsTheFirstAndDropsItFromTheFile) {
    registerProgram(answersAt(1, 2), "Ivanov");
    typeProgram(answersAt(3, 3));
    ModalAnswers answers;
    answers.expect<TForm2>(TForm2::Delete).expect<TForm3>([](TForm3& warning) {
        EXPECT_EQ(warning.windowTitle(), "Warning");
        EXPECT_EQ(warning.L1->text(), " After destruction this variant");
        EXPECT_EQ(warning.B2->text(), "Yes");
        return int(TForm3::Yes);
    });
    leaveProgramPage();
    EXPECT_FALSE(window->programItem(1)->isVisible());
    EXPECT_EQ(window->currentRecordIndex(), 0);
    EXPECT_EQ(editorText(), boardgame::standardText(2));
    closeWindow();
    EXPECT_EQ(libraryFileText().find("Ivanov"), std::string::npos);
    startWindow();
    EXPECT_EQ(window->programMenu->actions().size(), 1);
}

TEST_F(VariantsTest, DeleteAnsweredNoAndCancelBothPutTheStoredTextBack) {
    for (const bool viaDelete : {true, false}) {
        typeProgram(answersAt(4, 4));
        ModalAnswers answers;
        if (viaDelete)
            answers.expect<TForm2>(TForm2::Delete).expect<TForm3>(TForm3::No);
        else
            answers.expect<TForm2>(TForm2::Cancel);
        leaveProgramPage();
        EXPECT_EQ(editorText(), boardgame::standardText(2)) << viaDelete;
        EXPECT_EQ(window->currentRecordIndex(), 0);
        EXPECT_TRUE(window->programItem(0)->isVisible());
        EXPECT_FALSE(window->Ed->modifiedMark());
    }
    EXPECT_TRUE(window->libraryModified()) << "choosing delete marks the library even when declined";
}

TEST_F(VariantsTest, CompileErrorKeepsTheProgramAndDoesNotAskAgain) {
    const zolt::Instruction* before = window->currentRecord()->code;
    typeProgram("Go to Nowhere;");
    ModalAnswers answers;
    answers.expect<TForm2>(TForm2::Edit).expect<mindloom::TForm8>([](mindloom::TForm8& box) {
        EXPECT_EQ(box.Tex->text(), "Error in the programStandard>");
        EXPECT_EQ(box.L2->text(), "Go to Undefined label");
        EXPECT_EQ(box.L3->text(), "Look at Go to  nowhere");
        return 1;
    });
    leaveProgramPage();
    EXPECT_EQ(window->STR->currentWidget(), window->STR2);
    EXPECT_EQ(window->currentRecord()->code, before);
    EXPECT_EQ(window->programLibrary().surfaceText(*window->currentRecord(), 1), boardgame::standardText(2));
    EXPECT_NE(editorText().find("Nowhere"), std::string::npos);
    EXPECT_FALSE(window->Ed->modifiedMark());
    leaveProgramPage();  // no second dialog: the text was not changed again
    EXPECT_EQ(answers.shown(), 2);
}

TEST_F(VariantsTest, ChoosingAnotherProgramAfterTypingOpensTheDialogInstead) {
    registerProgram(answersAt(1, 2), "Ivanov");
    typeProgram(answersAt(5, 5));
    ModalAnswers answers;
    answers.expect<TForm2>(TForm2::Cancel);
    window->NNClick(window->programItem(0));
    EXPECT_EQ(window->currentRecordIndex(), 1) << "the clicked program is not selected";
    window->NNClick(window->programItem(0));
    EXPECT_EQ(window->currentRecordIndex(), 0);
}

TEST_F(VariantsTest, OnlyKeysOtherThanArrowsCountAsTyping) {
    window->STR->setCurrentWidget(window->STR2);
    for (int key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up}) sendKey(window->Ed, key);
    {
        ModalAnswers none;
        leaveProgramPage();
    }
    window->STR->setCurrentWidget(window->STR2);
    window->Ed->moveCursor(QTextCursor::End);
    sendKey(window->Ed, Qt::Key_Z, "z");
    ModalAnswers answers;
    answers.expect<TForm2>(TForm2::Cancel);
    leaveProgramPage();
    EXPECT_EQ(answers.shown(), 1);
}

TEST_F(VariantsTest, SyntaxSelectorShowsTheStoredTextOfEachSyntax) {
    window->STR->setCurrentWidget(window->STR2);
    for (int syntax = 4; syntax >= 0; --syntax) {
        window->Sintex->setCurrentIndex(syntax);
        // The editor shows the stored text with its keywords in their canonical spelling.
        const auto shown = zolt::syntax::ComputeHighlighting(boardgame::standardText(syntax + 1), syntax,
                                                             zolt::VocabularyKind::Board);
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(editorText(), shown->text) << syntax;
        EXPECT_FALSE(window->Ed->modifiedMark());
    }
}

TEST_F(VariantsTest, TextWrittenInPascalIsStoredAsTypedAndWrittenInTheOthers) {
    window->STR->setCurrentWidget(window->STR2);
    window->Sintex->setCurrentIndex(3);  // Pascal
    typeProgram("Begin\nif (x=20) and (y=20) then Move(2,3);\nEnd.");
    const std::string typed = editorText();
    ModalAnswers answers;
    answers.expect<TForm2>(TForm2::Edit);
    leaveProgramPage();
    EXPECT_EQ(window->programLibrary().surfaceText(*window->currentRecord(), 3), typed);
    EXPECT_NE(window->programLibrary().surfaceText(*window->currentRecord(), 1).find(" Move("), std::string::npos);
    EXPECT_EQ(noughtAfterClick(9, 9), 1 * 100 + 2);
}

TEST_F(VariantsTest, ForwardJumpPlaysTheSameAfterARestart) {
    registerProgram("Go to Later; Move(1,1); Later: If X=20 and Y=20 Then Move(7,8);", "Jumper");
    EXPECT_EQ(noughtAfterClick(9, 9), 6 * 100 + 7);
    closeWindow();
    startWindow();
    window->NNClick(window->programItem(1));
    ASSERT_EQ(window->TexZ->text(), "Computer program <Jumper>:");
    EXPECT_EQ(noughtAfterClick(9, 9), 6 * 100 + 7);
}

namespace {
std::string recordText(const std::string& header) {
    std::string record = header + "\r\n[[";
    for (int k = 0; k < 6; ++k) record += boardgame::standardText(k) + "]";
    return record + "\r\n";
}
void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}
}  // namespace

TEST_F(VariantsTest, ProtectedProgramCanOnlyBeRegisteredFrom) {
    writeFile(libraryFile(), recordText("@Guarded,115,2"));
    startWindow();
    ASSERT_EQ(menuText(0), "Guarded");
    typeProgram(answersAt(2, 2));
    ModalAnswers answers;
    answers.expect<TForm2>([](TForm2& dialog) {
        EXPECT_FALSE(dialog.RB2->isEnabled());
        EXPECT_FALSE(dialog.RB3->isEnabled());
        EXPECT_TRUE(dialog.RB4->isEnabled());
        return int(TForm2::Cancel);
    });
    leaveProgramPage();
}

TEST_F(VariantsTest, EveryRecordReadGetsAVisibleItemAndKeepsItsFlags) {
    writeFile(libraryFile(), recordText("@Standard,015,2") + recordText("@Retired,105,2"));
    startWindow();
    ASSERT_EQ(window->programMenu->actions().size(), 2);
    EXPECT_EQ(menuText(1), "Retired");
    EXPECT_TRUE(window->programItem(0)->isVisible());
    EXPECT_TRUE(window->programItem(1)->isVisible()) << "a record marked deleted in the file is listed";
    window->NNClick(window->programItem(1));
    EXPECT_EQ(window->currentRecordIndex(), 1);
    registerProgram(answersAt(2, 2), "Fresh");
    closeWindow();
    EXPECT_NE(libraryFileText().find("@Retired,105,2\r\n[["), std::string::npos);
}

TEST_F(VariantsTest, LibraryWithoutProgramsFallsBackToStandardAndSaysSo) {
    writeFile(libraryFile(), "no programs left\r\n");
    startWindow();
    EXPECT_EQ(window->loadReport().source, library::LibrarySource::DefaultEmpty);
    ASSERT_NE(window->currentRecord(), nullptr);
    EXPECT_EQ(menuText(0), "Standard");
    ModalAnswers answers;
    answers.expect<QMessageBox>(QMessageBox::Ok);
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(answers.shown(), 1);
    EXPECT_EQ(noughtAfterClick(9, 9), 10 * 100 + 10);
}

TEST_F(VariantsTest, UnreadableLibraryIsReportedAndTheGameStartsWithStandard) {
    std::filesystem::create_directories(libraryFile());  // a folder where the file should be
    startWindow();
    EXPECT_EQ(window->loadReport().source, library::LibrarySource::DefaultUnreadable);
    EXPECT_FALSE(window->loadReport().message.empty());
    EXPECT_EQ(menuText(0), "Standard");
    EXPECT_EQ(noughtAfterClick(9, 9), 10 * 100 + 10);
}

TEST_F(VariantsTest, StopWhileReadingAnEditedProgramKeepsTheOldOne) {
    const zolt::Instruction* before = window->currentRecord()->code;
    auto process = window->engine().hooks.processMessages;
    window->engine().hooks.processMessages = [&] {
        window->engine().hooks.showCompileStop(true);
        window->BStopIClick();
        process();
    };
    typeProgram("A=(((1+2)*3)-4);");
    ModalAnswers answers;
    answers.expect<TForm2>(TForm2::Edit).expect<mindloom::TForm8>([this](mindloom::TForm8& box) {
        EXPECT_EQ(box.L1->text(), "Performance of reading of the program");
        EXPECT_EQ(box.L2->text(), "  was interrupted.");
        EXPECT_EQ(box.ErrorHelpContext, 2100);
        EXPECT_TRUE(window->BStopI->isHidden());
        return 1;
    });
    leaveProgramPage();
    EXPECT_EQ(window->currentRecord()->code, before);
    EXPECT_EQ(window->programLibrary().surfaceText(*window->currentRecord(), 1), boardgame::standardText(2));
}

TEST_F(VariantsTest, ClosingTheWindowSavesAChangedLibrary) {
    window->show();
    {
        ModalAnswers none;
        window->close();  // nothing changed: nothing is written
    }
    EXPECT_FALSE(std::filesystem::exists(libraryFile()));
    startWindow();
    window->show();
    registerProgram(answersAt(2, 2), "Kept");
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_NE(libraryFileText().find("@Kept,015,2"), std::string::npos);
}
