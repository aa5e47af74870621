#pragma once

// The Linux edition's desktop code judges the settings location by these POSIX facts and still
// names them here; they live in posix/, and nothing in the core includes this header.
#include "settings/files/posix/UserIds.h"
