// The program on a real X display, as a learner meets it: glows that go with the pointer, windows, boxes and
// menus that open over their owners, the mock exam and practice with the keyboard alone, and a tour of the
// screen with each window open. The wrapper run-desktop gives it a display of its own, with or without a
// window manager and a compositor.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QWindow>
#include <memory>

#include "BrowserTestSupport.h"
#include "DesktopScript.h"
#include "Openings.h"
#include "RecordsFixture.h"
#include "ScreenPlace.h"
#include "XTools.h"
#include "app/RecordCharts.h"
#include "app/UFrmMain.h"
#include "app/UfrmRecords.h"
#include "bank/TQuestion.h"
#include "bank/UDM.h"
#include "exam/UfrmMNKS.h"
#include "exam/UfrmResult.h"
#include "paper/ExamKinds.h"
#include "platform/AppDir.h"
#include "platform/Query.h"
#include "practice/UfrmTest.h"
#include "records/Learners.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsRadioButton.h"
#include "skin/controls/TsSpeedButton.h"

namespace {
// Away from the middle of the screen, so that a window centred on the screen is not centred on it by chance, and
// with room around it for the larger windows centred over it.
const QPoint kMainAt(160, 120);

// The glows shown now, by Qt or on the X server, described.
QStringList VisibleGlows() {
    QStringList glows;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() != QLatin1String("GlowWindow"))
            continue;
        const WId id = window->internalWinId();
        if (window->isVisible() || (id != 0 && XTools::Viewable(id)))
            glows << Describe(window);
    }
    return glows;
}

// Where the glow shown round a point lies.
QRect GlowAround(QPoint point) {
    QRect area;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("GlowWindow") && window->isVisible() &&
            OnScreen(window).contains(point))
            area |= OnScreen(window);
    }
    return area;
}

// A control as failures name it: class and object name.
QString ControlName(const QWidget* control) {
    return QString::fromLatin1(control->metaObject()->className()) + u' ' + control->objectName();
}

// Keeps the first control that a press of a mouse button reaches.
class PressWatch : public QObject {
public:
    void Reset() {
        reached_.clear();
        pressed_ = false;
    }
    bool Pressed() const { return pressed_; }
    QString Reached() const { return reached_; }

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && target->isWidgetType() && !pressed_) {
            pressed_ = true;
            reached_ = ControlName(static_cast<QWidget*>(target));
        }
        return false;
    }

private:
    bool pressed_ = false;
    QString reached_;
};

// A point of a window where no control waits for the pointer: the middle of its bottom edge.
QPoint Aside(const QWidget* window) {
    return OnScreen(window, QPoint(window->width() / 2, window->height() - 10));
}

// Whether a click on the control starts nothing: it is no button, list or edit, nor inside one.
bool Harmless(const QWidget* control) {
    for (const QWidget* step = control; step != nullptr && !step->isWindow(); step = step->parentWidget()) {
        if (qobject_cast<const QAbstractButton*>(step) != nullptr || qobject_cast<const QComboBox*>(step) != nullptr ||
            qobject_cast<const QLineEdit*>(step) != nullptr)
            return false;
    }
    return true;
}

// Points on the edge of an area, two pixels inside; none for no area.
QList<QPoint> EdgePoints(const QRect& area) {
    if (area.isEmpty())
        return {};
    const QRect inner = area.adjusted(2, 2, -2, -2);
    const QPoint middle = inner.center();
    return {inner.topLeft(),
            {middle.x(), inner.top()},
            inner.topRight(),
            {inner.left(), middle.y()},
            {inner.right(), middle.y()},
            inner.bottomLeft(),
            {middle.x(), inner.bottom()},
            inner.bottomRight()};
}

QString FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? QStringLiteral("nothing")
                            : ControlName(focus) + QStringLiteral(" of ") + focus->window()->objectName();
}

QString ActiveName() {
    const QWidget* active = QApplication::activeWindow();
    return active == nullptr ? QStringLiteral("no window") : Describe(active);
}

// Tabs until `target` has the focus; notes what Tab went through when it never gets it.
bool TabTo(DesktopScript& script, QWidget* target, const QString& what) {
    QStringList stops;
    for (int presses = 0; presses < 40; ++presses) {
        QWidget* focus = script.Read<QWidget*>([] { return QApplication::focusWidget(); });
        if (focus == target)
            return true;
        const QString name = script.Read<QString>(&FocusName);
        if (stops.contains(name))
            break;
        stops << name;
        script.Keys({QStringLiteral("Tab")});
        script.Holds([focus] { return QApplication::focusWidget() != focus; }, 1000);
    }
    script.Note(QStringLiteral("Tab never reaches %1; it goes %2").arg(what, stops.join(QStringLiteral(" → "))));
    return false;
}

// Presses a button with the keyboard: Tab to it, then Return.
bool PressWithKeys(DesktopScript& script, QWidget* button, const QString& what) {
    if (!TabTo(script, button, what))
        return false;
    script.Keys({QStringLiteral("Return")});
    return true;
}

// Presses a button with the keyboard and waits until `done` holds. Where the keyboard cannot, it notes that and
// clicks the button in the program, so that the steps after it are still tried.
void PressOrNote(DesktopScript& script, QAbstractButton* button, const QString& what,
                 const std::function<bool()>& done) {
    if (PressWithKeys(script, button, what)) {
        if (script.Holds(done))
            return;
        script.Note(QStringLiteral("Return on %1 does nothing; focus: %2").arg(what, script.Read<QString>(&FocusName)));
    }
    script.Post([button] { button->click(); });
    script.WaitFor(done, what + QStringLiteral(" does nothing even when clicked"));
}

// Waits until `window` is shown and takes the keys.
void WaitActive(DesktopScript& script, const std::function<QWidget*()>& window, const QString& what) {
    script.WaitFor(
        [&window] {
            QWidget* shown = window();
            return shown != nullptr && shown->isVisible() && QApplication::activeWindow() == shown;
        },
        what + QStringLiteral(" is not shown with the keyboard in it"),
        [] { return QStringLiteral("active: ") + ActiveName() + QStringLiteral("; shown: ") + ShownWindows(); });
}

// After a window closes, the learner types on in the main window.
void ExpectKeysBackInTheMainWindow(DesktopScript& script, const QString& after) {
    script.WaitFor(
        [] {
            return QApplication::activeWindow() == frmMain && QApplication::focusWidget() != nullptr &&
                   QApplication::focusWidget()->window() == frmMain;
        },
        QStringLiteral("after %1 the keyboard is not back in the main window").arg(after),
        [] { return QStringLiteral("active: ") + ActiveName() + QStringLiteral(", focus: ") + FocusName(); });
}

// Whether no step failed; each failure is told in full first, as a test's own message is cut short.
bool Passed(const QStringList& failures) {
    for (const QString& failure : failures)
        qWarning("%s", qPrintable(failure));
    return failures.isEmpty();
}

QString Letter(int option) {
    return QStringLiteral("alt+") + QChar(u'a' + option - 1);
}
}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void mainWindowLiesWhereItIsPlaced();
    void glowsGoWithTheirWindows_data();
    void glowsGoWithTheirWindows();
    void windowsOpenOverTheirOwners_data();
    void windowsOpenOverTheirOwners();
    void mockExamWithKeysAlone();
    void practiceWithKeysAlone();
    void desktopTour();

private:
    int AnswerCount();

    std::unique_ptr<TestAppDir> dir_;
    std::unique_ptr<ProgramRecords> records_;
    std::unique_ptr<TDM> dm_;
    std::unique_ptr<SoundRecorder> sounds_;
    PressWatch presses_;
};

void DesktopTest::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    dir_ = std::make_unique<TestAppDir>();
    dir_->LinkBuilt(kRecordChartsModule);
    QVERIFY(QFile::copy(BuiltAppDir() + QStringLiteral("s.asz"), dir_->File(QStringLiteral("s.asz"))));
    records_ = std::make_unique<ProgramRecords>();
    // A second learner, so that one can be removed.
    Learners(records_->records).Add(QStringLiteral("王芳"));
    dm_ = std::make_unique<TDM>();
    DM = dm_.get();
    dm_->DataModuleCreate();
    sounds_ = std::make_unique<SoundRecorder>();
    frmMain = new TfrmMain;
    frmMain->move(kMainAt);
    frmMain->show();
    QVERIFY(QTest::qWaitForWindowExposed(frmMain));
    qApp->installEventFilter(&presses_);
    qInfo("Desktop setup: %s", qgetenv("QV_DESKTOP_SETUP").constData());
}

// Every test starts where a learner starts: at the main window, which has the keyboard (without a window
// manager nobody else gives it), the pointer over its empty bottom edge.
void DesktopTest::init() {
    frmMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frmMain));
    XTools::MoveTo(Aside(frmMain));
    QTRY_COMPARE(QCursor::pos(), Aside(frmMain));
}

void DesktopTest::cleanupTestCase() {
    qApp->removeEventFilter(&presses_);
    delete frmMain;
    frmMain = nullptr;
    DM = nullptr;
    dm_.reset();
    sounds_.reset();
    records_.reset();
    dir_.reset();
}

int DesktopTest::AnswerCount() {
    return records_->records.Db().Select(QStringLiteral("select count(*) from answers")).rows[0][0].toInt();
}

// The program computes where glows and menus go from where it placed its window; the learner sees them
// where the window is shown.
void DesktopTest::mainWindowLiesWhereItIsPlaced() {
    QTRY_VERIFY2(PlacedAsShown(frmMain), qPrintable(Describe(frmMain)));
}

void DesktopTest::glowsGoWithTheirWindows_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("opens");
    QTest::newRow("顺序练习") << QStringList{"sBitBtn1"} << "frmTest";
    QTest::newRow("学习记录") << QStringList{"btnRecords"} << "frmRecords";
    QTest::newRow("参数设定") << QStringList{"sBitBtn8"} << "frmConfig";
    QTest::newRow("交通法规") << QStringList{"btnFG"} << "PopupMenu2";
    // It adds the learner in the window; nothing opens.
    QTest::newRow("添加学员") << QStringList{"btnRecords", "btnAdd"} << "";
}

// Hovering a button lights its glow; a click opens its window or menu; once that is closed again and the
// pointer has left the button, no glow is left on the screen, and a click where the glow was reaches the
// control there.
void DesktopTest::glowsGoWithTheirWindows() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, opens);
    const QString buttonName = clicks.takeLast();
    const QStringList failures = DesktopScript::Run([&](DesktopScript& script) {
        PressThrough(script, clicks);
        QWidget* button = nullptr;
        script.WaitFor(
            [&button, &buttonName] {
                const QWidget* top = TopWindow();
                button = top->findChild<QWidget*>(buttonName);
                return button != nullptr && button->isVisible() && top->windowHandle() != nullptr &&
                       top->windowHandle()->isExposed();
            },
            buttonName + QStringLiteral(" is not shown"), &ShownWindows);
        QWidget* host = script.Read<QWidget*>([button] { return button->window(); });
        if (buttonName == QLatin1String("btnAdd"))
            script.Gui(
                [] { frmRecords->edtName->setText(QStringLiteral("学员%1").arg(frmRecords->cbLearner->count())); });
        script.MoveTo(script.Read<QPoint>([host] { return Aside(host); }));
        const QPoint centre = script.Read<QPoint>([button] { return OnScreen(button, button->rect().center()); });
        script.MoveTo(centre);
        QRect glowArea;
        if (script.Holds([centre] { return !GlowAround(centre).isEmpty(); }, 2000))
            glowArea = script.Read<QRect>([centre] { return GlowAround(centre); });
        else
            qWarning("No glow lit on hovering %s", qPrintable(buttonName));
        script.Gui([this] { presses_.Reset(); });
        XTools::Click();
        if (!opens.isEmpty()) {
            script.WaitFor([&opens] { return Shown(opens) != nullptr; },
                           QStringLiteral("a click on %1 does not open %2").arg(buttonName, opens),
                           [this] {
                               return QStringLiteral("the press reached %1; shown: %2")
                                   .arg(presses_.Pressed() ? presses_.Reached() : QStringLiteral("nothing"),
                                        ShownWindows());
                           });
            QWidget* opened = script.Read<QWidget*>([&opens] { return Shown(opens); });
            script.MoveTo(script.Read<QPoint>([opened] { return Aside(opened); }));
            if (opens.startsWith(QLatin1String("PopupMenu")))
                script.Keys({QStringLiteral("Escape")});
            else
                script.Post([opened] { static_cast<QDialog*>(opened)->reject(); });
            script.WaitFor([&opens] { return Shown(opens) == nullptr; }, opens + QStringLiteral(" does not close"));
        }
        script.MoveTo(script.Read<QPoint>([host] { return Aside(host); }));
        if (!script.Holds([] { return VisibleGlows().isEmpty(); }, 1500)) {
            script.Note(QStringLiteral("after %1 a glow is left on the screen: %2")
                            .arg(opens.isEmpty() ? buttonName : opens + QStringLiteral(" closed"),
                                 script.Read<QStringList>(&VisibleGlows).join(QStringLiteral("; "))));
        }
        for (const QPoint& point : EdgePoints(glowArea)) {
            QWidget* control = script.Read<QWidget*>([host, point]() -> QWidget* {
                const QPoint local = point - OnScreen(host).topLeft();
                if (!host->rect().contains(local))
                    return nullptr;
                QWidget* child = host->childAt(local);
                return child != nullptr ? child : host;
            });
            if (control == nullptr || !script.Read<bool>([control] { return Harmless(control); }))
                continue;
            const QString expected = script.Read<QString>([control] { return ControlName(control); });
            script.Gui([this] { presses_.Reset(); });
            script.ClickAt(point);
            const QString where = QStringLiteral("(%1,%2)").arg(point.x()).arg(point.y());
            if (!script.Holds([this] { return presses_.Pressed(); }, 1500))
                script.Note(QStringLiteral("a click at %1, where the glow was, reaches no control (%2 is there)")
                                .arg(where, expected));
            else if (const QString reached = script.Read<QString>([this] { return presses_.Reached(); });
                     reached != expected)
                script.Note(QStringLiteral("a click at %1, where the glow was, reaches %2 instead of %3")
                                .arg(where, reached, expected));
        }
    });
    QVERIFY2(Passed(failures), qPrintable(QStringLiteral("%1 steps failed, as above").arg(failures.size())));
}

void DesktopTest::windowsOpenOverTheirOwners_data() {
    QTest::addColumn<int>("index");
    for (size_t k = 0; k < Openings().size(); ++k)
        QTest::newRow(qPrintable(Openings()[k].name)) << int(k);
}

// Every dialog and message box lies centred over the window it was opened from, wholly on the screen; menus
// and lists open at their control; windows without an owner lie over the main window or the middle of the
// screen.
void DesktopTest::windowsOpenOverTheirOwners() {
    QFETCH(int, index);
    const Opening& opening = Openings()[size_t(index)];
    // Real boxes, where the window system places them.
    SetMessageBoxHook({});
    const auto answerBoxesAgain = qScopeGuard([this] {
        FailOnMessageBoxes();
        SetAppDirForTesting(dir_->Path());
    });
    if (opening.pages)
        SetAppDirForTesting(BuiltAppDir());
    const QStringList failures = DesktopScript::Run([&opening](DesktopScript& script) {
        Open(script, opening);
        script.WaitFor([&opening] { return PlacementFault(opening).isEmpty(); },
                       opening.name + QStringLiteral(" is misplaced"), [&opening] { return PlacementFault(opening); });
    });
    QVERIFY2(Passed(failures), qPrintable(QStringLiteral("%1 steps failed, as above").arg(failures.size())));
}

// From the main window with Tab and Return to the small-car exam, every question answered with the keys,
// a few of them wrong and moved on from with Return, then out of the exam and its result sheet with keys; the
// keyboard ends in the main window.
void DesktopTest::mockExamWithKeysAlone() {
    SetMessageBoxHook({});
    const auto answerBoxesAgain = qScopeGuard([] { FailOnMessageBoxes(); });
    const QStringList failures = DesktopScript::Run([](DesktopScript& script) {
        PressOrNote(script, frmMain->sSpeedButton1, QStringLiteral("the exam button 小车"),
                    [] { return frmMNKS != nullptr && frmMNKS->isVisible(); });
        bool returnNoted = false;
        WaitActive(
            script, [] { return static_cast<QWidget*>(frmMNKS); }, QStringLiteral("the exam window"));
        const int paperSize = ExamRules(1).paperSize;
        for (int n = 1; n <= paperSize; ++n) {
            script.WaitFor([n] { return frmMNKS->lblNo->Caption() == QString::number(n) && frmMNKS->as1->isEnabled(); },
                           QStringLiteral("question %1 does not come up to answer").arg(n),
                           [] {
                               return QStringLiteral("question %1 shown, %2; active: %3, focus: %4")
                                   .arg(frmMNKS->lblNo->Caption(), frmMNKS->lblTS->text(), ActiveName(), FocusName());
                           });
            const int right = script.Read<int>([] { return std::clamp(TQuestion::Read(*frmMNKS->dstTest).ans, 1, 4); });
            const bool wrong = n % 20 == 7;
            script.Keys({Letter(wrong ? right % 2 + 1 : right)});
            script.WaitFor(
                [n] { return !frmMNKS->as1->isEnabled() || frmMNKS->lblNo->Caption() != QString::number(n); },
                QStringLiteral("question %1 is not answered by %2").arg(n).arg(Letter(right)));
            if (wrong && n < paperSize) {
                script.WaitFor([] { return frmMNKS->lblTS->text().startsWith(QStringLiteral("正确答案")); },
                               QStringLiteral("a wrong answer to question %1 is not judged").arg(n),
                               [] { return frmMNKS->lblTS->text(); });
                script.Keys({QStringLiteral("Return")});
                const bool movedOn = script.Holds([n] { return frmMNKS->lblNo->Caption() != QString::number(n); },
                                                  returnNoted ? 300 : 2000);
                if (!movedOn && !returnNoted) {
                    returnNoted = true;
                    script.Note(QStringLiteral("Return after a wrong answer does not move on; focus: %1")
                                    .arg(script.Read<QString>(&FocusName)));
                }
                if (!movedOn)
                    script.Post([] { frmMNKS->btnNext->click(); });
            }
        }
        script.WaitFor([] { return !frmMNKS->as1->isEnabled(); }, QStringLiteral("the last question is not answered"));
        PressOrNote(script, frmMNKS->btnExit, QStringLiteral("退出考试系统"), [] { return frmMNKS == nullptr; });
        WaitActive(
            script, [] { return static_cast<QWidget*>(frmResult); }, QStringLiteral("the result sheet"));
        script.Keys({QStringLiteral("Escape")});
        script.WaitFor([] { return frmResult == nullptr; }, QStringLiteral("Esc does not close the result sheet"));
        ExpectKeysBackInTheMainWindow(script, QStringLiteral("the exam and its result sheet"));
    });
    QVERIFY2(Passed(failures), qPrintable(QStringLiteral("%1 steps failed, as above").arg(failures.size())));
}

// Sequential practice opened with Tab and Return, and every command of its window given with keys: the jump
// box, an answer by its key, 下一题, 上一题, 提示答案, a letter button, 收藏, the automatic move on, 保存进度
// and its box, Esc (which asks, as 结束 does; the learner stays), and 结束; the keyboard ends in the main window.
void DesktopTest::practiceWithKeysAlone() {
    SetMessageBoxHook({});
    const auto answerBoxesAgain = qScopeGuard([] { FailOnMessageBoxes(); });
    const QStringList failures = DesktopScript::Run([this](DesktopScript& script) {
        PressOrNote(script, frmMain->sBitBtn1, QStringLiteral("顺序练习"),
                    [] { return frmTest != nullptr && frmTest->isVisible(); });
        WaitActive(
            script, [] { return static_cast<QWidget*>(frmTest); }, QStringLiteral("the practice window"));
        const auto position = [&script] { return script.Read<int>([] { return frmTest->Position(); }); };
        const auto expect = [&script](const std::function<bool()>& effect, const QString& command) {
            if (!script.Holds(effect, 3000))
                script.Note(QStringLiteral("%1 given with keys does nothing; active: %2, focus: %3")
                                .arg(command, script.Read<QString>(&ActiveName), script.Read<QString>(&FocusName)));
        };

        if (TabTo(script, frmTest->sEdit1, QStringLiteral("the jump box"))) {
            script.Keys({QStringLiteral("ctrl+a"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("Return")});
            expect([] { return frmTest->Position() == 9; }, QStringLiteral("跳转 to question 10"));
        }
        int answers = script.Read<int>([this] { return AnswerCount(); });
        const int right = script.Read<int>([] { return std::clamp(TQuestion::Read(*frmTest->dstTest).ans, 1, 4); });
        script.Keys({Letter(right)});
        expect([this, answers] { return AnswerCount() == answers + 1; },
               QStringLiteral("the answer key ") + Letter(right));

        int at = position();
        if (PressWithKeys(script, frmTest->btnNext, QStringLiteral("下一题")))
            expect([at] { return frmTest->Position() == at + 1; }, QStringLiteral("下一题"));
        at = position();
        if (PressWithKeys(script, frmTest->btnPrior, QStringLiteral("上一题")))
            expect([at] { return frmTest->Position() == at - 1; }, QStringLiteral("上一题"));
        at = position();
        if (PressWithKeys(script, frmTest->btnNext, QStringLiteral("下一题")))
            expect([at] { return frmTest->Position() == at + 1; }, QStringLiteral("下一题"));

        if (PressWithKeys(script, frmTest->sSpeedButton1, QStringLiteral("提示答案")))
            expect([] { return frmTest->lblans->isVisible(); }, QStringLiteral("提示答案"));
        answers = script.Read<int>([this] { return AnswerCount(); });
        if (PressWithKeys(script, frmTest->sSpeedButton2, QStringLiteral("the letter button A")))
            expect([this, answers] { return AnswerCount() == answers + 1; }, QStringLiteral("the letter button A"));

        const QString star = script.Read<QString>([] { return frmTest->btnStar->text(); });
        if (PressWithKeys(script, frmTest->btnStar, QStringLiteral("收藏")))
            expect([star] { return frmTest->btnStar->text() != star; }, QStringLiteral("收藏"));

        const bool autoJump = script.Read<bool>([] { return frmTest->chkAutoJmp->isChecked(); });
        if (TabTo(script, frmTest->chkAutoJmp, QStringLiteral("答对后自动跳转下一题"))) {
            script.Keys({QStringLiteral("space")});
            expect([autoJump] { return frmTest->chkAutoJmp->isChecked() != autoJump; },
                   QStringLiteral("答对后自动跳转下一题"));
        }

        if (PressWithKeys(script, frmTest->sSpeedButton6, QStringLiteral("保存进度"))) {
            expect([] { return Shown(QStringLiteral("QMessageBox")) != nullptr; }, QStringLiteral("保存进度"));
            script.Keys({QStringLiteral("Return")});
            WaitActive(
                script, [] { return static_cast<QWidget*>(frmTest); },
                QStringLiteral("after the box of 保存进度, the practice window"));
        }

        script.Keys({QStringLiteral("Escape")});
        if (script.Holds([] { return Shown(QStringLiteral("QMessageBox")) != nullptr; }, 2000)) {
            script.Keys({QStringLiteral("Escape")});
            WaitActive(
                script, [] { return static_cast<QWidget*>(frmTest); },
                QStringLiteral("after Esc and No, the practice window"));
        } else {
            script.Note(QStringLiteral("Esc in practice does not ask whether to end it"));
        }

        PressOrNote(script, frmTest->sSpeedButton7, QStringLiteral("结束"),
                    [] { return Shown(QStringLiteral("QMessageBox")) != nullptr; });
        script.Keys({QStringLiteral("Return")});
        script.WaitFor([] { return frmTest == nullptr; },
                       QStringLiteral("Return on the question of 结束 does not end practice"));
        ExpectKeysBackInTheMainWindow(script, QStringLiteral("practice"));
    });
    QVERIFY2(Passed(failures), qPrintable(QStringLiteral("%1 steps failed, as above").arg(failures.size())));
}

// Each window, box, menu and list opened as a learner opens it, and the whole screen saved as a picture
// for each, with the windows the X server shows, into the folder QV_DESKTOP_TOUR names.
void DesktopTest::desktopTour() {
    const QString folder = qEnvironmentVariable("QV_DESKTOP_TOUR");
    if (folder.isEmpty())
        QSKIP("QV_DESKTOP_TOUR names no folder for the pictures");
    QVERIFY(QDir().mkpath(folder));
    QFile list(QDir(folder).filePath(QStringLiteral("windows.txt")));
    QVERIFY(list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
    SetMessageBoxHook({});
    const auto answerBoxesAgain = qScopeGuard([this] {
        FailOnMessageBoxes();
        SetAppDirForTesting(dir_->Path());
    });
    int number = 0;
    const auto save = [&folder, &list, &number](DesktopScript& script, const QString& name) {
        // Painting, and the compositor's copy of it, follow a moment after the window is shown.
        QThread::msleep(300);
        const QString file =
            QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(++number, 2, 10, QChar(u'0')).arg(name));
        script.Gui([&file] { QGuiApplication::primaryScreen()->grabWindow(0).save(file); });
        list.write((QFileInfo(file).fileName() + QStringLiteral(":\n  ") +
                    XTools::ViewableTopLevels().join(QStringLiteral("\n  ")) + u'\n')
                       .toUtf8());
    };
    QStringList failures = DesktopScript::Run([&save](DesktopScript& script) {
        save(script, QStringLiteral("frmMain"));
        script.MoveTo(script.Read<QPoint>([] { return OnScreen(frmMain->sBitBtn1, QPoint(40, 28)); }));
        save(script, QStringLiteral("frmMain-hover"));
    });
    for (const Opening& opening : Openings()) {
        SetAppDirForTesting(opening.pages ? BuiltAppDir() : dir_->Path());
        failures << DesktopScript::Run([&opening, &save](DesktopScript& script) {
            Open(script, opening);
            save(script, QString(opening.name).replace(u' ', u'-'));
        });
    }
    qInfo("The pictures of the screen are in %s", qPrintable(QDir(folder).absolutePath()));
    QVERIFY2(Passed(failures), qPrintable(QStringLiteral("%1 steps failed, as above").arg(failures.size())));
}

QV_BROWSER_TEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
