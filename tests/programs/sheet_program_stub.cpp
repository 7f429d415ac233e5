// Stands in for the work sheet's outside programs (the report-printing program and the help
// program) when the tests copy it into place as "Tabulo.exe" or "Pagoret.exe". It records its
// working directory and its arguments, one per line, in NAME.run in its working directory
// (NAME being the file name it was started as), and ends with the exit code written in
// NAME.exit there (0 when there is none).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    std::string name = argc > 0 ? argv[0] : "stub";
    std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) {
        name = name.substr(slash + 1);
    }

    char cwd[4096] = {};
    if (getcwd(cwd, sizeof cwd) == nullptr) {
        return 99;
    }
    // Written beside and renamed, so that a test polling for the record sees it whole.
    std::string record = name + ".run";
    std::string temp = record + ".part";
    std::FILE* out = std::fopen(temp.c_str(), "wb");
    if (out == nullptr) {
        return 99;
    }
    std::fprintf(out, "%s\n", cwd);
    for (int i = 1; i < argc; ++i) {
        std::fprintf(out, "%s\n", argv[i]);
    }
    if (std::fclose(out) != 0 || std::rename(temp.c_str(), record.c_str()) != 0) {
        return 99;
    }

    int exitCode = 0;
    if (std::FILE* in = std::fopen((name + ".exit").c_str(), "rb")) {
        if (std::fscanf(in, "%d", &exitCode) != 1) {
            exitCode = 0;
        }
        std::fclose(in);
    }
    return exitCode;
}
