#include "ControllerSimulator.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>

namespace {
constexpr std::uint8_t Junk = 0x5A;  // never the ready byte
constexpr std::uint8_t Extra = 0xA5; // what an over-long copy trails
// Without echoes the workstation's read after its last byte waits its full time-out; a copy
// started before that would lose its first byte to that read.
constexpr std::chrono::milliseconds QuietCopyDelay{50};

void CloseFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Sleeping alone overshoots by a tenth of a millisecond or so each byte; the last stretch is
// waited out awake so that paced bytes keep their wire time. Awake means spinning: giving the
// processor away (yield) on a busy machine can cost a whole time slice.
void WaitUntil(std::chrono::steady_clock::time_point when) {
    using namespace std::chrono;
    const auto awake = microseconds(250);
    if (when - steady_clock::now() > awake)
        std::this_thread::sleep_until(when - awake);
    while (steady_clock::now() < when) {
    }
}
} // namespace

ControllerSimulator::ControllerSimulator(Options options) : options_(options) {}

ControllerSimulator::~ControllerSimulator() {
    Stop();
}

bool ControllerSimulator::Start() {
    if (thread_.joinable())
        return true;
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B4800);
    ::cfsetospeed(&raw, B4800);
    if (::openpty(&master_, &slave_, nullptr, &raw, nullptr) != 0)
        return false;
    char name[128] = {};
    if (::ttyname_r(slave_, name, sizeof name) != 0 || ::pipe2(wake_, O_CLOEXEC) != 0) {
        CloseFd(master_);
        CloseFd(slave_);
        return false;
    }
    slavePath_ = name;
    // The slave stays open here as well: without it the master would report a hang-up between
    // two openings of the port by the workstation.
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    stopping_ = false;
    thread_ = std::thread(&ControllerSimulator::Serve, this);
    return true;
}

void ControllerSimulator::Stop() {
    if (thread_.joinable()) {
        stopping_ = true;
        const char wake = 1;
        [[maybe_unused]] const auto written = ::write(wake_[1], &wake, 1);
        thread_.join();
    }
    CloseFd(master_);
    CloseFd(slave_);
    CloseFd(wake_[0]);
    CloseFd(wake_[1]);
}

std::vector<std::uint8_t> ControllerSimulator::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void ControllerSimulator::Serve() {
    std::uint8_t buffer[256];
    while (!stopping_ && master_ >= 0) {
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents != 0)
            break;
        if ((fds[0].revents & POLLIN) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        const Clock::time_point arrived = Clock::now();
        for (ssize_t i = 0; i < count && !stopping_ && master_ >= 0; ++i)
            Take(buffer[i], arrived);
    }
}

void ControllerSimulator::Take(std::uint8_t byte, Clock::time_point arrived) {
    rxDone_ = options_.Paced ? std::max(rxDone_, arrived) + ByteTime : arrived;
    if (!receiving_) {
        if (byte != Request)
            return;
        const int request = ++requests_;
        if (options_.Silent || request <= options_.IgnoredRequests)
            return;
        {
            std::lock_guard lock(mutex_);
            received_.clear();
        }
        for (int i = 0; i < options_.JunkBeforeReady; ++i) {
            if (!Send(Junk))
                return;
        }
        if (!Send(Ready))
            return;
        receiving_ = true;
        if (options_.HangUpAfter == 0)
            HangUp();
        return;
    }

    std::vector<std::uint8_t> image;
    {
        std::lock_guard lock(mutex_);
        received_.push_back(byte);
        image = received_;
    }
    if (options_.Echo && !Send(byte))
        return;
    const int size = static_cast<int>(image.size());
    if (size == options_.HangUpAfter) {
        HangUp();
        return;
    }
    if (size < ImageSize)
        return;
    if (!options_.Echo) {
        rxDone_ = std::max(rxDone_, Clock::now()) + QuietCopyDelay;
        if (!options_.Paced)
            WaitUntil(rxDone_);
    }
    const int count = std::clamp(options_.ReturnCount, 0, ImageSize);
    for (int i = 0; i < count; ++i) {
        const auto copy =
            static_cast<std::uint8_t>(i == options_.ChangedByte ? ~image[i] : image[i]);
        if (!Send(copy))
            return;
    }
    for (int i = 0; i < options_.ExtraBytes; ++i) {
        if (!Send(Extra))
            return;
    }
    ++copies_;
    receiving_ = false;
}

bool ControllerSimulator::Send(std::uint8_t byte) {
    if (options_.Paced) {
        txDone_ = std::max(txDone_, rxDone_) + ByteTime;
        WaitUntil(txDone_);
    }
    while (!stopping_ && master_ >= 0) {
        const ssize_t written = ::write(master_, &byte, 1);
        if (written == 1)
            return true;
        if (written < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        // The workstation is not reading: wait for room, or for Stop().
        pollfd fds[2] = {{master_, POLLOUT, 0}, {wake_[0], POLLIN, 0}};
        ::poll(fds, 2, -1);
        if (fds[1].revents != 0)
            return false;
    }
    return false;
}

void ControllerSimulator::HangUp() {
    CloseFd(master_);
    CloseFd(slave_);
    hungUp_ = true;
}
