#pragma once

#include <QString>

namespace Win {

// The folder HostProgramFolder() gives for an executable in executableFolder: that folder with
// "/" when it is writable, else the user's configuration folder for the host (created).
QString HostFolderFor(const QString &executableFolder);

} // namespace Win
