// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// What a cut cable, a stalled phone and line noise do to each operation, at
// each moment of its exchange: before the reply, inside CONNECT, half-way
// through the data and before the closing line. Every case must end in
// time with its message, leave the files as they were, free the phone lock
// and every thread and descriptor it took, and leave a line (or, after a
// cut, a replugged phone) on which the same operation then succeeds.

#include "exchange_fixture.h"

#include "capabilities.h"
#include "process_counts.h"
#include "wait.h"

namespace {

using namespace exchange_test;
using phonesim::ExchangeFault;
using phonesim::FaultKind;
using phonesim::FaultPhase;

enum class Op { Capabilities, SendOne, SendMany, Listing, Retrieval, Deletion };

using testing_support::descriptorCount;
using testing_support::threadCount;

// How the faulted run must end: whether it still succeeds (a stall shorter
// than the wait, noise the reader skips) and what the user is shown.
struct Expected {
    bool succeeds;
    std::vector<std::string> shown;
};

struct FaultCase {
    const char *label;
    Op op;
    ExchangeFault fault;
    Expected expected;
};

void PrintTo(const FaultCase &c, std::ostream *out)
{
    *out << c.label;
}

// The operations' waits at a tenth of their usual length, and a stall that
// outlasts each of them.
constexpr int kDelayPercent = 10;
constexpr int kStallMs = 2500;
constexpr std::chrono::milliseconds kStallLimit{1000};

class FaultInjection : public ObjectExchange, public ::testing::WithParamInterface<FaultCase> {
protected:
    void SetUp() override
    {
        ObjectExchange::SetUp();
        char pattern[] = "/tmp/quillora-phone-store-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        phoneStore = pattern;
        stallLimit = kStallLimit;
        prompt.answer = false; // no slow retry: the fault is seen as it is
        baseThreads = threadCount();
        baseDescriptors = descriptorCount();
    }
    void TearDown() override
    {
        ObjectExchange::TearDown();
        fs::remove_all(phoneStore);
    }

    // The phone keeps its objects in a folder, so a replugged one still has them.
    phonesim::PhoneOptions phone(std::optional<ExchangeFault> fault) const
    {
        phonesim::PhoneOptions options;
        options.storeDirectory = phoneStore.string();
        options.objects = {object(phonesim::Category::Pictures, u"Sun", "JPEG", jpeg(3000)),
                           object(phonesim::Category::Sounds, u"Tune", "MIDI", "MThd" + std::string(600, 'm'))};
        options.fault = std::move(fault);
        // As detection leaves the phone: echo off, numeric error codes.
        options.echo = false;
        options.errorMode = 1;
        return options;
    }
    void start(std::optional<ExchangeFault> fault)
    {
        connect(phone(std::move(fault)));
        session.setDelayFactor(kDelayPercent);
        writeFile(folder / "Sun.jpg", "the picture that was there");
        writeFile(folder / "beach.jpg", jpeg(5000));
    }
    // A cut cable is plugged in again: a new port, the same phone, accepted
    // as detection would accept it.
    void replug()
    {
        disconnect();
        pty.reset();
        connection.MarkLost();
        pty = std::make_unique<phonesim::PtyPhone>(phone(std::nullopt));
        accept(connection);
        session.setDelayFactor(kDelayPercent);
    }

    bool runOp(Op op)
    {
        ConnectionState &state = connection;
        switch (op) {
        case Op::Capabilities: {
            const CapabilityQuery query{session, state, texts};
            return QueryCapabilities(query, {}).has_value();
        }
        case Op::SendOne:
            return send(Operation::Single, folder / "beach.jpg", "Beach", kJpeg, state) ==
                   TransferResult::Succeeded;
        case Op::SendMany:
            return send(Operation::Batch, folder / "beach.jpg", "Beach", kJpeg, state) ==
                   TransferResult::Succeeded;
        case Op::Listing: {
            RowSink rows;
            OperationContext c = context(state);
            const bool ok = ListPhoneObjects(c, 0, false, rows);
            return ok && rows.rows.size() == 1 && rows.rows[0].title == "Sun";
        }
        case Op::Retrieval: {
            RecordingProgress progress;
            ListItemSource source;
            source.items = {item};
            progress.options |= transfer_option::kManyItems;
            progress.itemSource = &source;
            return run(TransferMode::Receive, progress, state) == TransferResult::Succeeded;
        }
        case Op::Deletion: {
            RecordingProgress progress;
            ListItemSource source;
            source.items = {item};
            progress.itemSource = &source;
            return run(TransferMode::Delete, progress, state) == TransferResult::Succeeded;
        }
        }
        return false;
    }
    // The listed object an operation works on, found before the fault.
    void prepare(Op op)
    {
        if (op == Op::Retrieval || op == Op::Deletion) {
            const auto rows = list(op == Op::Retrieval ? 0 : 2);
            ASSERT_EQ(rows.size(), 1u);
            item = op == Op::Retrieval
                       ? itemFor(rows[0])
                       : TransferItem{rows[0].title, {}, rows[0].object.phoneName, {rows[0].object.size, kNoObjectType}};
        }
    }

    // Whatever the phone holds under the sent title is the whole file.
    void expectNoPartialObject()
    {
        for (const auto &object : stored()) {
            if (object.title == u"Beach") {
                EXPECT_TRUE(*object.data == jpeg(5000)) << "a damaged copy of " << object.data->size() << " bytes";
            }
        }
    }
    // The operation's work is there: the file fetched, the object sent or gone.
    void expectDone(Op op)
    {
        const auto objects = stored();
        const auto titled = [&](std::u16string_view title) {
            return std::count_if(objects.begin(), objects.end(), [&](const auto &o) { return o.title == title; });
        };
        if (op == Op::Retrieval) {
            EXPECT_EQ(readFile(folder / "Sun.jpg"), jpeg(3000));
        }
        if (op == Op::SendOne || op == Op::SendMany) {
            EXPECT_GE(titled(u"Beach"), 1);
        }
        if (op == Op::Deletion) {
            EXPECT_EQ(titled(u"Tune"), 0);
        }
        expectNoPartialObject();
    }

    fs::path phoneStore;
    size_t baseThreads = 0, baseDescriptors = 0;
    TransferItem item;
};

TEST_P(FaultInjection, EndsInTimeAndLosesNothing)
{
    const FaultCase &c = GetParam();
    ASSERT_NO_FATAL_FAILURE(start(c.fault));
    ASSERT_NO_FATAL_FAILURE(prepare(c.op));
    const Files before = files();

    const auto began = Clock::now();
    const bool succeeded = runOp(c.op);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - began);
    std::printf("[ outcome  ] %s: %s in %lld ms, shown %s\n", c.label, succeeded ? "succeeded" : "failed",
                static_cast<long long>(took.count()), ::testing::PrintToString(shown()).c_str());

    EXPECT_EQ(succeeded, c.expected.succeeds);
    EXPECT_EQ(shown(), c.expected.shown);
    // At this delay factor the longest chain of waits of any operation (a
    // single send's data phase: the stall limit, the drain and the
    // acknowledgment) is under 3 s.
    EXPECT_LT(took, 5s) << "within the operation's waits";
    // A retrieval that failed keeps the old file and leaves no piece of the new one.
    if (!(c.op == Op::Retrieval && succeeded)) {
        EXPECT_EQ(files(), before);
    }
    expectNoPartialObject();
    EXPECT_TRUE(connection.phoneLock.try_acquire()) << "the phone lock is free again";
    connection.phoneLock.release();

    // A stalled phone sends the rest of its reply late; the PC must not
    // take it for the answer to what it asks next.
    ASSERT_TRUE(pty->waitIdle(2 * std::chrono::milliseconds(kStallMs)));
    if (pty->hungUp()) {
        ASSERT_NO_FATAL_FAILURE(replug());
        ASSERT_NO_FATAL_FAILURE(prepare(c.op));
    }
    prompt.messages.clear();
    EXPECT_TRUE(runOp(c.op)) << "the same operation then succeeds: " << ::testing::PrintToString(shown());
    expectDone(c.op);

    disconnect();
    pty.reset();
    if (testing_support::kThreadCountsHold) {
        EXPECT_TRUE(testing_support::eventually([&] { return threadCount() <= baseThreads; }, 5s))
            << threadCount() << " threads, " << baseThreads << " before";
    }
    EXPECT_EQ(descriptorCount(), baseDescriptors);
}

// Once the channel has seen the cable go, an operation fails at once and
// says the port cannot be reached, instead of waiting for an answer.
TEST_F(FaultInjection, APulledCableFailsTheNextOperationAtOnce)
{
    const std::pair<Op, std::vector<std::string>> cases[] = {
        {Op::SendOne, {"[65009]"}}, {Op::SendMany, {"[65009]"}}, {Op::Listing, {"[65009]"}},
        {Op::Retrieval, {"[65009]"}}, {Op::Deletion, {"[65009:5]"}}};
    for (const auto &[op, message] : cases) {
        SCOPED_TRACE(static_cast<int>(op));
        ASSERT_NO_FATAL_FAILURE(start(std::nullopt));
        ASSERT_NO_FATAL_FAILURE(prepare(op));
        TRELVIX_COUNTER_TAKE(Comm_Errors);
        pty.reset(); // the phone, and its end of the line, are gone
        ASSERT_TRUE(testing_support::eventually([] { return (TRELVIX_COUNTER_READ(Comm_Errors) & TRELVIX_CE_IOE) != 0; }));

        const auto began = Clock::now();
        EXPECT_FALSE(runOp(op));
        EXPECT_LT(Clock::now() - began, 500ms);
        EXPECT_EQ(shown(), message);
        prompt.messages.clear();
        disconnect();
        connection.MarkLost();
    }
}

using K = FaultKind;
using P = FaultPhase;

ExchangeFault at(const char *command, int occurrence, FaultKind kind, FaultPhase phase)
{
    return {command, occurrence, kind, phase, kind == FaultKind::Stall ? kStallMs : 0};
}

// The report's window says itself that the formats could not be read.
const Expected kNoReport{false, {}};
Expected fails(std::vector<std::string> shown)
{
    return {false, std::move(shown)};
}
const Expected kNoAnswer = fails({"[65013]"});
const Expected kNotUnderstood = fails({"[65006]"});
// The cut is seen while the send waits; what it sends next cannot go out.
const Expected kPortGone = fails({"[65009]"});

// clang-format off
const FaultCase kCases[] = {
    {"CapabilitiesCutBeforeReply", Op::Capabilities, at("+KPSCAP", 1, K::Cut, P::BeforeReply), kNoReport},
    {"CapabilitiesCutInConnect", Op::Capabilities, at("+KPSCAP", 1, K::Cut, P::InConnect), kNoReport},
    {"CapabilitiesCutInData", Op::Capabilities, at("+KPSCAP", 1, K::Cut, P::InData), kNoReport},
    {"CapabilitiesCutBeforeEnd", Op::Capabilities, at("+KPSCAP", 1, K::Cut, P::BeforeEnd), kNoReport},
    {"CapabilitiesStallBeforeReply", Op::Capabilities, at("+KPSCAP", 1, K::Stall, P::BeforeReply), kNoReport},
    {"CapabilitiesStallInData", Op::Capabilities, at("+KPSCAP", 1, K::Stall, P::InData), kNoReport},
    {"CapabilitiesStallBeforeEnd", Op::Capabilities, at("+KPSCAP", 1, K::Stall, P::BeforeEnd), kNoReport},
    {"CapabilitiesNoiseBeforeReply", Op::Capabilities, at("+KPSCAP", 1, K::Noise, P::BeforeReply), kNoReport},
    {"CapabilitiesNoiseInConnect", Op::Capabilities, at("+KPSCAP", 1, K::Noise, P::InConnect), kNoReport},
    {"CapabilitiesNoiseInData", Op::Capabilities, at("+KPSCAP", 1, K::Noise, P::InData), kNoReport},

    // The fourth +KDOBJ of a single send opens the object's data phase.
    {"SendOneCutBeforeReply", Op::SendOne, at("+KDOBJ", 4, K::Cut, P::BeforeReply), kNoAnswer},
    {"SendOneCutInConnect", Op::SendOne, at("+KDOBJ", 4, K::Cut, P::InConnect), kNoAnswer},
    {"SendOneCutInData", Op::SendOne, at("+KDOBJ", 4, K::Cut, P::InData), kPortGone},
    {"SendOneCutBeforeEnd", Op::SendOne, at("+KDOBJ", 4, K::Cut, P::BeforeEnd), kPortGone},
    {"SendOneStallBeforeReply", Op::SendOne, at("+KDOBJ", 4, K::Stall, P::BeforeReply), kNoAnswer},
    // The phone stops reading: over a pty, as over a cable without flow
    // control, the PC's bytes all leave and no answer comes. The user is
    // offered the slow retry, declines, and the phone has no session left.
    {"SendOneStallInData", Op::SendOne, at("+KDOBJ", 4, K::Stall, P::InData), fails({"[213]", "[700:-3]"})},
    {"SendOneStallBeforeEnd", Op::SendOne, at("+KDOBJ", 4, K::Stall, P::BeforeEnd), kNoAnswer},
    {"SendOneNoiseBeforeReply", Op::SendOne, at("+KDOBJ", 4, K::Noise, P::BeforeReply), kNotUnderstood},
    {"SendOneNoiseInConnect", Op::SendOne, at("+KDOBJ", 4, K::Noise, P::InConnect), kNotUnderstood},
    {"SendOneNoiseInData", Op::SendOne, at("+KDOBJ", 4, K::Noise, P::InData), kNotUnderstood},

    {"SendManyCutBeforeReply", Op::SendMany, at("+KPSW", 1, K::Cut, P::BeforeReply), kNoAnswer},
    {"SendManyCutInConnect", Op::SendMany, at("+KPSW", 1, K::Cut, P::InConnect), kNoAnswer},
    {"SendManyCutInData", Op::SendMany, at("+KPSW", 1, K::Cut, P::InData), kPortGone},
    {"SendManyCutBeforeEnd", Op::SendMany, at("+KPSW", 1, K::Cut, P::BeforeEnd), kPortGone},
    {"SendManyStallBeforeReply", Op::SendMany, at("+KPSW", 1, K::Stall, P::BeforeReply), kNoAnswer},
    // As for the single send; declining the slow retry takes the object as
    // acknowledged, which is what a phone that never answers above 19200
    // bit/s needs.
    {"SendManyStallInData", Op::SendMany, at("+KPSW", 1, K::Stall, P::InData), {true, {"[213]"}}},
    {"SendManyStallBeforeEnd", Op::SendMany, at("+KPSW", 1, K::Stall, P::BeforeEnd), kNoAnswer},
    {"SendManyNoiseBeforeReply", Op::SendMany, at("+KPSW", 1, K::Noise, P::BeforeReply), kNotUnderstood},
    {"SendManyNoiseInConnect", Op::SendMany, at("+KPSW", 1, K::Noise, P::InConnect), kNotUnderstood},
    {"SendManyNoiseInData", Op::SendMany, at("+KPSW", 1, K::Noise, P::InData), kNotUnderstood},

    // Pictures are listed under PHOTO, then PICTURES, which holds the object.
    {"ListingCutBeforeReply", Op::Listing, at("+KPSL", 2, K::Cut, P::BeforeReply), kNoAnswer},
    {"ListingCutInData", Op::Listing, at("+KPSL", 2, K::Cut, P::InData), kNoAnswer},
    {"ListingCutBeforeEnd", Op::Listing, at("+KPSL", 2, K::Cut, P::BeforeEnd), kNoAnswer},
    {"ListingStallBeforeReply", Op::Listing, at("+KPSL", 2, K::Stall, P::BeforeReply), kNoAnswer},
    {"ListingStallBeforeEnd", Op::Listing, at("+KPSL", 2, K::Stall, P::BeforeEnd), kNoAnswer},
    // A line of noise among the listing's lines is passed over.
    {"ListingNoiseBeforeReply", Op::Listing, at("+KPSL", 2, K::Noise, P::BeforeReply), {true, {}}},
    {"ListingNoiseInData", Op::Listing, at("+KPSL", 2, K::Noise, P::InData), kNotUnderstood},
    {"ListingNoiseBeforeEnd", Op::Listing, at("+KPSL", 2, K::Noise, P::BeforeEnd), {true, {}}},

    {"RetrievalCutBeforeReply", Op::Retrieval, at("+KPSR", 1, K::Cut, P::BeforeReply), kNoAnswer},
    {"RetrievalCutInConnect", Op::Retrieval, at("+KPSR", 1, K::Cut, P::InConnect), kNoAnswer},
    {"RetrievalCutInData", Op::Retrieval, at("+KPSR", 1, K::Cut, P::InData), fails({"[65014:132,Sun.jpg]"})},
    {"RetrievalCutBeforeEnd", Op::Retrieval, at("+KPSR", 1, K::Cut, P::BeforeEnd), kNoAnswer},
    {"RetrievalStallBeforeReply", Op::Retrieval, at("+KPSR", 1, K::Stall, P::BeforeReply), kNoAnswer},
    {"RetrievalStallInData", Op::Retrieval, at("+KPSR", 1, K::Stall, P::InData), kNoAnswer},
    {"RetrievalStallBeforeEnd", Op::Retrieval, at("+KPSR", 1, K::Stall, P::BeforeEnd), kNoAnswer},
    {"RetrievalNoiseBeforeReply", Op::Retrieval, at("+KPSR", 1, K::Noise, P::BeforeReply), kNotUnderstood},
    {"RetrievalNoiseInConnect", Op::Retrieval, at("+KPSR", 1, K::Noise, P::InConnect), kNotUnderstood},
    {"RetrievalNoiseInData", Op::Retrieval, at("+KPSR", 1, K::Noise, P::InData), kNotUnderstood},
    {"RetrievalNoiseBeforeEnd", Op::Retrieval, at("+KPSR", 1, K::Noise, P::BeforeEnd), kNotUnderstood},

    // +KPSD answers OK alone: before it, or inside it.
    {"DeletionCutBeforeReply", Op::Deletion, at("+KPSD", 1, K::Cut, P::BeforeReply), fails({"[65013:128]"})},
    {"DeletionCutInReply", Op::Deletion, at("+KPSD", 1, K::Cut, P::InData), fails({"[65013:128]"})},
    {"DeletionStallBeforeReply", Op::Deletion, at("+KPSD", 1, K::Stall, P::BeforeReply), fails({"[65013:128]"})},
    {"DeletionNoiseBeforeReply", Op::Deletion, at("+KPSD", 1, K::Noise, P::BeforeReply), fails({"[65006:129]"})},
    {"DeletionNoiseInReply", Op::Deletion, at("+KPSD", 1, K::Noise, P::InData), fails({"[65006:129]"})},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(, FaultInjection, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.label); });

} // namespace
