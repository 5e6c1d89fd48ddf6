#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "О программе": the program's picture, name, version and makers. Shown modally from the help
// menu; created once and hidden when closed.
class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;  // "ДУВТ 2004"
    QLabel* Comments = nullptr;     // the four lines naming the product
    QLabel* Version = nullptr;      // "Версия 3.1"
    QLabel* Copyright = nullptr;    // the maker's name, web address and e-mail
    QPushButton* BitBtn1 = nullptr; // OK

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BitBtn1Click();
};
