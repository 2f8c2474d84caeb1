// A section table file (.sct) as any bytes: its records listed, shown as the batch front end's
// JSON, and written back.

#include <cstddef>
#include <cstdint>
#include <span>

#include "cli/section_json.h"
#include "fuzz_support.h"
#include "sections/section_table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace trabeo;
  const std::vector<SectionRecord> records = DecodeSectionTable(std::span(data, size));
  fuzz::Require(records.size() == size / kSectionRecordSize, "one record per whole 200 bytes");

  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const SectionRecord& record : records) {
    fuzz::Require(fuzz::IsValidUtf8(record.Designation), "designations are UTF-8 inside",
                  record.Designation);
    fuzz::Require(fuzz::IsValidUtf8(record.Type), "types are UTF-8 inside", record.Type);
    list.push_back(cli::SectionRecordJson(record));
  }
  // Strict: a text that is not UTF-8 would throw here.
  const std::string json =
      list.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::strict);
  fuzz::Require(!json.empty(), "the records dump as JSON");

  // The bytes a reader ignores (after a text's length, padding) are not kept, but whatever was
  // read is written so that it reads back and rewrites the same.
  const std::vector<uint8_t> written = EncodeSectionTable(records);
  fuzz::Require(written.size() == records.size() * kSectionRecordSize, "records keep their size");
  fuzz::Require(EncodeSectionTable(DecodeSectionTable(written)) == written,
                "a written table rewrites unchanged");
  return 0;
}
