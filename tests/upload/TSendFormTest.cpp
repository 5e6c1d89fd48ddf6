#include "TSendForm.h"
#include "ControllerSimulator.h"
#include "Messages.h"
#include "SendArrayListing.h"
#include "TVarForm.h"
#include "UploadTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Answer = Messages::Answer;
using Buttons = Messages::Buttons;

// Types as a keyboard would, letters beyond ASCII included.
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class SendFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.TransferTiming = TolerantTiming();
        Messages::SetResponder([this](const Messages::Shown& shown) {
            this->shown.push_back(shown);
            return answer;
        });
    }
    void TearDown() override { Messages::SetResponder({}); }

    // A controller on a fresh pseudo-terminal, its path typed into the dialog's port box.
    void ServeController(const ControllerSimulator::Options& options) {
        controller = std::make_unique<ControllerSimulator>(options);
        ASSERT_TRUE(controller->Start());
        portName = QString::fromStdString(controller->SlavePath());
    }

    void OpenDialog() {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    const TDuvProgs progs = SamplePrograms();
    const SendArray::Words built = SendArray::Build(progs);
    SendArray::Words sendArray{};
    QString portName = QStringLiteral("COM2");
    TVarForm viewer;
    TSendForm form{progs, sendArray, portName, viewer};
    std::unique_ptr<ControllerSimulator> controller;
    std::vector<Messages::Shown> shown;
    Answer answer = Answer::Ok;
};

} // namespace

TEST_F(SendFormTest, looksAsDesigned) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Загрузка данных в КРЖ"));
    EXPECT_EQ(form.size(), QSize(284, 195));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowContextHelpButtonHint);
    const std::pair<const char*, const char*> labels[] = {
        {"Label2", "1. Проверьте соединение с прибором"},
        {"Label3", "2. Переведите КРЖ в режим программирования,"},
        {"Label5", "нажмите кнопку \"СТАРТ\""},
        {"Label1", "3. Выберите последовательный порт"},
        {"Label4", "4. Нажмите кнопку Загрузить"},
    };
    for (const auto& [name, text] : labels) {
        auto* label = form.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), QString::fromUtf8(text));
        // Seen whole, inside the window.
        EXPECT_LE(label->sizeHint().width(), label->width()) << name;
        EXPECT_LE(label->geometry().right(), form.width()) << name;
    }
    EXPECT_GT(form.Label5->x(), form.Label3->x()); // indented under its first line

    auto* combo = form.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    ASSERT_GE(combo->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(combo->itemText(i), QStringLiteral("COM%1").arg(i + 1));
    EXPECT_EQ(combo->currentText(), QStringLiteral("COM1")); // until first shown
    EXPECT_EQ(combo->width(), 65);

    auto* bar = form.findChild<QProgressBar*>(QStringLiteral("p_bar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->size(), QSize(193, 8));
    EXPECT_GE(bar->x(), combo->x() + combo->width()); // right of the port box
    EXPECT_EQ(bar->value(), 0);

    auto* load = form.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    auto* close = form.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    ASSERT_NE(load, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(load->text(), QStringLiteral("Загрузить"));
    EXPECT_TRUE(load->isDefault());
    EXPECT_EQ(close->text(), QStringLiteral("Закрыть"));
    EXPECT_FALSE(load->icon().isNull());
    EXPECT_FALSE(close->icon().isNull());
}

TEST_F(SendFormTest, showingTakesThePortNameAndFocusesLoad) {
    portName = QStringLiteral("COM3");
    OpenDialog();
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("COM3"));
    EXPECT_TRUE(form.BitBtn1->hasFocus());
}

TEST_F(SendFormTest, closeBeforeAnyTransferJustCloses) {
    OpenDialog();
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(portName, QStringLiteral("COM2"));
    EXPECT_EQ(sendArray, SendArray::Words{}); // nothing built, nothing sent
}

class ClosingWays : public SendFormTest, public ::testing::WithParamInterface<int> {};

TEST_P(ClosingWays, typedPortIsRememberedForTheNextOpening) {
    OpenDialog();
    form.ComboBox1->lineEdit()->clear();
    TypeText(form.ComboBox1->lineEdit(), QStringLiteral("/tmp/мой порт 7"));
    form.p_bar->setValue(5);
    switch (GetParam()) {
    case 0:
        QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(&form, Qt::Key_Escape);
        break;
    default:
        form.close();
        break;
    }
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(portName, QStringLiteral("/tmp/мой порт 7"));
    EXPECT_EQ(form.p_bar->value(), 0);

    form.ComboBox1->setEditText(QStringLiteral("COM4")); // whatever happened meanwhile
    OpenDialog();
    EXPECT_EQ(form.ComboBox1->currentText(), QStringLiteral("/tmp/мой порт 7"));
}

INSTANTIATE_TEST_SUITE_P(Dialog, ClosingWays,
                         ::testing::Values(0,  // "Закрыть"
                                           1,  // Esc
                                           2), // the window system's close
                         [](const auto& info) {
                             return std::string(info.param == 0   ? "closeButton"
                                                : info.param == 1 ? "escape"
                                                                  : "windowClose");
                         });

TEST_F(SendFormTest, fullTransferReportsSuccess) {
    ServeController({});
    OpenDialog();
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text, QStringLiteral("Передача данных прошла успешно"));
    EXPECT_EQ(shown[0].Caption, QStringLiteral("Сообщение"));
    EXPECT_EQ(shown[0].Kind, Buttons::Ok);
    const SendArray::Bytes image = SendArray::ToWire(built);
    EXPECT_EQ(controller->Received(), std::vector<std::uint8_t>(image.begin(), image.end()));
    EXPECT_EQ(sendArray, built);
    EXPECT_EQ(form.p_bar->value(), 0);
    EXPECT_TRUE(form.isVisible()); // stays open for another transfer
    EXPECT_TRUE(form.BitBtn1->isEnabled());
    EXPECT_TRUE(form.BitBtn2->isEnabled());
    EXPECT_FALSE(viewer.isVisible());
}

TEST_F(SendFormTest, userCannotInterruptATransfer) {
    ServeController({});
    OpenDialog();
    bool checked = false;
    QTimer::singleShot(20, &form, [&] {
        // the handshake is under way: the window is painted, its buttons are off
        EXPECT_TRUE(form.Transferring());
        EXPECT_FALSE(form.BitBtn1->isEnabled());
        EXPECT_FALSE(form.BitBtn2->isEnabled());
        EXPECT_FALSE(form.ComboBox1->isEnabled());
        EXPECT_EQ(form.p_bar->maximum(), 30);
        QTest::keyClick(&form, Qt::Key_Escape);
        form.close();
        checked = true;
    });
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text, QStringLiteral("Передача данных прошла успешно"));
}

struct DialogOutcome {
    int returned;              // bytes of the copy the controller sends back
    int changed;               // byte of the copy inverted, -1 none
    Answer answer;             // to the question, if one is asked
    const char* question;      // nullptr: no message box
    const char* viewerCaption; // nullptr: the viewer stays closed
};

void PrintTo(const DialogOutcome& c, std::ostream* os) {
    *os << "returned " << c.returned << ", changed " << c.changed;
}

class DialogOutcomes : public SendFormTest, public ::testing::WithParamInterface<DialogOutcome> {};

TEST_P(DialogOutcomes, receivedImageIsShownWhenItDiffers) {
    const DialogOutcome& c = GetParam();
    ControllerSimulator::Options options;
    options.ReturnCount = c.returned;
    options.ChangedByte = c.changed;
    ServeController(options);
    answer = c.answer;
    OpenDialog();
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);

    if (c.question) {
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].Text, QString::fromUtf8(c.question));
        EXPECT_EQ(shown[0].Caption, QStringLiteral("Ошибка загрузки данных"));
        EXPECT_EQ(shown[0].Kind, Buttons::YesNo);
    } else {
        EXPECT_TRUE(shown.empty());
    }
    EXPECT_EQ(viewer.isVisible(), c.viewerCaption != nullptr);
    if (!c.viewerCaption) {
        EXPECT_EQ(sendArray, built);
        return;
    }
    EXPECT_EQ(viewer.windowTitle(), QString::fromUtf8(c.viewerCaption));
    SendArray::Bytes received{};
    const SendArray::Bytes image = SendArray::ToWire(built);
    for (int i = 0; i < c.returned; ++i)
        received[i] = i == c.changed ? static_cast<std::uint8_t>(~image[i]) : image[i];
    EXPECT_EQ(sendArray, SendArray::FromWire(received)); // host order, as the viewer lists it
    // The viewer lists the copy; bytes that never came read as zeros.
    QStringList listing;
    for (const std::string& line : SendArrayListing(SendArray::FromWire(received)))
        listing << QString::fromStdString(line);
    EXPECT_EQ(viewer.Memo->toPlainText(), listing.join(QLatin1Char('\n')));
    if (c.returned == 0)
        EXPECT_EQ(listing.value(1), QStringLiteral("0000 0000  ").repeated(8));
    EXPECT_EQ(form.p_bar->value(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, DialogOutcomes,
    ::testing::Values(
        // only the last byte differs: no question, the viewer names it
        DialogOutcome{332, 331, Answer::Ok, nullptr,
                      "Принятый массив отличается от переданного в 331 байте из 332"},
        // nothing comes back; Yes shows 166 zero words
        DialogOutcome{0, -1, Answer::Yes,
                      "Принятые данные отличаются от переданных в 0 байте из 332. Хотите "
                      "просмотреть принятые данные?",
                      "Принятые данные отличаются от переданных в 0 байте из 332"},
        // a short copy, looked at
        DialogOutcome{120, -1, Answer::Yes,
                      "Принятые данные отличаются от переданных в 120 байте из 332. Хотите "
                      "просмотреть принятые данные?",
                      "Принятые данные отличаются от переданных в 120 байте из 332"},
        // a short copy, not looked at
        DialogOutcome{120, -1, Answer::No,
                      "Принятые данные отличаются от переданных в 120 байте из 332. Хотите "
                      "просмотреть принятые данные?",
                      nullptr}),
    [](const auto& info) {
        const DialogOutcome& c = info.param;
        return "returned" + std::to_string(c.returned) + "_changed" +
               (c.changed < 0 ? std::string("None") : std::to_string(c.changed)) +
               (c.answer == Answer::Yes  ? "_yes"
                : c.answer == Answer::No ? "_no"
                                         : "");
    });

TEST_F(SendFormTest, portThatCannotBeOpenedIsReported) {
    portName = QStringLiteral("/nonexistent/нет порта");
    OpenDialog();
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text,
              QStringLiteral("Выбранный порт не существует или не может быть открыт"));
    EXPECT_EQ(shown[0].Caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(shown[0].Kind, Buttons::Ok);
    EXPECT_EQ(sendArray, built); // rebuilt all the same
}

TEST_F(SendFormTest, enterAfterTypingThePortStartsTheTransfer) {
    ServeController({});
    const QString port = portName;
    portName = QStringLiteral("COM1");
    OpenDialog();
    form.ComboBox1->lineEdit()->setFocus();
    form.ComboBox1->lineEdit()->clear();
    TypeText(form.ComboBox1->lineEdit(), port);
    QTest::keyClick(form.ComboBox1->lineEdit(), Qt::Key_Return);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text, QStringLiteral("Передача данных прошла успешно"));
    EXPECT_EQ(form.ComboBox1->currentText(), port);
    EXPECT_EQ(form.ComboBox1->findText(port), -1); // used, not collected into the list
}

TEST_F(SendFormTest, enterStartsTheTransfer) {
    ServeController({});
    OpenDialog();
    QTest::keyClick(&form, Qt::Key_Return);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Caption, QStringLiteral("Сообщение"));
}
