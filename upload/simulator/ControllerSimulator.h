#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A КРЖ controller in programming mode on the far side of a pseudo-terminal. It answers the
// request byte with the ready byte, takes the 332 bytes of the image (echoing each one if asked)
// and sends its copy back; then it waits for the next request. Its faults are chosen up front.
// It serves on its own thread; the workstation opens SlavePath() as its serial port.
class ControllerSimulator {
  public:
    static constexpr int ImageSize = 332;
    static constexpr std::uint8_t Request = 0xFC;
    static constexpr std::uint8_t Ready = 0xFB;
    // 4800 bit/s with a start bit, 8 data bits, even parity and a stop bit: 11 bits a byte.
    static constexpr std::chrono::nanoseconds ByteTime{11'000'000'000LL / 4800};

    struct Options {
        int IgnoredRequests = 0; // requests passed over before the first answer
        bool Silent = false;     // never answers a request
        int JunkBeforeReady = 0; // other bytes sent ahead of the ready byte
        bool Echo = true;        // sends each byte of the image back as it arrives; without echoes
                                 // the copy follows 50 ms after the last byte
        int ChangedByte = -1;    // position of the copy sent back inverted; -1: none
        int ReturnCount = ImageSize; // bytes of the copy sent back (fewer: a short copy)
        int ExtraBytes = 0;          // bytes sent after the copy (an over-long copy)
        int HangUpAfter = -1;        // image bytes received before the line is cut; -1: never
        bool Paced = false;          // every byte in either direction takes ByteTime on the wire
    };

    explicit ControllerSimulator(Options options);
    ControllerSimulator() : ControllerSimulator(Options{}) {}
    ~ControllerSimulator();
    ControllerSimulator(const ControllerSimulator&) = delete;
    ControllerSimulator& operator=(const ControllerSimulator&) = delete;

    // Opens the pseudo-terminal and starts serving it; false when no terminal could be had.
    bool Start();
    // Stops serving and releases the terminal.
    void Stop();

    // The device the workstation opens.
    std::string SlavePath() const { return slavePath_; }
    // The image bytes received since the last ready byte.
    std::vector<std::uint8_t> Received() const;
    int Requests() const { return requests_; }
    int CopiesSent() const { return copies_; }
    bool HungUp() const { return hungUp_; }

  private:
    using Clock = std::chrono::steady_clock;

    void Serve();
    void Take(std::uint8_t byte, Clock::time_point arrived);
    bool Send(std::uint8_t byte);
    void HangUp();

    Options options_;
    int master_ = -1;
    int slave_ = -1;
    int wake_[2] = {-1, -1};
    std::string slavePath_;
    std::thread thread_;

    // Touched by the serving thread only.
    bool receiving_ = false;
    Clock::time_point rxDone_{};
    Clock::time_point txDone_{};

    mutable std::mutex mutex_;
    std::vector<std::uint8_t> received_;
    std::atomic<int> requests_{0};
    std::atomic<int> copies_{0};
    std::atomic<bool> hungUp_{false};
    std::atomic<bool> stopping_{false};
};
