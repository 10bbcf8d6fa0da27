#pragma once

#include <string>
#include <string_view>

namespace markroll {

/// The one-line caption of a category: "2. Tests [40%] - {12}" for n 2, name Tests, w 40 and x 12.
std::string CatCaption(double n, std::string_view name, int w, int x);

} // namespace markroll
