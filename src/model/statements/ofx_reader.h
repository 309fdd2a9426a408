#pragma once
// Reading OFX and QFX files, in the SGML form of OFX 1.x (leaf tags left
// open) and the XML form of OFX 2.x: their bank and credit card statements.

#include <string_view>
#include <vector>

#include "model/statements/statement.h"

// Every bank and credit card statement of the file, in file order; none when
// the bytes have no <OFX> tag. The file's encoding is the one its header or
// XML declaration names, else what its bytes show. A transaction whose
// DTPOSTED or TRNAMT cannot be read counts in `unreadableLines`; the ledger
// balance is kept only when both its amount and its date can be read.
// Tag names are read in any case; tags the program does not use are skipped.
std::vector<Statement> ReadOfxStatements(std::string_view bytes);
