#include "TZoneForm.h"

#include "WindowPlacement.h"

#include "LeadingInt.h"
#include "Messages.h"
#include "TDuvProgs.h"
#include "ZoneCheck.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {
QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int left, int top) {
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(left, top, 49, 21);
    return edit;
}

// A bound of a zone shown in three edits; "no zone" shows as zeros.
void ShowBound(TMyTime bound, QLineEdit* minutes, QLineEdit* seconds, QLineEdit* tenths) {
    const bool undefined = bound.Value() == TMyTime::TimeUndefined;
    minutes->setText(undefined ? QStringLiteral("0") : QString::number(bound.Minutes()));
    seconds->setText(undefined ? QStringLiteral("0") : QString::number(bound.Seconds()));
    tenths->setText(undefined ? QStringLiteral("0") : QString::number(bound.Tenths()));
}
} // namespace

TZoneForm::TZoneForm(const TDuvProgs& progs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      progs_(progs) {
    setObjectName(QStringLiteral("ZoneForm"));
    setWindowTitle(QStringLiteral("Зона действия программы"));
    setFixedSize(244, 147);
    // The form is laid out in pixels for a narrow font 11 pixels high; a larger or wider font
    // would push the labels under the edits. Where none of these is installed the default
    // family stays, at that height.
    QFont formFont = font();
    formFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                          QStringLiteral("Liberation Sans")});
    formFont.setPixelSize(11);
    setFont(formFont);
    setModal(false);

    Label1 = MakeLabel(this, "Label1", 16, 16, QStringLiteral("Старт"));
    OnMin = MakeEdit(this, "OnMin", 56, 16);
    OnSec = MakeEdit(this, "OnSec", 112, 16);
    OnMillSec = MakeEdit(this, "OnMillSec", 168, 16);
    Label2 = MakeLabel(this, "Label2", 16, 40, QStringLiteral("Стоп"));
    OffMin = MakeEdit(this, "OffMin", 56, 40);
    OffSec = MakeEdit(this, "OffSec", 112, 40);
    OffMillSec = MakeEdit(this, "OffMillSec", 168, 40);
    Label3 = MakeLabel(this, "Label3", 72, 64, QStringLiteral("мин"));
    Label4 = MakeLabel(this, "Label4", 120, 64, QStringLiteral("сек"));
    Label5 = MakeLabel(this, "Label5", 176, 64, QStringLiteral("д.сек"));

    DefinedBox = new QCheckBox(QStringLiteral("Программа определена"), this);
    DefinedBox->setObjectName(QStringLiteral("DefinedBox"));
    DefinedBox->setGeometry(48, 88, 153, 17);
    DefinedBox->setChecked(true);

    BitBtn2 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(32, 112, 81, 25);
    BitBtn2->setDefault(true);
    BitBtn1 = new QPushButton(QStringLiteral("Отмена"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(128, 112, 83, 25);
    BitBtn1->setAutoDefault(false);

    QWidget* const tabOrder[] = {OnMin,      OnSec,      OnMillSec, OffMin, OffSec,
                                 OffMillSec, DefinedBox, BitBtn2,   BitBtn1};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(BitBtn2, &QPushButton::clicked, this, &TZoneForm::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TZoneForm::BitBtn1Click);
    connect(DefinedBox, &QCheckBox::toggled, this, &TZoneForm::DefinedBoxClick);
}

TZoneForm::Result TZoneForm::CurrentResult() const {
    Result result;
    result.Deleted = !DefinedBox->isChecked();
    result.Start = LeadingTime(OnMin->text(), OnSec->text(), OnMillSec->text());
    result.Stop = LeadingTime(OffMin->text(), OffSec->text(), OffMillSec->text());
    return result;
}

void TZoneForm::reject() {
    BitBtn1Click();
}

void TZoneForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TZoneForm::FormShow() {
    if (!shownOnce_) {
        shownOnce_ = true;
        CentreOnScreen(*this);
    }
    OnMin->setFocus();
    // Ticking the box is no deletion question: only clearing it asks.
    DefinedBox->setChecked(true);
    const TDuvProg& prog = progs_.Prog(ProgIndex);
    ShowBound(prog.ZoneStart, OnMin, OnSec, OnMillSec);
    ShowBound(prog.ZoneStop, OffMin, OffSec, OffMillSec);
}

void TZoneForm::BitBtn2Click() {
    ZoneInput input;
    input.OnMin = OnMin->text();
    input.OnSec = OnSec->text();
    input.OnMillSec = OnMillSec->text();
    input.OffMin = OffMin->text();
    input.OffSec = OffSec->text();
    input.OffMillSec = OffMillSec->text();
    input.ProgIndex = ProgIndex;
    const ZoneCheckResult checked = CheckZone(input, progs_);
    for (const QString& message : checked.Messages)
        Messages::Show(this, message, ZoneCheckCaption());
    if (checked.Messages.empty())
        Finish();
}

void TZoneForm::BitBtn1Click() {
    // Applied stays true: nothing waits to be written.
    QDialog::reject();
}

void TZoneForm::DefinedBoxClick(bool checked) {
    if (checked)
        return;
    if (Messages::Show(this, QStringLiteral("Вы действительно хотите удалить аварийную программу?"),
                       QStringLiteral("Предупреждение"),
                       Messages::Buttons::YesNo) == Messages::Answer::Yes) {
        Finish();
        return;
    }
    DefinedBox->setChecked(true);
}

void TZoneForm::Finish() {
    Applied = false;
    QDialog::accept();
    Q_EMIT ResultReady();
}
