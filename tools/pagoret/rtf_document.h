#pragma once
// A document read from RTF: paragraphs of formatted runs of text.
//
// Read: groups; \rtf1, \ansi (text bytes and \'hh are Windows-1252); \fonttbl, \stylesheet,
// \info and every {\* ...} group are skipped; \colortbl gives the colours of \cf; \par, \pard,
// \plain, \b, \i, \ul, \ulnone, \fs, \cf, \tab, \line, \li, \ri, \fi, \sa, \sb, \tx, \ql, \qc,
// \qr, \qj, \bullet, \emdash, \endash, quotes, \~, \u with \uc, \page; the symbols \\ \{ \}.
// Other control words are ignored, their groups' text kept. A document that does not start
// with "{\rtf" is not RTF.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

enum class RtfAlign { kLeft, kCenter, kRight, kJustify };

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int fontSize = 24;                   // half-points (\fs); RTF's default is 12 points
    std::optional<std::uint32_t> color;  // 0xRRGGBB; none for the default colour

    bool operator==(const RtfCharFormat&) const = default;
};

struct RtfRun {
    std::string text;  // UTF-8; '\t' for \tab, '\n' for \line
    RtfCharFormat format;
};

// Lengths in twips (1/1440 inch).
struct RtfParagraphFormat {
    RtfAlign align = RtfAlign::kLeft;
    int leftIndent = 0;         // \li
    int rightIndent = 0;        // \ri
    int firstIndent = 0;        // \fi, relative to leftIndent (negative for a hanging indent)
    int spaceBefore = 0;        // \sb
    int spaceAfter = 0;         // \sa
    std::vector<int> tabStops;  // \tx, from the left margin

    bool operator==(const RtfParagraphFormat&) const = default;
};

struct RtfParagraph {
    RtfParagraphFormat format;  // as it stood at the paragraph's end
    std::vector<RtfRun> runs;   // adjacent runs always differ in format

    std::string Text() const;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
};

enum class RtfStatus { kOk, kNotRtf };

// Reads RTF bytes. Unbalanced braces are forgiven: text after the closing brace of the outer
// group is ignored, and a missing closing brace ends the document at the end of the bytes.
RtfStatus ParseRtf(std::string_view bytes, RtfDocument* document);

}  // namespace tolvane
