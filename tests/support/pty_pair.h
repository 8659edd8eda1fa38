// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// A pseudo-terminal pair for tests: the library opens or adopts the slave,
// the test plays the far end on the master.

#include <chrono>
#include <string>

namespace testing_support {

class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    const std::string &slavePath() const { return slavePath_; }
    int master() const { return master_; }
    // Gives the slave descriptor away (its new owner closes it).
    int releaseSlave();
    void closeMaster();

    // Writes all bytes to the master.
    void write(const std::string &bytes);
    // Reads from the master until n bytes came or the time passed.
    std::string read(size_t n, std::chrono::milliseconds timeout);
    // Reads until `until` appears in what came, or the time passed.
    std::string readUntil(const std::string &until, std::chrono::milliseconds timeout);
    // The line speed the slave is set to, as the master sees it.
    unsigned speed() const;

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

} // namespace testing_support
