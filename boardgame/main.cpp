// quinto: five in a row against a computer player that the user can read and reprogram.
#include "application.h"
#include "mainwindow.h"

int main(int argc, char** argv) {
    auto app = mindloom::startApplication(argc, argv, "quinto", "Quinto");
    boardgame::TForm1 window;
    window.show();
    return app->exec();
}
