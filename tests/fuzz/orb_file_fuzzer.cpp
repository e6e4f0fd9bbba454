// An orb file through ReadOrbFile: refused with one message and the table
// unchanged, or read with no message, orbs 1 .. 17 finite.
#include <cmath>

#include "aspects/orb_file.h"
#include "fuzz_support.h"
#include "settings/program_dir.h"

using namespace kairotex;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr const char* kTarget = "orb_file";
  const std::string path = ProgramPath(fuzz::ScratchDir(), "NATAL.ORB");
  fuzz::WriteBytes(path, fuzz::Bytes(data, size));

  OrbTable orbs{};
  for (int i = 0; i <= kOrbCount; ++i) orbs[i] = 1e9f + static_cast<float>(i) * 1e3f;
  const OrbTable before = orbs;
  fuzz::CountingSink messages;
  try {
    const bool read = ReadOrbFile(path, orbs, messages);
    if (read) {
      Check(messages.count == 0, kTarget, "a read file gave a message: " + messages.last);
      Check(orbs[0] == before[0], kTarget, "entry 0 changed");
      for (int i = 1; i <= kOrbCount; ++i) {
        // Unread entries keep their marks; read ones come from 7-character fields.
        if (orbs[i] == before[i] || (std::isfinite(orbs[i]) && std::fabs(orbs[i]) <= 1e7f))
          continue;
        fuzz::Fail(kTarget, "orb " + std::to_string(i) + " = " + std::to_string(orbs[i]));
      }
    } else {
      Check(messages.count == 1, kTarget,
            "a refused file gave " + std::to_string(messages.count) + " messages");
      Check(orbs == before, kTarget, "a refused file changed the orbs");
    }
  } catch (const std::exception& e) {
    fuzz::Fail(kTarget, std::string("unexpected exception: ") + e.what());
  }
  return 0;
}
