#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

// The host's named shared-memory block, as a POSIX shared-memory object "/" + name. The host
// creates it and removes the name when its block goes; the module opens it and maps all of it.
// The mapping stays valid for the object's lifetime; nothing here synchronises access.
class TSharedMemory {
public:
    // Host side: creates (or takes over) the object with size bytes; nullptr when that fails.
    static std::unique_ptr<TSharedMemory> Create(const QString &name, qsizetype size);
    // Module side: maps the whole object; nullptr when there is none.
    static std::unique_ptr<TSharedMemory> Open(const QString &name);

    ~TSharedMemory();
    TSharedMemory(const TSharedMemory &) = delete;
    TSharedMemory &operator=(const TSharedMemory &) = delete;

    char *Data() const { return m_data; }
    qsizetype Size() const { return m_size; }

private:
    TSharedMemory(QByteArray posixName, char *data, qsizetype size, bool owner);

    QByteArray m_posixName;
    char *m_data = nullptr;
    qsizetype m_size = 0;
    bool m_owner = false;
};
