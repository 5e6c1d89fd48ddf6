#include "TDuvProgs.h"

#include "Cp1251Literal.h"

std::string TDuvProgs::DefaultName(int s) {
    static const char* const names[ProgCount] = {
        "Основная рабочая программа", "Прогрев",
        "Аварийная программа 1.1",    "Аварийная программа 1.2",
        "Аварийная программа 1.3",    "Аварийная программа 2.1",
        "Аварийная программа 2.2",    "Аварийная программа 2.3",
        "Аварийная программа 3.1",    "Аварийная программа 3.2",
        "Аварийная программа 3.3",
    };
    return Cp1251Literal(names[Valid(s) ? s : 0]);
}

void TDuvProgs::Reset() {
    for (int s = 0; s < ProgCount; ++s) {
        Progs[s].Kind = static_cast<std::int8_t>(s);
        Progs[s].Name = DefaultName(s);
    }
    for (auto& p : Progs)
        p.Clear();
}
