#pragma once

#include "SendArray.h"

#include <QString>

// What one upload came to, with the bytes that went out and came back.
struct UploadOutcome {
    enum class Kind {
        Success,       // the copy read back equals the image
        PortNotOpened, // nothing was sent
        NoAnswer,      // no ready byte within the handshake's attempts
        ShortReadBack, // the copy stopped before its end: Position = bytes received (n)
        Mismatch       // the copy differs: Position = first differing byte (k)
    };

    Kind Result = Kind::PortNotOpened;
    int Position = 0;            // Success: 332
    int Attempts = 0;            // handshake attempts made
    SendArray::Bytes Sent{};     // the image in wire order
    SendArray::Bytes Received{}; // the copy as it came, zero where nothing arrived

    // The copy as words in host order, as the viewer lists them.
    SendArray::Words ReceivedWords() const { return SendArray::FromWire(Received); }
    // The outcome in the user's words: the message of a message box, or for a mismatch the
    // viewer's caption; a short read-back without the question the dialog adds.
    QString Text() const;
    // The caption of the message box; empty for a mismatch, which shows no box.
    QString Caption() const;
};
