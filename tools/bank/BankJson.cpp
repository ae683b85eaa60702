#include "BankJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>
#include <limits>

#include "bank/TQuestion.h"
#include "platform/Connection.h"
#include "platform/Exception.h"
#include "platform/Query.h"

namespace {

const QString kFormat = QStringLiteral("quorvane-bank");
constexpr int kVersion = 1;
const QString kOptionColumns[] = {QStringLiteral("ans1"), QStringLiteral("ans2"), QStringLiteral("ans3"),
                                  QStringLiteral("ans4")};
const QStringList kQuestionColumns{QStringLiteral("ID"),   QStringLiteral("zhanjie"), QStringLiteral("question"),
                                   QStringLiteral("ans1"), QStringLiteral("ans2"),    QStringLiteral("ans3"),
                                   QStringLiteral("ans4"), QStringLiteral("bmp"),     QStringLiteral("ans")};
// Optional on import: banks exported before the explanation existed have no such key.
const QString kExplanation = QStringLiteral("jiexi");
const QString kName = QStringLiteral("名称");
const QString kPosition = QStringLiteral("进度");

bool IsIntegerColumn(const QString& column) {
    return column == QLatin1String("ID") || column == QLatin1String("ans");
}

QJsonArray ExportQuestions(Connection& connection) {
    Query query;
    query.SetConnection(&connection);
    query.SetSQL(QStringLiteral("select * from question order by ID"));
    query.Open();
    QJsonArray questions;
    query.First();
    for (int row = 0; row < query.RecordCount(); ++row, query.MoveBy(1)) {
        QJsonObject question;
        for (const QString& column : kQuestionColumns) {
            const Field field = query.FieldByName(column);
            question.insert(column, IsIntegerColumn(column) ? QJsonValue(field.AsInteger()) : field.AsString());
        }
        question.insert(kExplanation, TQuestion::ReadExplanation(query));
        questions.append(question);
    }
    return questions;
}

QJsonValue ExportProgress(Connection& connection) {
    if (connection.Select(QStringLiteral("select name from sqlite_master where type='table' and name='JD'"))
            .rows.empty()) {
        return QJsonValue::Null;
    }
    Query query;
    query.SetConnection(&connection);
    query.SetSQL(QStringLiteral("select * from JD"));
    query.Open();
    QJsonArray rows;
    query.First();
    for (int row = 0; row < query.RecordCount(); ++row, query.MoveBy(1)) {
        rows.append(QJsonObject{{kName, query.FieldByName(kName).AsString()},
                                {kPosition, query.FieldByName(kPosition).AsInteger()}});
    }
    return rows;
}

// Reads one JSON object field by field, naming the object in every complaint.
class Record {
public:
    Record(const QJsonValue& value, QString where) : where_(std::move(where)) {
        if (!value.isObject())
            Fail(QStringLiteral("应当是一个对象"));
        object_ = value.toObject();
    }

    [[noreturn]] void Fail(const QString& problem) const { throw Exception(where_ + QStringLiteral("：") + problem); }

    void OnlyKeys(const QStringList& keys) const {
        for (const QString& key : object_.keys()) {
            if (!keys.contains(key))
                Fail(QStringLiteral("不认识的字段“%1”").arg(key));
        }
    }

    bool Has(const QString& key) const { return object_.contains(key); }

    QJsonValue Value(const QString& key) const {
        if (!object_.contains(key))
            Fail(QStringLiteral("缺少字段“%1”").arg(key));
        return object_.value(key);
    }

    QString Text(const QString& key) const {
        const QJsonValue value = Value(key);
        if (!value.isString())
            Fail(QStringLiteral("“%1”应当是文本").arg(key));
        return value.toString();
    }

    int Integer(const QString& key) const {
        const QJsonValue value = Value(key);
        const double number = value.toDouble();
        if (!value.isDouble() || number != std::floor(number) || number < std::numeric_limits<int>::min() ||
            number > std::numeric_limits<int>::max()) {
            Fail(QStringLiteral("“%1”应当是整数").arg(key));
        }
        return int(number);
    }

private:
    QString where_;
    QJsonObject object_;
};

Question ImportQuestion(const Record& record) {
    record.OnlyKeys(kQuestionColumns + QStringList{kExplanation});
    Question question;
    question.id = record.Integer(QStringLiteral("ID"));
    if (question.id <= 0)
        record.Fail(QStringLiteral("ID 应当是正整数"));
    const QString chapter = record.Text(QStringLiteral("zhanjie"));
    question.chapter = chapter.toInt();
    // The exam matches chapters as text, so only the plain spelling "1".."10" finds its questions.
    if (question.chapter < 1 || question.chapter > 10 || QString::number(question.chapter) != chapter) {
        record.Fail(QStringLiteral("zhanjie 应当是 \"1\" 到 \"10\"，而不是 \"%1\"").arg(chapter));
    }
    question.text = record.Text(QStringLiteral("question"));
    if (question.text.trimmed().isEmpty())
        record.Fail(QStringLiteral("question 不能为空"));
    for (size_t i = 0; i < 4; ++i)
        question.options[i] = record.Text(kOptionColumns[i]);
    question.picture = record.Text(QStringLiteral("bmp"));
    if (question.picture.contains(u'/') || question.picture.contains(u'\\')) {
        record.Fail(QStringLiteral("bmp 应当是单纯的文件名，而不是 \"%1\"").arg(question.picture));
    }
    question.answer = record.Integer(QStringLiteral("ans"));
    if (question.answer < 1 || question.answer > 4)
        record.Fail(QStringLiteral("ans 应当是 1 到 4"));
    if (question.options[size_t(question.answer - 1)].isEmpty()) {
        record.Fail(QStringLiteral("正确答案 ans%1 是空的").arg(question.answer));
    }
    if (record.Has(kExplanation))
        question.explanation = record.Text(kExplanation);
    return question;
}

QList<Question> ImportQuestions(const QJsonValue& value) {
    if (!value.isArray())
        throw Exception(QStringLiteral("“questions”应当是一个数组"));
    const QJsonArray array = value.toArray();
    if (array.isEmpty())
        throw Exception(QStringLiteral("“questions”中没有题目"));
    QList<Question> questions;
    QSet<int> ids;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const Record record(array[i], QStringLiteral("第 %1 道题").arg(i + 1));
        const Question question = ImportQuestion(record);
        if (ids.contains(question.id))
            record.Fail(QStringLiteral("ID %1 重复").arg(question.id));
        ids.insert(question.id);
        questions.append(question);
    }
    return questions;
}

std::optional<QList<ProgressRow>> ImportProgress(const QJsonValue& value) {
    if (value.isNull())
        return std::nullopt;
    if (!value.isArray())
        throw Exception(QStringLiteral("“JD”应当是一个数组或 null"));
    QList<ProgressRow> rows;
    QSet<QString> names;
    const QJsonArray array = value.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const Record record(array[i], QStringLiteral("JD 第 %1 行").arg(i + 1));
        record.OnlyKeys({kName, kPosition});
        const ProgressRow row{record.Text(kName), record.Integer(kPosition)};
        if (row.name.isEmpty())
            record.Fail(QStringLiteral("%1不能为空").arg(kName));
        if (names.contains(row.name))
            record.Fail(QStringLiteral("%1“%2”重复").arg(kName, row.name));
        if (row.position < 0)
            record.Fail(QStringLiteral("%1不能是负数").arg(kPosition));
        names.insert(row.name);
        rows.append(row);
    }
    return rows;
}

}  // namespace

QByteArray BankJson::Export(Connection& connection) {
    QJsonObject bank{{QStringLiteral("format"), kFormat},
                     {QStringLiteral("version"), kVersion},
                     {QStringLiteral("questions"), ExportQuestions(connection)},
                     {QStringLiteral("JD"), ExportProgress(connection)}};
    return QJsonDocument(bank).toJson(QJsonDocument::Indented);
}

BankJson::Contents BankJson::Import(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        throw Exception(
            QStringLiteral("不是有效的 JSON（第 %1 字节处）：%2").arg(error.offset).arg(error.errorString()));
    }
    if (!document.isObject())
        throw Exception(QStringLiteral("最外层应当是一个对象"));
    const Record bank(document.object(), QStringLiteral("文件"));
    bank.OnlyKeys(
        {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("questions"), QStringLiteral("JD")});
    if (bank.Text(QStringLiteral("format")) != kFormat || bank.Integer(QStringLiteral("version")) != kVersion) {
        bank.Fail(QStringLiteral("不是本工具导出的题库格式（format “%1”，version %2）").arg(kFormat).arg(kVersion));
    }
    return {ImportQuestions(bank.Value(QStringLiteral("questions"))), ImportProgress(bank.Value(QStringLiteral("JD")))};
}
