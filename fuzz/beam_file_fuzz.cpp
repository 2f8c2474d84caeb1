// Feeds arbitrary bytes to the beam data file's open procedure, as File Open after File New
// would, then writes the opened beam again. Also checks that the reader and the writer agree:
// what is read from any file writes out the same once read back.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "document/beam_file_layout.h"
#include "document/open_beam_file.h"

namespace {

struct Program {
  trabeo::BeamProject project;
  trabeo::UnitSettings units;
  trabeo::HeaderTexts header;
  trabeo::SteelCheckState steel;
  trabeo::AnalysisState analysis;
  trabeo::ListingStores listing;
  int32_t UdlDrawnCount = 0;
  int32_t PointLoadDrawnCount = 0;

  trabeo::BeamFileData data() {
    return {project, units, header, steel, analysis, listing, UdlDrawnCount, PointLoadDrawnCount};
  }
};

void CheckReaderAgreesWithWriter(std::span<const uint8_t> bytes) {
  auto first = std::make_unique<Program>();
  trabeo::DecodeVersion4(bytes, first->data());
  const std::vector<uint8_t> written = trabeo::EncodeBeamFile(first->data());
  auto second = std::make_unique<Program>();
  trabeo::DecodeVersion4(written, second->data());
  if (written.size() != trabeo::kBeamFileSize || trabeo::EncodeBeamFile(second->data()) != written)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  auto program = std::make_unique<Program>();
  trabeo::ApplyStartupDefaults(program->units);
  trabeo::OpenBeamFileBytes("fuzz.trb", bytes, program->data());
  if (trabeo::EncodeBeamFile(program->data()).size() != trabeo::kBeamFileSize) __builtin_trap();
  CheckReaderAgreesWithWriter(bytes);
  return 0;
}
