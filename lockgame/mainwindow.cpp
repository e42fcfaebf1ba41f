#include "mainwindow.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTime>
#include <QToolButton>

#include "aboutbox.h"
#include "caption_pictures.h"
#include "congratulation.h"
#include "modal.h"
#include "password.h"
#include "qcp1251.h"

namespace lockgame {
namespace {

// The colours of a classic window caption, which the imitation title bar copies.
const QColor kActiveCaption(0, 0, 128);
const QColor kActiveCaptionText(255, 255, 255);
const QColor kInactiveCaption(128, 128, 128);
const QColor kInactiveCaptionText(192, 192, 192);
const QColor kFace(212, 208, 200);

void paintFlat(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString displayText(std::string_view cp1251) {
    QString text = mindloom::qStringFromCp1251(cp1251);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The password field selects nothing when it gains the focus: a line edit selects its whole text
// when reached with Tab, and the next keypad digit would then replace the number.
class PasswordField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const bool hadSelection = hasSelectedText();
        const int caret = cursorPosition();
        QLineEdit::focusInEvent(event);
        if (!hadSelection && hasSelectedText()) {
            deselect();
            setCursorPosition(caret);
        }
    }
};

int clockDrawsNow() {
    const QTime now = QTime::currentTime();
    return clockDrawCount(now.minute(), now.second(), now.msec() / 10);
}

}  // namespace

TForm1::TForm1(std::optional<int> clockDraws, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    // FormCreate.
    setWindowTitle(QStringLiteral("Zolt Game Vaultik"));
    QPalette blue = palette();
    blue.setColor(QPalette::Window, backgroundColour());
    setPalette(blue);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        centre_ = QPoint(screen->geometry().width() / 2, screen->geometry().height() / 2);
        setGeometry(screen->availableGeometry());  // whole screen even where nothing maximises
    }
    setWindowState(Qt::WindowMaximized);

    buildWindowImitation();
    buildKeypad();
    Form2 = new TForm2(this);
    Form12 = new TForm12(this);

    TimerClose.setInterval(100);
    TimerClose.setSingleShot(false);
    connect(&TimerClose, &QTimer::timeout, this, &TForm1::TimerCloseTimer);
    animationTimer_.setInterval(kFrameInterval);
    animationTimer_.setTimerType(Qt::PreciseTimer);  // never early: at most one frame a hundredth
    connect(&animationTimer_, &QTimer::timeout, this, &TForm1::AnimationTick);

    engine_ = std::make_unique<zolt::Engine>(zolt::VocabularyKind::Lock);
    game_ = std::make_unique<LockGame>(*engine_);
    game_->view.clearPassword = [this] { clearPasswordField(); };
    game_->view.showStage = [this] { showCurrentStage(); };
    game_->view.congratulate = [this] { congratulate(); };
    game_->Generate(clockDraws ? *clockDraws : clockDrawsNow());
}

TForm1::~TForm1() = default;

void TForm1::buildWindowImitation() {
    QFont captionFont = font();
    captionFont.setBold(true);
    captionFont.setPixelSize(15);

    ZaOkno = new QLabel(QStringLiteral("      Game Vaultik"), this);
    ZaOkno->setGeometry(72, 32, 361, 25);
    ZaOkno->setFont(captionFont);
    ZaOkno->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ImhaIk = new QLabel(ZaOkno);
    ImhaIk->setGeometry(3, 2, 20, 20);
    ImhaIk->setPixmap(lockPicture(20));

    Okno = new QFrame(this);
    Okno->setGeometry(496, 32, 57, 25);
    const auto captionButton = [this](const QPixmap& face, int left) {
        auto* button = new QToolButton(Okno);
        button->setGeometry(left, 5, 16, 14);
        button->setIcon(QIcon(face));
        button->setIconSize(face.size());
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoFillBackground(true);
        button->setPalette(QPalette(kFace));
        return button;
    };
    SpeedButton3 = captionButton(minimisePicture(), 3);
    SpeedButton2 = captionButton(maximisePicture(false), 19);
    SpeedButton1 = captionButton(closePicture(), 38);
    SpeedButton2->setEnabled(false);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(SpeedButton1, &QToolButton::pressed, this, &TForm1::SpeedButton1MouseDown);
    connect(SpeedButton1, &QToolButton::released, this, &TForm1::SpeedButton1MouseUp);
    setCaptionActive(true);

    PaOkno = new QFrame(this);
    PaOkno->setGeometry(72, 80, 481, 169);
    PaOkno->setFrameShape(QFrame::Panel);
    PaOkno->setFrameShadow(QFrame::Raised);
    paintFlat(PaOkno, kFace, Qt::black);

    haLabel1 = new QLabel(QStringLiteral("Lock program:"), PaOkno);
    haLabel1->move(8, 2);
    Label1 = new QLabel(QStringLiteral("   Stage"), PaOkno);
    Label1->move(372, 2);
    LabN = new QLabel(QStringLiteral("0"), PaOkno);
    LabN->setGeometry(448, 2, 30, 14);
    QFont bold = LabN->font();
    bold.setBold(true);
    LabN->setFont(bold);
    for (QLabel* label : {haLabel1, Label1}) label->setFixedHeight(14);

    Ed = new QTextEdit(PaOkno);
    Ed->setGeometry(8, 16, 465, 113);
    Ed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Ed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Ed->setLineWrapMode(QTextEdit::NoWrap);
    Ed->setAcceptRichText(false);
    Ed->setReadOnly(true);
    Ed->setEnabled(false);
    QPalette readable = Ed->palette();  // disabled, but the lock must stay readable
    readable.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    readable.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    Ed->setPalette(readable);
    QFont lockFont(QStringLiteral("Courier New"));
    lockFont.setStyleHint(QFont::Monospace);
    lockFont.setPixelSize(13);
    Ed->setFont(lockFont);

    haLabel2 = new QLabel(QStringLiteral("      Password:"), PaOkno);
    haLabel2->setGeometry(8, 144, 110, 16);
    EdParol = new PasswordField(PaOkno);
    EdParol->setGeometry(120, 136, 153, 28);
    EdParol->setMaxLength(kPasswordLength);
    connect(EdParol, &QLineEdit::returnPressed, this, &TForm1::ButtIntClick);

    Button1 = new QPushButton(QStringLiteral("CLEAR"), PaOkno);
    Button1->setGeometry(352, 136, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    ButtHelp = new QPushButton(QStringLiteral("?"), PaOkno);
    ButtHelp->setGeometry(448, 136, 25, 25);
    connect(ButtHelp, &QPushButton::clicked, this, &TForm1::ButtHelpClick);
}

void TForm1::buildKeypad() {
    QFont digits(QStringLiteral("Times New Roman"));
    digits.setStyleHint(QFont::Serif);
    digits.setPixelSize(19);
    digits.setBold(true);
    constexpr int lefts[5] = {200, 256, 312, 368, 424};
    for (int digit = 0; digit <= 9; ++digit) {
        // 1 to 5 on the upper row, 6 to 9 and 0 on the lower one.
        const int place = digit == 0 ? 9 : digit - 1;
        auto* button = new QPushButton(QString::number(digit), this);
        button->setGeometry(lefts[place % 5], place < 5 ? 264 : 320, 41, 41);
        button->setFont(digits);
        button->setFocusPolicy(Qt::NoFocus);  // the password field keeps its caret and selection
        connect(button, &QPushButton::clicked, this, [this, digit] { ButtDigitClick(digit); });
        Butt[digit] = button;
    }
    ButtInt = new QPushButton(QStringLiteral("Enter"), this);
    ButtInt->setGeometry(280, 376, 105, 41);
    connect(ButtInt, &QPushButton::clicked, this, &TForm1::ButtIntClick);
}

void TForm1::setCaptionActive(bool active) {
    const QColor background = active ? kActiveCaption : kInactiveCaption;
    const QColor text = active ? kActiveCaptionText : kInactiveCaptionText;
    paintFlat(ZaOkno, background, text);
    paintFlat(Okno, background, text);
}

void TForm1::showEvent(QShowEvent* event) {
    // FormShow: the other windows' texts, and the caret in the password field.
    Form2->Lab1->setText(QStringLiteral("We congratulate you have overcome game Vaultik"));
    Form2->Lab2->setText(QStringLiteral("by showing ingenious abilities in programming"));
    EdParol->setFocus();
    QWidget::showEvent(event);
}

void TForm1::showCurrentStage() {
    Ed->setPlainText(displayText(game_->currentText()));
    LabN->setText(QString::number(game_->stagesPassed()));
}

void TForm1::clearPasswordField() {
    EdParol->clear();
    EdParol->setFocus();
}

void TForm1::ButtDigitClick(int digit) {
    if (EdParol->text().size() < kPasswordLength) EdParol->insert(QString::number(digit));
    EdParol->setFocus();
}

void TForm1::ButtIntClick() {
    if (!game_ || closeRequested_) return;
    // Only digits and a leading minus count, and those are the same bytes in every encoding.
    game_->Enter(mindloom::qStringToCp1251(EdParol->text()).text);
}

void TForm1::Button1Click() {
    if (game_) game_->ClearAttempt();
}

void TForm1::ButtHelpClick() {
    setCaptionActive(false);
    ButtInt->setEnabled(false);
    mindloom::showModal(*Form12);
    ButtInt->setEnabled(true);
    setCaptionActive(true);
    EdParol->setFocus();
}

void TForm1::congratulate() {
    mindloom::showModal(*Form2);
    closeRequested_ = true;
    TimerClose.start();
}

void TForm1::SpeedButton1MouseDown() { closeRequested_ = true; }

void TForm1::SpeedButton1MouseUp() { close(); }

void TForm1::SpeedButton3Click() { showMinimized(); }

void TForm1::TimerCloseTimer() {
    TimerClose.stop();
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // FormClose: the animation ends first, then the locks, the tables and the cells go.
    closeRequested_ = true;
    animationTimer_.stop();
    TimerClose.stop();
    game_.reset();
    engine_.reset();
    event->accept();
}

// --- the tunnel ---------------------------------------------------------------------------

void TForm1::ensureSurface() {
    const QSize needed = size().expandedTo(surface_.size());
    if (surface_.size() == needed) return;
    QImage larger(needed, QImage::Format_RGB32);
    larger.fill(backgroundColour());
    if (!surface_.isNull()) {
        QPainter p(&larger);
        p.drawImage(0, 0, surface_);
    }
    surface_ = std::move(larger);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    ensureSurface();
    background_ = QRegion(rect());
    for (QWidget* child : {static_cast<QWidget*>(ZaOkno), static_cast<QWidget*>(Okno),
                           static_cast<QWidget*>(PaOkno), static_cast<QWidget*>(ButtInt)})
        background_ -= QRegion(child->geometry());
    for (QPushButton* button : Butt) background_ -= QRegion(button->geometry());
    QWidget::resizeEvent(event);
}

void TForm1::drawLines(const std::vector<TunnelLine>& lines, bool erase) {
    QPainter p(&surface_);
    QPen pen(backgroundColour());
    pen.setWidth(0);
    int level = -1;
    for (const TunnelLine& line : lines) {
        if (!erase && line.level != level) {
            level = line.level;
            pen.setColor(QColor(level, level, 255));
        }
        p.setPen(pen);
        p.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

void TForm1::AnimationTick() {
    if (closeRequested_) {
        animationTimer_.stop();
        return;
    }
    ensureSurface();
    // The frame on screen has waited its hundredth of a second: erase it by drawing it again in
    // the background colour, then draw the next one.
    drawLines(shownLines_, /*erase=*/true);
    shownLines_ = tunnelLines(animation_.next(), centre_.x(), centre_.y(), degrees_);
    drawLines(shownLines_, /*erase=*/false);
    ++framesDrawn_;
    update(background_.isEmpty() ? QRegion(rect()) : background_);
}

void TForm1::paintEvent(QPaintEvent* event) {
    ensureSurface();
    QPainter p(this);
    for (const QRect& r : event->region()) p.drawImage(r, surface_, r);
    // The first paint starts the animation; it then runs from its timer until closing.
    if (!animationStarted_ && !closeRequested_) {
        animationStarted_ = true;
        animationTimer_.start();
    }
}

}  // namespace lockgame
