#include "platform/Query.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "platform/DatabaseMessage.h"
#include "platform/Exception.h"

namespace {

// Values compare as text, so chapter '1' does not match chapter "10"; a number is written the way
// the database writes it ("+05" as "5").
struct Condition {
    QString column;
    QString value;
};

Condition ParseFilter(const QString& expression) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([^\s='"]+)\s*=\s*(?:'((?:[^']|'')*)'|([+-]?\d+))\s*$)"));
    const QRegularExpressionMatch match = pattern.match(expression);
    bool ok = match.hasMatch();
    if (ok && match.hasCaptured(2)) {
        return {match.captured(1), match.captured(2).replace(QStringLiteral("''"), QStringLiteral("'"))};
    }
    const qlonglong number = ok ? match.captured(3).toLongLong(&ok) : 0;
    if (!ok) {
        throw DatabaseError(QStringLiteral("Filter expression incorrectly formatted: %1").arg(expression));
    }
    return {match.captured(1), QString::number(number)};
}

}  // namespace

QString Field::AsString() const {
    return value_.toString();
}

int Field::AsInteger() const {
    if (value_.isNull()) {
        return 0;
    }
    switch (value_.typeId()) {
        case QMetaType::Double:
            return static_cast<int>(value_.toDouble());
        case QMetaType::QString:
        case QMetaType::QByteArray: {
            const QString text = value_.toString();
            bool ok = false;
            const int number = text.toInt(&ok);
            if (!ok) {
                throw Exception(DatabaseMessage::ForNotAnInteger(
                    file_, column_, QStringLiteral("'%1' is not a valid integer value").arg(text)));
            }
            return number;
        }
        default:
            return value_.toInt();
    }
}

std::optional<int> Field::AsWholeNumber() const {
    if (value_.isNull()) {
        return std::nullopt;
    }
    bool ok = false;
    if (value_.typeId() == QMetaType::Double) {
        const double number = value_.toDouble();
        const bool whole = std::isfinite(number) && std::trunc(number) == number &&
                           number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max();
        return whole ? std::optional(int(number)) : std::nullopt;
    }
    const int number = value_.typeId() == QMetaType::QString || value_.typeId() == QMetaType::QByteArray
                           ? value_.toString().toInt(&ok)
                           : value_.toInt(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

Query::Query(QObject* parent) : QObject(parent) {}

void Query::SetConnection(Connection* connection) {
    connection_ = connection;
}

void Query::SetSQL(const QString& sql) {
    sql_ = sql;
    values_.clear();
}

void Query::SetValues(const QVariantList& values) {
    values_ = values;
}

void Query::Open() {
    if (!connection_) {
        throw DatabaseError(QStringLiteral("Missing Connection or ConnectionString"));
    }
    Close();
    result_ = connection_->Select(sql_, values_);
    active_ = true;
    ShowRows(filtered_, filter_);
}

void Query::Close() {
    active_ = false;
    result_ = {};
    visible_.clear();
    current_ = -1;
}

int Query::RecordCount() const {
    return static_cast<int>(visible_.size());
}

void Query::First() {
    current_ = visible_.empty() ? -1 : 0;
}

void Query::MoveBy(int distance) {
    if (visible_.empty()) {
        return;
    }
    current_ = static_cast<int>(std::clamp<qint64>(qint64{current_} + distance, 0, RecordCount() - 1));
}

Field Query::FieldByName(const QString& name) const {
    const int column = ColumnIndex(name);
    return current_ < 0 ? Field()
                        : Field(result_.rows[visible_[current_]][column], result_.columns[column],
                                connection_ != nullptr ? connection_->FileName() : QString());
}

void Query::SetFilter(const QString& expression) {
    if (filtered_) {
        ShowRows(true, expression);
    } else {
        filter_ = expression;
    }
}

void Query::SetFiltered(bool filtered) {
    if (filtered != filtered_) {
        ShowRows(filtered, filter_);
    }
}

// Works out the new visible rows before touching any state, so a bad expression changes nothing.
void Query::ShowRows(bool filtered, const QString& expression) {
    const int shownRow = current_ >= 0 ? visible_[current_] : -1;
    std::vector<int> rows;
    if (filtered && !expression.trimmed().isEmpty()) {
        const Condition condition = ParseFilter(expression);
        if (active_) {
            const int column = ColumnIndex(condition.column);
            for (int row = 0; row < static_cast<int>(result_.rows.size()); ++row) {
                const QVariant& value = result_.rows[row][column];
                if (!value.isNull() && value.toString() == condition.value) {
                    rows.push_back(row);
                }
            }
        }
    } else {
        rows.resize(result_.rows.size());
        std::iota(rows.begin(), rows.end(), 0);
    }

    filtered_ = filtered;
    filter_ = expression;
    visible_ = std::move(rows);
    if (filtered_ || shownRow < 0) {
        First();
    } else {
        current_ = shownRow;  // all rows are visible, in order
    }
}

int Query::ColumnIndex(const QString& name) const {
    for (int column = 0; column < result_.columns.size(); ++column) {
        if (result_.columns[column].compare(name, Qt::CaseInsensitive) == 0) {
            return column;
        }
    }
    throw DatabaseError(QStringLiteral("Field '%1' not found").arg(name));
}
