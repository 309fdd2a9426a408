// The data file byte for byte: what Save writes and what Load takes from files
// laid out by hand.

#include <gtest/gtest.h>

#include <string>

#include "model/document.h"
#include "test_files.h"

namespace {

// One 94-byte transaction record.
void LayTransaction(Bytes& bytes, const Transaction& t) {
    bytes.Int32(t.kind).Double(t.amount).Int32(t.month).Int32(t.day).Int32(t.year).Int32(t.category).Int32(t.number);
    bytes.Text(t.payee.view(), 31).Text(t.memo.view(), 31);
}

Document DocumentWithOneCategory() {
    Document document;
    document.AddCategory(Text31("None"));
    return document;
}

}  // namespace

TEST(DataFileLayout, NewFileWithDefaultCategoriesIs708ExactBytes) {
    ScratchDir dir;
    Document document;
    for (const std::string& name : DefaultCategoryNames()) ASSERT_TRUE(document.AddCategory(Text31(name)));
    ASSERT_EQ(document.CategoryCount(), 21);
    ASSERT_TRUE(document.Save(dir.File("new.pwf")));

    Bytes expected;
    expected.Header(21, 0, 0);
    for (const std::string& name : DefaultCategoryNames()) expected.Text(name, 31);
    expected.Zeros(31);  // no password
    ASSERT_EQ(expected.size(), 708u);

    const ByteVector written = ReadBytes(dir.File("new.pwf"));
    ASSERT_EQ(written.size(), 708u);
    EXPECT_EQ(written, expected.data());
}

TEST(DataFileLayout, AccountRecordSizeAndBytesFollowTheType) {
    struct Case {
        std::int32_t type;
        std::uint64_t recordSize;  // head plus two 94-byte transactions
        bool details;
        bool creditLimit;
    };
    const Case cases[] = {
        {AccountTypeBudget, 258, false, false}, {AccountTypeCash, 258, false, false},
        {AccountTypeBank, 390, true, false},    {AccountTypeOther, 390, true, false},
        {AccountTypeCredit, 398, true, true},   {7, 258, false, false},
        {-1, 258, false, false},
    };
    const Transaction first = MakeTransaction(0, 1234.5, 3, 7, 2002, 2, 17, "Payee one", "Memo one");
    const Transaction second = MakeTransaction(1, 0.01, 12, 31, 1999, 0, 0, "Second", "");

    for (const Case& c : cases) {
        SCOPED_TRACE("account type " + std::to_string(c.type));
        ScratchDir dir;
        const Document without = DocumentWithOneCategory();
        ASSERT_TRUE(without.Save(dir.File("without.pwf")));

        Document with = without;
        Account account = MakeAccount(c.type, "Account name", "A comment");
        account.accountNumber.Set("987-654");
        account.contactInfo.Set("Call 555-0199");
        account.creditLimit = 1500.25;
        ASSERT_TRUE(account.AddTransaction(first));
        ASSERT_TRUE(account.AddTransaction(second));
        ASSERT_TRUE(with.AddAccount(account));
        ASSERT_TRUE(with.Save(dir.File("with.pwf")));

        const ByteVector before = ReadBytes(dir.File("without.pwf"));
        const ByteVector after = ReadBytes(dir.File("with.pwf"));
        ASSERT_EQ(before.size(), 26u + 31u + 31u);
        ASSERT_EQ(after.size() - before.size(), c.recordSize);

        Bytes record;
        record.Int32(c.type).Text("Account name", 31).Text("A comment", 31);
        if (c.details) record.Text("987-654", 31).Text("Call 555-0199", 101);
        if (c.creditLimit) record.Double(1500.25);
        record.Int32(2);
        LayTransaction(record, first);
        LayTransaction(record, second);
        ASSERT_EQ(record.size(), c.recordSize);

        const std::size_t offset = 26 + 31;  // after the header and the one category
        const ByteVector stored(after.begin() + offset, after.begin() + offset + record.size());
        EXPECT_EQ(stored, record.data());
        EXPECT_EQ(after[22], 1);  // account count
    }
}

TEST(DataFileLayout, BillDepositRecordIs102BytesOccurrenceAndAccountFirst) {
    ScratchDir dir;
    Document document;
    BillDeposit deposit;
    deposit.occurrence = OccurrenceEveryOtherWeek;
    deposit.account = 2;
    deposit.kind = DepositKind;
    deposit.amount = 987.65;
    deposit.month = 11;
    deposit.day = 30;
    deposit.year = 2025;
    deposit.category = 8;
    deposit.number = 4242;
    deposit.payee.Set("Employer");
    deposit.memo.Set("Salary");
    ASSERT_TRUE(document.AddBillDeposit(deposit));
    document.password.Set("pw");
    ASSERT_TRUE(document.Save(dir.File("bill.pwf")));

    Bytes expected;
    expected.Header(0, 1, 0);
    expected.Int32(3).Int32(2).Int32(1).Double(987.65).Int32(11).Int32(30).Int32(2025).Int32(8).Int32(4242);
    expected.Text("Employer", 31).Text("Salary", 31);
    expected.Text("pw", 31);
    ASSERT_EQ(expected.size(), 26u + 102u + 31u);
    EXPECT_EQ(ReadBytes(dir.File("bill.pwf")), expected.data());
}

TEST(DataFileLayout, LoadsHandMadeFileIntoEveryField) {
    const Transaction cardCharge = MakeTransaction(1, 75.5, 6, 9, 2024, 1, 0, "Hardware", "Drill");
    const Transaction otherEntry = MakeTransaction(0, 10.0, 7, 4, 2024, 5, 3, "Friend", "Loan back");
    const Transaction oddEntry = MakeTransaction(3, 2.25, 8, 1, 2024, -1, 9, "Kiosk", "Paper");

    Bytes file;
    file.Header(2, 1, 4);
    file.Text("None", 31).Text("Household", 31);
    file.Int32(OccurrenceWeekly).Int32(3).Int32(BillKind).Double(49.99).Int32(5).Int32(20).Int32(2024).Int32(1);
    file.Int32(77).Text("Internet", 31).Text("Fibre", 31);
    // Credit: full head with limit.
    file.Int32(AccountTypeCredit).Text("Store card", 31).Text("Closed soon", 31).Text("5500-01", 31);
    file.Text("Store, 555-0142", 101).Double(-300.75).Int32(1);
    LayTransaction(file, cardCharge);
    // Budget: short head, no transactions.
    file.Int32(AccountTypeBudget).Text("Holiday", 31).Text("", 31).Int32(0);
    // Other: details but no limit.
    file.Int32(AccountTypeOther).Text("IOU", 31).Text("Owed", 31).Text("n/a", 31).Text("Ann", 101).Int32(1);
    LayTransaction(file, otherEntry);
    // A type code the program does not know has the short head.
    file.Int32(9).Text("Unknown", 31).Text("Future type", 31).Int32(1);
    LayTransaction(file, oddEntry);
    file.Text("open sesame", 31);

    ScratchDir dir;
    WriteBytes(dir.File("hand.pwf"), file.data());
    Document loaded;
    ASSERT_TRUE(loaded.Load(dir.File("hand.pwf")));

    Document expected;
    expected.password.Set("open sesame");
    expected.AddCategory(Text31("None"));
    expected.AddCategory(Text31("Household"));
    BillDeposit bill;
    bill.occurrence = OccurrenceWeekly;
    bill.account = 3;
    bill.kind = BillKind;
    bill.amount = 49.99;
    bill.month = 5;
    bill.day = 20;
    bill.year = 2024;
    bill.category = 1;
    bill.number = 77;
    bill.payee.Set("Internet");
    bill.memo.Set("Fibre");
    expected.AddBillDeposit(bill);
    Account card = MakeAccount(AccountTypeCredit, "Store card", "Closed soon");
    card.accountNumber.Set("5500-01");
    card.contactInfo.Set("Store, 555-0142");
    card.creditLimit = -300.75;
    card.AddTransaction(cardCharge);
    expected.AddAccount(card);
    expected.AddAccount(MakeAccount(AccountTypeBudget, "Holiday", ""));
    Account other = MakeAccount(AccountTypeOther, "IOU", "Owed");
    other.accountNumber.Set("n/a");
    other.contactInfo.Set("Ann");
    other.AddTransaction(otherEntry);
    expected.AddAccount(other);
    Account odd = MakeAccount(9, "Unknown", "Future type");
    odd.AddTransaction(oddEntry);
    expected.AddAccount(odd);

    EXPECT_EQ(loaded, expected);
    ASSERT_EQ(loaded.AccountCount(), 4);
    EXPECT_EQ(loaded.GetAccount(0).creditLimit, -300.75);
    EXPECT_EQ(loaded.GetAccount(3).GetTransaction(0).category, -1);
}

TEST(DataFileLayout, TextWithoutTerminatorIsTakenWithLastByteZero) {
    const std::string a31(31, 'A'), b31(31, 'B'), c101(101, 'C'), d31(31, 'D');
    Bytes file;
    file.Header(1, 1, 1);
    file.Text(a31, 31);
    file.Int32(0).Int32(0).Int32(0).Double(1.0).Int32(1).Int32(1).Int32(2020).Int32(0).Int32(0);
    file.Text(b31, 31).Text(b31, 31);
    file.Int32(AccountTypeBank).Text(a31, 31).Text(b31, 31).Text(d31, 31).Text(c101, 101).Int32(1);
    file.Int32(0).Double(5.0).Int32(1).Int32(2).Int32(2020).Int32(0).Int32(0).Text(c101.substr(0, 31), 31);
    file.Text(d31, 31);
    file.Text(d31, 31);  // password

    ScratchDir dir;
    WriteBytes(dir.File("unterminated.pwf"), file.data());
    Document loaded;
    ASSERT_TRUE(loaded.Load(dir.File("unterminated.pwf")));

    const std::string a30(30, 'A'), b30(30, 'B'), c100(100, 'C'), d30(30, 'D');
    ASSERT_EQ(loaded.CategoryCount(), 1);
    EXPECT_EQ(loaded.GetCategory(0).view(), a30);
    EXPECT_EQ(loaded.GetCategory(0).bytes[30], '\0');
    EXPECT_EQ(loaded.GetBillDeposit(0).payee.view(), b30);
    EXPECT_EQ(loaded.GetBillDeposit(0).memo.view(), b30);
    const Account& account = loaded.GetAccount(0);
    EXPECT_EQ(account.name.view(), a30);
    EXPECT_EQ(account.comment.view(), b30);
    EXPECT_EQ(account.accountNumber.view(), d30);
    EXPECT_EQ(account.contactInfo.view(), c100);
    EXPECT_EQ(account.contactInfo.bytes[100], '\0');
    EXPECT_EQ(account.GetTransaction(0).payee.view(), std::string(30, 'C'));
    EXPECT_EQ(account.GetTransaction(0).memo.view(), d30);
    EXPECT_EQ(loaded.password.view(), d30);
}
