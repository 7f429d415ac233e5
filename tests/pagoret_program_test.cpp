// pagoret run as the work sheet runs it, and its exit codes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/process.h"
#include "support/program_run.h"
#include "support/scoped_env.h"
#include "support/temp_drive.h"

namespace tolvane {
namespace {

using ::testing::HasSubstr;

const std::string kPagoret = std::string(TOLVANE_BINARY_DIR) + "/tools/pagoret/pagoret";
const std::string kHelpDocument = std::string(TOLVANE_SOURCE_DIR) + "/res/WorkSheetInv.rtf";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PagoretTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (access(kPagoret.c_str(), X_OK) != 0) {
            GTEST_SKIP() << "pagoret is not built (no Qt)";
        }
    }
    TempDrive m_drive;
};

TEST_F(PagoretTest, ShowsTheHelpDocumentUntilClosed) {
    // As the work sheet's Help starts it: the document's bare name, in the POS directory.
    ASSERT_TRUE(m_drive.WriteFile("C:\\POS\\WorkSheetInv.rtf", ReadBytes(kHelpDocument)));
    ScopedEnv platform("QT_QPA_PLATFORM", "offscreen");
    ScopedEnv autoClose("PAGORET_AUTOCLOSE_MS", "300");
    std::unique_ptr<Process> process;
    ASSERT_GT(ShellStart(kPagoret, "WorkSheetInv.rtf", "C:\\POS", &process), 32);
    int exitCode = -1;
    ASSERT_EQ(WaitForProcess(*process, 60000, &exitCode), WaitResult::kEnded);
    EXPECT_EQ(exitCode, 0);
}

TEST_F(PagoretTest, RendersTheWindowToAPicture) {
    const std::string png = m_drive.Root() + "/help.png";
    const ProgramRun run =
        RunProgram(kPagoret, {kHelpDocument, "--render", png}, {{"QT_QPA_PLATFORM", "offscreen"}});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string bytes = ReadBytes(png);
    ASSERT_GT(bytes.size(), 10000u);  // a window full of text, not a blank
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1A\n");
}

TEST_F(PagoretTest, TellsWhyItCannotShowADocument) {
    const std::string dir = m_drive.Root();
    std::ofstream(dir + "/plain.rtf", std::ios::binary) << "This is not RTF.\r\n";
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string message;
    } kCases[] = {
        {{dir + "/missing.rtf"},
         1,
         "pagoret: The help document \"" + dir + "/missing.rtf\" was not found.\n"},
        {{dir}, 1, "pagoret: The help document \"" + dir + "\" is not a file.\n"},
        {{dir + "/plain.rtf"},
         1,
         "pagoret: The help document \"" + dir + "/plain.rtf\" is not an RTF document.\n"},
        {{kHelpDocument, "--render", dir + "/no/such/dir/x.png"},
         1,
         "pagoret: Cannot write the picture \"" + dir + "/no/such/dir/x.png\".\n"},
        {{}, 2, "pagoret: No help document given.\n"},
        {{kHelpDocument, "-x"}, 2, "pagoret: Unknown switch \"-x\".\n"},
        {{kHelpDocument, "other.rtf"},
         2,
         "pagoret: Give one help document, not \"other.rtf\" as well.\n"},
        {{kHelpDocument, "--render"},
         2,
         "pagoret: --render needs the name of the PNG file to write.\n"},
    };
    for (const Case& test : kCases) {
        // No autoclose: a window that opened by mistake would hold the test to its time limit.
        const ProgramRun run = RunProgram(
            kPagoret, test.arguments,
            {{"QT_QPA_PLATFORM", "offscreen"}, {"PAGORET_AUTOCLOSE_MS", std::nullopt}}, 20000);
        EXPECT_FALSE(run.timedOut) << test.message;
        EXPECT_EQ(run.exitCode, test.exitCode) << test.message;
        EXPECT_THAT(run.err, HasSubstr(test.message));
    }
}

}  // namespace
}  // namespace tolvane
