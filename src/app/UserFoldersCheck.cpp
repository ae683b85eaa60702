#include "app/UserFoldersCheck.h"

#include "platform/DataFolders.h"
#include "ui/MessageBox.h"

void WarnOfUnwritableUserFolders() {
    const QStringList folders = DataFolders::UnwritableUserFolders();
    if (folders.isEmpty()) {
        return;
    }
    ShowMessageBox(
        nullptr,
        {QStringLiteral("提示"),
         QStringLiteral("无法写入以下文件夹，参数设定、练习进度和学习记录都不能保存（以前保存的照常读出）：\n") +
             folders.join(u'\n'),
         QMessageBox::Warning, QMessageBox::Ok});
}
