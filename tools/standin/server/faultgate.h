#pragma once

#include <atomic>

namespace httplib {
class Server;
}

struct ServiceContext;

// Puts a mirror's fault in front of its pages: each request first sees the
// fault the mirror has at that moment.
void addFaultGate(httplib::Server &server, ServiceContext &context, int mirror, const std::atomic<bool> &closing);
