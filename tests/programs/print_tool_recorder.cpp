// Stands in for the report-printing program: it writes its working directory and then each of
// its arguments, one per line, to print_tool_args.txt in its working directory, so that a test
// sees exactly what the program it started received.
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    // Written beside and renamed, so that a test polling for the file sees it whole.
    std::FILE* out = std::fopen("print_tool_args.txt.part", "wb");
    if (out == nullptr) {
        return 99;
    }
    char cwd[4096] = {};
    if (getcwd(cwd, sizeof cwd) == nullptr) {
        cwd[0] = '?';
    }
    std::fprintf(out, "%s\n", cwd);
    for (int i = 1; i < argc; ++i) {
        std::fprintf(out, "%s\n", argv[i]);
    }
    if (std::fclose(out) != 0 || std::rename("print_tool_args.txt.part", "print_tool_args.txt")) {
        return 99;
    }
    return 0;
}
