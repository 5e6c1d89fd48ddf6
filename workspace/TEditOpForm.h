#pragma once

#include "TMyTime.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class TDuvProgs;
class TDuvRec;
enum class EditOpField;

// The operation dialog: name, channel and either switch-on time and duration or, for the
// preheating program, the channel's states at the start and the stop of preheating. Modeless,
// created once and hidden when closed. A valid OK clears Applied, hides the dialog and emits
// ResultReady; the program window that opened it (Requester) then writes CurrentResult() back.
class TEditOpForm : public QDialog {
    Q_OBJECT
  public:
    TEditOpForm(const TDuvProgs& progs, const int& channelCount, QWidget* parent = nullptr);

    bool Applied = true;         // false while an accepted result waits for its program window
    int ProgIndex = 0;           // program slot of the operation; 1 (preheating) chooses state mode
    int OldChannel = 0;          // channel of the operation slot when the dialog was filled
    QPointer<QObject> Requester; // the program window that opened the dialog; set by the opener

    QLineEdit* OpName = nullptr;
    QLineEdit* ChanNo = nullptr;
    QLineEdit* OnMin = nullptr;
    QLineEdit* OnSec = nullptr;
    QLineEdit* OnMillSec = nullptr;
    QLineEdit* LengthMin = nullptr;
    QLineEdit* LengthSec = nullptr;
    QLineEdit* LengthMillSec = nullptr;
    QComboBox* ComboBox1 = nullptr; // state at the start of preheating, over OnMin
    QComboBox* ComboBox2 = nullptr; // state at the stop of preheating, over LengthMin
    QPushButton* BitBtn1 = nullptr; // OK, the default button
    QPushButton* BitBtn2 = nullptr; // Отмена, also Esc
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;

    // Fills the dialog from a table row: the name and channel cells, the preheating state cells
    // (columns 2 and 3, used only in state mode), the operation slot the row stands for, and the
    // program slot. Sets the mode, ProgIndex and OldChannel; does not show the dialog.
    void Fill(const QString& nameCell, const QString& channelCell, const QString& startCell,
              const QString& stopCell, const TDuvRec& slot, int progIndex);

    struct Result {
        QString NameText;    // the name exactly as typed
        QString ChannelText; // the channel exactly as typed
        std::string Name;    // the name as Windows-1251 bytes
        int Channel = 0;     // the channel as a number
        bool StateMode = false;
        QString StartText, StopText; // the combo texts (the state cells in state mode)
        // Time mode: switch-on time, duration and switch-off time (On + Length on 16 bits).
        // State mode: On and Off are the states of StartText and StopText (StateOn, StateOff
        // or TimeUndefined) and Length is TimeUndefined, so that SetOnTime(On) followed by
        // OffTime = Off writes either mode back.
        TMyTime On, Length, Off;
    };
    // What the dialog's fields hold; after a valid OK, what that OK accepted.
    Result CurrentResult() const;

  Q_SIGNALS:
    // After a valid OK: Applied is false and the dialog hidden.
    void ResultReady();

  public:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void SetStateMode(bool stateMode);
    QWidget* FieldWidget(EditOpField field) const;

    const TDuvProgs& progs_;
    const int& channelCount_;
    bool shownOnce_ = false;
};
