// duvt-sim: a simulated КРЖ controller on a pseudo-terminal, for trying the upload without a
// press. It prints the terminal's path, which is typed into the upload dialog as the port.
#include "ControllerSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <pthread.h>

namespace {

struct IntOption {
    QCommandLineOption option;
    int* target;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("duvt-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.1"));
    // The parser's own lines (usage, --help, --version) in Russian as well.
    QTranslator qtbase;
    if (qtbase.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtbase);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Имитатор контроллера КРЖ в режиме программирования. Открывает псевдотерминал, печатает "
        "его путь (его вводят в окне загрузки как имя порта) и обслуживает его до завершения "
        "(Ctrl+C)."));
    parser.addHelpOption();
    parser.addVersionOption();

    ControllerSimulator::Options options;
    const QCommandLineOption silent(
        QStringList{QStringLiteral("s"), QStringLiteral("silent")},
        QStringLiteral("Не отвечать на запросы (нет связи с прибором)."));
    const QCommandLineOption noEcho(QStringLiteral("no-echo"),
                                    QStringLiteral("Не возвращать принятые байты по одному."));
    const QCommandLineOption paced(
        QStringList{QStringLiteral("p"), QStringLiteral("paced")},
        QStringLiteral("Выдерживать время байта на линии: 4800 бит/с, 8 бит, чётность, 1 стоп-бит "
                       "(2,29 мс на байт)."));
    const IntOption counts[] = {
        {QCommandLineOption(QStringList{QStringLiteral("i"), QStringLiteral("ignore")},
                            QStringLiteral("Пропустить первые <n> запросов без ответа."),
                            QStringLiteral("n")),
         &options.IgnoredRequests},
        {QCommandLineOption(QStringList{QStringLiteral("j"), QStringLiteral("junk")},
                            QStringLiteral("Послать <n> посторонних байтов перед байтом "
                                           "готовности."),
                            QStringLiteral("n")),
         &options.JunkBeforeReady},
        {QCommandLineOption(QStringList{QStringLiteral("c"), QStringLiteral("change")},
                            QStringLiteral("Изменить байт <k> возвращаемой копии (счёт с 0)."),
                            QStringLiteral("k")),
         &options.ChangedByte},
        {QCommandLineOption(QStringList{QStringLiteral("r"), QStringLiteral("return")},
                            QStringLiteral("Вернуть только <n> байтов копии из 332."),
                            QStringLiteral("n")),
         &options.ReturnCount},
        {QCommandLineOption(QStringList{QStringLiteral("x"), QStringLiteral("extra")},
                            QStringLiteral("Послать после копии ещё <n> лишних байтов."),
                            QStringLiteral("n")),
         &options.ExtraBytes},
        {QCommandLineOption(QStringLiteral("hangup"),
                            QStringLiteral("Разорвать связь после приёма <n> байтов массива."),
                            QStringLiteral("n")),
         &options.HangUpAfter},
    };
    parser.addOption(silent);
    parser.addOption(noEcho);
    parser.addOption(paced);
    for (const IntOption& count : counts)
        parser.addOption(count.option);
    parser.process(app);

    options.Silent = parser.isSet(silent);
    options.Echo = !parser.isSet(noEcho);
    options.Paced = parser.isSet(paced);
    for (const IntOption& count : counts) {
        if (!parser.isSet(count.option))
            continue;
        bool ok = false;
        *count.target = parser.value(count.option).toInt(&ok);
        if (!ok) {
            std::fprintf(
                stderr, "%s\n",
                qPrintable(QStringLiteral("Неверное число в параметре --%1: %2")
                               .arg(count.option.names().constLast(), parser.value(count.option))));
            return 2;
        }
    }

    // The signals that end the service are taken synchronously below, never by a handler.
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);

    ControllerSimulator controller(options);
    if (!controller.Start()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("Не удалось открыть псевдотерминал.")));
        return 1;
    }
    std::printf("%s\n", controller.SlavePath().c_str());
    std::fflush(stdout);

    int copies = 0;
    const timespec tick{0, 200'000'000};
    while (sigtimedwait(&ending, nullptr, &tick) < 0) {
        if (controller.CopiesSent() != copies) {
            copies = controller.CopiesSent();
            std::fprintf(
                stderr, "%s\n",
                qPrintable(QStringLiteral("Принят массив, копия отправлена (%1).").arg(copies)));
        }
        if (controller.HungUp()) {
            std::fprintf(stderr, "%s\n", qPrintable(QStringLiteral("Связь разорвана.")));
            return 0;
        }
    }
    return 0;
}
