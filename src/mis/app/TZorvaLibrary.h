#pragma once

#include "platform/data/Result.h"
#include "platform/win/ZorvaHostContract.h"

#include <QHash>
#include <QString>

#include <memory>

// The plug-in library, loaded with dlopen, with its five entry points resolved. The library
// stays loaded for the object's lifetime; every form it created must be gone before that ends.
class TZorvaLibrary {
public:
    // Fails with the loader's message when the file cannot be loaded or lacks an entry point.
    static Result<std::unique_ptr<TZorvaLibrary>> Load(const QString &path);
    ~TZorvaLibrary();
    TZorvaLibrary(const TZorvaLibrary &) = delete;
    TZorvaLibrary &operator=(const TZorvaLibrary &) = delete;

    // Null for a name that is not one of ZorvaEntryNames.
    TZorvaFormEntry Entry(const QString &entryName) const { return m_entries.value(entryName); }

private:
    explicit TZorvaLibrary(void *handle) : m_handle(handle) {}

    void *m_handle;
    QHash<QString, TZorvaFormEntry> m_entries;
};
