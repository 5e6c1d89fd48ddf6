#include "TAboutBox.h"

#include "WindowPlacement.h"

#include "ToolIcons.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе"));
    setModal(true);

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(ToolIcons::Icon(ToolIcons::Picture::Program).pixmap(48, 48));
    ProgramIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    ProductName = new QLabel(QStringLiteral("ДУВТ 2004"), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont big = ProductName->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    ProductName->setFont(big);

    Comments = new QLabel(QStringLiteral("Рабочее место технолога\n"
                                         "вулканизатора-форматора:\n"
                                         "программы контроллеров КРЖ-4 и КРЖ-12,\n"
                                         "их загрузка и протокол настройки"),
                          this);
    Comments->setObjectName(QStringLiteral("Comments"));

    Version = new QLabel(QStringLiteral("Версия 3.1"), this);
    Version->setObjectName(QStringLiteral("Version"));

    Copyright = new QLabel(QStringLiteral("Группа автоматизации прессового участка\n"
                                          "www.example.org/duvt\n"
                                          "duvt@example.org"),
                           this);
    Copyright->setObjectName(QStringLiteral("Copyright"));
    Copyright->setTextInteractionFlags(Qt::TextSelectableByMouse);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setMinimumWidth(75);
    connect(BitBtn1, &QPushButton::clicked, this, &TAboutBox::BitBtn1Click);

    auto* text = new QVBoxLayout;
    text->addWidget(ProductName);
    text->addWidget(Comments);
    text->addSpacing(8);
    text->addWidget(Version);
    text->addSpacing(8);
    text->addWidget(Copyright);
    auto* top = new QHBoxLayout;
    top->addWidget(ProgramIcon);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addSpacing(8);
    all->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

void TAboutBox::BitBtn1Click() {
    accept();
}
