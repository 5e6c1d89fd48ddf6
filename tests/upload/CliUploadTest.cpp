// duvt-cli upload run as the user runs it, a separate process, against the simulated controller.
#include "ControllerSimulator.h"
#include "DocumentFile.h"
#include "ProcessRun.h"
#include "SendArrayListing.h"
#include "UploadTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {


class CliUploadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        document = dir.filePath(QStringLiteral("пресс 12.dv3"));
        TDuvDocument doc;
        doc.Progs = progs;
        ASSERT_FALSE(DocumentFile::Write(document, doc).has_value());
    }

    // A controller that does not echo: the sending is paced by the 6 ms time-out alone, so a
    // busy machine cannot shift the bytes the way a late echo would.
    QString ServeController(ControllerSimulator::Options options) {
        options.Echo = false;
        controller = std::make_unique<ControllerSimulator>(options);
        EXPECT_TRUE(controller->Start());
        return QString::fromStdString(controller->SlavePath());
    }

    static CliRun Run(const QStringList& args) { return RunCli(args); }

    const TDuvProgs progs = SamplePrograms();
    const SendArray::Bytes image = SendArray::ToWire(SendArray::Build(progs));
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/загрузка cli-XXXXXX")};
    QString document;
    std::unique_ptr<ControllerSimulator> controller;
};

QString Listing(const SendArray::Words& words) {
    return SendArrayListingText(words);
}

} // namespace

TEST_F(CliUploadTest, uploadsTheDocumentsImage) {
    const QString port = ServeController({});
    const CliRun run = Run({QStringLiteral("upload"), document, QStringLiteral("-p"), port});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QStringLiteral("Передача данных прошла успешно\n"));
    EXPECT_EQ(run.Err,
              QStringLiteral("Связь с прибором...\nПередача 332 байт...\nПриём копии...\n"));
    EXPECT_EQ(controller->Received(), std::vector<std::uint8_t>(image.begin(), image.end()));
}

TEST_F(CliUploadTest, differingCopyIsListed) {
    ControllerSimulator::Options options;
    options.ChangedByte = 331;
    const QString port = ServeController(options);
    const CliRun run = Run({QStringLiteral("upload"), document, QStringLiteral("--port"), port});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.endsWith(QStringLiteral("duvt-cli: Принятый массив отличается от "
                                                "переданного в 331 байте из 332\n")))
        << run.Err.toStdString();
    SendArray::Bytes received = image;
    received[331] = static_cast<std::uint8_t>(~received[331]);
    EXPECT_EQ(run.Out, Listing(SendArray::FromWire(received)));
}

struct CliOutcome {
    const char* name;
    ControllerSimulator::Options options;
    const char* err; // all of standard error: progress, then the outcome
    int listed;      // bytes of the image in the listed copy; -1: nothing listed
    int changed;     // byte of the listed copy inverted; -1: none
};

void PrintTo(const CliOutcome& c, std::ostream* os) {
    *os << c.name;
}

ControllerSimulator::Options With(void (*change)(ControllerSimulator::Options&)) {
    ControllerSimulator::Options options;
    change(options);
    return options;
}

class CliUploadOutcome : public CliUploadTest, public ::testing::WithParamInterface<CliOutcome> {};

// Every outcome says what happened on standard error after the phases it reached; a copy that is
// not the image is listed on standard output, bytes that never came as zeros.
TEST_P(CliUploadOutcome, isReportedWithTheCopyListed) {
    const CliOutcome& c = GetParam();
    const QString port = ServeController(c.options);
    const CliRun run = Run({QStringLiteral("upload"), document, QStringLiteral("-p"), port});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Err, QString::fromUtf8(c.err));
    if (c.listed < 0) {
        EXPECT_TRUE(run.Out.isEmpty()) << run.Out.toStdString();
        return;
    }
    SendArray::Bytes copy{};
    for (int i = 0; i < c.listed; ++i)
        copy[i] = i == c.changed ? static_cast<std::uint8_t>(~image[i]) : image[i];
    EXPECT_EQ(run.Out, Listing(SendArray::FromWire(copy)));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CliUploadOutcome,
    ::testing::Values(
        // the controller never answers: nothing of the image goes out
        CliOutcome{"silent", With([](auto& o) { o.Silent = true; }),
                   "Связь с прибором...\nduvt-cli: Нет связи с прибором\n", -1, -1},
        // nothing comes back: every word of the listing is zero
        CliOutcome{"nothingBack", With([](auto& o) { o.ReturnCount = 0; }),
                   "Связь с прибором...\nПередача 332 байт...\nПриём копии...\nduvt-cli: "
                   "Принятые данные отличаются от переданных в 0 байте из 332\n",
                   0, -1},
        // the copy stops after 100 bytes
        CliOutcome{"shortCopy", With([](auto& o) { o.ReturnCount = 100; }),
                   "Связь с прибором...\nПередача 332 байт...\nПриём копии...\nduvt-cli: "
                   "Принятые данные отличаются от переданных в 100 байте из 332\n",
                   100, -1},
        // the first byte differs
        CliOutcome{"firstByte", With([](auto& o) { o.ChangedByte = 0; }),
                   "Связь с прибором...\nПередача 332 байт...\nПриём копии...\nduvt-cli: "
                   "Принятый массив отличается от переданного в 0 байте из 332\n",
                   332, 0},
        // the line is cut halfway through the image: no copy, and never a success
        CliOutcome{"hangUp", With([](auto& o) { o.HangUpAfter = 166; }),
                   "Связь с прибором...\nПередача 332 байт...\nПриём копии...\nduvt-cli: "
                   "Принятый массив отличается от переданного в 0 байте из 332\n",
                   0, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliUploadTest, portThatCannotBeOpenedIsReported) {
    const CliRun run = Run({QStringLiteral("upload"), document, QStringLiteral("-p"),
                            dir.filePath(QStringLiteral("нет порта"))});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Err,
              QStringLiteral("duvt-cli: Выбранный порт не существует или не может быть открыт\n"));
    EXPECT_TRUE(run.Out.isEmpty());
}

TEST_F(CliUploadTest, portIsRequired) {
    const CliRun run = Run({QStringLiteral("upload"), document});
    EXPECT_EQ(run.Exit, 2);
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_FALSE(run.Err.isEmpty());
}

class CliUploadZoneTest : public CliUploadTest, public ::testing::WithParamInterface<bool> {};

// A 12-channel document without the zone of emergency program 1.2 stops before the port is
// touched; --force sends it all the same.
TEST_P(CliUploadZoneTest, undefinedZoneStopsUnlessForced) {
    const bool forced = GetParam();
    TDuvDocument doc;
    doc.Progs = progs;
    doc.Progs.Prog(3).ZoneStart = TMyTime::TimeUndefined;
    doc.Progs.Prog(3).ZoneStop = TMyTime::TimeUndefined;
    ASSERT_FALSE(DocumentFile::Write(document, doc).has_value());
    const QString port = ServeController({});
    QStringList args{QStringLiteral("upload"), document, QStringLiteral("-p"), port};
    if (forced)
        args << QStringLiteral("--force");
    const CliRun run = Run(args);
    if (forced) {
        EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
        EXPECT_EQ(controller->Received().size(), std::size_t{332});
    } else {
        EXPECT_EQ(run.Exit, 1);
        EXPECT_TRUE(run.Err.startsWith(
            QStringLiteral("duvt-cli: Не определены аварии для зон: 2. Продолжить?\n")))
            << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains(QStringLiteral("--force")));
        EXPECT_TRUE(run.Out.isEmpty());
        EXPECT_EQ(controller->Requests(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Force, CliUploadZoneTest, ::testing::Bool());

// The 4-channel model has no emergency zones to warn about.
TEST_F(CliUploadTest, fourChannelDocumentNeedsNoZones) {
    TDuvDocument doc;
    doc.ChannelCount = 4;
    doc.Progs = progs;
    for (int slot = 2; slot <= 4; ++slot) {
        doc.Progs.Prog(slot).ZoneStart = TMyTime::TimeUndefined;
        doc.Progs.Prog(slot).ZoneStop = TMyTime::TimeUndefined;
    }
    ASSERT_FALSE(DocumentFile::Write(document, doc).has_value());
    const QString port = ServeController({});
    const CliRun run = Run({QStringLiteral("upload"), document, QStringLiteral("-p"), port});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
}
