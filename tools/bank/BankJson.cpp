#include "BankJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>
#include <limits>

#include "BankFolder.h"
#include "QuestionRules.h"
#include "platform/Connection.h"
#include "platform/Exception.h"

namespace {

const QString kFormat = QStringLiteral("quorvane-bank");
constexpr int kVersion = 1;
// Every column of table question, by QuestionRules::Column.
const QStringList kColumns{QStringLiteral("ID"),   QStringLiteral("zhanjie"), QStringLiteral("question"),
                           QStringLiteral("ans1"), QStringLiteral("ans2"),    QStringLiteral("ans3"),
                           QStringLiteral("ans4"), QStringLiteral("bmp"),     QStringLiteral("ans"),
                           QStringLiteral("jiexi")};
// Optional on import: banks exported before the explanation existed have no such key.
const QString& kExplanation = kColumns.back();
const QStringList kQuestionColumns = kColumns.mid(0, kColumns.size() - 1);

QString Column(QuestionRules::Column column) {
    return kColumns[qsizetype(column)];
}
const QString kName = QStringLiteral("名称");
const QString kPosition = QStringLiteral("进度");

QJsonArray ExportQuestions(Connection& connection) {
    QJsonArray questions;
    for (const Question& question : BankFolder::ReadQuestions(connection)) {
        questions.append(QJsonObject{{kColumns[0], question.id},
                                     {kColumns[1], QString::number(question.chapter)},
                                     {kColumns[2], question.text},
                                     {kColumns[3], question.options[0]},
                                     {kColumns[4], question.options[1]},
                                     {kColumns[5], question.options[2]},
                                     {kColumns[6], question.options[3]},
                                     {kColumns[7], question.picture},
                                     {kColumns[8], question.answer},
                                     {kColumns[9], question.explanation}});
    }
    return questions;
}

QJsonValue ExportProgress(Connection& connection) {
    const std::optional<QList<ProgressRow>> progress = BankFolder::ReadProgress(connection);
    if (!progress)
        return QJsonValue::Null;
    QJsonArray rows;
    for (const ProgressRow& row : *progress)
        rows.append(QJsonObject{{kName, row.name}, {kPosition, row.position}});
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
    const QString chapter = record.Text(QStringLiteral("zhanjie"));
    question.chapter = chapter.toInt();
    question.text = record.Text(QStringLiteral("question"));
    for (size_t i = 0; i < 4; ++i)
        question.options[i] = record.Text(kColumns[qsizetype(QuestionRules::Column::OptionA) + qsizetype(i)]);
    question.picture = record.Text(QStringLiteral("bmp"));
    question.answer = record.Integer(QStringLiteral("ans"));
    if (record.Has(kExplanation))
        question.explanation = record.Text(kExplanation);
    if (const auto problem = QuestionRules::FirstProblem(question, chapter))
        record.Fail(Column(problem->column) + u' ' + problem->why);
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
