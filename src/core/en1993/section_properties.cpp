#include "en1993/section_properties.h"

#include <cmath>
#include <optional>

namespace trabeo::en1993 {
namespace {

bool Positive(double value) {
  return std::isfinite(value) && value > 0;
}

// A field every check needs: a positive finite number.
std::optional<std::string> NeedPositive(const char* field, float value) {
  if (Positive(static_cast<double>(value))) return std::nullopt;
  return std::string("Section field ") + field + " must be a positive number";
}

// A field only some checks need: 0 (none held) or a positive finite number.
std::optional<std::string> NeedNotNegative(const char* field, float value) {
  const double v = static_cast<double>(value);
  if (std::isfinite(v) && v >= 0) return std::nullopt;
  return std::string("Section field ") + field + " must be 0 or a positive number";
}

std::optional<std::string> MissingField(const SectionRecord& rec, SectionKind kind) {
  const std::pair<const char*, float> needed[] = {
      {"Depth", rec.Depth},      {"Width", rec.Width}, {"WebThk", rec.WebThk},
      {"Area", rec.Area},        {"Ixx", rec.Ixx},     {"Iyy", rec.Iyy},
      {"Sxx", rec.Sxx},          {"Syy", rec.Syy},     {"ExtremeX", rec.ExtremeX},
      {"ExtremeY", rec.ExtremeY}};
  for (const auto& [field, value] : needed) {
    if (auto problem = NeedPositive(field, value)) return problem;
  }
  if (IsISectionKind(kind)) {
    if (auto problem = NeedPositive("FlgThk", rec.FlgThk)) return problem;
    if (auto problem = NeedNotNegative("RootRad", rec.RootRad)) return problem;
  }
  if (auto problem = NeedNotNegative("K", rec.K)) return problem;
  return NeedNotNegative("H", rec.H);
}

// The flat widths of Table 5.2 must leave something to class and to carry shear.
std::optional<std::string> ShapeProblem(const Ec3Section& s) {
  if (s.IsOpen() && s.h - 2 * s.tf - 2 * s.r <= 0)
    return std::string("Section dimensions leave no web between the root radii");
  if (s.kind == SectionKind::Box && (s.h - 3 * s.tw <= 0 || s.b - 3 * s.tw <= 0))
    return std::string("Box walls are too thick for their widths");
  if (s.kind == SectionKind::Tube && 2 * s.tw >= s.h)
    return std::string("Tube wall is too thick for its diameter");
  return std::nullopt;
}

Ec3Section FromRecord(const SectionRecord& rec, SectionKind kind) {
  const auto d = [](float value) { return static_cast<double>(value); };
  Ec3Section s;
  s.designation = rec.Designation;
  s.kind = kind;
  s.h = d(rec.Depth);
  s.b = d(rec.Width);
  s.tw = d(rec.WebThk);
  s.tf = IsISectionKind(kind) ? d(rec.FlgThk) : d(rec.WebThk);
  s.r = IsISectionKind(kind) ? d(rec.RootRad) : 0;
  s.A = d(rec.Area);
  s.Iy = d(rec.Ixx);
  s.Iz = d(rec.Iyy);
  s.Wply = d(rec.Sxx);
  s.Wplz = d(rec.Syy);
  s.Wely = d(rec.Ixx) / d(rec.ExtremeY);
  s.Welz = d(rec.Iyy) / d(rec.ExtremeX);
  s.It = d(rec.K);
  s.Iw = kind == SectionKind::Box ? 0 : d(rec.H);
  return s;
}

}  // namespace

std::variant<Ec3Section, std::string> DecodeSection(const SectionRecord& record) {
  const SectionKind kind = SectionKindFromText(record.Type);
  if (kind == SectionKind::RSA) return std::string("Angles are not checked to EN 1993-1-1");
  if (!IsISectionKind(kind) && !IsHollowKind(kind))
    return "Section type \"" + record.Type + "\" is not checked to EN 1993-1-1";
  if (auto problem = MissingField(record, kind)) return *problem;
  Ec3Section section = FromRecord(record, kind);
  if (auto problem = ShapeProblem(section)) return *problem;
  return section;
}

}  // namespace trabeo::en1993
