#include "Commands.h"

#include <iterator>

namespace {

// To add a subcommand: write cli/CommandName.cpp with its function, declare the function in
// Commands.h, add its row here and its file to cli/CMakeLists.txt.
constexpr CliCommand Table[] = {
    {"check", "ФАЙЛ.dv3",
     "Читает документ и показывает тип прибора (КРЖ-4 или КРЖ-12) с числом его каналов\n"
     "и определённые программы с числом операций в каждой. Если документ не читается,\n"
     "сообщает файл и строку, где чтение остановилось.",
     &CommandCheck},
    {"vars", "ФАЙЛ.dv3",
     "Выводит массив данных для отправки в КРЖ так, как его показывает окно «Переменные»:\n"
     "17 строк шестнадцатеричных слов (вкл. и выкл. каждого канала по программам: основная,\n"
     "1.1, 1.2, 1.3, прогрев; последняя строка: зоны аварийных программ 1.1-1.3).",
     &CommandVars},
    {"image", "ФАЙЛ.dv3 -o ВЫХОД.bin [--host-order]",
     "Записывает 332-байтный образ массива данных для КРЖ в файл ВЫХОД.bin.\n"
     "Слова идут старшим байтом вперёд, как при передаче в КРЖ.\n"
     "  -o, --output ВЫХОД.bin  куда записать образ (обязательно)\n"
     "  --host-order            младшим байтом вперёд, как массив хранится в памяти\n"
     "Прежний файл ВЫХОД.bin заменяется целиком или, при ошибке, остаётся нетронутым.",
     &CommandImage},
    {"cyclogram", "ФАЙЛ.dv3 -o ВЫХОД.png [-p СЛОТ]",
     "Рисует циклограмму программы так, как её показывает окно «Циклограмма»: названия\n"
     "и каналы операций и полосы от включения до выключения на общей оси времени.\n"
     "  -o, --output ВЫХОД.png  куда записать рисунок PNG 537×281 (обязательно)\n"
     "  -p, --program СЛОТ      0 — основная программа (по умолчанию), 2, 3, 4 — аварийные\n"
     "                          программы 1.1, 1.2, 1.3 (номера как в выводе команды check)\n"
     "Для программы прогрева (1) циклограмма не строится.\n"
     "Прежний файл ВЫХОД.png заменяется целиком или, при ошибке, остаётся нетронутым.",
     &CommandCyclogram, true},
};

} // namespace

std::span<const CliCommand> CliCommands() {
    return Table;
}

const CliCommand* FindCliCommand(const QString& name) {
    for (const CliCommand& command : Table)
        if (name == QLatin1String(command.Name))
            return &command;
    return nullptr;
}
