#include "demo_store_master.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "demo_menu.h"
#include "demo_random.h"
#include "keyfile/key_file_writer.h"
#include "keyfile/little_endian.h"

namespace tolvane {
namespace {

constexpr int kReservedBlocks = 1;
constexpr std::size_t kLocationOffsets[] = {22, 46, 70, 94};
constexpr std::size_t kLocationWidth = 24;
constexpr std::size_t kStoreNumberOffset = 212;
constexpr std::size_t kIdentifierLength = kStoreMasterKeyLength - 6;

constexpr const char* kFirstNames[] = {"Ava",   "Ben",   "Carla", "Dmitri", "Elena", "Farid",
                                       "Grace", "Hiro",  "Ines",  "Jamal",  "Kira",  "Luis",
                                       "Maya",  "Noah",  "Olga",  "Pedro",  "Quinn", "Rosa",
                                       "Sam",   "Tariq", "Uma",   "Vera",   "Wes",   "Yusuf"};
constexpr const char* kLastNames[] = {"Alvarez",  "Brooks",  "Chen",   "Dubois",   "Evans",
                                      "Fischer",  "Garcia",  "Haddad", "Ito",      "Jensen",
                                      "Kowalski", "Lopez",   "Morgan", "Nakamura", "Okafor",
                                      "Patel",    "Quinlan", "Reyes",  "Schmidt",  "Turner"};
constexpr const char* kDepartments[] = {"BURGERS", "CHICKEN",     "SANDWICHES", "SALADS",
                                        "SIDES",   "BREAKFAST",   "KIDS",       "DESSERTS",
                                        "SHAKES",  "SOFT DRINKS", "HOT DRINKS", "JUICE MILK"};
constexpr const char* kTenders[] = {"CASH", "VISA", "MASTERCARD", "AMEX", "DEBIT", "GIFT CARD"};

struct MasterRecord {
    std::string m_strKey;
    std::uint8_t m_nStatus = 0;
    Block m_block{};
};

std::string Key(std::string_view type, std::string_view identifier) {
    std::string key(type);
    key.append(identifier.substr(0, kIdentifierLength));
    key.resize(kStoreMasterKeyLength, ' ');
    return key;
}

// Text into a record field: cut to the width; a shorter text ends in a zero byte, as the POS
// writes its strings.
void PutText(Block* block, std::size_t offset, std::string_view text, std::size_t width) {
    const std::size_t size = std::min(text.size(), width);
    std::memcpy(block->data() + offset, text.data(), size);
}

// A record of the usual kind: its type and identifier as the key holds them, then a name.
MasterRecord Record(std::string_view type, std::string_view identifier, std::string_view name) {
    MasterRecord record;
    record.m_strKey = Key(type, identifier);
    PutText(&record.m_block, 0, record.m_strKey, kStoreMasterKeyLength);
    PutText(&record.m_block, 32, name, 32);
    return record;
}

void PutNumber(Block* block, std::size_t offset, int value) {
    EncodeU16(block->data() + offset, static_cast<std::uint16_t>(value));
}

}  // namespace

bool BuildStoreMaster(const DemoStore& store, std::uint64_t seed, std::string* dataBytes,
                      std::string* indexBytes, std::string* error) {
    DemoRandom random(seed ^ 0x5157A11Eull);
    std::vector<MasterRecord> records;

    for (int i = 1; i <= 3; ++i) {
        char id[8];
        std::snprintf(id, sizeof id, "%02d", i);
        records.push_back(Record("001500", id, i == 3 ? "DRIVE-THRU" : "FRONT COUNTER"));
    }

    // The store's record: the key's identifier is blank; the location lines and the number
    // lie where the store lookup reads them.
    MasterRecord storeRecord;
    storeRecord.m_strKey = Key(kStoreRecordType, "");
    PutText(&storeRecord.m_block, 0, kStoreRecordType, 6);
    const std::string* lines[] = {&store.m_strName, &store.m_strStreet, &store.m_strCity,
                                  &store.m_strPhone};
    for (std::size_t i = 0; i < 4; ++i) {
        PutText(&storeRecord.m_block, kLocationOffsets[i], *lines[i], kLocationWidth);
    }
    PutNumber(&storeRecord.m_block, kStoreNumberOffset, store.m_nNumber);
    records.push_back(storeRecord);

    for (int i = 0; i < 60; ++i) {
        char id[8];
        std::snprintf(id, sizeof id, "%04d", 1001 + i * 3);
        std::string name = std::string(kLastNames[random.Below(std::size(kLastNames))]) + ", " +
                           kFirstNames[random.Below(std::size(kFirstNames))];
        MasterRecord record = Record("001700", id, name);
        PutNumber(&record.m_block, 64, random.Between(1, 4));  // job code
        if (i % 10 == 7) {
            record.m_nStatus = 0xFF;  // left the store: the entry is void, the record stays
        }
        records.push_back(record);
    }

    for (std::size_t i = 0; i < std::size(kDepartments); ++i) {
        char id[8];
        std::snprintf(id, sizeof id, "%02zu", i + 1);
        records.push_back(Record("002000", id, kDepartments[i]));
    }

    for (const MenuGroup& group : DemoMenu()) {
        for (std::size_t i = 0; i < group.m_items.size(); ++i) {
            MasterRecord record =
                Record("003000", DemoPlu(group, i), group.m_items[i].m_strDescription);
            PutNumber(&record.m_block, 64, group.m_items[i].m_nPriceCents);
            PutNumber(&record.m_block, 66, group.m_nNumber);
            records.push_back(record);
        }
    }
    for (const Modifier& modifier : DemoModifiers()) {
        MasterRecord record = Record("003000", modifier.m_strPlu, modifier.m_strDescription);
        PutNumber(&record.m_block, 64, modifier.m_nPriceCents);
        records.push_back(record);
    }
    records.push_back(Record("003000", "99001", "DAILY SPECIAL"));

    for (std::size_t i = 0; i < std::size(kTenders); ++i) {
        char id[8];
        std::snprintf(id, sizeof id, "%02zu", i + 1);
        records.push_back(Record("004000", id, kTenders[i]));
    }
    records.push_back(Record("005000", "1", "STATE SALES TAX 6.00"));
    records.push_back(Record("005000", "2", "CITY SALES TAX 1.25"));

    for (int i = 1; i <= 40; ++i) {
        char id[8];
        std::snprintf(id, sizeof id, "C%03d", i);
        char name[32];
        std::snprintf(name, sizeof name, "COUPON %d%% OFF", 5 * random.Between(1, 4));
        MasterRecord record = Record("007000", id, name);
        if (i % 9 == 0) {
            record.m_nStatus = 0xFF;  // withdrawn
        }
        records.push_back(record);
    }

    // Records lie in the data file in the order they were added; the index sorts the keys.
    DataFilePlan dataPlan;
    dataPlan.m_nReservedBlocks = kReservedBlocks;
    IndexFilePlan indexPlan;
    indexPlan.m_nKeyLength = kStoreMasterKeyLength;
    for (std::size_t i = 0; i < records.size(); ++i) {
        dataPlan.m_records.push_back(records[i].m_block);
        indexPlan.m_entries.push_back(
            {records[i].m_strKey, records[i].m_nStatus,
             static_cast<std::uint16_t>(DataRecordUnit(kReservedBlocks, i))});
    }
    BuiltIndex index;
    if (!BuildDataFile(dataPlan, dataBytes, error) || !BuildIndexFile(indexPlan, &index, error)) {
        return false;
    }
    *indexBytes = std::move(index.m_bytes);
    return true;
}

}  // namespace tolvane
