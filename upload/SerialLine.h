#pragma once

#include <QString>

#include <cstdint>

// One serial line as the upload uses it: byte by byte, with a read time-out per phase. The
// transfer talks to this interface so that a scripted line can stand in where a real port cannot
// be made to fail on demand.
class SerialLine {
  public:
    enum class ReadResult {
        Byte,    // a byte was stored
        Nothing, // nothing arrived within the time-out
        Failure  // the line broke (hang-up, device gone)
    };

    virtual ~SerialLine() = default;

    // Opens the device (a system name or path); false when it cannot be used.
    virtual bool Open(const QString& device) = 0;
    // 4800 bit/s, 8 data bits, even parity, 1 stop bit, no flow control. Not every device can
    // hold every setting (a pseudo-terminal refuses parity), so nothing is reported.
    virtual void SetLine() = 0;
    // How long one ReadByte may wait, in milliseconds.
    virtual void SetReadTimeout(int milliseconds) = 0;
    // Discards whatever waits in the input and output buffers.
    virtual void Clear() = 0;
    // Sends one byte and pushes it towards the device; failures are not reported.
    virtual void WriteByte(std::uint8_t byte) = 0;
    // Reads at most one byte, waiting no longer than the read time-out.
    virtual ReadResult ReadByte(std::uint8_t& byte) = 0;
    // Received bytes waiting to be read.
    virtual int Waiting() = 0;
    // Closing a line that is not open does nothing.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
};
