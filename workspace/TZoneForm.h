#pragma once

#include "TMyTime.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class TDuvProgs;

// The zone dialog: the interval in which an emergency program of group 1 applies, or the
// deletion of that program. Modeless, created once and hidden when closed. A valid OK or a
// confirmed deletion clears Applied, hides the dialog and emits ResultReady; the program window
// that opened it (Requester) then writes CurrentResult() back.
class TZoneForm : public QDialog {
    Q_OBJECT
  public:
    explicit TZoneForm(const TDuvProgs& progs, QWidget* parent = nullptr);

    bool Applied = true;         // false while an accepted result waits for its program window
    int ProgIndex = 0;           // program slot whose zone is edited; set by the opener
    QPointer<QObject> Requester; // the program window that opened the dialog; set by the opener

    QLineEdit* OnMin = nullptr;
    QLineEdit* OnSec = nullptr;
    QLineEdit* OnMillSec = nullptr; // tenths of a second, 0..99
    QLineEdit* OffMin = nullptr;
    QLineEdit* OffSec = nullptr;
    QLineEdit* OffMillSec = nullptr; // tenths of a second, 0..99
    QCheckBox* DefinedBox = nullptr; // "Программа определена"; clearing it deletes the program
    QPushButton* BitBtn2 = nullptr; // OK, the default button
    QPushButton* BitBtn1 = nullptr; // Отмена, also Esc
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;

    struct Result {
        bool Deleted = false; // the user confirmed the deletion of the program
        TMyTime Start, Stop;  // the zone as typed (meaningless when Deleted)
    };
    Result CurrentResult() const;

  Q_SIGNALS:
    // After a valid OK or a confirmed deletion: Applied is false and the dialog hidden.
    void ResultReady();

  public:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void BitBtn2Click();
    void BitBtn1Click();
    void DefinedBoxClick(bool checked);
    void Finish();

    const TDuvProgs& progs_;
    bool shownOnce_ = false;
};
