#pragma once

class QApplication;

// What the entry point prepares before the first window is made.
namespace Startup {
// The application's name, and the desktop entry that gives the task bar its title "ДУВ
// Технолога". Qt's own texts (dialog buttons, file dialogs) are installed in Russian, like the
// rest of the workstation; false when Qt's Russian translations could not be found.
bool PrepareApplication(QApplication& app);
} // namespace Startup
