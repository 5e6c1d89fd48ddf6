#pragma once

#include <QMdiSubWindow>
#include <QStringList>

class QAction;
class QCloseEvent;
class QMenu;
class QShowEvent;
class QStatusBar;
class QTableWidget;
class TDuvProg;
class TMainForm;

// A program window: one program of the main window's program set as a table, one row per
// operation and one empty row at the bottom for a new one. Row i stands for operation slot i of
// the program; the window edits the program in place and keeps no copy of it.
class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
  public:
    // The slot is taken at once: the window shows that program for its whole life.
    TMDIChild(TMainForm& mainForm, int progIndex);
    ~TMDIChild() override;

    QTableWidget* sgrid = nullptr;
    QStatusBar* StatusBar = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* PropertyItem = nullptr; // "Зона действия программы"
    QAction* N1 = nullptr;           // "Закрыть программу"

    bool JustCreated = true; // until the window is first activated
    int ProgIndex = 0;       // program slot 0..10, fixed for the window's life
    int Changed = 0;         // 1 while the program has changes that are not saved

    // The editing commands of the main window act on the active program window.
    void InsertOperation();
    void EditOperation();
    void EraseOperation();
    void ShowCyclogram();
    // Opens the zone dialog for this window's emergency program; its result comes back here.
    void OpenZoneForm();

    // Fills the table from the program the first time the window is shown; a program that was
    // not yet part of the document becomes part of it.
    void FormShow();
    // Enables saving and sets Changed.
    void MarkChanged();
    // Widens the last column to the width the others leave free.
    void FitLastColumn();
    // True once the window has agreed to close; it is then no longer counted as open.
    bool IsClosing() const { return closing_; }
    // The texts of a table row, column by column.
    QStringList RowTexts(int row) const;
    // The size of a new window; arranging the windows in a cascade gives them this size too.
    QSize sizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TDuvProg& Prog() const;
    void FormActivate();
    void FormDeactivate();
    void sgridDblClick();
    void PropertyItemClick();
    void N1Click();
    void EditOpFormResult();
    void ZoneFormResult();
    void InsertEmptyRow(int row);
    void SetRowTexts(int row, const QStringList& texts);
    void WriteOperationRow(int row);
    int RowOfToken(quint64 token) const;
    quint64 RowToken(int row) const;
    void SelectRow(int row);

    TMainForm& Main;
    quint64 nextRowToken_ = 1;
    quint64 editRowToken_ = 0; // the row the operation dialog was last opened for
    bool shown_ = false;
    bool closing_ = false;
    bool closeWithoutQuestion_ = false;
};
