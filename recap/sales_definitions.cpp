// The sales definition file: which items the recap lists, in which order, grouped by the
// subtotal rows between them. One line per item: product, PLU, description, starting Sold
// value and units per item, each followed by a comma.
#include "app/reports_dlg.h"
#include "host/csv_fields.h"
#include "host/paths.h"
#include "host/text_file.h"

namespace tolvane {
namespace {

constexpr const char* kSalesDefinitionFile = "C:\\POS\\Brindlemoor_Sales_Recap.csv";

// Shorter lines are leftovers (blank lines, stray separators), not items.
constexpr std::size_t kMinDefinitionLineLength = 5;

// A header line names the columns; its product field begins with ITEM in any letter case.
bool IsHeaderLine(std::string_view product) {
    return product.size() >= 4 && EqualsNoCase(product.substr(0, 4), "ITEM");
}

}  // namespace

std::string_view CReportsDlg::GetCsvField(std::string_view line, int n) {
    return CsvField(line, n);
}

void CReportsDlg::LoadSalesDefinitions() {
    TextFileReader reader;
    if (!reader.Open(kSalesDefinitionFile)) {
        AfxMessageBox(" Sales definition file missing");
        m_nItemCount = 0;
        return;
    }
    m_nItemCount = 0;
    int row = 0;
    // The rows are filled in one go; the list is redrawn once at the end.
    m_List.SetRedraw(false);
    std::string_view line;
    while (reader.ReadLine(&line)) {
        if (line.size() < kMinDefinitionLineLength) {
            continue;
        }
        std::string_view product = GetCsvField(line, 0);
        if (IsHeaderLine(product)) {
            continue;
        }
        // Column 0 first: it creates the row.
        SetRecapCell(row, 0, product);
        for (int field = 1; field <= 4; ++field) {
            SetRecapCell(row, field, GetCsvField(line, field));
        }
        ++row;
    }
    m_nItemCount = row;
    m_List.SetRedraw(true);
    reader.Close();
}

}  // namespace tolvane
