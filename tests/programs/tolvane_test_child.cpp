// A stand-in for the outside programs that the tests start. Its arguments say what to do:
//   record=FILE  write the working directory, the process id and then every argument, one per
//                line, to FILE
//   sleep=MS     sleep that many milliseconds
//   exit=N       end with exit code N (default 0)
// Every argument is recorded, these ones included, so that a test sees the exact argument
// list that the start produced.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    int exitCode = 0;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strncmp(arg, "record=", 7) == 0) {
            // Written beside and renamed, so that a test polling for the file sees it whole.
            std::string temp = std::string(arg + 7) + ".part";
            std::FILE* out = std::fopen(temp.c_str(), "wb");
            if (out == nullptr) {
                return 99;
            }
            char cwd[4096] = {};
            if (getcwd(cwd, sizeof cwd) == nullptr) {
                std::strcpy(cwd, "?");
            }
            std::fprintf(out, "%s\n%ld\n", cwd, static_cast<long>(getpid()));
            for (int j = 1; j < argc; ++j) {
                std::fprintf(out, "%s\n", argv[j]);
            }
            if (std::fclose(out) != 0 || std::rename(temp.c_str(), arg + 7) != 0) {
                return 99;
            }
        } else if (std::strncmp(arg, "sleep=", 6) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(arg + 6)));
        } else if (std::strncmp(arg, "exit=", 5) == 0) {
            exitCode = std::atoi(arg + 5);
        }
    }
    return exitCode;
}
