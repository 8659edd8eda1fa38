// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Fetching objects into files (+KPSR) and deleting them (+KPSD).
//
// A fetched object is written to a temporary file beside its target and
// moved over the target only once the phone has closed the data phase: a
// failed or cancelled item leaves an existing file as it was and no partial
// file behind. The type is corrected from the first bytes before that move,
// so the file lands under its right extension at once; sound copies in PCM
// form are written the same way, whole or not at all.

#include "connection_state.h"
#include "file_names.h"
#include "link_control.h"
#include "object_package.h"
#include "operation_support.h"
#include "phone_operations.h"
#include "phone_session.h"
#include "prompt.h"
#include "protocol_error.h"
#include "text_codec.h"
#include "text_source.h"

#include "amr_convert.h"
#include "wav_container.h"
#include "wav_convert.h"

#include "trelvix.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

namespace quillora {

using namespace operation;

namespace {

constexpr size_t kPiece = 1024;
constexpr ObjectType kWav = 1;
constexpr ObjectType kAmr = 14;
constexpr std::uint16_t kPhoneAdpcmTag = 0x0101;
// Line errors that mean received bytes were damaged or lost.
constexpr std::uint32_t kDamagingLineErrors =
    TRELVIX_CE_RXOVER | TRELVIX_CE_OVERRUN | TRELVIX_CE_RXPARITY | TRELVIX_CE_FRAME | TRELVIX_CE_IOE;
// Enough of a WAV to find its format chunk.
constexpr size_t kWavHeadBytes = 64 * 1024;

const CodeText kRetrievalTexts[] = {
    {1, 65008},   // "Unable to create file "%2""
    {7, 65010},   // "Data received from mobile phone are invalid"
    {132, 65014}, // "Download error, datas have been lost."
};

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string withExtension(const std::string &path, std::string_view extension)
{
    const size_t slash = path.rfind('/');
    const size_t dot = path.rfind('.');
    const size_t stemEnd = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1) ? dot
                                                                                                      : path.size();
    return path.substr(0, stemEnd) + std::string(extension);
}

// A ".." step lets a path leave the folder it seems to name.
bool climbsOut(std::string_view path)
{
    for (size_t start = 0; start <= path.size();) {
        const size_t end = std::min(path.find('/', start), path.size());
        if (path.substr(start, end - start) == "..")
            return true;
        start = end + 1;
    }
    return false;
}

bool exists(const std::string &path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// A file written beside its target, renamed over it when complete and
// removed otherwise.
class PendingFile {
public:
    ~PendingFile() { discard(); }

    // Throws code 1 when the folder takes no new file.
    void create(const std::string &folder)
    {
        discard();
        // Not mkstemp: its files are private (0600), and the rename would
        // hand that on to the user's file. Mode 0666 takes the umask.
        thread_local std::mt19937_64 random{std::random_device{}()};
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = folder + "/.quillora-" + std::to_string(random()) + ".part";
            const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                fd_ = fd;
                path_ = std::move(name);
                return;
            }
            if (errno != EEXIST)
                break;
        }
        throw ProtocolError{1};
    }
    void write(const std::uint8_t *data, size_t n)
    {
        while (n > 0) {
            const ssize_t done = ::write(fd_, data, n);
            if (done < 0 && errno == EINTR)
                continue;
            if (done <= 0)
                throw ProtocolError{1}; // the disk is full, or the folder went away
            data += done;
            n -= static_cast<size_t>(done);
        }
    }
    // Reads back up to `limit` bytes of what was written.
    std::vector<std::uint8_t> readBack(size_t limit) const
    {
        std::vector<std::uint8_t> out(limit);
        size_t done = 0;
        while (done < limit) {
            const ssize_t n = ::pread(fd_, out.data() + done, limit - done, static_cast<off_t>(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        out.resize(done);
        return out;
    }
    // Makes the file `target`, replacing what is there.
    void commit(const std::string &target)
    {
        if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
            fd_ = -1;
            throw ProtocolError{1};
        }
        fd_ = -1;
        if (::rename(path_.c_str(), target.c_str()) != 0)
            throw ProtocolError{1};
        path_.clear();
    }
    void discard()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        if (!path_.empty())
            ::unlink(path_.c_str());
        path_.clear();
    }

private:
    int fd_ = -1;
    std::string path_;
};

// Where a file goes after the collision question; empty: not written.
struct Destination {
    std::string path;
};

class Retrieval {
public:
    Retrieval(OperationContext &context, TransferProgress &progress)
        : context_(context), progress_(progress), session_(context.session), texts_(context.texts)
    {
        usePackage_ = context.connection.phone().protocolVersion >= 201 &&
                      (progress.options & transfer_option::kNoPackage) == 0;
    }

    bool run()
    {
        session_.ClearReplies();
        session_.receiveOverflow = false;
        context_.link.resetLineErrors();
        const int count = progress_.itemSource->restart(progress_);
        for (int index = 1; index <= count; ++index)
            if (!receiveItem(index, count))
                return false;
        return !progress_.cancelled();
    }

private:
    std::string text(std::uint32_t id) const { return texts_.text(id); }
    void checkCancel() const
    {
        if (progress_.cancelled())
            throw ProtocolError{error_code::kCancelled};
    }

    bool receiveItem(int index, int count);
    std::uint32_t request(const TransferItem &item, const std::string &folder);
    void receiveRaw(PendingFile &out);
    void receivePackage(PendingFile &out);
    // Reads n bytes of the data phase, into the file or (file null) nowhere.
    void receiveChunk(PendingFile *out, std::uint64_t n, std::uint8_t *head = nullptr);
    void expectNoCarrier();
    void leaveDataMode();
    // Asks about an existing file unless "All" was answered; throws 0 for
    // Cancel.
    Destination resolveCollision(const std::string &path);
    void finish(PendingFile &out, const TransferItem &item);
    void writeCopy(std::span<const std::uint8_t> image, const std::string &path);

    OperationContext &context_;
    TransferProgress &progress_;
    PhoneSession &session_;
    const TextSource &texts_;
    bool usePackage_ = false;
    bool replaceAll_ = false;
    bool phoneSending_ = false; // the phone answered +KPSR for the current item
    std::uint32_t declared_ = 0;
    std::uint64_t received_ = 0;
    std::uint64_t stored_ = 0;
    std::array<std::uint8_t, 10> first_{};
    size_t firstCount_ = 0;
};

bool Retrieval::receiveItem(int index, int count)
{
    progress_.setPosition(0);
    progress_.setStep(text(text_id::kOpeningSession));
    progress_.setDetail({});
    if (count > 1)
        progress_.setCounter(Counter(index, count));
    TransferItem item;
    if (!progress_.itemSource->fetch(progress_, index, item))
        return true;
    progress_.setObjectName(item.name);
    PendingFile out;
    phoneSending_ = false;
    bool inDataPhase = false;
    try {
        const std::string folder = folderOf(item.path);
        if (JoinInFolder(folder, FileNameOf(item.path)).empty() || climbsOut(item.path))
            throw ProtocolError{1};
        out.create(folder);
        declared_ = request(item, folder);
        session_.ExpectLine("CONNECT", 2000);
        progress_.setStep(text(text_id::kReceivingData));
        inDataPhase = true;
        received_ = 0;
        firstCount_ = 0;
        if (usePackage_)
            receivePackage(out);
        else
            receiveRaw(out);
        checkCancel();
        expectNoCarrier();
        // The phone has closed its data phase: a later failure (a file
        // error, Cancel in a question) has no data mode to leave.
        inDataPhase = phoneSending_ = false;
        progress_.setStep(text(text_id::kClosingSession));
        finish(out, item);
    } catch (const ProtocolError &error) {
        // Once the phone has announced the object it sends it: a failure
        // from then on (a refused length, a cancel) leaves the data mode.
        if (inDataPhase || phoneSending_)
            leaveDataMode();
        out.discard();
        ReportFailure(context_, progress_, error.code, item.name, kRetrievalTexts);
        return false;
    }
    if (progress_.cancelled())
        return false;
    progress_.itemSource->done(progress_, index);
    return true;
}

std::uint32_t Retrieval::request(const TransferItem &item, const std::string &folder)
{
    // The name goes back inside quotes exactly as listed; one that could
    // end the quotes or the command line is not a name the phone gave.
    if (item.third.find_first_of("\"\r\n") != std::string::npos)
        throw ProtocolError{7};
    progress_.setStep(text(text_id::kRequestingFile));
    session_.Command("AT+KPSR=\"" + ToCodePage(item.third) + "\"");
    const auto line = session_.WaitLine(10000, 1024);
    if (!line)
        throw ProtocolError{error_code::kNoReply};
    constexpr std::string_view kPrefix = "+KPSR: ";
    if (!line->starts_with(kPrefix)) {
        CheckErrorReply(*line);
        throw ProtocolError{error_code::kUnexpectedReply};
    }
    phoneSending_ = true;
    checkCancel();
    const auto declared = LeadingNumber(std::string_view(*line).substr(kPrefix.size()));
    if (!declared)
        throw ProtocolError{7};
    // An empty object cannot be stored, and one larger than the disk's free
    // room would only fail half way.
    struct statvfs disk {};
    if (*declared == 0 ||
        (::statvfs(folder.c_str(), &disk) == 0 && std::uint64_t{disk.f_bavail} * disk.f_frsize < *declared))
        throw ProtocolError{1};
    progress_.setRange(*declared);
    return *declared;
}

void Retrieval::receiveRaw(PendingFile &out)
{
    stored_ = declared_;
    receiveChunk(&out, declared_);
}

void Retrieval::receivePackage(PendingFile &out)
{
    std::uint8_t head[kPackageHeadSize];
    if (declared_ < kPackageHeadSize + kSectionHeadSize)
        throw ProtocolError{7};
    receiveChunk(nullptr, kPackageHeadSize, head);
    const PackageHeadFields package = ReadPackageHead(std::span<const std::uint8_t, kPackageHeadSize>(head));
    if (package.remaining != declared_ - 4 || package.marker != kPackageMarker)
        throw ProtocolError{7};
    stored_ = 0;
    while (received_ < declared_) {
        if (declared_ - received_ < kSectionHeadSize)
            throw ProtocolError{7};
        std::uint8_t sectionBytes[kSectionHeadSize];
        receiveChunk(nullptr, kSectionHeadSize, sectionBytes);
        const SectionHeadFields section =
            ReadSectionHead(std::span<const std::uint8_t, kSectionHeadSize>(sectionBytes));
        if (section.length > declared_ - received_)
            throw ProtocolError{7}; // a section running past the package
        // Only the last section (the object) is kept; the title is dropped.
        const bool last = received_ + section.length == declared_;
        if (last)
            stored_ = section.length;
        receiveChunk(last ? &out : nullptr, section.length);
    }
}

void Retrieval::receiveChunk(PendingFile *out, std::uint64_t n, std::uint8_t *head)
{
    std::uint8_t buffer[kPiece];
    while (n > 0) {
        const size_t want = static_cast<size_t>(std::min<std::uint64_t>(n, kPiece));
        const size_t got = session_.ReadBytes(reinterpret_cast<char *>(buffer), want, 3000);
        if (got == 0)
            throw ProtocolError{error_code::kPhoneGone};
        checkCancel();
        received_ += got;
        progress_.setPosition(static_cast<std::uint32_t>(received_));
        progress_.setDetail(texts_.format(text_id::kBytesReceived,
                                          {static_cast<std::int64_t>(received_), std::int64_t{declared_}}));
        if (head) {
            std::copy(buffer, buffer + got, head);
            head += got;
        }
        if (out) {
            out->write(buffer, got);
            for (size_t i = 0; i < got && firstCount_ < first_.size(); ++i)
                first_[firstCount_++] = buffer[i];
        }
        n -= got;
        // Bytes the ring dropped, or the line garbled, are gone for good.
        if (session_.receiveOverflow || (context_.link.lineErrors() & kDamagingLineErrors))
            throw ProtocolError{132};
    }
}

void Retrieval::expectNoCarrier()
{
    static constexpr std::string_view kNoCarrier = "\r\nNO CARRIER\r\n";
    char reply[kNoCarrier.size()];
    const size_t n = session_.ReadBytes(reply, sizeof reply, 5000);
    if (n == 0)
        throw ProtocolError{error_code::kNoReply};
    if (std::string_view(reply, n) != kNoCarrier)
        throw ProtocolError{error_code::kUnexpectedReply};
}

void Retrieval::leaveDataMode()
{
    context_.link.setDtr(false);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    context_.link.purgeInput();
    session_.ClearReplies();
    context_.link.setDtr(true);
    const auto line = session_.WaitLine(2000, 1024);
    if (line && *line == "NO CARRIER")
        session_.WaitLine(2000, 1024);
}

Destination Retrieval::resolveCollision(const std::string &path)
{
    if (replaceAll_ || !exists(path))
        return {path};
    if (!context_.questions)
        return {}; // nobody to ask: never replace
    std::string chosen;
    switch (context_.questions->confirmReplace(path, chosen)) {
    case ReplaceAnswer::All:
        replaceAll_ = true;
        return {path};
    case ReplaceAnswer::Yes: return {path};
    case ReplaceAnswer::Rename: return {chosen};
    case ReplaceAnswer::Skip: return {};
    case ReplaceAnswer::Cancel: break;
    }
    throw ProtocolError{error_code::kCancelled};
}

void Retrieval::finish(PendingFile &out, const TransferItem &item)
{
    ObjectType type = item.types[0];
    const ObjectType seen =
        firstCount_ == first_.size() ? RecognizeContent(type, std::span(first_.data(), firstCount_)) : type;
    bool amrWithoutAsking = false;
    std::string target = item.path;
    if (seen != type) {
        // A declared WAV that is AMR gets its playable copy without a
        // question: the user asked for a WAV.
        amrWithoutAsking = seen == kAmr && type == kWav;
        const std::string_view extension = ExtensionOf(seen);
        if (extension.empty()) {
            out.discard();
            return;
        }
        const Destination renamed = resolveCollision(withExtension(item.path, extension));
        if (renamed.path.empty()) {
            out.discard(); // Skip: the user keeps the file that is there
            return;
        }
        target = renamed.path;
        type = seen;
    }
    const bool phoneAdpcm =
        type == kWav && audio::WavFormatTagOf(out.readBack(std::min<std::uint64_t>(stored_, kWavHeadBytes))) ==
                            kPhoneAdpcmTag;
    const bool amr = type == kAmr;
    std::vector<std::uint8_t> image;
    if ((phoneAdpcm || amr) && context_.questions &&
        (amrWithoutAsking || context_.questions->convertToPcm(phoneAdpcm ? "ADPCM" : "AMR")))
        image = out.readBack(stored_);
    out.commit(target);
    if (image.empty())
        return;
    if (phoneAdpcm)
        writeCopy(audio::WavToPcmWav(image), withExtension(target, "") + " (PCM).wav");
    else
        writeCopy(audio::AmrToPcmWav(image), withExtension(target, ".wav"));
}

void Retrieval::writeCopy(std::span<const std::uint8_t> image, const std::string &path)
{
    if (image.empty())
        return; // the converter refused the sound: the received file stands alone
    const Destination destination = resolveCollision(path);
    if (destination.path.empty())
        return;
    PendingFile copy;
    copy.create(folderOf(destination.path));
    copy.write(image.data(), image.size());
    copy.commit(destination.path);
}

// --- deletion ---

bool deleteItem(OperationContext &context, TransferProgress &progress, int index, int count)
{
    progress.setStep(context.texts.text(text_id::kDeleting));
    progress.setDetail({});
    if (count > 1)
        progress.setCounter(Counter(index, count));
    TransferItem item;
    if (!progress.itemSource->fetch(progress, index, item))
        return true;
    progress.setObjectName(item.name);
    try {
        if (item.third.find_first_of("\"\r\n") != std::string::npos)
            throw ProtocolError{error_code::kUnexpectedReply};
        context.session.Command("AT+KPSD=\"" + ToCodePage(item.third) + "\"");
        context.session.ExpectLine("OK", static_cast<int>(item.types[0] / 1024 + 7000));
    } catch (const ProtocolError &error) {
        if (error.code != -24) { // -24: the object is gone already
            std::uint32_t id = 65000;
            if (error.code == error_code::kNoReply)
                id = 65013;
            else if (error.code == error_code::kPortUnavailable)
                id = 65009;
            else if (error.code == error_code::kUnexpectedReply || error.code == error_code::kUnexpectedData)
                id = 65006;
            else if (error.code == error_code::kPhoneErrorBase + 21)
                id = 65011;
            context.prompt.showMessage(MessageIcon::Error, context.texts.format(id, {std::int64_t{error.code}}));
            return false;
        }
    }
    // The phone has deleted it, Cancel or not: the source drops its row.
    progress.itemSource->done(progress, index);
    progress.setPosition(static_cast<std::uint32_t>(index));
    return !progress.cancelled();
}

// One object named by the run itself: filePath is the folder.
class FolderItemSource final : public ItemSource {
public:
    int restart(TransferProgress &) override { return 1; }
    bool fetch(TransferProgress &progress, int index, TransferItem &item) override
    {
        if (index != 1)
            return false;
        item.name = progress.objectName;
        item.path = JoinInFolder(progress.filePath, progress.objectName);
        item.third = progress.secondPath;
        item.types[0] = progress.objectType;
        return true;
    }
    void done(TransferProgress &, int) override {}
};

// Puts the default source in place for the run and takes it out again.
class DefaultSource {
public:
    explicit DefaultSource(TransferProgress &progress) : progress_(progress)
    {
        if (!progress_.itemSource)
            progress_.itemSource = &source_;
    }
    ~DefaultSource()
    {
        if (progress_.itemSource == &source_)
            progress_.itemSource = nullptr;
    }
    DefaultSource(const DefaultSource &) = delete;
    DefaultSource &operator=(const DefaultSource &) = delete;

private:
    TransferProgress &progress_;
    FolderItemSource source_;
};

} // namespace

bool ReceiveObjects(OperationContext &context, TransferProgress &progress)
{
    context.session.listStale = 0;
    DefaultSource source(progress);
    return Retrieval(context, progress).run();
}

bool DeleteObjects(OperationContext &context, TransferProgress &progress)
{
    DefaultSource source(progress);
    const int count = progress.itemSource->restart(progress);
    progress.setRange(static_cast<std::uint32_t>(count > 0 ? count : 0));
    for (int index = 1; index <= count; ++index) {
        if (!deleteItem(context, progress, index, count))
            return false; // after a Cancel the run ends Cancelled, without a message
    }
    return true;
}

PhoneOperation OperationFor(TransferMode mode, OperationContext &context)
{
    switch (mode) {
    case TransferMode::SendOne: return [&context](TransferProgress &p) { return SendSingleObject(context, p); };
    case TransferMode::SendMany: return [&context](TransferProgress &p) { return SendObjectBatch(context, p); };
    case TransferMode::Receive: return [&context](TransferProgress &p) { return ReceiveObjects(context, p); };
    case TransferMode::Delete: return [&context](TransferProgress &p) { return DeleteObjects(context, p); };
    }
    return {};
}

} // namespace quillora
