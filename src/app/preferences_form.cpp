#include "app/preferences_form.h"

TPreferencesFrm::TPreferencesFrm(AppContext& context)
    : QWidget(nullptr, Qt::Window), context_(context) {
  setObjectName("PreferencesFrm");
  setWindowTitle("Preferences");
}
