#pragma once
// The command line of tabulo, the report-printing program.
//
//   tabulo FILE [switches] HEADING...
//
// FILE is the report's CSV file. Every argument that starts with '-' is a switch, wherever it
// stands; the other arguments are, in order, FILE and the headings. Switches:
//   -P          show the report in a print preview window first (Print, Save as PDF)
//   -WLETTERS   column alignments by column: L left, R right, C centre (letters past the last
//               column are ignored; columns without a letter are left-aligned)
//   --pdf OUT   (also --pdf=OUT) write the report to the PDF file OUT and show no window
//   --help      print the usage text
// Switch letters are taken without regard to case, as Windows programs do.
#include <string>
#include <vector>

namespace tolvane {

enum class ColumnAlign { kLeft, kRight, kCenter };

struct TabuloOptions {
    std::string file;                     // the CSV file, as given
    std::vector<std::string> headings;    // the heading arguments, as given
    bool preview = false;                 // -P
    bool hasAlignments = false;           // -W was given
    std::vector<ColumnAlign> alignments;  // the letters of -W
    std::string pdfFile;                  // --pdf
    bool help = false;                    // --help
};

// Parses the arguments that follow the program name. False with a message for the user when
// they are not usable (no file, an unknown switch, a bad alignment letter, --pdf without a
// file name).
bool ParseTabuloOptions(const std::vector<std::string>& arguments, TabuloOptions* options,
                        std::string* error);

// The usage text printed by --help and after an argument error.
const char* TabuloUsage();

}  // namespace tolvane
