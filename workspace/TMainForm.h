#pragma once

#include "SendArray.h"
#include "TDuvProgs.h"
#include "THeader.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <functional>

class QAction;
class QCloseEvent;
class QMdiArea;
class QMenu;
class QToolBar;
class TAboutBox;
class TCyclForm;
class TEditOpForm;
class THeaderForm;
class TMDIChild;
class TPrintForm;
class TSendForm;
class TVarForm;
class TZoneForm;

// The frame of the workstation: owns the one open document (program set, header lines, device
// type, file name), the upload settings and every command. Each open program is shown in its own
// program window (TMDIChild) inside the frame.
class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The document and what outlives it. The other windows read and change these in place.
    TDuvProgs Progs;
    THeader Header;
    QString FileName; // full path; empty while the document has no file
    ::SendArray::Words SendArray{};
    QString PortName;      // serial port of the upload, kept in the settings file
    int ChannelCount = 12; // 4 selects the 4-channel device, every other value the 12-channel one

    // The forms of the workstation, created once by the constructor in start-up order.
    TAboutBox* AboutBox = nullptr;
    TEditOpForm* EditOpForm = nullptr;
    TSendForm* SendForm = nullptr;
    TZoneForm* ZoneForm = nullptr;
    TCyclForm* CyclForm = nullptr;
    TVarForm* VarForm = nullptr;
    TPrintForm* PrintForm = nullptr;
    THeaderForm* HeaderForm = nullptr;

    QMdiArea* MdiArea = nullptr;
    QToolBar* ToolBar1 = nullptr;

    // Actions: menu items and toolbar buttons share them.
    QAction* FileNew1 = nullptr;
    QAction* FileOpen1 = nullptr;
    QAction* FileSave1 = nullptr;
    QAction* N10 = nullptr; // Save As
    QAction* FilePrint1 = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* Cyclogramm1 = nullptr;
    QAction* Vars1 = nullptr;
    QAction* Send1 = nullptr;
    QAction* Insert1 = nullptr;
    QAction* Edit1 = nullptr;
    QAction* Erase1 = nullptr;
    QAction* HelpAbout1 = nullptr;
    QAction* WindowCascade1 = nullptr;
    QAction* WindowTileHorizontal1 = nullptr;
    QAction* WindowTileVertical1 = nullptr;
    QAction* WindowMinimizeAll1 = nullptr;

    // Menu items of their own. A submenu's item is its menu action (AvItem1->menu()).
    QAction* N41 = nullptr;  // "КРЖ-&4"
    QAction* N121 = nullptr; // "КРЖ-&12"
    QAction* WorkModeItem = nullptr;
    QAction* HotModeItem = nullptr;
    QAction* AvItem1 = nullptr; // "Аварийный 1", disabled for the 4-channel device
    QAction* AvItem11 = nullptr;
    QAction* AvItem12 = nullptr;
    QAction* AvItem13 = nullptr;
    QAction* N18 = nullptr; // operations of 1.1, 1.2, 1.3
    QAction* N20 = nullptr;
    QAction* N21 = nullptr;
    QAction* N22 = nullptr; // time of action of 1.1, 1.2, 1.3
    QAction* N23 = nullptr;
    QAction* N24 = nullptr;
    QAction* SetupItem = nullptr; // "&Протокол настройки"
    QAction* HeadItem = nullptr;
    QAction* InsertItem = nullptr; // the menu's "&Добавить", runs Insert1
    QAction* N17 = nullptr;        // "Руководство пользователя"
    QAction* AboutItem = nullptr;

    // Where the commands get a file name and show a help page. Tests replace them; an empty
    // name means the user cancelled.
    std::function<QString()> AskOpenFileName;
    std::function<QString()> AskSaveFileName;
    std::function<bool(const QUrl&)> OpenHelpPage;

    // Saves the document under FileName, asking for a name when there is none. True when it
    // was written; a failure has been reported to the user and leaves the document unsaved.
    bool SaveDocument();
    // Open without the dialog: closes the program windows and reads the file. False when a
    // window stayed open or the file could not be read (which has been reported).
    bool OpenDocument(const QString& path);
    // Creates and shows the program window of a slot with the given title.
    TMDIChild* OpenProgramWindow(const QString& caption, int slot);
    void EnableProgramActions();
    void ClearHeader();
    // What follows an emergency program's name in the title of a freshly opened window.
    QString ZoneSuffix(int slot) const;
    // Rebuilds SendArray from Progs.
    void BuildSendArray();

    // The program windows, topmost first.
    QList<TMDIChild*> ProgramWindows() const;
    TMDIChild* FindProgramWindow(int slot) const;
    // The window the editing commands act on: the active one, else the topmost.
    TMDIChild* ActiveProgramWindow() const;
    // Brings a program window to the front.
    void ShowProgramWindow(TMDIChild* window);
    // Called by a program window that is about to close for good.
    void ProgramWindowClosing(TMDIChild* window);
    // Every program window's Changed cleared, saving disabled: what a successful save leaves.
    void MarkSaved();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateForms();
    void CyclFormShown();
    void CyclFormClosed(bool childModified);

    void FileNew1Execute();
    void FileOpen1Execute();
    void FileSave1Execute();
    void N10Click();
    void FilePrint1Execute();
    void FileExit1Execute();
    void N41Click();
    void N121Click();
    void WorkModeItemClick();
    void HotModeItemClick();
    void ShowProgram(int slot);
    void ZoneTimeClick(int slot);
    void Cyclogramm1Execute();
    void HeadItemClick();
    void Vars1Execute();
    void Send1Execute();
    void Insert1Execute();
    void Edit1Execute();
    void Erase1Execute();
    void TileHorizontally();
    void TileVertically();
    void MinimizeAll();
    void N17Click();
    void HelpAbout1Execute();
    void HelpItemClick();

    // Asks every program window to close; false when one of them stayed open.
    bool CloseProgramWindows();
    bool WriteDocument(const QString& path);
    bool LoadDocument(const QString& path);
    void ShowDeviceType();
    void EnableAllProgramActions();
    void ShowHelpPage(const QString& page);
    QString ChooseOpenFileName();
    QString ChooseSaveFileName();
    // The name to save under: the chosen one with ".dv3"; empty when the user cancelled.
    QString ChooseSaveTarget();

    bool saveEnabledBeforeCyclogram_ = false;
};
