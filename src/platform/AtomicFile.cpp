#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

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

}  // namespace

bool WriteFileAtomically(const QString& fileName, const QByteArray& bytes, int* error) {
    const auto fail = [error](int code) {
        if (error != nullptr) {
            *error = code != 0 ? code : EIO;
        }
        return false;
    };
    // A rename needs only the folder's permission: without this a file the user protected would be replaced.
    if (QFileInfo::exists(fileName) && !Writable(fileName)) {
        return fail(EACCES);
    }
    const QByteArray target = QFile::encodeName(fileName);
    QByteArray temporary = target + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return fail(errno);
    }
    struct stat existing {};
    const mode_t mode = stat(target.constData(), &existing) == 0 ? existing.st_mode & 07777 : NewFileMode();
    errno = 0;  // a write that stores nothing without an error number still fails, as EIO
    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    int code = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && rename(temporary.constData(), target.constData()) != 0) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        unlink(temporary.constData());
        return fail(code);
    }
    SyncFolder(QFile::encodeName(QFileInfo(fileName).absolutePath()));
    return true;
}

QString FileWriteCause(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("磁盘空间不足");
        case EFBIG:
            return QStringLiteral("文件超出了系统允许的大小");
        case EACCES:
        case EPERM:
            return QStringLiteral("没有写入的权限，或文件是只读的");
        case EROFS:
            return QStringLiteral("所在的磁盘只能读不能写");
        case ENOENT:
            return QStringLiteral("所在的文件夹不存在");
        case ENOTDIR:
            return QStringLiteral("路径中有一段不是文件夹");
        case EISDIR:
            return QStringLiteral("已有同名的文件夹");
        case ENAMETOOLONG:
            return QStringLiteral("文件名太长");
        case EIO:
            return QStringLiteral("读写磁盘时出错");
        default:
            return QStringLiteral("系统报告了错误");
    }
}
