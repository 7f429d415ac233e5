// The week's files of the work sheet: loading the sheet table from the weekly sheet file or
// the item list, and saving it.
#include <string>
#include <vector>

#include "host/csv_fields.h"
#include "host/dates.h"
#include "host/file_system.h"
#include "host/paths.h"
#include "host/text.h"
#include "host/text_file.h"
#include "worksheet/sheet_dates.h"
#include "worksheet/work_sheet_dlg.h"

namespace tolvane {
namespace {

// Fills a table without announcing each cell, and announces it once when done.
class QuietFill {
  public:
    explicit QuietFill(CSortListCtrl& list) : m_list(list) { m_list.SetRedraw(false); }
    ~QuietFill() { m_list.SetRedraw(true); }
    QuietFill(const QuietFill&) = delete;
    QuietFill& operator=(const QuietFill&) = delete;

  private:
    CSortListCtrl& m_list;
};

// The directory of the week files; a new store has none yet, and without it no sheet could
// ever be kept. A failure shows up when the sheet is written.
void MakeSheetDirectory() {
    if (!DirectoryExists(kStoreDirectory)) {
        CreateOneDirectory(kStoreDirectory);
    }
    if (!DirectoryExists(kSheetDirectory)) {
        CreateOneDirectory(kSheetDirectory);
    }
}

bool IsSheetFileHeader(std::string_view line) {
    std::vector<std::string_view> fields = SplitCsvFields(line, kSheetColumnCount);
    if (fields.size() != kSheetFileHeaderNames.size()) {
        return false;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!EqualsNoCase(fields[i], kSheetFileHeaderNames[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

void CWorkSheetDlg::LoadSheet() {
    OpenWeek(true);
}

void CWorkSheetDlg::PreviewSheet() {
    OpenWeek(false);
}

void CWorkSheetDlg::OpenWeek(bool write) {
    m_strSheetFile = SheetFileName(m_strStoreId, m_nWeekOfYear);
    if (write) {
        MakeSheetDirectory();
    }

    if (FileExists(m_strSheetFile)) {
        std::string dateStamp;
        switch (InspectSheetFile(&dateStamp)) {
            case SheetFileState::kThisWeek:
                LoadWeeklySheet();
                return;
            case SheetFileState::kNotSaved: {
                // Never written by Save, so it holds no entries: it is a plain copy of the
                // item list, which an older version of the program left when a new week
                // was closed without saving. The week starts afresh, from the copy when the
                // item list itself is gone.
                std::string_view source = FileExists(kSpecificationFile)
                                              ? kSpecificationFile
                                              : std::string_view(m_strSheetFile);
                if (write) {
                    CreateWeekFromSpecification(source);
                } else {
                    LoadSpecification(source);
                }
                return;
            }
            case SheetFileState::kOtherWeek: {
                if (!write) {
                    break;  // the old file would be kept aside and the week start afresh
                }
                // The week number comes back every year and the file name has no year, so
                // the file may hold the same week of an earlier year. It is kept under a name
                // with its date stamp, and this week starts afresh.
                std::string keptAs;
                if (!KeepOldSheetFile(dateStamp, &keptAs)) {
                    Date created;
                    ParseDateStamp(dateStamp, &created);
                    AfxMessageBox("Work Sheet file " + m_strSheetFile + " was created on " +
                                  LongDateText(created) + " and could not be kept as " + keptAs +
                                  ". It is shown unchanged; Save will replace it.");
                    LoadWeeklySheet();
                    return;
                }
                break;
            }
        }
    }

    if (!FileExists(kSpecificationFile)) {
        AfxMessageBox(" Work Sheet specification file missing");
        return;
    }
    if (write) {
        CreateWeekFromSpecification(kSpecificationFile);
    } else {
        LoadSpecification(kSpecificationFile);
    }
}

void CWorkSheetDlg::CreateWeekFromSpecification(std::string_view source) {
    LoadSpecification(source);
    // Written in the saved layout at once: a week's file is then always a saved sheet, and a
    // week closed without Save opens again as it was created.
    SaveSheet();
}

CWorkSheetDlg::SheetFileState CWorkSheetDlg::InspectSheetFile(std::string* dateStamp) const {
    TextFileReader reader;
    if (!reader.Open(m_strSheetFile)) {
        return SheetFileState::kThisWeek;  // its load reports nothing either
    }
    std::string_view line;
    if (!reader.ReadLine(&line) || !IsSheetFileHeader(line)) {
        return SheetFileState::kNotSaved;
    }
    // Every row carries the stamp of the day the file was created; the first one tells.
    if (!reader.ReadLine(&line)) {
        return SheetFileState::kThisWeek;
    }
    std::string_view stamp = CsvField(line, kColumnDate);
    Date created;
    if (!ParseDateStamp(stamp, &created)) {
        return SheetFileState::kThisWeek;  // no stamp to go by: the file is taken as it is
    }
    if (created.year == m_nYear && WeekOfYear(created) == m_nWeekOfYear) {
        return SheetFileState::kThisWeek;
    }
    *dateStamp = std::string(stamp);
    return SheetFileState::kOtherWeek;
}

bool CWorkSheetDlg::KeepOldSheetFile(std::string_view dateStamp, std::string* keptAs) {
    // A name already taken holds an older sheet: it is never replaced.
    constexpr int kMaxCopies = 99;
    for (int copy = 1; copy <= kMaxCopies; ++copy) {
        *keptAs = KeptSheetFileName(m_strSheetFile, dateStamp, copy);
        if (FileExists(*keptAs)) {
            continue;
        }
        // A file that another program holds open may refuse the rename but allow a copy, and
        // a kept copy is all that the fresh week needs.
        return RenameFile(m_strSheetFile, *keptAs) || CopyFileTo(m_strSheetFile, *keptAs, true);
    }
    return false;
}

void CWorkSheetDlg::LoadSpecification(std::string_view source) {
    m_lstSheet.DeleteAllItems();
    TextFileReader reader;
    if (!reader.Open(source)) {
        return;
    }
    QuietFill quiet(m_lstSheet);
    std::string_view line;
    for (int row = 0; reader.ReadLine(&line); ++row) {
        std::vector<std::string_view> fields = SplitCsvFields(line, 2);
        SetSheetCell(row, kColumnDescription, fields.size() > 0 ? fields[0] : std::string_view());
        SetSheetCell(row, kColumnInventoryNumber,
                     fields.size() > 1 ? fields[1] : std::string_view());
        SetSheetCell(row, kColumnStore, m_strStoreId);
        SetSheetCell(row, kColumnDate, m_strDateStamp);
        SetSheetCell(row, kColumnCount, FormatCount(row));
    }
}

void CWorkSheetDlg::LoadWeeklySheet() {
    m_lstSheet.DeleteAllItems();
    TextFileReader reader;
    if (!reader.Open(m_strSheetFile)) {
        return;
    }
    QuietFill quiet(m_lstSheet);
    std::string_view line;
    if (!reader.ReadLine(&line)) {
        return;  // the header line, whatever it holds
    }
    for (int row = 0; reader.ReadLine(&line); ++row) {
        std::vector<std::string_view> fields = SplitCsvFields(line, kSheetColumnCount);
        for (int column = 0; column < kSheetColumnCount; ++column) {
            SetSheetCell(
                row, column,
                column < static_cast<int>(fields.size()) ? fields[column] : std::string_view());
        }
    }
}

bool CWorkSheetDlg::SaveSheet() {
    if (m_lstSheet.GetItemCount() == 0) {
        return false;
    }
    MakeSheetDirectory();
    TextFileWriter writer;
    if (writer.Open(m_strSheetFile)) {
        writer.WriteLine(SheetFileHeaderLine());
        // Every row, in the order shown: an empty description or a long sheet is no reason
        // to drop the rows below it.
        for (int row = 0; row < m_lstSheet.GetItemCount(); ++row) {
            writer.WriteLine(SheetFileLine(row));
        }
        if (writer.Commit()) {
            return true;
        }
    }
    AfxMessageBox("Work Sheet NOT saved: " + m_strSheetFile +
                  " could not be written. The entries are still on the screen; close any "
                  "program that has this file open and press Save again.");
    return false;
}

std::string CWorkSheetDlg::SheetFileLine(int row) const {
    std::string line;
    for (int column = 0; column < kSheetColumnCount; ++column) {
        line += m_lstSheet.GetItemText(row, column);
        line += ',';
    }
    return line;
}

}  // namespace tolvane
