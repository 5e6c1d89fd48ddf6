#include "CliSupport.h"
#include "Commands.h"

#include "SendArray.h"
#include "SendArrayListing.h"

int CommandVars(const CliCommand& self, const QStringList& args) {
    const auto arguments = CliArguments::Parse(self, args, {}, 1);
    if (!arguments)
        return ExitUsage;
    const auto doc = CliLoadDocument(arguments->Positional().front());
    if (!doc)
        return ExitFailed;

    QString text;
    for (const std::string& line : SendArrayListing(SendArray::Build(doc->Progs)))
        text += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())) +
                QLatin1Char('\n');
    CliOut(text);
    return ExitSuccess;
}
