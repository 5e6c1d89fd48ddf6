#include "TPrintForm.h"

#include "Cp1251Literal.h"
#include "Messages.h"
#include "ProtocolPainter.h"
#include "QStringPrinter.h"
#include "TDuvProgs.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class TPrintFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        header[0] = "7";
        for (int slot = 0; slot <= 4; ++slot) {
            for (int i = 0; i < TDuvProg::OpCount; ++i) {
                TDuvRec& op = progs.Prog(slot).Op(i);
                op.Name = Cp1251Literal("Операция");
                op.Channel = i + 1;
                op.OnTime = slot == 1 ? TMyTime::StateOn : 0;
                op.OffTime = slot == 1 ? TMyTime::StateOff : 240;
            }
        }
    }

    void TearDown() override { Messages::SetResponder({}); }

    // Runs check on the open preview once it shows its pages, then closes it, so that
    // PrintProtocol returns. A preview that never comes is closed anyway, failing the test.
    void WhilePreviewOpen(std::function<void(QPrintPreviewDialog&)> check) {
        attemptsLeft = 500;
        poll = std::make_unique<QTimer>();
        poll->setInterval(20);
        QObject::connect(poll.get(), &QTimer::timeout, [this, check] {
            QPrintPreviewDialog* preview = form.Preview();
            auto* pages = preview ? preview->findChild<QPrintPreviewWidget*>() : nullptr;
            if (pages && preview->isVisible() && pages->pageCount() > 0) {
                poll->stop();
                checked = true;
                check(*preview);
                preview->close();
            } else if (--attemptsLeft <= 0) {
                poll->stop();
                if (auto* modal = QApplication::activeModalWidget())
                    modal->close();
            }
        });
        poll->start();
    }

    QTemporaryDir dir{QDir::tempPath() + U("/печать XXXXXX")};
    TDuvProgs progs;
    THeader header;
    TPrintForm form;
    bool checked = false;
    std::unique_ptr<QTimer> poll;
    int attemptsLeft = 0;
};

} // namespace

TEST_F(TPrintFormTest, previewShowsTheProtocolPagesAndReturnsWhenClosed) {
    int pageCount = 0;
    WhilePreviewOpen([&](QPrintPreviewDialog& preview) {
        pageCount = preview.findChild<QPrintPreviewWidget*>()->pageCount();
        EXPECT_TRUE(preview.isModal());
    });
    form.PrintProtocol(progs, header, U("C:\\Протоколы\\PRESS.DV3"));

    EXPECT_TRUE(checked);
    EXPECT_EQ(pageCount, 3);
    EXPECT_EQ(form.Preview(), nullptr);
    EXPECT_EQ(form.PdfSave1(), nullptr);
    // The protocol stays until the next print.
    EXPECT_EQ(form.Protocol().Lines,
              ProtocolLines::Of(progs, header, U("C:\\Протоколы\\PRESS.DV3")));
    EXPECT_EQ(form.Protocol().Lines[2], U("Имя файла: c:\\Протоколы\\press.dv3"));
}

TEST_F(TPrintFormTest, everyPrintRebuildsTheProtocol) {
    WhilePreviewOpen([](QPrintPreviewDialog&) {});
    form.PrintProtocol(progs, header, QString());
    ASSERT_TRUE(checked);

    progs.Reset();
    checked = false;
    int pageCount = 0;
    WhilePreviewOpen([&](QPrintPreviewDialog& preview) {
        pageCount = preview.findChild<QPrintPreviewWidget*>()->pageCount();
    });
    form.PrintProtocol(progs, header, QString());
    EXPECT_TRUE(checked);
    EXPECT_EQ(pageCount, 1);
    EXPECT_EQ(form.Protocol().Lines.size(), 50);
}

TEST_F(TPrintFormTest, saveAsPdfFromThePreviewWritesTheFileAsked) {
    QString suggested;
    const QString chosen = dir.filePath(U("протокол 7")); // no suffix: ".pdf" is added
    form.AskPdfFileName = [&](QWidget* parent, const QString& offered) {
        EXPECT_EQ(parent, form.Preview());
        suggested = offered;
        return chosen;
    };
    WhilePreviewOpen([&](QPrintPreviewDialog& preview) {
        QAction* action = form.PdfSave1();
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), U("Сохранить в PDF"));
        // The user reaches it from the preview's tool bar.
        ASSERT_NE(preview.findChild<QToolBar*>(), nullptr);
        EXPECT_TRUE(preview.findChild<QToolBar*>()->actions().contains(action));
        action->trigger();
    });
    form.PrintProtocol(progs, header, dir.filePath(U("Пресс 7.dv3")));

    ASSERT_TRUE(checked);
    EXPECT_EQ(suggested, dir.filePath(U("Пресс 7.pdf")));
    QFile pdf(chosen + U(".pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
}

TEST_F(TPrintFormTest, cancelledPdfNameWritesNothing) {
    form.AskPdfFileName = [](QWidget*, const QString&) { return QString(); };
    WhilePreviewOpen([&](QPrintPreviewDialog&) { form.PdfSave1()->trigger(); });
    form.PrintProtocol(progs, header, QString());
    ASSERT_TRUE(checked);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(TPrintFormTest, pdfThatCannotBeWrittenIsReported) {
    std::vector<Messages::Shown> shown;
    Messages::SetResponder([&](const Messages::Shown& message) {
        shown.push_back(message);
        return Messages::Answer::Ok;
    });
    const QString missing = dir.filePath(U("нет папки/протокол.pdf"));
    form.AskPdfFileName = [&](QWidget*, const QString&) { return missing; };
    WhilePreviewOpen([&](QPrintPreviewDialog&) { form.PdfSave1()->trigger(); });
    form.PrintProtocol(progs, header, QString());

    ASSERT_TRUE(checked);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Caption, U("Ошибка"));
    EXPECT_TRUE(shown[0].Text.contains(U("протокол.pdf"))) << shown[0].Text.toStdString();
    EXPECT_EQ(shown[0].Kind, Messages::Buttons::Ok);
    EXPECT_FALSE(QFile::exists(missing));
}
