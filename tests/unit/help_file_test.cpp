// The built help file, read back by a small reader written here from the
// file format's description, apart from the compiler that wrote it: the
// directory, |SYSTEM, |FONT, |CTXOMAP, |CONTEXT, the keywords, and the topics
// along |TOPIC. The help source is read too, for its topic ids, titles and
// keywords.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

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

// Text records store some numbers in one or two bytes (or two or four): the
// low bit of the first byte says which.
std::uint32_t CompressedUShort(const Bytes& bytes, std::size_t& at) {
    const bool wide = bytes.at(at) & 1;
    const std::uint32_t stored = wide ? U16(bytes, at) : bytes[at];
    at += wide ? 2 : 1;
    return stored / 2;
}

void SkipCompressedLong(const Bytes& bytes, std::size_t& at) { at += (bytes.at(at) & 1) ? 4 : 2; }

// WinHelp's hash of a context string of letters, digits, '.' and '_'.
std::int32_t ContextHash(const std::string& context) {
    std::uint32_t hash = 0;
    for (unsigned char c : context) {
        std::uint32_t code = 0;
        if (std::isalpha(c)) code = std::toupper(c) - 'A' + 17;
        else if (c >= '1' && c <= '9') code = c - '0';
        else if (c == '0') code = 10;
        else if (c == '.') code = 12;
        else if (c == '_') code = 13;
        hash = hash * 43 + code;
    }
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

struct Topic {
    std::uint32_t offset;  // its TOPICOFFSET
    std::string title;
};

class HelpFile {
public:
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
        const auto found = directory.find(name);
        return found == directory.end() ? Bytes{} : Content(found->second);
    }

    // The topics in file order, read along the records of |TOPIC.
    std::vector<Topic> Topics() const {
        // The records run on from one 4 KB block to the next; each block
        // opens with a 12-byte header.
        const Bytes blocks = File("|TOPIC");
        Bytes stream;
        for (std::size_t block = 0; block < blocks.size(); block += 4096)
            stream.insert(stream.end(), blocks.begin() + block + 12, blocks.begin() + std::min(block + 4096, blocks.size()));

        std::vector<Topic> topics;
        std::uint32_t position = 12;  // a TOPICPOS: the block above 14 bits of offset, plus the block header
        std::uint32_t currentBlock = 0xFFFFFFFF;
        std::uint32_t characters = 0;
        while (true) {
            const std::uint32_t block = (position - 12) >> 14;
            const std::size_t at = block * (4096 - 12) + ((position - 12) & 0x3FFF);
            const std::uint32_t next = U32(stream, at + 12);
            if (next == 0xFFFFFFFF) break;  // the last record only ends the list
            if (block != currentBlock) {
                currentBlock = block;
                characters = 0;
            }
            const std::uint32_t dataLength1 = U32(stream, at + 16);
            if (stream.at(at + 20) == 0x02) {
                topics.push_back({block * 0x8000 + characters, Text(stream, at + dataLength1)});
            } else {
                std::size_t field = at + 21;
                SkipCompressedLong(stream, field);
                characters += CompressedUShort(stream, field);
            }
            if (next <= position) {
                ADD_FAILURE() << "records go backwards at " << position;
                break;
            }
            position = next;
        }
        return topics;
    }

    std::string TitleAt(std::uint32_t offset) const {
        for (const Topic& topic : Topics())
            if (topic.offset == offset) return topic.title;
        return "(no topic at offset " + std::to_string(offset) + ")";
    }

    Bytes bytes;
    std::map<std::string, std::uint32_t> directory;  // name and offset of each internal file

private:
    Bytes Content(std::uint32_t offset) const {
        const std::uint32_t used = U32(bytes, offset + 4);
        return Bytes(bytes.begin() + offset + 9, bytes.begin() + offset + 9 + used);
    }
};

const HelpFile& Help() {
    static const HelpFile help(PENNYWHIST_HELP_FILE);
    return help;
}

struct SourceTopic {
    std::string id, title;
    std::vector<std::string> keywords;
};

// The topics of the help source, in order.
std::vector<SourceTopic> SourceTopics() {
    std::ifstream in(PENNYWHIST_HELP_SOURCE, std::ios::binary);
    std::vector<SourceTopic> topics;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("@topic ", 0) == 0) topics.push_back({line.substr(7), "", {}});
        if (topics.empty()) continue;
        if (line.rfind("@title ", 0) == 0) topics.back().title = line.substr(7);
        if (line.rfind("@keywords ", 0) == 0) {
            std::string rest = line.substr(10) + ";";
            for (std::size_t end; (end = rest.find(';')) != std::string::npos; rest.erase(0, end + 1)) {
                std::string keyword = rest.substr(0, end);
                keyword.erase(0, keyword.find_first_not_of(' '));
                keyword.erase(keyword.find_last_not_of(' ') + 1);
                if (!keyword.empty()) topics.back().keywords.push_back(keyword);
            }
        }
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

    const std::vector<Topic> topics = Help().Topics();
    ASSERT_FALSE(topics.empty());
    EXPECT_EQ(U32(records[3], 0), topics.front().offset);
    EXPECT_EQ(topics.front().title, "Pennywhist Help Contents");
}

TEST(HelpFile, FontsIncludeANormalAndABoldOne) {
    const Bytes font = Help().File("|FONT");
    ASSERT_GE(font.size(), 8u);
    const std::uint32_t descriptors = U16(font, 2), start = U16(font, 6);
    std::set<bool> bold;
    for (std::uint32_t n = 0; n < descriptors; ++n) bold.insert(font.at(start + n * 11) & 1);
    EXPECT_EQ(bold, (std::set<bool>{false, true}));
}

TEST(HelpFile, ContextNumbersOpenTheirTopics) {
    const Bytes map = Help().File("|CTXOMAP");
    ASSERT_GE(map.size(), 2u);
    std::map<std::uint32_t, std::uint32_t> offsets;
    for (std::uint32_t n = 0; n < U16(map, 0); ++n) offsets[U32(map, 2 + n * 8)] = U32(map, 6 + n * 8);

    const std::map<std::uint32_t, std::string> expected = {
        {1, "Getting Started"},
        {3, "Accounts"},
        {4, "Bills and Deposits"},
        {6, "Entering Transactions"},
        {9, "Bank and Other Account Details"},
        {10, "Credit Account Details"},
        {11, "Budget and Cash Account Details"},
        {12, "New Bank, Credit or Other Account"},
        {13, "New Budget Account"},
        {14, "New Cash Account"},
    };
    for (const auto& [context, title] : expected) {
        ASSERT_TRUE(offsets.count(context)) << "context " << context;
        EXPECT_EQ(Help().TitleAt(offsets[context]), title) << "context " << context;
    }
}

TEST(HelpFile, EveryTopicOfTheSourceIsFoundByTheHashOfItsId) {
    const Bytes context = Help().File("|CONTEXT");
    std::map<std::int32_t, std::uint32_t> offsets;
    ForEachLeafEntry(context, [&](std::size_t at) {
        offsets[std::int32_t(U32(context, at))] = U32(context, at + 4);
        return std::size_t(8);
    });

    const std::vector<SourceTopic> source = SourceTopics();
    const std::vector<Topic> topics = Help().Topics();
    ASSERT_EQ(topics.size(), source.size());
    EXPECT_EQ(offsets.size(), source.size());
    for (std::size_t n = 0; n < source.size(); ++n) {
        SCOPED_TRACE(source[n].id);
        EXPECT_EQ(topics[n].title, source[n].title);
        const auto found = offsets.find(ContextHash(source[n].id));
        ASSERT_NE(found, offsets.end());
        EXPECT_EQ(found->second, topics[n].offset);
    }
}

TEST(HelpFile, EveryKeywordOfTheSourceLeadsToItsTopic) {
    const Bytes tree = Help().File("|KWBTREE"), data = Help().File("|KWDATA");
    std::map<std::string, std::set<std::uint32_t>> keywords;  // in lower case
    ForEachLeafEntry(tree, [&](std::size_t at) {
        const std::string keyword = Text(tree, at);
        const std::uint32_t count = U16(tree, at + keyword.size() + 1), first = U32(tree, at + keyword.size() + 3);
        for (std::uint32_t n = 0; n < count; ++n) keywords[Lower(keyword)].insert(U32(data, first + n * 4));
        return keyword.size() + 7;
    });

    const std::vector<SourceTopic> source = SourceTopics();
    const std::vector<Topic> topics = Help().Topics();
    ASSERT_EQ(topics.size(), source.size());
    for (std::size_t n = 0; n < source.size(); ++n)
        for (const std::string& keyword : source[n].keywords)
            EXPECT_TRUE(keywords[Lower(keyword)].count(topics[n].offset)) << keyword << " -> " << source[n].id;
}
