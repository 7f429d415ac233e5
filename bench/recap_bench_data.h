#pragma once
// Data for the recap benchmark: a store's sales definition file and a year of its queue files,
// written under a drive C: directory of this host.
#include <string>
#include <vector>

#include "host/dates.h"

namespace tolvane {

struct RecapBenchData {
    std::vector<Date> days;  // one queue file each, in calendar order
    long long bytes = 0;     // size of all queue files together
};

// Writes drive_c/POS/Brindlemoor_Sales_Recap.csv with `rows` item and subtotal rows (groups of
// items, each closed by a subtotal row; a few PLUs on two rows), and drive_c/BDrive with one
// queue file per day from `first`, each of `lines` record lines of 128 bytes: item sales,
// voids, other line types, quantities that are no count, PLUs that no row has, and a few
// short lines. The same arguments always give the same files.
RecapBenchData WriteRecapBenchData(const std::string& driveC, const Date& first, int dayCount,
                                   int lines, int rows);

}  // namespace tolvane
