#include "sections/catalogue/catalogue.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "fileio/binary_writer.h"
#include "fileio/file_bytes.h"
#include "sections/catalogue/catalogue_records.h"
#include "sections/catalogue/catalogue_tables.h"
#include "sections/section_record_io.h"

namespace trabeo {
namespace {

using catalogue::FileStyle;
using catalogue::MakeRecords;

constexpr FileStyle kBeam{"Beam", 43};
constexpr FileStyle kWShape{"Beam", 0};
constexpr FileStyle kJoist{"RSJ", 0, true, 8};
constexpr FileStyle kChannel{"RSC", 43};
constexpr FileStyle kAngle{"RSA", 0};
constexpr FileStyle kBox{"Box", 43};
constexpr FileStyle kTube{"Tube", 43};
// The C shapes keep their designations without padding.
constexpr FileStyle kCShape{"RSC", 43, false};

// clang-format off
constexpr std::array<CatalogueFile, 17> kFiles{{
    {"UB.sct", "Beam", [] { return MakeRecords(catalogue::UbRows(), kBeam); }},
    {"UC.sct", "Beam", [] { return MakeRecords(catalogue::UcRows(), kBeam); }},
    {"RSJ.sct", "RSJ", [] { return MakeRecords(catalogue::RsjRows(), kJoist); }},
    {"IPE.sct", "Beam", [] { return MakeRecords(catalogue::IpeRows(), kBeam); }},
    {"HE.sct", "Beam", [] { return MakeRecords(catalogue::HeRows(), kBeam); }},
    {"WsBeam.sct", "Beam",
     [] { return MakeRecords(catalogue::WsBeamRows(), kWShape); }},
    {"WsCol.sct", "Beam",
     [] { return MakeRecords(catalogue::WsColRows(), kWShape); }},
    {"RSC.sct", "RSC", [] { return MakeRecords(catalogue::RscRows(), kChannel); }},
    {"PFC.sct", "RSC", [] { return MakeRecords(catalogue::PfcRows(), kChannel); }},
    {"UPN.sct", "RSC", [] { return MakeRecords(catalogue::UpnRows(), kChannel); }},
    {"EqRSA.sct", "RSA",
     [] { return MakeRecords(catalogue::EqRsaRows(), kAngle); }},
    {"UnEqRSA.sct", "RSA",
     [] { return MakeRecords(catalogue::UnEqRsaRows(), kAngle); }},
    {"EqL.sct", "RSA", [] { return MakeRecords(catalogue::EqLRows(), kAngle); }},
    {"UnEqL.sct", "RSA",
     [] { return MakeRecords(catalogue::UnEqLRows(), kAngle); }},
    {"RHS.sct", "Box", [] { return MakeRecords(catalogue::RhsRows(), kBox); }},
    {"CHS.sct", "Tube", [] { return MakeRecords(catalogue::ChsRows(), kTube); }},
    {"C.sct", "RSC", [] { return MakeRecords(catalogue::CRows(), kCShape); }},
}};
// clang-format on

bool HoldsExactly(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) ||
      std::filesystem::file_size(path, error) != bytes.size() || error)
    return false;
  std::ifstream in(path, std::ios::binary);
  std::vector<char> existing(bytes.size());
  if (!in.read(existing.data(), static_cast<std::streamsize>(existing.size()))) return false;
  return std::equal(existing.begin(), existing.end(), bytes.begin(),
                    [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

}  // namespace

std::span<const CatalogueFile> CatalogueFiles() {
  return kFiles;
}

const CatalogueFile* FindCatalogueFile(std::string_view name) {
  for (const CatalogueFile& file : kFiles)
    if (file.name == name) return &file;
  return nullptr;
}

std::vector<SectionRecord> CatalogueRecords(const CatalogueFile& file) {
  return file.records();
}

bool WriteCatalogueFile(const std::filesystem::path& folder, const CatalogueFile& file) {
  BinaryWriter writer;
  for (const SectionRecord& record : CatalogueRecords(file))
    WriteSectionRecord(writer, record);
  const std::filesystem::path path = folder / file.name;
  // A file that already holds exactly these bytes is left as it is: truncating and rewriting
  // it would give the same file, but some file systems (ext4) then flush it to disk at once,
  // which makes every start take tens of milliseconds instead of one.
  if (HoldsExactly(path, writer.bytes())) return true;
  // Written through a replacement file: on a full disk a file written in place was left empty.
  return WriteFileAtomically(path, writer.bytes()).empty();
}

std::vector<std::string> WriteCatalogue(const std::filesystem::path& folder) {
  std::vector<std::string> skipped;
  for (const CatalogueFile& file : kFiles)
    if (!WriteCatalogueFile(folder, file)) skipped.emplace_back(file.name);
  return skipped;
}

}  // namespace trabeo
