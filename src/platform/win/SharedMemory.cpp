#include "SharedMemory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray PosixName(const QString &name)
{
    return '/' + name.toLocal8Bit();
}

// Maps size bytes of the open object fd; the descriptor is closed either way, as the mapping
// keeps the object alive by itself.
char *MapAndClose(int fd, qsizetype size)
{
    void *data = size > 0 ? mmap(nullptr, size_t(size), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0) : MAP_FAILED;
    close(fd);
    return data == MAP_FAILED ? nullptr : static_cast<char *>(data);
}

} // namespace

std::unique_ptr<TSharedMemory> TSharedMemory::Create(const QString &name, qsizetype size)
{
    const QByteArray posixName = PosixName(name);
    const int fd = shm_open(posixName.constData(), O_CREAT | O_RDWR, 0600);
    if (fd < 0)
        return nullptr;
    if (size <= 0 || ftruncate(fd, off_t(size)) != 0) {
        close(fd);
        shm_unlink(posixName.constData());
        return nullptr;
    }
    char *data = MapAndClose(fd, size);
    if (!data) {
        shm_unlink(posixName.constData());
        return nullptr;
    }
    return std::unique_ptr<TSharedMemory>(new TSharedMemory(posixName, data, size, true));
}

std::unique_ptr<TSharedMemory> TSharedMemory::Open(const QString &name)
{
    const QByteArray posixName = PosixName(name);
    const int fd = shm_open(posixName.constData(), O_RDWR, 0);
    if (fd < 0)
        return nullptr;
    struct stat status {};
    if (fstat(fd, &status) != 0) {
        close(fd);
        return nullptr;
    }
    const qsizetype size = qsizetype(status.st_size);
    char *data = MapAndClose(fd, size);
    if (!data)
        return nullptr;
    return std::unique_ptr<TSharedMemory>(new TSharedMemory(posixName, data, size, false));
}

TSharedMemory::TSharedMemory(QByteArray posixName, char *data, qsizetype size, bool owner)
    : m_posixName(std::move(posixName)), m_data(data), m_size(size), m_owner(owner)
{
}

TSharedMemory::~TSharedMemory()
{
    munmap(m_data, size_t(m_size));
    if (m_owner)
        shm_unlink(m_posixName.constData());
}
