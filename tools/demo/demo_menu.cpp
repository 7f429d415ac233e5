#include "demo_menu.h"

#include <cstdio>

namespace tolvane {
namespace {

// Units: burgers count patties, chicken counts pieces, shakes and drinks count fluid ounces,
// the other groups count servings. A group's subtotal is thus what the kitchen used of it.
std::vector<MenuGroup> MakeMenu() {
    return {
        {1,
         "BURGERS TOTAL (patties)",
         22,
         Served::kAfterBreakfast,
         {
             {"Burger", "Classic Burger", 1, 599, 30},
             {"Burger", "Cheeseburger", 1, 649, 40},
             {"Burger", "Bacon Cheeseburger", 1, 749, 28},
             {"Burger", "Double Burger", 2, 849, 14},
             {"Burger", "Double Cheeseburger", 2, 899, 18},
             {"Burger", "Triple Stack", 3, 1099, 5},
             {"Burger", "Mushroom Swiss", 1, 799, 10},
             {"Burger", "BBQ Ranch Burger", 1, 799, 9},
             {"Burger", "Jalapeno Burger", 1, 779, 7},
             {"Burger", "Patty Melt", 1, 749, 6},
             {"Burger", "Junior Burger", 1, 299, 12},
             {"Burger", "Junior Cheeseburger", 1, 349, 14},
             {"Veggie", "Veggie Burger", 1, 699, 5},
             {"Turkey", "Turkey Burger", 1, 729, 4},
         }},
        {2,
         "CHICKEN TOTAL (pieces)",
         16,
         Served::kAfterBreakfast,
         {
             {"Tenders", "Tenders 3pc", 3, 599, 22},
             {"Tenders", "Tenders 5pc", 5, 849, 12},
             {"Wings", "Wings 6pc", 6, 699, 14},
             {"Wings", "Wings 10pc", 10, 1099, 10},
             {"Wings", "Wings 20pc", 20, 1999, 3},
             {"Chicken", "Grilled Chicken Sand", 1, 749, 12},
             {"Chicken", "Crispy Chicken Sand", 1, 749, 16},
             {"Chicken", "Spicy Chicken Sand", 1, 779, 11},
             {"Chicken", "Chicken Club", 1, 849, 7},
             {"Nuggets", "Nuggets 4pc", 4, 299, 9},
             {"Nuggets", "Nuggets 8pc", 8, 549, 10},
             {"Nuggets", "Nuggets 12pc", 12, 749, 5},
         }},
        {3,
         "SANDWICHES TOTAL",
         9,
         Served::kAfterBreakfast,
         {
             {"Sandwich", "BLT", 1, 699, 8},
             {"Sandwich", "Club Sandwich", 1, 849, 9},
             {"Sandwich", "Philly Cheesesteak", 1, 949, 10},
             {"Sandwich", "Reuben", 1, 899, 6},
             {"Sandwich", "Grilled Cheese", 1, 499, 5},
             {"Sandwich", "Tuna Melt", 1, 749, 4},
             {"Sandwich", "Fish Sandwich", 1, 699, 6},
             {"Wrap", "Chicken Caesar Wrap", 1, 799, 8},
             {"Wrap", "Buffalo Chicken Wrap", 1, 799, 7},
             {"Wrap", "Veggie Wrap", 1, 699, 3},
             {"Wrap", "Turkey Avocado Wrap", 1, 849, 5},
             {"Sandwich", "Pulled Pork Sandwich", 1, 849, 7},
         }},
        {4,
         "SALADS TOTAL",
         6,
         Served::kAfterBreakfast,
         {
             {"Salad", "Garden Salad Small", 1, 399, 6},
             {"Salad", "Garden Salad Large", 1, 699, 5},
             {"Salad", "Caesar Salad Small", 1, 449, 6},
             {"Salad", "Caesar Salad Large", 1, 749, 6},
             {"Salad", "Cobb Salad", 1, 999, 5},
             {"Salad", "Chef Salad", 1, 949, 4},
             {"Salad", "Grilled Chkn Salad", 1, 999, 7},
             {"Salad", "Crispy Chkn Salad", 1, 999, 6},
             {"Salad", "Taco Salad", 1, 899, 4},
             {"Salad", "Side Salad", 1, 299, 9},
         }},
        {5,
         "SIDES TOTAL",
         30,
         Served::kAfterBreakfast,
         {
             {"Fries", "French Fries Small", 1, 249, 20},
             {"Fries", "French Fries Medium", 1, 329, 30},
             {"Fries", "French Fries Large", 1, 399, 22},
             {"Curly", "Curly Fries Small", 1, 279, 6},
             {"Curly", "Curly Fries Medium", 1, 359, 8},
             {"Curly", "Curly Fries Large", 1, 429, 5},
             {"SweetPot", "Sweet Potato Fry Sm", 1, 329, 5},
             {"SweetPot", "Sweet Potato Fry Lg", 1, 449, 4},
             {"Rings", "Onion Rings Small", 1, 299, 8},
             {"Rings", "Onion Rings Large", 1, 449, 7},
             {"Mozz", "Mozzarella Sticks", 1, 599, 6},
             {"Slaw", "Coleslaw", 1, 199, 5},
             {"Potato", "Baked Potato", 1, 299, 4},
             {"Chili", "Side of Chili", 1, 349, 4},
             {"Mac", "Mac and Cheese", 1, 349, 6},
         }},
        {6,
         "BREAKFAST TOTAL",
         14,
         Served::kBreakfast,
         {
             {"Pancakes", "Pancake Stack 3pc", 3, 649, 12},
             {"Pancakes", "Short Stack 2pc", 2, 499, 8},
             {"Toast", "French Toast", 1, 599, 7},
             {"Burrito", "Breakfast Burrito", 1, 549, 11},
             {"Biscuit", "Sausage Biscuit", 1, 349, 12},
             {"Biscuit", "Bacon Egg Biscuit", 1, 429, 10},
             {"Muffin", "Egg Muffin", 1, 399, 13},
             {"HashBrn", "Hash Browns", 1, 199, 18},
             {"Omelette", "Western Omelette", 1, 799, 5},
             {"Platter", "Breakfast Platter", 1, 899, 6},
             {"Oatmeal", "Oatmeal", 1, 349, 4},
             {"Fruit", "Fruit Cup", 1, 299, 5},
         }},
        {7,
         "KIDS MEALS TOTAL",
         5,
         Served::kAfterBreakfast,
         {
             {"Kids", "Kids Burger", 1, 449, 8},
             {"Kids", "Kids Cheeseburger", 1, 479, 9},
             {"Kids", "Kids Nuggets 4pc", 1, 449, 10},
             {"Kids", "Kids Grilled Cheese", 1, 399, 5},
             {"Kids", "Kids Mac and Cheese", 1, 399, 6},
             {"Kids", "Kids Corn Dog", 1, 399, 4},
             {"Kids", "Kids Tenders 2pc", 1, 449, 6},
             {"Kids", "Apple Slices", 1, 149, 5},
         }},
        {8,
         "DESSERTS TOTAL",
         8,
         Served::kAfterBreakfast,
         {
             {"Pie", "Apple Pie", 1, 249, 10},
             {"Pie", "Cherry Pie", 1, 249, 5},
             {"Cookie", "Choc Chip Cookie", 1, 149, 14},
             {"Brownie", "Fudge Brownie", 1, 249, 8},
             {"Cake", "Cheesecake", 1, 449, 5},
             {"Sundae", "Hot Fudge Sundae", 1, 399, 8},
             {"Sundae", "Caramel Sundae", 1, 399, 5},
             {"Sundae", "Strawberry Sundae", 1, 399, 4},
             {"Cone", "Ice Cream Cone", 1, 199, 9},
             {"Split", "Banana Split", 1, 599, 3},
             {"Cobbler", "Peach Cobbler", 1, 399, 3},
         }},
        {9,
         "SHAKES TOTAL (oz)",
         8,
         Served::kAfterBreakfast,
         {
             {"Shake", "Vanilla Shake 12oz", 12, 399, 8},
             {"Shake", "Vanilla Shake 20oz", 20, 549, 6},
             {"Shake", "Choc Shake 12oz", 12, 399, 10},
             {"Shake", "Choc Shake 20oz", 20, 549, 8},
             {"Shake", "Strawb Shake 12oz", 12, 399, 6},
             {"Shake", "Strawb Shake 20oz", 20, 549, 4},
             {"Shake", "Cookie Shake 12oz", 12, 449, 5},
             {"Shake", "Cookie Shake 20oz", 20, 599, 4},
             {"Float", "Root Beer Float", 16, 399, 3},
             {"Malt", "Chocolate Malt 16oz", 16, 499, 2},
         }},
        {10,
         "SOFT DRINKS TOTAL (oz)",
         40,
         Served::kAllDay,
         {
             {"Cola", "Cola Small 16oz", 16, 179, 14},
             {"Cola", "Cola Medium 22oz", 22, 209, 20},
             {"Cola", "Cola Large 32oz", 32, 239, 12},
             {"DietCola", "Diet Cola Small 16oz", 16, 179, 6},
             {"DietCola", "Diet Cola Med 22oz", 22, 209, 9},
             {"DietCola", "Diet Cola Large 32oz", 32, 239, 6},
             {"LemonLim", "Lemon-Lime Sm 16oz", 16, 179, 4},
             {"LemonLim", "Lemon-Lime Med 22oz", 22, 209, 6},
             {"LemonLim", "Lemon-Lime Lg 32oz", 32, 239, 3},
             {"RootBeer", "Root Beer Sm 16oz", 16, 179, 3},
             {"RootBeer", "Root Beer Med 22oz", 22, 209, 5},
             {"RootBeer", "Root Beer Lg 32oz", 32, 239, 3},
             {"Orange", "Orange Soda Sm 16oz", 16, 179, 2},
             {"Orange", "Orange Soda Med 22oz", 22, 209, 3},
             {"Orange", "Orange Soda Lg 32oz", 32, 239, 2},
             {"IcedTea", "Iced Tea Small 16oz", 16, 179, 5},
             {"IcedTea", "Iced Tea Med 22oz", 22, 209, 7},
             {"IcedTea", "Iced Tea Large 32oz", 32, 239, 4},
             {"SweetTea", "Sweet Tea Small 16oz", 16, 179, 6},
             {"SweetTea", "Sweet Tea Med 22oz", 22, 209, 9},
             {"SweetTea", "Sweet Tea Large 32oz", 32, 239, 6},
             {"Lemonade", "Lemonade Small 16oz", 16, 219, 4},
             {"Lemonade", "Lemonade Med 22oz", 22, 249, 5},
             {"Lemonade", "Lemonade Large 32oz", 32, 279, 3},
             {"Water", "Bottled Water 17oz", 17, 199, 8},
         }},
        {11,
         "HOT DRINKS TOTAL (oz)",
         12,
         Served::kAllDay,
         {
             {"Coffee", "Coffee Small 12oz", 12, 149, 16},
             {"Coffee", "Coffee Medium 16oz", 16, 179, 20},
             {"Coffee", "Coffee Large 20oz", 20, 209, 12},
             {"Decaf", "Decaf Small 12oz", 12, 149, 3},
             {"Decaf", "Decaf Medium 16oz", 16, 179, 3},
             {"Decaf", "Decaf Large 20oz", 20, 209, 2},
             {"HotChoc", "Hot Chocolate 12oz", 12, 199, 5},
             {"HotChoc", "Hot Chocolate 16oz", 16, 229, 4},
             {"HotTea", "Hot Tea 12oz", 12, 149, 4},
             {"Espresso", "Cappuccino 12oz", 12, 349, 5},
             {"Espresso", "Latte 16oz", 16, 379, 6},
             {"Espresso", "Mocha 16oz", 16, 399, 4},
         }},
        {12,
         "JUICE AND MILK TOTAL",
         4,
         Served::kAllDay,
         {
             {"Juice", "Orange Juice Small", 1, 199, 8},
             {"Juice", "Orange Juice Large", 1, 299, 5},
             {"Juice", "Apple Juice", 1, 179, 5},
             {"Milk", "Milk 1%", 1, 149, 4},
             {"Milk", "Chocolate Milk", 1, 179, 6},
         }},
    };
}

}  // namespace

const std::vector<MenuGroup>& DemoMenu() {
    static const std::vector<MenuGroup> menu = MakeMenu();
    return menu;
}

std::string DemoPlu(const MenuGroup& group, std::size_t index) {
    char plu[16];
    std::snprintf(plu, sizeof plu, "%02d%03d", group.m_nNumber % 100,
                  static_cast<int>((index + 1) % 1000));
    return plu;
}

std::string SalesDefinitionText(const std::vector<MenuGroup>& menu) {
    std::string text = "ITEM,PLU,DESCRIPTION,SOLD,UNITS,\r\n";
    for (const MenuGroup& group : menu) {
        for (std::size_t i = 0; i < group.m_items.size(); ++i) {
            const MenuItem& item = group.m_items[i];
            text += item.m_strProduct + ',' + DemoPlu(group, i) + ',' + item.m_strDescription +
                    ",0," + std::to_string(item.m_nUnits) + ",\r\n";
        }
        // A subtotal row: no product; its total is the sum of the group's rows above it.
        text += ",," + group.m_strTotal + ",,,\r\n";
    }
    return text;
}

const std::vector<Modifier>& DemoModifiers() {
    static const std::vector<Modifier> modifiers = {
        {"90001", "NO ONION", 0},      {"90002", "NO PICKLE", 0},
        {"90003", "NO TOMATO", 0},     {"90004", "NO MAYO", 0},
        {"90005", "EXTRA CHEESE", 75}, {"90006", "ADD BACON", 125},
        {"90007", "ADD AVOCADO", 150}, {"90008", "GLUTEN FREE BUN", 150},
        {"90009", "ON THE SIDE", 0},   {"90010", "LIGHT ICE", 0},
        {"90011", "NO ICE", 0},        {"90012", "WELL DONE", 0},
        {"90013", "EXTRA SAUCE", 50},  {"90014", "RANCH", 50},
        {"90015", "BBQ SAUCE", 50},    {"90016", "HONEY MUSTARD", 50},
    };
    return modifiers;
}

std::string WorkSheetSpecificationText() {
    static constexpr const char* kItems[] = {
        "Hamburger Patties 4oz,1001,",
        "Hamburger Buns,1002,",
        "Sesame Buns,1003,",
        "Sliced Cheese,1004,",
        "Bacon Strips,1005,",
        "Chicken Breast,1006,",
        "Chicken Tenders,1007,",
        "Chicken Wings,1008,",
        "Nuggets,1009,",
        "Fish Fillets,1010,",
        "French Fries 30lb,1011,",
        "Curly Fries,1012,",
        "Sweet Potato Fries,1013,",
        "Onion Rings,1014,",
        "Mozzarella Sticks,1015,",
        "Lettuce,1016,",
        "Tomatoes,1017,",
        "Onions,1018,",
        "Pickles,1019,",
        "Eggs dozen,1020,",
        "Pancake Mix,1021,",
        "Sausage Patties,1022,",
        "Biscuits,1023,",
        "Tortillas,1024,",
        "Ice Cream Mix,1025,",
        "Shake Syrup,1026,",
        "Cola Syrup BIB,1027,",
        "Coffee 2lb,1028,",
        "Cups 16oz,1029,",
        "Cups 22oz,1030,",
        "Cups 32oz,1031,",
        "Lids,1032,",
        "Napkins case,1033,",
        "Fry Oil 35lb,1034,",
    };
    std::string text;
    for (const char* item : kItems) {
        text += item;
        text += "\r\n";
    }
    return text;
}

}  // namespace tolvane
