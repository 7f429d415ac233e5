#include "recap_bench_data.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/reports_dlg.h"

namespace tolvane {
namespace {

// A small, fast generator (splitmix64): the data must be the same on every run.
class Random {
  public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t m_state;
};

constexpr std::size_t kRecordLength = 126;  // + CR LF = 128 bytes

std::string Plu(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%05d", number);
    return text;
}

bool WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && ok;
}

}  // namespace

RecapBenchData WriteRecapBenchData(const std::string& driveC, const Date& first, int dayCount,
                                   int lines, int rows) {
    namespace fs = std::filesystem;
    Random random(20121231);
    fs::create_directories(fs::path(driveC) / "POS");
    fs::create_directories(fs::path(driveC) / "BDrive");

    // Definitions: groups of 4 to 15 items, each closed by a subtotal row. Every 40th item
    // repeats the PLU of the item before it.
    std::vector<std::string> plus;
    std::string definitions = "ITEM,PLU,DESCRIPTION,SOLD,UNITS,\r\n";
    int row = 0;
    int group = 0;
    while (row < rows) {
        int size = 4 + random.Below(12);
        for (int i = 0; i < size && row < rows - 1; ++i, ++row) {
            std::string plu = (row % 40 == 39 && !plus.empty()) ? plus.back() : Plu(1000 + row * 7);
            plus.push_back(plu);
            definitions += "Product " + std::to_string(row) + "," + plu + ",Menu item " +
                           std::to_string(row) + ",0," + std::to_string(1 + random.Below(6)) +
                           ",\r\n";
        }
        definitions += ",,Group " + std::to_string(++group) + " subtotal,,,\r\n";
        ++row;
    }
    WriteWhole(fs::path(driveC) / "POS" / "Brindlemoor_Sales_Recap.csv", definitions);

    RecapBenchData data;
    const char kFiller[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";
    long long firstDay = DaysFromCivil(first);
    std::string bytes;
    for (int day = 0; day < dayCount; ++day) {
        Date date = CivilFromDays(firstDay + day);
        bytes.clear();
        bytes.reserve(static_cast<std::size_t>(lines) * (kRecordLength + 2));
        for (int i = 0; i < lines; ++i) {
            std::string line(kRecordLength, ' ');
            for (std::size_t c = 0; c < kRecordLength; ++c) {
                line[c] = kFiller[random.Below(sizeof kFiller - 1)];
            }
            int kind = random.Below(100);
            line[8] = kind < 70 ? '1' : "2345679"[random.Below(7)];  // 70% item lines
            line[28] = static_cast<char>('1' + random.Below(9));     // quantity 1-9
            line[29] = random.Below(100) < 6 ? 'V' : ' ';            // 6% voids
            if (random.Below(100) < 3) {
                line[28] = "0 a-"[random.Below(4)];  // 3% no count
            }
            std::string plu = random.Below(100) < 10
                                  ? Plu(90000 + random.Below(9000))
                                  : plus[random.Below(static_cast<int>(plus.size()))];
            line.replace(30, 5, plu);
            if (random.Below(200) == 0) {
                line.resize(40);  // a short line: no record
            }
            bytes += line;
            bytes += "\r\n";
        }
        WriteWhole(fs::path(driveC) / "BDrive" / QueueFileName(date), bytes);
        data.days.push_back(date);
        data.bytes += static_cast<long long>(bytes.size());
    }
    return data;
}

}  // namespace tolvane
