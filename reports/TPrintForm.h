#pragma once

#include "ProtocolLines.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QPrinter;
class QPrintPreviewDialog;
class QWidget;
class TDuvProgs;
struct THeader;

// Builds the setup protocol and shows it in the print preview, from which the user prints or saves
// it as PDF. Never shown itself; created once at start-up.
class TPrintForm : public QObject {
    Q_OBJECT
  public:
    explicit TPrintForm(QWidget* parent = nullptr);
    ~TPrintForm() override;

    // Builds the protocol and shows the print preview; returns when the preview closes.
    void PrintProtocol(const TDuvProgs& progs, const THeader& header, const QString& fileName);

    // The protocol of the last print; kept until the next one.
    const ProtocolLines& Protocol() const { return sband; }
    // The preview while PrintProtocol runs, otherwise nullptr.
    QPrintPreviewDialog* Preview() const;
    // The preview's "Сохранить в PDF" action while the preview is open, otherwise nullptr.
    QAction* PdfSave1() const;

    // Asks where "Сохранить в PDF" writes, starting from a suggested path; an empty answer
    // cancels. A file dialog unless replaced (tests answer it themselves).
    std::function<QString(QWidget* parent, const QString& suggested)> AskPdfFileName;

    // Writes the last protocol as PDF to path; tells the user when the file cannot be written.
    bool SavePdf(const QString& path);

  private:
    void PdfSave1Execute();

    QWidget* owner;
    ProtocolLines sband;
    QString documentName;
    std::unique_ptr<QPrinter> qrep; // made on first print: keeps the user's printer choice
    QPointer<QPrintPreviewDialog> preview;
    QPointer<QAction> pdfSave;
};
