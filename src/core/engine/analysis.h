#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/beam_results.h"
#include "engine/cantilever.h"
#include "engine/deflections.h"
#include "engine/resultants.h"
#include "engine/span_solution.h"

namespace trabeo {

// Working state of the last analysis, kept for the code checks that read it.
struct AnalysisWork {
  int32_t StationCount = 0;
  int32_t NoLoadsReported = 0;
  double L = 0;  // working copies of the main span's length, E and Ixx
  double E = 0;
  double I = 0;
  ResolvedLoads loads;
  PassResultants resultants;
  SpanStiffnessTerms stiffness;
  FixedEndMoments fixedEndMoments;
  LoadTerms loadTerms;
  EndMoments ends;
  CantileverInfluenceTables influence;
  CantileverBendingDeflection bending;
};

struct AnalysisState {
  BeamResults results;
  AnalysisWork work;
};

// Where the design codes join the analysis.
struct AnalysisHooks {
  // Timber beams (BS 5268): after the service pass's span statics, the shear deflections that
  // the deflection step subtracts.
  std::function<ShearDeflections(const BeamModel&, const AnalysisState&)> timberShearDeflection;
  // Steel beams (BS 5950): after the factored pass and the bending stress, the code check; it
  // may add messages for the user.
  std::function<void(const BeamModel&, AnalysisState&, std::vector<std::string>&)> steelCheck;
};

struct AnalysisReport {
  bool ran = false;                   // false when there is no beam (TotalLength 0)
  std::vector<std::string> messages;  // for the user, in the order they arose
};

inline constexpr const char* kNoLoadsMessage = "No loads on beam";

// Runs the whole analysis: load resolution, the service pass (20 intervals, unfactored, for the
// deflections), the factored pass (200 intervals, for shear, moment and reactions), the summary,
// the bending stress, the code check hooks, the totals check and the factored-row count.
AnalysisReport RunAnalysis(const BeamModel& model, AnalysisState& state,
                           const AnalysisHooks& hooks = {});

// Extreme-fibre stress from the largest moment; 1e12 when it cannot be worked out.
float BendingStress(double largestMoment, float fibreDistance, float sectionIxx);

// Sets TotalReactions from the reactions (1e-12 in place of 0) and returns the mismatch message
// when applied load and reactions differ by more than 0.05 %.
std::optional<std::string> TotalsCheck(BeamResults& results);

// Applied rows 1 ... 26 whose factor is not 1.
int32_t CountFactoredLoads(const LoadTable& loads);

}  // namespace trabeo
