// The settings store in config.ini and the settings dialog.
#include <sys/stat.h>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "StoredCentreInfo.h"
#include "TestSupport.h"
#include "app/UfrmConfig.h"
#include "app/Upublic.h"
#include "platform/Exception.h"
#include "platform/GbkText.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"

namespace {
const QString kDefaultName = QStringLiteral("*******驾驶员培训中心********");
const QString kDefaultTel = QStringLiteral("000000000000");

QByteArray Gbk(const QString& text) {
    return EncodeGbk(text);
}

// Runs `step` as soon as the dialog's modal loop has started.
void WhenShown(const std::function<void(TfrmConfig*)>& step) {
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<TfrmConfig*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        step(dialog);
    });
}
}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void readsEachKeyWithItsDefault_data();
    void readsEachKeyWithItsDefault();
    void writesTheThreeKeysInOrderAsGbk();
    void refusedWriteRaisesAndKeepsTheFile();
    void dialogLayout_data();
    void dialogLayout();
    void additionsStayClearOfTheTable_data();
    void additionsStayClearOfTheTable();
    void dialogStartsFilledWithFocusOnTheName();
    void tabOrderRunsThroughBoxesThenButtons();
    void okAndEnterWriteWhatWasTyped_data();
    void okAndEnterWriteWhatWasTyped();
    void cancelEscAndCloseBoxWriteNothing_data();
    void cancelEscAndCloseBoxWriteNothing();
    void failedWriteIsReportedAndStillClosesWithOk();
};

void SettingsTest::readsEachKeyWithItsDefault_data() {
    QTest::addColumn<QByteArray>("file");  // empty: no config.ini at all
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tel");
    QTest::addColumn<QString>("adds");

    QTest::newRow("no file") << QByteArray() << kDefaultName << kDefaultTel << QString();
    QTest::newRow("empty file") << QByteArray("\r\n") << kDefaultName << kDefaultTel << QString();
    QTest::newRow("other section only") << Gbk("[other]\r\nname=x\r\n") << kDefaultName << kDefaultTel << QString();
    QTest::newRow("all keys") << Gbk("[config]\r\nname=平安驾校\r\ntel=010-1234\r\nadds=东路1号\r\n")
                              << QStringLiteral("平安驾校") << QStringLiteral("010-1234") << QStringLiteral("东路1号");
    QTest::newRow("tel deleted") << Gbk("[config]\r\nname=平安驾校\r\nadds=东路1号\r\n") << QStringLiteral("平安驾校")
                                 << kDefaultTel << QStringLiteral("东路1号");
    QTest::newRow("present but empty") << Gbk("[config]\r\nname=\r\ntel=\r\n") << QString() << QString() << QString();
    QTest::newRow("odd lines and case") << Gbk("garbage\r\n[CONFIG]\r\n;note\r\nno equals\r\nNAME = 甲 \r\n")
                                        << QStringLiteral("甲") << kDefaultTel << QString();
    // Each value is cut to what the settings window takes, never through a character.
    QTest::newRow("longer than kept") << Gbk("[config]\r\nname=" + QString(100000, u'驾') +
                                             "\r\ntel=" + QString(40, u'1') + "\r\nadds=" + QString(99, u'路') + "\r\n")
                                      << QString(50, u'驾') << QString(30, u'1') << QString(99, u'路');
    QTest::newRow("cut before a pair")
        << QStringLiteral("[config]\r\nadds=%1\U0001F600\r\n").arg(QString(99, u'路')).toUtf8() << kDefaultName
        << kDefaultTel << QString(99, u'路');
}

void SettingsTest::readsEachKeyWithItsDefault() {
    QFETCH(QByteArray, file);
    TestAppDir dir(TestAppDir::NoBanks);
    if (!file.isEmpty())
        dir.WriteFile("config.ini", file);
    const CentreInfo info = StoredCentreInfo();
    QTEST(info.name, "name");
    QTEST(info.tel, "tel");
    QTEST(info.adds, "adds");
}

void SettingsTest::writesTheThreeKeysInOrderAsGbk() {
    TestAppDir dir(TestAppDir::NoBanks);
    WriteConfig(QStringLiteral("平安驾校"), QStringLiteral("010-1234"), QString());
    QCOMPARE(dir.ReadFile("config.ini"), Gbk("[config]\r\nname=平安驾校\r\ntel=010-1234\r\nadds=\r\n"));
    const CentreInfo info = StoredCentreInfo();
    QCOMPARE(info.name, QStringLiteral("平安驾校"));
    QCOMPARE(info.adds, QString());
}

void SettingsTest::refusedWriteRaisesAndKeepsTheFile() {
    TestAppDir dir(TestAppDir::NoBanks);
    const QByteArray before = Gbk("[config]\r\nname=旧\r\n");
    dir.WriteFile("config.ini", before);
    const QByteArray file = QFile::encodeName(dir.File("config.ini"));
    ::chmod(file.constData(), 0444);
    try {
        WriteConfig(QStringLiteral("新"), QStringLiteral("1"), QStringLiteral("2"));
        QFAIL("the write was not refused");
    } catch (const Exception& error) {
        QCOMPARE(error.Message(), QStringLiteral("Unable to write to ") + dir.File("config.ini"));
    }
    ::chmod(file.constData(), 0644);
    QCOMPARE(dir.ReadFile("config.ini"), before);
}

void SettingsTest::dialogLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    QTest::newRow("sLabel1") << "sLabel1" << QRect(16, 24, 48, 12) << QStringLiteral("单位名称");
    QTest::newRow("sLabel2") << "sLabel2" << QRect(16, 56, 48, 12) << QStringLiteral("报名热线");
    QTest::newRow("sLabel3") << "sLabel3" << QRect(16, 88, 48, 12) << QStringLiteral("报名地址");
    QTest::newRow("sEdit1") << "sEdit1" << QRect(67, 19, 293, 20) << kDefaultName;
    QTest::newRow("sEdit2") << "sEdit2" << QRect(67, 51, 293, 20) << kDefaultTel;
    QTest::newRow("sEdit3") << "sEdit3" << QRect(67, 83, 293, 20) << QString();
    QTest::newRow("sBitBtn1") << "sBitBtn1" << QRect(43, 160, 97, 33) << QStringLiteral("确定");
    QTest::newRow("sBitBtn2") << "sBitBtn2" << QRect(235, 160, 97, 33) << QStringLiteral("取消");
}

void SettingsTest::dialogLayout() {
    QFETCH(QString, name);
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmConfig dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("参数设定"));
    QCOMPARE(dialog.size(), QSize(373, 232));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto* control = dialog.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QTEST(control->geometry(), "geometry");
    QTEST(control->property("text").toString(), "text");
    QCOMPARE(control->font().pixelSize(), 12);
    QCOMPARE(dialog.sBitBtn1->ButtonKind(), TsBitBtn::Kind::OK);
    QCOMPARE(dialog.sBitBtn2->ButtonKind(), TsBitBtn::Kind::Cancel);
    QCOMPARE(dialog.sEdit1->SkinData().SkinSection(), QStringLiteral("EDIT"));
    QCOMPARE(dialog.sBitBtn1->SkinData().SkinSection(), QStringLiteral("BUTTON"));
    QCOMPARE(dialog.sLabel1->palette().color(QPalette::WindowText), QColor(36, 44, 53));
}

void SettingsTest::additionsStayClearOfTheTable_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("program folder") << false;
    QTest::newRow("installed") << true;
}

// The result-sheet check box, and where an installed program saves its settings, lie whole within the margins of the
// dialog, clear of the controls it always had and of each other.
void SettingsTest::additionsStayClearOfTheTable() {
    QFETCH(bool, installed);
    TestAppDir dir(TestAppDir::NoBanks);
    TestHomes homes;
    const QFileDevice::Permissions writable = QFile::permissions(dir.Path());
    if (installed)
        QVERIFY(QFile::setPermissions(dir.Path(), writable & ~(QFile::WriteOwner | QFile::WriteUser)));
    TfrmConfig dialog;
    QVERIFY(QFile::setPermissions(dir.Path(), writable));
    QCOMPARE(dialog.lblSaveTo->isVisibleTo(&dialog), installed);
    QList<QWidget*> additions{dialog.chkResult};
    if (installed)
        additions << dialog.lblSaveTo;
    const QList<QWidget*> table{dialog.sLabel1, dialog.sLabel2, dialog.sLabel3,  dialog.sEdit1,
                                dialog.sEdit2,  dialog.sEdit3,  dialog.sBitBtn1, dialog.sBitBtn2};
    // Within the margins the dialog always had: the span of its own controls.
    QRect span;
    for (QWidget* control : table)
        span |= control->geometry();
    for (QWidget* addition : additions) {
        QVERIFY2(span.contains(addition->geometry()), addition->objectName().toUtf8());
        for (QWidget* control : table + additions) {
            if (control != addition)
                QVERIFY2(!addition->geometry().intersects(control->geometry()),
                         qPrintable(addition->objectName() + " over " + control->objectName()));
        }
    }
    QVERIFY(dialog.chkResult->sizeHint().width() <= dialog.chkResult->width());
    if (installed)
        QVERIFY(dialog.lblSaveTo->heightForWidth(dialog.lblSaveTo->width()) <= dialog.lblSaveTo->height());
}

void SettingsTest::dialogStartsFilledWithFocusOnTheName() {
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile("config.ini", Gbk("[config]\r\nname=平安驾校\r\ntel=\r\nadds=东路1号\r\n"));
    TfrmConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.sEdit1->text(), QStringLiteral("平安驾校"));
    QCOMPARE(dialog.sEdit2->text(), QString());
    QCOMPARE(dialog.sEdit3->text(), QStringLiteral("东路1号"));
    QCOMPARE(QApplication::focusWidget(), dialog.sEdit1);
}

void SettingsTest::tabOrderRunsThroughBoxesThenButtons() {
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmConfig dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QList<QWidget*> expected{dialog.sEdit2, dialog.sEdit3, dialog.sBitBtn1, dialog.sBitBtn2, dialog.sEdit1};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void SettingsTest::okAndEnterWriteWhatWasTyped_data() {
    QTest::addColumn<bool>("enter");
    QTest::newRow("click") << false;
    QTest::newRow("enter") << true;
}

void SettingsTest::okAndEnterWriteWhatWasTyped() {
    QFETCH(bool, enter);
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmConfig dialog;
    WhenShown([enter](TfrmConfig* shown) {
        shown->sEdit1->setText(QStringLiteral("  平安驾校  "));
        shown->sEdit2->setText(QString());
        shown->sEdit3->setText(QStringLiteral("东路1号"));
        if (enter) {
            QTest::keyClick(shown->sEdit2, Qt::Key_Return);
        } else {
            QTest::mouseClick(shown->sBitBtn1, Qt::LeftButton);
        }
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    const CentreInfo info = StoredCentreInfo();
    QCOMPARE(info.name, QStringLiteral("  平安驾校  "));
    QCOMPARE(info.tel, QString());
    QCOMPARE(info.adds, QStringLiteral("东路1号"));
}

void SettingsTest::cancelEscAndCloseBoxWriteNothing_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("取消") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("close box") << 2;
}

void SettingsTest::cancelEscAndCloseBoxWriteNothing() {
    QFETCH(int, way);
    TestAppDir dir(TestAppDir::NoBanks);
    const QByteArray before = Gbk("[config]\r\nname=旧\r\n");
    dir.WriteFile("config.ini", before);
    TfrmConfig dialog;
    WhenShown([way](TfrmConfig* shown) {
        shown->sEdit1->setText(QStringLiteral("新"));
        if (way == 0)
            QTest::mouseClick(shown->sBitBtn2, Qt::LeftButton);
        if (way == 1)
            QTest::keyClick(shown->sEdit1, Qt::Key_Escape);
        if (way == 2)
            shown->close();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dir.ReadFile("config.ini"), before);
}

void SettingsTest::failedWriteIsReportedAndStillClosesWithOk() {
    TestAppDir dir(TestAppDir::NoBanks);
    MessageBoxRecorder boxes;
    // A settings file the user made read-only; the folder itself stays writable, so the program is still
    // the portable one that writes beside itself.
    const QByteArray before = "[config]\r\nname=old\r\n";
    dir.WriteFile("config.ini", before);
    QVERIFY(QFile::setPermissions(dir.File("config.ini"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    TfrmConfig dialog;
    WhenShown([](TfrmConfig* shown) { QTest::mouseClick(shown->sBitBtn1, Qt::LeftButton); });
    const int result = dialog.exec();
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(boxes.shown.size(), size_t(1));
    QCOMPARE(boxes.shown[0].text, QStringLiteral("Unable to write to ") + dir.File("config.ini"));
    QCOMPARE(dir.ReadFile("config.ini"), before);
}

QV_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
