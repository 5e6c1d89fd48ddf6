#include "CliSupport.h"
#include "Commands.h"

#include "ProtocolLines.h"
#include "ProtocolPdf.h"

#include <QDir>
#include <QFileInfo>

int CommandProtocol(const CliCommand& self, const QStringList& args) {
    const QString output = QStringLiteral("--output");
    const QString pdfOption = QStringLiteral("--pdf");
    const auto arguments = CliArguments::Parse(
        self, args, {{QStringLiteral("-o"), output, true}, {QString(), pdfOption, true}}, 1);
    if (!arguments)
        return ExitUsage;
    if (arguments->Has(output) && arguments->Has(pdfOption)) {
        CliUsageError(self, QStringLiteral("файл PDF указан дважды"));
        return ExitUsage;
    }
    const QString path = arguments->Positional().front();
    const auto doc = CliLoadDocument(path);
    if (!doc)
        return ExitFailed;

    // The workstation prints the full path it opened the document from.
    const QString fileName = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const QStringList lines = ProtocolLines::Of(doc->Progs, doc->Header, fileName);
    const QString pdf =
        arguments->Has(pdfOption) ? arguments->Value(pdfOption) : arguments->Value(output);
    if (!arguments->Has(output) && !arguments->Has(pdfOption)) {
        QString text;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0 && i % ProtocolLines::PageLines == 0)
                text += QLatin1Char('\f');
            text += CliPrintable(lines[i]) + QLatin1Char('\n');
        }
        CliOut(text);
        return ExitSuccess;
    }
    if (!ProtocolPdf::Write(pdf, lines)) {
        CliError(QStringLiteral("не удаётся записать «%1»").arg(pdf));
        return ExitFailed;
    }
    return ExitSuccess;
}
