// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// What the sound conversions cost on a 3-minute sound: AMR-NB to PCM WAV
// beside sox and ffmpeg doing the same conversion in the same run, the IMA
// ADPCM decoding and the compression for the phone. The sounds are made
// with sox in a temporary directory; without sox the benchmarks skip.
// sox and ffmpeg are timed as whole processes that read and write files, so
// their start-up is measured separately (the same commands on a one-frame
// file) and reported beside the totals.

#include "amr_convert.h"
#include "wav_convert.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr double kSoundSeconds = 180;
constexpr auto kProcessTimeLimit = std::chrono::seconds(60);

// Runs a command with its output thrown away; its wall-clock seconds, or
// nothing when it cannot start, fails, or outlives the time limit (then it
// is killed).
std::optional<double> runTimed(std::vector<std::string> args)
{
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return std::nullopt;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() - start > kProcessTimeLimit) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    const std::chrono::duration<double> took = Clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return took.count();
}

Bytes readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The sounds, made once for the whole run and removed at exit.
struct Sounds {
    fs::path dir;
    bool made = false;
    Bytes amr;       // 12.2 kbit/s, the mode phones record in
    Bytes imaAdpcm;  // sox's IMA ADPCM WAV (format tag 0x0011)
    Bytes pcm;       // 16-bit PCM WAV, 8000 Hz mono

    Sounds()
    {
        char pattern[] = "/tmp/quillora-audio-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            return;
        dir = pattern;
        const std::string seconds = std::to_string(static_cast<int>(kSoundSeconds));
        // A voice-like buzz: a gliding sawtooth through three formant peaks,
        // in syllables.
        made = runTimed({"sox", "-R", "-D", "-n", "-r", "8000", "-c", "1", "-b", "16", (dir / "source.wav").string(),
                         "synth", seconds, "sawtooth", "110-160", "synth", seconds, "sine", "amod", "3.5", "80",
                         "gain", "-n", "-24", "equalizer", "700", "1.5q", "12", "equalizer", "1200", "2q", "9",
                         "equalizer", "2600", "3q", "6", "highpass", "80", "gain", "-n", "-3"})
                   && runTimed({"sox", (dir / "source.wav").string(), "-t", "amr-nb", "-C", "7",
                                (dir / "sound.amr").string()})
                   && runTimed({"sox", (dir / "source.wav").string(), "-e", "ima-adpcm",
                                (dir / "ima.wav").string()})
                   && runTimed({"sox", (dir / "sound.amr").string(), "-t", "amr-nb", "-C", "7",
                                (dir / "tiny.amr").string(), "trim", "0", "0.02"})
                   && runTimed({"sox", (dir / "ima.wav").string(), (dir / "tiny-ima.wav").string(), "trim", "0",
                                "0.02"})
                   && runTimed({"sox", (dir / "source.wav").string(), (dir / "tiny.wav").string(), "trim", "0",
                                "0.02"});
        if (made) {
            amr = readFile(dir / "sound.amr");
            imaAdpcm = readFile(dir / "ima.wav");
            pcm = readFile(dir / "source.wav");
        }
    }
    ~Sounds()
    {
        std::error_code ignored;
        if (!dir.empty())
            fs::remove_all(dir, ignored);
    }
};

Sounds &sounds()
{
    static Sounds instance;
    return instance;
}

bool ready(benchmark::State &state)
{
    if (sounds().made)
        return true;
    state.SkipWithError("sox (with AMR-NB) is needed to make the 3-minute test sounds");
    return false;
}

// Best of a few runs of a command, as external timings are noisy.
std::optional<double> bestOf(int runs, const std::vector<std::string> &args)
{
    std::optional<double> best;
    for (int i = 0; i < runs; ++i) {
        const auto took = runTimed(args);
        if (!took)
            return std::nullopt;
        best = best ? std::min(*best, *took) : *took;
    }
    return best;
}

// Runs the conversion as often as the library asks; the fastest run's
// seconds (also reported, with the sound seconds per second of work), or 0
// when the conversion fails.
template <typename Convert>
double timeConversion(benchmark::State &state, const Bytes &input, Convert convert)
{
    double best = 1e30;
    for (auto _ : state) {
        const auto start = Clock::now();
        Bytes output = convert(input);
        benchmark::DoNotOptimize(output.data());
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
        if (output.empty()) {
            state.SkipWithError("the conversion failed");
            return 0;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
    state.counters["ours_s"] = best;
    state.counters["x_realtime"] = kSoundSeconds / best;
    return best;
}

// The same conversion by another program, file to file: the whole sound,
// and a 20 ms one for its start-up, so that both ratios can be told.
struct Tool {
    const char *name;
    std::vector<std::string> whole, startUp;
};

void compareWithTools(benchmark::State &state, double ours, const std::vector<Tool> &tools)
{
    if (ours == 0)
        return;
    for (const Tool &tool : tools) {
        const auto whole = bestOf(5, tool.whole);
        const auto startUp = bestOf(5, tool.startUp);
        if (!whole || !startUp) {
            std::printf("%s: not available or failed, left out\n", tool.name);
            continue;
        }
        const std::string name = tool.name;
        state.counters[name + "_s"] = *whole;
        state.counters[name + "_startup_s"] = *startUp;
        state.counters[name + "/ours"] = *whole / ours;
        state.counters[name + "-startup/ours"] = (*whole - *startUp) / ours;
    }
}

void AmrToPcmWav3Minutes(benchmark::State &state)
{
    if (!ready(state))
        return;
    const double ours = timeConversion(state, sounds().amr, [](const Bytes &amr) {
        return quillora::audio::AmrToPcmWav(amr);
    });
    if (ours == 0)
        return;

    const fs::path &dir = sounds().dir;
    const std::string in = (dir / "sound.amr").string(), tiny = (dir / "tiny.amr").string();
    const std::string out = (dir / "out.wav").string();
    compareWithTools(state, ours,
                     {{"sox",
                       {"sox", in, "-b", "16", "-e", "signed-integer", out},
                       {"sox", tiny, "-b", "16", "-e", "signed-integer", out}},
                      {"ffmpeg",
                       {"ffmpeg", "-nostdin", "-y", "-c:a", "amrnb", "-i", in, "-c:a", "pcm_s16le", out},
                       {"ffmpeg", "-nostdin", "-y", "-c:a", "amrnb", "-i", tiny, "-c:a", "pcm_s16le", out}}});
}
BENCHMARK(AmrToPcmWav3Minutes)->Unit(benchmark::kMillisecond)->UseRealTime();

// Decoding IMA ADPCM (the form the phone's ADPCM is derived from) and
// compressing 16-bit PCM for the phone, beside sox and ffmpeg decoding the
// same IMA file and encoding the same PCM file as IMA ADPCM, the nearest
// thing they do to the phone's form.
void ImaAdpcmToPcmWav3Minutes(benchmark::State &state)
{
    if (!ready(state))
        return;
    const double ours =
        timeConversion(state, sounds().imaAdpcm, [](const Bytes &ima) { return quillora::audio::WavToPcmWav(ima); });
    const fs::path &dir = sounds().dir;
    const std::string in = (dir / "ima.wav").string(), tiny = (dir / "tiny-ima.wav").string();
    const std::string out = (dir / "out.wav").string();
    compareWithTools(state, ours,
                     {{"sox", {"sox", in, "-b", "16", "-e", "signed-integer", out},
                       {"sox", tiny, "-b", "16", "-e", "signed-integer", out}},
                      {"ffmpeg", {"ffmpeg", "-nostdin", "-y", "-i", in, "-c:a", "pcm_s16le", out},
                       {"ffmpeg", "-nostdin", "-y", "-i", tiny, "-c:a", "pcm_s16le", out}}});
}
BENCHMARK(ImaAdpcmToPcmWav3Minutes)->Unit(benchmark::kMillisecond)->UseRealTime();

void CompressPcmForPhone3Minutes(benchmark::State &state)
{
    if (!ready(state))
        return;
    const double ours =
        timeConversion(state, sounds().pcm, [](const Bytes &pcm) { return quillora::audio::CompressWavForPhone(pcm); });
    const fs::path &dir = sounds().dir;
    const std::string in = (dir / "source.wav").string(), tiny = (dir / "tiny.wav").string();
    const std::string out = (dir / "out-ima.wav").string();
    compareWithTools(state, ours,
                     {{"sox", {"sox", in, "-e", "ima-adpcm", out}, {"sox", tiny, "-e", "ima-adpcm", out}},
                      {"ffmpeg", {"ffmpeg", "-nostdin", "-y", "-i", in, "-c:a", "adpcm_ima_wav", out},
                       {"ffmpeg", "-nostdin", "-y", "-i", tiny, "-c:a", "adpcm_ima_wav", out}}});
}
BENCHMARK(CompressPcmForPhone3Minutes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
