#pragma once

#include "app/app_state.h"
#include "platform/dialogs.h"

class TIndexFrm;
class TBeamFrm;
class TLoadDataFrm;
class TPreferencesFrm;
class TSetHeaderFrm;
class TInfoFrm;
class TAboutBox;

// The forms, created once at start-up and kept for the life of the program.
struct Forms {
  TIndexFrm* index = nullptr;
  TBeamFrm* beam = nullptr;
  TLoadDataFrm* loads = nullptr;
  TPreferencesFrm* preferences = nullptr;
  TSetHeaderFrm* setHeader = nullptr;
  TInfoFrm* info = nullptr;
  TAboutBox* about = nullptr;
};

// What every form works with: the shared state, the dialogs, and the other forms.
struct AppContext {
  AppState& state;
  trabeo::Dialogs& dialogs;
  Forms forms;
};
