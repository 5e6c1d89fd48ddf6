#include "SerialPortLine.h"

namespace {
// A write that cannot leave within this time has nowhere to go: the caller does not look at
// write results, so giving up is all that is left.
constexpr int WriteWaitLimit = 20;
} // namespace

SerialPortLine::~SerialPortLine() {
    Close();
}

bool SerialPortLine::Open(const QString& device) {
    Close();
    if (device.isEmpty())
        return false;
    port_.setPortName(device);
    return port_.open(QIODevice::ReadWrite);
}

void SerialPortLine::SetLine() {
    // Each setting on its own: one the device refuses must not keep the others from applying.
    port_.setBaudRate(QSerialPort::Baud4800);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::EvenParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.clearError();
}

void SerialPortLine::SetReadTimeout(int milliseconds) {
    readTimeout_ = milliseconds;
}

void SerialPortLine::Clear() {
    if (port_.isOpen())
        port_.clear(QSerialPort::AllDirections);
}

void SerialPortLine::WriteByte(std::uint8_t byte) {
    if (!port_.isOpen())
        return;
    const char c = static_cast<char>(byte);
    port_.write(&c, 1);
    port_.flush();
    if (port_.bytesToWrite() > 0)
        port_.waitForBytesWritten(WriteWaitLimit);
}

SerialLine::ReadResult SerialPortLine::ReadByte(std::uint8_t& byte) {
    if (!port_.isOpen())
        return ReadResult::Failure;
    if (port_.bytesAvailable() == 0) {
        port_.clearError();
        if (!port_.waitForReadyRead(readTimeout_)) {
            const QSerialPort::SerialPortError error = port_.error();
            if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError)
                return ReadResult::Failure;
        }
    }
    char c = 0;
    if (!port_.getChar(&c))
        return ReadResult::Nothing;
    byte = static_cast<std::uint8_t>(c);
    return ReadResult::Byte;
}

int SerialPortLine::Waiting() {
    if (!port_.isOpen())
        return 0;
    if (port_.bytesAvailable() == 0) {
        // Bytes still in the driver count too: a wait of no time pulls them in.
        port_.clearError();
        port_.waitForReadyRead(0);
    }
    return static_cast<int>(port_.bytesAvailable());
}

void SerialPortLine::Close() {
    if (port_.isOpen())
        port_.close();
}

bool SerialPortLine::IsOpen() const {
    return port_.isOpen();
}
