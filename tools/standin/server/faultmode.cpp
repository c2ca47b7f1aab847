#include "faultmode.h"

namespace {

struct ModeInfo
{
    FaultMode mode;
    std::string_view name;
    std::string_view help;
};

constexpr ModeInfo modes[] = {
    {FaultMode::None, "none", "serve normally (clears a fault)"},
    {FaultMode::Refused, "refused", "close the mirror's port: connections are refused"},
    {FaultMode::BadAccess, "badaccess", "the access page answers with a title other than \"accessoOK\""},
    {FaultMode::BadSponsor, "badsponsor", "the sponsor strip pages answer with a title other than \"sponsor\""},
    {FaultMode::Slow, "slow", "every answer of the mirror waits --slow-ms first"},
    {FaultMode::Garbage, "garbage", "the catalogue is random bytes with a SUB byte"},
    {FaultMode::Empty, "empty", "every page of the mirror answers 200 with an empty body"},
    {FaultMode::Error500, "error500", "every page of the mirror answers HTTP 500"},
    {FaultMode::DropStreams, "dropstreams", "close the mirror's open streams and answer new ones 503"},
};

} // namespace

std::string_view faultModeName(FaultMode mode)
{
    for (const ModeInfo &m : modes)
        if (m.mode == mode)
            return m.name;
    return "none";
}

std::optional<FaultMode> parseFaultMode(std::string_view name)
{
    for (const ModeInfo &m : modes)
        if (m.name == name)
            return m.mode;
    return std::nullopt;
}

std::vector<FaultMode> allFaultModes()
{
    std::vector<FaultMode> list;
    for (const ModeInfo &m : modes)
        list.push_back(m.mode);
    return list;
}

std::string_view faultModeHelp(FaultMode mode)
{
    for (const ModeInfo &m : modes)
        if (m.mode == mode)
            return m.help;
    return {};
}
