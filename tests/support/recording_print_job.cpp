#include "support/recording_print_job.h"

namespace trabeo::testing {

bool RecordingPrintJob::BeginDoc() {
  if (refuseBegin_) return false;
  began_ = true;
  ended_ = false;
  page_ = 1;
  return true;
}

}  // namespace trabeo::testing
