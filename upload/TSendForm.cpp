#include "TSendForm.h"

#include "WindowPlacement.h"

#include "Messages.h"
#include "PortNames.h"
#include "SerialPortLine.h"
#include "TVarForm.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

namespace {

constexpr int ClientWidth = 284;
constexpr int ClientHeight = 195;
constexpr int Margin = 16;
constexpr int Indent = 32;
constexpr int LabelWidth = ClientWidth - 2 * Margin;
constexpr int LabelHeight = 17;
constexpr int ComboWidth = 65;
constexpr int ComboTop = 112;
constexpr int BarWidth = 193;
constexpr int BarHeight = 8;
constexpr int ButtonTop = 152;
constexpr int ButtonWidth = 100;
constexpr int ButtonHeight = 27;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(x, y, LabelWidth - (x - Margin), LabelHeight);
    return label;
}

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

TSendForm::TSendForm(const TDuvProgs& progs, SendArray::Words& sendArray, QString& portName,
                     TVarForm& viewer, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      progs_(progs), sendArray_(sendArray), portName_(portName), viewer_(viewer) {
    setObjectName(QStringLiteral("SendForm"));
    setWindowTitle(QStringLiteral("Загрузка данных в КРЖ"));
    setModal(false);
    setFixedSize(ClientWidth, ClientHeight);
    // The form is laid out in pixels for a narrow font 11 pixels high; a larger or wider font
    // would cut the longest instruction at the window's edge. Where none of these is installed
    // the default family stays, at that height.
    QFont formFont = font();
    formFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                          QStringLiteral("Liberation Sans")});
    formFont.setPixelSize(11);
    setFont(formFont);

    Label2 =
        MakeLabel(this, "Label2", QStringLiteral("1. Проверьте соединение с прибором"), Margin, 12);
    Label3 = MakeLabel(this, "Label3",
                       QStringLiteral("2. Переведите КРЖ в режим программирования,"), Margin, 32);
    Label5 = MakeLabel(this, "Label5", QStringLiteral("нажмите кнопку \"СТАРТ\""), Indent, 48);
    Label1 =
        MakeLabel(this, "Label1", QStringLiteral("3. Выберите последовательный порт"), Margin, 68);
    Label4 = MakeLabel(this, "Label4", QStringLiteral("4. Нажмите кнопку Загрузить"), Margin, 88);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert); // a typed name is used, not collected
    QStringList ports{QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                      QStringLiteral("COM4")};
    for (const QString& port : PortNames::SystemPorts()) {
        if (!ports.contains(port))
            ports << port;
    }
    ComboBox1->addItems(ports);
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setGeometry(Margin, ComboTop, ComboWidth, ComboBox1->sizeHint().height());

    p_bar = new QProgressBar(this);
    p_bar->setObjectName(QStringLiteral("p_bar"));
    p_bar->setMinimum(0);
    p_bar->setMaximum(100);
    p_bar->setValue(0);
    p_bar->setTextVisible(false);
    p_bar->setGeometry(ClientWidth - Margin - BarWidth + 8,
                       ComboTop + (ComboBox1->height() - BarHeight) / 2, BarWidth, BarHeight);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("Загрузить"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(ClientWidth / 2 - ButtonWidth - 8, ButtonTop, ButtonWidth, ButtonHeight);
    connect(BitBtn1, &QPushButton::clicked, this, &TSendForm::BitBtn1Click);

    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("Закрыть"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    BitBtn2->setGeometry(ClientWidth / 2 + 8, ButtonTop, ButtonWidth, ButtonHeight);
    connect(BitBtn2, &QPushButton::clicked, this, &TSendForm::BitBtn2Click);
}

void TSendForm::done(int result) {
    if (transferring_)
        return;
    FormClose();
    QDialog::done(result);
}

void TSendForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

bool TSendForm::eventFilter(QObject* watched, QEvent* event) {
    if (transferring_) {
        if (IsUserInput(event->type()))
            return true;
        if (event->type() == QEvent::Close) {
            event->ignore(); // an accepted close event would close the window all the same
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSendForm::FormShow() {
    if (!shownOnce_) {
        CentreOnScreen(*this);
        shownOnce_ = true;
    }
    BitBtn1->setFocus();
    ComboBox1->setEditText(portName_);
}

void TSendForm::FormClose() {
    p_bar->setValue(0);
    portName_ = ComboBox1->currentText();
}

void TSendForm::BitBtn2Click() {
    // A transfer always closes its port before it returns, so only the dialog is left to close.
    close();
}

void TSendForm::BitBtn1Click() {
    if (transferring_)
        return;
    transferring_ = true;
    BitBtn1->setEnabled(false);
    BitBtn2->setEnabled(false);
    ComboBox1->setEnabled(false);
    qApp->installEventFilter(this);

    SerialPortLine line;
    UploadTransfer transfer(line,
                            {[this](int maximum) {
                                 p_bar->setMaximum(maximum);
                                 p_bar->setValue(0);
                             },
                             [this](int position) { p_bar->setValue(position); }},
                            TransferTiming);
    const UploadOutcome outcome = transfer.Run(progs_, ComboBox1->currentText());

    qApp->removeEventFilter(this);
    ComboBox1->setEnabled(true);
    BitBtn2->setEnabled(true);
    BitBtn1->setEnabled(true);
    BitBtn1->setFocus();
    transferring_ = false;

    sendArray_ = SendArray::FromWire(outcome.Sent);
    Report(outcome);
    p_bar->setValue(0);
}

void TSendForm::Report(const UploadOutcome& outcome) {
    switch (outcome.Result) {
    case UploadOutcome::Kind::Success:
    case UploadOutcome::Kind::PortNotOpened:
    case UploadOutcome::Kind::NoAnswer:
        Messages::Show(this, outcome.Text(), outcome.Caption());
        break;
    case UploadOutcome::Kind::ShortReadBack:
        if (Messages::Show(this,
                           outcome.Text() + QStringLiteral(". Хотите просмотреть принятые данные?"),
                           outcome.Caption(), Messages::Buttons::YesNo) == Messages::Answer::Yes) {
            sendArray_ = outcome.ReceivedWords();
            viewer_.ShowArray(sendArray_, outcome.Text());
        }
        break;
    case UploadOutcome::Kind::Mismatch:
        sendArray_ = outcome.ReceivedWords();
        viewer_.ShowArray(sendArray_, outcome.Text());
        break;
    }
}

