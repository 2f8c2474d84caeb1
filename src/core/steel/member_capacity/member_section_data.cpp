#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"
#include "steel/member_capacity/bending.h"
#include "steel/member_capacity/member_format.h"
#include "steel/member_capacity/member_window.h"

namespace trabeo {
namespace {

class DataLines {
 public:
  explicit DataLines(DetailList& out) : out_(out) {}

  void Dimension(std::string_view label, double mm) {
    out_.Add(std::string(label) + SigFig3(mm) + " mm");
  }
  // A property shown with four figures: its label, value and unit.
  void Property(std::string_view label, std::string (*value)(double, Formatter), double internal,
                std::string_view unit) {
    out_.Add(std::string(label) + WithUnit(value(internal, SigFig4), unit));
  }
  void Modulus(const std::string& label, double mm3) {
    Property("  " + label + " = ", CubicCm, mm3, "cm^3");
  }

 private:
  DetailList& out_;
};

}  // namespace

void ListMemberSectionData(MemberCapacityState& s, const UnitSettings& units) {
  DetailList& out = s.Detail(DetailKind::SectionData);
  out.Clear();
  const MemberSection& sec = s.McSection;
  const SectionKind type = s.McType;
  const bool tube = type == SectionKind::Tube;
  const bool closed = tube || type == SectionKind::Box;
  const bool iType = IsISectionKind(type);
  DataLines lines(out);
  if (tube) {
    lines.Dimension("  Dia = ", sec.Width);
  } else {
    lines.Dimension("  Width = ", sec.Width);
    lines.Dimension("  Depth = ", sec.Depth);
  }
  if (closed) {
    lines.Dimension("  Wall Thickness = ", sec.WebThk);
  } else {
    lines.Dimension("  Flange Thickness = ", sec.FlgThk);
    lines.Dimension("  Web Thickness = ", sec.WebThk);
    lines.Dimension("  Root Radius = ", sec.RootRad);
  }
  if (sec.Outstand != 0) lines.Dimension("  Outstand = ", sec.Outstand);
  if (sec.WebDepth != 0) lines.Dimension("  Web Depth = ", sec.WebDepth);
  if (sec.FlgAngle != 0) out.Add("  Flange Taper = " + SigFig3(sec.FlgAngle) + " deg");
  lines.Property("  Area = ", SquareCm, sec.Area, "cm^2");
  lines.Property("  Ixx = ", QuarticCm, sec.Ixx, "cm^4");
  lines.Property("  Iyy = ", QuarticCm, sec.Iyy, "cm^4");
  lines.Dimension("  Rx = ", sec.Rx);
  lines.Dimension("  Ry = ", sec.Ry);
  if (type == SectionKind::RSC) {
    lines.Dimension("  Cy = ", sec.Cy);
    lines.Dimension("  Cs = ", sec.Cs);
  }
  lines.Modulus(units.ElasticXLabel, sec.Zxx);
  lines.Modulus(units.ElasticYLabel, sec.Zyy);
  lines.Modulus(units.PlasticXLabel, sec.Sxx);
  lines.Modulus(units.PlasticYLabel, sec.Syy);
  lines.Property("  K = ", QuarticCm, sec.K, "cm^4");
  lines.Dimension("  t = ", sec.TorsionFibre);
  if (iType) {
    out.Add("  u = " + SigFig3(sec.u));
    out.Add("  x = " + SigFig3(sec.x));
    lines.Property("  H = ", SixthPowerDm, sec.H, "dm^6");
  }
  lines.Property("  Wt = ", KilogramsPerMetre, sec.Area, "kg/m");
}

}  // namespace trabeo
