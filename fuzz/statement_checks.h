#pragma once
// What every statement reader promises of what it gives, checked by the
// readers' fuzzers: a date a transaction can have, texts that fit their
// fields and hold no zero byte, an amount ParseAmountCents can give, and a
// bank id of at most 255 bytes.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/statements/statement.h"
#include "model/statements/statement_text.h"

inline void Check(bool condition, const char* fuzzer, const char* broken) {
    if (condition) return;
    std::fprintf(stderr, "%s: %s\n", fuzzer, broken);
    std::abort();  // libFuzzer reports it as a crash and keeps the input
}

inline bool FitsField(const std::string& text) {
    return text.size() <= kStatementTextCapacity && text.find('\0') == std::string::npos;
}

inline void CheckStatement(const Statement& statement, const char* fuzzer) {
    constexpr std::int64_t kLargest = 1'000'000'000'000'000;
    Check(statement.unreadableLines >= 0, fuzzer, "a negative count of unreadable lines");
    for (const StatementLine& line : statement.lines) {
        Check(IsStatementDate(line.date), fuzzer, "a line's date is not one a transaction can have");
        Check(line.cents >= -kLargest && line.cents <= kLargest, fuzzer, "an amount beyond the largest");
        Check(FitsField(line.payee) && FitsField(line.memo) && FitsField(line.category), fuzzer,
              "a text does not fit its field");
        Check(line.number >= 0, fuzzer, "a negative cheque number");
        Check(line.bankId.size() <= 255, fuzzer, "a bank id over 255 bytes");
    }
    if (statement.ledgerBalance) Check(IsStatementDate(statement.ledgerBalance->date), fuzzer, "a balance's date");
}
