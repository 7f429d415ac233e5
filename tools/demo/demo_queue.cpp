#include "demo_queue.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "demo_menu.h"
#include "demo_random.h"

namespace tolvane {
namespace {

// Sales by weekday, Sunday first: Friday and Saturday are the busy days.
constexpr int kWeekdayPercent[7] = {110, 85, 85, 90, 100, 125, 135};
constexpr int kOpenMinute = 6 * 60;
constexpr int kBreakfastEndMinute = 10 * 60 + 30;
constexpr int kCloseMinute = 22 * 60;
constexpr int kEmployees[] = {1012, 1017, 1023, 1031, 1044, 1046, 1058, 1063, 1071, 1089};
constexpr const char* kTenders[] = {"CASH", "VISA", "MASTERCARD", "AMEX", "DEBIT", "GIFT CARD"};
constexpr int kTenderWeights[] = {30, 32, 18, 6, 10, 4};
constexpr int kTaxPercentTimes100 = 725;  // 7.25 %

// The menu groups a ticket can take its items from at a given time, with their weights.
struct Choice {
    const MenuGroup* group;
    int weight;
};

std::vector<Choice> GroupsAt(int minute) {
    std::vector<Choice> choices;
    const Served notNow =
        minute < kBreakfastEndMinute ? Served::kAfterBreakfast : Served::kBreakfast;
    for (const MenuGroup& group : DemoMenu()) {
        if (group.m_served != notNow) {
            choices.push_back({&group, group.m_nShare});
        }
    }
    return choices;
}

template <class T, class Weight>
const T& Pick(DemoRandom& random, const std::vector<T>& items, Weight weight) {
    int total = 0;
    for (const T& item : items) {
        total += weight(item);
    }
    int roll = static_cast<int>(random.Below(static_cast<std::uint32_t>(total)));
    for (const T& item : items) {
        roll -= weight(item);
        if (roll < 0) {
            return item;
        }
    }
    return items.back();
}

// Minutes after opening when a ticket starts: a breakfast, a lunch and a dinner rush.
int TicketMinute(DemoRandom& random) {
    const int rush = random.Between(0, 9);
    int center;
    int spread;
    if (rush < 2) {
        center = 8 * 60;
        spread = 90;
    } else if (rush < 6) {
        center = 12 * 60 + 15;
        spread = 100;
    } else {
        center = 18 * 60 + 15;
        spread = 130;
    }
    // The sum of three rolls leans toward the middle of the rush.
    int offset = random.Between(-spread, spread) + random.Between(-spread, spread) +
                 random.Between(-spread, spread);
    return std::clamp(center + offset / 3, kOpenMinute, kCloseMinute - 1);
}

int Quantity(DemoRandom& random) {
    const int roll = random.Between(0, 99);
    if (roll < 80) {
        return 1;
    }
    if (roll < 94) {
        return 2;
    }
    if (roll < 98) {
        return 3;
    }
    return random.Between(4, 9);
}

std::string Money(long long cents) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", cents / 100, cents % 100);
    return text;
}

// One record: blanks with the fields written at their offsets.
class Record {
  public:
    Record() : m_text(kQueueRecordLength, ' ') {}

    Record& Put(std::size_t offset, std::string_view text, std::size_t width) {
        for (std::size_t i = 0; i < width && i < text.size(); ++i) {
            m_text[offset + i] = text[i];
        }
        return *this;
    }
    // Right-aligned in its width, as the POS prints numbers.
    Record& PutRight(std::size_t offset, std::string_view text, std::size_t width) {
        const std::size_t size = std::min(text.size(), width);
        return Put(offset + width - size, text.substr(text.size() - size), size);
    }
    Record& PutNumber(std::size_t offset, long long value, std::size_t width) {
        char text[32];
        std::snprintf(text, sizeof text, "%0*lld", static_cast<int>(width), value);
        return Put(offset, text, width);
    }

    const std::string& Text() const { return m_text; }

  private:
    std::string m_text;
};

struct Ticket {
    int number;
    int minute;
    int second;
    int registerNumber;
    int employee;
    int table;
    int guests;
    const char* orderType;
};

class DayWriter {
  public:
    DayWriter(const Date& date, std::string* out) : m_out(out) {
        char stamp[16];
        std::snprintf(stamp, sizeof stamp, "%02d%02d%04d", date.month, date.day, date.year);
        m_strDate = stamp;
    }

    // A record with the fields every line of a ticket shares.
    Record Line(const Ticket& ticket, char type, int secondsLater) const {
        const int clock = ticket.minute * 60 + ticket.second + secondsLater;
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", clock / 3600 % 24, clock / 60 % 60,
                      clock % 60);
        Record record;
        record.PutNumber(0, ticket.number, 6)
            .PutNumber(6, ticket.registerNumber, 2)
            .Put(8, std::string(1, type), 1)
            .Put(9, time, 8)
            .PutNumber(17, ticket.employee, 4)
            .PutNumber(21, ticket.table, 3)
            .PutNumber(24, ticket.guests, 2)
            .Put(26, ticket.orderType, 2)
            .Put(72, m_strDate, 8);
        return record;
    }

    void Write(const Record& record) {
        m_out->append(record.Text());
        m_out->append("\r\n");
    }

  private:
    std::string* m_out;
    std::string m_strDate;
};

}  // namespace

std::string DemoQueueFileText(const Date& date, int averageTickets, std::uint64_t seed) {
    // Each day has its own sequence, so a day's file does not depend on how many days are
    // made around it.
    DemoRandom random(seed * 1000003u + static_cast<std::uint64_t>(DaysFromCivil(date)));
    const int percent = kWeekdayPercent[DayOfWeek(date)] + random.Between(-10, 10);
    const int ticketCount = std::max(1, averageTickets * percent / 100);

    std::vector<int> minutes(static_cast<std::size_t>(ticketCount));
    for (int& minute : minutes) {
        minute = TicketMinute(random);
    }
    std::sort(minutes.begin(), minutes.end());

    std::string text;
    text.reserve(static_cast<std::size_t>(ticketCount) * 8 * (kQueueRecordLength + 2));
    DayWriter writer(date, &text);
    const std::vector<Modifier>& modifiers = DemoModifiers();
    for (int t = 0; t < ticketCount; ++t) {
        Ticket ticket;
        ticket.number = 100001 + t;
        ticket.minute = minutes[static_cast<std::size_t>(t)];
        ticket.second = random.Between(0, 59);
        const int kind = random.Between(0, 9);
        ticket.orderType = kind < 5 ? "DI" : kind < 7 ? "TO" : "DT";
        ticket.registerNumber = kind < 7 ? random.Between(1, 2) : 3;
        ticket.table = kind < 5 ? random.Between(1, 32) : 0;
        ticket.guests = kind < 5 ? random.Between(1, 5) : 1;
        ticket.employee = kEmployees[random.Below(std::size(kEmployees))];

        writer.Write(writer.Line(ticket, '0', 0).Put(35, "TICKET OPEN", 20));
        const std::vector<Choice> groups = GroupsAt(ticket.minute);
        const int items = ticket.guests + random.Between(0, 2);
        long long subtotal = 0;
        int seconds = 5;
        for (int i = 0; i < items; ++i, seconds += random.Between(3, 20)) {
            const MenuGroup& group =
                *Pick(random, groups, [](const Choice& c) { return c.weight; }).group;
            std::size_t index = 0;
            {
                int total = 0;
                for (const MenuItem& item : group.m_items) {
                    total += item.m_nPopularity;
                }
                int roll = static_cast<int>(random.Below(static_cast<std::uint32_t>(total)));
                while (roll >= group.m_items[index].m_nPopularity) {
                    roll -= group.m_items[index].m_nPopularity;
                    ++index;
                }
            }
            const MenuItem& item = group.m_items[index];
            std::string plu = DemoPlu(group, index);
            std::string description = item.m_strDescription;
            int price = item.m_nPriceCents;
            if (random.Chance(4)) {
                plu = "99001";  // the day's special: rung, but on no report
                description = "DAILY SPECIAL";
                price = 899;
            }
            int quantity = Quantity(random);
            char quantityMark = static_cast<char>('0' + quantity);
            char voidMark = ' ';
            if (random.Chance(20)) {
                voidMark = 'V';  // taken back before the ticket closed
            } else if (random.Chance(6)) {
                quantityMark = random.Chance(500) ? '0' : ' ';  // a price check, an open item
                quantity = 0;
            }
            Record line = writer.Line(ticket, '1', seconds);
            line.Put(28, std::string(1, quantityMark), 1)
                .Put(29, std::string(1, voidMark), 1)
                .Put(30, plu, 5)
                .Put(35, description, 20)
                .PutRight(55, Money(price), 8)
                .PutRight(63, Money(static_cast<long long>(price) * quantity), 9)
                .PutNumber(80, group.m_nNumber, 2)
                .Put(82, "T", 1);
            writer.Write(line);
            if (voidMark == ' ') {
                subtotal += static_cast<long long>(price) * quantity;
            }
            if (group.m_nNumber <= 3 && random.Chance(180)) {
                const Modifier& modifier =
                    modifiers[random.Below(static_cast<std::uint32_t>(modifiers.size()))];
                Record extra = writer.Line(ticket, '2', seconds + 1);
                extra.Put(28, "1", 1)
                    .Put(30, modifier.m_strPlu, 5)
                    .Put(35, modifier.m_strDescription, 20)
                    .PutRight(55, Money(modifier.m_nPriceCents), 8)
                    .PutRight(63, Money(modifier.m_nPriceCents), 9)
                    .Put(82, modifier.m_nPriceCents > 0 ? "T" : "N", 1);
                writer.Write(extra);
                subtotal += modifier.m_nPriceCents;
            }
        }
        const long long total = subtotal + (subtotal * kTaxPercentTimes100 + 5000) / 10000;
        std::vector<int> tenderIndexes = {0, 1, 2, 3, 4, 5};
        const int tender = Pick(random, tenderIndexes, [](int i) { return kTenderWeights[i]; });
        seconds += random.Between(20, 90);
        writer.Write(writer.Line(ticket, '5', seconds)
                         .Put(35, kTenders[tender], 20)
                         .PutRight(63, Money(total), 9)
                         .Put(82, "N", 1));
        writer.Write(writer.Line(ticket, '9', seconds + 1)
                         .Put(35, "TICKET TOTAL", 20)
                         .PutRight(55, Money(subtotal), 8)
                         .PutRight(63, Money(total), 9)
                         .Put(82, "N", 1));
    }
    return text;
}

}  // namespace tolvane
