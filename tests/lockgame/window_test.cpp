// The lock game's window on the offscreen platform: the imitation window and keypad, "Enter",
// "CLEAR", "?", the caption buttons, a whole game of a hundred stages, and the tunnel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "aboutbox.h"
#include "application.h"
#include "congratulation.h"
#include "lock_test_support.h"
#include "lock_translator.h"
#include "mainwindow.h"
#include "modal.h"
#include "qcp1251.h"

namespace {

using lockgame::TForm1;

// The application object is made before the first test and goes after the last one, while Qt is
// still whole (not when the tests are only listed, which happens without the offscreen platform).
class QtApplication : public ::testing::Environment {
public:
    void SetUp() override { app_ = mindloom::startApplication(argc_, argv_, "zolt", "Zolt Game Vaultik"); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[5] = "zolt";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};
const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

class LockWindow : public ::testing::Test {
protected:

    // Replaces the game's stages by one lock of our own (texts in the lock syntax).
    void playOwnLock(const char* lock) {
        zolt::Engine& engine = window.game()->engine();
        ASSERT_EQ(lockgame::TranslateLock(engine, lock), 0) << lock;
        lockgame::StageList stages;
        stages.append(lock, engine.entryInstruction(), 0);
        stages.append(lock, engine.entryInstruction(), 0);
        window.game()->Start(std::move(stages));
        engine.ClearVariables();
    }
    void type(const QString& text) {
        window.EdParol->clear();
        QTest::keyClicks(window.EdParol, text);
    }
    double variable(const char* name) {
        const zolt::Cell* cell = window.game()->engine().findCell(name);
        return cell ? *cell : 0;
    }

    TForm1 window{42};
};

TEST_F(LockWindow, ShowsTheImitationWindowTheFirstLockAndAnEmptyCounter) {
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(window.ZaOkno->text(), "      Game Vaultik");
    EXPECT_EQ(window.ZaOkno->geometry(), QRect(72, 32, 361, 25));
    EXPECT_EQ(window.Okno->geometry(), QRect(496, 32, 57, 25));
    EXPECT_EQ(window.PaOkno->geometry(), QRect(72, 80, 481, 169));
    EXPECT_EQ(window.haLabel1->text(), "Lock program:");
    EXPECT_EQ(window.haLabel2->text(), "      Password:");
    EXPECT_EQ(window.Label1->text(), "   Stage");
    EXPECT_EQ(window.Button1->text(), "CLEAR");
    EXPECT_EQ(window.ButtHelp->text(), "?");
    EXPECT_EQ(window.ButtInt->text(), "Enter");
    EXPECT_EQ(window.ButtInt->geometry(), QRect(280, 376, 105, 41));
    EXPECT_EQ(window.Butt[1]->geometry(), QRect(200, 264, 41, 41));
    EXPECT_EQ(window.Butt[5]->geometry(), QRect(424, 264, 41, 41));
    EXPECT_EQ(window.Butt[6]->geometry(), QRect(200, 320, 41, 41));
    EXPECT_EQ(window.Butt[0]->geometry(), QRect(424, 320, 41, 41));
    EXPECT_FALSE(window.SpeedButton2->isEnabled());
    EXPECT_TRUE(window.Ed->isReadOnly());
    EXPECT_FALSE(window.Ed->isEnabled());
    EXPECT_EQ(window.EdParol->maxLength(), 15);
    EXPECT_EQ(window.LabN->text(), "0");
    EXPECT_EQ(window.game()->currentStage(), 1);
    EXPECT_TRUE(window.Ed->toPlainText().startsWith("Begin:\nAsk (Password);"));
    EXPECT_EQ(window.TimerClose.interval(), 100);
    EXPECT_FALSE(window.TimerClose.isActive());
}

TEST_F(LockWindow, KeypadAddsDigitsAtTheCaretUpToFifteen) {
    window.Butt[1]->click();
    window.Butt[2]->click();
    window.EdParol->setCursorPosition(1);
    window.Butt[0]->click();
    EXPECT_EQ(window.EdParol->text(), "102");
    window.EdParol->selectAll();
    window.Butt[9]->click();
    EXPECT_EQ(window.EdParol->text(), "9");  // the selection is replaced
    for (int i = 0; i < 20; ++i) window.Butt[7]->click();
    EXPECT_EQ(window.EdParol->text(), "977777777777777");
    type("12345678901234567890");  // typing is held to the same limit
    EXPECT_EQ(window.EdParol->text(), "123456789012345");
}

TEST_F(LockWindow, PasswordFieldSelectsNothingWhenReachedWithTab) {
    type("123");
    window.EdParol->setCursorPosition(1);
    for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::ShortcutFocusReason}) {
        QFocusEvent focusIn(QEvent::FocusIn, reason);
        QApplication::sendEvent(window.EdParol, &focusIn);
        EXPECT_FALSE(window.EdParol->hasSelectedText()) << reason;
        EXPECT_EQ(window.EdParol->cursorPosition(), 1) << reason;
    }
    window.Butt[4]->click();
    EXPECT_EQ(window.EdParol->text(), "1423");  // the digit goes in at the caret, nothing is replaced
}

TEST_F(LockWindow, WrongPasswordEmptiesTheFieldAndTheRightOneOpensTheNextStage) {
    type("1234");
    window.ButtInt->click();
    EXPECT_EQ(window.EdParol->text(), "");
    EXPECT_EQ(window.LabN->text(), "0");
    EXPECT_EQ(window.game()->currentStage(), 1);

    type("4817");
    QTest::keyClick(window.EdParol, Qt::Key_Return);  // Return in the field is "Enter" too
    EXPECT_EQ(window.LabN->text(), "1");
    EXPECT_EQ(window.game()->currentStage(), 2);
    EXPECT_EQ(window.EdParol->text(), "");
    const std::string stage2(window.game()->stages().text(2));
    EXPECT_EQ(mindloom::qStringToCp1251(window.Ed->toPlainText()).text + "\r\n",
              QString::fromStdString(stage2).replace("\r\n", "\n").toStdString() + "\r\n");
}

TEST_F(LockWindow, ClearEmptiesTheFieldAndForgetsWhatEarlierAttemptsPrepared) {
    // Two attempts: the first leaves x = 5, the second opens only with x = 5 still there.
    playOwnLock("1: Ask (P);\r\n2: If X <> 5 Then (X = P; Go to 1;)\r\n3: Open (Lock);");
    type("5");
    window.ButtInt->click();
    EXPECT_EQ(variable("x"), 5);
    type("77");
    window.Button1->click();
    EXPECT_EQ(window.EdParol->text(), "");
    EXPECT_EQ(variable("x"), 0);
    window.ButtInt->click();  // an empty field enters 0; x is 0 again, so the lock stays shut
    EXPECT_EQ(window.LabN->text(), "0");
    type("5");
    window.ButtInt->click();
    type("9");
    window.ButtInt->click();
    EXPECT_EQ(window.LabN->text(), "1");
}

TEST_F(LockWindow, InstructionLimitClearsTheAttemptAndRunErrorsAreSilent) {
    playOwnLock("1: Ask (P);\r\n2: X = X + P;\r\n3: Go to 2;");
    type("3");
    window.ButtInt->click();
    EXPECT_EQ(window.EdParol->text(), "");
    EXPECT_EQ(variable("x"), 0);
    EXPECT_EQ(variable("p"), 0);

    mindloom::ScopedModalScript noWindow([](QDialog&) {
        ADD_FAILURE() << "a run-time error must not show a window";
        return 0;
    });
    playOwnLock("1: Ask (P);\r\n2: X = P / 0;\r\n3: Open (Lock);");
    type("-12");
    window.ButtInt->click();
    EXPECT_EQ(window.EdParol->text(), "-12");
    EXPECT_EQ(variable("p"), -12);
    EXPECT_EQ(window.LabN->text(), "0");
}

TEST_F(LockWindow, HelpShowsTheAboutBoxWithTheCaptionInactiveAndEnterDisabled) {
    bool shown = false;
    {
        mindloom::ScopedModalScript script([&](QDialog& dialog) {
            shown = true;
            EXPECT_NE(dynamic_cast<lockgame::TForm12*>(&dialog), nullptr);
            EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("About\u2026"));
            EXPECT_FALSE(window.ButtInt->isEnabled());
            EXPECT_EQ(window.ZaOkno->palette().color(QPalette::Window), QColor(128, 128, 128));
            return 1;
        });
        window.ButtHelp->click();
    }
    EXPECT_TRUE(shown);
    EXPECT_TRUE(window.ButtInt->isEnabled());
    EXPECT_EQ(window.ZaOkno->palette().color(QPalette::Window), QColor(0, 0, 128));
}

TEST_F(LockWindow, ImitationCloseButtonStopsTheTunnelOnPressAndClosesOnRelease) {
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.animationFrames() > 2; }, 2000));
    QTest::mousePress(window.SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(window.closeRequested());
    EXPECT_TRUE(window.isVisible());
    QTest::mouseRelease(window.SpeedButton1, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.animationRunning());
}

TEST_F(LockWindow, TunnelRunsFromItsTimerAtMostOneFrameAHundredth) {
    EXPECT_FALSE(window.animationRunning());  // the first paint starts it
    QElapsedTimer clock;
    clock.start();
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.animationFrames() >= 5; }, 2000));
    QTest::qWait(100);
    const long long frames = window.animationFrames();
    EXPECT_LE(frames, clock.elapsed() / 10 + 1);
    EXPECT_TRUE(window.animationRunning());
}

TEST_F(LockWindow, TunnelLeavesOnlyItsCurrentFrameOnTheBlueSurface) {
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.animationRunning(); }, 2000));
    for (int i = 0; i < 25; ++i) window.AnimationTick();

    QImage expected(window.surface().size(), QImage::Format_RGB32);
    expected.fill(QColor(0, 0, 255));
    QPainter p(&expected);
    for (const lockgame::TunnelLine& line : window.tunnelOnScreen()) {
        p.setPen(QPen(QColor(line.level, line.level, 255), 0));
        p.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    p.end();
    EXPECT_TRUE(window.surface() == expected) << "an earlier frame left pixels behind";
    int ringPixels = 0;
    const QRect nearCentre(window.screenCentre() - QPoint(60, 60), QSize(120, 120));
    for (int y = nearCentre.top(); y <= nearCentre.bottom(); ++y)
        for (int x = nearCentre.left(); x <= nearCentre.right(); ++x)
            ringPixels += expected.pixelColor(x, y) != QColor(0, 0, 255);
    EXPECT_GT(ringPixels, 100) << "no rings around the centre";
}

TEST_F(LockWindow, AHundredLocksOpenedFromTheirTextsEndTheGame) {
    window.show();
    for (int s = 1; s <= 100; ++s) {
        ASSERT_EQ(window.game()->currentStage(), s);
        const auto lock = mindloom::qStringToCp1251(window.Ed->toPlainText()).text;
        const locktest::Passwords passwords =
            locktest::solve(window.game()->stages().templateOf(s), locktest::numbersOf(lock));
        ASSERT_FALSE(passwords.empty()) << lock;
        int congratulations = 0;
        mindloom::ScopedModalScript script([&](QDialog& dialog) {
            ++congratulations;
            auto* form2 = dynamic_cast<lockgame::TForm2*>(&dialog);
            EXPECT_NE(form2, nullptr);
            if (form2) {
                EXPECT_EQ(form2->Lab1->text(), "We congratulate you have overcome game Vaultik");
            }
            return 1;
        });
        for (const std::string& password : passwords) {
            for (const char c : password) {
                if (c == '-') QTest::keyClick(window.EdParol, '-');
                else window.Butt[c - '0']->click();
            }
            window.ButtInt->click();
        }
        if (s < 100) {
            ASSERT_EQ(window.LabN->text(), QString::number(s)) << lock;
            EXPECT_EQ(congratulations, 0);
            EXPECT_FALSE(window.closeRequested());
        } else {
            EXPECT_EQ(congratulations, 1);
            EXPECT_EQ(window.LabN->text(), "99");
        }
    }
    EXPECT_TRUE(window.closeRequested());
    EXPECT_TRUE(window.TimerClose.isActive());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 1000));
}

}  // namespace
