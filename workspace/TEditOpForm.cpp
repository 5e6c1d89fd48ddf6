#include "TEditOpForm.h"

#include "WindowPlacement.h"

#include "Cp1251Validator.h"
#include "EditOpCheck.h"
#include "LeadingInt.h"
#include "Messages.h"
#include "TDuvProgs.h"
#include "TDuvRec.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

namespace {
constexpr int EditHeight = 21;
// Long enough for any name a document holds, short enough to keep a document line sane.
constexpr int NameMaxLength = 1023;

QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int left, int top, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(left, top, width, EditHeight);
    return edit;
}

QComboBox* MakeStateCombo(QWidget* parent, const char* name, int left, int top) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    // The typed text is the state; it must not grow the list of choices.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems({QStringLiteral("Выкл."), QStringLiteral("Вкл.")});
    combo->setEditText(QStringLiteral("Выкл."));
    combo->setGeometry(left, top, 65, EditHeight);
    return combo;
}

void SetLabel(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}
} // namespace

TEditOpForm::TEditOpForm(const TDuvProgs& progs, const int& channelCount, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), progs_(progs),
      channelCount_(channelCount) {
    setObjectName(QStringLiteral("EditOpForm"));
    setWindowTitle(QStringLiteral("Введите параметры операции"));
    setFixedSize(360, 160);
    // The form is laid out in pixels for a narrow font 11 pixels high; a larger or wider font
    // would push the labels under the edits. Where none of these is installed the default
    // family stays, at that height.
    QFont formFont = font();
    formFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                          QStringLiteral("Liberation Sans")});
    formFont.setPixelSize(11);
    setFont(formFont);
    setModal(false);

    // Created in tab order; the combo boxes lie over OnMin and LengthMin and only one of each
    // pair is visible.
    Label1 = MakeLabel(this, "Label1", 8, 8, QStringLiteral("Операция"));
    OpName = MakeEdit(this, "OpName", 144, 8, 209);
    OpName->setMaxLength(NameMaxLength);
    OpName->setValidator(new Cp1251Validator(OpName));
    Label2 = MakeLabel(this, "Label2", 8, 32, QStringLiteral("Номер канала"));
    ChanNo = MakeEdit(this, "ChanNo", 144, 32, 209);
    Label3 = MakeLabel(this, "Label3", 8, 56, QStringLiteral("Время включения"));
    OnMin = MakeEdit(this, "OnMin", 144, 56, 65);
    OnSec = MakeEdit(this, "OnSec", 216, 56, 65);
    OnMillSec = MakeEdit(this, "OnMillSec", 288, 56, 65);
    Label4 = MakeLabel(this, "Label4", 8, 80, QStringLiteral("Длительность операции"));
    LengthMin = MakeEdit(this, "LengthMin", 144, 80, 65);
    LengthSec = MakeEdit(this, "LengthSec", 216, 80, 65);
    LengthMillSec = MakeEdit(this, "LengthMillSec", 288, 80, 65);
    Label5 = MakeLabel(this, "Label5", 168, 104, QStringLiteral("мин"));
    Label6 = MakeLabel(this, "Label6", 240, 104, QStringLiteral("сек"));
    Label7 = MakeLabel(this, "Label7", 304, 104, QStringLiteral("м.сек"));

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(104, 128, 75, 25);
    BitBtn1->setDefault(true);
    ComboBox1 = MakeStateCombo(this, "ComboBox1", 144, 56);
    ComboBox2 = MakeStateCombo(this, "ComboBox2", 144, 80);
    BitBtn2 = new QPushButton(QStringLiteral("Отмена"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(184, 128, 75, 25);
    BitBtn2->setAutoDefault(false);

    QWidget* const tabOrder[] = {OpName,    ChanNo,        OnMin,   OnSec,     OnMillSec, LengthMin,
                                 LengthSec, LengthMillSec, BitBtn1, ComboBox1, ComboBox2, BitBtn2};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    SetStateMode(false);

    connect(BitBtn1, &QPushButton::clicked, this, &TEditOpForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TEditOpForm::BitBtn2Click);
}

void TEditOpForm::Fill(const QString& nameCell, const QString& channelCell,
                       const QString& startCell, const QString& stopCell, const TDuvRec& slot,
                       int progIndex) {
    // Name and channel come from the table, which shows them exactly as last typed. A longer name
    // than may be typed can come from a document; it is kept whole, not cut by the edit.
    OpName->setMaxLength(std::max(NameMaxLength, static_cast<int>(nameCell.size())));
    OpName->setText(nameCell);
    ChanNo->setText(channelCell);
    const bool stateMode = progIndex == TDuvProgs::Preheat;
    SetStateMode(stateMode);
    if (stateMode) {
        ComboBox1->setEditText(startCell);
        ComboBox2->setEditText(stopCell);
    } else {
        const TMyTime on = slot.OnTime.Value() == TMyTime::TimeUndefined ? TMyTime(0) : slot.OnTime;
        const TMyTime length =
            slot.Duration().Value() == TMyTime::TimeUndefined ? TMyTime(0) : slot.Duration();
        OnMin->setText(QString::number(on.Minutes()));
        OnSec->setText(QString::number(on.Seconds()));
        OnMillSec->setText(QString::number(on.Tenths()));
        LengthMin->setText(QString::number(length.Minutes()));
        LengthSec->setText(QString::number(length.Seconds()));
        LengthMillSec->setText(QString::number(length.Tenths()));
    }
    ProgIndex = progIndex;
    OldChannel = slot.Channel;
}

TEditOpForm::Result TEditOpForm::CurrentResult() const {
    Result result;
    result.NameText = OpName->text();
    result.ChannelText = ChanNo->text();
    result.Name = OperationNameBytes(result.NameText);
    result.Channel = LeadingInt(result.ChannelText);
    result.StateMode = ProgIndex == TDuvProgs::Preheat;
    result.StartText = ComboBox1->currentText();
    result.StopText = ComboBox2->currentText();
    if (result.StateMode) {
        result.On = PreheatState(result.StartText);
        result.Length = TMyTime::TimeUndefined;
        result.Off = PreheatState(result.StopText);
    } else {
        result.On = LeadingTime(OnMin->text(), OnSec->text(), OnMillSec->text());
        result.Length = LeadingTime(LengthMin->text(), LengthSec->text(), LengthMillSec->text());
        result.Off = static_cast<std::uint16_t>(result.On.Value() + result.Length.Value());
    }
    return result;
}

void TEditOpForm::reject() {
    BitBtn2Click();
}

void TEditOpForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TEditOpForm::FormShow() {
    if (!shownOnce_) {
        shownOnce_ = true;
        CentreOnScreen(*this);
    }
    OpName->setFocus();
    if (ProgIndex == TDuvProgs::Preheat) {
        if (ComboBox1->currentText().isEmpty())
            ComboBox1->setEditText(QStringLiteral("Не исп."));
        if (ComboBox2->currentText().isEmpty())
            ComboBox2->setEditText(QStringLiteral("Не исп."));
    }
}

void TEditOpForm::BitBtn1Click() {
    EditOpInput input;
    input.OpName = OpName->text();
    input.ChanNo = ChanNo->text();
    input.OnMin = OnMin->text();
    input.OnSec = OnSec->text();
    input.OnMillSec = OnMillSec->text();
    input.LengthMin = LengthMin->text();
    input.LengthSec = LengthSec->text();
    input.LengthMillSec = LengthMillSec->text();
    input.StateMode = ProgIndex == TDuvProgs::Preheat;
    input.ChannelCount = channelCount_;
    input.OldChannel = OldChannel;
    if (const auto refusal = CheckEditOp(input, progs_.Prog(ProgIndex))) {
        Messages::Show(this, refusal->Text, refusal->Caption);
        FieldWidget(refusal->Focus)->setFocus();
        return;
    }
    Applied = false;
    QDialog::accept();
    Q_EMIT ResultReady();
}

void TEditOpForm::BitBtn2Click() {
    // Applied stays true: nothing waits to be written.
    QDialog::reject();
}

void TEditOpForm::SetStateMode(bool stateMode) {
    for (QLineEdit* edit : {OnMin, OnSec, OnMillSec, LengthMin, LengthSec, LengthMillSec})
        edit->setVisible(!stateMode);
    ComboBox1->setVisible(stateMode);
    ComboBox2->setVisible(stateMode);
    if (stateMode) {
        SetLabel(Label3, QStringLiteral("Старт"));
        SetLabel(Label4, QStringLiteral("Стоп"));
        SetLabel(Label5, QString());
        SetLabel(Label6, QString());
        SetLabel(Label7, QString());
    } else {
        SetLabel(Label3, QStringLiteral("Время включения"));
        SetLabel(Label4, QStringLiteral("Длительность операции"));
        SetLabel(Label5, QStringLiteral("мин"));
        SetLabel(Label6, QStringLiteral("сек"));
        SetLabel(Label7, QStringLiteral("м.сек"));
    }
}

QWidget* TEditOpForm::FieldWidget(EditOpField field) const {
    switch (field) {
    case EditOpField::OpName:
        return OpName;
    case EditOpField::ChanNo:
        return ChanNo;
    case EditOpField::OnMin:
        return OnMin;
    case EditOpField::OnSec:
        return OnSec;
    case EditOpField::OnMillSec:
        return OnMillSec;
    case EditOpField::LengthMin:
        return LengthMin;
    case EditOpField::LengthSec:
        return LengthSec;
    case EditOpField::LengthMillSec:
        return LengthMillSec;
    }
    return OpName;
}
