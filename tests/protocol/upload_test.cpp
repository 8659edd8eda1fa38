// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Sending files: the wire form of both operations against a scripted phone.

#include "transfer_fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace protocol_test;
using namespace quillora;
namespace fs = std::filesystem;

class UploadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("quillora-upload-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string writeFile(const std::string &name, const std::string &bytes)
    {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path folder;
};

TEST_F(UploadTest, BatchPackageCarriesTheTitleFromProtocol201)
{
    TransferRig rig(201);
    const std::string jpeg(1000, '\xAB');
    rig.progress.mode = TransferMode::SendMany;
    rig.progress.objectName = "Sun";
    rig.progress.filePath = writeFile("Sun.jpg", jpeg);
    rig.progress.objectType = 104;
    rig.phone.expect({"AT+KPSW=\"JPEG\",1030", "\r\nCONNECT\r\n", 1030, "\r\nNO CARRIER\r\n+KPSW: 1\r\nOK\r\n"});
    auto context = rig.context();
    EXPECT_TRUE(SendObjectBatch(context, rig.progress));
    EXPECT_TRUE(rig.phone.unexpected().empty());
    const auto data = rig.phone.dataPhases();
    ASSERT_EQ(data.size(), 1u);
    const std::string expectedHead = std::string("\x02\x04\x00\x00\x01\x00\x01\x00", 8) +
                                     std::string("\x00\x00\x00\x00\x06\x00\x00\x00", 8) +
                                     std::string("S\0u\0n\0", 6) + std::string("\x68\x00\x01\x00\xE8\x03\x00\x00", 8);
    EXPECT_EQ(data[0].substr(0, 30), expectedHead);
    EXPECT_EQ(data[0].substr(30), jpeg);
    EXPECT_TRUE(rig.prompt.messages.empty());
}

} // namespace
