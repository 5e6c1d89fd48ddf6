#include "DialogTestSupport.h"
#include "TEditOpForm.h"

#include "Cp1251Literal.h"
#include "TDuvProgs.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace {
QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A document with a main program of two operations (channels 3 and 5) and a preheating program
// of one (channel 2), edited from the program windows.
class EditOpDialog : public ::testing::Test {
  protected:
    EditOpDialog() {
        TDuvProg& main = progs.Prog(TDuvProgs::Main);
        main.Defined = 1;
        main.Ops[0].Channel = 3;
        main.Ops[0].Name = Cp1251Literal("Нагрев");
        main.Ops[0].SetOnTime(TMyTime(181));
        main.Ops[0].OffTime = TMyTime(241);
        main.Ops[1].Channel = 5;
        main.Ops[1].SetOnTime(TMyTime(0));
        main.Ops[1].OffTime = TMyTime(60);
        TDuvProg& preheat = progs.Prog(TDuvProgs::Preheat);
        preheat.Defined = 1;
        preheat.Ops[0].Channel = 2;
        preheat.Ops[0].OnTime = TMyTime(TMyTime::StateOn);
        preheat.Ops[0].OffTime = TMyTime(TMyTime::StateOff);
    }

    // The first row of the main program, as its window shows it.
    void OpenFirstMainRow() {
        form.Fill(U("Нагрев"), U("3"), U("1:30,5"), U("0:30,0"), progs.Prog(0).Ops[0],
                  TDuvProgs::Main);
        ASSERT_TRUE(ShowActive(form));
    }

    // The empty last row of a program: no name, no channel, an empty slot.
    void OpenNewRow(int progIndex) {
        form.Fill(QString(), QString(), QString(), QString(), TDuvRec(), progIndex);
        ASSERT_TRUE(ShowActive(form));
    }

    void ClickOk() { QTest::mouseClick(form.BitBtn1, Qt::LeftButton); }

    TDuvProgs progs;
    int channelCount = 12;
    MessageRecorder messages;
    TEditOpForm form{progs, channelCount};
    QSignalSpy resultReady{&form, &TEditOpForm::ResultReady};
};
} // namespace

TEST_F(EditOpDialog, hasTheFormLayout) {
    EXPECT_EQ(form.windowTitle(), U("Введите параметры операции"));
    EXPECT_EQ(form.size(), QSize(360, 160));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(form.isModal());
    EXPECT_EQ(form.OpName->geometry(), QRect(144, 8, 209, 21));
    EXPECT_EQ(form.ChanNo->geometry(), QRect(144, 32, 209, 21));
    EXPECT_EQ(form.OnMin->geometry(), QRect(144, 56, 65, 21));
    EXPECT_EQ(form.OnSec->geometry(), QRect(216, 56, 65, 21));
    EXPECT_EQ(form.OnMillSec->geometry(), QRect(288, 56, 65, 21));
    EXPECT_EQ(form.LengthMin->geometry(), QRect(144, 80, 65, 21));
    EXPECT_EQ(form.LengthSec->geometry(), QRect(216, 80, 65, 21));
    EXPECT_EQ(form.LengthMillSec->geometry(), QRect(288, 80, 65, 21));
    EXPECT_EQ(form.ComboBox1->geometry(), form.OnMin->geometry());
    EXPECT_EQ(form.ComboBox2->geometry(), form.LengthMin->geometry());
    EXPECT_EQ(form.BitBtn1->geometry(), QRect(104, 128, 75, 25));
    EXPECT_EQ(form.BitBtn2->geometry(), QRect(184, 128, 75, 25));
    EXPECT_EQ(form.Label1->pos(), QPoint(8, 8));
    EXPECT_EQ(form.Label2->pos(), QPoint(8, 32));
    EXPECT_EQ(form.Label3->pos(), QPoint(8, 56));
    EXPECT_EQ(form.Label4->pos(), QPoint(8, 80));
    EXPECT_EQ(form.Label5->pos(), QPoint(168, 104));
    EXPECT_EQ(form.Label6->pos(), QPoint(240, 104));
    EXPECT_EQ(form.Label7->pos(), QPoint(304, 104));
    EXPECT_EQ(form.Label1->text(), U("Операция"));
    EXPECT_EQ(form.Label2->text(), U("Номер канала"));
    EXPECT_EQ(form.BitBtn1->text(), U("OK"));
    EXPECT_EQ(form.BitBtn2->text(), U("Отмена"));
    EXPECT_TRUE(form.BitBtn1->isDefault());
    EXPECT_EQ(form.ComboBox1->currentText(), U("Выкл."));
    ASSERT_EQ(form.ComboBox1->count(), 2);
    EXPECT_EQ(form.ComboBox1->itemText(0), U("Выкл."));
    EXPECT_EQ(form.ComboBox1->itemText(1), U("Вкл."));
    EXPECT_TRUE(form.Applied);
    // Found by the names the program window and the tests use.
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("OpName")), form.OpName);
    EXPECT_EQ(form.findChild<QComboBox*>(QStringLiteral("ComboBox2")), form.ComboBox2);
}

TEST_F(EditOpDialog, timeModeIsFilledFromTheRowAndItsSlot) {
    OpenFirstMainRow();
    EXPECT_EQ(form.OpName->text(), U("Нагрев"));
    EXPECT_EQ(form.ChanNo->text(), U("3"));
    EXPECT_EQ(form.OnMin->text(), U("1"));
    EXPECT_EQ(form.OnSec->text(), U("30"));
    EXPECT_EQ(form.OnMillSec->text(), U("5"));
    EXPECT_EQ(form.LengthMin->text(), U("0"));
    EXPECT_EQ(form.LengthSec->text(), U("30"));
    EXPECT_EQ(form.LengthMillSec->text(), U("0"));
    EXPECT_EQ(form.ProgIndex, TDuvProgs::Main);
    EXPECT_EQ(form.OldChannel, 3);
    EXPECT_TRUE(form.OnMin->isVisible());
    EXPECT_TRUE(form.LengthMillSec->isVisible());
    EXPECT_FALSE(form.ComboBox1->isVisible());
    EXPECT_FALSE(form.ComboBox2->isVisible());
    EXPECT_EQ(form.Label3->text(), U("Время включения"));
    EXPECT_EQ(form.Label4->text(), U("Длительность операции"));
    EXPECT_EQ(form.Label5->text(), U("мин"));
    EXPECT_EQ(form.Label6->text(), U("сек"));
    EXPECT_EQ(form.Label7->text(), U("м.сек"));
    EXPECT_EQ(QApplication::focusWidget(), form.OpName);
}

TEST_F(EditOpDialog, newRowShowsZeroTimes) {
    OpenNewRow(TDuvProgs::Main);
    EXPECT_EQ(form.OpName->text(), QString());
    EXPECT_EQ(form.ChanNo->text(), QString());
    for (const QLineEdit* edit : {form.OnMin, form.OnSec, form.OnMillSec, form.LengthMin,
                                  form.LengthSec, form.LengthMillSec})
        EXPECT_EQ(edit->text(), U("0")) << edit->objectName().toStdString();
    EXPECT_EQ(form.OldChannel, 0);
    // Without a duration the new operation is refused.
    TypeInto(form.OpName, U("Вакуум"));
    TypeInto(form.ChanNo, U("7"));
    ClickOk();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Длительность операции должна быть ненулевой"));
    EXPECT_EQ(QApplication::focusWidget(), form.LengthMin);
}

TEST_F(EditOpDialog, tabOrderFollowsTheForm) {
    OpenFirstMainRow();
    const QWidget* expected[] = {form.ChanNo,    form.OnMin,     form.OnSec,         form.OnMillSec,
                                 form.LengthMin, form.LengthSec, form.LengthMillSec, form.BitBtn1,
                                 form.BitBtn2,   form.OpName};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(EditOpDialog, validOkHidesClearsAppliedAndReportsTheResult) {
    OpenFirstMainRow();
    TypeInto(form.OpName, U("Прогрев"));
    TypeInto(form.ChanNo, U("7"));
    TypeInto(form.OnMin, U("2"));
    TypeInto(form.OnSec, U("15"));
    TypeInto(form.OnMillSec, U("5"));
    TypeInto(form.LengthMin, U("1"));
    TypeInto(form.LengthSec, U("0"));
    TypeInto(form.LengthMillSec, U("5"));
    ClickOk();
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Applied);
    ASSERT_EQ(resultReady.count(), 1);
    const TEditOpForm::Result result = form.CurrentResult();
    EXPECT_EQ(result.NameText, U("Прогрев"));
    EXPECT_EQ(result.Name, Cp1251Literal("Прогрев"));
    EXPECT_EQ(result.ChannelText, U("7"));
    EXPECT_EQ(result.Channel, 7);
    EXPECT_FALSE(result.StateMode);
    EXPECT_EQ(result.On.Value(), 2 * 120 + 15 * 2 + 1);
    EXPECT_EQ(result.Length.Value(), 120 + 1);
    EXPECT_EQ(result.Off.Value(), 271 + 121);
    // The dialog never changes the program itself.
    EXPECT_EQ(progs.Prog(0).Ops[0].Channel, 3);
}

TEST_F(EditOpDialog, resultKeepsTheTextsAsTyped) {
    OpenFirstMainRow();
    TypeInto(form.ChanNo, U(" 4 "));
    TypeInto(form.OnMin, U(""));
    ClickOk();
    ASSERT_EQ(resultReady.count(), 1);
    const TEditOpForm::Result result = form.CurrentResult();
    EXPECT_EQ(result.ChannelText, U(" 4 "));
    EXPECT_EQ(result.Channel, 4);
    EXPECT_EQ(result.On.Value(), 61); // empty minutes count as 0: 0:30,5
}

TEST_F(EditOpDialog, enterIsOk) {
    OpenFirstMainRow();
    QTest::keyClick(form.OpName, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Applied);
    EXPECT_EQ(resultReady.count(), 1);
}

TEST_F(EditOpDialog, cancelAndEscapeWriteNothing) {
    OpenFirstMainRow();
    TypeInto(form.ChanNo, U("5")); // would be refused; Cancel does not check
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Applied);
    EXPECT_TRUE(messages.Shown.empty());

    OpenFirstMainRow();
    QTest::keyClick(form.OpName, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Applied);
    EXPECT_EQ(resultReady.count(), 0);
}

struct RefusalCase {
    const char* field; // objectName of the edit to type into
    const char* text;  // what is typed
    const char* message;
    const char* caption;
    const char* focus; // objectName of the edit that gets the focus
};

std::ostream& operator<<(std::ostream& out, const RefusalCase& c) {
    return out << c.field << " '" << c.text << "' -> " << c.focus;
}

class EditOpDialogRefusals : public EditOpDialog,
                             public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(EditOpDialogRefusals, showTheMessageAndFocusTheField) {
    const RefusalCase& c = GetParam();
    OpenFirstMainRow();
    auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(c.field));
    ASSERT_NE(edit, nullptr);
    TypeInto(edit, U(c.text));
    ClickOk();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U(c.message));
    EXPECT_EQ(messages.Shown[0].Caption, U(c.caption));
    EXPECT_EQ(messages.Shown[0].Kind, Messages::Buttons::Ok);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Applied);
    EXPECT_EQ(resultReady.count(), 0);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(c.focus));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Steps, EditOpDialogRefusals, ::testing::Values(
    // 1: a name of blanks
    RefusalCase{"OpName", "   ", "Имя операции должно содержать хотя бы один символ",
                "Проверка программы", "OpName"},
    // 2: a channel beyond the 12-channel model
    RefusalCase{"ChanNo", "13", "Номер канала должен находиться в диапазоне 1..12",
                "Проверка программы", "ChanNo"},
    // 3: the channel of the other operation
    RefusalCase{"ChanNo", "5", "Введенный канал уже используется", "Проверка программы",
                "ChanNo"},
    // 5a: switch-on minutes
    RefusalCase{"OnMin", "541", "Должно быть не более 540 минут", "Проверка времени", "OnMin"},
    // 5a: duration minutes
    RefusalCase{"LengthMin", "541", "Должно быть не более 540 минут", "Проверка времени",
                "LengthMin"},
    // 6: duration seconds
    RefusalCase{"LengthSec", "60", "Секунды должны находится в интервале 0..59",
                "Проверка времени", "LengthSec"},
    // 7: switch-on tenths
    RefusalCase{"OnMillSec", "3", "Миллисекунды могут принимать значения 0 и 5",
                "Проверка времени", "OnMillSec"},
    // 8: no duration
    RefusalCase{"LengthSec", "0", "Длительность операции должна быть ненулевой",
                "Проверка времени", "LengthMin"}));
// clang-format on

TEST_F(EditOpDialog, fourChannelModelNamesItsRange) {
    channelCount = 4; // the main window's count, read when OK is pressed
    OpenFirstMainRow();
    TypeInto(form.ChanNo, U("12"));
    ClickOk();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Номер канала должен находиться в диапазоне 1..4"));
    TypeInto(form.ChanNo, U("4"));
    TypeInto(form.OnMin, U("100"));
    ClickOk();
    ASSERT_EQ(messages.Shown.size(), 2u);
    EXPECT_EQ(messages.Shown[1].Text, U("Должно быть не более 99 минут"));
    EXPECT_EQ(QApplication::focusWidget(), form.OnMin);
}

TEST_F(EditOpDialog, refusesAnOffTimeBeyondSixteenBits) {
    OpenFirstMainRow();
    TypeInto(form.OnMin, U("540"));
    TypeInto(form.LengthMin, U("540"));
    ClickOk();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Время выключения операции должно быть не более 546:6,0"));
    EXPECT_EQ(messages.Shown[0].Caption, U("Проверка времени"));
    EXPECT_EQ(QApplication::focusWidget(), form.LengthMin);
    EXPECT_TRUE(form.isVisible());
    // Correcting the duration lets it through.
    TypeInto(form.LengthMin, U("6"));
    TypeInto(form.LengthSec, U("6"));
    TypeInto(form.LengthMillSec, U("0"));
    TypeInto(form.OnSec, U("0"));
    TypeInto(form.OnMillSec, U("0"));
    ClickOk();
    EXPECT_EQ(resultReady.count(), 1);
    EXPECT_EQ(form.CurrentResult().Off.Value(), 65532);
}

TEST_F(EditOpDialog, nameTakesOnlyWindows1251Text) {
    OpenFirstMainRow();
    TypeInto(form.OpName, U("Пар\u4e2d №2\U0001F600"));
    EXPECT_EQ(form.OpName->text(), U("Пар №2"));
    EXPECT_EQ(form.OpName->maxLength(), 1023);
    // Pasting keeps what fits.
    form.OpName->selectAll();
    form.OpName->insert(U("Ё\u4e2dё"));
    EXPECT_EQ(form.OpName->text(), U("Ёё"));
    ClickOk();
    EXPECT_EQ(form.CurrentResult().Name, Cp1251Literal("Ёё"));
}

TEST_F(EditOpDialog, longerNameFromADocumentIsKeptWhole) {
    const QString longName = QString(1500, QChar(0x0436)); // "жжж...", beyond what may be typed
    form.Fill(longName, U("3"), QString(), QString(), progs.Prog(0).Ops[0], TDuvProgs::Main);
    ASSERT_TRUE(ShowActive(form));
    EXPECT_EQ(form.OpName->text(), longName);
    TypeInto(form.ChanNo, U("4"));
    ClickOk();
    EXPECT_EQ(resultReady.count(), 1);
    EXPECT_EQ(form.CurrentResult().Name.size(), 1500u);
    EXPECT_EQ(form.CurrentResult().NameText, longName);
    // It grows no further, and the next operation has the usual limit.
    form.OpName->end(false);
    TypeText(form.OpName, U("ж"));
    EXPECT_EQ(form.OpName->text().size(), 1500);
    OpenFirstMainRow();
    EXPECT_EQ(form.OpName->maxLength(), 1023);
}

TEST_F(EditOpDialog, nameWithAForeignCharacterStaysEditable) {
    form.Fill(U("Пар\u4e2d"), U("3"), QString(), QString(), progs.Prog(0).Ops[0], TDuvProgs::Main);
    ASSERT_TRUE(ShowActive(form));
    form.OpName->end(false);
    TypeText(form.OpName, U("1"));
    EXPECT_EQ(form.OpName->text(), U("Пар1"));
}

TEST_F(EditOpDialog, stateModeShowsTheCombos) {
    form.Fill(U("Продувка"), U("2"), QString(), U("Вкл."), progs.Prog(1).Ops[0],
              TDuvProgs::Preheat);
    ASSERT_TRUE(ShowActive(form));
    EXPECT_TRUE(form.ComboBox1->isVisible());
    EXPECT_TRUE(form.ComboBox2->isVisible());
    for (const QLineEdit* edit : {form.OnMin, form.OnSec, form.OnMillSec, form.LengthMin,
                                  form.LengthSec, form.LengthMillSec})
        EXPECT_FALSE(edit->isVisible()) << edit->objectName().toStdString();
    EXPECT_EQ(form.Label3->text(), U("Старт"));
    EXPECT_EQ(form.Label4->text(), U("Стоп"));
    EXPECT_EQ(form.Label5->text(), QString());
    EXPECT_EQ(form.Label6->text(), QString());
    EXPECT_EQ(form.Label7->text(), QString());
    // An empty state shows as unused.
    EXPECT_EQ(form.ComboBox1->currentText(), U("Не исп."));
    EXPECT_EQ(form.ComboBox2->currentText(), U("Вкл."));
    EXPECT_EQ(QApplication::focusWidget(), form.OpName);
    EXPECT_EQ(form.OldChannel, 2);
}

TEST_F(EditOpDialog, stateModeAcceptsAnyStateText) {
    form.Fill(U("Продувка"), U("2"), U("Вкл."), U("Выкл."), progs.Prog(1).Ops[0],
              TDuvProgs::Preheat);
    ASSERT_TRUE(ShowActive(form));
    TypeInto(form.ComboBox1->lineEdit(), U("Не исп."));
    TypeInto(form.ComboBox2->lineEdit(), U("Вкл."));
    ClickOk();
    EXPECT_TRUE(messages.Shown.empty());
    ASSERT_EQ(resultReady.count(), 1);
    const TEditOpForm::Result result = form.CurrentResult();
    EXPECT_TRUE(result.StateMode);
    EXPECT_EQ(result.StartText, U("Не исп."));
    EXPECT_EQ(result.StopText, U("Вкл."));
    EXPECT_EQ(result.On.Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(result.Off.Value(), TMyTime::StateOn);
    // Typing into the combo is no new choice.
    EXPECT_EQ(form.ComboBox1->count(), 2);

    // The result writes back the way the program window does.
    TDuvRec slot = progs.Prog(1).Ops[0];
    slot.SetOnTime(result.On);
    slot.OffTime = result.Off;
    EXPECT_EQ(slot.OnTime.Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(slot.OffTime.Value(), TMyTime::StateOn);
}

TEST_F(EditOpDialog, enterInAStateComboIsOk) {
    form.Fill(U("Продувка"), U("2"), U("Вкл."), U("Выкл."), progs.Prog(1).Ops[0],
              TDuvProgs::Preheat);
    ASSERT_TRUE(ShowActive(form));
    TypeInto(form.ComboBox2->lineEdit(), U("Вкл."));
    QTest::keyClick(form.ComboBox2->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(resultReady.count(), 1);
    EXPECT_EQ(form.CurrentResult().StopText, U("Вкл."));
}

TEST_F(EditOpDialog, stateModeStillChecksNameAndChannel) {
    OpenNewRow(TDuvProgs::Preheat);
    EXPECT_EQ(form.ComboBox1->currentText(), U("Не исп."));
    TypeInto(form.OpName, U("Ж"));
    TypeInto(form.ChanNo, U("2"));
    ClickOk();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Введенный канал уже используется"));
    EXPECT_EQ(QApplication::focusWidget(), form.ChanNo);
    TypeInto(form.ChanNo, U("12"));
    ClickOk();
    EXPECT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(resultReady.count(), 1);
}

TEST_F(EditOpDialog, timeModeAgainAfterStateMode) {
    OpenNewRow(TDuvProgs::Preheat);
    form.hide();
    OpenFirstMainRow();
    EXPECT_FALSE(form.ComboBox1->isVisible());
    EXPECT_TRUE(form.OnMin->isVisible());
    EXPECT_EQ(form.Label3->text(), U("Время включения"));
    EXPECT_EQ(form.Label7->text(), U("м.сек"));
}

TEST_F(EditOpDialog, isModeless) {
    OpenFirstMainRow();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
