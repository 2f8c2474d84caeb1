#pragma once

#include <string>

// The date and time for the page header, now, in the system's short date and long time formats.
std::string HeaderDateTimeNow();
