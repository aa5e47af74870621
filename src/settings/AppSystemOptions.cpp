#include "settings/AppSystemOptions.h"

AppSystemOptions::~AppSystemOptions() = default;
