// The markup readers over arbitrary bytes: ReadNextTagInStream until the end
// (each call consumes input), ScanForXMLAttrib on every attribute text,
// ReadStreamUntilTagList, ScanStreamForXMLTag and ExtractFromStream.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "ZYL_streams/ZYL_streams.h"
#include "platform/memorystream.h"
#include "platform/stringlist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  zyl::TMemoryStream s;
  s.WriteBuffer(Data, static_cast<std::int32_t>(Size));
  s.SetPosition(0);
  const std::vector<zyl::String> tags{u"a", u"b", u"/a", u"?xml", u"x"};
  zyl::String attr, cont;
  while (s.Position() < s.Size()) {
    const std::int64_t before = s.Position();
    const std::int32_t ix = ZYL_streams::ReadNextTagInStream(s, tags, attr, cont);
    if (ix < 0 || ix >= static_cast<std::int32_t>(tags.size()) || s.Position() <= before) std::abort();
    for (const zyl::String& name : {u"a", u"href", u"", u"x"}) ZYL_streams::ScanForXMLAttrib(attr, name);
  }

  s.SetPosition(0);
  std::int32_t index = 0;
  while (s.Position() < s.Size()) {
    const zyl::String text = ZYL_streams::ReadStreamUntilTagList(s, tags, index);
    if (index < 0) break;
    ZYL_streams::ReadNextTagInStream(s, tags, attr, cont);  // moves past the tag found
  }

  s.SetPosition(0);
  while (ZYL_streams::ScanStreamForXMLTag(s, u"b", attr, cont)) {
  }
  if (s.Position() != s.Size()) std::abort();

  s.SetPosition(0);
  zyl::TStringList names;
  names.Add(u"A");
  names.Add(u"x");
  zyl::TMemoryStream out;
  ZYL_streams::ExtractFromStream(s, out, names);
  return 0;
}
