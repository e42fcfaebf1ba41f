#include "application.h"

#include <QStyleFactory>

namespace mindloom {

std::unique_ptr<QApplication> startApplication(int& argc, char** argv, const QString& programName,
                                               const QString& title) {
    QApplication::setOrganizationName(QStringLiteral("Mindloom"));
    QApplication::setApplicationName(programName);
    auto app = std::make_unique<QApplication>(argc, argv);
    app->setApplicationDisplayName(title);
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) app->setStyle(style);
    app->setQuitOnLastWindowClosed(true);
    return app;
}

}  // namespace mindloom
