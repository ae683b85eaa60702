#pragma once

#include <QString>

// `text` as an SQL string literal: in single quotes, a quote inside doubled.
QString SqlQuoted(QString text);
