#include "settings/AppPlayOptions.h"

AppPlayOptions::AppPlayOptions() : Message("Results") {}

AppPlayOptions::~AppPlayOptions() = default;
