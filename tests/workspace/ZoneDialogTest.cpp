#include "DialogTestSupport.h"
#include "TZoneForm.h"

#include "TDuvProgs.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Emergency programs 1.1 (zone 0:0,0 .. 1:0,0) and 1.2 (no zone yet) are defined; 1.3 is not.
class ZoneDialog : public ::testing::Test {
  protected:
    ZoneDialog() {
        TDuvProg& first = progs.Prog(TDuvProgs::Emergency11);
        first.Defined = 1;
        first.ZoneStart = TMyTime(0);
        first.ZoneStop = TMyTime(120);
        progs.Prog(TDuvProgs::Emergency12).Defined = 1;
    }

    void Open(int progIndex) {
        form.ProgIndex = progIndex;
        ASSERT_TRUE(ShowActive(form));
    }

    void TypeZone(const char* onMin, const char* onSec, const char* onTenths, const char* offMin,
                  const char* offSec, const char* offTenths) {
        TypeInto(form.OnMin, U(onMin));
        TypeInto(form.OnSec, U(onSec));
        TypeInto(form.OnMillSec, U(onTenths));
        TypeInto(form.OffMin, U(offMin));
        TypeInto(form.OffSec, U(offSec));
        TypeInto(form.OffMillSec, U(offTenths));
    }

    void ClickOk() { QTest::mouseClick(form.BitBtn2, Qt::LeftButton); }
    // Clicks the box itself, not its text.
    void ClickDefinedBox() {
        QTest::mouseClick(form.DefinedBox, Qt::LeftButton, {},
                          QPoint(6, form.DefinedBox->height() / 2));
    }

    TDuvProgs progs;
    MessageRecorder messages;
    TZoneForm form{progs};
    QSignalSpy resultReady{&form, &TZoneForm::ResultReady};
};

std::vector<QString> Texts(const std::vector<Messages::Shown>& shown) {
    std::vector<QString> texts;
    for (const auto& s : shown)
        texts.push_back(s.Text);
    return texts;
}
} // namespace

TEST_F(ZoneDialog, hasTheFormLayout) {
    EXPECT_EQ(form.windowTitle(), U("Зона действия программы"));
    EXPECT_EQ(form.size(), QSize(244, 147));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.isModal());
    EXPECT_EQ(form.OnMin->geometry(), QRect(56, 16, 49, 21));
    EXPECT_EQ(form.OnSec->geometry(), QRect(112, 16, 49, 21));
    EXPECT_EQ(form.OnMillSec->geometry(), QRect(168, 16, 49, 21));
    EXPECT_EQ(form.OffMin->geometry(), QRect(56, 40, 49, 21));
    EXPECT_EQ(form.OffSec->geometry(), QRect(112, 40, 49, 21));
    EXPECT_EQ(form.OffMillSec->geometry(), QRect(168, 40, 49, 21));
    EXPECT_EQ(form.DefinedBox->pos(), QPoint(48, 88));
    EXPECT_EQ(form.DefinedBox->width(), 153);
    EXPECT_EQ(form.BitBtn2->geometry(), QRect(32, 112, 81, 25));
    EXPECT_EQ(form.BitBtn1->geometry(), QRect(128, 112, 83, 25));
    EXPECT_EQ(form.Label1->pos(), QPoint(16, 16));
    EXPECT_EQ(form.Label2->pos(), QPoint(16, 40));
    EXPECT_EQ(form.Label3->pos(), QPoint(72, 64));
    EXPECT_EQ(form.Label4->pos(), QPoint(120, 64));
    EXPECT_EQ(form.Label5->pos(), QPoint(176, 64));
    EXPECT_EQ(form.Label1->text(), U("Старт"));
    EXPECT_EQ(form.Label2->text(), U("Стоп"));
    EXPECT_EQ(form.Label3->text(), U("мин"));
    EXPECT_EQ(form.Label4->text(), U("сек"));
    EXPECT_EQ(form.Label5->text(), U("д.сек"));
    EXPECT_EQ(form.DefinedBox->text(), U("Программа определена"));
    EXPECT_TRUE(form.DefinedBox->isChecked());
    EXPECT_EQ(form.BitBtn2->text(), U("OK"));
    EXPECT_EQ(form.BitBtn1->text(), U("Отмена"));
    EXPECT_TRUE(form.BitBtn2->isDefault());
    EXPECT_EQ(form.OnMin->text(), U("0"));
    EXPECT_TRUE(form.Applied);
}

TEST_F(ZoneDialog, showFillsTheStoredZone) {
    progs.Prog(TDuvProgs::Emergency13).ZoneStart = TMyTime(181);
    progs.Prog(TDuvProgs::Emergency13).ZoneStop = TMyTime(240);
    Open(TDuvProgs::Emergency13);
    EXPECT_EQ(form.OnMin->text(), U("1"));
    EXPECT_EQ(form.OnSec->text(), U("30"));
    EXPECT_EQ(form.OnMillSec->text(), U("5"));
    EXPECT_EQ(form.OffMin->text(), U("2"));
    EXPECT_EQ(form.OffSec->text(), U("0"));
    EXPECT_EQ(form.OffMillSec->text(), U("0"));
    EXPECT_EQ(QApplication::focusWidget(), form.OnMin);
}

TEST_F(ZoneDialog, showFillsZerosWithoutAZone) {
    Open(TDuvProgs::Emergency11);
    TypeZone("5", "5", "5", "6", "6", "6");
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    Open(TDuvProgs::Emergency12);
    for (const QLineEdit* edit :
         {form.OnMin, form.OnSec, form.OnMillSec, form.OffMin, form.OffSec, form.OffMillSec})
        EXPECT_EQ(edit->text(), U("0")) << edit->objectName().toStdString();
}

TEST_F(ZoneDialog, tabOrderFollowsTheForm) {
    Open(TDuvProgs::Emergency11);
    const QWidget* expected[] = {form.OnSec,   form.OnMillSec,  form.OffMin,
                                 form.OffSec,  form.OffMillSec, form.DefinedBox,
                                 form.BitBtn2, form.BitBtn1,    form.OnMin};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(ZoneDialog, validOkHidesClearsAppliedAndReportsTheZone) {
    Open(TDuvProgs::Emergency12);
    TypeZone("1", "0", "0", "2", "0", "0"); // touches the end of 1.1
    ClickOk();
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Applied);
    ASSERT_EQ(resultReady.count(), 1);
    const TZoneForm::Result result = form.CurrentResult();
    EXPECT_FALSE(result.Deleted);
    EXPECT_EQ(result.Start.Value(), 120);
    EXPECT_EQ(result.Stop.Value(), 240);
    // The dialog never changes the program itself.
    EXPECT_EQ(progs.Prog(TDuvProgs::Emergency12).ZoneStart.Value(), TMyTime::TimeUndefined);
}

TEST_F(ZoneDialog, enterIsOk) {
    Open(TDuvProgs::Emergency12);
    TypeZone("1", "0", "0", "0", "0", "99");
    QTest::keyClick(form.OffMillSec, Qt::Key_Return);
    // 1:0,0 .. 0:9,5 is backwards: refused, and the dialog stays.
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Старт должен быть раньше останова"));
    TypeInto(form.OffMin, U("2"));
    QTest::keyClick(form.OffMin, Qt::Key_Enter);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(resultReady.count(), 1);
    EXPECT_EQ(form.CurrentResult().Stop.Value(), 240 + 19);
}

TEST_F(ZoneDialog, tenths99GiveNineteenHalfSeconds) {
    Open(TDuvProgs::Emergency11);
    TypeZone("0", "0", "0", "0", "0", "99");
    ClickOk();
    ASSERT_EQ(resultReady.count(), 1);
    EXPECT_EQ(form.CurrentResult().Stop.Value(), 19);
}

TEST_F(ZoneDialog, everyFailingCheckSpeaksInTurn) {
    Open(TDuvProgs::Emergency11);
    progs.Prog(TDuvProgs::Emergency12).ZoneStart = TMyTime(60);
    progs.Prog(TDuvProgs::Emergency12).ZoneStop = TMyTime(300);
    TypeZone("541", "0", "0", "0", "60", "0");
    ClickOk();
    const std::vector<QString> expected = {
        U("Должно быть не более 540 минут"), U("Секунты должны находится в интервале 0..59"),
        U("Старт должен быть раньше останова"),
        U("Временные интервалы 1-го и 2-го режимов пересекаются")};
    EXPECT_EQ(Texts(messages.Shown), expected);
    for (const auto& shown : messages.Shown) {
        EXPECT_EQ(shown.Caption, U("Проверка времени"));
        EXPECT_EQ(shown.Kind, Messages::Buttons::Ok);
    }
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Applied);
    EXPECT_EQ(resultReady.count(), 0);
    EXPECT_EQ(form.OnMin->text(), U("541")); // the input stays as entered
}

TEST_F(ZoneDialog, laterProgramConflictsWithAnEarlierOneWithoutZone) {
    progs.Prog(TDuvProgs::Emergency11).ZoneStart = TMyTime(TMyTime::TimeUndefined);
    progs.Prog(TDuvProgs::Emergency11).ZoneStop = TMyTime(TMyTime::TimeUndefined);
    Open(TDuvProgs::Emergency12);
    TypeZone("1", "0", "0", "2", "0", "0");
    ClickOk();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Временные интервалы 1-го и 2-го режимов пересекаются"));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(ZoneDialog, deletionConfirmed) {
    Open(TDuvProgs::Emergency12);
    TypeZone("9", "9", "9", "1", "0", "0"); // no time check runs for a deletion
    messages.Answers.push_back(Messages::Answer::Yes);
    ClickDefinedBox();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Вы действительно хотите удалить аварийную программу?"));
    EXPECT_EQ(messages.Shown[0].Caption, U("Предупреждение"));
    EXPECT_EQ(messages.Shown[0].Kind, Messages::Buttons::YesNo);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Applied);
    ASSERT_EQ(resultReady.count(), 1);
    EXPECT_TRUE(form.CurrentResult().Deleted);
    EXPECT_EQ(progs.Prog(TDuvProgs::Emergency12).Defined, 1); // the program window deletes

    // The next showing ticks the box again without asking.
    form.Applied = true;
    Open(TDuvProgs::Emergency11);
    EXPECT_TRUE(form.DefinedBox->isChecked());
    EXPECT_FALSE(form.CurrentResult().Deleted);
    EXPECT_EQ(messages.Shown.size(), 1u);
}

TEST_F(ZoneDialog, deletionRefused) {
    Open(TDuvProgs::Emergency12);
    messages.Answers.push_back(Messages::Answer::No);
    ClickDefinedBox();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Kind, Messages::Buttons::YesNo);
    EXPECT_TRUE(form.DefinedBox->isChecked());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Applied);
    EXPECT_EQ(resultReady.count(), 0);
    // Ticking it again asked nothing more.
    EXPECT_EQ(messages.Shown.size(), 1u);
}

TEST_F(ZoneDialog, deletionByKeyboard) {
    Open(TDuvProgs::Emergency12);
    messages.Answers.push_back(Messages::Answer::Yes);
    form.DefinedBox->setFocus();
    QTest::keyClick(form.DefinedBox, Qt::Key_Space);
    EXPECT_EQ(resultReady.count(), 1);
    EXPECT_TRUE(form.CurrentResult().Deleted);
}

TEST_F(ZoneDialog, cancelEscapeAndCloseBoxWriteNothing) {
    Open(TDuvProgs::Emergency12);
    TypeZone("541", "0", "0", "0", "0", "0");
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());

    Open(TDuvProgs::Emergency12);
    QTest::keyClick(form.OnMin, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());

    Open(TDuvProgs::Emergency12);
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());

    EXPECT_TRUE(form.Applied);
    EXPECT_EQ(resultReady.count(), 0);
    EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(ZoneDialog, isModeless) {
    Open(TDuvProgs::Emergency11);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
