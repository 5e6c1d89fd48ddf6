#pragma once

#include "TDuvProgs.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPainter;
class QPushButton;
class TCyclPaintBox;

// The cyclogram window: one program of the document as a bar chart over time, with the names
// and channels of its operations beside the bars. It only reads the program set. Created once
// and hidden, not destroyed, when closed; it closes itself as soon as it loses the focus.
class TCyclForm : public QDialog {
    Q_OBJECT
  public:
    explicit TCyclForm(const TDuvProgs& progs, QWidget* parent = nullptr);

    int ProgIndex = 0;          // the program shown; set by the launcher before showing
    bool ChildModified = false; // whether the launching program window had unsaved changes
    bool Opened = false;        // set by the launcher after showing; cleared on closing

    QLabel* Label13 = nullptr; // "Операция"
    QLabel* Label14 = nullptr; // "Канал"
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    std::array<QLabel*, 12> Label{}; // Label1..Label12: operation names
    std::array<QLabel*, 12> Ch{};    // Ch1..Ch12: channels
    TCyclPaintBox* PaintBox = nullptr;
    QPushButton* BitBtn1 = nullptr; // OK

  Q_SIGNALS:
    // The window has been shown with the rows of ProgIndex: the editing commands are held back.
    void Shown();
    // The window has been closed (Opened is already false); childModified is ChildModified.
    void Closed(bool childModified);

  protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void FormShow();
    void FormClose();
    void FormDeactivate();
    void BitBtn1Click();
    void PaintBoxPaint(QPainter& painter);

    const TDuvProgs& progs_;
    bool shown_ = false; // between FormShow and FormClose, so each show is closed once
};
