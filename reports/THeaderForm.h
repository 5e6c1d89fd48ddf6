#pragma once

#include "THeader.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

// "Шапка протокола настройки": the eight header lines of the setup protocol. Modeless; created once
// and hidden, not destroyed, when closed. It edits the main window's header lines in place.
class THeaderForm : public QDialog {
    Q_OBJECT
  public:
    // The longest header line a document can hold.
    static constexpr int MaxLineLength = 79;

    explicit THeaderForm(THeader& header, QWidget* parent = nullptr);

    // Edit1..Edit8 show Header[0]..Header[7].
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7, *Edit8;
    QPushButton* BitBtn1; // "Принять"
    QPushButton* BitBtn2; // "Отмена"
    // "№", "от", "Режим вулканизации", "Вид изделия", "Модель", "Исполнение",
    // "Вулканизационная аппаратура", "Индивидуальный" / "вулканизатор-форматор".
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;

    std::array<QLineEdit*, 8> Edits() const;

  Q_SIGNALS:
    // "Принять" stored the lines (even unchanged ones): the document is to be saved.
    void Accepted();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();

    THeader& Header;
};
