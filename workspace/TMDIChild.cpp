#include "TMDIChild.h"

#include "Captions.h"
#include "Messages.h"
#include "ProgramSlots.h"
#include "TCyclForm.h"
#include "TEditOpForm.h"
#include "TMainForm.h"
#include "TZoneForm.h"
#include "TextCodec.h"
#include "ToolIcons.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int DesignWidth = 528;
constexpr int DesignHeight = 183;
constexpr int RowHeight = 16;
constexpr int PreheatSlot = 1;
constexpr int TokenRole = Qt::UserRole;

QString StateText(TMyTime state) {
    return state.Value() == TMyTime::StateOn ? QStringLiteral("Вкл.") : QStringLiteral("Выкл.");
}

QString TimeText(TMyTime t) {
    return QString::fromStdString(t.Text());
}

} // namespace

TMDIChild::TMDIChild(TMainForm& mainForm, int progIndex) : Main(mainForm) {
    setObjectName(QStringLiteral("MDIChild"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ToolIcons::Icon(ToolIcons::Picture::Program));
    setWindowTitle(QStringLiteral("MDI Child"));

    auto* client = new QWidget;
    sgrid = new QTableWidget(1, 5, client);
    sgrid->setObjectName(QStringLiteral("sgrid"));
    sgrid->verticalHeader()->hide();
    sgrid->verticalHeader()->setMinimumSectionSize(RowHeight);
    sgrid->verticalHeader()->setDefaultSectionSize(RowHeight);
    sgrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    sgrid->horizontalHeader()->setHighlightSections(false);
    sgrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgrid->setSelectionMode(QAbstractItemView::SingleSelection);
    sgrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgrid->setTabKeyNavigation(true);
    sgrid->setWordWrap(false);
    sgrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgrid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sgrid->viewport()->setCursor(Qt::IBeamCursor);
    sgrid->setContextMenuPolicy(Qt::CustomContextMenu);
    sgrid->installEventFilter(this);
    sgrid->viewport()->installEventFilter(this);

    StatusBar = new QStatusBar(client);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    auto* panel = new QWidget(StatusBar);
    panel->setFixedWidth(100);
    StatusBar->addWidget(panel);

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(sgrid, 1);
    layout->addWidget(StatusBar);
    setWidget(client);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PropertyItem = PopupMenu1->addAction(QStringLiteral("Зона действия программы"));
    PropertyItem->setObjectName(QStringLiteral("PropertyItem"));
    N1 = PopupMenu1->addAction(QStringLiteral("Закрыть программу"));
    N1->setObjectName(QStringLiteral("N1"));
    connect(PropertyItem, &QAction::triggered, this, &TMDIChild::PropertyItemClick);
    connect(N1, &QAction::triggered, this, &TMDIChild::N1Click);
    connect(sgrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(sgrid->viewport()->mapToGlobal(pos)); });
    connect(sgrid, &QTableWidget::cellDoubleClicked, this, &TMDIChild::sgridDblClick);
    // A column the user drags wider or narrower changes what is left for the last one.
    connect(sgrid->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section) {
        if (section != sgrid->columnCount() - 1)
            FitLastColumn();
    });
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
                if (!(oldState & Qt::WindowActive) && (newState & Qt::WindowActive))
                    FormActivate();
                else if ((oldState & Qt::WindowActive) && !(newState & Qt::WindowActive))
                    FormDeactivate();
            });
    // The dialogs are modeless and shared by every program window: each window listens, and
    // only the one that opened the dialog takes the result.
    if (Main.EditOpForm)
        connect(Main.EditOpForm, &TEditOpForm::ResultReady, this, &TMDIChild::EditOpFormResult);
    if (Main.ZoneForm)
        connect(Main.ZoneForm, &TZoneForm::ResultReady, this, &TMDIChild::ZoneFormResult);

    resize(DesignWidth, DesignHeight);
    JustCreated = true;
    sgrid->setColumnWidth(0, 287);
    sgrid->setColumnWidth(1, 55);
    sgrid->setColumnWidth(2, 56);
    sgrid->setColumnWidth(3, 56);
    sgrid->setColumnWidth(4, DesignWidth - (287 + 55 + 56 + 56) - 16);
    sgrid->setHorizontalHeaderLabels({QStringLiteral("Операция"), QStringLiteral("Канал"),
                                      QStringLiteral("Вкл."), QStringLiteral("Длит."),
                                      QStringLiteral("Выкл.")});
    ProgIndex = progIndex;
    Changed = 0;
    SetRowTexts(0, {});
}

TMDIChild::~TMDIChild() {
    // The base class still reports state changes while it goes; nothing of this window is
    // left to hear them.
    disconnect(this, nullptr, this, nullptr);
    sgrid->removeEventFilter(this);
    sgrid->viewport()->removeEventFilter(this);
}

QSize TMDIChild::sizeHint() const {
    return {DesignWidth, DesignHeight};
}

TDuvProg& TMDIChild::Prog() const {
    return Main.Progs.Prog(ProgIndex);
}

QStringList TMDIChild::RowTexts(int row) const {
    QStringList texts;
    for (int column = 0; column < sgrid->columnCount(); ++column) {
        const QTableWidgetItem* cell = sgrid->item(row, column);
        texts << (cell ? cell->text() : QString());
    }
    return texts;
}

void TMDIChild::SetRowTexts(int row, const QStringList& texts) {
    for (int column = 0; column < sgrid->columnCount(); ++column) {
        QTableWidgetItem* cell = sgrid->item(row, column);
        if (!cell) {
            cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            sgrid->setItem(row, column, cell);
        }
        cell->setText(texts.value(column));
    }
    // Each row carries a token of its own, so a dialog's result finds the row it was opened
    // for even after rows above it were inserted or erased.
    if (RowToken(row) == 0)
        sgrid->item(row, 0)->setData(TokenRole, nextRowToken_++);
}

void TMDIChild::InsertEmptyRow(int row) {
    sgrid->insertRow(row);
    SetRowTexts(row, {});
}

quint64 TMDIChild::RowToken(int row) const {
    const QTableWidgetItem* cell = sgrid->item(row, 0);
    return cell ? cell->data(TokenRole).toULongLong() : 0;
}

int TMDIChild::RowOfToken(quint64 token) const {
    if (token == 0)
        return -1;
    for (int row = 0; row < sgrid->rowCount(); ++row)
        if (RowToken(row) == token)
            return row;
    return -1;
}

void TMDIChild::SelectRow(int row) {
    if (row < 0 || row >= sgrid->rowCount())
        return;
    sgrid->setCurrentCell(row, 0);
    sgrid->selectRow(row);
}

void TMDIChild::WriteOperationRow(int row) {
    const TDuvRec& op = Prog().Op(row);
    QStringList texts{TextCodec::ToUnicode(op.Name), QString::number(op.Channel)};
    if (ProgIndex == PreheatSlot)
        texts << StateText(op.OnTime) << StateText(op.OffTime);
    else
        texts << TimeText(op.OnTime) << TimeText(op.Duration()) << TimeText(op.OffTime);
    SetRowTexts(row, texts);
}

void TMDIChild::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    FormShow();
}

void TMDIChild::FormShow() {
    if (shown_)
        return;
    shown_ = true;
    if (ProgIndex == PreheatSlot) {
        sgrid->setColumnCount(4);
        sgrid->setHorizontalHeaderItem(2, new QTableWidgetItem(QStringLiteral("Старт")));
        sgrid->setHorizontalHeaderItem(3, new QTableWidgetItem(QStringLiteral("Стоп")));
    }
    TDuvProg& prog = Prog();
    if (prog.Defined != 0) {
        // The table lists the used slots one after another; the slots are moved to match, so
        // that row i is slot i even when the file left empty slots between used ones.
        const int used = ProgramSlots::Compact(prog);
        for (int slot = 0; slot < used; ++slot) {
            WriteOperationRow(sgrid->rowCount() - 1);
            InsertEmptyRow(sgrid->rowCount());
        }
    } else {
        prog.Defined = 1;
        MarkChanged();
    }
    FitLastColumn();
    SelectRow(sgrid->rowCount() - 1);
}

void TMDIChild::MarkChanged() {
    Main.FileSave1->setEnabled(true);
    Changed = 1;
}

void TMDIChild::FitLastColumn() {
    const int last = sgrid->columnCount() > 4 ? 4 : 3;
    int before = 0;
    for (int column = 0; column < last; ++column)
        before += sgrid->columnWidth(column);
    const int width = sgrid->viewport()->width() - before;
    if (width > sgrid->columnWidth(1))
        sgrid->setColumnWidth(last, width);
}

bool TMDIChild::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sgrid->viewport() && event->type() == QEvent::Resize) {
        FitLastColumn();
    } else if (watched == sgrid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (Main.Edit1->isEnabled())
                EditOperation();
            return true;
        }
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void TMDIChild::sgridDblClick() {
    if (Main.Edit1->isEnabled())
        EditOperation();
}

void TMDIChild::InsertOperation() {
    const int limit = ProgramSlots::RowLimit(Main.ChannelCount);
    if (sgrid->rowCount() >= limit + 1) {
        Messages::Show(this, QStringLiteral("Поддерживается не более %1 каналов").arg(limit),
                       QStringLiteral("Ошибка добавления операции"));
        return;
    }
    const int rows = sgrid->rowCount() - 1;
    int at = sgrid->currentRow();
    if (at < 0 || at > rows)
        at = rows;
    ProgramSlots::Insert(Prog(), at, rows);
    InsertEmptyRow(at);
    FitLastColumn();
    SelectRow(at);
    MarkChanged();
    EditOperation();
}

void TMDIChild::EraseOperation() {
    const int row = sgrid->currentRow();
    if (row < 0 || row >= sgrid->rowCount() - 1)
        return;
    ProgramSlots::Erase(Prog(), row, sgrid->rowCount() - 1);
    sgrid->removeRow(row);
    FitLastColumn();
    SelectRow(row);
    MarkChanged();
}

void TMDIChild::EditOperation() {
    const int row = sgrid->currentRow();
    if (row < 0 || row >= ProgramSlots::RowLimit(Main.ChannelCount) || !Main.EditOpForm)
        return;
    const QStringList texts = RowTexts(row);
    TEditOpForm& form = *Main.EditOpForm;
    form.Fill(texts.value(0), texts.value(1), texts.value(2), texts.value(3), Prog().Op(row),
              ProgIndex);
    form.Requester = this;
    editRowToken_ = RowToken(row);
    // Shown anew, so that its own show handler prepares it for this row.
    if (form.isVisible())
        form.hide();
    form.show();
    form.raise();
    form.activateWindow();
}

void TMDIChild::EditOpFormResult() {
    TEditOpForm& form = *Main.EditOpForm;
    if (form.Requester.data() != this)
        return;
    form.Applied = true;
    form.Requester = nullptr;
    if (closing_)
        return; // closed while the dialog was open; deleted once control returns to the loop
    const int row = RowOfToken(editRowToken_);
    editRowToken_ = 0;
    // The row was erased while the dialog was open: the result has nowhere to go.
    if (row < 0 || row >= ProgramSlots::RowLimit(Main.ChannelCount))
        return;
    const TEditOpForm::Result result = form.CurrentResult();
    QTableWidgetItem* nameCell = sgrid->item(row, 0);
    nameCell->setText(result.NameText);
    sgrid->item(row, 1)->setText(result.ChannelText);
    TDuvRec& op = Prog().Op(row);
    op.Name = result.Name;
    op.Channel = result.Channel;
    MarkChanged();
    if (ProgIndex == PreheatSlot) {
        sgrid->item(row, 2)->setText(result.StartText);
        sgrid->item(row, 3)->setText(result.StopText);
    } else {
        sgrid->item(row, 2)->setText(TimeText(result.On));
        sgrid->item(row, 3)->setText(TimeText(result.Length));
        sgrid->item(row, 4)->setText(TimeText(result.Off));
    }
    op.SetOnTime(result.On);
    op.OffTime = result.Off;
    if (row == sgrid->rowCount() - 1) {
        InsertEmptyRow(sgrid->rowCount());
        FitLastColumn();
        SelectRow(sgrid->rowCount() - 1);
    }
    Main.ShowProgramWindow(this);
}

void TMDIChild::OpenZoneForm() {
    if (!Main.ZoneForm)
        return;
    TZoneForm& form = *Main.ZoneForm;
    form.ProgIndex = ProgIndex;
    form.Requester = this;
    if (form.isVisible())
        form.hide();
    form.show();
    form.raise();
    form.activateWindow();
}

void TMDIChild::ZoneFormResult() {
    TZoneForm& form = *Main.ZoneForm;
    if (form.Requester.data() != this)
        return;
    form.Applied = true;
    form.Requester = nullptr;
    if (closing_)
        return;
    const TZoneForm::Result result = form.CurrentResult();
    if (result.Deleted) {
        Prog().Clear();
        // The deletion is a change of the document even when saving it fails below.
        MarkChanged();
        Main.SaveDocument();
        // The program is gone: there is nothing left in this window to ask about.
        closeWithoutQuestion_ = true;
        close();
        return;
    }
    if (ProgIndex <= PreheatSlot)
        return;
    TDuvProg& prog = Prog();
    prog.ZoneStart = result.Start;
    prog.ZoneStop = result.Stop;
    setWindowTitle(Captions::AppliedZoneTitle(prog));
    MarkChanged();
    Main.ShowProgramWindow(this);
}

void TMDIChild::PropertyItemClick() {
    if (ProgIndex <= PreheatSlot) {
        Messages::Show(this,
                       QStringLiteral("Время действия режима определяется только для аварийных "
                                      "программ"),
                       QStringLiteral("Ошибка"));
        return;
    }
    OpenZoneForm();
}

void TMDIChild::N1Click() {
    close();
}

void TMDIChild::ShowCyclogram() {
    if (ProgIndex == PreheatSlot) {
        Messages::Show(this, QStringLiteral("Для программы прогрева нельзя построить циклограмму"),
                       QStringLiteral("Ошибка"));
        return;
    }
    TCyclForm& cyclogram = *Main.CyclForm;
    cyclogram.ProgIndex = ProgIndex;
    cyclogram.ChildModified = Changed != 0;
    cyclogram.show();
    cyclogram.raise();
    cyclogram.activateWindow();
    // Set only now, so that the focus the cyclogram takes while showing does not close it.
    cyclogram.Opened = true;
}

void TMDIChild::FormActivate() {
    JustCreated = false;
}

void TMDIChild::FormDeactivate() {
    // The cyclogram lives only while its program window has the focus; the focus it holds
    // itself does not count.
    TCyclForm* cyclogram = Main.CyclForm;
    if (cyclogram && cyclogram->Opened && !cyclogram->isActiveWindow()) {
        cyclogram->close();
        cyclogram->Opened = false;
    }
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (Changed != 0 && !closeWithoutQuestion_) {
        const Messages::Answer answer =
            Messages::Show(this, QStringLiteral("Сохранить изменения?"),
                           TextCodec::ToUnicode(Prog().Name), Messages::Buttons::YesNoCancel);
        // A save that failed or was cancelled keeps the window, so the changes are not left
        // behind without a window that shows them.
        if (answer == Messages::Answer::Cancel ||
            (answer == Messages::Answer::Yes && !Main.SaveDocument())) {
            event->ignore();
            return;
        }
    }
    closing_ = true;
    Main.ProgramWindowClosing(this);
    QMdiSubWindow::closeEvent(event);
}
