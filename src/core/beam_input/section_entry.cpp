#include "beam_input/section_entry.h"

#include "settings/sig_fig.h"
#include "settings/unit_conversion.h"
#include "steel/classification.h"
#include "steel/design_strength.h"

namespace trabeo {
namespace {

using BendingClassifier = BendingClassification (*)(const ClassificationSection&, float);

// The routine that classifies a kind of section in bending, or nullptr for kinds without a
// class.
BendingClassifier ClassifierOf(SectionKind kind) {
  if (kind == SectionKind::Tube) return ClassifyTube;
  if (kind == SectionKind::Box) return ClassifyBoxBending;
  if (IsISectionKind(kind)) return ClassifyISectionBending;
  if (kind == SectionKind::RSA) return ClassifyAngleBending;
  return nullptr;
}

ClassificationSection ClassificationInputs(const SectionValues& s) {
  ClassificationSection c;
  c.Depth = s.SectionDepth;
  c.Width = s.SectionWidth;
  c.WebThk = s.SectionWebThk;
  c.FlgThk = s.SectionFlgThk;
  c.RootRad = s.SectionRootRad;
  c.WebDepth = s.SectionWebDepth;
  c.Outstand = s.SectionOutstand;
  return c;
}

}  // namespace

int GradeListIndex(const AppliedGrade& grade) {
  const std::optional<SteelGrade> shown = grade.Shown();
  return shown ? SteelGradeListIndex(*shown) : -1;
}

SectionDesignUpdate ApplySteelGrade(SectionValues& section, std::optional<SteelGrade> grade) {
  SectionDesignUpdate update;
  section.SteelGrade = AppliedGrade(grade);
  section.DesignStrength = 0;
  if (grade) {
    const DesignStrength strength = DesignStrengthForThickness(grade, section.SectionFlgThk);
    section.DesignStrength = strength.py;
    if (!strength.message.empty()) update.messages.push_back(strength.message);
  }
  const BendingClassifier classify = ClassifierOf(section.SectionKind);
  if (classify == nullptr) return update;
  if (!(section.DesignStrength > 0)) {
    section.SectionClass.reset();
    update.classChanged = true;
    return update;
  }
  const BendingClassification classes =
      classify(ClassificationInputs(section), section.DesignStrength);
  if (!classes.message.empty()) update.messages.push_back(classes.message);
  if (classes.classXX) {
    section.SectionClass = classes.classXX;
    update.classChanged = true;
  }
  return update;
}

std::string SectionClassLabel(const SectionValues& section) {
  return section.SectionClass ? "Section is " + std::string(SectionClassText(*section.SectionClass))
                              : std::string();
}

std::string TimberSizeText(float mm, const UnitSettings& units) {
  if (mm == 0) return " ";
  return ShowValue(units, UnitQuantity::SectLength, mm, SigFig3);
}

}  // namespace trabeo
