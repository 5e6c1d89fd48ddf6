#include "CliSupport.h"
#include "Commands.h"

#include "CyclogramPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

namespace {

// The programs the workstation can show as a cyclogram: main and emergency 1.1 to 1.3.
bool Showable(int slot) {
    return slot == TDuvProgs::Main || slot == TDuvProgs::Emergency11 ||
           slot == TDuvProgs::Emergency12 || slot == TDuvProgs::Emergency13;
}

} // namespace

int CommandCyclogram(const CliCommand& self, const QStringList& args) {
    const QString output = QStringLiteral("--output");
    const QString program = QStringLiteral("--program");
    const auto arguments = CliArguments::Parse(
        self, args, {{QStringLiteral("-o"), output, true}, {QStringLiteral("-p"), program, true}},
        1);
    if (!arguments)
        return ExitUsage;
    if (!arguments->Has(output)) {
        CliUsageError(self, QStringLiteral("не указан выходной файл (-o ВЫХОД.png)"));
        return ExitUsage;
    }
    int slot = TDuvProgs::Main;
    if (arguments->Has(program)) {
        bool number = false;
        slot = arguments->Value(program).toInt(&number);
        if (number && slot == TDuvProgs::Preheat) {
            CliUsageError(self,
                          QStringLiteral("Для программы прогрева нельзя построить циклограмму"));
            return ExitUsage;
        }
        if (!number || !Showable(slot)) {
            CliUsageError(self, QStringLiteral("программа «%1» не существует; допустимы 0, 2, 3, 4")
                                    .arg(arguments->Value(program)));
            return ExitUsage;
        }
    }
    const auto doc = CliLoadDocument(arguments->Positional().front());
    if (!doc)
        return ExitFailed;

    const QImage picture =
        CyclogramPainter::RenderWindow(doc->Progs.Prog(slot), QGuiApplication::palette());
    const QString path = arguments->Value(output);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        CliError(QStringLiteral("не удаётся записать «%1» (%2)").arg(path, file.errorString()));
        return ExitFailed;
    }
    return ExitSuccess;
}
