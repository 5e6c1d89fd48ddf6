#include "ProtocolLines.h"

#include "Cp1251Literal.h"
#include "TDuvProgs.h"
#include "TextCodec.h"

#include <algorithm>
#include <array>

namespace {

constexpr int MaxChannel = 16;

// The printed programs in print order; emergency programs 2.1 to 3.3 are never printed.
constexpr std::array<int, 5> PrintOrder = {TDuvProgs::Main, TDuvProgs::Emergency11,
                                           TDuvProgs::Emergency12, TDuvProgs::Emergency13,
                                           TDuvProgs::Preheat};

const std::string& Blank() {
    static const std::string line = " ";
    return line;
}

// A row: "|" before the first cell, then " value|" per cell.
std::string Row(const std::vector<std::string>& cells) {
    std::string line = "|";
    for (const auto& cell : cells)
        line += " " + cell + "|";
    return line;
}

void AddTimeTable(const TDuvProg& prog, std::vector<std::string>& block, int& estimate) {
    static const std::string border =
        "+---------------------------+----------+-----------+-----------"
        "+------------+";
    static const std::string heading = Cp1251Literal("| Операция                  | № канала |"
                                                     " Время вкл.| Продолж.  | Время выкл.|");
    block.push_back(border);
    block.push_back(heading);
    block.push_back(border);
    std::uint16_t longest = 0;
    for (const TDuvRec* op : ProtocolLines::Rows(prog)) {
        block.push_back(Row({ProtocolLines::Cell(op->Name, 26),
                             ProtocolLines::Cell(std::to_string(op->Channel), 9),
                             ProtocolLines::Cell(op->OnTime.Text(), 10),
                             ProtocolLines::Cell(op->Duration().Text(), 10),
                             ProtocolLines::Cell(op->OffTime.Text(), 11)}));
        longest = std::max(longest, op->OffTime.Value());
        ++estimate;
    }
    block.push_back(border);
    block.push_back(Cp1251Literal("Общая продолжительность: ") + TMyTime(longest).Text());
    block.push_back(Blank());
}

void AddStateTable(const TDuvProg& prog, std::vector<std::string>& block, int& estimate) {
    static const std::string top = "+------------------------------------------------+----------"
                                   "+---------------+";
    static const std::string bottom = "+------------------------------------------------+----------"
                                      "+-------+-------+";
    block.push_back(top);
    block.push_back(Cp1251Literal("|                                                |          |"
                                  "   Состояние   |"));
    block.push_back(Cp1251Literal("| Операция                                       | № канала "
                                  "+-------+-------+"));
    block.push_back(Cp1251Literal("|                                                |          |"
                                  " Старт | Стоп  |"));
    block.push_back(bottom);
    for (const TDuvRec* op : ProtocolLines::Rows(prog)) {
        block.push_back(Row({ProtocolLines::Cell(op->Name, 47),
                             ProtocolLines::Cell(std::to_string(op->Channel), 9),
                             ProtocolLines::Cell(ProtocolLines::StateWord(op->OnTime), 6),
                             ProtocolLines::Cell(ProtocolLines::StateWord(op->OffTime), 6)}));
        ++estimate;
    }
    block.push_back(bottom);
    block.push_back(Cp1251Literal("Вкл. - ключ замкнут; Выкл. - ключ разомкнут"));
}

// Only the Latin capitals are lowered: Cyrillic letters of a path keep their case.
QString LoweredLatin(QString text) {
    for (QChar& c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return text;
}

} // namespace

std::string ProtocolLines::Cell(const std::string& value, int width) {
    std::string cell = value.substr(0, static_cast<std::size_t>(width));
    cell.resize(static_cast<std::size_t>(width), ' ');
    return cell;
}

std::string ProtocolLines::StateWord(TMyTime value) {
    switch (value.Value()) {
    case TMyTime::StateOn:
        return Cp1251Literal("Вкл.");
    case TMyTime::StateOff:
        return Cp1251Literal("Выкл.");
    default:
        return Cp1251Literal("Неисп.");
    }
}

std::vector<const TDuvRec*> ProtocolLines::Rows(const TDuvProg& prog) {
    std::vector<const TDuvRec*> rows;
    for (int channel = 1; channel <= MaxChannel; ++channel) {
        const auto found =
            std::find_if(prog.Ops.begin(), prog.Ops.end(),
                         [channel](const auto& op) { return op.Channel == channel; });
        if (found != prog.Ops.end())
            rows.push_back(&*found);
    }
    return rows;
}

std::string ProtocolLines::Title(int slot) {
    switch (slot) {
    case TDuvProgs::Main:
        return Cp1251Literal("       Рабочая программа вулканизации");
    case TDuvProgs::Preheat:
        return Cp1251Literal("       Режим прогрева форматора");
    case TDuvProgs::Emergency11:
        return Cp1251Literal("       Аварийная программа 1.1");
    case TDuvProgs::Emergency12:
        return Cp1251Literal("       Аварийная программа 1.2");
    case TDuvProgs::Emergency13:
        return Cp1251Literal("       Аварийная программа 1.3");
    default:
        return {};
    }
}

void ProtocolLines::AddProgramBlock(const TDuvProgs& progs, int slot, const std::string& title) {
    const TDuvProg& prog = progs.Prog(slot);
    std::vector<std::string> block{title};
    int estimate = slot == TDuvProgs::Main ? 7 : 8;
    if (slot >= TDuvProgs::Emergency11) {
        std::string interval = Cp1251Literal("Интервал времени появления сигнала аварии: ");
        if (prog.ZoneStart.Value() == TMyTime::TimeUndefined)
            interval += Cp1251Literal("Не задан");
        else
            interval += std::to_string(prog.ZoneStart.Minutes()) + Cp1251Literal(" мин. - ") +
                        std::to_string(prog.ZoneStop.Minutes()) + Cp1251Literal(" мин.");
        block.push_back(interval);
    }
    if (slot == TDuvProgs::Preheat) {
        // The estimate counts two lines more than the state table has; kept, since the page-fit
        // rule of every printed protocol depends on it.
        estimate += 2;
        AddStateTable(prog, block, estimate);
    } else {
        AddTimeTable(prog, block, estimate);
    }

    const int left = PageLines - LineCount % PageLines;
    if (left < estimate) {
        for (int i = 0; i < left; ++i)
            Lines.append(QStringLiteral(" "));
        LineCount += left;
    }
    for (const auto& line : block)
        Lines.append(TextCodec::ToUnicode(line));
    LineCount += estimate;
}

void ProtocolLines::Build(const TDuvProgs& progs, const THeader& header, const QString& fileName) {
    LineCount = HeaderLines;
    Lines.clear();
    const auto add = [this](const std::string& bytes) {
        Lines.append(TextCodec::ToUnicode(bytes));
    };
    add(Cp1251Literal("ПРОТОКОЛ НАСТРОЙКИ № ") + header[0] + Cp1251Literal(" от ") + header[1]);
    add(Blank());
    // The path is the main window's text already, and may hold characters Windows-1251 lacks.
    Lines.append(QStringLiteral("Имя файла: ") + LoweredLatin(fileName));
    add(Blank());
    add(Cp1251Literal("Режим вулканизации: ") + header[2]);
    add(Cp1251Literal("Вид изделия: ") + header[3]);
    add(Cp1251Literal("Модель: ") + header[4]);
    add(Cp1251Literal("Исполнение: ") + header[5]);
    add(Cp1251Literal("Вулканизационная аппаратура: ") + header[6]);
    add(Cp1251Literal("Индивидуальный вулканизатор-форматор: ") + header[7]);
    add(Blank());
    for (int slot : PrintOrder)
        AddProgramBlock(progs, slot, Title(slot));
}

QStringList ProtocolLines::Of(const TDuvProgs& progs, const THeader& header,
                              const QString& fileName) {
    ProtocolLines protocol;
    protocol.Build(progs, header, fileName);
    return protocol.Lines;
}
