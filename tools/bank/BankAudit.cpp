#include "BankAudit.h"

#include <QHash>

#include "BankPicture.h"
#include "bank/BankQueries.h"

#include "platform/Query.h"

namespace BankAudit {

namespace {

const QString kOptionColumns[] = {QStringLiteral("ans1"), QStringLiteral("ans2"), QStringLiteral("ans3"),
                                  QStringLiteral("ans4")};

void AuditRow(Query& qry, const QString& imageFolder, const QHash<QString, int>& idCounts,
              std::vector<Problem>& problems) {
    const Field idField = qry.FieldByName(QStringLiteral("ID"));
    const QString id = idField.IsNull() ? QStringLiteral("（空）") : idField.AsString();
    const auto report = [&](const QString& what) { problems.push_back({id, what}); };

    const std::optional<int> number = idField.AsWholeNumber();
    if (!number || *number <= 0)
        report(QStringLiteral("ID 不是正整数"));
    if (idCounts.value(id) > 1)
        report(QStringLiteral("ID 重复（共 %1 道题）").arg(idCounts.value(id)));
    const QString chapter = qry.FieldByName(QStringLiteral("zhanjie")).AsString();
    const int chapterNumber = chapter.toInt();
    if (chapterNumber < 1 || chapterNumber > 10 || QString::number(chapterNumber) != chapter)
        report(QStringLiteral("章节 zhanjie 应当是 1 到 10，而不是“%1”").arg(chapter));
    if (qry.FieldByName(QStringLiteral("question")).AsString().trimmed().isEmpty())
        report(QStringLiteral("题目 question 是空的"));
    const std::optional<int> answer = qry.FieldByName(QStringLiteral("ans")).AsWholeNumber();
    if (!answer || *answer < 1 || *answer > 4) {
        report(QStringLiteral("答案 ans 应当是 1 到 4"));
    } else if (qry.FieldByName(kOptionColumns[*answer - 1]).AsString().isEmpty()) {
        report(QStringLiteral("答案 ans 指向的选项 ans%1 是空的").arg(*answer));
    }
    const QString picture = qry.FieldByName(QStringLiteral("bmp")).AsString();
    if (picture.isEmpty())
        return;
    if (const auto problem = BankPicture::Problem(imageFolder, picture))
        report(QStringLiteral("图片 %1 %2").arg(picture, *problem));
}

}  // namespace

std::vector<Problem> Run(Connection& connection, const QString& imageFolder) {
    Query qry;
    qry.SetConnection(&connection);
    qry.SetSQL(BankQueries::QuestionTableSql());
    qry.Open();
    QHash<QString, int> idCounts;
    qry.First();
    for (int row = 0; row < qry.RecordCount(); ++row, qry.MoveBy(1))
        ++idCounts[qry.FieldByName(QStringLiteral("ID")).AsString()];
    std::vector<Problem> problems;
    qry.First();
    for (int row = 0; row < qry.RecordCount(); ++row, qry.MoveBy(1))
        AuditRow(qry, imageFolder, idCounts, problems);
    return problems;
}

}  // namespace BankAudit
