#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "settings/unit_settings.h"

namespace trabeo::cli {

// What one case of a batch gives: the object "analyse --json" prints for it, on one line, or
// {"Error": message} with the message "analyse" would print after its "trabeo-cli analyse: ".
struct BatchLine {
  std::string json;
  bool failed = false;
};

// Analyses one case from its text in a session started in `startFolder`; `caseName` heads the
// error message ("FILE.jsonl:LINE").
BatchLine AnalyseBatchCase(std::string_view caseText, const std::string& caseName,
                           const UnitSettings& units, const std::filesystem::path& startFolder);

struct BatchTally {
  int cases = 0;
  int failed = 0;
  bool readFailed = false;  // the input stopped short of its end
};

// Reads one case per line and writes one result per line, in order. Blank lines are not cases:
// they are passed over, so the Nth result answers the Nth case; messages name the line by its
// number in the file, counting every line.
BatchTally AnalyseBatch(std::istream& cases, const std::string& fileName, const UnitSettings& units,
                        std::ostream& out);

// "analyse --batch FILE.jsonl [--units FILE]": exit status 0 when every case was analysed, 2
// when one failed (after all were written) or when the file or the units cannot be read.
int RunAnalyseBatch(const std::string& file, const std::optional<std::string>& unitsFile,
                    std::ostream& out, std::ostream& err);

}  // namespace trabeo::cli
