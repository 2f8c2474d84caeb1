#include "session/desktop_start.h"

#include "sections/catalogue/catalogue.h"

namespace trabeo {

void StartDesktopSession(ProjectSession& session) {
  session.LoadPreferences();
  WriteCatalogue(session.StartFolder());
}

}  // namespace trabeo
