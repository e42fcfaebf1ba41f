#include "aboutbox.h"

#include <QLabel>
#include <QPushButton>

#include "caption_pictures.h"
#include "stage_list.h"

namespace lockgame {

TForm12::TForm12(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About\u2026"));
    setFixedSize(361, 213);

    Picture = new QLabel(this);
    Picture->setPixmap(lockPicture(48));
    Picture->setGeometry(16, 16, 48, 48);

    QFont title = font();
    title.setBold(true);
    title.setPixelSize(18);
    ProductName = new QLabel(QStringLiteral("Zolt Game Vaultik"), this);
    ProductName->setFont(title);
    ProductName->setGeometry(80, 16, 265, 24);
    Series = new QLabel(QStringLiteral("A game of the Mindloom series"), this);
    Series->setGeometry(80, 42, 265, 20);
    L = new QLabel(QStringLiteral("%1 locks, new ones at every start").arg(kStageCount), this);
    L->setGeometry(80, 62, 265, 20);
    Rules = new QLabel(QStringLiteral("Each lock is a small program. Read it, find the number it "
                                      "waits for, type it and press Enter. Some locks remember "
                                      "what you tried before; CLEAR makes them forget."),
                       this);
    Rules->setWordWrap(true);
    Rules->setGeometry(16, 92, 329, 64);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(140, 168, 81, 29);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { done(1); });
}

}  // namespace lockgame
