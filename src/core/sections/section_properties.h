#pragma once

#include "model/section_record.h"

namespace trabeo {

// Copies into the record, in single precision, every value that `source` holds under the
// record's own name (Area, Ixx, ..., Extra) or under the letter the record gives its dimension:
// D (Depth), B (Width), t (WebThk), T (FlgThk), r1 (RootRad) and r2 (ToeRad). The section
// calculators' results and the catalogue's rows name their values so, which makes this the one
// copy of a section's properties into a record. Whatever a shape names otherwise or derives (a
// tube's I for Ixx and Iyy, B/2 for the outstand, ...) the caller sets; nothing else is touched.
template <typename Source>
void CopySectionProperties(const Source& source, SectionRecord& record) {
  const auto single = [](double value) { return static_cast<float>(value); };
  if constexpr (requires { source.D; }) record.Depth = single(source.D);
  if constexpr (requires { source.B; }) record.Width = single(source.B);
  if constexpr (requires { source.t; }) record.WebThk = single(source.t);
  if constexpr (requires { source.T; }) record.FlgThk = single(source.T);
  if constexpr (requires { source.r1; }) record.RootRad = single(source.r1);
  if constexpr (requires { source.r2; }) record.ToeRad = single(source.r2);
  if constexpr (requires { source.Outstand; }) record.Outstand = single(source.Outstand);
  if constexpr (requires { source.WebDepth; }) record.WebDepth = single(source.WebDepth);
  if constexpr (requires { source.FlgAngle; }) record.FlgAngle = single(source.FlgAngle);
  if constexpr (requires { source.Area; }) record.Area = single(source.Area);
  if constexpr (requires { source.Ixx; }) record.Ixx = single(source.Ixx);
  if constexpr (requires { source.Iyy; }) record.Iyy = single(source.Iyy);
  if constexpr (requires { source.Rx; }) record.Rx = single(source.Rx);
  if constexpr (requires { source.Ry; }) record.Ry = single(source.Ry);
  if constexpr (requires { source.Cx; }) record.Cx = single(source.Cx);
  if constexpr (requires { source.Cy; }) record.Cy = single(source.Cy);
  if constexpr (requires { source.ExtremeX; }) record.ExtremeX = single(source.ExtremeX);
  if constexpr (requires { source.ExtremeY; }) record.ExtremeY = single(source.ExtremeY);
  if constexpr (requires { source.Iuu; }) record.Iuu = single(source.Iuu);
  if constexpr (requires { source.Ivv; }) record.Ivv = single(source.Ivv);
  if constexpr (requires { source.Ru; }) record.Ru = single(source.Ru);
  if constexpr (requires { source.Rv; }) record.Rv = single(source.Rv);
  if constexpr (requires { source.Alpha; }) record.Alpha = single(source.Alpha);
  if constexpr (requires { source.K; }) record.K = single(source.K);
  if constexpr (requires { source.TorsionFibre; })
    record.TorsionFibre = single(source.TorsionFibre);
  if constexpr (requires { source.Cs; }) record.Cs = single(source.Cs);
  if constexpr (requires { source.Sxx; }) record.Sxx = single(source.Sxx);
  if constexpr (requires { source.Syy; }) record.Syy = single(source.Syy);
  if constexpr (requires { source.u; }) record.u = single(source.u);
  if constexpr (requires { source.x; }) record.x = single(source.x);
  if constexpr (requires { source.H; }) record.H = single(source.H);
  if constexpr (requires { source.Extra; }) record.Extra = single(source.Extra);
}

}  // namespace trabeo
