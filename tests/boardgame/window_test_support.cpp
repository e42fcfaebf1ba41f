#include "window_test_support.h"

#include <QApplication>
#include <QTabWidget>

#include <fstream>
#include <iterator>

#include "programedit.h"
#include "qcp1251.h"
#include "richtext.h"

namespace quintotest {

void refuseModalWindows() {
    mindloom::setModalScript([](QDialog& dialog) {
        ADD_FAILURE() << "a modal window opened outside the test's answers: " << dialog.metaObject()->className();
        return 0;
    });
}

std::string WindowTest::libraryFileText() const {
    std::ifstream in(libraryFile(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return library::libraryTextFromFile(bytes);
}

void WindowTest::typeProgram(const QString& text) {
    window->STR->setCurrentWidget(window->STR2);
    window->Ed->selectAll();
    window->Ed->insertPlainText(text);
    window->Ed->setEditorChanged(true);
}

void WindowTest::leaveProgramPage() { window->STR->setCurrentWidget(window->STR1); }

void WindowTest::useProgram(const std::string& internal) {
    ASSERT_EQ(window->engine().CompileProgram(internal), 0) << internal;
    window->currentRecord()->code = window->engine().entryInstruction();
}

std::string WindowTest::editorText() const { return window->Ed->text1251(); }

}  // namespace quintotest

int main(int argc, char** argv) {
    // The tests need no display; listing them (test discovery) runs without one too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    quintotest::refuseModalWindows();
    return RUN_ALL_TESTS();
}
