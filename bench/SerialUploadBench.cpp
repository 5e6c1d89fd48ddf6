// A whole upload against the simulated controller keeping 4800 bit/s 8E1 time on the line, set
// against the least time the protocol allows.
#include "ControllerSimulator.h"
#include "SerialPortLine.h"
#include "UploadTransfer.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Ms = std::chrono::duration<double, std::milli>;

TDuvProgs BenchPrograms() {
    TDuvProgs progs;
    for (int slot : {0, 1, 2, 3, 4}) {
        for (int op = 0; op < 12; ++op) {
            TDuvRec& rec = progs.Prog(slot).Op(op);
            rec.Channel = op + 1;
            rec.OnTime = TMyTime(static_cast<std::uint16_t>(100 * slot + 10 * op));
            rec.OffTime = TMyTime(static_cast<std::uint16_t>(100 * slot + 10 * op + 7));
        }
    }
    return progs;
}

// Every byte both ways on the wire (request, ready, 332 out, 332 echoes, 332 back) plus the
// fixed waits and the read-back's final time-out, all simply added up.
double SummedFloor() {
    const UploadTransfer::Timing t;
    const double byte = Ms(ControllerSimulator::ByteTime).count();
    return byte * (2 + 3 * 332) + t.AttemptWait + t.AfterHandshakeWait + t.ReadBackTimeout;
}

// The critical path: the request and the ready byte fit in the 50 ms wait, each byte of the
// image leaves when its echo is back (two byte times), the copy follows at one byte time a
// byte, and a complete copy ends the read-back without a time-out.
double PathFloor() {
    const UploadTransfer::Timing t;
    const double byte = Ms(ControllerSimulator::ByteTime).count();
    return t.AttemptWait + t.AfterHandshakeWait + 332 * 2 * byte + 332 * byte;
}

// One upload after another against the paced controller; the mean time of the successful ones
// is set against both floors.
void MeasureUploads(benchmark::State& state, const UploadTransfer::Timing& timing) {
    ControllerSimulator::Options options;
    options.Paced = true;
    ControllerSimulator controller(options);
    if (!controller.Start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const TDuvProgs progs = BenchPrograms();
    const QString port = QString::fromStdString(controller.SlavePath());
    double total = 0;
    int successes = 0;
    for (auto _ : state) {
        SerialPortLine line;
        UploadTransfer transfer(line, {}, timing);
        const auto start = std::chrono::steady_clock::now();
        const UploadOutcome outcome = transfer.Run(progs, port);
        const double elapsed = Ms(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(elapsed / 1000);
        if (outcome.Result == UploadOutcome::Kind::Success) {
            total += elapsed;
            ++successes;
        }
    }
    const double mean = successes > 0 ? total / successes : 0;
    state.counters["ok_ms"] = mean;
    state.counters["successes"] = successes;
    state.counters["floor_sum_ms"] = SummedFloor();
    state.counters["floor_path_ms"] = PathFloor();
    state.counters["ratio_sum"] = mean / SummedFloor();
    state.counters["ratio_path"] = mean / PathFloor();
}

// The echo paces the sending either way, so a longer read time-out there changes no time on
// the protocol's path; it only keeps a late echo from shifting every byte after it. The real
// line has 1.4 ms to spare between the echo (two byte times) and the 6 ms time-out; a simulated
// controller on a shared machine is sometimes later than that.
void BM_PacedUpload(benchmark::State& state) {
    UploadTransfer::Timing timing;
    timing.SendTimeout = 50;
    MeasureUploads(state, timing);
}
BENCHMARK(BM_PacedUpload)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The protocol's own timing: how often the simulated controller's echo misses the 6 ms.
void BM_PacedUploadProtocolTiming(benchmark::State& state) {
    MeasureUploads(state, UploadTransfer::Timing{});
}
BENCHMARK(BM_PacedUploadProtocolTiming)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    // The workstation runs the transfer with an application object: its waits go through the
    // event loop, as measured here.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
