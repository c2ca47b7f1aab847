#pragma once

#include "settings/proxysettings.h"

// The proxy as people type it: "http://10.0.0.1", "host:3128" with the port
// box left empty, "[2001:db8::1]". The file keeps what was typed; the route
// is made from these normal forms.
class ProxyForms final
{
public:
    // An "http://" scheme and trailing "/" go; a trailing ":port" moves to an
    // empty port; a bare IPv6 address gets its brackets. Anything else stays
    // as typed, for the session to accept or refuse.
    static ProxySettings normalised(const ProxySettings &typed);
};
