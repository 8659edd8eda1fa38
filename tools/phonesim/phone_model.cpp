// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "phone_model.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <utility>

namespace phonesim {

namespace {

constexpr char kStx = 0x02;
constexpr char kEtx = 0x03;
constexpr unsigned char kIdentifyCommand = 0x23;
constexpr unsigned char kStillCommand = 0xD7;
// A command line longer than this is cut; no real command comes near it, and
// it keeps a PC that never sends CR from growing the buffer without end.
constexpr size_t kMaxLine = 4096;

// 27.007's "incorrect parameters": what +KPSCAP says to a category it
// does not know.
constexpr int kCmeIncorrectParameters = 50;

const std::string kOk = "\r\nOK\r\n";
const std::string kError = "\r\nERROR\r\n";
const std::string kNoCarrier = "\r\nNO CARRIER\r\n";

// The highest speed at which a cable without flow control still carries an
// upload, for the no-acknowledgment fault.
constexpr uint32_t kLowSpeed = 19200;
// A title longer than this is no title: the PC sends a few dozen bytes.
constexpr long kMaxTitleBytes = 4096;
// 8 bytes of package head and the heads of the title and object sections.
constexpr size_t kPackageOverhead = 24;
constexpr uint32_t kPackageMarker = 0x00010001;

// The +KPSCAP keywords and the list of options each one reports.
struct CapabilityList {
    std::string_view keyword;
    std::vector<std::string> PhoneOptions::*formats;
};
constexpr CapabilityList kCategories[] = {
    {"PICTURES", &PhoneOptions::pictureFormats},
    {"ANIMATIONS", &PhoneOptions::animationFormats},
    {"SOUNDS", &PhoneOptions::soundFormats},
};

std::string infoLine(std::string_view text)
{
    return "\r\n" + std::string(text) + "\r\n";
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

unsigned char xorOf(std::string_view bytes)
{
    unsigned char sum = 0;
    for (char c : bytes)
        sum ^= static_cast<unsigned char>(c);
    return sum;
}

// 02 LEN D2 05 01 <payload> CHK 03, LEN counting D2 05 01 and the payload.
std::string shortFrame(std::string_view payload)
{
    std::string frame{kStx, static_cast<char>(payload.size() + 3), '\xD2', '\x05', '\x01'};
    frame += payload;
    frame += static_cast<char>(xorOf(frame));
    frame += kEtx;
    return frame;
}

// Digits 1..14 packed two to a byte, high nibble first; digit 15 alone.
// An IMEI of another length (a fault) is cut or padded with zeros to fit.
std::string packedImei(std::string imei)
{
    imei.resize(15, '0');
    std::string out;
    for (size_t i = 0; i < 14; i += 2)
        out += static_cast<char>(((imei[i] - '0') << 4) | (imei[i + 1] - '0'));
    out += static_cast<char>(imei[14] - '0');
    return out;
}

// Parses a whole decimal number; -1 when text is empty or holds anything else.
long number(std::string_view text)
{
    if (text.empty() || text.size() > 9)
        return -1;
    long n = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

void putLe(std::string &out, uint32_t value, size_t width)
{
    for (size_t i = 0; i < width; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t getLe(std::string_view bytes, size_t at, size_t width)
{
    uint32_t value = 0;
    for (size_t i = width; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

std::string sectionHead(uint16_t type, uint16_t kind, uint32_t length)
{
    std::string head;
    putLe(head, type, 2);
    putLe(head, kind, 2);
    putLe(head, length, 4);
    return head;
}

// One argument of an extended command: "text" (no escapes on the wire) or
// a bare token.
struct Field {
    bool quoted = false;
    std::string text = {};
};

// The comma-separated fields after '='; nullopt for a quote left open or
// text after a closing quote.
std::optional<std::vector<Field>> fieldsOf(std::string_view arg)
{
    if (arg.empty() || arg[0] != '=')
        return std::nullopt;
    std::vector<Field> out;
    size_t pos = 1;
    for (;;) {
        Field field;
        if (pos < arg.size() && arg[pos] == '"') {
            const size_t close = arg.find('"', pos + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            field = {true, std::string(arg.substr(pos + 1, close - pos - 1))};
            pos = close + 1;
            if (pos < arg.size() && arg[pos] != ',')
                return std::nullopt;
        } else {
            const size_t comma = std::min(arg.find(',', pos), arg.size());
            field.text = std::string(arg.substr(pos, comma - pos));
            pos = comma;
        }
        out.push_back(std::move(field));
        if (pos >= arg.size())
            return out;
        ++pos; // the comma
    }
}

// The numbers of an all-numeric argument list; empty when any is not one.
std::vector<long> numbersOf(std::string_view arg)
{
    std::vector<long> out;
    const auto fields = fieldsOf(arg);
    if (!fields)
        return {};
    for (const Field &f : *fields) {
        const long n = f.quoted ? -1 : number(f.text);
        if (n < 0)
            return {};
        out.push_back(n);
    }
    return out;
}

// The one quoted argument of +KPSR and +KPSD.
std::optional<std::string> quotedArgument(std::string_view arg)
{
    const auto fields = fieldsOf(arg);
    if (!fields || fields->size() != 1 || !(*fields)[0].quoted)
        return std::nullopt;
    return (*fields)[0].text;
}

// An upload package, checked the whole way: head, marker, then exactly a
// title section, the object section of the announced type and perhaps a
// second part, ending where the data end.
struct Package {
    bool ok = false;
    std::u16string title = {};
    size_t objectOffset = 0;
    size_t objectLength = 0;
};

Package parsePackage(std::string_view p, uint16_t objectType)
{
    Package out;
    if (p.size() < 8 || getLe(p, 0, 4) != p.size() - 4 || getLe(p, 4, 4) != kPackageMarker)
        return out;
    size_t at = 8;
    int index = 0;
    while (at < p.size()) {
        if (p.size() - at < 8)
            return out;
        const uint32_t type = getLe(p, at, 2);
        const uint32_t kind = getLe(p, at + 2, 2);
        const uint32_t length = getLe(p, at + 4, 4);
        at += 8;
        if (length > p.size() - at)
            return out;
        const std::string_view content = p.substr(at, length);
        switch (index++) {
        case 0:
            if (kind != 0 || type != 0 || length % 2 != 0)
                return out;
            out.title = fromUtf16Le(content);
            break;
        case 1:
            if (kind != 1 || type != objectType || length == 0)
                return out;
            out.objectOffset = at;
            out.objectLength = length;
            break;
        case 2:
            if (kind != 2) // a second part is checked and dropped: the phone keeps one object
                return out;
            break;
        default:
            return out;
        }
        at += length;
    }
    out.ok = index >= 2;
    return out;
}

bool isPhoneAdpcm(const ObjectKind &kind, std::string_view data)
{
    return kind.typeName == "WAV" && wavFormatTag(data) == kPhoneAdpcmTag;
}

// '+' and what V.250 allows in an extended name, upper case because the
// model looks names up after upper-casing them: a lower-case key would
// never match and the fault would silently not happen.
bool isCommandName(std::string_view name)
{
    const auto nameChar = [](char c) {
        return std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) ||
               std::string_view("!%-./:_").find(c) != std::string_view::npos;
    };
    return name.size() > 1 && name[0] == '+' && std::all_of(name.begin() + 1, name.end(), nameChar);
}

bool holdsLineEnd(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// Broken format data is a fault worth simulating, so only what the phone
// could not send is refused: a list entry with CR or LF in it would become
// two lines, or an unterminated one, without saying so.
std::string validateCapabilities(const PhoneOptions &o)
{
    for (const CapabilityList &category : kCategories)
        for (const std::string &line : o.*category.formats)
            if (holdsLineEnd(line))
                return "a format line cannot hold CR or LF; give broken data as raw capability data";
    for (const auto &entry : o.rawCapabilityData)
        if (!capabilityFormats(o, entry.first))
            return "raw capability data for an unknown category '" + entry.first + "'";
    return {};
}

std::string validateForcedErrors(const PhoneOptions &o)
{
    for (const auto &[name, line] : o.forcedErrors) {
        if (!isCommandName(name))
            return "a forced error names an extended command in upper case, like +KPSCAP, not '" + name + "'";
        if (line.empty() || holdsLineEnd(line))
            return "the forced error of " + name + " must be one non-empty line";
    }
    return {};
}

std::string validateObjects(const PhoneOptions &o)
{
    if (o.legacyDownloadVersion < kLegacyFreeBytes)
        return "the +KDOBJ answer is a number, -1 for ERROR or kLegacyFreeBytes";
    if (o.errorMode != 0 && o.errorMode != 1)
        return "the error mode is 0 or 1";
    if (o.dataStallAfterBytes < -1 || o.dataStallMs < -1 || o.dataHangupAfterBytes < -1)
        return "data-phase byte counts and the stall time cannot be negative (-1: never, for ever)";
    if (o.fault && (o.fault->occurrence < 1 || o.fault->stallMs < -1 ||
                    !(o.fault->command == "AT" || o.fault->command == "identify" || o.fault->command == "still" ||
                      isCommandName(o.fault->command))))
        return "an exchange fault names AT, identify, still or an extended command like +KPSR, a count "
               "from 1 and a stall time (-1: for ever)";
    for (const StoredObject &object : o.objects) {
        const ObjectKind *kind = kindByName(object.typeName);
        if (!kind)
            return "the phone stores no objects of type '" + object.typeName + "'";
        if (!fitsCategory(*kind, object.category))
            return object.typeName + " objects do not go in " + std::string(keywordOf(object.category));
    }
    return {};
}

PhoneOptions checked(PhoneOptions options)
{
    if (auto error = validate(options); !error.empty())
        throw std::invalid_argument(error);
    return options;
}

ObjectStore makeStore(const PhoneOptions &o)
{
    return o.storeDirectory.empty() ? ObjectStore(o.storeLimit) : ObjectStore(o.storeDirectory, o.storeLimit);
}

} // namespace

int protocolNumber(std::string_view text)
{
    size_t pos = 0;
    int major = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) && major < 100000)
        major = major * 10 + (text[pos++] - '0');
    int version = major * 100;
    // As the PC reads it: only "d.dd" has a minor number.
    if (text.size() == 4 && pos == 1 && text[1] == '.' && std::isdigit(static_cast<unsigned char>(text[2])) &&
        std::isdigit(static_cast<unsigned char>(text[3])))
        version += (text[2] - '0') * 10 + (text[3] - '0');
    return version;
}

// --- Output ---

std::string_view Output::Piece::view() const
{
    return data ? std::string_view(*data).substr(offset, length) : std::string_view(bytes);
}

Output &Output::operator+=(std::string_view bytes)
{
    if (bytes.empty())
        return *this;
    if (!pieces_.empty() && !pieces_.back().data && !pieces_.back().pause && !pieces_.back().dataPhase) {
        pieces_.back().bytes += bytes;
    } else {
        Piece piece;
        piece.bytes = std::string(bytes);
        pieces_.push_back(std::move(piece));
    }
    size_ += bytes.size();
    return *this;
}

Output &Output::append(const Output &other)
{
    for (const Piece &piece : other.pieces_) {
        if (!piece.pause && !piece.data && !piece.dataPhase) {
            *this += piece.bytes;
            continue;
        }
        pieces_.push_back(piece);
        size_ += piece.pause ? 0 : piece.view().size();
    }
    return *this;
}

void Output::appendSlice(std::shared_ptr<const std::string> data, size_t offset, size_t length)
{
    if (length == 0)
        return;
    Piece piece;
    piece.data = std::move(data);
    piece.offset = offset;
    piece.length = length;
    pieces_.push_back(std::move(piece));
    size_ += length;
}

void Output::appendPause(int ms)
{
    Piece piece;
    piece.pause = true;
    piece.pauseMs = ms;
    pieces_.push_back(std::move(piece));
}

void Output::splitAt(size_t at)
{
    size_t start = 0;
    for (size_t i = 0; i < pieces_.size(); ++i) {
        const size_t length = pieces_[i].view().size();
        if (!pieces_[i].pause && at > start && at < start + length) {
            Piece tail = pieces_[i];
            const size_t head = at - start;
            if (tail.data) {
                pieces_[i].length = head;
                tail.offset += head;
                tail.length -= head;
            } else {
                pieces_[i].bytes.resize(head);
                tail.bytes.erase(0, head);
            }
            pieces_.insert(pieces_.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
            return;
        }
        start += pieces_[i].pause ? 0 : length;
    }
}

void Output::truncate(size_t n)
{
    splitAt(n);
    size_t count = 0;
    size_t keep = 0;
    while (keep < pieces_.size() && count < n) {
        if (!pieces_[keep].pause)
            count += pieces_[keep].view().size();
        ++keep;
    }
    pieces_.erase(pieces_.begin() + static_cast<std::ptrdiff_t>(keep), pieces_.end());
    size_ = std::min(size_, n);
}

void Output::insert(size_t at, Piece piece)
{
    splitAt(at);
    size_t count = 0;
    size_t i = 0;
    while (i < pieces_.size() && count < at) {
        if (!pieces_[i].pause)
            count += pieces_[i].view().size();
        ++i;
    }
    // Dropped with the data phase it interrupts when the PC ends the phase.
    piece.dataPhase = i > 0 ? pieces_[i - 1].dataPhase : i < pieces_.size() && pieces_[i].dataPhase;
    size_ += piece.pause ? 0 : piece.view().size();
    pieces_.insert(pieces_.begin() + static_cast<std::ptrdiff_t>(i), std::move(piece));
}

void Output::insertPause(size_t at, int ms)
{
    Piece pause;
    pause.pause = true;
    pause.pauseMs = ms;
    insert(at, std::move(pause));
}

void Output::insertBytes(size_t at, std::string_view bytes)
{
    if (bytes.empty())
        return;
    Piece piece;
    piece.bytes = std::string(bytes);
    insert(at, std::move(piece));
}

void Output::markDataPhase()
{
    for (Piece &piece : pieces_)
        piece.dataPhase = true;
}

std::string Output::str() const
{
    std::string out;
    out.reserve(size_);
    for (const Piece &piece : pieces_)
        out += piece.view();
    return out;
}

std::string Output::summary(size_t maxSlice) const
{
    std::string out;
    for (const Piece &piece : pieces_) {
        if (piece.data && piece.length > maxSlice)
            out += "<" + std::to_string(piece.length) + " bytes>";
        else
            out += piece.view();
    }
    return out;
}

const std::vector<std::string> *capabilityFormats(const PhoneOptions &options, std::string_view keyword)
{
    for (const CapabilityList &category : kCategories)
        if (category.keyword == keyword)
            return &(options.*category.formats);
    return nullptr;
}

std::vector<std::string> *capabilityFormats(PhoneOptions &options, std::string_view keyword)
{
    return const_cast<std::vector<std::string> *>(capabilityFormats(std::as_const(options), keyword));
}

bool isStandardSpeed(uint32_t speed)
{
    static constexpr uint32_t rates[] = {300,   600,   1200,   2400,   4800,   9600,  19200,
                                         38400, 57600, 115200, 230400, 460800, 921600};
    return std::find(std::begin(rates), std::end(rates), speed) != std::end(rates);
}

std::string validate(const PhoneOptions &o)
{
    // Other lengths than 15 are allowed as a fault: a phone whose +CGSN is broken.
    if (o.imei.empty() || o.imei.size() > 20 || !std::all_of(o.imei.begin(), o.imei.end(), ::isdigit))
        return "the IMEI must be 1 to 20 digits";
    if (!isStandardSpeed(o.listenSpeed))
        return "the listen speed must be a standard rate";
    // LEN is one byte: D2 05 01, '5', the two texts and their zeros.
    if (o.model.size() + o.identification.size() + 6 > 255)
        return "model and identification texts are too long for a frame";
    if (o.model.find('\0') != std::string::npos || o.identification.find('\0') != std::string::npos)
        return "model and identification texts cannot hold a zero byte";
    if (o.replyDelayMs < 0 || o.pieceGapMs < 0 || o.hangupAfterBytes < -1)
        return "delays and byte counts cannot be negative";
    if (auto error = validateCapabilities(o); !error.empty())
        return error;
    if (auto error = validateForcedErrors(o); !error.empty())
        return error;
    return validateObjects(o);
}

PhoneModel::PhoneModel(PhoneOptions options)
    : options_(checked(std::move(options))), store_(makeStore(options_)), speed_(options_.listenSpeed),
      echo_(options_.echo), cmee_(options_.errorMode), noise_(options_.noiseSeed),
      dataNoise_(options_.noiseSeed ^ 0x5EEDu)
{
    const bool folder = !options_.storeDirectory.empty();
    for (const StoredObject &object : options_.objects) {
        const auto same = [&](const StoredObject &o) {
            return o.category == object.category && o.typeName == object.typeName && o.title == object.title;
        };
        if (!folder || std::none_of(store_.objects().begin(), store_.objects().end(), same))
            store_.add(object);
    }
}

std::string PhoneModel::receive(std::string_view bytes, uint32_t pcLineSpeed, std::vector<Exchange> *log)
{
    Output out;
    receive(bytes, pcLineSpeed, out, log);
    return out.str();
}

size_t PhoneModel::receive(std::string_view bytes, uint32_t pcLineSpeed, Output &result, std::vector<Exchange> *log)
{
    if (hungUp_ || bytes.empty())
        return bytes.size();
    if (readStalled_)
        return 0;
    if (options_.silent || wedged_) {
        if (log)
            log->push_back({std::string(bytes), {}, wedged_ ? "stalled for ever" : "silent"});
        return bytes.size();
    }
    Output out;
    size_t i = 0;
    while (i < bytes.size() && !hungUp_) {
        // Checked per byte: an AT+KIPR earlier in the same chunk has already
        // moved the phone away from the speed the rest was sent at.
        if (pcLineSpeed != speed_) {
            // Noise at the wrong speed also wrecks whatever was half received.
            line_.clear();
            frame_.clear();
            inFrame_ = false;
            if (log)
                log->push_back({std::string(bytes.substr(i)), {},
                                "ignored: sent at " + std::to_string(pcLineSpeed) + " bps, phone at " +
                                    std::to_string(speed_)});
            i = bytes.size();
            break;
        }
        if (incoming_) {
            i += takeData(bytes.substr(i), out, log);
            if (readStalled_)
                break;
        } else {
            takeByte(bytes[i++], out, log);
        }
    }
    limitOutput(out);
    if (hungUp_ && log)
        log->push_back({{}, {}, "hung up after " + std::to_string(sent_) + " bytes"});
    result.append(out);
    return readStalled_ ? i : bytes.size();
}

// Data-phase bytes go in whole runs; only the faults cut a run short.
size_t PhoneModel::takeData(std::string_view bytes, Output &out, std::vector<Exchange> *log)
{
    Incoming &in = *incoming_;
    size_t n = std::min(bytes.size(), in.expected - in.bytes.size());
    if (incomingFault_ == FaultPhase::InData && in.bytes.size() + n >= in.expected / 2)
        return faultInIncoming(bytes, out);
    bool stall = false;
    bool hangup = false;
    if (!stallDone_ && options_.dataStallAfterBytes >= 0 &&
        dataCount_ + n > static_cast<size_t>(options_.dataStallAfterBytes)) {
        n = static_cast<size_t>(options_.dataStallAfterBytes) - dataCount_;
        stall = true;
    }
    if (options_.dataHangupAfterBytes >= 0 && dataCount_ + n >= static_cast<size_t>(options_.dataHangupAfterBytes)) {
        n = static_cast<size_t>(options_.dataHangupAfterBytes) - dataCount_;
        hangup = true;
        stall = false;
    }
    const size_t start = in.bytes.size();
    in.bytes.append(bytes.substr(0, n));
    garble(in.bytes, start);
    dataCount_ += n;
    if (hangup) {
        hungUp_ = true;
        incoming_.reset();
        return bytes.size();
    }
    if (stall) {
        stallDone_ = readStalled_ = true;
        stallMs_ = options_.dataStallMs;
        if (log)
            log->push_back({{}, {}, "stopped reading after " + std::to_string(dataCount_) + " data bytes"});
        return n;
    }
    if (in.bytes.size() == in.expected) {
        const size_t count = in.expected;
        Output answer = finishIncoming();
        if (incomingFault_ == FaultPhase::BeforeEnd) {
            incomingFault_.reset();
            injectFault(answer, 0);
        }
        if (log)
            log->push_back({"<" + std::to_string(count) + " data bytes>", answer.summary(),
                            answer.empty() ? "data taken, no answer" : ""});
        out.append(answer);
    }
    return n;
}

void PhoneModel::takeByte(char c, Output &out, std::vector<Exchange> *log)
{
    if (inFrame_) {
        frame_ += c;
        if (frame_.size() == frameLength()) {
            Output answer = answerFrame(frame_);
            if (faultArmed_) {
                faultArmed_ = false;
                injectReplyFault(answer);
            }
            if (log)
                log->push_back({frame_, answer.summary(), answer.empty() ? "frame ignored" : ""});
            out.append(answer);
            frame_.clear();
            inFrame_ = false;
        }
        return;
    }
    if (line_.empty() && c == kStx) {
        inFrame_ = true;
        frame_.assign(1, c);
        return;
    }
    if (c == '\r') {
        const Output answer = answerLine(line_);
        if (log)
            log->push_back({line_ + '\r', answer.summary(), {}});
        out.append(answer);
        line_.clear();
        return;
    }
    if (c == '\n' && line_.empty())
        return;
    if (line_.size() < kMaxLine)
        line_ += c;
}

Output PhoneModel::answerLine(const std::string &line)
{
    Output out(echo_ ? line + '\r' : std::string());
    if (line.empty())
        return out;
    Output reply;
    if (upper(line) == "AT")
        faultDue("AT");
    if (options_.incompatibleModem)
        reply = upper(line) == "AT" ? kOk : kError;
    else if (line.size() < 2 || upper(line.substr(0, 2)) != "AT")
        reply = kError;
    else
        reply = runCommands(std::string_view(line).substr(2));
    if (faultArmed_) {
        faultArmed_ = false;
        injectReplyFault(reply);
    }
    if (options_.garbageBetweenReplies)
        out += noise();
    out.append(reply);
    return out;
}

Output PhoneModel::runCommands(std::string_view body)
{
    Output out;
    std::string final = kOk;
    size_t pos = 0;
    while (pos < body.size()) {
        const char c = body[pos];
        if (c == ' ' || c == ';') {
            ++pos;
            continue;
        }
        Result result;
        if (c == '+') {
            const size_t end = std::min(body.find(';', pos), body.size());
            result = runExtended(body.substr(pos, end - pos), out);
            pos = end;
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '&') {
            // Basic commands: a letter (or & and a letter) and an optional number.
            std::string name(1, static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
            if (c == '&' && ++pos < body.size())
                name += static_cast<char>(std::toupper(static_cast<unsigned char>(body[pos])));
            size_t digits = ++pos;
            while (pos < body.size() && std::isdigit(static_cast<unsigned char>(body[pos])))
                ++pos;
            const long value = pos == digits ? 0 : number(body.substr(digits, pos - digits));
            result = runBasic(name, static_cast<int>(value));
        } else {
            result = {false, false, kError};
        }
        if (!result.ok) {
            // A failed line changes no speed, even when its AT+KIPR part passed.
            pendingSpeed_ = 0;
            out += result.final;
            return out;
        }
        if (result.endsLine) {
            // A data transfer ended the line; like a modem leaving data
            // mode, the phone drops whatever came after it.
            final = result.final;
            break;
        }
    }
    if (pendingSpeed_ != 0) {
        speed_ = pendingSpeed_;
        pendingSpeed_ = 0;
    }
    out += final;
    return out;
}

PhoneModel::Result PhoneModel::runExtended(std::string_view command, Output &out)
{
    const size_t split = std::min(command.find_first_of("=?"), command.size());
    const std::string name = upper(command.substr(0, split));
    const std::string_view arg = command.substr(split);
    const Result fail{false, false, kError};
    faultDue(name);

    // Before anything else: the forced answer replaces the command whatever
    // its argument, and whatever +CMEE says.
    if (auto forced = options_.forcedErrors.find(name); forced != options_.forcedErrors.end())
        return {false, false, infoLine(forced->second)};
    if (name == "+KPSCAP")
        return capabilityQuery(arg, out);
    if (name == "+CMEE") {
        const long mode = arg.size() > 1 && arg[0] == '=' ? number(arg.substr(1)) : -1;
        if (mode != 0 && mode != 1)
            return fail; // verbose error texts (mode 2) are not simulated
        cmee_ = static_cast<int>(mode);
        return {};
    }
    if (name == "+KIPR" || name == "+IPR")
        return speedChange(arg, name, out);
    if (name == "+CPIN" && arg == "?")
        return simQuery(out);
    if (name == "+CSCS")
        return characterSet(arg, out);
    if (name == "+KDOBJ")
        return legacyDownload(arg, out);
    if (name == "+KPSW")
        return objectWrite(arg, out);
    if (name == "+KPSL")
        return objectList(arg, out);
    if (name == "+KPSR")
        return objectRead(arg, out);
    if (name == "+KPSD")
        return objectDelete(arg);
    if (!arg.empty())
        return fail;
    if (name == "+CGMI")
        out += infoLine("+CGMI: " + options_.manufacturer);
    else if (name == "+CGMM")
        out += infoLine("+CGMM: " + options_.model);
    else if (name == "+CGSN")
        out += infoLine(options_.imei);
    else if (name == "+CIMI")
        return imsiQuery(out);
    else if (name == "+KPSV" && !options_.protocolVersion.empty())
        out += infoLine("+KPSV: " + options_.protocolVersion);
    else
        return fail;
    return {};
}

PhoneModel::Result PhoneModel::runBasic(const std::string &name, int value)
{
    if (name == "E" && (value == 0 || value == 1)) {
        echo_ = value == 1;
        return {};
    }
    // Verbose results are all the phone speaks (V0 is not simulated); &K0
    // and &K3 pick no or hardware flow control, which a pty cannot honour.
    if ((name == "V" && value == 1) || (name == "&K" && (value == 0 || value == 3)))
        return {};
    return {false, false, kError};
}

PhoneModel::Result PhoneModel::cmeError(int code) const
{
    if (cmee_ == 0)
        return {false, false, kError};
    return {false, false, infoLine("+CME ERROR: " + std::to_string(code))};
}

// The phone's own codes travel as their low 16 bits after "100,": -24 is
// 65512. Without +CMEE=1 they are a plain ERROR like any other.
std::string PhoneModel::phoneErrorLine(int code) const
{
    if (cmee_ == 0)
        return kError;
    return infoLine("+CME ERROR: 100," + std::to_string(static_cast<unsigned>(code) & 0xFFFFu));
}

PhoneModel::Result PhoneModel::simQuery(Output &out) const
{
    switch (options_.simState) {
    case SimState::Ready: out += infoLine("+CPIN: READY"); break;
    case SimState::SimPin: out += infoLine("+CPIN: SIM PIN"); break;
    case SimState::PhSimPin: out += infoLine("+CPIN: PH-SIM PIN"); break;
    case SimState::PhNetPin: out += infoLine("+CPIN: PH-NET PIN"); break;
    case SimState::NoSim: return cmeError(10);
    case SimState::SimBusy: return cmeError(14);
    }
    return {};
}

// A phone waiting for a code cannot read the SIM, so +CIMI fails with the
// code it waits for (27.007 numbers), as real phones do; the +CPIN line
// before it already said why.
PhoneModel::Result PhoneModel::imsiQuery(Output &out) const
{
    switch (options_.simState) {
    case SimState::Ready: out += infoLine(options_.imsi); return {};
    case SimState::SimPin: return cmeError(11);
    case SimState::PhSimPin: return cmeError(5);
    case SimState::PhNetPin: return cmeError(40);
    case SimState::NoSim: return cmeError(10);
    case SimState::SimBusy: return cmeError(14);
    }
    return {};
}

// AT+KPSCAP="<category>": the byte count, CONNECT, exactly that many data
// bytes and NO CARRIER, which is this command's final result: no OK follows.
// The count is the fault switch's when one is set, so a PC that trusts it
// over the NO CARRIER reads too little or waits for bytes that never come.
PhoneModel::Result PhoneModel::capabilityQuery(std::string_view arg, Output &out) const
{
    const bool quoted = arg.size() >= 3 && arg[0] == '=' && arg[1] == '"' && arg.back() == '"';
    const std::string_view keyword = quoted ? arg.substr(2, arg.size() - 3) : std::string_view();
    const std::vector<std::string> *formats = capabilityFormats(options_, keyword);
    if (!formats)
        return cmeError(kCmeIncorrectParameters);
    std::string data;
    if (auto raw = options_.rawCapabilityData.find(std::string(keyword)); raw != options_.rawCapabilityData.end())
        data = raw->second;
    else
        for (const std::string &line : *formats)
            data += line + "\r\n";
    const long count = options_.capabilityCountOverride.value_or(static_cast<long>(data.size()));
    out += infoLine("+KPSCAP: " + std::to_string(count));
    out += infoLine("CONNECT");
    Output phase(data + kNoCarrier);
    phase.markDataPhase();
    out.append(phase);
    return {true, true, {}};
}

PhoneModel::Result PhoneModel::speedChange(std::string_view arg, std::string_view name, Output &out)
{
    if (name == "+IPR" && arg == "?") {
        out += infoLine("+IPR: " + std::to_string(speed_));
        return {};
    }
    const long rate = arg.size() > 1 && arg[0] == '=' ? number(arg.substr(1)) : -1;
    if (rate < 0 || !isStandardSpeed(static_cast<uint32_t>(rate)))
        return {false, false, kError};
    pendingSpeed_ = static_cast<uint32_t>(rate);
    return {};
}

// The set is remembered and reported; names and titles go out as hex UCS-2
// whichever it is, the form the PC asks for before every listing.
PhoneModel::Result PhoneModel::characterSet(std::string_view arg, Output &out)
{
    static constexpr std::string_view kSets[] = {"IRA", "GSM", "UCS2", "8859-1", "UTF-8", "PCCP437"};
    if (arg == "?") {
        out += infoLine("+CSCS: \"" + charset_ + "\"");
        return {};
    }
    if (arg == "=?") {
        std::string list;
        for (std::string_view set : kSets)
            list += (list.empty() ? "\"" : ",\"") + std::string(set) + "\"";
        out += infoLine("+CSCS: (" + list + ")");
        return {};
    }
    const auto fields = fieldsOf(arg);
    if (!fields || fields->size() != 1 || !(*fields)[0].quoted ||
        std::find(std::begin(kSets), std::end(kSets), (*fields)[0].text) == std::end(kSets))
        return cmeError(kCmeIncorrectParameters);
    charset_ = (*fields)[0].text;
    return {};
}

// 0 when an object of this size fits, else the phone's code for why not.
int PhoneModel::sizeError(uint64_t size) const
{
    if (size > store_.limit())
        return phone_error::kTooBig;
    return size > store_.freeBytes() ? phone_error::kMemoryFull : 0;
}

// AT+KDOBJ? and the download session: =1,1 opens it, =2,1,<part>,<type>,
// <length> sends the title (part 6 UTF-16LE, part 3 8-bit) or the object
// (part 0, a second part 1 and up) with CONNECT, the bytes and OK, and
// =1,0 closes it and keeps the object.
PhoneModel::Result PhoneModel::legacyDownload(std::string_view arg, Output &out)
{
    if (arg == "?") {
        if (options_.legacyDownloadVersion == -1)
            return {false, false, kError};
        const uint64_t answer = options_.legacyDownloadVersion == kLegacyFreeBytes
                                    ? std::min<uint64_t>(store_.freeBytes(), std::numeric_limits<int32_t>::max())
                                    : static_cast<uint64_t>(options_.legacyDownloadVersion);
        out += infoLine("+KDOBJ: " + std::to_string(answer));
        return {};
    }
    if (arg.empty() || arg[0] != '=')
        return {false, false, kError};
    const std::vector<long> n = numbersOf(arg);
    if (n.size() == 2 && n[0] == 1 && n[1] == 1) {
        // Opening again starts afresh: a PC retrying after a failure does.
        session_ = {};
        session_.open = true;
        return {};
    }
    if (n.size() == 2 && n[0] == 1 && n[1] == 0) {
        if (!session_.open)
            return phoneError(phone_error::kNoSession);
        Session session = std::move(session_);
        session_ = {};
        if (!session.data)
            return {}; // nothing was sent, nothing is kept
        int error = 0;
        storeObject({categoryFor(*session.kind, *session.data), {},
                     session.title ? *session.title : madeUpTitle(), std::string(session.kind->typeName), false,
                     session.data},
                    error);
        return error ? phoneError(error) : Result{};
    }
    if (n.size() != 5 || n[0] != 2 || n[1] != 1)
        return cmeError(kCmeIncorrectParameters);
    if (!session_.open)
        return phoneError(phone_error::kNoSession);
    const long part = n[2], type = n[3], length = n[4];
    Incoming incoming;
    incoming.expected = static_cast<size_t>(length);
    if ((part == 6 || part == 3) && type == 0) {
        if (part == 6 && options_.refuseUcs2Titles)
            return {false, false, kError};
        if (length > kMaxTitleBytes || (part == 6 && length % 2 != 0))
            return cmeError(kCmeIncorrectParameters);
        incoming.kind = part == 6 ? Incoming::Ucs2Title : Incoming::ByteTitle;
        return beginIncoming(std::move(incoming), out);
    }
    if (part > 2)
        return cmeError(kCmeIncorrectParameters);
    incoming.objectKind = kindByCode(static_cast<uint32_t>(type));
    if (!incoming.objectKind)
        return phoneError(phone_error::kUnsupportedType);
    if (length == 0)
        return cmeError(kCmeIncorrectParameters);
    if (const int error = sizeError(static_cast<uint64_t>(length)))
        return phoneError(error);
    incoming.kind = Incoming::KdobjData;
    incoming.part = static_cast<int>(part);
    return beginIncoming(std::move(incoming), out);
}

// AT+KPSW="<type>",<total>: CONNECT, then exactly total bytes, the package
// from protocol 2.01 on, the object alone before.
PhoneModel::Result PhoneModel::objectWrite(std::string_view arg, Output &out)
{
    const auto fields = fieldsOf(arg);
    if (!fields || fields->size() != 2 || !(*fields)[0].quoted || (*fields)[1].quoted)
        return cmeError(kCmeIncorrectParameters);
    const long total = number((*fields)[1].text);
    if (total <= 0)
        return cmeError(kCmeIncorrectParameters);
    Incoming incoming;
    incoming.objectKind = kindByName((*fields)[0].text);
    if (!incoming.objectKind)
        return phoneError(phone_error::kUnsupportedType);
    // The exact size is known once the package is in; the heads are small.
    const size_t overhead = packageForm() ? kPackageOverhead : 0;
    const auto size = static_cast<size_t>(total);
    if (const int error = sizeError(size > overhead ? size - overhead : 0))
        return phoneError(error);
    incoming.kind = Incoming::Kpsw;
    incoming.expected = size;
    return beginIncoming(std::move(incoming), out);
}

PhoneModel::Result PhoneModel::beginIncoming(Incoming incoming, Output &out)
{
    out += infoLine("CONNECT");
    dataCount_ = 0;
    stallDone_ = false;
    nextGarbled_ = options_.dataNoiseInterval ? dataNoise_() % (2 * options_.dataNoiseInterval) : 0;
    incoming.bytes.reserve(incoming.expected);
    incoming_ = std::move(incoming);
    if (incoming_->expected == 0)
        out.append(finishIncoming());
    return {true, true, {}};
}

Output PhoneModel::finishIncoming()
{
    Incoming in = std::move(*incoming_);
    incoming_.reset();
    if (in.kind == Incoming::Ucs2Title || in.kind == Incoming::ByteTitle) {
        session_.title = in.kind == Incoming::Ucs2Title ? fromUtf16Le(in.bytes) : fromWindows1252(in.bytes);
        return kOk;
    }
    if (options_.noAckAboveLowSpeed && speed_ > kLowSpeed)
        return {};
    return in.kind == Incoming::Kpsw ? finishKpsw(in) : finishKdobj(in);
}

// NO CARRIER, then "+KPSW: "<name>",<size>" and OK, or NO CARRIER and the
// error line in their place.
Output PhoneModel::finishKpsw(Incoming &in)
{
    StoredObject object;
    object.typeName = std::string(in.objectKind->typeName);
    int error = 0;
    if (!packageForm()) {
        object.title = madeUpTitle();
    } else {
        const Package package = parsePackage(in.bytes, in.objectKind->code);
        if (package.ok) {
            object.title = package.title;
            in.bytes.erase(0, package.objectOffset);
            in.bytes.resize(package.objectLength);
        } else {
            error = phone_error::kBadData;
        }
    }
    if (!error && options_.refuseCompressedSounds && isPhoneAdpcm(*in.objectKind, in.bytes))
        error = phone_error::kFormatRefused;
    std::string name;
    const size_t size = in.bytes.size();
    if (!error) {
        object.category = categoryFor(*in.objectKind, in.bytes);
        object.data = std::make_shared<const std::string>(std::move(in.bytes));
        name = storeObject(std::move(object), error);
    }
    if (options_.dataEnd != DataEnd::NoCarrier)
        return dataEnd();
    if (error)
        return kNoCarrier + phoneErrorLine(error);
    return kNoCarrier + infoLine("+KPSW: \"" + name + "\"," + std::to_string(size)) + kOk;
}

Output PhoneModel::finishKdobj(Incoming &in)
{
    if (options_.refuseCompressedSounds && isPhoneAdpcm(*in.objectKind, in.bytes))
        return phoneErrorLine(phone_error::kFormatRefused);
    // A second part is taken and dropped: the phone keeps one object.
    if (in.part == 0) {
        session_.kind = in.objectKind;
        session_.data = std::make_shared<const std::string>(std::move(in.bytes));
    }
    return kOk;
}

// Checks the room left and keeps the object; the hex name, or empty with
// error set.
std::string PhoneModel::storeObject(StoredObject object, int &error)
{
    error = sizeError(object.size());
    if (error)
        return {};
    try {
        return hexUcs2(store_.add(std::move(object)));
    } catch (const std::exception &) {
        error = phone_error::kStorageFailure;
        return {};
    }
}

// Objects sent without a title get one, as a phone shows them by one.
std::u16string PhoneModel::madeUpTitle()
{
    return fromUtf8("Object " + std::to_string(++untitled_));
}

// AT+KPSL="<category>",1: one line per object, hidden ones too (the PC
// filters them), then OK.
PhoneModel::Result PhoneModel::objectList(std::string_view arg, Output &out) const
{
    const auto fields = fieldsOf(arg);
    const bool detailOk = !fields || fields->size() != 2 ||
                          (!(*fields)[1].quoted && ((*fields)[1].text == "0" || (*fields)[1].text == "1"));
    if (!fields || fields->empty() || fields->size() > 2 || !(*fields)[0].quoted || !detailOk)
        return cmeError(kCmeIncorrectParameters);
    const auto category = categoryFromKeyword((*fields)[0].text);
    // 27.007's "operation not supported": no such category on this phone.
    if (!category || (*category == Category::Photo && !options_.photoCategory))
        return cmeError(4);
    const auto objects = store_.list(*category);
    if (objects.empty())
        return options_.emptyCategoryOk ? Result{} : phoneError(phone_error::kEmptyCategory);
    for (const StoredObject *o : objects)
        out += infoLine("+KPSL: \"" + hexUcs2(o->name) + "\"," + (o->hidden ? "1" : "0") + "," +
                        std::to_string(o->size()) + ",\"" + std::string(keywordOf(o->category)) + "\",\"" +
                        o->typeName + "\",\"\",\"\",\"" + hexUcs2(o->title) + "\"");
    return {};
}

// AT+KPSR="<name>": "+KPSR: <length>", CONNECT, the data (title and object
// sections in a package from 2.01 on, the object alone before) and NO
// CARRIER. The object leaves as a slice of the stored bytes.
PhoneModel::Result PhoneModel::objectRead(std::string_view arg, Output &out)
{
    const auto hex = quotedArgument(arg);
    if (!hex)
        return cmeError(kCmeIncorrectParameters);
    const auto name = fromHexUcs2(*hex);
    const StoredObject *object = name ? store_.find(*name) : nullptr;
    if (!object)
        return phoneError(phone_error::kNotFound);
    std::string head;
    if (packageForm()) {
        const std::string title = toUtf16Le(object->title);
        const size_t total = 3 * 8 + title.size() + object->size();
        putLe(head, static_cast<uint32_t>(total - 4), 4);
        putLe(head, kPackageMarker, 4);
        head += sectionHead(0, 0, static_cast<uint32_t>(title.size())) + title;
        head += sectionHead(kindByName(object->typeName)->code, 1, static_cast<uint32_t>(object->size()));
    }
    Output data(head);
    if (options_.dataNoiseInterval) {
        // Garbled bytes need a copy of their own; the stored object stays whole.
        std::string copy = head + *object->data;
        dataCount_ = 0;
        nextGarbled_ = dataNoise_() % (2 * options_.dataNoiseInterval);
        garble(copy, 0);
        data = {};
        data.appendSlice(std::make_shared<const std::string>(std::move(copy)), 0, head.size() + object->size());
    } else {
        data.appendSlice(object->data, 0, object->size());
    }
    const long declared = std::max(0L, static_cast<long>(data.size()) + options_.retrievalLengthError);
    out += infoLine("+KPSR: " + std::to_string(declared));
    out += infoLine("CONNECT");

    const long stallAt = options_.dataStallAfterBytes, hangupAt = options_.dataHangupAfterBytes;
    bool ended = false;
    if (hangupAt >= 0 && static_cast<size_t>(hangupAt) <= data.size() && (stallAt < 0 || hangupAt <= stallAt)) {
        data.truncate(static_cast<size_t>(hangupAt));
        hungUp_ = ended = true;
    } else if (stallAt >= 0 && static_cast<size_t>(stallAt) < data.size()) {
        if (options_.dataStallMs < 0) {
            data.truncate(static_cast<size_t>(stallAt));
            data.appendPause(-1);
            wedged_ = ended = true;
        } else {
            data.insertPause(static_cast<size_t>(stallAt), options_.dataStallMs);
            if (hangupAt >= 0 && static_cast<size_t>(hangupAt) <= data.size()) {
                data.truncate(static_cast<size_t>(hangupAt));
                hungUp_ = ended = true;
            }
        }
    }
    if (!ended)
        data += dataEnd();
    data.markDataPhase();
    out.append(data);
    return {true, true, {}};
}

PhoneModel::Result PhoneModel::objectDelete(std::string_view arg)
{
    const auto hex = quotedArgument(arg);
    if (!hex)
        return cmeError(kCmeIncorrectParameters);
    const auto name = fromHexUcs2(*hex);
    try {
        if (!name || !store_.remove(*name))
            return phoneError(phone_error::kNotFound);
    } catch (const std::exception &) {
        return phoneError(phone_error::kStorageFailure);
    }
    return {};
}

Output PhoneModel::leaveDataMode(bool sending)
{
    if (sending)
        wedged_ = false;
    if (!incoming_ || hungUp_)
        return {};
    if (incoming_->kind != Incoming::Kpsw)
        session_ = {}; // a modem leaving the data mode ends the call it was in
    incoming_.reset();
    readStalled_ = false;
    return kNoCarrier;
}

std::string PhoneModel::dataEnd() const
{
    switch (options_.dataEnd) {
    case DataEnd::NoCarrier: return kNoCarrier;
    case DataEnd::Nothing: return {};
    case DataEnd::OkOnly: return kOk;
    }
    return kNoCarrier;
}

bool PhoneModel::packageForm() const
{
    return protocolNumber(options_.protocolVersion) >= 201;
}

// Line noise in a data phase: flips the bits of about one byte in
// dataNoiseInterval, at places drawn from the seeded generator. bytes from
// `from` on are the data bytes counted from dataCount_.
void PhoneModel::garble(std::string &bytes, size_t from)
{
    if (options_.dataNoiseInterval == 0)
        return;
    const size_t end = dataCount_ + (bytes.size() - from);
    while (nextGarbled_ < end) {
        if (nextGarbled_ >= dataCount_)
            bytes[from + (nextGarbled_ - dataCount_)] ^= static_cast<char>(1 + dataNoise_() % 255);
        nextGarbled_ += 1 + dataNoise_() % (2 * options_.dataNoiseInterval);
    }
}

// Frames are 02 LEN <LEN bytes> CHK 03; the still query carries one more
// byte, a trailing 00, which the phone waits for before it answers.
size_t PhoneModel::frameLength() const
{
    if (frame_.size() < 2)
        return std::numeric_limits<size_t>::max();
    const size_t length = static_cast<unsigned char>(frame_[1]) + 4u;
    if (length == 8 && frame_.size() >= 6 && static_cast<unsigned char>(frame_[5]) == kStillCommand)
        return 9;
    return length;
}

std::string PhoneModel::answerFrame(const std::string &f)
{
    if (options_.noBinaryFrame || options_.incompatibleModem)
        return {};
    // Only the two requests the phone knows, and only intact: a bad check
    // byte or end byte gets no answer, as on the real link.
    const bool wellFormed = f.size() >= 8 && f[1] == 0x04 && f[2] == '\xD2' && f[3] == 0x05 && f[4] == 0x00 &&
                            static_cast<unsigned char>(f[6]) == xorOf(std::string_view(f).substr(0, 6)) &&
                            f[7] == kEtx;
    if (!wellFormed)
        return {};
    const auto command = static_cast<unsigned char>(f[5]);
    faultDue(command == kStillCommand ? "still" : command == kIdentifyCommand ? "identify" : "");
    std::string prefix = options_.garbageBetweenReplies ? noise() : std::string();
    if (command == kIdentifyCommand && f.size() == 8) {
        std::string payload = "5" + options_.model + '\0' + options_.identification + '\0';
        return prefix + shortFrame(payload);
    }
    if (command == kStillCommand && f.size() == 9 && f[8] == 0x00) {
        std::string imei = options_.imei;
        if (options_.wrongStillImei)
            imei[14] = static_cast<char>('0' + (imei[14] - '0' + 1) % 10);
        return prefix + shortFrame(static_cast<char>(kStillCommand) + packedImei(imei));
    }
    return {};
}

// Line noise: control and printable bytes, never 02 (it would open a frame)
// and never CR or LF, so the noise spoils the start of a reply instead of
// inventing lines of its own.
std::string PhoneModel::noise()
{
    std::string out;
    const int count = 1 + static_cast<int>(noise_() % 4);
    while (static_cast<int>(out.size()) < count) {
        const char c = static_cast<char>(noise_() % 0x7F);
        if (c != kStx && c != '\r' && c != '\n')
            out += c;
    }
    return out;
}

void PhoneModel::limitOutput(Output &out)
{
    if (options_.hangupAfterBytes >= 0) {
        const auto limit = static_cast<size_t>(options_.hangupAfterBytes);
        const size_t budget = limit > sent_ ? limit - sent_ : 0;
        if (out.size() > 0 && out.size() >= budget) {
            out.truncate(budget);
            hungUp_ = true;
        }
    }
    sent_ += out.size();
}

std::string hexBytes(std::string_view bytes)
{
    std::string out;
    char hex[4];
    for (char c : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(c));
        if (!out.empty())
            out += ' ';
        out += hex;
    }
    return out;
}

std::string printable(std::string_view bytes)
{
    std::string out;
    char hex[8];
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (u < 0x20 || u >= 0x7F) {
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        } else
            out += c;
    }
    return out;
}


bool PhoneModel::faultDue(std::string_view command)
{
    if (!options_.fault || command.empty() || command != options_.fault->command)
        return false;
    if (++faultCount_ != options_.fault->occurrence)
        return false;
    faultArmed_ = true;
    return true;
}

// Where in a reply its phase falls. A data phase the PC sends is the
// model's to watch: the fault waits for it.
void PhoneModel::injectReplyFault(Output &reply)
{
    const ExchangeFault &fault = *options_.fault;
    const std::string text = reply.str();
    const size_t connect = text.find("CONNECT\r\n");
    // The closing line: "\r\nNO CARRIER\r\n", "\r\nOK\r\n" or the error.
    const size_t closing = text.size() >= 4 ? text.rfind("\r\n", text.size() - 3) : 0;
    const bool pcSends = incoming_.has_value();
    size_t at = 0;
    switch (fault.phase) {
    case FaultPhase::BeforeReply:
        break;
    case FaultPhase::InConnect:
        if (connect == std::string::npos)
            return;
        at = connect + 3;
        break;
    case FaultPhase::InData:
        if (pcSends) {
            incomingFault_ = fault.phase;
            return;
        }
        if (connect != std::string::npos)
            at = (connect + 9 + closing) / 2;
        else
            at = closing > 0 ? closing / 2 : text.size() / 2;
        break;
    case FaultPhase::BeforeEnd:
        if (pcSends) {
            incomingFault_ = fault.phase;
            return;
        }
        at = closing;
        break;
    }
    injectFault(reply, at);
}

void PhoneModel::injectFault(Output &reply, size_t at)
{
    const ExchangeFault &fault = *options_.fault;
    switch (fault.kind) {
    case FaultKind::Cut:
        reply.truncate(at);
        incoming_.reset();
        hungUp_ = true;
        break;
    case FaultKind::Stall:
        reply.insertPause(at, fault.stallMs);
        break;
    case FaultKind::Noise:
        reply.insertBytes(at, noise());
        break;
    }
}

// Half of the PC's data is in: the phone hangs up there, stops reading for
// the stall, or sends noise while the PC goes on.
size_t PhoneModel::faultInIncoming(std::string_view bytes, Output &out)
{
    incomingFault_.reset();
    Incoming &in = *incoming_;
    const size_t n = in.expected / 2 - std::min(in.expected / 2, in.bytes.size());
    in.bytes.append(bytes.substr(0, n));
    dataCount_ += n;
    switch (options_.fault->kind) {
    case FaultKind::Cut:
        hungUp_ = true;
        incoming_.reset();
        return bytes.size();
    case FaultKind::Stall:
        readStalled_ = true;
        stallMs_ = options_.fault->stallMs;
        return n;
    case FaultKind::Noise:
        out += noise();
        return n;
    }
    return n;
}

} // namespace phonesim
