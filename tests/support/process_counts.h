// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
#pragma once

// This process's threads and open descriptors, for tests that check an
// operation leaves none of either behind.

#include <cstddef>
#include <dirent.h>

namespace testing_support {

inline size_t entriesOf(const char *directory)
{
    size_t count = 0;
    if (DIR *dir = opendir(directory)) {
        while (const dirent *entry = readdir(dir))
            count += entry->d_name[0] != '.';
        closedir(dir);
    }
    return count;
}

inline size_t threadCount()
{
    return entriesOf("/proc/self/task");
}

// Less the one that reads the list.
inline size_t descriptorCount()
{
    return entriesOf("/proc/self/fd") - 1;
}

// ThreadSanitizer starts a thread of its own once the program's first one
// is running, so a count taken before that is one short.
#if defined(__SANITIZE_THREAD__)
inline constexpr bool kThreadCountsHold = false;
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
inline constexpr bool kThreadCountsHold = false;
#else
inline constexpr bool kThreadCountsHold = true;
#endif
#else
inline constexpr bool kThreadCountsHold = true;
#endif

} // namespace testing_support
