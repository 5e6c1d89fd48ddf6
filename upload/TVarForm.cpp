#include "TVarForm.h"

#include "WindowPlacement.h"

#include "SendArrayListing.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 625;
constexpr int ClientHeight = 305;
constexpr int MemoHeight = 265;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

// The listing lines up in columns only in a fixed-pitch font; not every machine has Courier New.
QFont ListingFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(8); // 88 columns have to fit 625 pixels
    if (QFontInfo(font).fixedPitch())
        return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(8);
    return fixed;
}

} // namespace

TVarForm::TVarForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("VarForm"));
    setWindowTitle(QStringLiteral("Переменные"));
    setModal(false);
    setFixedSize(ClientWidth, ClientHeight);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap); // a wrapped line would break the columns
    Memo->setFont(ListingFont());
    Memo->setGeometry(0, 0, ClientWidth, MemoHeight);

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn1->setGeometry((ClientWidth - ButtonWidth) / 2,
                         MemoHeight + (ClientHeight - MemoHeight - ButtonHeight) / 2, ButtonWidth,
                         ButtonHeight);
    connect(BitBtn1, &QPushButton::clicked, this, &TVarForm::BitBtn1Click);
}

void TVarForm::ShowArray(const SendArray::Words& words, const QString& caption) {
    setWindowTitle(caption);
    if (!isVisible()) {
        FillMemo(words);
        CentreOnScreen(*this);
    }
    show();
    raise();
    activateWindow();
}

void TVarForm::FillMemo(const SendArray::Words& words) {
    QStringList lines;
    for (const std::string& line : SendArrayListing(words))
        lines << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    Memo->setPlainText(lines.join(QLatin1Char('\n')));
}

void TVarForm::BitBtn1Click() {
    close();
}
