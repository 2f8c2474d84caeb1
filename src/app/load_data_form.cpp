#include "app/load_data_form.h"

TLoadDataFrm::TLoadDataFrm(AppContext& context) : QWidget(nullptr, Qt::Window), context_(context) {
  setObjectName("LoadDataFrm");
  setWindowTitle("Load Data");
}
