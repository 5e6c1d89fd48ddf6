#include "CliSupport.h"

#include "Commands.h"

#include <QFileInfo>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

} // namespace

void CliInitConsole() {
#ifdef Q_OS_WIN
    // The listing promises bare line feeds, and the console has to be told the text is UTF-8.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#endif
}

void CliOut(const QString& text) {
    Write(stdout, text);
}

void CliErr(const QString& text) {
    Write(stderr, text);
}

void CliError(const QString& message) {
    CliErr(QStringLiteral("duvt-cli: %1\n").arg(message));
}

QString CliPrintable(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    return result;
}

void CliUsageError(const CliCommand& command, const QString& message) {
    CliErr(QStringLiteral("duvt-cli %1: %2\nИспользование: duvt-cli %1 %3\n"
                          "Подробнее: duvt-cli %1 --help\n")
               .arg(QLatin1String(command.Name), message, QString::fromUtf8(command.Usage)));
}

std::optional<CliArguments> CliArguments::Parse(const CliCommand& command, const QStringList& args,
                                                std::initializer_list<CliOption> options,
                                                int positionalCount) {
    CliArguments result;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (optionsEnded || arg == QLatin1String("-") || !arg.startsWith(QLatin1Char('-'))) {
            result.positional_ << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = arg;
        std::optional<QString> inlineValue;
        if (arg.startsWith(QLatin1String("--"))) {
            const qsizetype eq = arg.indexOf(QLatin1Char('='));
            if (eq > 0) {
                name = arg.left(eq);
                inlineValue = arg.mid(eq + 1);
            }
        }
        const CliOption* option = nullptr;
        for (const CliOption& candidate : options)
            if ((!candidate.Short.isEmpty() && name == candidate.Short) || name == candidate.Long)
                option = &candidate;
        if (!option) {
            CliUsageError(command, QStringLiteral("неизвестный параметр «%1»").arg(arg));
            return std::nullopt;
        }
        if (result.values_.contains(option->Long)) {
            CliUsageError(command, QStringLiteral("параметр «%1» задан дважды").arg(name));
            return std::nullopt;
        }
        if (!option->TakesValue) {
            if (inlineValue) {
                CliUsageError(command,
                              QStringLiteral("параметр «%1» не принимает значения").arg(name));
                return std::nullopt;
            }
            result.values_.insert(option->Long, QString());
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                CliUsageError(command, QStringLiteral("после «%1» нужно значение").arg(name));
                return std::nullopt;
            }
            inlineValue = args[++i];
        }
        if (inlineValue->isEmpty()) {
            CliUsageError(command, QStringLiteral("пустое значение параметра «%1»").arg(name));
            return std::nullopt;
        }
        result.values_.insert(option->Long, *inlineValue);
    }
    if (result.positional_.size() < positionalCount) {
        CliUsageError(command, QStringLiteral("не указан файл документа"));
        return std::nullopt;
    }
    if (result.positional_.size() > positionalCount) {
        CliUsageError(
            command,
            QStringLiteral("лишний аргумент «%1»").arg(result.positional_.value(positionalCount)));
        return std::nullopt;
    }
    return result;
}

std::optional<TDuvDocument> CliLoadDocument(const QString& path) {
    // The reader's own text for a missing file would carry the system's English reason.
    if (!QFileInfo::exists(path)) {
        CliError(QStringLiteral("файл «%1» не найден").arg(path));
        return std::nullopt;
    }
    TDuvDocument doc;
    if (const auto error = DocumentFile::Read(path, doc)) {
        CliError(error->Text());
        return std::nullopt;
    }
    return doc;
}
