// The data file byte for byte: what Save writes, laid out here by hand, and
// what Load takes back from the same bytes.

#include "test_files.h"

namespace {

// Saves `document`, expects exactly the bytes of `expected`, and gives back
// what loading those hand-laid bytes yields (the sample document when refused).
Document SaveCheckAndLoad(const Document& document, const Bytes& expected) {
    ScratchDir dir;
    EXPECT_TRUE(document.Save(dir.File("saved.pwf")));
    EXPECT_EQ(ReadBytes(dir.File("saved.pwf")), expected.data);
    WriteBytes(dir.File("laid.pwf"), expected.data);
    Document loaded = MakeSampleDocument();
    EXPECT_TRUE(loaded.Load(dir.File("laid.pwf")));
    return loaded;
}

}  // namespace

TEST(DataFileLayout, AccountRecordFollowsTheTypeAndKeepsOnlyItsFields) {
    const struct { std::int32_t type; bool details, creditLimit; } cases[] = {
        {AccountTypeBudget, false, false}, {AccountTypeCash, false, false}, {AccountTypeBank, true, false},
        {AccountTypeOther, true, false},   {AccountTypeCredit, true, true}, {7, false, false}, {-1, false, false},
    };
    const Transaction first{1234.5, 0, 3, 7, 2002, 2, 17, "Payee one", "Memo one"};
    const Transaction second{0.01, 3, 12, 31, 1999, -1, -5, "Second", ""};
    for (const auto& c : cases) {
        SCOPED_TRACE("account type " + std::to_string(c.type));
        Account account{c.type, "Longer name first", "A comment", "987-654", "Call 555-0199", 1500.25, {first, second}};
        account.name = "Account name";  // a shorter text over a longer one leaves zeros behind it
        Document document;
        document.AddAccount(account);

        Bytes file;
        file.Header(0, 0, 1).Int32(c.type).Text("Account name", 31).Text("A comment", 31);
        if (c.details) file.Text("987-654", 31).Text("Call 555-0199", 101);
        if (c.creditLimit) file.Double(1500.25);
        file.Int32(2).Record(first).Record(second).Zeros(31);  // no password

        // What the type does not keep comes back empty.
        const Account kept{c.type, "Account name", "A comment", c.details ? "987-654" : "",
                           c.details ? "Call 555-0199" : "", c.creditLimit ? 1500.25 : 0.0, {first, second}};
        EXPECT_EQ(SaveCheckAndLoad(document, file).accounts, std::vector{kept});
    }
}

TEST(DataFileLayout, BillDepositRecordStartsWithOccurrenceAndAccount) {
    Document document;
    document.AddCategory("None");
    document.AddBillDeposit(
        {DepositKind, 987.65, 11, 30, 2025, 8, 4242, "Employer", "Salary", OccurrenceEveryOtherWeek, 2});
    document.password = "pw";

    Bytes file;
    file.Header(1, 1, 0).Text("None", 31);
    file.Int32(OccurrenceEveryOtherWeek).Int32(2).Int32(DepositKind).Double(987.65);
    file.Int32(11).Int32(30).Int32(2025).Int32(8).Int32(4242).Text("Employer", 31).Text("Salary", 31);
    file.Text("pw", 31);
    EXPECT_EQ(SaveCheckAndLoad(document, file), document);
}

TEST(DataFileLayout, TextWithoutTerminatorIsTakenWithItsLastByteZero) {
    const std::string a(31, 'a'), b(31, 'b'), m(31, 'm'), n(31, 'n'), p(31, 'p'), q(31, 'q'), c(101, 'c');
    Bytes file;
    file.Header(1, 1, 1).Text(a, 31);
    file.Int32(0).Int32(0).Int32(0).Double(1.0).Int32(1).Int32(1).Int32(2020).Int32(0).Int32(0).Text(b, 31).Text(m, 31);
    file.Int32(AccountTypeBank).Text(n, 31).Text(p, 31).Text(q, 31).Text(c, 101).Int32(1);
    file.Int32(0).Double(5.0).Int32(1).Int32(2).Int32(2020).Int32(0).Int32(0).Text(a, 31).Text(b, 31);
    file.Text(p, 31);  // password

    ScratchDir dir;
    WriteBytes(dir.File("unterminated.pwf"), file.data);
    Document loaded;
    ASSERT_TRUE(loaded.Load(dir.File("unterminated.pwf")));
    const BillDeposit& bill = loaded.GetBillDeposit(0);
    const Account& account = loaded.GetAccount(0);
    const Transaction& t = account.GetTransaction(0);
    const std::pair<const Text31*, char> fields[] = {
        {&loaded.GetCategory(0), 'a'}, {&bill.payee, 'b'}, {&bill.memo, 'm'}, {&account.name, 'n'},
        {&account.comment, 'p'},       {&account.accountNumber, 'q'}, {&t.payee, 'a'}, {&t.memo, 'b'},
        {&loaded.password, 'p'}};
    for (const auto& [field, letter] : fields) EXPECT_EQ(field->view(), std::string(30, letter));
    EXPECT_EQ(account.contactInfo.view(), std::string(100, 'c'));
}
