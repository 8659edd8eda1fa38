// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// A scripted phone for the transfer operations: each expected command is
// answered with its reply, and a data phase absorbs the announced number of
// bytes before its closing reply. Replies reach the session from a thread of
// their own, as they would from the serial reader, so a long one never
// blocks the operation that is meant to read it. FakeLink stands for the
// line below the channel.

#include "connection_state.h"
#include "link_control.h"
#include "phone_operations.h"
#include "phone_session.h"
#include "protocol_fakes.h"
#include "transfer.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace protocol_test {

class FakeLink final : public quillora::LinkControl {
public:
    std::uint32_t sentBytes() override { return frozen ? frozenAt.load() : sent.load(); }
    void resetSentBytes() override { sent = 0; }
    int outputQueue() override { return 0; }
    bool drain(int) override { return true; }
    void purgeOutput() override { ++outputPurges; }
    void purgeInput() override { ++inputPurges; }
    bool setDtr(bool on) override
    {
        {
            std::lock_guard lock(mutex);
            dtr.push_back(on);
        }
        if (onDtr)
            onDtr(on);
        return true;
    }
    bool setSpeed(int speed) override
    {
        std::lock_guard lock(mutex);
        speeds.push_back(speed);
        return true;
    }
    std::uint32_t lineErrors() override { return errors; }
    void resetLineErrors() override { errors = 0; }

    std::vector<bool> dtrChanges()
    {
        std::lock_guard lock(mutex);
        return dtr;
    }
    std::vector<int> speedChanges()
    {
        std::lock_guard lock(mutex);
        return speeds;
    }

    std::atomic<std::uint32_t> sent{0};
    std::atomic<bool> frozen{false}; // the driver stops taking bytes
    std::atomic<std::uint32_t> frozenAt{0};
    std::atomic<int> outputPurges{0};
    std::atomic<int> inputPurges{0};
    std::atomic<std::uint32_t> errors{0};
    std::mutex mutex;
    std::vector<bool> dtr;
    std::vector<int> speeds;
    // Called after each DTR change; a phone answers the change from here.
    std::function<void(bool on)> onDtr;
};

// One expected command and what the phone does with it.
struct Step {
    std::string command;    // the exact command line, without CR
    std::string reply;      // sent as soon as the command is in
    size_t dataBytes = 0;   // then a data phase of this many bytes ...
    std::string afterData;  // ... answered with this
};

class TransferPhone final : public quillora::CommandSink {
public:
    explicit TransferPhone(FakeLink &link) : link_(link) {}
    ~TransferPhone() override { stop(); }

    void attach(quillora::PhoneSession &session)
    {
        session_ = &session;
        feeder_ = std::thread([this] { feed(); });
    }
    void stop()
    {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        cv_.notify_all();
        if (feeder_.joinable())
            feeder_.join();
    }
    void expect(Step step)
    {
        std::lock_guard lock(mutex_);
        steps_.push_back(std::move(step));
    }
    // Bytes the phone pushes without being asked (noise, a late reply).
    void push(std::string bytes) { queueReply(std::move(bytes)); }

    bool send(const void *data, size_t length) override
    {
        const auto *bytes = static_cast<const char *>(data);
        std::lock_guard lock(mutex_);
        for (size_t i = 0; i < length; ++i)
            take(bytes[i]);
        return true;
    }

    // Everything the operation sent: command lines and data phases.
    std::vector<std::string> commands()
    {
        std::lock_guard lock(mutex_);
        return commands_;
    }
    std::vector<std::string> dataPhases()
    {
        std::lock_guard lock(mutex_);
        return data_;
    }
    // Commands that matched no step (answered with ERROR).
    std::vector<std::string> unexpected()
    {
        std::lock_guard lock(mutex_);
        return unexpected_;
    }
    bool scriptDone()
    {
        std::lock_guard lock(mutex_);
        return steps_.empty() && dataLeft_ == 0;
    }
    // Called with the data phase's bytes so far; a test cancels from here.
    std::function<void(size_t received)> onData;

private:
    void take(char c)
    {
        if (dataLeft_ > 0) {
            data_.back() += c;
            --dataLeft_;
            if (!link_.frozen)
                link_.sent.fetch_add(1);
            if (onData)
                onData(data_.back().size());
            if (dataLeft_ == 0)
                queueReplyLocked(std::move(afterData_));
            return;
        }
        if (c != '\r') {
            line_ += c;
            return;
        }
        commands_.push_back(line_);
        if (steps_.empty() || steps_.front().command != line_) {
            unexpected_.push_back(line_);
            queueReplyLocked("\r\nERROR\r\n");
        } else {
            Step step = std::move(steps_.front());
            steps_.pop_front();
            queueReplyLocked(std::move(step.reply));
            if (step.dataBytes > 0) {
                dataLeft_ = step.dataBytes;
                afterData_ = std::move(step.afterData);
                data_.emplace_back();
            }
        }
        line_.clear();
    }
    void queueReply(std::string bytes)
    {
        std::lock_guard lock(mutex_);
        queueReplyLocked(std::move(bytes));
    }
    void queueReplyLocked(std::string bytes)
    {
        if (bytes.empty())
            return;
        replies_.push_back(std::move(bytes));
        cv_.notify_all();
    }
    void feed()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            cv_.wait(lock, [&] { return stopping_ || !replies_.empty(); });
            if (stopping_)
                return;
            std::string bytes = std::move(replies_.front());
            replies_.pop_front();
            lock.unlock();
            // In pieces, as a serial reader delivers them.
            for (size_t pos = 0; pos < bytes.size(); pos += 1024)
                session_->receive(bytes.data() + pos,
                                  static_cast<std::uint32_t>(std::min<size_t>(1024, bytes.size() - pos)));
            lock.lock();
        }
    }

    FakeLink &link_;
    quillora::PhoneSession *session_ = nullptr;
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<Step> steps_;
    std::deque<std::string> replies_;
    std::vector<std::string> commands_;
    std::vector<std::string> data_;
    std::vector<std::string> unexpected_;
    std::string line_;
    size_t dataLeft_ = 0;
    std::string afterData_;
    bool stopping_ = false;
    std::thread feeder_;
};

struct MemoryQuirks final : quillora::QuirksStore {
    std::uint32_t loadQuirks(const std::string &imei) override
    {
        std::lock_guard lock(mutex);
        return stored.count(imei) ? stored[imei] : 0;
    }
    void saveQuirks(const std::string &imei, std::uint32_t quirks) override
    {
        std::lock_guard lock(mutex);
        stored[imei] = quirks;
    }
    std::mutex mutex;
    std::map<std::string, std::uint32_t> stored;
};

// Records what an operation shows of its run.
struct RecordingProgress final : quillora::TransferProgress {
    void setObjectName(const std::string &text) override { record("name", text); }
    void setStep(const std::string &text) override { record("step", text); }
    void setCounter(const std::string &text) override { record("counter", text); }
    void setDetail(const std::string &text) override { record("detail", text); }
    void setRange(std::uint32_t total) override { record("range", std::to_string(total)); }
    void setPosition(std::uint32_t value) override
    {
        {
            std::lock_guard lock(mutex);
            lastPosition = value;
            positions.push_back(value);
        }
        if (onPosition)
            onPosition(value);
    }
    void record(const char *what, const std::string &text)
    {
        std::lock_guard lock(mutex);
        events.push_back(std::string(what) + ":" + text);
    }
    std::vector<std::string> all(const std::string &what)
    {
        std::lock_guard lock(mutex);
        std::vector<std::string> out;
        for (const auto &event : events)
            if (event.starts_with(what + ":"))
                out.push_back(event.substr(what.size() + 1));
        return out;
    }
    std::mutex mutex;
    std::vector<std::string> events;
    std::uint32_t lastPosition = 0;
    std::vector<std::uint32_t> positions;
    // Called on the operation's thread after each position; a test cancels
    // or damages the line from here at a chosen point of a data phase.
    std::function<void(std::uint32_t position)> onPosition;
};

// Answers the run's questions from a script and counts them.
struct ScriptedQuestions final : quillora::TransferQuestions {
    quillora::ReplaceAnswer confirmReplace(const std::string &path, std::string &newPath) override
    {
        replaceAsked.push_back(path);
        newPath = renameTo;
        return replaceAnswer;
    }
    bool convertToPcm(const std::string &format) override
    {
        convertAsked.push_back(format);
        return convert;
    }
    quillora::ReplaceAnswer replaceAnswer = quillora::ReplaceAnswer::Yes;
    std::string renameTo;
    bool convert = false;
    std::vector<std::string> replaceAsked;
    std::vector<std::string> convertAsked;
};

// The whole stand-in: a connected phone, its session, line and user.
struct TransferRig {
    explicit TransferRig(int protocolVersion = 201, int speed = 115200, std::uint32_t detectionFlags = 0)
        : phone(link), session(phone)
    {
        phone.attach(session);
        quillora::PhoneInfo info;
        info.modelName = "QP-200";
        info.portName = "ttyUSB0";
        info.speed = speed;
        info.detectionFlags = detectionFlags;
        info.imei = "351234567890123";
        info.protocolVersion = protocolVersion;
        connection.TryAccept(info, &quirks);
    }
    ~TransferRig() { phone.stop(); }

    quillora::OperationContext context()
    {
        quillora::OperationContext c{session, connection, link, texts, prompt, &quirks, &questions};
        c.speedChanged = [this](int speed) { shownSpeeds.push_back(speed); };
        c.stallLimit = std::chrono::milliseconds(300);
        return c;
    }

    FakeLink link;
    TransferPhone phone;
    quillora::PhoneSession session;
    quillora::ConnectionState connection;
    MemoryQuirks quirks;
    SpelledTexts texts;
    RecordingPrompt prompt;
    ScriptedQuestions questions;
    RecordingProgress progress;
    std::vector<int> shownSpeeds;
};

// An item source over a fixed list: records what the run asked of it, and
// skips the indexes in `skip` (fetch returns false for them).
struct ListItemSource final : quillora::ItemSource {
    int restart(quillora::TransferProgress &) override
    {
        ++restarts;
        return static_cast<int>(items.size());
    }
    bool fetch(quillora::TransferProgress &progress, int index, quillora::TransferItem &item) override
    {
        fetched.push_back(index);
        if (index == cancelAt)
            progress.cancelRequested = true; // the user presses Cancel while the item goes

        if (skip.count(index) || index < 1 || index > static_cast<int>(items.size()))
            return false;
        item = items[static_cast<size_t>(index - 1)];
        return true;
    }
    void done(quillora::TransferProgress &, int index) override { doneItems.push_back(index); }

    std::vector<quillora::TransferItem> items;
    std::set<int> skip;
    int cancelAt = 0; // Cancel comes with this item
    int restarts = 0;
    std::vector<int> fetched;
    std::vector<int> doneItems;
};

} // namespace protocol_test
