#include "pagoret/rtf_document.h"

#include <algorithm>

#include "host/windows_1252.h"

namespace tolvane {

std::string RtfParagraph::Text() const {
    std::string text;
    for (const RtfRun& run : runs) {
        text += run.text;
    }
    return text;
}

namespace {

enum class Destination { kText, kSkip, kColorTable };

struct GroupState {
    RtfCharFormat chr;
    RtfParagraphFormat para;
    Destination destination = Destination::kText;
    int unicodeSkip = 1;  // \uc: characters that stand in for each \u
};

// Parameters beyond this are nonsense in any document; clamping keeps arithmetic sane.
constexpr long kParameterLimit = 1000000;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

class Parser {
  public:
    Parser(std::string_view bytes, RtfDocument* document) : m_bytes(bytes), m_document(document) {}

    void Run();

  private:
    GroupState& State() { return m_stack.back(); }
    void ControlWord(std::string_view word, bool hasParameter, long parameter);
    void ControlSymbol(char symbol);
    void Character(char32_t c);
    void EndParagraph();
    void ColorTableText(char c);

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    RtfDocument* m_document;
    std::vector<GroupState> m_stack;
    RtfParagraph m_paragraph;
    int m_pendingSkip = 0;  // fallback characters still to drop after a \u
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    std::vector<std::optional<std::uint32_t>> m_colors;
};

void Parser::Run() {
    m_stack.push_back(GroupState{});
    bool started = false;
    while (m_pos < m_bytes.size()) {
        const char c = m_bytes[m_pos];
        if (c == '{') {
            ++m_pos;
            if (started) {
                m_stack.push_back(State());
            }
            started = true;
            m_pendingSkip = 0;
        } else if (c == '}') {
            ++m_pos;
            if (m_stack.size() <= 1) {
                break;  // the outer group is closed: the document ends here
            }
            m_stack.pop_back();
            m_pendingSkip = 0;
        } else if (c == '\\') {
            ++m_pos;
            if (m_pos >= m_bytes.size()) {
                break;
            }
            if (!IsLetter(m_bytes[m_pos])) {
                ControlSymbol(m_bytes[m_pos++]);
                continue;
            }
            const std::size_t start = m_pos;
            while (m_pos < m_bytes.size() && IsLetter(m_bytes[m_pos]) && m_pos - start < 32) {
                ++m_pos;
            }
            const std::string_view word = m_bytes.substr(start, m_pos - start);
            bool hasParameter = false;
            bool negative = false;
            long parameter = 0;
            if (m_pos < m_bytes.size() && m_bytes[m_pos] == '-' && m_pos + 1 < m_bytes.size() &&
                IsDigit(m_bytes[m_pos + 1])) {
                negative = true;
                ++m_pos;
            }
            while (m_pos < m_bytes.size() && IsDigit(m_bytes[m_pos])) {
                hasParameter = true;
                parameter = std::min(parameter * 10 + (m_bytes[m_pos] - '0'), kParameterLimit);
                ++m_pos;
            }
            if (negative) {
                parameter = -parameter;
            }
            if (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ') {
                ++m_pos;  // the delimiter belongs to the control word
            }
            ControlWord(word, hasParameter, parameter);
        } else {
            ++m_pos;
            if (c == '\r' || c == '\n') {
                continue;  // line breaks of the RTF file itself mean nothing
            }
            if (State().destination == Destination::kColorTable) {
                ColorTableText(c);
                continue;
            }
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 && c != '\t') {
                continue;
            }
            Character(Windows1252ToUnicode(byte));
        }
    }
    if (!m_paragraph.runs.empty()) {
        EndParagraph();
    }
}

void Parser::ColorTableText(char c) {
    if (c != ';') {
        return;
    }
    if (m_red < 0) {
        m_colors.push_back(std::nullopt);  // an entry without components: the default colour
    } else {
        m_colors.push_back((static_cast<std::uint32_t>(m_red & 0xFF) << 16) |
                           (static_cast<std::uint32_t>(m_green & 0xFF) << 8) |
                           static_cast<std::uint32_t>(m_blue & 0xFF));
    }
    m_red = -1;
    m_green = 0;
    m_blue = 0;
}

void Parser::Character(char32_t c) {
    if (m_pendingSkip > 0) {
        --m_pendingSkip;
        return;
    }
    if (State().destination != Destination::kText) {
        return;
    }
    std::string text;
    if (c == '\t' || c == '\n') {
        text.push_back(static_cast<char>(c));
    } else {
        AppendUtf8(c, &text);
    }
    auto& runs = m_paragraph.runs;
    if (runs.empty() || !(runs.back().format == State().chr)) {
        runs.push_back(RtfRun{{}, State().chr});
    }
    runs.back().text += text;
}

void Parser::EndParagraph() {
    m_paragraph.format = State().para;
    m_document->paragraphs.push_back(std::move(m_paragraph));
    m_paragraph = RtfParagraph{};
}

void Parser::ControlSymbol(char symbol) {
    switch (symbol) {
        case '\\':
        case '{':
        case '}':
            Character(static_cast<unsigned char>(symbol));
            break;
        case '\'': {
            if (m_pos + 1 < m_bytes.size() && HexValue(m_bytes[m_pos]) >= 0 &&
                HexValue(m_bytes[m_pos + 1]) >= 0) {
                const int byte = HexValue(m_bytes[m_pos]) * 16 + HexValue(m_bytes[m_pos + 1]);
                m_pos += 2;
                Character(Windows1252ToUnicode(static_cast<unsigned char>(byte)));
            }
            break;
        }
        case '~':
            Character(0x00A0);
            break;
        case '_':
            Character(0x2011);
            break;
        case '*':
            State().destination = Destination::kSkip;
            break;
        case '\r':
        case '\n':
            if (State().destination == Destination::kText) {
                EndParagraph();
            }
            break;
        default:
            break;  // \- (optional hyphen), \: and the like show nothing
    }
}

void Parser::ControlWord(std::string_view word, bool hasParameter, long parameter) {
    GroupState& state = State();
    const int value = static_cast<int>(parameter);
    const bool on = !hasParameter || parameter != 0;

    if (word == "fonttbl" || word == "stylesheet" || word == "info" || word == "pict" ||
        word == "object" || word == "header" || word == "footer" || word == "headerl" ||
        word == "headerr" || word == "headerf" || word == "footerl" || word == "footerr" ||
        word == "footerf" || word == "footnote" || word == "fldinst" || word == "listtable" ||
        word == "listoverridetable" || word == "revtbl" || word == "rsidtbl" ||
        word == "generator" || word == "xmlnstbl" || word == "themedata" ||
        word == "latentstyles" || word == "datastore" || word == "colorschememapping") {
        state.destination = Destination::kSkip;
        return;
    }
    if (word == "colortbl") {
        state.destination = Destination::kColorTable;
        m_colors.clear();
        m_red = -1;
        m_green = 0;
        m_blue = 0;
        return;
    }
    if (state.destination == Destination::kColorTable) {
        if (word == "red") {
            m_red = value;
        } else if (word == "green") {
            m_green = value;
            m_red = std::max(m_red, 0);
        } else if (word == "blue") {
            m_blue = value;
            m_red = std::max(m_red, 0);
        }
        return;
    }
    if (state.destination == Destination::kSkip) {
        return;
    }

    // Special characters.
    struct Special {
        const char* word;
        char32_t character;
    };
    static const Special kSpecials[] = {
        {"tab", '\t'},         {"line", '\n'},      {"bullet", 0x2022},  {"emdash", 0x2014},
        {"endash", 0x2013},    {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"enspace", 0x2002}, {"emspace", 0x2003}, {"qmspace", 0x2005},
        {"cell", '\t'},
    };
    for (const Special& special : kSpecials) {
        if (word == special.word) {
            Character(special.character);
            return;
        }
    }

    if (word == "par" || word == "page" || word == "sect" || word == "row") {
        EndParagraph();
    } else if (word == "pard") {
        state.para = RtfParagraphFormat{};
    } else if (word == "plain") {
        state.chr = RtfCharFormat{};
    } else if (word == "b") {
        state.chr.bold = on;
    } else if (word == "i") {
        state.chr.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
               word == "uldash" || word == "ulth") {
        state.chr.underline = on;
    } else if (word == "ulnone") {
        state.chr.underline = false;
    } else if (word == "fs") {
        // Sizes outside 1 to 1638 points are nonsense; keep the document readable.
        state.chr.fontSize = hasParameter ? std::clamp(value, 2, 3276) : 24;
    } else if (word == "cf") {
        state.chr.color = (value > 0 && static_cast<std::size_t>(value) < m_colors.size())
                              ? m_colors[static_cast<std::size_t>(value)]
                              : std::nullopt;
    } else if (word == "li") {
        state.para.leftIndent = value;
    } else if (word == "ri") {
        state.para.rightIndent = value;
    } else if (word == "fi") {
        state.para.firstIndent = value;
    } else if (word == "sb") {
        state.para.spaceBefore = value;
    } else if (word == "sa") {
        state.para.spaceAfter = value;
    } else if (word == "tx") {
        state.para.tabStops.push_back(value);
    } else if (word == "ql") {
        state.para.align = RtfAlign::kLeft;
    } else if (word == "qc") {
        state.para.align = RtfAlign::kCenter;
    } else if (word == "qr") {
        state.para.align = RtfAlign::kRight;
    } else if (word == "qj") {
        state.para.align = RtfAlign::kJustify;
    } else if (word == "uc") {
        state.unicodeSkip = std::clamp(value, 0, 10);
    } else if (word == "u") {
        const long code = parameter < 0 ? parameter + 65536 : parameter;
        Character(static_cast<char32_t>(std::clamp(code, 0L, 0xFFFFL)));
        m_pendingSkip = state.unicodeSkip;
    }
}

}  // namespace

RtfStatus ParseRtf(std::string_view bytes, RtfDocument* document) {
    *document = RtfDocument{};
    std::size_t start = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        start = 3;
    }
    while (start < bytes.size() && (bytes[start] == ' ' || bytes[start] == '\t' ||
                                    bytes[start] == '\r' || bytes[start] == '\n')) {
        ++start;
    }
    if (bytes.substr(start, 5) != "{\\rtf") {
        return RtfStatus::kNotRtf;
    }
    Parser parser(bytes.substr(start), document);
    parser.Run();
    return RtfStatus::kOk;
}

}  // namespace tolvane
