// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The soak: many cycles in one process of what the command line does with a
// phone (detection on the simulated phone's pty and the shared acceptance
// through PhoneConnection; send a picture, a ringtone and a vCard; list;
// retrieve them and compare the bytes; delete them; list an empty store;
// disconnect), against quillora-phonesim children whose store is a folder,
// so objects outlive a replug. Faults are drawn from the seed: line noise
// for some cycles, and now and then a replug, the phone killed at a random
// moment of the operations (from a timer thread) or between two of them and
// a fresh one started on a new pty.
//
// Failed cycles are expected where a fault was injected; what every cycle
// must keep is safety: no partial or temporary file in the retrieval
// folder, an existing file unchanged or wholly replaced by the right bytes,
// and a clean phone (after a replug too) connected within the detection
// time-out. The process's resident memory, threads and descriptors are
// sampled as it goes, so a leak per cycle shows in the figures.
//
//   soak [--cycles N] [--seed S] [--replug-every K] [--noise-share PERCENT]
//        [--timeout SECONDS] [--verbose] [--keep]
// Exit status 1 after a safety violation, a failure no fault explains, or
// threads, descriptors or memory grown between the warm-up and the end.

#include "app_settings.h"
#include "cli_options.h"
#include "file_names.h"
#include "languages.h"
#include "mime_file_types.h"
#include "phone_commands.h"
#include "phone_connection.h"
#include "phone_listing.h"
#include "phone_operations.h"
#include "prompt.h"
#include "settings_quirks_store.h"
#include "settings_store.h"
#include "terminal_progress.h"
#include "terminal_prompt.h"
#include "thread_count.h"
#include "transfer.h"
#include "ui_strings.h"
#include "ui_text_source.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <poll.h>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Under AddressSanitizer freed blocks wait in a quarantine, and under
// ThreadSanitizer its shadow grows with what was touched: the resident size
// then grows without a leak.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitizedMemory = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kSanitizedMemory = true;
#else
constexpr bool kSanitizedMemory = false;
#endif
#else
constexpr bool kSanitizedMemory = false;
#endif

using namespace quillora;
using cli::DeleteSource;
using cli::FindObjects;
using cli::ListCollector;
using cli::ListedObject;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// --- the simulated phone as a child process ---

// quillora-phonesim, started from the main thread only: its parent-death
// signal follows the thread that forked it, so a soak that dies takes its
// phones with it.
class PhoneProcess {
public:
    explicit PhoneProcess(const std::vector<std::string> &args)
    {
        // Everything the child touches is ready before the fork: between fork
        // and exec it may only make system calls.
        std::vector<std::string> owned{QUILLORA_PHONESIM};
        owned.insert(owned.end(), args.begin(), args.end());
        std::vector<char *> argv;
        for (std::string &a : owned)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe2(out, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe: " + std::string(std::strerror(errno)));
        const pid_t parent = getpid();
        pid_ = fork();
        if (pid_ < 0) {
            close(out[0]);
            close(out[1]);
            throw std::runtime_error("fork: " + std::string(std::strerror(errno)));
        }
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() != parent)
                _exit(127);
            dup2(out[1], STDOUT_FILENO);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        // Its first line is the pty; a phone that says nothing for 10 s is broken.
        std::string line;
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (line.find('\n') == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            pollfd p{out[0], POLLIN, 0};
            if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0)
                break;
            char buffer[256];
            const ssize_t n = read(out[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            line.append(buffer, static_cast<size_t>(n));
        }
        close(out[0]);
        const size_t newline = line.find('\n');
        if (newline == std::string::npos || newline == 0) {
            unplug();
            reap();
            throw std::runtime_error("the simulated phone did not start");
        }
        path_ = line.substr(0, newline);
    }
    ~PhoneProcess()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            reap();
        }
    }
    PhoneProcess(const PhoneProcess &) = delete;
    PhoneProcess &operator=(const PhoneProcess &) = delete;

    // The cable pulled: no goodbye. Safe from any thread until destruction;
    // the child stays a zombie until then, so its pid cannot be reused.
    void unplug() const { ::kill(pid_, SIGKILL); }
    const std::string &path() const { return path_; }

private:
    // Waits at most 5 s for a polite end, then kills.
    void reap()
    {
        const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
        if (pidfd >= 0) {
            pollfd p{pidfd, POLLIN, 0};
            if (poll(&p, 1, 5000) <= 0)
                ::kill(pid_, SIGKILL);
            close(pidfd);
        } else {
            ::kill(pid_, SIGKILL);
        }
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }

    pid_t pid_ = -1;
    std::string path_;
};

// --- the cycle's steps ---

enum class Step { Connect, Clear, Send, List, Retrieve, Compare, Delete, ListEmpty, Disconnect, Count };

const char *stepName(Step step)
{
    switch (step) {
    case Step::Connect: return "connect";
    case Step::Clear: return "clear leftovers";
    case Step::Send: return "send";
    case Step::List: return "list";
    case Step::Retrieve: return "retrieve";
    case Step::Compare: return "compare";
    case Step::Delete: return "delete";
    case Step::ListEmpty: return "list empty";
    case Step::Disconnect: return "disconnect";
    case Step::Count: break;
    }
    return "?";
}

// Kills the phone at a moment chosen in advance, from its own thread, while
// the main thread is inside an operation. One thread for the whole run, so
// that the thread count measures the program and not the soak.
class Unplugger {
public:
    Unplugger() : thread_([this] { run(); }) {}
    ~Unplugger()
    {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    Unplugger(const Unplugger &) = delete;
    Unplugger &operator=(const Unplugger &) = delete;

    void arm(const PhoneProcess &phone, Clock::duration delay)
    {
        {
            std::lock_guard lock(mutex_);
            target_ = &phone;
            when_ = Clock::now() + delay;
            fired_.reset();
        }
        changed_.notify_all();
    }
    // The step it fired in; none when it had not fired yet (it will not now).
    std::optional<Step> disarm()
    {
        std::lock_guard lock(mutex_);
        target_ = nullptr;
        return fired_;
    }

    std::atomic<Step> step{Step::Connect};

private:
    void run()
    {
        std::unique_lock lock(mutex_);
        while (!quit_) {
            if (!target_) {
                changed_.wait(lock, [&] { return quit_ || target_; });
                continue;
            }
            const auto when = when_;
            if (changed_.wait_until(lock, when, [&] { return quit_ || !target_ || when_ != when; }))
                continue;
            target_->unplug();
            fired_ = step.load();
            target_ = nullptr;
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    const PhoneProcess *target_ = nullptr;
    Clock::time_point when_;
    std::optional<Step> fired_;
    bool quit_ = false;
    std::thread thread_;
};

// --- the program's side ---

// The command line's messages, kept: the first error of a step is its outcome.
class RecordingPrompt final : public Prompt {
public:
    void showMessage(MessageIcon icon, const std::string &text) override
    {
        std::lock_guard lock(mutex_);
        if (icon == MessageIcon::Error) {
            ++errors_;
            if (firstError_.empty())
                firstError_ = text;
        } else if (icon == MessageIcon::Warning && firstWarning_.empty()) {
            firstWarning_ = text;
        }
    }
    bool askYesNo(const std::string &) override { return false; }

    // The first error (else warning) since the last call, and forgets them.
    std::string take(int &errors)
    {
        std::lock_guard lock(mutex_);
        std::string text = firstError_.empty() ? firstWarning_ : firstError_;
        errors = errors_;
        errors_ = 0;
        firstError_.clear();
        firstWarning_.clear();
        return text;
    }

private:
    std::mutex mutex_;
    int errors_ = 0;
    std::string firstError_;
    std::string firstWarning_;
};

struct SentFile {
    std::string fileName; // as sent, and as the retrieval writes it back
    std::string path;
    std::string bytes;
};

// The files of one send, as the command line's send takes file arguments.
class SendSource final : public ItemSource {
public:
    explicit SendSource(const std::vector<SentFile> &files) : files_(files) {}
    int restart(TransferProgress &) override { return static_cast<int>(files_.size()); }
    bool fetch(TransferProgress &, int index, TransferItem &item) override
    {
        if (index < 1 || index > static_cast<int>(files_.size()))
            return false;
        const QFileInfo file(QString::fromStdString(files_[static_cast<size_t>(index - 1)].path));
        item.path = file.absoluteFilePath().toStdString();
        item.name = file.completeBaseName().toStdString();
        item.types[0] = TypeOfFile(file.fileName());
        return item.types[0] != kNoObjectType;
    }
    void done(TransferProgress &, int) override {}

private:
    const std::vector<SentFile> &files_;
};

// --- the files ---

std::string randomBytes(std::mt19937 &random, size_t n)
{
    std::string bytes(n, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A picture, a ringtone and a vCard, different every cycle, so that a
// retrieval that hands back last cycle's bytes shows.
std::vector<SentFile> makeFiles(std::mt19937 &random, const fs::path &folder)
{
    std::vector<SentFile> files(3);
    files[0].fileName = "sun.jpg";
    files[0].bytes = std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20) +
                     randomBytes(random, 1000 + random() % 5000) + "\xFF\xD9";
    files[1].fileName = "tune.mid";
    std::string track;
    const int notes = 4 + static_cast<int>(random() % 40);
    for (int i = 0; i < notes; ++i) {
        const char key = static_cast<char>(0x30 + random() % 0x30);
        track += std::string("\x00\x90", 2) + key + '\x40' + '\x60' + '\x80' + key + '\x00';
    }
    track += std::string("\x00\xFF\x2F\x00", 4);
    const auto size = static_cast<std::uint32_t>(track.size());
    files[1].bytes = std::string("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk", 18) +
                     static_cast<char>(size >> 24) + static_cast<char>((size >> 16) & 0xFF) +
                     static_cast<char>((size >> 8) & 0xFF) + static_cast<char>(size & 0xFF) + track;
    files[2].fileName = "jane.vcf";
    files[2].bytes = "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Doe;Jane\r\nTEL;CELL:+33" +
                     std::to_string(100000000 + random() % 900000000) + "\r\nEND:VCARD\r\n";
    for (SentFile &f : files) {
        f.path = (folder / f.fileName).string();
        std::ofstream(f.path, std::ios::binary | std::ios::trunc) << f.bytes;
    }
    return files;
}

std::string readFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using FolderImage = std::map<std::string, std::string>; // file name -> bytes

FolderImage readFolder(const fs::path &folder)
{
    FolderImage image;
    for (const auto &entry : fs::directory_iterator(folder))
        image[entry.path().filename().string()] = readFile(entry.path());
    return image;
}

std::string stemOf(const std::string &name)
{
    const size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// What may be in the retrieval folder after a cycle, whatever it went
// through: the files that were there, unchanged or wholly replaced by what
// was sent, and the sent ones, whole. Line noise in the data may garble a
// byte (the protocol has no check to catch it) and, in a picture's first
// bytes, change the type it is saved as; it never shortens a file.
std::vector<std::string> checkFolder(const FolderImage &before, const FolderImage &after,
                                     const std::vector<SentFile> &sent, bool dataNoise)
{
    std::vector<std::string> problems;
    const auto sentAs = [&](const std::string &name) -> const SentFile * {
        for (const SentFile &f : sent)
            if (f.fileName == name)
                return &f;
        return nullptr;
    };
    const auto garbledCopy = [&](const std::string &name, const std::string &bytes) {
        if (!dataNoise)
            return false;
        for (const SentFile &f : sent)
            if (stemOf(f.fileName) == stemOf(name) && f.bytes.size() == bytes.size())
                return true;
        return false;
    };
    for (const auto &[name, bytes] : after) {
        if (name.rfind(".quillora-", 0) == 0 || name.ends_with(".part")) {
            problems.push_back("temporary file " + name + " left behind");
            continue;
        }
        const SentFile *file = sentAs(name);
        if (file && bytes == file->bytes)
            continue;
        const auto old = before.find(name);
        if (old != before.end() && old->second == bytes)
            continue;
        if (garbledCopy(name, bytes))
            continue;
        const char *what = old != before.end() ? ": an existing file was damaged (" : ": a partial or foreign file (";
        problems.push_back(name + what + std::to_string(bytes.size()) + " bytes)");
    }
    for (const auto &[name, bytes] : before)
        if (!after.count(name))
            problems.push_back(name + ": an existing file vanished");
    return problems;
}

// --- process figures ---

struct Sample {
    int cycle = 0;
    long rssKiB = 0;
    long hwmKiB = 0;
    long threads = 0;
    long fds = 0;
};

long statusKiB(const std::string &status, const char *key)
{
    const size_t at = status.find(key);
    return at == std::string::npos ? -1 : std::strtol(status.c_str() + at + std::strlen(key), nullptr, 10);
}

long entries(const char *folder)
{
    long n = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(folder))
        ++n;
    return n;
}

// Descriptor -> what it is, for a leak's report.
std::map<std::string, std::string> openDescriptors()
{
    std::map<std::string, std::string> out;
    std::error_code error;
    for (const auto &entry : fs::directory_iterator("/proc/self/fd")) {
        const fs::path target = fs::read_symlink(entry.path(), error);
        out[entry.path().filename().string()] = error ? "?" : target.string();
    }
    return out;
}

Sample sample(int cycle)
{
    // Detection's probe threads are detached and end a moment after a stop;
    // counting them would measure how recently a cycle ended, not a leak.
    if (!trelvix::waitForCountedThreads(std::chrono::seconds(15)))
        std::printf("cycle %d: the library's detached threads still run after 15 s\n", cycle);
    Sample s;
    s.cycle = cycle;
    const std::string status = readFile("/proc/self/status");
    s.rssKiB = statusKiB(status, "VmRSS:");
    s.hwmKiB = statusKiB(status, "VmHWM:");
    s.threads = entries("/proc/self/task");
    s.fds = entries("/proc/self/fd") - 1; // less the one listing them
    std::printf("sample cycle %5d: VmRSS %7ld KiB  VmHWM %7ld KiB  threads %3ld  fds %3ld\n", s.cycle, s.rssKiB,
                s.hwmKiB, s.threads, s.fds);
    std::fflush(stdout);
    return s;
}

// --- the run ---

struct Percentiles {
    double median = 0, p90 = 0, max = 0;
};

Percentiles percentiles(std::vector<double> v)
{
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v[std::min(v.size() - 1, v.size() * 9 / 10)], v.back()};
}


struct Options {
    int cycles = 1000;
    std::uint32_t seed = 1;
    int replugEvery = 10;  // on average one replug in this many cycles
    int noisePercent = 10; // cycles on a noisy line
    int timeoutSeconds = 10;
    bool verbose = false;
    bool keep = false;
};

enum class Noise { None, Replies, Data, Both };
enum class Replug { None, MidOperation, BetweenOperations };

struct Plan {
    Noise noise = Noise::None;
    Replug replug = Replug::None;
    // The operation the replug comes after (between operations) or in
    // (mid-operation: at this share of its usual time).
    Step operation = Step::Send;
    double killAt = 0;
    std::uint32_t noiseSeed = 1;
    int dataNoiseInterval = 0;
};

const char *noiseName(Noise n)
{
    switch (n) {
    case Noise::None: return "";
    case Noise::Replies: return "noise between replies";
    case Noise::Data: return "noise in data";
    case Noise::Both: return "noise in replies and data";
    }
    return "";
}

bool noisyReplies(Noise n)
{
    return n == Noise::Replies || n == Noise::Both;
}

bool noisyData(Noise n)
{
    return n == Noise::Data || n == Noise::Both;
}

// What ended a cycle: the step, and what to say when the program said nothing.
struct Failure {
    Step step;
    std::string why;
};

class Soak {
public:
    Soak(const Options &options, const fs::path &work)
        : options_(options), work_(work), files_(work / "files"), out_(work / "retrieved"), store_(work / "store"),
          settings_(QString::fromStdString((work / "quillora.conf").string())), quirks_(settings_),
          nullOut_(std::fopen("/dev/null", "we")), nullErr_(std::fopen("/dev/null", "we")),
          console_(nullOut_, nullErr_, false, 80), reader_(stdin),
          questions_(console_, reader_, false, cli::OverwriteChoice::All, cli::PcmChoice::Never, cli::PcmChoice::Never)
    {
        fs::create_directories(files_);
        fs::create_directories(out_);
        if (!nullOut_ || !nullErr_)
            throw std::runtime_error("cannot open /dev/null");
    }
    ~Soak()
    {
        phone_.reset();
        std::fclose(nullOut_);
        std::fclose(nullErr_);
    }

    int run();

private:
    struct CycleResult {
        std::string outcome = "ok";
        bool failed = false;
        bool connected = false;
        double seconds = 0;
    };

    void startPhone(Noise noise, const Plan &plan);
    Plan planCycle(std::mt19937 &random, bool replug);
    CycleResult cycle(int number, const Plan &plan, std::mt19937 &random);
    std::optional<Failure> operations(cli::PhoneConnection &phone, const Plan &plan, const std::vector<SentFile> &sent,
                                      int number);
    std::optional<Failure> clearLeftovers(cli::PhoneConnection &phone, OperationContext &context, const Plan &plan,
                                          int number);
    bool listAll(cli::PhoneConnection &phone, OperationContext &context, std::vector<ListedObject> &objects);
    TransferResult runOperation(cli::PhoneConnection &phone, TransferMode mode, ItemSource &source,
                                const PhoneOperation &operation);
    void replugNow();
    void violation(int cycle, const std::string &what);
    // The cycle moves on to `step`: where the unplugger fires, and its time.
    void enter(Step step)
    {
        unplugger_.step = step;
        marks_.emplace_back(step, Clock::now());
        // Kills spread over the operations, however short: a moment drawn
        // within the one chosen, by the time it usually takes.
        if (midOperationKill_ && midOperationKill_->operation == step) {
            const auto &usual = stepTimes_[static_cast<int>(step)];
            const double span = usual.empty() ? 0.1 : percentiles(usual).median;
            unplugger_.arm(*phone_, std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double>(midOperationKill_->killAt * span)));
            midOperationKill_.reset();
        }
    }

    const Options &options_;
    fs::path work_, files_, out_, store_;
    SettingsStore settings_;
    SettingsQuirksStore quirks_;
    std::FILE *nullOut_;
    std::FILE *nullErr_;
    cli::Console console_;
    cli::AnswerReader reader_;
    cli::CliQuestions questions_;
    UiTextSource texts_;
    RecordingPrompt prompt_;
    Unplugger unplugger_;
    std::unique_ptr<PhoneProcess> phone_;
    Noise phoneNoise_ = Noise::None;
    bool replugged_ = false;  // the phone was pulled since the last connection
    bool storeDirty_ = false; // objects of ours may be on the phone
    // Objects the phone acknowledged and no deletion reached: after a
    // replug they must still be listed (the store is a folder).
    std::map<std::string, std::size_t> stored_;
    std::optional<Plan> midOperationKill_; // this cycle's, until armed
    std::vector<std::pair<Step, Clock::time_point>> marks_; // this cycle's steps
    std::vector<double> stepTimes_[static_cast<int>(Step::Count)]; // of the cycles that went through
    std::map<std::string, int> outcomes_;
    std::map<std::string, int> replugs_;
    int violations_ = 0;
    int unexplained_ = 0;
    int garbled_ = 0;
};

void Soak::startPhone(Noise noise, const Plan &plan)
{
    phone_.reset(); // a polite end: the next phone takes the same store
    std::vector<std::string> args{"--store=" + store_.string()};
    if (noisyReplies(noise))
        args.push_back("--garbage");
    if (noisyData(noise))
        args.push_back("--data-noise=" + std::to_string(plan.dataNoiseInterval));
    if (noise != Noise::None)
        args.push_back("--seed=" + std::to_string(plan.noiseSeed));
    phone_ = std::make_unique<PhoneProcess>(args);
    phoneNoise_ = noise;
}

// The pulled phone's successor, clean, on a new pty.
void Soak::replugNow()
{
    phone_->unplug();
    phone_.reset();
    startPhone(Noise::None, {});
    replugged_ = true;
}

void Soak::violation(int cycle, const std::string &what)
{
    ++violations_;
    std::printf("cycle %d: SAFETY: %s\n", cycle, what.c_str());
    std::fflush(stdout);
}

Plan Soak::planCycle(std::mt19937 &random, bool replug)
{
    Plan plan;
    if (static_cast<int>(random() % 100) < options_.noisePercent)
        plan.noise = static_cast<Noise>(1 + random() % 3);
    plan.noiseSeed = 1 + random() % 1000000;
    // About one garbled byte in a cycle's few kilobytes of data.
    plan.dataNoiseInterval = 2000 + static_cast<int>(random() % 6000);
    if (replug) {
        plan.replug = random() % 2 ? Replug::MidOperation : Replug::BetweenOperations;
        const Step boundaries[] = {Step::Send, Step::List, Step::Retrieve, Step::Delete};
        plan.operation = boundaries[random() % 4];
        plan.killAt = std::uniform_real_distribution<double>(0, 1)(random);
    }
    return plan;
}

bool Soak::listAll(cli::PhoneConnection &phone, OperationContext &context, std::vector<ListedObject> &objects)
{
    ConnectionState &connection = phone.connection();
    if (!connection.takePhoneLock([&] { return !connection.connected(); }))
        return false;
    PhoneLockHold hold(connection);
    ListCollector collector(objects);
    for (int group = 0; group < kListingGroups; ++group) {
        collector.startGroup(group);
        if (!ListPhoneObjects(context, group, false, collector))
            return false;
    }
    return true;
}

TransferResult Soak::runOperation(cli::PhoneConnection &phone, TransferMode mode, ItemSource &source,
                                  const PhoneOperation &operation)
{
    cli::TerminalProgress progress(console_);
    progress.mode = mode;
    progress.options = transfer_option::kManyItems;
    progress.filePath = out_.string();
    progress.itemSource = &source;
    const TransferResult result = RunPhoneOperation(progress, phone.connection(), operation);
    progress.finish();
    return result;
}

// The leftovers of a cycle a fault cut short, deleted; what the phone had
// acknowledged must be among them, the store being a folder.
std::optional<Failure> Soak::clearLeftovers(cli::PhoneConnection &phone, OperationContext &context, const Plan &plan,
                                            int number)
{
    std::vector<ListedObject> objects;
    if (!listAll(phone, context, objects))
        return Failure{Step::Clear, "listing failed"};
    // A listing through noise may come back short without an error.
    if (!noisyReplies(plan.noise)) {
        for (const auto &[name, size] : stored_) {
            const bool listed = std::any_of(objects.begin(), objects.end(), [&](const ListedObject &o) {
                return o.fileName == name && o.object.size == size;
            });
            if (!listed)
                violation(number, name + ", acknowledged by an earlier phone, is not on the phone now");
        }
    }
    std::set<std::string> reached;
    DeleteSource source(objects, &reached);
    const bool deleted = objects.empty() || runOperation(phone, TransferMode::Delete, source, [&](TransferProgress &p) {
                                                return DeleteObjects(context, p);
                                            }) == TransferResult::Succeeded;
    for (const std::string &name : reached)
        stored_.erase(name);
    if (!deleted)
        return Failure{Step::Clear, "deletion failed"};
    storeDirty_ = false;
    return std::nullopt;
}

// The cycle's operations on the connected phone, one command line command
// after another; the first failure ends them.
std::optional<Failure> Soak::operations(cli::PhoneConnection &phone, const Plan &plan,
                                        const std::vector<SentFile> &sent, int number)
{
    OperationContext context = phone.context(&questions_);
    const auto run = [&](TransferMode mode, ItemSource &source, bool (*operation)(OperationContext &,
                                                                                  TransferProgress &)) {
        return runOperation(phone, mode, source, [&](TransferProgress &p) { return operation(context, p); }) ==
               TransferResult::Succeeded;
    };
    // The planned replug between two operations, once the one named is done.
    const auto after = [&](Step done) {
        if (plan.replug == Replug::BetweenOperations && plan.operation == done) {
            replugNow();
            ++replugs_[std::string("between operations, after ") + stepName(done)];
        }
    };

    if (storeDirty_) {
        enter(Step::Clear);
        if (auto failure = clearLeftovers(phone, context, plan, number))
            return failure;
    }

    enter(Step::Send);
    storeDirty_ = true;
    SendSource sendSource(sent);
    if (!run(TransferMode::SendMany, sendSource, SendObjectBatch))
        return Failure{Step::Send, "send failed"};
    // Noise may have reached the phone's copies: nothing to expect of them.
    if (plan.noise == Noise::None)
        for (const SentFile &f : sent)
            stored_[f.fileName] = f.bytes.size();
    after(Step::Send);

    enter(Step::List);
    std::vector<ListedObject> objects;
    if (!listAll(phone, context, objects))
        return Failure{Step::List, "listing failed"};
    std::string differs;
    for (const SentFile &f : sent) {
        const auto found = FindObjects(objects, f.fileName);
        if (found.size() != 1 || found.front()->fileName != f.fileName || found.front()->object.size != f.bytes.size())
            differs += " " + f.fileName;
    }
    if (objects.size() != sent.size() || !differs.empty())
        return Failure{Step::List, "the listing differs from what was sent:" +
                                       (differs.empty() ? " " + std::to_string(objects.size()) + " objects" : differs)};
    after(Step::List);

    enter(Step::Retrieve);
    cli::ReceiveSource receiveSource(objects, out_.string(), questions_);
    if (!run(TransferMode::Receive, receiveSource, ReceiveObjects))
        return Failure{Step::Retrieve, "retrieval failed"};
    enter(Step::Compare);
    std::string different;
    for (const SentFile &f : sent)
        if (readFile(out_ / f.fileName) != f.bytes)
            different += " " + f.fileName;
    if (!different.empty())
        return Failure{Step::Compare, "retrieved bytes differ:" + different};
    after(Step::Retrieve);

    enter(Step::Delete);
    std::set<std::string> reached;
    DeleteSource deleteSource(objects, &reached);
    const bool deleted = run(TransferMode::Delete, deleteSource, DeleteObjects);
    // An object the deletion reached may be gone or not; the others stay.
    for (const std::string &name : reached)
        stored_.erase(name);
    if (!deleted)
        return Failure{Step::Delete, "deletion failed"};
    after(Step::Delete);

    enter(Step::ListEmpty);
    std::vector<ListedObject> left;
    if (!listAll(phone, context, left))
        return Failure{Step::ListEmpty, "listing failed"};
    if (!left.empty())
        return Failure{Step::ListEmpty, std::to_string(left.size()) + " objects left after the deletion"};
    storeDirty_ = false;
    return std::nullopt;
}

Soak::CycleResult Soak::cycle(int number, const Plan &plan, std::mt19937 &random)
{
    // Some of last cycle's files stay to be replaced, the others go.
    for (const auto &entry : fs::directory_iterator(out_))
        if (random() % 2)
            fs::remove(entry.path());
    const std::vector<SentFile> sent = makeFiles(random, files_);
    const FolderImage before = readFolder(out_);

    CycleResult result;
    std::optional<Failure> failure;
    marks_.clear();
    const auto start = Clock::now();
    {
        cli::PhoneConnection phone(texts_, prompt_, console_, &quirks_, readDelayFactor(settings_));
        cli::DetectionSettings detection;
        detection.port = phone_->path();
        // Replies all spoiled by noise are never taken for a phone: a short
        // wait shows that as well as a long one.
        detection.timeoutSeconds =
            noisyReplies(plan.noise) ? std::min(3, options_.timeoutSeconds) : options_.timeoutSeconds;
        enter(Step::Connect);
        const bool afterReplug = std::exchange(replugged_, false);
        if (phone.detect(detection) != cli::DetectionEnd::Found) {
            failure =
                Failure{Step::Connect, "no phone found within " + std::to_string(detection.timeoutSeconds) + " s"};
            if (!noisyReplies(plan.noise))
                violation(number, std::string("a clean phone was not connected within the detection time-out") +
                                      (afterReplug ? " after a replug" : ""));
        } else {
            result.connected = true;
            if (plan.replug == Replug::MidOperation)
                midOperationKill_ = plan;
            failure = operations(phone, plan, sent, number);
            enter(Step::Disconnect);
        }
        // Leaving the block disconnects: detection stopped, the channel closed.
    }
    const auto end = Clock::now();
    result.seconds = seconds(end - start);
    if (plan.replug == Replug::MidOperation) {
        if (const std::optional<Step> firedIn = unplugger_.disarm())
            ++replugs_[std::string("mid-operation, during ") + stepName(*firedIn)];
        else if (midOperationKill_)
            ++replugs_[std::string("mid-operation, pulled at the end: the cycle ended before ") +
                       stepName(plan.operation)];
        else
            ++replugs_["mid-operation, pulled at the end: the timer came after the operations"];
        midOperationKill_.reset();
        replugNow();
    }

    // As the command line's: the first error shown says what failed, and
    // an error shown fails even an operation that went on.
    int errors = 0;
    const std::string shown = prompt_.take(errors);
    if (failure) {
        result.failed = true;
        result.outcome =
            std::string("failed at ") + stepName(failure->step) + ": " + (shown.empty() ? failure->why : shown);
    } else if (errors > 0) {
        result.failed = true;
        result.outcome = "failed: an error was shown: " + shown;
    }
    if (result.failed && plan.noise == Noise::None && plan.replug == Replug::None) {
        ++unexplained_;
        std::printf("cycle %d: FAILED WITHOUT A FAULT: %s\n", number, result.outcome.c_str());
    }

    const FolderImage after = readFolder(out_);
    for (const std::string &problem : checkFolder(before, after, sent, noisyData(plan.noise)))
        violation(number, problem);
    if (noisyData(plan.noise))
        for (const SentFile &f : sent) {
            const auto now = after.find(f.fileName);
            const auto old = before.find(f.fileName);
            if (now != after.end() && now->second != f.bytes && (old == before.end() || old->second != now->second))
                ++garbled_;
        }
    if (!result.failed) {
        marks_.emplace_back(Step::Count, end);
        for (size_t i = 0; i + 1 < marks_.size(); ++i)
            stepTimes_[static_cast<int>(marks_[i].first)].push_back(seconds(marks_[i + 1].second - marks_[i].second));
    }
    return result;
}

int Soak::run()
{
    std::mt19937 schedule(options_.seed);
    // A replug every k-th cycle, k drawn anew each time between K/2 and 3K/2.
    std::set<int> replugCycles;
    if (options_.replugEvery > 0) {
        std::uniform_int_distribution<int> gap(std::max(1, (options_.replugEvery + 1) / 2),
                                               options_.replugEvery + options_.replugEvery / 2);
        for (int c = gap(schedule); c <= options_.cycles; c += gap(schedule))
            replugCycles.insert(c);
    }

    constexpr int kWarmUp = 20;
    constexpr int kEvery = 50;
    std::vector<Sample> samples{sample(0)};
    std::optional<Sample> warm;
    std::map<std::string, std::string> warmDescriptors;
    std::vector<double> times, okTimes;
    std::map<std::string, std::pair<int, int>> byPlan; // kind -> (ok, failed)
    const auto begun = Clock::now();

    for (int number = 1; number <= options_.cycles; ++number) {
        std::seed_seq seeds{options_.seed, static_cast<std::uint32_t>(number)};
        std::mt19937 random(seeds);
        const Plan plan = planCycle(random, replugCycles.count(number) > 0);
        if (!phone_ || phoneNoise_ != plan.noise)
            startPhone(plan.noise, plan);
        const CycleResult r = cycle(number, plan, random);
        // The next cycle starts on a clean line unless it draws noise itself.
        if (phoneNoise_ != Noise::None)
            startPhone(Noise::None, {});
        ++outcomes_[r.outcome];
        std::string kind = plan.replug == Replug::MidOperation        ? "replug mid-operation"
                           : plan.replug == Replug::BetweenOperations ? "replug between operations"
                                                                      : "";
        if (plan.noise != Noise::None)
            kind += (kind.empty() ? "" : ", ") + std::string(noiseName(plan.noise));
        if (kind.empty())
            kind = "no fault";
        (r.failed ? byPlan[kind].second : byPlan[kind].first)++;
        times.push_back(r.seconds);
        if (!r.failed)
            okTimes.push_back(r.seconds);
        if (options_.verbose)
            std::printf("cycle %d (%s): %s, %.3f s\n", number, kind.c_str(), r.outcome.c_str(), r.seconds);
        if (number == kWarmUp || number % kEvery == 0 || number == options_.cycles) {
            samples.push_back(sample(number));
            if (number >= kWarmUp && !warm) {
                warm = samples.back();
                warmDescriptors = openDescriptors();
            }
        }
    }
    const double total = seconds(Clock::now() - begun);
    if (!warm)
        warm = samples.back();
    const Sample &first = samples.front();
    const Sample &last = samples.back();

    std::printf("\n%d cycles in %.1f s, seed %u\n", options_.cycles, total, options_.seed);
    std::printf("outcomes:\n");
    for (const auto &[outcome, n] : outcomes_)
        std::printf("  %5d  %s\n", n, outcome.c_str());
    std::printf("by fault injected (ok / failed):\n");
    for (const auto &[kind, n] : byPlan)
        std::printf("  %5d / %-5d %s\n", n.first, n.second, kind.c_str());
    std::printf("replugs:\n");
    for (const auto &[where, n] : replugs_)
        std::printf("  %5d  %s\n", n, where.c_str());
    if (garbled_)
        std::printf("retrieved files garbled by the data noise (whole, not partial): %d\n", garbled_);
    const Percentiles all = percentiles(times), ok = percentiles(okTimes);
    std::printf("time per cycle: median %.3f s, 90%% %.3f s, max %.3f s; cycles that went through: median %.3f s, "
                "max %.3f s\n",
                all.median, all.p90, all.max, ok.median, ok.max);
    std::printf("median time per step of those:");
    for (int step = 0; step < static_cast<int>(Step::Count); ++step)
        if (!stepTimes_[step].empty())
            std::printf(" %s %.3f s;", stepName(static_cast<Step>(step)), percentiles(stepTimes_[step]).median);
    std::printf("\n");
    const auto measure = [&](const char *name, long Sample::*field, const char *unit) {
        long max = 0;
        for (const Sample &s : samples)
            max = std::max(max, s.*field);
        std::printf("%-8s first %7ld%s  after warm-up %7ld%s  last %7ld%s  max %7ld%s\n", name, first.*field, unit,
                    (*warm).*field, unit, last.*field, unit, max, unit);
    };
    measure("VmRSS", &Sample::rssKiB, " KiB");
    measure("VmHWM", &Sample::hwmKiB, " KiB");
    measure("threads", &Sample::threads, "");
    measure("fds", &Sample::fds, "");
    std::printf("safety violations: %d; failures without an injected fault: %d\n", violations_, unexplained_);

    int status = violations_ > 0 || unexplained_ > 0 ? 1 : 0;
    if (last.threads > warm->threads) {
        std::printf("LEAK: %ld threads at the end, %ld after the warm-up\n", last.threads, warm->threads);
        status = 1;
    }
    if (last.fds > warm->fds) {
        std::printf("LEAK: %ld descriptors at the end, %ld after the warm-up; new ones:\n", last.fds, warm->fds);
        for (const auto &[fd, target] : openDescriptors())
            if (!warmDescriptors.count(fd) || warmDescriptors[fd] != target)
                std::printf("  fd %s -> %s\n", fd.c_str(), target.c_str());
        status = 1;
    }
    if (kSanitizedMemory) {
        std::printf("VmRSS growth not judged: a sanitizer's quarantine and shadow memory grow without a leak\n");
    } else if (last.rssKiB > warm->rssKiB + warm->rssKiB / 10 + 2048) {
        std::printf("LEAK: VmRSS %ld KiB at the end, %ld KiB after the warm-up\n", last.rssKiB, warm->rssKiB);
        status = 1;
    }
    std::printf("%s\n", status ? "soak FAILED" : "soak passed");
    return status;
}

int number(const char *text, const char *name)
{
    char *end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || n < 0 || n > 100000000) {
        std::fprintf(stderr, "soak: %s wants a whole number, not '%s'\n", name, text);
        std::exit(2);
    }
    return static_cast<int>(n);
}

Options parseOptions(int argc, char **argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&](const char *name) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "soak: %s wants a value\n", name);
                std::exit(2);
            }
            return number(argv[++i], name);
        };
        if (arg == "--cycles")
            o.cycles = value("--cycles");
        else if (arg == "--seed")
            o.seed = static_cast<std::uint32_t>(value("--seed"));
        else if (arg == "--replug-every")
            o.replugEvery = value("--replug-every");
        else if (arg == "--noise-share")
            o.noisePercent = std::min(100, value("--noise-share"));
        else if (arg == "--timeout")
            o.timeoutSeconds = std::max(1, value("--timeout"));
        else if (arg == "--verbose")
            o.verbose = true;
        else if (arg == "--keep")
            o.keep = true;
        else {
            std::fprintf(stderr,
                         "usage: soak [--cycles N] [--seed S] [--replug-every K] [--noise-share PERCENT]\n"
                         "            [--timeout SECONDS] [--verbose] [--keep]\n");
            std::exit(2);
        }
    }
    return o;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parseOptions(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QCoreApplication app(argc, argv);
    // Outcomes in one language, whatever the machine's.
    setUiLanguageForLookups(kEnglishUs);

    const fs::path work = fs::temp_directory_path() / ("quillora-soak-" + std::to_string(getpid()));
    fs::create_directories(work);
    std::printf("soak: %d cycles, seed %u, a replug about every %d cycles, noise in %d%% of them; work in %s\n",
                options.cycles, options.seed, options.replugEvery, options.noisePercent, work.c_str());
    int status = 1;
    try {
        Soak soak(options, work);
        status = soak.run();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "soak: %s\n", e.what());
        status = 1;
    }
    if (!options.keep)
        fs::remove_all(work);
    // As the command line ends: the library's detached threads first.
    if (!trelvix::waitForCountedThreads(std::chrono::seconds(15))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
