#pragma once

#include <functional>

class QDialog;

namespace Win {

// Every modal window of the module runs through this seam and returns its modal result.
// By default the dialog runs its own event loop; a test replaces the runner with one that
// shows the dialog, drives it with real keys and clicks and returns the dialog's own result.
using TModalRunner = std::function<int(QDialog &dialog)>;

int RunModal(QDialog &dialog);
TModalRunner SetModalRunner(TModalRunner runner); // returns the previous one

} // namespace Win
