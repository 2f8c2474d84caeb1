#include "sections/catalogue/catalogue_writers.h"

#include <string_view>

#include "sections/catalogue/catalogue.h"

namespace trabeo {
namespace {

bool Write(const std::filesystem::path& folder, std::string_view name) {
  const CatalogueFile* file = FindCatalogueFile(name);
  return file != nullptr && WriteCatalogueFile(folder, *file);
}

}  // namespace

bool Pro_Load_UB(const std::filesystem::path& folder) {
  return Write(folder, "UB.sct");
}
bool Pro_Load_UC(const std::filesystem::path& folder) {
  return Write(folder, "UC.sct");
}
bool Pro_Load_RSJ(const std::filesystem::path& folder) {
  return Write(folder, "RSJ.sct");
}
bool Pro_Load_IPE(const std::filesystem::path& folder) {
  return Write(folder, "IPE.sct");
}
bool Pro_Load_HE(const std::filesystem::path& folder) {
  return Write(folder, "HE.sct");
}
bool Pro_Load_WsBeam(const std::filesystem::path& folder) {
  return Write(folder, "WsBeam.sct");
}
bool Pro_Load_WsCol(const std::filesystem::path& folder) {
  return Write(folder, "WsCol.sct");
}
bool Pro_Load_RSC(const std::filesystem::path& folder) {
  return Write(folder, "RSC.sct");
}
bool Pro_Load_PFC(const std::filesystem::path& folder) {
  return Write(folder, "PFC.sct");
}
bool Pro_Load_UPN(const std::filesystem::path& folder) {
  return Write(folder, "UPN.sct");
}
bool Pro_Load_EqRSA(const std::filesystem::path& folder) {
  return Write(folder, "EqRSA.sct");
}
bool Pro_Load_UnEqRSA(const std::filesystem::path& folder) {
  return Write(folder, "UnEqRSA.sct");
}
bool Pro_Load_EqL(const std::filesystem::path& folder) {
  return Write(folder, "EqL.sct");
}
bool Pro_Load_UnEqL(const std::filesystem::path& folder) {
  return Write(folder, "UnEqL.sct");
}
bool Pro_Load_RHS(const std::filesystem::path& folder) {
  return Write(folder, "RHS.sct");
}
bool Pro_Load_CHS(const std::filesystem::path& folder) {
  return Write(folder, "CHS.sct");
}
bool Pro_Load_C(const std::filesystem::path& folder) {
  return Write(folder, "C.sct");
}

}  // namespace trabeo
