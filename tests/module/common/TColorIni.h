#pragma once

#include "module/common/Global.h"
#include "platform/win/IniFile.h"

#include <QFile>

// Section "ColorOption" of the test's own "Halvernpos.ini" (the test program's folder is the
// host program's folder): no file at the start and at the end of each test.
class TColorIni {
public:
    TColorIni() { QFile::remove(Path()); }
    ~TColorIni() { QFile::remove(Path()); }
    TColorIni(const TColorIni &) = delete;
    TColorIni &operator=(const TColorIni &) = delete;

    void Set(const QString &key, const QString &value)
    {
        WriteIni(QStringLiteral("Halvernpos.ini"), QStringLiteral("ColorOption"), key, QString(), value);
    }
    static QString Path() { return Win::HostProgramFolder() + QStringLiteral("Halvernpos.ini"); }
};
