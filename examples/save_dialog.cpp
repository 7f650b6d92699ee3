// Asks for a file name with the universal save dialog (file types, a forced
// extension, a caption, a forbidden directory, an overwrite question) and
// writes a small text file there, using only the installed zyl package.
// Needs a display; without one the dialog reports its error.
#include <cstdio>
#include <exception>
#include <string>

#include "zyl.h"

int main() {
  zyl::TUnivSaveDialog dialog(nullptr);
  dialog.SetName(u"SaveNotes");
  dialog.SetParameters(u"filter=\"Text files|*.txt|All files|*.*\" ext=txt caption=\"Save the notes\"");
  dialog.SetForbiddenDir(zyl::GetSystemDir());
  dialog.SetOnForbiddenDir([](zyl::TObject*, const zyl::String& path, zyl::TModalResult& reply) {
    std::printf("%s is not a place for notes; choose another folder.\n", zyl::to_utf8(path).c_str());
    reply = zyl::mrNo;  // show the dialog again
  });
  dialog.SetOnOverwrite([](zyl::TObject*, const zyl::String& name, zyl::TModalResult& reply) {
    std::printf("%s exists. Overwrite it? [y/n/c] ", zyl::to_utf8(name).c_str());
    std::fflush(stdout);
    const int c = std::getchar();
    reply = c == 'y' ? zyl::mrYes : c == 'n' ? zyl::mrNo : zyl::mrCancel;
  });
  try {
    if (!dialog.Execute()) {
      std::printf("Nothing saved.\n");
      return 0;
    }
    zyl::platform::save_file(dialog.FileName(), "Notes written by the zyl save dialog example.\r\n");
    std::printf("Saved %s\n", zyl::to_utf8(dialog.FileName()).c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "save_dialog: %s\n", e.what());
    return 1;
  }
  return 0;
}
