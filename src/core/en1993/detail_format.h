#pragma once

#include <optional>
#include <string>

namespace trabeo::en1993 {

// The fixed units of the detail lists, from the internal N, mm and N mm.
std::string Kn(double newtons);                     // "578 kN"
std::string KnM(double newtonMillimetres);          // "303 kN-m"
std::string Metres(double millimetres);             // "6.00 m"
std::string Mm(double millimetres);                 // "10.9 mm"
std::string Ratio(double value);                    // 3 decimals up to 1, then 3 figures
std::string UtilisationNumber(double utilisation);  // 3 decimals below 100, then 3 figures
std::string UtilisationText(const std::optional<double>& utilisation);  // "0.876 PASS"

}  // namespace trabeo::en1993
