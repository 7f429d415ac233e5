#pragma once
// The sheet table of the Daily Work Sheet: one row per tracked item, 24 text columns, held in
// the cells of the work sheet's list. This header names its columns, the data types that the
// keypad enters, the limits of a cell, and the files the table is read from and written to.
//
// Columns: 0 item description; 1-7 received Monday to Sunday; 8 their total (Mdse); 9 credits;
// 10-16 wasted Monday to Sunday; 17 their total (Lost); 18 transfers; 19 quantity on hand;
// 20 inventory number; 21 store identifier and 22 date stamp of the week file's creation;
// 23 the item's line number in the item list.
#include <array>
#include <string>
#include <string_view>

namespace tolvane {

inline constexpr int kSheetColumnCount = 24;

inline constexpr int kColumnDescription = 0;
inline constexpr int kColumnMdse = 8;
inline constexpr int kColumnLost = 17;
inline constexpr int kColumnInventoryNumber = 20;
inline constexpr int kColumnStore = 21;
inline constexpr int kColumnDate = 22;
inline constexpr int kColumnCount = 23;

// The titles of the list's columns. Their trailing blanks are part of them: they widen the
// columns of short titles.
extern const std::array<std::string_view, kSheetColumnCount> kSheetListTitles;
// The names of the columns in the weekly sheet file's header line.
extern const std::array<std::string_view, kSheetColumnCount> kSheetFileHeaderNames;
// The header line of a weekly sheet file: the 24 names, each followed by a comma.
std::string SheetFileHeaderLine();

// The data types, coded by the first column each writes.
inline constexpr int kDataReceiving = 1;
inline constexpr int kDataCredits = 9;
inline constexpr int kDataWaste = 10;
inline constexpr int kDataTransfers = 18;
inline constexpr int kDataQoh = 19;

// True for the two data types with a column per day and a week total (Receiving, Waste).
bool IsDailyDataType(int entryColumn);
// The column an entry of this data type writes on this weekday (1 Monday ... 7 Sunday): the
// weekday's column of a daily type, else the type's own column. -1 for an unknown data type or
// a weekday out of range.
int EntryTargetColumn(int entryColumn, int weekdayNumber);

// A cell holds at most this many characters; longer texts are cut to it.
inline constexpr std::size_t kMaxCellText = 39;

// The store identifier holds at most this many characters of the command line's word.
inline constexpr std::size_t kMaxStoreIdLength = 31;

// The work sheet item list: one item per line, "description,inventory number,".
inline constexpr std::string_view kSpecificationFile = "c:\\POS\\WS.csv";
// The directory of the weekly sheet files, and its parent.
inline constexpr std::string_view kStoreDirectory = "C:\\Store";
inline constexpr std::string_view kSheetDirectory = "C:\\Store\\WS";

// "C:\Store\WS\WS%4.4s%02d.csv": the first four characters of the store identifier and the
// week number. Store 1234 in week 9 gives C:\Store\WS\WS123409.csv.
std::string SheetFileName(std::string_view storeId, int weekOfYear);

// The name under which a week file created on another year's week is kept: the date stamp of
// its creation joins the name, C:\Store\WS\WS123409.csv with 20090302 giving
// C:\Store\WS\WS123409-20090302.csv. A `copy` above 1 adds its number, for when that name is
// taken already: WS123409-20090302-2.csv.
std::string KeptSheetFileName(std::string_view sheetFile, std::string_view dateStamp, int copy = 1);

// The store identifier from the program's command line (the text after the program name): its
// second word (words are separated by white space), cut to kMaxStoreIdLength characters;
// empty when there is none.
std::string StoreIdFromCommandLine(std::string_view commandLine);

// True when `name` can only name an entry of the current directory: not empty, not ".", and
// without a path separator, a drive colon or "..".
bool IsPlainFileName(std::string_view name);

}  // namespace tolvane
