#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replaces a file whole without ever leaving half of it: the new content goes
// into a file beside the target, is flushed to disk and then renamed over the
// target. Any failure throws FileError and leaves the old file as it was.
class AtomicFile final
{
public:
    enum class Access {
        // A new file gets the usual permissions (umask applies); a replaced
        // file keeps its own.
        Shared,
        // Readable and writable by the owner only (0600), replaced or new.
        OwnerOnly,
    };
    // Writes up to `size` bytes to the descriptor; returns the count written,
    // or -1 with errno set, like write(2). Tests inject failures here.
    using Writer = std::function<long(int fd, const char *data, long size)>;

    explicit AtomicFile(QString path, Access access = Access::Shared, Writer writer = {});

    void write(const QByteArray &data) const;

    const QString &path() const { return m_path; }

private:
    QString m_path;
    Access m_access;
    Writer m_writer;
};
