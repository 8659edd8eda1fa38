// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// The ports detection would probe, as the command line can tell them: the
// library lists its candidates only to its own threads, so this reads the
// same sources (TRELVIX_PORTS, the machine's ttys in sysfs with their
// /dev/serial/by-id names, TRELVIX_EXTRA_PORTS) the same way. Nothing is
// opened.
#pragma once

#include <string>
#include <vector>

namespace quillora::cli {

enum class PortKind { Ordinary, Uart, UsbSerial, PhoneUsb, Bluetooth, Infrared };
enum class PortSource { Machine, PortsVariable, ExtraVariable };

struct CandidatePort {
    std::string path;       // "/dev/ttyUSB0"
    PortKind kind = PortKind::Ordinary;
    std::string stableName; // the by-id link or the USB product; may be empty
    PortSource source = PortSource::Machine;
};

struct PortListingInput {
    std::string sysfsRoot = "/sys";
    std::string devRoot = "/dev";
    std::string ports;      // TRELVIX_PORTS
    std::string extraPorts; // TRELVIX_EXTRA_PORTS
};

// The input with the two variables from the environment.
PortListingInput PortListingFromEnvironment();

// In probing order; each path once.
std::vector<CandidatePort> ListCandidatePorts(const PortListingInput &input);

const char *KindName(PortKind kind);     // "uart", "usb-serial", "phone-usb", ...
const char *SourceName(PortSource source); // "machine", "TRELVIX_PORTS", ...

} // namespace quillora::cli
