// Start-up shared by the suite's programs: one QApplication with the suite's settings.
#pragma once

#include <memory>

#include <QApplication>
#include <QString>

namespace mindloom {

// Creates the application object: the program's name (also its settings key), the title the
// taskbar shows, the organisation, the Fusion style so the windows look alike on every desktop,
// and the last window closing ends the program.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv, const QString& programName,
                                               const QString& title);

}  // namespace mindloom
