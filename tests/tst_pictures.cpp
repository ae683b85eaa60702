// The question pictures that ship: every picture a bank names is there, decodes, and fits the picture box; every
// picture that ships is a drawing of its own and is named by a question.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QTest>

#include "TestSupport.h"
#include "bank/BankConnection.h"
#include "platform/Connection.h"
#include "platform/Query.h"

namespace {
// The question windows show a picture at its own size in a box of this size and cut off what does not fit.
const QSize kPictureBox(305, 177);

// The picture files of the program folder's image/, which also holds the reading pages.
QStringList ShippedPictures() {
    return QDir(BuiltAppDir() + QStringLiteral("image"))
        .entryList({QStringLiteral("*.png"), QStringLiteral("*.jpg"), QStringLiteral("*.bmp")}, QDir::Files);
}

QStringList NamedPictures(const QString& bank) {
    Connection connection;
    connection.SetConnectionString(BankConnection::ConnectionStringFor(BuiltAppDir() + bank));
    QStringList names;
    for (const auto& row : connection.Select(QStringLiteral("select distinct bmp from question where bmp <> ''")).rows)
        names.append(row.front().toString());
    return names;
}
}  // namespace

class TstPictures : public QObject {
    Q_OBJECT

private slots:
    void everyNamedPictureFitsTheBox_data();
    void everyNamedPictureFitsTheBox();
    void sequentialPracticeOpensOnAPictureQuestion();
    void everyShippedPictureIsDistinct();
    void everyShippedPictureIsNamedByAQuestion();
};

void TstPictures::everyNamedPictureFitsTheBox_data() {
    QTest::addColumn<QString>("bank");
    QTest::newRow("t1") << QStringLiteral("t1.mdb");
    QTest::newRow("t2") << QStringLiteral("t2.mdb");
}

void TstPictures::everyNamedPictureFitsTheBox() {
    QFETCH(QString, bank);
    Connection connection;
    connection.SetConnectionString(BankConnection::ConnectionStringFor(BuiltAppDir() + bank));
    Query query;
    query.SetConnection(&connection);
    query.SetSQL(QStringLiteral("select * from question where bmp <> ''"));
    query.Open();
    QVERIFY2(!query.IsEmpty(), "the bank has no question with a picture");
    for (int row = 0; row < query.RecordCount(); ++row, query.MoveBy(1)) {
        const QString name = query.FieldByName(QStringLiteral("bmp")).AsString();
        const QString where =
            QStringLiteral("question %1: %2").arg(query.FieldByName(QStringLiteral("ID")).AsString(), name);
        const QImage picture(BuiltAppDir() + QStringLiteral("image/") + name);
        QVERIFY2(!picture.isNull(), qUtf8Printable(where));
        QVERIFY2(picture.width() <= kPictureBox.width() && picture.height() <= kPictureBox.height(),
                 qUtf8Printable(where));
    }
}

// The first question the learner sees in sequential practice shows what the trainer offers: four options and a
// picture.
void TstPictures::sequentialPracticeOpensOnAPictureQuestion() {
    Connection connection;
    connection.SetConnectionString(BankConnection::ConnectionStringFor(BuiltAppDir() + QStringLiteral("t1.mdb")));
    Query query;
    query.SetConnection(&connection);
    query.SetSQL(QStringLiteral("select * from question where 1=1"));
    query.Open();
    QVERIFY(!query.FieldByName(QStringLiteral("bmp")).AsString().isEmpty());
    QVERIFY(!query.FieldByName(QStringLiteral("ans4")).AsString().isEmpty());
}

// Two files with the same drawing mean a painter case fell through to another's: the learner would see one sign
// under two meanings.
void TstPictures::everyShippedPictureIsDistinct() {
    const QDir folder(BuiltAppDir() + QStringLiteral("image"));
    const QStringList names = ShippedPictures();
    QVERIFY(!names.isEmpty());
    QHash<QByteArray, QString> drawnBy;
    for (const QString& name : names) {
        const QImage picture = QImage(folder.filePath(name)).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!picture.isNull(), qUtf8Printable(name));
        const QByteArray key = QCryptographicHash::hash(
            QByteArrayView(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes()),
            QCryptographicHash::Sha1);
        QVERIFY2(!drawnBy.contains(key), qUtf8Printable(name + QStringLiteral(" repeats ") + drawnBy.value(key)));
        drawnBy.insert(key, name);
    }
}

void TstPictures::everyShippedPictureIsNamedByAQuestion() {
    const QStringList named = NamedPictures(QStringLiteral("t1.mdb")) + NamedPictures(QStringLiteral("t2.mdb"));
    for (const QString& name : ShippedPictures())
        QVERIFY2(named.contains(name), qUtf8Printable(name));
}

QV_TEST_MAIN(TstPictures)
#include "tst_pictures.moc"
