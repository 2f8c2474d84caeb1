#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/section_class.h"

namespace trabeo {

inline constexpr std::string_view kCannotEvaluateSectionTypeMessage =
    "Cannot evaluate section type";

// The section variables a caller hands to the classification routines, in mm (single precision,
// as kept in section records).
struct ClassificationSection {
  float Depth = 0;
  float Width = 0;     // B; the diameter of a tube; the leg of an angle
  float WebThk = 0;    // t
  float FlgThk = 0;    // T; the wall of a box or tube
  float RootRad = 0;   // r1
  float WebDepth = 0;  // d
  float Outstand = 0;  // b of a box, B - 3t
};

// Classes for bending. A class left empty was not evaluated: a zero dimension, or py not above 0
// (after the thickness message); the caller then keeps the texts it had. message holds "Cannot
// evaluate section type" where the routine reports a zero dimension.
struct BendingClassification {
  std::optional<SectionClass> classXX;
  std::optional<SectionClass> classYY;
  std::string message;
};

// The class for axial compression, with the same conventions.
struct AxialClassification {
  std::optional<SectionClass> classAxial;
  std::string message;
};

// I-sections, channels and joists (b = Width / 2 for all three).
BendingClassification ClassifyISectionBending(const ClassificationSection& section, float py);
AxialClassification ClassifyISectionCompression(const ClassificationSection& section, float py);

// Rectangular hollow sections, from Outstand / FlgThk and WebDepth / WebThk.
BendingClassification ClassifyBoxBending(const ClassificationSection& section, float py);
AxialClassification ClassifyBoxCompression(const ClassificationSection& section, float py);

// Circular hollow sections, from Width / FlgThk; the class stands for both axes.
BendingClassification ClassifyTube(const ClassificationSection& section, float py);

// Angles in bending, from Width, WebDepth (0 for catalogue angles) and WebThk.
BendingClassification ClassifyAngleBending(const ClassificationSection& section, float py);

}  // namespace trabeo
