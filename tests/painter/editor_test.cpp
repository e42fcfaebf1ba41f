// The program editor `Ed`: highlighting applied as bold and red, the caret kept, a pass restarted
// by typing, the marks, and a record's stored text shown in the selected syntax.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTimer>

#include <cp1251.h>

#include "library_samples.h"
#include "librarytext.h"
#include "programedit.h"
#include "programpanel.h"
#include "helpwindow.h"

using editor::ProgramEdit;

namespace {

// The highlighting format drawn over the character at a document position; a line break has none.
QTextCharFormat formatAt(ProgramEdit& ed, int position) {
    const QTextBlock block = ed.document()->findBlock(position);
    const int offset = position - block.position();
    QTextCharFormat format;
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (offset >= range.start && offset < range.start + range.length) format.merge(range.format);
    }
    return format;
}

std::string boldMask(ProgramEdit& ed) {
    std::string mask;
    const int length = ed.document()->characterCount() - 1;
    for (int i = 0; i < length; ++i) mask += formatAt(ed, i).fontWeight() >= QFont::Bold ? 'B' : '.';
    return mask;
}

std::string redMask(ProgramEdit& ed) {
    std::string mask;
    const int length = ed.document()->characterCount() - 1;
    for (int i = 0; i < length; ++i) mask += formatAt(ed, i).foreground().color() == QColor(255, 0, 0) ? 'R' : '.';
    return mask;
}

class EditorTest : public ::testing::Test {
protected:
    ProgramEdit ed{zolt::VocabularyKind::Painter};
};

TEST_F(EditorTest, ShownTextGetsCanonicalBoldKeywordsAndAClearedModifiedMark) {
    ed.setSyntax(1);
    ed.showText("if a<b then x=1");
    EXPECT_EQ(ed.toPlainText(), "If a<b Then x=1");
    EXPECT_EQ(boldMask(ed), "BB.....BBBB....");
    EXPECT_FALSE(ed.modifiedMark());
    EXPECT_EQ(ed.text1251(), "If a<b Then x=1");
}

TEST_F(EditorTest, NamesCalledLikeFunctionsThatAreNoneAreRed) {
    ed.setSyntax(1);
    ed.showText("foo(1)\r\nLine to(1,2)\r\nline(0,0,a,b)");
    const std::string red = redMask(ed);
    EXPECT_EQ(red.substr(0, 7), "RRR....");
    EXPECT_EQ(red.find('R', 3), std::string::npos);
    EXPECT_EQ(ed.drawMode(), 'n');
    ed.showText("point(x,y,color(x,y))");
    EXPECT_EQ(redMask(ed).find('R'), std::string::npos);
    EXPECT_EQ(ed.drawMode(), 'b');
}

TEST_F(EditorTest, RussianKeywordsAndLineBreaksKeepTheirPlaces) {
    ed.setSyntax(0);
    ed.showText(library_test::cp1251("x=1\r\nесли x<2 тогда y=2 иначе y=3"));
    EXPECT_EQ(ed.toPlainText(), QString::fromUtf8("x=1\nЕсли x<2 Тогда y=2 Иначе y=3"));
    // The second line starts at document position 4 (one position for the line break).
    EXPECT_EQ(boldMask(ed), "....BBBB.....BBBBB.....BBBBB....");
}

TEST_F(EditorTest, TypingMarksTheTextAndTheHighlightingFollowsWithTheCaretKept) {
    ed.setSyntax(1);
    ed.showText("x=1\r\n");
    QTextCursor cursor = ed.textCursor();
    cursor.setPosition(0);
    ed.setTextCursor(cursor);
    QTest::keyClick(&ed, Qt::Key_Right);
    EXPECT_FALSE(ed.editorChanged());
    EXPECT_FALSE(ed.typing());
    EXPECT_FALSE(ed.modifiedMark());

    cursor.setPosition(0);
    ed.setTextCursor(cursor);
    QTest::keyClicks(&ed, "goto m;");
    EXPECT_TRUE(ed.editorChanged());
    QCoreApplication::processEvents();  // the pass runs once the key press is handled
    EXPECT_FALSE(ed.typing());
    EXPECT_EQ(ed.toPlainText(), "Goto m;x=1\n");
    EXPECT_EQ(boldMask(ed).substr(0, 6), "BBBB..");
    EXPECT_EQ(ed.textCursor().position(), 7);
    EXPECT_TRUE(ed.modifiedMark());
}

TEST_F(EditorTest, UndoStepsBackThroughTheRespellingAndTheTyping) {
    ed.setSyntax(1);
    ed.showText("x=1");
    EXPECT_FALSE(ed.document()->isUndoAvailable());
    QTextCursor cursor = ed.textCursor();
    cursor.movePosition(QTextCursor::End);
    ed.setTextCursor(cursor);
    QTest::keyClicks(&ed, " if a");
    QCoreApplication::processEvents();
    ASSERT_EQ(ed.toPlainText(), "x=1 If a");
    // Ctrl+Z is a key press too: every one starts a pass, which must not add to the history.
    for (int press = 0; press < 10 && ed.document()->isUndoAvailable(); ++press) {
        QTest::keyClick(&ed, Qt::Key_Z, Qt::ControlModifier);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(ed.toPlainText(), "x=1");
    EXPECT_FALSE(ed.document()->isUndoAvailable());
    QTest::keyClick(&ed, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // redo
    QCoreApplication::processEvents();
    EXPECT_EQ(ed.toPlainText(), "x=1 if a");
    // The next key typed respells again.
    QTest::keyClick(&ed, Qt::Key_End);
    QTest::keyClick(&ed, Qt::Key_Space);
    QCoreApplication::processEvents();
    EXPECT_EQ(ed.toPlainText(), "x=1 If a ");
}

TEST_F(EditorTest, KeysDuringTheDemonstrationAreNotTheUsers) {
    bool playing = true;
    ed.demoPlaying = [&] { return playing; };
    QTest::keyClick(&ed, Qt::Key_A);
    EXPECT_FALSE(ed.editorChanged());
    playing = false;
    QTest::keyClick(&ed, Qt::Key_A);
    EXPECT_TRUE(ed.editorChanged());
}

TEST_F(EditorTest, TypingDuringAPassStartsItAgainOnTheNewText) {
    ed.setSyntax(1);
    std::string text;
    while (text.size() < 1000) text += "k=k+1;\r\n";
    ed.showText(text);
    QTextCursor cursor = ed.textCursor();
    cursor.setPosition(0);
    ed.setTextCursor(cursor);
    // Keys that arrive while the pass processes messages at one of its pauses.
    for (char c : std::string("if k>3 then ")) {
        QCoreApplication::postEvent(&ed, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c))));
    }
    ed.HighlightKeywords();
    EXPECT_FALSE(ed.highlightRunning());
    EXPECT_TRUE(ed.toPlainText().startsWith("If k>3 Then k=k+1;\n"));
    EXPECT_EQ(boldMask(ed).substr(0, 12), "BB.....BBBB.");
    EXPECT_EQ(ed.textCursor().position(), 12);
}

TEST_F(EditorTest, AStoredTextShownDuringAPassIsHighlightedAndUnmarked) {
    ed.setSyntax(1);
    std::string text;
    while (text.size() < 1000) text += "k=k+1;\r\n";
    ed.showText(text);
    ed.setModifiedMark(true);
    // Another program is chosen while the pass processes messages.
    QTimer::singleShot(0, &ed, [this] { ed.showText("if a<b then k=1"); });
    ed.HighlightKeywords();
    EXPECT_EQ(ed.toPlainText(), "If a<b Then k=1");
    EXPECT_EQ(boldMask(ed), "BB.....BBBB....");
    EXPECT_FALSE(ed.modifiedMark());
}

TEST(ShowProgramText, ShowsTheStoredTextOfTheSelectedSyntax) {
    library::ProgramLibrary lib;
    library::readLibraryText(lib, library_test::painterSample(), library::kPainterFormat, nullptr);
    ProgramEdit ed(zolt::VocabularyKind::Painter);
    editor::SyntaxSelector sintex;
    EXPECT_EQ(sintex.count(), 5);
    EXPECT_EQ(sintex.currentText(), "Zolt English");
    sintex.setCurrentIndex(3);
    editor::ShowProgramText(ed, sintex, lib, lib.tools[0]);
    EXPECT_EQ(ed.toPlainText(), "Begin\n LineTo(a,b); \nEnd.");
    EXPECT_EQ(ed.syntax(), 3);
    EXPECT_FALSE(ed.modifiedMark());
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        library::readLibraryText(lib, library_test::painterSample(), library::kPainterFormat, nullptr);
        panel.setLibrary(&lib);
    }
    void focusSintex() {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(panel.Sintex, &focus);
    }

    library::ProgramLibrary lib;
    QWidget panel1;
    editor::ProgramPanel panel{&panel1, zolt::VocabularyKind::Painter};
};

TEST_F(PanelTest, SwitchingTheSyntaxShowsTheStoredTextOfTheNewSyntax) {
    EXPECT_EQ(panel.TexZ->text(), "The text of the program");
    EXPECT_EQ(panel.TexP->text(), "Constant part of the program");
    panel.showProgram(editor::ProgramKind::Tool, &lib.tools[0], "The text of the program <button (tool): Pencil>",
                      "Constant part");
    EXPECT_EQ(panel.Ed->toPlainText(), " LineTo(A,B);");
    QTest::keyClick(panel.Ed, Qt::Key_X);  // an unsaved change is dropped by the switch
    panel.Sintex->setCurrentIndex(3);
    EXPECT_EQ(panel.Ed->toPlainText(), "Begin\n LineTo(a,b); \nEnd.");
    EXPECT_FALSE(panel.Ed->modifiedMark());
    EXPECT_EQ(panel.Ed->syntax(), 3);
}

TEST_F(PanelTest, TheSelectToolShowsTheNoticeAndTheSyntaxSwitchThePreviousProgram) {
    panel.showProgram(editor::ProgramKind::Effect, &lib.effects[0], "Negative", "For every point");
    EXPECT_FALSE(panel.Ed->isReadOnly());
    panel.showSelectText();
    EXPECT_EQ(panel.TexZ->text(), "The text of the program <Select>");
    EXPECT_TRUE(panel.TexP->text().isEmpty());
    EXPECT_TRUE(panel.Ed->isReadOnly());
    EXPECT_EQ(panel.Ed->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_EQ(panel.Ed->toPlainText(), " The access to the text of the program is forbidden.");
    panel.Sintex->setCurrentIndex(4);
    EXPECT_EQ(panel.Ed->toPlainText(), " Point(x,y,white- Color(x,y)); ");
    EXPECT_TRUE(panel.Ed->isReadOnly());
    EXPECT_EQ(panel.currentKind(), editor::ProgramKind::Effect);
}

TEST_F(PanelTest, SintexGettingTheFocusAfterTypingAsksForTheChangeDialog) {
    panel.showProgram(editor::ProgramKind::Tool, &lib.tools[1], "Square", "Constant part");
    QSignalSpy wanted(&panel, &editor::ProgramPanel::changeDialogWanted);
    QTest::keyClick(panel.Ed, Qt::Key_Down);
    focusSintex();
    EXPECT_EQ(wanted.count(), 0);
    EXPECT_FALSE(panel.textLeftEdited());
    QTest::keyClick(panel.Ed, Qt::Key_Z);
    EXPECT_TRUE(panel.textLeftEdited());
    focusSintex();
    EXPECT_EQ(wanted.count(), 1);
}

TEST_F(PanelTest, HelpButtonOpensTheTopicOfTheProgramShown) {
    mindloom::HelpWindow help(QStringLiteral("quinto"), QStringLiteral("Help"));
    panel.setHelpWindow(&help);
    int hidden = 0;
    panel.beforeHelp = [&] { ++hidden; };
    panel.HelpTopic = 3;
    panel.ButtS->click();
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(help.shownTopic(), 3);
}

}  // namespace

int main(int argc, char** argv) {
    // Test discovery runs the binary outside CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
