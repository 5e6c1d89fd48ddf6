#include "CliSupport.h"
#include "Commands.h"

#include "SendArrayListing.h"
#include "SerialPortLine.h"
#include "UploadTransfer.h"

int CommandUpload(const CliCommand& self, const QStringList& args) {
    const QString port = QStringLiteral("--port");
    const auto arguments = CliArguments::Parse(self, args, {{QStringLiteral("-p"), port, true}}, 1);
    if (!arguments)
        return ExitUsage;
    if (!arguments->Has(port)) {
        CliUsageError(self, QStringLiteral("не указан порт (-p ПОРТ)"));
        return ExitUsage;
    }
    const auto doc = CliLoadDocument(arguments->Positional().front());
    if (!doc)
        return ExitFailed;

    SerialPortLine line;
    const UploadOutcome outcome = UploadTransfer(line).Run(doc->Progs, arguments->Value(port));
    if (outcome.Result == UploadOutcome::Kind::Success) {
        CliOut(outcome.Text() + QLatin1Char('\n'));
        return ExitSuccess;
    }
    CliError(outcome.Text());
    if (outcome.Result == UploadOutcome::Kind::ShortReadBack ||
        outcome.Result == UploadOutcome::Kind::Mismatch) {
        // What came back, as the workstation's viewer lists it; bytes that never came read 0.
        QString text;
        for (const std::string& row : SendArrayListing(outcome.ReceivedWords()))
            text += QString::fromLatin1(row.data(), static_cast<qsizetype>(row.size())) +
                    QLatin1Char('\n');
        CliOut(text);
    }
    return ExitFailed;
}
