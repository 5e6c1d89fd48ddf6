#include "UploadWarning.h"

#include <gtest/gtest.h>

namespace {

struct WarningCase {
    int channelCount;
    bool zone1, zone2, zone3; // defined?
    const char* expected;     // nullptr: no question
};

void PrintTo(const WarningCase& c, std::ostream* os) {
    *os << c.channelCount << " channels, zones defined " << c.zone1 << c.zone2 << c.zone3;
}

void Define(TDuvProg& prog, bool defined) {
    if (defined) {
        prog.ZoneStart = TMyTime(10);
        prog.ZoneStop = TMyTime(20);
    }
}

} // namespace

class UploadWarningCases : public ::testing::TestWithParam<WarningCase> {};

TEST_P(UploadWarningCases, listsUndefinedZones) {
    const WarningCase& c = GetParam();
    TDuvProgs progs;
    Define(progs.Prog(TDuvProgs::Emergency11), c.zone1);
    Define(progs.Prog(TDuvProgs::Emergency12), c.zone2);
    Define(progs.Prog(TDuvProgs::Emergency13), c.zone3);
    const std::optional<QString> warning = UploadWarning(progs, c.channelCount);
    if (c.expected == nullptr)
        EXPECT_FALSE(warning.has_value()) << warning->toStdString();
    else
        EXPECT_EQ(warning.value_or(QString()), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Zones, UploadWarningCases,
    ::testing::Values(
        // every zone undefined
        WarningCase{12, false, false, false, "Не определены аварии для зон: 1, 2, 3. Продолжить?"},
        WarningCase{12, true, false, false, "Не определены аварии для зон: 2, 3. Продолжить?"},
        WarningCase{12, false, true, false, "Не определены аварии для зон: 1, 3. Продолжить?"},
        WarningCase{12, false, false, true, "Не определены аварии для зон: 1, 2. Продолжить?"},
        // a single zone: nothing before the number
        WarningCase{12, false, true, true, "Не определены аварии для зон: 1. Продолжить?"},
        WarningCase{12, true, false, true, "Не определены аварии для зон: 2. Продолжить?"},
        WarningCase{12, true, true, false, "Не определены аварии для зон: 3. Продолжить?"},
        // all defined: no question
        WarningCase{12, true, true, true, nullptr},
        // the 4-channel model is never asked, whatever its zones
        WarningCase{4, false, false, false, nullptr}, WarningCase{4, true, false, true, nullptr},
        // any count above 4 is the 12-channel model
        WarningCase{5, true, true, false, "Не определены аварии для зон: 3. Продолжить?"}));

TEST(UploadWarning, zoneWithOneWordSetCountsAsDefined) {
    TDuvProgs progs;
    progs.Prog(TDuvProgs::Emergency11).ZoneStart = TMyTime(0);  // stop still 0xFFFF
    progs.Prog(TDuvProgs::Emergency12).ZoneStop = TMyTime(100); // start still 0xFFFF
    EXPECT_EQ(UploadWarning(progs, 12).value_or(QString()),
              QStringLiteral("Не определены аварии для зон: 3. Продолжить?"));
}

TEST(UploadWarning, otherProgramsZonesAreNotConsulted) {
    TDuvProgs progs;
    for (int slot : {2, 3, 4}) {
        progs.Prog(slot).ZoneStart = TMyTime(1);
        progs.Prog(slot).ZoneStop = TMyTime(2);
    }
    // emergency programs 2.1..3.3 and the main program never have zones that matter
    EXPECT_FALSE(UploadWarning(progs, 12).has_value());
}
