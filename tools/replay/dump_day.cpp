// State object keys of this subsystem (filled in as the subsystem lands).
#include "dump.h"

void DumpDay(nlohmann::json&) {}
