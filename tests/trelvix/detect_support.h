// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// What the detection status callback saw, for the detection tests. The
// callback is a plain function, so the log is process-wide; each test
// resets it and points detection at its own ports.

#include "detect.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace detect_support {

struct Status {
    int code;
    std::string port;
    uint32_t flags;
    uint32_t speed;
    int simState;
    std::string model, imei, manufacturer, imsi, identification;
    int legacyDownloadVersion;
};

class StatusLog {
public:
    // Decides the callback's answer; the default goes on (0) for every code.
    using Answer = std::function<int(int code, DetectResult *record)>;

    void reset(Answer answer = {});
    std::vector<Status> all() const;
    std::vector<int> codes(const std::string &port) const;
    // Waits until `code` was reported for `port` (any port when empty).
    bool waitFor(int code, const std::string &port = {},
                 std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    bool waitForCount(int code, size_t count, const std::string &port,
                      std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    static int callback(int code, DetectResult *record);

private:
    size_t count(int code, const std::string &port) const;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<Status> log_;
    Answer answer_;
};

extern StatusLog g_log;

// Restores the machine's own port list and opener, and waits for every
// detection thread of the test to end.
void endDetection();

// What detection shows for a port: the path below /dev ("pts/3").
inline std::string nameOf(const std::string &path)
{
    return path.substr(5);
}

// The port a ready phone was handed over on, held until the test lets it go.
extern std::unique_ptr<TrelvixPort> g_taken;
// A status answer that takes the first ready phone into g_taken.
int acceptPhone(int code, DetectResult *record);

} // namespace detect_support
