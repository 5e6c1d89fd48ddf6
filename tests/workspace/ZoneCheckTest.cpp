#include "ZoneCheck.h"

#include "CheckTestSupport.h"

#include "TDuvProgs.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace {
const char* const MinutesText = "Должно быть не более 540 минут";
const char* const SecondsText = "Секунты должны находится в интервале 0..59";
const char* const TenthsText = "Миллисекунты должны находится в интервале 0..99";
const char* const OrderText = "Старт должен быть раньше останова";
const char* const Overlap12 = "Временные интервалы 1-го и 2-го режимов пересекаются";
const char* const Overlap13 = "Временные интервалы 1-го и 3-го режимов пересекаются";
const char* const Overlap23 = "Временные интервалы 2-го и 3-го режимов пересекаются";

constexpr std::uint16_t None = TMyTime::TimeUndefined;

// Another emergency program of group 1 as the overlap checks see it.
struct Other {
    bool defined = false;
    std::uint16_t start = None, stop = None;
};

struct ZoneCase {
    int progIndex;
    const char* onMin;
    const char* onSec;
    const char* onTenths;
    const char* offMin;
    const char* offSec;
    const char* offTenths;
    Other e11, e12, e13; // slots 2, 3 and 4
    std::vector<const char*> messages;
    std::optional<std::uint16_t> start = std::nullopt, stop = std::nullopt;
};

std::ostream& operator<<(std::ostream& out, const ZoneCase& c) {
    return out << "slot " << c.progIndex << ": " << c.onMin << ' ' << c.onSec << ' ' << c.onTenths
               << " .. " << c.offMin << ' ' << c.offSec << ' ' << c.offTenths;
}

TDuvProgs ProgsWith(const ZoneCase& c) {
    TDuvProgs progs;
    const Other* others[] = {&c.e11, &c.e12, &c.e13};
    for (int i = 0; i < 3; ++i) {
        TDuvProg& prog = progs.Prog(TDuvProgs::Emergency11 + i);
        prog.Defined = others[i]->defined ? 1 : 0;
        prog.ZoneStart = others[i]->start;
        prog.ZoneStop = others[i]->stop;
    }
    return progs;
}

// A conflicting neighbour for every check: defined over the whole time.
const Other Everywhere{true, 0, 60000};
} // namespace

class ZoneChecks : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneChecks, reportTheirMessagesInOrder) {
    const auto& c = GetParam();
    ZoneInput in;
    in.OnMin = QString::fromUtf8(c.onMin);
    in.OnSec = QString::fromUtf8(c.onSec);
    in.OnMillSec = QString::fromUtf8(c.onTenths);
    in.OffMin = QString::fromUtf8(c.offMin);
    in.OffSec = QString::fromUtf8(c.offSec);
    in.OffMillSec = QString::fromUtf8(c.offTenths);
    in.ProgIndex = c.progIndex;
    const ZoneCheckResult result = CheckZone(in, ProgsWith(c));
    std::vector<QString> expected;
    for (const char* text : c.messages)
        expected.push_back(QString::fromUtf8(text));
    EXPECT_EQ(result.Messages, expected);
    if (c.start)
        EXPECT_EQ(result.Start.Value(), *c.start);
    if (c.stop)
        EXPECT_EQ(result.Stop.Value(), *c.stop);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bounds, ZoneChecks, ::testing::Values(
    // all six fields 0: no interval
    ZoneCase{2, "0", "0", "0", "0", "0", "0", {}, {}, {}, {OrderText}},
    // all six fields empty read as 0
    ZoneCase{2, "", "", "", "", "", "", {}, {}, {}, {OrderText}},
    // start equal to stop
    ZoneCase{2, "1", "30", "5", "1", "30", "5", {}, {}, {}, {OrderText}},
    // stop before start
    ZoneCase{2, "2", "0", "0", "1", "0", "0", {}, {}, {}, {OrderText}},
    // a plain zone
    ZoneCase{2, "1", "30", "0", "2", "0", "0", {}, {}, {}, {}, 180, 240},
    // tenths 99 give 19 half-seconds (0:9,5)
    ZoneCase{2, "0", "0", "0", "0", "0", "99", {}, {}, {}, {}, 0, 19},
    // 540:59 and 99 tenths are the largest bound
    ZoneCase{2, "0", "0", "0", "540", "59", "99", {}, {}, {}, {}, 0, 64937},
    // tenths that are no half-second are truncated, not refused
    ZoneCase{2, "0", "0", "3", "0", "0", "7", {}, {}, {}, {}, 0, 1}));

INSTANTIATE_TEST_SUITE_P(Ranges, ZoneChecks, ::testing::Values(
    // 541 start minutes and 60 stop seconds: every failing check speaks, start 64920 > stop 120
    ZoneCase{2, "541", "0", "0", "0", "60", "0", {}, {}, {}, {MinutesText, SecondsText, OrderText},
             64920, 120},
    // the same with a later program starting early: the overlap is reported last
    ZoneCase{2, "541", "0", "0", "0", "60", "0", {}, {true, 100, 200}, {},
             {MinutesText, SecondsText, OrderText, Overlap12}},
    // the same for 1.2 with 1.1 ending before it: no overlap
    ZoneCase{3, "541", "0", "0", "0", "60", "0", {true, 0, 240}, {}, {},
             {MinutesText, SecondsText, OrderText}},
    // stop minutes out of range
    ZoneCase{2, "0", "0", "0", "541", "0", "0", {}, {}, {}, {MinutesText}},
    // negative minutes: the start, computed anyway, wraps round to a late time (65416)
    ZoneCase{2, "-1", "0", "0", "1", "0", "0", {}, {}, {}, {MinutesText, OrderText}, 65416},
    // negative seconds: the same with 65534
    ZoneCase{2, "0", "-1", "0", "1", "0", "0", {}, {}, {}, {SecondsText, OrderText}, 65534},
    // 100 tenths
    ZoneCase{2, "0", "0", "0", "0", "0", "100", {}, {}, {}, {TenthsText}},
    // negative tenths
    ZoneCase{2, "0", "0", "-1", "1", "0", "0", {}, {}, {}, {TenthsText}},
    // the three range checks in their order, then the order of the bounds
    ZoneCase{2, "600", "70", "120", "0", "0", "0", {}, {}, {},
             {MinutesText, SecondsText, TenthsText, OrderText}},
    // a huge number saturates and is refused
    ZoneCase{2, "0", "0", "0", "99999999999", "0", "0", {}, {}, {}, {MinutesText}}));

INSTANTIATE_TEST_SUITE_P(Overlap, ZoneChecks, ::testing::Values(
    // 1.1 and 1.2 may touch
    ZoneCase{3, "1", "0", "0", "2", "0", "0", {true, 0, 120}, {}, {}, {}},
    // 1.1 ending where 1.2 starts
    ZoneCase{2, "0", "0", "0", "1", "0", "0", {}, {true, 120, 240}, {}, {}},
    // 1.3 after both
    ZoneCase{4, "2", "0", "0", "3", "0", "0", {true, 0, 120}, {true, 120, 240}, {}, {}},
    // row a: 1.1 ending after 1.2 starts
    ZoneCase{2, "0", "0", "0", "1", "0", "0", {}, {true, 100, 240}, {}, {Overlap12}},
    // row b: 1.1 ending after 1.3 starts
    ZoneCase{2, "0", "0", "0", "1", "0", "0", {}, {}, {true, 100, 240}, {Overlap13}},
    // rows a and b both fail: only a is reported
    ZoneCase{2, "0", "0", "0", "1", "0", "0", {}, {true, 100, 240}, {true, 100, 240}, {Overlap12}},
    // row c: 1.2 ending after 1.3 starts
    ZoneCase{3, "1", "0", "0", "2", "0", "0", {}, {}, {true, 200, 300}, {Overlap23}},
    // row d: 1.2 starting before 1.1 ends
    ZoneCase{3, "1", "0", "0", "2", "0", "0", {true, 0, 200}, {}, {}, {Overlap12}},
    // rows c and d both fail: only c is reported
    ZoneCase{3, "1", "0", "0", "2", "0", "0", {true, 0, 200}, {}, {true, 200, 300}, {Overlap23}},
    // row e: 1.3 starting before 1.1 ends
    ZoneCase{4, "1", "0", "0", "2", "0", "0", {true, 0, 200}, {}, {}, {Overlap13}},
    // row f: 1.3 starting before 1.2 ends
    ZoneCase{4, "1", "0", "0", "2", "0", "0", {}, {true, 0, 200}, {}, {Overlap23}},
    // rows e and f both fail: only e is reported
    ZoneCase{4, "1", "0", "0", "2", "0", "0", {true, 0, 200}, {true, 0, 200}, {}, {Overlap13}},
    // a defined 1.1 without a zone always conflicts with a later 1.2
    ZoneCase{3, "1", "0", "0", "2", "0", "0", {true, None, None}, {}, {}, {Overlap12}},
    // a defined 1.2 without a zone never conflicts with an earlier 1.1
    ZoneCase{2, "1", "0", "0", "2", "0", "0", {}, {true, None, None}, {}, {}},
    // undefined programs are ignored, whatever zone they hold
    ZoneCase{3, "1", "0", "0", "2", "0", "0", {false, 0, 60000}, {}, {false, 0, 60000}, {}},
    // the main program has no overlap check
    ZoneCase{0, "1", "0", "0", "2", "0", "0", Everywhere, Everywhere, Everywhere, {}},
    // nor the preheating program
    ZoneCase{1, "1", "0", "0", "2", "0", "0", Everywhere, Everywhere, Everywhere, {}},
    // nor the emergency programs beyond group 1
    ZoneCase{5, "1", "0", "0", "2", "0", "0", Everywhere, Everywhere, Everywhere, {}},
    // a slot outside the program set
    ZoneCase{-1, "1", "0", "0", "2", "0", "0", Everywhere, Everywhere, Everywhere, {}}));
// clang-format on

TEST(ZoneCheck, captionIsTheTimeCheck) {
    EXPECT_EQ(ZoneCheckCaption(), QString::fromUtf8("Проверка времени"));
}
