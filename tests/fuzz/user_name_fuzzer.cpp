// MYNAME through ReadUserName: the name is the file's first line, up to its
// first CR or LF, and the title text starts with it.
#include "fuzz_support.h"
#include "settings/program_dir.h"
#include "settings/user_name.h"

using namespace kairotex;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr const char* kTarget = "user_name";
  const std::string path = ProgramPath(fuzz::ScratchDir(), "MYNAME");
  const std::string_view bytes = fuzz::Bytes(data, size);
  fuzz::WriteBytes(path, bytes);
  try {
    const std::string name = ReadUserName(path);
    Check(name == bytes.substr(0, bytes.find_first_of("\r\n")), kTarget,
          "the name is not the first line");
    Check(BuildTitleText(name, 0.0f).starts_with(name + " KAIROTEX "), kTarget,
          "the title does not start with the name");
  } catch (const std::exception& e) {
    fuzz::Fail(kTarget, std::string("unexpected exception: ") + e.what());
  }
  return 0;
}
