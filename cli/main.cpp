// duvt-cli: the workstation's document checks and controller image without its windows.
#include "CliSupport.h"
#include "Commands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

QString HelpText() {
    QString text = QStringLiteral(
        "duvt-cli — спутник ДУВ Технолога для командной строки: проверка документов *.dv3\n"
        "и массив данных для загрузки в КРЖ без окон программы.\n"
        "\n"
        "Использование:\n"
        "  duvt-cli КОМАНДА АРГУМЕНТЫ\n"
        "  duvt-cli КОМАНДА --help   справка по команде\n"
        "  duvt-cli --help           эта справка\n"
        "\n"
        "Команды:\n");
    for (const CliCommand& command : CliCommands()) {
        text += QStringLiteral("  duvt-cli %1 %2\n")
                    .arg(QLatin1String(command.Name), QString::fromUtf8(command.Usage));
        for (const QString& line : QString::fromUtf8(command.Description).split(QLatin1Char('\n')))
            text += QStringLiteral("      ") + line + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    text += QStringLiteral(
        "Текст выводится в UTF-8, сообщения об ошибках — в поток ошибок.\n"
        "Коды завершения: 0 — успешно; 1 — операция не выполнена (документ не найден\n"
        "или не читается, выходной файл не записан); 2 — неверный вызов.\n");
    return text;
}

QString CommandHelp(const CliCommand& command) {
    return QStringLiteral("Использование: duvt-cli %1 %2\n\n%3\n")
        .arg(QLatin1String(command.Name), QString::fromUtf8(command.Usage),
             QString::fromUtf8(command.Description));
}

bool IsHelp(const QString& arg) {
    return arg == QLatin1String("--help") || arg == QLatin1String("-h");
}

int Run(const QStringList& args) {
    if (args.isEmpty()) {
        CliErr(HelpText());
        return ExitUsage;
    }
    if (IsHelp(args.front()) || args.front() == QLatin1String("help")) {
        CliOut(HelpText());
        return ExitSuccess;
    }
    const CliCommand* command = FindCliCommand(args.front());
    if (!command) {
        CliError(QStringLiteral("неизвестная команда «%1»\nСписок команд: duvt-cli --help")
                     .arg(args.front()));
        return ExitUsage;
    }
    const QStringList rest = args.mid(1);
    for (const QString& arg : rest) {
        if (arg == QLatin1String("--"))
            break;
        if (IsHelp(arg)) {
            CliOut(CommandHelp(*command));
            return ExitSuccess;
        }
    }
    return command->Run(*command, rest);
}

} // namespace

int main(int argc, char** argv) {
    // Text can be drawn only with the GUI application object; the others go without it, so they
    // neither load a platform nor say anything about it on standard error.
    const CliCommand* command =
        argc > 1 ? FindCliCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    std::unique_ptr<QCoreApplication> app;
    if (command && command->DrawsText) {
        qputenv("QT_QPA_PLATFORM", "offscreen"); // never a window, so no display needed
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    CliInitConsole();
    int code = Run(QCoreApplication::arguments().mid(1));
    // Output that did not arrive (a full disk, a closed pipe) must not pass for success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        CliError(QStringLiteral("не удаётся вывести результат"));
        if (code == ExitSuccess)
            code = ExitFailed;
    }
    return code;
}
