#pragma once

#include "TMyTime.h"

#include <QString>

#include <optional>

class TDuvProg;

// The edits of the operation dialog, named as the dialog names them.
enum class EditOpField {
    OpName,
    ChanNo,
    OnMin,
    OnSec,
    OnMillSec,
    LengthMin,
    LengthSec,
    LengthMillSec
};

// What the user typed into the operation dialog, and what the dialog knows besides.
struct EditOpInput {
    QString OpName, ChanNo;
    QString OnMin, OnSec, OnMillSec;
    QString LengthMin, LengthSec, LengthMillSec;
    bool StateMode = false; // the preheating program: states instead of times
    int ChannelCount = 12;
    int OldChannel = 0; // the channel of the operation slot when the dialog was filled
};

// Why OK was refused: the message box's text and caption and the edit that takes the focus.
struct EditOpRefusal {
    QString Text;
    QString Caption;
    EditOpField Focus;

    friend bool operator==(const EditOpRefusal&, const EditOpRefusal&) = default;
};

// Runs the checks of the operation dialog's OK in their fixed order against the operation slots
// of prog (the program being edited); nullopt when the input is to be accepted.
std::optional<EditOpRefusal> CheckEditOp(const EditOpInput& input, const TDuvProg& prog);

// The stored form of a preheating state text: "Вкл." StateOn, "Выкл." StateOff (compared
// exactly), anything else TimeUndefined.
TMyTime PreheatState(const QString& text);

// The Windows-1251 bytes of an operation name. Characters without a byte in that code page (the
// name edit refuses them, but a name read from a file may show one) are left out.
std::string OperationNameBytes(const QString& text);
