#include "EditOpCheck.h"

#include "LeadingInt.h"
#include "TDuvProg.h"
#include "TextCodec.h"

#include <algorithm>

namespace {
QString ProgramCaption() {
    return QStringLiteral("Проверка программы");
}

QString TimeCaption() {
    return QStringLiteral("Проверка времени");
}

// Blanks and control characters are the Windows-1251 bytes up to 32; every Cyrillic letter lies
// above them.
bool HasVisibleCharacter(const QString& name) {
    if (const auto bytes = TextCodec::FromUnicode(name))
        return std::any_of(bytes->begin(), bytes->end(),
                           [](char b) { return static_cast<unsigned char>(b) > 32; });
    // A character without a byte is not a blank; the bytes up to 32 are plain ASCII.
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 32; });
}

// The largest switch-off time that is still a time and not one of the reserved codes.
constexpr int LastTime = TMyTime::StateOff - 1;
} // namespace

std::optional<EditOpRefusal> CheckEditOp(const EditOpInput& in, const TDuvProg& prog) {
    if (!HasVisibleCharacter(in.OpName))
        return EditOpRefusal{QStringLiteral("Имя операции должно содержать хотя бы один символ"),
                             ProgramCaption(), EditOpField::OpName};

    const int channel = LeadingInt(in.ChanNo);
    if (channel < 1 || channel > in.ChannelCount)
        return EditOpRefusal{QStringLiteral("Номер канала должен находиться в диапазоне 1..") +
                                 QString::number(in.ChannelCount),
                             ProgramCaption(), EditOpField::ChanNo};

    if (channel != in.OldChannel &&
        std::any_of(prog.Ops.begin(), prog.Ops.end(),
                    [channel](const TDuvRec& op) { return op.Channel == channel; }))
        return EditOpRefusal{QStringLiteral("Введенный канал уже используется"), ProgramCaption(),
                             EditOpField::ChanNo};

    if (in.StateMode)
        return std::nullopt;

    const int onMin = LeadingInt(in.OnMin), lengthMin = LeadingInt(in.LengthMin);
    const int maxMinutes = in.ChannelCount == 12 ? 540 : 99;
    const auto minutesWrong = [maxMinutes](int m) { return m < 0 || m > maxMinutes; };
    if (minutesWrong(onMin) || minutesWrong(lengthMin))
        return EditOpRefusal{
            in.ChannelCount == 12 ? QStringLiteral("Должно быть не более 540 минут")
                                  : QStringLiteral("Должно быть не более 99 минут"),
            TimeCaption(), minutesWrong(onMin) ? EditOpField::OnMin : EditOpField::LengthMin};

    const int onSec = LeadingInt(in.OnSec), lengthSec = LeadingInt(in.LengthSec);
    const auto secondsWrong = [](int s) { return s < 0 || s > 59; };
    if (secondsWrong(onSec) || secondsWrong(lengthSec))
        return EditOpRefusal{QStringLiteral("Секунды должны находится в интервале 0..59"),
                             TimeCaption(),
                             secondsWrong(onSec) ? EditOpField::OnSec : EditOpField::LengthSec};

    const int onTenths = LeadingInt(in.OnMillSec), lengthTenths = LeadingInt(in.LengthMillSec);
    const auto tenthsWrong = [](int t) { return t != 0 && t != 5; };
    if (tenthsWrong(onTenths) || tenthsWrong(lengthTenths))
        return EditOpRefusal{
            QStringLiteral("Миллисекунды могут принимать значения 0 и 5"), TimeCaption(),
            tenthsWrong(onTenths) ? EditOpField::OnMillSec : EditOpField::LengthMillSec};

    if (lengthMin == 0 && lengthSec == 0 && lengthTenths == 0)
        return EditOpRefusal{QStringLiteral("Длительность операции должна быть ненулевой"),
                             TimeCaption(), EditOpField::LengthMin};

    // The switch-off time is stored in 16 bits beside the reserved codes: a later one would wrap
    // round to an early time or turn into "no time" in the controller.
    const int on = TMyTime(onMin, onSec, onTenths).Value();
    const int length = TMyTime(lengthMin, lengthSec, lengthTenths).Value();
    if (on + length > LastTime)
        return EditOpRefusal{
            QStringLiteral("Время выключения операции должно быть не более ") +
                QString::fromStdString(TMyTime(static_cast<std::uint16_t>(LastTime)).Text()),
            TimeCaption(), EditOpField::LengthMin};

    return std::nullopt;
}

TMyTime PreheatState(const QString& text) {
    if (text == QStringLiteral("Вкл."))
        return TMyTime::StateOn;
    if (text == QStringLiteral("Выкл."))
        return TMyTime::StateOff;
    return TMyTime::TimeUndefined;
}

std::string OperationNameBytes(const QString& text) {
    if (auto bytes = TextCodec::FromUnicode(text))
        return *bytes;
    std::string result;
    for (const QChar c : text)
        if (const auto byte = TextCodec::FromUnicode(QString(c)))
            result += *byte;
    return result;
}
