#include "SendArray.h"
#include "SendArrayListing.h"

#include "DocumentFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace {

constexpr std::uint16_t Unset = TMyTime::TimeUndefined;

// Puts an operation into a slot of a program.
void PutOp(TDuvProgs& progs, int prog, int slot, int channel, std::uint16_t on, std::uint16_t off) {
    TDuvRec& op = progs.Prog(prog).Op(slot);
    op.Channel = channel;
    op.OnTime = TMyTime(on);
    op.OffTime = TMyTime(off);
}

// 60 s on, 30.5 s long: switched off at 90.5 s.
const std::uint16_t ExampleOn = TMyTime(0, 60, 0).Value();
const std::uint16_t ExampleOff = TMyTime(0, 90, 5).Value();

struct BuildCase {
    const char* Name;
    std::function<void(TDuvDocument&)> Change;
    std::map<int, std::uint16_t> Words; // every other word must stay 0xFFFF
};

void PrintTo(const BuildCase& c, std::ostream* os) {
    *os << c.Name;
}

class SendArrayBuild : public ::testing::TestWithParam<BuildCase> {};

TEST_P(SendArrayBuild, placesEveryWordWhereTheControllerReadsIt) {
    const BuildCase& c = GetParam();
    TDuvDocument doc;
    c.Change(doc);

    const SendArray::Words words = SendArray::Build(doc.Progs);
    const SendArray::Bytes wire = SendArray::ToWire(words);
    const SendArray::Bytes host = SendArray::ToHost(words);
    for (int w = 0; w < SendArray::WordCount; ++w) {
        const auto found = c.Words.find(w);
        const std::uint16_t expected = found == c.Words.end() ? Unset : found->second;
        EXPECT_EQ(words[w], expected) << "word " << w;
        // Word w occupies bytes 2w and 2w + 1 in both orders.
        EXPECT_EQ(wire[2 * w], expected >> 8) << "wire byte " << 2 * w;
        EXPECT_EQ(wire[2 * w + 1], expected & 0xFF) << "wire byte " << 2 * w + 1;
        EXPECT_EQ(host[2 * w], expected & 0xFF) << "host byte " << 2 * w;
        EXPECT_EQ(host[2 * w + 1], expected >> 8) << "host byte " << 2 * w + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, SendArrayBuild,
    ::testing::Values(
        // A fresh set: all 166 words unset.
        BuildCase{"freshSet", [](TDuvDocument&) {}, {}},
        // Channel 5 of the main program: bytes 16-19.
        BuildCase{"channel5InMain",
                  [](TDuvDocument& d) { PutOp(d.Progs, 0, 0, 5, ExampleOn, ExampleOff); },
                  {{8, 0x0078}, {9, 0x00B5}}},
        // Channel 5 of the preheating program, the last block: bytes 272-275; states as they are.
        BuildCase{
            "channel5InPreheating",
            [](TDuvDocument& d) { PutOp(d.Progs, 1, 3, 5, TMyTime::StateOn, TMyTime::StateOff); },
            {{136, 0xFFFE}, {137, 0xFFFD}}},
        // Preheating channel with no state at start: 0xFFFF goes as it is.
        BuildCase{"preheatingUnsetState",
                  [](TDuvDocument& d) { PutOp(d.Progs, 1, 0, 2, Unset, TMyTime::StateOn); },
                  {{131, 0xFFFE}}},
        // Two operations of 1.1 on channel 3: the lower operation slot is sent.
        BuildCase{"sameChannelTwiceLowerSlotWins",
                  [](TDuvDocument& d) {
                      PutOp(d.Progs, 2, 2, 3, 10, 20);
                      PutOp(d.Progs, 2, 7, 3, 30, 40);
                  },
                  {{36, 10}, {37, 20}}},
        // The position of the operation does not matter: slot 15 drives channel 1.
        BuildCase{"lastSlotDrivesChannel1",
                  [](TDuvDocument& d) { PutOp(d.Progs, 0, 15, 1, 2, 4); },
                  {{0, 2}, {1, 4}}},
        // Channel 0: an empty slot, whatever its times.
        BuildCase{"channel0Ignored", [](TDuvDocument& d) { PutOp(d.Progs, 0, 0, 0, 1, 2); }, {}},
        // A negative channel is empty too.
        BuildCase{
            "negativeChannelIgnored", [](TDuvDocument& d) { PutOp(d.Progs, 3, 0, -5, 1, 2); }, {}},
        // Channel 17 has no entry.
        BuildCase{"channel17Ignored", [](TDuvDocument& d) { PutOp(d.Progs, 4, 0, 17, 1, 2); }, {}},
        // Channels 13-16 reach the array even for a 4-channel device; 1.3 block is built too.
        BuildCase{"highChannelsOnFourChannelDevice",
                  [](TDuvDocument& d) {
                      d.ChannelCount = 4;
                      PutOp(d.Progs, 0, 0, 13, 100, 200);
                      PutOp(d.Progs, 4, 0, 16, 300, 400);
                  },
                  {{24, 100}, {25, 200}, {126, 300}, {127, 400}}},
        // 1.2 with a zone of 10 s..20 s: words 162 and 163.
        BuildCase{"zoneOfEmergency12",
                  [](TDuvDocument& d) {
                      d.Progs.Prog(3).ZoneStart = TMyTime(0, 10, 0);
                      d.Progs.Prog(3).ZoneStop = TMyTime(0, 20, 0);
                  },
                  {{162, 0x0014}, {163, 0x0028}}},
        // Zones of 1.1 and 1.3 in their own words.
        BuildCase{"zonesOf11And13",
                  [](TDuvDocument& d) {
                      d.Progs.Prog(2).ZoneStart = TMyTime(1);
                      d.Progs.Prog(2).ZoneStop = TMyTime(2);
                      d.Progs.Prog(4).ZoneStart = TMyTime(5);
                      d.Progs.Prog(4).ZoneStop = TMyTime(6);
                  },
                  {{160, 1}, {161, 2}, {164, 5}, {165, 6}}},
        // Emergency programs 2.1-3.3 never reach the controller.
        BuildCase{"slots5To10Ignored",
                  [](TDuvDocument& d) {
                      for (int s = 5; s <= 10; ++s) {
                          PutOp(d.Progs, s, 0, 1, 1, 2);
                          d.Progs.Prog(s).ZoneStart = TMyTime(3);
                          d.Progs.Prog(s).ZoneStop = TMyTime(4);
                          d.Progs.Prog(s).Defined = 1;
                      }
                  },
                  {}},
        // Names and Defined flags are not sent.
        BuildCase{"namesAndDefinedIgnored",
                  [](TDuvDocument& d) {
                      for (int s = 0; s < TDuvProgs::ProgCount; ++s) {
                          d.Progs.Prog(s).Name = "renamed";
                          d.Progs.Prog(s).Defined = 1;
                          d.Progs.Prog(s).Op(0).Name = "op";
                      }
                  },
                  {}},
        // 1.1 never opened (Defined 0) is sent all the same.
        BuildCase{"undefinedEmergencyStillSent",
                  [](TDuvDocument& d) { PutOp(d.Progs, 2, 0, 1, 7, 9); },
                  {{32, 7}, {33, 9}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SendArrayBytes, exampleOperationInMainAndPreheating) {
    TDuvProgs progs;
    PutOp(progs, 0, 0, 5, ExampleOn, ExampleOff);
    PutOp(progs, 1, 0, 5, TMyTime::StateOn, TMyTime::StateOff);
    const SendArray::Words words = SendArray::Build(progs);
    const SendArray::Bytes wire = SendArray::ToWire(words);
    const SendArray::Bytes host = SendArray::ToHost(words);

    EXPECT_EQ((std::array<int, 4>{wire[16], wire[17], wire[18], wire[19]}),
              (std::array<int, 4>{0x00, 0x78, 0x00, 0xB5}));
    EXPECT_EQ((std::array<int, 4>{host[16], host[17], host[18], host[19]}),
              (std::array<int, 4>{0x78, 0x00, 0xB5, 0x00}));
    EXPECT_EQ((std::array<int, 4>{wire[272], wire[273], wire[274], wire[275]}),
              (std::array<int, 4>{0xFF, 0xFE, 0xFF, 0xFD}));
    EXPECT_EQ((std::array<int, 4>{host[272], host[273], host[274], host[275]}),
              (std::array<int, 4>{0xFE, 0xFF, 0xFD, 0xFF}));
}

TEST(SendArrayWire, highByteGoesFirst) {
    SendArray::Words words;
    words.fill(0);
    words[0] = 0x1234;
    words[165] = 0xABCD;
    const SendArray::Bytes wire = SendArray::ToWire(words);
    EXPECT_EQ(wire[0], 0x12);
    EXPECT_EQ(wire[1], 0x34);
    EXPECT_EQ(wire[330], 0xAB);
    EXPECT_EQ(wire[331], 0xCD);
    EXPECT_EQ(SendArray::FromWire(wire), words);
}

TEST(SendArrayHost, lowByteGoesFirst) {
    SendArray::Words words;
    words.fill(0);
    words[0] = 0x1234;
    words[165] = 0xABCD;
    const SendArray::Bytes host = SendArray::ToHost(words);
    EXPECT_EQ(host[0], 0x34);
    EXPECT_EQ(host[1], 0x12);
    EXPECT_EQ(host[330], 0xCD);
    EXPECT_EQ(host[331], 0xAB);
    EXPECT_EQ(SendArray::FromHost(host), words);
}

TEST(SendArrayHost, isTheWireImageWithTheBytesOfEachWordSwapped) {
    SendArray::Words words;
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint16_t>(i * 0x0193 + 0x8001); // both bytes vary
    const SendArray::Bytes wire = SendArray::ToWire(words);
    const SendArray::Bytes host = SendArray::ToHost(words);
    for (int w = 0; w < SendArray::WordCount; ++w) {
        EXPECT_EQ(host[2 * w], wire[2 * w + 1]) << "word " << w;
        EXPECT_EQ(host[2 * w + 1], wire[2 * w]) << "word " << w;
    }
    EXPECT_EQ(SendArray::FromHost(host), words);

    // The same bytes read in the other order give each word with its bytes swapped.
    SendArray::Bytes bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(255 - i);
    EXPECT_EQ(SendArray::ToHost(SendArray::FromHost(bytes)), bytes);
    EXPECT_EQ(SendArray::FromHost(bytes)[0], 0xFEFF);
    EXPECT_EQ(SendArray::FromWire(bytes)[0], 0xFFFE);
}

TEST(SendArrayWire, roundTripKeepsEveryWordAndEveryByte) {
    SendArray::Words words;
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint16_t>(i * 0x0193 + 0x8001); // both bytes vary
    EXPECT_EQ(SendArray::FromWire(SendArray::ToWire(words)), words);

    SendArray::Bytes bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(255 - i);
    EXPECT_EQ(SendArray::ToWire(SendArray::FromWire(bytes)), bytes);
}

TEST(SendArrayWire, buildDoesNotChangeTheModel) {
    TDuvDocument doc;
    PutOp(doc.Progs, 0, 0, 5, ExampleOn, ExampleOff);
    const std::string before = DocumentFile::Serialize(doc);
    (void)SendArray::Build(doc.Progs);
    EXPECT_EQ(DocumentFile::Serialize(doc), before);
}

std::string Repeat(const std::string& entry, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += entry;
    return s;
}

TEST(SendArrayListing, freshSetListsSeventeenLinesOfUnsetEntries) {
    const auto lines = SendArrayListing(SendArray::Build(TDuvProgs()));
    ASSERT_EQ(lines.size(), 17u);
    const std::string entryLine = Repeat("FFFF FFFF  ", 8);
    for (std::size_t i = 0; i < 16; ++i) {
        if (i % 3 == 0) {
            EXPECT_EQ(lines[i], "") << "line " << i; // leading line and block separators
        } else {
            EXPECT_EQ(lines[i].size(), 88u) << "line " << i;
            EXPECT_EQ(lines[i], entryLine) << "line " << i;
        }
    }
    EXPECT_EQ(lines[16].size(), 33u);
    EXPECT_EQ(lines[16], Repeat("FFFF FFFF  ", 3));
}

TEST(SendArrayListing, everyWordListedInArrayOrder) {
    SendArray::Words words;
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint16_t>(i);
    const auto lines = SendArrayListing(words);
    ASSERT_EQ(lines.size(), 17u);
    // Block b (main, 1.1, 1.2, 1.3, preheating) is on lines 3b+1 and 3b+2.
    EXPECT_EQ(lines[1].substr(0, 22), "0000 0001  0002 0003  ");
    EXPECT_EQ(lines[2].substr(0, 11), "0010 0011  ");
    EXPECT_EQ(lines[11].substr(77), "007E 007F  ");    // 1.3, channel 16
    EXPECT_EQ(lines[13].substr(0, 11), "0080 0081  "); // preheating, channel 1
    EXPECT_EQ(lines[14].substr(77), "009E 009F  ");
    EXPECT_EQ(lines[16], "00A0 00A1  00A2 00A3  00A4 00A5  ");
}

TEST(SendArrayListing, exampleOperationReadsAsUpperCaseHex) {
    TDuvProgs progs;
    PutOp(progs, 0, 0, 1, ExampleOn, ExampleOff);
    PutOp(progs, 2, 0, 2, 0xABCD, 0x00EF);
    const auto lines = SendArrayListing(SendArray::Build(progs));
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[1].substr(0, 22), "0078 00B5  FFFF FFFF  ");
    EXPECT_EQ(lines[4].substr(11, 11), "ABCD 00EF  ");
}

} // namespace

TEST(SendArrayListing, textEndsEveryLineWithALineFeed) {
    SendArray::Words words = SendArray::Build(TDuvProgs());
    words[0] = 0x0078;
    words[1] = 0x00B5;
    QString expected;
    for (const std::string& line : SendArrayListing(words))
        expected += QString::fromStdString(line) + QLatin1Char('\n');
    const QString text = SendArrayListingText(words);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 17);
    EXPECT_TRUE(text.startsWith(QStringLiteral("\n0078 00B5  FFFF FFFF  ")));
}
