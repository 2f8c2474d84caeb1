#pragma once

#include <span>
#include <string_view>

namespace trabeo::catalogue {

// The rows of the built-in section tables, one per record of a catalogue file, in file order.
// A row holds the numbers that vary from section to section; the columns every record of a file
// shares (type, grade, E) and the ones that follow from the dimensions by a fixed rule (B/2,
// D/2, B - 3t, ...) are filled in when the records are made. Dimensions are in mm, properties in
// powers of mm, angles in degrees.
//
// A row with an empty name is a separator. A row with a name and all numbers 0 is a section
// whose data is not available: it is listed but, having no width, cannot be picked.

// Rolled I- and H-sections ("Beam") and joists ("RSJ").
struct IBeamRow {
  std::string_view name;
  double D, B, t, T, r1, r2;
  double WebDepth;
  double Area, Ixx, Iyy, Rx, Ry, K, TorsionFibre, Sxx, Syy, u, x, H;
};

// Channels ("RSC"). Extra is Ceq, the plastic neutral axis about y-y from the back of the web.
struct ChannelRow {
  std::string_view name;
  double D, B, t, T, r1, r2;
  double FlgAngle, WebDepth;
  double Area, Ixx, Iyy, Rx, Ry, Cy, ExtremeX, K, TorsionFibre, Cs, Sxx, Syy, u, x, H, Extra;
};

// Equal and unequal angles ("RSA"): D the long leg, B the short leg, t both legs.
struct AngleRow {
  std::string_view name;
  double D, B, t, r1, r2;
  double Area, Ixx, Iyy, Rx, Ry, Cx, Cy, ExtremeX, ExtremeY, Iuu, Ivv, Ru, Rv, Alpha, K,
      TorsionFibre;
};

// Rectangular and square hollow sections ("Box").
struct BoxRow {
  std::string_view name;
  double D, B, t;
  double Area, Ixx, Iyy, Rx, Ry, K, TorsionFibre, Sxx, Syy;
};

// Circular hollow sections ("Tube"): the same I, r and S about every axis.
struct TubeRow {
  std::string_view name;
  double D, t;
  double Area, I, R, K, S;
};

// A row of any table that carries a name only: a section whose data is not available, or, with
// an empty name, a separator.
struct NoData {
  std::string_view name;

  template <typename Row>
  constexpr operator Row() const {
    Row row{};
    row.name = name;
    return row;
  }
};

inline constexpr NoData kSeparator{};

std::span<const IBeamRow> UbRows();
std::span<const IBeamRow> UcRows();
std::span<const IBeamRow> RsjRows();
std::span<const IBeamRow> IpeRows();
std::span<const IBeamRow> HeRows();
std::span<const IBeamRow> WsBeamRows();
std::span<const IBeamRow> WsColRows();
std::span<const ChannelRow> RscRows();
std::span<const ChannelRow> PfcRows();
std::span<const ChannelRow> UpnRows();
std::span<const AngleRow> EqRsaRows();
std::span<const AngleRow> UnEqRsaRows();
std::span<const AngleRow> EqLRows();
std::span<const AngleRow> UnEqLRows();
std::span<const BoxRow> RhsRows();
std::span<const TubeRow> ChsRows();
std::span<const ChannelRow> CRows();

}  // namespace trabeo::catalogue
