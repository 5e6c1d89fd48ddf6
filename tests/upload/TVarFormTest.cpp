#include "TVarForm.h"

#include "SendArrayListing.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

SendArray::Words Filled(std::uint16_t value) {
    SendArray::Words words;
    words.fill(value);
    return words;
}

QString Listing(const SendArray::Words& words) {
    QStringList lines;
    for (const std::string& line : SendArrayListing(words))
        lines << QString::fromStdString(line);
    return lines.join(QLatin1Char('\n'));
}

class TVarFormTest : public ::testing::Test {
  protected:
    TVarForm form;
    QPlainTextEdit* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
    QPushButton* ok = form.findChild<QPushButton*>(QStringLiteral("BitBtn1"));

    void SetUp() override {
        ASSERT_NE(memo, nullptr);
        ASSERT_NE(ok, nullptr);
    }
};

TEST_F(TVarFormTest, layoutIsTheFixedViewer) {
    EXPECT_EQ(form.objectName(), QStringLiteral("VarForm"));
    EXPECT_EQ(form.minimumSize(), QSize(625, 305));
    EXPECT_EQ(form.maximumSize(), QSize(625, 305));
    EXPECT_EQ(memo->geometry(), QRect(0, 0, 625, 265));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch());
    EXPECT_EQ(ok->size(), QSize(75, 25));
    EXPECT_EQ(ok->geometry().center().x(), 625 / 2);
    EXPECT_GE(ok->geometry().top(), 265);
    EXPECT_LE(ok->geometry().bottom(), 305);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(form.isModal());
}

TEST_F(TVarFormTest, showArrayListsTheWordsUnderTheCaption) {
    const SendArray::Words words = Filled(0xFFFF);
    form.ShowArray(words, QStringLiteral("Переменные"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Переменные"));
    EXPECT_EQ(memo->document()->blockCount(), 17);
    EXPECT_EQ(memo->toPlainText(), Listing(words));
    EXPECT_EQ(memo->document()->findBlockByNumber(1).text(),
              QString("FFFF FFFF  ").repeated(8)); // trailing blanks kept
}

TEST_F(TVarFormTest, opensCentredOnTheScreen) {
    form.ShowArray(Filled(0), QStringLiteral("Переменные"));
    ASSERT_NE(form.screen(), nullptr);
    const QPoint offset =
        form.frameGeometry().center() - form.screen()->availableGeometry().center();
    // A few pixels for the rounding of odd sizes.
    EXPECT_LE(offset.manhattanLength(), 6) << offset.x() << "," << offset.y();
    EXPECT_EQ(form.size(), QSize(625, 305));
}

TEST_F(TVarFormTest, showingAgainWhileOpenKeepsTheTextAndChangesTheCaption) {
    form.ShowArray(Filled(0x1111), QStringLiteral("Переменные"));
    form.ShowArray(Filled(0x2222), QStringLiteral("Принятые данные"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Принятые данные"));
    EXPECT_EQ(memo->toPlainText(), Listing(Filled(0x1111)));
}

TEST_F(TVarFormTest, showingAfterCloseListsTheNewWords) {
    form.ShowArray(Filled(0x1111), QStringLiteral("Переменные"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    form.ShowArray(Filled(0x2222), QStringLiteral("Переменные"));
    EXPECT_EQ(memo->toPlainText(), Listing(Filled(0x2222)));
}

TEST_F(TVarFormTest, enterInTheListClosesTheViewer) {
    form.ShowArray(Filled(0), QStringLiteral("Переменные"));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(memo->toPlainText(), Listing(Filled(0))); // read-only: Enter added nothing
}

TEST_F(TVarFormTest, enterOnTheWindowClosesTheViewer) {
    form.ShowArray(Filled(0), QStringLiteral("Переменные"));
    QTest::keyClick(&form, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(TVarFormTest, typingDoesNotChangeTheList) {
    form.ShowArray(Filled(0), QStringLiteral("Переменные"));
    QTest::keyClicks(memo, QStringLiteral("abc"));
    EXPECT_EQ(memo->toPlainText(), Listing(Filled(0)));
}

} // namespace
