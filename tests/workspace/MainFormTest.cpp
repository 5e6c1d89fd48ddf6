#include "WorkspaceTestSupport.h"

#include "SendArray.h"
#include "Settings.h"
#include "TAboutBox.h"
#include "THeaderForm.h"
#include "TPrintForm.h"
#include "TSendForm.h"
#include "TVarForm.h"

#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <ostream>

using Messages::Answer;

namespace {

QStringList MenuItems(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return items;
}

QList<QAction*> ProgramActions(const TMainForm& main) {
    return {main.Cyclogramm1, main.Insert1, main.Edit1,      main.Erase1,
            main.Send1,       main.Vars1,   main.FilePrint1, main.SetupItem};
}

void ExpectProgramActions(const TMainForm& main, bool enabled) {
    for (const QAction* action : ProgramActions(main))
        EXPECT_EQ(action->isEnabled(), enabled) << action->objectName().toStdString();
}

using MainForm = WorkspaceTest;

} // namespace

// ---- start

TEST_F(MainForm, startsWithAnEmptyTwelveChannelDocumentAndNoWindow) {
    TMainForm& main = Start();
    EXPECT_EQ(main.windowTitle(), U("КРЖ-12 ДУВ Технолога"));
    EXPECT_EQ(main.ChannelCount, 12);
    EXPECT_TRUE(main.FileName.isEmpty());
    EXPECT_TRUE(main.PortName.isEmpty()); // no settings file in the working folder
    EXPECT_TRUE(Windows().isEmpty());
    EXPECT_FALSE(main.FileSave1->isEnabled());
    ExpectProgramActions(main, false);
    EXPECT_FALSE(main.InsertItem->isEnabled());
    EXPECT_TRUE(main.N121->isChecked());
    EXPECT_FALSE(main.N41->isChecked());
    EXPECT_TRUE(main.AvItem1->isEnabled());
    for (const std::string& line : main.Header)
        EXPECT_TRUE(line.empty());
    for (int slot = 0; slot < TDuvProgs::ProgCount; ++slot)
        EXPECT_EQ(main.Progs.Prog(slot).Defined, 0);
    EXPECT_EQ(main.Progs.Prog(0).Name, Cp1251Literal("Основная рабочая программа"));
    EXPECT_EQ(main.centralWidget(), main.MdiArea);
    // The forms exist from the start, hidden until asked for.
    ASSERT_TRUE(main.AboutBox && main.EditOpForm && main.ZoneForm && main.VarForm);
    EXPECT_FALSE(main.EditOpForm->isVisible());
    EXPECT_FALSE(main.ZoneForm->isVisible());
}

TEST_F(MainForm, menusHoldTheCommandsInTheirOrder) {
    TMainForm& main = Start();
    QStringList titles;
    for (const QAction* action : main.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({U("&Тип прибора"), U("&Файл"), U("&Режим"), U("&Сервис"),
                                   U("Р&едактирование"), U("&Окно"), U("&Помощь")}));
    const auto menu = [&](int i) { return main.menuBar()->actions().at(i)->menu(); };
    EXPECT_EQ(MenuItems(menu(0)), QStringList({U("КРЖ-&4"), U("КРЖ-&12")}));
    EXPECT_EQ(MenuItems(menu(1)),
              QStringList({U("&Создать"), U("&Открыть"), U("&Сохранить"), U("Сохранить &как..."),
                           U("-"), U("&Печать"), U("-"), U("&Выход")}));
    EXPECT_EQ(MenuItems(menu(2)), QStringList({U("&Рабочий"), U("&Прогрев"), U("Аварийный 1")}));
    EXPECT_EQ(MenuItems(main.AvItem1->menu()),
              QStringList({U("Аварийный 1.1"), U("Аварийный 1.2"), U("Аварийный 1.3")}));
    for (QAction* item : {main.AvItem11, main.AvItem12, main.AvItem13})
        EXPECT_EQ(MenuItems(item->menu()),
                  QStringList({U("Задание операций режима"), U("Время действия режима")}));
    EXPECT_EQ(main.AvItem11->menu()->actions(), QList<QAction*>({main.N18, main.N22}));
    EXPECT_EQ(main.AvItem12->menu()->actions(), QList<QAction*>({main.N20, main.N23}));
    EXPECT_EQ(main.AvItem13->menu()->actions(), QList<QAction*>({main.N21, main.N24}));
    EXPECT_EQ(MenuItems(menu(3)), QStringList({U("&Циклограмма"), U("-"), U("&Протокол настройки"),
                                               U("П&еременные"), U("-"), U("&Отправить")}));
    EXPECT_EQ(main.SetupItem->menu()->actions(), QList<QAction*>({main.HeadItem, main.FilePrint1}));
    EXPECT_EQ(MenuItems(menu(4)),
              QStringList({U("&Добавить"), U("&Редактировать"), U("&Удалить")}));
    EXPECT_EQ(MenuItems(menu(5)),
              QStringList({U("&Каскад"), U("&Горизонтально"), U("&Вертикально"), U("&Свернуть")}));
    EXPECT_EQ(MenuItems(menu(6)), QStringList({U("Руководство пользователя"), U("&Справка"), U("-"),
                                               U("&О программе")}));
    // The action keeps its own caption; only the menu spells it right.
    EXPECT_EQ(main.Insert1->text(), U("&Добовить"));
}

TEST_F(MainForm, toolbarCarriesTheActionsWithTheirPictures) {
    TMainForm& main = Start();
    const QList<QAction*> expected{
        main.FileNew1,   main.FileOpen1, main.FileSave1,   nullptr,
        main.FilePrint1, nullptr,        main.Cyclogramm1, main.Vars1,
        nullptr,         main.Send1,     nullptr,          main.Insert1,
        main.Edit1,      main.Erase1,    nullptr,          main.HelpAbout1};
    const QList<QAction*> actions = main.ToolBar1->actions();
    ASSERT_EQ(actions.size(), expected.size());
    for (int i = 0; i < actions.size(); ++i) {
        if (expected[i]) {
            EXPECT_EQ(actions[i], expected[i]) << i;
            EXPECT_FALSE(actions[i]->icon().isNull()) << i;
        } else {
            EXPECT_TRUE(actions[i]->isSeparator()) << i;
        }
    }
}

namespace {
struct ActionText {
    const char* name;
    const char* hint;
    QKeySequence shortcut;
};

inline void PrintTo(const ActionText& c, std::ostream* os) {
    *os << c.name;
}
} // namespace

class MainFormActions : public WorkspaceTest, public ::testing::WithParamInterface<ActionText> {};

TEST_P(MainFormActions, showTheirHintInTheStatusBarAndAsTip) {
    TMainForm& main = Start();
    const ActionText& expected = GetParam();
    auto* action = main.findChild<QAction*>(QLatin1String(expected.name));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->statusTip(), U(expected.hint));
    if (*expected.hint)
        EXPECT_EQ(action->toolTip(), U(expected.hint));
    EXPECT_EQ(action->shortcut(), expected.shortcut);
    // What the status bar shows while the pointer rests on the item.
    if (*expected.hint) {
        action->showStatusText(main.MdiArea); // what a menu or toolbar does under the pointer
        EXPECT_EQ(main.statusBar()->currentMessage(), U(expected.hint));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hints, MainFormActions,
    ::testing::Values(
        ActionText{"FileNew1", "Создать новый файл", QKeySequence(Qt::CTRL | Qt::Key_N)},
        ActionText{"FileOpen1", "Открыть существующий файл", QKeySequence(Qt::CTRL | Qt::Key_O)},
        ActionText{"FileSave1", "Сохранить текущий файл", QKeySequence(Qt::CTRL | Qt::Key_S)},
        ActionText{"N10", "Сохранить текущий файл под другим именем", {}},
        ActionText{"FilePrint1", "Печать текущего файла", {}},
        ActionText{"FileExit1", "Закрыть это приложение", {}},
        ActionText{"WorkModeItem", "Основной рабочий режим", {}},
        ActionText{"HotModeItem", "Режим прогрева", {}},
        ActionText{"AvItem1", "Авария 1-го рода", {}},
        ActionText{"Cyclogramm1", "Графическое представление расписания работ", {}},
        ActionText{"SetupItem", "Протокол настройки", {}},
        ActionText{"Vars1", "Просмотр массива данных для отправки", {}},
        ActionText{"Send1", "Загрузить в последовательный порт", {}},
        ActionText{"Insert1", "Добавить операцию", {}},
        ActionText{"InsertItem", "Добавить операцию", {}},
        ActionText{"Edit1", "Редактировать операцию", {}},
        ActionText{"Erase1", "Удалить операцию", {}}, ActionText{"WindowCascade1", "Cascade", {}},
        ActionText{"WindowTileHorizontal1", "Tile Horizontally", {}},
        ActionText{"WindowTileVertical1", "Tile Vertically", {}},
        ActionText{"WindowMinimizeAll1", "Minimize All", {}},
        ActionText{"HelpAbout1", "Руководство пользователя", {}},
        ActionText{"AboutItem", "Вывести информацию об этой программе", {}},
        // Items without a hint of their own.
        ActionText{"N17", "", {}}, ActionText{"HeadItem", "", {}}));

// ---- New

TEST_F(MainForm, newOpensTheMainProgramInAFreshTwelveChannelDocument) {
    TMainForm& main = Start();
    main.ChannelCount = 4;
    main.FileName = Path(QStringLiteral("old.dv3"));
    main.Header[3] = "x";
    main.Progs.Prog(2).Defined = 1;
    main.FileNew1->trigger();

    EXPECT_EQ(main.windowTitle(), U("КРЖ-12 ДУВ Технолога"));
    EXPECT_EQ(main.ChannelCount, 12);
    EXPECT_TRUE(main.FileName.isEmpty());
    EXPECT_EQ(main.PortName, U("COM2"));
    EXPECT_TRUE(main.Header[3].empty());
    EXPECT_EQ(main.Progs.Prog(2).Defined, 0);
    EXPECT_EQ(main.Progs.Prog(0).Defined, 1); // showing the main program made it part of it
    EXPECT_EQ(WindowTitles(), QStringList({U("Основная рабочая программа")}));
    ExpectProgramActions(main, true);
    EXPECT_FALSE(main.FileSave1->isEnabled());
    EXPECT_TRUE(main.N121->isChecked());
    EXPECT_TRUE(main.AvItem1->isEnabled());
    TMDIChild* window = Window(0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Rows(*window), QList<QStringList>({QStringList(5, QString())}));
    EXPECT_EQ(window->Changed, 1);
}

TEST_F(MainForm, newAsksEveryChangedWindowAndStopsWhenOneStaysOpen) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    for (TMDIChild* window : Windows())
        window->MarkChanged();
    Answer({Answer::No, Answer::Cancel});
    main.FileNew1->trigger();
    ASSERT_EQ(messages.Shown.size(), 2u);
    EXPECT_EQ(messages.Shown[0].Text, U("Сохранить изменения?"));
    EXPECT_EQ(messages.Shown[0].Kind, Messages::Buttons::YesNoCancel);
    EXPECT_EQ(messages.Shown[0].Caption, U("Основная рабочая программа"));
    // The window that refused keeps its document: nothing was replaced.
    EXPECT_EQ(Windows().size(), 3);
    EXPECT_EQ(main.Progs.Prog(0).Op(11).Channel, 12);
    EXPECT_FALSE(main.FileName.isEmpty());
}

namespace {
struct ReplacingCommand {
    const char* action;  // a command that closes the program windows to replace the document
    int questionsBefore; // questions answered before the window that refuses: the switch asks first
};

inline void PrintTo(const ReplacingCommand& c, std::ostream* os) {
    *os << c.action;
}
} // namespace

class MainFormRefusedClose : public WorkspaceTest,
                             public ::testing::WithParamInterface<ReplacingCommand> {};

TEST_P(MainFormRefusedClose, keepsTheDocumentWhenAWindowStaysOpen) {
    TMainForm& main = Start();
    const QString path = CopyOfData("twelve-channel.dv3");
    OpenDocument(path);
    Window(2)->MarkChanged();
    const TDuvProgs before = main.Progs;
    openAnswers.push_back(CopyOfData("four-channel.dv3"));
    if (GetParam().questionsBefore > 0)
        Answer({Answer::Yes});
    Answer({Answer::Cancel});
    main.findChild<QAction*>(QLatin1String(GetParam().action))->trigger();

    ASSERT_EQ(messages.Shown.size(), static_cast<std::size_t>(GetParam().questionsBefore + 1));
    EXPECT_EQ(messages.Shown.back().Text, U("Сохранить изменения?"));
    // The closed windows are gone, the document and the one that refused stay.
    EXPECT_NE(Window(2), nullptr);
    EXPECT_EQ(Window(2)->Changed, 1);
    EXPECT_EQ(openAsked, 1); // only for the document opened above
    EXPECT_EQ(main.FileName, path);
    EXPECT_EQ(main.ChannelCount, 12);
    EXPECT_TRUE(main.N121->isChecked());
    EXPECT_EQ(main.windowTitle(), U("КРЖ-12 ДУВ Технолога ") + path);
    EXPECT_EQ(main.Progs.Prog(0).Op(11).Channel, before.Prog(0).Op(11).Channel);
    EXPECT_EQ(main.Progs.Prog(2).Defined, 1);
    EXPECT_TRUE(main.FileSave1->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Commands, MainFormRefusedClose,
                         ::testing::Values(ReplacingCommand{"FileNew1", 0},  // New
                                           ReplacingCommand{"FileOpen1", 0}, // Open
                                           ReplacingCommand{"N41", 1}));     // switch to 4, Yes

// ---- Open

namespace {
struct OpenCase {
    const char* file;
    int channelCount;
    bool fourChannels;
    std::vector<const char*> titles; // topmost first
};

inline void PrintTo(const OpenCase& c, std::ostream* os) {
    *os << c.file;
}
} // namespace

class MainFormOpen : public WorkspaceTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(MainFormOpen, readsTheDocumentAndOpensItsDefinedPrograms) {
    TMainForm& main = Start();
    const OpenCase& c = GetParam();
    const QString path = CopyOfData(c.file);
    main.FileNew1->trigger();
    Answer({Answer::No});
    OpenDocument(path);

    EXPECT_EQ(openAsked, 1);
    EXPECT_EQ(MessageTexts(), QStringList({U("Сохранить изменения?")})); // the new document's
    EXPECT_EQ(main.FileName, path);
    EXPECT_EQ(main.ChannelCount, c.channelCount);
    EXPECT_EQ(main.windowTitle(),
              (c.fourChannels ? U("КРЖ-4 ДУВ Технолога ") : U("КРЖ-12 ДУВ Технолога ")) + path);
    EXPECT_EQ(main.N41->isChecked(), c.fourChannels);
    EXPECT_EQ(main.N121->isChecked(), !c.fourChannels);
    EXPECT_EQ(main.AvItem1->isEnabled(), !c.fourChannels);
    QStringList titles;
    for (const char* title : c.titles)
        titles << U(title);
    EXPECT_EQ(WindowTitles(), titles);
    // The program commands are there even when no window opened.
    ExpectProgramActions(main, true);
    TDuvDocument doc = ReadBack(path);
    EXPECT_EQ(main.Header, doc.Header);
    EXPECT_EQ(main.Progs.Prog(0).Op(0).Name, doc.Progs.Prog(0).Op(0).Name);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, MainFormOpen,
    ::testing::Values(
        // 4 channels: main and preheating defined, the main program on top.
        OpenCase{"four-channel.dv3", 4, true, {"Основная рабочая программа", "Прогрев"}},
        // 12 channels: three emergency programs whose titles show their zones.
        OpenCase{"twelve-channel.dv3",
                 12,
                 false,
                 {"Основная рабочая программа", "Аварийная программа 1.1  (1:30,0 - 2:0,0)",
                  "Аварийная программа 1.2  (интервал не определен)",
                  "Аварийная программа 1.3  (2:30,0 - 546:7,5)"}},
        // A first line of 7 is the 12-channel device, but the count stays 7.
        OpenCase{"first-line-7.dv3", 7, false, {"Основная рабочая программа"}},
        // Nothing defined: no window at all.
        OpenCase{"none-defined.dv3", 12, false, {}}));

TEST_F(MainForm, openOfABrokenFileReportsItAndKeepsTheDocument) {
    TMainForm& main = Start();
    const QString path = CopyOfData("four-channel.dv3");
    OpenDocument(path);
    const TDuvProgs progs = main.Progs;
    const THeader header = main.Header;
    const QString title = main.windowTitle();

    for (const QString& broken : {DataFile("truncated.dv3"), Path(U("нет такого.dv3"))}) {
        messages.Shown.clear();
        OpenDocument(broken);
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(messages.Shown[0].Caption, U("Ошибка"));
        EXPECT_TRUE(messages.Shown[0].Text.contains(broken))
            << messages.Shown[0].Text.toStdString();
        EXPECT_EQ(main.FileName, path);
        EXPECT_EQ(main.ChannelCount, 4);
        EXPECT_EQ(main.Header, header);
        EXPECT_EQ(main.Progs.Prog(0).Op(2).Name, progs.Prog(0).Op(2).Name);
        EXPECT_EQ(main.Progs.Prog(1).Defined, 1);
        EXPECT_EQ(main.windowTitle(), title);
        EXPECT_TRUE(main.N41->isChecked());
        // The windows were closed before the file was chosen.
        EXPECT_TRUE(Windows().isEmpty());
    }
}

TEST_F(MainForm, documentNamedAtStartOpensWithoutTheDialog) {
    TMainForm& main = Start();
    const QString path = CopyOfData("four-channel.dv3", U("из командной строки.dv3"));
    EXPECT_TRUE(main.OpenDocument(path));
    EXPECT_EQ(openAsked, 0);
    EXPECT_EQ(main.FileName, path);
    EXPECT_EQ(Windows().size(), 2);
    EXPECT_FALSE(main.OpenDocument(Path(U("нет.dv3"))));
    EXPECT_EQ(main.FileName, path);
    EXPECT_EQ(messages.Shown.size(), 1u);
}

TEST_F(MainForm, openCancelledClosesTheWindowsOnly) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    Answer({Answer::No});
    main.FileOpen1->trigger(); // no answer queued: the dialog is cancelled
    EXPECT_EQ(openAsked, 1);
    EXPECT_TRUE(Windows().isEmpty());
    EXPECT_EQ(main.Progs.Prog(0).Defined, 1);
    EXPECT_EQ(main.windowTitle(), U("КРЖ-12 ДУВ Технолога"));
    // The last window took the program commands and saving with it.
    ExpectProgramActions(main, false);
    EXPECT_FALSE(main.FileSave1->isEnabled());
}

TEST_F(MainForm, forwardedCommandsDoNothingWithoutAProgramWindow) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("none-defined.dv3"));
    ASSERT_TRUE(Windows().isEmpty());
    for (QAction* action : {main.Insert1, main.Edit1, main.Erase1, main.Cyclogramm1}) {
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_FALSE(main.EditOpForm->isVisible());
    EXPECT_EQ(main.Progs.Prog(0).Op(0).Channel, 0);
}

// ---- Save and Save As

TEST_F(MainForm, saveWithANameWritesWithoutAsking) {
    TMainForm& main = Start();
    const QString path = CopyOfData("four-channel.dv3", U("план цеха.dv3"));
    OpenDocument(path);
    Window(0)->MarkChanged();
    main.Progs.Prog(0).Op(0).Name = Cp1251Literal("Новое имя");
    main.FileSave1->trigger();

    EXPECT_EQ(saveAsked, 0);
    EXPECT_FALSE(main.FileSave1->isEnabled());
    for (TMDIChild* window : Windows())
        EXPECT_EQ(window->Changed, 0);
    EXPECT_EQ(main.windowTitle(), U("КРЖ-4 ДУВ Технолога ") + path);
    const TDuvDocument expected{main.ChannelCount, main.Header, main.Progs};
    EXPECT_EQ(FileBytes(path), DocumentFile::Serialize(expected));
}

namespace {
struct SaveName {
    const char* chosen;
    const char* written;
};

inline void PrintTo(const SaveName& c, std::ostream* os) {
    *os << c.chosen;
}
} // namespace

class MainFormSaveName : public WorkspaceTest, public ::testing::WithParamInterface<SaveName> {};

TEST_P(MainFormSaveName, addsTheExtensionOnlyWhenItIsMissing) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    saveAnswers.push_back(Path(U(GetParam().chosen)));
    EXPECT_TRUE(main.SaveDocument());
    const QString written = Path(U(GetParam().written));
    EXPECT_EQ(saveAsked, 1);
    EXPECT_EQ(main.FileName, written);
    EXPECT_TRUE(QFileInfo::exists(written));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({U(GetParam().written)}));
    EXPECT_EQ(main.windowTitle(), U("КРЖ-12 ДУВ Технолога ") + written);
    EXPECT_EQ(ReadBack(written).Progs.Prog(0).Defined, 1);
}

INSTANTIATE_TEST_SUITE_P(Names, MainFormSaveName,
                         ::testing::Values(SaveName{"plan", "plan.dv3"}, // the extension is added
                                           SaveName{"plan.dv3", "plan.dv3"}, // and not added twice
                                           SaveName{"План.DV3", "План.DV3"}, // in any letter case
                                           SaveName{"plan.txt",
                                                    "plan.txt.dv3"}, // another extension is kept
                                           SaveName{"с пробелом", "с пробелом.dv3"}));

TEST_F(MainForm, saveCancelledWritesNothing) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    Window(0)->MarkChanged();
    EXPECT_FALSE(main.SaveDocument());
    main.FileSave1->trigger();
    EXPECT_EQ(saveAsked, 2);
    EXPECT_TRUE(main.FileName.isEmpty());
    EXPECT_TRUE(main.FileSave1->isEnabled());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(MainForm, saveAsksBeforeReplacingAFileThatOnlyTheExtensionHits) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    const QString existing = CopyOfData("four-channel.dv3", QStringLiteral("plan.dv3"));
    const std::string before = FileBytes(existing);

    saveAnswers.push_back(Path(QStringLiteral("plan")));
    Answer({Answer::No});
    EXPECT_FALSE(main.SaveDocument());
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Caption, U("Предупреждение"));
    EXPECT_EQ(messages.Shown[0].Kind, Messages::Buttons::YesNo);
    EXPECT_EQ(FileBytes(existing), before);
    EXPECT_TRUE(main.FileName.isEmpty());

    saveAnswers.push_back(Path(QStringLiteral("plan")));
    Answer({Answer::Yes});
    EXPECT_TRUE(main.SaveDocument());
    EXPECT_EQ(main.FileName, existing);
    EXPECT_EQ(ReadBack(existing).ChannelCount, 12);
}

TEST_F(MainForm, saveAsAlwaysAsksAndSwitchesToTheNewName) {
    TMainForm& main = Start();
    const QString first = CopyOfData("twelve-channel.dv3");
    OpenDocument(first);
    for (TMDIChild* window : Windows())
        window->MarkChanged();

    main.N10->trigger(); // cancelled
    EXPECT_EQ(saveAsked, 1);
    EXPECT_EQ(main.FileName, first);
    EXPECT_TRUE(main.FileSave1->isEnabled());

    saveAnswers.push_back(Path(U("копия")));
    main.N10->trigger();
    const QString copy = Path(U("копия.dv3"));
    EXPECT_EQ(saveAsked, 2);
    EXPECT_EQ(main.FileName, copy);
    EXPECT_EQ(main.windowTitle(), U("КРЖ-12 ДУВ Технолога ") + copy);
    EXPECT_FALSE(main.FileSave1->isEnabled());
    for (TMDIChild* window : Windows())
        EXPECT_EQ(window->Changed, 0);
    EXPECT_EQ(FileBytes(copy), FileBytes(first));
}

TEST_F(MainForm, aFailedSaveIsReportedAndLeavesTheDocumentUnsaved) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    Window(0)->MarkChanged();
    const QString unreachable = Path(U("нет папки/план"));

    saveAnswers.push_back(unreachable);
    EXPECT_FALSE(main.SaveDocument());
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Caption, U("Ошибка"));
    EXPECT_TRUE(messages.Shown[0].Text.contains(unreachable + U(".dv3")))
        << messages.Shown[0].Text.toStdString();
    EXPECT_TRUE(main.FileName.isEmpty());
    EXPECT_TRUE(main.FileSave1->isEnabled());
    EXPECT_EQ(Window(0)->Changed, 1);
    EXPECT_EQ(main.windowTitle(), U("КРЖ-12 ДУВ Технолога"));

    // A document with a name whose folder has gone: the name stays, the failure is told.
    main.FileName = unreachable + U(".dv3");
    messages.Shown.clear();
    main.FileSave1->trigger();
    EXPECT_EQ(messages.Shown.size(), 1u);
    EXPECT_TRUE(main.FileSave1->isEnabled());
    EXPECT_EQ(Window(0)->Changed, 1);
    EXPECT_EQ(main.FileName, unreachable + U(".dv3"));
}

// ---- the device type

namespace {
struct DeviceSwitch {
    const char* item;      // N41 or N121
    int startCount;        // ChannelCount before
    bool withWindow;       // a program window is open
    Answer answer;         // to the question, when there is one
    bool asks;             // a question comes up
    int endCount;          // ChannelCount after
    bool documentReplaced; // the document became a new unnamed one
    const char* title;     // the title after, without a file name
    bool titleHasFileName;
};

inline void PrintTo(const DeviceSwitch& c, std::ostream* os) {
    static const char* const answers[] = {"Ok", "Yes", "No", "Cancel"};
    *os << c.item << " from " << c.startCount << (c.withWindow ? " with window, " : " no window, ")
        << answers[static_cast<int>(c.answer)];
}
} // namespace

class MainFormDevice : public WorkspaceTest, public ::testing::WithParamInterface<DeviceSwitch> {};

TEST_P(MainFormDevice, switchesTheDeviceType) {
    TMainForm& main = Start();
    const DeviceSwitch& c = GetParam();
    const QString path = CopyOfData("twelve-channel.dv3");
    OpenDocument(path);
    if (!c.withWindow) {
        for (TMDIChild* window : Windows())
            window->close(); // unchanged: no question
        ASSERT_TRUE(messages.Shown.empty());
    }
    main.ChannelCount = c.startCount;
    Answer({c.answer});
    main.findChild<QAction*>(QLatin1String(c.item))->trigger();

    ASSERT_EQ(messages.Shown.size(), c.asks ? 1u : 0u);
    if (c.asks) {
        EXPECT_EQ(messages.Shown[0].Caption, U("Предупреждение"));
        EXPECT_EQ(messages.Shown[0].Kind, Messages::Buttons::YesNo);
        EXPECT_EQ(messages.Shown[0].Text,
                  QLatin1String(c.item) == QLatin1String("N41")
                      ? U("Эти изменения приведут к потере информации о режимах. Продолжить?")
                      : U("Станут доступными для модификации аварийные режимы и операции с "
                          "каналом больше 4. Продолжить?"));
    }
    EXPECT_EQ(main.ChannelCount, c.endCount);
    EXPECT_EQ(main.N41->isChecked(), c.endCount == 4);
    EXPECT_EQ(main.N121->isChecked(), c.endCount != 4);
    EXPECT_EQ(main.AvItem1->isEnabled(), c.endCount != 4);
    if (c.documentReplaced) {
        EXPECT_TRUE(main.FileName.isEmpty());
        EXPECT_EQ(WindowTitles(), QStringList({U("Основная рабочая программа")}));
        EXPECT_EQ(main.Progs.Prog(0).Op(0).Channel, 0);
        EXPECT_EQ(main.Progs.Prog(2).Defined, 0);
        ExpectProgramActions(main, true);
    } else {
        EXPECT_EQ(main.FileName, path);
        // Operations on channels above 4 stay in the program set.
        EXPECT_EQ(main.Progs.Prog(0).Op(11).Channel, 12);
    }
    EXPECT_EQ(main.windowTitle(), U(c.title) + (c.titleHasFileName ? path : QString()));
}

INSTANTIATE_TEST_SUITE_P(
    Switches, MainFormDevice,
    ::testing::Values(
        // To 4 with a window: Yes replaces the document, No changes nothing.
        DeviceSwitch{"N41", 12, true, Answer::Yes, true, 4, true, "КРЖ-4 ДУВ Технолога", false},
        DeviceSwitch{"N41", 12, true, Answer::No, true, 12, false, "КРЖ-12 ДУВ Технолога ", true},
        // To 4 without a window: no question, the programs stay.
        DeviceSwitch{"N41", 12, false, Answer::No, false, 4, false, "КРЖ-4 ДУВ Технолога", false},
        // Already 4: nothing.
        DeviceSwitch{"N41", 4, true, Answer::Yes, false, 4, false, "КРЖ-12 ДУВ Технолога ", true},
        // To 12 with a window: asked; Yes switches and keeps the document and its name.
        DeviceSwitch{"N121", 4, true, Answer::Yes, true, 12, false, "КРЖ-12 ДУВ Технолога ", true},
        DeviceSwitch{"N121", 4, true, Answer::No, true, 4, false, "КРЖ-12 ДУВ Технолога ", true},
        // To 12 without a window: no question.
        DeviceSwitch{"N121", 4, false, Answer::No, false, 12, false, "КРЖ-12 ДУВ Технолога ", true},
        // A count of 7 (from a file) is not 12: the switch runs.
        DeviceSwitch{"N121", 7, false, Answer::No, false, 12, false, "КРЖ-12 ДУВ Технолога ", true},
        // Already 12: nothing.
        DeviceSwitch{"N121", 12, true, Answer::Yes, false, 12, false, "КРЖ-12 ДУВ Технолога ",
                     true}));

TEST_F(MainForm, switchToTwelveWithoutAFileNameKeepsTheTrailingBlank) {
    TMainForm& main = Start();
    main.N41->trigger();
    EXPECT_EQ(main.windowTitle(), U("КРЖ-4 ДУВ Технолога"));
    main.N121->trigger();
    EXPECT_EQ(main.windowTitle(), U("КРЖ-12 ДУВ Технолога "));
    EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(MainForm, emergencyMenuFollowsTheDeviceAcrossOpenAndNew) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    EXPECT_FALSE(main.AvItem1->isEnabled());
    Answer({Answer::No, Answer::No});
    main.FileNew1->trigger();
    EXPECT_TRUE(main.AvItem1->isEnabled());
}

// ---- the programs

TEST_F(MainForm, modeMenuShowsEachProgramInOneWindow) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    main.HotModeItem->trigger();
    main.N18->trigger();
    main.N20->trigger();
    main.N21->trigger();
    main.WorkModeItem->trigger();
    main.HotModeItem->trigger();
    EXPECT_EQ(Windows().size(), 5);
    EXPECT_EQ(main.ActiveProgramWindow(), Window(1));
    EXPECT_EQ(Window(1)->windowTitle(), U("Прогрев"));
    EXPECT_EQ(Window(2)->windowTitle(), U("Аварийная программа 1.1  (интервал не определен)"));
    EXPECT_EQ(Window(4)->windowTitle(), U("Аварийная программа 1.3  (интервал не определен)"));
    for (int slot = 0; slot <= 4; ++slot)
        EXPECT_EQ(main.Progs.Prog(slot).Defined, 1) << slot;
    EXPECT_TRUE(main.FileSave1->isEnabled()); // the new programs are changes of the document
}

TEST_F(MainForm, modeMenuEnablesTheProgramCommands) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    Answer({Answer::No, Answer::No});
    for (TMDIChild* window : Windows())
        window->close();
    ExpectProgramActions(main, false);
    main.WorkModeItem->trigger();
    ExpectProgramActions(main, true);
    // Shown again, the table lists the program as it is.
    EXPECT_EQ(Window(0)->sgrid->rowCount(), 4);
}

TEST_F(MainForm, timeOfActionNeedsAnOpenWindowOfTheProgram) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    Window(3)->close();
    ASSERT_EQ(main.Progs.Prog(3).Defined, 1);
    main.N23->trigger();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Требуемый аварийный режим не определен."));
    EXPECT_EQ(messages.Shown[0].Caption, U("Ошибка"));
    EXPECT_FALSE(main.ZoneForm->isVisible());

    main.N24->trigger();
    EXPECT_EQ(messages.Shown.size(), 1u);
    EXPECT_TRUE(main.ZoneForm->isVisible());
    EXPECT_EQ(main.ZoneForm->ProgIndex, 4);
    EXPECT_EQ(main.ZoneForm->Requester.data(), Window(4));
    EXPECT_EQ(main.ActiveProgramWindow(), Window(4));
    EXPECT_EQ(main.ZoneForm->OnMin->text(), U("2"));
    EXPECT_EQ(main.ZoneForm->OnSec->text(), U("30"));
}

TEST_F(MainForm, timeOfActionAppliesTheZoneToItsProgram) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    main.N22->trigger();
    TZoneForm& zone = *main.ZoneForm;
    TypeInto(zone.OnMin, QStringLiteral("0"));
    TypeInto(zone.OnSec, QStringLiteral("10"));
    TypeInto(zone.OffMin, QStringLiteral("1"));
    TypeInto(zone.OffSec, QStringLiteral("0"));
    // Another window comes forward while the dialog is open: the zone still goes to 1.1.
    main.WorkModeItem->trigger();
    QTest::mouseClick(zone.BitBtn2, Qt::LeftButton);
    EXPECT_TRUE(messages.Shown.empty());
    EXPECT_FALSE(zone.isVisible());
    EXPECT_TRUE(zone.Applied);
    EXPECT_EQ(main.Progs.Prog(2).ZoneStart, TMyTime(20));
    EXPECT_EQ(main.Progs.Prog(2).ZoneStop, TMyTime(120));
    EXPECT_EQ(Window(2)->windowTitle(), U("Аварийная программа 1.1  (0:10,0 ... 1:0,0)"));
    EXPECT_EQ(Window(2)->Changed, 1);
    EXPECT_EQ(Window(0)->Changed, 0);
    EXPECT_TRUE(main.FileSave1->isEnabled());
    EXPECT_EQ(main.ActiveProgramWindow(), Window(2));
}

// ---- other forms

TEST_F(MainForm, variablesShowTheSendArrayOfTheProgramSet) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    main.SendArray.fill(0);
    main.Vars1->trigger();
    EXPECT_EQ(main.SendArray, SendArray::Build(main.Progs));
    EXPECT_TRUE(main.VarForm->isVisible());
    EXPECT_EQ(main.VarForm->windowTitle(), U("Переменные"));
    // An empty line, two lines and an empty one per program block, then the zones: 17 lines.
    const QStringList lines = main.VarForm->Memo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 17);
    const auto entry = [&main](int word) {
        return QStringLiteral("%1 %2  ")
            .arg(main.SendArray[word], 4, 16, QLatin1Char('0'))
            .arg(main.SendArray[word + 1], 4, 16, QLatin1Char('0'))
            .toUpper();
    };
    for (int block = 0; block < 5; ++block) {
        EXPECT_TRUE(lines[3 * block].isEmpty()) << block;
        for (int half = 0; half < 2; ++half) {
            QString expected;
            for (int channel = 0; channel < 8; ++channel)
                expected += entry(32 * block + 16 * half + 2 * channel);
            EXPECT_EQ(lines[3 * block + 1 + half], expected) << block << " " << half;
        }
    }
    EXPECT_TRUE(lines[15].isEmpty());
    EXPECT_EQ(lines[16], entry(160) + entry(162) + entry(164));
    EXPECT_EQ(lines[16], U("00B4 00F0  FFFF FFFF  012C FFFF  ")); // 1.2 has no zone
}

TEST_F(MainForm, sendWarnsAboutUndefinedZonesFirst) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3")); // zone 1.2 is not defined
    Answer({Answer::No});
    main.Send1->trigger();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Не определены аварии для зон: 2. Продолжить?"));
    EXPECT_EQ(messages.Shown[0].Caption, U("Предупреждение"));
    EXPECT_EQ(messages.Shown[0].Kind, Messages::Buttons::YesNo);
    EXPECT_FALSE(main.SendForm->isVisible());

    Answer({Answer::Yes});
    main.Send1->trigger();
    EXPECT_EQ(messages.Shown.size(), 2u);
    EXPECT_TRUE(main.SendForm->isVisible());
}

TEST_F(MainForm, sendForTheFourChannelDeviceAsksNothing) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    main.PortName = QStringLiteral("/dev/ttyS1");
    main.Send1->trigger();
    EXPECT_TRUE(messages.Shown.empty());
    ASSERT_TRUE(main.SendForm->isVisible());
    // The upload dialog works on the main window's port name.
    EXPECT_EQ(main.SendForm->ComboBox1->currentText(), U("/dev/ttyS1"));
}

TEST_F(MainForm, headerDialogEditsTheHeaderAndEnablesSaving) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    ASSERT_FALSE(main.FileSave1->isEnabled());
    main.HeadItem->trigger();
    THeaderForm& header = *main.HeaderForm;
    ASSERT_TRUE(header.isVisible());
    EXPECT_EQ(header.Edit1->text(), U("17"));
    TypeInto(header.Edit1, U("18"));
    QTest::mouseClick(header.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(header.isVisible());
    EXPECT_EQ(main.Header[0], "18");
    EXPECT_TRUE(main.FileSave1->isEnabled());
}

TEST_F(MainForm, printShowsTheProtocolOfTheDocument) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    bool previewed = false;
    // The preview runs its own loop; it is closed from inside it.
    QTimer::singleShot(0, &main, [&] {
        if (QPrintPreviewDialog* preview = main.PrintForm->Preview()) {
            previewed = preview->isVisible();
            preview->reject();
        }
    });
    main.FilePrint1->trigger();
    EXPECT_TRUE(previewed);
    EXPECT_GT(main.PrintForm->Protocol().Lines.size(), ProtocolLines::HeaderLines);
}

TEST_F(MainForm, aboutBoxShowsTheProductModally) {
    TMainForm& main = Start();
    bool seen = false;
    QTimer::singleShot(0, &main, [&] {
        TAboutBox& about = *main.AboutBox;
        seen = about.isVisible() && about.isModal();
        EXPECT_EQ(about.windowTitle(), U("О программе"));
        EXPECT_EQ(about.ProductName->text(), U("ДУВТ 2004"));
        EXPECT_EQ(about.Version->text(), U("Версия 3.1"));
        EXPECT_EQ(about.Comments->text().count(QLatin1Char('\n')), 3);
        EXPECT_FALSE(about.ProgramIcon->pixmap().isNull());
        QTest::mouseClick(about.BitBtn1, Qt::LeftButton);
    });
    main.AboutItem->trigger();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(main.AboutBox->isVisible());
}

// ---- help

TEST_F(MainForm, helpCommandsOpenTheirPagesFromTheProgramFolder) {
    TMainForm& main = Start();
    main.N17->trigger();
    main.HelpAbout1->trigger();
    ASSERT_EQ(helpPages.size(), 2u);
    const QDir binDir(QStringLiteral(DUVT_BIN_DIR));
    EXPECT_EQ(helpPages[0],
              QUrl::fromLocalFile(binDir.absoluteFilePath(QStringLiteral("index1.htm"))));
    EXPECT_EQ(helpPages[1],
              QUrl::fromLocalFile(binDir.absoluteFilePath(QStringLiteral("index2.htm"))));
    for (const QUrl& page : helpPages) {
        const std::string html = FileBytes(page.toLocalFile());
        EXPECT_NE(html.find("charset=\"utf-8\""), std::string::npos);
        EXPECT_NE(html.find("lang=\"ru\""), std::string::npos);
    }
    EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(MainForm, helpThatCannotBeShownIsReported) {
    TMainForm& main = Start();
    helpOpens = false;
    main.N17->trigger();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Caption, U("Ошибка"));
    EXPECT_TRUE(messages.Shown[0].Text.contains(QStringLiteral("index1.htm")));
}

// ---- the window menu

TEST_F(MainForm, windowMenuArrangesTheProgramWindows) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    const QRect space = main.MdiArea->viewport()->rect();
    const QList<QMdiSubWindow*> windows = main.MdiArea->subWindowList();
    ASSERT_EQ(windows.size(), 4);

    main.WindowTileHorizontal1->trigger();
    for (QMdiSubWindow* window : windows) {
        EXPECT_EQ(window->width(), space.width());
        EXPECT_NEAR(window->height(), space.height() / 4, 1);
    }
    main.WindowTileVertical1->trigger();
    for (QMdiSubWindow* window : windows) {
        EXPECT_NEAR(window->width(), space.width() / 4, 1);
        EXPECT_EQ(window->height(), space.height());
    }
    main.WindowCascade1->trigger();
    QList<int> lefts;
    for (QMdiSubWindow* window : main.MdiArea->subWindowList(QMdiArea::StackingOrder))
        lefts << window->x();
    EXPECT_TRUE(std::is_sorted(lefts.begin(), lefts.end()) && lefts.front() < lefts.back());
    main.WindowMinimizeAll1->trigger();
    for (QMdiSubWindow* window : windows)
        EXPECT_TRUE(window->isMinimized());
    // A minimized program is brought back by its menu item.
    main.WorkModeItem->trigger();
    EXPECT_FALSE(Window(0)->isMinimized());
    EXPECT_EQ(main.ActiveProgramWindow(), Window(0));
}

// ---- exit and the settings file

TEST_F(MainForm, settingsFileGivesThePortNameAndTakesItBackOnExit) {
    {
        QFile ini(Path(QStringLiteral("duvt3.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("COM3\r\nignored\r\n");
    }
    TMainForm& main = Start();
    EXPECT_EQ(main.PortName, U("COM3"));
    main.PortName = QStringLiteral("/dev/ttyUSB0");
    main.FileExit1->trigger();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(FileBytes(Path(QStringLiteral("duvt3.ini"))), "/dev/ttyUSB0\r\n");
    EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(MainForm, newDocumentPutsCom2IntoTheSettings) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    Answer({Answer::No});
    EXPECT_TRUE(main.close());
    EXPECT_EQ(Settings::ReadPortName(Path(QStringLiteral("duvt3.ini"))), U("COM2"));
}

TEST_F(MainForm, exitAsksEveryChangedWindowAndCancelKeepsRunning) {
    TMainForm& main = Start();
    const QString path = CopyOfData("twelve-channel.dv3");
    OpenDocument(path);
    Window(0)->MarkChanged();
    Window(2)->MarkChanged();
    main.Progs.Prog(0).Op(0).Name = Cp1251Literal("Изменено");

    Answer({Answer::Cancel});
    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(messages.Shown.size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("duvt3.ini"))));

    // Yes saves the whole document, which clears the other window's question too.
    messages.Shown.clear();
    Answer({Answer::Yes});
    EXPECT_TRUE(main.close());
    EXPECT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Сохранить изменения?"));
    EXPECT_EQ(ReadBack(path).Progs.Prog(0).Op(0).Name, Cp1251Literal("Изменено"));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("duvt3.ini"))));
}
