// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// ModemSend, ModemRecv and ChangeKIPRSpeed against a scripted modem on the
// master side of a pseudo-terminal.

#include "port.h"
#include "pty_pair.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <thread>

namespace {

using namespace std::chrono_literals;
using testing_support::PtyPair;

// Answers each command (up to its CR) with the scripted reply, sent in the
// given pieces with a pause between them.
class ScriptedModem {
public:
    struct Answer {
        std::vector<std::string> pieces;
        std::chrono::milliseconds gap{0};
    };

    ScriptedModem(PtyPair &pty, std::map<std::string, Answer> script, bool echo = false)
        : pty_(pty), script_(std::move(script)), echo_(echo), thread_([this] { run(); })
    {
    }
    ~ScriptedModem()
    {
        done_ = true;
        thread_.join();
    }

private:
    void run()
    {
        std::string pending;
        while (!done_) {
            pending += pty_.read(1, 20ms);
            const auto cr = pending.find('\r');
            if (cr == std::string::npos)
                continue;
            const std::string command = pending.substr(0, cr);
            pending.erase(0, cr + 1);
            if (echo_)
                pty_.write(command + "\r");
            auto it = script_.find(command);
            if (it == script_.end())
                continue; // unknown commands get silence
            for (const auto &piece : it->second.pieces) {
                pty_.write(piece);
                std::this_thread::sleep_for(it->second.gap);
            }
        }
    }

    PtyPair &pty_;
    std::map<std::string, ScriptedModem::Answer> script_;
    bool echo_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

class Modem : public ::testing::Test {
protected:
    void SetUp() override
    {
        port = trelvix::adoptPosixPort(pty.releaseSlave());
        port->applySettings(port->settings());
        port->setTimeouts({300, 1000});
    }

    // Sends the command with its CR and reads one unit.
    int exchange(const std::string &command, std::string &reply, int capacity = 128)
    {
        const std::string line = command + "\r";
        EXPECT_EQ(ModemSend(port.get(), line.data(), static_cast<int>(line.size())), 1);
        return recv(reply, capacity);
    }
    int recv(std::string &reply, int capacity = 128)
    {
        std::vector<char> buffer(static_cast<size_t>(capacity));
        int length = 0;
        const int kind = ModemRecv(port.get(), buffer.data(), capacity, &length);
        reply = kind == TRELVIX_UNIT_NONE ? "" : std::string(buffer.data(), static_cast<size_t>(length));
        return kind;
    }

    PtyPair pty;
    std::unique_ptr<trelvix::Port> port;
};

TEST_F(Modem, SendPutsTheExactBytesOnTheLine)
{
    const std::string command = "AT+CGMI\r";
    EXPECT_EQ(ModemSend(port.get(), command.data(), static_cast<int>(command.size())), 1);
    EXPECT_EQ(pty.read(command.size(), 2s), command);
    EXPECT_EQ(ModemSend(nullptr, "x", 1), 0);
    EXPECT_EQ(ModemSend(port.get(), nullptr, 1), 0);
}

TEST_F(Modem, SendToAVanishedPeerFails)
{
    pty.closeMaster();
    EXPECT_EQ(ModemSend(port.get(), "AT\r", 3), 0);
}

TEST_F(Modem, ScriptedReplies)
{
    ScriptedModem modem(pty, {
        {"AT", {{"\r\nOK\r\n"}}},
        {"AT+FAIL", {{"\r\nERROR\r\n"}}},
        {"AT+CPIN?", {{"\r\n+CME ERROR: 10\r\n"}}},
        {"AT+CGMI", {{"\r\n+CG", "MI: Qu", "illora\r", "\nOK\r\n"}, 40ms}}, // split across reads
        {"AT+NOISE", {{"\x01\x7f\x02\x05", "\x03\x04", "\r\nOK\r\n"}}},
    });
    std::string reply;
    EXPECT_EQ(exchange("AT", reply), TRELVIX_UNIT_LINE);
    EXPECT_EQ(reply, "OK");
    EXPECT_EQ(exchange("AT+FAIL", reply), TRELVIX_UNIT_LINE);
    EXPECT_EQ(reply, "ERROR");
    EXPECT_EQ(exchange("AT+CPIN?", reply), TRELVIX_UNIT_LINE);
    EXPECT_EQ(reply, "+CME ERROR: 10");
    EXPECT_EQ(exchange("AT+CGMI", reply), TRELVIX_UNIT_LINE);
    EXPECT_EQ(reply, "+CGMI: Quillora");
    EXPECT_EQ(recv(reply), TRELVIX_UNIT_LINE);
    EXPECT_EQ(reply, "OK");
    EXPECT_EQ(exchange("AT+NOISE", reply), TRELVIX_UNIT_LINE);
    EXPECT_EQ(reply, "OK");
    // Silence until the port's read time-out.
    EXPECT_EQ(exchange("AT+SILENT", reply), TRELVIX_UNIT_NONE);
}

TEST_F(Modem, EchoedCommandComesBackFirst)
{
    ScriptedModem modem(pty, {{"ATI", {{"\r\nQuillora\r\n\r\nOK\r\n"}}}}, true);
    std::string reply;
    EXPECT_EQ(exchange("ATI", reply), TRELVIX_UNIT_LINE);
    EXPECT_EQ(reply, "ATI");
    EXPECT_EQ(recv(reply), TRELVIX_UNIT_LINE);
    EXPECT_EQ(reply, "Quillora");
    EXPECT_EQ(recv(reply), TRELVIX_UNIT_LINE);
    EXPECT_EQ(reply, "OK");
}

TEST_F(Modem, SpeedChangeAcceptedMovesThePort)
{
    ScriptedModem modem(pty, {{"AT+KIPR=57600", {{"\r\nOK\r\n"}}}}, true);
    ASSERT_EQ(pty.speed(), 115200u);
    EXPECT_EQ(ChangeKIPRSpeed(port.get(), 57600), 1);
    // The port must follow the phone, or the link is lost.
    EXPECT_EQ(pty.speed(), 57600u);
    EXPECT_EQ(port->settings().speed, 57600u);
}

TEST_F(Modem, SpeedChangeAcceptsNumericResult)
{
    ScriptedModem modem(pty, {{"AT+KIPR=115200", {{"0\r"}}}});
    TrelvixLineSettings slow = port->settings();
    slow.speed = 19200;
    ASSERT_TRUE(port->applySettings(slow));
    EXPECT_EQ(ChangeKIPRSpeed(port.get(), 115200), 1);
    EXPECT_EQ(pty.speed(), 115200u);
}

TEST_F(Modem, SpeedZeroLeavesThePortAlone)
{
    ScriptedModem modem(pty, {{"AT+KIPR=0", {{"OK\r\n"}}}});
    EXPECT_EQ(ChangeKIPRSpeed(port.get(), 0), 1);
    EXPECT_EQ(pty.speed(), 115200u);
}

TEST_F(Modem, SpeedChangeRefused)
{
    struct Case {
        const char *name;
        ScriptedModem::Answer answer;
    } cases[] = {
        {"error", {{"\r\nERROR\r\n"}}},
        {"cme error", {{"+CME ERROR: 3\r\n"}}},
        {"garbage", {{"\x01\x02\x03\x04"}}},
        {"other line", {{"+KIPR: 57600\r\n"}}},
        {"silence", {{}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedModem modem(pty, {{"AT+KIPR=57600", c.answer}}, true);
        EXPECT_EQ(ChangeKIPRSpeed(port.get(), 57600), 0);
        EXPECT_EQ(pty.speed(), 115200u);
    }
}

} // namespace
