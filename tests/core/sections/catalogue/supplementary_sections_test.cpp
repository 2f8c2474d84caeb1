// The sections filled from the supplementary published tables against the numbers of those
// tables, typed here from them in their own units: the dimensions as published, the published
// properties within 1 % (the I-section's are computed from its dimensions, the channels' are the
// table's own, so the check covers units and the axes they are measured from), and where only
// dimensions, area and mass are published, those.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "sections/catalogue/catalogue.h"

namespace trabeo {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kKgPerMmPerMm2 = 7850e-9 * 1000;  // steel, kg/m per mm2 of area

SectionRecord Listed(std::string_view file, std::string_view name) {
  for (const SectionRecord& record : CatalogueRecords(*FindCatalogueFile(file))) {
    const auto end = record.Designation.find_last_not_of(' ');
    if (end != std::string::npos && record.Designation.substr(0, end + 1) == name) return record;
  }
  ADD_FAILURE() << name << " is not in " << file;
  return {};
}

#define EXPECT_WITHIN_1PC(listed, published) \
  EXPECT_NEAR(listed, published, 0.01 * (published)) << #listed

// AISC Shapes Database v15.0H, LRFD 3rd edition: d, bf, tw, tf (in), W (lb/ft), A (in2),
// Ix, Iy (in4), Zx, Sx, Zy, Sy (in3).
struct HistoricW {
  const char* name;
  double d, bf, tw, tf, A, Ix, Iy, Zx, Sx, Zy, Sy;
};

// clang-format off
constexpr HistoricW kHistoricW[] = {
    {"W36 x 16-1/2 x 230", 35.9, 16.5, 0.76,  1.26, 67.6, 15000,  940,  943,  837, 176, 114},
    {"W36 x 16-1/2 x 245", 36.1, 16.5, 0.8,   1.35, 72.1, 16100, 1010, 1010,  895, 190, 123},
    {"W36 x 16-1/2 x 260", 36.3, 16.6, 0.84,  1.44, 76.5, 17300, 1090, 1080,  953, 204, 132},
    {"W36 x 16-1/2 x 280", 36.5, 16.6, 0.885, 1.57, 82.4, 18900, 1200, 1170, 1030, 223, 144},
    {"W36 x 16-1/2 x 300", 36.7, 16.7, 0.945, 1.68, 88.3, 20300, 1300, 1260, 1110, 241, 156},
    {"W36 x 16-1/2 x 328", 37.1, 16.6, 1.02,  1.85, 96.4, 22500, 1420, 1380, 1210, 265, 171},
    {"W36 x 16-1/2 x 359", 37.4, 16.7, 1.12,  2.01, 105,  24800, 1570, 1510, 1320, 292, 188},
};
// clang-format on

// Area, Ixx and Iyy come from the I-beam calculator; the published values hold them within 1 %.
TEST(SupplementarySections, HistoricWShapesAgreeWithTheirPublishedTable) {
  const double in2 = kMmPerInch * kMmPerInch, in3 = in2 * kMmPerInch, in4 = in3 * kMmPerInch;
  for (const HistoricW& p : kHistoricW) {
    SCOPED_TRACE(p.name);
    const SectionRecord r = Listed("WsBeam.sct", p.name);
    EXPECT_NEAR(r.Depth, p.d * kMmPerInch, 0.01);
    EXPECT_NEAR(r.Width, p.bf * kMmPerInch, 0.01);
    EXPECT_NEAR(r.WebThk, p.tw * kMmPerInch, 0.01);
    EXPECT_NEAR(r.FlgThk, p.tf * kMmPerInch, 0.01);
    EXPECT_WITHIN_1PC(r.Area, p.A * in2);
    EXPECT_WITHIN_1PC(r.Ixx, p.Ix * in4);
    EXPECT_WITHIN_1PC(r.Iyy, p.Iy * in4);
    EXPECT_WITHIN_1PC(r.Sxx, p.Zx * in3);
    EXPECT_WITHIN_1PC(r.Syy, p.Zy * in3);
    EXPECT_WITHIN_1PC(r.Ixx / r.ExtremeY, p.Sx * in3);
    EXPECT_WITHIN_1PC(r.Iyy / r.ExtremeX, p.Sy * in3);
  }
}

// DIN 1026-1 small channels: h, b, s, t, r1, r2 (mm), G (kg/m), A (cm2), Ix, Iy (cm4),
// Wx, Wy (cm3), ey (centroid from the back of the web) and xM (shear centre from the centroid),
// cm.
struct SmallChannel {
  const char* name;
  double h, b, s, t, r1, r2, G, A, Ix, Iy, Wx, Wy, ey, xM;
};

// clang-format off
constexpr SmallChannel kSmallChannels[] = {
    {"U  30 x 15", 30, 15, 4, 4.5, 4.5, 2,   1.74, 2.21, 2.53, 0.38, 1.69, 0.39, 0.52, 0.74},
    {"U  30",      30, 33, 5, 7,   7,   3.5, 4.27, 5.44, 6.39, 5.33, 4.26, 2.68, 1.31, 2.22},
    {"U  40",      40, 35, 5, 7,   7,   3.5, 4.87, 6.21, 14.1, 6.68, 7.05, 3.08, 1.33, 2.32},
};
// clang-format on

TEST(SupplementarySections, SmallChannelsAgreeWithTheirPublishedTable) {
  for (const SmallChannel& p : kSmallChannels) {
    SCOPED_TRACE(p.name);
    const SectionRecord r = Listed("UPN.sct", p.name);
    EXPECT_EQ(r.Depth, static_cast<float>(p.h));
    EXPECT_EQ(r.Width, static_cast<float>(p.b));
    EXPECT_EQ(r.WebThk, static_cast<float>(p.s));
    EXPECT_EQ(r.FlgThk, static_cast<float>(p.t));
    EXPECT_EQ(r.RootRad, static_cast<float>(p.r1));
    EXPECT_EQ(r.ToeRad, static_cast<float>(p.r2));
    EXPECT_WITHIN_1PC(r.Area * kKgPerMmPerMm2, p.G);
    EXPECT_WITHIN_1PC(r.Area, p.A * 1e2);
    EXPECT_WITHIN_1PC(r.Ixx, p.Ix * 1e4);
    EXPECT_WITHIN_1PC(r.Iyy, p.Iy * 1e4);
    // The elastic moduli tie the extreme fibres to the published centroid: Wy = Iy / (b - ey).
    EXPECT_WITHIN_1PC(r.Ixx / r.ExtremeY, p.Wx * 1e3);
    EXPECT_WITHIN_1PC(r.Iyy / r.ExtremeX, p.Wy * 1e3);
    EXPECT_WITHIN_1PC(r.Cy, p.ey * 10);
    EXPECT_WITHIN_1PC(r.Cs, p.xM * 10);
  }
}

// The old tapered-flange channels as EN 10365:2017 lists them ("CH" rows): h, b, s, t, r1, r2
// (mm), A (cm2), G (kg/m). Of the properties it publishes only the area, which the rows must
// carry, and the mass, which follows from it.
struct OldChannel {
  const char* name;
  double h, b, s, t, r1, r2, A, G;
};

// clang-format off
constexpr OldChannel kOldChannels[] = {
    {"102 x 51 RSC",  101.6, 50.8,  6.1,  7.6,  12,   6,    13.1, 10.4},
    {"127 x 64 RSC",  127,   63.5,  6.4,  9.2,  13,   6.5,  18.8, 14.9},
    {"152 x 76 RSC",  152.4, 76.2,  6.4,  9,    14,   7,    22.5, 17.9},
    {"152 x 89 RSC",  152.4, 88.9,  7.1,  11.6, 16,   8,    30,   23.9},
    {"178 x 76 RSC",  177.8, 76.2,  6.6,  10.3, 16,   8,    26.4, 20.8},
    {"178 x 89 RSC",  177.8, 88.9,  7.6,  12.3, 17,   8.5,  33.8, 26.8},
    {"203 x 76 RSC",  203.2, 76.2,  7.1,  11.2, 17,   8.5,  30.3, 23.9},
    {"203 x 89 RSC",  203.2, 88.9,  8.1,  12.9, 17.5, 8.8,  37.6, 29.8},
    {"229 x 76 RSC",  228.6, 76.2,  7.6,  11.2, 17.5, 8.8,  33.1, 26.1},
    {"229 x 89 RSC",  228.6, 88.9,  8.6,  13.3, 19,   9.5,  41.4, 32.7},
    {"254 x 76 RSC",  254,   76.2,  8.1,  10.9, 19,   9.5,  35.9, 28.2},
    {"254 x 89 RSC",  254,   88.9,  9.1,  13.6, 20.4, 10.2, 45.3, 35.7},
    {"305 x 89 RSC",  304.8, 88.9,  10.2, 13.7, 25.7, 12.8, 53,   41.8},
    {"305 x 102 RSC", 304.8, 101.6, 10.2, 14.8, 26.7, 13.3, 58.1, 46.2},
    {"381 x 102 RSC", 381,   101.6, 10.4, 16.3, 28.2, 14.1, 69.6, 55},
    {"432 x 102 RSC", 431.8, 101.6, 12.2, 16.8, 24,   12,   82.4, 65.5},
};
// clang-format on

TEST(SupplementarySections, OldChannelsAgreeWithTheirPublishedAreaAndMass) {
  for (const OldChannel& p : kOldChannels) {
    SCOPED_TRACE(p.name);
    const SectionRecord r = Listed("RSC.sct", p.name);
    EXPECT_EQ(r.Depth, static_cast<float>(p.h));
    EXPECT_EQ(r.Width, static_cast<float>(p.b));
    EXPECT_EQ(r.WebThk, static_cast<float>(p.s));
    EXPECT_EQ(r.FlgThk, static_cast<float>(p.t));
    EXPECT_EQ(r.FlgAngle, 5.0f);
    // Radii the channel calculator cannot model are reduced to what it can, never enlarged or
    // dropped: the nearest it accepts lies within a quarter of the published toe radius and a
    // tenth of the published root radius.
    EXPECT_LE(r.RootRad, static_cast<float>(p.r1));
    EXPECT_GE(r.RootRad, 0.9 * p.r1);
    EXPECT_LE(r.ToeRad, static_cast<float>(p.r2));
    EXPECT_GE(r.ToeRad, 0.75 * p.r2);
    EXPECT_NEAR(r.Area, p.A * 1e2, 0.01 * p.A * 1e2);
    EXPECT_NEAR(r.Area * kKgPerMmPerMm2, p.G, 0.03 * p.G);
    EXPECT_NEAR(r.Rx * r.Rx * r.Area, r.Ixx, 1e-3 * r.Ixx);
  }
}

// Angles published with their dimensions only (FreeCAD library, Blueprints): long leg, short
// leg, thickness, root and toe radii (mm). Where the two disagree (L 50 x 30 x 4: 4.5/2 or 5/2.5;
// L 100 x 50 x 10: 9/4.5 or 8/4), the radii of the same legs' other thicknesses in the file.
struct AngleGeometry {
  const char* file;
  const char* name;
  double h, b, t, r1, r2;
};

// clang-format off
constexpr AngleGeometry kAngles[] = {
    {"UnEqL.sct", "L  40 x 20 x 3",   40,  20, 3,  3.5, 2},
    {"UnEqL.sct", "L  45 x 30 x 5",   45,  30, 5,  4.5, 2},
    {"UnEqL.sct", "L  50 x 30 x 4",   50,  30, 4,  5,   2.5},
    {"UnEqL.sct", "L  50 x 40 x 5",   50,  40, 5,  4,   2},
    {"UnEqL.sct", "L  75 x 50 x 7",   75,  50, 7,  7,   3.5},
    {"UnEqL.sct", "L  80 x 65 x 8",   80,  65, 8,  8,   4},
    {"UnEqL.sct", "L  90 x 60 x 6",   90,  60, 6,  7,   3.5},
    {"UnEqL.sct", "L  90 x 60 x 8",   90,  60, 8,  7,   3.5},
    {"UnEqL.sct", "L  100 x 50 x 10", 100, 50, 10, 8,   4},
    {"UnEqL.sct", "L  100 x 75 x 9",  100, 75, 9,  10,  5},
    {"UnEqL.sct", "L  130 x 65 x 8",  130, 65, 8,  11,  5.5},
    {"UnEqL.sct", "L  130 x 65 x 10", 130, 65, 10, 11,  5.5},
    {"UnEqRSA.sct", "65 x 50 x 6 RSA", 65, 50, 6,  6.5, 3.5},
    {"UnEqRSA.sct", "65 x 50 x 8 RSA", 65, 50, 8,  6.5, 3.5},
    {"EqRSA.sct", "30 x 30 x 5 RSA",  30,  30, 5,  5,   2.5},
    {"EqRSA.sct", "40 x 40 x 3 RSA",  40,  40, 3,  6,   2},
};
// clang-format on

TEST(SupplementarySections, AnglesHaveTheirPublishedDimensions) {
  for (const AngleGeometry& p : kAngles) {
    SCOPED_TRACE(p.name);
    const SectionRecord r = Listed(p.file, p.name);
    EXPECT_EQ(r.Depth, static_cast<float>(p.h));
    EXPECT_EQ(r.Width, static_cast<float>(p.b));
    EXPECT_EQ(r.WebThk, static_cast<float>(p.t));
    EXPECT_EQ(r.RootRad, static_cast<float>(p.r1));
    EXPECT_EQ(r.ToeRad, static_cast<float>(p.r2));
    // Two legs of t less their overlap, with the root fillet's small gain: within a few
    // per cent of the plain rectangles.
    EXPECT_NEAR(r.Area, p.t * (p.h + p.b - p.t), 0.03 * p.t * (p.h + p.b - p.t));
  }
}

}  // namespace
}  // namespace trabeo
