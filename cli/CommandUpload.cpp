#include "CliSupport.h"
#include "Commands.h"

#include "SendArrayListing.h"
#include "SerialPortLine.h"
#include "UploadTransfer.h"
#include "UploadWarning.h"

int CommandUpload(const CliCommand& self, const QStringList& args) {
    const QString port = QStringLiteral("--port");
    const QString force = QStringLiteral("--force");
    const auto arguments = CliArguments::Parse(
        self, args, {{QStringLiteral("-p"), port, true}, {QString(), force, false}}, 1);
    if (!arguments)
        return ExitUsage;
    if (!arguments->Has(port)) {
        CliUsageError(self, QStringLiteral("не указан порт (-p ПОРТ)"));
        return ExitUsage;
    }
    const auto doc = CliLoadDocument(arguments->Positional().front());
    if (!doc)
        return ExitFailed;

    // Without a window to ask in, undefined emergency zones stop the upload unless the caller
    // has said beforehand that it should go on.
    if (const auto warning = UploadWarning(doc->Progs, doc->ChannelCount);
        warning && !arguments->Has(force)) {
        CliError(*warning);
        CliError(QStringLiteral("загрузка не выполнена; чтобы загрузить всё же, добавьте --force"));
        return ExitFailed;
    }

    // Progress goes to standard error, so standard output keeps only the outcome.
    // The read-back restarts the position of the sending phase at 0 without a new phase.
    bool sending = false;
    int position = 0;
    UploadTransfer::Progress progress;
    progress.Phase = [&](int maximum) {
        sending = maximum == SendArray::ByteCount;
        position = 0;
        CliErr(sending ? QStringLiteral("Передача 332 байт...\n")
                       : QStringLiteral("Связь с прибором...\n"));
    };
    progress.Position = [&](int at) {
        if (sending && at == 0 && position > 0)
            CliErr(QStringLiteral("Приём копии...\n"));
        position = at;
    };
    SerialPortLine line;
    const UploadOutcome outcome =
        UploadTransfer(line, progress).Run(doc->Progs, arguments->Value(port));
    if (outcome.Result == UploadOutcome::Kind::Success) {
        CliOut(outcome.Text() + QLatin1Char('\n'));
        return ExitSuccess;
    }
    CliError(outcome.Text());
    if (outcome.Result == UploadOutcome::Kind::ShortReadBack ||
        outcome.Result == UploadOutcome::Kind::Mismatch) {
        // What came back, as the workstation's viewer lists it; bytes that never came read 0.
        CliOut(SendArrayListingText(outcome.ReceivedWords()));
    }
    return ExitFailed;
}
