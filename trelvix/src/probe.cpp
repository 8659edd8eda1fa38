// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The probe of one port. The order of the steps, their codes and their
// time constants are what phones of this family expect; keep them.

#include "probe.h"

#include "detection_run.h"

#include <cstring>
#include <string_view>

namespace trelvix {

namespace {

constexpr uint32_t kKeepEachPass = 0xFC0000C1;
constexpr uint32_t kSpeeds[] = {115200, 19200, 4800, 57600, 9600, 38400, 2400, 1200};
constexpr int kSpeedCount = 8;
constexpr int kIndexOf57600 = 3;
constexpr uint8_t kIdentifyFrame[] = {0x02, 0x04, 0xD2, 0x05, 0x00, 0x23, 0xF2, 0x03};

bool startsWith(const char *text, std::string_view prefix)
{
    return std::string_view(text).starts_with(prefix);
}

bool isOk(const char *line)
{
    return !strcmp(line, "OK") || !strcmp(line, "0");
}

bool isError(const char *line)
{
    return !strcmp(line, "ERROR") || !strcmp(line, "4");
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int readTimeoutFor(uint32_t speed)
{
    return static_cast<int>(460800 / speed + 300);
}

} // namespace

Prober::Prober(std::shared_ptr<DetectionRun> run, std::string devicePath, std::string displayName,
               std::string stableName, uint32_t flags)
    : run_(std::move(run)), devicePath_(std::move(devicePath)), displayName_(std::move(displayName)),
      stableName_(std::move(stableName))
{
    record_.flags = flags;
    record_.statusCallback = run_->callback;
    record_.lineSettings = {115200, 8, TRELVIX_PARITY_NONE, 1, 0, 0, TRELVIX_DTR_ON, TRELVIX_RTS_HANDSHAKE, 0};
}

// Reports a status; true when the callback answered stop (detection is then
// finished and this probe must end).
bool Prober::report(int code)
{
    refreshRecord();
    if (run_->callback(code, &record_) == 0)
        return false;
    stopped_ = true;
    finish();
    return true;
}

// The record's texts point into this prober's strings, which may have moved
// since the last report.
void Prober::refreshRecord()
{
    record_.displayName = displayName_.c_str();
    record_.devicePath = devicePath_.c_str();
    record_.stableName = stableName_.c_str();
    record_.port = port_.get();
    record_.model = model_.c_str();
    record_.identification = identification_.c_str();
    record_.imei = imei_.c_str();
    record_.manufacturer = manufacturer_.c_str();
    record_.imsi = imsi_.c_str();
    record_.frameData = frame_.data();
    record_.frameLength = static_cast<int32_t>(frame_.size());
}

bool Prober::pause(int ms)
{
    wake_.wait(std::chrono::milliseconds(ms));
    return active();
}

// Probing goes on until a stop, or until the port is gone.
bool Prober::active() const
{
    return !stopped_ && run_->running() && !(flags() & TRELVIX_FLAG_REMOVED);
}

void Prober::run()
{
    if ((flags() & TRELVIX_FLAG_DELAY_INFRARED) && (flags() & TRELVIX_FLAG_INFRARED)) {
        wake_.wait(std::chrono::milliseconds(10000));
        run_->clearStartFlags(TRELVIX_FLAG_DELAY_INFRARED);
    }
    if (report(TRELVIX_STATUS_CHECKING))
        return;
    for (;;) {
        clearFlags(~kKeepEachPass);
        probe();
        closePort();
        if (leaveLoop())
            return;
        wake_.wait(std::chrono::milliseconds(500));
        // A stop or a removal during the pause ends the loop before another pass.
        if (leaveLoop())
            return;
    }
}

// True when the port thread is done: the phone was accepted, detection was
// stopped or is not continuous, or the port went away (which is reported).
bool Prober::leaveLoop()
{
    if (flags() & TRELVIX_FLAG_REMOVED) {
        if (!stopped_)
            report(TRELVIX_STATUS_PORT_REMOVED);
        return true;
    }
    return stopped_ || (flags() & TRELVIX_FLAG_ACCEPTED) || !(flags() & TRELVIX_FLAG_CONTINUOUS);
}

void Prober::adoptPort(std::unique_ptr<Port> port)
{
    port_ = std::move(port);
}

void Prober::closePort()
{
    port_.reset();
    record_.line = 0;
}

void Prober::probe()
{
    record_.line = 0;
    openPort();
    if (!port_)
        return;
    configure();
    if (flags() & TRELVIX_FLAG_WAKE_UP)
        wakeUpHandshake();
    else if (flags() & TRELVIX_FLAG_SINGLE_BYTE)
        singleByteHandshake();
    else
        atProbe();
}

void Prober::openPort()
{
    OpenResult opened = run_->open(devicePath_);
    if (opened.port) {
        port_ = std::move(opened.port);
        return;
    }
    // No telephony service holds ports on Linux, so a busy port stays busy;
    // permission problems get the "unable to access" code with its own text.
    switch (opened.error) {
    case OpenError::NotFound: report(TRELVIX_STATUS_NO_PORT); break;
    case OpenError::Busy: report(TRELVIX_STATUS_PORT_BUSY); break;
    default: report(TRELVIX_STATUS_PORT_ERROR); break;
    }
}

// 115200 8N1, DTR on, RTS handshake; CTS flow only for this first setting,
// every later speed change goes without it.
void Prober::configure()
{
    port_->setBreak(false);
    TrelvixLineSettings &s = record_.lineSettings;
    s = {115200, 8, TRELVIX_PARITY_NONE, 1, 1, 0, TRELVIX_DTR_ON, TRELVIX_RTS_HANDSHAKE, 0};
    port_->applySettings(s);
    s.ctsOutFlow = 0;
}

void Prober::applyLine()
{
    port_->applySettings(record_.lineSettings);
}

void Prober::setTimeouts(int readMs, int writeMs)
{
    if (flags() & TRELVIX_FLAG_INFRARED) {
        readMs *= 2;
        writeMs = 2000;
    }
    port_->setTimeouts({readMs, writeMs});
}

bool Prober::send(const void *data, size_t n)
{
    return ModemSend(port_.get(), data, static_cast<int>(n)) == 1;
}

bool Prober::send(const char *text)
{
    return send(text, strlen(text));
}

int Prober::recv(char *buffer, int capacity, int *length)
{
    return ModemRecv(port_.get(), buffer, capacity, length);
}

bool Prober::recvLine(char *buffer, int capacity)
{
    return recv(buffer, capacity) == TRELVIX_UNIT_LINE;
}

// A usable identification reply: '5', two zero-terminated texts; the
// identification is the second.
bool Prober::takeIdentification(const char *frame, int length)
{
    if (length <= 4 || frame[0] != '5' || frame[length - 1] != '\0')
        return false;
    const void *firstZero = memchr(frame, '\0', static_cast<size_t>(length - 1));
    if (!firstZero)
        return false;
    const char *second = static_cast<const char *>(firstZero) + 1;
    identification_.assign(second, static_cast<size_t>(frame + length - 1 - second));
    return true;
}

void Prober::atProbe()
{
    const bool infrared = flags() & TRELVIX_FLAG_INFRARED;
    for (int index = 0; active() && index < kSpeedCount; ++index) {
        const uint32_t speed = infrared ? 115200 : kSpeeds[index];
        record_.lineSettings.speed = speed;
        if (report(TRELVIX_STATUS_SPEED))
            return;
        applyLine();
        port_->purge(kPurgeAll);
        setTimeouts(readTimeoutFor(speed), 1000);
        if (infrared && index == 0 && !pause(2500))
            return;
        if (index == 0) {
            if (!pause(200))
                return;
            identification_.clear();
            if (speedSwitch())
                return;
        }
        if (!send(kIdentifyFrame, sizeof kIdentifyFrame)) {
            report(TRELVIX_STATUS_UNIDENTIFIED);
            return;
        }
        if (speed == 57600 && !pause(100))
            return;
        for (int tries = 0;;) {
            char unit[64];
            int length = 0;
            const int kind = recv(unit, sizeof unit, &length);
            if (kind == TRELVIX_UNIT_NONE)
                break;
            if (kind == TRELVIX_UNIT_TIME_LIMIT) {
                index = kIndexOf57600 - 1;
                break;
            }
            if (kind == TRELVIX_UNIT_LONG_FRAME) {
                frame_.assign(unit, static_cast<size_t>(length));
                if (report(TRELVIX_STATUS_LONG_FRAME) || !pause(10))
                    return;
                continue;
            }
            if (kind == TRELVIX_UNIT_SHORT_FRAME && takeIdentification(unit, length)) {
                if (!speedSwitch()) {
                    frame_.assign(unit, static_cast<size_t>(length));
                    report(TRELVIX_STATUS_BAD_FRAME);
                }
                return;
            }
            if (++tries >= 4) {
                index = kIndexOf57600 - 1;
                break;
            }
        }
    }
    if (active())
        lineAnalysis();
}

// Switches the phone and the port to 115200 bps; true when it dealt with
// the port (the probe then ends).
bool Prober::speedSwitch()
{
    if (!send("AT+KIPR=115200\r")) {
        report(TRELVIX_STATUS_UNIDENTIFIED);
        return true;
    }
    char line[64];
    if (!recvLine(line, sizeof line))
        return false;
    if (!strcmp(line, "AT+KIPR=115200") && !recvLine(line, sizeof line))
        return false;
    if (isError(line)) {
        report(TRELVIX_STATUS_INCOMPATIBLE);
        return true;
    }
    if (!isOk(line))
        return false;
    if (report(TRELVIX_STATUS_MODEM_FOUND))
        return true;
    record_.lineSettings.speed = 115200;
    applyLine();
    setTimeouts(304, 1000);
    if (identification_.empty()) {
        if (!pause(50))
            return true;
        char unit[64];
        int length = 0;
        if (!send(kIdentifyFrame, sizeof kIdentifyFrame) || recv(unit, sizeof unit, &length) != TRELVIX_UNIT_SHORT_FRAME ||
            !takeIdentification(unit, length)) {
            report(TRELVIX_STATUS_UNIDENTIFIED);
            return true;
        }
    }
    identify();
    return true;
}

void Prober::identify()
{
    port_->purge(kPurgeAll);
    if (!send("AT+CMEE=1;+CGMI;+CGMM;+CGSN;+KDOBJ?\r")) {
        report(TRELVIX_STATUS_UNIDENTIFIED);
        return;
    }
    char line[128];
    bool ok = recvLine(line, 64);
    if (ok && startsWith(line, "AT"))
        ok = recvLine(line, 64);
    ok = ok && startsWith(line, "+CGMI: ");
    if (ok)
        manufacturer_ = line + 7;
    ok = ok && recvLine(line, 128) && startsWith(line, "+CGMM: ");
    if (ok)
        model_ = line + 7;
    ok = ok && recvLine(line, 32) && isDigit(line[0]) && strlen(line) == 15;
    if (!ok) {
        report(TRELVIX_STATUS_INCOMPATIBLE);
        return;
    }
    imei_ = line;
    if (report(TRELVIX_STATUS_IDENTIFIED))
        return;
    if (!recvLine(line, 128)) {
        report(TRELVIX_STATUS_INCOMPATIBLE);
        return;
    }
    if (startsWith(line, "+KDOBJ: ")) {
        setFlags(TRELVIX_FLAG_LEGACY_DOWNLOAD);
        record_.legacyDownloadVersion = static_cast<int32_t>(strtol(line + 8, nullptr, 10));
        if (!recvLine(line, 128) || !isOk(line)) {
            report(TRELVIX_STATUS_INCOMPATIBLE);
            return;
        }
    } else if (isError(line)) {
        clearFlags(TRELVIX_FLAG_LEGACY_DOWNLOAD);
        record_.legacyDownloadVersion = 0;
    }
    checkSim();
}

void Prober::checkSim()
{
    if (!pause(50))
        return;
    port_->purge(kPurgeAll);
    if (!send("AT+CPIN?;+CIMI;E0V1&K3\r")) {
        report(TRELVIX_STATUS_UNIDENTIFIED);
        return;
    }
    char line[128];
    bool found = false;
    for (int units = 0; units < 6 && !found; ++units) {
        const int kind = recv(line, sizeof line);
        found = kind == TRELVIX_UNIT_LINE && !startsWith(line, "AT");
    }
    if (!found) {
        report(TRELVIX_STATUS_INCOMPATIBLE);
        return;
    }
    if (startsWith(line, "+CPIN: ")) {
        const std::string_view state(line + 7);
        if (state == "READY") {
            record_.simState = 0;
            if (!recvLine(line, 32) || !isDigit(line[0])) {
                report(TRELVIX_STATUS_INCOMPATIBLE);
                return;
            }
            imsi_ = line;
            if (!recvLine(line, 128) || strcmp(line, "OK") != 0) {
                report(TRELVIX_STATUS_INCOMPATIBLE);
                return;
            }
            phoneReady();
            return;
        }
        record_.simState = state == "PH-SIM PIN" ? 2 : state == "PH-NET PIN" ? 3 : 1;
        report(TRELVIX_STATUS_SIM_LOCKED);
        return;
    }
    // A numeric result or a busy SIM: the next pass tries again.
    if (isDigit(line[0]) || !strcmp(line, "+CME ERROR: 14"))
        return;
    report(!strcmp(line, "+CME ERROR: 10") ? TRELVIX_STATUS_NO_SIM : TRELVIX_STATUS_INCOMPATIBLE);
}

// Output flow control follows the lines the phone holds up.
void Prober::applyFlowFromLines()
{
    const uint32_t lines = port_->modemStatus().value_or(0);
    if (lines & kLineCts)
        record_.lineSettings.ctsOutFlow = 1;
    if (lines & kLineDsr)
        record_.lineSettings.dsrOutFlow = 1;
    applyLine();
    port_->purge(kPurgeAll);
}

void Prober::phoneReady()
{
    applyFlowFromLines();
    if (flags() & TRELVIX_FLAG_HAND_OVER) {
        refreshRecord();
        if (run_->callback(TRELVIX_STATUS_READY, &record_) != 0) {
            port_.release(); // the application owns it now
            record_.port = nullptr;
            setFlags(TRELVIX_FLAG_ACCEPTED);
            run_->stop();
        }
        return;
    }
    closePort();
    if (report(TRELVIX_STATUS_READY))
        setFlags(TRELVIX_FLAG_ACCEPTED);
}

void Prober::finish()
{
    if ((flags() & TRELVIX_FLAG_ACCEPTED) && port_) {
        applyFlowFromLines();
        if (flags() & TRELVIX_FLAG_HAND_OVER)
            port_.release();
        else
            closePort();
    }
    run_->stop();
}

void Prober::singleByteHandshake()
{
    record_.lineSettings.speed = 57600;
    applyLine();
    port_->setTimeouts({9, 1000});
    while (flags() & TRELVIX_FLAG_CONTINUOUS) {
        IoResult w = port_->write("U", 1, nullptr);
        if (w.status == IoResult::Hangup || w.status == IoResult::Failed)
            return;
        uint8_t byte;
        if (port_->read(&byte, 1, nullptr).status != IoResult::Ok)
            continue;
        model_.assign(1, static_cast<char>(byte));
        if ((byte & 0xFE) == 0xB0 || (byte & 0xFE) == 0xC0) {
            port_->setTimeouts({308, 1000});
            phoneReady();
            return;
        }
    }
}

void Prober::wakeUpHandshake()
{
    static const uint8_t kWake[] = {0x3A, 0x6E, 0x91, 0xD4, 0x27, 0xB8};
    record_.lineSettings.speed = 115200;
    applyLine();
    port_->setTimeouts({30, 1000});
    port_->write("\0", 1, nullptr);
    while (flags() & TRELVIX_FLAG_CONTINUOUS) {
        if (report(TRELVIX_STATUS_SPEED))
            return;
        for (int attempt = 0; attempt < 4; ++attempt) {
            IoResult w = attempt == 0 ? port_->write("\x14", 1, nullptr) : port_->write(kWake, sizeof kWake, nullptr);
            if (w.status == IoResult::Hangup || w.status == IoResult::Failed)
                return;
            uint8_t byte;
            if (port_->read(&byte, 1, nullptr).status == IoResult::Ok && byte == 0xAA) {
                port_->setTimeouts({readTimeoutFor(record_.lineSettings.speed), 1000});
                phoneReady();
                return;
            }
        }
        record_.lineSettings.speed = record_.lineSettings.speed == 115200 ? 9600 : 115200;
        applyLine();
        port_->purge(kPurgeAll);
    }
}

// With no answer at any speed, the control lines tell what is (or is not)
// on the port.
void Prober::lineAnalysis()
{
    const auto status = port_->modemStatus();
    if (!status) {
        // A port without control lines (a pty, some adapters) cannot be
        // analysed: all that is known is that nothing answered.
        report(TRELVIX_STATUS_SILENT);
        return;
    }
    const uint32_t lines = *status & (kLineCts | kLineDsr | kLineRing | kLineDcd);
    if (lines & (kLineRing | kLineDcd)) {
        report(TRELVIX_STATUS_LINES_RING);
    } else if (lines == (kLineCts | kLineDsr)) {
        if (!report(TRELVIX_STATUS_LINES_CTS_DSR))
            analyseHandshakeLines();
    } else if (lines == kLineDsr) {
        report(TRELVIX_STATUS_LINES_DSR);
    } else if (lines == 0) {
        report(TRELVIX_STATUS_LINES_NONE);
    } else {
        report(TRELVIX_STATUS_LINES_OTHER);
    }
}

// CTS and DSR both up: drop RTS, then DTR, and watch which lines follow.
void Prober::analyseHandshakeLines()
{
    constexpr uint32_t kBoth = kLineCts | kLineDsr;
    auto linesNow = [this] {
        return port_->modemStatus().value_or(0) & (kBoth | kLineRing | kLineDcd);
    };
    TrelvixLineSettings copy = port_->settings();
    copy.rtsControl = TRELVIX_RTS_OFF;
    port_->applySettings(copy);
    pause(300);
    uint32_t lines = linesNow();
    int code = TRELVIX_STATUS_LINES_OTHER;
    if (lines & (kLineRing | kLineDcd)) {
        code = TRELVIX_STATUS_LINES_RING;
    } else if (lines == kLineDsr) {
        code = TRELVIX_STATUS_LINES_DSR_NO_RTS;
    } else if (lines == kBoth) {
        port_->setDtr(false);
        pause(300);
        lines = linesNow();
        if (lines & (kLineRing | kLineDcd))
            code = TRELVIX_STATUS_LINES_RING;
        else if (lines == kLineCts)
            code = TRELVIX_STATUS_LINES_CTS_NO_DTR;
        else if (lines == kLineDsr)
            code = TRELVIX_STATUS_LINES_OTHER;
        else if (lines == 0) {
            setFlags(TRELVIX_FLAG_NO_LINES);
            code = TRELVIX_STATUS_SILENT;
        } else
            code = TRELVIX_STATUS_SILENT;
    }
    if (report(code))
        return;
    port_->setRts(true);
    copy.rtsControl = TRELVIX_RTS_HANDSHAKE;
    port_->applySettings(copy);
}

} // namespace trelvix
