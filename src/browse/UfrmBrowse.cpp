#include "browse/UfrmBrowse.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include "browse/BrowserEngine.h"
#include "browse/LocalContent.h"
#include "platform/AppDir.h"
#include "platform/Exception.h"
#include "ui/WindowPlacement.h"

namespace {
// The folder of the Flash player's web build, and every folder whose files pages and games may read,
// relative to AppDir.
const QString kPlayerFolder = QStringLiteral("ruffle/");
const QString kReadableFolders[] = {QStringLiteral("image/"), QStringLiteral("game/"), kPlayerFolder};
}  // namespace

TfrmBrowse::TfrmBrowse(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("frmBrowse");
    resize(705, 430);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // A shortcut, as the browser control keeps Esc from the window once the page has seen it.
    leavePage_ = new QShortcut(QKeySequence::Cancel, this, this, &QDialog::reject);
    CentreOnScreen(this);
}

TfrmBrowse::~TfrmBrowse() {
    // The main window destroys a kept window with itself; its slot must not outlive it.
    if (frmBrowse == this)
        frmBrowse = nullptr;
}

void TfrmBrowse::Navigate(const QString& fileName) {
    const QString path = FileSystemPath(fileName);
    leavePage_->setEnabled(!IsFlashMovie(QUrl::fromLocalFile(path)));
    WebBrowser* browser = Browser();
    const QFileInfo file(path);
    if (!file.exists()) {
        browser->ShowHtml(MissingFilePage(path));
        return;
    }
    if (!file.isFile() || !file.isReadable())
        throw Exception(QStringLiteral("无法打开文件“%1”。").arg(path));
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    const QString player = PlayerPageFile(FileSystemPath(AppDir() + kPlayerFolder));
    if (IsFlashMovie(url) && !QFileInfo::exists(player)) {
        browser->ShowHtml(MissingFilePage(player));
        return;
    }
    browser->Load(url);
}

void TfrmBrowse::keyPressEvent(QKeyEvent* event) {
    // Esc leaves a page by its shortcut. A game may well see Esc pressed: its window closes with the close box only.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

WebBrowser* TfrmBrowse::Browser() {
    if (browser_ == nullptr) {
        BrowserFolders folders{FileSystemPath(AppDir() + kPlayerFolder), {}};
        for (const QString& folder : kReadableFolders)
            folders.readable << FileSystemPath(AppDir() + folder);
        browser_ = BrowserEngine().CreateBrowser(this, folders);
        WebBrowser1 = browser_->Control();
        WebBrowser1->setObjectName("WebBrowser1");
        layout()->addWidget(WebBrowser1);
    }
    return browser_;
}
