#include "UploadTransfer.h"

#include "PortNames.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <thread>

namespace {
// Longest stretch without looking at the thread's events: short enough that a window repaints
// smoothly, long enough that looking costs nothing next to the byte times.
constexpr int EventInterval = 15;

bool OnEventThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && app->thread() == QThread::currentThread();
}
} // namespace

UploadTransfer::UploadTransfer(SerialLine& line, Progress progress)
    : UploadTransfer(line, std::move(progress), Timing{}) {}

UploadTransfer::UploadTransfer(SerialLine& line, Progress progress, Timing timing)
    : line_(line), progress_(std::move(progress)), timing_(timing) {}

UploadOutcome UploadTransfer::Run(const TDuvProgs& progs, const QString& portText) {
    UploadOutcome outcome;
    outcome.Sent = SendArray::ToWire(SendArray::Build(progs));
    sinceEvents_.start();

    if (!line_.Open(PortNames::DeviceName(portText))) {
        outcome.Result = UploadOutcome::Kind::PortNotOpened;
        return outcome;
    }
    line_.SetLine();
    line_.SetReadTimeout(timing_.HandshakeTimeout);
    line_.Clear();

    const bool ready = Handshake(outcome.Attempts);
    Pause(timing_.AfterHandshakeWait);
    if (!ready) {
        line_.Close();
        outcome.Result = UploadOutcome::Kind::NoAnswer;
        return outcome;
    }

    SendImage(outcome.Sent);

    SerialLine::ReadResult last = SerialLine::ReadResult::Nothing;
    const int n = ReadBack(outcome.Received, last);
    line_.Close();

    if (last == SerialLine::ReadResult::Nothing && n < SendArray::ByteCount) {
        outcome.Result = UploadOutcome::Kind::ShortReadBack;
        outcome.Position = n;
        return outcome;
    }
    int k = 0;
    while (k < SendArray::ByteCount && outcome.Sent[k] == outcome.Received[k])
        ++k;
    // A copy cut off by a broken line is not a copy, whatever the missing bytes would have been.
    if (n < k)
        k = n;
    outcome.Result =
        k == SendArray::ByteCount ? UploadOutcome::Kind::Success : UploadOutcome::Kind::Mismatch;
    outcome.Position = k;
    return outcome;
}

bool UploadTransfer::Handshake(int& attempts) {
    Phase(MaxAttempts);
    std::uint8_t received = 0;
    for (attempts = 1; attempts <= MaxAttempts; ++attempts) {
        received = 0;
        line_.WriteByte(Request);
        Pause(timing_.AttemptWait);
        // Whatever the controller sent before its ready byte is passed over.
        for (int read = 0; read < ReadsPerAttempt && received != Ready; ++read) {
            std::uint8_t byte = 0;
            if (line_.ReadByte(byte) == SerialLine::ReadResult::Byte)
                received = byte;
            KeepResponsive();
        }
        Position(attempts);
        if (received == Ready)
            return true;
    }
    attempts = MaxAttempts;
    return false;
}

void UploadTransfer::SendImage(const SendArray::Bytes& image) {
    Phase(SendArray::ByteCount);
    line_.SetReadTimeout(timing_.SendTimeout);
    for (int i = 0; i < SendArray::ByteCount; ++i) {
        line_.WriteByte(image[i]);
        // The controller's echo, or the time-out, paces the next byte; what came is not used.
        std::uint8_t echo = 0;
        line_.ReadByte(echo);
        Position(i + 1);
        KeepResponsive();
    }
}

int UploadTransfer::ReadBack(SendArray::Bytes& received, SerialLine::ReadResult& last) {
    received.fill(0);
    line_.SetReadTimeout(timing_.ReadBackTimeout);
    Position(0);
    int n = 0;
    for (int reads = 0; reads < MaxReadBackReads; ++reads) {
        std::uint8_t byte = 0;
        last = line_.ReadByte(byte);
        if (last == SerialLine::ReadResult::Byte && n < SendArray::ByteCount) {
            received[n++] = byte;
            Position(n);
        } // bytes beyond the image are read and dropped
        KeepResponsive();
        const bool delivered = last == SerialLine::ReadResult::Byte;
        if (!(line_.Waiting() > 0 || (n < SendArray::ByteCount && delivered)))
            break;
    }
    return n;
}

void UploadTransfer::Pause(int milliseconds) {
    if (!OnEventThread()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    loop.exec();
    sinceEvents_.restart();
}

void UploadTransfer::KeepResponsive() {
    if (sinceEvents_.elapsed() < EventInterval || !OnEventThread())
        return;
    QCoreApplication::processEvents();
    sinceEvents_.restart();
}

void UploadTransfer::Phase(int maximum) {
    if (progress_.Phase)
        progress_.Phase(maximum);
}

void UploadTransfer::Position(int position) {
    if (progress_.Position)
        progress_.Position(position);
}
