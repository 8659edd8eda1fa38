// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// What the reply ring costs: WaitLine per line when the lines are already
// there, the receive callback per KiB as the serial reader thread calls it,
// and the two together across threads, so that the throughput of object
// transfers can be explained.

#include "phone_session.h"

#include <benchmark/benchmark.h>

#include <thread>

namespace {

struct NoSink : quillora::CommandSink {
    bool send(const void *, size_t) override { return true; }
};

// A listing line of typical length ("+KPSL: " type, hex name, size).
const std::string kLine = "+KPSL: \"JPEG\",\"0050006900630031\",12345,0\r\n";

void WaitLinePerLine(benchmark::State &state)
{
    NoSink sink;
    quillora::PhoneSession session(sink);
    const int perFill = static_cast<int>(8000 / kLine.size());
    std::string block;
    for (int i = 0; i < perFill; ++i)
        block += kLine;
    int left = 0;
    for (auto _ : state) {
        if (left == 0) {
            state.PauseTiming();
            session.receive(block.data(), static_cast<std::uint32_t>(block.size()));
            left = perFill;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(session.WaitLine(1000));
        --left;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(WaitLinePerLine);

// One 1 KiB chunk in (the callback) and out again (an operation's
// ReadBytes), on one thread: the copying and locking without waits.
void ReceivePerKiB(benchmark::State &state)
{
    NoSink sink;
    quillora::PhoneSession session(sink);
    const std::string chunk(1024, 'x');
    char out[1024];
    for (auto _ : state) {
        session.receive(chunk.data(), 1024);
        benchmark::DoNotOptimize(session.replies().readBytes(out, sizeof out));
    }
    state.SetBytesProcessed(state.iterations() * 1024);
}
BENCHMARK(ReceivePerKiB);

// The reader thread's callback feeding lines to a waiting reader, as during
// a listing: each chunk wakes the reader, which takes every complete line.
void CallbackToLinesAcrossThreads(benchmark::State &state)
{
    const int chunks = 256;
    std::string chunk;
    while (chunk.size() + kLine.size() <= 1024)
        chunk += kLine;
    const int linesPerChunk = static_cast<int>(chunk.size() / kLine.size());
    for (auto _ : state) {
        NoSink sink;
        quillora::PhoneSession session(sink);
        std::thread reader([&] {
            for (int i = 0; i < chunks * linesPerChunk; ++i)
                benchmark::DoNotOptimize(session.WaitLine(5000));
        });
        for (int i = 0; i < chunks; ++i)
            session.receive(chunk.data(), static_cast<std::uint32_t>(chunk.size()));
        reader.join();
    }
    state.SetBytesProcessed(state.iterations() * chunks * static_cast<int64_t>(chunk.size()));
    state.SetItemsProcessed(state.iterations() * chunks * linesPerChunk);
}
BENCHMARK(CallbackToLinesAcrossThreads)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
