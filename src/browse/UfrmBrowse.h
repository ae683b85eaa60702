#pragma once

#include <QDialog>

class QShortcut;
class WebBrowser;

// The browser window: nothing but a browser control filling it, for the law, sign and tip pages and
// the games. The main window's commands set its caption, load a file into it and show it.
class TfrmBrowse : public QDialog {
    Q_OBJECT

public:
    explicit TfrmBrowse(QWidget* parent = nullptr);
    ~TfrmBrowse() override;

    // The browser control. The first Navigate creates it, so that the engine only ever starts when a
    // page is opened.
    QWidget* WebBrowser1 = nullptr;

    // Loads the file of full name `fileName` ('\' or '/' separated) and returns at once. A file that
    // is not there is shown as a page of ours naming it. Raises Exception when the engine cannot be
    // started or the file cannot be read.
    void Navigate(const QString& fileName);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    WebBrowser* Browser();

    WebBrowser* browser_ = nullptr;
    QShortcut* leavePage_;  // Esc, on while a page is shown and off for a game
};

// The browser window kept between page commands; empty at start and after every game.
inline TfrmBrowse* frmBrowse = nullptr;
