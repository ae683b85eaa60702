#include "records/RecordsSchema.h"

namespace RecordsSchema {

DatabaseSchema Schema() {
    DatabaseSchema schema;
    schema.version = kVersion;
    schema.create = DatabaseSchema::MetaTableSql(kVersion, QLatin1String(kPassword));
    schema.create += {
        QStringLiteral("CREATE TABLE learners(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, "
                       "current INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("INSERT INTO learners(id, name, current) VALUES(1, '学员1', 1)"),
        QStringLiteral("CREATE TABLE answers(id INTEGER PRIMARY KEY, learner INTEGER NOT NULL, bank INTEGER NOT NULL, "
                       "question INTEGER NOT NULL, chapter TEXT NOT NULL, correct INTEGER NOT NULL, "
                       "answered INTEGER NOT NULL)"),
        // Each learner's answers summed up by chapter, kept with every answer so that reading them costs nothing.
        QStringLiteral("CREATE TABLE chapter_totals(learner INTEGER NOT NULL, chapter TEXT NOT NULL, "
                       "correct INTEGER NOT NULL, wrong INTEGER NOT NULL, PRIMARY KEY(learner, chapter))"),
        QStringLiteral("CREATE TABLE mistakes(learner INTEGER NOT NULL, bank INTEGER NOT NULL, "
                       "question INTEGER NOT NULL, chapter TEXT NOT NULL, streak INTEGER NOT NULL, "
                       "due INTEGER NOT NULL, PRIMARY KEY(learner, bank, question))"),
        QStringLiteral("CREATE INDEX mistakes_by_due ON mistakes(learner, due)"),
        QStringLiteral("CREATE TABLE stars(learner INTEGER NOT NULL, bank INTEGER NOT NULL, question INTEGER NOT NULL, "
                       "chapter TEXT NOT NULL, PRIMARY KEY(learner, bank, question))"),
        QStringLiteral("CREATE TABLE exams(id INTEGER PRIMARY KEY, learner INTEGER NOT NULL, taken INTEGER NOT NULL, "
                       "kind INTEGER NOT NULL, kind_label TEXT NOT NULL, score INTEGER NOT NULL, "
                       "seconds_used INTEGER NOT NULL, passed INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX exams_by_date ON exams(learner, taken)"),
        QStringLiteral("CREATE TABLE exam_chapters(exam INTEGER NOT NULL, chapter TEXT NOT NULL, "
                       "correct INTEGER NOT NULL, wrong INTEGER NOT NULL, PRIMARY KEY(exam, chapter))"),
        QStringLiteral("CREATE TABLE positions(learner INTEGER NOT NULL, key TEXT NOT NULL, "
                       "position INTEGER NOT NULL, PRIMARY KEY(learner, key))"),
    };
    return schema;
}

}  // namespace RecordsSchema
