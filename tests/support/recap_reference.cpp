#include "support/recap_reference.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "app/reports_dlg.h"
#include "host/file_system.h"
#include "host/text.h"
#include "host/text_file.h"

namespace tolvane {
namespace {

int Digits(const std::string& text, std::size_t pos, std::size_t count) {
    int value = 0;
    for (std::size_t i = pos; i < pos + count && i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            break;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int Key(const std::string& name) {
    return Digits(name, 6, 4) * 10000 + Digits(name, 2, 2) * 100 + Digits(name, 4, 2);
}

std::string AddToCount(const std::string& text, int quantity) {
    std::int64_t sum = std::int64_t{ParseCount(text)} + quantity;
    sum = std::min<std::int64_t>(sum, std::numeric_limits<int>::max());
    return FormatCount(sum);
}

void TallyFile(CReportsDlg& dialog, const std::string& name) {
    if (dialog.m_nDayCount > 7) {
        dialog.m_nDayCount = 7;
    }
    TextFileReader reader;
    if (!reader.Open(dialog.m_strBDriveDir + name)) {
        return;
    }
    std::string_view line;
    while (reader.ReadLine(&line)) {
        if (line.size() < 100 || line[8] != '1' || line[29] == 'V') {
            continue;
        }
        int quantity = ParseCount(line.substr(28, 1));
        std::string_view plu = line.substr(30, 5);
        if (quantity <= 0) {
            continue;
        }
        for (int row = 0; row < dialog.m_nItemCount; ++row) {
            if (dialog.m_List.GetItemText(row, 1) != plu) {
                continue;
            }
            dialog.SetRecapCell(row, 3, AddToCount(dialog.m_List.GetItemText(row, 3), quantity));
            int column = 5 + dialog.m_nDayCount;
            dialog.SetRecapCell(row, column,
                                AddToCount(dialog.m_List.GetItemText(row, column), quantity));
        }
    }
}

}  // namespace

void ReferenceScanQueueFiles(CReportsDlg& dialog) {
    std::vector<std::string> names = ListDirectory(dialog.m_strRootDir + "BDrive\\QU*.que");
    if (names.empty()) {
        return;
    }
    int startKey = Key(dialog.m_strStartQueueFile);
    int stopKey = Key(dialog.m_strStopQueueFile);
    std::vector<std::pair<int, std::string>> files;
    for (const std::string& name : names) {
        if (name.size() >= 14 && startKey <= Key(name) && Key(name) <= stopKey) {
            files.emplace_back(Key(name), name);
        }
    }
    std::sort(files.begin(), files.end());
    dialog.m_nDayCount = 0;
    for (const auto& file : files) {
        ++dialog.m_nDayCount;
        TallyFile(dialog, file.second);
    }
    dialog.ComputeTotalUnits();
}

}  // namespace tolvane
