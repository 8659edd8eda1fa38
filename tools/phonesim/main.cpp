// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// quillora-phonesim: a simulated phone on a pseudo-terminal. The first line
// on stdout is the path to open; the phone answers there until SIGINT or
// SIGTERM. Scripts read that line, or ask for a fixed name with --link.

#include "phone_link.h"
#include "phone_model.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <getopt.h>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>
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
  --legacy=N|none|free  +KDOBJ? answer: a fixed N, none answers ERROR, free
                        the store's free bytes (free)
  --kpsv=TEXT           +KPSV version, empty answers ERROR (2.01); from 2.01
                        on +KPSW and +KPSR data are packages
  --cmee=N              +CMEE at power-on, 0 or 1 (0)
  --formats=CAT=LINE,...
                        +KPSCAP lines of CAT (pictures, animations or sounds)
                        in place of the built-in ones; CAT= for none
  --no-echo             start with echo off
  --speed=N             the phone's line speed until AT+KIPR (115200)
  --delay=MS            wait before each reply (0)
objects:
  --store=DIR           keep the objects in DIR, made if missing: a folder
                        per category and DIR/index.txt with names, titles and
                        hidden flags; without it they live in memory
  --store-limit=BYTES   total size of the objects (268435456)
  --object=CAT:TYPE:TITLE:PATH[:hidden]
                        put the file PATH in the store as a TYPE object
                        (JPEG, WAV, VCRD...) of category CAT (pictures,
                        sounds, photo, vevent...) titled TITLE (UTF-8, no
                        ':'); repeatable
  --photo               a PHOTO category listing its own objects; without
                        it PHOTO answers +CME ERROR: 4
  --empty-ok            an empty category answers OK, not +CME ERROR: 100,65502
  --byte-titles         refuse the UCS-2 title of +KDOBJ with ERROR
  --refuse-adpcm        answer error -4 (65532) to a WAV in the phone's ADPCM
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
  --capability-count=N  +KPSCAP announces N data bytes, whatever it sends
  --raw-formats=CAT=BYTES
                        +KPSCAP sends BYTES for CAT as they are, with \r \n
                        \0 \\ and \xNN for the bytes a shell cannot pass
  --fail-command=+CMD=LINE
                        +CMD answers the final line LINE and does nothing,
                        e.g. +KPSCAP=+CME ERROR: 100,-13 (repeatable)
data-phase faults, N counting data bytes after CONNECT either way:
  --data-stall=N[:MS]   stop reading or sending after N bytes, for MS
                        milliseconds or for ever
  --data-hangup=N       hang up after N bytes
  --data-noise=N        garble about one byte in N
  --data-end=WHAT       what ends +KPSR and +KPSW data: nocarrier, none or ok
  --length-error=N      +KPSR announces N bytes more (negative: fewer)
  --no-ack              above 19200 bps swallow the data of +KPSW and
                        +KDOBJ and answer nothing
  --line-rate=N         read and send at most N bytes a second (0: no limit)
  --fault=CMD:KIND:WHEN[:N[:MS]]
                        the Nth answer (1) to CMD (+KPSR, AT, identify,
                        still...) is cut (the phone hangs up), stalls for MS
                        milliseconds (1000) or gets noise, WHEN: reply
                        (before it), connect (inside CONNECT), data (half-way)
                        or end (before its closing line)
other:
  --link PATH           also make PATH a symbolic link to the terminal
  --verbose             log each command and answer to stderr
  --help                this text
)";

enum Option {
    kManufacturer = 256, kModel, kImei, kImsi, kIdent, kSim, kLegacy, kKpsv, kNoEcho, kSpeed, kDelay,
    kSilent, kGarbage, kSeed, kWrongImei, kHangup, kIncompatible, kNoBinary, kPieces, kPieceGap,
    kFormats, kCapabilityCount, kRawFormats, kFailCommand, kLink, kVerbose, kHelp,
    kCmee, kStore, kStoreLimit, kObject, kPhoto, kEmptyOk, kByteTitles, kRefuseAdpcm,
    kDataStall, kDataHangup, kDataNoise, kDataEnd, kLengthError, kNoAck, kLineRate, kFault,
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
    {"formats", required_argument, nullptr, kFormats},
    {"capability-count", required_argument, nullptr, kCapabilityCount},
    {"raw-formats", required_argument, nullptr, kRawFormats},
    {"fail-command", required_argument, nullptr, kFailCommand},
    {"link", required_argument, nullptr, kLink},
    {"verbose", no_argument, nullptr, kVerbose},
    {"help", no_argument, nullptr, kHelp},
    {"cmee", required_argument, nullptr, kCmee},
    {"store", required_argument, nullptr, kStore},
    {"store-limit", required_argument, nullptr, kStoreLimit},
    {"object", required_argument, nullptr, kObject},
    {"photo", no_argument, nullptr, kPhoto},
    {"empty-ok", no_argument, nullptr, kEmptyOk},
    {"byte-titles", no_argument, nullptr, kByteTitles},
    {"refuse-adpcm", no_argument, nullptr, kRefuseAdpcm},
    {"data-stall", required_argument, nullptr, kDataStall},
    {"data-hangup", required_argument, nullptr, kDataHangup},
    {"data-noise", required_argument, nullptr, kDataNoise},
    {"data-end", required_argument, nullptr, kDataEnd},
    {"length-error", required_argument, nullptr, kLengthError},
    {"no-ack", no_argument, nullptr, kNoAck},
    {"line-rate", required_argument, nullptr, kLineRate},
    {"fault", required_argument, nullptr, kFault},
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

// Any whole number, negative too: a fault count can be anything.
long signedNumber(const char *text, const char *what)
{
    char *end = nullptr;
    errno = 0;
    const long n = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || errno != 0)
        fail(std::string("--") + what + " wants a whole number, not '" + text + "'");
    return n;
}

long wholeNumber(const char *text, const char *what)
{
    const long n = signedNumber(text, what);
    if (n < 0)
        fail(std::string("--") + what + " wants a whole number, not '" + text + "'");
    return n;
}

// "NAME=VALUE" cut at its first '='; the value may hold more of them.
std::pair<std::string, std::string> nameAndValue(const char *arg, const char *what)
{
    const char *equals = std::strchr(arg, '=');
    if (!equals || equals == arg)
        fail(std::string("--") + what + " wants NAME=VALUE, not '" + arg + "'");
    return {std::string(arg, equals), std::string(equals + 1)};
}

// The +KPSCAP keyword of a category as written on the command line.
std::string categoryKeyword(std::string name, const char *what)
{
    for (char &c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (!phonesim::capabilityFormats(PhoneOptions{}, name))
        fail(std::string("--") + what + " takes pictures, animations or sounds");
    return name;
}

// --formats=CAT=LINE,LINE: the lines replace CAT's list; nothing after the
// '=' leaves the category empty.
void setFormats(const char *arg, PhoneOptions &o)
{
    const auto [name, lines] = nameAndValue(arg, "formats");
    std::vector<std::string> &list = *phonesim::capabilityFormats(o, categoryKeyword(name, "formats"));
    list.clear();
    for (size_t pos = 0; pos < lines.size();) {
        const size_t comma = std::min(lines.find(',', pos), lines.size());
        list.push_back(lines.substr(pos, comma - pos));
        pos = comma + 1;
    }
}

int hexDigit(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (!std::isxdigit(u))
        return -1;
    return std::isdigit(u) ? u - '0' : std::toupper(u) - 'A' + 10;
}

// \r, \n, \0, \\ and \xNN, so a shell argument can carry the bytes a
// broken phone sends.
std::string unescape(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        const char next = i + 1 < text.size() ? text[++i] : '\0';
        if (next == 'r' || next == 'n' || next == '0' || next == '\\') {
            out += next == 'r' ? '\r' : next == 'n' ? '\n' : next == '0' ? '\0' : '\\';
        } else if (next == 'x' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            fail("--raw-formats knows the escapes \\r \\n \\0 \\\\ and \\xNN, not in '" + text + "'");
        }
    }
    return out;
}

void setRawFormats(const char *arg, PhoneOptions &o)
{
    const auto [name, bytes] = nameAndValue(arg, "raw-formats");
    o.rawCapabilityData[categoryKeyword(name, "raw-formats")] = unescape(bytes);
}

// The name stays as given: validate() refuses one that is not upper case
// rather than this quietly fixing it.
void setFailCommand(const char *arg, PhoneOptions &o)
{
    const auto [name, line] = nameAndValue(arg, "fail-command");
    o.forcedErrors[name] = line;
}

// --object=CAT:TYPE:TITLE:PATH[:hidden]: the path is the rest, colons and
// all, less a final ":hidden".
void addObject(const std::string &arg, PhoneOptions &o)
{
    const size_t first = arg.find(':');
    const size_t second = first == std::string::npos ? first : arg.find(':', first + 1);
    const size_t third = second == std::string::npos ? second : arg.find(':', second + 1);
    if (third == std::string::npos || third + 1 >= arg.size())
        fail("--object wants CATEGORY:TYPE:TITLE:PATH[:hidden], not '" + arg + "'");
    std::string category = arg.substr(0, first);
    for (char &c : category)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const auto keyword = phonesim::categoryFromKeyword(category);
    if (!keyword)
        fail("--object: no category '" + arg.substr(0, first) + "'");
    std::string path = arg.substr(third + 1);
    const std::string hidden = ":hidden";
    const bool isHidden =
        path.size() > hidden.size() && path.compare(path.size() - hidden.size(), hidden.size(), hidden) == 0;
    if (isHidden)
        path.resize(path.size() - hidden.size());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        fail("--object: cannot read " + path);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    o.objects.push_back({*keyword, {}, phonesim::fromUtf8(arg.substr(second + 1, third - second - 1)),
                         arg.substr(first + 1, second - first - 1), isHidden,
                         std::make_shared<const std::string>(std::move(bytes))});
}

// --data-stall=N[:MS]
void setDataStall(const std::string &arg, PhoneOptions &o)
{
    const size_t colon = arg.find(':');
    o.dataStallAfterBytes = wholeNumber(arg.substr(0, colon).c_str(), "data-stall");
    o.dataStallMs = colon == std::string::npos
                        ? -1
                        : static_cast<int>(wholeNumber(arg.substr(colon + 1).c_str(), "data-stall"));
}

// --fault=CMD:KIND:WHEN[:N[:MS]]
void setFault(const std::string &arg, PhoneOptions &o)
{
    std::vector<std::string> parts;
    for (size_t start = 0;;) {
        const size_t colon = arg.find(':', start);
        parts.push_back(arg.substr(start, colon - start));
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    if (parts.size() < 3 || parts.size() > 5)
        fail("--fault wants CMD:KIND:WHEN[:N[:MS]], not '" + arg + "'");
    const std::pair<const char *, phonesim::FaultKind> kinds[] = {
        {"cut", phonesim::FaultKind::Cut}, {"stall", phonesim::FaultKind::Stall}, {"noise", phonesim::FaultKind::Noise}};
    const std::pair<const char *, phonesim::FaultPhase> phases[] = {{"reply", phonesim::FaultPhase::BeforeReply},
                                                                    {"connect", phonesim::FaultPhase::InConnect},
                                                                    {"data", phonesim::FaultPhase::InData},
                                                                    {"end", phonesim::FaultPhase::BeforeEnd}};
    phonesim::ExchangeFault fault;
    fault.command = parts[0];
    const auto kind = std::find_if(std::begin(kinds), std::end(kinds), [&](auto &k) { return parts[1] == k.first; });
    const auto phase = std::find_if(std::begin(phases), std::end(phases), [&](auto &p) { return parts[2] == p.first; });
    if (kind == std::end(kinds) || phase == std::end(phases))
        fail("--fault: KIND is cut, stall or noise and WHEN reply, connect, data or end, not '" + arg + "'");
    fault.kind = kind->second;
    fault.phase = phase->second;
    fault.occurrence = parts.size() > 3 ? static_cast<int>(wholeNumber(parts[3].c_str(), "fault")) : 1;
    fault.stallMs = parts.size() > 4 ? static_cast<int>(wholeNumber(parts[4].c_str(), "fault")) : 1000;
    o.fault = std::move(fault);
}

phonesim::DataEnd dataEnd(const std::string &name)
{
    if (name == "nocarrier")
        return phonesim::DataEnd::NoCarrier;
    if (name == "none")
        return phonesim::DataEnd::Nothing;
    if (name == "ok")
        return phonesim::DataEnd::OkOnly;
    fail("--data-end is one of nocarrier, none, ok");
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
        o.legacyDownloadVersion = std::strcmp(arg, "none") == 0   ? -1
                                  : std::strcmp(arg, "free") == 0 ? phonesim::kLegacyFreeBytes
                                                                  : static_cast<int>(wholeNumber(arg, "legacy"));
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
    case kFormats: setFormats(arg, o); break;
    case kCapabilityCount: o.capabilityCountOverride = signedNumber(arg, "capability-count"); break;
    case kRawFormats: setRawFormats(arg, o); break;
    case kFailCommand: setFailCommand(arg, o); break;
    case kCmee: o.errorMode = static_cast<int>(wholeNumber(arg, "cmee")); break;
    case kStore: o.storeDirectory = arg; break;
    case kStoreLimit: o.storeLimit = static_cast<uint64_t>(wholeNumber(arg, "store-limit")); break;
    case kObject: addObject(arg, o); break;
    case kPhoto: o.photoCategory = true; break;
    case kEmptyOk: o.emptyCategoryOk = true; break;
    case kByteTitles: o.refuseUcs2Titles = true; break;
    case kRefuseAdpcm: o.refuseCompressedSounds = true; break;
    case kDataStall: setDataStall(arg, o); break;
    case kDataHangup: o.dataHangupAfterBytes = wholeNumber(arg, "data-hangup"); break;
    case kDataNoise: o.dataNoiseInterval = static_cast<size_t>(wholeNumber(arg, "data-noise")); break;
    case kDataEnd: o.dataEnd = dataEnd(arg); break;
    case kLengthError: o.retrievalLengthError = signedNumber(arg, "length-error"); break;
    case kNoAck: o.noAckAboveLowSpeed = true; break;
    case kLineRate: o.lineRate = static_cast<uint32_t>(wholeNumber(arg, "line-rate")); break;
    case kFault: setFault(arg, o); break;
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
