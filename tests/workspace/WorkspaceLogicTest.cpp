#include "Captions.h"
#include "Cp1251Literal.h"
#include "ProgramSlots.h"
#include "Settings.h"
#include "TDuvProgs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A program whose used slots hold the given channels (0 = empty), each named after its channel.
TDuvProg ProgramOf(const std::vector<int>& channels) {
    TDuvProg prog;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        TDuvRec& op = prog.Op(static_cast<int>(i));
        op.Clear();
        op.Channel = channels[i];
        if (channels[i] > 0) {
            op.Name = "op" + std::to_string(channels[i]);
            op.OnTime = static_cast<std::uint16_t>(10 * channels[i]);
            op.OffTime = static_cast<std::uint16_t>(10 * channels[i] + 5);
        }
    }
    return prog;
}

std::vector<int> Channels(const TDuvProg& prog) {
    std::vector<int> channels;
    for (const TDuvRec& op : prog.Ops)
        channels.push_back(op.Channel);
    while (!channels.empty() && channels.back() == 0)
        channels.pop_back();
    return channels;
}

// Every used slot still carries the name and times that belong to its channel.
void ExpectOperationsIntact(const TDuvProg& prog) {
    for (const TDuvRec& op : prog.Ops) {
        if (op.IsEmpty())
            continue;
        EXPECT_EQ(op.Name, "op" + std::to_string(op.Channel));
        EXPECT_EQ(op.OnTime.Value(), 10 * op.Channel);
        EXPECT_EQ(op.OffTime.Value(), 10 * op.Channel + 5);
    }
}

} // namespace

// ---- ProgramSlots

TEST(ProgramSlots, rowLimitIsTheChannelCountWithinTheSlots) {
    EXPECT_EQ(ProgramSlots::RowLimit(4), 4);
    EXPECT_EQ(ProgramSlots::RowLimit(12), 12);
    EXPECT_EQ(ProgramSlots::RowLimit(7), 7);
    EXPECT_EQ(ProgramSlots::RowLimit(100), 16); // a count from a file never reaches past slot 15
    EXPECT_EQ(ProgramSlots::RowLimit(0), 0);
    EXPECT_EQ(ProgramSlots::RowLimit(-3), 0);
}

namespace {
struct CompactCase {
    std::vector<int> before;
    std::vector<int> after;
};

void PrintTo(const CompactCase& c, std::ostream* os) {
    *os << "slots";
    for (int channel : c.before)
        *os << " " << channel;
}
} // namespace

class ProgramSlotsCompact : public ::testing::TestWithParam<CompactCase> {};

TEST_P(ProgramSlotsCompact, movesUsedSlotsToTheFrontInOrder) {
    TDuvProg prog = ProgramOf(GetParam().before);
    EXPECT_EQ(ProgramSlots::Compact(prog), static_cast<int>(GetParam().after.size()));
    EXPECT_EQ(Channels(prog), GetParam().after);
    ExpectOperationsIntact(prog);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ProgramSlotsCompact,
    ::testing::Values(CompactCase{{}, {}},                        // nothing used
                      CompactCase{{3, 1, 2}, {3, 1, 2}},          // already together
                      CompactCase{{1, 0, 0, 2, 0, 3}, {1, 2, 3}}, // gaps close up
                      CompactCase{{0, 0, 5}, {5}},                // gap in front
                      CompactCase{{2, -1, 4}, {2, 4}},            // negative channel is empty
                      CompactCase{std::vector<int>(16, 0), {}},   // all empty
                      CompactCase{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}}));

TEST(ProgramSlots, compactLeavesATogetherProgramUntouched) {
    TDuvProg prog = ProgramOf({1, 2});
    prog.Op(5).Name = "kept";
    ProgramSlots::Compact(prog);
    EXPECT_EQ(prog.Op(5).Name, "kept");
}

namespace {
struct MoveCase {
    std::vector<int> before;
    int at;
    int rows;
    std::vector<int> after;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << "at " << c.at << " of " << c.rows;
}
} // namespace

class ProgramSlotsInsert : public ::testing::TestWithParam<MoveCase> {};

TEST_P(ProgramSlotsInsert, opensAnEmptySlotAndMovesTheRestDown) {
    TDuvProg prog = ProgramOf(GetParam().before);
    ProgramSlots::Insert(prog, GetParam().at, GetParam().rows);
    EXPECT_EQ(Channels(prog), GetParam().after);
    EXPECT_EQ(prog.Op(GetParam().at).Name, "Untitled Operation");
    ExpectOperationsIntact(prog);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ProgramSlotsInsert,
    ::testing::Values(MoveCase{{}, 0, 0, {}},                  // into an empty program
                      MoveCase{{1, 2, 3}, 3, 3, {1, 2, 3}},    // at the end
                      MoveCase{{1, 2, 3}, 1, 3, {1, 0, 2, 3}}, // in the middle
                      MoveCase{{1, 2, 3}, 0, 3, {0, 1, 2, 3}}, // at the top
                      MoveCase{{1, 0, 3}, 1, 3, {1, 0, 0, 3}}, // above an empty row
                      MoveCase{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
                               0,
                               15,
                               {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}}));

class ProgramSlotsErase : public ::testing::TestWithParam<MoveCase> {};

TEST_P(ProgramSlotsErase, closesTheSlotAndMovesTheRestUp) {
    TDuvProg prog = ProgramOf(GetParam().before);
    ProgramSlots::Erase(prog, GetParam().at, GetParam().rows);
    EXPECT_EQ(Channels(prog), GetParam().after);
    ExpectOperationsIntact(prog);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ProgramSlotsErase,
    ::testing::Values(MoveCase{{1, 2, 3}, 0, 3, {2, 3}},     // the first
                      MoveCase{{1, 2, 3}, 1, 3, {1, 3}},     // in the middle
                      MoveCase{{1, 2, 3}, 2, 3, {1, 2}},     // the last
                      MoveCase{{1, 0, 3}, 1, 3, {1, 3}},     // an empty row
                      MoveCase{{1, 2, 3}, 3, 3, {1, 2, 3}},  // the empty last row: nothing
                      MoveCase{{1, 2, 3}, -1, 3, {1, 2, 3}}, // no row: nothing
                      MoveCase{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                               0,
                               16,
                               {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}}));

// ---- Captions

TEST(Captions, titlesNameTheDeviceAndTheFile) {
    EXPECT_EQ(Captions::DeviceTitle(4), U("КРЖ-4 ДУВ Технолога"));
    EXPECT_EQ(Captions::DeviceTitle(12), U("КРЖ-12 ДУВ Технолога"));
    EXPECT_EQ(Captions::DeviceTitle(7), U("КРЖ-12 ДУВ Технолога"));
    EXPECT_EQ(Captions::DeviceTitle(0), U("КРЖ-12 ДУВ Технолога"));
    EXPECT_EQ(Captions::DocumentTitle(4, U("/дом/план.dv3")),
              U("КРЖ-4 ДУВ Технолога /дом/план.dv3"));
    EXPECT_EQ(Captions::DocumentTitle(12, QString()), U("КРЖ-12 ДУВ Технолога "));
}

namespace {
struct ZoneCase {
    int slot;
    std::uint16_t start;
    std::uint16_t stop;
    const char* suffix;
};

void PrintTo(const ZoneCase& c, std::ostream* os) {
    *os << "slot " << c.slot << " " << c.start << "-" << c.stop;
}
} // namespace

class CaptionsZone : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(CaptionsZone, suffixShowsTheIntervalOfEmergencyPrograms) {
    TDuvProg prog;
    prog.ZoneStart = GetParam().start;
    prog.ZoneStop = GetParam().stop;
    EXPECT_EQ(Captions::ZoneSuffix(prog, GetParam().slot), U(GetParam().suffix));
}

INSTANTIATE_TEST_SUITE_P(
    Zones, CaptionsZone,
    ::testing::Values(ZoneCase{2, 180, 240, "  (1:30,0 - 2:0,0)"},
                      ZoneCase{3, 0xFFFF, 0xFFFF, "  (интервал не определен)"},
                      // only the start decides: a missing stop shows its raw code
                      ZoneCase{4, 300, 0xFFFF, "  (2:30,0 - 546:7,5)"},
                      ZoneCase{4, 0xFFFF, 240, "  (интервал не определен)"},
                      ZoneCase{2, 0, 1, "  (0:0,0 - 0:0,5)"},
                      // main, preheating and the unreachable programs get nothing
                      ZoneCase{0, 180, 240, ""}, ZoneCase{1, 180, 240, ""},
                      ZoneCase{5, 180, 240, ""}));

TEST(Captions, appliedZoneTitleSeparatesTheTimesWithDots) {
    TDuvProg prog;
    prog.Name = Cp1251Literal("Аварийная программа 1.2");
    prog.ZoneStart = 180;
    prog.ZoneStop = 240;
    EXPECT_EQ(Captions::AppliedZoneTitle(prog), U("Аварийная программа 1.2  (1:30,0 ... 2:0,0)"));
}

TEST(Captions, documentExtensionIsAddedOnlyWhenMissing) {
    EXPECT_EQ(Captions::WithDocumentExtension(U("/tmp/plan")), U("/tmp/plan.dv3"));
    EXPECT_EQ(Captions::WithDocumentExtension(U("/tmp/plan.dv3")), U("/tmp/plan.dv3"));
    EXPECT_EQ(Captions::WithDocumentExtension(U("/tmp/План.Dv3")), U("/tmp/План.Dv3"));
    EXPECT_EQ(Captions::WithDocumentExtension(U("/tmp/plan.dv")), U("/tmp/plan.dv.dv3"));
    EXPECT_EQ(Captions::WithDocumentExtension(U("/tmp/plan.dv3.bak")), U("/tmp/plan.dv3.bak.dv3"));
}

// ---- Settings

class SettingsFile : public ::testing::Test {
  protected:
    QString Path() const { return dir.filePath(U("настройки/duvt3.ini")); }
    void Write(const QByteArray& bytes) {
        QDir().mkpath(dir.filePath(U("настройки")));
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray Read() const {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(SettingsFile, missingFileGivesNoPortName) {
    EXPECT_TRUE(Settings::ReadPortName(Path()).isEmpty());
}

TEST_F(SettingsFile, readsTheFirstLineWhateverItsEnd) {
    for (const QByteArray& bytes : {QByteArray("COM3\r\nCOM4\r\n"), QByteArray("COM3\n"),
                                    QByteArray("COM3"), QByteArray("COM3\r")}) {
        Write(bytes);
        EXPECT_EQ(Settings::ReadPortName(Path()), U("COM3")) << bytes.toStdString();
    }
    Write("");
    EXPECT_TRUE(Settings::ReadPortName(Path()).isEmpty());
}

TEST_F(SettingsFile, writesOneLineAndReadsItBack) {
    QDir().mkpath(dir.filePath(U("настройки")));
    for (const QString& port : {U("COM2"), U("/dev/ttyUSB0"), QString(), U("Порт 1")}) {
        EXPECT_FALSE(Settings::WritePortName(Path(), port));
        EXPECT_EQ(Settings::ReadPortName(Path()), port);
    }
    EXPECT_EQ(Read(), QByteArray("\xcf\xee\xf0\xf2 1\r\n")); // Windows-1251 like the documents
}

TEST_F(SettingsFile, failureToWriteIsToldAndKeepsTheOldFile) {
    Write("COM1\r\n");
    EXPECT_TRUE(Settings::WritePortName(Path(), U("порт ✓"))); // no Windows-1251 byte for ✓
    EXPECT_TRUE(Settings::WritePortName(dir.filePath(U("нет/duvt3.ini")), U("COM2")));
    EXPECT_EQ(Read(), QByteArray("COM1\r\n"));
}
