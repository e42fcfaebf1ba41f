// zolt: the lock game "Zolt Game Vaultik".
#include "application.h"
#include "mainwindow.h"

int main(int argc, char** argv) {
    auto app = mindloom::startApplication(argc, argv, QStringLiteral("zolt"), QStringLiteral("Zolt Game Vaultik"));
    lockgame::TForm1 window;
    window.showMaximized();
    return app->exec();
}
