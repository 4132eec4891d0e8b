#pragma once

// Splits an isql script into batches: a line holding only the terminator
// ("go" unless -c says otherwise, letter case ignored) ends a batch.

#include <string>
#include <vector>

namespace isql {

std::vector<std::string> splitBatches(const std::string& script, const std::string& terminator);

} // namespace isql
