#include "THeaderForm.h"

#include "Cp1251Literal.h"
#include "QStringPrinter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
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

class THeaderFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* const values[8] = {"17",    "05.03.2024", "Летний",  "Шина 175/70 R13",
                                       "БЦ-15", "А",          "ФВ-1500", "№ 4"};
        for (int i = 0; i < 8; ++i)
            header[i] = Cp1251Literal(values[i]);
        for (int i = 0; i < 8; ++i) {
            edits[i] = form.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i + 1));
            ASSERT_NE(edits[i], nullptr) << i;
        }
        ASSERT_NE(accept, nullptr);
        ASSERT_NE(cancel, nullptr);
    }

    void Show() {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Replaces a field's text the way a user does: select everything, type over it.
    static void Retype(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        Type(edit, text);
    }

    // Key presses carrying each character, as a keyboard layout delivers them; QTest's own
    // key clicks take ASCII only.
    static void Type(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
    }

    THeader header;
    THeaderForm form{header};
    QLineEdit* edits[8] = {};
    QPushButton* accept = form.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QPushButton* cancel = form.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
};

} // namespace

TEST_F(THeaderFormTest, layoutIsTheHeaderDialog) {
    EXPECT_EQ(form.windowTitle(), U("Шапка протокола настройки"));
    EXPECT_EQ(form.size(), QSize(434, 251));
    EXPECT_FALSE(form.isModal());
    EXPECT_NE(form.maximumSize(), form.minimumSize()); // sizeable

    const QRect fields[8] = {{176, 8, 65, 21},    {264, 8, 153, 21},  {176, 32, 241, 21},
                             {176, 56, 241, 21},  {176, 80, 241, 21}, {176, 104, 241, 21},
                             {176, 128, 241, 21}, {176, 152, 241, 21}};
    const char* const labels[8] = {"№",
                                   "от",
                                   "Режим вулканизации",
                                   "Вид изделия",
                                   "Модель",
                                   "Исполнение",
                                   "Вулканизационная аппаратура",
                                   "Индивидуальный\nвулканизатор-форматор"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(edits[i]->geometry(), fields[i]) << i;
        EXPECT_EQ(edits[i]->maxLength(), 79) << i;
        const auto* label = form.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
        ASSERT_NE(label, nullptr) << i;
        EXPECT_EQ(label->text(), U(labels[i])) << i;
        EXPECT_EQ(label->buddy(), edits[i]) << i;
        // Every line of the label is seen whole.
        const QFontMetrics metrics(label->font());
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << i;
        EXPECT_LE(metrics.height() * (label->text().count(QLatin1Char('\n')) + 1), label->height())
            << i;
        // Each label ends just before its field, on its line.
        EXPECT_LT(label->geometry().right(), edits[i]->geometry().left()) << i;
        EXPECT_GE(label->geometry().right(), edits[i]->geometry().left() - 8) << i;
        EXPECT_TRUE(label->geometry().contains(label->geometry().left() + 1,
                                               edits[i]->geometry().center().y()))
            << i;
    }
    EXPECT_EQ(accept->text(), U("Принять"));
    EXPECT_EQ(accept->geometry(), QRect(120, 192, 81, 25));
    EXPECT_TRUE(accept->isDefault());
    EXPECT_EQ(cancel->text(), U("Отмена"));
    EXPECT_EQ(cancel->geometry(), QRect(224, 192, 81, 25));
}

TEST_F(THeaderFormTest, tabGoesThroughTheFieldsThenTheButtons) {
    QWidget* expected[10] = {edits[0], edits[1], edits[2], edits[3], edits[4],
                             edits[5], edits[6], edits[7], accept,   cancel};
    QWidget* widget = edits[0];
    for (int i = 1; i < 10; ++i) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(widget, expected[i]) << i;
    }
}

TEST_F(THeaderFormTest, showingLoadsTheStoredLinesEveryTimeAndFocusesTheNumber) {
    Show();
    const char* const shown[8] = {"17",    "05.03.2024", "Летний",  "Шина 175/70 R13",
                                  "БЦ-15", "А",          "ФВ-1500", "№ 4"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(edits[i]->text(), U(shown[i])) << i;
    EXPECT_EQ(form.focusWidget(), edits[0]);

    // What was typed and cancelled is gone; a change made elsewhere shows.
    Retype(edits[2], U("Зимний"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    header[3] = Cp1251Literal("Покрышка");
    Show();
    EXPECT_EQ(edits[2]->text(), U("Летний"));
    EXPECT_EQ(edits[3]->text(), U("Покрышка"));
    EXPECT_EQ(form.focusWidget(), edits[0]);

    // Also after "Принять", the next showing focuses the number again.
    edits[5]->setFocus();
    QTest::mouseClick(accept, Qt::LeftButton);
    Show();
    EXPECT_EQ(form.focusWidget(), edits[0]);
}

TEST_F(THeaderFormTest, acceptStoresTheTypedLinesAsWindows1251AndReportsIt) {
    QSignalSpy accepted(&form, &THeaderForm::Accepted);
    Show();
    Retype(edits[0], U("18"));
    Retype(edits[2], U("  Летний, ёлочка «Б» №3  ")); // kept as typed, blanks included
    Retype(edits[7], QString());
    QTest::mouseClick(accept, Qt::LeftButton);

    EXPECT_EQ(accepted.count(), 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(header[0], "18");
    EXPECT_EQ(header[1], Cp1251Literal("05.03.2024"));
    EXPECT_EQ(header[2], std::string("  \xCB\xE5\xF2\xED\xE8\xE9, \xB8\xEB\xEE\xF7\xEA\xE0 "
                                     "\xAB\xC1\xBB \xB9"
                                     "3  "));
    EXPECT_EQ(header[7], "");
}

TEST_F(THeaderFormTest, acceptWithoutAChangeStillReports) {
    const THeader before = header;
    QSignalSpy accepted(&form, &THeaderForm::Accepted);
    Show();
    QTest::mouseClick(accept, Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(header, before);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(THeaderFormTest, cancelEscapeAndCloseBoxStoreNothing) {
    const THeader before = header;
    QSignalSpy accepted(&form, &THeaderForm::Accepted);
    const std::function<void()> ways[] = {
        [this] { QTest::mouseClick(cancel, Qt::LeftButton); },
        [this] { QTest::keyClick(&form, Qt::Key_Escape); },
        [this] { form.close(); },
    };
    for (const auto& leave : ways) {
        Show();
        for (QLineEdit* edit : edits)
            Retype(edit, U("изменено"));
        leave();
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_EQ(header, before);
}

TEST_F(THeaderFormTest, enterInAFieldAccepts) {
    QSignalSpy accepted(&form, &THeaderForm::Accepted);
    Show();
    Retype(edits[4], U("БЦ-16"));
    QTest::keyClick(edits[4], Qt::Key_Return);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(header[4], Cp1251Literal("БЦ-16"));
}

TEST_F(THeaderFormTest, charactersWithoutAWindows1251ByteCannotBeTyped) {
    Show();
    Retype(edits[3], U("Шина 日本 ā R13 €"));
    EXPECT_EQ(edits[3]->text(), U("Шина   R13 €")); // the euro sign has a byte, 0x88
    QTest::mouseClick(accept, Qt::LeftButton);
    EXPECT_EQ(header[3], Cp1251Literal("Шина   R13 ") + "\x88");
}

TEST_F(THeaderFormTest, fieldsTakeAtMost79Characters) {
    Show();
    Retype(edits[6], QString(85, QChar(0x0416))); // Ж
    EXPECT_EQ(edits[6]->text().size(), 79);
    QTest::mouseClick(accept, Qt::LeftButton);
    EXPECT_EQ(header[6], std::string(79, '\xC6'));
}

TEST_F(THeaderFormTest, untouchedLinesComeBackByteForByte) {
    header[5] = "A\x98"
                "B"; // 0x98 is the one byte Windows-1251 leaves unassigned
    header[6] = std::string(79, '\xFF');
    const THeader before = header;
    Show();
    QTest::mouseClick(accept, Qt::LeftButton);
    EXPECT_EQ(header, before);
}
