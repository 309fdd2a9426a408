#include "model/tables/transaction_text.h"

#include <charconv>

#include "model/account_types.h"
#include "model/amounts.h"

std::string_view NumberTextOf(std::int32_t number, NumberText& text) {
    const auto written = std::to_chars(text.data(), text.data() + text.size(), static_cast<std::uint32_t>(number));
    return std::string_view(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
}

std::string NumberTextOf(std::int32_t number) { return std::to_string(static_cast<std::uint32_t>(number)); }

std::string TransactionFieldText(const Document& document, const Account& account, const Transaction& t, int field,
                                 std::int32_t dateFormat) {
    switch (field) {
    case ColumnNumber:
        return NumberTextOf(t.number);
    case ColumnDate:
        return DateText(t.month, t.day, t.year, dateFormat);
    case ColumnType:
        return KindWord(account.type, t.kind);
    case ColumnAmount:
        return AmountText(t.amount);
    case ColumnPayee:
        return std::string(t.payee.view());
    case ColumnCategory: {
        const Text31* category = document.FindCategory(t.category);
        return category != nullptr ? category->c_str() : "";
    }
    case ColumnMemo:
        return std::string(t.memo.view());
    default:
        return "";
    }
}
