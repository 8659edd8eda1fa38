// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers
// quillora-cli's phone commands: ports, detect, info, list, get, send and
// delete, each run as the program runs it (the shared acceptance, the phone
// lock around every exchange, the operations with their progress), with
// the questions settled on the terminal or by the options.
#pragma once

#include "cli_options.h"
#include "phone_listing.h"
#include "phone_operations.h"

#include <set>
#include <string>
#include <vector>

namespace quillora {
class SettingsStore;
class TextSource;
} // namespace quillora

namespace quillora::cli {

class AnswerReader;
class Console;

struct CommandEnvironment {
    Console &console;
    const TextSource &texts;
    SettingsStore &settings;
    AnswerReader &reader;
    bool interactive = false; // standard input is a terminal
    std::string companyName;  // %3 of the detection texts
};

// The exit code (exit_code::*).
int RunPhoneCommand(const CliOptions &options, CommandEnvironment &environment);

// One listed object, as get and delete find it by name.
struct ListedObject {
    int group = 0;
    PhoneObject object;
    std::string title;     // unique in its group
    std::string extension; // ".jpg", or empty
    std::string fileName;  // what get writes it as
};

// The objects `name` stands for: those whose file name or title is the same
// text without regard to case, or whose phone name is exactly it.
std::vector<const ListedObject *> FindObjects(const std::vector<ListedObject> &objects, const std::string &name);

// The listing's sink: the rows of one group, titles unique in it.
class ListCollector final : public PhoneObjectSink {
public:
    explicit ListCollector(std::vector<ListedObject> &objects) : objects_(objects) {}
    void startGroup(int group);
    bool containsTitle(const std::string &title) override;
    void addObject(const PhoneObject &object, const std::string &title, const std::string &extension) override;

private:
    std::vector<ListedObject> &objects_;
    int group_ = 0;
    int inGroup_ = 0;
};

// The listed objects to delete; `reached`, when given, collects the file
// names of those a deletion was sent for.
class DeleteSource final : public ItemSource {
public:
    explicit DeleteSource(const std::vector<ListedObject> &objects, std::set<std::string> *reached = nullptr)
        : objects_(objects), reached_(reached)
    {
    }
    int restart(TransferProgress &) override { return static_cast<int>(objects_.size()); }
    bool fetch(TransferProgress &progress, int index, TransferItem &item) override;
    void done(TransferProgress &, int) override {}

private:
    const std::vector<ListedObject> &objects_;
    std::set<std::string> *reached_;
};

// The listed objects get fetches into a folder, asking before a file there
// is replaced.
class ReceiveSource final : public ItemSource {
public:
    ReceiveSource(const std::vector<ListedObject> &objects, std::string folder, TransferQuestions &questions);
    int restart(TransferProgress &) override { return static_cast<int>(objects_.size()); }
    bool fetch(TransferProgress &progress, int index, TransferItem &item) override;
    void done(TransferProgress &, int) override {}

private:
    const std::vector<ListedObject> &objects_;
    std::string folder_;
    TransferQuestions &questions_;
    bool replaceAll_ = false;
};

} // namespace quillora::cli
