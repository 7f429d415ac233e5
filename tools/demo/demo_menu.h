#pragma once
// The demo store's menu and inventory items: what the sales definition file lists, what the
// queue files sell, and what the work sheet tracks.
#include <string>
#include <vector>

namespace tolvane {

struct MenuItem {
    std::string m_strProduct;      // the item's family: "Cola" for each size of cola
    std::string m_strDescription;  // at most 20 characters: the POS prints it on a receipt
    int m_nUnits = 1;              // what one sold item counts for in its group's total
    int m_nPriceCents = 0;
    int m_nPopularity = 1;  // relative weight among the group's items
};

// When the kitchen serves a group.
enum class Served { kAllDay, kBreakfast, kAfterBreakfast };

struct MenuGroup {
    int m_nNumber = 0;       // the first two digits of its items' PLUs
    std::string m_strTotal;  // the description of the group's subtotal row
    int m_nShare = 1;        // relative weight of the group among a ticket's items
    Served m_served = Served::kAllDay;
    std::vector<MenuItem> m_items;
};

// The menu: about 150 items in groups.
const std::vector<MenuGroup>& DemoMenu();

// The 5-character PLU of the item at `index` (from 0) of a group: its group number and the
// item's place, with leading zeros ("01001" for the first burger).
std::string DemoPlu(const MenuGroup& group, std::size_t index);

// The sales definition file: a header line, then per group one line per item and a subtotal
// line, each "product,PLU,description,sold,units," and ending in CRLF.
std::string SalesDefinitionText(const std::vector<MenuGroup>& menu);

// The kitchen modifiers the POS rings with items ("NO ONION"); they are on no report.
struct Modifier {
    std::string m_strPlu;
    std::string m_strDescription;
    int m_nPriceCents = 0;
};
const std::vector<Modifier>& DemoModifiers();

// The work sheet item list: "description,inventory number," per line, CRLF.
std::string WorkSheetSpecificationText();

}  // namespace tolvane
