#include <limits>

#include "model/rules/bill_rules.h"
#include "model/file/new_file.h"
#include "test_files.h"

namespace {

constexpr Date kToday{2026, 3, 14};
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

BillDeposit Due(std::int32_t occurrence, Date due) {
    return {BillKind, 10.0, due.month, due.day, due.year, 0, 0, "", "", occurrence, 0};
}

Date Advanced(std::int32_t occurrence, Date from) {
    BillDeposit bill = Due(occurrence, from);
    AdvanceDueDate(bill);
    return {bill.year, bill.month, bill.day};
}

BillFields Filled(const char* amount, std::int32_t account = 1) {
    return {amount, DepositKind, OccurrenceWeekly, {2026, 4, 1}, 2, account, "Employer", "Pay"};
}

}  // namespace

TEST(BillRules, DueDatesStepIntoTheNextMonthAndYearAndDatesNoCalendarHasStepWithoutFailing) {
    const struct { std::int32_t occurrence; Date from, to; } cases[] = {
        {OccurrenceDaily, {2003, 12, 31}, {2004, 1, 1}},     {OccurrenceDaily, {2004, 2, 28}, {2004, 2, 29}},
        {OccurrenceDaily, {2003, 2, 28}, {2003, 3, 1}},      {OccurrenceDaily, {2000, 2, 28}, {2000, 2, 29}},
        {OccurrenceDaily, {2100, 2, 28}, {2100, 3, 1}},      {OccurrenceWeekly, {2004, 1, 25}, {2004, 2, 1}},
        {OccurrenceWeekly, {2004, 2, 26}, {2004, 3, 4}},     {OccurrenceEveryOtherWeek, {2003, 12, 20}, {2004, 1, 3}},
        {OccurrenceMonthly, {2003, 12, 15}, {2004, 1, 15}},  {OccurrenceMonthly, {2004, 4, 30}, {2004, 5, 30}},
        // A 31 January stays on the shorter months' last day from then on.
        {OccurrenceMonthly, {2003, 1, 31}, {2003, 2, 28}},   {OccurrenceMonthly, {2003, 2, 28}, {2003, 3, 28}},
        {OccurrenceMonthly, {2004, 1, 31}, {2004, 2, 29}},   {OccurrenceMonthly, {2004, 3, 31}, {2004, 4, 30}},
        {9, {2004, 1, 31}, {2004, 2, 29}},                   {-1, {2003, 12, 15}, {2004, 1, 15}},
        {OccurrenceOnce, {2003, 12, 31}, {2003, 12, 31}},
        // Dates no calendar has.
        {OccurrenceDaily, {2003, 13, 31}, {2004, 1, 1}},     {OccurrenceMonthly, {2003, 0, 40}, {2003, 1, 31}},
        {OccurrenceDaily, {2003, 1, 0}, {2003, 1, 1}},       {OccurrenceDaily, {2003, 1, kMax}, {2003, 2, kMax - 30}},
        {OccurrenceEveryOtherWeek, {2003, kMax, kMax}, {2004, 1, kMax - 17}},
        {OccurrenceMonthly, {2003, kMax, kMax}, {2004, 1, 31}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Advanced(c.occurrence, c.from), c.to)
            << c.occurrence << ' ' << c.from.year << '-' << c.from.month << '-' << c.from.day;
    }
    EXPECT_EQ(Advanced(OccurrenceMonthly, {kMax, 12, 1}).month, 1);  // the year has nowhere to go
}

TEST(BillRules, BillsAreChargesOnlyInCreditAccounts) {
    const struct { std::int32_t type, bill, deposit; } cases[] = {
        {AccountTypeBank, 1, 0},  {AccountTypeCredit, 0, 1}, {AccountTypeBudget, 1, 0},
        {AccountTypeCash, 1, 0},  {AccountTypeOther, 1, 0},  {77, 1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProcessedKind(c.type, BillKind), c.bill) << c.type;
        for (std::int32_t deposit : {1, 5, -1}) EXPECT_EQ(ProcessedKind(c.type, deposit), c.deposit) << c.type;
    }
}

TEST(BillRules, ProcessingNumbersFromTheItemsOwnAccountAndAppendsToTheChosenOne) {
    Document document = MakeSampleDocument();  // Checking's last number is 1001; the item is scheduled for it
    const BillDeposit bill = document.GetBillDeposit(0);
    ProcessFields fields = ProcessBillFields(document, bill);
    EXPECT_EQ(std::tie(fields.amount, fields.date, fields.category, fields.number, fields.payee, fields.memo,
                       fields.account),
              std::tuple("850.00", Date{2026, 2, 1}, 3, "1002", "Landlord", "February", 0));
    for (std::int32_t missing : {-1, 3}) {
        BillDeposit elsewhere = bill;
        elsewhere.account = missing;
        const ProcessFields opened = ProcessBillFields(document, elsewhere);
        EXPECT_EQ(std::tie(opened.number, opened.account), std::tuple("1", -1)) << missing;
    }

    // Into the Visa account instead: a charge there, with the number preset from Checking.
    const Document before = document;
    fields.account = 1;
    fields.category = -1;
    fields.payee = std::string(40, 'p');
    EXPECT_EQ(ProcessBillDeposit(document, bill, fields), Ends(DialogEnd::Changed));
    ASSERT_EQ(document.GetAccount(1).TransactionCount(), 2);
    const Transaction made = document.GetAccount(1).transactions.back();
    EXPECT_EQ(made, (Transaction{850.0, 0, 2, 1, 2026, -1, 1002, Text31(std::string(30, 'p')), "February"}));
    EXPECT_EQ(document.billDeposits, before.billDeposits);
    EXPECT_EQ(document.GetAccount(0), before.GetAccount(0));

    // A refused amount or no account chosen change nothing.
    const Document processed = document;
    fields.amount = "85$";
    EXPECT_EQ(ProcessBillDeposit(document, bill, fields), StaysOpen(&kInvalidAmount, IDC_BILL_AMOUNT));
    fields.amount = "850";
    for (std::int32_t missing : {-1, 3}) {
        fields.account = missing;
        EXPECT_EQ(ProcessBillDeposit(document, bill, fields), StaysOpen(&kNoAccountSelected)) << missing;
    }
    EXPECT_EQ(document, processed);
}

TEST(BillRules, ListCellsShowTheDateKindAmountPayeeAndStatus) {
    const std::pair<Date, const char*> statuses[] = {
        {kToday, "Due"}, {{2026, 3, 13}, "Overdue"}, {{2026, 3, 15}, "Pending"}, {{2025, 12, 31}, "Overdue"}};
    for (auto [due, status] : statuses)
        EXPECT_EQ(BillCellText(Due(OccurrenceOnce, due), BillColumnStatus, kToday, 0), status) << status;

    const BillDeposit bill{7, 1234.5, 3, 4, 2003, 0, 0, "Employer", "", OccurrenceOnce, 0};
    EXPECT_EQ(BillCellText(bill, BillColumnDueDate, kToday, kDateFormatAmerican), "03/04/2003");
    EXPECT_EQ(BillCellText(bill, BillColumnDueDate, kToday, kDateFormatEuropean), "04/03/2003");
    EXPECT_EQ(BillCellText(bill, BillColumnType, kToday, 0), "Deposit");  // any nonzero kind
    EXPECT_EQ(BillCellText(Due(OccurrenceOnce, kToday), BillColumnType, kToday, 0), "Bill");
    EXPECT_EQ(BillCellText(bill, BillColumnAmount, kToday, 0), "1234.50");
    EXPECT_EQ(BillCellText(bill, BillColumnPayee, kToday, 0), "Employer");
    EXPECT_FALSE(CanScheduleBillDeposits(Document{}));
    EXPECT_TRUE(CanScheduleBillDeposits(MakeSampleDocument()));
}

TEST(BillRules, EditorsReadMonthlyWithoutACheckedOccurrenceAndButtonsNeedAnItem) {
    for (int button : {0, 3, 4}) EXPECT_EQ(CheckedOccurrence(button), button);
    for (int none : {-1, 5}) EXPECT_EQ(CheckedOccurrence(none), OccurrenceMonthly) << none;
    Document document;
    EXPECT_FALSE(BillButtonsEnabled(document));
    document.AddBillDeposit(BillDeposit{});
    EXPECT_TRUE(BillButtonsEnabled(document));
}

TEST(BillRules, NewOpensWithTheCurrentOrFirstAccountAndEditWithTheItemMappingOutOfRangeValues) {
    const Document document = MakeSampleDocument();
    BillFields fields = NewBillFields(document, 2, kToday);
    EXPECT_EQ(std::tie(fields.amount, fields.kind, fields.occurrence, fields.dueDate, fields.category, fields.account,
                       fields.payee, fields.memo),
              std::tuple("", BillKind, OccurrenceOnce, kToday, 0, 2, "", ""));
    for (std::int32_t current : {-1, 3}) EXPECT_EQ(NewBillFields(document, current, kToday).account, 0) << current;
    const BillFields empty = NewBillFields(Document{}, 0, kToday);
    EXPECT_EQ(std::tie(empty.category, empty.account), std::tuple(-1, -1));

    BillDeposit bill{5, 1234.5, 3, 4, 2003, 2, 0, "Employer", "Pay", 7, 2};
    fields = EditBillFields(document, bill);
    EXPECT_EQ(std::tie(fields.amount, fields.kind, fields.occurrence, fields.dueDate, fields.category, fields.account,
                       fields.payee, fields.memo),
              std::tuple("1234.50", 1, OccurrenceMonthly, Date{2003, 3, 4}, 2, 2, "Employer", "Pay"));
    for (std::int32_t occurrence : {0, 3}) {
        bill.occurrence = occurrence;
        EXPECT_EQ(EditBillFields(document, bill).occurrence, occurrence);
    }
    bill.category = 4;
    bill.account = -1;
    fields = EditBillFields(document, bill);
    EXPECT_EQ(std::tie(fields.category, fields.account), std::tuple(-1, -1));
    // A due date no calendar has, as a file can hold it: the month's last day, not the picker's today.
    bill.month = 2;
    bill.day = 31;
    bill.year = 2024;
    EXPECT_EQ(EditBillFields(document, bill).dueDate, (Date{2024, 2, 29}));
    EXPECT_EQ(ProcessBillFields(document, bill).date, (Date{2024, 2, 29}));
}

TEST(BillRules, OkInNewAppendsAndInEditOverwritesInPlace) {
    Document document = MakeSampleDocument();  // one item
    for (int added = 0; added < 2; ++added)
        EXPECT_EQ(AddBillDepositFromFields(document, Filled("1,234.5")), Ends(DialogEnd::Changed));
    ASSERT_EQ(document.BillDepositCount(), 3);
    EXPECT_EQ(document.GetBillDeposit(2),
              (BillDeposit{DepositKind, 1234.5, 4, 1, 2026, 2, 0, "Employer", "Pay", OccurrenceWeekly, 1}));

    BillFields fields = EditBillFields(document, {9, 5.0, 1, 2, 2027, 1, 44, "", "", 7, 2});
    fields.kind = 3;
    fields.payee = std::string(40, 'x');
    const BillDeposit first = document.GetBillDeposit(0), last = document.GetBillDeposit(2);
    EXPECT_EQ(ReplaceBillDepositFromFields(document, 1, fields), Ends(DialogEnd::Changed));
    EXPECT_EQ(document.BillDepositCount(), 3);
    EXPECT_EQ(document.GetBillDeposit(1),
              (BillDeposit{DepositKind, 5.0, 1, 2, 2027, 1, 0, Text31(std::string(30, 'x')), "", OccurrenceMonthly, 2}));
    EXPECT_EQ(std::tie(document.GetBillDeposit(0), document.GetBillDeposit(2)), std::tie(first, last));

    const Document before = document;
    const RuleOutcome refusal = StaysOpen(&kInvalidAmount, IDC_BILL_AMOUNT);
    EXPECT_EQ(AddBillDepositFromFields(document, Filled("-5")), refusal);
    EXPECT_EQ(ReplaceBillDepositFromFields(document, 0, Filled("12$")), refusal);
    for (std::int32_t account : {-1, 3}) {
        EXPECT_EQ(AddBillDepositFromFields(document, Filled("5", account)), StaysOpen(&kNoAccountSelected));
        EXPECT_EQ(ReplaceBillDepositFromFields(document, 0, Filled("5", account)), StaysOpen(&kNoAccountSelected));
    }
    EXPECT_EQ(document, before);
}

TEST(BillRules, FinishingRemovesOnceItemsAndAdvancesTheOthers) {
    Document document;
    for (std::int32_t occurrence : {OccurrenceOnce, OccurrenceWeekly})
        document.AddBillDeposit(Due(occurrence, {2004, 2, 26}));
    EXPECT_TRUE(FinishProcessing(document, 0));
    ASSERT_EQ(document.BillDepositCount(), 1);
    EXPECT_FALSE(FinishProcessing(document, 0));
    const BillDeposit& weekly = document.GetBillDeposit(0);
    EXPECT_EQ(std::tie(weekly.occurrence, weekly.year, weekly.month, weekly.day),
              std::tuple(OccurrenceWeekly, 2004, 3, 4));
}
