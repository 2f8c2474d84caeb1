#include "support/recording_print_job.h"

namespace trabeo::testing {

bool RecordingPrintJob::BeginDoc() {
  if (refuseBegin_) return false;
  began_ = true;
  ended_ = false;
  page_ = 1;
  pageStarts_ = {canvas_.texts().size()};
  return true;
}

void RecordingPrintJob::NewPage() {
  ++page_;
  pageStarts_.push_back(canvas_.texts().size());
}

std::vector<RecordingPrintJob::PageText> RecordingPrintJob::TextsWithPages() const {
  std::vector<PageText> found;
  const auto& texts = canvas_.texts();
  int page = 0;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    while (static_cast<std::size_t>(page) < pageStarts_.size() &&
           pageStarts_[static_cast<std::size_t>(page)] <= i)
      ++page;
    found.push_back({page, texts[i]});
  }
  return found;
}

}  // namespace trabeo::testing
