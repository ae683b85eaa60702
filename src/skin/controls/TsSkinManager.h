#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "skin/loading/SkinContent.h"

// Finds the skin named by SkinDirectory and SkinName, packed ("<name>.asz") or as a folder holding
// "Options.dat", loads it and tells every window about it. Set SkinDirectory, then SkinName, then
// Active: while inactive, a new name is only stored.
class TsSkinManager : public QObject {
    Q_OBJECT

public:
    enum TsSkinningRule { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
    Q_DECLARE_FLAGS(TsSkinningRules, TsSkinningRule)

    static inline const QString kDefaultSkinDirectory = QStringLiteral("c:\\Skins");

    explicit TsSkinManager(QObject* parent = nullptr);
    ~TsSkinManager() override;

    bool Active() const { return active_; }
    void SetActive(bool active);
    const QString& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const QString& directory);
    const QString& SkinName() const { return skinName_; }
    void SetSkinName(const QString& name);

    // Information only: the loaded skin's description and format version.
    QString SkinInfo() const { return skin_.SkinData.Description; }
    QString Version() const { return QString::number(skin_.SkinData.Version); }

    // Starts reading the skin `name` of `directory` on a worker thread, so that reading it overlaps other
    // start-up work; the next load of that skin, with the default colour settings, takes the result.
    static void Prefetch(const QString& directory, const QString& name);

    // The manager that global painting and dialog skinning use: the first one made, unless another
    // one is made the default.
    bool IsDefault() const { return DefaultManager() == this; }
    void SetIsDefault(bool isDefault);
    static TsSkinManager* DefaultManager();

    // Read by painting and by the window adapters; the colour shift applies from the next load on.
    int HueOffset = 0;
    int Saturation = 0;
    bool SkinnedPopups = true;
    bool AllowGlowing = true;
    TsSkinningRules SkinningRules = TsSkinningRules(srStdForms | srStdDialogs | srThirdParty);
    QString IcoLineSkin = QStringLiteral("ICOLINE");

    // The current skin came from a package.
    bool Packed() const { return packed_; }
    const TsSkinData& SkinData() const { return skin_.SkinData; }
    const SkinContent& Skin() const { return skin_; }

    // True from just before a skin change starts until it has been announced; fading waits for it.
    static bool SkinChanging();

signals:
    void OnBeforeChange(TsSkinManager* sender);
    void OnAfterChange(TsSkinManager* sender);

private:
    void ChangeSkin();
    // The named skin, or nothing when neither its package nor its folder exists.
    std::optional<SkinContent> LoadNamedSkin(bool& packed, QStringList& warnings) const;
    void Announce(bool repaint);
    void Unload();

    bool active_ = true;
    QString skinDirectory_ = kDefaultSkinDirectory;
    QString skinName_;
    bool packed_ = false;
    SkinContent skin_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TsSkinManager::TsSkinningRules)
