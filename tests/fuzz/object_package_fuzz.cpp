// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Arbitrary bytes as the data phase of a +KPSR from a 2.01 phone. Every head
// read must write back as it came; when the package rules take the data,
// ReceiveObjects must store exactly the last section, and its sound copy.

#include "fuzz_check.h"
#include "amr_convert.h"
#include "connection_state.h"
#include "link_control.h"
#include "object_package.h"
#include "phone_operations.h"
#include "phone_session.h"
#include "prompt.h"
#include "text_source.h"
#include "transfer.h"
#include "wav_container.h"
#include "wav_convert.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>

// The session's sink is the phone below; the channel is never used.
extern "C" int Comm_Send(const void *, int)
{
    return 1;
}

namespace {

using namespace quillora;
namespace fs = std::filesystem;
using Bytes = std::span<const std::uint8_t>;

Bytes bytesOf(std::string_view s)
{
    return {reinterpret_cast<const std::uint8_t *>(s.data()), s.size()};
}

std::string_view textOf(const std::vector<std::uint8_t> &v)
{
    return {reinterpret_cast<const char *>(v.data()), v.size()};
}

struct Section {
    SectionHeadFields head;
    std::string_view content;
};

// The package as the retrieval walks it: the head's remaining length is the
// declared length - 4, then sections that each fit in what is left and end
// exactly at the declared length. Empty when the walk refuses it.
std::optional<std::vector<Section>> walk(std::string_view phase)
{
    if (phase.size() >= kPackageHeadSize) {
        const PackageHeadFields head = ReadPackageHead(bytesOf(phase).first<kPackageHeadSize>());
        check((PackageHead(head.remaining + 4) == phase.substr(0, kPackageHeadSize)) ==
              (head.marker == kPackageMarker));
    }
    if (phase.size() < kPackageHeadSize + kSectionHeadSize)
        return std::nullopt;
    const PackageHeadFields head = ReadPackageHead(bytesOf(phase).first<kPackageHeadSize>());
    if (head.remaining != phase.size() - 4 || head.marker != kPackageMarker)
        return std::nullopt;
    std::vector<Section> sections;
    for (size_t pos = kPackageHeadSize; pos < phase.size();) {
        if (phase.size() - pos < kSectionHeadSize)
            return std::nullopt;
        const std::string_view bytes = phase.substr(pos, kSectionHeadSize);
        const SectionHeadFields s = ReadSectionHead(bytesOf(bytes).first<kSectionHeadSize>());
        check(SectionHead(s.type, static_cast<PackageSection>(s.kind), s.length) == bytes);
        pos += kSectionHeadSize;
        if (s.length > phase.size() - pos)
            return std::nullopt;
        sections.push_back({s, phase.substr(pos, s.length)});
        pos += s.length;
    }
    return sections;
}

// A package of a title and one or two parts is as long as PackageLength
// says, and its title reads back as EncodeUtf16Le writes it.
void checkLayout(const std::vector<Section> &sections, size_t declared)
{
    if (sections.size() < 2 || sections.size() > 3 || sections[0].content.size() % 2 != 0)
        return;
    const std::string_view title = sections[0].content;
    std::u16string text;
    for (size_t i = 0; i < title.size(); i += 2)
        text += static_cast<char16_t>(static_cast<std::uint8_t>(title[i]) |
                                      static_cast<std::uint8_t>(title[i + 1]) << 8);
    check(EncodeUtf16Le(text) == title);
    const std::optional<size_t> second =
        sections.size() == 3 ? std::optional<size_t>(sections[2].content.size()) : std::nullopt;
    check(PackageLength(text.size(), sections[1].content.size(), second) == declared);
}

// --- a 2.01 phone that answers one AT+KPSR, and the user around it ---

class AnsweringPhone final : public CommandSink {
public:
    void attach(PhoneSession &session) { session_ = &session; }
    void answerNext(std::string answer) { answer_ = std::move(answer); }
    bool send(const void *data, size_t length) override
    {
        if (length == 1 && *static_cast<const char *>(data) == '\r' && !answer_.empty()) {
            session_->receive(answer_.data(), static_cast<std::uint32_t>(answer_.size()));
            answer_.clear();
        }
        return true;
    }

private:
    PhoneSession *session_ = nullptr;
    std::string answer_;
};

struct QuietLink final : LinkControl {
    std::uint32_t sentBytes() override { return 0; }
    void resetSentBytes() override {}
    int outputQueue() override { return 0; }
    bool drain(int) override { return true; }
    void purgeOutput() override {}
    void purgeInput() override {}
    bool setDtr(bool) override { return true; }
    bool setSpeed(int) override { return true; }
    std::uint32_t lineErrors() override { return 0; }
    void resetLineErrors() override {}
};

struct CountingPrompt final : Prompt {
    void showMessage(MessageIcon, const std::string &) override { ++shown; }
    bool askYesNo(const std::string &) override
    {
        ++shown;
        return false;
    }
    int shown = 0;
};

struct Texts final : TextSource {
    std::string text(std::uint32_t id) const override { return std::to_string(id); }
    std::string formatInserts(std::uint32_t id, std::span<const TextArg>) const override { return text(id); }
};

struct SilentProgress final : TransferProgress {
    void setObjectName(const std::string &) override {}
    void setStep(const std::string &) override {}
    void setCounter(const std::string &) override {}
    void setDetail(const std::string &) override {}
    void setRange(std::uint32_t) override {}
    void setPosition(std::uint32_t) override {}
};

struct Questions final : TransferQuestions {
    ReplaceAnswer confirmReplace(const std::string &, std::string &) override
    {
        ++replaceAsked;
        return ReplaceAnswer::Skip;
    }
    bool convertToPcm(const std::string &) override { return convert; }
    bool convert = false;
    int replaceAsked = 0;
};

// One for the whole run; each input starts from an empty folder. Under
// /dev/shm where there is one: every stored file is synced to disk.
struct Rig {
    Rig() : session(phone)
    {
        const char *base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::getenv("TMPDIR");
        std::string pattern = std::string(base ? base : "/tmp") + "/quillora-package-fuzz-XXXXXX";
        check(::mkdtemp(pattern.data()) != nullptr);
        folder = pattern;
        phone.attach(session);
        session.setDelayFactor(1); // a wait that should not happen stays short
        PhoneInfo info;
        info.modelName = "QP-200";
        info.imei = "351234567890123";
        info.protocolVersion = 201;
        check(connection.TryAccept(info, nullptr));
    }
    ~Rig() { fs::remove_all(folder); }

    std::map<std::string, std::string> takeFiles()
    {
        std::map<std::string, std::string> files;
        for (const auto &entry : fs::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in), {}};
        }
        for (const auto &[name, content] : files)
            fs::remove(fs::path(folder) / name);
        return files;
    }

    std::string folder;
    AnsweringPhone phone;
    PhoneSession session;
    ConnectionState connection;
    QuietLink link;
    CountingPrompt prompt;
    Texts texts;
    Questions questions;
};

constexpr ObjectType kWav = 1, kAmr = 14;
constexpr ObjectType kDeclaredTypes[] = {kWav, 4 /* IMEL */, kAmr, 101 /* WBMP */, 104 /* JPEG */, 201 /* AGIF */};

// What the retrieval should leave in the folder for this object: the file
// under the extension its content shows, and a PCM copy of a sound in the
// phone's ADPCM or in AMR when one is wanted (a WAV that is AMR always).
std::map<std::string, std::string> expectedFiles(std::string_view object, ObjectType declared, bool convert)
{
    const Bytes bytes = bytesOf(object);
    const ObjectType seen = bytes.size() >= 10 ? RecognizeContent(declared, bytes.first(10)) : declared;
    const bool phoneAdpcm = seen == kWav && audio::WavFormatTagOf(bytes) == 0x0101;
    std::map<std::string, std::string> files{{"object" + std::string(ExtensionOf(seen)), std::string(object)}};
    std::vector<std::uint8_t> copy;
    std::string copyName;
    if (phoneAdpcm && convert) {
        copy = audio::WavToPcmWav(bytes);
        copyName = "object (PCM).wav";
    } else if (seen == kAmr && (convert || declared == kWav)) {
        copy = audio::AmrToPcmWav(bytes);
        copyName = "object.wav";
    }
    if (!copy.empty()) // the converter refused it: no copy
        files[copyName] = textOf(copy);
    return files;
}

void checkRetrieval(std::string_view phase, std::string_view object, ObjectType declared, bool convert)
{
    static Rig rig;
    check(!ExtensionOf(declared).empty());
    rig.phone.answerNext("\r\n+KPSR: " + std::to_string(phase.size()) + "\r\n\r\nCONNECT\r\n" + std::string(phase) +
                         "\r\nNO CARRIER\r\n");
    rig.prompt.shown = rig.questions.replaceAsked = 0;
    rig.questions.convert = convert;
    SilentProgress progress;
    progress.mode = TransferMode::Receive;
    progress.objectType = declared;
    progress.objectName = "object" + std::string(ExtensionOf(declared));
    progress.filePath = rig.folder;
    progress.secondPath = "004F0062006A";
    OperationContext context{rig.session, rig.connection, rig.link, rig.texts, rig.prompt, nullptr, &rig.questions};
    check(ReceiveObjects(context, progress));
    check(rig.prompt.shown == 0 && rig.questions.replaceAsked == 0);
    check(rig.takeFiles() == expectedFiles(object, declared, convert));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    std::string phase(reinterpret_cast<const char *>(data + 1), size - 1);
    if ((data[0] & 1) && phase.size() >= kPackageHeadSize)
        phase.replace(0, kPackageHeadSize, PackageHead(static_cast<std::uint32_t>(phase.size())));
    const auto sections = walk(phase);
    if (!sections)
        return 0; // a refused package costs the retrieval a DTR pulse of half a second
    checkLayout(*sections, phase.size());
    const ObjectType declared = kDeclaredTypes[(data[0] >> 2) % std::size(kDeclaredTypes)];
    checkRetrieval(phase, sections->back().content, declared, (data[0] & 2) != 0);
    return 0;
}
