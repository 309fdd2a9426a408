// The HTML pages that stand in for the help file: every context number the
// program asks for opens the page of the topic that the help source numbers so.

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "model/account_types.h"
#include "model/help_topics.h"
#include "model/records.h"

namespace {

// Context number -> topic id, as the help source declares them.
std::map<unsigned, std::string> NumberedTopics() {
    std::ifstream source(PENNYWHIST_HELP_SOURCE);
    std::map<unsigned, std::string> topics;
    std::string line, topic;
    while (std::getline(source, line)) {
        std::istringstream words(line);
        std::string directive;
        words >> directive;
        if (directive == "@topic") words >> topic;
        unsigned context = 0;
        if (directive == "@context" && words >> context) topics[context] = topic;
    }
    return topics;
}

}  // namespace

TEST(HelpPages, EveryContextTheProgramAsksForOpensItsTopicsPage) {
    const std::map<unsigned, std::string> topics = NumberedTopics();
    ASSERT_FALSE(topics.empty()) << PENNYWHIST_HELP_SOURCE;
    for (const HelpPageOfContext& entry : kHelpPages) EXPECT_EQ(topics.at(entry.context), entry.page) << entry.context;
    for (std::int32_t type = AccountTypeBank; type <= AccountTypeOther; ++type)
        for (unsigned context : {TypeInfo(type).newAccountHelpTopic, TypeInfo(type).detailsHelpTopic})
            EXPECT_NE(HelpPage(context), "index") << "type " << type << ", topic " << context;
    EXPECT_EQ(HelpPage(0), "index");  // the contents, also for a number the help has not
    EXPECT_EQ(HelpPage(2), "index");
}
