// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Sending files to the phone. One object goes over the legacy download
// session (+KDOBJ: size limit, session, title phase, data phase, close); a
// batch sends each object with one +KPSW whose data phase holds the whole
// object, in a package with its title from protocol 2.01 on. The channel's
// writer streams the bytes while the operation watches the sent count.

#include "connection_state.h"
#include "link_control.h"
#include "object_package.h"
#include "operation_support.h"
#include "phone_operations.h"
#include "phone_session.h"
#include "prompt.h"
#include "protocol_error.h"
#include "text_codec.h"
#include "text_source.h"
#include "wav_convert.h"

#include <cctype>
#include <chrono>
#include <thread>

namespace quillora {

using namespace operation;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSlowSpeed = 19200;
constexpr std::uint32_t kNoControlLines = 0x40; // detection flag: no retry at a lower speed
constexpr std::uint32_t kNearEnd = 1000;

const CodeText kUploadTexts[] = {
    {1, 65001}, // "Unable to open file "%2""
    {2, 65002}, // "File "%2" is empty !"
    {3, 65003}, // "Unable to read file "%2" !"
    {4, 65007}, // the phone's memory cannot store an object this size
};

// The user chose to send again at 19200 bit/s, or the phone refused the
// compressed form: the run starts over.
struct RestartRun {};

enum class Variant { SendOne, SendMany };

class Upload {
public:
    Upload(OperationContext &context, TransferProgress &progress)
        : context_(context), progress_(progress), session_(context.session), texts_(context.texts)
    {
    }

protected:
    std::string text(std::uint32_t id) const { return texts_.text(id); }
    void checkCancel() const
    {
        if (progress_.cancelled())
            throw ProtocolError{error_code::kCancelled};
    }

    // A WAV sound goes in the phone's ADPCM form while the phone takes it.
    std::span<const std::uint8_t> chooseForm(ObjectType type, std::span<const std::uint8_t> file)
    {
        compressed_.clear();
        const bool refused = (context_.connection.quirks() & phone_quirk::kNoCompressedSounds) != 0;
        if (type != 1 || refused || !compressionAllowed_) {
            compressionAllowed_ = false;
            return file;
        }
        compressed_ = audio::CompressWavForPhone(file);
        if (compressed_.empty()) {
            compressionAllowed_ = false;
            return file;
        }
        return compressed_;
    }
    bool sendingCompressed() const { return !compressed_.empty(); }
    std::uint32_t dataStep() const
    {
        return sendingCompressed() ? text_id::kSendingCompressed : text_id::kSendingData;
    }

    void monitorDataPhase(std::uint32_t length, Variant variant);
    void abortDataMode(bool batch);
    bool lowSpeedRetryApplies() const;
    // Purges, resynchronises and asks; true when the user chose to send
    // again at 19200 bit/s (already switched), false to take the object as
    // acknowledged.
    bool offerLowSpeedRetry(bool batch);
    // The phone said -4 to a compressed sound: remember it for this phone.
    bool compressedSoundRefused(std::int32_t code);

    OperationContext &context_;
    TransferProgress &progress_;
    PhoneSession &session_;
    const TextSource &texts_;
    bool compressionAllowed_ = true;
    std::vector<std::uint8_t> compressed_;
};

void Upload::monitorDataPhase(std::uint32_t length, Variant variant)
{
    const auto start = Clock::now();
    long long previousEstimate = -1;
    std::uint32_t lastSent = 0;
    long long lastChange = 0;
    std::uint32_t sent = 0;
    const std::uint32_t nearEnd = length - kNearEnd; // wraps below 1000 bytes: only the phone ends the loop
    do {
        checkCancel();
        const long long elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        sent = context_.link.sentBytes() - static_cast<std::uint32_t>(context_.link.outputQueue());
        if (variant == Variant::SendOne && static_cast<std::int32_t>(sent) < 0)
            sent = 0;
        if (sent == lastSent) {
            if (elapsed - lastChange >= context_.stallLimit.count())
                throw ProtocolError{error_code::kPhoneGone};
        } else {
            lastSent = sent;
            lastChange = elapsed;
        }
        if (sent > 0 && (elapsed >= 5000 || sent >= length - kNearEnd)) {
            const long long left = sent >= length ? 0 : static_cast<long long>(length - sent);
            const long long spent = elapsed * left / sent;
            const long long secondsLeft = variant == Variant::SendOne ? spent / 1000 + 1 : (spent + 10000) / 1000;
            if (secondsLeft <= 60) {
                if ((secondsLeft + 4) / 5 != (previousEstimate + 4) / 5)
                    progress_.setDetail(texts_.format(text_id::kSecondsLeft, {(secondsLeft + 4) / 5 * 5}));
            } else if (previousEstimate <= 60 || (secondsLeft + 59) / 60 != (previousEstimate + 59) / 60) {
                progress_.setDetail(texts_.format(text_id::kMinutesLeft, {(secondsLeft + 59) / 60}));
            }
            previousEstimate = secondsLeft;
        }
        progress_.setPosition(sent);
        if (session_.WaitForData(std::chrono::milliseconds(0)))
            break; // the phone has answered already
        std::this_thread::sleep_for(std::chrono::milliseconds(variant == Variant::SendOne ? 5 : 50));
    } while (sent < nearEnd);
    if (sent < nearEnd)
        return; // an early answer: the acknowledgment step reads it
    context_.link.drain(static_cast<int>(session_.scaled(15000).count()));
    progress_.setPosition(length);
    progress_.setStep(text(text_id::kWaitingAck));
}

void Upload::abortDataMode(bool batch)
{
    context_.link.purgeOutput();
    PulseDtr(context_.link, 200);
    const auto line = session_.WaitLine(2000);
    if (batch && line && *line == "NO CARRIER")
        session_.WaitLine(2000);
}

bool Upload::lowSpeedRetryApplies() const
{
    const PhoneInfo phone = context_.connection.phone();
    return phone.speed > kSlowSpeed && (phone.detectionFlags & kNoControlLines) == 0;
}

bool Upload::offerLowSpeedRetry(bool batch)
{
    abortDataMode(batch);
    session_.Command("AT");
    session_.ExpectLine("OK", 2000);
    if (!context_.prompt.askYesNo(text(text_id::kLowSpeedQuestion)))
        return false;
    session_.Command("AT+IPR=19200");
    session_.ExpectLine("OK", 2000);
    // The phone answered at the old speed and listens at the new one now.
    context_.link.setSpeed(kSlowSpeed);
    context_.connection.setSpeed(kSlowSpeed);
    if (context_.speedChanged)
        context_.speedChanged(kSlowSpeed);
    return true;
}

bool Upload::compressedSoundRefused(std::int32_t code)
{
    if (progress_.cancelled() || code != -4 || !sendingCompressed())
        return false;
    context_.connection.SavePhoneQuirks(context_.connection.quirks() | phone_quirk::kNoCompressedSounds,
                                        context_.quirksStore);
    progress_.setPosition(0);
    compressionAllowed_ = false;
    return true;
}

// --- one object over the legacy download session ---

class SingleUpload : public Upload {
public:
    using Upload::Upload;

    bool run()
    {
        for (;;) {
            try {
                return attempt();
            } catch (const RestartRun &) {
                // Everything of the attempt is released; read the file again.
            }
        }
    }

private:
    bool attempt();
    void askLimit(std::uint32_t length);
    void openSession();
    bool sendTitle(); // false: the phone refused the UCS-2 title, open again
    void sendPart(int part, ObjectType type, std::span<const std::uint8_t> data);

    bool sessionOpen_ = false; // AT+KDOBJ=1,1 was acknowledged: a failure leaves the data mode
};

bool SingleUpload::attempt()
{
    const std::string fileName = FileNameOf(progress_.filePath);
    FileImage first, second;
    sessionOpen_ = false;
    try {
        progress_.setObjectName(fileName);
        progress_.setStep(text(text_id::kReadingFile));
        progress_.setPosition(0);
        first.load(progress_.filePath, FileImage::Mode::Read);
        const bool twoParts = progress_.hasSecondPart;
        if (twoParts)
            second.load(progress_.secondPath, FileImage::Mode::Read);
        const std::span<const std::uint8_t> data = chooseForm(progress_.objectType, first.bytes());
        const auto length = static_cast<std::uint32_t>(data.size());
        progress_.setRange(length);
        progress_.setStep(text(text_id::kOpeningSession));
        checkCancel(); // a run cancelled before it started sends nothing
        askLimit(length);
        checkCancel();
        do {
            openSession();
            sessionOpen_ = true;
        } while (!sendTitle());
        progress_.setStep(text(dataStep()));
        sendPart(0, progress_.objectType, data);
        if (twoParts) {
            progress_.setRange(static_cast<std::uint32_t>(second.bytes().size()));
            sendPart(1, progress_.secondType, second.bytes());
        }
        progress_.setStep(text(text_id::kClosingSession));
        session_.Command("AT+KDOBJ=1,0");
        session_.ExpectLine("OK", 15000);
        return !progress_.cancelled();
    } catch (const ProtocolError &error) {
        if (sessionOpen_)
            abortDataMode(false);
        first.release();
        second.release();
        if (compressedSoundRefused(error.code))
            throw RestartRun{};
        ReportFailure(context_, progress_, error.code, fileName, kUploadTexts);
        return false;
    }
}

void SingleUpload::askLimit(std::uint32_t length)
{
    session_.ClearReplies();
    session_.Command("AT+KDOBJ?");
    const auto line = session_.WaitLine(2000);
    if (!line)
        throw ProtocolError{error_code::kNoReply};
    constexpr std::string_view kPrefix = "+KDOBJ: ";
    if (!line->starts_with(kPrefix)) {
        CheckErrorReply(*line);
        throw ProtocolError{error_code::kUnexpectedReply};
    }
    // The number bounds the object: no number bounds it to nothing, one too
    // large for 32 bits does not bound it at all.
    const std::string_view number = std::string_view(*line).substr(kPrefix.size());
    const auto limit = LeadingNumber(number);
    const bool hasDigits = number.find_first_not_of(' ') != std::string_view::npos &&
                           std::isdigit(static_cast<unsigned char>(number[number.find_first_not_of(' ')]));
    if ((!hasDigits || limit) && length >= limit.value_or(0))
        throw ProtocolError{4};
    session_.ExpectLine("OK", 2000);
}

void SingleUpload::openSession()
{
    session_.Command("AT+KDOBJ=1,1");
    session_.ExpectLine("OK", 2000);
    checkCancel();
    progress_.setStep(text(text_id::kSendingTitle));
}

bool SingleUpload::sendTitle()
{
    const std::u16string title = Utf8ToUtf16(progress_.objectName);
    if (context_.connection.quirks() & phone_quirk::kByteTitles) {
        const std::string bytes = ToCodePage(progress_.objectName);
        session_.Command(Format("AT+KDOBJ=2,1,3,0,%zu", bytes.size()));
        session_.ExpectLine("CONNECT", 2000);
        session_.SendBytes(bytes.data(), bytes.size());
    } else {
        session_.Command(Format("AT+KDOBJ=2,1,6,0,%zu", 2 * title.size()));
        const auto line = session_.WaitLine(2000);
        if (!line)
            throw ProtocolError{error_code::kNoReply};
        if (*line == "ERROR" || line->starts_with("+CME ERROR: 100,")) {
            context_.connection.SavePhoneQuirks(context_.connection.quirks() | phone_quirk::kByteTitles,
                                                context_.quirksStore);
            return false;
        }
        if (*line != "CONNECT") {
            CheckErrorReply(*line);
            throw ProtocolError{error_code::kUnexpectedReply};
        }
        const std::string bytes = EncodeUtf16Le(title);
        session_.SendBytes(bytes.data(), bytes.size());
    }
    session_.ExpectLine("OK", 2000);
    checkCancel();
    return true;
}

void SingleUpload::sendPart(int part, ObjectType type, std::span<const std::uint8_t> data)
{
    const auto length = static_cast<std::uint32_t>(data.size());
    session_.Command(Format("AT+KDOBJ=2,1,%d,%u,%u", part, static_cast<unsigned>(type), length));
    session_.ExpectLine("CONNECT", 2000);
    context_.link.resetSentBytes();
    session_.SendBytes(data.data(), data.size());
    monitorDataPhase(length, Variant::SendOne);
    try {
        session_.ExpectLine("OK", 15000);
    } catch (const ProtocolError &error) {
        if (error.code != error_code::kNoReply || !lowSpeedRetryApplies())
            throw;
        sessionOpen_ = false; // the retry leaves the data mode itself
        if (offerLowSpeedRetry(false))
            throw RestartRun{};
        // No: the object counts as acknowledged.
    }
    progress_.setPosition(length);
}

// --- a batch over +KPSW ---

class BatchUpload : public Upload {
public:
    using Upload::Upload;

    bool run();

private:
    // false ends the run (an error was shown, or the run was cancelled).
    bool sendItem(int index, int count);
    void transmit(const TransferItem &item, std::span<const std::uint8_t> data, std::span<const std::uint8_t> second,
                  std::uint32_t total);
    void acknowledge(std::uint32_t total);

    bool usePackage_ = false;
    bool connected_ = false; // the phone answered CONNECT for the current item
    // +KPSW went out and its CONNECT has not been seen: a reply lost or
    // garbled may still have put the phone in the data mode.
    bool awaitingConnect_ = false;
};

bool BatchUpload::run()
{
    usePackage_ = context_.connection.phone().protocolVersion >= 201 &&
                  (progress_.options & transfer_option::kNoPackage) == 0;
    for (;;) {
        try {
            session_.ClearReplies();
            const int count = progress_.itemSource->restart(progress_);
            for (int index = 1; index <= count; ++index)
                if (!sendItem(index, count))
                    return false;
            return !progress_.cancelled();
        } catch (const RestartRun &) {
            // From the first item again; compressionAllowed stays as it is.
        }
    }
}

bool BatchUpload::sendItem(int index, int count)
{
    progress_.setPosition(0);
    progress_.setStep(text(text_id::kReadingFile));
    progress_.setDetail({});
    if (count > 1)
        progress_.setCounter(Counter(index, count));
    TransferItem item;
    if (!progress_.itemSource->fetch(progress_, index, item))
        return true;
    const std::string fileName = FileNameOf(item.path);
    FileImage file, second;
    connected_ = awaitingConnect_ = false;
    try {
        progress_.setObjectName(fileName);
        file.load(item.path, FileImage::Mode::Map);
        const bool twoParts = item.types[1] != kNoObjectType;
        if (twoParts)
            second.load(item.third, FileImage::Mode::Map);
        const std::span<const std::uint8_t> data = chooseForm(item.types[0], file.bytes());
        const std::u16string title = Utf8ToUtf16(item.name);
        const std::uint64_t total64 =
            usePackage_ ? PackageLength(title.size(), data.size(),
                                        twoParts ? std::optional<size_t>(second.bytes().size()) : std::nullopt)
                        : data.size();
        if (total64 > UINT32_MAX)
            throw ProtocolError{4};
        const auto total = static_cast<std::uint32_t>(total64);
        progress_.setRange(total);
        progress_.setStep(text(text_id::kOpeningSession));
        progress_.setStep(text(dataStep()));
        const std::string typeName = ToCodePage(std::string(TypeNameOf(item.types[0])));
        checkCancel();
        session_.Command(Format("AT+KPSW=\"%s\",%u", typeName.c_str(), total));
        awaitingConnect_ = true;
        session_.ExpectLine("CONNECT", 10000);
        awaitingConnect_ = false;
        connected_ = true;
        transmit(item, data, second.bytes(), total);
        monitorDataPhase(total, Variant::SendMany);
        acknowledge(total);
        progress_.setPosition(total);
        progress_.setStep(text(text_id::kClosingSession));
    } catch (const ProtocolError &error) {
        const bool connectLost = awaitingConnect_ && (error.code == error_code::kNoReply ||
                                                      error.code == error_code::kUnexpectedReply);
        if (connected_ || connectLost)
            abortDataMode(true);
        file.release();
        second.release();
        if (compressedSoundRefused(error.code))
            throw RestartRun{};
        ReportFailure(context_, progress_, error.code, fileName, kUploadTexts);
        return false;
    }
    if (progress_.cancelled())
        return false;
    progress_.itemSource->done(progress_, index);
    return true;
}

void BatchUpload::transmit(const TransferItem &item, std::span<const std::uint8_t> data,
                           std::span<const std::uint8_t> second, std::uint32_t total)
{
    context_.link.resetSentBytes();
    if (!usePackage_) {
        session_.SendBytes(data.data(), data.size());
        return;
    }
    const std::string title = EncodeUtf16Le(Utf8ToUtf16(item.name));
    const std::string head = PackageHead(total) + SectionHead(0, PackageSection::Title, title.size()) + title +
                             SectionHead(item.types[0], PackageSection::Object, data.size());
    session_.SendBytes(head.data(), head.size());
    session_.SendBytes(data.data(), data.size());
    if (item.types[1] != kNoObjectType) {
        const std::string secondHead = SectionHead(item.types[1], PackageSection::SecondPart, second.size());
        session_.SendBytes(secondHead.data(), secondHead.size());
        session_.SendBytes(second.data(), second.size());
    }
}

void BatchUpload::acknowledge(std::uint32_t total)
{
    static constexpr std::string_view kNoCarrier = "\r\nNO CARRIER\r\n";
    try {
        char reply[kNoCarrier.size()];
        const size_t n = session_.ReadBytes(reply, sizeof reply, static_cast<int>(total / 1024 * 117 + 10117));
        if (n == 0)
            throw ProtocolError{error_code::kNoReply};
        if (std::string_view(reply, n) != kNoCarrier)
            throw ProtocolError{error_code::kUnexpectedReply};
        const auto line = session_.WaitLine(2000);
        if (!line)
            return; // no closing line is taken as success
        if (line->starts_with("+KPSW: ")) {
            session_.WaitLine(500); // the final result, not examined
            return;
        }
        if (*line == "+CME ERROR: 100,65505")
            throw ProtocolError{error_code::kNoReply}; // the phone lost data: as if unacknowledged
        CheckErrorReply(*line);
        throw ProtocolError{error_code::kUnexpectedReply};
    } catch (const ProtocolError &error) {
        if (error.code != error_code::kNoReply || !lowSpeedRetryApplies())
            throw;
        connected_ = false; // the retry's own purge has left the data mode
        if (offerLowSpeedRetry(true))
            throw RestartRun{};
        // No: the object counts as acknowledged.
    }
}

} // namespace

bool SendSingleObject(OperationContext &context, TransferProgress &progress)
{
    context.session.listStale = 0;
    return SingleUpload(context, progress).run();
}

bool SendObjectBatch(OperationContext &context, TransferProgress &progress)
{
    context.session.listStale = 0;
    SingleItemSource single;
    if (!progress.itemSource)
        progress.itemSource = &single;
    const bool result = BatchUpload(context, progress).run();
    if (progress.itemSource == &single)
        progress.itemSource = nullptr;
    return result;
}

} // namespace quillora
