#pragma once
// What the Options dialog's OK checks and sets: the date order and the
// dated copies kept at every save.

#include <cstdint>
#include <string>

#include "model/file/dated_copies.h"
#include "model/rule_outcome.h"

struct Options {
    std::int32_t dateFormat = 0;
    DatedCopySettings datedCopies;
};

// The dialog's boxes as typed.
struct OptionsFields {
    bool american = true;
    bool keepCopies = true;
    std::string copiesText;  // "Copies to keep"
    std::string folder;      // blank: Backups beside the data file
};

// Sets `options` from the fields and ends the dialog, or refuses a number of
// copies that is not a whole number from 1 to 999 (the box `copiesBox`
// gets the focus), changing nothing. Only blanks in the folder mean the
// default folder.
RuleOutcome ApplyOptions(const OptionsFields& fields, int copiesBox, Options& options);
