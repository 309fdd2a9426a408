// Writes the example data file that ships with Pennywhist:
//   make_example FILE
// or the seed inputs of the data file fuzzer, one small file per feature:
//   make_example --corpus FOLDER
// The output is the same byte for byte on every run, so the copies kept in the
// repository can be compared with it.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "model/account_types.h"
#include "model/dates.h"
#include "model/document.h"

namespace {

constexpr std::int32_t kYear = 2026;

[[noreturn]] void Fail(std::string_view what, std::string_view detail) {
    std::fprintf(stderr, "make_example: %.*s: %.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::exit(1);
}

// TextField cuts long text silently; the example must show every word it was given.
template <std::size_t N>
TextField<N> Text(std::string_view text) {
    if (text.size() > TextField<N>::kCapacity) Fail("text too long", text);
    return TextField<N>(text);
}

bool IsCalendarDate(std::int32_t year, std::int32_t month, std::int32_t day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= MonthLength(month, year);
}

std::int32_t LastDay(std::int32_t month) { return MonthLength(month, kYear); }

// Category positions of the default list below.
enum Category : std::int32_t {
    None, Bills, Groceries, Entertainment, DiningOut, Household, Automobile, CashWithdrawals, Income,
    PersonalCare, Healthcare, Childcare, PetCare, Clothing, Education, Insurance, Rent, Mortgage, Gifts,
    CharitableDonations, Vacation,
};

constexpr std::string_view kDefaultCategories[] = {
    "None", "Bills", "Groceries", "Entertainment", "Dining Out", "Household", "Automobile",
    "Cash Withdrawals", "Income", "Personal Care", "Healthcare", "Childcare", "Pet Care", "Clothing",
    "Education", "Insurance", "Rent", "Mortgage", "Gifts", "Charitable Donations", "Vacation",
};

// Account positions in the example, as bills and deposits refer to them.
enum AccountPosition : std::int32_t { Checking, Savings, Visa, GroceriesBudget, Wallet, CarLoan };

// Transaction kinds: 0 adds to the balance (deposit, charge, receive), 1 subtracts.
constexpr std::int32_t kAdd = 0;
constexpr std::int32_t kSubtract = 1;

// One transaction of 2026 before it gets its cheque number.
struct Entry {
    std::int32_t month;
    std::int32_t day;
    std::int32_t kind;
    double amount;
    std::int32_t category;
    std::string_view payee;
    std::string_view memo;
    bool cheque = false;
};

void CheckDateAndAmount(std::int32_t year, std::int32_t month, std::int32_t day, double amount,
                        std::string_view memo) {
    if (!IsCalendarDate(year, month, day)) Fail("not a calendar date", memo);
    if (!(amount > 0.0)) Fail("amount not positive", memo);
}

Transaction MakeTransaction(std::int32_t kind, double amount, std::int32_t month, std::int32_t day,
                            std::int32_t year, std::int32_t category, std::int32_t number,
                            std::string_view payee, std::string_view memo) {
    CheckDateAndAmount(year, month, day, amount, memo);
    return Transaction{.amount = amount, .kind = kind, .month = month, .day = day, .year = year,
                       .category = category, .number = number, .payee = Text<31>(payee), .memo = Text<31>(memo)};
}

// Adds the opening entry on 1 January, then `entries` in date order; cheques
// are numbered from `firstCheque` up.
void Fill(Account& account, std::string_view openingMemo, double openingAmount, std::vector<Entry> entries,
          std::int32_t firstCheque = 0) {
    account.AddTransaction(MakeTransaction(kAdd, openingAmount, 1, 1, kYear, None, 0, "", openingMemo));
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.month != b.month ? a.month < b.month : a.day < b.day; });
    std::int32_t cheque = firstCheque;
    for (const Entry& e : entries)
        account.AddTransaction(MakeTransaction(e.kind, e.amount, e.month, e.day, kYear, e.category,
                                               e.cheque ? cheque++ : 0, e.payee, e.memo));
}

constexpr std::int32_t kFirstMonth = 1;
constexpr std::int32_t kLastMonth = 6;
constexpr std::string_view kRentMemos[] = {"Rent for January", "Rent for February", "Rent for March",
                                           "Rent for April",   "Rent for May",      "Rent for June"};
// Monthly amounts that change from month to month, January to June.
constexpr double kElectric[] = {142.18, 131.62, 118.45, 96.30, 88.74, 104.91};
// Each pays the card's charges of the month before (January: the opening balance).
constexpr double kCardPayment[] = {350.00, 277.01, 223.84, 232.44, 196.66, 199.19};
constexpr double kLoanInterest[] = {77.71, 76.43, 75.14, 73.84, 72.53, 71.21};
constexpr double kSavingsInterest[] = {4.12, 3.87, 4.35, 4.29, 4.51, 4.44};
constexpr double kGas[] = {41.37, 38.90, 44.12, 46.05, 39.88, 47.60, 42.75, 45.31, 40.19, 48.02, 43.66, 44.94};

Account NewAccount(std::int32_t type, std::string_view name, std::string_view comment,
                   std::string_view accountNumber = "", std::string_view contactInfo = "", double creditLimit = 0.0) {
    Account account;
    account.type = type;
    account.name = Text<31>(name);
    account.comment = Text<31>(comment);
    account.accountNumber = Text<31>(accountNumber);
    account.contactInfo = Text<101>(contactInfo);
    account.creditLimit = creditLimit;
    return account;
}

constexpr std::string_view kBankContact = "Riverside Community Bank\r\n214 Main Street, Springfield\r\n(555) 010-2200";

Account MakeChecking() {
    Account account = NewAccount(AccountTypeBank, "Checking", "Everyday account", "2290-4471-08", kBankContact);
    std::vector<Entry> entries;
    for (std::int32_t m = kFirstMonth; m <= kLastMonth; ++m) {
        const std::size_t i = static_cast<std::size_t>(m - kFirstMonth);
        entries.push_back({m, 1, kSubtract, 1450.00, Rent, "Parkview Apartments", kRentMemos[i], true});
        entries.push_back({m, 2, kAdd, 2135.40, Income, "Acme Manufacturing", "Paycheck"});
        entries.push_back({m, 5, kSubtract, 640.00, Childcare, "Little Sprouts Daycare", "Monthly tuition", true});
        entries.push_back({m, 8, kSubtract, kElectric[i], Bills, "City Power & Light", "Electric bill", true});
        entries.push_back({m, 12, kSubtract, 60.00, CashWithdrawals, "ATM Main Street", "Cash for wallet"});
        entries.push_back({m, 16, kAdd, 2135.40, Income, "Acme Manufacturing", "Paycheck"});
        entries.push_back({m, 18, kSubtract, 64.99, Bills, "Northwind Wireless", "Phone bill", true});
        entries.push_back({m, 20, kSubtract, 300.00, None, "Transfer to Savings", "Monthly savings"});
        entries.push_back({m, 22, kSubtract, kCardPayment[i], None, "First National Card", "Visa payment", true});
        entries.push_back({m, 25, kSubtract, 389.50, Automobile, "Lakeside Auto Finance", "Car loan payment", true});
    }
    entries.push_back({1, 27, kSubtract, 58.20, Bills, "Springfield Water Dept", "Water and sewer", true});
    entries.push_back({2, 3, kAdd, 100.00, Gifts, "Grandma Rose", "Birthday gift"});
    entries.push_back({2, 14, kSubtract, 210.00, Insurance, "Lakeside Insurance", "Renters insurance", true});
    entries.push_back({3, 9, kAdd, 412.00, Income, "State Treasury", "Tax refund"});
    entries.push_back({3, 21, kSubtract, 35.00, Healthcare, "Dr. Patel Family Medicine", "Office visit copay", true});
    entries.push_back({4, 2, kSubtract, 50.00, CharitableDonations, "Food Bank of Springfield", "Spring food drive", true});
    entries.push_back({4, 27, kSubtract, 61.45, Bills, "Springfield Water Dept", "Water and sewer", true});
    entries.push_back({5, 18, kSubtract, 325.00, Education, "Springfield Community College", "Summer course", true});
    entries.push_back({6, 6, kSubtract, 148.00, PetCare, "Happy Paws Veterinary", "Annual checkup for Max", true});
    Fill(account, "OPENING BALANCE", 2480.00, std::move(entries), 101);
    return account;
}

Account MakeSavings() {
    Account account = NewAccount(AccountTypeBank, "Savings", "Emergency fund", "2290-4471-16", kBankContact);
    std::vector<Entry> entries;
    for (std::int32_t m = kFirstMonth; m <= kLastMonth; ++m) {
        const std::size_t i = static_cast<std::size_t>(m - kFirstMonth);
        entries.push_back({m, 20, kAdd, 300.00, None, "Transfer from Checking", "Monthly savings"});
        entries.push_back({m, LastDay(m), kAdd, kSavingsInterest[i], Income, "Riverside Community Bank", "Interest"});
    }
    entries.push_back({5, 30, kSubtract, 600.00, Vacation, "Sunny Travel Agency", "Deposit for lake cabin"});
    Fill(account, "OPENING BALANCE", 5000.00, std::move(entries));
    return account;
}

Account MakeVisa() {
    Account account = NewAccount(AccountTypeCredit, "Visa", "Rewards card", "XXXX-XXXX-XXXX-4821",
                                 "First National Card Services\r\nP.O. Box 4410, Wilmington DE\r\n1-800-555-0142",
                                 5000.00);
    std::vector<Entry> entries;
    for (std::int32_t m = kFirstMonth; m <= kLastMonth; ++m) {
        const std::size_t i = static_cast<std::size_t>(m - kFirstMonth);
        entries.push_back({m, 3, kAdd, 15.99, Entertainment, "StreamFlix", "Monthly subscription"});
        entries.push_back({m, 6, kAdd, kGas[2 * i], Automobile, "Shell", "Gas"});
        entries.push_back({m, 21, kAdd, kGas[2 * i + 1], Automobile, "Shell", "Gas"});
        entries.push_back({m, 24, kSubtract, kCardPayment[i], None, "First National Card", "Payment - thank you"});
    }
    entries.push_back({1, 10, kAdd, 68.40, DiningOut, "Luigi's Trattoria", "Dinner with the Hendersons"});
    entries.push_back({1, 17, kAdd, 112.35, Household, "Home Depot", "Shelves for the garage"});
    entries.push_back({2, 13, kAdd, 94.20, DiningOut, "Blue Harbor Grill", "Valentine's dinner"});
    entries.push_back({2, 19, kAdd, 23.48, PersonalCare, "CVS Pharmacy", "Shampoo and toothpaste"});
    entries.push_back({3, 7, kAdd, 86.97, Clothing, "Old Navy", "Spring clothes for kids"});
    entries.push_back({3, 28, kAdd, 42.00, Entertainment, "Springfield Cinema", "Movie night"});
    entries.push_back({4, 11, kAdd, 37.62, DiningOut, "Taco Fiesta", "Lunch with coworkers"});
    entries.push_back({4, 19, kAdd, 54.99, Household, "Target", "Bath towels"});
    entries.push_back({5, 9, kAdd, 65.00, Gifts, "Petals Flower Shop", "Mother's Day flowers"});
    entries.push_back({5, 23, kAdd, 29.99, PetCare, "Pet Supplies Plus", "Dog food"});
    entries.push_back({6, 13, kAdd, 120.00, Entertainment, "Springfield Zoo", "Family membership"});
    entries.push_back({6, 27, kAdd, 45.50, PersonalCare, "Great Clips", "Haircuts"});
    Fill(account, "OPENING BALANCE", 350.00, std::move(entries));
    return account;
}

Account MakeGroceriesBudget() {
    Account account = NewAccount(AccountTypeBudget, "Groceries Budget", "Food for the household");
    static constexpr std::string_view kStores[] = {"Fresh Market", "Save-A-Lot", "Fresh Market", "Farmers Market"};
    static constexpr double kSpends[] = {96.42, 71.18, 88.65, 34.50, 102.37, 64.90, 91.23, 28.75};
    std::vector<Entry> entries;
    for (std::int32_t m = kFirstMonth + 1; m <= kLastMonth; ++m)
        entries.push_back({m, 1, kAdd, 400.00, None, "Monthly budget", "Budget for the month"});
    // Saturday shopping, every week from 3 January.
    std::int32_t month = 1, day = 3;
    for (std::size_t week = 0; month <= kLastMonth; ++week) {
        entries.push_back({month, day, kSubtract, kSpends[week % 8], Groceries, kStores[week % 4], "Weekly groceries"});
        day += 7;
        if (day > LastDay(month)) day -= LastDay(month++);
    }
    Fill(account, "BUDGET AMOUNT", 400.00, std::move(entries));
    return account;
}

Account MakeWallet() {
    Account account = NewAccount(AccountTypeCash, "Wallet", "Pocket money");
    static constexpr double kCoffee[] = {4.25, 5.10, 4.25, 3.95, 4.75, 4.25};
    std::vector<Entry> entries;
    for (std::int32_t m = kFirstMonth; m <= kLastMonth; ++m) {
        const std::size_t i = static_cast<std::size_t>(m - kFirstMonth);
        entries.push_back({m, 12, kAdd, 60.00, CashWithdrawals, "ATM Main Street", "Cash from Checking"});
        entries.push_back({m, 8, kSubtract, 8.50, DiningOut, "Lunch Truck", "Burrito"});
        entries.push_back({m, 4, kSubtract, kCoffee[i], DiningOut, "Corner Coffee", "Latte"});
        entries.push_back({m, 14, kSubtract, 6.00, Automobile, "City Parking", "Downtown meter"});
        entries.push_back({m, 19, kSubtract, kCoffee[(i + 3) % 6], DiningOut, "Corner Coffee", "Coffee and muffin"});
        entries.push_back({m, 26, kSubtract, 20.00, Childcare, "Babysitter", "Saturday evening"});
    }
    entries.push_back({2, 7, kSubtract, 12.00, CharitableDonations, "Girl Scouts", "Cookies"});
    entries.push_back({4, 25, kSubtract, 18.50, Groceries, "Farmers Market", "Strawberries and honey"});
    entries.push_back({6, 20, kSubtract, 8.00, Entertainment, "Springfield Fair", "Admission"});
    Fill(account, "OPENING CASH AMOUNT", 80.00, std::move(entries));
    return account;
}

Account MakeCarLoan() {
    Account account = NewAccount(AccountTypeOther, "Car Loan", "Five-year auto loan", "AL-77120394",
                                 "Lakeside Auto Finance\r\n88 Harbor Road, Springfield\r\n(555) 010-7788");
    std::vector<Entry> entries;
    for (std::int32_t m = kFirstMonth; m <= kLastMonth; ++m) {
        const std::size_t i = static_cast<std::size_t>(m - kFirstMonth);
        entries.push_back({m, 25, kAdd, kLoanInterest[i], Automobile, "Lakeside Auto Finance", "Interest"});
        entries.push_back({m, 25, kSubtract, 389.50, Automobile, "Lakeside Auto Finance", "Monthly payment"});
    }
    Fill(account, "OPENING BALANCE", 18650.00, std::move(entries));
    return account;
}

BillDeposit MakeBillDeposit(std::int32_t kind, double amount, std::int32_t month, std::int32_t day,
                            std::int32_t year, std::int32_t category, std::string_view payee, std::string_view memo,
                            std::int32_t occurrence, std::int32_t account) {
    CheckDateAndAmount(year, month, day, amount, memo);
    return BillDeposit{.kind = kind, .amount = amount, .month = month, .day = day, .year = year,
                       .category = category, .number = 0, .payee = Text<31>(payee), .memo = Text<31>(memo),
                       .occurrence = occurrence, .account = account};
}

void AddDefaultCategories(Document& document) {
    for (std::string_view name : kDefaultCategories) document.AddCategory(Text<31>(name));
}

Document MakeExample() {
    Document document;
    AddDefaultCategories(document);
    document.AddAccount(MakeChecking());
    document.AddAccount(MakeSavings());
    document.AddAccount(MakeVisa());
    document.AddAccount(MakeGroceriesBudget());
    document.AddAccount(MakeWallet());
    document.AddAccount(MakeCarLoan());
    const BillDeposit billDeposits[] = {
        MakeBillDeposit(BillKind, 1450.00, 12, 1, 2026, Rent, "Parkview Apartments", "Rent", OccurrenceMonthly, Checking),
        MakeBillDeposit(DepositKind, 2135.40, 11, 27, 2026, Income, "Acme Manufacturing", "Paycheck",
                        OccurrenceEveryOtherWeek, Checking),
        MakeBillDeposit(BillKind, 640.00, 12, 5, 2026, Childcare, "Little Sprouts Daycare", "Monthly tuition",
                        OccurrenceMonthly, Checking),
        MakeBillDeposit(BillKind, 115.00, 12, 8, 2026, Bills, "City Power & Light", "Electric bill",
                        OccurrenceMonthly, Checking),
        MakeBillDeposit(BillKind, 64.99, 12, 18, 2026, Bills, "Northwind Wireless", "Phone bill", OccurrenceMonthly,
                        Checking),
        MakeBillDeposit(BillKind, 210.00, 2, 14, 2027, Insurance, "Lakeside Insurance", "Renters insurance",
                        OccurrenceOnce, Checking),
        MakeBillDeposit(DepositKind, 412.00, 2, 26, 2027, Income, "State Treasury", "Tax refund", OccurrenceOnce,
                        Checking),
        MakeBillDeposit(DepositKind, 4.40, 12, 31, 2026, Income, "Riverside Community Bank", "Interest",
                        OccurrenceMonthly, Savings),
        MakeBillDeposit(BillKind, 15.99, 12, 3, 2026, Entertainment, "StreamFlix", "Monthly subscription",
                        OccurrenceMonthly, Visa),
        MakeBillDeposit(BillKind, 95.00, 11, 28, 2026, Groceries, "Fresh Market", "Weekly groceries",
                        OccurrenceWeekly, GroceriesBudget),
        MakeBillDeposit(BillKind, 4.25, 12, 1, 2026, DiningOut, "Corner Coffee", "Morning coffee", OccurrenceDaily,
                        Wallet),
        MakeBillDeposit(BillKind, 389.50, 12, 25, 2026, Automobile, "Lakeside Auto Finance", "Monthly payment",
                        OccurrenceMonthly, CarLoan),
    };
    for (const BillDeposit& b : billDeposits) document.AddBillDeposit(b);
    return document;
}

// The fuzzer's seeds: each a valid file that takes the loader down one more path.
void WriteCorpus(const std::string& folder) {
    const auto save = [&folder](const Document& document, const char* name) {
        const std::string path = folder + "/" + name;
        if (!document.Save(path)) Fail("cannot write", path);
    };
    save(Document(), "empty.pwf");

    Document categories;
    AddDefaultCategories(categories);
    save(categories, "categories.pwf");

    Document accounts;
    accounts.AddCategory(Text<31>("None"));
    accounts.AddCategory(Text<31>("Income"));
    const std::int32_t types[] = {AccountTypeBank, AccountTypeCredit, AccountTypeBudget, AccountTypeCash,
                                  AccountTypeOther};
    for (std::int32_t type : types) {
        Account account = HasAccountDetails(type)
                              ? NewAccount(type, "Account", "Two entries", "12-345", "Bank\r\n(555) 010-0000",
                                           HasCreditLimit(type) ? 1000.00 : 0.0)
                              : NewAccount(type, "Account", "Two entries");
        account.AddTransaction(MakeTransaction(kAdd, 100.00, 1, 1, kYear, None, 0, "", "OPENING BALANCE"));
        account.AddTransaction(MakeTransaction(kSubtract, 12.34, 2, 28, kYear, 1, 7, "Store", "Things"));
        accounts.AddAccount(std::move(account));
    }
    save(accounts, "accounts.pwf");

    Document bills;
    bills.AddCategory(Text<31>("None"));
    bills.AddCategory(Text<31>("Bills"));
    bills.AddAccount(NewAccount(AccountTypeCash, "Cash", ""));
    for (std::int32_t occurrence = OccurrenceOnce; occurrence <= OccurrenceMonthly; ++occurrence)
        bills.AddBillDeposit(MakeBillDeposit(occurrence % 2 == 0 ? BillKind : DepositKind, 10.00 + occurrence, 12,
                                             1 + occurrence, 2026, 1, "Payee", "Memo", occurrence, 0));
    save(bills, "bills.pwf");

    Document password;
    password.password = Text<31>("secret");
    save(password, "password.pwf");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--corpus") {
        WriteCorpus(argv[2]);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: make_example FILE\n       make_example --corpus FOLDER\n");
        return 2;
    }
    if (!MakeExample().Save(argv[1])) Fail("cannot write", argv[1]);
    return 0;
}
