// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// quillora-phonesim in a child process, so that its time and memory are not
// counted as ours; its first line of output is the pty it serves.
#pragma once

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

class SimulatedPhone {
public:
    explicit SimulatedPhone(std::vector<std::string> args)
    {
        int out[2];
        if (pipe(out) != 0)
            std::abort();
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            std::vector<char *> argv{const_cast<char *>(QUILLORA_PHONESIM)};
            for (auto &a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(QUILLORA_PHONESIM, argv.data());
            _exit(127);
        }
        close(out[1]);
        char c;
        while (read(out[0], &c, 1) == 1 && c != '\n')
            path_ += c;
        close(out[0]);
        if (path_.empty()) {
            std::fprintf(stderr, "the simulated phone did not start\n");
            std::exit(1);
        }
    }
    ~SimulatedPhone()
    {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    SimulatedPhone(const SimulatedPhone &) = delete;
    SimulatedPhone &operator=(const SimulatedPhone &) = delete;
    const std::string &path() const { return path_; }

private:
    pid_t pid_ = -1;
    std::string path_;
};
