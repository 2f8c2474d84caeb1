#include "timber/timber_check.h"

namespace trabeo {

bool IsNarrowTimberSection(float width, float depth) {
  return width / depth < 0.5f;
}

TimberVerdictTexts EvaluateTimberVerdict(const TimberBeamValues& timber, float width, float depth,
                                         const BeamResults& results) {
  const float shearRatio = static_cast<float>(results.ShearExtremes[0]) / timber.TimberPermShear;
  const float momentRatio = static_cast<float>(results.MomentExtremes[0]) / timber.TimberPermMoment;
  const bool fails = shearRatio > 1 || momentRatio > 1;
  TimberVerdictTexts verdict;
  verdict.TimberCodeLine = kTimberCodeLine;
  verdict.TimberVerdict = fails ? kTimberDoesNotComply : kTimberComplies;
  if (!fails && IsNarrowTimberSection(width, depth)) verdict.TimberTorsionNote = kTimberTorsionNote;
  verdict.TimberCheckFailed = fails ? -1 : 0;
  return verdict;
}

}  // namespace trabeo
