#pragma once

#include "app/calculator_window.h"

// The six section property calculators, one window class each over the shared frame. Each
// computes a section from its plate dimensions in mm and appends it to Misc.sct.

// "Tube": a circular hollow section. Boxes `Edit_Dia`, `Edit_Thk`.
class TTubeFrm : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit TTubeFrm(AppContext& context, QWidget* parent = nullptr);
};

// "Box": a rectangular hollow section. Boxes `Edit_Depth`, `Edit_Width`, `Edit_Thk`.
class TBoxFrm : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit TBoxFrm(AppContext& context, QWidget* parent = nullptr);
};

// "I_Beam": a rolled I-section with root fillets. Boxes `Edit_Depth`, `Edit_Wide`, `Edit_Web`,
// `Edit_Flg`, `Edit_Rad`.
class TI_BeamFrm : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit TI_BeamFrm(AppContext& context, QWidget* parent = nullptr);
};

// "RSJ": a joist with tapered flanges. Boxes `Edit_Depth`, `Edit_Width`, `Edit_Web`, `Edit_Flg`,
// `Edit_RootRad`, `Edit_ToeRad`, `Edit_Ang`.
class TRSJFrm : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit TRSJFrm(AppContext& context, QWidget* parent = nullptr);
};

// "ChannelFrm": a channel with tapered flanges. Boxes `Edit_Depth`, `Edit_Wide`, `Edit_Web`,
// `Edit_Flg`, `Edit_Rad`, `Edit_Trad`, `Edit_Ang`.
class TChannelFrm : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit TChannelFrm(AppContext& context, QWidget* parent = nullptr);
};

// "Angle": an equal or unequal angle; no grade, py or class. Boxes `Edit_Depth` (the longer,
// vertical leg), `Edit_Width`, `Edit_Thk`, `Edit_RootRad`, `Edit_ToeRad`.
class TAngleFrm : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit TAngleFrm(AppContext& context, QWidget* parent = nullptr);
};
