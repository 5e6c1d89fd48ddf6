#include "TCyclForm.h"
#include "CyclogramPainter.h"
#include "CyclogramTestPrograms.h"
#include "TCyclPaintBox.h"

#include "TDuvProgs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace CP = CyclogramPainter;

namespace {

const char* const LongName = "Подача перегретой воды в диафрагму формы с продувкой паром";

class CyclFormTest : public ::testing::Test {
  protected:
    CyclFormTest() {
        progs.Prog(0).Ops = MakeProg({{0, 3, Min1, Min2, "Закрытие пресса"},
                                      {1, 12, 0, Example, "Пар"},
                                      {2, 4, 100, 100, LongName}})
                                .Ops;
        progs.Prog(TDuvProgs::Emergency12).Ops = MakeProg({{0, 7, 0, 10, "Сброс давления"}}).Ops;
    }

    ~CyclFormTest() override {
        if (form.isVisible())
            form.hide();
    }

    // As the program window launches it: slot and flag first, show, then Opened.
    void Launch(int progIndex, bool childModified) {
        form.ProgIndex = progIndex;
        form.ChildModified = childModified;
        form.show();
        form.Opened = true;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <typename T> T* Find(const char* name) {
        T* w = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QLabel* Name(int k) { return Find<QLabel>(QStringLiteral("Label%1").arg(k).toLatin1()); }
    QLabel* Channel(int k) { return Find<QLabel>(QStringLiteral("Ch%1").arg(k).toLatin1()); }

    TDuvProgs progs;
    TCyclForm form{progs};
    QWidget other; // another window of the application
    QSignalSpy shown{&form, &TCyclForm::Shown};
    QSignalSpy closed{&form, &TCyclForm::Closed};
};

TEST_F(CyclFormTest, layoutFollowsTheForm) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Циклограмма"));
    EXPECT_EQ(form.size(), QSize(537, 281));
    EXPECT_FALSE(form.isModal());
    EXPECT_EQ(Find<QLabel>("Label13")->text(), QStringLiteral("Операция"));
    EXPECT_EQ(Find<QLabel>("Label13")->pos(), QPoint(8, 0));
    EXPECT_EQ(Find<QLabel>("Label14")->text(), QStringLiteral("Канал"));
    EXPECT_EQ(Find<QLabel>("Label14")->pos(), QPoint(136, 0));
    EXPECT_EQ(Find<QFrame>("Bevel1")->geometry(), QRect(8, 8, 521, 10));
    EXPECT_EQ(Find<QFrame>("Bevel1")->frameShape(), QFrame::HLine);
    EXPECT_EQ(Find<QFrame>("Bevel2")->geometry(), QRect(128, 0, 9, 217));
    EXPECT_EQ(Find<QFrame>("Bevel2")->frameShape(), QFrame::VLine);
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(Name(k)->pos(), QPoint(8, 24 + 16 * (k - 1))) << k;
        EXPECT_EQ(Name(k)->width(), 112) << k;
        EXPECT_EQ(Channel(k)->pos(), QPoint(136, 24 + 16 * (k - 1))) << k;
    }
    auto* box = Find<TCyclPaintBox>("PaintBox");
    EXPECT_EQ(box->geometry(), QRect(160, 24, 369, 217));
    EXPECT_EQ(box->cursor().shape(), Qt::CrossCursor);
    auto* ok = Find<QPushButton>("BitBtn1");
    EXPECT_EQ(ok->geometry(), QRect(232, 248, 75, 25));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
}

TEST_F(CyclFormTest, showFillsTheRowsOfTheProgram) {
    Launch(0, false);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(Name(1)->text(), QStringLiteral("Закрытие пресса"));
    EXPECT_EQ(Channel(1)->text(), QStringLiteral("3"));
    EXPECT_EQ(Name(2)->text(), QStringLiteral("Пар"));
    EXPECT_EQ(Channel(2)->text(), QStringLiteral("12"));
    EXPECT_EQ(Channel(3)->text(), QStringLiteral("4"));
    for (int k = 4; k <= 12; ++k) {
        EXPECT_TRUE(Name(k)->text().isEmpty()) << k;
        EXPECT_TRUE(Channel(k)->text().isEmpty()) << k;
    }
}

TEST_F(CyclFormTest, longNameIsCutBeforeTheDivider) {
    Launch(0, false);
    QLabel* label = Name(3);
    const QString full = QString::fromUtf8(LongName);
    EXPECT_NE(label->text(), full);
    EXPECT_TRUE(full.startsWith(label->text().chopped(1))) << label->text().toStdString();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), 112);
    EXPECT_LE(label->geometry().right(), 127); // never reaches the divider at x 128
}

TEST_F(CyclFormTest, eachLaunchRereadsItsProgram) {
    Launch(0, false);
    Find<QPushButton>("BitBtn1")->click();
    Launch(TDuvProgs::Emergency12, false);
    EXPECT_EQ(shown.count(), 2);
    EXPECT_EQ(Name(1)->text(), QStringLiteral("Сброс давления"));
    EXPECT_EQ(Channel(1)->text(), QStringLiteral("7"));
    EXPECT_TRUE(Name(2)->text().isEmpty());
    EXPECT_TRUE(Channel(3)->text().isEmpty());
}

// How the user closes the window: every way reports once, with the launcher's flag.
struct CloseCase {
    const char* Name;
    bool ChildModified;
    void (*Close)(TCyclForm& form, QWidget& other);
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << c.Name;
}

class CyclFormClosing : public CyclFormTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CyclFormClosing, hidesAndReportsTheLaunchersFlag) {
    Launch(0, GetParam().ChildModified);
    ASSERT_TRUE(form.Opened);
    GetParam().Close(form, other);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
    EXPECT_FALSE(form.Opened);
    ASSERT_EQ(closed.count(), 1);
    EXPECT_EQ(closed.at(0).at(0).toBool(), GetParam().ChildModified);
    // Still there for the next launch.
    Launch(0, !GetParam().ChildModified);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(shown.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CyclFormClosing,
    ::testing::Values(
        // OK button, launched from a window with unsaved changes: saving stays possible.
        CloseCase{"okModified", true,
                  [](TCyclForm& f, QWidget&) {
                      QTest::mouseClick(f.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
                  }},
        // OK button from a window without changes.
        CloseCase{"okUnmodified", false,
                  [](TCyclForm& f, QWidget&) {
                      QTest::mouseClick(f.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
                  }},
        // Enter presses the default button.
        CloseCase{"enter", true,
                  [](TCyclForm& f, QWidget&) { QTest::keyClick(&f, Qt::Key_Return); }},
        // Esc.
        CloseCase{"escape", false,
                  [](TCyclForm& f, QWidget&) { QTest::keyClick(&f, Qt::Key_Escape); }},
        // The frame's close box.
        CloseCase{"closeBox", true,
                  [](TCyclForm& f, QWidget&) {
                      QCloseEvent event;
                      QCoreApplication::sendEvent(&f, &event);
                  }},
        // The program window closing it when it loses the focus.
        CloseCase{"byLauncher", false, [](TCyclForm& f, QWidget&) { f.close(); }},
        // A launcher that merely hides it.
        CloseCase{"hiddenByLauncher", true, [](TCyclForm& f, QWidget&) { f.hide(); }},
        // Loss of focus to another window of the application.
        CloseCase{"deactivation", true,
                  [](TCyclForm& f, QWidget& other) {
                      f.activateWindow();
                      ASSERT_TRUE(QTest::qWaitFor([&] { return f.isActiveWindow(); }));
                      other.show();
                      other.activateWindow();
                  }},
        // Another dialog of the workstation taking the focus.
        CloseCase{"anotherDialog", false,
                  [](TCyclForm& f, QWidget& other) {
                      f.activateWindow();
                      ASSERT_TRUE(QTest::qWaitFor([&] { return f.isActiveWindow(); }));
                      auto* dialog = new QDialog(&other);
                      dialog->setAttribute(Qt::WA_DeleteOnClose);
                      dialog->show();
                      dialog->activateWindow();
                  }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CyclFormTest, leavingTheWholeApplicationKeepsItOpen) {
    Launch(0, true);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.isActiveWindow(); }));
    QApplication::setActiveWindow(nullptr); // the user switches to another program
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.isActiveWindow());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Opened);
    EXPECT_EQ(closed.count(), 0);
}

TEST_F(CyclFormTest, hidingAnAlreadyClosedWindowReportsNothingMore) {
    Launch(0, true);
    form.close();
    form.close();
    form.hide();
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(CyclFormTest, chartIsPaintedFromTheCurrentProgram) {
    Launch(0, false);
    auto* box = Find<TCyclPaintBox>("PaintBox");
    QImage before = box->grab().toImage();
    EXPECT_EQ(before.pixelColor(60, 1), CP::BarColour); // 1:0,0..2:0,0 at scale 0.5
    EXPECT_EQ(before.pixelColor(120, 1), CP::WhiteColour);
    EXPECT_EQ(before.pixelColor(0, 17), CP::BarColour);  // slot 1 spans the whole axis
    EXPECT_EQ(before.pixelColor(50, 33), CP::BarColour); // slot 2: zero length, one pixel
    EXPECT_EQ(before.pixelColor(51, 33), CP::WhiteColour);
    // The program changes while the window is open: the next paint shows it.
    progs.Prog(0).Op(0).OffTime = TMyTime(Example);
    const QImage after = box->grab().toImage();
    EXPECT_EQ(after.pixelColor(300, 1), CP::BarColour);
}

TEST_F(CyclFormTest, windowMatchesTheCommandLinePicture) {
    Launch(0, false);
    const QImage window = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage rendered = CP::RenderWindow(progs.Prog(0), form.palette());
    ASSERT_EQ(window.size(), rendered.size());
    // Heads, rows and chart are the same picture; the button is the window's own, and the ends
    // of the sunken dividers follow the widget style.
    const QRect button = Find<QPushButton>("BitBtn1")->geometry();
    const QRect bevel1 = Find<QFrame>("Bevel1")->geometry();
    const QRect bevel2 = Find<QFrame>("Bevel2")->geometry();
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x)
            if (!button.contains(x, y) && !bevel1.contains(x, y) && !bevel2.contains(x, y))
                ASSERT_EQ(window.pixel(x, y), rendered.pixel(x, y)) << x << "," << y;
    for (const QPoint& p : {QPoint(300, 16), QPoint(300, 17), QPoint(128, 100), QPoint(129, 100)})
        EXPECT_EQ(window.pixel(p), rendered.pixel(p)) << p.x() << "," << p.y();
}

} // namespace
