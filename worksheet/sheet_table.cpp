#include "worksheet/sheet_table.h"

#include <cstdio>

namespace tolvane {

const std::array<std::string_view, kSheetColumnCount> kSheetListTitles = {
    "ItemDsc   ", "Mon  ",  "Tus  ",    "Wed  ", "Thr  ",  "Fri  ", "Sat  ", "Sun  ",
    "Mdse  ",     "Crdts ", "Mon  ",    "Tus  ", "Wed  ",  "Thr  ", "Fri  ", "Sat  ",
    "Sun  ",      "TTL  ",  "Transfrs", "QOH  ", "InvNbr", "Store", "Date",  "Count",
};

const std::array<std::string_view, kSheetColumnCount> kSheetFileHeaderNames = {
    "Item", "Mon", "Tue", "Wed", "Thu", "Fri",  "Sat",    "Sun", "Mdse", "Crdts", "Mon",  "Tue",
    "Wed",  "Thu", "Fri", "Sat", "Sun", "Lost", "In/Out", "QOH", "InvN", "Store", "Date", "Count",
};

std::string SheetFileHeaderLine() {
    std::string line;
    for (std::string_view name : kSheetFileHeaderNames) {
        line.append(name);
        line.push_back(',');
    }
    return line;
}

bool IsDailyDataType(int entryColumn) {
    return entryColumn == kDataReceiving || entryColumn == kDataWaste;
}

int EntryTargetColumn(int entryColumn, int weekdayNumber) {
    if (IsDailyDataType(entryColumn)) {
        if (weekdayNumber < 1 || weekdayNumber > 7) {
            return -1;
        }
        return entryColumn + weekdayNumber - 1;
    }
    if (entryColumn == kDataCredits || entryColumn == kDataTransfers || entryColumn == kDataQoh) {
        return entryColumn;
    }
    return -1;
}

std::string SheetFileName(std::string_view storeId, int weekOfYear) {
    std::string name(kSheetDirectory);
    name += "\\WS";
    name.append(storeId.substr(0, 4));
    char week[16];
    std::snprintf(week, sizeof week, "%02d", weekOfYear);
    name += week;
    name += ".csv";
    return name;
}

std::string KeptSheetFileName(std::string_view sheetFile, std::string_view dateStamp, int copy) {
    std::string_view stem = sheetFile;
    std::string_view extension;
    std::size_t dot = sheetFile.rfind('.');
    std::size_t separator = sheetFile.find_last_of("\\/");
    if (dot != std::string_view::npos && (separator == std::string_view::npos || dot > separator)) {
        stem = sheetFile.substr(0, dot);
        extension = sheetFile.substr(dot);
    }
    std::string name(stem);
    name += '-';
    name.append(dateStamp);
    if (copy > 1) {
        name += '-';
        name += std::to_string(copy);
    }
    name.append(extension);
    return name;
}

std::string StoreIdFromCommandLine(std::string_view commandLine) {
    auto isBlank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
    };
    std::size_t pos = 0;
    std::string_view word;
    for (int i = 0; i < 2; ++i) {
        while (pos < commandLine.size() && isBlank(commandLine[pos])) {
            ++pos;
        }
        std::size_t end = pos;
        while (end < commandLine.size() && !isBlank(commandLine[end])) {
            ++end;
        }
        word = commandLine.substr(pos, end - pos);
        pos = end;
    }
    // The POS system's store identifiers are short numbers; a word of more characters than
    // an identifier can hold is kept to its start rather than refused, so that the sheet still
    // opens (its file name uses only the first four characters anyway).
    return std::string(word.substr(0, kMaxStoreIdLength));
}

bool IsPlainFileName(std::string_view name) {
    if (name.empty() || name == ".") {
        return false;
    }
    // A separator would reach another directory, a colon a drive ("C:name") or, on Windows, an
    // alternate data stream, and ".." the parent directory. Store identifiers are numbers, so
    // refusing every name with two dots in a row costs nothing.
    return name.find_first_of("\\/:") == std::string_view::npos &&
           name.find("..") == std::string_view::npos;
}

}  // namespace tolvane
