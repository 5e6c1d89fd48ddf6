#include "TMainForm.h"

#include "Captions.h"
#include "DocumentFile.h"
#include "Messages.h"
#include "Settings.h"
#include "TAboutBox.h"
#include "TCyclForm.h"
#include "TEditOpForm.h"
#include "THeaderForm.h"
#include "TMDIChild.h"
#include "TPrintForm.h"
#include "TSendForm.h"
#include "TVarForm.h"
#include "TZoneForm.h"
#include "TextCodec.h"
#include "ToolIcons.h"
#include "UploadWarning.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

namespace {

const QString DocumentFilter = QStringLiteral("Duvt v3.0 files (*.dv3)");

QAction* MakeAction(QObject* owner, const char* name, const QString& text,
                    const QString& hint = QString()) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    if (!hint.isEmpty()) {
        action->setStatusTip(hint);
        action->setToolTip(hint);
    }
    return action;
}

QMenu* MakeMenu(QWidget* owner, const char* name, const QString& title) {
    auto* menu = new QMenu(title, owner);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("КРЖ-12 ДУВ Технолога"));
    setWindowIcon(ToolIcons::Icon(ToolIcons::Picture::Program));

    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    setContextMenuPolicy(Qt::NoContextMenu); // the toolbar is not meant to be hidden

    Progs.Reset();
    Header.Clear();
    ChannelCount = 12;
    PortName = Settings::ReadPortName(QString::fromLatin1(Settings::FileName));

    AskOpenFileName = [this] { return ChooseOpenFileName(); };
    AskSaveFileName = [this] { return ChooseSaveFileName(); };
    OpenHelpPage = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    CreateForms();
    ShowDeviceType();
}

TMainForm::~TMainForm() {
    // The program windows and the forms use the document; they go while it is still there.
    delete MdiArea;
    MdiArea = nullptr;
    delete HeaderForm;
    delete PrintForm;
    delete CyclForm;
    delete ZoneForm;
    delete SendForm;
    delete VarForm;
    delete EditOpForm;
    delete AboutBox;
}

void TMainForm::CreateForms() {
    // Start-up order: AboutBox, EditOpForm, SendForm, ZoneForm, CyclForm, VarForm, PrintForm,
    // HeaderForm. Each is created once, hidden, and hidden again (not destroyed) when closed.
    // The upload dialog shows what came back in the viewer, so the viewer is made first.
    AboutBox = new TAboutBox(this);
    EditOpForm = new TEditOpForm(Progs, ChannelCount, this);
    VarForm = new TVarForm(this);
    SendForm = new TSendForm(Progs, SendArray, PortName, *VarForm, this);
    SendForm->setObjectName(QStringLiteral("SendForm"));
    ZoneForm = new TZoneForm(Progs, this);
    CyclForm = new TCyclForm(Progs, this);
    CyclForm->setObjectName(QStringLiteral("CyclForm"));
    PrintForm = new TPrintForm(this);
    HeaderForm = new THeaderForm(Header, this);
    HeaderForm->setObjectName(QStringLiteral("HeaderForm"));

    connect(CyclForm, &TCyclForm::Shown, this, &TMainForm::CyclFormShown);
    connect(CyclForm, &TCyclForm::Closed, this, &TMainForm::CyclFormClosed);
    connect(HeaderForm, &THeaderForm::Accepted, FileSave1, [this] { FileSave1->setEnabled(true); });
}

void TMainForm::CyclFormShown() {
    saveEnabledBeforeCyclogram_ = FileSave1->isEnabled();
    for (QAction* action : {FileSave1, Insert1, Edit1, Erase1, Send1, Cyclogramm1})
        action->setEnabled(false);
}

void TMainForm::CyclFormClosed(bool childModified) {
    for (QAction* action : {Insert1, Edit1, Erase1, Send1, Cyclogramm1})
        action->setEnabled(true);
    // The cyclogram changes nothing: whatever was unsaved before it opened still is, also the
    // changes of other windows and of the protocol header.
    FileSave1->setEnabled(saveEnabledBeforeCyclogram_ || childModified);
}

void TMainForm::CreateActions() {
    FileNew1 = MakeAction(this, "FileNew1", QStringLiteral("&Создать"),
                          QStringLiteral("Создать новый файл"));
    FileNew1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    FileNew1->setIcon(ToolIcons::Icon(ToolIcons::Picture::New));
    connect(FileNew1, &QAction::triggered, this, &TMainForm::FileNew1Execute);

    FileOpen1 = MakeAction(this, "FileOpen1", QStringLiteral("&Открыть"),
                           QStringLiteral("Открыть существующий файл"));
    FileOpen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    FileOpen1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Open));
    connect(FileOpen1, &QAction::triggered, this, &TMainForm::FileOpen1Execute);

    FileSave1 = MakeAction(this, "FileSave1", QStringLiteral("&Сохранить"),
                           QStringLiteral("Сохранить текущий файл"));
    FileSave1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    FileSave1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Save));
    FileSave1->setEnabled(false);
    connect(FileSave1, &QAction::triggered, this, &TMainForm::FileSave1Execute);

    N10 = MakeAction(this, "N10", QStringLiteral("Сохранить &как..."),
                     QStringLiteral("Сохранить текущий файл под другим именем"));
    connect(N10, &QAction::triggered, this, &TMainForm::N10Click);

    FilePrint1 = MakeAction(this, "FilePrint1", QStringLiteral("&Печать"),
                            QStringLiteral("Печать текущего файла"));
    FilePrint1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Print));
    connect(FilePrint1, &QAction::triggered, this, &TMainForm::FilePrint1Execute);

    FileExit1 = MakeAction(this, "FileExit1", QStringLiteral("&Выход"),
                           QStringLiteral("Закрыть это приложение"));
    connect(FileExit1, &QAction::triggered, this, &TMainForm::FileExit1Execute);

    Cyclogramm1 = MakeAction(this, "Cyclogramm1", QStringLiteral("&Циклограмма"),
                             QStringLiteral("Графическое представление расписания работ"));
    Cyclogramm1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Cyclogram));
    connect(Cyclogramm1, &QAction::triggered, this, &TMainForm::Cyclogramm1Execute);

    Vars1 = MakeAction(this, "Vars1", QStringLiteral("П&еременные"),
                       QStringLiteral("Просмотр массива данных для отправки"));
    Vars1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Variables));
    connect(Vars1, &QAction::triggered, this, &TMainForm::Vars1Execute);

    Send1 = MakeAction(this, "Send1", QStringLiteral("&Отправить"),
                       QStringLiteral("Загрузить в последовательный порт"));
    Send1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Send));
    connect(Send1, &QAction::triggered, this, &TMainForm::Send1Execute);

    Insert1 = MakeAction(this, "Insert1", QStringLiteral("&Добовить"),
                         QStringLiteral("Добавить операцию"));
    Insert1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Insert));
    connect(Insert1, &QAction::triggered, this, &TMainForm::Insert1Execute);

    Edit1 = MakeAction(this, "Edit1", QStringLiteral("&Редактировать"),
                       QStringLiteral("Редактировать операцию"));
    Edit1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Edit));
    connect(Edit1, &QAction::triggered, this, &TMainForm::Edit1Execute);

    Erase1 =
        MakeAction(this, "Erase1", QStringLiteral("&Удалить"), QStringLiteral("Удалить операцию"));
    Erase1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Erase));
    connect(Erase1, &QAction::triggered, this, &TMainForm::Erase1Execute);

    HelpAbout1 = MakeAction(this, "HelpAbout1", QStringLiteral("&Справка"),
                            QStringLiteral("Руководство пользователя"));
    HelpAbout1->setIcon(ToolIcons::Icon(ToolIcons::Picture::Help));
    connect(HelpAbout1, &QAction::triggered, this, &TMainForm::HelpAbout1Execute);

    WindowCascade1 =
        MakeAction(this, "WindowCascade1", QStringLiteral("&Каскад"), QStringLiteral("Cascade"));
    connect(WindowCascade1, &QAction::triggered, MdiArea, &QMdiArea::cascadeSubWindows);
    WindowTileHorizontal1 =
        MakeAction(this, "WindowTileHorizontal1", QStringLiteral("&Горизонтально"),
                   QStringLiteral("Tile Horizontally"));
    connect(WindowTileHorizontal1, &QAction::triggered, this, &TMainForm::TileHorizontally);
    WindowTileVertical1 = MakeAction(this, "WindowTileVertical1", QStringLiteral("&Вертикально"),
                                     QStringLiteral("Tile Vertically"));
    connect(WindowTileVertical1, &QAction::triggered, this, &TMainForm::TileVertically);
    WindowMinimizeAll1 = MakeAction(this, "WindowMinimizeAll1", QStringLiteral("&Свернуть"),
                                    QStringLiteral("Minimize All"));
    connect(WindowMinimizeAll1, &QAction::triggered, this, &TMainForm::MinimizeAll);

    for (QAction* action : {Cyclogramm1, Insert1, Edit1, Erase1, Send1, Vars1, FilePrint1})
        action->setEnabled(false);
}

void TMainForm::CreateMenus() {
    QMenu* device = MakeMenu(this, "DeviceMenu", QStringLiteral("&Тип прибора"));
    N41 = MakeAction(this, "N41", QStringLiteral("КРЖ-&4"));
    N41->setCheckable(true);
    N121 = MakeAction(this, "N121", QStringLiteral("КРЖ-&12"));
    N121->setCheckable(true);
    connect(N41, &QAction::triggered, this, &TMainForm::N41Click);
    connect(N121, &QAction::triggered, this, &TMainForm::N121Click);
    device->addAction(N41);
    device->addAction(N121);
    menuBar()->addMenu(device);

    QMenu* file = MakeMenu(this, "FileMenu", QStringLiteral("&Файл"));
    file->addActions({FileNew1, FileOpen1, FileSave1, N10});
    file->addSeparator();
    file->addAction(FilePrint1);
    file->addSeparator();
    file->addAction(FileExit1);
    menuBar()->addMenu(file);

    QMenu* mode = MakeMenu(this, "ModeMenu", QStringLiteral("&Режим"));
    WorkModeItem = MakeAction(this, "WorkModeItem", QStringLiteral("&Рабочий"),
                              QStringLiteral("Основной рабочий режим"));
    connect(WorkModeItem, &QAction::triggered, this, &TMainForm::WorkModeItemClick);
    HotModeItem = MakeAction(this, "HotModeItem", QStringLiteral("&Прогрев"),
                             QStringLiteral("Режим прогрева"));
    connect(HotModeItem, &QAction::triggered, this, &TMainForm::HotModeItemClick);
    mode->addAction(WorkModeItem);
    mode->addAction(HotModeItem);
    QMenu* emergency = MakeMenu(mode, "AvMenu1", QStringLiteral("Аварийный 1"));
    AvItem1 = emergency->menuAction();
    AvItem1->setObjectName(QStringLiteral("AvItem1"));
    AvItem1->setStatusTip(QStringLiteral("Авария 1-го рода"));
    AvItem1->setToolTip(AvItem1->statusTip());
    mode->addMenu(emergency);
    struct EmergencyItems {
        const char* menuName;
        const char* itemName;
        const char* operationsName;
        const char* timeName;
        QString title;
        int slot;
        QAction** item;
        QAction** operations;
        QAction** time;
    };
    const EmergencyItems items[] = {
        {"AvMenu11", "AvItem11", "N18", "N22", QStringLiteral("Аварийный 1.1"),
         TDuvProgs::Emergency11, &AvItem11, &N18, &N22},
        {"AvMenu12", "AvItem12", "N20", "N23", QStringLiteral("Аварийный 1.2"),
         TDuvProgs::Emergency12, &AvItem12, &N20, &N23},
        {"AvMenu13", "AvItem13", "N21", "N24", QStringLiteral("Аварийный 1.3"),
         TDuvProgs::Emergency13, &AvItem13, &N21, &N24},
    };
    for (const EmergencyItems& e : items) {
        QMenu* sub = MakeMenu(emergency, e.menuName, e.title);
        *e.item = sub->menuAction();
        (*e.item)->setObjectName(QLatin1String(e.itemName));
        *e.operations =
            MakeAction(this, e.operationsName, QStringLiteral("Задание операций режима"));
        *e.time = MakeAction(this, e.timeName, QStringLiteral("Время действия режима"));
        const int slot = e.slot;
        connect(*e.operations, &QAction::triggered, this, [this, slot] { ShowProgram(slot); });
        connect(*e.time, &QAction::triggered, this, [this, slot] { ZoneTimeClick(slot); });
        sub->addAction(*e.operations);
        sub->addAction(*e.time);
        emergency->addMenu(sub);
    }
    menuBar()->addMenu(mode);

    QMenu* service = MakeMenu(this, "ServiceMenu", QStringLiteral("&Сервис"));
    service->addAction(Cyclogramm1);
    service->addSeparator();
    QMenu* setup = MakeMenu(service, "SetupMenu", QStringLiteral("&Протокол настройки"));
    SetupItem = setup->menuAction();
    SetupItem->setObjectName(QStringLiteral("SetupItem"));
    SetupItem->setStatusTip(QStringLiteral("Протокол настройки"));
    SetupItem->setToolTip(SetupItem->statusTip());
    SetupItem->setEnabled(false);
    HeadItem = MakeAction(this, "HeadItem", QStringLiteral("&Шапка"));
    connect(HeadItem, &QAction::triggered, this, &TMainForm::HeadItemClick);
    setup->addAction(HeadItem);
    setup->addAction(FilePrint1);
    service->addMenu(setup);
    service->addAction(Vars1);
    service->addSeparator();
    service->addAction(Send1);
    menuBar()->addMenu(service);

    QMenu* edit = MakeMenu(this, "EditMenu", QStringLiteral("Р&едактирование"));
    // The menu spells the command right, while the action keeps its own caption: the menu item
    // is a separate action that follows Insert1.
    InsertItem = MakeAction(this, "InsertItem", QStringLiteral("&Добавить"), Insert1->statusTip());
    InsertItem->setIcon(Insert1->icon());
    InsertItem->setEnabled(Insert1->isEnabled());
    connect(InsertItem, &QAction::triggered, Insert1, &QAction::trigger);
    connect(Insert1, &QAction::enabledChanged, InsertItem, &QAction::setEnabled);
    edit->addActions({InsertItem, Edit1, Erase1});
    menuBar()->addMenu(edit);

    QMenu* window = MakeMenu(this, "WindowMenu", QStringLiteral("&Окно"));
    window->addActions(
        {WindowCascade1, WindowTileHorizontal1, WindowTileVertical1, WindowMinimizeAll1});
    menuBar()->addMenu(window);

    QMenu* help = MakeMenu(this, "HelpMenu", QStringLiteral("&Помощь"));
    N17 = MakeAction(this, "N17", QStringLiteral("Руководство пользователя"));
    connect(N17, &QAction::triggered, this, &TMainForm::N17Click);
    AboutItem = MakeAction(this, "AboutItem", QStringLiteral("&О программе"),
                           QStringLiteral("Вывести информацию об этой программе"));
    connect(AboutItem, &QAction::triggered, this, &TMainForm::HelpItemClick);
    help->addAction(N17);
    help->addAction(HelpAbout1);
    help->addSeparator();
    help->addAction(AboutItem);
    menuBar()->addMenu(help);
}

void TMainForm::CreateToolBar() {
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->addActions({FileNew1, FileOpen1, FileSave1});
    ToolBar1->addSeparator();
    ToolBar1->addAction(FilePrint1);
    ToolBar1->addSeparator();
    ToolBar1->addActions({Cyclogramm1, Vars1});
    ToolBar1->addSeparator();
    ToolBar1->addAction(Send1);
    ToolBar1->addSeparator();
    ToolBar1->addActions({Insert1, Edit1, Erase1});
    ToolBar1->addSeparator();
    ToolBar1->addAction(HelpAbout1);
    addToolBar(Qt::TopToolBarArea, ToolBar1);
}

// ---- the program windows

QList<TMDIChild*> TMainForm::ProgramWindows() const {
    QList<TMDIChild*> windows;
    if (!MdiArea)
        return windows;
    const QList<QMdiSubWindow*> stack = MdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.crbegin(); it != stack.crend(); ++it)
        if (auto* window = qobject_cast<TMDIChild*>(*it); window && !window->IsClosing())
            windows << window;
    return windows;
}

TMDIChild* TMainForm::FindProgramWindow(int slot) const {
    for (TMDIChild* window : ProgramWindows())
        if (window->ProgIndex == slot)
            return window;
    return nullptr;
}

TMDIChild* TMainForm::ActiveProgramWindow() const {
    const QList<TMDIChild*> windows = ProgramWindows();
    auto* current = qobject_cast<TMDIChild*>(MdiArea->currentSubWindow());
    if (current && windows.contains(current))
        return current;
    return windows.value(0);
}

void TMainForm::ShowProgramWindow(TMDIChild* window) {
    if (window->isMinimized())
        window->showNormal();
    MdiArea->setActiveSubWindow(window);
    window->raise();
}

TMDIChild* TMainForm::OpenProgramWindow(const QString& caption, int slot) {
    auto* window = new TMDIChild(*this, slot);
    MdiArea->addSubWindow(window);
    window->setWindowTitle(caption);
    window->show();
    window->FormShow();
    return window;
}

void TMainForm::ProgramWindowClosing(TMDIChild* window) {
    const QList<TMDIChild*> windows = ProgramWindows();
    if (std::any_of(windows.begin(), windows.end(),
                    [window](TMDIChild* other) { return other != window; }))
        return;
    for (QAction* action :
         {Cyclogramm1, Insert1, Edit1, Erase1, Send1, FileSave1, Vars1, FilePrint1, SetupItem})
        action->setEnabled(false);
}

bool TMainForm::CloseProgramWindows() {
    for (TMDIChild* window : ProgramWindows())
        if (!window->close())
            return false;
    return true;
}

void TMainForm::EnableProgramActions() {
    for (QAction* action :
         {Cyclogramm1, Insert1, Edit1, Erase1, Send1, Vars1, FilePrint1, SetupItem})
        action->setEnabled(true);
}

void TMainForm::ClearHeader() {
    Header.Clear();
}

QString TMainForm::ZoneSuffix(int slot) const {
    return Captions::ZoneSuffix(Progs.Prog(slot), slot);
}

void TMainForm::BuildSendArray() {
    SendArray = ::SendArray::Build(Progs);
}

void TMainForm::MarkSaved() {
    FileSave1->setEnabled(false);
    for (TMDIChild* window : ProgramWindows())
        window->Changed = 0;
}

void TMainForm::ShowDeviceType() {
    const bool four = ChannelCount == 4;
    N41->setChecked(four);
    N121->setChecked(!four);
    AvItem1->setEnabled(!four);
}

// ---- the file commands

void TMainForm::FileNew1Execute() {
    // A window that refuses to close would be left showing a program of a document that is
    // no longer there; the command stops instead.
    if (!CloseProgramWindows())
        return;
    setWindowTitle(Captions::DeviceTitle(12));
    PortName = QStringLiteral("COM2");
    ChannelCount = 12;
    ShowDeviceType();
    ClearHeader();
    Progs.Reset();
    OpenProgramWindow(TextCodec::ToUnicode(Progs.Prog(TDuvProgs::Main).Name), TDuvProgs::Main);
    FileName.clear();
    EnableProgramActions();
    FileSave1->setEnabled(false);
    MdiArea->cascadeSubWindows();
}

void TMainForm::FileOpen1Execute() {
    if (!CloseProgramWindows())
        return;
    const QString path = AskOpenFileName ? AskOpenFileName() : QString();
    if (!path.isEmpty())
        LoadDocument(path);
    MdiArea->cascadeSubWindows();
}

bool TMainForm::OpenDocument(const QString& path) {
    if (!CloseProgramWindows())
        return false;
    const bool loaded = LoadDocument(path);
    MdiArea->cascadeSubWindows();
    return loaded;
}

bool TMainForm::LoadDocument(const QString& path) {
    TDuvDocument doc;
    // A file that cannot be read whole changes nothing: the previous document stays.
    if (const auto error = DocumentFile::Read(path, doc)) {
        Messages::Show(this, error->Text(), QStringLiteral("Ошибка"));
        return false;
    }
    FileName = path;
    ChannelCount = doc.ChannelCount;
    Header = doc.Header;
    Progs = doc.Progs;
    ShowDeviceType();
    setWindowTitle(Captions::DocumentTitle(ChannelCount, FileName));
    // Slot 0 last, so that the main program's window ends on top.
    for (int slot = TDuvProgs::Emergency13; slot >= TDuvProgs::Main; --slot)
        if (Progs.Prog(slot).Defined != 0)
            OpenProgramWindow(TextCodec::ToUnicode(Progs.Prog(slot).Name) + ZoneSuffix(slot), slot);
    EnableProgramActions();
    return true;
}

bool TMainForm::SaveDocument() {
    if (!FileName.isEmpty())
        return WriteDocument(FileName);
    const QString target = ChooseSaveTarget();
    return !target.isEmpty() && WriteDocument(target);
}

void TMainForm::FileSave1Execute() {
    SaveDocument();
}

void TMainForm::N10Click() {
    const QString target = ChooseSaveTarget();
    if (!target.isEmpty())
        WriteDocument(target);
}

QString TMainForm::ChooseSaveTarget() {
    const QString chosen = AskSaveFileName ? AskSaveFileName() : QString();
    if (chosen.isEmpty())
        return chosen;
    // The save dialog asks about replacing the name as typed; a file that only the added
    // ".dv3" hits is asked about here.
    const QString target = Captions::WithDocumentExtension(chosen);
    if (target != chosen && QFileInfo::exists(target) &&
        Messages::Show(this,
                       QStringLiteral("Файл «%1» уже существует. Заменить его?")
                           .arg(QDir::toNativeSeparators(target)),
                       QStringLiteral("Предупреждение"),
                       Messages::Buttons::YesNo) != Messages::Answer::Yes)
        return QString();
    return target;
}

bool TMainForm::WriteDocument(const QString& path) {
    const TDuvDocument doc{ChannelCount, Header, Progs};
    if (const auto error = DocumentFile::Write(path, doc)) {
        Messages::Show(this, error->Text(), QStringLiteral("Ошибка"));
        return false;
    }
    FileName = path;
    setWindowTitle(Captions::DocumentTitle(ChannelCount, FileName));
    MarkSaved();
    return true;
}

QString TMainForm::ChooseOpenFileName() {
    QFileDialog dialog(this, QString(), QString(), DocumentFilter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // A name typed without its extension opens the document of that name.
    dialog.setDefaultSuffix(QStringLiteral("dv3"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString TMainForm::ChooseSaveFileName() {
    return QFileDialog::getSaveFileName(this, QString(), QString(), DocumentFilter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void TMainForm::FilePrint1Execute() {
    PrintForm->PrintProtocol(Progs, Header, FileName);
}

void TMainForm::FileExit1Execute() {
    close();
}

// ---- the device type

void TMainForm::N41Click() {
    if (ChannelCount != 4) {
        if (!ProgramWindows().isEmpty()) {
            if (Messages::Show(this,
                               QStringLiteral("Эти изменения приведут к потере информации о "
                                              "режимах. Продолжить?"),
                               QStringLiteral("Предупреждение"),
                               Messages::Buttons::YesNo) != Messages::Answer::Yes ||
                !CloseProgramWindows()) {
                ShowDeviceType();
                return;
            }
            ClearHeader();
            Progs.Reset();
            OpenProgramWindow(TextCodec::ToUnicode(Progs.Prog(TDuvProgs::Main).Name),
                              TDuvProgs::Main);
            MdiArea->cascadeSubWindows();
            FileName.clear();
            EnableProgramActions();
        }
        ChannelCount = 4;
        setWindowTitle(Captions::DeviceTitle(4));
    }
    ShowDeviceType();
}

void TMainForm::N121Click() {
    if (ChannelCount != 12) {
        if (!ProgramWindows().isEmpty() &&
            Messages::Show(this,
                           QStringLiteral("Станут доступными для модификации аварийные режимы и "
                                          "операции с каналом больше 4. Продолжить?"),
                           QStringLiteral("Предупреждение"),
                           Messages::Buttons::YesNo) != Messages::Answer::Yes) {
            ShowDeviceType();
            return;
        }
        ChannelCount = 12;
        setWindowTitle(Captions::DocumentTitle(12, FileName));
    }
    ShowDeviceType();
}

// ---- the programs

void TMainForm::WorkModeItemClick() {
    ShowProgram(TDuvProgs::Main);
}

void TMainForm::HotModeItemClick() {
    ShowProgram(TDuvProgs::Preheat);
}

void TMainForm::ShowProgram(int slot) {
    if (TMDIChild* window = FindProgramWindow(slot))
        ShowProgramWindow(window);
    else
        OpenProgramWindow(TextCodec::ToUnicode(Progs.Prog(slot).Name) + ZoneSuffix(slot), slot);
    EnableProgramActions();
}

void TMainForm::ZoneTimeClick(int slot) {
    TMDIChild* window = FindProgramWindow(slot);
    if (!window) {
        Messages::Show(this, QStringLiteral("Требуемый аварийный режим не определен."),
                       QStringLiteral("Ошибка"));
        return;
    }
    ShowProgramWindow(window);
    window->OpenZoneForm();
}

// ---- commands for the active program window and the other forms

void TMainForm::Insert1Execute() {
    if (TMDIChild* window = ActiveProgramWindow())
        window->InsertOperation();
}

void TMainForm::Edit1Execute() {
    if (TMDIChild* window = ActiveProgramWindow())
        window->EditOperation();
}

void TMainForm::Erase1Execute() {
    if (TMDIChild* window = ActiveProgramWindow())
        window->EraseOperation();
}

void TMainForm::Cyclogramm1Execute() {
    if (TMDIChild* window = ActiveProgramWindow())
        window->ShowCyclogram();
}

void TMainForm::HeadItemClick() {
    HeaderForm->show();
    HeaderForm->raise();
    HeaderForm->activateWindow();
}

void TMainForm::Vars1Execute() {
    BuildSendArray();
    VarForm->ShowArray(SendArray, QStringLiteral("Переменные"));
}

void TMainForm::Send1Execute() {
    if (const std::optional<QString> warning = UploadWarning(Progs, ChannelCount))
        if (Messages::Show(this, *warning, QStringLiteral("Предупреждение"),
                           Messages::Buttons::YesNo) != Messages::Answer::Yes)
            return;
    SendForm->show();
    SendForm->raise();
    SendForm->activateWindow();
}

// ---- the window menu

namespace {
QList<QMdiSubWindow*> ArrangedWindows(QMdiArea* area) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area->subWindowList(QMdiArea::CreationOrder))
        if (window->isVisible() && !window->isMinimized())
            windows << window;
    return windows;
}

void Tile(QMdiArea* area, bool horizontally) {
    const QList<QMdiSubWindow*> windows = ArrangedWindows(area);
    if (windows.isEmpty())
        return;
    const QRect space = area->viewport()->rect();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized())
            window->showNormal();
        // Horizontally: one above the other, each as wide as the frame; vertically: side by side.
        if (horizontally) {
            const int top = space.top() + space.height() * i / count;
            const int bottom = space.top() + space.height() * (i + 1) / count;
            window->setGeometry(space.left(), top, space.width(), bottom - top);
        } else {
            const int left = space.left() + space.width() * i / count;
            const int right = space.left() + space.width() * (i + 1) / count;
            window->setGeometry(left, space.top(), right - left, space.height());
        }
    }
}
} // namespace

void TMainForm::TileHorizontally() {
    Tile(MdiArea, true);
}

void TMainForm::TileVertically() {
    Tile(MdiArea, false);
}

void TMainForm::MinimizeAll() {
    for (QMdiSubWindow* window : MdiArea->subWindowList())
        window->showMinimized();
}

// ---- help

void TMainForm::ShowHelpPage(const QString& page) {
    const QDir own(QCoreApplication::applicationDirPath());
    const QStringList places{own.filePath(page),
                             own.filePath(QStringLiteral("../share/duvt/help/") + page)};
    for (const QString& place : places) {
        if (!QFileInfo::exists(place))
            continue;
        const QString path = QDir::cleanPath(QFileInfo(place).absoluteFilePath());
        if (!OpenHelpPage || !OpenHelpPage(QUrl::fromLocalFile(path)))
            Messages::Show(this,
                           QStringLiteral("Не удаётся открыть страницу справки «%1»")
                               .arg(QDir::toNativeSeparators(path)),
                           QStringLiteral("Ошибка"));
        return;
    }
    Messages::Show(this, QStringLiteral("Не найдена страница справки «%1»").arg(page),
                   QStringLiteral("Ошибка"));
}

void TMainForm::N17Click() {
    ShowHelpPage(QStringLiteral("index1.htm"));
}

void TMainForm::HelpAbout1Execute() {
    ShowHelpPage(QStringLiteral("index2.htm"));
}

void TMainForm::HelpItemClick() {
    AboutBox->exec();
}

// ---- closing

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!CloseProgramWindows()) {
        event->ignore();
        return;
    }
    if (const auto error =
            Settings::WritePortName(QString::fromLatin1(Settings::FileName), PortName))
        Messages::Show(this, QStringLiteral("Настройки не сохранены: %1").arg(*error),
                       QStringLiteral("Ошибка"));
    event->accept();
}
