#include "calc/CatCaption.h"

#include "document/TextNumber.h"

namespace markroll {

std::string CatCaption(double n, std::string_view name, int w, int x) {
    return NumTextTrim(n) + ". " + std::string(name) + " [" + NumTextTrim(w) + "%]" + " - {" + NumTextTrim(x) + "}";
}

} // namespace markroll
