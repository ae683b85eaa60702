#include "XTools.h"

#include <QProcess>
#include <QRegularExpression>

namespace XTools {

QString Run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

void MoveTo(QPoint global) {
    Run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
}

void Click() {
    Run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
}

void Keys(const QStringList& keys) {
    Run(QStringLiteral("xdotool"),
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + keys);
}

bool Viewable(unsigned long window) {
    return Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)})
        .contains(QLatin1String("Map State: IsViewable"));
}

QRect Geometry(unsigned long window) {
    const QString info = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    const auto value = [&info](const char* field) {
        static const QString number = QStringLiteral(":\\s*(-?\\d+)");
        return QRegularExpression(QLatin1String(field) + number).match(info).captured(1).toInt();
    };
    if (info.isEmpty())
        return {};
    return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")};
}

QStringList ViewableTopLevels() {
    static const QRegularExpression child(QStringLiteral("^\\s+(0x[0-9a-f]+) (.*)$"));
    QStringList viewable;
    const QStringList lines = Run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")})
                                  .split(u'\n', Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = child.match(line);
        if (match.hasMatch() && Viewable(match.captured(1).toULong(nullptr, 16)))
            viewable << match.captured(1) + u' ' + match.captured(2).trimmed();
    }
    return viewable;
}

}  // namespace XTools
