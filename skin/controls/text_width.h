// Measuring a caption as GDI+ draws it, for painters that place text by its
// width (group-box titles, header items). Uses draw/ only.
#pragma once
#include <string>

namespace skin {

// Width of the text's GDI+ bounding box in that font (world units, no string
// format, empty layout rectangle), floored, plus 1. 0 when nothing can be measured.
int text_width(const std::string& text, const std::string& family, int size, int style);

}  // namespace skin
