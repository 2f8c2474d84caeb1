#include "beam_file_test_support.h"

#include <unistd.h>

#include <random>

#include "results/load_diagram.h"
#include "results/results_listing.h"

namespace trabeo::testing {
namespace {

void FillSection(SectionValues& s) {
  s.SectionDescription = "UB 305x165x40";
  s.SectionKind = SectionKind::Beam;
  s.SectionFamily = "UB";
  s.SectionClass = SectionClass::Plastic;
  s.SectionArea = 5130;
  s.SectionDepth = 303.4f;
  s.SectionWidth = 165.0f;
  s.SectionWebThk = 6.0f;
  s.SectionFlgThk = 10.2f;
  s.SectionRootRad = 8.9f;
  s.SectionWebDepth = 265.2f;
  s.SectionSxx = 623000;
  s.SectionZxx = 560000;
  s.SectionRy = 38.6f;
  s.SectionRv = 30.1f;
  s.SectionX = 31.0f;
  s.SectionU = 0.889f;
  s.SteelGrade = AppliedGrade(SteelGrade::S275);
  s.DesignStrength = 275;
  s.PropertyLines.SetCount(3);
  s.PropertyLines.Set(1, "Beam  UB 305x165x40");
  s.PropertyLines.Set(2, "D = 303.4 mm");
  s.PropertyLines.Set(3, "B = 165 mm");
}

template <int Slots, int Capacity>
void FillStore(TextStore<Slots, Capacity>& store, const std::string& name, int count) {
  store.SetCount(count);
  for (int slot = 1; slot <= count; ++slot)
    store.Set(slot, name + " line " + std::to_string(slot));
}

void FillSteelCheck(BeamFileState& s) {
  SteelRestraints& r = s.project.restraints;
  r.ClearSpan = 6000;
  r.IntermediateRestraints = 1;
  r.RestraintSpacing = 2;
  for (std::size_t k = 0; k < r.SpanRestraintFlags.size(); ++k)
    r.SpanRestraintFlags[k] = static_cast<int32_t>(101 + k);
  for (std::size_t k = 0; k < 10; ++k) {
    r.LhCantRestraintFlags[k] = static_cast<int32_t>(201 + k);
    r.RhCantRestraintFlags[k] = static_cast<int32_t>(301 + k);
  }
  r.SpanLeText = "1.0 L";
  r.LhCantLeText = "0.8 L";
  r.RhCantLeText = "1.4 L";
  r.EffectiveLengths = {1200, 2000, 2000, 0, 0, 0, 0, 2100, 1900, 2, 6000, 1400};
  SteelCheckState& c = s.steel;
  c.ComplianceState = -1;
  c.RsaLengths = {1500, 6000, 1000};
  c.PartN[0] = 0.94f;
  c.PartN[10] = 1.0f;
  c.PartN[11] = 0.95f;
  c.PartM[0] = 1.0f;
  c.PartM[10] = 0.6f;
  c.PartM[11] = 0.85f;
  for (int block = 0; block < kCheckTextBlocks; ++block) {
    FillStore(c.CheckText[static_cast<std::size_t>(block)], "check block " + std::to_string(block),
              4 + block);
  }
  for (int section = 0; section < kSteelListSections; ++section) {
    FillStore(s.listing.SteelListLines[static_cast<std::size_t>(section)],
              "steel section " + std::to_string(section), 2 + section % 4);
  }
}

void FillTimber(BeamFileState& s) {
  TimberBeamValues& t = s.project.timber;
  s.project.section.SectionKind = SectionKind::Timber;
  s.project.section.SectionFamily = "Timber";
  s.project.section.TimberWidth = 75;
  s.project.section.TimberDepth = 225;
  t.TimberGradeName = "C24";
  t.TimberSharing = "Share";
  t.TimberExposure = "Dry";
  t.TimberDuration = "MT";
  t.TimberGradeBending = 7.5f;
  t.TimberGradeShear = 0.71f;
  t.TimberGradeE = 10800;
  t.TimberPermBendStress = 9.3f;
  t.TimberPermMoment = 5.9e6f;
  t.TimberPermShear = 8900;
  t.TimberShearStiffness = 5.4e6f;
  FillStore(t.TimberSummaryLines, "timber summary", 40);
  t.TimberCodeLine = " CODE CHECK TO BS 5268";
  t.TimberVerdict = " BEAM DOES NOT COMPLY";
  t.TimberTorsionNote = " Lateral support needed";
  t.TimberCheckFailed = -1;
}

}  // namespace

std::unique_ptr<BeamFileState> FreshState() {
  auto state = std::make_unique<BeamFileState>();
  ApplyStartupDefaults(state->units);
  state->project.model.MainSpan.Present = 0;
  state->project.model.LhSupportKind = 0;
  state->project.model.RhSupportKind = 0;
  return state;
}

std::unique_ptr<BeamFileState> AnalysedBeam(DesignCode designCode) {
  auto s = std::make_unique<BeamFileState>();
  BeamModel& m = s->project.model;
  m.LhCantilever = {1.0, 1500, 0, 0, 0};
  m.MainSpan = {1.0, 6000, 205000, 8.5e7, 0};
  m.RhCantilever = {1.0, 1000, 0, 0, 0};
  m.TotalLength = 8500;
  m.SectionIxx = 8.5e7f;
  m.FibreDistance = 151.7f;
  m.DesignCode = designCode;
  m.Loads.row(1) = {kPointLoadKind, 4500, 10000, 0, 0, 1.4f, 1, 0};
  m.Loads.row(2) = {kDistributedLoadKind, 0, 5, 8, 8500, 1.6f, 1, 0};
  m.Loads.row(26) = {kDistributedLoadKind, 0, 0.4f, 0.4f, 8500, 1.4f, 1, 0};
  s->project.LoadRowCount = 2;
  FillSection(s->project.section);

  ApplyStartupDefaults(s->units);
  s->units.LengthUnitName = "mm";
  s->units.LengthFactor = 1;
  s->units.NFactorMode = kNFactorByLoading;
  s->units.EnableSteel5950 = kSettingOn;
  s->header = {"Acme Structures", "J. Engineer", "Warehouse", "Unit 4", "Lintel L1", "J123", ""};

  RunAnalysis(m, s->analysis);
  CodeCheckListing codeCheck;
  WriteResultsListing(s->project, s->analysis.results, s->units, codeCheck, s->listing);
  const DrawnLoadCounts counts = CountDrawnLoads(m.Loads);
  s->UdlDrawnCount = counts.UdlDrawnCount;
  s->PointLoadDrawnCount = counts.PointLoadDrawnCount;
  if (designCode == DesignCode::BS5950) FillSteelCheck(*s);
  if (designCode == DesignCode::BS5268) FillTimber(*s);
  return s;
}

TempFolder::TempFolder() {
  path_ =
      std::filesystem::temp_directory_path() / ("trabeo-beam-file-" + std::to_string(::getpid()) +
                                                "-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

int32_t Int32At(const std::vector<uint8_t>& bytes, std::size_t at) {
  uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(bytes.at(at + i)) << (8 * i);
  return std::bit_cast<int32_t>(value);
}

float SingleAt(const std::vector<uint8_t>& bytes, std::size_t at) {
  return std::bit_cast<float>(Int32At(bytes, at));
}

double DoubleAt(const std::vector<uint8_t>& bytes, std::size_t at) {
  uint64_t value = 0;
  for (std::size_t i = 0; i < 8; ++i)
    value |= static_cast<uint64_t>(bytes.at(at + i)) << (8 * i);
  return std::bit_cast<double>(value);
}

std::string TextAt(const std::vector<uint8_t>& bytes, std::size_t at) {
  const std::size_t length = bytes.at(at);
  return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at + 1),
                     bytes.begin() + static_cast<std::ptrdiff_t>(at + 1 + length));
}

}  // namespace trabeo::testing
