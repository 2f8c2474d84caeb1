#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/page_header.h"
#include "steel/member_capacity/member_state.h"

namespace trabeo {

inline constexpr std::string_view kMemberFileVersion = "TRB2";
inline constexpr std::string_view kMemberFileExtension = ".trm";
inline constexpr std::string_view kNotMemberFileMessage =
    "This file is not a member capacity data file";

// What a member capacity data file holds besides the window's state.
struct MemberFileContents {
  HeaderTexts header;  // the six header texts; CurrentFileName is not stored
  MemberCapacityState state;
  // The beam section form's area at the time of saving. Kept for the layout; opening a member
  // file does not hand it back to the beam, whose own section it would overwrite.
  float beamSectionArea = 0;
  // The modulus labels at the time of saving: PlasticXLabel, ElasticXLabel, PlasticYLabel,
  // ElasticYLabel. The section data lines already carry them as text.
  std::array<std::string, 4> modulusLabels;
  // Read only: an EN 1993-1-1 file says whether its check was shown when it was saved.
  bool ec3CheckShown = false;
};

// The ".trm" bytes: fixed blocks, texts length-prefixed in slots, numbers 32-bit little-endian,
// the unused bytes of every slot zero. Pcx stands where Pcy would (the layout keeps Pcx twice).
std::vector<uint8_t> EncodeMemberFile(const MemberFileContents& contents);

struct MemberFileRead {
  bool accepted = false;  // false: not a member file; contents untouched
  bool complete = false;  // false: the file ended early; what was read is kept
};

// Reads a member file over `contents`, which the caller has cleared. A file that does not begin
// with the version text "TRB2" is refused before anything is changed.
MemberFileRead DecodeMemberFile(std::span<const uint8_t> bytes, MemberFileContents& contents);

}  // namespace trabeo
