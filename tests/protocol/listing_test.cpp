// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// The storage listing over a real session, fed by a scripted phone from its
// own thread: the category sequence, object lines, titles made unique and
// safe, and the errors with their messages.

#include "connection_state.h"
#include "file_names.h"
#include "link_control.h"
#include "phone_listing.h"
#include "phone_operations.h"
#include "phone_session.h"
#include "protocol_error.h"
#include "protocol_fakes.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using protocol_test::RecordingPrompt;
using protocol_test::ScriptedPhone;
using protocol_test::SpelledTexts;
using quillora::ListedLine;
using quillora::PhoneObject;
using quillora::PhoneSession;
using quillora::ProtocolError;

struct NullLink : quillora::LinkControl {
    std::uint32_t sentBytes() override { return 0; }
    void resetSentBytes() override {}
    int outputQueue() override { return 0; }
    bool drain(int) override { return true; }
    void purgeOutput() override {}
    void purgeInput() override {}
    bool setDtr(bool) override { return true; }
    bool setSpeed(int) override { return true; }
    std::uint32_t lineErrors() override { return 0; }
    void resetLineErrors() override {}
};

struct Row {
    PhoneObject object;
    std::string title;
    std::string extension;
};

// The browser's side: rows in arrival order, titles compared as the
// browser compares them.
struct ListedRows : quillora::PhoneObjectSink {
    bool containsTitle(const std::string &title) override
    {
        for (const Row &row : rows) {
            if (quillora::SameTitle(row.title, title))
                return true;
        }
        return false;
    }
    void addObject(const PhoneObject &object, const std::string &title, const std::string &extension) override
    {
        rows.push_back({object, title, extension});
    }
    std::vector<std::string> titles() const
    {
        std::vector<std::string> out;
        for (const Row &row : rows)
            out.push_back(row.title);
        return out;
    }
    std::vector<Row> rows;
};

std::string hex(std::u16string_view text)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const char16_t c : text) {
        for (int shift = 12; shift >= 0; shift -= 4)
            out += kDigits[(c >> shift) & 0xF];
    }
    return out;
}

std::string objectLine(std::u16string_view title, std::string_view type = "WAV", int hidden = 0,
                       std::string_view phoneName = "00300031", std::uint32_t size = 1234)
{
    return "+KPSL: \"" + std::string(phoneName) + "\"," + std::to_string(hidden) + "," + std::to_string(size) +
           ",\"x\",\"" + std::string(type) + "\",\"\",\"\",\"" + hex(title) + "\"\r\n";
}

std::string listCommand(std::string_view category)
{
    return "AT+CSCS=\"UCS2\";+KPSL=\"" + std::string(category) + "\",1";
}

std::int32_t thrownBy(const std::function<void()> &f)
{
    try {
        f();
    } catch (const ProtocolError &e) {
        return e.code;
    }
    return INT32_MIN; // nothing thrown
}

class Listing : public ::testing::Test {
protected:
    Listing() { phone.attach(session); }
    ~Listing() override { phone.stop(); }

    bool list(int group, bool showHidden = false)
    {
        quillora::OperationContext context{session, connection, link, texts, prompt};
        return quillora::ListPhoneObjects(context, group, showHidden, sink);
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto &message : prompt.messages) {
            EXPECT_EQ(message.icon, quillora::MessageIcon::Error);
            out.push_back(message.text);
        }
        return out;
    }

    ScriptedPhone phone;
    PhoneSession session{phone};
    quillora::ConnectionState connection;
    NullLink link;
    SpelledTexts texts;
    RecordingPrompt prompt;
    ListedRows sink;
};

TEST_F(Listing, ObjectLinesBecomeRecords)
{
    phone.answer(listCommand("SOUNDS"), listCommand("SOUNDS") + "\r\r\n" + objectLine(u"Ring", "WAV", 0, "0052", 5120) +
                                            objectLine(u"Odd", "XYZ", 0, "004F0064", 7) + "\r\nOK\r\n");
    ASSERT_TRUE(list(2));
    EXPECT_EQ(phone.commands(), std::vector<std::string>{listCommand("SOUNDS")}) << "one category, the ,1 always sent";
    EXPECT_TRUE(messages().empty());
    ASSERT_EQ(sink.rows.size(), 2u) << "the echo of the command is no object";
    EXPECT_EQ(sink.rows[0].object.phoneName, "0052");
    EXPECT_EQ(sink.rows[0].object.typeName, "WAV");
    EXPECT_EQ(sink.rows[0].object.size, 5120u);
    EXPECT_EQ(sink.rows[0].object.objectType, 1u);
    EXPECT_EQ(sink.rows[0].title, "Ring");
    EXPECT_EQ(sink.rows[0].extension, ".wav");
    EXPECT_EQ(sink.rows[1].object.typeName, "XYZ");
    EXPECT_EQ(sink.rows[1].object.objectType, quillora::kNoObjectType);
    EXPECT_EQ(sink.rows[1].extension, "");
    EXPECT_EQ(sink.rows[1].title, "Odd");
}

TEST_F(Listing, SecondCategoryOfAGroup)
{
    struct Case {
        int group;
        std::string firstCategory, firstReply, secondCategory;
    };
    const Case cases[] = {
        {0, "PHOTO", "+CME ERROR: 4\r\n", "PICTURES"},          // no such category: no message
        {0, "PHOTO", "OK\r\n", "PICTURES"},                     // complete, then the other name
        {4, "VEVENT", "+CME ERROR: 100,65502\r\n", "VTODO"},    // nothing stored
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.firstCategory + " answers " + c.firstReply);
        ScriptedPhone scripted;
        PhoneSession own(scripted);
        scripted.attach(own);
        scripted.answer(listCommand(c.firstCategory), c.firstReply);
        scripted.answer(listCommand(c.secondCategory), objectLine(u"Only", "JPEG") + "OK\r\n");
        ListedRows rows;
        quillora::OperationContext context{own, connection, link, texts, prompt};
        EXPECT_TRUE(quillora::ListPhoneObjects(context, c.group, false, rows));
        scripted.stop();
        EXPECT_EQ(scripted.commands(),
                  (std::vector<std::string>{listCommand(c.firstCategory), listCommand(c.secondCategory)}));
        EXPECT_EQ(rows.titles(), std::vector<std::string>{"Only"});
        EXPECT_TRUE(messages().empty());
    }
}

TEST_F(Listing, TitlesAreUniqueAcrossTheGroupIgnoringCase)
{
    phone.answer(listCommand("PHOTO"), objectLine(u"Ring", "JPEG") + objectLine(u"Ring", "JPEG") + "OK\r\n");
    phone.answer(listCommand("PICTURES"), objectLine(u"Ring", "JPEG") + objectLine(u"ring", "JPEG") +
                                              objectLine(u"\u0417\u0432\u043E\u043D", "JPEG") +
                                              objectLine(u"\u0417\u0412\u041E\u041D", "JPEG") + "OK\r\n");
    ASSERT_TRUE(list(0));
    EXPECT_EQ(sink.titles(), (std::vector<std::string>{"Ring", "Ring[1]", "Ring[2]", "ring[3]",
                                                        "\u0417\u0432\u043E\u043D", "\u0417\u0412\u041E\u041D[1]"}));
}

// What a title becomes, in one listing: defaults are numbered so they stay
// unique too.
TEST_F(Listing, TitlesBecomeSafeFileStems)
{
    struct Case {
        std::u16string title;
        std::string row;
    };
    const Case cases[] = {
        {u"A/B:C?", "A_B_C_"},
        {u"a\\b|c<d>e*f\"g", "a_b_c_d_e_f_g"},
        {u"..", "Sound 1"},
        {u".", "Sound 2"},
        {u"   ", "Sound 3"},
        {u"", "Sound 4"},
        {u". .\u3000", "Sound 5"},
        {u".hidden", "_hidden"},
        {u"../up", "_._up"},
        {u"tab\there\u0001", "tab_here_"},
        {u"del\u007F c1\u0085", "del_ c1_"},
        {u"trailing \u00A0 ", "trailing"},
        {u"Sound 1", "Sound 1[1]"},
    };
    std::string reply;
    for (const Case &c : cases)
        reply += objectLine(c.title);
    phone.answer(listCommand("SOUNDS"), reply + "OK\r\n");
    ASSERT_TRUE(list(2));
    ASSERT_EQ(sink.rows.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(sink.rows[i].title, cases[i].row) << "row " << i;
}

// The longest names the fields allow fit one line; the title is cut so that
// it, a "[k]" and the extension stay a legal file name.
TEST_F(Listing, LongTitlesAndNamesFit)
{
    const std::u16string cyrillic(300, u'\u0416');
    const std::u16string latin(255, u'x');
    const std::string longName = hex(std::u16string(255, u'\u0439'));
    phone.answer(listCommand("VCARDS"), objectLine(latin, "VCRD", 0, longName) + objectLine(latin, "VCRD") +
                                            objectLine(cyrillic, "VCRD") + "OK\r\n");
    ASSERT_TRUE(list(3)) << (prompt.messages.empty() ? "" : prompt.messages[0].text);
    ASSERT_EQ(sink.rows.size(), 3u);
    EXPECT_EQ(sink.rows[0].object.phoneName, longName) << "sent back unchanged";
    for (const Row &row : sink.rows) {
        EXPECT_EQ(row.extension, ".vcf");
        const std::string fileName = quillora::FileNameFor(row.title, row.extension);
        EXPECT_EQ(fileName, row.title + ".vcf") << "no second cut";
        EXPECT_LE(fileName.size(), quillora::kMaxFileNameBytes);
    }
    const std::string latinStem = sink.rows[0].title;
    EXPECT_EQ(latinStem, std::string(255 - 12 - 4, 'x'));
    EXPECT_EQ(sink.rows[1].title, latinStem + "[1]");
    const std::string &cut = sink.rows[2].title;
    std::string expected;
    for (int i = 0; i < 119; ++i)
        expected += "\u0416";
    EXPECT_EQ(cut, expected) << "238 of the 239 bytes left: a character is not split";
}

// Pieces of a longer line must not be taken for object lines: the longest
// line read whole is one short of the capacity.
TEST_F(Listing, LineCapacityBoundary)
{
    const std::string shortest = objectLine(u"Edge", "WAV", 0, "");
    const size_t fixed = shortest.size() - 2; // without CR LF
    for (const size_t length : {quillora::kListingLineCapacity - 2, quillora::kListingLineCapacity - 1}) {
        SCOPED_TRACE(length);
        ScriptedPhone scripted;
        PhoneSession own(scripted);
        scripted.attach(own);
        const std::string line = objectLine(u"Edge", "WAV", 0, std::string(length - fixed, '0'));
        ASSERT_EQ(line.size(), length + 2);
        scripted.answer(listCommand("SOUNDS"), line + "OK\r\n");
        ListedRows rows;
        RecordingPrompt shown;
        quillora::OperationContext context{own, connection, link, texts, shown};
        const bool whole = length < quillora::kListingLineCapacity - 1;
        EXPECT_EQ(quillora::ListPhoneObjects(context, 2, false, rows), whole);
        scripted.stop();
        EXPECT_EQ(rows.rows.size(), whole ? 1u : 0u);
        EXPECT_EQ(shown.messages.size(), whole ? 0u : 1u);
    }
}

TEST_F(Listing, HiddenObjects)
{
    const std::string reply = objectLine(u"Shown") + objectLine(u"Secret", "WAV", 1) +
                              "+KPSL: \"0041\",1,nonsense\r\n" + objectLine(u"Last") + "OK\r\n";
    phone.answer(listCommand("SOUNDS"), reply);
    ASSERT_TRUE(list(2, false)) << "a hidden line is not read past its flag";
    EXPECT_EQ(sink.titles(), (std::vector<std::string>{"Shown", "Last"}));

    sink.rows.clear();
    EXPECT_FALSE(list(2, true)) << "shown, the malformed hidden line is invalid";
    EXPECT_EQ(sink.titles(), (std::vector<std::string>{"Shown", "Secret"}));
    EXPECT_EQ(messages(), std::vector<std::string>{"[65006]"});
}

// A failure ends the listing with its message; the rows before it stay.
TEST_F(Listing, FailuresKeepTheRowsBefore)
{
    struct Case {
        const char *what;
        std::string tail;
        std::string message;
        bool stale = false;
    };
    const Case cases[] = {
        {"a ninth field", "+KPSL: \"0041\",0,1,\"\",\"WAV\",\"\",\"\",\"0041\",\"\"\r\n", "[65006]", false},
        {"a line too long to read whole", objectLine(std::u16string(1100, u'y')), "[65006]", false},
        {"no object download", "+CME ERROR: 4\r\n", "[65004]", false},
        {"not understood", "ERROR\r\n", "[65012]", false},
        {"the phone's own code", "+CME ERROR: 100,-31\r\n", "[704:65505]", true},
        {"another phone error", "+CME ERROR: 3\r\n", "[65000:10003]", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPhone scripted;
        PhoneSession own(scripted);
        scripted.attach(own);
        scripted.answer(listCommand("SOUNDS"), objectLine(u"Before") + c.tail + objectLine(u"After") + "OK\r\n");
        ListedRows rows;
        RecordingPrompt shown;
        quillora::OperationContext context{own, connection, link, texts, shown};
        EXPECT_FALSE(quillora::ListPhoneObjects(context, 2, false, rows));
        scripted.stop();
        EXPECT_EQ(rows.titles(), std::vector<std::string>{"Before"});
        ASSERT_EQ(shown.messages.size(), 1u);
        EXPECT_EQ(shown.messages[0].text, c.message);
        EXPECT_EQ(own.listStale.load() & 1u, c.stale ? 1u : 0u);
    }
}

TEST_F(Listing, SilentPhoneTimesOutScaledByTheDelayFactor)
{
    session.setDelayFactor(1); // 40 ms for each line
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(list(1));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(40));
    EXPECT_LT(took, std::chrono::milliseconds(4000)) << "the factor was applied";
    EXPECT_EQ(phone.commands(), std::vector<std::string>{listCommand("ANIMATIONS")});
    EXPECT_EQ(messages(), std::vector<std::string>{"[65013]"});
}

TEST(ListingPort, UnsentCommandIsAPortError)
{
    protocol_test::RecordingSink failing;
    failing.failAt = 2; // the CR
    PhoneSession session(failing);
    ListedRows rows;
    EXPECT_EQ(thrownBy([&] { quillora::ListGroup(session, 3, false, rows); }), quillora::error_code::kPortUnavailable);
    EXPECT_THROW(quillora::ListGroup(session, quillora::kListingGroups, false, rows), std::out_of_range);
}

// The field rules, line by line.
TEST(ObjectLine, Fields)
{
    struct Case {
        const char *fields;
        bool showHidden;
        std::int32_t error; // 0: parses
    };
    const Case cases[] = {
        {R"("0041",0,12,"","JPEG","","","0041")", false, 0},
        {R"("0041", +0,  12,"","JPEG","","","0041")", false, 0}, // white space and a sign before a number
        {R"("0041",0,12,"","JPEG","","","0041",)", false, 130},  // a comma ending the line
        {R"("0041",0,12,"","JPEG","","","0041"x)", false, 130},
        {R"("0041",0,12,"","JPEG","","")", false, 130},          // no field 8
        {R"("0041",0,12,"","JPEG","","",0041)", false, 130},     // field 8 unquoted
        {R"("0041",0,12,"","JPEG","","","0041)", false, 130},    // no closing quote
        {R"("0041",0,,"","JPEG","","","0041")", false, 130},     // no digits
        {R"("0041",0,12 ,"","JPEG","","","0041")", false, 130},  // text after a number
        {R"("0041"0,12,"","JPEG","","","0041")", false, 130},
        {R"("0041",-1,bad)", false, 0},                          // hidden: not read further
        {R"("0041",-1,bad)", true, 130},
        {R"("0041,0,12)", false, 130},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fields);
        ListedLine listed;
        EXPECT_EQ(thrownBy([&] { quillora::ParseObjectLine(c.fields, c.showHidden, listed); }),
                  c.error == 0 ? INT32_MIN : c.error);
    }

    ListedLine listed;
    ASSERT_TRUE(quillora::ParseObjectLine(R"("00410042",0,4294967296,"","AGIF","","","0041")", false, listed));
    EXPECT_EQ(listed.object.size, 4294967295u) << "a size past 32 bits is clamped";
    EXPECT_EQ(listed.object.objectType, 201u);
    EXPECT_EQ(listed.hexTitle, "0041");
    EXPECT_FALSE(quillora::ParseObjectLine(R"("0041",7,1,"","WAV","","","0041")", false, listed));
}

} // namespace
