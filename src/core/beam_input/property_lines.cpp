#include "beam_input/property_lines.h"

#include <string>

#include "fileio/fixed_text.h"
#include "model/section_kind.h"
#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"

namespace trabeo {
namespace {

class PropertyWriter {
 public:
  explicit PropertyWriter(const UnitSettings& units) : units_(units) {}

  void Line(const std::string& text) { lines_.Set(next_++, text); }
  void Gap() { ++next_; }
  void Value(const std::string& label, UnitQuantity quantity, double internal,
             Formatter format = SigFig4Dec3) {
    Line(label + ShowValueWithUnit(units_, quantity, internal, format));
  }
  // A section dimension in the section-dimension unit.
  void Dimension(const std::string& label, double mm, Formatter format = SigFig3Dec3) {
    Value(label, UnitQuantity::SectLength, mm, format);
  }

  TextStore<51, 50> Finish() {
    lines_.SetCount(next_);
    return lines_;
  }

 private:
  const UnitSettings& units_;
  TextStore<51, 50> lines_;
  int next_ = 1;
};

// The elastic modulus about an axis: the second moment over the distance to the extreme fibre.
// For symmetric sections that is half the depth or width; channels and angles need the
// record's own extreme-fibre distances, so those are used wherever the record has them.
double ElasticModulus(double inertia, double extremeFibre, double overallSize) {
  return extremeFibre != 0 ? inertia / extremeFibre : inertia / overallSize * 2;
}

}  // namespace

TextStore<51, 50> BuildPropertyLines(const SectionRecord& r, const UnitSettings& units) {
  PropertyWriter out(units);
  const SectionKind kind = SectionKindFromText(r.Type);
  const bool tube = kind == SectionKind::Tube;
  out.Line(" " + r.Type);
  out.Line(" " + r.Designation);
  out.Gap();
  if (tube) {
    out.Dimension(" Depth = ", r.Width, SigFig4Dec3);
  } else {
    out.Dimension(" Depth = ", r.Depth);
  }
  out.Dimension(" Width = ", r.Width, SigFig4Dec3);
  out.Dimension(" Flange Thk = ", r.FlgThk);
  out.Dimension(" Web Thk = ", r.WebThk);
  if (!IsHollowKind(kind)) out.Dimension(" Root rad = ", r.RootRad);
  if (r.Outstand != 0) out.Dimension(" Outstand = ", r.Outstand);
  if (r.WebDepth != 0) out.Dimension(" Web depth = ", r.WebDepth);
  if (r.FlgAngle != 0) out.Line(" Flange taper = " + SigFig3Dec3(r.FlgAngle) + " deg");
  out.Value(" E = ", UnitQuantity::E, r.E);
  out.Gap();

  out.Value(" Area = ", UnitQuantity::Area, r.Area, SigFig3Dec3);
  out.Value(" Ixx = ", UnitQuantity::Inertia, r.Ixx);
  out.Value(" Iyy = ", UnitQuantity::Inertia, r.Iyy);
  out.Dimension(" Rxx = ", r.Rx);
  out.Dimension(" Ryy = ", r.Ry);
  out.Dimension(" x = ", r.ExtremeX);
  out.Dimension(" y = ", r.ExtremeY);
  const double depth = tube ? r.Width : r.Depth;
  out.Value(" " + units.ElasticXLabel + " = ", UnitQuantity::Modulus,
            ElasticModulus(r.Ixx, r.ExtremeY, depth));
  out.Value(" " + units.ElasticYLabel + " = ", UnitQuantity::Modulus,
            ElasticModulus(r.Iyy, r.ExtremeX, r.Width));
  out.Gap();

  out.Value(" K = ", UnitQuantity::Inertia, r.K);
  out.Dimension(" t = ", r.TorsionFibre);
  out.Gap();
  if (r.Sxx != 0) {
    out.Value(" " + units.PlasticXLabel + " = ", UnitQuantity::Modulus, r.Sxx);
    out.Value(" " + units.PlasticYLabel + " = ", UnitQuantity::Modulus, r.Syy);
  }
  if (IsISectionKind(kind)) {
    out.Line(" u = " + SigFig4Dec3(r.u));
    out.Line(" x = " + SigFig4Dec3(r.x));
    out.Value(" H = ", UnitQuantity::Warping, r.H);
  }
  out.Gap();
  out.Value(" Wt = ", UnitQuantity::Weight, r.Area);
  return out.Finish();
}

void TakeSectionRecord(const SectionRecord& r, BeamProject& project) {
  SectionValues& s = project.section;
  s.SectionArea = r.Area;
  project.model.FibreDistance = r.ExtremeY;
  s.SectionWidth = r.Width;
  s.SectionDepth = r.Depth;
  s.SectionWebThk = r.WebThk;
  s.SectionFlgThk = r.FlgThk;
  s.SectionRootRad = r.RootRad;
  s.SectionWebDepth = r.WebDepth;
  s.SectionOutstand = r.Outstand;
  s.SectionSxx = r.Sxx;
  s.SectionRy = r.Ry;
  s.SectionRv = r.Rv;
  s.SectionU = r.u;
  s.SectionX = r.x;
  if (r.Rx != 0) s.SectionZxx = r.Ixx / r.ExtremeY;
  s.SectionKind = SectionKindFromText(r.Type);
  s.SectionDescription = CutToCapacity(r.Designation, kDescriptionCapacity);
}

}  // namespace trabeo
