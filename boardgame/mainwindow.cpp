// The window's construction: controls, menus, the engine's hooks, loading and closing.
#include "mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "changedialog.h"
#include "deletewarning.h"
#include "errorwindow.h"
#include "helpwindow.h"
#include "modal.h"
#include "namedialog.h"
#include "pictures.h"
#include "programedit.h"
#include "qcp1251.h"
#include "smallwindows.h"
#include "standardprogram.h"

namespace boardgame {

namespace {
constexpr int kClientWidth = 523;
constexpr int kClientHeight = 393;
constexpr int kFieldPage = 0;
constexpr int kProgramPage = 1;
}  // namespace

TForm1::TForm1(std::filesystem::path workingFolder, QWidget* parent)
    : QMainWindow(parent), storage_(library::kBoardFormat, std::move(workingFolder)) {
    FormCreate();
}

TForm1::~TForm1() {
    // The buttons and the engine go with the window; nothing may reach the board afterwards.
    board_.onComputerMark = nullptr;
    engine_.hooks = {};
}

void TForm1::FormCreate() {
    setWindowTitle("Quinto");
    crossPicture_ = crossPicture();
    noughtPicture_ = noughtPicture();

    STR = new QTabWidget(this);
    setCentralWidget(STR);
    createFieldPage();
    createProgramPage();
    createMenus();

    Form8 = new mindloom::TForm8(true, this);
    Form2 = new TForm2(this);
    Form3 = new TForm3(this);
    Form4 = new TForm4(this);
    Form5 = new TForm5(this);
    Form6 = new TForm6(this);
    Form12 = new TForm12(this);
    Help = new mindloom::HelpWindow("quinto", "Quinto", this);
    Form8->setHelpWindow(Help);
    Form8->hideCompileStop = [this] { BStopI->hide(); };

    TMV = new QTimer(this);
    TMV->setInterval(200);
    connect(TMV, &QTimer::timeout, this, &TForm1::TMVTimer);

    installEngineHooks();
    loadLibrary();
    board_.ResetBoard();
    board_.onComputerMark = [this](int column, int row) { showComputerMark(column, row); };

    lastPage_ = STR->currentIndex();
    connect(STR, &QTabWidget::currentChanged, this, &TForm1::STRChange);
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    // A fixed window with the system menu and the minimise button only, in the middle of the screen.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

void TForm1::createFieldPage() {
    STR1 = new QWidget;
    STR->addTab(STR1, "Field");
    Bevel1 = new QFrame(STR1);
    Bevel1->setGeometry(79, 0, 361, 361);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    for (int c = 0; c < kBoardSize; ++c) {
        for (int r = 0; r < kBoardSize; ++r) {
            auto* button = new QToolButton(STR1);
            button->setGeometry(90 + 17 * c, 10 + 17 * r, 17, 17);
            button->setCheckable(true);  // every button keeps its own pressed state
            button->setIconSize(QSize(14, 14));
            button->setFocusPolicy(Qt::NoFocus);
            connect(button, &QToolButton::clicked, this, [this, button] { BBBClick(button); });
            squares_[c * kBoardSize + r] = button;
        }
    }
}

void TForm1::createProgramPage() {
    STR2 = new QWidget;
    STR->addTab(STR2, "Program");
    TexZ = new QLabel("Computer program:", STR2);
    TexZ->setGeometry(32, 0, 380, 16);
    TexZ->setTextFormat(Qt::PlainText);
    Label1 = new QLabel("For each Square(X, Y) calculate", STR2);
    Label1->setGeometry(32, 16, 380, 20);
    Ed = new editor::ProgramEdit(zolt::VocabularyKind::Board, STR2);
    Ed->setGeometry(0, 40, 513, 321);
    Ed->setLineWrapMode(QTextEdit::NoWrap);
    Ed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Ed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Sintex = new editor::SyntaxSelector(STR2);
    Sintex->setGeometry(400, 8, 113, 24);  // wide enough for "Zolt Russian"
    Ed->setSyntax(Sintex->currentIndex());
    connect(Sintex, &editor::SyntaxSelector::entered, this, &TForm1::SintexEnter);
    connect(Sintex, &QComboBox::currentIndexChanged, this, &TForm1::SintexChange);

    for (QToolButton** stop : {&BStopC, &BStopI}) {
        *stop = new QToolButton(STR2);
        (*stop)->setIcon(stopPicture());
        (*stop)->setIconSize(QSize(75, 24));
        (*stop)->hide();
    }
    BStopC->setGeometry(416, 0, 79, 28);
    BStopI->setGeometry(432, 0, 79, 28);
    BStopI->raise();
    connect(BStopC, &QToolButton::clicked, this, &TForm1::BStopCClick);
    connect(BStopI, &QToolButton::clicked, this, &TForm1::BStopIClick);
}

void TForm1::createMenus() {
    QMenu* game = menuBar()->addMenu("Game");
    N5 = game->addAction("New game", this, &TForm1::N5Click);
    game->addSeparator();
    N11 = game->addAction("Exit", this, &TForm1::N11Click);
    programMenu = menuBar()->addMenu("Program");
    menuBar()->addMenu("Rules")->addAction("Rules of game", this, &TForm1::N6Click);
    menuBar()->addMenu("Competitions")->addAction("Invitation", this, &TForm1::N13Click);
    QMenu* help = menuBar()->addMenu("Help");
    help->addAction("Rules of game", this, &TForm1::N7Click);
    help->addAction("About programming", this, &TForm1::N8Click);
    help->addAction("About\u2026", this, &TForm1::N9Click);
}

void TForm1::N6Click() { Form4->show(); }
void TForm1::N7Click() { Form4->show(); }
void TForm1::N8Click() { Help->openKeywordIndex(); }
void TForm1::N9Click() { mindloom::showModal(*Form12); }
void TForm1::N11Click() { close(); }
void TForm1::N13Click() { Form5->show(); }

void TForm1::installEngineHooks() {
    engine_.hooks.processMessages = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
    engine_.hooks.showRunStop = [this](bool shown) {
        BStopC->setVisible(shown);
        if (shown) BStopC->raise();
    };
    engine_.hooks.showCompileStop = [this](bool shown) {
        BStopI->setVisible(shown);
        if (shown) BStopI->raise();
    };
    engine_.hooks.showError = [this](int code) { showRunError(code); };
    engine_.board = &board_;
}

void TForm1::loadLibrary() {
    compiling_ = true;
    loadReport_ = storage_.load(library_, defaultLibraryText(), &engine_);
    compiling_ = false;
    for (int i = 0; i < static_cast<int>(library_.effects.size()); ++i) addProgramItem(i);
    if (!library_.effects.empty()) selectRecord(0);
}

void TForm1::addProgramItem(int recordIndex) {
    const library::ProgramRecord& record = library_.effects[recordIndex];
    QAction* item = programMenu->addAction(mindloom::qStringFromCp1251(record.name));
    connect(item, &QAction::triggered, this, [this, item] { NNClick(item); });
    // Every record gets a visible item, even one the file marks as deleted: only a deletion made
    // in this session hides an item.
    items_.push_back(item);
}

QAction* TForm1::programItem(int recordIndex) const {
    return recordIndex >= 0 && recordIndex < static_cast<int>(items_.size()) ? items_[recordIndex] : nullptr;
}

int TForm1::currentRecordIndex() const {
    for (int i = 0; i < static_cast<int>(library_.effects.size()); ++i)
        if (&library_.effects[i] == current_) return i;
    return -1;
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    if (!loadReport_.message.empty()) QTimer::singleShot(0, this, &TForm1::showLoadMessage);
}

void TForm1::showLoadMessage() {
    QMessageBox box(QMessageBox::Information, "Quinto", QString::fromStdString(loadReport_.message),
                    QMessageBox::Ok, this);
    mindloom::showModal(box);
}

void TForm1::showRunError(int code) {
    if (closeAfterTurn_) return;  // the run was stopped because the window is closing
    mindloom::ShowError(*Form8, code, {}, current_ ? current_->name : std::string());
    STR->setCurrentWidget(STR2);
}

void TForm1::showCompileError(int code, const zolt::ErrorDetails& details) {
    mindloom::ShowError(*Form8, code, details, current_ ? current_->name : std::string());
    STR->setCurrentWidget(STR2);
}

bool TForm1::FormClose() {
    if (!LibraryModified_) return true;
    const library::SaveReport report = storage_.save(library_);
    if (report.ok) {
        LibraryModified_ = false;
        return true;
    }
    QMessageBox box(QMessageBox::Warning, "Quinto",
                    "The programs could not be saved: " + QString::fromStdString(report.message) +
                        "\nThe library file was left as it was.\n\nClose without saving?",
                    QMessageBox::Yes | QMessageBox::No, this);
    return mindloom::showModal(box) == QMessageBox::Yes;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (engineBusy()) {
        // The engine is inside a turn or a compile: stop it and close once it has returned.
        closeAfterTurn_ = true;
        if (turnRunning_) engine_.RequestStop();
        event->ignore();
        return;
    }
    if (!FormClose()) {
        event->ignore();
        return;
    }
    TMV->stop();
    event->accept();
}

}  // namespace boardgame
