// tabulo run as the reports run it: a process started with its parameter string, writing a
// PDF whose text is read back with pdftotext.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/process.h"
#include "support/program_run.h"
#include "support/scoped_env.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const std::string kTabulo = std::string(TOLVANE_BINARY_DIR) + "/tools/tabulo/tabulo";

// The words of a PDF with their boxes, from pdftotext -bbox.
struct PdfWord {
    std::string text;
    double xMin = 0;
    double xMax = 0;
    double yMax = 0;
    int page = 0;
};

struct PdfPage {
    double width = 0;
    double height = 0;
};

struct PdfContent {
    std::vector<PdfPage> pages;
    std::vector<PdfWord> words;
    std::string text;  // the words line by line, left to right, one blank between them

    bool FitsItsPages() const {
        for (const PdfWord& word : words) {
            const PdfPage& page = pages[word.page];
            if (word.xMax > page.width + 0.5 || word.yMax > page.height + 0.5) {
                return false;
            }
        }
        return true;
    }
};

std::string Attribute(const std::string& tag, const std::string& name) {
    const std::size_t at = tag.find(name + "=\"");
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t start = at + name.size() + 2;
    return tag.substr(start, tag.find('"', start) - start);
}

std::string Unescape(std::string text) {
    const std::pair<const char*, const char*> kEntities[] = {{"&lt;", "<"},    {"&gt;", ">"},
                                                             {"&quot;", "\""}, {"&apos;", "'"},
                                                             {"&#39;", "'"},   {"&amp;", "&"}};
    for (const auto& [entity, character] : kEntities) {
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;) {
            text.replace(at, std::string(entity).size(), character);
        }
    }
    return text;
}

PdfContent ReadPdf(const std::string& pdf) {
    PdfContent content;
    const ProgramRun run = RunProgram("pdftotext", {"-bbox", pdf, "-"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    std::size_t pos = 0;
    while ((pos = run.out.find('<', pos)) != std::string::npos) {
        const std::size_t end = run.out.find('>', pos);
        const std::string tag = run.out.substr(pos, end - pos + 1);
        if (tag.rfind("<page ", 0) == 0) {
            content.pages.push_back(
                {std::stod(Attribute(tag, "width")), std::stod(Attribute(tag, "height"))});
        } else if (tag.rfind("<word ", 0) == 0) {
            const std::size_t close = run.out.find("</word>", end);
            PdfWord word;
            word.text = Unescape(run.out.substr(end + 1, close - end - 1));
            word.xMin = std::stod(Attribute(tag, "xMin"));
            word.xMax = std::stod(Attribute(tag, "xMax"));
            word.yMax = std::stod(Attribute(tag, "yMax"));
            word.page = static_cast<int>(content.pages.size()) - 1;
            content.words.push_back(std::move(word));
        }
        pos = end;
    }
    // Lines as they stand on the page: words whose bottoms lie within a point of each other.
    std::vector<PdfWord> sorted = content.words;
    std::stable_sort(sorted.begin(), sorted.end(), [](const PdfWord& a, const PdfWord& b) {
        return a.page != b.page ? a.page < b.page : a.yMax < b.yMax;
    });
    std::size_t first = 0;
    while (first < sorted.size()) {
        std::size_t last = first + 1;
        while (last < sorted.size() && sorted[last].page == sorted[first].page &&
               sorted[last].yMax - sorted[first].yMax < 1.0) {
            ++last;
        }
        std::sort(sorted.begin() + first, sorted.begin() + last,
                  [](const PdfWord& a, const PdfWord& b) { return a.xMin < b.xMin; });
        for (std::size_t i = first; i < last; ++i) {
            content.text += (content.text.empty() ? "" : " ") + sorted[i].text;
        }
        first = last;
    }
    return content;
}

std::string Field(std::vector<std::pair<std::size_t, std::string>> texts) {
    std::string field(128, ' ');
    for (const auto& [column, text] : texts) {
        field.replace(column, text.size(), text);
    }
    return "\"" + field.substr(0, 64) + "\"";
}

class TabuloTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (access(kTabulo.c_str(), X_OK) != 0) {
            GTEST_SKIP() << "tabulo is not built (no Qt)";
        }
        if (!ProgramOnPath("pdftotext")) {
            GTEST_SKIP() << "pdftotext is not installed";
        }
    }

    // Runs tabulo with --pdf and reads the PDF back.
    PdfContent Print(const std::string& csv, std::vector<std::string> arguments) {
        const std::string file = m_drive.Root() + "/report.csv";
        std::ofstream(file, std::ios::binary) << csv;
        const std::string pdf = m_drive.Root() + "/report.pdf";
        std::remove(pdf.c_str());
        arguments.insert(arguments.begin(), file);
        arguments.insert(arguments.end(), {"--pdf", pdf});
        const ProgramRun run = RunProgram(kTabulo, arguments, {{"QT_QPA_PLATFORM", "offscreen"}});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return ReadPdf(pdf);
    }

    TempDrive m_drive;
};

TEST_F(TabuloTest, PrintsTheRecapFromItsParameterString) {
    ASSERT_TRUE(m_drive.WriteFile(
        "C:\\pos\\Recap1234QU09302009.QUE.csv",
        "Product,PLU,Description,Sold,Units,TlUnitsSold,Day1,Day2,Day3,Day4,Day5,Day6,Day7,\r\n"
        "Burger,101,Classic Hamburger,12,1,12,5,,7,,,,,,\r\n"
        "Dessert,401,Cr\xE8me Br\xFBl\xE9"
        "e,3,2,6,,3,,,,,,,\r\n"));
    // Built as the recap builds it: the start date is long enough for the stop date to
    // overwrite the end of its year.
    const std::string parameters =
        "C:\\pos\\Recap1234QU09302009.QUE.csv  -P -WLLLRRRRRRRRRRRLL " +
        Field({{11, "    Item SALES RECAP    "}}) +
        Field({{1, "Brindlemoor #1234       "}, {41, "         100 Main Street"}}) +
        Field({{5, "Wednesday, September 30, 2009  to "}, {31, "Thursday, October 01, 2009"}});
    ASSERT_EQ(parameters.size(), std::string("C:\\pos\\Recap1234QU09302009.QUE.csv").size() + 222);

    const std::string pdf = m_drive.Root() + "/recap.pdf";
    ScopedEnv toPdf("TABULO_PDF", pdf);
    ScopedEnv platform("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<Process> process;
    ASSERT_GT(ShellStart(kTabulo, parameters, "c:\\pos", &process), 32);
    int exitCode = -1;
    ASSERT_EQ(WaitForProcess(*process, 60000, &exitCode), WaitResult::kEnded);
    EXPECT_EQ(exitCode, 0);

    const PdfContent content = ReadPdf(pdf);
    ASSERT_EQ(content.pages.size(), 1u);
    EXPECT_LT(content.pages[0].width, content.pages[0].height);  // 13 columns fit upright
    EXPECT_THAT(content.text, HasSubstr("Item SALES RECAP Brindlemoor #1234 100 Main Stree "
                                        "Wednesday, September 30, 2009 to Thursday, October 01, "
                                        "2009 Product PLU Description Sold Units TlUnitsSold "
                                        "Day1 Day2 Day3 Day4 Day5 Day6 Day7 "
                                        "Burger 101 Classic Hamburger 12 1 12 5 7 "
                                        "Dessert 401 Cr\u00E8me Br\u00FBl\u00E9e 3 2 6 3"));
    EXPECT_THAT(content.text, HasSubstr("Page 1 of 1"));
    EXPECT_TRUE(content.FitsItsPages());
}

TEST_F(TabuloTest, PrintsTheWorkSheetFromItsParameterString) {
    std::string sheet =
        "Item,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Mdse,Crdts,Mon,Tue,Wed,Thu,Fri,Sat,Sun,Lost,In/Out,QOH,"
        "InvN,Store,Date,Count,\r\n"
        "Hamburger Buns,12,,,,,,,12,,,3,,,,,,3,,,4711,1234,20090302,0,\r\n";
    for (int i = 1; i < 60; ++i) {
        sheet += "Item number " + std::to_string(i) + ",,,,4,,,,4,,,,,,,,,0,-2,17,47" +
                 std::to_string(10 + i) + ",1234,20090302," + std::to_string(i) + ",\r\n";
    }
    ASSERT_TRUE(m_drive.WriteFile("C:\\Store\\WS\\WS123409.csv", sheet));
    ASSERT_TRUE(m_drive.MakeDirectories("C:\\report"));
    const std::string path = "C:\\Store\\WS\\WS123409.csv";
    const std::string parameters = path + " \"   Manager's Daily Control Record\" \"" + path +
                                   "\"\"Thursday, March 05, 2009             Location# 1234\"";
    ASSERT_EQ(parameters.size(), 140u);

    const std::string pdf = m_drive.Root() + "/sheet.pdf";
    ScopedEnv toPdf("TABULO_PDF", pdf);
    ScopedEnv platform("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<Process> process;
    ASSERT_GT(ShellStart(kTabulo, parameters, "c:\\report", &process), 32);
    int exitCode = -1;
    ASSERT_EQ(WaitForProcess(*process, 60000, &exitCode), WaitResult::kEnded);
    EXPECT_EQ(exitCode, 0);

    const PdfContent content = ReadPdf(pdf);
    const std::string pages = std::to_string(content.pages.size());
    ASSERT_GE(content.pages.size(), 2u);
    EXPECT_GT(content.pages[0].width, content.pages[0].height);  // 24 columns: landscape
    const std::string heading =
        "Manager's Daily Control Record Thursday, March 05, 2009 Location# 1234 Receiving Waste "
        "Item Mon Tue Wed Thu Fri Sat Sun Mdse Crdts Mon Tue Wed Thu Fri Sat Sun Lost In/Out QOH "
        "InvN Store Date Count ";
    EXPECT_THAT(content.text,
                HasSubstr(heading + "Hamburger Buns 12 12 3 3 4711 1234 20090302 0 "
                                    "Item number 1 4 4 0 -2 17 4711 1234 20090302 1"));
    // Every page repeats the headings and the column header row.
    EXPECT_THAT(content.text, HasSubstr("Page 1 of " + pages + " " + heading));
    EXPECT_THAT(content.text, HasSubstr("Page " + pages + " of " + pages));
    EXPECT_THAT(content.text, HasSubstr("Item number 59 4 4 0 -2 17 4769 1234 20090302 59"));
    EXPECT_THAT(content.text, Not(HasSubstr("C:\\Store")));
    EXPECT_TRUE(content.FitsItsPages());
}

TEST_F(TabuloTest, LeavesTheReportPathOutOfTheHeadingsHoweverItIsWritten) {
    const std::string dir = m_drive.Root();
    std::ofstream(dir + "/Sheet.csv", std::ios::binary) << "Item,Mon,\r\nBuns,4,\r\n";
    const std::string pdf = dir + "/sheet.pdf";
    // The file given relative to the working directory, the heading with the full path.
    const ProgramRun run = RunProgram(
        kTabulo, {"Sheet.csv", "Title", dir + "/Sheet.csv\"Thursday, March 05, 2009", "--pdf", pdf},
        {{"QT_QPA_PLATFORM", "offscreen"}}, 60000, dir);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const PdfContent content = ReadPdf(pdf);
    EXPECT_THAT(content.text, HasSubstr("Title Thursday, March 05, 2009 Item Mon Buns 4"));
    EXPECT_THAT(content.text, Not(HasSubstr(dir)));
}

TEST_F(TabuloTest, FitsWideTablesWithoutCuttingText) {
    struct Case {
        const char* name;
        int columns;
        int rows;
        bool landscape;
        bool severalPages;
    } kCases[] = {
        {"three columns", 3, 5, false, false},
        {"thirty columns", 30, 20, true, false},
        {"ninety columns go in bands", 90, 10, true, true},
    };
    for (const Case& test : kCases) {
        std::string csv;
        std::vector<std::string> tokens;
        for (int c = 0; c < test.columns; ++c) {
            csv += "Head" + std::to_string(c) + ",";
        }
        csv += "\r\n";
        for (int r = 0; r < test.rows; ++r) {
            for (int c = 0; c < test.columns; ++c) {
                tokens.push_back("r" + std::to_string(r) + "c" + std::to_string(c) + "x");
                csv += "text " + tokens.back() + ",";
            }
            csv += "\r\n";
        }
        const PdfContent content = Print(csv, {"Wide"});
        ASSERT_FALSE(content.pages.empty()) << test.name;
        EXPECT_EQ(content.pages[0].width > content.pages[0].height, test.landscape) << test.name;
        EXPECT_EQ(content.pages.size() > 1, test.severalPages) << test.name;
        EXPECT_TRUE(content.FitsItsPages()) << test.name;
        std::set<std::string> words;
        for (const PdfWord& word : content.words) {
            words.insert(word.text);
        }
        for (const std::string& token : tokens) {
            EXPECT_TRUE(words.count(token)) << test.name << ": " << token << " is missing";
        }
    }
}

TEST_F(TabuloTest, CarriesARowTallerThanAPageOverThePages) {
    std::string cell;
    for (int i = 0; i < 3000; ++i) {
        cell += "w" + std::to_string(i) + " ";
    }
    const PdfContent content =
        Print("Key,Long,Other,\r\nfirst,short,1,\r\nsecond," + cell + ",2,\r\n", {"Tall"});
    EXPECT_GT(content.pages.size(), 1u);
    EXPECT_TRUE(content.FitsItsPages());
    std::set<std::string> words;
    for (const PdfWord& word : content.words) {
        words.insert(word.text);
    }
    for (int i = 0; i < 3000; ++i) {
        EXPECT_TRUE(words.count("w" + std::to_string(i))) << i;
    }
}

TEST_F(TabuloTest, PrintsJunkWithoutFailing) {
    std::string junk;
    std::uint32_t seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk.push_back(static_cast<char>((seed >> 16) & 0xFF));
    }
    const PdfContent content = Print(junk, {"Junk"});
    EXPECT_FALSE(content.pages.empty());
    EXPECT_TRUE(content.FitsItsPages());
}

TEST_F(TabuloTest, ExplainsBadArgumentsAndFiles) {
    const std::string dir = m_drive.Root();
    std::ofstream(dir + "/empty.csv", std::ios::binary) << "";
    std::ofstream(dir + "/good.csv", std::ios::binary) << "A,B,\r\n1,2,\r\n";
    const std::string pdf = dir + "/out.pdf";
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    } kCases[] = {
        {{}, 2, "tabulo: No report file given.\n"},
        {{dir + "/good.csv", "-X"}, 2, "tabulo: Unknown switch \"-X\".\n"},
        {{dir + "/good.csv", "-WLQ"},
         2,
         "tabulo: Bad column alignment letter 'Q' in -W (use L, R or C).\n"},
        {{dir + "/good.csv", "--pdf"},
         2,
         "tabulo: --pdf needs the name of the PDF file to write.\n"},
        {{dir + "/missing.csv", "--pdf", pdf},
         1,
         "tabulo: The report file \"" + dir + "/missing.csv\" does not exist.\n"},
        {{"C:\\pos\\missing.csv", "--pdf", pdf},
         1,
         "tabulo: The report file \"C:\\pos\\missing.csv\" does not exist.\n"},
        {{dir, "--pdf", pdf}, 1, "tabulo: The report file \"" + dir + "\" is not a file.\n"},
        {{dir + "/empty.csv", "--pdf", pdf},
         1,
         "tabulo: " + dir + "/empty.csv: The report file is empty: it has no header row.\n"},
        {{dir + "/good.csv", "--pdf", dir + "/no/such/dir/out.pdf"},
         1,
         "tabulo: Cannot write the PDF file \"" + dir + "/no/such/dir/out.pdf\".\n"},
    };
    for (const Case& test : kCases) {
        std::remove(pdf.c_str());
        const ProgramRun run =
            RunProgram(kTabulo, test.arguments, {{"QT_QPA_PLATFORM", "offscreen"}});
        ASSERT_TRUE(run.started);
        EXPECT_EQ(run.exitCode, test.exitCode) << test.message;
        EXPECT_THAT(run.err, HasSubstr(test.message));
        EXPECT_NE(access(pdf.c_str(), F_OK), 0) << test.message;
    }
    const ProgramRun help = RunProgram(kTabulo, {"--help"}, {{"QT_QPA_PLATFORM", "offscreen"}});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("Usage: tabulo FILE"));
}

TEST_F(TabuloTest, ShowsThePreviewUntilClosed) {
    const std::string file = m_drive.Root() + "/good.csv";
    std::ofstream(file, std::ios::binary) << "A,B,\r\n1,2,\r\n";
    // With -P the preview; without it the print dialog (or the preview when there is no
    // printer). Either way the window closes and tabulo ends with 0.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{file, "-P", "-WLR", "Title"},
          std::vector<std::string>{file, "Title"}}) {
        const ProgramRun run = RunProgram(kTabulo, arguments,
                                          {{"QT_QPA_PLATFORM", "offscreen"},
                                           {"TABULO_AUTOCLOSE_MS", "300"},
                                           {"TABULO_PDF", std::nullopt}},
                                          30000);
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.exitCode, 0) << run.err;
    }
}

}  // namespace
}  // namespace tolvane
