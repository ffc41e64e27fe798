#include "TZorvaLibrary.h"

#include <QFile>

#include <dlfcn.h>

Result<std::unique_ptr<TZorvaLibrary>> TZorvaLibrary::Load(const QString &path)
{
    if (!QFile::exists(path))
        return Failure(QStringLiteral("plug-in library not found: %1").arg(path));
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return Failure(QStringLiteral("cannot load %1: %2").arg(path, QString::fromLocal8Bit(dlerror())));
    std::unique_ptr<TZorvaLibrary> library(new TZorvaLibrary(handle));
    for (const char *name : ZorvaEntryNames) {
        void *symbol = dlsym(handle, name);
        if (!symbol)
            return Failure(QStringLiteral("%1 does not export %2").arg(path, QLatin1String(name)));
        library->m_entries.insert(QLatin1String(name), reinterpret_cast<TZorvaFormEntry>(symbol));
    }
    return library;
}

TZorvaLibrary::~TZorvaLibrary()
{
    dlclose(m_handle);
}
