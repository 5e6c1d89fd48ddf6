// The transfer through the real serial layer on a pseudo-terminal, against the simulated
// controller.
#include "UploadTransfer.h"
#include "ControllerSimulator.h"
#include "SerialPortLine.h"
#include "UploadTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace {

using Kind = UploadOutcome::Kind;
using Options = ControllerSimulator::Options;

std::vector<std::uint8_t> Prefix(const SendArray::Bytes& bytes, int count) {
    return {bytes.begin(), bytes.begin() + count};
}

std::vector<int> Count(int from, int to) {
    std::vector<int> values(static_cast<std::size_t>(to - from + 1));
    std::iota(values.begin(), values.end(), from);
    return values;
}

std::vector<int> Concat(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class UploadTransferTest : public ::testing::Test {
  protected:
    UploadOutcome RunAgainst(const Options& options) {
        controller = std::make_unique<ControllerSimulator>(options);
        EXPECT_TRUE(controller->Start());
        return RunOn(QString::fromStdString(controller->SlavePath()));
    }

    UploadOutcome RunOn(const QString& port) {
        UploadTransfer transfer(line,
                                {[this](int maximum) { phases.push_back(maximum); },
                                 [this](int position) { positions.push_back(position); }},
                                timing);
        return transfer.Run(progs, port);
    }

    const TDuvProgs progs = SamplePrograms();
    const SendArray::Bytes image = SendArray::ToWire(SendArray::Build(progs));
    UploadTransfer::Timing timing = TolerantTiming();
    SerialPortLine line;
    std::unique_ptr<ControllerSimulator> controller;
    std::vector<int> phases;
    std::vector<int> positions;
};

} // namespace

TEST_F(UploadTransferTest, controllerAnsweringFirstRequestGetsTheImage) {
    const UploadOutcome outcome = RunAgainst({});
    EXPECT_EQ(outcome.Result, Kind::Success);
    EXPECT_EQ(outcome.Text(), QStringLiteral("Передача данных прошла успешно"));
    EXPECT_EQ(outcome.Caption(), QStringLiteral("Сообщение"));
    EXPECT_EQ(outcome.Attempts, 1);
    EXPECT_EQ(outcome.Sent, image);
    EXPECT_EQ(outcome.Received, image);
    EXPECT_EQ(controller->Received(), Prefix(image, SendArray::ByteCount));
    EXPECT_EQ(controller->Requests(), 1);
    EXPECT_EQ(controller->CopiesSent(), 1);
    // one step of 30, then every byte sent, then every byte read back
    EXPECT_EQ(phases, (std::vector<int>{30, 332}));
    EXPECT_EQ(positions, Concat({{1}, Count(1, 332), {0}, Count(1, 332)}));
    EXPECT_FALSE(line.IsOpen());
}

TEST_F(UploadTransferTest, secondTransferOnTheSameLineWorksAgain) {
    ASSERT_EQ(RunAgainst({}).Result, Kind::Success);
    EXPECT_EQ(RunOn(QString::fromStdString(controller->SlavePath())).Result, Kind::Success);
    EXPECT_EQ(controller->CopiesSent(), 2);
}

TEST_F(UploadTransferTest, controllerWithoutEchoIsPacedByTheTimeOut) {
    Options options;
    options.Echo = false;
    timing = {}; // every byte waits the time-out out
    const UploadOutcome outcome = RunAgainst(options);
    EXPECT_EQ(outcome.Result, Kind::Success);
    EXPECT_EQ(controller->Received(), Prefix(image, SendArray::ByteCount));
}

struct LateAnswer {
    int ignoredRequests;
    int junk;
    int attempts;
};

void PrintTo(const LateAnswer& c, std::ostream* os) {
    *os << "ignored " << c.ignoredRequests << ", junk " << c.junk;
}

class LateAnswerTest : public UploadTransferTest,
                       public ::testing::WithParamInterface<LateAnswer> {};

TEST_P(LateAnswerTest, readyByteAfterOtherBytesIsFound) {
    Options options;
    options.IgnoredRequests = GetParam().ignoredRequests;
    options.JunkBeforeReady = GetParam().junk;
    const UploadOutcome outcome = RunAgainst(options);
    EXPECT_EQ(outcome.Result, Kind::Success);
    EXPECT_EQ(outcome.Attempts, GetParam().attempts);
    EXPECT_EQ(controller->Requests(), GetParam().attempts);
    EXPECT_EQ(controller->Received(), Prefix(image, SendArray::ByteCount));
    std::vector<int> handshake = Count(1, GetParam().attempts);
    EXPECT_EQ(std::vector<int>(positions.begin(), positions.begin() + GetParam().attempts),
              handshake);
}

INSTANTIATE_TEST_SUITE_P(
    Handshake, LateAnswerTest,
    ::testing::Values(LateAnswer{0, 3, 1},    // other bytes first, same attempt
                      LateAnswer{0, 9, 1},    // the ready byte on the tenth and last read
                      LateAnswer{2, 0, 3},    // two requests go unanswered
                      LateAnswer{4, 5, 5},    // both
                      LateAnswer{29, 0, 30}), // answered on the last attempt
    [](const auto& info) {
        return "ignored" + std::to_string(info.param.ignoredRequests) + "_junk" +
               std::to_string(info.param.junk);
    });

TEST_F(UploadTransferTest, silentControllerEndsAfterThirtyAttempts) {
    Options options;
    options.Silent = true;
    const UploadOutcome outcome = RunAgainst(options);
    EXPECT_EQ(outcome.Result, Kind::NoAnswer);
    EXPECT_EQ(outcome.Text(), QStringLiteral("Нет связи с прибором"));
    EXPECT_EQ(outcome.Caption(), QStringLiteral("Ошибка"));
    EXPECT_EQ(outcome.Attempts, 30);
    EXPECT_EQ(controller->Requests(), 30);
    EXPECT_TRUE(controller->Received().empty()); // nothing of the image
    EXPECT_EQ(phases, std::vector<int>{30});
    EXPECT_EQ(positions, Count(1, 30));
    EXPECT_FALSE(line.IsOpen());
}

struct ReadBackCase {
    int returned; // bytes of the copy the controller sends
    int changed;  // byte of the copy inverted, -1 none
    int extra;    // bytes after the copy
    Kind result;
    int position;
};

void PrintTo(const ReadBackCase& c, std::ostream* os) {
    *os << "returned " << c.returned << ", changed " << c.changed << ", extra " << c.extra;
}

class ReadBackTest : public UploadTransferTest,
                     public ::testing::WithParamInterface<ReadBackCase> {};

TEST_P(ReadBackTest, copyIsJudged) {
    const ReadBackCase& c = GetParam();
    Options options;
    options.ReturnCount = c.returned;
    options.ChangedByte = c.changed;
    options.ExtraBytes = c.extra;
    const UploadOutcome outcome = RunAgainst(options);
    EXPECT_EQ(outcome.Result, c.result);
    EXPECT_EQ(outcome.Position, c.position);
    EXPECT_EQ(controller->Received(), Prefix(image, SendArray::ByteCount));

    // What came is kept in place; what did not come is zero; nothing beyond the buffer.
    SendArray::Bytes expected{};
    const int kept = std::min(c.returned, SendArray::ByteCount);
    for (int i = 0; i < kept; ++i)
        expected[i] = i == c.changed ? static_cast<std::uint8_t>(~image[i]) : image[i];
    EXPECT_EQ(outcome.Received, expected);
    EXPECT_EQ(outcome.ReceivedWords(), SendArray::FromWire(expected));
    const std::vector<int> readBack(positions.begin() + 1 + SendArray::ByteCount, positions.end());
    EXPECT_EQ(readBack, Count(0, kept));
    EXPECT_FALSE(line.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Copies, ReadBackTest,
    ::testing::Values(ReadBackCase{332, -1, 0, Kind::Success, 332},       // the same image
                      ReadBackCase{332, 331, 0, Kind::Mismatch, 331},     // only the last byte
                      ReadBackCase{332, 0, 0, Kind::Mismatch, 0},         // the first byte
                      ReadBackCase{332, 150, 2, Kind::Mismatch, 150},     // differs and too long
                      ReadBackCase{0, -1, 0, Kind::ShortReadBack, 0},     // nothing comes back
                      ReadBackCase{100, -1, 0, Kind::ShortReadBack, 100}, // stops after 100
                      ReadBackCase{331, -1, 0, Kind::ShortReadBack, 331}, // one byte short
                      ReadBackCase{200, 50, 0, Kind::ShortReadBack, 200}, // short wins
                      ReadBackCase{332, -1, 40, Kind::Success, 332},      // extra bytes dropped
                      // a controller that keeps talking cannot hold the read-back for ever
                      ReadBackCase{332, -1, 5000, Kind::Success, 332}),
    [](const auto& info) {
        const ReadBackCase& c = info.param;
        return "returned" + std::to_string(c.returned) + "_changed" +
               (c.changed < 0 ? std::string("None") : std::to_string(c.changed)) + "_extra" +
               std::to_string(c.extra);
    });

TEST_F(UploadTransferTest, shortCopyTextsNameTheBytesReceived) {
    Options options;
    options.ReturnCount = 0;
    const UploadOutcome outcome = RunAgainst(options);
    EXPECT_EQ(outcome.Text(), QStringLiteral("Принятые данные отличаются от переданных в 0 байте "
                                             "из 332"));
    EXPECT_EQ(outcome.Caption(), QStringLiteral("Ошибка загрузки данных"));
    EXPECT_EQ(outcome.ReceivedWords(), SendArray::Words{}); // 166 zero words
}

TEST_F(UploadTransferTest, mismatchTextNamesTheFirstDifference) {
    Options options;
    options.ChangedByte = 331;
    const UploadOutcome outcome = RunAgainst(options);
    EXPECT_EQ(outcome.Text(),
              QStringLiteral("Принятый массив отличается от переданного в 331 байте из 332"));
    EXPECT_TRUE(outcome.Caption().isEmpty());
}

class HangUpTest : public UploadTransferTest, public ::testing::WithParamInterface<int> {};

TEST_P(HangUpTest, brokenLineIsNeverSuccess) {
    Options options;
    options.HangUpAfter = GetParam();
    const UploadOutcome outcome = RunAgainst(options);
    EXPECT_EQ(outcome.Result, Kind::Mismatch);
    EXPECT_EQ(outcome.Position, 0); // nothing came back
    EXPECT_EQ(outcome.Received, SendArray::Bytes{});
    EXPECT_TRUE(controller->HungUp());
    EXPECT_EQ(controller->Received(), Prefix(image, GetParam()));
    EXPECT_FALSE(line.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(MidTransfer, HangUpTest,
                         ::testing::Values(1,    // right after the first byte
                                           100,  // in the middle
                                           332), // before the copy
                         [](const auto& info) { return "after" + std::to_string(info.param); });

struct UnopenablePort {
    const char* name;
    const char* text; // $DIR: a fresh folder with a plain file in it
};

void PrintTo(const UnopenablePort& c, std::ostream* os) {
    *os << c.name;
}

class UnopenablePortTest : public UploadTransferTest,
                           public ::testing::WithParamInterface<UnopenablePort> {};

TEST_P(UnopenablePortTest, nothingIsSent) {
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/порт с пробелами-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    QFile plain(dir.filePath(QStringLiteral("обычный файл")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString text =
        QString::fromUtf8(GetParam().text).replace(QStringLiteral("$DIR"), dir.path());
    const UploadOutcome outcome = RunOn(text);
    EXPECT_EQ(outcome.Result, Kind::PortNotOpened);
    EXPECT_EQ(outcome.Text(),
              QStringLiteral("Выбранный порт не существует или не может быть открыт"));
    EXPECT_EQ(outcome.Caption(), QStringLiteral("Ошибка"));
    EXPECT_EQ(outcome.Attempts, 0);
    EXPECT_TRUE(phases.empty());
    EXPECT_TRUE(positions.empty());
    EXPECT_EQ(outcome.Sent, image); // the image is built all the same
    EXPECT_FALSE(line.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Ports, UnopenablePortTest,
                         ::testing::Values(UnopenablePort{"missing", "$DIR/нет такого порта"},
                                           UnopenablePort{"plainFile", "$DIR/обычный файл"},
                                           UnopenablePort{"folder", "$DIR"},
                                           UnopenablePort{"nothingTyped", ""},
                                           UnopenablePort{"absentComPort", "COM250"}),
                         [](const auto& info) { return std::string(info.param.name); });
