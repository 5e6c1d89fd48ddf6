#include "CliSupport.h"
#include "Commands.h"

#include "TextCodec.h"

#include <algorithm>

int CommandCheck(const CliCommand& self, const QStringList& args) {
    const auto arguments = CliArguments::Parse(self, args, {}, 1);
    if (!arguments)
        return ExitUsage;
    const auto doc = CliLoadDocument(arguments->Positional().front());
    if (!doc)
        return ExitFailed;

    // The workstation takes exactly 4 for the small device and anything else for the large one.
    const int channels = doc->ChannelCount == 4 ? 4 : 12;
    QString text = QStringLiteral("Прибор: КРЖ-%1, каналов: %1").arg(channels);
    if (doc->ChannelCount != channels)
        text += QStringLiteral(" (в первой строке файла: %1)").arg(doc->ChannelCount);
    text += QLatin1Char('\n');

    QString programs;
    int defined = 0;
    for (int slot = 0; slot < TDuvProgs::ProgCount; ++slot) {
        const TDuvProg& prog = doc->Progs.Prog(slot);
        if (!prog.Defined)
            continue;
        ++defined;
        const auto ops = std::count_if(prog.Ops.begin(), prog.Ops.end(),
                                       [](const TDuvRec& op) { return op.Channel > 0; });
        programs += QStringLiteral("%1  %2 — операций: %3\n")
                        .arg(slot, 2)
                        .arg(CliPrintable(TextCodec::ToUnicode(prog.Name)))
                        .arg(ops);
    }
    if (defined == 0)
        text += QStringLiteral("Определённых программ нет\n");
    else
        text += QStringLiteral("Определённые программы (%1):\n").arg(defined) + programs;
    CliOut(text);
    return ExitSuccess;
}
