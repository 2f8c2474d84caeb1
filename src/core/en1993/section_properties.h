#pragma once

#include <string>
#include <variant>

#include "model/section_kind.h"
#include "model/section_record.h"

namespace trabeo::en1993 {

// A section record's dimensions (mm) and properties (powers of mm) under the names of
// EN 1993-1-1, decoded once. A tube has h = b = d and tw = tf = t; a box has tw = tf = t.
struct Ec3Section {
  std::string designation;
  SectionKind kind = SectionKind::None;
  double h = 0, b = 0, tw = 0, tf = 0, r = 0;
  double A = 0;
  double Iy = 0, Iz = 0;
  double Wply = 0, Wplz = 0;
  double Wely = 0, Welz = 0;
  double It = 0;  // 0 when the record holds none
  double Iw = 0;  // 0 when the record holds none; boxes never use it

  bool IsOpen() const { return IsISectionKind(kind); }
  bool IsChannel() const { return kind == SectionKind::RSC; }
  // The element that decides f_y: the thicker of flange and web, or the wall.
  double ThickestElement() const { return tf > tw ? tf : tw; }
};

// The section from its record: kinds Beam, RSJ and RSC (rolled I, H and channels), Box and
// Tube. Angles, other kinds and records lacking a dimension or property every check needs give a
// message naming what is wrong.
std::variant<Ec3Section, std::string> DecodeSection(const SectionRecord& record);

}  // namespace trabeo::en1993
