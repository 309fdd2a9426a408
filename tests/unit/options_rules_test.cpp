#include "model/rules/options_rules.h"
#include "test_files.h"

namespace {
constexpr int kCopiesBox = 1181;
}

TEST(OptionsRules, CopiesToKeepFromOneTo999) {
    struct Case {
        const char* copies;
        bool accepted;
        std::int32_t count;
    };
    const Case cases[] = {
        {"1", true, 1},     {"999", true, 999}, {" 25 ", true, 25}, {"0", false, 0},  {"1000", false, 0},
        {"", false, 0},     {"  ", false, 0},   {"-3", false, 0},   {"12a", false, 0}, {"99999999999", false, 0},
    };
    for (const Case& c : cases) {
        Options options{kDateFormatEuropean, {true, 10, "D:\\Old"}};
        const RuleOutcome outcome = ApplyOptions({true, false, c.copies, "E:\\Copies"}, kCopiesBox, options);
        if (c.accepted) {
            EXPECT_EQ(outcome, Ends(DialogEnd::Changed)) << c.copies;
            EXPECT_EQ(options.datedCopies.count, c.count);
            EXPECT_EQ(options.dateFormat, kDateFormatAmerican);
            EXPECT_FALSE(options.datedCopies.keep);
            EXPECT_EQ(options.datedCopies.folder, "E:\\Copies");
        } else {
            EXPECT_EQ(outcome, StaysOpen(&kInvalidCopiesToKeep, kCopiesBox)) << c.copies;
            EXPECT_EQ(options.dateFormat, kDateFormatEuropean);  // nothing changed
            EXPECT_EQ(options.datedCopies.folder, "D:\\Old");
        }
    }
}

TEST(OptionsRules, ABlankFolderIsTheOneBesideTheFile) {
    Options options;
    EXPECT_TRUE(ApplyOptions({false, true, "10", "   "}, kCopiesBox, options).Closes());
    EXPECT_EQ(options.datedCopies.folder, "");
    EXPECT_EQ(options.dateFormat, kDateFormatEuropean);
}
