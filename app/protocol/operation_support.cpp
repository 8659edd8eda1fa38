// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#include "operation_support.h"

#include "link_control.h"
#include "phone_session.h"
#include "prompt.h"
#include "protocol_error.h"
#include "text_source.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace quillora::operation {

namespace {

// Objects travel with 32-bit lengths; the package adds its heads.
constexpr std::uint64_t kLargestObject = 0x7FFF0000u;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

FileImage::~FileImage()
{
    release();
}

void FileImage::release()
{
    if (mapping_)
        ::munmap(mapping_, size_);
    mapping_ = nullptr;
    buffer_.clear();
    buffer_.shrink_to_fit();
    data_ = nullptr;
    size_ = 0;
}

void FileImage::load(const std::string &path, Mode mode)
{
    release();
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw ProtocolError{1};
    if (info.st_size == 0)
        throw ProtocolError{2};
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > kLargestObject)
        throw ProtocolError{4}; // no phone stores it, and it cannot be framed
    if (mode == Mode::Map) {
        void *mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
        if (mapped == MAP_FAILED)
            throw ProtocolError{1};
        mapping_ = mapped;
        data_ = static_cast<const std::uint8_t *>(mapped);
        size_ = size;
        return;
    }
    buffer_.resize(size);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd.get(), buffer_.data() + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    if (done < size) {
        buffer_.clear();
        throw ProtocolError{3};
    }
    data_ = buffer_.data();
    size_ = size;
}

void ReportFailure(OperationContext &context, TransferProgress &progress, std::int32_t code,
                   const std::string &name, std::span<const CodeText> table)
{
    if (progress.cancelled() || code == error_code::kCancelled)
        return;
    if (code < 0) {
        ShowPhoneError(context.prompt, context.texts, code, context.session.listStale);
        return;
    }
    for (const CodeText &entry : table)
        if (entry.code == code) {
            context.prompt.showMessage(MessageIcon::Error,
                                       context.texts.format(entry.textId, {std::int64_t{code}, name}));
            return;
        }
    ShowProtocolError(context.prompt, context.texts, code, context.session.listStale);
}

std::string FileNameOf(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string Counter(int index, int count)
{
    return Format("(%d/%d)", index, count);
}

std::string Format(const char *format, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return n < 0 ? std::string() : std::string(buffer, std::min<size_t>(static_cast<size_t>(n), sizeof buffer - 1));
}

std::optional<std::uint32_t> LeadingNumber(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    std::uint64_t value = 0;
    const size_t first = pos;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (value > UINT32_MAX)
            return std::nullopt;
    }
    if (pos == first)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

void PulseDtr(LinkControl &link, int lowMs)
{
    link.setDtr(false);
    std::this_thread::sleep_for(std::chrono::milliseconds(lowMs));
    link.setDtr(true);
}

} // namespace quillora::operation
