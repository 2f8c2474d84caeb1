#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fileio/fixed_text.h"
#include "model/design_code.h"

namespace trabeo {

// The quantities that carry a unit of their own, in the order in which both the units file and
// the beam data file store them.
enum class UnitQuantity {
  Length,      // span, cantilevers, load positions
  SectLength,  // section dimensions, radii of gyration, timber sizes
  PointLoad,
  Udl,  // distributed load rate
  Shear,
  Moment,
  Deflection,
  Stress,
  E,  // elastic modulus
  Inertia,
  Modulus,  // section modulus S, Z
  Area,
  Weight,  // weight per length, computed from the area
  Warping,
};

inline constexpr int kUnitQuantityCount = 14;

inline constexpr std::array<UnitQuantity, kUnitQuantityCount> kAllUnitQuantities{
    UnitQuantity::Length, UnitQuantity::SectLength, UnitQuantity::PointLoad,  UnitQuantity::Udl,
    UnitQuantity::Shear,  UnitQuantity::Moment,     UnitQuantity::Deflection, UnitQuantity::Stress,
    UnitQuantity::E,      UnitQuantity::Inertia,    UnitQuantity::Modulus,    UnitQuantity::Area,
    UnitQuantity::Weight, UnitQuantity::Warping};

// How a factor relates shown and internal values.
enum class FactorKind {
  Entry,   // internal = shown x factor
  Result,  // shown = internal x factor
};

FactorKind KindOf(UnitQuantity quantity);

inline constexpr int kModulusLabelCapacity = kShortTextCapacity;

// On/off settings hold 1 and -1.
inline constexpr int32_t kSettingOn = 1;
inline constexpr int32_t kSettingOff = -1;

// Moment diagram orientation.
inline constexpr int32_t kMomentPlotNumericallyCorrect = 1;  // sagging drawn above the axis
inline constexpr int32_t kMomentPlotInverted = -1;

// Where the BS 5950 factors n and m come from.
inline constexpr int32_t kNFactorOne = 1;        // n = 1 and m = 1
inline constexpr int32_t kNFactorByLoading = 2;  // n = 1 or 0.94 by the end moments
inline constexpr int32_t kNFactorRequested = 3;  // the user types n

// Which section moduli count as plastic in every printed label.
enum class ModulusConvention {
  SxxPlastic,  // plastic Sxx, Syy; elastic Zxx, Zyy (the default)
  ZxxPlastic,  // plastic Zxx, Zyy; elastic Sxx, Syy
};

// The preferences: units of entry and display, modulus labels, diagram orientation, the n rule,
// the design codes offered and whether loads carry factors. Owned by the application and copied
// into what needs it. Values in the model are always internal (mm, N); only entry and display go
// through these factors. Factors are single precision, as the files keep them.
//
// A default-constructed value holds the start-up defaults, with FactoredLoads 0 (not yet set by
// any source; only 1 counts as on) and DesignCode 0.
struct UnitSettings {
  std::string LengthUnitName = "m";
  float LengthFactor = 1000.0f;
  std::string SectLengthUnitName = "mm";
  float SectLengthFactor = 1.0f;
  std::string PointLoadUnitName = "kN";
  float PointLoadFactor = 1000.0f;
  std::string UdlUnitName = "kN/m";
  float UdlFactor = 1.0f;
  std::string ShearUnitName = "kN";
  float ShearFactor = 0.001f;
  std::string MomentUnitName = "kN-m";
  float MomentFactor = 1e-6f;
  std::string DeflectionUnitName = "mm";
  float DeflectionFactor = 1.0f;
  std::string StressUnitName = "N/mm^2";
  float StressFactor = 1.0f;
  std::string EUnitName = "N/mm^2";
  float EFactor = 1.0f;
  std::string InertiaUnitName = "cm^4";
  float InertiaFactor = 10000.0f;
  std::string ModulusUnitName = "cm^3";
  float ModulusFactor = 1000.0f;
  std::string AreaUnitName = "cm^2";
  float AreaFactor = 100.0f;
  std::string WeightUnitName = "kg/m";
  float WeightFactor = 0.00785f;  // kg/m per mm2 of area: steel at 7850 kg/m3
  std::string WarpingUnitName = "dm^6";
  float WarpingFactor = 1e-12f;

  std::string PlasticXLabel = "Sxx";
  std::string PlasticYLabel = "Syy";
  std::string ElasticXLabel = "Zxx";
  std::string ElasticYLabel = "Zyy";

  int32_t MomentPlotSign = kMomentPlotNumericallyCorrect;
  int32_t NFactorMode = kNFactorOne;

  // Design codes the beam section form offers; EnableSteelAISC is kept but read by nothing.
  int32_t EnableTimber5268 = kSettingOff;
  int32_t EnableSteel5950 = kSettingOff;
  int32_t EnableSteel449 = kSettingOff;
  int32_t EnableSteelAISC = kSettingOff;
  int32_t EnableSteelLRFD = kSettingOff;
  // EN 1993 came after the units file's layout was fixed: the file does not hold it, and the
  // desktop program keeps it in its own settings.
  int32_t EnableSteelEN1993 = kSettingOff;

  int32_t FactoredLoads = 0;
  // The beam's design code as the units file holds it (always written as 0). Loading settings
  // for a new beam copies it into the beam model; confirming the preferences resets it.
  trabeo::DesignCode DesignCode = trabeo::DesignCode::None;

  friend bool operator==(const UnitSettings&, const UnitSettings&) = default;
};

enum class CodeSwitch { Timber5268, Steel5950, Steel449, SteelAISC, SteelLRFD, SteelEN1993 };
inline constexpr int kCodeSwitchCount = 6;

// The name and factor of one quantity, for code that loops over all fourteen.
std::string& UnitNameOf(UnitSettings& settings, UnitQuantity quantity);
const std::string& UnitNameOf(const UnitSettings& settings, UnitQuantity quantity);
float& UnitFactorOf(UnitSettings& settings, UnitQuantity quantity);
float UnitFactorOf(const UnitSettings& settings, UnitQuantity quantity);

int32_t& CodeSwitchOf(UnitSettings& settings, CodeSwitch code);
int32_t CodeSwitchOf(const UnitSettings& settings, CodeSwitch code);

void SetModulusConvention(UnitSettings& settings, ModulusConvention convention);
// Decided by PlasticXLabel alone; a label that is neither "Sxx" nor "Zxx" matches neither.
bool UsesModulusConvention(const UnitSettings& settings, ModulusConvention convention);

// The start-up defaults, used when the units file cannot be read at start-up or on Reset: every
// unit, the modulus labels, the moment sign, the n rule and the code switches the units file
// holds. FactoredLoads, DesignCode and the EN 1993 switch keep their values.
void ApplyStartupDefaults(UnitSettings& settings);

// True when a factor read from a file can convert values: finite and above zero.
bool IsUsableFactor(float factor);

}  // namespace trabeo
