#include "streaminput.h"

#include <algorithm>
#include <stdexcept>

#include "command.h"
#include "io.h"
#include "zyl.h"

namespace zyl_tool {

std::unique_ptr<zyl::TStream> open_input_stream(const std::vector<std::string>& files) {
  if (files.size() > 1) throw UsageError("at most one FILE");
  if (!files.empty() && files[0] != "-") {
    { Input probe(files[0]); }  // reports a file that cannot be opened as every command does
    try {
      return std::make_unique<zyl::TFileStream>(zyl::from_utf8(files[0]), zyl::fmOpenRead | zyl::fmShareDenyWrite);
    } catch (const zyl::Exception& e) {
      throw std::runtime_error(e.what());
    }
  }
  Input in("-");
  const std::string bytes = in.read_all();
  auto m = std::make_unique<zyl::TMemoryStream>();
  for (std::size_t done = 0; done < bytes.size();) {
    const std::size_t n = std::min<std::size_t>(bytes.size() - done, std::size_t{1} << 30);
    m->WriteBuffer(bytes.data() + done, static_cast<std::int32_t>(n));
    done += n;
  }
  m->SetPosition(0);
  return m;
}

}  // namespace zyl_tool
