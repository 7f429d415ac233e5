#include "tabulo/tabulo_options.h"

#include <string_view>

namespace tolvane {
namespace {

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsUpper(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Upper(text[i]) != upper[i]) {
            return false;
        }
    }
    return true;
}

bool ParseAlignments(std::string_view letters, std::vector<ColumnAlign>* alignments,
                     std::string* error) {
    alignments->clear();
    for (char c : letters) {
        switch (Upper(c)) {
            case 'L':
                alignments->push_back(ColumnAlign::kLeft);
                break;
            case 'R':
                alignments->push_back(ColumnAlign::kRight);
                break;
            case 'C':
                alignments->push_back(ColumnAlign::kCenter);
                break;
            default:
                *error = "Bad column alignment letter '" + std::string(1, c) +
                         "' in -W (use L, R or C).";
                return false;
        }
    }
    return true;
}

}  // namespace

bool ParseTabuloOptions(const std::vector<std::string>& arguments, TabuloOptions* options,
                        std::string* error) {
    *options = TabuloOptions{};
    bool haveFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg.empty() || arg[0] != '-') {
            if (!haveFile) {
                options->file = arg;
                haveFile = true;
            } else {
                options->headings.push_back(arg);
            }
            continue;
        }
        const std::string_view sw(arg);
        if (EqualsUpper(sw, "--PDF")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
                *error = "--pdf needs the name of the PDF file to write.";
                return false;
            }
            options->pdfFile = arguments[++i];
        } else if (sw.size() > 6 && EqualsUpper(sw.substr(0, 6), "--PDF=")) {
            options->pdfFile = std::string(sw.substr(6));
        } else if (EqualsUpper(sw, "--HELP") || EqualsUpper(sw, "-H") || sw == "-?") {
            options->help = true;
        } else if (EqualsUpper(sw, "-P")) {
            options->preview = true;
        } else if (sw.size() >= 2 && Upper(sw[1]) == 'W') {
            if (!ParseAlignments(sw.substr(2), &options->alignments, error)) {
                return false;
            }
            options->hasAlignments = true;
        } else {
            *error = "Unknown switch \"" + arg + "\".";
            return false;
        }
    }
    if (options->help) {
        return true;
    }
    if (!haveFile || options->file.empty()) {
        *error = "No report file given.";
        return false;
    }
    return true;
}

const char* TabuloUsage() {
    return "Usage: tabulo FILE [-P] [-WLETTERS] [--pdf OUT.pdf] [HEADING...]\n"
           "Prints the CSV report FILE with its headings.\n"
           "  -P            show a print preview first (Print, Save as PDF)\n"
           "  -WLETTERS     column alignments, one letter a column: L left, R right, C centre\n"
           "  --pdf OUT     write the report to the PDF file OUT, show no window\n"
           "                (or set TABULO_PDF=OUT)\n"
           "Without -P the print dialog opens at once (the preview when no printer is set up).\n";
}

}  // namespace tolvane
