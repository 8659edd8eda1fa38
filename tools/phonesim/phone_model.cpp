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

// The +KPSCAP keywords and the list of options each one reports.
struct Category {
    std::string_view keyword;
    std::vector<std::string> PhoneOptions::*formats;
};
constexpr Category kCategories[] = {
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
    for (const Category &category : kCategories)
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

} // namespace

const std::vector<std::string> *capabilityFormats(const PhoneOptions &options, std::string_view keyword)
{
    for (const Category &category : kCategories)
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
    return validateForcedErrors(o);
}

PhoneModel::PhoneModel(PhoneOptions options)
    : options_(std::move(options)), speed_(options_.listenSpeed), echo_(options_.echo), noise_(options_.noiseSeed)
{
    if (auto error = validate(options_); !error.empty())
        throw std::invalid_argument(error);
}

std::string PhoneModel::receive(std::string_view bytes, uint32_t pcLineSpeed, std::vector<Exchange> *log)
{
    if (hungUp_ || bytes.empty())
        return {};
    if (options_.silent) {
        if (log)
            log->push_back({std::string(bytes), {}, "silent"});
        return {};
    }
    std::string out;
    for (size_t i = 0; i < bytes.size(); ++i) {
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
            break;
        }
        takeByte(bytes[i], out, log);
    }
    out = limitOutput(std::move(out));
    if (hungUp_ && log)
        log->push_back({{}, {}, "hung up after " + std::to_string(sent_) + " bytes"});
    return out;
}

void PhoneModel::takeByte(char c, std::string &out, std::vector<Exchange> *log)
{
    if (inFrame_) {
        frame_ += c;
        if (frame_.size() == frameLength()) {
            const std::string answer = answerFrame(frame_);
            if (log)
                log->push_back({frame_, answer, answer.empty() ? "frame ignored" : ""});
            out += answer;
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
        const std::string answer = answerLine(line_);
        if (log)
            log->push_back({line_ + '\r', answer, {}});
        out += answer;
        line_.clear();
        return;
    }
    if (c == '\n' && line_.empty())
        return;
    if (line_.size() < kMaxLine)
        line_ += c;
}

std::string PhoneModel::answerLine(const std::string &line)
{
    std::string out = echo_ ? line + '\r' : std::string();
    if (line.empty())
        return out;
    std::string reply;
    if (options_.incompatibleModem)
        reply = upper(line) == "AT" ? kOk : kError;
    else if (line.size() < 2 || upper(line.substr(0, 2)) != "AT")
        reply = kError;
    else
        reply = runCommands(std::string_view(line).substr(2));
    if (options_.garbageBetweenReplies)
        out += noise();
    return out + reply;
}

std::string PhoneModel::runCommands(std::string_view body)
{
    std::string out;
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
            result = {false, kError};
        }
        if (!result.ok) {
            // A failed line changes no speed, even when its AT+KIPR part passed.
            pendingSpeed_ = 0;
            return out + result.final;
        }
        if (!result.final.empty()) {
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
    return out + final;
}

PhoneModel::Result PhoneModel::runExtended(std::string_view command, std::string &out)
{
    const size_t split = std::min(command.find_first_of("=?"), command.size());
    const std::string name = upper(command.substr(0, split));
    const std::string_view arg = command.substr(split);
    const Result fail{false, kError};

    // Before anything else: the forced answer replaces the command whatever
    // its argument, and whatever +CMEE says.
    if (auto forced = options_.forcedErrors.find(name); forced != options_.forcedErrors.end())
        return {false, infoLine(forced->second)};
    if (name == "+KPSCAP")
        return capabilityQuery(arg, out);
    if (name == "+CMEE") {
        const long mode = arg.size() > 1 && arg[0] == '=' ? number(arg.substr(1)) : -1;
        if (mode != 0 && mode != 1)
            return fail; // verbose error texts (mode 2) are not simulated
        cmee_ = static_cast<int>(mode);
        return {};
    }
    if (name == "+KIPR") {
        const long rate = arg.size() > 1 && arg[0] == '=' ? number(arg.substr(1)) : -1;
        if (rate < 0 || !isStandardSpeed(static_cast<uint32_t>(rate)))
            return fail;
        pendingSpeed_ = static_cast<uint32_t>(rate);
        return {};
    }
    if (name == "+CPIN" && arg == "?")
        return simQuery(out);
    if (name == "+KDOBJ" && arg == "?") {
        if (options_.legacyDownloadVersion < 0)
            return fail;
        out += infoLine("+KDOBJ: " + std::to_string(options_.legacyDownloadVersion));
        return {};
    }
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
    return {false, kError};
}

PhoneModel::Result PhoneModel::cmeError(int code) const
{
    if (cmee_ == 0)
        return {false, kError};
    return {false, infoLine("+CME ERROR: " + std::to_string(code))};
}

PhoneModel::Result PhoneModel::simQuery(std::string &out) const
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
PhoneModel::Result PhoneModel::imsiQuery(std::string &out) const
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
PhoneModel::Result PhoneModel::capabilityQuery(std::string_view arg, std::string &out) const
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
    out += data;
    return {true, infoLine("NO CARRIER")};
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

std::string PhoneModel::limitOutput(std::string out)
{
    if (options_.hangupAfterBytes >= 0) {
        const auto limit = static_cast<size_t>(options_.hangupAfterBytes);
        const size_t budget = limit > sent_ ? limit - sent_ : 0;
        if (!out.empty() && out.size() >= budget) {
            out.resize(budget);
            hungUp_ = true;
        }
    }
    sent_ += out.size();
    return out;
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

} // namespace phonesim
