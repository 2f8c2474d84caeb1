#include "app/calculator_windows.h"

#include <utility>
#include <vector>

namespace {

using trabeo::CalculatorShape;
using M = ModulusCaption;
using Q = trabeo::CalculatorQuantity;

constexpr const char* kNote = "Enter lengths as mm .";
constexpr const char* kTaperNote = "Enter lengths as mm and flange angle as deg.";
constexpr const char* kSaveToFile = "Save to File";
constexpr std::array<const char*, 3> kSteelGrades = {"S275   (Grade 43)", "S355   (Grade 50)",
                                                     "S450   (Grade 55)"};

// The four moduli under the preference labels.
std::vector<CalculatorResultLabel> Moduli() {
  return {
      {"lbl_Zxx", "Zxx", "cm^3", Q::ElasticModulusX, M::ElasticX, "Label_Elastic_X"},
      {"lbl_Zyy", "Zyy", "cm^3", Q::ElasticModulusY, M::ElasticY, "Label_Elastic_Y"},
      {"lbl_Sxx", "Sxx", "cm^3", Q::PlasticModulusX, M::PlasticX, "Label_Plastic_X"},
      {"lbl_Syy", "Syy", "cm^3", Q::PlasticModulusY, M::PlasticY, "Label_Plastic_Y"},
  };
}

std::vector<CalculatorResultLabel> Join(std::vector<CalculatorResultLabel> a,
                                        const std::vector<CalculatorResultLabel>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Area, second moments and radii of gyration, then the four moduli: every shape's first labels.
std::vector<CalculatorResultLabel> AreaInertiaAndModuli() {
  std::vector<CalculatorResultLabel> labels = {{"lbl_Area", "Area", "cm^2", Q::Area},
                                               {"lbl_Ixx", "Ixx", "cm^4", Q::Ixx},
                                               {"lbl_Iyy", "Iyy", "cm^4", Q::Iyy},
                                               {"lbl_Rxx", "Rx", "mm", Q::Rx},
                                               {"lbl_Ryy", "Ry", "mm", Q::Ry}};
  return Join(std::move(labels), Moduli());
}

CalculatorWindowSpec TubeSpec() {
  return {CalculatorShape::Tube,
          "TubeFrm",
          "Tube",
          kNote,
          nullptr,
          {{"Edit_Dia", "Outside Diameter"}, {"Edit_Thk", "Wall Thickness"}},
          kSteelGrades,
          kSaveToFile,
          Join(AreaInertiaAndModuli(), {{"lbl_K", "K", "cm^4", Q::TorsionConstant},
                                        {"lbl_T", "t", "mm", Q::TorsionFibre},
                                        {"lbl_Wt", "Weight", "kg/m", Q::Weight}})};
}

CalculatorWindowSpec BoxSpec() {
  return {CalculatorShape::Box,
          "BoxFrm",
          "Box",
          kNote,
          "Section properties assume an internal radius of 1. 0 x thk and an external radius of "
          "1.25 x thk.",
          {{"Edit_Depth", "Depth"}, {"Edit_Width", "Width"}, {"Edit_Thk", "Wall Thickness"}},
          {"S275   (Grade 43)", "S350   (Grade 50)", "S450   (Grade 55)"},
          "Save to  file",
          Join(AreaInertiaAndModuli(), {{"lbl_K", "K", "cm^4", Q::TorsionConstant},
                                        {"lbl_T", "t", "mm", Q::TorsionFibre},
                                        {"lbl_Wt", "Weight", "kg/m", Q::Weight}})};
}

CalculatorWindowSpec IBeamSpec() {
  return {CalculatorShape::IBeam,
          "I_BeamFrm",
          "I_Beam",
          kNote,
          nullptr,
          {{"Edit_Depth", "Depth"},
           {"Edit_Wide", "Width"},
           {"Edit_Web", "Web Thickness"},
           {"Edit_Flg", "Flange Thickness"},
           {"Edit_Rad", "Root Radius"}},
          kSteelGrades,
          kSaveToFile,
          Join(AreaInertiaAndModuli(),
               {{"lbl_K", "K", "cm^4", Q::TorsionConstant},
                {"lbl_T", "t", "mm", Q::TorsionFibre},
                {"lbl_Circ", "Dia of inscribed circle", "mm", Q::InscribedCircle},
                {"lbl_u", "u", "", Q::BucklingParameter},
                {"lbl_x", "x", "", Q::TorsionalIndex},
                {"lbl_H", "H", "dm^6", Q::WarpingConstant},
                {"lbl_Wt", "Weight", "kg/m", Q::Weight}})};
}

CalculatorWindowSpec JoistSpec() {
  return {CalculatorShape::Joist,
          "RSJFrm",
          "RSJ",
          kTaperNote,
          nullptr,
          {{"Edit_Depth", "Depth"},
           {"Edit_Width", "Width"},
           {"Edit_Web", "Web Thickness"},
           {"Edit_Flg", "Flange Thickness"},
           {"Edit_RootRad", "Root Radius"},
           {"Edit_ToeRad", "Toe Radius"},
           {"Edit_Ang", "Flange Angle", "deg"}},
          // The joist's first item has two blanks where the others have three.
          {"S275  (Grade 43)", "S355   (Grade 50)", "S450   (Grade 55)"},
          kSaveToFile,
          Join(AreaInertiaAndModuli(), {{"lbl_K", "K", "cm^4", Q::TorsionConstant},
                                        {"lbl_T", "t", "mm", Q::TorsionFibre},
                                        {"lbl_u", "u", "", Q::BucklingParameter},
                                        {"lbl_x", "x", "", Q::TorsionalIndex},
                                        {"lbl_H", "H", "dm^6", Q::WarpingConstant},
                                        {"lbl_Circ", "Inscribed circle", "mm", Q::InscribedCircle},
                                        {"lbl_xRec", "x", "mm", Q::ExtremeX},
                                        {"lbl_yRec", "y", "mm", Q::ExtremeY},
                                        {"lbl_Wt", "Weight", "kg/m", Q::Weight}})};
}

CalculatorWindowSpec ChannelSpec() {
  return {CalculatorShape::Channel,
          "ChannelFrm",
          "ChannelFrm",
          kTaperNote,
          nullptr,
          {{"Edit_Depth", "Depth"},
           {"Edit_Wide", "Width"},
           {"Edit_Web", "Web Thickness"},
           {"Edit_Flg", "Flange Thickness"},
           {"Edit_Rad", "Root Radius"},
           {"Edit_Trad", "Toe Radius"},
           {"Edit_Ang", "Flange Angle", "deg"}},
          {"Grade 43", "Grade 50", "Grade 55"},
          kSaveToFile,
          Join(AreaInertiaAndModuli(),
               {{"lbl_K", "K", "cm^4", Q::TorsionConstant},
                {"lbl_T", "t", "mm", Q::TorsionFibre},
                {"lbl_u", "u", "", Q::BucklingParameter},
                {"lbl_x", "x", "", Q::TorsionalIndex},
                {"lbl_H", "H", "dm^6", Q::WarpingConstant},
                {"lbl_Cy", "Cy", "mm", Q::CentroidY},
                {"lbl_Ceq", "Distance to centre of area.", "mm", Q::PlasticAxisY},
                {"lbl_Circ", "Inscribed circle", "mm", Q::InscribedCircle},
                {"lbl_xRec", "x", "mm", Q::ExtremeX},
                {"lbl_yRec", "y", "mm", Q::ExtremeY},
                {"lbl_eo", "eo", "mm", Q::ShearCentreFromWeb},
                {"lbl_Cs", "Cs", "mm", Q::ShearCentre},
                {"lbl_Wt", "Weight", "kg/m", Q::Weight}})};
}

CalculatorWindowSpec AngleSpec() {
  return {CalculatorShape::Angle,
          "AngleFrm",
          "Angle",
          kNote,
          nullptr,
          {{"Edit_Depth", "Vertical Leg"},
           {"Edit_Width", "Horizontal Leg"},
           {"Edit_Thk", "Thickness"},
           {"Edit_RootRad", "Root Radius"},
           {"Edit_ToeRad", "Toe Radius"}},
          {},
          kSaveToFile,
          // The angle's modulus captions keep their own names whatever the preferences.
          {{"lbl_Area", "Area", "cm^2", Q::Area},
           {"lbl_Ixx", "Ixx", "cm^4", Q::Ixx},
           {"lbl_Iyy", "Iyy", "cm^4", Q::Iyy},
           {"lbl_Rx", "Rx", "mm", Q::Rx},
           {"lbl_Ry", "Ry", "mm", Q::Ry},
           {"lbl_Zxx", "Zxx", "cm^3", Q::ElasticModulusX, M::None, "Label_Elastic_X"},
           {"lbl_Zyy", "Zyy", "cm^3", Q::ElasticModulusY, M::None, "Label_Elastic_Y"},
           {"lbl_K", "K", "cm^4", Q::TorsionConstant},
           {"lbl_tRec", "t", "mm", Q::TorsionFibre},
           {"lbl_Cx", "Cx", "mm", Q::CentroidX},
           {"lbl_Cy", "Cy", "mm", Q::CentroidY},
           {"lbl_xRec", "x", "mm", Q::ExtremeX},
           {"lbl_yRec", "y", "mm", Q::ExtremeY},
           {"lbl_Iuu", "Iuu", "cm^4", Q::Iuu},
           {"lbl_Ivv", "Ivv", "cm^4", Q::Ivv},
           {"lbl_Ruu", "Ru", "mm", Q::Ru},
           {"lbl_Rvv", "Rv", "mm", Q::Rv},
           {"lbl_Alpha", "Alpha", "deg", Q::Alpha},
           {"lbl_Wt", "Weight", "kg/m", Q::Weight}}};
}

}  // namespace

TTubeFrm::TTubeFrm(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, TubeSpec(), parent) {}
TBoxFrm::TBoxFrm(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, BoxSpec(), parent) {}
TI_BeamFrm::TI_BeamFrm(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, IBeamSpec(), parent) {}
TRSJFrm::TRSJFrm(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, JoistSpec(), parent) {}
TChannelFrm::TChannelFrm(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, ChannelSpec(), parent) {}
TAngleFrm::TAngleFrm(AppContext& context, QWidget* parent)
    : CalculatorWindow(context, AngleSpec(), parent) {}
