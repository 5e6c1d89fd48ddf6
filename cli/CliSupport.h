#pragma once

#include "DocumentFile.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>

struct CliCommand;

// What duvt-cli returns to the shell.
enum CliExit : int {
    ExitSuccess = 0, // the operation was done
    ExitFailed = 1,  // it could not be done: unreadable document, unwritable output
    ExitUsage = 2,   // the call itself was wrong
};

// Readies the standard streams for UTF-8 text with bare line feeds.
void CliInitConsole();
// UTF-8 onto standard output / standard error, as given (no line end added).
void CliOut(const QString& text);
void CliErr(const QString& text);
// "duvt-cli: " + message + line end on standard error.
void CliError(const QString& message);
// Replaces control characters so that text read from a document cannot drive the terminal.
QString CliPrintable(const QString& text);

// An option a subcommand accepts: its names ("-o", "--output") and whether a value follows it.
struct CliOption {
    QString Short;
    QString Long;
    bool TakesValue = false;
};

// The arguments of one subcommand split into positional ones and options. Options are looked up
// by their long name. "--name=value" and "--" (the end of the options) are understood.
class CliArguments {
  public:
    // On a wrong call it says why on standard error (with a hint at the subcommand's help) and
    // returns nothing; the caller then exits with ExitUsage.
    static std::optional<CliArguments> Parse(const CliCommand& command, const QStringList& args,
                                             std::initializer_list<CliOption> options,
                                             int positionalCount);

    const QStringList& Positional() const { return positional_; }
    bool Has(const QString& longName) const { return values_.contains(longName); }
    QString Value(const QString& longName) const { return values_.value(longName); }

  private:
    QStringList positional_;
    QHash<QString, QString> values_; // a flag maps to an empty value
};

// Reports a wrong call of a subcommand on standard error.
void CliUsageError(const CliCommand& command, const QString& message);

// Reads a document; on failure the reader's error (file and line) goes to standard error.
std::optional<TDuvDocument> CliLoadDocument(const QString& path);
