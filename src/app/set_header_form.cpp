#include "app/set_header_form.h"

TSetHeaderFrm::TSetHeaderFrm(AppContext& context)
    : QWidget(nullptr, Qt::Window), context_(context) {
  setObjectName("SetHeaderFrm");
  setWindowTitle("Set Header");
}
