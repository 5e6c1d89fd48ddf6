#pragma once

#include "SerialLine.h"
#include "TDuvProgs.h"
#include "UploadOutcome.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <functional>

// The whole upload of a program set to the controller, from building the image to judging the
// copy read back. Runs on the calling thread; its waits keep that thread's events flowing so a
// window stays painted, so a caller with windows must keep the user from starting anything
// else meanwhile.
class UploadTransfer {
  public:
    // Progress as the phases advance: the handshake counts attempts (maximum 30), the sending
    // and the read-back count bytes (maximum 332).
    struct Progress {
        std::function<void(int maximum)> Phase; // a new maximum, position back to 0
        std::function<void(int position)> Position;
    };

    static constexpr std::uint8_t Request = 0xFC;
    static constexpr std::uint8_t Ready = 0xFB;
    static constexpr int MaxAttempts = 30;
    static constexpr int ReadsPerAttempt = 10;
    // A controller that keeps talking cannot hold the read-back for ever.
    static constexpr int MaxReadBackReads = 2 * SendArray::ByteCount;

    // The waits and read time-outs of the protocol, in milliseconds. Only a test that cannot
    // count on its own thread being scheduled in time has a reason to change them.
    struct Timing {
        int AttemptWait = 50;         // between a request and its answer
        int AfterHandshakeWait = 100; // before the first byte of the image
        int HandshakeTimeout = 30;
        int SendTimeout = 6; // paces the sending: the echo, or this, lets the next byte go
        int ReadBackTimeout = 60;
    };

    explicit UploadTransfer(SerialLine& line, Progress progress = {});
    UploadTransfer(SerialLine& line, Progress progress, Timing timing);

    // Builds the image of progs and exchanges it over the port the text names (PortNames).
    // The line is closed afterwards whatever happened.
    UploadOutcome Run(const TDuvProgs& progs, const QString& portText);

  private:
    bool Handshake(int& attempts);
    void SendImage(const SendArray::Bytes& image);
    // Returns the number of bytes stored and the result of the last read.
    int ReadBack(SendArray::Bytes& received, SerialLine::ReadResult& last);
    void Pause(int milliseconds);
    void KeepResponsive();
    void Phase(int maximum);
    void Position(int position);

    SerialLine& line_;
    Progress progress_;
    Timing timing_;
    QElapsedTimer sinceEvents_;
};
