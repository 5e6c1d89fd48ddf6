#include "TPrintForm.h"

#include "Messages.h"
#include "ProtocolPainter.h"
#include "ProtocolPdf.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace {

QString AskWithFileDialog(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить в PDF"), suggested,
                                        QStringLiteral("Файлы PDF (*.pdf)"));
}

} // namespace

TPrintForm::TPrintForm(QWidget* parent)
    : QObject(parent), AskPdfFileName(AskWithFileDialog), owner(parent) {
    setObjectName(QStringLiteral("PrintForm"));
}

TPrintForm::~TPrintForm() = default;

QPrintPreviewDialog* TPrintForm::Preview() const {
    return preview;
}

QAction* TPrintForm::PdfSave1() const {
    return pdfSave;
}

void TPrintForm::PrintProtocol(const TDuvProgs& progs, const THeader& header,
                               const QString& fileName) {
    sband.Build(progs, header, fileName);
    documentName = fileName;
    if (!qrep)
        qrep = std::make_unique<QPrinter>(QPrinter::HighResolution);
    qrep->setPageLayout(ProtocolPainter::PageLayout());
    qrep->setDocName(QStringLiteral("Протокол настройки"));

    QPrintPreviewDialog dialog(qrep.get(), owner);
    dialog.setObjectName(QStringLiteral("qrep"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { ProtocolPainter::Paint(*printer, sband.Lines); });

    auto* action = new QAction(QStringLiteral("Сохранить в PDF"), &dialog);
    action->setObjectName(QStringLiteral("PdfSave1"));
    action->setToolTip(QStringLiteral("Сохранить протокол в файл PDF"));
    connect(action, &QAction::triggered, this, &TPrintForm::PdfSave1Execute);
    if (auto* toolBar = dialog.findChild<QToolBar*>())
        toolBar->addAction(action);
    else
        dialog.addAction(action);

    preview = &dialog;
    pdfSave = action;
    dialog.exec();
    preview = nullptr;
    pdfSave = nullptr;
}

void TPrintForm::PdfSave1Execute() {
    const QFileInfo document(documentName);
    const QString suggested =
        documentName.isEmpty()
            ? QStringLiteral("protocol.pdf")
            : document.dir().filePath(document.completeBaseName() + QStringLiteral(".pdf"));
    QString path = AskPdfFileName(preview ? static_cast<QWidget*>(preview) : owner, suggested);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    SavePdf(path);
}

bool TPrintForm::SavePdf(const QString& path) {
    if (ProtocolPdf::Write(path, sband.Lines))
        return true;
    Messages::Show(
        preview ? static_cast<QWidget*>(preview) : owner,
        QStringLiteral("Не удалось записать файл %1").arg(QDir::toNativeSeparators(path)),
        QStringLiteral("Ошибка"));
    return false;
}
