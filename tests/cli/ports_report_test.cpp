// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The candidate ports read from a made-up sysfs and /dev tree and the two
// variables; the formats report back from its HTML rows to text; finding
// listed objects by name; Ctrl-C.

#include "capabilities.h"
#include "capability_text.h"
#include "interrupt.h"
#include "phone_commands.h"
#include "port_listing.h"
#include "text_source.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using namespace quillora::cli;

// --- ports ---

class FakeMachine : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::temp_directory_path() / ("quillora-ports-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "devices");
        fs::create_directories(root_ / "sys" / "class" / "tty");
        fs::create_directories(root_ / "dev" / "serial" / "by-id");
        input_.sysfsRoot = (root_ / "sys").string();
        input_.devRoot = (root_ / "dev").string();
    }
    void TearDown() override { fs::remove_all(root_); }

    // A tty whose device is a folder of the fake sysfs (type: the UART's
    // type file, "" for none; product: the USB device's name one level up).
    void tty(const std::string &name, bool device = true, const std::string &type = "", const std::string &product = "")
    {
        const fs::path entry = root_ / "sys" / "class" / "tty" / name;
        fs::create_directories(entry);
        if (device) {
            const fs::path usb = root_ / "sys" / "devices" / ("usb-" + name);
            const fs::path interface = usb / "1-1:1.0";
            fs::create_directories(interface);
            if (!product.empty())
                std::ofstream(usb / "product") << product << "\n";
            fs::create_directory_symlink(interface, entry / "device");
        }
        if (!type.empty())
            std::ofstream(entry / "type") << type << "\n";
    }
    void byId(const std::string &link, const std::string &device)
    {
        fs::create_symlink("../../" + device, root_ / "dev" / "serial" / "by-id" / link);
    }
    std::string dev(const std::string &name) const { return (root_ / "dev" / name).string(); }

    fs::path root_;
    PortListingInput input_;
};

TEST_F(FakeMachine, MachinePortsInProbingOrder)
{
    tty("ttyS10", true, "4");
    tty("ttyS2", true, "4");
    tty("ttyS1", true, "0");  // a legacy address without a UART
    tty("ttyS3", false);      // no device at all
    tty("ttyUSB0", true, "", "FT232R USB UART");
    tty("ttyACM0");
    tty("ircomm0");
    tty("tty0");
    tty("ttyprintk");
    byId("usb-Quillora_Phone-if00", "ttyACM0");
    byId("usb-A_Phone-if00", "ttyACM0"); // the first name in order is kept

    const auto ports = ListCandidatePorts(input_);
    ASSERT_EQ(ports.size(), 5u);
    EXPECT_EQ(ports[0].path, dev("ttyS2"));
    EXPECT_EQ(ports[1].path, dev("ttyS10"));
    EXPECT_EQ(ports[0].kind, PortKind::Uart);
    EXPECT_EQ(ports[2].path, dev("ttyUSB0"));
    EXPECT_EQ(ports[2].stableName, "FT232R USB UART");
    EXPECT_EQ(ports[3].path, dev("ttyACM0"));
    EXPECT_EQ(ports[3].kind, PortKind::PhoneUsb);
    EXPECT_EQ(ports[3].stableName, (root_ / "dev" / "serial" / "by-id" / "usb-A_Phone-if00").string());
    EXPECT_EQ(ports[4].kind, PortKind::Infrared);
    for (const auto &p : ports)
        EXPECT_EQ(p.source, PortSource::Machine);
}

TEST_F(FakeMachine, VariablesReplaceAndExtendTheList)
{
    tty("ttyS0", true, "4");
    tty("ttyACM0");
    byId("usb-Quillora_Phone-if00", "ttyACM0");

    input_.ports = dev("ttyACM0") + ":/tmp/phone=0x1::/tmp/other=junk";
    input_.extraPorts = "/tmp/phone=0:/dev/pts/7=0xC0:/tmp/a=b=1";
    const auto ports = ListCandidatePorts(input_);
    ASSERT_EQ(ports.size(), 5u) << "the machine's ttyS0 is replaced, empty entries skipped";
    EXPECT_EQ(ports[0].path, dev("ttyACM0"));
    EXPECT_EQ(ports[0].kind, PortKind::Ordinary) << "the variable says so";
    EXPECT_EQ(ports[0].stableName, (root_ / "dev" / "serial" / "by-id" / "usb-Quillora_Phone-if00").string());
    EXPECT_EQ(ports[1].path, "/tmp/phone");
    EXPECT_EQ(ports[1].kind, PortKind::Infrared) << "an ordinary later entry changes nothing";
    EXPECT_EQ(ports[1].source, PortSource::PortsVariable);
    EXPECT_EQ(ports[2].kind, PortKind::Ordinary) << "a kind that is no number";
    EXPECT_EQ(ports[3].path, "/dev/pts/7");
    EXPECT_EQ(ports[3].kind, PortKind::PhoneUsb);
    EXPECT_EQ(ports[3].source, PortSource::ExtraVariable);
    EXPECT_EQ(ports[4].path, "/tmp/a=b") << "the kind follows the last '='";
    EXPECT_EQ(ports[4].kind, PortKind::Infrared);
}

TEST_F(FakeMachine, NothingThereIsAnEmptyList)
{
    input_.sysfsRoot = (root_ / "missing").string();
    EXPECT_TRUE(ListCandidatePorts(input_).empty());
}

// --- the formats report as text ---

struct PlainTexts : quillora::TextSource {
    std::string text(std::uint32_t id) const override { return id == 6003 ? ", " : "t" + std::to_string(id); }
    std::string formatInserts(std::uint32_t id, std::span<const quillora::TextArg> inserts) const override
    {
        std::string out = text(id);
        for (const auto &insert : inserts)
            out += " " + (std::holds_alternative<std::string>(insert) ? std::get<std::string>(insert)
                                                                      : std::to_string(std::get<std::int64_t>(insert)));
        return out;
    }
};

TEST(ReportText, RowsOfTheProtocolsOwnHtml)
{
    PlainTexts texts;
    std::string html;
    for (const char *line : {"JPEG;PROGRESSIVE:50:640:480:24", "PNG:1:::<b>&\"^", "X:1:::"})
        html += quillora::FormatCapabilityLine(quillora::CapabilityCategory::Pictures, line, texts, nullptr).html;
    const auto rows = ParseReportRows(html);
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_EQ(rows[0].size(), 4u);
    EXPECT_EQ(rows[0][0], (CellLines{"t805 JPG", "(*.jpg;*.jpeg;*.jpe;*.jif)"}));
    EXPECT_EQ(rows[0][1], CellLines{"t803 50"});
    EXPECT_EQ(rows[0][3], (CellLines{"t6004 24", "t6008 t6005"}));
    // The phone's own characters come back as it sent them.
    EXPECT_EQ(rows[1][3], CellLines{"t6004 <b>&\"^"});
    EXPECT_TRUE(rows[2][3].empty()) << "the filler of an empty cell is no text";
}

TEST(ReportText, ThreePartsAndAlignedColumns)
{
    const auto parts = ParseReport("<tr><td>a</td><td>b</td></tr>^^<tr><td>c&amp;d</td><td>e<br>f</td></tr>^");
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].size(), 1u);
    EXPECT_TRUE(parts[1].empty());
    ASSERT_EQ(parts[2].size(), 1u);
    EXPECT_EQ(FormatTable({"Format", "Max"}, parts[2], "  "), "  Format  Max\n  c&d     e; f\n");
    EXPECT_EQ(FormatTable({"F\xC3\xA9", "M"}, parts[0], ""), "F\xC3\xA9  M\na   b\n") << "one column per character";
}

// --- names ---

ListedObject object(int group, const std::string &title, const std::string &extension, const std::string &phoneName)
{
    ListedObject o;
    o.group = group;
    o.title = title;
    o.extension = extension;
    o.fileName = title + extension;
    o.object.phoneName = phoneName;
    return o;
}

TEST(Names, FileNameTitleOrPhoneName)
{
    const std::vector<ListedObject> objects{object(0, "Ring", ".jpg", "0050"), object(2, "Ring", ".mid", "0053"),
                                            object(2, "Ring.mid", ".wav", "0054"), object(3, "\xC3\x89t\xC3\xA9", ".vcf", "0043")};
    auto names = [&](const std::string &name) {
        std::vector<std::string> found;
        for (const ListedObject *o : FindObjects(objects, name))
            found.push_back(o->fileName);
        return found;
    };
    EXPECT_EQ(names("ring.JPG"), std::vector<std::string>{"Ring.jpg"});
    EXPECT_EQ(names("Ring"), (std::vector<std::string>{"Ring.jpg", "Ring.mid"})) << "ambiguous";
    EXPECT_EQ(names("Ring.mid"), std::vector<std::string>{"Ring.mid"}) << "a file name before a title";
    EXPECT_EQ(names("0054"), std::vector<std::string>{"Ring.mid.wav"});
    EXPECT_EQ(names("\xC3\xA9T\xC3\x89"), std::vector<std::string>{"\xC3\x89t\xC3\xA9.vcf"});
    EXPECT_TRUE(names("Rin").empty());
    EXPECT_TRUE(names("0050 ").empty()) << "phone names are exact";
}

TEST(Names, CollectorKeepsTitlesPerGroup)
{
    std::vector<ListedObject> objects;
    ListCollector collector(objects);
    collector.startGroup(2);
    quillora::PhoneObject o;
    collector.addObject(o, "Ring", ".mid");
    EXPECT_TRUE(collector.containsTitle("RING"));
    collector.addObject(o, "", ".wav"); // nothing usable left of the title
    collector.startGroup(0);
    EXPECT_FALSE(collector.containsTitle("Ring")) << "another group's titles do not count";
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[1].fileName, "Sound 2.wav");
}

// --- Ctrl-C ---

TEST(Interrupt, SetsTheRunningTransfersFlag)
{
    InstallInterruptHandler("stopping");
    ResetInterrupted();
    std::atomic<bool> cancel{false};
    {
        CancelOnInterrupt scope(cancel);
        std::raise(SIGINT);
        EXPECT_TRUE(cancel.load());
        EXPECT_TRUE(Interrupted());
    }
    std::atomic<bool> later{false};
    CancelOnInterrupt scope(later);
    EXPECT_TRUE(later.load()) << "a Ctrl-C that came first cancels the next transfer at its start";
    ResetInterrupted();
}

TEST(InterruptDeathTest, SecondOneEndsAtOnceWithTheCancelCode)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            InstallInterruptHandler("stopping");
            ResetInterrupted();
            std::raise(SIGINT);
            std::raise(SIGINT);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(4), "stopping");
}

} // namespace
