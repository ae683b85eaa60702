#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "platform/Writable.h"

namespace {

bool WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return true;
}

// The mode a new file gets from the process's umask, as open() would give it.
mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The rename is only durable once the folder's entry is on disk too; a folder that cannot be synced
// (some file systems refuse) does not undo a rename that has already happened.
void SyncFolder(const QByteArray& folder) {
    const int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

QString Cause(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("磁盘已满");
        case EACCES:
        case EPERM:
            return QStringLiteral("没有写入的权限");
        case EROFS:
            return QStringLiteral("磁盘只能读不能写");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("文件夹不存在");
        case EIO:
            return QStringLiteral("磁盘出错");
        default:
            return QString::fromLocal8Bit(strerror(error));
    }
}

bool Failed(QString* why, const QString& cause) {
    if (why != nullptr) {
        *why = cause;
    }
    return false;
}

}  // namespace

bool WriteFileAtomically(const QString& fileName, const QByteArray& bytes, QString* why) {
    const QByteArray target = QFile::encodeName(fileName);
    if (QFileInfo::exists(fileName) && !Writable(fileName)) {
        return Failed(why, QStringLiteral("文件是只读的"));
    }
    QByteArray temporary = target + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return Failed(why, Cause(errno));
    }
    struct stat existing {};
    const mode_t mode = stat(target.constData(), &existing) == 0 ? existing.st_mode & 07777 : NewFileMode();
    errno = 0;
    int error = 0;
    if (fchmod(fd, mode) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) {
        error = errno != 0 ? errno : EIO;
    }
    if (close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && rename(temporary.constData(), target.constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temporary.constData());
        return Failed(why, Cause(error));
    }
    SyncFolder(QFile::encodeName(QFileInfo(fileName).absolutePath()));
    return true;
}
