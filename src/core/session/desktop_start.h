#pragma once

#include "session/project_session.h"

namespace trabeo {

// What the desktop program does once as it starts, before its first window shows: it takes the
// preferences from the units file of the start folder, and writes the catalogue's seventeen
// section tables there from the built-in data, so the section lists show the program's own
// tables. A table that cannot be written is skipped; its list then shows what the folder holds.
void StartDesktopSession(ProjectSession& session);

}  // namespace trabeo
