#include "app/Upublic.h"

#include "platform/IniStore.h"

namespace {
const QString kSection = QStringLiteral("config");

struct SettingKey {
    const char* key;
    QString CentreInfo::*field;
};

// The keys of config.ini in the order they are read and written.
const SettingKey kKeys[] = {
    {"name", &CentreInfo::name},
    {"tel", &CentreInfo::tel},
    {"adds", &CentreInfo::adds},
};

QString ConfigFile() {
    return FileSystemPath(AppDir() + "config.ini");
}
}  // namespace

CentreInfo DefaultCentreInfo() {
    return {QStringLiteral("*******驾驶员培训中心********"), QStringLiteral("000000000000"), QString()};
}

void ReadConfig(QString& name, QString& tel, QString& adds) {
    const CentreInfo defaults = DefaultCentreInfo();
    CentreInfo info;
    for (const SettingKey& key : kKeys) {
        info.*key.field = IniStore::ReadString(ConfigFile(), kSection, QLatin1String(key.key), defaults.*key.field);
    }
    name = info.name;
    tel = info.tel;
    adds = info.adds;
}

void WriteConfig(const QString& name, const QString& tel, const QString& adds) {
    const CentreInfo info{name, tel, adds};
    for (const SettingKey& key : kKeys) {
        IniStore::WriteString(ConfigFile(), kSection, QLatin1String(key.key), info.*key.field);
    }
}
