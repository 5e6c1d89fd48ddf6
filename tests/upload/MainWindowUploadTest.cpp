// The upload as the workstation offers it: the main window's "Отправить", its upload dialog on the
// main window's document and port name, the settings file that keeps that name between runs.
#include "ControllerSimulator.h"
#include "DocumentFile.h"
#include "Messages.h"
#include "SendArrayListing.h"
#include "Settings.h"
#include "TMainForm.h"
#include "TSendForm.h"
#include "TVarForm.h"
#include "UploadTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Types as a keyboard would, letters beyond ASCII included.
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A main window in a working folder of its own, where its settings file lives, with a 12-channel
// document whose zones are all defined (so "Отправить" asks nothing) opened.
class MainWindowUpload : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Messages::SetResponder([this](const Messages::Shown& message) {
            shown.push_back(message);
            return Messages::Answer::Ok;
        });

        document = dir.filePath(QStringLiteral("пресс 12.dv3"));
        TDuvDocument doc;
        doc.Progs = SamplePrograms();
        doc.Progs.Prog(TDuvProgs::Main).Defined = 1;
        ASSERT_FALSE(DocumentFile::Write(document, doc).has_value());
    }

    void TearDown() override {
        main.reset();
        Messages::SetResponder({});
        QDir::setCurrent(previousDir);
    }

    // Starts the workstation as a user does and opens the document.
    TMainForm& Start() {
        main = std::make_unique<TMainForm>();
        main->SendForm->TransferTiming = TolerantTiming();
        main->AskOpenFileName = [this] {
            ++openAsked;
            return document;
        };
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        main->FileOpen1->trigger();
        EXPECT_TRUE(main->Send1->isEnabled());
        return *main;
    }

    // Ends the run the way "Выход" does; the settings file is written then.
    void Exit() {
        main->FileExit1->trigger();
        EXPECT_FALSE(main->isVisible());
        main.reset();
    }

    QString ServeController(const ControllerSimulator::Options& options = {}) {
        controller = std::make_unique<ControllerSimulator>(options);
        EXPECT_TRUE(controller->Start());
        return QString::fromStdString(controller->SlavePath());
    }

    static void TypePort(TSendForm& form, const QString& port) {
        form.ComboBox1->lineEdit()->clear();
        TypeText(form.ComboBox1->lineEdit(), port);
    }

    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/загрузка рабочая папка XXXXXX")};
    QString previousDir;
    QString document;
    std::unique_ptr<TMainForm> main;
    std::unique_ptr<ControllerSimulator> controller;
    std::vector<Messages::Shown> shown;
    int openAsked = 0;
};

} // namespace

TEST_F(MainWindowUpload, typedPortIsOfferedAgainAndKeptInTheSettingsFileForTheNextRun) {
    const QString port = ServeController();
    {
        TMainForm& first = Start();
        EXPECT_TRUE(first.PortName.isEmpty()); // no settings file yet
        first.Send1->trigger();
        TSendForm& form = *first.SendForm;
        ASSERT_TRUE(form.isVisible());
        TypePort(form, port);
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].Text, QStringLiteral("Передача данных прошла успешно"));
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(first.PortName, port);

        // The next opening in the same run shows it again.
        form.ComboBox1->setEditText(QStringLiteral("COM4"));
        first.Send1->trigger();
        ASSERT_TRUE(form.isVisible());
        EXPECT_EQ(form.ComboBox1->currentText(), port);
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
        Exit();
    }
    EXPECT_EQ(Settings::ReadPortName(dir.filePath(QString::fromLatin1(Settings::FileName))), port);

    // The next run starts from the settings file, and the name still reaches the controller.
    TMainForm& second = Start();
    EXPECT_EQ(second.PortName, port);
    second.Send1->trigger();
    ASSERT_TRUE(second.SendForm->isVisible());
    EXPECT_EQ(second.SendForm->ComboBox1->currentText(), port);
    shown.clear();
    QTest::mouseClick(second.SendForm->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Caption, QStringLiteral("Сообщение"));
    EXPECT_EQ(controller->CopiesSent(), 2);
}

TEST_F(MainWindowUpload, portTypedWithoutATransferIsKeptToo) {
    TMainForm& main = Start();
    main.Send1->trigger();
    TypePort(*main.SendForm, QStringLiteral("/dev/ttyUSB3"));
    QTest::mouseClick(main.SendForm->BitBtn2, Qt::LeftButton);
    EXPECT_TRUE(shown.empty());
    Exit();
    EXPECT_EQ(Settings::ReadPortName(dir.filePath(QString::fromLatin1(Settings::FileName))),
              QStringLiteral("/dev/ttyUSB3"));
}

TEST_F(MainWindowUpload, controllerGetsTheOpenDocumentAndADifferingCopyOpensTheViewer) {
    ControllerSimulator::Options options;
    options.ChangedByte = 331;
    const QString port = ServeController(options);
    TMainForm& main = Start();
    main.Send1->trigger();
    TypePort(*main.SendForm, port);
    QTest::mouseClick(main.SendForm->BitBtn1, Qt::LeftButton);

    const SendArray::Bytes image = SendArray::ToWire(SendArray::Build(main.Progs));
    EXPECT_EQ(controller->Received(), std::vector<std::uint8_t>(image.begin(), image.end()));
    EXPECT_TRUE(shown.empty());
    // The workstation's one viewer lists what came back, from the main window's send array.
    SendArray::Bytes received = image;
    received[331] = static_cast<std::uint8_t>(~received[331]);
    EXPECT_EQ(main.SendArray, SendArray::FromWire(received));
    ASSERT_TRUE(main.VarForm->isVisible());
    EXPECT_EQ(main.VarForm->windowTitle(),
              QStringLiteral("Принятый массив отличается от переданного в 331 байте из 332"));
    QStringList listing;
    for (const std::string& line : SendArrayListing(main.SendArray))
        listing << QString::fromStdString(line);
    EXPECT_EQ(main.VarForm->Memo->toPlainText(), listing.join(QLatin1Char('\n')));

    // "Переменные" afterwards shows the document's own array again.
    main.VarForm->close();
    main.Vars1->trigger();
    EXPECT_EQ(main.SendArray, SendArray::Build(main.Progs));
}

TEST_F(MainWindowUpload, nothingElseStartsWhileTheTransferRuns) {
    const QString port = ServeController();
    TMainForm& main = Start();
    ASSERT_EQ(openAsked, 1);
    main.Send1->trigger();
    TypePort(*main.SendForm, port);
    bool tried = false;
    QTimer::singleShot(20, &main, [&] {
        ASSERT_TRUE(main.SendForm->Transferring());
        // "Открыть" from the tool bar or by its keys, and leaving the workstation, are all
        // held back.
        QWidget* openButton = main.ToolBar1->widgetForAction(main.FileOpen1);
        ASSERT_NE(openButton, nullptr);
        QTest::mouseClick(openButton, Qt::LeftButton);
        main.activateWindow();
        QTest::keyClick(&main, Qt::Key_O, Qt::ControlModifier);
        main.close();
        tried = true;
    });
    QTest::mouseClick(main.SendForm->BitBtn1, Qt::LeftButton);
    EXPECT_TRUE(tried);
    EXPECT_EQ(openAsked, 1);
    EXPECT_TRUE(main.isVisible());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text, QStringLiteral("Передача данных прошла успешно"));

    // Afterwards the same keys work again.
    QTest::keyClick(&main, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(openAsked, 2);
}
