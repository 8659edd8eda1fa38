// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary bytes as the answer to AT+KPSL through ListGroup (the first byte
// picks the group) and ParseObjectLine: every row's title is unique and a
// safe file name, and a parsed line written back parses to the same object.

#include "fuzz_check.h"
#include "file_names.h"
#include "phone_listing.h"
#include "phone_session.h"
#include "protocol_error.h"
#include "text_codec.h"

#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

// The session's sink is the phone below; the channel is never used.
extern "C" int Comm_Send(const void *, int)
{
    return 1;
}

namespace {

using namespace quillora;

// Answers every listing command with the input, then the OK that ends a
// listing, so that no run waits for a reply that never comes.
class AnsweringPhone final : public CommandSink {
public:
    explicit AnsweringPhone(std::string answer) : answer_(std::move(answer)) {}
    void attach(PhoneSession &session) { session_ = &session; }
    bool send(const void *data, size_t length) override
    {
        if (length == 1 && *static_cast<const char *>(data) == '\r')
            session_->receive(answer_.data(), static_cast<std::uint32_t>(answer_.size()));
        return true;
    }

private:
    std::string answer_;
    PhoneSession *session_ = nullptr;
};

bool validUtf8(std::string_view text)
{
    return Utf16ToUtf8(Utf8ToUtf16(text)) == text;
}

// The browser's side, with its titles folded once so that a long list of
// equal titles stays cheap.
struct Rows final : PhoneObjectSink {
    bool containsTitle(const std::string &title) override { return folded.count(FoldTitleCase(title)) != 0; }
    void addObject(const PhoneObject &object, const std::string &title, const std::string &extension) override
    {
        check(!title.empty() && !containsTitle(title));
        // A retrieval writes the object under this name as it is: nothing
        // left for SafeStem to change, and it fits a file name.
        check(validUtf8(title) && FileNameFor(title, extension) == title + extension);
        check(!JoinInFolder("/folder", title + extension).empty());
        const TypeNameMatch type = TypeFromTypeName(object.typeName);
        check(object.objectType == type.type && extension == type.extension);
        check(object.phoneName.find('"') == std::string::npos && object.typeName.find('"') == std::string::npos);
        folded.insert(FoldTitleCase(title));
    }
    std::set<std::string> folded;
};

std::string objectLine(const ListedLine &listed)
{
    return "\"" + listed.object.phoneName + "\",0," + std::to_string(listed.object.size) + ",\"\",\"" +
           listed.object.typeName + "\",\"\",\"\",\"" + listed.hexTitle + "\"";
}

void checkObjectLine(std::string_view fields)
{
    ListedLine listed;
    try {
        check(ParseObjectLine(fields, true, listed)); // shown, a hidden object is not skipped
    } catch (const ProtocolError &e) {
        check(e.code == error_code::kUnexpectedData);
        return;
    }
    const std::string canonical = objectLine(listed);
    ListedLine again;
    check(ParseObjectLine(canonical, false, again));
    check(objectLine(again) == canonical && again.object.objectType == listed.object.objectType);
    const std::string title = CleanTitle(DecodeHexText(listed.hexTitle));
    check(validUtf8(title) && title.find_first_of("\"*/:<>?\\|") == std::string::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view reply(reinterpret_cast<const char *>(data + 1), size - 1);
    for (size_t start = 0; start < reply.size();) {
        const size_t end = std::min(reply.find_first_of("\r\n", start), reply.size());
        std::string_view line = reply.substr(start, end - start);
        if (line.starts_with("+KPSL: "))
            line.remove_prefix(7);
        // What does not start with a quote is refused at once; an exception
        // under ASan costs more than the rest of a run.
        if (line.starts_with('"'))
            checkObjectLine(line);
        start = end + 1;
    }

    AnsweringPhone phone(std::string(reply) + "\r\nOK\r\n");
    PhoneSession session(phone);
    phone.attach(session);
    session.setDelayFactor(1); // a wait that should not happen stays short
    Rows rows;
    try {
        ListGroup(session, (data[0] & 0x7F) % kListingGroups, (data[0] & 0x80) != 0, rows);
    } catch (const ProtocolError &e) {
        // An error reply or a malformed line; every answer ends, so never
        // "no reply".
        check(e.code != error_code::kNoReply);
    }
    return 0;
}
