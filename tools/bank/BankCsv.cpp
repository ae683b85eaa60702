#include "BankCsv.h"

#include <QHash>
#include <variant>

#include "BankFolder.h"
#include "CsvEncoding.h"
#include "CsvTable.h"
#include "QuestionRules.h"
#include "platform/Exception.h"

namespace {

using QuestionRules::Column;

// By QuestionRules::Column.
const QStringList kHeader{QStringLiteral("题号"),  QStringLiteral("章节"),  QStringLiteral("题目"),
                          QStringLiteral("选项A"), QStringLiteral("选项B"), QStringLiteral("选项C"),
                          QStringLiteral("选项D"), QStringLiteral("图片"),  QStringLiteral("答案"),
                          QStringLiteral("解析")};

QString Cell(const QStringList& row, Column column) {
    return row[qsizetype(column)];
}

QString Letter(int answer) {
    return answer >= 1 && answer <= 4 ? QString(QChar(u'A' + char16_t(answer - 1))) : QString::number(answer);
}

// A bad row: its number as a spreadsheet shows it, the column and why.
struct RowProblem {
    QString text;
};

RowProblem Problem(qsizetype row, Column column, const QString& why) {
    return {QStringLiteral("第 %1 行“%2”列：%3").arg(row).arg(kHeader[qsizetype(column)], why)};
}

// The question of one data row, or the first problem found in it.
std::variant<Question, RowProblem> ReadRow(const QStringList& row, qsizetype number) {
    if (row.size() != kHeader.size()) {
        return RowProblem{
            QStringLiteral("第 %1 行：应当有 %2 列，却有 %3 列").arg(number).arg(kHeader.size()).arg(row.size())};
    }
    Question question;
    bool whole = false;
    question.id = Cell(row, Column::ID).trimmed().toInt(&whole);
    if (!whole)
        return Problem(number, Column::ID, QStringLiteral("应当是正整数，而不是 \"%1\"").arg(Cell(row, Column::ID)));
    const QString chapter = Cell(row, Column::Chapter).trimmed();
    question.chapter = chapter.toInt();
    question.text = Cell(row, Column::Text);
    for (size_t i = 0; i < 4; ++i)
        question.options[i] = Cell(row, Column(qsizetype(Column::OptionA) + qsizetype(i)));
    question.picture = Cell(row, Column::Picture).trimmed();
    const QString letter = Cell(row, Column::Answer).trimmed().toUpper();
    if (letter.size() != 1 || letter[0] < u'A' || letter[0] > u'D') {
        return Problem(number, Column::Answer,
                       QStringLiteral("应当是 A、B、C 或 D，而不是 \"%1\"").arg(Cell(row, Column::Answer)));
    }
    question.answer = letter[0].unicode() - u'A' + 1;
    question.explanation = Cell(row, Column::Explanation).trimmed();
    if (const auto problem = QuestionRules::FirstProblem(question, chapter))
        return Problem(number, problem->column, problem->why);
    return question;
}

}  // namespace

QByteArray BankCsv::Export(Connection& connection) {
    QList<QStringList> rows{kHeader};
    for (const Question& question : BankFolder::ReadQuestions(connection)) {
        rows.append({QString::number(question.id), QString::number(question.chapter), question.text,
                     question.options[0], question.options[1], question.options[2], question.options[3],
                     question.picture, Letter(question.answer), question.explanation});
    }
    return CsvTable::Write(rows);
}

QList<Question> BankCsv::Import(const QByteArray& bytes) {
    const QList<QStringList> rows = CsvTable::Parse(CsvEncoding::Decode(bytes));
    if (rows.isEmpty() || rows.front() != kHeader)
        throw Exception(QStringLiteral("第 1 行应当是表头：%1").arg(kHeader.join(u',')));
    if (rows.size() == 1)
        throw Exception(QStringLiteral("表中没有题目"));
    QList<Question> questions;
    QStringList problems;
    QHash<int, qsizetype> rowOfId;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const qsizetype number = i + 1;
        if (std::all_of(rows[i].begin(), rows[i].end(), [](const QString& cell) { return cell.trimmed().isEmpty(); }))
            continue;  // a blank row between questions
        const auto read = ReadRow(rows[i], number);
        if (const auto* problem = std::get_if<RowProblem>(&read)) {
            problems.append(problem->text);
            continue;
        }
        const auto& question = std::get<Question>(read);
        if (rowOfId.contains(question.id)) {
            problems.append(Problem(number, Column::ID,
                                    QStringLiteral("%1 与第 %2 行重复").arg(question.id).arg(rowOfId[question.id]))
                                .text);
            continue;
        }
        rowOfId.insert(question.id, number);
        questions.append(question);
    }
    if (!problems.isEmpty())
        throw Exception(QStringLiteral("%1 行有错，没有导入：\n").arg(problems.size()) + problems.join(u'\n'));
    return questions;
}
