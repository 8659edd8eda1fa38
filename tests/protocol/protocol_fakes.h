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
