#include "app/beam_form.h"

TBeamFrm::TBeamFrm(AppContext& context) : QWidget(nullptr, Qt::Window), context_(context) {
  setObjectName("BeamFrm");
  setWindowTitle("Beam / Span Details");
}
