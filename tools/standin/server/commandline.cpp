#include "commandline.h"

#include "queryvalues.h"

#include <charconv>

namespace {

bool parseNumber(const std::string &text, long long low, long long high, long long &out)
{
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end && out >= low && out <= high;
}

// "N=MODE" for --fault.
std::string applyFault(StandinConfig &config, const std::string &value)
{
    const std::size_t eq = value.find('=');
    const auto mirror = parsePositiveId(value.substr(0, eq));
    if (eq == std::string::npos || !mirror || *mirror > 6)
        return "--fault expects N=MODE with a mirror N from 1 to 6, got \"" + value + "\"";
    const auto mode = parseFaultMode(value.substr(eq + 1));
    if (!mode)
        return "unknown fault mode \"" + value.substr(eq + 1) + "\" (see --help)";
    config.faults[static_cast<std::size_t>(*mirror - 1)] = *mode;
    return {};
}

std::string applyOption(StandinConfig &config, const std::string &name, const std::string &value)
{
    long long n = 0;
    if (name == "--base-port") {
        if (!parseNumber(value, 1, 65535 - StandinConfig::portSpan + 1, n))
            return "--base-port expects a port from 1 to " + std::to_string(65535 - StandinConfig::portSpan + 1);
        config.basePort = static_cast<int>(n);
    } else if (name == "--db") {
        config.databasePath = value;
    } else if (name == "--log") {
        config.logPath = value;
    } else if (name == "--log-max-bytes") {
        if (!parseNumber(value, 4096, 1LL << 40, n))
            return "--log-max-bytes expects a size of at least 4096 bytes";
        config.logMaxBytes = static_cast<std::uintmax_t>(n);
    } else if (name == "--site-name") {
        if (value.empty() || value.find_first_of("\r\n") != std::string::npos)
            return "--site-name expects a non-empty name on one line";
        config.siteName = value;
    } else if (name == "--slow-ms") {
        if (!parseNumber(value, 0, 600000, n))
            return "--slow-ms expects milliseconds from 0 to 600000";
        config.slowMs = static_cast<int>(n);
    } else if (name == "--stations") {
        const auto source = parseStationSource(value);
        if (!source)
            return "--stations expects seed, directory, directory=URL or m3u=FILE, got \"" + value + "\"";
        config.stations = *source;
    } else if (name == "--refresh-minutes") {
        if (!parseNumber(value, 1, 7 * 24 * 60, n))
            return "--refresh-minutes expects minutes from 1 to 10080";
        config.refreshMinutes = static_cast<int>(n);
    } else if (name == "--fault") {
        return applyFault(config, value);
    } else {
        return "unknown option \"" + name + "\" (see --help)";
    }
    return {};
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string> &arguments)
{
    CommandLine result;
    for (std::size_t i = 0; i < arguments.size() && result.error.empty(); ++i) {
        std::string name = arguments[i];
        if (name == "--help" || name == "-h") {
            result.showHelp = true;
            continue;
        }
        std::string value;
        if (const std::size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            result.error = name.rfind("--", 0) == 0 ? name + " needs a value" : "unexpected argument \"" + name + "\"";
            break;
        }
        result.error = applyOption(result.config, name, value);
    }
    return result;
}

std::string helpText()
{
    std::string text =
        "Usage: sonvela-standin [options]\n"
        "\n"
        "Stands in for the Sonvela radio service on 127.0.0.1: mirrors 1-6 on ports\n"
        "P..P+5, the product site on P+9, the maker site on P+10 and two partner sites\n"
        "on P+11 and P+12 (P = 18081 by default). Stops on SIGINT or SIGTERM.\n"
        "\n"
        "Options:\n"
        "  --base-port P        first port of the block (default 18081)\n"
        "  --db FILE            keep the data in this SQLite file, seeded when new\n"
        "                       (default: a fresh seeded database in memory)\n"
        "  --log FILE           append one JSON line per request (time, port, method,\n"
        "                       path with raw query, status)\n"
        "  --log-max-bytes N    move the log to FILE.1 when it passes N bytes\n"
        "                       (default 16777216)\n"
        "  --site-name NAME     site name in the selection title \"Radio personale - NAME\"\n"
        "                       (default Sonvela)\n"
        "  --stations SOURCE    where the stations come from (default seed):\n"
        "                       seed          the 44 built-in stations, synthesised streams\n"
        "                       directory     the Radio Browser community directory\n"
        "                       directory=URL a directory server at URL (e.g. a local copy)\n"
        "                       m3u=FILE      a personal M3U or PLS list of stations\n"
        "                       The directory is asked at start and every refresh,\n"
        "                       with User-Agent Sonvela/4.8, and told of each play.\n"
        "  --refresh-minutes N  minutes between two imports (default 360)\n"
        "  --fault N=MODE       make mirror N (1-6) fail from the start; repeatable\n"
        "  --slow-ms MS         delay of the \"slow\" fault (default 3000)\n"
        "  --help               show this text\n"
        "\n"
        "Fault modes (also at run time: GET or POST\n"
        "http://127.0.0.1:P+9/admin/fault?mirror=N&mode=MODE; without parameters it\n"
        "lists the faults):\n";
    for (const FaultMode mode : allFaultModes()) {
        std::string name(faultModeName(mode));
        name.resize(12, ' ');
        text += "  " + name + std::string(faultModeHelp(mode)) + "\n";
    }
    return text;
}
