#include "THeaderForm.h"

#include "TextCodec.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QValidator>

namespace {

// Header lines are stored as Windows-1251 bytes: a character without a byte there cannot be typed.
class Cp1251Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return TextCodec::Fits(input) ? Acceptable : Invalid;
    }
};

// Text put in by the program rather than typed skips the validator; keep what has a byte.
std::string ToCp1251(const QString& text) {
    if (auto bytes = TextCodec::FromUnicode(text))
        return *bytes;
    std::string kept;
    for (const QChar c : text) {
        if (auto byte = TextCodec::FromUnicode(QString(c)))
            kept += *byte;
    }
    return kept;
}

} // namespace

THeaderForm::THeaderForm(THeader& header, QWidget* parent) : QDialog(parent), Header(header) {
    setObjectName(QStringLiteral("HeaderForm"));
    setWindowTitle(QStringLiteral("Шапка протокола настройки"));
    resize(434, 251);
    move(156, 147);
    // The form is laid out in pixels for a narrow font 11 pixels high; a larger or wider font
    // would cut the long labels. Where none of these is installed the default family stays, at
    // that height.
    QFont formFont = font();
    formFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                          QStringLiteral("Liberation Sans")});
    formFont.setPixelSize(11);
    setFont(formFont);

    auto* validator = new Cp1251Validator(this);
    const auto makeEdit = [this, validator](const char* name, int x, int y, int width) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setGeometry(x, y, width, 21);
        edit->setMaxLength(MaxLineLength);
        edit->setValidator(validator);
        return edit;
    };
    Edit1 = makeEdit("Edit1", 176, 8, 65);
    Edit2 = makeEdit("Edit2", 264, 8, 153);
    Edit3 = makeEdit("Edit3", 176, 32, 241);
    Edit4 = makeEdit("Edit4", 176, 56, 241);
    Edit5 = makeEdit("Edit5", 176, 80, 241);
    Edit6 = makeEdit("Edit6", 176, 104, 241);
    Edit7 = makeEdit("Edit7", 176, 128, 241);
    Edit8 = makeEdit("Edit8", 176, 152, 241);

    // Each label ends just before its field.
    const auto makeLabel = [this](const char* name, const QString& text, QLineEdit* buddy, int left,
                                  int height) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        const int right = buddy->x() - 4;
        label->setGeometry(left, buddy->y() + (buddy->height() - height) / 2, right - left, height);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(buddy);
        return label;
    };
    Label1 = makeLabel("Label1", QStringLiteral("№"), Edit1, 8, 16);
    Label2 = makeLabel("Label2", QStringLiteral("от"), Edit2, 244, 16);
    Label3 = makeLabel("Label3", QStringLiteral("Режим вулканизации"), Edit3, 8, 16);
    Label4 = makeLabel("Label4", QStringLiteral("Вид изделия"), Edit4, 8, 16);
    Label5 = makeLabel("Label5", QStringLiteral("Модель"), Edit5, 8, 16);
    Label6 = makeLabel("Label6", QStringLiteral("Исполнение"), Edit6, 8, 16);
    Label7 = makeLabel("Label7", QStringLiteral("Вулканизационная аппаратура"), Edit7, 8, 16);
    Label8 =
        makeLabel("Label8", QStringLiteral("Индивидуальный\nвулканизатор-форматор"), Edit8, 8, 32);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("Принять"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(120, 192, 81, 25);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("Отмена"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(224, 192, 81, 25);

    QWidget* previous = Edit1;
    for (QWidget* next :
         {static_cast<QWidget*>(Edit2), static_cast<QWidget*>(Edit3), static_cast<QWidget*>(Edit4),
          static_cast<QWidget*>(Edit5), static_cast<QWidget*>(Edit6), static_cast<QWidget*>(Edit7),
          static_cast<QWidget*>(Edit8), static_cast<QWidget*>(BitBtn1),
          static_cast<QWidget*>(BitBtn2)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(BitBtn1, &QPushButton::clicked, this, &THeaderForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &THeaderForm::BitBtn2Click);
}

std::array<QLineEdit*, 8> THeaderForm::Edits() const {
    return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8};
}

void THeaderForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored from the task bar was not closed: it keeps what is being typed.
    if (!event->spontaneous())
        FormShow();
}

void THeaderForm::FormShow() {
    const auto edits = Edits();
    for (std::size_t i = 0; i < edits.size(); ++i)
        edits[i]->setText(TextCodec::ToUnicode(Header[i]));
    Edit1->setFocus();
}

void THeaderForm::BitBtn1Click() {
    const auto edits = Edits();
    for (std::size_t i = 0; i < edits.size(); ++i)
        Header[i] = ToCp1251(edits[i]->text());
    Q_EMIT Accepted();
    close();
}

void THeaderForm::BitBtn2Click() {
    close();
}
