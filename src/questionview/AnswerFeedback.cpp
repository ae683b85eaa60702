#include "questionview/AnswerFeedback.h"

#include "platform/AppDir.h"
#include "platform/Sound.h"

namespace AnswerFeedback {
namespace {
void Play(const QString& name) {
    PlaySound(name.isEmpty() ? QString() : FileSystemPath(AppDir() + name));
}
}  // namespace

bool IsRight(int optionTag, int ans) {
    return optionTag == ans;
}

QString Letter(int ans) {
    return ans >= 1 && ans <= 4 ? QString(QChar('A' + ans - 1)) : QString();
}

void PlayRight() {
    Play(QStringLiteral("sound\\对.wav"));
}

void PlayWrong() {
    Play(QStringLiteral("sound\\错.wav"));
}

void SpeakLetter(int ans) {
    const QString letter = Letter(ans);
    Play(letter.isEmpty() ? QString() : QStringLiteral("sound\\") + letter + QStringLiteral(".wav"));
}

}  // namespace AnswerFeedback
