#include "WorkspaceTestSupport.h"

#include "TCyclForm.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>

#include <ostream>

using Messages::Answer;

namespace {

using ProgramWindow = WorkspaceTest;

QStringList Headers(const TMDIChild& window) {
    QStringList headers;
    for (int column = 0; column < window.sgrid->columnCount(); ++column)
        headers << window.sgrid->horizontalHeaderItem(column)->text();
    return headers;
}

const QStringList EmptyRow(5, QString());

} // namespace

// ---- the table

TEST_F(ProgramWindow, newProgramShowsAnEmptyTableOfFiveColumns) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    TMDIChild& window = *Window(0);
    EXPECT_EQ(window.ProgIndex, 0);
    EXPECT_FALSE(window.JustCreated && window.isActiveWindow());
    EXPECT_EQ(Headers(window),
              QStringList({U("Операция"), U("Канал"), U("Вкл."), U("Длит."), U("Выкл.")}));
    QTableWidget& grid = *window.sgrid;
    EXPECT_EQ(grid.columnWidth(0), 287);
    EXPECT_EQ(grid.columnWidth(1), 55);
    EXPECT_EQ(grid.columnWidth(2), 56);
    EXPECT_EQ(grid.columnWidth(3), 56);
    // The last column takes what the others leave of the visible width.
    EXPECT_EQ(grid.columnWidth(4), grid.viewport()->width() - (287 + 55 + 56 + 56));
    EXPECT_EQ(grid.verticalHeader()->defaultSectionSize(), 16);
    EXPECT_EQ(grid.rowHeight(0), 16);
    EXPECT_FALSE(grid.verticalHeader()->isVisible());
    EXPECT_EQ(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(Rows(window), QList<QStringList>({EmptyRow}));
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_TRUE(window.testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(ProgramWindow, lastColumnFollowsTheWindowWidth) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    TMDIChild& window = *Window(0);
    window.resize(800, 300);
    QTest::qWait(0);
    EXPECT_EQ(window.sgrid->columnWidth(4),
              window.sgrid->viewport()->width() - (287 + 55 + 56 + 56));
    // Too narrow for the last column to be wider than the channel column: it keeps its width.
    const int before = window.sgrid->columnWidth(4);
    window.resize(300, 300);
    QTest::qWait(0);
    EXPECT_EQ(window.sgrid->columnWidth(4), before);
}

TEST_F(ProgramWindow, preheatingShowsTheStatesInFourColumns) {
    Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    TMDIChild& window = *Window(1);
    EXPECT_EQ(Headers(window), QStringList({U("Операция"), U("Канал"), U("Старт"), U("Стоп")}));
    EXPECT_EQ(Rows(window), QList<QStringList>({{U("Клапан пара"), U("1"), U("Вкл."), U("Выкл.")},
                                                // not set reads as off
                                                {U("Дренаж"), U("3"), U("Выкл."), U("Выкл.")},
                                                QStringList(4, QString())}));
    EXPECT_EQ(window.sgrid->columnWidth(3), window.sgrid->viewport()->width() - (287 + 55 + 56));
}

TEST_F(ProgramWindow, usedSlotsAreListedInOrderAndMovedToTheFront) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("gaps.dv3"));
    TMDIChild& window = *Window(0);
    EXPECT_EQ(Rows(window),
              QList<QStringList>({{U("Первая"), U("1"), U("0:0,0"), U("0:5,0"), U("0:5,0")},
                                  {U("Вторая"), U("2"), U("0:5,0"), U("0:10,0"), U("0:15,0")},
                                  {U("Третья"), U("3"), U("0:15,0"), U("0:15,0"), U("0:30,0")},
                                  EmptyRow}));
    const TDuvProg& prog = main.Progs.Prog(0);
    EXPECT_EQ(prog.Op(0).Channel, 1);
    EXPECT_EQ(prog.Op(1).Channel, 2);
    EXPECT_EQ(prog.Op(2).Channel, 3);
    EXPECT_EQ(prog.Op(2).OffTime, TMyTime(60));
    for (int slot = 3; slot < TDuvProg::OpCount; ++slot)
        EXPECT_TRUE(prog.Op(slot).IsEmpty()) << slot;
    EXPECT_EQ(window.Changed, 0);
    EXPECT_EQ(window.sgrid->currentRow(), 3);

    // Row 1 is slot 1: editing it changes the second operation and nothing else.
    DoubleClickRow(window, 1);
    EnterOperation(U("Вторая новая"), U("7"), 0, 1, 0, 0, 2, 0);
    EXPECT_EQ(prog.Op(1).Channel, 7);
    EXPECT_EQ(prog.Op(1).Name, Cp1251Literal("Вторая новая"));
    EXPECT_EQ(prog.Op(0).Channel, 1);
    EXPECT_EQ(prog.Op(2).Channel, 3);
}

// ---- insert and erase

TEST_F(ProgramWindow, insertWithTheEmptyRowSelectedAddsAtTheEnd) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    TMDIChild& window = *Window(0);
    main.Insert1->trigger();

    TEditOpForm& form = *main.EditOpForm;
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.Requester.data(), &window);
    EXPECT_TRUE(form.OpName->text().isEmpty());
    EXPECT_TRUE(form.ChanNo->text().isEmpty());
    EXPECT_EQ(form.OnMin->text(), U("0"));
    EXPECT_EQ(form.LengthMillSec->text(), U("0"));
    EXPECT_EQ(form.OldChannel, 0);
    // Until the result is written the table has two empty rows.
    EXPECT_EQ(Rows(window), QList<QStringList>({EmptyRow, EmptyRow}));

    EnterOperation(U("Нагрев"), U("3"), 1, 30, 5, 0, 30, 0);
    EXPECT_TRUE(messages.Shown.empty()) << MessageTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Applied);
    EXPECT_EQ(Rows(window),
              QList<QStringList>(
                  {{U("Нагрев"), U("3"), U("1:30,5"), U("0:30,0"), U("2:0,5")}, EmptyRow}));
    const TDuvRec& op = main.Progs.Prog(0).Op(0);
    EXPECT_EQ(op.Name, Cp1251Literal("Нагрев"));
    EXPECT_EQ(op.Channel, 3);
    EXPECT_EQ(op.OnTime, TMyTime(181));
    EXPECT_EQ(op.OffTime, TMyTime(241));
    EXPECT_TRUE(main.FileSave1->isEnabled());
    EXPECT_EQ(window.Changed, 1);
}

TEST_F(ProgramWindow, enteringIntoTheEmptyLastRowLeavesAFreshOneBelow) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("gaps.dv3"));
    TMDIChild& window = *Window(0);
    DoubleClickRow(window, 3);
    ASSERT_TRUE(main.EditOpForm->isVisible());
    EnterOperation(U("Четвёртая"), U("4"), 0, 30, 0, 0, 10, 0);
    ASSERT_EQ(window.sgrid->rowCount(), 5);
    EXPECT_EQ(window.RowTexts(3),
              QStringList({U("Четвёртая"), U("4"), U("0:30,0"), U("0:10,0"), U("0:40,0")}));
    EXPECT_EQ(window.RowTexts(4), EmptyRow);
    EXPECT_EQ(window.sgrid->currentRow(), 4);
    EXPECT_EQ(main.Progs.Prog(0).Op(3).Channel, 4);
}

TEST_F(ProgramWindow, insertInTheMiddleMovesTheRowsBelowWithTheirSlots) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("gaps.dv3"));
    TMDIChild& window = *Window(0);
    SelectRow(window, 1);
    main.Insert1->trigger();
    QTest::mouseClick(main.EditOpForm->BitBtn2, Qt::LeftButton); // cancelled
    EXPECT_FALSE(main.EditOpForm->isVisible());

    // The empty row stays, bound to its cleared slot.
    const TDuvProg& prog = main.Progs.Prog(0);
    EXPECT_EQ(window.sgrid->rowCount(), 5);
    EXPECT_EQ(window.RowTexts(0).value(0), U("Первая"));
    EXPECT_EQ(window.RowTexts(1), EmptyRow);
    EXPECT_EQ(window.RowTexts(2).value(0), U("Вторая"));
    EXPECT_EQ(window.RowTexts(3).value(0), U("Третья"));
    EXPECT_EQ(prog.Op(0).Channel, 1);
    EXPECT_TRUE(prog.Op(1).IsEmpty());
    EXPECT_EQ(prog.Op(2).Channel, 2);
    EXPECT_EQ(prog.Op(3).Channel, 3);
    EXPECT_EQ(prog.Op(3).OffTime, TMyTime(60));
    EXPECT_EQ(window.Changed, 1);

    // Filled later, it takes its own slot and overwrites nothing.
    DoubleClickRow(window, 1);
    EnterOperation(U("Вставка"), U("9"), 0, 0, 0, 0, 1, 0);
    EXPECT_EQ(prog.Op(1).Channel, 9);
    EXPECT_EQ(prog.Op(2).Channel, 2);
    EXPECT_EQ(prog.Op(3).Channel, 3);
    EXPECT_EQ(window.sgrid->rowCount(), 5);
}

TEST_F(ProgramWindow, eraseRemovesTheRowAndItsSlot) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("gaps.dv3"));
    TMDIChild& window = *Window(0);
    const TDuvProg& prog = main.Progs.Prog(0);

    main.Erase1->trigger(); // the empty last row is selected: nothing
    EXPECT_EQ(window.sgrid->rowCount(), 4);
    EXPECT_EQ(window.Changed, 0);

    SelectRow(window, 0);
    main.Erase1->trigger();
    EXPECT_EQ(Rows(window),
              QList<QStringList>({{U("Вторая"), U("2"), U("0:5,0"), U("0:10,0"), U("0:15,0")},
                                  {U("Третья"), U("3"), U("0:15,0"), U("0:15,0"), U("0:30,0")},
                                  EmptyRow}));
    EXPECT_EQ(prog.Op(0).Channel, 2);
    EXPECT_EQ(prog.Op(1).Channel, 3);
    EXPECT_TRUE(prog.Op(2).IsEmpty());
    EXPECT_EQ(window.Changed, 1);
    EXPECT_TRUE(main.FileSave1->isEnabled());
    EXPECT_TRUE(messages.Shown.empty()); // no confirmation

    SelectRow(window, 1);
    main.Erase1->trigger();
    SelectRow(window, 0);
    main.Erase1->trigger();
    EXPECT_EQ(Rows(window), QList<QStringList>({EmptyRow}));
    EXPECT_TRUE(prog.Op(0).IsEmpty());
}

namespace {
struct RowLimitCase {
    const char* file;
    int limit;
    bool addOne; // one operation is entered first to reach the limit
};

inline void PrintTo(const RowLimitCase& c, std::ostream* os) {
    *os << c.limit << " channels";
}
} // namespace

class ProgramWindowLimit : public WorkspaceTest,
                           public ::testing::WithParamInterface<RowLimitCase> {};

TEST_P(ProgramWindowLimit, holdsNoMoreOperationsThanChannels) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData(GetParam().file));
    TMDIChild& window = *Window(0);
    if (GetParam().addOne) {
        main.Insert1->trigger();
        EnterOperation(U("Ещё одна"), U("3"), 0, 0, 0, 0, 10, 0);
        ASSERT_TRUE(messages.Shown.empty());
    }
    const int rows = window.sgrid->rowCount();
    ASSERT_EQ(rows, GetParam().limit + 1);
    const TDuvProg before = main.Progs.Prog(0);
    window.Changed = 0;

    SelectRow(window, 0);
    main.Insert1->trigger();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text,
              U("Поддерживается не более %1 каналов").arg(GetParam().limit));
    EXPECT_EQ(messages.Shown[0].Caption, U("Ошибка добавления операции"));
    EXPECT_EQ(messages.Shown[0].Kind, Messages::Buttons::Ok);
    EXPECT_EQ(window.sgrid->rowCount(), rows);
    EXPECT_EQ(window.Changed, 0);
    EXPECT_EQ(main.Progs.Prog(0).Op(0).Name, before.Op(0).Name);

    // The empty last row cannot be edited any more.
    DoubleClickRow(window, rows - 1);
    QTest::keyClick(window.sgrid, Qt::Key_Return);
    EXPECT_FALSE(main.EditOpForm->isVisible());
    EXPECT_EQ(messages.Shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, ProgramWindowLimit,
    ::testing::Values(RowLimitCase{"twelve-channel.dv3", 12, false}, // 12 operations present
                      RowLimitCase{"four-channel.dv3", 4, true}));   // 3 present, a 4th entered

// ---- opening the operation dialog

TEST_F(ProgramWindow, doubleClickAndEnterOpenTheDialogOnlyWhileEditIsEnabled) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("gaps.dv3"));
    TMDIChild& window = *Window(0);
    TEditOpForm& form = *main.EditOpForm;

    main.Edit1->setEnabled(false);
    DoubleClickRow(window, 1);
    EXPECT_FALSE(form.isVisible());
    window.sgrid->setFocus();
    QTest::keyClick(window.sgrid, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());

    main.Edit1->setEnabled(true);
    DoubleClickRow(window, 1);
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.OpName->text(), U("Вторая"));
    EXPECT_EQ(form.ChanNo->text(), U("2"));
    EXPECT_EQ(form.OnSec->text(), U("5"));
    EXPECT_EQ(form.LengthSec->text(), U("10"));
    EXPECT_EQ(form.OldChannel, 2);
    EXPECT_EQ(form.ProgIndex, 0);
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);

    SelectRow(window, 2);
    QTest::keyClick(window.sgrid, Qt::Key_Enter);
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.OpName->text(), U("Третья"));
    QTest::mouseClick(form.BitBtn2, Qt::LeftButton);
    EXPECT_EQ(window.Changed, 0);
    EXPECT_TRUE(form.Applied);
}

// ---- results of the operation dialog

TEST_F(ProgramWindow, resultGoesToTheRowItWasOpenedForWhateverHappensMeanwhile) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    TMDIChild& window = *Window(0);
    DoubleClickRow(window, 5); // "Операция 6", channel 6
    // Meanwhile: another row is selected, a row above is erased, another window comes forward.
    SelectRow(window, 0);
    main.Erase1->trigger();
    main.N18->trigger();
    ASSERT_EQ(main.ActiveProgramWindow(), Window(2));
    ASSERT_TRUE(main.EditOpForm->isVisible());
    EnterOperation(U("Выдержка"), U("6"), 2, 0, 0, 1, 0, 0);

    EXPECT_EQ(window.RowTexts(4),
              QStringList({U("Выдержка"), U("6"), U("2:0,0"), U("1:0,0"), U("3:0,0")}));
    EXPECT_EQ(window.RowTexts(3).value(0), U("Операция 5"));
    EXPECT_EQ(window.RowTexts(5).value(0), U("Операция 7"));
    const TDuvProg& prog = main.Progs.Prog(0);
    EXPECT_EQ(prog.Op(4).Name, Cp1251Literal("Выдержка"));
    EXPECT_EQ(prog.Op(4).OnTime, TMyTime(240));
    EXPECT_EQ(prog.Op(4).OffTime, TMyTime(360));
    EXPECT_EQ(prog.Op(5).Channel, 7);
    // The other window took nothing; the one the result went to comes forward.
    EXPECT_EQ(Window(2)->Changed, 0);
    EXPECT_EQ(Rows(*Window(2)).size(), 2);
    EXPECT_EQ(main.ActiveProgramWindow(), &window);
}

TEST_F(ProgramWindow, resultForAnErasedRowIsDropped) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("gaps.dv3"));
    TMDIChild& window = *Window(0);
    DoubleClickRow(window, 1);
    main.Erase1->trigger(); // row 1 is still selected
    ASSERT_EQ(window.sgrid->rowCount(), 3);
    const QList<QStringList> before = Rows(window);
    EnterOperation(U("Потерянная"), U("8"), 0, 0, 0, 0, 1, 0);
    EXPECT_FALSE(main.EditOpForm->isVisible());
    EXPECT_TRUE(main.EditOpForm->Applied);
    EXPECT_EQ(Rows(window), before);
    for (const TDuvRec& op : main.Progs.Prog(0).Ops)
        EXPECT_NE(op.Channel, 8);
}

TEST_F(ProgramWindow, resultOfAClosedWindowIsDropped) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    DoubleClickRow(*Window(2), 0);
    Window(2)->close();
    EnterOperation(U("Никуда"), U("9"), 0, 0, 0, 0, 1, 0);
    EXPECT_EQ(main.Progs.Prog(2).Op(0).Channel, 5);
    EXPECT_EQ(Window(0)->Changed, 0);
}

TEST_F(ProgramWindow, preheatingResultWritesTheStatesAsTyped) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    TMDIChild& window = *Window(1);
    DoubleClickRow(window, 0);
    TEditOpForm& form = *main.EditOpForm;
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.ComboBox1->currentText(), U("Вкл."));
    EXPECT_EQ(form.ComboBox2->currentText(), U("Выкл."));
    TypeInto(form.OpName, U("Клапан"));
    TypeInto(form.ComboBox1->lineEdit(), U("Выкл."));
    TypeInto(form.ComboBox2->lineEdit(), U("Не исп."));
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);

    EXPECT_EQ(window.RowTexts(0), QStringList({U("Клапан"), U("1"), U("Выкл."), U("Не исп.")}));
    const TDuvRec& op = main.Progs.Prog(1).Op(0);
    EXPECT_EQ(op.OnTime, TMyTime(TMyTime::StateOff));
    EXPECT_EQ(op.OffTime, TMyTime(TMyTime::TimeUndefined));
    EXPECT_EQ(window.Changed, 1);

    // Shown anew, an unset state reads as off.
    Answer({Answer::No});
    window.close();
    main.HotModeItem->trigger();
    EXPECT_EQ(Window(1)->RowTexts(0), QStringList({U("Клапан"), U("1"), U("Выкл."), U("Выкл.")}));
}

// ---- zones

TEST_F(ProgramWindow, zoneDeletionClearsSavesAndClosesTheProgram) {
    TMainForm& main = Start();
    const QString path = CopyOfData("twelve-channel.dv3");
    OpenDocument(path);
    TMDIChild* window = Window(2);
    window->PropertyItem->trigger();
    TZoneForm& zone = *main.ZoneForm;
    ASSERT_TRUE(zone.isVisible());
    EXPECT_EQ(zone.ProgIndex, 2);
    Answer({Answer::Yes});
    QTest::mouseClick(zone.DefinedBox, Qt::LeftButton);

    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Caption, U("Предупреждение"));
    EXPECT_FALSE(zone.isVisible());
    EXPECT_EQ(Window(2), nullptr);
    const TDuvProg& prog = main.Progs.Prog(2);
    EXPECT_EQ(prog.Defined, 0);
    EXPECT_TRUE(prog.Op(0).IsEmpty());
    EXPECT_EQ(prog.Name, Cp1251Literal("Аварийная программа 1.1"));
    EXPECT_EQ(ReadBack(path).Progs.Prog(2).Defined, 0);
    EXPECT_FALSE(main.FileSave1->isEnabled());
}

TEST_F(ProgramWindow, zoneDeletionRefusedKeepsTheProgramAndItsFile) {
    TMainForm& main = Start();
    const QString path = CopyOfData("twelve-channel.dv3");
    OpenDocument(path);
    const std::string before = FileBytes(path);
    Window(2)->PropertyItem->trigger();
    TZoneForm& zone = *main.ZoneForm;
    Answer({Answer::No});
    QTest::mouseClick(zone.DefinedBox, Qt::LeftButton);

    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Вы действительно хотите удалить аварийную программу?"));
    EXPECT_TRUE(zone.isVisible());
    EXPECT_TRUE(zone.DefinedBox->isChecked());
    QTest::mouseClick(zone.BitBtn1, Qt::LeftButton); // and then cancelled
    EXPECT_FALSE(zone.isVisible());
    ASSERT_NE(Window(2), nullptr);
    EXPECT_EQ(Window(2)->Changed, 0);
    EXPECT_EQ(main.Progs.Prog(2).Defined, 1);
    EXPECT_EQ(main.Progs.Prog(2).Op(0).Channel, 5);
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_FALSE(main.FileSave1->isEnabled());
}

TEST_F(ProgramWindow, zoneDeletionWhoseSaveFailsStaysUnsaved) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    main.FileName = Path(U("пропавшая папка/план.dv3"));
    Window(3)->PropertyItem->trigger();
    Answer({Answer::Yes});
    QTest::mouseClick(main.ZoneForm->DefinedBox, Qt::LeftButton);

    ASSERT_EQ(messages.Shown.size(), 2u);
    EXPECT_EQ(messages.Shown[1].Caption, U("Ошибка"));
    EXPECT_EQ(Window(3), nullptr); // closed without asking again
    EXPECT_EQ(main.Progs.Prog(3).Defined, 0);
    EXPECT_TRUE(main.FileSave1->isEnabled());
}

TEST_F(ProgramWindow, zoneItemIsRefusedForMainAndPreheating) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    for (int slot : {0, 1}) {
        Window(slot)->PropertyItem->trigger();
        ASSERT_EQ(messages.Shown.size(), 1u);
        EXPECT_EQ(messages.Shown[0].Text,
                  U("Время действия режима определяется только для аварийных программ"));
        EXPECT_EQ(messages.Shown[0].Caption, U("Ошибка"));
        EXPECT_FALSE(main.ZoneForm->isVisible());
        messages.Shown.clear();
    }
}

TEST_F(ProgramWindow, cyclogramIsRefusedForPreheating) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    main.HotModeItem->trigger();
    main.Cyclogramm1->trigger();
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Для программы прогрева нельзя построить циклограмму"));
    EXPECT_EQ(messages.Shown[0].Caption, U("Ошибка"));
}

TEST_F(ProgramWindow, cyclogramHoldsTheEditingCommandsBackWhileItIsOpen) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    Window(2)->MarkChanged(); // a change of another window, unsaved
    main.WorkModeItem->trigger();
    main.Cyclogramm1->trigger();
    TCyclForm& cyclogram = *main.CyclForm;
    ASSERT_TRUE(cyclogram.isVisible());
    EXPECT_EQ(cyclogram.ProgIndex, 0);
    EXPECT_FALSE(cyclogram.ChildModified);
    EXPECT_TRUE(cyclogram.Opened);
    for (QAction* action :
         {main.FileSave1, main.Insert1, main.Edit1, main.Erase1, main.Send1, main.Cyclogramm1})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    DoubleClickRow(*Window(0), 0);
    EXPECT_FALSE(main.EditOpForm->isVisible());

    QTest::mouseClick(cyclogram.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(cyclogram.isVisible());
    EXPECT_FALSE(cyclogram.Opened);
    for (QAction* action : {main.Insert1, main.Edit1, main.Erase1, main.Send1, main.Cyclogramm1})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    // Saving stays possible: the other window's change is still unsaved.
    EXPECT_TRUE(main.FileSave1->isEnabled());
}

TEST_F(ProgramWindow, cyclogramClosesWhenAnotherProgramWindowIsActivated) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    main.Cyclogramm1->trigger();
    ASSERT_TRUE(main.CyclForm->isVisible());
    ASSERT_TRUE(ShowActive(main));
    main.N18->trigger();
    QTRY_VERIFY(!main.CyclForm->isVisible());
    EXPECT_FALSE(main.CyclForm->Opened);
    EXPECT_TRUE(main.Insert1->isEnabled());
    EXPECT_FALSE(main.FileSave1->isEnabled());
}

namespace {
struct CyclogramSave {
    bool launcherChanged; // the program window the cyclogram is opened from has unsaved changes
    bool otherChanged;    // another program window has unsaved changes
    bool byFocus;         // closed by activating another program window, else by its OK button
    bool saveAfter;       // FileSave1 once the cyclogram has closed
};

inline void PrintTo(const CyclogramSave& c, std::ostream* os) {
    *os << (c.launcherChanged ? "changed launcher, " : "unchanged launcher, ")
        << (c.otherChanged ? "changed other, " : "unchanged other, ")
        << (c.byFocus ? "closed by focus" : "closed by OK");
}
} // namespace

class ProgramWindowCyclogram : public WorkspaceTest,
                               public ::testing::WithParamInterface<CyclogramSave> {};

TEST_P(ProgramWindowCyclogram, closingGivesSavingBackAsTheDocumentNeedsIt) {
    TMainForm& main = Start();
    const CyclogramSave& c = GetParam();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    if (c.otherChanged)
        Window(3)->MarkChanged();
    if (c.launcherChanged)
        Window(0)->MarkChanged();
    ASSERT_EQ(main.FileSave1->isEnabled(), c.launcherChanged || c.otherChanged);
    main.WorkModeItem->trigger();
    main.Cyclogramm1->trigger();
    TCyclForm& cyclogram = *main.CyclForm;
    ASSERT_TRUE(cyclogram.isVisible());
    EXPECT_EQ(cyclogram.ChildModified, c.launcherChanged);
    for (QAction* action : {main.FileSave1, main.Insert1, main.InsertItem, main.Edit1, main.Erase1,
                            main.Send1, main.Cyclogramm1})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    // The commands that change nothing of a program stay.
    for (QAction* action : {main.Vars1, main.FilePrint1, main.SetupItem})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();

    if (c.byFocus) {
        ASSERT_TRUE(ShowActive(main));
        main.N18->trigger();
    } else {
        QTest::mouseClick(cyclogram.BitBtn1, Qt::LeftButton);
    }
    QTRY_VERIFY(!cyclogram.isVisible());
    EXPECT_FALSE(cyclogram.Opened);
    for (QAction* action :
         {main.Insert1, main.InsertItem, main.Edit1, main.Erase1, main.Send1, main.Cyclogramm1})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_EQ(main.FileSave1->isEnabled(), c.saveAfter);
    EXPECT_EQ(Window(0)->Changed, c.launcherChanged ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Launchers, ProgramWindowCyclogram,
    ::testing::Values(
        // Nothing unsaved anywhere: saving stays off.
        CyclogramSave{false, false, false, false}, CyclogramSave{false, false, true, false},
        // The launcher's own changes keep saving possible.
        CyclogramSave{true, false, false, true}, CyclogramSave{true, false, true, true},
        // Another window's unsaved changes do too, although the launcher has none.
        CyclogramSave{false, true, false, true}, CyclogramSave{false, true, true, true},
        // Both.
        CyclogramSave{true, true, true, true}));

TEST_F(ProgramWindow, popupMenuOffersZoneAndClose) {
    Start();
    OpenDocument(CopyOfData("twelve-channel.dv3"));
    TMDIChild& window = *Window(4);
    EXPECT_EQ(window.PopupMenu1->actions(), QList<QAction*>({window.PropertyItem, window.N1}));
    EXPECT_EQ(window.PropertyItem->text(), U("Зона действия программы"));
    EXPECT_EQ(window.N1->text(), U("Закрыть программу"));
    EXPECT_EQ(window.sgrid->contextMenuPolicy(), Qt::CustomContextMenu);
    window.N1->trigger();
    EXPECT_EQ(Window(4), nullptr);
}

// ---- closing

namespace {
struct CloseCase {
    Answer answer;
    bool closes;
    bool saved;
};

inline void PrintTo(const CloseCase& c, std::ostream* os) {
    static const char* const answers[] = {"Ok", "Yes", "No", "Cancel"};
    *os << answers[static_cast<int>(c.answer)];
}
} // namespace

class ProgramWindowClose : public WorkspaceTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ProgramWindowClose, asksToSaveChanges) {
    TMainForm& main = Start();
    const QString path = CopyOfData("gaps.dv3");
    OpenDocument(path);
    TMDIChild* window = Window(0);
    SelectRow(*window, 0);
    main.Erase1->trigger();
    Answer({GetParam().answer});
    EXPECT_EQ(window->close(), GetParam().closes);

    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text, U("Сохранить изменения?"));
    EXPECT_EQ(messages.Shown[0].Caption, U("Основная рабочая программа"));
    EXPECT_EQ(messages.Shown[0].Kind, Messages::Buttons::YesNoCancel);
    EXPECT_EQ(Window(0) != nullptr, !GetParam().closes);
    // Whatever the answer, the change stays in the program set.
    EXPECT_EQ(main.Progs.Prog(0).Op(0).Channel, 2);
    EXPECT_EQ(ReadBack(path).Progs.Prog(0).Op(0).Channel == 2, GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Answers, ProgramWindowClose,
                         ::testing::Values(CloseCase{Answer::Yes, true, true},
                                           CloseCase{Answer::No, true, false},
                                           CloseCase{Answer::Cancel, false, false}));

TEST_F(ProgramWindow, closeKeepsTheWindowWhenItsSaveFails) {
    TMainForm& main = Start();
    main.FileNew1->trigger();
    Answer({Answer::Yes}); // save, but the save dialog is cancelled
    EXPECT_FALSE(Window(0)->close());
    EXPECT_NE(Window(0), nullptr);
    EXPECT_EQ(saveAsked, 1);
    (void)main;
}

TEST_F(ProgramWindow, closingTheLastWindowDisablesTheCommandsAndSaving) {
    TMainForm& main = Start();
    OpenDocument(CopyOfData("four-channel.dv3"));
    Window(1)->MarkChanged();
    Answer({Answer::No});
    Window(1)->close();
    EXPECT_TRUE(main.FileSave1->isEnabled());
    EXPECT_TRUE(main.Insert1->isEnabled());
    Window(0)->close(); // unchanged itself, but the last one
    for (QAction* action :
         {main.Cyclogramm1, main.Insert1, main.Edit1, main.Erase1, main.Send1, main.FileSave1,
          main.Vars1, main.FilePrint1, main.SetupItem, main.InsertItem})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
}
