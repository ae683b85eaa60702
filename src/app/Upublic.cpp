#include "app/Upublic.h"

#include <QDir>
#include <QFileInfo>

#include "platform/DataFolders.h"
#include "platform/IniStore.h"

namespace {
const QString kSection = QStringLiteral("config");

struct SettingKey {
    const char* key;
    QString CentreInfo::*field;
    int maxLength;
};

// The keys of config.ini in the order they are read and written.
const SettingKey kKeys[] = {
    {"name", &CentreInfo::name, kMaxCentreNameLength},
    {"tel", &CentreInfo::tel, kMaxCentreTelLength},
    {"adds", &CentreInfo::adds, kMaxCentreAddsLength},
};

// The first `length` characters of `text`, a character of two UTF-16 units never cut in half.
QString Bounded(const QString& text, int length) {
    if (text.size() <= length)
        return text;
    QString kept = text.left(length);
    if (kept.back().isHighSurrogate())
        kept.chop(1);
    return kept;
}

// Tells a key that no file has from one that is there with an empty value.
const QString kMissing = QStringLiteral("\x01missing");

QString ReadSetting(const QString& key, const QString& defaultValue) {
    for (const QString& file : DataFolders::SettingsFiles()) {
        QString value = IniStore::ReadString(file, kSection, key, kMissing);
        if (value != kMissing) {
            return value;
        }
    }
    return defaultValue;
}
}  // namespace

CentreInfo DefaultCentreInfo() {
    return {QStringLiteral("*******驾驶员培训中心********"), QStringLiteral("000000000000"), QString()};
}

void ReadConfig(QString& name, QString& tel, QString& adds) {
    const CentreInfo defaults = DefaultCentreInfo();
    CentreInfo info;
    for (const SettingKey& key : kKeys) {
        info.*key.field = Bounded(ReadSetting(QLatin1String(key.key), defaults.*key.field), key.maxLength);
    }
    name = info.name;
    tel = info.tel;
    adds = info.adds;
}

void WriteConfig(const QString& name, const QString& tel, const QString& adds) {
    const CentreInfo info{name, tel, adds};
    const QString file = DataFolders::SettingsFile();
    // Installed, the user's settings folder is made at the first save; if it cannot be, the write below
    // reports the file as unwritable.
    QDir().mkpath(QFileInfo(file).path());
    for (const SettingKey& key : kKeys) {
        IniStore::WriteString(file, kSection, QLatin1String(key.key), info.*key.field);
    }
}

bool ReadShowResult() {
    return ReadSetting(QStringLiteral("result"), QStringLiteral("1")).trimmed() != QLatin1String("0");
}

void WriteShowResult(bool on) {
    const QString file = DataFolders::SettingsFile();
    QDir().mkpath(QFileInfo(file).path());
    IniStore::WriteString(file, kSection, QStringLiteral("result"), on ? QStringLiteral("1") : QStringLiteral("0"));
}
