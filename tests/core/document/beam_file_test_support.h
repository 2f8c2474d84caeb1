#pragma once

#include <bit>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "document/beam_file_data.h"

namespace trabeo::testing {

// Everything a beam data file holds, owned by one test; held on the heap, the stores and
// results being large.
struct BeamFileState {
  BeamProject project;
  UnitSettings units;
  HeaderTexts header;
  SteelCheckState steel;
  AnalysisState analysis;
  ListingStores listing;
  int32_t UdlDrawnCount = 0;
  int32_t PointLoadDrawnCount = 0;

  BeamFileData data() {
    return {project, units, header, steel, analysis, listing, UdlDrawnCount, PointLoadDrawnCount};
  }
};

// The program as a fresh start and File New leave it.
std::unique_ptr<BeamFileState> FreshState();

// A beam with both cantilevers, analysed and listed, in millimetre units, with a page header,
// a steel section and the given design code. For 5950 the restraints, effective lengths,
// factors n and m, check verdict, steel listing sections and check text are filled by hand;
// for 5268 the timber values, summary lines and verdict texts.
std::unique_ptr<BeamFileState> AnalysedBeam(DesignCode designCode);

// A folder of its own for one test, removed (with its permissions restored) when the test ends.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Little-endian fields of a file's bytes, read here without the program's reader.
int32_t Int32At(const std::vector<uint8_t>& bytes, std::size_t at);
float SingleAt(const std::vector<uint8_t>& bytes, std::size_t at);
double DoubleAt(const std::vector<uint8_t>& bytes, std::size_t at);
std::string TextAt(const std::vector<uint8_t>& bytes, std::size_t at);

}  // namespace trabeo::testing
