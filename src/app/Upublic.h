#pragma once

#include <QString>

#include "platform/AppDir.h"

// The training centre's name, hotline and address, kept in config.ini: beside the executable, or, when the
// program is installed, in the user's settings folder over the computer's own (DataFolders).
struct CentreInfo {
    QString name;
    QString tel;
    QString adds;
};

// The longest text each of them keeps, in characters: the settings window takes no more, and a settings file that
// holds more is read cut to this, so that no file can make the windows lay out a book.
constexpr int kMaxCentreNameLength = 50;
constexpr int kMaxCentreTelLength = 30;
constexpr int kMaxCentreAddsLength = 100;

// Reads section "config" of config.ini; each key comes from the first settings file that has it, and one
// that none has (or file, or section) gives its default, while a key present with an empty value reads as empty.
void ReadConfig(QString& name, QString& tel, QString& adds);

// Writes name, tel and adds, in this order, each at once. A refused write raises
// "Unable to write to <file>" and the values after it are not written.
void WriteConfig(const QString& name, const QString& tel, const QString& adds);

// The defaults the program shows before a training centre has entered its own.
CentreInfo DefaultCentreInfo();

// Whether the result sheet follows each exam: key "result" of section "config", on unless a settings file says 0.
bool ReadShowResult();
void WriteShowResult(bool on);
