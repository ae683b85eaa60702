#include "BankCheck.h"

#include "BankFolder.h"
#include "paper/PaperComposer.h"
#include "platform/Connection.h"
#include "platform/Exception.h"
#include "platform/Query.h"

bool BankCheck::Group::CanBeExamined() const {
    if (!error.isEmpty())
        return false;
    for (const Chapter& chapter : chapters) {
        if (chapter.available < chapter.needed)
            return false;
    }
    return true;
}

std::vector<BankCheck::Group> BankCheck::Run(const QString& folder) {
    std::vector<Group> groups;
    for (const ExamKindInfo& info : ExamKinds()) {
        Group group{&info, BankFolder::FileFor(info), {}, {}};
        try {
            Connection connection;
            BankFolder::Open(connection, folder + group.bankFile);
            Query qry;
            qry.SetConnection(&connection);
            // The composer never draws here; it only counts.
            PaperComposer composer(qry, [](int) { return 0; });
            for (const PaperComposer::ChapterSupply& supply : composer.Supplies(info)) {
                group.chapters.push_back({supply.quota.chapter, int(supply.usable.size()), supply.needed});
            }
        } catch (const Exception& error) {
            group.error = error.Message();
            group.chapters.clear();
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

QString BankCheck::Format(const std::vector<Group>& groups) {
    QString text;
    int failing = 0;
    for (const Group& group : groups) {
        text += QStringLiteral("车型 %1：%2（%3）\n").arg(group.info->kind).arg(group.info->label, group.bankFile);
        if (!group.error.isEmpty()) {
            text += QStringLiteral("  无法读取题库：%1\n")
                        .arg(QString(group.error).replace(u'\n', QStringLiteral("\n    ")));
        } else {
            text += QStringLiteral("  章节  现有  需要\n");
            for (const Chapter& chapter : group.chapters) {
                text += QStringLiteral("  %1  %2  %3%4\n")
                            .arg(chapter.chapter, 4)
                            .arg(chapter.available, 4)
                            .arg(chapter.needed, 4)
                            .arg(chapter.available < chapter.needed ? QStringLiteral("  不足") : QString());
            }
        }
        const bool ok = group.CanBeExamined();
        failing += ok ? 0 : 1;
        text += ok ? QStringLiteral("  可以组卷\n\n") : QStringLiteral("  无法组卷\n\n");
    }
    text +=
        failing == 0 ? QStringLiteral("全部车型都可以组卷。\n") : QStringLiteral("%1 个车型无法组卷。\n").arg(failing);
    return text;
}
