#pragma once

#include <QString>

// The screenshot tour: every window of the program as a learner first sees it, saved into `dir` by
// SaveFormSnapshot. Returns the process exit code.
int RunTour(const QString& dir);
