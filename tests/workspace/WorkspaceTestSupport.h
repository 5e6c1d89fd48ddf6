#pragma once

// The workstation as a user meets it: a main window with its forms, in a temporary working
// folder of its own (so the settings file stays there), with the file choices, the help browser
// and the message boxes answered by the test.

#include "DialogTestSupport.h"

#include "Cp1251Literal.h"
#include "DocumentFile.h"
#include "TEditOpForm.h"
#include "TMDIChild.h"
#include "TMainForm.h"
#include "TZoneForm.h"
#include "TextCodec.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

inline QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

inline QString DataFile(const char* name) {
    return QStringLiteral(DUVT_TEST_DATA "/") + QString::fromLatin1(name);
}

inline std::string FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

class WorkspaceTest : public ::testing::Test {
  protected:
    WorkspaceTest() {
        previousDir_ = QDir::currentPath();
        EXPECT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
    }
    ~WorkspaceTest() override {
        main.reset();
        QDir::setCurrent(previousDir_);
    }

    // Builds and shows the main window (after the test has prepared the working folder).
    TMainForm& Start() {
        main = std::make_unique<TMainForm>();
        main->AskOpenFileName = [this] { return Take(openAnswers, openAsked); };
        main->AskSaveFileName = [this] { return Take(saveAnswers, saveAsked); };
        main->OpenHelpPage = [this](const QUrl& url) {
            helpPages.push_back(url);
            return helpOpens;
        };
        EXPECT_TRUE(ShowActive(*main));
        return *main;
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    // A copy of a fixture document in the working folder, so saving it changes only the copy.
    QString CopyOfData(const char* name, const QString& as = QString()) {
        const QString target = Path(as.isEmpty() ? QString::fromLatin1(name) : as);
        QFile::remove(target);
        EXPECT_TRUE(QFile::copy(DataFile(name), target));
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return target;
    }

    // Opens a document through "Открыть" with the file chosen in the dialog.
    void OpenDocument(const QString& path) {
        openAnswers.push_back(path);
        main->FileOpen1->trigger();
    }

    TDuvDocument ReadBack(const QString& path) {
        TDuvDocument doc;
        const auto error = DocumentFile::Read(path, doc);
        EXPECT_FALSE(error) << (error ? error->Text().toStdString() : std::string());
        return doc;
    }

    QList<TMDIChild*> Windows() const { return main->ProgramWindows(); }
    QStringList WindowTitles() const {
        QStringList titles;
        for (TMDIChild* window : Windows())
            titles << window->windowTitle();
        return titles;
    }
    TMDIChild* Window(int slot) const { return main->FindProgramWindow(slot); }

    // The texts of a program window's table, row by row.
    static QList<QStringList> Rows(const TMDIChild& window) {
        QList<QStringList> rows;
        for (int row = 0; row < window.sgrid->rowCount(); ++row)
            rows << window.RowTexts(row);
        return rows;
    }

    static void SelectRow(TMDIChild& window, int row) {
        const QRect cell = window.sgrid->visualRect(window.sgrid->model()->index(row, 0));
        QTest::mouseClick(window.sgrid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        ASSERT_EQ(window.sgrid->currentRow(), row);
    }

    static void DoubleClickRow(TMDIChild& window, int row) {
        const QRect cell = window.sgrid->visualRect(window.sgrid->model()->index(row, 0));
        // A double-click is a click followed by the second press.
        QTest::mouseClick(window.sgrid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(window.sgrid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    // Types an operation into the open operation dialog (time mode) and presses OK.
    void EnterOperation(const QString& name, const QString& channel, int onMin, int onSec,
                        int onTenths, int lenMin, int lenSec, int lenTenths) {
        TEditOpForm& form = *main->EditOpForm;
        ASSERT_TRUE(form.isVisible());
        TypeInto(form.OpName, name);
        TypeInto(form.ChanNo, channel);
        TypeInto(form.OnMin, QString::number(onMin));
        TypeInto(form.OnSec, QString::number(onSec));
        TypeInto(form.OnMillSec, QString::number(onTenths));
        TypeInto(form.LengthMin, QString::number(lenMin));
        TypeInto(form.LengthSec, QString::number(lenSec));
        TypeInto(form.LengthMillSec, QString::number(lenTenths));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    }

    // Answers message boxes: the questions in order, Ok boxes just recorded.
    void Answer(std::initializer_list<Messages::Answer> answers) {
        messages.Answers.insert(messages.Answers.end(), answers);
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const Messages::Shown& shown : messages.Shown)
            texts << shown.Text;
        return texts;
    }

    QTemporaryDir dir{QDir::tempPath() + U("/ДУВ рабочая папка XXXXXX")};
    MessageRecorder messages;
    std::deque<QString> openAnswers; // an empty or missing answer cancels the dialog
    std::deque<QString> saveAnswers;
    int openAsked = 0;
    int saveAsked = 0;
    std::vector<QUrl> helpPages;
    bool helpOpens = true;
    std::unique_ptr<TMainForm> main;

  private:
    static QString Take(std::deque<QString>& answers, int& asked) {
        ++asked;
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString previousDir_;
};
