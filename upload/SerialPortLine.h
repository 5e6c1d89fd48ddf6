#pragma once

#include "SerialLine.h"

#include <QSerialPort>

// The serial line on a real port (or a pseudo-terminal), through Qt's serial port.
class SerialPortLine final : public SerialLine {
  public:
    SerialPortLine() = default;
    ~SerialPortLine() override;

    bool Open(const QString& device) override;
    void SetLine() override;
    void SetReadTimeout(int milliseconds) override;
    void Clear() override;
    void WriteByte(std::uint8_t byte) override;
    ReadResult ReadByte(std::uint8_t& byte) override;
    int Waiting() override;
    void Close() override;
    bool IsOpen() const override;

  private:
    QSerialPort port_;
    int readTimeout_ = 0;
};
