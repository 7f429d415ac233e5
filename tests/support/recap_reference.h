#pragma once
// The queue scan done the plain way, one cell at a time: for every counted line, every row's
// PLU cell text is compared with the line's PLU and the Sold and Day cells are read, added to
// and written back as text. Checks that the program's scan ends with exactly the same table,
// and is the slow side of the recap benchmark.
namespace tolvane {

class CReportsDlg;

// Scans the queue files of the dialog's range into its recap table as the program's scan
// does (files in calendar order, day numbers, Day7 collecting the later files, the total
// units at the end), writing every cell through SetRecapCell as each sale is counted.
void ReferenceScanQueueFiles(CReportsDlg& dialog);

}  // namespace tolvane
