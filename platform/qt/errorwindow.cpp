// The error window TForm8 and ShowError.
#include "errorwindow.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <cp1251.h>

#include "helpwindow.h"
#include "modal.h"

namespace mindloom {
namespace {

QString fromCp1251(const std::string& text) { return QString::fromStdString(cp1251ToUtf8(text)); }

QLabel* textLine(QWidget* parent, int top) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);  // messages hold '<' and '>' and must not be read as markup
    label->setGeometry(64, top, 376, 18);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(10);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

}  // namespace

TForm8::TForm8(bool withProgramLine, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("error"));
    const int shift = withProgramLine ? 20 : 0;
    setFixedSize(452, 128 + shift);
    if (withProgramLine) Tex = textLine(this, 8);
    L1 = textLine(this, 12 + shift);
    L2 = textLine(this, 34 + shift);
    L3 = textLine(this, 56 + shift);
    L1->setText(QStringLiteral("error"));

    Image1 = new QLabel(this);
    Image1->setGeometry(16, 12 + shift, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(268, 90 + shift, 80, 26);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Help"), this);
    Button2->setGeometry(356, 90 + shift, 80, 26);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
}

void TForm8::present(int code, const zolt::ErrorDetails& details, const std::string& programName) {
    if (Tex) Tex->setText(fromCp1251(zolt::programLine(programName)));
    const zolt::ErrorText text = zolt::describeError(code, details);
    // A code outside the table keeps the plain lines and the previous help topic.
    if (text.helpTopic != 0) ErrorHelpContext = text.helpTopic;
    L1->setText(fromCp1251(text.category));
    L2->setText(fromCp1251(text.message));
    L3->setText(fromCp1251(text.hint));
}

void TForm8::Button2Click() {
    if (beforeHelp) beforeHelp();
    if (help_) help_->openTopic(ErrorHelpContext);
}

void ShowError(TForm8& window, int code, const zolt::ErrorDetails& details, const std::string& programName) {
    window.present(code, details, programName);
    if (code == 210 && window.hideCompileStop) window.hideCompileStop();
    showModal(window);
}

}  // namespace mindloom
