// Feeds arbitrary bytes to the member capacity file reader and shows what it read, as "Open"
// does: a file that is cut short, mislabelled or full of nonsense must never crash the reader
// or the lists built from it.
#include <cstddef>
#include <cstdint>
#include <span>

#include "steel/member_capacity/member_file.h"
#include "steel/member_capacity/member_window.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  trabeo::MemberFileContents contents;
  const trabeo::MemberFileRead read =
      trabeo::DecodeMemberFile(std::span<const uint8_t>(data, size), contents);
  if (!read.accepted) return 0;
  // What "Open" builds from the file, and the file written back: counts and texts taken from
  // the file must stay within their lists and slots.
  trabeo::BuildMemberSummaryList(contents.state);
  for (const trabeo::DetailList& detail : contents.state.details)
    detail.InUse();
  trabeo::EncodeMemberFile(contents);
  return 0;
}
