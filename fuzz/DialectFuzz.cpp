// Any batch text goes through parsing, translation and execution on the
// harness database. The run may end only in a server error: any other
// exception, a crash, a sanitizer report or a hang is a finding.

#include "DialectHarness.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the quoted_identifier setting, the rest is the batch.
    const bool quotedIdentifiers = (data[0] & 1) != 0;
    const std::string_view batch(reinterpret_cast<const char*>(data + 1), size - 1);
    sim::testing::DialectHarness server;
    server.run(batch, quotedIdentifiers);
    return 0;
}
