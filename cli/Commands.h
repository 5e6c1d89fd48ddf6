#pragma once

#include <QStringList>

#include <span>

// One subcommand of duvt-cli. Run gets the arguments after the subcommand's name and returns a
// CliExit code.
struct CliCommand {
    const char* Name;        // as typed: "check"
    const char* Usage;       // the arguments after the name: "ФАЙЛ.dv3"
    const char* Description; // Russian, UTF-8, lines of at most 90 characters, no indent
    int (*Run)(const CliCommand& self, const QStringList& args);
    // Draws text into a picture: runs with the GUI application object (offscreen, no window).
    bool DrawsText = false;
};

// Every subcommand, in the order the help lists them.
std::span<const CliCommand> CliCommands();
const CliCommand* FindCliCommand(const QString& name);

// The subcommands, one source file each.
int CommandCheck(const CliCommand& self, const QStringList& args);
int CommandVars(const CliCommand& self, const QStringList& args);
int CommandImage(const CliCommand& self, const QStringList& args);
int CommandCyclogram(const CliCommand& self, const QStringList& args);
int CommandProtocol(const CliCommand& self, const QStringList& args);
int CommandUpload(const CliCommand& self, const QStringList& args);
