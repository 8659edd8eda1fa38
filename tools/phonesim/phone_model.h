// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// The simulated phone's behaviour, with no descriptor, thread or clock: bytes
// from the PC go in, the bytes the phone sends back come out. The transports
// in phone_link.h carry them over a pseudo-terminal or a FakePort and apply
// the timing options (delay, pieces), which the model only stores.

#include "object_store.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace phonesim {

enum class SimState { Ready, SimPin, PhSimPin, PhNetPin, NoSim, SimBusy };

// What ends a data phase of +KPSR and +KPSW: NO CARRIER as it should, or,
// as a fault, nothing at all or a bare OK.
enum class DataEnd { NoCarrier, Nothing, OkOnly };

// +KDOBJ? answers the store's free bytes (the PC sends only objects
// smaller than that) unless a fixed number is set.
inline constexpr int kLegacyFreeBytes = -2;

// The phone's own error codes, sent as "+CME ERROR: 100,<code & 0xFFFF>".
namespace phone_error {
inline constexpr int kStorageFailure = -1;   // a folder store could not write
inline constexpr int kBadData = -2;          // a package that does not parse
inline constexpr int kNoSession = -3;        // +KDOBJ data or close without an open session
inline constexpr int kFormatRefused = -4;    // the phone's ADPCM, when refused
inline constexpr int kMemoryFull = -8;       // fits the store, not its free space
inline constexpr int kUnsupportedType = -12; // a type the phone does not store
inline constexpr int kTooBig = -13;          // larger than the whole store
inline constexpr int kNotFound = -24;        // +KPSR and +KPSD of a name not there
inline constexpr int kEmptyCategory = -34;   // +KPSL of a category without objects
} // namespace phone_error

// One fault at a chosen moment of one exchange, for the fault-injection
// tests: the line is cut (the phone vanishes), the phone stalls, or noise
// bytes come in. The moment is counted in the reply: before its first
// byte, inside its CONNECT, half-way through its data (or through its
// lines, when it has no data phase), or just before its closing line. For
// a data phase the PC sends, the middle and the closing line are those of
// the PC's data and of the phone's answer to it.
enum class FaultKind { Cut, Stall, Noise };
enum class FaultPhase { BeforeReply, InConnect, InData, BeforeEnd };
struct ExchangeFault {
    // The extended command ("+KPSR", upper case), "AT" for a bare AT line,
    // or "identify" and "still" for the binary frames.
    std::string command;
    int occurrence = 1; // the nth time the phone answers it
    FaultKind kind = FaultKind::Cut;
    FaultPhase phase = FaultPhase::BeforeReply;
    int stallMs = 0; // how long a stall lasts; the rest of the reply follows it
};

struct PhoneOptions {
    std::string manufacturer = "QUILLORA LABS";
    std::string model = "QP-200";         // also the product text of the binary identification
    std::string imei = "351234567890123"; // 15 digits; another length is a fault
    std::string imsi = "208011234567890";
    std::string identification = "QP-200 V1.0";
    SimState simState = SimState::Ready;
    // +KDOBJ? answer: kLegacyFreeBytes, a fixed number, or -1 for ERROR.
    int legacyDownloadVersion = kLegacyFreeBytes;
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

    int errorMode = 0; // +CMEE at power-on; detection sets 1
    // Objects: in memory, or in this folder (see object_store.h).
    std::string storeDirectory = {};
    uint64_t storeLimit = 256ull << 20;
    // Put in the store at start-up. With a folder store an object is left
    // out when one of the same category, type and title is already there,
    // so a restart does not duplicate it.
    std::vector<StoredObject> objects = {};
    bool photoCategory = false;   // PHOTO lists its objects; else +CME ERROR: 4
    bool emptyCategoryOk = false; // an empty category answers OK, not -34
    bool refuseUcs2Titles = false;        // AT+KDOBJ=2,1,6,... answers ERROR
    bool refuseCompressedSounds = false;  // a WAV in the phone's ADPCM gets -4

    // Faults of the data phases, counted in data bytes from the first one
    // after CONNECT, whichever way the data go.
    long dataStallAfterBytes = -1;  // stop reading or sending there; -1 never
    int dataStallMs = -1;           // for this long; -1 for ever
    long dataHangupAfterBytes = -1; // hang up there; -1 never
    size_t dataNoiseInterval = 0;   // about one data byte in this many is garbled; 0 none
    DataEnd dataEnd = DataEnd::NoCarrier;
    std::optional<ExchangeFault> fault = std::nullopt;
    long retrievalLengthError = 0;  // +KPSR announces this many bytes more (or fewer)
    // Above 19200 bps the data of +KPSW and +KDOBJ are swallowed without
    // any answer, as over a cable without flow control; at 19200 they pass.
    bool noAckAboveLowSpeed = false;
    // Bytes per second the phone sends, and over a pty also reads, like a
    // real line (11520 for 115200 bps); 0 as fast as the link goes.
    uint32_t lineRate = 0;
};

// What the phone sends for some input: its own bytes, slices of stored
// objects, shared rather than copied so a data phase of any size costs
// nothing to queue, and pauses of the sender.
class Output {
public:
    struct Piece {
        std::string bytes;                       // own bytes, when data is null
        std::shared_ptr<const std::string> data; // else a slice of this
        size_t offset = 0;
        size_t length = 0;
        bool pause = false; // no bytes: the sender waits pauseMs
        int pauseMs = 0;    // -1: for ever
        // Part of a data phase the phone sends, up to its closing line: what
        // is left of it is dropped when the PC ends the phase early.
        bool dataPhase = false;

        std::string_view view() const;
    };

    Output() = default;
    Output(std::string_view bytes) { *this += bytes; }
    Output(const std::string &bytes) { *this += bytes; }
    Output(const char *bytes) { *this += bytes; }

    Output &operator+=(std::string_view bytes);
    Output &append(const Output &other);
    void appendSlice(std::shared_ptr<const std::string> data, size_t offset, size_t length);
    void appendPause(int ms);
    // Keeps the first n bytes and drops everything after them, pauses too.
    void truncate(size_t n);
    // A pause, or bytes, after the first `at` bytes; inside a data phase
    // they belong to it.
    void insertPause(size_t at, int ms);
    void insertBytes(size_t at, std::string_view bytes);
    // Marks every piece as part of a data phase.
    void markDataPhase();

    size_t size() const { return size_; } // bytes; pauses count nothing
    bool empty() const { return pieces_.empty(); }
    const std::vector<Piece> &pieces() const { return pieces_; }
    // All bytes in one string, pauses left out.
    std::string str() const;
    // For logs: slices longer than maxSlice stand as "<N bytes>".
    std::string summary(size_t maxSlice = 64) const;

private:
    void splitAt(size_t at); // a piece boundary after `at` bytes
    void insert(size_t at, Piece piece);
    std::vector<Piece> pieces_;
    size_t size_ = 0;
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

    // Throws std::invalid_argument when validate() finds a fault, and
    // std::runtime_error when the store's folder cannot be used.
    explicit PhoneModel(PhoneOptions options = {});

    // Feeds bytes the PC sent at pcLineSpeed; appends what the phone sends
    // back to out and answers how many bytes it took: fewer than given only
    // when it stopped reading in a data phase (readStalled()); the rest is
    // the caller's to give again after resumeReading(). Appends one
    // Exchange per completed unit to log when given.
    size_t receive(std::string_view bytesFromPc, uint32_t pcLineSpeed, Output &out,
                   std::vector<Exchange> *log = nullptr);
    // The same with the output in one string; bytes a stall left are lost.
    std::string receive(std::string_view bytesFromPc, uint32_t pcLineSpeed, std::vector<Exchange> *log = nullptr);

    uint32_t speed() const { return speed_; }
    bool echo() const { return echo_; }
    bool hungUp() const { return hungUp_; }
    int errorMode() const { return cmee_; } // the +CMEE setting
    size_t bytesSent() const { return sent_; }
    const PhoneOptions &options() const { return options_; }

    ObjectStore &store() { return store_; }
    const ObjectStore &store() const { return store_; }
    const std::string &characterSet() const { return charset_; }
    bool inDataPhase() const { return incoming_.has_value(); }
    // The data-phase stall: the phone takes no bytes until resumeReading(),
    // which the transport calls after stallMs() (never when it is -1).
    bool readStalled() const { return readStalled_; }
    int stallMs() const { return stallMs_; }
    void resumeReading() { readStalled_ = false; }
    // Stalled for ever in a data phase it was sending: deaf from then on,
    // until the PC ends the phase.
    bool wedged() const { return wedged_; }
    // The PC ended the data phase (dropped DTR, or flushed the line): a
    // phase the PC was sending is dropped unstored, with the +KDOBJ session
    // it belonged to, and answered NO CARRIER (the returned output); nothing
    // happens outside a data phase. `sending`: the transport was still
    // sending the phone's own data phase, which a phone wedged in it leaves
    // too (the transport answers for that one).
    Output leaveDataMode(bool sending);

private:
    // What one command or one part of a command line produced.
    struct Result {
        bool ok = true;
        // The line ends here: after a data transfer, whose own end (NO
        // CARRIER, the final) replaces OK, or at the CONNECT of a data phase
        // the PC sends, with no final at all.
        bool endsLine = false;
        // The final result: always when !ok, else only with endsLine.
        std::string final = {};
    };
    // A data phase the PC sends, after CONNECT.
    struct Incoming {
        enum Kind { Kpsw, Ucs2Title, ByteTitle, KdobjData } kind = Kpsw;
        size_t expected = 0;
        std::string bytes = {};
        const ObjectKind *objectKind = nullptr;
        int part = 0; // +KDOBJ: 0 the object, 1 and up its second part
    };
    // The +KDOBJ download session.
    struct Session {
        bool open = false;
        std::optional<std::u16string> title = std::nullopt;
        const ObjectKind *kind = nullptr;
        std::shared_ptr<const std::string> data = nullptr;
    };

    void takeByte(char c, Output &out, std::vector<Exchange> *log);
    size_t takeData(std::string_view bytes, Output &out, std::vector<Exchange> *log);
    Output answerLine(const std::string &line);
    Output runCommands(std::string_view body);
    Result runExtended(std::string_view command, Output &out);
    Result runBasic(const std::string &name, int value);
    Result simQuery(Output &out) const;
    Result imsiQuery(Output &out) const;
    Result capabilityQuery(std::string_view arg, Output &out) const;
    Result speedChange(std::string_view arg, std::string_view name, Output &out);
    Result characterSet(std::string_view arg, Output &out);
    Result legacyDownload(std::string_view arg, Output &out);
    Result objectWrite(std::string_view arg, Output &out);
    Result objectList(std::string_view arg, Output &out) const;
    Result objectRead(std::string_view arg, Output &out);
    Result objectDelete(std::string_view arg);
    Result beginIncoming(Incoming incoming, Output &out);
    Output finishIncoming();
    Output finishKpsw(Incoming &incoming);
    Output finishKdobj(Incoming &incoming);
    std::string storeObject(StoredObject object, int &error);
    std::u16string madeUpTitle();
    int sizeError(uint64_t size) const;
    Result cmeError(int code) const;
    std::string phoneErrorLine(int code) const;
    Result phoneError(int code) const { return {false, false, phoneErrorLine(code)}; }
    std::string dataEnd() const;
    bool packageForm() const;
    void garble(std::string &bytes, size_t firstDataByte);
    std::string answerFrame(const std::string &frame);
    size_t frameLength() const;
    std::string noise();
    void limitOutput(Output &out);
    // The exchange fault, when `command` is the one it waits for.
    bool faultDue(std::string_view command);
    void injectFault(Output &reply, size_t at);
    void injectReplyFault(Output &reply);
    size_t faultInIncoming(std::string_view bytes, Output &out);

    PhoneOptions options_;
    ObjectStore store_;
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
    std::string charset_ = "IRA";
    std::optional<Incoming> incoming_;
    Session session_;
    size_t dataCount_ = 0; // data bytes of the current data phase so far
    bool stallDone_ = false;
    bool readStalled_ = false;
    int stallMs_ = -1; // of the stall in progress
    bool wedged_ = false;
    std::minstd_rand dataNoise_;
    size_t nextGarbled_ = 0; // the data byte the noise hits next
    unsigned untitled_ = 0;  // objects that came without a title so far
    int faultCount_ = 0;     // answers of the fault's command so far
    bool faultArmed_ = false; // its line is being answered
    // The fault waits for the data phase the PC sends: its middle or the
    // phone's answer at its end.
    std::optional<FaultPhase> incomingFault_;
};

// The object protocol version as the PC reads +KPSV: "2.01" is 201.
int protocolNumber(std::string_view version);

// Byte helpers the tests and transports share.
std::string hexBytes(std::string_view bytes);  // "02 04 D2"
std::string printable(std::string_view bytes); // "AT\r" -> "AT\\r", others as \xNN

} // namespace phonesim
