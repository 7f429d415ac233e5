// pagoret's RTF reader.
#include "pagoret/rtf_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace tolvane {
namespace {

using ::testing::ElementsAre;

// The document in a short notation: paragraphs separated by '|'; a run's text is wrapped in
// * for bold, / for italic, _ for underline, and led by {N} when its size is not 12 points.
std::string Notation(const RtfDocument& document) {
    std::string out;
    for (std::size_t p = 0; p < document.paragraphs.size(); ++p) {
        if (p > 0) {
            out += '|';
        }
        for (const RtfRun& run : document.paragraphs[p].runs) {
            std::string text = run.text;
            if (run.format.underline) {
                text = "_" + text + "_";
            }
            if (run.format.italic) {
                text = "/" + text + "/";
            }
            if (run.format.bold) {
                text = "*" + text + "*";
            }
            if (run.format.fontSize != 24) {
                text = "{" + std::to_string(run.format.fontSize) + "}" + text;
            }
            out += text;
        }
    }
    return out;
}

TEST(RtfDocumentTest, ReadsTextAndCharacterFormats) {
    struct Case {
        const char* rtf;
        const char* notation;
    } kCases[] = {
        {"{\\rtf1\\ansi Hello\\par World}", "Hello|World"},
        {"{\\rtf1 a\\par}", "a"},
        {"{\\rtf1 a\\par\\par b\\par}", "a||b"},
        {"{\\rtf1 a\\b b\\b0 c}", "a*b*c"},
        {"{\\rtf1 a{\\b b}c}", "a*b*c"},
        {"{\\rtf1 \\b bold}", "*bold*"},
        {"{\\rtf1 \\b  two}", "* two*"},
        {"{\\rtf1 \\i x\\i0 \\ul y\\ulnone z\\ul0 w}", "/x/_y_zw"},
        {"{\\rtf1 \\ul u\\ul0 v}", "_u_v"},
        {"{\\rtf1 \\b\\i bi\\plain p}", "*/bi/*p"},
        {"{\\rtf1 \\fs32 Big\\fs Normal}", "{32}BigNormal"},
        {"{\\rtf1 \\fs99999999999 x}", "{3276}x"},
        {"{\\rtf1 \\\\ \\{ \\}}", "\\ { }"},
        {"{\\rtf1 caf\\'e9 \\'80\\'4}", "caf\u00E9 \u20AC4"},
        {"{\\rtf1 \\u8364?x\\uc0\\u8220\\u8221 y}", "\u20ACx\u201C\u201Dy"},
        {"{\\rtf1 \\u-4064?}", "\uF020"},
        {"{\\rtf1 \\bullet\\tab a\\line b}", "\u2022\ta\nb"},
        {"{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\~}",
         "\u2014\u2013\u2018\u2019\u201C\u201D\u00A0"},
        {"{\\rtf1 a\r\nb\r\n}", "ab"},
        {"{\\rtf1 a\\\nb}", "a|b"},
        {"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
         "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}{\\*\\generator x;}Text}",
         "Text"},
        {"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}}", "shown"},
        {"{\\rtf1 \\unknownword12 kept}", "kept"},
        {"{\\rtf1 a}junk\\par more", "a"},
        {"{\\rtf1 a\\par b", "a|b"},
        {"{\\rtf1 a}}}}", "a"},
        {"\xEF\xBB\xBF \r\n{\\rtf1 bom}", "bom"},
    };
    for (const Case& test : kCases) {
        RtfDocument document;
        ASSERT_EQ(ParseRtf(test.rtf, &document), RtfStatus::kOk) << test.rtf;
        EXPECT_EQ(Notation(document), test.notation) << test.rtf;
    }
}

TEST(RtfDocumentTest, ReadsParagraphFormatsAndColours) {
    RtfDocument document;
    ASSERT_EQ(ParseRtf("{\\rtf1{\\colortbl;\\red31\\green73\\blue125;}"
                       "\\pard\\qc\\li720\\fi-360\\ri100\\sb120\\sa240\\tx1440\\tx2880 a\\par "
                       "b\\par"
                       "\\pard\\qr c\\par\\pard\\qj d\\par"
                       "\\pard{\\qc e\\par}f\\par"
                       "\\cf1 blue\\cf0 plain\\cf7 none}",
                       &document),
              RtfStatus::kOk);
    ASSERT_EQ(document.paragraphs.size(), 7u);
    const RtfParagraphFormat& a = document.paragraphs[0].format;
    EXPECT_EQ(a.align, RtfAlign::kCenter);
    EXPECT_EQ(a.leftIndent, 720);
    EXPECT_EQ(a.firstIndent, -360);
    EXPECT_EQ(a.rightIndent, 100);
    EXPECT_EQ(a.spaceBefore, 120);
    EXPECT_EQ(a.spaceAfter, 240);
    EXPECT_THAT(a.tabStops, ElementsAre(1440, 2880));
    // Paragraph formats hold until \pard, and a group's end restores them.
    EXPECT_EQ(document.paragraphs[1].format, a);
    EXPECT_EQ(document.paragraphs[2].format.align, RtfAlign::kRight);
    EXPECT_EQ(document.paragraphs[3].format.align, RtfAlign::kJustify);
    EXPECT_EQ(document.paragraphs[3].format.leftIndent, 0);
    EXPECT_EQ(document.paragraphs[4].format.align, RtfAlign::kCenter);
    EXPECT_EQ(document.paragraphs[5].format.align, RtfAlign::kLeft);

    const auto& runs = document.paragraphs[6].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "blue");
    EXPECT_EQ(runs[0].format.color, 0x1F497Du);
    EXPECT_EQ(runs[1].text, "plainnone");
    EXPECT_FALSE(runs[1].format.color.has_value());
}

TEST(RtfDocumentTest, TellsWhatIsNotRtf) {
    for (const char* bytes : {"", "Hello", "{\\rtx1 a}", "rtf1", "\\rtf1", "{ \\rtf1}"}) {
        RtfDocument document;
        EXPECT_EQ(ParseRtf(bytes, &document), RtfStatus::kNotRtf) << bytes;
    }
}

TEST(RtfDocumentTest, SurvivesEveryTruncationOfTheHelpDocument) {
    std::ifstream in(std::string(TOLVANE_SOURCE_DIR) + "/res/WorkSheetInv.rtf", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 1000u);
    RtfDocument whole;
    ASSERT_EQ(ParseRtf(bytes, &whole), RtfStatus::kOk);
    // The help document's own texts, not RTF words, reach the reader.
    const std::string text = Notation(whole);
    EXPECT_THAT(text, ::testing::HasSubstr("*Daily Work Sheet*"));
    EXPECT_THAT(text, ::testing::Not(::testing::HasSubstr("Arial")));
    EXPECT_THAT(text, ::testing::Not(::testing::HasSubstr("ansicpg")));
    EXPECT_THAT(text, ::testing::HasSubstr("C:\\Store\\WS\\WS"));
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        RtfDocument document;
        const RtfStatus status = ParseRtf(std::string_view(bytes).substr(0, length), &document);
        EXPECT_EQ(status, length >= 5 ? RtfStatus::kOk : RtfStatus::kNotRtf) << length;
    }
}

}  // namespace
}  // namespace tolvane
