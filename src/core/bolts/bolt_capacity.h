#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace trabeo {

// Capacities of one ordinary bolt in a steel plate to BS 5950: tension, single and double shear
// and bearing, for metric bolts M6 to M30 of grade 4.6 or 8.8 in S275 or S355 plate. Fixed
// units: mm, N/mm2, results in kN.

// One bolt size: diameter, tensile stress area (which also serves as the shear area through the
// threads) and shank area, mm and mm2.
struct BoltSize {
  std::string_view name;  // "M16"
  double d;
  double tensileArea;
  double shankArea;
};

// The sizes in the order of the window's "Bolt Dia" options (M16, the default, first).
inline constexpr std::array<std::string_view, 9> kBoltSizeOptions{"M16", "M6",  "M8",  "M10", "M12",
                                                                  "M14", "M20", "M24", "M30"};

// The size of a name ("M16"); nullopt for any other name.
std::optional<BoltSize> BoltSizeNamed(std::string_view name);

enum class BoltGrade { Grade46, Grade88 };
enum class PlateSteel { S275, S355 };
enum class ShearPlane { Thread, Shank };

// The window's choices; one option of each group is always checked.
struct BoltChoices {
  PlateSteel steel = PlateSteel::S275;    // Option_43 / Option_50
  BoltGrade grade = BoltGrade::Grade46;   // Option_46 / Option_88
  ShearPlane plane = ShearPlane::Thread;  // Option_Thread / Option_Shank
  std::string_view size = "M16";          // Option_M6 ... Option_M30
  std::string Edit_Thk;                   // plate thickness as typed, mm
};

struct BoltCapacities {
  double tensile = 0;  // N
  double singleShear = 0;
  double doubleShear = 0;
  double bearing = 0;
  // The four labels (kN, three figures) and the bearing note.
  std::string lbl_Tensile;
  std::string lbl_Shear1;
  std::string lbl_Shear2;
  std::string lbl_Bearing;
  std::string Label_BearingNote;
};

// "Calculate" (and any option click). A thickness that is not a number counts as 0, as does a
// negative one (no bearing). nullopt only for a size that is not in the table.
std::optional<BoltCapacities> CalculateBoltCapacities(const BoltChoices& choices);

// Strengths, N/mm2: shear ps and tension pt of the bolt; bearing pb of the connection.
double BoltShearStrength(BoltGrade grade);
double BoltTensionStrength(BoltGrade grade);
double BoltBearingStrength(BoltGrade grade, PlateSteel steel);

// Fixed texts of the window.
inline constexpr std::string_view kBoltWindowCaption = "Bolt Capacities to BS 5950";
inline constexpr std::string_view kBearingAssumption =
    "Bearing values assume an end distance of 2x bolt dia.";
inline constexpr std::string_view kBearingAboveDoubleShear =
    "Bearing capacity > double shear capacity";
inline constexpr std::string_view kBearingBelowSingleShear =
    "Bearing capacity < single shear capacity";
inline constexpr std::string_view kTensileCaption = "Tensile Capacity";
inline constexpr std::string_view kSingleShearCaption = "Single Shear Capacity";
inline constexpr std::string_view kDoubleShearCaption = "Double Shear Capacity";
inline constexpr std::string_view kBearingCaption = "Bearing Capacity";
inline constexpr std::string_view kCapacityUnit = "kN";

}  // namespace trabeo
