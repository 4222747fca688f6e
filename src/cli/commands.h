#pragma once

#include "options.h"
#include "output.h"

#include <optional>

class Session;
struct SetupRecord;

// The command of o on a session that Connect left logged in, its setup read:
// fills r's text and entry fields (a write sends toWrite).
Done runCommand(Session &s, const Options &o, const std::optional<SetupRecord> &toWrite, PortResult &r);
