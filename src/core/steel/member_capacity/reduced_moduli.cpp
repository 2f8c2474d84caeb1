#include "steel/member_capacity/reduced_moduli.h"

#include <cmath>

#include "steel/tangent.h"

namespace trabeo {
namespace {

constexpr double kPi = 3.1415927;
constexpr double kDegreesToRadians = kPi / 180;

struct Dimensions {
  double D, B, t, T, A, Sx, Sy;
};

Dimensions DimensionsOf(const MemberSection& sec) {
  return {sec.Depth, sec.Width, sec.WebThk, sec.FlgThk, sec.Area, sec.Sxx, sec.Syy};
}

// Rolled I-sections: the web carries the axial load first, then the flanges.
double ISectionSrxWebZone(const Dimensions& g, double n) {
  return g.Sx - g.A * g.A * n * n / (4 * g.t);
}
double ISectionSrxFlangeZone(const Dimensions& g, double n) {
  return (1 - n) * g.A * g.A / (4 * g.B) * (n + 2 * g.B * g.D / g.A - 1);
}
double ISectionSry(const Dimensions& g, double n, double flangeFactor) {
  if (n < g.t * g.D / g.A) return g.Sy - g.A * g.A * n * n / (4 * g.D);
  return flangeFactor * (1 - n) * g.A * g.A / (8 * g.T) * (n + 4 * g.B * g.T / g.A - 1);
}

ReducedModuli Beam(const Dimensions& g, double n) {
  const double Srx =
      n < g.t * (g.D - 2 * g.T) / g.A ? ISectionSrxWebZone(g, n) : ISectionSrxFlangeZone(g, n);
  return {Srx, ISectionSry(g, n, 1), 2, 1};
}

// Joists: tapered flanges, thicker at the web (Tr) than at the toe (Tt). Between the zone where
// only the web carries the load and the zone where the flange formula holds, the modulus is
// blended linearly.
ReducedModuli Joist(const Dimensions& g, double n, double taperDegrees) {
  const double slope = TangentOfRadians(taperDegrees * kDegreesToRadians) * (g.B - g.t) / 4;
  const double Tr = g.T + slope;
  const double Tt = g.T - slope;
  const double n1 = g.t * (g.D - 2 * Tr) / g.A;
  const double n2 = 1 - 2 * g.B * Tt / g.A;
  double Srx = 0;
  if (n <= n1) {
    Srx = ISectionSrxWebZone(g, n);
  } else if (n >= n2) {
    Srx = ISectionSrxFlangeZone(g, n);
  } else {
    const double Sw = ISectionSrxWebZone(g, n);
    const double Sf = ISectionSrxFlangeZone(g, n);
    Srx = Sw + (Sf - Sw) * (n - n1) / (n2 - n1);
  }
  return {Srx, ISectionSry(g, n, 0.87), 2, 1};
}

ReducedModuli Box(const Dimensions& g, double n) {
  const auto about = [&](double S, double depth, double width) {
    if (n <= 2 * g.t * (depth - 2 * g.t) / g.A) return S - g.A * g.A * n * n / (8 * g.t);
    return g.A * g.A / (4 * (width - g.t)) * (1 - n) * (2 * depth * (width - g.t) / g.A + n - 1);
  };
  return {about(g.Sx, g.D, g.B), about(g.Sy, g.B, g.D), 5.0 / 3, 5.0 / 3};
}

ReducedModuli Tube(const Dimensions& g, double n) {
  const double factor = std::cos(n * kPi / 2);
  return {g.Sx * factor, g.Sy * factor, 2, 2};
}

// A channel's outstands idealised as a rectangle (B - t) x Tt at the toe thickness plus a
// triangle of slope k, so that their area matches the section's flange area.
struct ChannelShape {
  double Tt = 0;  // flange thickness at the toe
  double Tr = 0;  // at the web face
  double k = 0;   // effective taper
};

ChannelShape ChannelShapeOf(const Dimensions& g, double taperDegrees) {
  const double outstand = g.B - g.t;
  const double flangeArea = (g.A - g.D * g.t) / 2;
  ChannelShape shape;
  shape.Tt = g.T - TangentOfRadians(taperDegrees * kDegreesToRadians) * outstand / 2;
  const double taper = std::atan(2 * (flangeArea - outstand * shape.Tt) / (outstand * outstand));
  shape.k = std::tan(taper);
  shape.Tr = shape.Tt + outstand * shape.k;
  return shape;
}

// Srx of a channel in three zones of n. The depths that balance the axial area solve
// y t + y^2 / (2k) = a and y B = a; both are solved in closed form, the roots that an
// iteration from a first guess converges to.
double ChannelSrx(const Dimensions& g, const ChannelShape& s, double F, double py) {
  const double outstand = g.B - g.t;
  const double n = F / (g.A * py);
  const double half = g.D / 2;
  const double n1 = g.t * (g.D - 2 * s.Tr) / g.A;
  const double n2 = (outstand * outstand * s.k + g.t * (g.D - 2 * s.Tt)) / g.A;
  const double Mf = 2 * outstand * s.Tt * (half - s.Tt / 2);
  if (n <= n1) {
    const double yn = F / (2 * g.t * py);
    return Mf + 2 * (outstand * outstand * s.k / 2) * (half - s.Tt - (s.Tr - s.Tt) / 3) +
           2 * (half - yn) * g.t * (half - (half - yn) / 2);
  }
  if (n < n2) {
    const double a = (F / py - g.t * (g.D - 2 * s.Tr)) / 2;
    const double y = 2 * a / (g.t + std::sqrt(g.t * g.t + 2 * a / s.k));
    const double h = s.Tr - s.Tt - y;
    return Mf + 2 * (h * h / (2 * s.k)) * (half - s.Tt - h / 3) +
           2 * h * (outstand - h / s.k) * (half - s.Tt - h / 2) +
           2 * g.t * (s.Tr - y) * (half - (s.Tr - y) / 2);
  }
  const double a = (F / py - g.t * (g.D - 2 * s.Tt) - outstand * outstand * s.k) / 2;
  const double y = a / g.B;
  return 2 * (s.Tt - y) * g.B * (half - (s.Tt - y) / 2);
}

// Sry of a channel, about the plastic axis that the axial area moves towards the toes
// (back in tension, sign +1) or towards the back (sign -1); nullopt where the flange shape
// gives the procedure no value.
std::optional<double> ChannelSry(const Dimensions& g, const ChannelShape& s, double n, double Cy,
                                 int sign) {
  const double k = s.k;
  const double Tc = s.Tt + k * (g.B - Cy);
  const double a = n * g.A / 4;
  const double root = Tc * Tc - 2 * k * a;
  if (root < 0) return std::nullopt;
  const double inner = Cy - g.t;
  const double Ain = 2 * (inner * Tc + inner * inner * k / 2);
  const double delta2 = (Tc - std::sqrt(root)) / k;
  const double x2 = Cy + delta2;
  double x1 = 0, Mw = 0, M1 = 0, M2 = 0;
  if (Ain >= n * g.A / 2) {
    x1 = Cy - (std::sqrt(Tc * Tc + 2 * k * a) - Tc) / k;
    const double T1 = Tc + k * delta2;
    const double w = x1 - g.t;
    const double lever = sign > 0 ? 0 : x2 - x1;
    Mw = g.D * g.t * ((sign > 0 ? x1 : x2) - g.t / 2);
    M1 = (w * w * k / 2) * (lever + 2 * w / 3);
    M2 = T1 * w * (lever + w / 2);
  } else {
    x1 = (inner * Tc + inner * inner * k / 2 + g.t * g.D / 2 - a) / (g.D / 2);
    Mw = sign > 0 ? g.D * x1 * x1 / 2 : g.D * x1 * (x2 - x1 / 2);
  }
  const double toe = g.B - x2;
  const double e = sign > 0 ? x2 - x1 : 0;
  const double M3 = (toe * toe * k / 2) * (toe / 3 + e);
  const double M4 = toe * s.Tt * (toe / 2 + e);
  if (x1 < 0) return 0.0;
  return std::min(Mw + 2 * (M1 + M2 + M3 + M4), g.Sy);
}

std::optional<ReducedModuli> Channel(MemberContext& c, const Dimensions& g, double F, double py) {
  const MemberSection& sec = c.s.McSection;
  const double n = F / (g.A * py);
  if (n < 0.5) {
    c.dialogs.Message(kChannelSryMessage);
    return std::nullopt;
  }
  const int sign = c.dialogs.AskYesNo(kChannelBackQuestion) ? -1 : 1;
  if (sec.Cy < sec.WebThk) {
    c.dialogs.Message(kNarrowChannelMessage);
    c.Stop(false);
    return std::nullopt;
  }
  const ChannelShape shape = ChannelShapeOf(g, sec.FlgAngle);
  // With no taper left after idealising (k = 0) the procedure divides by k: it has no value,
  // and the simplified approach stands alone.
  if (!(shape.k > 1e-9)) return std::nullopt;
  const std::optional<double> Sry = ChannelSry(g, shape, n, sec.Cy, sign);
  const double Srx = ChannelSrx(g, shape, F, py);
  if (!Sry || !std::isfinite(*Sry) || !std::isfinite(Srx)) return std::nullopt;
  return ReducedModuli{Srx, *Sry, 1, 1};
}

}  // namespace

std::optional<ReducedModuli> ReducedPlasticModuli(MemberContext& c, double F, double py) {
  const MemberSection& sec = c.s.McSection;
  const Dimensions g = DimensionsOf(sec);
  const double n = F / (g.A * py);
  const SectionKind type = c.s.McType;
  if (type == SectionKind::Beam) return Beam(g, n);
  if (type == SectionKind::RSJ) return Joist(g, n, sec.FlgAngle);
  if (type == SectionKind::RSC) return Channel(c, g, F, py);
  if (type == SectionKind::Box) return Box(g, n);
  if (type == SectionKind::Tube) return Tube(g, n);
  return std::nullopt;
}

}  // namespace trabeo
