#include "timber/timber_member.h"

#include <cmath>
#include <numbers>

namespace trabeo {

void ComputeTimberMemberProperties(TimberMemberSection& s) {
  const double K1 = s.K1;
  const double K1Fourth = K1 * K1 * K1 * K1;
  const double h = s.h();
  const double other = s.other();
  s.I = static_cast<float>(K1Fourth * other * h * h * h / 12 / 1e4);
  s.A = static_cast<float>(K1 * K1 * s.b * s.d / 100);
  s.r = s.A != 0 && s.I != 0 ? static_cast<float>(10 * std::sqrt(static_cast<double>(s.I) / s.A))
                             : 0.0f;
}

TimberBendingCapacity CalculateTimberBending(const TimberMemberSection& s,
                                             const TimberMemberGrade& grade, float K3) {
  TimberBendingCapacity c;
  const double h = s.h();
  c.K3 = K3;
  c.K7 = static_cast<float>(K7Factor(h));
  c.permBendStress =
      static_cast<float>(grade.bending * s.K2.bending * static_cast<double>(K3) * c.K7 * s.K8);
  c.permE = static_cast<float>(grade.eBending * s.K2.E);
  c.EI = static_cast<float>(static_cast<double>(c.permE) * s.I / 1e5);
  c.permMoment =
      static_cast<float>(static_cast<double>(c.permBendStress) * 2 * s.I / (h * s.K1) / 100);
  c.permShearStress = static_cast<float>(grade.shear * s.K2.shear * static_cast<double>(K3) * s.K8);
  c.permShear = static_cast<float>(static_cast<double>(s.K1) * s.K1 * c.permShearStress * s.b *
                                   s.d / 1000 / 1.5);
  c.torsionNote = h / s.other() > 2;
  return c;
}

TimberAxialCapacity CalculateTimberAxial(const TimberMemberSection& s,
                                         const TimberMemberGrade& grade, float K3) {
  TimberAxialCapacity c;
  c.K3 = K3;
  c.permCompStress = static_cast<float>(grade.axial * s.K2.axial * static_cast<double>(K3));
  c.permE = static_cast<float>(grade.eAxial * s.K2.E);
  c.lambda = static_cast<float>(s.Le / s.r);
  c.eta = static_cast<float>(0.005 * static_cast<double>(c.lambda));
  c.K12 = static_cast<float>(K12Factor(s.Le, s.r, c.permCompStress, c.permE));
  c.permAxialStress = static_cast<float>(static_cast<double>(s.K8) * c.K12 * c.permCompStress);
  c.permAxial =
      static_cast<float>(static_cast<double>(s.A) * 100 * c.K12 * c.permCompStress / 1000 * s.K8);
  return c;
}

TimberCombinedCheck CheckTimberCombined(const TimberMemberSection& s,
                                        const TimberMemberGrade& grade,
                                        const TimberBendingCapacity& bending,
                                        const TimberAxialCapacity& axial, double appliedMoment,
                                        double appliedAxial) {
  TimberCombinedCheck c;
  const double K1 = s.K1;
  const double area = s.b * K1 * s.d * K1;  // mm2
  c.appliedMoment = static_cast<float>(appliedMoment);
  c.appliedAxial = static_cast<float>(appliedAxial);
  c.appliedBendStress = static_cast<float>(appliedMoment * (s.h() * K1 / 2) / s.I * 100);
  c.appliedCompStress = static_cast<float>(appliedAxial * 1000 / area);
  const double r = std::sqrt(static_cast<double>(s.I) * 1e4 / area);
  const double E = grade.eAxial * s.K2.E;
  const double slenderness = s.Le / r;
  c.eulerStress =
      static_cast<float>(std::numbers::pi * std::numbers::pi * E / (slenderness * slenderness));
  const double sigmaMa = c.appliedBendStress;
  const double sigmaCa = c.appliedCompStress;
  const double K12 = axial.K12;
  c.w = static_cast<float>(
      sigmaMa / (bending.permBendStress * (1 - 1.5 * sigmaCa * K12 / c.eulerStress)) +
      sigmaCa / (static_cast<double>(s.K8) * K12 * axial.permCompStress));
  // No load at all (w = 0) complies: the member carries nothing.
  c.ok = c.w >= 0 && c.w <= 1;
  return c;
}

}  // namespace trabeo
