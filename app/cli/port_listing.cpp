// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "port_listing.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string_view>

namespace quillora::cli {

namespace fs = std::filesystem;

namespace {

// The kind bits of a "path=kind" entry, as the library reads them.
constexpr unsigned long kKindInfrared = 0x01;
constexpr unsigned long kKindPhoneUsb = 0xC0;

struct Family {
    std::string_view prefix;
    PortKind kind;
};

// The library's probing order: fixed UARTs first, infrared last.
constexpr Family kFamilies[] = {
    {"ttyS", PortKind::Uart},           {"ttyAMA", PortKind::Uart},        {"ttyUSB", PortKind::UsbSerial},
    {"ttyACM", PortKind::PhoneUsb},     {"rfcomm", PortKind::Bluetooth},   {"ircomm", PortKind::Infrared},
};

struct SysfsTty {
    std::string name;
    size_t family;
    std::string digits;
};

std::string firstLine(const fs::path &file)
{
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line))
        return {};
    line.erase(line.find_last_not_of(" \t\r\n") + 1);
    return line;
}

bool present(const fs::path &p)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// The 8250 driver lists ttyS ports for every legacy address; those without
// a UART report type 0 and cannot be opened.
bool realUart(const fs::path &entry, bool typeRequired)
{
    if (!present(entry / "device"))
        return false;
    if (!present(entry / "type"))
        return !typeRequired;
    const std::string type = firstLine(entry / "type");
    return !type.empty() && type.find_first_not_of("0123456789") == std::string::npos &&
           type.find_first_not_of('0') != std::string::npos;
}

std::string usbProduct(const fs::path &sysfsRoot, const fs::path &entry)
{
    std::error_code ec;
    const fs::path root = fs::canonical(sysfsRoot, ec);
    if (ec)
        return {};
    fs::path dir = fs::canonical(entry / "device", ec);
    if (ec)
        return {};
    for (int level = 0; level <= 4; ++level) {
        const fs::path relative = dir.lexically_relative(root);
        if (relative.empty() || *relative.begin() == "..")
            break;
        if (std::string name = firstLine(dir / "product"); !name.empty())
            return name;
        dir = dir.parent_path();
    }
    return {};
}

// Device name -> its first by-id link.
std::map<std::string, std::string> byIdLinks(const fs::path &devRoot)
{
    std::map<std::string, std::string> links;
    std::error_code ec;
    for (fs::directory_iterator it(devRoot / "serial" / "by-id", ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code linkError;
        const fs::path target = fs::read_symlink(it->path(), linkError);
        if (linkError || target.filename().empty())
            continue;
        const std::string link = it->path().string();
        auto [pos, inserted] = links.emplace(target.filename().string(), link);
        if (!inserted && link < pos->second)
            pos->second = link;
    }
    return links;
}

bool lessNatural(const SysfsTty &a, const SysfsTty &b)
{
    if (a.family != b.family)
        return a.family < b.family;
    auto significant = [](const std::string &d) {
        const size_t nz = d.find_first_not_of('0');
        return nz == std::string::npos ? std::string() : d.substr(nz);
    };
    const std::string x = significant(a.digits), y = significant(b.digits);
    if (x.size() != y.size())
        return x.size() < y.size();
    return x != y ? x < y : a.name < b.name;
}

class Candidates {
public:
    // A phone's own port or an infrared one takes the kind of the later
    // entry; any other kind keeps the first.
    void add(CandidatePort port, bool replaceKind)
    {
        for (CandidatePort &p : list_) {
            if (p.path != port.path)
                continue;
            if (replaceKind) {
                p.kind = port.kind;
                p.source = port.source;
                if (!port.stableName.empty())
                    p.stableName = port.stableName;
            }
            return;
        }
        list_.push_back(std::move(port));
    }
    std::vector<CandidatePort> take() { return std::move(list_); }

private:
    std::vector<CandidatePort> list_;
};

PortKind kindFromText(const std::string &text)
{
    if (text.empty())
        return PortKind::Ordinary;
    char *end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text.c_str(), &end, 0);
    if (*end != '\0' || errno == ERANGE || value > UINT32_MAX)
        return PortKind::Ordinary;
    if ((value & kKindPhoneUsb) == kKindPhoneUsb)
        return PortKind::PhoneUsb;
    if (value & kKindInfrared)
        return PortKind::Infrared;
    return PortKind::Ordinary;
}

void addVariable(Candidates &list, const std::string &value, PortSource source, const fs::path &devRoot,
                 const std::map<std::string, std::string> &links)
{
    size_t start = 0;
    while (start <= value.size()) {
        size_t colon = value.find(':', start);
        if (colon == std::string::npos)
            colon = value.size();
        const std::string item = value.substr(start, colon - start);
        start = colon + 1;
        // The kind follows the last '=': a path may hold one, a number not.
        const size_t equals = item.rfind('=');
        CandidatePort port;
        port.path = item.substr(0, equals);
        port.kind = equals == std::string::npos ? PortKind::Ordinary : kindFromText(item.substr(equals + 1));
        port.source = source;
        if (port.path.empty())
            continue;
        const fs::path path = fs::path(port.path).lexically_normal();
        if (path.parent_path() == (devRoot / "x").lexically_normal().parent_path())
            if (auto it = links.find(path.filename().string()); it != links.end())
                port.stableName = it->second;
        const bool special = port.kind == PortKind::PhoneUsb || port.kind == PortKind::Infrared;
        list.add(std::move(port), special);
    }
}

} // namespace

PortListingInput PortListingFromEnvironment()
{
    PortListingInput input;
    if (const char *ports = std::getenv("TRELVIX_PORTS"))
        input.ports = ports;
    if (const char *extra = std::getenv("TRELVIX_EXTRA_PORTS"))
        input.extraPorts = extra;
    return input;
}

std::vector<CandidatePort> ListCandidatePorts(const PortListingInput &input)
{
    const fs::path sysfsRoot(input.sysfsRoot);
    const fs::path devRoot(input.devRoot);
    const auto links = byIdLinks(devRoot);
    Candidates list;
    if (!input.ports.empty()) {
        addVariable(list, input.ports, PortSource::PortsVariable, devRoot, links);
    } else {
        std::vector<SysfsTty> ttys;
        std::error_code ec;
        for (fs::directory_iterator it(sysfsRoot / "class" / "tty", ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            for (size_t f = 0; f < std::size(kFamilies); ++f) {
                const std::string_view prefix = kFamilies[f].prefix;
                const std::string digits = name.substr(std::min(prefix.size(), name.size()));
                if (name.starts_with(prefix) && !digits.empty() &&
                    digits.find_first_not_of("0123456789") == std::string::npos) {
                    ttys.push_back({name, f, digits});
                    break;
                }
            }
        }
        std::sort(ttys.begin(), ttys.end(), lessNatural);
        for (const SysfsTty &tty : ttys) {
            const fs::path entry = sysfsRoot / "class" / "tty" / tty.name;
            const PortKind kind = kFamilies[tty.family].kind;
            if (kind == PortKind::Uart && !realUart(entry, tty.name.starts_with("ttyS")))
                continue;
            CandidatePort port;
            port.path = (devRoot / tty.name).string();
            port.kind = kind;
            if (auto it = links.find(tty.name); it != links.end())
                port.stableName = it->second;
            else if (kind == PortKind::UsbSerial || kind == PortKind::PhoneUsb)
                port.stableName = usbProduct(sysfsRoot, entry);
            const bool special = kind == PortKind::PhoneUsb || kind == PortKind::Infrared;
            list.add(std::move(port), special);
        }
    }
    if (!input.extraPorts.empty())
        addVariable(list, input.extraPorts, PortSource::ExtraVariable, devRoot, links);
    return list.take();
}

const char *KindName(PortKind kind)
{
    switch (kind) {
    case PortKind::Ordinary: return "serial";
    case PortKind::Uart: return "uart";
    case PortKind::UsbSerial: return "usb-serial";
    case PortKind::PhoneUsb: return "phone-usb";
    case PortKind::Bluetooth: return "bluetooth";
    case PortKind::Infrared: return "infrared";
    }
    return "serial";
}

const char *SourceName(PortSource source)
{
    switch (source) {
    case PortSource::Machine: return "machine";
    case PortSource::PortsVariable: return "TRELVIX_PORTS";
    case PortSource::ExtraVariable: return "TRELVIX_EXTRA_PORTS";
    }
    return "machine";
}

} // namespace quillora::cli
