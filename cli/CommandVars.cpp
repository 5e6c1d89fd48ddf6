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

    CliOut(SendArrayListingText(SendArray::Build(doc->Progs)));
    return ExitSuccess;
}
