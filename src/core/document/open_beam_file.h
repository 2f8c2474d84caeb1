#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/beam_file_data.h"
#include "document/restored_listing.h"
#include "model/udl_outline.h"
#include "platform/canvas.h"
#include "results/listing_writer.h"

namespace trabeo {

inline constexpr std::string_view kIncompatibleVersionMessage =
    "File created on incompatible version";
inline constexpr std::string_view kPriorToVersion35Message =
    " File saved on version prior to 3.5 \n To calculate shear deflection,\n goto Beam and "
    "recalcualate the timber properties.";
inline constexpr std::string_view kNotBeamFileMessage = "File is not a beam data file";
inline constexpr std::string_view kUnreadableFileMessage = "File could not be read";

// TimberShearStiffness before reading: a file that still leaves it this high did not hold it.
inline constexpr float kShearStiffnessNotInFile = 1e18f;

// What opening a beam data file leaves for the window to show.
struct OpenBeamResult {
  // True when the file's beam was taken. False when it was refused (not a beam data file, or a
  // version this program does not read): nothing of it was read, the file name is not taken
  // and the project stays as File New left it.
  bool opened = false;
  float Version = 0;                   // the version its header names; 0 when it names none
  std::vector<std::string> messages;   // the message boxes, in order
  std::optional<std::string> caption;  // the main window's new caption, once opened
  int32_t ResultsValid = 0;            // 1 when the file's results were restored
  bool printEnabled = false;           // "Save" and "Save As" stay disabled after opening
  ListingLines listing;                // the refilled results list
  Color listColour = colors::kBlack;
  SectionFormLabels sectionForm;
  UdlOutline udlOutline;    // the distributed loads as the load diagram draws them
  BeamFileMarkers markers;  // the header texts as read
};

// The open command after File New, from the chosen file: only a name whose last three
// characters are "trb" in any letter case is read. The header decides the layout: version 3
// gives the beam without results, version 4 the beam with its results, stored listing and
// section form; the results are summarised again at 200 intervals. A file whose header is not
// a beam file's, and a version below 3 or from 5 on, is refused with a message. A file that
// ends early keeps what was read; the state the file holds beyond the beam model (results,
// listing stores, steel check, restraints and timber values) is emptied first, so nothing of
// an earlier beam is mixed into it.
OpenBeamResult OpenBeamFile(const std::filesystem::path& path, const BeamFileData& data);

// The same, with the file's bytes already in hand.
OpenBeamResult OpenBeamFileBytes(std::string_view fileName, std::span<const uint8_t> bytes,
                                 const BeamFileData& data);

// True when the name's last three characters are "trb", whatever their letter case.
bool HasBeamFileExtension(std::string_view fileName);

}  // namespace trabeo
