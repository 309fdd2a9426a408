#pragma once
// The plain data file's bytes, as Save writes them and the encrypted file
// holds them sealed.

#include <cstdint>

#include "model/document.h"

class DataWriter;

// Writes `document` as a plain data file; the password's field holds zeros
// when `withPassword` is false.
void WritePlainDataFile(DataWriter& out, const Document& document, bool withPassword);

// The bytes WritePlainDataFile writes before an extension block.
std::uint64_t PlainDataFileSize(const Document& document);
