// A one-line progress display on standard error for long file work:
// percent, bytes done of the total, rate and the current file. Drawn only
// when standard error is a terminal, at most a few times a second; silent
// otherwise.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zyl_tool {

class ProgressBar {
 public:
  // Total: the bytes expected in all (0 when not known in advance).
  explicit ProgressBar(std::int64_t Total);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // Done: bytes finished overall; Name: the file being worked on.
  void update(std::int64_t Done, const std::string& Name);
  // Clears the line (also done by the destructor).
  void finish();

 private:
  bool FActive;
  bool FDrawn = false;
  std::size_t FWidth = 0;  // bytes of the line last drawn
  std::int64_t FTotal;
  std::chrono::steady_clock::time_point FStart;
  std::chrono::steady_clock::time_point FLastDraw;
};

// "12.3 MiB" and the like.
std::string byte_text(double Bytes);

}  // namespace zyl_tool
