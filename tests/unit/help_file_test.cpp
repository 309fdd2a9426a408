// The built help file is read back by a reader written here from the file
// format's description, apart from the compiler that wrote it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/account_types.h"
#include "model/help_topics.h"
#include "model/records.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::uint32_t U16(const Bytes& bytes, std::size_t at) { return bytes.at(at) | bytes.at(at + 1) << 8; }
std::uint32_t U32(const Bytes& bytes, std::size_t at) { return U16(bytes, at) | U16(bytes, at + 2) << 16; }

std::string Text(const Bytes& bytes, std::size_t at) {
    std::string text;
    while (bytes.at(at) != 0) text += char(bytes[at++]);
    return text;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// WinHelp's hash of a context string: each character's code is its place
// in this list, letters in either case.
std::int32_t ContextHash(const std::string& context) {
    static const std::string codes = "?1234567890?._???ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::uint32_t hash = 0;
    for (unsigned char c : context) hash = hash * 43 + codes.find(char(std::toupper(c)));
    return std::int32_t(hash);
}

// Calls `entry` with the start of each leaf entry of a B+ tree, in key
// order; it gives back the entry's size.
template <class Entry>
void ForEachLeafEntry(const Bytes& tree, Entry entry) {
    ASSERT_EQ(U16(tree, 0), 0x293Bu);
    const std::size_t pageSize = U16(tree, 4);
    const std::size_t pages = 38;
    std::uint32_t page = U16(tree, 26);
    for (std::uint32_t level = U16(tree, 32); level > 1; --level) page = U16(tree, pages + page * pageSize + 4);
    while (page != 0xFFFF) {
        const std::size_t start = pages + page * pageSize;
        std::size_t at = start + 8;
        for (std::uint32_t n = U16(tree, start + 2); n > 0; --n) at += entry(at);
        page = U16(tree, start + 6);
    }
}

using Topics = std::map<std::uint32_t, std::string>;  // title by TOPICOFFSET, in file order

std::string TitleAt(const Topics& topics, std::uint32_t offset) {
    return topics.contains(offset) ? topics.at(offset) : "(no topic at offset " + std::to_string(offset) + ")";
}

struct HelpFile {
    explicit HelpFile(const char* path) {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        if (bytes.size() < 16) return;
        const Bytes tree = Content(U32(bytes, 4));
        ForEachLeafEntry(tree, [&](std::size_t at) {
            const std::string name = Text(tree, at);
            directory[name] = U32(tree, at + name.size() + 1);
            return name.size() + 5;
        });
    }

    // An internal file, without its 9-byte header.
    Bytes File(const std::string& name) const {
        return directory.contains(name) ? Content(directory.at(name)) : Bytes{};
    }

    // Read along the records of |TOPIC. They run on from one 4 KB block to
    // the next; each block opens with a 12-byte header. A TOPICPOS is the
    // block above 14 bits of offset, plus that header; a TOPICOFFSET the
    // block above 15 bits, plus the characters of the block's text records
    // before the topic.
    Topics ReadTopics() const {
        const Bytes blocks = File("|TOPIC");
        Bytes stream;
        for (std::size_t block = 0; block < blocks.size(); block += 4096) {
            const auto end = blocks.begin() + std::min(block + 4096, blocks.size());
            stream.insert(stream.end(), blocks.begin() + block + 12, end);
        }

        Topics topics;
        std::uint32_t currentBlock = 0, characters = 0;
        for (std::uint32_t position = 12, next;; position = next) {
            const std::uint32_t block = (position - 12) >> 14;
            const std::size_t at = block * (4096 - 12) + ((position - 12) & 0x3FFF);
            next = U32(stream, at + 12);
            if (next == 0xFFFFFFFF) break;  // the last record only ends the list
            if (block != currentBlock) characters = 0;
            currentBlock = block;
            if (stream.at(at + 20) == 0x02) {
                topics[block * 0x8000 + characters] = Text(stream, at + U32(stream, at + 16));
            } else {
                // TopicLength, a compressed number after the compressed TopicSize.
                const std::size_t length = at + 21 + ((stream.at(at + 21) & 1) ? 4 : 2);
                characters += ((stream.at(length) & 1) ? U16(stream, length) : stream[length]) / 2;
            }
            if (next <= position) {
                ADD_FAILURE() << "records go backwards at " << position;
                break;
            }
        }
        return topics;
    }

    Bytes Content(std::uint32_t offset) const {
        const std::uint32_t used = U32(bytes, offset + 4);
        return Bytes(bytes.begin() + offset + 9, bytes.begin() + offset + 9 + used);
    }

    Bytes bytes;
    std::map<std::string, std::uint32_t> directory;  // name and offset of each internal file
};
const HelpFile& Help() {
    static const HelpFile help(PENNYWHIST_HELP_FILE);
    return help;
}

struct SourceTopic {
    std::string id, title;
    unsigned context = 0;
    std::vector<std::string> keywords;
};

// The topics of the help source, in order.
std::vector<SourceTopic> SourceTopics() {
    std::ifstream in(PENNYWHIST_HELP_SOURCE, std::ios::binary);
    std::vector<SourceTopic> topics;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string directive, value;
        words >> directive >> std::ws;
        std::getline(words, value);
        if (!value.empty() && value.back() == '\r') value.pop_back();
        if (directive == "@topic") topics.push_back({value, "", 0, {}});
        if (topics.empty()) continue;
        if (directive == "@title") topics.back().title = value;
        if (directive == "@context") topics.back().context = std::stoul(value);
        std::istringstream list(value);  // "first; second"
        for (std::string keyword; directive == "@keywords" && std::getline(list >> std::ws, keyword, ';');)
            topics.back().keywords.push_back(keyword);
    }
    return topics;
}

}  // namespace

TEST(HelpFile, HeaderAndDirectoryHoldTheInternalFiles) {
    const HelpFile& help = Help();
    ASSERT_GE(help.bytes.size(), 16u) << PENNYWHIST_HELP_FILE;
    EXPECT_EQ(U32(help.bytes, 0), 0x00035F3Fu);
    EXPECT_EQ(U32(help.bytes, 12), help.bytes.size());

    std::set<std::string> names;
    for (const auto& [name, offset] : help.directory) {
        names.insert(name);
        const std::uint32_t reserved = U32(help.bytes, offset), used = U32(help.bytes, offset + 4);
        EXPECT_GE(reserved, used + 9) << name;
        EXPECT_LE(offset + reserved, help.bytes.size()) << name;
    }
    const std::set<std::string> expected = {"|CONTEXT", "|CTXOMAP", "|FONT",  "|KWBTREE", "|KWDATA",
                                            "|KWMAP",   "|SYSTEM",  "|TOPIC", "|TTLBTREE"};
    EXPECT_EQ(names, expected);
}

TEST(HelpFile, SystemNamesTheHelpAndItsFirstTopicAsContents) {
    const Bytes system = Help().File("|SYSTEM");
    ASSERT_GE(system.size(), 12u);
    EXPECT_EQ(U16(system, 0), 0x036Cu);  // magic
    EXPECT_EQ(U16(system, 2), 33u);      // WinHelp 4
    EXPECT_EQ(U16(system, 4), 1u);
    EXPECT_EQ(U16(system, 10), 0u);  // not compressed

    std::map<std::uint32_t, Bytes> records;
    for (std::size_t at = 12; at + 4 <= system.size(); at += 4 + U16(system, at + 2))
        records[U16(system, at)] = Bytes(system.begin() + at + 4, system.begin() + at + 4 + U16(system, at + 2));
    ASSERT_TRUE(records.count(1) && records.count(3));
    EXPECT_EQ(Text(records[1], 0), "Pennywhist Help");
    EXPECT_EQ(TitleAt(Help().ReadTopics(), U32(records[3], 0)), "Pennywhist Help Contents");
}

TEST(HelpFile, FontsIncludeANormalAndABoldOne) {
    const Bytes font = Help().File("|FONT");
    ASSERT_GE(font.size(), 8u);
    const std::uint32_t descriptors = U16(font, 2), start = U16(font, 6);
    std::set<bool> bold;
    for (std::uint32_t n = 0; n < descriptors; ++n) bold.insert(font.at(start + n * 11) & 1);
    EXPECT_EQ(bold, (std::set<bool>{false, true}));
}

// The topics, in file order, have the source's titles; |CONTEXT finds each
// by the hash of its id, |CTXOMAP by its context number, and the keywords
// lead to it. Each lookup gives the title of the topic it leads to.
TEST(HelpFile, EveryTopicOfTheSourceIsFoundByItsIdContextNumberAndKeywords) {
    const HelpFile& help = Help();
    const Topics topics = help.ReadTopics();
    std::map<std::int32_t, std::string> byHash;
    const Bytes context = help.File("|CONTEXT");
    ForEachLeafEntry(context, [&](std::size_t at) {
        byHash[std::int32_t(U32(context, at))] = TitleAt(topics, U32(context, at + 4));
        return std::size_t(8);
    });
    std::map<std::uint32_t, std::string> byContext;
    const Bytes map = help.File("|CTXOMAP");
    for (std::uint32_t n = 0; n < U16(map, 0); ++n)
        byContext[U32(map, 2 + n * 8)] = TitleAt(topics, U32(map, 6 + n * 8));
    std::map<std::string, std::set<std::string>> byKeyword;  // in lower case
    const Bytes tree = help.File("|KWBTREE"), data = help.File("|KWDATA");
    ForEachLeafEntry(tree, [&](std::size_t at) {
        const std::string keyword = Text(tree, at);
        const std::uint32_t count = U16(tree, at + keyword.size() + 1), first = U32(tree, at + keyword.size() + 3);
        for (std::uint32_t n = 0; n < count; ++n)
            byKeyword[Lower(keyword)].insert(TitleAt(topics, U32(data, first + n * 4)));
        return keyword.size() + 7;
    });

    const std::vector<SourceTopic> source = SourceTopics();
    ASSERT_EQ(topics.size(), source.size());
    EXPECT_EQ(byHash.size(), source.size());
    auto inFile = topics.begin();
    for (const SourceTopic& topic : source) {
        SCOPED_TRACE(topic.id);
        EXPECT_EQ((inFile++)->second, topic.title);
        EXPECT_EQ(byHash[ContextHash(topic.id)], topic.title);
        if (topic.context != 0) {
            EXPECT_EQ(byContext[topic.context], topic.title) << "context " << topic.context;
        }
        for (const std::string& keyword : topic.keywords)
            EXPECT_TRUE(byKeyword[Lower(keyword)].count(topic.title)) << keyword;
    }
}

// Where WinHelp is missing, the program shows HTML pages named by the topic
// ids; its table of them must agree with the source's context numbers.
TEST(HelpPages, EveryContextTheProgramAsksForOpensItsTopicsPage) {
    std::map<unsigned, std::string> pageOf;
    for (const SourceTopic& topic : SourceTopics())
        if (topic.context != 0) pageOf[topic.context] = topic.id;
    for (const HelpPageOfContext& entry : kHelpPages) EXPECT_EQ(pageOf[entry.context], entry.page) << entry.context;
    for (std::int32_t type = AccountTypeBank; type <= AccountTypeOther; ++type)
        for (unsigned context : {TypeInfo(type).newAccountHelpTopic, TypeInfo(type).detailsHelpTopic})
            EXPECT_NE(HelpPage(context), "index") << "type " << type << ", topic " << context;
    EXPECT_EQ(HelpPage(0), "index");  // the contents, also for a number the help has not
    EXPECT_EQ(HelpPage(2), "index");
}
