// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Candidate ports from sysfs, udev's by-id links and the environment. Every
// filesystem call takes an error_code: a missing or odd entry only shortens
// the list, enumeration itself never fails.

#include "enumerate.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string_view>

namespace trelvix {

namespace fs = std::filesystem;

PortCandidate *CandidateList::find(const std::string &path)
{
    for (auto &e : entries_)
        if (e.devicePath == path)
            return &e;
    return nullptr;
}

void CandidateList::add(const std::string &path, uint32_t kind, const std::string &stableName)
{
    if (PortCandidate *e = find(path)) {
        e->kind = kind;
        if (!stableName.empty())
            e->stableName = stableName;
        return;
    }
    entries_.push_back({path, kind, stableName});
}

void CandidateList::addIfAbsent(const std::string &path, uint32_t kind, const std::string &stableName)
{
    if (!find(path))
        entries_.push_back({path, kind, stableName});
}

namespace {

// Sysfs families in the order they are probed: fixed UARTs first, the
// infrared ports last because probing them is slow and rarely useful.
enum class Family { Uart, Amba, UsbSerial, UsbPhone, Bluetooth, Infrared };

struct FamilyPrefix {
    std::string_view prefix;
    Family family;
};

constexpr FamilyPrefix kFamilies[] = {
    {"ttyS", Family::Uart},          {"ttyAMA", Family::Amba},      {"ttyUSB", Family::UsbSerial},
    {"ttyACM", Family::UsbPhone},    {"rfcomm", Family::Bluetooth}, {"ircomm", Family::Infrared},
};

struct SysfsPort {
    std::string name;
    Family family;
    size_t digits; // where the number starts in name (an offset: the struct is moved)
};

bool allDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "ttyACM10" -> UsbPhone/"10"; consoles (tty0), ptmx and the rest are no ports.
bool classify(const std::string &name, SysfsPort &out)
{
    for (const auto &f : kFamilies) {
        std::string_view n(name);
        if (n.starts_with(f.prefix) && allDigits(n.substr(f.prefix.size()))) {
            out = {name, f.family, f.prefix.size()};
            return true;
        }
    }
    return false;
}

// Natural order without converting: fewer significant digits is the smaller
// number, so no name can overflow anything.
bool naturalLess(const SysfsPort &a, const SysfsPort &b)
{
    if (a.family != b.family)
        return a.family < b.family;
    auto significant = [](const SysfsPort &p) {
        std::string_view d = std::string_view(p.name).substr(p.digits);
        size_t nz = d.find_first_not_of('0');
        return nz == std::string_view::npos ? std::string_view() : d.substr(nz);
    };
    std::string_view x = significant(a), y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size();
    if (x != y)
        return x < y;
    return a.name < b.name; // ttyS01 vs ttyS1: any fixed order will do
}

std::string firstLine(const fs::path &file)
{
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line))
        return {};
    size_t end = line.find_last_not_of(" \t\r\n\f\v");
    line.erase(end == std::string::npos ? 0 : end + 1);
    return line;
}

bool present(const fs::path &p) // a dangling link counts: the name is there
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

// The 8250 driver registers ttyS ports for every legacy address whether or
// not a UART answers there; those report type 0 (PORT_UNKNOWN) and any open
// of them fails, so they are not worth a probe.
bool realUart(const fs::path &entry, bool typeRequired)
{
    if (!present(entry / "device"))
        return false;
    if (!present(entry / "type"))
        return !typeRequired;
    std::string type = firstLine(entry / "type");
    char *end = nullptr;
    errno = 0;
    unsigned long v = std::strtoul(type.c_str(), &end, 10);
    return !type.empty() && *end == '\0' && errno == 0 && v != 0;
}

// The USB device's "product" sits a level or two above the tty's device (the
// interface, or the usb-serial port below it). Never read outside sysfs.
std::string usbProduct(const fs::path &sysfsRoot, const fs::path &entry)
{
    std::error_code ec;
    fs::path root = fs::canonical(sysfsRoot, ec);
    if (ec)
        return {};
    fs::path dir = fs::canonical(entry / "device", ec);
    if (ec)
        return {};
    for (int level = 0; level <= 4; ++level) {
        auto rel = dir.lexically_relative(root);
        if (rel.empty() || *rel.begin() == "..")
            break;
        if (std::string name = firstLine(dir / "product"); !name.empty())
            return name;
        dir = dir.parent_path();
    }
    return {};
}

// Device name -> the lexicographically first by-id link that points at it.
using ByIdMap = std::map<std::string, std::string>;

ByIdMap readById(const fs::path &devRoot)
{
    ByIdMap links;
    std::error_code ec;
    const fs::path dir = devRoot / "serial" / "by-id";
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code lec;
        fs::path target = fs::read_symlink(it->path(), lec);
        if (lec || target.filename().empty())
            continue;
        std::string link = it->path().string();
        auto [pos, inserted] = links.emplace(target.filename().string(), link);
        if (!inserted && link < pos->second)
            pos->second = link;
    }
    return links;
}

std::string byIdName(const ByIdMap &links, const std::string &name)
{
    auto it = links.find(name);
    return it == links.end() ? std::string() : it->second;
}

// The by-id links name devices in devRoot itself; "/tmp/ttyUSB0" is not
// the by-id link's ttyUSB0.
std::string byIdForPath(const ByIdMap &links, const fs::path &devRoot, const std::string &path)
{
    fs::path p = fs::path(path).lexically_normal();
    if (p.parent_path() != (devRoot / "x").lexically_normal().parent_path()) // "/dev/" == "/dev"
        return {};
    return byIdName(links, p.filename().string());
}

std::vector<SysfsPort> listSysfs(const fs::path &sysfsRoot)
{
    std::vector<SysfsPort> ports;
    std::error_code ec;
    for (fs::directory_iterator it(sysfsRoot / "class" / "tty", ec), end; !ec && it != end; it.increment(ec)) {
        SysfsPort port;
        if (classify(it->path().filename().string(), port))
            ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(), naturalLess);
    return ports;
}

void addSysfsPort(CandidateList &list, const SysfsPort &port, const EnumerateOptions &options,
                  const ByIdMap &links)
{
    const fs::path sysfsRoot(options.sysfsRoot);
    const fs::path entry = sysfsRoot / "class" / "tty" / port.name;
    const std::string path = (fs::path(options.devRoot) / port.name).string();
    std::string name = byIdName(links, port.name);
    bool usb = port.family == Family::UsbSerial || port.family == Family::UsbPhone;
    if (name.empty() && usb)
        name = usbProduct(sysfsRoot, entry);
    switch (port.family) {
    case Family::Uart:
    case Family::Amba:
        if (realUart(entry, port.family == Family::Uart))
            list.addIfAbsent(path, 0, name);
        break;
    case Family::UsbPhone:
        list.add(path, kKindPhoneUsb, name);
        break;
    case Family::Infrared:
        list.add(path, kKindInfrared, name);
        break;
    default:
        list.addIfAbsent(path, 0, name);
        break;
    }
}

// A kind the user mistyped counts as an ordinary port rather than dropping
// the port the user asked for.
uint32_t parseKind(const std::string &text)
{
    if (text.empty())
        return 0;
    char *end = nullptr;
    errno = 0;
    unsigned long v = std::strtoul(text.c_str(), &end, 0);
    if (*end != '\0' || errno == ERANGE || v > UINT32_MAX)
        return 0;
    return static_cast<uint32_t>(v);
}

// "path[=kind]:path[=kind]...". The kind follows the last '=', as a path
// may hold one but a number cannot.
void addFromString(CandidateList &list, const std::string &ports, bool skipInfrared,
                   const EnumerateOptions &options, const ByIdMap &links)
{
    size_t start = 0;
    while (start <= ports.size()) {
        size_t colon = ports.find(':', start);
        if (colon == std::string::npos)
            colon = ports.size();
        std::string item = ports.substr(start, colon - start);
        start = colon + 1;
        size_t eq = item.rfind('=');
        std::string path = item.substr(0, eq);
        uint32_t kind = eq == std::string::npos ? 0 : parseKind(item.substr(eq + 1));
        if (path.empty() || (skipInfrared && (kind & kKindInfrared)))
            continue;
        std::string name = byIdForPath(links, options.devRoot, path);
        if (kind & (kKindPhoneUsb | kKindInfrared))
            list.add(path, kind, name);
        else
            list.addIfAbsent(path, kind, name);
    }
}

std::string fromEnvironment(const std::string &explicitValue, const char *variable, bool useEnvironment)
{
    if (!explicitValue.empty() || !useEnvironment)
        return explicitValue;
    const char *v = std::getenv(variable);
    return v ? std::string(v) : std::string();
}

} // namespace

std::vector<PortCandidate> enumeratePorts(bool skipInfrared, const EnumerateOptions &options)
{
    const std::string ports = fromEnvironment(options.portsOverride, "TRELVIX_PORTS", options.useEnvironment);
    const std::string extra = fromEnvironment(options.extraPorts, "TRELVIX_EXTRA_PORTS", options.useEnvironment);
    const ByIdMap links = readById(options.devRoot);
    CandidateList list;
    if (!ports.empty()) {
        addFromString(list, ports, skipInfrared, options, links);
    } else {
        for (const SysfsPort &port : listSysfs(options.sysfsRoot))
            if (!(skipInfrared && port.family == Family::Infrared))
                addSysfsPort(list, port, options, links);
    }
    if (!extra.empty())
        addFromString(list, extra, skipInfrared, options, links);
    return list.entries();
}

} // namespace trelvix
