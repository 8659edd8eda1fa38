// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Finds a phone with the library's detection, through its C interface only,
// and prints every status line with its code; then takes the phone over,
// asks its protocol version and checks that it is still there.
//
//   trelvix-detect [SECONDS]     (default 30)
//
// Ports come from the machine, TRELVIX_PORTS and TRELVIX_EXTRA_PORTS.

#include "trelvix.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

namespace {

std::mutex g_print;
std::condition_variable g_replied;
bool g_gotReply = false;
std::atomic<TrelvixPort *> g_port{nullptr};
std::string g_imei, g_model, g_name;
uint32_t g_speed = 0;

const char *statusText(int code)
{
    switch (code) {
    case 0: return "Checking this port";
    case 1: return "Port unavailable on this machine or disabled by BIOS.";
    case 2: return "Another program is currently using this port. Please close it first";
    case 3: return "Unable to access this port. Check that you may use it (the dialout group)";
    case 4: return "Port removed";
    case 48: return "Analysing the control lines";
    case 49: return "This port doesn't seem to be an external port of your PC";
    case 50: return "No cable found on this port";
    case 51: return "A DATA cable has been detected, but no mobile phone is connected";
    case 52: return "Incompatible cable detected";
    case 53: return "The cable connected to this port couldn't be recognized. Check your connections";
    case 64: return "A connected DATA cable has been detected";
    case 80: return "Trying a speed";
    case 81: return "No answer from mobile phone. Try shutting down and restarting it";
    case 96: return "Modem found";
    case 97: return "You must put a SIM card in your mobile or start it.";
    case 98: return "Unable to identify the modem";
    case 99: return "The mobile is SIM locked or waiting for the PIN or Phone code.";
    case 110: return "Unusable identification reply";
    case 111: return "Long binary frame";
    case 112: return "A modem has been identified";
    case 113: return "Connected device is not a compatible mobile phone";
    case 128: return "Mobile phone found !";
    default: return "";
    }
}

int onStatus(int code, DetectResult *r)
{
    std::lock_guard lock(g_print);
    std::printf("%-10s %3d  %s", r->displayName, code, statusText(code));
    if (code == TRELVIX_STATUS_SPEED || code == TRELVIX_STATUS_MODEM_FOUND)
        std::printf(" (%u bps)", r->lineSettings.speed);
    if (code == TRELVIX_STATUS_IDENTIFIED || code == TRELVIX_STATUS_READY)
        std::printf(" \"%s\" by %s, IMEI %s", r->model, r->manufacturer, r->imei);
    std::printf("\n");
    std::fflush(stdout);
    if (code != TRELVIX_STATUS_READY || g_port.load())
        return 0;
    g_imei = r->imei;
    g_model = r->model;
    g_name = r->displayName;
    g_speed = r->lineSettings.speed;
    g_port = r->port; // accepted: the port is ours now
    return 1;
}

int onReceive(const char *data, uint32_t length)
{
    std::lock_guard lock(g_print);
    std::printf("channel    received %u bytes: ", length);
    for (uint32_t i = 0; i < length; ++i)
        std::printf(data[i] >= 0x20 && data[i] < 0x7f ? "%c" : "\\x%02X", static_cast<unsigned char>(data[i]));
    std::printf("\n");
    g_gotReply = true;
    g_replied.notify_all();
    return 1;
}

// Asks the protocol version on the port before the channel takes it.
void askProtocolVersion(TrelvixPort *port)
{
    char line[128];
    if (ModemSend(port, "AT+KPSV\r", 8) && ModemRecv(port, line, sizeof line, nullptr) == TRELVIX_UNIT_LINE)
        std::printf("%-10s      protocol version: %s\n", g_name.c_str(), line);
}

} // namespace

int main(int argc, char **argv)
{
    const unsigned seconds = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 30;
    const int ports = Trelvix(TRELVIX_FLAG_CONTINUOUS | TRELVIX_FLAG_HAND_OVER, onStatus, seconds * 1000);
    TrelvixPort *port = g_port.load();
    if (!port) {
        std::printf("no phone found within %u s\n", seconds);
        return 2;
    }
    (void)ports;
    std::printf("\nphone \"%s\" on %s at %u bps, IMEI %s\n", g_model.c_str(), g_name.c_str(), g_speed, g_imei.c_str());
    askProtocolVersion(port);
    if (!Comm_Start(port, onReceive, 0)) {
        std::printf("cannot start the serial channel\n");
        return 1;
    }
    const int still = Trelvix_Still(g_imei.c_str());
    std::printf("still check: %s\n", still ? "same phone" : "no answer or another phone");
    std::printf("channel    sent AT\\r\n");
    Comm_SendLine("AT");
    {
        std::unique_lock lock(g_print);
        g_replied.wait_for(lock, std::chrono::seconds(2), [] { return g_gotReply; });
    }
    Comm_Stop(1);
    return still ? 0 : 1;
}
