#pragma once

// Faults of the file system made for a test: a full disk and a read-only folder. Real ones
// (a small memory file system, a read-only bind mount) where the test may mount; otherwise the
// nearest this process can make by itself.

#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <memory>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::test {

/// A disk that fills up on demand. With a mount, a small memory file system on `folder` (what
/// the folder held is hidden until the end), filled by one large file; otherwise a file size
/// limit of 0 for this process, under which every write fails as on a full disk.
class FullDisk {
public:
    FullDisk(const QString& folder, const char* size)
        : m_folder(folder),
          m_mounted(::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                            (QByteArray("size=") + size).constData()) == 0) {}
    ~FullDisk() {
        Free();
        if (m_mounted) {
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool Mounted() const { return m_mounted; }

    void Fill() {
        if (!m_mounted) {
            m_limit = std::make_unique<FileSizeLimit>(0);
            return;
        }
        QFile filler(Filler());
        if (!filler.open(QIODevice::WriteOnly)) {
            return;
        }
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // The last partial block, byte by byte.
        while (filler.write("x", 1) == 1 && filler.flush()) {
        }
    }
    void Free() {
        m_limit.reset();
        if (m_mounted) {
            QFile::remove(Filler());
        }
    }

private:
    QString Filler() const { return m_folder + QStringLiteral("/filler"); }

    QString m_folder;
    bool m_mounted;
    std::unique_ptr<FileSizeLimit> m_limit;
};

/// A folder that cannot be written while this lives: a read-only bind mount of itself where
/// the test may mount, its write permission taken away otherwise (which binds no one running
/// as root: Available() then says so).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder) : m_path(QFile::encodeName(folder)) {
        if (::mount(m_path.constData(), m_path.constData(), nullptr, MS_BIND, nullptr) == 0) {
            m_mounted = true;
            m_available = ::mount(nullptr, m_path.constData(), nullptr,
                                  MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
            return;
        }
        m_chmodded = ::chmod(m_path.constData(), 0555) == 0;
        m_available = m_chmodded && ::geteuid() != 0;
    }
    ~ReadOnlyFolder() {
        if (m_mounted) {
            ::umount2(m_path.constData(), MNT_DETACH);
        }
        if (m_chmodded) {
            ::chmod(m_path.constData(), 0755);
        }
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool Available() const { return m_available; }

private:
    QByteArray m_path;
    bool m_mounted = false;
    bool m_chmodded = false;
    bool m_available = false;
};

} // namespace velmora::test
