#pragma once

#include "SerialLine.h"

#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// A serial line that plays a script instead of a port: it records every call and answers reads
// from a queue that a controller function fills as bytes are written. It stands in where a real
// line cannot be made to misbehave in exactly one way.
class ScriptedLine final : public SerialLine {
  public:
    struct Read {
        ReadResult Result;
        std::uint8_t Byte;
    };

    // Called with every byte written; queues what the far side sends back.
    std::function<void(ScriptedLine&, std::uint8_t)> Controller;
    bool OpenSucceeds = true;
    bool ScribbleOnEmptyRead = false; // a read without a byte still writes 0xFB into the buffer
    int WaitingReport = -1;           // >= 0: what Waiting() says, whatever is queued
    std::vector<std::string> Calls;
    std::deque<Read> Input;

    void Queue(std::uint8_t byte) { Input.push_back({ReadResult::Byte, byte}); }
    void QueueFailure() { Input.push_back({ReadResult::Failure, 0}); }

    bool Open(const QString& device) override {
        Calls.push_back("open " + device.toStdString());
        open_ = OpenSucceeds;
        return open_;
    }
    void SetLine() override { Calls.push_back("line"); }
    void SetReadTimeout(int milliseconds) override {
        Calls.push_back("timeout " + std::to_string(milliseconds));
    }
    void Clear() override {
        Calls.push_back("clear");
        Input.clear();
    }
    void WriteByte(std::uint8_t byte) override {
        char text[16];
        std::snprintf(text, sizeof text, "write %02x", byte);
        Calls.push_back(text);
        if (Controller)
            Controller(*this, byte);
    }
    ReadResult ReadByte(std::uint8_t& byte) override {
        Calls.push_back("read");
        if (Input.empty()) {
            if (ScribbleOnEmptyRead)
                byte = 0xFB;
            return ReadResult::Nothing;
        }
        const Read read = Input.front();
        Input.pop_front();
        if (read.Result == ReadResult::Byte)
            byte = read.Byte;
        return read.Result;
    }
    int Waiting() override {
        if (WaitingReport >= 0)
            return WaitingReport;
        int count = 0;
        while (count < static_cast<int>(Input.size()) && Input[count].Result == ReadResult::Byte)
            ++count;
        return count;
    }
    void Close() override {
        Calls.push_back("close");
        open_ = false;
    }
    bool IsOpen() const override { return open_; }

  private:
    bool open_ = false;
};
