#pragma once

// Writes what a batch produced the way isql prints it: messages, column
// headers over dashes, rows wrapped at the output width, "(N rows affected)"
// and "(return status = N)".

#include "simulator/SimServer.h"

#include <ostream>
#include <string>

namespace isql {

void writeOutcome(std::ostream& out, const sim::SimBatchOutcome& outcome,
                  const std::string& serverName, int width);

void writeMessage(std::ostream& out, const sim::SimMessage& message, const std::string& serverName);

// A value as isql shows it: NULL, numbers as digits, date-times as "Dec 11 2026  2:35PM".
std::string displayText(const sim::SimValue& value);

} // namespace isql
