#include "Startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Startup {

bool PrepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("duvt"));
    // The task bar takes the title "ДУВ Технолога" from the desktop entry. A display name would
    // serve as well, but Qt appends it to the caption of every window and message box ("Ошибка —
    // ДУВ Технолога"), and the captions are to read exactly as given.
    QGuiApplication::setDesktopFileName(QStringLiteral("duvt"));

    auto* qtbase = new QTranslator(&app);
    if (!qtbase->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtbase;
        return false;
    }
    QApplication::installTranslator(qtbase);
    return true;
}

} // namespace Startup
