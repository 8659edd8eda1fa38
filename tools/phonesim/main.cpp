// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// quillora-phonesim: a simulated phone on a pseudo-terminal. The first line
// on stdout is the path to open; the phone answers there until SIGINT or
// SIGTERM. Scripts read that line, or ask for a fixed name with --link.

#include "phone_link.h"
#include "phone_model.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <getopt.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using phonesim::PhoneOptions;
using phonesim::SimState;

const char kUsage[] = R"(usage: quillora-phonesim [options]
Simulated phone on a pseudo-terminal; prints the terminal's path, then
answers on it until SIGINT or SIGTERM.

  --manufacturer=TEXT   +CGMI answer (QUILLORA LABS)
  --model=TEXT          +CGMM answer and binary product text (QP-200)
  --imei=DIGITS         15 digits (351234567890123); another length is a fault
  --imsi=DIGITS         +CIMI answer (208011234567890)
  --ident=TEXT          binary identification text (QP-200 V1.0)
  --sim=STATE           ready, pin, ph-sim, ph-net, none or busy (ready)
  --legacy=N|none       +KDOBJ version, none answers ERROR (3)
  --kpsv=TEXT           +KPSV version, empty answers ERROR (2.01)
  --no-echo             start with echo off
  --speed=N             the phone's line speed until AT+KIPR (115200)
  --delay=MS            wait before each reply (0)
faults:
  --silent              answer nothing
  --garbage             noise bytes before each reply
  --seed=N              seed of that noise (1)
  --wrong-still-imei    the still reply names another IMEI
  --hangup-after=N      hang up once N bytes were sent
  --incompatible        a plain modem: AT is OK, the rest ERROR
  --no-binary           ignore binary frames
  --pieces=N            send replies in pieces of at most N bytes
  --piece-gap=MS        pause between pieces (0)
other:
  --link PATH           also make PATH a symbolic link to the terminal
  --verbose             log each command and answer to stderr
  --help                this text
)";

enum Option {
    kManufacturer = 256, kModel, kImei, kImsi, kIdent, kSim, kLegacy, kKpsv, kNoEcho, kSpeed, kDelay,
    kSilent, kGarbage, kSeed, kWrongImei, kHangup, kIncompatible, kNoBinary, kPieces, kPieceGap,
    kLink, kVerbose, kHelp,
};

const option kOptions[] = {
    {"manufacturer", required_argument, nullptr, kManufacturer},
    {"model", required_argument, nullptr, kModel},
    {"imei", required_argument, nullptr, kImei},
    {"imsi", required_argument, nullptr, kImsi},
    {"ident", required_argument, nullptr, kIdent},
    {"sim", required_argument, nullptr, kSim},
    {"legacy", required_argument, nullptr, kLegacy},
    {"kpsv", required_argument, nullptr, kKpsv},
    {"no-echo", no_argument, nullptr, kNoEcho},
    {"speed", required_argument, nullptr, kSpeed},
    {"delay", required_argument, nullptr, kDelay},
    {"silent", no_argument, nullptr, kSilent},
    {"garbage", no_argument, nullptr, kGarbage},
    {"seed", required_argument, nullptr, kSeed},
    {"wrong-still-imei", no_argument, nullptr, kWrongImei},
    {"hangup-after", required_argument, nullptr, kHangup},
    {"incompatible", no_argument, nullptr, kIncompatible},
    {"no-binary", no_argument, nullptr, kNoBinary},
    {"pieces", required_argument, nullptr, kPieces},
    {"piece-gap", required_argument, nullptr, kPieceGap},
    {"link", required_argument, nullptr, kLink},
    {"verbose", no_argument, nullptr, kVerbose},
    {"help", no_argument, nullptr, kHelp},
    {nullptr, 0, nullptr, 0},
};

struct Settings {
    PhoneOptions phone;
    std::string link;
    bool verbose = false;
};

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "quillora-phonesim: %s\n", message.c_str());
    std::exit(2);
}

long wholeNumber(const char *text, const char *what)
{
    char *end = nullptr;
    errno = 0;
    const long n = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || errno != 0 || n < 0)
        fail(std::string("--") + what + " wants a whole number, not '" + text + "'");
    return n;
}

SimState simState(const std::string &name)
{
    const std::pair<const char *, SimState> names[] = {
        {"ready", SimState::Ready},     {"pin", SimState::SimPin}, {"ph-sim", SimState::PhSimPin},
        {"ph-net", SimState::PhNetPin}, {"none", SimState::NoSim}, {"busy", SimState::SimBusy},
    };
    for (auto [text, state] : names)
        if (name == text)
            return state;
    fail("--sim is one of ready, pin, ph-sim, ph-net, none, busy");
}

// Applies one option; false when it is not a phone option.
bool applyPhoneOption(int option, const char *arg, PhoneOptions &o)
{
    switch (option) {
    case kManufacturer: o.manufacturer = arg; break;
    case kModel: o.model = arg; break;
    case kImei: o.imei = arg; break;
    case kImsi: o.imsi = arg; break;
    case kIdent: o.identification = arg; break;
    case kSim: o.simState = simState(arg); break;
    case kLegacy:
        o.legacyDownloadVersion = std::strcmp(arg, "none") == 0 ? -1 : static_cast<int>(wholeNumber(arg, "legacy"));
        break;
    case kKpsv: o.protocolVersion = arg; break;
    case kNoEcho: o.echo = false; break;
    case kSpeed: o.listenSpeed = static_cast<uint32_t>(wholeNumber(arg, "speed")); break;
    case kDelay: o.replyDelayMs = static_cast<int>(wholeNumber(arg, "delay")); break;
    case kSilent: o.silent = true; break;
    case kGarbage: o.garbageBetweenReplies = true; break;
    case kSeed: o.noiseSeed = static_cast<uint32_t>(wholeNumber(arg, "seed")); break;
    case kWrongImei: o.wrongStillImei = true; break;
    case kHangup: o.hangupAfterBytes = wholeNumber(arg, "hangup-after"); break;
    case kIncompatible: o.incompatibleModem = true; break;
    case kNoBinary: o.noBinaryFrame = true; break;
    case kPieces: o.pieceSize = static_cast<size_t>(wholeNumber(arg, "pieces")); break;
    case kPieceGap: o.pieceGapMs = static_cast<int>(wholeNumber(arg, "piece-gap")); break;
    default: return false;
    }
    return true;
}

Settings parse(int argc, char **argv)
{
    Settings s;
    for (int option; (option = getopt_long(argc, argv, "", kOptions, nullptr)) != -1;) {
        if (applyPhoneOption(option, optarg, s.phone))
            continue;
        if (option == kLink) {
            s.link = optarg;
        } else if (option == kVerbose) {
            s.verbose = true;
        } else if (option == kHelp) {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else {
            std::fputs(kUsage, stderr);
            std::exit(2);
        }
    }
    if (optind < argc)
        fail(std::string("unexpected argument '") + argv[optind] + "'");
    if (auto error = phonesim::validate(s.phone); !error.empty())
        fail(error);
    return s;
}

void logExchange(const phonesim::PhoneModel::Exchange &e)
{
    std::string line = "phonesim:";
    if (!e.received.empty())
        line += " got \"" + phonesim::printable(e.received) + "\"";
    if (!e.answered.empty())
        line += " sent \"" + phonesim::printable(e.answered) + "\"";
    if (!e.note.empty())
        line += " (" + e.note + ")";
    std::fprintf(stderr, "%s\n", line.c_str());
}

// Replaces an old symbolic link at path, never a real file.
bool makeLink(const std::string &target, const std::string &path)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            std::fprintf(stderr, "quillora-phonesim: %s exists and is no symbolic link\n", path.c_str());
            return false;
        }
        unlink(path.c_str());
    }
    if (symlink(target.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "quillora-phonesim: cannot link %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

// Only a link that still leads to this phone's pty: another phone may have
// taken the name over meanwhile.
void removeLink(const std::string &path, const std::string &target)
{
    if (path.empty())
        return;
    char buffer[256];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer);
    if (n > 0 && std::string(buffer, static_cast<size_t>(n)) == target)
        unlink(path.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    const Settings settings = parse(argc, argv);

    // Blocked before any thread starts, so every thread inherits the mask
    // and only sigwait below takes the signals.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    std::optional<phonesim::PtyPhone> phone;
    try {
        phone.emplace(settings.phone, settings.verbose ? phonesim::Observer(logExchange) : phonesim::Observer());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "quillora-phonesim: %s\n", e.what());
        return 1;
    }
    if (!settings.link.empty() && !makeLink(phone->slavePath(), settings.link))
        return 1;
    const std::string slave = phone->slavePath();
    std::printf("%s\n", slave.c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&signals, &signal);
    if (settings.verbose)
        std::fprintf(stderr, "quillora-phonesim: %s, stopping\n", strsignal(signal));
    phone.reset();
    removeLink(settings.link, slave);
    return 0;
}
