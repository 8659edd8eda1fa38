// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// The simulated phone's behaviour, with no descriptor, thread or clock: bytes
// from the PC go in, the bytes the phone sends back come out. The transports
// in phone_link.h carry them over a pseudo-terminal or a FakePort and apply
// the timing options (delay, pieces), which the model only stores.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace phonesim {

enum class SimState { Ready, SimPin, PhSimPin, PhNetPin, NoSim, SimBusy };

struct PhoneOptions {
    std::string manufacturer = "QUILLORA LABS";
    std::string model = "QP-200";         // also the product text of the binary identification
    std::string imei = "351234567890123"; // 15 digits; another length is a fault
    std::string imsi = "208011234567890";
    std::string identification = "QP-200 V1.0";
    SimState simState = SimState::Ready;
    int legacyDownloadVersion = 3; // +KDOBJ answer; -1: the phone answers ERROR
    std::string protocolVersion = "2.01"; // +KPSV answer; empty: ERROR
    // What AT+KPSCAP="PICTURES", "ANIMATIONS" and "SOUNDS" report: one
    // format per entry, type{;option}:maxKB:... as the phone writes them.
    // Pictures and animations go on with width:height:colours, sounds with
    // tracks:formats; a leading '-' on an option means "not supported".
    std::vector<std::string> pictureFormats = {
        "BMP;-COMPRESSION=0:30:128:160:1;8;24", "JPEG;PROGRESSIVE:50:640:480:24", "FGIF:30:128:160:8",
        "WBMP:10:128:160:1", "PNG:40:640:480:8;24"};
    std::vector<std::string> animationFormats = {"AGIF:60:128:160:8"};
    // QVX1 is the phone's own 4-bit ADPCM.
    std::vector<std::string> soundFormats = {"MIDI:30:16", "AMR;FREQUENCY=8000-8000:20:1:16M8000",
                                             "WAV:100:1:8M8000;16M8000;16S16000", "QVX1:40:1:4M8000"};
    bool echo = true;
    uint32_t listenSpeed = 115200; // the phone's UART speed until AT+KIPR changes it
    int replyDelayMs = 0;          // before everything sent for one piece of input

    // Faults.
    bool silent = false;                // answers nothing at all
    bool garbageBetweenReplies = false; // 1..4 noise bytes before each reply
    uint32_t noiseSeed = 1;             // keeps the noise reproducible
    bool wrongStillImei = false;        // the still reply names another phone
    long hangupAfterBytes = -1;         // hang up once this many bytes were sent; -1 never
    bool incompatibleModem = false;     // "AT" -> OK, anything else -> ERROR, no frames
    bool noBinaryFrame = false;         // AT commands only; binary frames are ignored
    size_t pieceSize = 0;               // replies leave in pieces of at most this; 0 whole
    int pieceGapMs = 0;                 // pause between two pieces
    // +KPSCAP announces this byte count instead of the true one, whatever
    // it is: negative, absurd or just one off.
    std::optional<long> capabilityCountOverride = std::nullopt;
    // Category keyword ("PICTURES"...) -> bytes +KPSCAP sends verbatim in
    // place of that category's lines: missing fields, NULs, no CR at all.
    std::map<std::string, std::string> rawCapabilityData = {};
    // Extended command name ("+KPSCAP", upper case) -> the final line the
    // phone answers instead of running it, e.g. "+CME ERROR: 100,-13".
    std::map<std::string, std::string> forcedErrors = {};
};

// Line speeds a phone accepts in AT+KIPR and as listenSpeed.
bool isStandardSpeed(uint32_t speed);

// The format list AT+KPSCAP="<keyword>" reports; nullptr for a keyword
// the phone does not know (the keyword is case-sensitive, as on the wire).
const std::vector<std::string> *capabilityFormats(const PhoneOptions &options, std::string_view keyword);
std::vector<std::string> *capabilityFormats(PhoneOptions &options, std::string_view keyword);

// Empty when the options describe a possible phone, else what is wrong.
std::string validate(const PhoneOptions &options);

class PhoneModel {
public:
    // One unit of input (a command line, a frame, bytes at the wrong speed)
    // and everything the phone sent for it, for logs.
    struct Exchange {
        std::string received;
        std::string answered;
        std::string note; // why nothing was answered, when that is the case
    };

    // Throws std::invalid_argument when validate() finds a fault.
    explicit PhoneModel(PhoneOptions options = {});

    // Feeds bytes the PC sent at pcLineSpeed; returns what the phone sends
    // back. Appends one Exchange per completed unit to log when given.
    std::string receive(std::string_view bytesFromPc, uint32_t pcLineSpeed, std::vector<Exchange> *log = nullptr);

    uint32_t speed() const { return speed_; }
    bool echo() const { return echo_; }
    bool hungUp() const { return hungUp_; }
    int errorMode() const { return cmee_; } // the +CMEE setting
    size_t bytesSent() const { return sent_; }
    const PhoneOptions &options() const { return options_; }

private:
    // What one command or one part of a command line produced.
    struct Result {
        bool ok = true;
        // The final result that ends the line: always when !ok, and after a
        // data transfer, which has its own (NO CARRIER) instead of OK.
        std::string final;
    };

    void takeByte(char c, std::string &out, std::vector<Exchange> *log);
    std::string answerLine(const std::string &line);
    std::string runCommands(std::string_view body);
    Result runExtended(std::string_view command, std::string &out);
    Result runBasic(const std::string &name, int value);
    Result simQuery(std::string &out) const;
    Result imsiQuery(std::string &out) const;
    Result capabilityQuery(std::string_view arg, std::string &out) const;
    Result cmeError(int code) const;
    std::string answerFrame(const std::string &frame);
    size_t frameLength() const;
    std::string noise();
    std::string limitOutput(std::string out);

    PhoneOptions options_;
    uint32_t speed_;
    uint32_t pendingSpeed_ = 0; // set by AT+KIPR, taken once its OK is out
    bool echo_;
    int cmee_ = 0;
    bool hungUp_ = false;
    size_t sent_ = 0;
    bool inFrame_ = false;
    std::string line_;
    std::string frame_;
    std::minstd_rand noise_;
};

// Byte helpers the tests and transports share.
std::string hexBytes(std::string_view bytes);  // "02 04 D2"
std::string printable(std::string_view bytes); // "AT\r" -> "AT\\r", others as \xNN

} // namespace phonesim
