#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("ДУВ Технолога"));
    QLabel placeholder(QStringLiteral("ДУВ Технолога"));
    placeholder.show();
    return app.exec();
}
