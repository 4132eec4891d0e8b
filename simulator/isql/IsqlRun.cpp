#include "simulator/isql/IsqlRun.h"

#include "simulator/SimServer.h"
#include "simulator/isql/IsqlOptions.h"
#include "simulator/isql/IsqlReport.h"
#include "simulator/isql/IsqlScript.h"

#include <fstream>
#include <sstream>

namespace isql {

namespace {

constexpr const char* kProgram = "farrowdale-isql: ";

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

int runScript(const Options& options, const std::string& script, std::ostream& out,
              std::ostream& diagnostics) {
    std::unique_ptr<sim::SimSession> session;
    try {
        session = sim::SimSession::open(options.server, options.user, options.password);
    } catch (const sim::SimError& refused) {
        writeMessage(out, refused.message(), options.server);
        diagnostics << kProgram << refused.what() << '\n';
        return 1;
    }
    std::vector<std::string> batches = splitBatches(script, options.terminator);
    if (!options.database.empty())
        batches.insert(batches.begin(), "use " + options.database);
    for (const std::string& batch : batches)
        writeOutcome(out, session->execute(batch), session->serverName(), options.width);
    return 0;
}

} // namespace

int runIsql(const std::vector<std::string>& arguments, std::ostream& diagnostics) {
    const ParsedOptions parsed = parseOptions(arguments);
    if (!parsed.options) {
        diagnostics << kProgram << parsed.error << '\n' << usageText();
        return 1;
    }
    const Options& options = *parsed.options;
    std::string script;
    if (!readFile(options.input, script)) {
        diagnostics << kProgram << "cannot read the script " << options.input << '\n';
        return 1;
    }
    std::ofstream out(options.output, std::ios::binary | std::ios::trunc);
    if (!out) {
        diagnostics << kProgram << "cannot write the output file " << options.output << '\n';
        return 1;
    }
    const int status = runScript(options, script, out, diagnostics);
    out.flush();
    if (!out) {
        diagnostics << kProgram << "writing " << options.output << " failed\n";
        return 1;
    }
    return status;
}

} // namespace isql
