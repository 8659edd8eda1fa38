// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Quillora developers

// Format lines to table rows with the program's English texts: the grammar
// with every option and format form, malformed lines, and the page.

#include "capabilities.h"
#include "capabilities_page.h"
#include "connection_state.h"
#include "fake_port.h"
#include "mime_file_types.h"
#include "object_types.h"
#include "phone_link.h"
#include "phone_session.h"
#include "ui_strings.h"
#include "ui_text_source.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

namespace {

using quillora::CapabilityCategory;

// The desktop's name for every type is "T", so rows read as written down.
struct NamedT : quillora::FileTypeNames {
    std::string describe(std::string_view) const override { return "T"; }
    std::string iconName(std::string_view) const override { return {}; }
};

class CapabilityRows : public ::testing::Test {
protected:
    CapabilityRows() { quillora::setUiLanguageForLookups(quillora::kEnglishUs); }
    std::string row(CapabilityCategory category, std::string_view line) const
    {
        return quillora::FormatCapabilityLine(category, line, texts, &names).html;
    }
    quillora::UiTextSource texts;
    NamedT names;
};

struct RowCase {
    const char *name;
    CapabilityCategory category;
    const char *line;
    const char *html;
};

class FormatLines : public CapabilityRows, public ::testing::WithParamInterface<RowCase> {};

TEST_P(FormatLines, RowAsTheTableShowsIt)
{
    EXPECT_EQ(row(GetParam().category, GetParam().line), GetParam().html) << GetParam().line;
}

constexpr auto P = CapabilityCategory::Pictures;
constexpr auto A = CapabilityCategory::Animations;
constexpr auto S = CapabilityCategory::Sounds;

INSTANTIATE_TEST_SUITE_P(
    Capabilities, FormatLines,
    ::testing::Values(
        RowCase{"jpeg_progressive", P, "JPEG;PROGRESSIVE:50:640:480:24",
                "<tr><td>T<br>(*.jpg;*.jpeg;*.jpe;*.jif)</td><td>50 KB</td><td>Up to 640x480</td>"
                "<td>24-bits color<br>Progressive encoding supported</td></tr>"},
        RowCase{"bmp_lossless_unsupported", P, "BMP;-COMPRESSION=0:30:128:160:1;8;24",
                "<tr><td>T<br>(*.bmp)</td><td>30 KB</td><td>Up to 128x160</td>"
                "<td>1, 8, 24-bits color<br>Lossless mode unsupported</td></tr>"},
        RowCase{"vector_and_unknown_options", A, "SVG;VECTOR;-VIBRA:10:65536:65536:8",
                "<tr><td>T<br>(*.svg;*.svgz)</td><td>10 KB</td><td>Up to 65536x65536</td>"
                "<td>8-bits color<br>Vector graphic supported<br>vibra unsupported</td></tr>"},
        RowCase{"unlimited_width", P, "PNG:40:65537:10:8",
                "<tr><td>T<br>(*.png)</td><td>40 KB</td><td>Unlimited</td><td>8-bits color</td></tr>"},
        RowCase{"unlimited_height", P, "PNG:40:10:65537:8",
                "<tr><td>T<br>(*.png)</td><td>40 KB</td><td>Unlimited</td><td>8-bits color</td></tr>"},
        RowCase{"black_and_white", P, "WBMP:10:128:160:1",
                "<tr><td>T<br>(*.wbmp)</td><td>10 KB</td><td>Up to 128x160</td>"
                "<td>Black &amp; White only</td></tr>"},
        RowCase{"colour_field_too_long", P, "BMP:30:128:160:1;2;4;8;12;15;16;18;24;321",
                "<tr><td>T<br>(*.bmp)</td><td>30 KB</td><td>Up to 128x160</td><td>&nbsp;</td></tr>"},
        RowCase{"colour_field_of_25", P, "BMP:30:1:1:1;2;4;8;12;15;16;18;24;32",
                "<tr><td>T<br>(*.bmp)</td><td>30 KB</td><td>Up to 1x1</td>"
                "<td>1, 2, 4, 8, 12, 15, 16, 18, 24, 32-bits color</td></tr>"},
        RowCase{"type_code_alone", P, "XYZ",
                "<tr><td>T<br>(*.xyz)</td><td>0 KB</td><td>Up to 0x0</td><td>&nbsp;</td></tr>"},
        RowCase{"numbers_read_like_atoi", P, "GIF: 12abc:-3: +7x:",
                "<tr><td>T<br>(*.gif)</td><td>12 KB</td><td>Up to -3x7</td><td>&nbsp;</td></tr>"},
        RowCase{"huge_numbers_saturate", P, "BMP:99999999999999999999:99999999999999999999:1",
                "<tr><td>T<br>(*.bmp)</td><td>2147483647 KB</td><td>Unlimited</td><td>&nbsp;</td></tr>"},
        RowCase{"sound_without_options_keeps_its_br", S, "AMR:20:1:16M8000",
                "<tr><td>T<br>(*.amr)</td><td>20 KB</td><td>Single track<br>16 bits - Mono - 8000 Hz<br>"
                "</td></tr>"},
        RowCase{"sound_frequency_range", S, "AMR;FREQUENCY=8000-16000:20:1:16M8000",
                "<tr><td>T<br>(*.amr)</td><td>20 KB</td><td>Single track<br>16 bits - Mono - 8000 Hz<br>"
                "Frequency range: 8000-16000 Hz</td></tr>"},
        RowCase{"sound_formats_and_tracks", S, "WAV;-LOOP:100:16:8M8000;16S16000;4x11025",
                "<tr><td>T<br>(*.wav)</td><td>100 KB</td><td>Up to 16 tracks<br>8 bits - Mono - 8000 Hz<br>"
                "16 bits - Stereo - 16000 Hz<br>4 bits - x - 11025 Hz<br>loop unsupported</td></tr>"},
        RowCase{"sound_fields_missing", S, "MIDI:30",
                "<tr><td>T<br>(*.mid)</td><td>30 KB</td><td>&nbsp;</td></tr>"},
        RowCase{"separators_from_the_phone", P, "A^B|C;X^Y:1:1:1:8",
                "<tr><td>T<br>(*.abc)</td><td>1 KB</td><td>Up to 1x1</td>"
                "<td>8-bits color<br>x&#94;y supported</td></tr>"},
        RowCase{"hostile_text_is_escaped", S, "<b>;<i>x:1:<script>:&16M\"",
                "<tr><td>T<br>(*.b)</td><td>1 KB</td><td>Up to &lt;script&gt; tracks<br>"
                " bits - &amp; - 16M&quot; Hz<br>&lt;i&gt;x supported</td></tr>"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TakeToken, SplitsAtTheFirstSeparator)
{
    std::string text = "a:b:c";
    EXPECT_EQ(quillora::TakeToken(text, ':'), "a");
    EXPECT_EQ(text, "b:c");
    EXPECT_EQ(quillora::TakeToken(text, ';'), "b:c");
    EXPECT_EQ(text, "");
    text = ":x";
    EXPECT_EQ(quillora::TakeToken(text, ':'), "");
    EXPECT_EQ(text, "x");
}

TEST_F(CapabilityRows, DataLinesEndWithCarriageReturns)
{
    static constexpr char kData[] = "BMP:30:1:1:1\r\nJPEG:50:2:2:24\rPN\0G:1:1:1:8\r\nWBMP:9:9:9:1";
    const auto rows = quillora::ParseCapabilityData(P, std::string(kData, sizeof kData - 1), texts, &names);
    ASSERT_EQ(rows.size(), 3u) << "the text after the last CR is no line";
    EXPECT_EQ(rows[0].patterns, "*.bmp");
    EXPECT_EQ(rows[1].patterns, "*.jpg;*.jpeg;*.jpe;*.jif");
    EXPECT_EQ(rows[2].patterns, "*.png") << "a NUL inside a line is dropped";
    EXPECT_TRUE(quillora::ParseCapabilityData(P, "BMP:30:1:1:1", texts, &names).empty());
    EXPECT_TRUE(quillora::ParseCapabilityData(P, "", texts, &names).empty());
}

TEST_F(CapabilityRows, CodePageBytesAndTheDesktopFallback)
{
    // 0xE9 is é in the code page; with no desktop name the row says "X File".
    const auto html = quillora::ParseCapabilityData(S, "QVX1;VIBR\xC9:5:1:8M8000\r", texts, nullptr);
    ASSERT_EQ(html.size(), 1u);
    EXPECT_EQ(html[0].html, "<tr><td>QVX1 File<br>(*.qvx1)</td><td>5 KB</td><td>Single track<br>"
                            "8 bits - Mono - 8000 Hz<br>vibr\xC3\x89 supported</td></tr>");
}

// --- the page ---

int tableRows(const QTextDocument &document, int tableIndex)
{
    int index = 0;
    for (QTextFrame *frame : document.rootFrame()->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(frame); table && index++ == tableIndex)
            return table->rows();
    return -1;
}

TEST_F(CapabilityRows, PageRendersThreeTablesWithTheirRows)
{
    const std::string argument = row(P, "BMP:30:128:160:1") + row(P, "PNG:40:640:480:8;24") + "^" +
                                 row(A, "AGIF:60:128:160:8") + "^" + row(S, "MIDI:30:16") + row(S, "AMR:20:1:16M8000") +
                                 row(S, "WAV:100:1:8M8000") + "^";
    QTextDocument document;
    document.setHtml(quillora::CapabilitiesPage(argument));
    EXPECT_EQ(tableRows(document, 0), 3) << "a header row and two formats";
    EXPECT_EQ(tableRows(document, 1), 2);
    EXPECT_EQ(tableRows(document, 2), 4);
    EXPECT_EQ(tableRows(document, 3), -1) << "three tables only";
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.contains("Pictures (Wallpapers or Caller group icons)"));
    EXPECT_TRUE(text.contains("Sounds (Melodies)"));
    EXPECT_TRUE(text.contains("Up to 640x480"));
    EXPECT_TRUE(text.contains("Black & White only"));
    EXPECT_EQ(document.metaInformation(QTextDocument::DocumentTitle), "Object formats supported by this mobile");
}

// The whole way: the simulated phone's default lists over the serial
// channel, the desktop's type names, the page in the rich-text engine.
TEST_F(CapabilityRows, PageFromTheSimulatedPhone)
{
    quillora::ChannelSink sink;
    quillora::PhoneSession session(sink);
    quillora::ConnectionState connection;
    quillora::MimeFileTypeNames mimeNames;
    auto *port = new trelvix::FakePort;
    phonesim::PhoneOptions options;
    options.echo = false;
    phonesim::FakePortPhone phone(*port, options);
    quillora::SetReceiveSession(&session);
    ASSERT_EQ(Comm_Start(port, quillora::ReceiveCallback, 0), 1);
    const auto report = quillora::QueryCapabilities({session, connection, texts, &mimeNames}, {});
    phone.detach();
    Comm_Stop(1);
    quillora::SetReceiveSession(nullptr);
    ASSERT_TRUE(report);

    QTextDocument document;
    document.setHtml(quillora::CapabilitiesPage(report->argument));
    EXPECT_EQ(tableRows(document, 0), 1 + static_cast<int>(options.pictureFormats.size()));
    EXPECT_EQ(tableRows(document, 1), 1 + static_cast<int>(options.animationFormats.size()));
    EXPECT_EQ(tableRows(document, 2), 1 + static_cast<int>(options.soundFormats.size()));
    const QString text = document.toPlainText();
    EXPECT_TRUE(text.contains("Progressive encoding supported"));
    EXPECT_TRUE(text.contains("Frequency range: 8000-8000 Hz"));
    EXPECT_TRUE(text.contains("QVX1 File")) << "no desktop name for the phone's own sound type";
}

TEST_F(CapabilityRows, PageInFrench)
{
    quillora::setUiLanguageForLookups(quillora::kFrench);
    const QString page = quillora::CapabilitiesPage("^^^");
    quillora::setUiLanguageForLookups(quillora::kEnglishUs);
    EXPECT_FALSE(page.contains("Sounds (Melodies)"));
    EXPECT_FALSE(page.contains("${")) << "every placeholder filled";
}

TEST(CapabilitiesPage, TemplateFilling)
{
    const auto fill = [](std::string_view templ, std::string_view argument) {
        return quillora::FillCapabilitiesPage(templ, argument, [](std::string_view id) {
            return id == "t" ? std::string("A & B") : std::string("?");
        });
    };
    EXPECT_EQ(fill("<${t}>[${part0}|${part1}|${part2}]", "r0^r1^r2^"), "<A &amp; B>[r0|r1|r2]");
    EXPECT_EQ(fill("[${part0}|${part2}]", "only^"), "[only|]") << "missing parts are empty";
    EXPECT_EQ(fill("open ${t", "^^^"), "open ${t") << "an unclosed placeholder stays";
}

} // namespace
