#pragma once

#include "app/clipboard.h"
#include "app/printing.h"
#include "platform/dialogs.h"
#include "session/project_session.h"
#include "settings/program_version.h"

using trabeo::kProgramTitle;
using trabeo::kProgramVersion;
using trabeo::kVersionSuffix;

// What every form works with: the project session, the dialogs, the printer and the clipboard.
// Forms never reach one another; the entry flow and the application connect their signals.
struct AppContext {
  trabeo::ProjectSession& session;
  trabeo::Dialogs& dialogs;
  Printing& printing;
  Clipboard& clipboard;
};
