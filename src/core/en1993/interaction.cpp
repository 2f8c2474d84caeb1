#include "en1993/interaction.h"

#include <algorithm>
#include <cmath>

#include "en1993/utilisation.h"

namespace trabeo::en1993 {
namespace {

bool Plastic(const InteractionInputs& in) {
  return in.sectionClass <= 2;
}

double Kyy(const InteractionInputs& in, double ny) {
  if (Plastic(in)) return in.Cmy * std::min(1 + (in.lambdaY - 0.2) * ny, 1 + 0.8 * ny);
  return in.Cmy * std::min(1 + 0.6 * in.lambdaY * ny, 1 + 0.6 * ny);
}

double Kzz(const InteractionInputs& in, double nz) {
  if (!Plastic(in)) return in.Cmz * std::min(1 + 0.6 * in.lambdaZ * nz, 1 + 0.6 * nz);
  if (in.hollow) return in.Cmz * std::min(1 + (in.lambdaZ - 0.2) * nz, 1 + 0.8 * nz);
  return in.Cmz * std::min(1 + (2 * in.lambdaZ - 0.6) * nz, 1 + 1.4 * nz);
}

// k_zy of Table B.2, for members susceptible to torsional deformation.
double KzyTorsional(const InteractionInputs& in, double nz) {
  const double denominator = in.CmLT - 0.25;
  if (!Plastic(in)) {
    return std::max(1 - 0.05 * in.lambdaZ * nz / denominator, 1 - 0.05 * nz / denominator);
  }
  const double general =
      std::max(1 - 0.1 * in.lambdaZ * nz / denominator, 1 - 0.1 * nz / denominator);
  if (in.lambdaZ < 0.4) return std::min(0.6 + in.lambdaZ, 1 - 0.1 * in.lambdaZ * nz / denominator);
  return general;
}

}  // namespace

double EquivalentMomentFactor(double M1, double M2) {
  if (std::abs(M2) > std::abs(M1)) std::swap(M1, M2);
  const double psi = M1 == 0 ? 1.0 : M2 / M1;
  return std::max(0.4, 0.6 + 0.4 * psi);
}

InteractionFactors AnnexBFactors(const InteractionInputs& in) {
  const double ny = Utilisation(in.NEd, in.NbyRd);
  const double nz = Utilisation(in.NEd, in.NbzRd);
  InteractionFactors k;
  k.kyy = Kyy(in, ny);
  k.kzz = Kzz(in, nz);
  k.kyz = Plastic(in) ? 0.6 * k.kzz : k.kzz;
  if (in.susceptibleToTorsion) {
    k.kzy = KzyTorsional(in, nz);
  } else {
    k.kzy = Plastic(in) ? 0.6 * k.kyy : 0.8 * k.kyy;
  }
  // The factors hold for N_Ed up to chi N_Rk; beyond it some turn negative and would let a
  // moment lower the interaction, so none is taken below 0 (the member fails in buckling then).
  for (double* factor : {&k.kyy, &k.kyz, &k.kzy, &k.kzz})
    *factor = std::max(0.0, *factor);
  return k;
}

InteractionResult MemberInteraction(const InteractionInputs& in) {
  InteractionResult r;
  r.k = AnnexBFactors(in);
  const double my = Utilisation(in.MyEd, in.chiLT * in.MyRd);
  const double mz = Utilisation(in.MzEd, in.MzRd);
  r.eq661 = Utilisation(in.NEd, in.NbyRd) + r.k.kyy * my + r.k.kyz * mz;
  r.eq662 = Utilisation(in.NEd, in.NbzRd) + r.k.kzy * my + r.k.kzz * mz;
  return r;
}

}  // namespace trabeo::en1993
