#pragma once

#include <QString>

class Connection;

// Stores the position of a sequential or chapter practice under its key in table JD, in one
// transaction: the row is updated, or inserted when the key has none yet, so that "saved" is always
// true. On any failure the transaction is rolled back and the error raised again, for the window to
// tell the learner that nothing was saved. A bank opened read-only keeps its progress in the user's progress
// database instead (UserProgressStore), where it is saved the same way.
void SaveProgress(Connection* connection, const QString& key, int position);
