#pragma once

#include <filesystem>

namespace trabeo {

// The writer of each catalogue file, in the order the main window runs them: each creates or
// truncates its file in the folder and writes its records; false when the file could not be
// written (the program goes on silently with the next writer).
bool Pro_Load_UB(const std::filesystem::path& folder);
bool Pro_Load_UC(const std::filesystem::path& folder);
bool Pro_Load_RSJ(const std::filesystem::path& folder);
bool Pro_Load_IPE(const std::filesystem::path& folder);
bool Pro_Load_HE(const std::filesystem::path& folder);
bool Pro_Load_WsBeam(const std::filesystem::path& folder);
bool Pro_Load_WsCol(const std::filesystem::path& folder);
bool Pro_Load_RSC(const std::filesystem::path& folder);
bool Pro_Load_PFC(const std::filesystem::path& folder);
bool Pro_Load_UPN(const std::filesystem::path& folder);
bool Pro_Load_EqRSA(const std::filesystem::path& folder);
bool Pro_Load_UnEqRSA(const std::filesystem::path& folder);
bool Pro_Load_EqL(const std::filesystem::path& folder);
bool Pro_Load_UnEqL(const std::filesystem::path& folder);
bool Pro_Load_RHS(const std::filesystem::path& folder);
bool Pro_Load_CHS(const std::filesystem::path& folder);
bool Pro_Load_C(const std::filesystem::path& folder);

}  // namespace trabeo
