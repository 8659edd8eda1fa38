// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// A short exchange with a scripted modem on a pseudo-terminal: the AT
// exchange first (speed switch, identification), then the serial channel.
// Prints every byte sent and received.

#include "port.h"
#include "trelvix.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

std::string printable(const std::string &bytes)
{
    std::string out;
    for (unsigned char c : bytes) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c < 0x20 || c >= 0x7f) {
            char hex[8];
            snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else
            out += static_cast<char>(c);
    }
    return out;
}

// The far end: answers each command line like a small phone would.
void scriptedModem(int master, const std::atomic<bool> &done)
{
    std::string pending;
    while (!done) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0)
            continue;
        char buf[256];
        ssize_t n = read(master, buf, sizeof buf);
        if (n <= 0)
            return;
        pending.append(buf, static_cast<size_t>(n));
        for (size_t cr; (cr = pending.find('\r')) != std::string::npos;) {
            const std::string cmd = pending.substr(0, cr);
            pending.erase(0, cr + 1);
            std::string reply = "\r\nERROR\r\n";
            if (cmd == "AT+KIPR=115200" || cmd == "AT")
                reply = "\r\nOK\r\n";
            else if (cmd == "AT+CGMI")
                reply = "\r\n+CGMI: Quillora Labs\r\n\r\nOK\r\n";
            else if (cmd == "AT+CGSN")
                reply = "\r\n350000000000001\r\n\r\nOK\r\n";
            if (write(master, reply.data(), reply.size()) < 0)
                return;
        }
    }
}

std::mutex g_mutex;
std::condition_variable g_cv;
std::string g_received;

int onReceive(const char *data, uint32_t length)
{
    std::lock_guard lock(g_mutex);
    g_received.append(data, length);
    g_cv.notify_all();
    return 1;
}

void atExchange(TrelvixPort *port, const std::string &command)
{
    const std::string line = command + "\r";
    std::printf("  sent     %s\n", printable(line).c_str());
    ModemSend(port, line.data(), static_cast<int>(line.size()));
    for (;;) {
        char reply[128];
        int length = 0;
        const int kind = ModemRecv(port, reply, sizeof reply, &length);
        if (kind != TRELVIX_UNIT_LINE) {
            std::printf("  received nothing (unit kind %d)\n", kind);
            return;
        }
        std::printf("  received line \"%s\"\n", reply);
        const std::string text(reply);
        if (text == "OK" || text == "ERROR")
            return;
    }
}

} // namespace

int main()
{
    int master = -1, slave = -1;
    char name[128];
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::perror("openpty");
        return 1;
    }
    std::printf("Scripted modem on %s\n", name);
    std::atomic<bool> done{false};
    std::thread modem(scriptedModem, master, std::cref(done));

    auto opened = trelvix::openPosixPort(name);
    if (!opened.port) {
        std::fprintf(stderr, "cannot open %s: errno %d\n", name, opened.err);
        done = true;
        modem.join();
        return 1;
    }
    // The library opened the port by its path; the pty stays alive through it.
    close(slave);
    TrelvixPort *port = opened.port.release();
    port->setTimeouts({500, 1000});

    std::printf("AT exchange:\n");
    std::printf("  speed change: %s\n", ChangeKIPRSpeed(port, 115200) ? "accepted" : "refused");
    atExchange(port, "AT+CGMI");
    atExchange(port, "AT+CGSN");
    atExchange(port, "AT+UNKNOWN");

    std::printf("Serial channel:\n");
    if (!Comm_Start(port, onReceive, 0)) {
        std::fprintf(stderr, "Comm_Start failed\n");
        return 1;
    }
    Comm_SendLine("AT");
    std::printf("  sent     AT\\r\n");
    {
        std::unique_lock lock(g_mutex);
        g_cv.wait_for(lock, std::chrono::seconds(2), [] { return g_received.find("OK") != std::string::npos; });
        std::printf("  received %s\n", printable(g_received).c_str());
    }
    std::printf("  bytes sent by the channel: %u\n", TRELVIX_COUNTER_READ(Comm_Sent));
    Comm_Stop(1);
    done = true;
    modem.join();
    close(master);
    return g_received.find("OK") != std::string::npos ? 0 : 1;
}
