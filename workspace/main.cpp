#include "Startup.h"
#include "TMainForm.h"

#include <QApplication>
#include <QMetaObject>
#include <QScreen>
#include <QStringList>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Startup::PrepareApplication(app);

    // The main window creates the other forms in start-up order (TMainForm::CreateForms).
    TMainForm MainForm;
    // Without a window manager (a bare X server) maximizing alone leaves the window small.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        MainForm.setGeometry(screen->availableGeometry());
    MainForm.showMaximized();

    // A document named on the command line opens as if chosen in the open dialog.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 2) {
        const QString document = arguments.at(1);
        QMetaObject::invokeMethod(
            &MainForm, [&MainForm, document] { MainForm.OpenDocument(document); },
            Qt::QueuedConnection);
    }
    return app.exec();
}
