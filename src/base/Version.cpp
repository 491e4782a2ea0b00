#include "base/Version.h"

const char* vantleVersion() { return "0.1.0"; }
