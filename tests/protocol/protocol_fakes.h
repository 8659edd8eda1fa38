// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// Stand-ins for the user side of the protocol layer: a prompt that records
// what it was asked to show, a text source that spells out the id and the
// inserts it was given, and a command sink that records what was sent.

#include "phone_session.h"
#include "prompt.h"
#include "text_source.h"

#include <mutex>
#include <string>
#include <vector>

namespace protocol_test {

struct RecordingPrompt : quillora::Prompt {
    struct Message {
        quillora::MessageIcon icon;
        std::string text;
    };
    void showMessage(quillora::MessageIcon icon, const std::string &text) override { messages.push_back({icon, text}); }
    bool askYesNo(const std::string &text) override
    {
        messages.push_back({quillora::MessageIcon::Question, text});
        return answer;
    }
    std::vector<Message> messages;
    bool answer = true;
};

// "[803]" for a text, "[803:50]" or "[6013:16,Mono,8000]" for a formatted one.
struct SpelledTexts : quillora::TextSource {
    std::string text(std::uint32_t id) const override { return "[" + std::to_string(id) + "]"; }
    std::string formatInserts(std::uint32_t id, std::span<const quillora::TextArg> inserts) const override
    {
        std::string out = "[" + std::to_string(id);
        char separator = ':';
        for (const auto &insert : inserts) {
            out += separator;
            separator = ',';
            if (const auto *n = std::get_if<std::int64_t>(&insert))
                out += std::to_string(*n);
            else
                out += std::get<std::string>(insert);
        }
        return out + "]";
    }
};

struct RecordingSink : quillora::CommandSink {
    bool send(const void *data, size_t length) override
    {
        std::lock_guard lock(mutex);
        sends.emplace_back(static_cast<const char *>(data), length);
        return sends.size() != failAt;
    }
    std::vector<std::string> sent()
    {
        std::lock_guard lock(mutex);
        return sends;
    }
    std::mutex mutex;
    std::vector<std::string> sends;
    size_t failAt = 0; // the send with this number (1-based) fails
};

} // namespace protocol_test

#include <condition_variable>
#include <deque>
#include <map>
#include <thread>

namespace protocol_test {

// A phone that answers from a script: every command (the text before its
// CR) is recorded, and the reply scripted for it goes into the session from
// a thread of its own, in small chunks, as the serial reader delivers it.
// A command without a reply gets silence. Call stop() before the session
// goes (a fixture's destructor does).
class ScriptedPhone : public quillora::CommandSink {
public:
    explicit ScriptedPhone(size_t chunk = 61) : chunk_(chunk) {}
    ~ScriptedPhone() override { stop(); }

    void attach(quillora::PhoneSession &session) { session_ = &session; }
    void answer(const std::string &command, const std::string &reply)
    {
        std::lock_guard lock(mutex_);
        replies_[command] = reply;
    }

    bool send(const void *data, size_t length) override
    {
        std::lock_guard lock(mutex_);
        pending_.append(static_cast<const char *>(data), length);
        size_t cr;
        while ((cr = pending_.find('\r')) != std::string::npos) {
            const std::string command = pending_.substr(0, cr);
            pending_.erase(0, cr + 1);
            commands_.push_back(command);
            if (const auto reply = replies_.find(command); reply != replies_.end())
                outgoing_.push_back(reply->second);
        }
        if (!worker_.joinable())
            worker_ = std::thread([this] { deliver(); });
        wake_.notify_all();
        return true;
    }

    std::vector<std::string> commands()
    {
        std::lock_guard lock(mutex_);
        return commands_;
    }

    void stop()
    {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        if (worker_.joinable())
            worker_.join();
    }

private:
    void deliver()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return stopping_ || !outgoing_.empty(); });
            if (stopping_)
                return;
            const std::string reply = std::move(outgoing_.front());
            outgoing_.pop_front();
            lock.unlock();
            for (size_t pos = 0; pos < reply.size(); pos += chunk_) {
                const std::string piece = reply.substr(pos, chunk_);
                session_->receive(piece.data(), static_cast<std::uint32_t>(piece.size()));
            }
            lock.lock();
        }
    }

    const size_t chunk_;
    quillora::PhoneSession *session_ = nullptr;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::map<std::string, std::string> replies_;
    std::vector<std::string> commands_;
    std::deque<std::string> outgoing_;
    std::string pending_;
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace protocol_test
