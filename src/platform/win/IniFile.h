#pragma once

#include <QString>

namespace Win {

// Private-profile (ini) files with the platform's rules: sections and keys are matched without
// regard to case, a missing file, section or key gives the default, and writing a key keeps the
// rest of the file as it was. Files are read and written in code page 936 (GBK).
QString GetPrivateProfileString(const QString &section, const QString &key, const QString &defaultValue,
                                const QString &fileName);
// Creates the file and the section when missing. False when the file cannot be written.
bool WritePrivateProfileString(const QString &section, const QString &key, const QString &value,
                               const QString &fileName);
// The folder of the running executable, ending with "/"; where it is not writable (an installed
// host), the user's configuration folder for the host ("~/.config/halvern/"), created on demand.
QString HostProgramFolder();

} // namespace Win
