#pragma once
// The demo store: a complete drive C: of a store computer that is its own POS server, so that
// Tolvane has a year of real work to do on a fresh machine.
//
//   POS\Brindlemoor_Sales_Recap.csv   sales definitions: about 150 items in 12 groups
//   POS\WS.csv                        the work sheet's items
//   POS\POS-B, POS\POS-B.xxx          the store master keyed file (store 1234)
//   report\POS-B, report\POS-B.xxx    the copies that an earlier start of Tolvane staged
//   BDrive\QUmmddyyyy.QUE             one queue file per day up to today
//   POS\QVL_Tabulo.exe, report\Tabulo.exe, POS\Pagoret.exe, POS\WorkSheetInv.rtf
//                                     the outside programs, where Tolvane starts them
#include <cstdint>
#include <string>

#include "host/dates.h"

namespace tolvane {

struct DemoOptions {
    std::string m_strDriveC;  // the directory of this host that stands for drive C:
    Date m_today;             // the last day with a queue file
    std::uint64_t m_nSeed = 1;
    int m_nDays = 365;     // days of queue files, today included
    int m_nTickets = 120;  // tickets on an average day
    // Files of this host copied into place; an empty path leaves that file out.
    std::string m_strTabulo;        // the report-printing program
    std::string m_strPagoret;       // the help program
    std::string m_strHelpDocument;  // WorkSheetInv.rtf
};

// Writes the demo store into options.m_strDriveC, making the directories it needs and
// replacing the files it writes; other files are left alone. The same options always give the
// same files. Returns false with a reason when a file cannot be written or copied.
bool WriteDemoStore(const DemoOptions& options, std::string* error);

}  // namespace tolvane
