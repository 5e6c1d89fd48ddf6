#include "TCyclForm.h"

#include "WindowPlacement.h"

#include "CyclogramPainter.h"
#include "TCyclPaintBox.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

namespace CP = CyclogramPainter;

constexpr QRect BitBtn1Rect{232, 248, 75, 25};

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(at);
    label->adjustSize();
    return label;
}

// A sunken line along one edge of the given rectangle, like the window's dividers.
QFrame* NewLine(QWidget* parent, const QString& name, QFrame::Shape shape, const QRect& geometry,
                const QRect& lineRect) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(geometry);
    line->setFrameRect(lineRect);
    return line;
}

} // namespace

TCyclForm::TCyclForm(const TDuvProgs& progs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), progs_(progs) {
    setObjectName(QStringLiteral("CyclForm"));
    setWindowTitle(QStringLiteral("Циклограмма"));
    setModal(false);
    setFont(CP::WindowFont());
    setFixedSize(CP::WindowWidth, CP::WindowHeight);

    Label13 =
        NewLabel(this, QStringLiteral("Label13"), QStringLiteral("Операция"), QPoint(CP::NameX, 0));
    Label14 =
        NewLabel(this, QStringLiteral("Label14"), QStringLiteral("Канал"), QPoint(CP::ChannelX, 0));
    // The lines keep their places on the form; only the bottom (left) two pixels are drawn.
    const QRect b1 = CP::Bevel1Rect;
    Bevel1 = NewLine(this, QStringLiteral("Bevel1"), QFrame::HLine, b1,
                     QRect(0, b1.height() - 2, b1.width(), 2));
    const QRect b2 = CP::Bevel2Rect;
    Bevel2 =
        NewLine(this, QStringLiteral("Bevel2"), QFrame::VLine, b2, QRect(0, 0, 2, b2.height()));

    for (int k = 0; k < CP::BarRows; ++k) {
        const int y = CP::FirstRowY + CP::RowPitch * k;
        Label[k] =
            NewLabel(this, QStringLiteral("Label%1").arg(k + 1), QString(), QPoint(CP::NameX, y));
        Label[k]->setFixedWidth(CP::NameWidth);
        Ch[k] =
            NewLabel(this, QStringLiteral("Ch%1").arg(k + 1), QString(), QPoint(CP::ChannelX, y));
    }

    PaintBox = new TCyclPaintBox(this);
    PaintBox->setObjectName(QStringLiteral("PaintBox"));
    PaintBox->setGeometry(CP::ChartRect);
    connect(PaintBox, &TCyclPaintBox::Paint, this, &TCyclForm::PaintBoxPaint);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry(BitBtn1Rect);
    connect(BitBtn1, &QPushButton::clicked, this, &TCyclForm::BitBtn1Click);
}

bool TCyclForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate)
        FormDeactivate();
    return QDialog::event(event);
}

void TCyclForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        FormDeactivate();
    QDialog::changeEvent(event);
}

void TCyclForm::showEvent(QShowEvent* event) {
    // A window restored from the minimized state is not a new launch.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TCyclForm::hideEvent(QHideEvent* event) {
    // OK, Esc, the close box and deactivation all end in hiding the dialog; minimizing does not
    // close it.
    if (!event->spontaneous() && shown_)
        FormClose();
    QDialog::hideEvent(event);
}

void TCyclForm::FormShow() {
    const std::array<CP::Row, CP::BarRows> rows = CP::Rows(progs_.Prog(ProgIndex));
    for (int k = 0; k < CP::BarRows; ++k) {
        Label[k]->setText(CP::FittedName(rows[k].Name, Label[k]->fontMetrics()));
        Ch[k]->setText(rows[k].Channel);
        Ch[k]->adjustSize();
    }
    CentreOnScreen(*this);
    shown_ = true;
    Q_EMIT Shown();
}

void TCyclForm::FormClose() {
    shown_ = false;
    Opened = false;
    Q_EMIT Closed(ChildModified);
}

void TCyclForm::FormDeactivate() {
    // Another window of the workstation taking the focus closes it; switching to another program
    // on the desktop and back does not.
    QWidget* active = QApplication::activeWindow();
    if (isVisible() && active && active != this)
        close();
}

void TCyclForm::BitBtn1Click() {
    close();
}

void TCyclForm::PaintBoxPaint(QPainter& painter) {
    // Always from the program set as it is now, never from a copy taken at show.
    CP::PaintChart(painter, progs_.Prog(ProgIndex), palette().color(QPalette::WindowText),
                   PaintBox->width());
}

