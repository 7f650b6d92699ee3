#include "progressbar.h"

#include <cstdio>

#include "platform/console.h"

namespace zyl_tool {
namespace {

constexpr auto kRedrawInterval = std::chrono::milliseconds(100);
constexpr std::size_t kNameWidth = 40;

// The end of Name when it is longer than the room for it.
std::string fitted(const std::string& Name) {
  if (Name.size() <= kNameWidth) return Name;
  std::size_t cut = Name.size() - (kNameWidth - 3);
  while (cut < Name.size() && (static_cast<unsigned char>(Name[cut]) & 0xC0) == 0x80) ++cut;  // whole characters
  return "..." + Name.substr(cut);
}

}  // namespace

std::string byte_text(double Bytes) {
  static const char* const kUnits[] = {"B", "KiB", "MiB", "GiB", "TiB"};
  int unit = 0;
  while (Bytes >= 1024 && unit < 4) {
    Bytes /= 1024;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, unit == 0 ? "%.0f %s" : "%.1f %s", Bytes, kUnits[unit]);
  return text;
}

ProgressBar::ProgressBar(std::int64_t Total)
    : FActive(zyl::platform::is_terminal(stderr)), FTotal(Total), FStart(std::chrono::steady_clock::now()) {}

ProgressBar::~ProgressBar() { finish(); }

void ProgressBar::update(std::int64_t Done, const std::string& Name) {
  if (!FActive) return;
  const auto now = std::chrono::steady_clock::now();
  if (FDrawn && now - FLastDraw < kRedrawInterval) return;
  FLastDraw = now;
  FDrawn = true;
  const double seconds = std::chrono::duration<double>(now - FStart).count();
  const double rate = seconds > 0 ? static_cast<double>(Done) / seconds : 0;
  const int percent =
      FTotal > 0 ? static_cast<int>(100 * static_cast<double>(Done) / static_cast<double>(FTotal)) : 100;
  char head[96];
  std::snprintf(head, sizeof head, "%3d%% %s of %s, %s/s  ", percent, byte_text(static_cast<double>(Done)).c_str(),
                byte_text(static_cast<double>(FTotal)).c_str(), byte_text(rate).c_str());
  const std::string line = head + fitted(Name);
  // Blanks over what a longer previous line left (no terminal escapes:
  // not every console understands them).
  const std::size_t width = line.size();
  std::fprintf(stderr, "\r%s%s", line.c_str(), std::string(FWidth > width ? FWidth - width : 0, ' ').c_str());
  FWidth = width;
  std::fflush(stderr);
}

void ProgressBar::finish() {
  if (!FDrawn) return;
  std::fprintf(stderr, "\r%s\r", std::string(FWidth, ' ').c_str());
  std::fflush(stderr);
  FWidth = 0;
  FDrawn = false;
}

}  // namespace zyl_tool
