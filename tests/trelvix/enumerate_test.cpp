// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Port enumeration on fake sysfs and /dev trees built in a temporary
// directory; the machine's own ports are never looked at.

#include "enumerate.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using trelvix::EnumerateOptions;

// Appends rather than std::string::replace, which GCC 12 warns about at -O2.
std::string replaceAll(const std::string &s, const std::string &from, const std::string &to)
{
    std::string out;
    size_t pos = 0;
    for (size_t at; (at = s.find(from, pos)) != std::string::npos; pos = at + from.size())
        out.append(s, pos, at - pos).append(to);
    return out.append(s, pos);
}

class FakeTree {
public:
    FakeTree()
    {
        std::string tmpl = (fs::temp_directory_path() / "trelvix-enum-XXXXXX").string();
        if (mkdtemp(tmpl.data()))
            root_ = tmpl;
    }
    ~FakeTree()
    {
        std::error_code ec;
        if (!root_.empty())
            fs::remove_all(root_, ec);
    }
    const std::string &root() const { return root_; }

    void file(const std::string &rel, const std::string &text)
    {
        fs::create_directories((fs::path(root_) / rel).parent_path());
        std::ofstream(fs::path(root_) / rel) << text;
    }
    void link(const std::string &rel, const std::string &target)
    {
        fs::create_directories((fs::path(root_) / rel).parent_path());
        fs::create_symlink(target, fs::path(root_) / rel);
    }
    // A tty as sysfs shows it: class/tty/<name> links to the tty's directory,
    // whose "device" links to the hardware (device "" = virtual). asDir makes
    // class/tty/<name> a plain directory instead.
    void tty(const std::string &name, const std::string &device = "", int type = -1, bool asDir = false)
    {
        std::string dir = asDir ? "sys/class/tty/" + name
                                : "sys/" + (device.empty() ? "devices/virtual" : device) + "/tty/" + name;
        fs::create_directories(fs::path(root_) / dir);
        if (!asDir)
            link("sys/class/tty/" + name, "../../" + dir.substr(4));
        if (!device.empty()) {
            fs::create_directories(fs::path(root_) / "sys" / device);
            link(dir + "/device", root_ + "/sys/" + device);
        }
        if (type >= 0)
            file(dir + "/type", std::to_string(type) + "\n");
    }
    EnumerateOptions options() const
    {
        EnumerateOptions o;
        o.sysfsRoot = root_ + "/sys";
        o.devRoot = root_ + "/dev";
        o.useEnvironment = false;
        return o;
    }
    // "@" in a ports string stands for the tree's root.
    std::string expand(const std::string &s) const { return replaceAll(s, "@", root_); }
    // "path kind-in-hex [stableName]", with the root shown as "@" again.
    std::vector<std::string> describe(const std::vector<trelvix::PortCandidate> &ports) const
    {
        std::vector<std::string> out;
        for (const auto &p : ports) {
            std::ostringstream s;
            s << p.devicePath << ' ' << std::hex << p.kind << (p.stableName.empty() ? "" : " ") << p.stableName;
            out.push_back(replaceAll(s.str(), root_, "@"));
        }
        return out;
    }

private:
    std::string root_;
};

const std::string kUart = "devices/platform/serial8250";
const std::string kUsbIf = "devices/pci0000:00/usb1/1-1/1-1:1.0";

TEST(CandidateList, EachPathOnceKindFromTheLastAdd)
{
    struct Op {
        bool add; // false: addIfAbsent
        std::string path;
        uint32_t kind;
        std::string name;
    };
    const std::pair<std::vector<Op>, std::vector<std::string>> table[] = {
        {{{true, "/a", 0, ""}, {true, "/a", 0, ""}}, {"/a 0"}},
        {{{false, "/a", 0, "n"}, {true, "/a", 0xC0, ""}}, {"/a c0 n"}}, // ordinary, then the phone
        {{{true, "/a", 0xC0, ""}, {false, "/a", 0, "n"}}, {"/a c0"}},   // phone, then ordinary
        {{{true, "/a", 0, "old"}, {true, "/a", 1, "new"}}, {"/a 1 new"}},
        {{{true, "/d/ttyS10", 0, ""}, {false, "/d/ttyS1", 0, ""}, {true, "/d/ttyS10", 1, ""}},
         {"/d/ttyS10 1", "/d/ttyS1 0"}},
    };
    FakeTree names; // only for describe()
    for (const auto &[ops, expected] : table) {
        trelvix::CandidateList list;
        for (const Op &op : ops)
            op.add ? list.add(op.path, op.kind, op.name) : list.addIfAbsent(op.path, op.kind, op.name);
        EXPECT_EQ(names.describe(list.entries()), expected) << "first op on " << ops[0].path;
    }
}

TEST(Sysfs, FamiliesKindsPhantomUartsAndOrder)
{
    FakeTree t;
    ASSERT_FALSE(t.root().empty());
    t.tty("ttyS0", kUart, 4);
    t.tty("ttyS1", kUart, 0);  // phantom 8250 port
    t.tty("ttyS2", "", 4);     // no device behind it
    t.tty("ttyS3", kUart);     // no type: not known to be a UART
    t.tty("ttyS10", kUart, 4);
    t.tty("ttyAMA0", "devices/platform/uart0");
    t.tty("ttyAMA1", "devices/platform/uart1", 0);
    t.tty("ttyACM10", kUsbIf);
    t.tty("ttyUSB0", kUsbIf + "/ttyUSB0");
    t.tty("ttyACM2", "", -1, true);
    t.tty("ttyACM0", kUsbIf);
    t.tty("rfcomm0", "", -1, true);
    t.tty("ircomm0");
    for (const char *other : {"tty0", "tty63", "ptmx", "console", "ttyprintk", "ttyS", "ttyUSBx", "ttyACM1a"})
        t.tty(other);

    for (bool skipInfrared : {false, true}) {
        std::vector<std::string> expected = {"@/dev/ttyS0 0",    "@/dev/ttyS10 0",   "@/dev/ttyAMA0 0",
                                             "@/dev/ttyUSB0 0",  "@/dev/ttyACM0 c0", "@/dev/ttyACM2 c0",
                                             "@/dev/ttyACM10 c0", "@/dev/rfcomm0 0"};
        if (!skipInfrared)
            expected.push_back("@/dev/ircomm0 1");
        EXPECT_EQ(t.describe(trelvix::enumeratePorts(skipInfrared, t.options())), expected)
            << "skipInfrared " << skipInfrared;
    }
}

TEST(Sysfs, MissingOrEmptyTreeGivesNoPorts)
{
    FakeTree t;
    EnumerateOptions o = t.options();
    EXPECT_TRUE(trelvix::enumeratePorts(false, o).empty()); // no sys, no dev
    fs::create_directories(o.sysfsRoot + "/class/tty");
    EXPECT_TRUE(trelvix::enumeratePorts(false, o).empty());
    t.tty("tty1");
    t.tty("console");
    EXPECT_TRUE(trelvix::enumeratePorts(false, o).empty());
}

struct StringsCase {
    const char *label;
    const char *ports;
    const char *extra;
    bool skipInfrared;
    std::vector<std::string> expected;
};

void PrintTo(const StringsCase &c, std::ostream *os) { *os << c.label; }

class PortStrings : public testing::TestWithParam<StringsCase> {};

TEST_P(PortStrings, OverrideAndExtra)
{
    const StringsCase &c = GetParam();
    FakeTree t;
    t.tty("ttyS0", kUart, 4);
    t.tty("ttyUSB0", kUsbIf + "/ttyUSB0");
    t.tty("ttyACM0", kUsbIf);
    t.tty("ircomm0");
    EnumerateOptions o = t.options();
    o.portsOverride = t.expand(c.ports);
    o.extraPorts = t.expand(c.extra);
    EXPECT_EQ(t.describe(trelvix::enumeratePorts(c.skipInfrared, o)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Enumerate, PortStrings,
    testing::Values(
        StringsCase{"OverrideReplacesSysfs", "/opt/a:@/dev/ttyUSB0", "", false, {"/opt/a 0", "@/dev/ttyUSB0 0"}},
        StringsCase{"KindNotations",
                    "/p/hex=0xC0:/p/dec=192:/p/oct=010:/p/one=1:/p/junk=0x1G:/p/big=0x100000000:/p/neg=-1:/p/none=:"
                    "/p/eq=in=1",
                    "", false,
                    {"/p/hex c0", "/p/dec c0", "/p/oct 8", "/p/one 1", "/p/junk 0", "/p/big 0", "/p/neg 0",
                     "/p/none 0", "/p/eq=in 1"}},
        StringsCase{"EmptyEntriesSkipped", "::/p/a::=1:/p/b:", "", false, {"/p/a 0", "/p/b 0"}},
        StringsCase{"DuplicatesFollowTheKindRules", "/p/a:/p/a=0xC0:/p/a:/p/b=1:/p/b", "", false,
                    {"/p/a c0", "/p/b 1"}},
        StringsCase{"SkipInfraredDropsKindOne", "/p/ir=1:/p/both=0xC1:/p/phone=0xC0:/p/plain", "", true,
                    {"/p/phone c0", "/p/plain 0"}},
        StringsCase{"ExtraAppendsAndDeDups", "", "/p/new:@/dev/ttyUSB0=0xC0:@/dev/ttyACM0:@/dev/ttyS0=0", false,
                    {"@/dev/ttyS0 0", "@/dev/ttyUSB0 c0", "@/dev/ttyACM0 c0", "@/dev/ircomm0 1", "/p/new 0"}},
        StringsCase{"ExtraWithSkipInfrared", "", "/p/ir=1:/p/x", true,
                    {"@/dev/ttyS0 0", "@/dev/ttyUSB0 0", "@/dev/ttyACM0 c0", "/p/x 0"}},
        StringsCase{"ExtraAfterOverride", "/p/a", "/p/b:/p/a=1", false, {"/p/a 1", "/p/b 0"}}),
    [](const testing::TestParamInfo<StringsCase> &p) { return std::string(p.param.label); });

// Sets a variable for the test's lifetime and puts the old value back.
class EnvVar {
public:
    EnvVar(const char *name, const char *value) : name_(name)
    {
        if (const char *old = std::getenv(name))
            old_ = old;
        setenv(name, value, 1);
    }
    ~EnvVar() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char *name_;
    std::optional<std::string> old_;
};

TEST(Environment, VariablesUnlessAnExplicitStringOrDisabled)
{
    FakeTree t;
    t.tty("ttyUSB0", kUsbIf + "/ttyUSB0");
    EnvVar ports("TRELVIX_PORTS", "/p/env");
    EnvVar extra("TRELVIX_EXTRA_PORTS", "/p/more=1");
    EnumerateOptions o = t.options();
    o.useEnvironment = true;
    EXPECT_EQ(t.describe(trelvix::enumeratePorts(false, o)), (std::vector<std::string>{"/p/env 0", "/p/more 1"}));
    o.portsOverride = "/p/mine";
    EXPECT_EQ(t.describe(trelvix::enumeratePorts(false, o)), (std::vector<std::string>{"/p/mine 0", "/p/more 1"}));
    o.useEnvironment = false;
    EXPECT_EQ(t.describe(trelvix::enumeratePorts(false, o)), std::vector<std::string>{"/p/mine 0"});
    o.portsOverride.clear();
    o.useEnvironment = true;
    setenv("TRELVIX_PORTS", "", 1); // set but empty: sysfs as usual
    EXPECT_EQ(t.describe(trelvix::enumeratePorts(false, o)),
              (std::vector<std::string>{"@/dev/ttyUSB0 0", "/p/more 1"}));
}

TEST(StableName, ByIdLinkThenUsbProduct)
{
    FakeTree t;
    const std::string usb = "devices/pci0000:00/usb1/1-1";
    t.tty("ttyUSB0", usb + "/1-1:1.0/ttyUSB0");
    t.tty("ttyACM0", usb + "/1-1:1.0");
    t.file("sys/" + usb + "/product", "Acme Phone  \nsecond line\n");
    t.tty("ttyUSB1", "devices/pci0000:00/usb2/2-1/2-1:1.0/ttyUSB1");
    t.file("sys/devices/pci0000:00/usb2/2-1/product", "FT232R USB UART\n");
    t.tty("ttyACM1", "orphan"); // a product file above sysfs is not the device's
    t.file("product", "Outside\n");
    t.tty("ttyS0", kUart, 4);
    t.file("sys/" + kUart + "/product", "no UART has one\n");
    t.link("dev/serial/by-id/usb-Zeta-port0", "../../ttyUSB0");
    t.link("dev/serial/by-id/usb-Alpha-port0", "../../ttyUSB0");
    t.link("dev/serial/by-id/usb-Other-port0", "../../ttyUSB10");
    t.file("dev/serial/by-id/not-a-link", "");

    EnumerateOptions o = t.options();
    EXPECT_EQ(t.describe(trelvix::enumeratePorts(false, o)),
              (std::vector<std::string>{"@/dev/ttyS0 0", "@/dev/ttyUSB0 0 @/dev/serial/by-id/usb-Alpha-port0",
                                        "@/dev/ttyUSB1 0 FT232R USB UART", "@/dev/ttyACM0 c0 Acme Phone",
                                        "@/dev/ttyACM1 c0"}));

    // Named entries get only by-id names, and only for devices in devRoot.
    o.devRoot += "/";
    o.portsOverride = t.expand("@/dev/ttyUSB0:@/dev/ttyUSB1:/elsewhere/ttyUSB0");
    EXPECT_EQ(t.describe(trelvix::enumeratePorts(false, o)),
              (std::vector<std::string>{"@/dev/ttyUSB0 0 @/dev/serial/by-id/usb-Alpha-port0", "@/dev/ttyUSB1 0",
                                        "/elsewhere/ttyUSB0 0"}));
}

} // namespace
