#include "skin/controls/TsSkinManager.h"

#include <QApplication>
#include <QWidget>

#include "platform/AppDir.h"
#include "skin/controls/SkinCommandEvent.h"
#include "skin/loading/SkinError.h"
#include "skin/loading/SkinFetch.h"
#include "skin/loading/SkinLoader.h"
#include "skin/loading/SkinPaths.h"
#include "ui/MessageBox.h"

namespace {

TsSkinManager* defaultManager = nullptr;
bool skinChanging = false;

void ShowSkinMessage(const QString& text, QMessageBox::Icon icon) {
    ShowMessageBox(QApplication::activeWindow(), {QStringLiteral("提示"), text, icon, QMessageBox::Ok});
}

}  // namespace

TsSkinManager::TsSkinManager(QObject* parent) : QObject(parent) {
    if (!defaultManager)
        defaultManager = this;
}

TsSkinManager::~TsSkinManager() {
    // The windows that would hear of the unloading are being torn down with their owner: only the data
    // goes, without a broadcast.
    if (defaultManager == this)
        defaultManager = nullptr;
}

TsSkinManager* TsSkinManager::DefaultManager() {
    return defaultManager;
}

bool TsSkinManager::SkinChanging() {
    return skinChanging;
}

void TsSkinManager::SetIsDefault(bool isDefault) {
    if (!isDefault) {
        if (defaultManager == this)
            defaultManager = nullptr;
        return;
    }
    defaultManager = this;
    if (active_)
        Announce(true);
    else
        Unload();
}

void TsSkinManager::SetSkinDirectory(const QString& directory) {
    if (directory == skinDirectory_)
        return;
    skinDirectory_ = directory;
    skin_.SkinData.SkinFolder = SkinPaths::ResolveSkinDirectory(directory, AppDir());
}

void TsSkinManager::SetSkinName(const QString& name) {
    skinName_ = name;
    if (active_)
        ChangeSkin();
}

void TsSkinManager::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active)
        SetSkinName(skinName_);
    else
        Unload();
}

void TsSkinManager::Prefetch(const QString& directory, const QString& name) {
    SkinFetch::Start(directory, name, SkinPaths::ResolveSkinDirectory(directory, AppDir()));
}

std::optional<SkinContent> TsSkinManager::LoadNamedSkin(bool& packed, QStringList& warnings) const {
    const SkinLoader::Settings settings{HueOffset, Saturation};
    std::optional<FetchedSkin> fetched = SkinFetch::Take(skinDirectory_, skinName_, settings);
    if (!fetched) {
        fetched = SkinFetch::Load(skinDirectory_, skinName_, SkinPaths::ResolveSkinDirectory(skinDirectory_, AppDir()),
                                  settings);
    }
    warnings += fetched->Warnings;
    if (fetched->Error)
        std::rethrow_exception(fetched->Error);
    packed = fetched->Packed;
    return std::move(fetched->Content);
}

void TsSkinManager::ChangeSkin() {
    emit OnBeforeChange(this);
    skinChanging = true;
    const bool wasReady = skin_.SkinData.SkinReady;
    skin_.SkinData.SkinReady = false;

    QStringList warnings;
    std::optional<QString> failure;
    try {
        bool packed = false;
        if (std::optional<SkinContent> loaded = LoadNamedSkin(packed, warnings)) {
            skin_ = std::move(*loaded);
            packed_ = packed;
            Announce(true);
        } else {
            skin_.SkinData.SkinFolder.clear();
            active_ = false;
            Unload();
        }
    } catch (const SkinError& error) {
        // The new skin was built aside: what the windows show stays as it was.
        skin_.SkinData.SkinReady = wasReady;
        failure = error.Message();
    }
    skinChanging = false;

    for (const QString& warning : warnings)
        ShowSkinMessage(warning, QMessageBox::NoIcon);
    if (failure)
        ShowSkinMessage(*failure, QMessageBox::Warning);
    emit OnAfterChange(this);
}

void TsSkinManager::Announce(bool repaint) {
    // Each form repaints once, at the end, instead of once per control.
    QList<QWidget*> frozen;
    if (repaint) {
        for (QWidget* form : QApplication::topLevelWidgets()) {
            if (form->isVisible() && form->updatesEnabled()) {
                form->setUpdatesEnabled(false);
                frozen << form;
            }
        }
    }
    skin_.SkinData.SkinReady = false;
    skin_.RebuildCachedIndexes();
    SkinCommandEvent::Broadcast(cmdSkinLoaded, this);
    skin_.SkinData.SkinReady = true;
    if (!repaint)
        return;
    SkinCommandEvent::Broadcast(cmdStopFading, this);
    SkinCommandEvent::Broadcast(cmdRepaint, this);
    for (QWidget* form : QApplication::topLevelWidgets()) {
        if (frozen.contains(form)) {
            form->setUpdatesEnabled(true);
            form->update();
        }
    }
}

void TsSkinManager::Unload() {
    skin_.SkinData.SkinReady = false;
    SkinCommandEvent::Broadcast(cmdSkinRemoved, this);
    skin_.ClearSkin();
    skin_.RebuildCachedIndexes();
}
