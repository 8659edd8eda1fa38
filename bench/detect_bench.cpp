// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Detection latency (TrelvixAsync to "phone ready") with the simulated phone
// alone and among silent ports, and the CPU that continuous detection costs
// while it idles on silent ports.

#include "candidates.h"
#include "detect.h"
#include "phone_link.h"
#include "pty_pair.h"

#include <benchmark/benchmark.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <sys/resource.h>

namespace {

using namespace std::chrono;

std::mutex g_mutex;
std::condition_variable g_cv;
bool g_ready = false;

int onStatus(int code, DetectResult *)
{
    if (code != TRELVIX_STATUS_READY)
        return 0;
    std::lock_guard lock(g_mutex);
    g_ready = true;
    g_cv.notify_all();
    return 1;
}

void BM_DetectPhone(benchmark::State &state)
{
    const auto silent = static_cast<size_t>(state.range(0));
    std::vector<std::unique_ptr<testing_support::PtyPair>> quiet;
    std::vector<std::string> paths;
    for (size_t i = 0; i < silent; ++i) {
        quiet.push_back(std::make_unique<testing_support::PtyPair>());
        paths.push_back(quiet.back()->slavePath());
    }
    phonesim::PtyPhone phone;
    paths.insert(paths.begin() + static_cast<long>(silent / 2), phone.slavePath());
    testing_support::useCandidatePaths(paths);
    for (auto _ : state) {
        g_ready = false;
        const auto start = steady_clock::now();
        TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, onStatus);
        std::unique_lock lock(g_mutex);
        if (!g_cv.wait_for(lock, seconds(30), [] { return g_ready; }))
            state.SkipWithError("phone not found");
        state.SetIterationTime(duration<double>(steady_clock::now() - start).count());
        lock.unlock();
        TrelvixAsync_Stop();
        trelvix::waitForDetectionThreads(seconds(10));
    }
    trelvix::setCandidateSource({});
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_IdleContinuousDetection(benchmark::State &state)
{
    std::vector<std::unique_ptr<testing_support::PtyPair>> quiet;
    std::vector<std::string> paths;
    for (int i = 0; i < 8; ++i) {
        quiet.push_back(std::make_unique<testing_support::PtyPair>());
        paths.push_back(quiet.back()->slavePath());
    }
    testing_support::useCandidatePaths(paths);
    double share = 0;
    for (auto _ : state) {
        TrelvixAsync(TRELVIX_FLAG_CONTINUOUS, onStatus);
        const double cpu0 = cpuSeconds();
        const auto t0 = steady_clock::now();
        std::this_thread::sleep_for(seconds(20));
        const double wall = duration<double>(steady_clock::now() - t0).count();
        share = (cpuSeconds() - cpu0) / wall;
        TrelvixAsync_Stop();
        trelvix::waitForDetectionThreads(seconds(10));
    }
    state.counters["cpu_share_of_one_core_pct"] = share * 100;
    trelvix::setCandidateSource({});
}

} // namespace

BENCHMARK(BM_DetectPhone)->Arg(0)->Arg(7)->Arg(31)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleContinuousDetection)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_MAIN();
