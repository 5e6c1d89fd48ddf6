#include "WorkspaceTestSupport.h"

#include "Startup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <ostream>

// What the entry point prepares, and Qt's own dialogs as the user meets them: in Russian, with
// the captions given and nothing added to them.

namespace {

QString WithoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Runs `inspect` on the modal dialog that `open` brings up, once it is shown; `inspect` closes it.
// A modal window still up afterwards (the dialog itself, or a warning it raised) is a failure and
// is closed, so that `open` returns.
template <typename Dialog>
bool InspectModal(const std::function<void()>& open, const std::function<void(Dialog&)>& inspect) {
    bool seen = false;
    bool inspected = false;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&seen, &inspected, inspect] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (inspected) {
            const auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ADD_FAILURE() << "left open: " << modal->metaObject()->className() << " "
                          << (label ? label->text().toStdString() : std::string());
            modal->close();
            return;
        }
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog || seen)
            return;
        seen = true;
        // Queued, so that a box the dialog raises meanwhile does not stop this timer.
        QMetaObject::invokeMethod(
            dialog,
            [dialog, inspect, &inspected] {
                inspected = true;
                inspect(*dialog);
            },
            Qt::QueuedConnection);
    });
    timer.start();
    open();
    return seen;
}

} // namespace

TEST(Startup, namesTheApplicationWithoutDecoratingTheCaptions) {
    ASSERT_NE(qApp, nullptr);
    EXPECT_TRUE(Startup::PrepareApplication(*qApp));
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("duvt"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("duvt"));
    // No display name of its own: Qt would append it to every window's and message box's caption.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_EQ(WithoutMnemonic(QCoreApplication::translate("QPlatformTheme", "&Yes")), U("Да"));
}

// ---- the message boxes themselves

namespace {
struct RealBox {
    const char* name;
    Messages::Buttons kind;
    std::vector<const char*> buttons; // the texts, left to right as Qt orders them
    const char* press;                // the button the user presses
    Messages::Answer answer;
};

inline void PrintTo(const RealBox& c, std::ostream* os) {
    *os << c.name;
}
} // namespace

class RealMessageBox : public ::testing::TestWithParam<RealBox> {};

TEST_P(RealMessageBox, speaksRussianWithExactlyTheButtonsAskedFor) {
    const RealBox& c = GetParam();
    QWidget parent;
    ASSERT_TRUE(ShowActive(parent));
    Messages::Answer answer = Messages::Answer::Ok;
    QStringList buttons;
    const bool seen = InspectModal<QMessageBox>(
        [&] {
            answer = Messages::Show(&parent, U("Сохранить изменения?"), U("Программа"), c.kind);
        },
        [&](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), U("Программа"));
            EXPECT_EQ(box.text(), U("Сохранить изменения?"));
            EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
            QAbstractButton* toPress = nullptr;
            for (QAbstractButton* button : box.buttons()) {
                buttons << WithoutMnemonic(button->text());
                if (WithoutMnemonic(button->text()) == U(c.press))
                    toPress = button;
            }
            if (toPress)
                QTest::mouseClick(toPress, Qt::LeftButton);
            else
                box.done(QMessageBox::Cancel);
        });
    ASSERT_TRUE(seen);
    QStringList expected;
    for (const char* text : c.buttons)
        expected << U(text);
    buttons.sort();
    expected.sort();
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(answer, c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RealMessageBox,
    ::testing::Values(
        // A refusal: one button.
        RealBox{"ok", Messages::Buttons::Ok, {"OK"}, "OK", Messages::Answer::Ok},
        // A question before a destructive step.
        RealBox{"yesNo_yes", Messages::Buttons::YesNo, {"Да", "Нет"}, "Да", Messages::Answer::Yes},
        RealBox{"yesNo_no", Messages::Buttons::YesNo, {"Да", "Нет"}, "Нет", Messages::Answer::No},
        // The save question of a program window.
        RealBox{"yesNoCancel_cancel",
                Messages::Buttons::YesNoCancel,
                {"Да", "Нет", "Отмена"},
                "Отмена",
                Messages::Answer::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the file dialogs of the main window

namespace {
// The main window with its own file dialogs (not the test's answers).
class RealFileDialogs : public WorkspaceTest {
  protected:
    TMainForm& StartWithDialogs() {
        main = std::make_unique<TMainForm>();
        EXPECT_TRUE(ShowActive(*main));
        return *main;
    }

    // Checks the dialog the action brings up, then cancels it.
    void ExpectDialog(QAction* action, const QString& title, const QString& acceptText,
                      const QString& defaultSuffix) {
        const bool seen = InspectModal<QFileDialog>(
            [action] { action->trigger(); },
            [&](QFileDialog& dialog) {
                EXPECT_EQ(dialog.windowTitle(), title);
                EXPECT_EQ(dialog.nameFilters(), QStringList({U("Duvt v3.0 files (*.dv3)")}));
                EXPECT_EQ(dialog.defaultSuffix(), defaultSuffix);
                auto* box = dialog.findChild<QDialogButtonBox*>();
                ASSERT_NE(box, nullptr);
                QStringList texts;
                for (QAbstractButton* button : box->buttons())
                    texts << WithoutMnemonic(button->text());
                texts.sort();
                QStringList expected{acceptText, U("Отмена")};
                expected.sort();
                EXPECT_EQ(texts, expected);
                dialog.reject();
            });
        EXPECT_TRUE(seen);
    }
};
} // namespace

TEST_F(RealFileDialogs, openAndSaveAsSpeakRussian) {
    TMainForm& main = StartWithDialogs();
    ExpectDialog(main.FileOpen1, U("Открыть"), U("Открыть"), QStringLiteral("dv3"));
    EXPECT_TRUE(main.FileName.isEmpty());
    // The save commands add the extension themselves, after asking about an existing file.
    ExpectDialog(main.N10, U("Сохранить как"), U("Сохранить"), QString());
    EXPECT_TRUE(main.FileName.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath()); // left where it was
    EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(RealFileDialogs, openTakesANameTypedWithoutItsExtension) {
    TMainForm& main = StartWithDialogs();
    const QString path = CopyOfData("four-channel.dv3", U("план цеха.dv3"));
    // The dialog starts in the folder it was last in, so the name is typed with its folder.
    const QString typed = path.chopped(4);
    const bool seen = InspectModal<QFileDialog>([&main] { main.FileOpen1->trigger(); },
                                                [&typed](QFileDialog& dialog) {
                                                    auto* name = dialog.findChild<QLineEdit*>(
                                                        QStringLiteral("fileNameEdit"));
                                                    ASSERT_NE(name, nullptr);
                                                    name->setText(typed);
                                                    // What the dialog's own button does.
                                                    QMetaObject::invokeMethod(&dialog, "accept");
                                                });
    EXPECT_TRUE(seen);
    EXPECT_EQ(main.FileName, path);
    EXPECT_EQ(main.ChannelCount, 4);
    EXPECT_TRUE(messages.Shown.empty());
}
