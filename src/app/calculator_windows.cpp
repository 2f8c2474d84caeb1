#include "app/calculator_windows.h"

namespace {

using trabeo::CalculatorShape;
using M = ModulusCaption;

constexpr const char* kNote = "Enter lengths as mm .";
constexpr const char* kTaperNote = "Enter lengths as mm and flange angle as deg.";
constexpr const char* kSaveToFile = "Save to File";
constexpr std::array<const char*, 3> kSteelGrades = {"S275   (Grade 43)", "S355   (Grade 50)",
                                                     "S450   (Grade 55)"};

// The four moduli under the preference labels; line numbers are those of the elastic x-x one.
std::vector<CalculatorResultLabel> Moduli(int elasticX, int plasticX) {
  return {
      {"lbl_Zxx", "Zxx", "cm^3", elasticX, M::ElasticX, "Label_Elastic_X"},
      {"lbl_Zyy", "Zyy", "cm^3", elasticX + 1, M::ElasticY, "Label_Elastic_Y"},
      {"lbl_Sxx", "Sxx", "cm^3", plasticX, M::PlasticX, "Label_Plastic_X"},
      {"lbl_Syy", "Syy", "cm^3", plasticX + 1, M::PlasticY, "Label_Plastic_Y"},
  };
}

std::vector<CalculatorResultLabel> Join(std::vector<CalculatorResultLabel> a,
                                        const std::vector<CalculatorResultLabel>& b,
                                        const std::vector<CalculatorResultLabel>& c = {}) {
  a.insert(a.end(), b.begin(), b.end());
  a.insert(a.end(), c.begin(), c.end());
  return a;
}

// Line numbers below index the window's lines in the order of its printout (shown_values.h).

CalculatorWindowSpec TubeSpec() {
  return {CalculatorShape::Tube,
          "TubeFrm",
          "Tube",
          kNote,
          nullptr,
          {{"Edit_Dia", "Outside Diameter"}, {"Edit_Thk", "Wall Thickness"}},
          kSteelGrades,
          kSaveToFile,
          Join({{"lbl_Area", "Area", "cm^2", 2},
                {"lbl_Ixx", "Ixx", "cm^4", 3},
                {"lbl_Iyy", "Iyy", "cm^4", 4},
                {"lbl_Rxx", "Rx", "mm", 5},
                {"lbl_Ryy", "Ry", "mm", 6}},
               Moduli(9, 11),
               {{"lbl_K", "K", "cm^4", 13},
                {"lbl_T", "t", "mm", 14},
                {"lbl_Wt", "Weight", "kg/m", 15}})};
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
          Join({{"lbl_Area", "Area", "cm^2", 5},
                {"lbl_Ixx", "Ixx", "cm^4", 6},
                {"lbl_Iyy", "Iyy", "cm^4", 7},
                {"lbl_Rxx", "Rx", "mm", 8},
                {"lbl_Ryy", "Ry", "mm", 9}},
               Moduli(12, 14),
               {{"lbl_K", "K", "cm^4", 16},
                {"lbl_T", "t", "mm", 17},
                {"lbl_Wt", "Weight", "kg/m", 18}})};
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
          Join({{"lbl_Area", "Area", "cm^2", 6},
                {"lbl_Ixx", "Ixx", "cm^4", 7},
                {"lbl_Iyy", "Iyy", "cm^4", 8},
                {"lbl_Rxx", "Rx", "mm", 9},
                {"lbl_Ryy", "Ry", "mm", 10}},
               Moduli(13, 15),
               {{"lbl_K", "K", "cm^4", 17},
                {"lbl_T", "t", "mm", 18},
                {"lbl_Circ", "Dia of inscribed circle", "mm", 19},
                {"lbl_u", "u", "", 20},
                {"lbl_x", "x", "", 21},
                {"lbl_H", "H", "dm^6", 22},
                {"lbl_Wt", "Weight", "kg/m", 23}})};
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
          Join({{"lbl_Area", "Area", "cm^2", 7},
                {"lbl_Ixx", "Ixx", "cm^4", 8},
                {"lbl_Iyy", "Iyy", "cm^4", 9},
                {"lbl_Rxx", "Rx", "mm", 10},
                {"lbl_Ryy", "Ry", "mm", 11}},
               Moduli(12, 14),
               {{"lbl_K", "K", "cm^4", 16},
                {"lbl_T", "t", "mm", 17},
                {"lbl_u", "u", "", 18},
                {"lbl_x", "x", "", 19},
                {"lbl_H", "H", "dm^6", 20},
                {"lbl_Circ", "Inscribed circle", "mm", 21},
                {"lbl_xRec", "x", "mm", 22},
                {"lbl_yRec", "y", "mm", 23},
                {"lbl_Wt", "Weight", "kg/m", 24}})};
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
          Join({{"lbl_Area", "Area", "cm^2", 7},
                {"lbl_Ixx", "Ixx", "cm^4", 8},
                {"lbl_Iyy", "Iyy", "cm^4", 9},
                {"lbl_Rxx", "Rx", "mm", 10},
                {"lbl_Ryy", "Ry", "mm", 11}},
               Moduli(12, 14),
               {{"lbl_K", "K", "cm^4", 16},
                {"lbl_T", "t", "mm", 17},
                {"lbl_u", "u", "", 18},
                {"lbl_x", "x", "", 19},
                {"lbl_H", "H", "dm^6", 20},
                {"lbl_Cy", "Cy", "mm", 21},
                {"lbl_Ceq", "Distance to centre of area.", "mm", 22},
                {"lbl_Circ", "Inscribed circle", "mm", 23},
                {"lbl_xRec", "x", "mm", 24},
                {"lbl_yRec", "y", "mm", 25},
                {"lbl_eo", "eo", "mm", 26},
                {"lbl_Cs", "Cs", "mm", 27},
                {"lbl_Wt", "Weight", "kg/m", 28}})};
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
          {{"lbl_Area", "Area", "cm^2", 5},
           {"lbl_Ixx", "Ixx", "cm^4", 6},
           {"lbl_Iyy", "Iyy", "cm^4", 7},
           {"lbl_Rx", "Rx", "mm", 8},
           {"lbl_Ry", "Ry", "mm", 9},
           {"lbl_Zxx", "Zxx", "cm^3", 10, M::None, "Label_Elastic_X"},
           {"lbl_Zyy", "Zyy", "cm^3", 11, M::None, "Label_Elastic_Y"},
           {"lbl_K", "K", "cm^4", 12},
           {"lbl_tRec", "t", "mm", 13},
           {"lbl_Cx", "Cx", "mm", 14},
           {"lbl_Cy", "Cy", "mm", 15},
           {"lbl_xRec", "x", "mm", 16},
           {"lbl_yRec", "y", "mm", 17},
           {"lbl_Iuu", "Iuu", "cm^4", 18},
           {"lbl_Ivv", "Ivv", "cm^4", 19},
           {"lbl_Ruu", "Ru", "mm", 20},
           {"lbl_Rvv", "Rv", "mm", 21},
           {"lbl_Alpha", "Alpha", "deg", 22},
           {"lbl_Wt", "Weight", "kg/m", 23}}};
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
