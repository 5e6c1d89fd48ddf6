#include "CliSupport.h"
#include "Commands.h"

#include "SendArray.h"

#include <QSaveFile>

int CommandImage(const CliCommand& self, const QStringList& args) {
    const QString output = QStringLiteral("--output");
    const QString hostOrder = QStringLiteral("--host-order");
    const auto arguments = CliArguments::Parse(
        self, args, {{QStringLiteral("-o"), output, true}, {QString(), hostOrder, false}}, 1);
    if (!arguments)
        return ExitUsage;
    if (!arguments->Has(output)) {
        CliUsageError(self, QStringLiteral("не указан выходной файл (-o ВЫХОД.bin)"));
        return ExitUsage;
    }
    const auto doc = CliLoadDocument(arguments->Positional().front());
    if (!doc)
        return ExitFailed;

    const SendArray::Words words = SendArray::Build(doc->Progs);
    const SendArray::Bytes bytes =
        arguments->Has(hostOrder) ? SendArray::ToHost(words) : SendArray::ToWire(words);

    const QString path = arguments->Value(output);
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.commit()) {
        CliError(QStringLiteral("не удаётся записать «%1» (%2)").arg(path, file.errorString()));
        return ExitFailed;
    }
    return ExitSuccess;
}
