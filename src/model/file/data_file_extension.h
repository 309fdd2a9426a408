#pragma once
// The data file's extension block: what the program keeps beyond the
// records of the file's layout: the bank ids of imported transactions, the
// transactions' reconciliation marks and each account's last statement
// balance.
//
// It sits after the 31-byte password trailer. A reader that follows the
// layout stops at the trailer, so the block never stops such a reader
// from opening the file, and a file that needs no block is byte for byte
// what the layout alone gives.
//
// Layout, little-endian like the rest of the file:
//   magic    8 bytes  "PWFXTEND"
//   version  int32    1; another version is not read
//   size     uint32   bytes of the chunks that follow
//   chunks   each: tag (4 ASCII bytes), length (uint32), `length` bytes;
//            a tag this program does not know is skipped, one it knows
//            comes once at most, and only chunks that hold something are
//            written
//   check    uint32   CRC-32 (IEEE) of version, size and chunks
// and nothing after it. Every chunk starts with an int32 account count (the
// document's), then holds per account, in list order:
//   "BKID", bank ids: an int32 count, then each id as int32 position
//           (ascending, inside the account's transactions), uint8 length
//           (1 to 255) and the id's bytes;
//   "MARK", marks: an int32 count, 0 (every transaction uncleared) or the
//           account's transaction count, then a byte per transaction in
//           storage order (TransactionMark, 0 to 2);
//   "LBAL", the last statement's closing balance: a byte 0 (none) or 1,
//           then int64 cents and int32 year, month and day.
// Written from memory at every save, so it always describes the
// transactions it follows.

#include <cstddef>

class DataReader;
class DataWriter;
struct Document;

inline constexpr char kExtensionMagic[8] = {'P', 'W', 'F', 'X', 'T', 'E', 'N', 'D'};

// Whether the document has anything that needs the block.
bool NeedsExtensionBlock(const Document& document);

// Writes the whole block, magic included.
void WriteExtensionBlock(DataWriter& out, const Document& document);

// Reads the block after its magic up to the end of the stream into the
// document's accounts. False when it is damaged in any way (wrong version,
// sizes or check, positions out of order or outside their account, a mark
// out of range, bytes after it) or memory runs out; the accounts then keep
// nothing of it.
bool ReadExtensionBlock(DataReader& in, Document& document);
