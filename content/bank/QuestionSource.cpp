#include "QuestionSource.h"

#include "BankError.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringDecoder>

namespace {

const QString kTrue = QStringLiteral("对");
const QString kFalse = QStringLiteral("错");

struct Field {
    QString value;
    int line = 0;
};

// The fields of one record as written, before any checking beyond "known key, said once".
struct Record {
    int firstLine = 0;
    QHash<QString, Field> fields;

    const Field* find(const QString& key) const {
        const auto it = fields.constFind(key);
        return it == fields.constEnd() ? nullptr : &*it;
    }
};

class Reader {
public:
    explicit Reader(const QString& path) : path_(path), shownPath_(QDir::toNativeSeparators(path)) {}

    QList<Question> run() {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly)) {
            throw BankError(QStringLiteral("%1: cannot open: %2").arg(shownPath_, file.errorString()));
        }
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            takeLine(i + 1, lines[i]);
        }
        finishRecord();
        if (questions_.isEmpty()) {
            throw BankError(QStringLiteral("%1: no questions found").arg(shownPath_));
        }
        return questions_;
    }

private:
    [[noreturn]] void fail(int line, const QString& message) const {
        throw BankError(QStringLiteral("%1:%2: %3").arg(shownPath_).arg(line).arg(message));
    }

    QString decode(int line, QByteArray bytes) const {
        if (bytes.endsWith('\r')) {
            bytes.chop(1);
        }
        QStringDecoder decoder(QStringConverter::Utf8);
        QString text = decoder.decode(bytes);
        if (decoder.hasError()) {
            fail(line, QStringLiteral("not valid UTF-8"));
        }
        return text;
    }

    void takeLine(int line, const QByteArray& bytes) {
        const QString text = decode(line, bytes).trimmed();
        if (text.isEmpty()) {
            finishRecord();
            return;
        }
        if (text.startsWith(u'#')) {
            return;
        }
        // Authors type either colon depending on their input method; whichever comes first separates the key.
        qsizetype colon = text.indexOf(u':');
        const qsizetype wideColon = text.indexOf(u'：');
        if (colon < 0 || (wideColon >= 0 && wideColon < colon)) {
            colon = wideColon;
        }
        if (colon < 0) {
            fail(line, QStringLiteral("expected \"key: value\", got \"%1\"").arg(text));
        }
        const QString key = text.left(colon).trimmed();
        const QString value = text.mid(colon + 1).trimmed();
        if (!knownKeys().contains(key)) {
            fail(line,
                 QStringLiteral("unknown key \"%1\" (known: %2)").arg(key, knownKeys().join(QStringLiteral(", "))));
        }
        if (value.isEmpty()) {
            fail(line, QStringLiteral("\"%1\" has no value").arg(key));
        }
        if (record_.fields.isEmpty()) {
            record_.firstLine = line;
        }
        if (const Field* earlier = record_.find(key)) {
            fail(line,
                 QStringLiteral("\"%1\" given twice in one record (first on line %2)").arg(key).arg(earlier->line));
        }
        record_.fields.insert(key, Field{value, line});
    }

    static const QStringList& knownKeys() {
        static const QStringList keys{QStringLiteral("ID"),  QStringLiteral("章节"), QStringLiteral("题目"),
                                      QStringLiteral("A"),   QStringLiteral("B"),    QStringLiteral("C"),
                                      QStringLiteral("D"),   QStringLiteral("答案"), QStringLiteral("图片"),
                                      QStringLiteral("解析")};
        return keys;
    }

    const Field& require(const QString& key) const {
        const Field* field = record_.find(key);
        if (!field) {
            fail(record_.firstLine, QStringLiteral("record has no \"%1\"").arg(key));
        }
        return *field;
    }

    int number(const Field& field, const QString& key) const {
        bool ok = false;
        const int value = field.value.toInt(&ok);
        if (!ok) {
            fail(field.line, QStringLiteral("\"%1\" must be a whole number, got \"%2\"").arg(key, field.value));
        }
        return value;
    }

    void finishRecord() {
        if (record_.fields.isEmpty()) {
            return;
        }
        Question question;

        const Field& id = require(QStringLiteral("ID"));
        question.id = number(id, QStringLiteral("ID"));
        if (question.id <= 0) {
            fail(id.line, QStringLiteral("ID must be positive, got %1").arg(question.id));
        }
        if (const auto it = idLines_.constFind(question.id); it != idLines_.constEnd()) {
            fail(id.line, QStringLiteral("duplicate ID %1 (first used on line %2)").arg(question.id).arg(*it));
        }
        // The ID is the table's row key, so rows come back in ID order whatever order they were inserted in; keeping
        // IDs ascending makes that order the file's order.
        if (!questions_.isEmpty() && question.id < questions_.last().id) {
            fail(id.line, QStringLiteral("IDs must ascend through the file: %1 follows %2 (line %3)")
                              .arg(question.id)
                              .arg(questions_.last().id)
                              .arg(idLines_.value(questions_.last().id)));
        }
        idLines_.insert(question.id, id.line);

        const Field& chapter = require(QStringLiteral("章节"));
        question.chapter = number(chapter, QStringLiteral("章节"));
        if (question.chapter < 1 || question.chapter > 10) {
            fail(chapter.line, QStringLiteral("章节 must be 1..10, got %1").arg(question.chapter));
        }

        question.text = require(QStringLiteral("题目")).value;
        readAnswer(question);

        if (const Field* picture = record_.find(QStringLiteral("图片"))) {
            if (picture->value.contains(u'/') || picture->value.contains(u'\\')) {
                fail(picture->line, QStringLiteral("图片 must be a bare file name, got \"%1\"").arg(picture->value));
            }
            question.picture = picture->value;
        }

        if (const Field* explanation = record_.find(QStringLiteral("解析"))) {
            question.explanation = explanation->value;
        }

        questions_.append(question);
        record_ = Record{};
    }

    void readAnswer(Question& question) const {
        static const QString letters = QStringLiteral("ABCD");
        const Field& answer = require(QStringLiteral("答案"));

        if (answer.value == kTrue || answer.value == kFalse) {
            for (const QChar letter : letters) {
                if (const Field* option = record_.find(QString(letter))) {
                    fail(option->line, QStringLiteral("a true/false question (答案 %1) takes no option %2")
                                           .arg(answer.value, QString(letter)));
                }
            }
            question.options = {QStringLiteral("正确"), QStringLiteral("错误"), QString(), QString()};
            question.answer = answer.value == kTrue ? 1 : 2;
            return;
        }

        const qsizetype index = answer.value.size() == 1 ? letters.indexOf(answer.value) : -1;
        if (index < 0) {
            fail(answer.line, QStringLiteral("答案 must be one of A, B, C, D, 对, 错; got \"%1\"").arg(answer.value));
        }
        for (qsizetype i = 0; i < letters.size(); ++i) {
            const Field* option = record_.find(QString(letters[i]));
            if (!option) {
                fail(record_.firstLine,
                     QStringLiteral("a four-choice question (答案 %1) needs options A to D; %2 is missing")
                         .arg(answer.value, QString(letters[i])));
            }
            question.options[size_t(i)] = option->value;
        }
        question.answer = int(index) + 1;
    }

    QString path_;
    QString shownPath_;
    Record record_;
    QHash<int, int> idLines_;  // ID -> line it was first given on
    QList<Question> questions_;
};

}  // namespace

QList<Question> QuestionSource::read(const QString& path) {
    return Reader(path).run();
}
