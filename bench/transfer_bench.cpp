// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Object transfer speed and memory against the simulated phone, run as its
// own process on a pseudo-terminal (so its memory is not ours):
//   - a 1 MiB send (+KPSW) and retrieval (+KPSR) with the phone throttled
//     to a real 115200 bit/s line (11520 bytes/s), as a share of that rate;
//   - the same unthrottled with 16 MiB, beside a plain copy of the bytes
//     through a pty;
//   - the peak resident memory added by retrieving a 64 MiB object (and an
//     8 MiB one, to show it does not grow with the object).
// usage: transfer_bench [--throttled-bytes N] [--skip-throttled] [--rounds N]

#include "bench_stats.h"
#include "connection_state.h"
#include "simulated_phone.h"
#include "link_control.h"
#include "phone_listing.h"
#include "phone_operations.h"
#include "phone_session.h"
#include "port.h"
#include "prompt.h"
#include "text_source.h"
#include "transfer.h"
#include "trelvix.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace quillora;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kLineRate = 11520; // 115200 bit/s, 10 bits a byte

std::string payload(size_t n)
{
    std::string bytes(n, '\0');
    bytes[0] = '\xFF'; // a JPEG's first bytes, so nothing renames it
    bytes[1] = '\xD8';
    for (size_t i = 2; i < n; ++i)
        bytes[i] = static_cast<char>(i * 131 + 7);
    return bytes;
}

struct QuietPrompt final : Prompt {
    void showMessage(MessageIcon, const std::string &text) override { std::fprintf(stderr, "phone: %s\n", text.c_str()); }
    bool askYesNo(const std::string &) override { return false; }
};

struct IdTexts final : TextSource {
    std::string text(std::uint32_t id) const override { return std::to_string(id); }
    std::string formatInserts(std::uint32_t id, std::span<const TextArg>) const override { return std::to_string(id); }
};

struct NoProgress final : TransferProgress {
    void setObjectName(const std::string &) override {}
    void setStep(const std::string &) override {}
    void setCounter(const std::string &) override {}
    void setDetail(const std::string &) override {}
    void setRange(std::uint32_t) override {}
    void setPosition(std::uint32_t) override {}
};

struct FirstObject final : PhoneObjectSink {
    bool containsTitle(const std::string &) override { return false; }
    void addObject(const PhoneObject &object, const std::string &, const std::string &) override
    {
        if (phoneName.empty())
            phoneName = object.phoneName;
    }
    std::string phoneName;
};

// The program's side: the channel on the phone's pty, a session, a
// connected phone of protocol 2.01.
class Link {
public:
    explicit Link(const std::string &path)
    {
        auto opened = trelvix::openPosixPort(path);
        if (!opened.port) {
            std::fprintf(stderr, "cannot open %s\n", path.c_str());
            std::exit(1);
        }
        SetReceiveSession(&session_);
        if (!Comm_Start(opened.port.release(), ReceiveCallback, 0))
            std::exit(1);
        PhoneInfo phone;
        phone.speed = 115200;
        phone.imei = "351234567890123";
        phone.protocolVersion = 201;
        connection_.TryAccept(phone, nullptr);
    }
    ~Link()
    {
        Comm_Stop(1);
        SetReceiveSession(nullptr);
    }

    bool send(const std::string &file)
    {
        NoProgress progress;
        progress.mode = TransferMode::SendMany;
        progress.objectName = "bench";
        progress.filePath = file;
        progress.objectType = 104; // JPEG
        auto context = this->context();
        return SendObjectBatch(context, progress);
    }
    bool receiveFirstPicture(const std::string &folder)
    {
        FirstObject first;
        ListGroup(session_, 0, true, first);
        NoProgress progress;
        progress.mode = TransferMode::Receive;
        progress.objectName = "received.jpg";
        progress.filePath = folder;
        progress.secondPath = first.phoneName;
        progress.objectType = 104;
        auto context = this->context();
        return ReceiveObjects(context, progress);
    }

private:
    OperationContext context() { return {session_, connection_, link_, texts_, prompt_, nullptr, nullptr}; }

    ChannelSink sink_;
    PhoneSession session_{sink_};
    ConnectionState connection_;
    ChannelLink link_;
    IdTexts texts_;
    QuietPrompt prompt_;
};

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

struct Timing {
    double send = 0;
    double receive = 0;
};

Timing roundTrip(const fs::path &work, size_t bytes, std::uint32_t lineRate)
{
    const fs::path store = work / ("store-" + std::to_string(lineRate) + "-" + std::to_string(bytes));
    const fs::path out = work / "out";
    fs::remove_all(store);
    fs::remove_all(out);
    fs::create_directories(out);
    const fs::path file = work / "object.jpg";
    std::ofstream(file, std::ios::binary) << payload(bytes);
    SimulatedPhone phone({"--store=" + store.string(), "--line-rate=" + std::to_string(lineRate), "--no-echo", "--cmee=1"});
    Link link(phone.path());
    Timing t;
    auto start = Clock::now();
    if (!link.send(file.string()))
        std::fprintf(stderr, "send failed\n");
    t.send = seconds(Clock::now() - start);
    start = Clock::now();
    if (!link.receiveFirstPicture(out.string()))
        std::fprintf(stderr, "retrieval failed\n");
    t.receive = seconds(Clock::now() - start);
    if (fs::file_size(out / "received.jpg") != bytes)
        std::fprintf(stderr, "the retrieved object differs in size\n");
    return t;
}

// The same bytes written into a fresh pty and read from its master.
double plainPtyCopy(size_t bytes)
{
    int master = -1, slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        std::abort();
    termios tio{};
    tcgetattr(slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(slave, TCSANOW, &tio);
    const std::string data = payload(bytes);
    const auto start = Clock::now();
    std::thread reader([&] {
        std::vector<char> buffer(65536);
        size_t got = 0;
        while (got < bytes) {
            const ssize_t n = read(master, buffer.data(), buffer.size());
            if (n <= 0)
                break;
            got += static_cast<size_t>(n);
        }
    });
    for (size_t done = 0; done < bytes;) {
        const ssize_t n = write(slave, data.data() + done, std::min<size_t>(4096, bytes - done));
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    reader.join();
    const double t = seconds(Clock::now() - start);
    close(master);
    close(slave);
    return t;
}

long peakKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct Peak {
    long growth = 0; // KiB over the resident size before the retrieval
    long peak = 0;   // KiB
};

Peak retrievalPeak(const fs::path &work, size_t bytes)
{
    const fs::path store = work / ("big-" + std::to_string(bytes));
    const fs::path out = work / "big-out";
    fs::remove_all(store);
    fs::remove_all(out);
    fs::create_directories(store / "pictures");
    fs::create_directories(out);
    std::ofstream(store / "pictures" / "big.jpg", std::ios::binary) << payload(bytes);
    SimulatedPhone phone({"--store=" + store.string(), "--line-rate=0", "--no-echo", "--cmee=1"});
    Link link(phone.path());
    resetPeak();
    const long before = peakKiB();
    if (!link.receiveFirstPicture(out.string()))
        std::fprintf(stderr, "the large retrieval failed\n");
    const long after = peakKiB();
    if (fs::file_size(out / "received.jpg") != bytes)
        std::fprintf(stderr, "the large object differs in size\n");
    return {after - before, after};
}

} // namespace

int main(int argc, char **argv)
{
    size_t throttledBytes = 1u << 20;
    bool throttled = true;
    int rounds = 5;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--throttled-bytes") && i + 1 < argc)
            throttledBytes = std::strtoul(argv[++i], nullptr, 10);
        else if (!std::strcmp(argv[i], "--skip-throttled"))
            throttled = false;
        else if (!std::strcmp(argv[i], "--rounds") && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
    }
    const fs::path work = fs::temp_directory_path() / ("quillora-transfer-bench-" + std::to_string(getpid()));
    fs::create_directories(work);

    std::printf("%-44s %12s %12s\n", "measure", "value", "reference");
    if (throttled) {
        const Timing t = roundTrip(work, throttledBytes, kLineRate);
        const double ideal = static_cast<double>(throttledBytes) / kLineRate;
        std::printf("%-44s %11.1f%% %11s\n", "send, share of a 115200 bit/s line", 100 * ideal / t.send, "97%");
        std::printf("%-44s %11.1f%% %11s\n", "retrieval, share of a 115200 bit/s line", 100 * ideal / t.receive,
                    "97%");
        std::printf("%-44s %10.1f s %10.1f s\n", "send time / line time", t.send, ideal);
        std::printf("%-44s %10.1f s %10.1f s\n", "retrieval time / line time", t.receive, ideal);
    }
    // Large enough that the upload's 50 ms progress poll is not the measure.
    // A pty's speed drifts with the machine's load by a factor of two or
    // more between runs: ours and the plain copy take turns, and the medians
    // of the rounds are compared.
    const size_t fast = 16u << 20;
    std::vector<double> sends, receives, copies;
    for (int round = 0; round < rounds; ++round) {
        const Timing u = roundTrip(work, fast, 0);
        sends.push_back(u.send);
        receives.push_back(u.receive);
        copies.push_back(plainPtyCopy(fast));
    }
    const double copy = median(copies);
    std::printf("%-44s %8.1f MB/s %8.1f MB/s\n", "send unthrottled / plain pty copy", fast / median(sends) / 1e6,
                fast / copy / 1e6);
    std::printf("%-44s %8.1f MB/s %8.1f MB/s\n", "retrieval unthrottled / plain pty copy",
                fast / median(receives) / 1e6, fast / copy / 1e6);
    const Peak small = retrievalPeak(work, 8u << 20);
    const Peak large = retrievalPeak(work, 64u << 20);
    std::printf("%-44s %9ld KiB %9ld KiB\n", "peak RSS growth, 64 MiB / 8 MiB retrieval", large.growth,
                small.growth);
    std::printf("%-44s %9ld KiB %9ld KiB\n", "peak RSS, 64 MiB / 8 MiB retrieval", large.peak, small.peak);
    fs::remove_all(work);
    return 0;
}
