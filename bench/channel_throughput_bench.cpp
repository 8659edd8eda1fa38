// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Serial channel throughput over a pseudo-terminal, beside a plain copy
// (cat to the pty, head -c from it) of the same bytes through the same pair.

#include "port.h"
#include "trelvix.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr size_t kPayload = 8u << 20;

struct Pty {
    int master = -1, slave = -1;
    std::string path;
    Pty()
    {
        char name[128];
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            std::abort();
        path = name;
        termios tio{};
        tcgetattr(slave, &tio);
        cfmakeraw(&tio);
        tcsetattr(slave, TCSANOW, &tio);
    }
    ~Pty()
    {
        close(master);
        if (slave >= 0)
            close(slave);
    }
};

const std::string &payload()
{
    static const std::string bytes = [] {
        std::string s(kPayload, '\0');
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = static_cast<char>(i * 131 + 7);
        return s;
    }();
    return bytes;
}

void drain(int fd, size_t n)
{
    char buf[65536];
    for (size_t got = 0; got < n;) {
        ssize_t r = read(fd, buf, sizeof buf);
        if (r <= 0)
            std::abort();
        got += static_cast<size_t>(r);
    }
}

void fill(int fd, const std::string &bytes)
{
    for (size_t done = 0; done < bytes.size();) {
        ssize_t w = write(fd, bytes.data() + done, bytes.size() - done);
        if (w <= 0)
            std::abort();
        done += static_cast<size_t>(w);
    }
}

pid_t spawn(const char *const argv[], int stdinFd, int stdoutFd)
{
    pid_t pid = fork();
    if (pid == 0) {
        dup2(stdinFd, 0);
        dup2(stdoutFd, 1);
        execvp(argv[0], const_cast<char *const *>(argv));
        _exit(127);
    }
    return pid;
}

// What the receive callback counted, and a wake-up when it reaches the
// payload, so that the benchmark thread does not poll beside the reader.
std::mutex g_mutex;
std::condition_variable g_arrived;
size_t g_received = 0;
int countReceived(const char *, uint32_t length)
{
    std::lock_guard lock(g_mutex);
    g_received += length;
    if (g_received >= kPayload)
        g_arrived.notify_one();
    return 1;
}

void BM_ChannelSend(benchmark::State &state)
{
    Pty pty;
    Comm_Start(trelvix::adoptPosixPort(pty.slave).release(), countReceived, 0);
    pty.slave = -1;
    const std::string &bytes = payload();
    for (auto _ : state) {
        for (size_t off = 0; off < bytes.size(); off += 65536)
            Comm_Send(bytes.data() + off, 65536);
        drain(pty.master, bytes.size());
    }
    Comm_Stop(1);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_CatSend(benchmark::State &state)
{
    Pty pty;
    char file[] = "/tmp/quillora-bench-XXXXXX";
    int fd = mkstemp(file);
    fill(fd, payload());
    for (auto _ : state) {
        int in = open(file, O_RDONLY);
        const char *argv[] = {"cat", nullptr};
        pid_t pid = spawn(argv, in, pty.slave);
        close(in);
        drain(pty.master, payload().size());
        waitpid(pid, nullptr, 0);
    }
    close(fd);
    unlink(file);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * payload().size()));
}

void BM_ChannelReceive(benchmark::State &state)
{
    Pty pty;
    Comm_Start(trelvix::adoptPosixPort(pty.slave).release(), countReceived, 0);
    pty.slave = -1;
    for (auto _ : state) {
        {
            std::lock_guard lock(g_mutex);
            g_received = 0;
        }
        fill(pty.master, payload());
        std::unique_lock lock(g_mutex);
        if (!g_arrived.wait_for(lock, std::chrono::seconds(30), [] { return g_received >= kPayload; }))
            std::abort();
    }
    Comm_Stop(1);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * payload().size()));
}

void BM_HeadReceive(benchmark::State &state)
{
    Pty pty;
    int null = open("/dev/null", O_WRONLY);
    const std::string count = std::to_string(payload().size());
    for (auto _ : state) {
        const char *argv[] = {"head", "-c", count.c_str(), nullptr};
        pid_t pid = spawn(argv, pty.slave, null);
        fill(pty.master, payload());
        waitpid(pid, nullptr, 0);
    }
    close(null);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * payload().size()));
}

} // namespace

BENCHMARK(BM_ChannelSend)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatSend)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChannelReceive)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadReceive)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
