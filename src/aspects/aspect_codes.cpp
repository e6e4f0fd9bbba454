#include "aspects/aspect_codes.h"

namespace kairotex {

static_assert(AspectGlyph(kConjunction) == 161 && AspectGlyph(kSeptile) == 176);
static_assert(ObjectGlyph(1) == 224 && ObjectGlyph(16) == 239);

}  // namespace kairotex
