#pragma once

#include <QWidget>

// A window of the tour only: each kind of skinned control in each of its states (normal, hot, pressed,
// checked, focused, disabled), so that one picture shows how the skin draws them all.
class SkinStatesForm : public QWidget {
    Q_OBJECT

public:
    explicit SkinStatesForm(QWidget* parent = nullptr);

    // Puts the controls into their states; called once the window is showing.
    void Arrange();

private:
    QList<QWidget*> hot_, focused_;
};
