// Compiled against a folder's include view by the layering tests: the session is the core's top
// folder, so only the session's own view may see it.
#include "session/project_session.h"
