// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// The port interface every part of the library talks to. The POSIX
// implementation (port_posix.cpp) is the only code with termios and ioctls;
// tests use pseudo-terminals through it, and an in-process fake port
// (fake_port.h) for what a pty cannot do: control lines, line errors,
// scripted failures.

#include "trelvix.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace trelvix {

class Event;

// Modem status bits, as the detection logic names them.
inline constexpr uint32_t kLineCts = 0x10;
inline constexpr uint32_t kLineDsr = 0x20;
inline constexpr uint32_t kLineRing = 0x40;
inline constexpr uint32_t kLineDcd = 0x80;

inline constexpr unsigned kPurgeRx = 1;
inline constexpr unsigned kPurgeTx = 2;
inline constexpr unsigned kPurgeAll = kPurgeRx | kPurgeTx;

struct Timeouts {
    // How long a read waits for its first byte; once a byte is there the read
    // returns what is available at once. 0 returns at once.
    int readTotalMs = 1000;
    // How long a write may take in all; 0 means no limit.
    int writeTotalMs = 0;
};

struct IoResult {
    enum Status {
        Ok,       // count bytes moved (a read: at least 1)
        TimedOut, // the time-out passed; count bytes were moved before it
        Stopped,  // the stop event was set
        Hangup,   // the far end went away (end of file, EIO, POLLHUP)
        Failed,   // any other error; err holds errno
    };
    Status status = Failed;
    size_t count = 0;
    int err = 0;
};

// Result of opening a device, in the terms the detection status codes use.
enum class OpenError {
    None,
    NotFound, // ENOENT, ENODEV, ENXIO: nothing there
    Busy,     // another program holds the port
    Denied,   // EACCES/EPERM: the user lacks permission on the device
    Other,
};

OpenError openErrorFromErrno(int err);

} // namespace trelvix

// The public header's opaque port type is this interface.
struct TrelvixPort {
    virtual ~TrelvixPort() = default;

    virtual bool applySettings(const TrelvixLineSettings &settings) = 0;
    virtual TrelvixLineSettings settings() const = 0;
    virtual void setTimeouts(const trelvix::Timeouts &timeouts) = 0;
    virtual trelvix::Timeouts timeouts() const = 0;

    // Reads up to n bytes (see Timeouts). A set stop event ends the wait.
    virtual trelvix::IoResult read(void *buffer, size_t n, const trelvix::Event *stop) = 0;
    // Writes all n bytes unless the write time-out passes or stop is set.
    virtual trelvix::IoResult write(const void *data, size_t n, const trelvix::Event *stop) = 0;

    virtual void purge(unsigned what) = 0;
    // Bytes still waiting in the output queue (0 where the device cannot tell).
    virtual int outputQueue() = 0;
    // Waits until the output queue is empty, at most timeoutMs; true when it is.
    virtual bool drain(int timeoutMs) = 0;
    // Modem status lines (trelvix::kLine* bits); empty when the device has no
    // control lines (a pseudo-terminal, some USB adapters).
    virtual std::optional<uint32_t> modemStatus() = 0;
    virtual bool setDtr(bool on) = 0;
    virtual bool setRts(bool on) = 0;
    virtual bool setBreak(bool on) = 0;
    // Line errors (TRELVIX_CE_* bits) since the last call.
    virtual uint32_t takeLineErrors() = 0;
};

namespace trelvix {

using Port = ::TrelvixPort;

struct OpenResult {
    std::unique_ptr<Port> port;
    OpenError error = OpenError::None;
    int err = 0; // errno of the failure
};

// Opens a serial device for exclusive use and puts it in raw mode at 115200
// 8N1 with no flow control.
OpenResult openPosixPort(const std::string &path);
// Takes over an already open descriptor (a pty in tests), made non-blocking;
// it is closed with the port.
std::unique_ptr<Port> adoptPosixPort(int fd);

} // namespace trelvix
