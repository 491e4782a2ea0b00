#include "base/Version.h"

#include "base/VersionNumber.h"

const char* vantleVersion() { return VANTLE_VERSION; }
