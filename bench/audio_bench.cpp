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
#include "bench_stats.h"
#include "wav_convert.h"

#include <benchmark/benchmark.h>

#include <algorithm>
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

template <typename Convert>
double timeOnce(const Bytes &input, Convert convert)
{
    const auto start = Clock::now();
    Bytes output = convert(input);
    benchmark::DoNotOptimize(output.data());
    return output.empty() ? 0 : std::chrono::duration<double>(Clock::now() - start).count();
}

// The same conversion by another program, file to file: the whole sound,
// and a 20 ms one for its start-up, so that both ratios can be told.
struct Tool {
    const char *name;
    std::vector<std::string> whole, startUp;
};

constexpr int kRounds = 7;

// One run of the tool on the whole sound and one on the short one; false
// when either cannot run or fails.
bool timeTool(const Tool &tool, std::vector<double> &whole, std::vector<double> &startUp)
{
    const std::optional<double> w = runTimed(tool.whole);
    if (!w)
        return false;
    const std::optional<double> u = runTimed(tool.startUp);
    if (!u)
        return false;
    whole.push_back(*w);
    startUp.push_back(*u);
    return true;
}

// Ours, and each tool's whole run and start-up, take turns for a few rounds
// and the medians are compared: the machine's speed drifts by half or more
// within minutes, and taking turns keeps every figure in the same moments.
// The library's own loop runs ours first, for its usual statistics.
template <typename Convert>
void compareWithTools(benchmark::State &state, const Bytes &input, Convert convert, const std::vector<Tool> &tools)
{
    for (auto _ : state) {
        if (timeOnce(input, convert) == 0) {
            state.SkipWithError("the conversion failed");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
    std::vector<double> ours;
    std::vector<std::vector<double>> whole(tools.size()), startUp(tools.size());
    std::vector<bool> available(tools.size(), true);
    for (int round = 0; round < kRounds; ++round) {
        ours.push_back(timeOnce(input, convert));
        for (size_t t = 0; t < tools.size(); ++t) {
            available[t] = available[t] && timeTool(tools[t], whole[t], startUp[t]);
        }
    }
    const double mine = median(ours);
    state.counters["ours_s"] = mine;
    state.counters["x_realtime"] = kSoundSeconds / mine;
    for (size_t t = 0; t < tools.size(); ++t) {
        if (!available[t]) {
            std::printf("%s: not available or failed, left out\n", tools[t].name);
            continue;
        }
        const std::string name = tools[t].name;
        const double w = median(whole[t]), u = median(startUp[t]);
        state.counters[name + "_s"] = w;
        state.counters[name + "_startup_s"] = u;
        state.counters[name + "/ours"] = w / mine;
        state.counters[name + "-startup/ours"] = (w - u) / mine;
    }
}

void AmrToPcmWav3Minutes(benchmark::State &state)
{
    if (!ready(state))
        return;
    const fs::path &dir = sounds().dir;
    const std::string in = (dir / "sound.amr").string(), tiny = (dir / "tiny.amr").string();
    const std::string out = (dir / "out.wav").string();
    compareWithTools(state, sounds().amr, [](const Bytes &amr) { return quillora::audio::AmrToPcmWav(amr); },
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
    const fs::path &dir = sounds().dir;
    const std::string in = (dir / "ima.wav").string(), tiny = (dir / "tiny-ima.wav").string();
    const std::string out = (dir / "out.wav").string();
    compareWithTools(state, sounds().imaAdpcm, [](const Bytes &ima) { return quillora::audio::WavToPcmWav(ima); },
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
    const fs::path &dir = sounds().dir;
    const std::string in = (dir / "source.wav").string(), tiny = (dir / "tiny.wav").string();
    const std::string out = (dir / "out-ima.wav").string();
    compareWithTools(state, sounds().pcm,
                     [](const Bytes &pcm) { return quillora::audio::CompressWavForPhone(pcm); },
                     {{"sox", {"sox", in, "-e", "ima-adpcm", out}, {"sox", tiny, "-e", "ima-adpcm", out}},
                      {"ffmpeg", {"ffmpeg", "-nostdin", "-y", "-i", in, "-c:a", "adpcm_ima_wav", out},
                       {"ffmpeg", "-nostdin", "-y", "-i", tiny, "-c:a", "adpcm_ima_wav", out}}});
}
BENCHMARK(CompressPcmForPhone3Minutes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
