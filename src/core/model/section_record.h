#pragma once

#include <cstdint>
#include <string>

namespace trabeo {

// One steel section as held in a section table file: 200 bytes on disk, dimensions in mm and
// properties in powers of mm whatever the display units. Field order is the file order.
struct SectionRecord {
  std::string Designation;  // up to 25 characters; blank or empty in a separator record
  float Depth = 0;          // D (outside diameter for a tube)
  float Width = 0;          // B (leg for an angle, diameter for a tube); 0 marks a separator
  float WebThk = 0;         // t
  float FlgThk = 0;         // T
  float RootRad = 0;        // r1
  float ToeRad = 0;         // r2
  float Outstand = 0;       // b of the b/T limits
  float WebDepth = 0;       // d of the d/t limits
  float FlgAngle = 0;       // degrees
  float Reserved[4] = {0, 0, 0, 0};
  float Grade = 0;   // 43, 50, 55, or 0
  float E = 0;       // N/mm2
  std::string Type;  // "Beam", "RSJ", "RSC", "RSA", "Box", "Tube"; up to 8 characters
  float Area = 0;
  float Ixx = 0;
  float Iyy = 0;
  float Rx = 0;
  float Ry = 0;
  float Cx = 0;
  float Cy = 0;
  float ExtremeX = 0;  // Zyy = Iyy / ExtremeX
  float ExtremeY = 0;  // Zxx = Ixx / ExtremeY
  float Iuu = 0;
  float Ivv = 0;
  float Ru = 0;
  float Rv = 0;
  float Alpha = 0;  // degrees
  float K = 0;      // torsion constant
  float TorsionFibre = 0;
  float Cs = 0;   // shear centre distance (channels)
  float Sxx = 0;  // plastic moduli
  float Syy = 0;
  float u = 0;      // buckling parameter
  float x = 0;      // torsional index
  float H = 0;      // warping constant, mm6
  float Extra = 0;  // channel catalogue rows: Ceq
  float Reserved2 = 0;
  int32_t RecordNo = 0;  // 1-based position in its file

  bool IsSeparator() const { return Width == 0.0f; }
};

inline constexpr int kSectionRecordSize = 200;
inline constexpr int kDesignationCapacity = 25;
inline constexpr int kSectionTypeCapacity = 8;

}  // namespace trabeo
