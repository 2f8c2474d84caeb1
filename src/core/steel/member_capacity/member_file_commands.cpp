#include "steel/member_capacity/member_file_commands.h"

#include "fileio/file_bytes.h"
#include "steel/member_capacity/member_ec3.h"

namespace trabeo {
namespace {

bool WriteMemberFile(const std::string& name, const MemberCapacityWindow& w,
                     const HeaderTexts& header, float beamSectionArea, const UnitSettings& units) {
  MemberFileContents contents;
  contents.header = header;
  contents.state = w.state;
  contents.beamSectionArea = beamSectionArea;
  contents.modulusLabels = {units.PlasticXLabel, units.ElasticXLabel, units.PlasticYLabel,
                            units.ElasticYLabel};
  return WriteFileAtomically(name, EncodeMemberFile(contents)).empty();
}

// The whole path: a name cut to a header text's 100 characters would send the next Save to
// another file. The member file does not keep the name, so nothing limits its length.
void RememberName(MemberCapacityWindow& w, HeaderTexts& header, const std::string& name) {
  w.fileName = name;
  header.CurrentFileName = name;
}

}  // namespace

FileDialogOptions MemberFileDialogOptions() {
  FileDialogOptions options;
  options.filter = "MemCap Data   (*.trm);;All Files (*.*)";
  options.defaultExtension = "trm";
  options.overwritePrompt = true;
  return options;
}

bool SaveMemberCapacity(MemberCapacityWindow& w, HeaderTexts& header, float beamSectionArea,
                        const UnitSettings& units, Dialogs& dialogs, MemberSaveCommand command) {
  if (command == MemberSaveCommand::Save && !w.fileName.empty() &&
      WriteMemberFile(w.fileName, w, header, beamSectionArea, units))
    return true;
  FileDialogOptions options = MemberFileDialogOptions();
  options.initialName = w.fileName;
  const std::optional<std::string> name = dialogs.SaveFileName(options);
  if (!name) return false;
  if (!WriteMemberFile(*name, w, header, beamSectionArea, units)) {
    dialogs.Message(kMemberFileSavingErrorMessage);
    return false;
  }
  RememberName(w, header, *name);
  return true;
}

std::optional<MemberFileContents> OpenMemberFileAt(MemberCapacityWindow& w, HeaderTexts& header,
                                                   const std::filesystem::path& path,
                                                   Dialogs& dialogs) {
  const std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path);
  // The window is cleared only once the file is known to be a member file: a refused file
  // leaves the work on screen as it was.
  MemberCapacityWindow opened = w;
  ClearMemberResults(opened);
  MemberFileContents contents;
  contents.state = opened.state;
  contents.state.McSection = MemberSection{};
  contents.state.McType = SectionKind::None;
  contents.state.texts = MemberFormTexts{};
  contents.header = header;
  if (!bytes || !DecodeMemberFile(*bytes, contents).accepted) {
    dialogs.Message(kNotMemberFileMessage);
    return std::nullopt;
  }
  opened.state = contents.state;
  opened.state.InputError = 0;
  opened.state.extra = MemberExtraResults{};
  opened.cmd_CalcEnabled = opened.state.SectionLoaded();
  opened.List_Data = opened.state.Detail(DetailKind::SectionData).InUse();
  opened.List_Results = BuildMemberSummaryList(opened.state);
  opened.fileCommandsEnabled = true;
  // An EN 1993-1-1 file keeps the check's inputs, not its lines: the check is made again.
  if (opened.state.code == DesignCode::EN1993 && contents.ec3CheckShown)
    RunEc3MemberCheck(opened, dialogs);
  w = std::move(opened);
  contents.header.CurrentFileName = header.CurrentFileName;
  header = contents.header;
  RememberName(w, header, path.string());
  return contents;
}

std::optional<MemberFileContents> OpenMemberCapacity(MemberCapacityWindow& w, HeaderTexts& header,
                                                     Dialogs& dialogs) {
  const std::optional<std::string> name = dialogs.OpenFileName(MemberFileDialogOptions());
  if (!name) return std::nullopt;
  return OpenMemberFileAt(w, header, *name, dialogs);
}

}  // namespace trabeo
