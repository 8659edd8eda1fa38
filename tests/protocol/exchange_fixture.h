// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// The simulated phone behind a pty opened like a serial port (or a
// FakePort, whose DTR it sees), accepted as detection hands a phone over,
// every byte through the library's channel, and the operations run on it
// as the program runs them.

#include "transfer_fakes.h"

#include "file_names.h"
#include "phone_acceptance.h"
#include "phone_link.h"
#include "phone_listing.h"
#include "port.h"
#include "text_codec.h"

#include "wav_convert.h"

#include "trelvix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>

namespace exchange_test {

using namespace std::chrono_literals;
using namespace protocol_test;
using namespace quillora;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using phonesim::Category;
using Files = std::map<std::string, std::string>;

constexpr const char *kImei = "351234567890123";
constexpr ObjectType kWav = 1, kJpeg = 104;

inline std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void writeFile(const fs::path &path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string audioFile(const std::string &name)
{
    return readFile(fs::path(QUILLORA_AUDIO_TEST_DATA) / name);
}

inline std::string text(const std::vector<std::uint8_t> &bytes)
{
    return {bytes.begin(), bytes.end()};
}

inline std::span<const std::uint8_t> span(const std::string &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()};
}

// A JFIF head, then bytes that repeat nowhere nearby.
inline std::string jpeg(size_t size)
{
    std::string out("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01", 13);
    for (size_t i = out.size(); i < size; ++i)
        out += static_cast<char>((i * 7 + i / 251) & 0xFF);
    return out;
}

inline phonesim::StoredObject object(Category category, std::u16string title, std::string typeName, std::string data,
                              bool hidden = false)
{
    return {category, {}, std::move(title), std::move(typeName), hidden,
            std::make_shared<const std::string>(std::move(data))};
}

// The phone's ADPCM form of the test voice, as the phone keeps a sound it got compressed.
inline const std::string &adpcmVoice()
{
    static const std::string voice = text(audio::CompressWavForPhone(span(audioFile("voice_8k.wav"))));
    return voice;
}

struct Row {
    PhoneObject object;
    std::string title;
    std::string extension;
};

struct RowSink final : PhoneObjectSink {
    bool containsTitle(const std::string &title) override
    {
        return std::any_of(rows.begin(), rows.end(), [&](const Row &row) { return SameTitle(row.title, title); });
    }
    void addObject(const PhoneObject &object, const std::string &title, const std::string &extension) override
    {
        rows.push_back({object, title, extension});
    }
    std::vector<Row> rows;
};

enum class Link { Pty, FakePort };

// Table rows show as their label in failure messages.
template <typename Case>
    requires requires(const Case &c) { c.label; }
void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.label;
}

enum class Operation { Single, Batch };

class ObjectExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quillora-exchange-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        disconnect();
        // The phones' threads end here, before what their observer writes goes.
        pty.reset();
        fakePhone_.reset();
        fs::remove_all(folder);
    }

    // The phone as detection leaves it (echo off, numeric error codes),
    // accepted with the protocol version it reports.
    void connect(phonesim::PhoneOptions options, Link link = Link::Pty)
    {
        options.echo = false;
        options.errorMode = 1;
        const auto observe = [this](const phonesim::PhoneModel::Exchange &exchange) {
            std::lock_guard lock(heardMutex_);
            heard_.push_back(exchange.received);
        };
        if (link == Link::Pty) {
            pty = std::make_unique<phonesim::PtyPhone>(options, observe);
        } else {
            fakePort_ = new trelvix::FakePort;
            fakePhone_ = std::make_unique<phonesim::FakePortPhone>(*fakePort_, options, observe);
        }
        accept(connection);
    }
    // Opens the phone's port (again) and hands it over as detection would.
    void accept(ConnectionState &state)
    {
        TrelvixPort *port = fakePort_;
        std::unique_ptr<TrelvixPort> opened;
        if (pty) {
            opened = trelvix::openPosixPort(pty->slavePath()).port;
            ASSERT_TRUE(opened);
            port = opened.get();
        }
        DetectResult record{};
        record.displayName = "ttyQ0";
        record.devicePath = "/dev/ttyQ0";
        record.port = port;
        record.lineSettings.speed = 115200;
        record.flags = TRELVIX_FLAG_LEGACY_DOWNLOAD;
        record.model = "QP-200";
        record.identification = "QP-200 V1.0";
        record.imei = kImei;
        record.legacyDownloadVersion = 3;
        record.manufacturer = "QUILLORA LABS";
        record.imsi = "";
        record.stableName = "";
        ASSERT_EQ(AcceptDetectedPhone(record, {state, session, &quirks}).outcome, AcceptanceOutcome::Accepted);
        opened.release(); // the channel's now
        channelPort_ = port;
    }
    void disconnect()
    {
        if (fakePhone_)
            fakePhone_->detach();
        if (channelPort_)
            Comm_Stop(1);
        channelPort_ = nullptr;
        SetReceiveSession(nullptr);
    }

    OperationContext context(ConnectionState &state)
    {
        OperationContext c{session, state, link, texts, prompt, &quirks, &questions};
        c.speedChanged = [this](int speed) { shownSpeeds.push_back(speed); };
        c.stallLimit = stallLimit;
        return c;
    }
    TransferResult run(TransferMode mode, RecordingProgress &progress, ConnectionState &state)
    {
        OperationContext c = context(state);
        progress.mode = mode;
        return RunPhoneOperation(progress, state, OperationFor(mode, c));
    }

    // One file sent over +KDOBJ, or as a batch of one over +KPSW.
    TransferResult send(Operation operation, const fs::path &file, const std::string &title, ObjectType type,
                        ConnectionState &state)
    {
        RecordingProgress progress;
        progress.objectName = title;
        progress.filePath = file.string();
        progress.objectType = type;
        ListItemSource items;
        items.items = {TransferItem{title, file.string(), {}, {type, kNoObjectType}}};
        if (operation == Operation::Batch)
            progress.itemSource = &items;
        return run(operation == Operation::Single ? TransferMode::SendOne : TransferMode::SendMany, progress, state);
    }
    TransferResult send(Operation operation, const fs::path &file, const std::string &title, ObjectType type)
    {
        return send(operation, file, title, type, connection);
    }

    std::vector<phonesim::StoredObject> stored()
    {
        std::vector<phonesim::StoredObject> out;
        const auto copy = [&](phonesim::ObjectStore &store) { out = store.objects(); };
        if (pty)
            pty->withStore(copy);
        else
            fakePhone_->withStore(copy);
        return out;
    }
    // Command lines the phone heard that begin with `prefix`.
    size_t heard(std::string_view prefix)
    {
        std::lock_guard lock(heardMutex_);
        return static_cast<size_t>(
            std::count_if(heard_.begin(), heard_.end(), [&](const std::string &l) { return l.starts_with(prefix); }));
    }

    std::vector<Row> list(int group, bool showHidden = false)
    {
        RowSink sink;
        OperationContext c = context(connection);
        EXPECT_TRUE(ListPhoneObjects(c, group, showHidden, sink)) << "group " << group;
        return sink.rows;
    }
    // A listed object to fetch into the folder under its listed name, as the
    // command line does.
    TransferItem itemFor(const Row &row) const
    {
        const std::string name = FileNameFor(row.title, row.extension);
        return {name, JoinInFolder(folder.string(), name), row.object.phoneName,
                {row.object.objectType, kNoObjectType}};
    }
    TransferResult receive(const std::vector<TransferItem> &items, RecordingProgress &progress)
    {
        ListItemSource source;
        source.items = items;
        progress.options |= transfer_option::kManyItems;
        progress.itemSource = &source;
        const TransferResult result = run(TransferMode::Receive, progress, connection);
        progress.itemSource = nullptr;
        return result;
    }
    TransferResult receive(const std::vector<TransferItem> &items)
    {
        RecordingProgress progress;
        return receive(items, progress);
    }
    TransferResult receiveGroup(int group)
    {
        std::vector<TransferItem> items;
        for (const Row &row : list(group))
            items.push_back(itemFor(row));
        return receive(items);
    }
    // Every entry of the folder with its contents, hidden ones included.
    Files files() const
    {
        Files out;
        for (const auto &entry : fs::directory_iterator(folder))
            out[entry.path().filename().string()] = readFile(entry.path());
        return out;
    }
    // The fake port's purges so far: leaving a data mode purges the input.
    int purges() const { return fakePort_->purges(); }
    std::vector<std::string> shown() const
    {
        std::vector<std::string> out;
        for (const auto &message : prompt.messages)
            out.push_back(message.text);
        return out;
    }

    fs::path folder;
    ChannelSink sink;
    PhoneSession session{sink};
    ConnectionState connection;
    ChannelLink link;
    MemoryQuirks quirks;
    SpelledTexts texts;
    RecordingPrompt prompt;
    ScriptedQuestions questions;
    std::vector<int> shownSpeeds;
    std::chrono::milliseconds stallLimit{10000};
    std::unique_ptr<phonesim::PtyPhone> pty;

private:
    trelvix::FakePort *fakePort_ = nullptr; // the channel's once accepted
    std::unique_ptr<phonesim::FakePortPhone> fakePhone_;
    TrelvixPort *channelPort_ = nullptr;
    std::mutex heardMutex_;
    std::vector<std::string> heard_;
};

} // namespace exchange_test
