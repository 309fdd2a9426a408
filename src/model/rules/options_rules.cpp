#include "model/rules/options_rules.h"

#include <charconv>

#include "model/dates.h"
#include "model/messages.h"

RuleOutcome ApplyOptions(const OptionsFields& fields, int copiesBox, Options& options) {
    const std::string& text = fields.copiesText;
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    std::int32_t count = 0;
    const char* begin = first == std::string::npos ? text.data() : text.data() + first;
    const char* end = first == std::string::npos ? begin : text.data() + last + 1;
    const auto [stop, error] = std::from_chars(begin, end, count);
    if (begin == end || error != std::errc() || stop != end || count < 1 || count > kMostDatedCopies)
        return Refused(kInvalidCopiesToKeep, copiesBox);
    options.dateFormat = fields.american ? kDateFormatAmerican : kDateFormatEuropean;
    options.datedCopies.keep = fields.keepCopies;
    options.datedCopies.count = count;
    const bool blank = fields.folder.find_first_not_of(' ') == std::string::npos;
    options.datedCopies.folder = blank ? std::string() : fields.folder;
    return Accepted();
}
