// The transfer against a scripted line: the exact calls it makes, and faults a real port does
// not produce on demand.
#include "PortNames.h"
#include "ScriptedLine.h"
#include "UploadTestSupport.h"
#include "UploadTransfer.h"

#include <gtest/gtest.h>

namespace {

using Kind = UploadOutcome::Kind;
using Copy = std::function<void(ScriptedLine&, const std::vector<std::uint8_t>&)>;

// A controller that answers the first request, echoes every byte and hands the complete image
// to copy, which queues what goes back.
std::function<void(ScriptedLine&, std::uint8_t)> Controller(Copy copy) {
    auto ready = std::make_shared<bool>(false);
    auto image = std::make_shared<std::vector<std::uint8_t>>();
    return [=](ScriptedLine& line, std::uint8_t byte) {
        if (!*ready) {
            if (byte == UploadTransfer::Request) {
                line.Queue(UploadTransfer::Ready);
                *ready = true;
            }
            return;
        }
        image->push_back(byte);
        line.Queue(byte);
        if (image->size() == SendArray::ByteCount)
            copy(line, *image);
    };
}

Copy Exact() {
    return [](ScriptedLine& line, const std::vector<std::uint8_t>& image) {
        for (std::uint8_t byte : image)
            line.Queue(byte);
    };
}

std::vector<std::string> Without(const std::vector<std::string>& calls,
                                 std::initializer_list<const char*> dropped) {
    std::vector<std::string> kept;
    for (const std::string& call : calls) {
        bool drop = false;
        for (const char* d : dropped)
            drop = drop || call == d;
        if (!drop)
            kept.push_back(call);
    }
    return kept;
}

} // namespace

TEST(UploadTransferScript, callsFollowTheProtocol) {
    const TDuvProgs progs = SamplePrograms();
    const SendArray::Bytes image = SendArray::ToWire(SendArray::Build(progs));
    ScriptedLine line;
    line.Controller = Controller(Exact());
    const UploadOutcome outcome = UploadTransfer(line).Run(progs, QStringLiteral("COM2"));
    ASSERT_EQ(outcome.Result, Kind::Success);

    std::vector<std::string> expected = {
        "open " + PortNames::DeviceName(QStringLiteral("COM2")).toStdString(),
        "line",
        "timeout 30", // the handshake's read time-out
        "clear",      // nothing stale may pass for the ready byte
        "write fc",
        "timeout 6", // the sending's pace
    };
    char text[16];
    for (std::uint8_t byte : image) {
        std::snprintf(text, sizeof text, "write %02x", byte);
        expected.push_back(text);
    }
    expected.push_back("timeout 60"); // the read-back's
    expected.push_back("close");
    EXPECT_EQ(Without(line.Calls, {"read", "waiting"}), expected);
}

TEST(UploadTransferScript, everyByteSentIsFollowedByOneRead) {
    ScriptedLine line;
    line.Controller = Controller(Exact());
    ASSERT_EQ(UploadTransfer(line).Run(SamplePrograms(), QStringLiteral("x")).Result,
              Kind::Success);
    const auto first = std::find(line.Calls.begin(), line.Calls.end(), "timeout 6");
    const auto last = std::find(line.Calls.begin(), line.Calls.end(), "timeout 60");
    ASSERT_LT(first, last);
    for (auto call = first + 1; call != last; call += 2) {
        EXPECT_EQ(call->substr(0, 6), "write ");
        EXPECT_EQ(*(call + 1), "read");
    }
}

TEST(UploadTransferScript, failedOpenNeitherSendsNorCloses) {
    ScriptedLine line;
    line.OpenSucceeds = false;
    const UploadOutcome outcome =
        UploadTransfer(line).Run(SamplePrograms(), QStringLiteral("COM1"));
    EXPECT_EQ(outcome.Result, Kind::PortNotOpened);
    EXPECT_EQ(line.Calls.size(), 1u); // the open alone
}

TEST(UploadTransferScript, emptyReadThatScribblesIsNotAnAnswer) {
    ScriptedLine line;
    line.ScribbleOnEmptyRead = true; // writes 0xFB into the buffer but delivers nothing
    const UploadOutcome outcome =
        UploadTransfer(line).Run(SamplePrograms(), QStringLiteral("COM1"));
    EXPECT_EQ(outcome.Result, Kind::NoAnswer);
    EXPECT_EQ(outcome.Attempts, 30);
    // ten reads in every attempt: none of them delivered the ready byte
    EXPECT_EQ(std::count(line.Calls.begin(), line.Calls.end(), "read"), 300);
    EXPECT_EQ(line.Calls.back(), "close");
}

TEST(UploadTransferScript, handshakeStopsReadingAtTheReadyByte) {
    ScriptedLine line;
    line.Controller = [](ScriptedLine& l, std::uint8_t byte) {
        if (byte == UploadTransfer::Request) {
            l.Queue(0x01);
            l.Queue(UploadTransfer::Ready);
            l.Queue(0x02); // must stay for the sending phase to eat
        }
    };
    UploadTransfer(line).Run(SamplePrograms(), QStringLiteral("COM1"));
    const auto sending = std::find(line.Calls.begin(), line.Calls.end(), "timeout 6");
    EXPECT_EQ(std::count(line.Calls.begin(), sending, "read"), 2);
}

TEST(UploadTransferScript, brokenLineAfterPartOfTheCopyIsNotSuccess) {
    // The image ends in two zero bytes; a line that breaks just before them must not pass for a
    // complete copy because the bytes that never came count as zero.
    TDuvProgs progs = SamplePrograms();
    progs.Prog(TDuvProgs::Emergency13).ZoneStop = TMyTime(0);
    ScriptedLine line;
    line.Controller = Controller([](ScriptedLine& l, const std::vector<std::uint8_t>& image) {
        for (int i = 0; i < 330; ++i)
            l.Queue(image[i]);
        l.QueueFailure();
    });
    const UploadOutcome outcome = UploadTransfer(line).Run(progs, QStringLiteral("COM1"));
    ASSERT_EQ(outcome.Sent[330], 0);
    ASSERT_EQ(outcome.Sent[331], 0);
    EXPECT_EQ(outcome.Result, Kind::Mismatch);
    EXPECT_EQ(outcome.Position, 330);
}

TEST(UploadTransferScript, brokenLineEndsTheReadBackLikeAComparison) {
    ScriptedLine line;
    line.Controller = Controller([](ScriptedLine& l, const std::vector<std::uint8_t>& image) {
        for (int i = 0; i < 50; ++i)
            l.Queue(i == 20 ? static_cast<std::uint8_t>(image[i] + 1) : image[i]);
        l.QueueFailure();
    });
    const UploadOutcome outcome = UploadTransfer(line).Run(SamplePrograms(), QStringLiteral("x"));
    EXPECT_EQ(outcome.Result, Kind::Mismatch); // not a short read-back: the line failed
    EXPECT_EQ(outcome.Position, 20);
}

TEST(UploadTransferScript, lineClaimingBytesThatNeverComeIsLeftBehind) {
    ScriptedLine line;
    line.Controller = Controller([](ScriptedLine& l, const std::vector<std::uint8_t>&) {
        l.WaitingReport = 1; // says a byte waits, then delivers nothing, for ever
    });
    const UploadOutcome outcome = UploadTransfer(line).Run(SamplePrograms(), QStringLiteral("x"));
    EXPECT_EQ(outcome.Result, Kind::ShortReadBack);
    EXPECT_EQ(outcome.Position, 0);
    const auto readBack = std::find(line.Calls.begin(), line.Calls.end(), "timeout 60");
    EXPECT_EQ(std::count(readBack, line.Calls.end(), "read"), UploadTransfer::MaxReadBackReads);
}

TEST(UploadTransferScript, completeCopyFollowedByAnEmptyReadIsStillJudged) {
    // After the whole copy the line says more is waiting, then delivers nothing: the copy is
    // complete, so it is compared rather than reported as stopping short at its end.
    ScriptedLine line;
    line.Controller = Controller([](ScriptedLine& l, const std::vector<std::uint8_t>& image) {
        for (std::uint8_t byte : image)
            l.Queue(byte);
        l.WaitingReport = 1;
    });
    const UploadOutcome outcome = UploadTransfer(line).Run(SamplePrograms(), QStringLiteral("x"));
    EXPECT_EQ(outcome.Result, Kind::Success);
    EXPECT_EQ(outcome.Position, SendArray::ByteCount);
}

TEST(UploadTransferScript, progressIsReportedPerPhase) {
    ScriptedLine line;
    line.Controller = Controller([](ScriptedLine& l, const std::vector<std::uint8_t>& image) {
        for (int i = 0; i < 3; ++i)
            l.Queue(image[i]);
    });
    std::vector<std::string> events;
    UploadTransfer transfer(
        line, {[&](int maximum) { events.push_back("max " + std::to_string(maximum)); },
               [&](int position) { events.push_back(std::to_string(position)); }});
    transfer.Run(SamplePrograms(), QStringLiteral("x"));
    ASSERT_EQ(events.size(), 1u + 1u + 1u + 332u + 1u + 3u);
    EXPECT_EQ(events[0], "max 30");
    EXPECT_EQ(events[1], "1");
    EXPECT_EQ(events[2], "max 332");
    EXPECT_EQ(events[3], "1");
    EXPECT_EQ(events[334], "332");
    const std::vector<std::string> readBack(events.begin() + 335, events.end());
    EXPECT_EQ(readBack, (std::vector<std::string>{"0", "1", "2", "3"}));
}
