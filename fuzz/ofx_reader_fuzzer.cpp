// libFuzzer target for the OFX reader: ReadOfxStatements over the input
// bytes, every statement it gives checked as statement_checks.h says.

#include <cstdint>
#include <string_view>

#include "model/statements/ofx_reader.h"
#include "statement_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const Statement& statement : ReadOfxStatements(bytes)) CheckStatement(statement, "ofx_reader_fuzzer");
    return 0;
}
