// TForm1: the whole-screen blue window of the lock game with its imitation window, the keypad
// and the wire-frame tunnel drawn behind them.
#pragma once

#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "engine.h"
#include "lock_game.h"
#include "tunnel.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace lockgame {

class TForm2;
class TForm12;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Without `clockDraws` the clock decides how far the generator is advanced before the stages
    // are generated; tests pass a number to get a known game.
    explicit TForm1(std::optional<int> clockDraws = std::nullopt, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, named as the game's designers named them.
    QLabel* ZaOkno = nullptr;
    QLabel* ImhaIk = nullptr;
    QFrame* Okno = nullptr;
    QToolButton* SpeedButton1 = nullptr;  // close
    QToolButton* SpeedButton2 = nullptr;  // maximise, disabled
    QToolButton* SpeedButton3 = nullptr;  // minimise
    QFrame* PaOkno = nullptr;
    QLabel* haLabel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabN = nullptr;
    QTextEdit* Ed = nullptr;
    QLabel* haLabel2 = nullptr;
    QLineEdit* EdParol = nullptr;
    QPushButton* Button1 = nullptr;   // "CLEAR"
    QPushButton* ButtHelp = nullptr;  // "?"
    std::array<QPushButton*, 10> Butt{};  // Butt[0] is Butt0 ... Butt[9] is Butt9
    QPushButton* ButtInt = nullptr;   // "Enter"
    QTimer TimerClose;

    TForm2* Form2 = nullptr;
    TForm12* Form12 = nullptr;

    // Handlers.
    void ButtDigitClick(int digit);
    void ButtIntClick();
    void Button1Click();
    void ButtHelpClick();
    void SpeedButton1MouseDown();
    void SpeedButton1MouseUp();
    void SpeedButton3Click();
    void TimerCloseTimer();

    // State a test reads.
    LockGame* game() { return game_.get(); }
    bool closeRequested() const { return closeRequested_; }
    bool animationRunning() const { return animationTimer_.isActive(); }
    long long animationFrames() const { return framesDrawn_; }
    const QImage& surface() const { return surface_; }
    const std::vector<TunnelLine>& tunnelOnScreen() const { return shownLines_; }
    QPoint screenCentre() const { return centre_; }
    // Draws the next frame of the tunnel at once (what the animation's timer does).
    void AnimationTick();

    static QColor backgroundColour() { return QColor(0, 0, 255); }
    static constexpr int kFrameInterval = 10;  // ms: at most one frame per hundredth of a second

protected:
    void showEvent(QShowEvent* event) override;     // FormShow
    void paintEvent(QPaintEvent* event) override;   // FormPaint
    void closeEvent(QCloseEvent* event) override;   // FormClose
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildWindowImitation();
    void buildKeypad();
    void setCaptionActive(bool active);
    void showCurrentStage();
    void clearPasswordField();
    void congratulate();
    void ensureSurface();
    void drawLines(const std::vector<TunnelLine>& lines, bool erase);

    std::unique_ptr<zolt::Engine> engine_;
    std::unique_ptr<LockGame> game_;
    bool closeRequested_ = false;

    QTimer animationTimer_;
    bool animationStarted_ = false;
    TunnelAnimation animation_;
    DegreeTable degrees_;
    QPoint centre_;
    QImage surface_;
    std::vector<TunnelLine> shownLines_;
    QRegion background_;  // the window less its child controls: what a frame repaints
    long long framesDrawn_ = 0;
};

}  // namespace lockgame
