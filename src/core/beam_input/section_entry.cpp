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

int GradeListIndex(int32_t steelGrade) {
  switch (steelGrade) {
    case 0:
    case 43:
      return 0;
    case 50:
      return 1;
    case 55:
      return 2;
    default:
      return -1;
  }
}

int32_t GradeOfListIndex(int index) {
  switch (index) {
    case 0:
      return 43;
    case 1:
      return 50;
    case 2:
      return 55;
    default:
      return -1;
  }
}

SectionDesignUpdate ApplySteelGrade(SectionValues& section, int32_t grade) {
  SectionDesignUpdate update;
  section.SteelGrade = grade;
  section.DesignStrength = 0;
  if (grade != -1) {
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
