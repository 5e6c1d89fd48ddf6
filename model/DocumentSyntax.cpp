#include "DocumentSyntax.h"

#include <climits>
#include <cstdint>
#include <istream>
#include <vector>

namespace DocumentSyntax {

bool LineSource::Next(std::string& line, Failure& failure) {
    if (!Fetch(line)) {
        failure = {line_ + 1, QStringLiteral("документ обрывается, строки %1 нет").arg(line_ + 1)};
        return false;
    }
    ++line_;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}

bool ViewLines::Fetch(std::string& line) {
    if (rest_.empty())
        return false;
    const auto end = rest_.find('\n');
    if (end == std::string_view::npos) {
        line.assign(rest_);
        rest_ = {};
    } else {
        line.assign(rest_.substr(0, end));
        rest_.remove_prefix(end + 1);
    }
    return true;
}

bool StreamLines::Fetch(std::string& line) {
    if (!in_.good() || in_.peek() == std::char_traits<char>::eof())
        return false;
    std::getline(in_, line);
    return !in_.bad();
}

int Atol(std::string_view text) {
    std::size_t i = 0;
    auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

namespace {

enum class Kind { U16, I32 };

struct Field {
    Kind kind;
    const char* what; // for the message, Russian, in the genitive after "у поля"
};

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        if (i > start)
            tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

QString Quoted(std::string_view token) {
    // The token may hold any bytes; show it in Latin-1 so nothing breaks the message.
    return QStringLiteral("«%1»").arg(
        QString::fromLatin1(token.data(), static_cast<qsizetype>(token.size())));
}

// Parses a number line of the given fields; values receives them as 64-bit integers.
bool ParseNumbers(const std::string& line, int lineNo, std::initializer_list<Field> fields,
                  long long* values, Failure& failure) {
    const auto tokens = Split(line);
    if (tokens.size() != fields.size()) {
        failure = {lineNo, QStringLiteral("ожидалось чисел: %1, найдено: %2")
                               .arg(fields.size())
                               .arg(tokens.size())};
        return false;
    }
    std::size_t n = 0;
    for (const Field& field : fields) {
        std::string_view token = tokens[n];
        // A sign is taken for every field, so that "-1" as a time is reported as out of range
        // rather than as not a number.
        bool negative = false;
        if (token.front() == '-' || token.front() == '+') {
            negative = token.front() == '-';
            token.remove_prefix(1);
        }
        bool digits = !token.empty();
        long long value = 0;
        for (char c : token) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            value = value * 10 + (c - '0');
            if (value > 10'000'000'000LL)
                value = 10'000'000'000LL; // large enough to be out of range, small enough not to
                                          // overflow
        }
        if (!digits) {
            failure = {lineNo, QStringLiteral("%1 %2 не является целым числом")
                                   .arg(QString::fromUtf8(field.what), Quoted(tokens[n]))};
            return false;
        }
        if (negative)
            value = -value;
        const bool inRange = field.kind == Kind::U16 ? value >= 0 && value <= 65535
                                                     : value >= INT32_MIN && value <= INT32_MAX;
        if (!inRange) {
            failure = {lineNo, QStringLiteral("%1 %2 вне допустимого диапазона %3")
                                   .arg(QString::fromUtf8(field.what), Quoted(tokens[n]),
                                        field.kind == Kind::U16 ? QStringLiteral("0..65535")
                                                                : QStringLiteral("целых чисел"))};
            return false;
        }
        values[n++] = value;
    }
    return true;
}

} // namespace

bool ReadHeader(LineSource& lines, THeader& header, Failure& failure) {
    THeader fresh;
    for (auto& line : fresh)
        if (!lines.Next(line, failure))
            return false;
    header = std::move(fresh);
    return true;
}

bool ReadRec(LineSource& lines, TDuvRec& rec, Failure& failure) {
    std::string name, numbers;
    if (!lines.Next(name, failure) || !lines.Next(numbers, failure))
        return false;
    long long v[3];
    if (!ParseNumbers(numbers, lines.Line(),
                      {{Kind::I32, "номер канала"},
                       {Kind::U16, "время включения"},
                       {Kind::U16, "время выключения"}},
                      v, failure))
        return false;
    rec.Name = std::move(name);
    rec.Channel = static_cast<std::int32_t>(v[0]);
    rec.OnTime = static_cast<std::uint16_t>(v[1]);
    rec.OffTime = static_cast<std::uint16_t>(v[2]);
    return true;
}

bool ReadProg(LineSource& lines, TDuvProg& prog, Failure& failure) {
    std::string name, numbers;
    if (!lines.Next(name, failure) || !lines.Next(numbers, failure))
        return false;
    long long v[4];
    if (!ParseNumbers(numbers, lines.Line(),
                      {{Kind::U16, "вид программы"},
                       {Kind::U16, "начало зоны"},
                       {Kind::U16, "конец зоны"},
                       {Kind::I32, "признак определения"}},
                      v, failure))
        return false;
    TDuvProg fresh = prog; // the kind on file is read and discarded
    fresh.Name = std::move(name);
    fresh.ZoneStart = static_cast<std::uint16_t>(v[1]);
    fresh.ZoneStop = static_cast<std::uint16_t>(v[2]);
    fresh.Defined = static_cast<std::int32_t>(v[3]);
    for (auto& op : fresh.Ops)
        if (!ReadRec(lines, op, failure))
            return false;
    prog = std::move(fresh);
    return true;
}

bool ReadProgs(LineSource& lines, TDuvProgs& progs, Failure& failure) {
    TDuvProgs fresh = progs;
    for (auto& prog : fresh.Progs)
        if (!ReadProg(lines, prog, failure))
            return false;
    progs = std::move(fresh);
    return true;
}

} // namespace DocumentSyntax
