// The data-structure sections of "zyl demo" on tabular text and keyed
// containers: the string array (sorting, searching, numbers, its XML form)
// and the string accumulator and associative array.
#include <cstdio>
#include <string>

#include "command.h"
#include "csvtable.h"
#include "privatetempdir.h"
#include "zyl.h"

namespace zyl_tool {
namespace {

// XML text as printed here: lines without their CR, so that the tour prints
// the same bytes wherever standard output translates line ends.
void print_xml(const std::string& bytes) {
  std::string shown;
  for (char c : bytes)
    if (c != '\r') shown.push_back(c);
  std::printf("%s", shown.c_str());
}

// A number as the library writes it (the same text on every platform).
std::string text_of(zyl::Extended v) { return zyl::to_utf8(zyl::FloatToStr(v)); }

void print_table(const zyl::TStringArray& a) {
  for (std::int32_t r = 1; r <= a.NrOfRows(); ++r) {
    std::printf("  ");
    for (std::int32_t c = 1; c <= a.NrOfColumns(); ++c) std::printf("%-10s", a.GetString(c, r).c_str());
    std::printf(" (storage row %d)\n", a.GetSortOrder(r));
  }
}

void demo_string_array() {
  const std::string csv = "Oslo;NO;709037\nbergen;NO;291940\nZurich;CH;443037\nBern;CH;146091\naarhus;DK;290598\n";
  zyl::TStringArray a(nullptr);
  const CsvShape shape = read_csv(csv, detect_csv_delimiter(csv), a);
  std::printf("%d cities read from CSV into %d columns; pool pages: %d\n", shape.records, a.NrOfColumns(),
              a.NumBuffers());
  std::vector<int> progress;
  a.OnPercentDone = [&](zyl::TObject*, std::int32_t p) { progress.push_back(p); };
  a.Sort(2, 1, true);
  std::printf("sorted by country, then city (A-Z folded):\n");
  print_table(a);
  std::printf("  progress reported:");
  for (int p : progress) std::printf(" %d", p);
  std::printf("\n");
  std::int32_t row = 0;
  const bool found = a.FindCellInSortedColumn(u"ch", false, 2, -1, -1, true, row);
  std::printf("binary search for \"ch\" in column 2: %s, first at row %d\n", found ? "found" : "not found", row);
  std::int32_t c = 0, r = 0;
  if (a.FindCell(u"ERG", false, -1, -1, -1, -1, c, r)) std::printf("\"ERG\" occurs first in column %d, row %d\n", c, r);
  a.CommitSorting();
  a.SetString(3, 1, " 146 091,5 ");
  try {
    (void)a.GetAsNumber(3, 1);
  } catch (const zyl::EZYLDStructError& e) {
    std::printf("error: %s\n", e.what());
  }
  a.SetString(3, 1, " 146091,5 ");
  std::printf("\" 146091,5 \" as a number: %s, as an integer: %d\n", text_of(a.GetAsNumber(3, 1)).c_str(),
              a.GetAsInteger(3, 1));

  zyl::TStringArray small(nullptr);
  small.Resize(2, 2);
  small.SetString(0, 1, "row 1");
  small.SetString(1, 1, "a < b & \"c\"");
  small.SetString(2, 2, "tab\there");
  small.SetColAttrib(2, 7);
  const PrivateTempDir dir("zyl-demo-");
  const zyl::String name = dir.file("strarray.xml");
  small.SaveAsXMLFile(name, u"demo");
  zyl::TStringArray back(nullptr);
  const bool ok = back.LoadFromXMLFile(name, u"demo");
  std::printf("a 2 x 2 array in its XML form:\n");
  {
    zyl::TextFile f;
    f.Assign(name);
    f.Reset();
    std::string bytes;
    while (!f.Eof()) bytes += zyl::to_utf8(f.ReadLn()) + "\n";
    f.CloseFile();
    print_xml(bytes);
  }
  std::printf("read back: %s, cell (1,1) \"%s\", column 2 attribute %d\n", ok ? "yes" : "no",
              back.GetString(1, 1).c_str(), back.GetColAttrib(2));
}

void demo_keyed() {
  zyl::TStringAccu acc(nullptr);
  const zyl::String words[] = {u"red", u"green", u"red", u"blue", u"Red", u"green", u"red"};
  for (const zyl::String& w : words) acc.Add(w);
  std::printf("string accumulator over 7 colour words:");
  for (std::int32_t i = 1; i <= acc.Size(); ++i)
    std::printf(" %s x%d", zyl::to_utf8(acc.GetString(i)).c_str(), acc.GetCount(i));
  std::printf("\n");

  zyl::TAssocArray settings(nullptr);
  settings.Add(u"Width", std::int32_t{640});
  settings.Add(u"Scale", 0.1);
  settings.Add(u"Title", zyl::String(u"Demo & \"friends\""));
  settings.Add(u"Visible", true);
  settings.Add(u"Price", zyl::String(u"3,25 EUR"));
  settings.Add(u"Unset", zyl::Variant::Null());
  settings.Add(u"WIDTH", std::int32_t{800});
  std::printf("associative array: %d entries; width %d, scale %s, price as number %s, title \"%s\"\n",
              settings.NumEntries(), settings.ResolveAsInt(u"width"), text_of(settings.ResolveAsNumber(u"SCALE")).c_str(),
              text_of(settings.ResolveAsNumber(u"price")).c_str(), zyl::to_utf8(settings.ResolveAsString(u"title")).c_str());
  std::printf("  taken from XML attributes: %d\n", settings.AddXMLAttributes(u"color=\"navy\" width=\"1024\""));
  zyl::TBytesStream xml;
  settings.WriteToXMLStream(xml, true, u"settings");
  std::printf("its XML form:\n");
  print_xml(std::string(xml.Bytes().begin(), xml.Bytes().end()));
  xml.SetPosition(0);
  zyl::TAssocArray copy(nullptr);
  const bool ok = copy.ReadFromXMLStream(xml, u"settings");
  std::printf("read back: %s, %d entries, scale %s kind %d, width %d\n", ok ? "yes" : "no", copy.NumEntries(),
              zyl::to_utf8(copy.ResolveAsString(u"scale")).c_str(), copy.Resolve(u"scale").VarType(),
              copy.ResolveAsInt(u"width"));
}

const DemoRegistration demo_array{{52, "Data structures: string array", demo_string_array}};
const DemoRegistration demo_keys{{53, "Data structures: string accumulator and associative array", demo_keyed}};

}  // namespace
}  // namespace zyl_tool
