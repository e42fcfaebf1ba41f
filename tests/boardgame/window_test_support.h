// What the window tests share: a window on a fresh working folder, scripted answers to its modal
// windows, and typing into the program editor.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QTemporaryDir>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "mainwindow.h"
#include "modal.h"

namespace quintotest {

// Outside any ModalAnswers a modal window fails the test instead of waiting for a person.
void refuseModalWindows();

// Modal windows answered in order; a window nobody expected fails the test.
class ModalAnswers {
public:
    using Answer = std::function<int(QDialog&)>;
    ModalAnswers() {
        mindloom::setModalScript([this](QDialog& dialog) {
            ++shown_;
            if (answers_.empty()) {
                ADD_FAILURE() << "unexpected modal window: " << dialog.metaObject()->className() << " \""
                              << dialog.windowTitle().toStdString() << "\"";
                return 0;
            }
            Answer next = std::move(answers_.front());
            answers_.pop_front();
            return next(dialog);
        });
    }
    ~ModalAnswers() {
        refuseModalWindows();
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " modal answers were not used";
    }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    // The next modal window must be of type T; `answer` may inspect and fill it.
    template <class T>
    ModalAnswers& expect(std::function<int(T&)> answer) {
        answers_.push_back([answer](QDialog& dialog) {
            T* typed = qobject_cast<T*>(&dialog);
            if (!typed) {
                ADD_FAILURE() << "expected " << T::staticMetaObject.className() << ", got "
                              << dialog.metaObject()->className();
                return 0;
            }
            return answer(*typed);
        });
        return *this;
    }
    template <class T>
    ModalAnswers& expect(int result) {
        return expect<T>([result](T&) { return result; });
    }
    int shown() const { return shown_; }

private:
    std::deque<Answer> answers_;
    int shown_ = 0;
};

class WindowTest : public ::testing::Test {
protected:
    WindowTest() { startWindow(); }

    // A new window on the same working folder, as after a restart.
    void startWindow() {
        window.reset();
        window = std::make_unique<boardgame::TForm1>(folder());
    }
    // Closing as the user does: the library is saved when it was changed.
    void closeWindow() {
        ASSERT_TRUE(window->FormClose());
        window.reset();
    }
    std::filesystem::path folder() const { return std::filesystem::path(dir.path().toStdString()); }
    std::filesystem::path libraryFile() const { return folder() / "System_Quinto" / "Lumo.lmo"; }
    std::string libraryFileText() const;

    void click(int column, int row) { window->BBBClick(window->squareButton(column, row)); }
    // Replaces the editor's text as typing would: the text changes and a key was pressed.
    void typeProgram(const QString& text);
    // Leaves the edited text the usual way: from the page "Program" to the page "Field".
    void leaveProgramPage();
    // Compiles an internal text and makes it the current record's program.
    void useProgram(const std::string& internal);
    std::string editorText() const;

    QTemporaryDir dir;
    std::unique_ptr<boardgame::TForm1> window;
};

}  // namespace quintotest
