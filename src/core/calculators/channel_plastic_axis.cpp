#include <algorithm>
#include <array>
#include <cmath>

#include "calculators/channel_geometry.h"

namespace trabeo {

ChannelGeometry MakeChannelGeometry(double D, double B, double t, double T, double r1, double r2,
                                    double theta) {
  ChannelGeometry g{D, B, t, T, r1, r2, theta};
  g.tau = std::tan(theta);
  g.xf = t + r1;
  g.xm = t + (B - t) / 2;
  g.yf = T + g.tau * (g.xm - g.xf) + r1 / std::cos(theta);
  g.Tt = T - g.tau * (B - g.xm);
  g.xt = g.xf - g.tau * r1;
  g.Tk = T + g.tau * (g.tau * r1 + g.xm - t - r1);
  g.hw = D - 2 * g.Tk;
  g.a1 = 0.2146 * r1 * r1;
  g.a2 = 0.2146 * r2 * r2;
  return g;
}

namespace {

constexpr int kStrips = 1000;

// Case A: the axis stays at A / (2D), inside the web.
double ModulusWithAxisInWeb(const ChannelGeometry& g, double xp) {
  const double step = g.Tk - g.Tt;
  const double flanges =
      g.Tt * (g.B - xp) * (g.B - xp) / 2 + step * (g.xt - xp) * (g.xt - xp) / 2 +
      g.Tt * xp * xp / 2 + step * xp * xp / 2 +
      (g.tau * (g.B - g.xt) * (g.B - g.xt) / 2) * ((g.xt - xp) + (g.B - g.xt) / 3) -
      g.a2 * (g.B - xp - 0.223 * g.r2) + g.a1 * (g.t - xp + 0.223 * g.r1);
  return g.hw * xp * xp / 2 + g.hw * (g.t - xp) * (g.t - xp) / 2 + 2 * flanges;
}

// Case B: the axis lies in the flanges beyond the fillets; a hundred scalings of xp by the
// ratio of the area on its right to half the section.
ChannelPlasticAxis AxisBeyondFillets(const ChannelGeometry& g, double A, double xp) {
  for (int i = 0; i < 100; ++i) {
    const double right = 2 * (g.tau * (g.B - xp) * (g.B - xp) / 2 + (g.B - xp) * g.Tt - g.a2);
    const double ratio = std::clamp(right / (A / 2), 0.5, 1.5);
    xp *= ratio;
  }
  const double step = g.Tk - g.Tt;
  const double flanges = g.Tt * (g.B - xp) * (g.B - xp) / 2 + g.xt * step * (xp - g.xt / 2) +
                         g.Tt * xp * xp / 2 + step * (xp - g.xt) * (xp - g.xt) / 2 +
                         (g.tau * (g.B - xp) * (g.B - xp) / 2) * (g.B - xp) / 3 -
                         g.a2 * (g.B - xp - 0.223 * g.r2) + g.a1 * (xp - g.xt + 0.777 * g.r1);
  return {'B', xp, g.hw * g.t * (xp - g.t / 2) + 2 * flanges};
}

// Strips of one root fillet, k = 0 ... 1000 at distance k du from the vertical through its
// centre: the fillet's thickness there.
struct FilletStrips {
  double du;
  std::array<double, kStrips + 1> y;

  explicit FilletStrips(double r1) : du(r1 / kStrips) {
    for (int k = 0; k <= kStrips; ++k) {
      const double s = k * du;
      y[static_cast<std::size_t>(k)] = r1 - std::sqrt(std::max(r1 * r1 - s * s, 0.0));
    }
  }
  double Area(int k) const { return y[static_cast<std::size_t>(k)] * du; }
  double Sum(int from, int to) const {
    double sum = 0;
    for (int k = from; k <= to; ++k)
      sum += Area(k);
    return sum;
  }
  // The number of strips between the fillet's centre line and the axis. The axis may wander left
  // of the web face or right of the fillet while iterating, so the count is held to the table.
  int CountRightOf(double xf, double xp) const {
    const double n = (xf - xp) / du + 0.5;
    if (!(n > 0)) return 0;
    if (n >= kStrips) return kStrips;
    return static_cast<int>(n);
  }
};

// Case C: the axis lies between the web face and xt, cutting the root fillets, whose parts
// on either side are summed strip by strip.
ChannelPlasticAxis AxisThroughFillets(const ChannelGeometry& g, double A) {
  const auto flangeRightOf = [&g](double xp) {
    return g.tau * (g.B - xp) * (g.B - xp) / 2 + (g.B - xp) * g.Tt - g.a2;
  };
  const auto approach = [&](double xp, double target) {
    for (int i = 0; i < 20; ++i)
      xp *= 1 + 2 * (flangeRightOf(xp) - target) / target;
    return xp;
  };
  double xp = approach(g.t, (A - 2 * g.a1) / 4);
  if (xp < g.t) xp = approach(xp, A / 4);
  if (xp < g.t) xp = g.t;

  const FilletStrips strips(g.r1);
  for (int i = 0; i < 20; ++i) {
    const int n = strips.CountRightOf(g.xf, xp);
    const double q = strips.Sum(1, n);
    const double f = g.tau * (g.B - g.xt) * (g.B - g.xt) / 2 + (g.B - xp) * g.Tt - g.a2 +
                     (g.xt - xp) * (g.Tk - g.Tt) + q;
    xp = xp * 4 * f / A;
  }
  const int n = strips.CountRightOf(g.xf, xp);
  const double q = strips.Sum(1, n);            // the fillet's part right of the axis
  const double qLeft = strips.Sum(n, kStrips);  // and left of it; strip n counts in both
  // Each part acts at its half-area point.
  double leverRight = 0, running = 0;
  for (int k = 1; k <= kStrips; ++k) {
    running += strips.Area(k);
    if (running > q / 2) {
      leverRight = (n - k) * strips.du;
      break;
    }
  }
  double leverLeft = 0;
  running = 0;
  for (int m = n; m <= kStrips; ++m) {
    running += strips.Area(m);
    if (running > qLeft / 2) {
      leverLeft = (m - n) * strips.du;
      break;
    }
  }
  const double step = g.Tk - g.Tt;
  const double flanges = g.Tt * (g.B - xp) * (g.B - xp) / 2 + step * (g.xt - xp) * (g.xt - xp) / 2 +
                         g.Tt * xp * xp / 2 + step * xp * xp / 2 +
                         (g.tau * (g.B - xp) * (g.B - xp) / 2) * (g.B - xp) / 3 -
                         g.a2 * (g.B - xp - 0.223 * g.r2) + q * leverRight + qLeft * leverLeft;
  return {'C', xp, g.hw * g.t * (xp - g.t / 2) + 2 * flanges};
}

}  // namespace

ChannelPlasticAxis ChannelPlasticModulusYY(const ChannelGeometry& g, double A) {
  const double xp = A / (2 * g.D);
  if (xp <= g.t) return {'A', xp, ModulusWithAxisInWeb(g, xp)};
  if (A / 2 > 2 * g.a1 + g.t * g.hw + 2 * g.Tk * g.xt) return AxisBeyondFillets(g, A, xp);
  return AxisThroughFillets(g, A);
}

}  // namespace trabeo
