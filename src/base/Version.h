#pragma once

// The program's version, shown by "vantle-cli --version" and the About window.
const char* vantleVersion();
