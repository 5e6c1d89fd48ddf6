#include "EditOpCheck.h"

#include "CheckTestSupport.h"

#include "Cp1251Literal.h"
#include "TDuvProg.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace {
const char* const ProgramCaption = "Проверка программы";
const char* const TimeCaption = "Проверка времени";
const char* const NameText = "Имя операции должно содержать хотя бы один символ";
const char* const Channel12Text = "Номер канала должен находиться в диапазоне 1..12";
const char* const Channel4Text = "Номер канала должен находиться в диапазоне 1..4";
const char* const InUseText = "Введенный канал уже используется";
const char* const Minutes540Text = "Должно быть не более 540 минут";
const char* const Minutes99Text = "Должно быть не более 99 минут";
const char* const SecondsText = "Секунды должны находится в интервале 0..59";
const char* const TenthsText = "Миллисекунды могут принимать значения 0 и 5";
const char* const ZeroText = "Длительность операции должна быть ненулевой";
const char* const OverflowText = "Время выключения операции должно быть не более 546:6,0";

// The edited operation is the one on channel 3; another operation of the program uses channel 5.
constexpr int OwnChannel = 3;
constexpr int OtherChannel = 5;

struct Fields {
    const char* name = "Нагрев";
    const char* channel = "3";
    const char* onMin = "1";
    const char* onSec = "0";
    const char* onTenths = "0";
    const char* lengthMin = "0";
    const char* lengthSec = "30";
    const char* lengthTenths = "0";
    int channelCount = 12;
    bool stateMode = false;
    int oldChannel = OwnChannel;
};

struct Expected {
    const char* text;
    const char* caption;
    EditOpField focus;
};

struct EditOpCase {
    Fields fields;
    std::optional<Expected> refusal; // nullopt: the input is accepted
};

std::ostream& operator<<(std::ostream& out, const EditOpCase& c) {
    const Fields& f = c.fields;
    return out << "name '" << f.name << "' channel '" << f.channel << "' on " << f.onMin << ' '
               << f.onSec << ' ' << f.onTenths << " length " << f.lengthMin << ' ' << f.lengthSec
               << ' ' << f.lengthTenths << " of " << f.channelCount
               << (f.stateMode ? " state mode" : "") << " old " << f.oldChannel;
}

EditOpInput ToInput(const Fields& f) {
    EditOpInput in;
    in.OpName = QString::fromUtf8(f.name);
    in.ChanNo = QString::fromUtf8(f.channel);
    in.OnMin = QString::fromUtf8(f.onMin);
    in.OnSec = QString::fromUtf8(f.onSec);
    in.OnMillSec = QString::fromUtf8(f.onTenths);
    in.LengthMin = QString::fromUtf8(f.lengthMin);
    in.LengthSec = QString::fromUtf8(f.lengthSec);
    in.LengthMillSec = QString::fromUtf8(f.lengthTenths);
    in.ChannelCount = f.channelCount;
    in.StateMode = f.stateMode;
    in.OldChannel = f.oldChannel;
    return in;
}

TDuvProg ProgramWithTwoOperations() {
    TDuvProg prog;
    prog.Defined = 1;
    prog.Ops[0].Channel = OwnChannel;
    prog.Ops[0].SetOnTime(TMyTime(120));
    prog.Ops[0].OffTime = TMyTime(180);
    prog.Ops[1].Channel = OtherChannel;
    prog.Ops[1].SetOnTime(TMyTime(0));
    prog.Ops[1].OffTime = TMyTime(60);
    return prog;
}

Fields With(Fields f) {
    return f;
}
} // namespace

class EditOpChecks : public ::testing::TestWithParam<EditOpCase> {};

TEST_P(EditOpChecks, refuseWithMessageCaptionAndFocus) {
    const auto& c = GetParam();
    const auto refusal = CheckEditOp(ToInput(c.fields), ProgramWithTwoOperations());
    if (!c.refusal) {
        EXPECT_EQ(refusal, std::nullopt) << refusal->Text.toStdString();
        return;
    }
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Text, QString::fromUtf8(c.refusal->text));
    EXPECT_EQ(refusal->Caption, QString::fromUtf8(c.refusal->caption));
    EXPECT_EQ(refusal->Focus, c.refusal->focus);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Name, EditOpChecks, ::testing::Values(
    // an empty name is refused
    EditOpCase{With({.name = ""}), Expected{NameText, ProgramCaption, EditOpField::OpName}},
    // blanks only
    EditOpCase{With({.name = "   "}), Expected{NameText, ProgramCaption, EditOpField::OpName}},
    // control characters count as blanks
    EditOpCase{With({.name = "\t \x1f"}), Expected{NameText, ProgramCaption, EditOpField::OpName}},
    // the name is checked first, before a wrong channel and wrong times
    EditOpCase{With({.name = " ", .channel = "0", .onMin = "999"}),
               Expected{NameText, ProgramCaption, EditOpField::OpName}},
    // one Cyrillic letter is a character (its byte is above 32)
    EditOpCase{With({.name = "Ж"}), std::nullopt},
    // one Latin letter among blanks
    EditOpCase{With({.name = "  a "}), std::nullopt},
    // a no-break space has the byte 160 and counts as a character
    EditOpCase{With({.name = "\u00a0"}), std::nullopt}));

INSTANTIATE_TEST_SUITE_P(Channel, EditOpChecks, ::testing::Values(
    // channel 0 is no channel
    EditOpCase{With({.channel = "0"}), Expected{Channel12Text, ProgramCaption, EditOpField::ChanNo}},
    // an empty channel reads as 0
    EditOpCase{With({.channel = ""}), Expected{Channel12Text, ProgramCaption, EditOpField::ChanNo}},
    // text without digits reads as 0
    EditOpCase{With({.channel = "abc"}), Expected{Channel12Text, ProgramCaption, EditOpField::ChanNo}},
    // a negative channel
    EditOpCase{With({.channel = "-1"}), Expected{Channel12Text, ProgramCaption, EditOpField::ChanNo}},
    // one beyond the 12-channel model
    EditOpCase{With({.channel = "13"}), Expected{Channel12Text, ProgramCaption, EditOpField::ChanNo}},
    // a huge number saturates and is refused, not wrapped into range
    EditOpCase{With({.channel = "4294967297"}),
               Expected{Channel12Text, ProgramCaption, EditOpField::ChanNo}},
    // the last channel of the 12-channel model
    EditOpCase{With({.channel = "12"}), std::nullopt},
    // the 4-channel model names its own range
    EditOpCase{With({.channel = "5", .channelCount = 4, .oldChannel = 0}),
               Expected{Channel4Text, ProgramCaption, EditOpField::ChanNo}},
    // the last channel of the 4-channel model
    EditOpCase{With({.channel = "4", .channelCount = 4, .oldChannel = 0}), std::nullopt},
    // trailing text after the digits is ignored
    EditOpCase{With({.channel = " 7 (пресс)"}), std::nullopt}));

INSTANTIATE_TEST_SUITE_P(ChannelInUse, EditOpChecks, ::testing::Values(
    // the channel of another operation of the program
    EditOpCase{With({.channel = "5"}), Expected{InUseText, ProgramCaption, EditOpField::ChanNo}},
    // keeping the operation's own channel is no conflict
    EditOpCase{With({.channel = "3"}), std::nullopt},
    // the own channel typed differently is still the own channel
    EditOpCase{With({.channel = " 3x"}), std::nullopt},
    // a new operation (no old channel) may not take a used channel
    EditOpCase{With({.channel = "3", .oldChannel = 0}),
               Expected{InUseText, ProgramCaption, EditOpField::ChanNo}},
    // a free channel
    EditOpCase{With({.channel = "11", .oldChannel = 0}), std::nullopt},
    // the channel is checked before the times
    EditOpCase{With({.channel = "5", .onMin = "999"}),
               Expected{InUseText, ProgramCaption, EditOpField::ChanNo}}));

INSTANTIATE_TEST_SUITE_P(StateMode, EditOpChecks, ::testing::Values(
    // the preheating program tests no times at all
    EditOpCase{With({.onMin = "541", .onSec = "60", .onTenths = "3", .lengthMin = "0",
                     .lengthSec = "0", .lengthTenths = "0", .stateMode = true}), std::nullopt},
    // its name is still tested
    EditOpCase{With({.name = "", .stateMode = true}),
               Expected{NameText, ProgramCaption, EditOpField::OpName}},
    // and its channel
    EditOpCase{With({.channel = "13", .stateMode = true}),
               Expected{Channel12Text, ProgramCaption, EditOpField::ChanNo}},
    // and whether the channel is in use
    EditOpCase{With({.channel = "5", .stateMode = true}),
               Expected{InUseText, ProgramCaption, EditOpField::ChanNo}}));

INSTANTIATE_TEST_SUITE_P(Minutes, EditOpChecks, ::testing::Values(
    // 540 minutes are the most for the 12-channel model
    EditOpCase{With({.onMin = "540", .lengthMin = "0"}), std::nullopt},
    // 541 switch-on minutes
    EditOpCase{With({.onMin = "541"}), Expected{Minutes540Text, TimeCaption, EditOpField::OnMin}},
    // 541 minutes of duration
    EditOpCase{With({.onMin = "0", .lengthMin = "541"}),
               Expected{Minutes540Text, TimeCaption, EditOpField::LengthMin}},
    // both rows out of range: the switch-on row takes the focus
    EditOpCase{With({.onMin = "541", .lengthMin = "541"}),
               Expected{Minutes540Text, TimeCaption, EditOpField::OnMin}},
    // negative minutes
    EditOpCase{With({.onMin = "-1"}), Expected{Minutes540Text, TimeCaption, EditOpField::OnMin}},
    // 99 minutes are the most for the 4-channel model
    EditOpCase{With({.channel = "1", .onMin = "99", .lengthMin = "99", .channelCount = 4,
                     .oldChannel = 0}), std::nullopt},
    // 100 switch-on minutes in the 4-channel model
    EditOpCase{With({.channel = "1", .onMin = "100", .channelCount = 4, .oldChannel = 0}),
               Expected{Minutes99Text, TimeCaption, EditOpField::OnMin}},
    // 100 minutes of duration in the 4-channel model
    EditOpCase{With({.channel = "1", .lengthMin = "100", .channelCount = 4, .oldChannel = 0}),
               Expected{Minutes99Text, TimeCaption, EditOpField::LengthMin}},
    // minutes are checked before seconds and tenths
    EditOpCase{With({.onMin = "541", .onSec = "60", .onTenths = "3"}),
               Expected{Minutes540Text, TimeCaption, EditOpField::OnMin}}));

INSTANTIATE_TEST_SUITE_P(Seconds, EditOpChecks, ::testing::Values(
    // 59 seconds in both rows
    EditOpCase{With({.onSec = "59", .lengthSec = "59"}), std::nullopt},
    // 60 switch-on seconds
    EditOpCase{With({.onSec = "60"}), Expected{SecondsText, TimeCaption, EditOpField::OnSec}},
    // 60 seconds of duration
    EditOpCase{With({.lengthSec = "60"}), Expected{SecondsText, TimeCaption, EditOpField::LengthSec}},
    // both rows: the switch-on row takes the focus
    EditOpCase{With({.onSec = "-1", .lengthSec = "60"}),
               Expected{SecondsText, TimeCaption, EditOpField::OnSec}},
    // seconds are checked before tenths
    EditOpCase{With({.onTenths = "3", .lengthSec = "60"}),
               Expected{SecondsText, TimeCaption, EditOpField::LengthSec}}));

INSTANTIATE_TEST_SUITE_P(Tenths, EditOpChecks, ::testing::Values(
    // tenths 5 in both rows
    EditOpCase{With({.onTenths = "5", .lengthTenths = "5"}), std::nullopt},
    // empty tenths read as 0
    EditOpCase{With({.onTenths = "", .lengthTenths = ""}), std::nullopt},
    // tenths 3 switching on
    EditOpCase{With({.onTenths = "3"}), Expected{TenthsText, TimeCaption, EditOpField::OnMillSec}},
    // tenths 3 in the duration
    EditOpCase{With({.lengthTenths = "3"}),
               Expected{TenthsText, TimeCaption, EditOpField::LengthMillSec}},
    // tenths 10 are no half-second either
    EditOpCase{With({.onTenths = "10"}), Expected{TenthsText, TimeCaption, EditOpField::OnMillSec}},
    // both rows: the switch-on row takes the focus
    EditOpCase{With({.onTenths = "7", .lengthTenths = "7"}),
               Expected{TenthsText, TimeCaption, EditOpField::OnMillSec}}));

INSTANTIATE_TEST_SUITE_P(Duration, EditOpChecks, ::testing::Values(
    // a duration of nothing
    EditOpCase{With({.lengthMin = "0", .lengthSec = "0", .lengthTenths = "0"}),
               Expected{ZeroText, TimeCaption, EditOpField::LengthMin}},
    // a new row: every time edit "0"
    EditOpCase{With({.channel = "1", .onMin = "0", .onSec = "0", .onTenths = "0",
                     .lengthMin = "0", .lengthSec = "0", .lengthTenths = "0", .oldChannel = 0}),
               Expected{ZeroText, TimeCaption, EditOpField::LengthMin}},
    // all time edits empty
    EditOpCase{With({.onMin = "", .onSec = "", .onTenths = "", .lengthMin = "", .lengthSec = "",
                     .lengthTenths = ""}),
               Expected{ZeroText, TimeCaption, EditOpField::LengthMin}},
    // half a second is a duration; switching on at 0 is fine
    EditOpCase{With({.onMin = "0", .onSec = "0", .onTenths = "0", .lengthMin = "0",
                     .lengthSec = "0", .lengthTenths = "5"}), std::nullopt}));

INSTANTIATE_TEST_SUITE_P(OffTime, EditOpChecks, ::testing::Values(
    // the longest switch-on time and the longest duration would pass 16 bits
    EditOpCase{With({.onMin = "540", .onSec = "59", .onTenths = "5", .lengthMin = "540",
                     .lengthSec = "59", .lengthTenths = "5"}),
               Expected{OverflowText, TimeCaption, EditOpField::LengthMin}},
    // the switch-off time 546:6,0 is the last time before the reserved codes
    EditOpCase{With({.onMin = "540", .lengthMin = "6", .lengthSec = "6", .lengthTenths = "0"}),
               std::nullopt},
    // half a second later it would read as the preheating state "Выкл."
    EditOpCase{With({.onMin = "540", .lengthMin = "6", .lengthSec = "6", .lengthTenths = "5"}),
               Expected{OverflowText, TimeCaption, EditOpField::LengthMin}},
    // the longest duration from the start of the cycle
    EditOpCase{With({.onMin = "0", .lengthMin = "540", .lengthSec = "59", .lengthTenths = "5"}),
               std::nullopt},
    // the 4-channel model cannot reach the limit
    EditOpCase{With({.channel = "1", .onMin = "99", .onSec = "59", .onTenths = "5",
                     .lengthMin = "99", .lengthSec = "59", .lengthTenths = "5", .channelCount = 4,
                     .oldChannel = 0}), std::nullopt},
    // the zero duration is reported before the off-time
    EditOpCase{With({.onMin = "540", .lengthSec = "0"}),
               Expected{ZeroText, TimeCaption, EditOpField::LengthMin}}));
// clang-format on

TEST(EditOpCheck, searchesEverySlotOfTheProgram) {
    TDuvProg prog;
    prog.Ops[15].Channel = 9;
    EditOpInput in = ToInput(Fields{.channel = "9", .oldChannel = 0});
    const auto refusal = CheckEditOp(in, prog);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Text, QString::fromUtf8(InUseText));
}

TEST(EditOpCheck, nameWithoutAByteIsStillAName) {
    // The name edit refuses such characters, but a check of other text must not call it blank.
    EditOpInput in = ToInput(Fields{});
    in.OpName = QString::fromUtf8("\u4e2d");
    EXPECT_EQ(CheckEditOp(in, ProgramWithTwoOperations()), std::nullopt);
}

TEST(PreheatState, mapsTheExactTexts) {
    EXPECT_EQ(PreheatState(QString::fromUtf8("Вкл.")).Value(), TMyTime::StateOn);
    EXPECT_EQ(PreheatState(QString::fromUtf8("Выкл.")).Value(), TMyTime::StateOff);
    EXPECT_EQ(PreheatState(QString::fromUtf8("Не исп.")).Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(PreheatState(QString::fromUtf8("Вкл")).Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(PreheatState(QString::fromUtf8("вкл.")).Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(PreheatState(QString()).Value(), TMyTime::TimeUndefined);
}

TEST(OperationNameBytes, givesWindows1251Bytes) {
    EXPECT_EQ(OperationNameBytes(QString::fromUtf8("Подпрессовка №2")),
              Cp1251Literal("Подпрессовка №2"));
    EXPECT_EQ(OperationNameBytes(QString()), std::string());
    // Characters without a byte are left out rather than losing the whole name.
    EXPECT_EQ(OperationNameBytes(QString::fromUtf8("Пар\u4e2d 1\uFFFD")), Cp1251Literal("Пар 1"));
}
