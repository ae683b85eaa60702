#pragma once

class QCoreApplication;

// Qt's own windows (the file and print dialogs, the buttons it names itself) in Simplified Chinese, the
// program's language, whatever the system's is: the Chinese locale and Qt's translations, where installed.
void UseChineseForQt(QCoreApplication& app);
