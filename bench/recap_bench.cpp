// How fast the sales recap counts a year of queue files, against two yardsticks:
//   (a) merely reading the same files, the floor that no recap can go below;
//   (b) the recap as the program runs it: the main dialog (headless) from the second date
//       selection to the filled table: definitions, scan, tally, total units;
//   (c) a plain recap that, for every counted line, compares the PLU with every row's cell
//       text and rewrites the Sold and Day cells as text.
// The data (about 370 MB) is generated in a temporary directory, read once to warm the cache,
// and removed at the end. Usage: recap_bench [days [lines-per-file [definition-rows]]]
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/reports_dlg.h"
#include "framework/headless_backend.h"
#include "host/paths.h"
#include "recap_bench_data.h"
#include "support/recap_reference.h"

namespace tolvane {
namespace {

constexpr int kIdSalesRecap = 1002;
constexpr int kIdCalendar = 1004;
constexpr int kIdBack = 1037;

// A timing in wall-clock seconds and in processor seconds of this process. On a machine
// shared with other work the processor time is the steadier figure.
struct Timing {
    double wall = 1e300;
    double cpu = 1e300;
};

Timing Measure(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    std::clock_t cpuStart = std::clock();
    work();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

// The best of a few runs: the figures least disturbed by the other work of the machine.
Timing BestOf(int runs, const std::function<void()>& work) {
    Timing best;
    for (int i = 0; i < runs; ++i) {
        Timing timing = Measure(work);
        best.wall = std::min(best.wall, timing.wall);
        best.cpu = std::min(best.cpu, timing.cpu);
    }
    return best;
}

// Reads every queue file of the range into a buffer of `size` bytes and does nothing with
// the bytes but sum a few, so that the reads cannot be left out.
unsigned long long ReadAll(const RecapBenchData& data, std::size_t size) {
    static char buffer[1 << 20];
    size = std::min(size, sizeof buffer);
    unsigned long long sum = 0;
    for (const Date& day : data.days) {
        std::FILE* in = std::fopen(HostPath("C:\\BDrive\\" + QueueFileName(day)).c_str(), "rb");
        if (in == nullptr) {
            continue;
        }
        std::setvbuf(in, nullptr, _IONBF, 0);
        std::size_t got;
        while ((got = std::fread(buffer, 1, size, in)) > 0) {
            sum += static_cast<unsigned char>(buffer[got - 1]) + got;
        }
        std::fclose(in);
    }
    return sum;
}

bool SameTable(const CReportsDlg& a, const CReportsDlg& b) {
    if (a.m_List.GetItemCount() != b.m_List.GetItemCount()) {
        return false;
    }
    for (int row = 0; row < a.m_List.GetItemCount(); ++row) {
        for (int column = 0; column < CReportsDlg::kRecapColumnCount; ++column) {
            if (a.m_List.GetItemText(row, column) != b.m_List.GetItemText(row, column)) {
                return false;
            }
        }
    }
    return true;
}

int Main(int argc, char** argv) {
    int days = argc > 1 ? std::atoi(argv[1]) : 366;
    int lines = argc > 2 ? std::atoi(argv[2]) : 8000;
    int rows = argc > 3 ? std::atoi(argv[3]) : 500;

    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "tolvane_recap_bench_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path root = pattern;
    setenv("TOLVANE_DRIVE_C", (root / "drive_c").c_str(), 1);
    setenv("TOLVANE_UNC_ROOT", (root / "unc").c_str(), 1);

    const Date first{2012, 1, 1};
    std::printf("Generating %d queue files of %d lines and %d definition rows in %s ...\n", days,
                lines, rows, root.c_str());
    RecapBenchData data;
    Timing generate = Measure(
        [&] { data = WriteRecapBenchData((root / "drive_c").string(), first, days, lines, rows); });
    std::printf("  %.1f MB in %.1f s\n", data.bytes / 1e6, generate.wall);
    const Date last = data.days.back();

    unsigned long long sum = ReadAll(data, 1 << 20);  // warms the cache
    // The floor is the quicker of two buffer sizes: the program's reader uses the smaller.
    Timing read = BestOf(3, [&] { sum += ReadAll(data, 1 << 20); });
    Timing readSmall = BestOf(3, [&] { sum += ReadAll(data, 64 << 10); });
    read.wall = std::min(read.wall, readSmall.wall);
    read.cpu = std::min(read.cpu, readSmall.cpu);

    ScopedHeadlessBackend backend;
    CReportsDlg program;
    backend->Open(program);
    // Back, Daily Sales Recap and the start date outside the timing; the stop date runs it.
    Timing recap;
    for (int run = 0; run < 3; ++run) {
        Click(program, kIdBack);
        Click(program, kIdSalesRecap);
        SelectDate(program, kIdCalendar, first);
        Timing timing = Measure([&] { SelectDate(program, kIdCalendar, last); });
        recap.wall = std::min(recap.wall, timing.wall);
        recap.cpu = std::min(recap.cpu, timing.cpu);
    }

    CReportsDlg plain;
    plain.m_strRootDir = program.m_strRootDir;
    plain.m_strBDriveDir = program.m_strBDriveDir;
    plain.m_strStartQueueFile = program.m_strStartQueueFile;
    plain.m_strStopQueueFile = program.m_strStopQueueFile;
    Timing cellByCell = Measure([&] {
        plain.PrepareRecapList();
        plain.LoadSalesDefinitions();
        ReferenceScanQueueFiles(plain);
    });
    bool same = SameTable(program, plain);

    std::printf("\n                                  wall        processor\n");
    std::printf("(a) read the queue files only:  %8.3f s  %8.3f s  (%.2f GB/s)\n", read.wall,
                read.cpu, data.bytes / read.wall / 1e9);
    std::printf("(b) recap as the program runs:  %8.3f s  %8.3f s\n", recap.wall, recap.cpu);
    std::printf("(c) cell-by-cell recap:         %8.3f s  %8.3f s\n", cellByCell.wall,
                cellByCell.cpu);
    std::printf("\n(b)/(a) = %.2f wall, %.2f processor   (goal: at most 2)\n",
                recap.wall / read.wall, recap.cpu / read.cpu);
    std::printf("(c)/(b) = %.1f wall, %.1f processor   (goal: at least 20)\n",
                cellByCell.wall / recap.wall, cellByCell.cpu / recap.cpu);
    std::printf("tables of (b) and (c) equal: %s   (%d rows; checksum %llu)\n", same ? "yes" : "NO",
                program.m_nItemCount, sum % 1000);

    std::error_code ignored;
    fs::remove_all(root, ignored);
    return same ? 0 : 1;
}

}  // namespace
}  // namespace tolvane

int main(int argc, char** argv) {
    return tolvane::Main(argc, argv);
}
