#include "simulator/SimServer.h"

namespace sim {

std::unique_ptr<SimSession> SimSession::open(const std::string&, const std::string&,
                                             const std::string&) {
    throw SimError(SimMessage{0, 16, 1, 1, "The simulated server is not built yet."});
}

} // namespace sim
