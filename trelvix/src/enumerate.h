// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// The list of serial ports that detection probes.

#include <cstdint>
#include <string>
#include <vector>

namespace trelvix {

inline constexpr uint32_t kKindInfrared = 0x01;
inline constexpr uint32_t kKindPhoneUsb = 0xC0; // a phone's own USB port (CDC ACM)

struct PortCandidate {
    std::string devicePath; // "/dev/ttyUSB0"
    uint32_t kind = 0;      // kKind* flags; 0 for an ordinary serial port
    std::string stableName; // "/dev/serial/by-id/..." or the USB product text; may be empty
};

// Keeps each device path once, in the order of first appearance.
class CandidateList {
public:
    // Adds the path, or replaces the kind flags of the entry already there.
    void add(const std::string &path, uint32_t kind, const std::string &stableName = {});
    // Adds the path only when it is not in the list yet.
    void addIfAbsent(const std::string &path, uint32_t kind, const std::string &stableName = {});
    const std::vector<PortCandidate> &entries() const { return entries_; }

private:
    PortCandidate *find(const std::string &path);
    std::vector<PortCandidate> entries_;
};

struct EnumerateOptions {
    std::string sysfsRoot = "/sys"; // tests pass a fake tree
    std::string devRoot = "/dev";
    // When set (normally from the environment) these replace / extend the
    // enumeration: colon-separated "path[=kind]" entries, kind in C notation.
    std::string portsOverride;      // TRELVIX_PORTS
    std::string extraPorts;         // TRELVIX_EXTRA_PORTS
    bool useEnvironment = true;     // read the two variables above from the environment
};

// Lists the machine's candidate ports: real UARTs (ttyS*, ttyAMA*), USB
// serial adapters (ttyUSB*), phones' own USB ports (ttyACM*, kKindPhoneUsb),
// bound Bluetooth ports (rfcomm*) and, unless skipInfrared, IrDA ports
// (ircomm*, kKindInfrared). Never fails; may be empty.
std::vector<PortCandidate> enumeratePorts(bool skipInfrared, const EnumerateOptions &options = {});

} // namespace trelvix
