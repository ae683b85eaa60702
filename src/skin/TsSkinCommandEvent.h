#pragma once

#include <QEvent>

class QWidget;
class TsSkinManager;

// The skin engine's own message to windows and controls. It is sent, never posted, so that when a
// broadcast returns every control has already acted on it.
enum TsSkinCommand {
    cmdSkinLoaded = 1,
    cmdSkinRemoved = 2,
    cmdRepaint = 3,
    cmdIsSkinned = 7,  // a control that takes skin commands answers 1 and passes them on to its children
    cmdStopFading = 16,
};

class TsSkinCommandEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(0xA100);

    TsSkinCommandEvent(int command, int argument, TsSkinManager* manager)
        : QEvent(kType), Command(command), Argument(argument), Manager(manager) {}

    const int Command;
    const int Argument;  // 0 or 1
    TsSkinManager* const Manager;
    int Answer = 0;

    // Sends the command to one widget and gives its answer.
    static int Send(QWidget* target, int command, int argument, TsSkinManager* manager);
    // Sends the command to every top-level window, the last first, and to their children: a child that
    // takes skin commands passes them on itself, every other one is descended into.
    static void Broadcast(int command, TsSkinManager* manager);
};
