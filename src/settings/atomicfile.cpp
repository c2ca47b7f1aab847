#include "settings/atomicfile.h"

#include "service/linerecords.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemMessage(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The file that is really replaced: a link is followed so it stays a link.
QString resolvedTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

class Descriptor final
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

// The rename lives in the folder: until the folder is on disk, a power cut may
// bring back the old file. The save itself has succeeded either way.
void syncFolderOf(const QByteArray &fileName)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(fileName)).absolutePath());
    const Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace

AtomicFile::AtomicFile(QString path, Access access, Writer writer)
    : m_path(std::move(path))
    , m_access(access)
    , m_writer(std::move(writer))
{
    if (!m_writer)
        m_writer = [](int fd, const char *data, long size) { return static_cast<long>(::write(fd, data, size)); };
}

void AtomicFile::write(const QByteArray &data) const
{
    const QString target = resolvedTarget(m_path);
    const QByteArray targetName = QFile::encodeName(target);
    const auto fail = [&](const QString &what, int error) {
        throw FileError(QStringLiteral("Cannot save \"%1\": %2. %3").arg(m_path, what, systemMessage(error)));
    };

    const mode_t createMode = m_access == Access::OwnerOnly ? 0600 : 0666;
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        tempName = targetName + ".new-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (fd < 0 && errno != EEXIST)
            fail(QStringLiteral("the file cannot be created"), errno);
    }
    if (fd < 0)
        fail(QStringLiteral("the file cannot be created"), EEXIST);
    Descriptor file(fd);

    const auto discard = [&](const QString &what, int error) {
        ::unlink(tempName.constData());
        fail(what, error);
    };

    struct stat existing
    {
    };
    if (m_access == Access::OwnerOnly) {
        if (::fchmod(file.get(), 0600) != 0)
            discard(QStringLiteral("its permissions cannot be set"), errno);
    } else if (::stat(targetName.constData(), &existing) == 0) {
        if (::fchmod(file.get(), existing.st_mode & 07777) != 0)
            discard(QStringLiteral("its permissions cannot be set"), errno);
    }

    const char *next = data.constData();
    long left = static_cast<long>(data.size());
    while (left > 0) {
        const long written = m_writer(file.get(), next, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            discard(QStringLiteral("write error"), written < 0 ? errno : ENOSPC);
        next += written;
        left -= written;
    }
    if (::fsync(file.get()) != 0)
        discard(QStringLiteral("write error"), errno);
    if (::close(file.release()) != 0)
        discard(QStringLiteral("write error"), errno);
    if (::rename(tempName.constData(), targetName.constData()) != 0)
        discard(QStringLiteral("the file cannot be replaced"), errno);
    syncFolderOf(targetName);
}
