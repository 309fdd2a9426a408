// libFuzzer target for the QIF reader: ReadQifStatement over the input bytes
// in each order, its statement checked as statement_checks.h says, and
// ReadQifDate over the same bytes. Besides, it checks that:
// - only a call without an order reports an ambiguous date, and that date
//   reads as two different dates;
// - a date that ReadQifDate accepts is one a transaction can have.

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/statements/qif_reader.h"
#include "statement_checks.h"

namespace {

constexpr const char* kFuzzer = "qif_reader_fuzzer";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (std::optional<DateOrder> order :
         {std::optional<DateOrder>(), std::optional(DateOrder::MonthDayYear), std::optional(DateOrder::DayMonthYear)}) {
        const QifRead read = ReadQifStatement(bytes, order);
        CheckStatement(read.statement, kFuzzer);
        if (read.ambiguousDate.empty()) continue;
        Check(!order, kFuzzer, "an ambiguous date reported although the order was given");
        const std::optional<Date> monthFirst = ReadQifDate(read.ambiguousDate, DateOrder::MonthDayYear),
                                  dayFirst = ReadQifDate(read.ambiguousDate, DateOrder::DayMonthYear);
        Check(monthFirst && dayFirst && *monthFirst != *dayFirst, kFuzzer, "the ambiguous date reads one way");
    }
    for (DateOrder order : {DateOrder::MonthDayYear, DateOrder::DayMonthYear})
        if (const std::optional<Date> date = ReadQifDate(bytes.substr(0, 64), order))
            Check(IsStatementDate(*date), kFuzzer, "ReadQifDate gave a date a transaction cannot have");
    return 0;
}
