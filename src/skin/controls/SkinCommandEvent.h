#pragma once

#include <QEvent>

class QWidget;
class TsSkinManager;

// The skin engine's own message to windows and controls. It is sent, never posted, so that when a
// broadcast returns every control has already acted on it.
enum SkinCommand {
    cmdSkinLoaded = 1,
    cmdSkinRemoved = 2,
    cmdRepaint = 3,
    cmdIsSkinned = 7,  // a control that takes skin commands answers 1 and passes them on to its children
    cmdFreeze = 8,
    cmdFreezeAlternative = 9,
    cmdIsStaleOrFrozen = 10,
    cmdStopFading = 16,
    cmdMarkStale = 17,
    cmdParentChanged = 20,  // argument 1: also repaint and pass it on to the children
    cmdBackgroundColor = 21,
    cmdSectionIndex = 26,  // answers the section's index + 1, 0 when not skinned
    cmdBackgroundRequest = 34,
    cmdFlags = 36,  // answers bit 0 = opaque; argument 1: work it out anew, children too
};

class SkinCommandEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(0xA100);

    SkinCommandEvent(int command, int argument, TsSkinManager* manager, void* data = nullptr)
        : QEvent(kType), Command(command), Argument(argument), Manager(manager), Data(data) {}

    const int Command;
    const int Argument;  // 0 or 1
    TsSkinManager* const Manager;
    void* const Data;  // the record a command fills in, if it has one
    int Answer = 0;

    // Sends the command to one widget and gives its answer.
    static int Send(QWidget* target, int command, int argument, TsSkinManager* manager);
    // Sends the command to every top-level window, the last first, and to their children: a child that
    // takes skin commands passes them on itself, every other one is descended into.
    static void Broadcast(int command, TsSkinManager* manager);
    // Passes a broadcast command on to the children of one widget, as a control that takes them does.
    static void PassToChildren(QWidget* widget, int command, TsSkinManager* manager);
};
