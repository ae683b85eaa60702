#include "questionview/AnswerFeedback.h"

#include <QApplication>
#include <QWidget>

#include "platform/AppDir.h"
#include "platform/Sound.h"

namespace AnswerFeedback {
namespace {
// A sound holds up the thread that paints: what the answer changed on the window in front (the chosen option, the
// options closed, a message) is painted first, so the learner sees the click take effect while the sound plays.
void PaintWindowInFront() {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr)
        window = QApplication::activeWindow();
    if (window != nullptr)
        window->repaint();
}

void Play(const QString& name) {
    PaintWindowInFront();
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
