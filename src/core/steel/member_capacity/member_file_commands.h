#pragma once

#include <filesystem>
#include <string>

#include "platform/dialogs.h"
#include "settings/page_header.h"
#include "settings/unit_settings.h"
#include "steel/member_capacity/member_file.h"
#include "steel/member_capacity/member_window.h"

namespace trabeo {

inline constexpr std::string_view kMemberFileSavingErrorMessage = "File Saving Error";

// The open and save dialogs of member capacity data files.
FileDialogOptions MemberFileDialogOptions();

enum class MemberSaveCommand { Save, SaveAs };

// "Save" writes to the remembered file name and falls back to "Save As" when there is none or
// the file cannot be written; "Save As" asks for a name and shows "File Saving Error" when it
// cannot write. Files are replaced only after a complete write. On success the name is
// remembered and becomes the header's file name. True when saved.
bool SaveMemberCapacity(MemberCapacityWindow& w, HeaderTexts& header, float beamSectionArea,
                        const UnitSettings& units, Dialogs& dialogs, MemberSaveCommand command);

// Reads the file at path into the window: refused with a message (the window unchanged) when
// it cannot be read or is not a member file; otherwise the window is cleared and restored from
// what the file holds, up to where it ends. Returns the file's contents when it was taken.
std::optional<MemberFileContents> OpenMemberFileAt(MemberCapacityWindow& w, HeaderTexts& header,
                                                   const std::filesystem::path& path,
                                                   Dialogs& dialogs);

// "Open": asks for a file and reads it as OpenMemberFileAt does. A cancelled dialog changes
// nothing.
std::optional<MemberFileContents> OpenMemberCapacity(MemberCapacityWindow& w, HeaderTexts& header,
                                                     Dialogs& dialogs);

}  // namespace trabeo
