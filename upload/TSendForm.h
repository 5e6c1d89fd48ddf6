#pragma once

#include "SendArray.h"
#include "TDuvProgs.h"
#include "UploadTransfer.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QShowEvent;
class TVarForm;

// The upload dialog: the user picks the port and starts the transfer to the controller.
// Created once and hidden, not destroyed, when closed. It works on the main window's state:
// the program set, the send array (rebuilt by every transfer) and the remembered port text.
class TSendForm : public QDialog {
    Q_OBJECT
  public:
    TSendForm(const TDuvProgs& progs, SendArray::Words& sendArray, QString& portName,
              TVarForm& viewer, QWidget* parent = nullptr);

    // Closing goes through here whatever asked for it (button, Esc, the window system); a
    // running transfer cannot be closed.
    void done(int result) override;
    bool Transferring() const { return transferring_; }

    // The protocol's timing unless a test needs more slack.
    UploadTransfer::Timing TransferTiming;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QProgressBar* p_bar = nullptr;
    QPushButton* BitBtn1 = nullptr; // "Загрузить", the default button
    QPushButton* BitBtn2 = nullptr; // "Закрыть", Esc

  protected:
    void showEvent(QShowEvent* event) override;
    // While a transfer runs the user's input goes nowhere: the transfer keeps the windows
    // painted, but nothing else may start meanwhile.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void FormClose();
    void BitBtn1Click();
    void BitBtn2Click();
    void Report(const UploadOutcome& outcome);

    const TDuvProgs& progs_;
    SendArray::Words& sendArray_;
    QString& portName_;
    TVarForm& viewer_;
    bool transferring_ = false;
    bool shownOnce_ = false;
};
