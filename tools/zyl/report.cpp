#include "report.h"

#include <algorithm>
#include <cstdio>

namespace zyl_tool {

struct Report::Entry {
  enum class Kind { Text, Number, List, Section, Rows } kind;
  std::string name;
  std::string text;
  double number = 0;
  std::vector<std::string> items;
  std::vector<Report> reports;  // one for Section, any number for Rows
};

namespace {

std::string number_text(double V) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15g", V);
  return buffer;
}

// A JSON string literal; bytes from 0x80 pass through (the texts are UTF-8).
std::string json_string(const std::string& S) {
  std::string out = "\"";
  for (const char c : S) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string spaces(int N) { return std::string(static_cast<std::size_t>(N), ' '); }

}  // namespace

void Report::text(const std::string& Name, const std::string& Value) {
  FEntries.push_back(std::make_shared<Entry>(Entry{Entry::Kind::Text, Name, Value, 0, {}, {}}));
}

void Report::number(const std::string& Name, double Value) {
  FEntries.push_back(std::make_shared<Entry>(Entry{Entry::Kind::Number, Name, {}, Value, {}, {}}));
}

void Report::list(const std::string& Name, const std::vector<std::string>& Items) {
  FEntries.push_back(std::make_shared<Entry>(Entry{Entry::Kind::List, Name, {}, 0, Items, {}}));
}

Report& Report::section(const std::string& Name) {
  FEntries.push_back(std::make_shared<Entry>(Entry{Entry::Kind::Section, Name, {}, 0, {}, {Report()}}));
  return FEntries.back()->reports.front();
}

void Report::rows(const std::string& Name, std::vector<Report> Rows) {
  FEntries.push_back(std::make_shared<Entry>(Entry{Entry::Kind::Rows, Name, {}, 0, {}, std::move(Rows)}));
}

std::string Report::render(bool Json) const {
  std::string out;
  if (Json) {
    render_json(out, 0);
    out += '\n';
  } else {
    render_text(out, 0);
  }
  return out;
}

void Report::render_text(std::string& Out, int Indent) const {
  std::size_t width = 0;
  for (const auto& e : FEntries) width = std::max(width, e->name.size());
  for (const auto& e : FEntries) {
    const std::string label = spaces(Indent) + e->name + ":" + spaces(static_cast<int>(width - e->name.size()) + 1);
    switch (e->kind) {
      case Entry::Kind::Text: Out += label + e->text + "\n"; break;
      case Entry::Kind::Number: Out += label + number_text(e->number) + "\n"; break;
      case Entry::Kind::List: {
        std::string joined;
        for (const std::string& item : e->items) joined += (joined.empty() ? "" : ", ") + item;
        Out += label + joined + "\n";
        break;
      }
      case Entry::Kind::Section:
        Out += spaces(Indent) + e->name + ":\n";
        e->reports.front().render_text(Out, Indent + 2);
        break;
      case Entry::Kind::Rows:
        Out += spaces(Indent) + e->name + ":\n";
        for (const Report& r : e->reports) {
          r.render_text(Out, Indent + 2);
          if (&r != &e->reports.back()) Out += "\n";
        }
        break;
    }
  }
}

void Report::render_json(std::string& Out, int Indent) const {
  Out += "{";
  bool first = true;
  for (const auto& e : FEntries) {
    Out += (first ? "\n" : ",\n") + spaces(Indent + 2) + json_string(e->name) + ": ";
    first = false;
    switch (e->kind) {
      case Entry::Kind::Text: Out += json_string(e->text); break;
      case Entry::Kind::Number: Out += number_text(e->number); break;
      case Entry::Kind::List: {
        Out += "[";
        for (std::size_t i = 0; i < e->items.size(); ++i) Out += (i == 0 ? "" : ", ") + json_string(e->items[i]);
        Out += "]";
        break;
      }
      case Entry::Kind::Section: e->reports.front().render_json(Out, Indent + 2); break;
      case Entry::Kind::Rows:
        Out += "[";
        for (std::size_t i = 0; i < e->reports.size(); ++i) {
          Out += (i == 0 ? "\n" : ",\n") + spaces(Indent + 4);
          e->reports[i].render_json(Out, Indent + 4);
        }
        Out += e->reports.empty() ? "]" : "\n" + spaces(Indent + 2) + "]";
        break;
    }
  }
  Out += first ? "}" : "\n" + spaces(Indent) + "}";
}

}  // namespace zyl_tool
