#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

#include "platform/Connection.h"

// One column of the current row. NULL, and every column of an empty result, reads as "" or 0. Reading a
// text that is no whole number as an integer raises Exception naming the column and its file; a real number
// is cut towards zero.
class Field {
public:
    explicit Field(QVariant value = {}, QString column = {}, QString file = {})
        : value_(std::move(value)), column_(std::move(column)), file_(std::move(file)) {}
    QString AsString() const;
    int AsInteger() const;
    // The value as an int when it is a whole number that fits one (an integer, a real without a fraction, or text
    // spelling one); nothing otherwise, NULL included.
    std::optional<int> AsWholeNumber() const;
    bool IsNull() const { return value_.isNull(); }

private:
    QVariant value_;
    QString column_;
    QString file_;  // the database file the value was read from
};

// A select statement on a connection, its whole result kept on the client: the row count is known as
// soon as it is open, the current row starts at the first row and moves by position.
class Query : public QObject {
    Q_OBJECT

public:
    explicit Query(QObject* parent = nullptr);

    void SetConnection(Connection* connection);
    Connection* GetConnection() const { return connection_; }
    // Clears the values of the statement before.
    void SetSQL(const QString& sql);
    // The values of the placeholders '?' of the statement, in order (Connection::Select).
    void SetValues(const QVariantList& values);
    const QString& SQL() const { return sql_; }

    // Opens the connection first when it is not open yet; opening an active query runs the statement again.
    void Open();
    void Close();
    bool Active() const { return active_; }

    // Rows visible through the filter, when it is on.
    int RecordCount() const;
    bool IsEmpty() const { return RecordCount() == 0; }
    void First();
    // Moves the current row; beyond either end it stops on the first or the last row.
    void MoveBy(int distance);
    // Position of the current row among the visible rows, from 0; -1 when there is none.
    int RecNo() const { return current_; }

    // Raises DatabaseError("Field '<name>' not found") for a column the result does not have.
    Field FieldByName(const QString& name) const;

    // "<column>=<value>", value a number or a quoted text ('' for a quote inside). While filtered, only
    // matching rows are visible and the first of them becomes current; switching the filter off keeps
    // the current row. A malformed expression raises DatabaseError and leaves everything as it was.
    void SetFilter(const QString& expression);
    const QString& Filter() const { return filter_; }
    void SetFiltered(bool filtered);
    bool Filtered() const { return filtered_; }

private:
    void ShowRows(bool filtered, const QString& expression);
    // Raises DatabaseError("Field '<name>' not found") when the result has no such column.
    int ColumnIndex(const QString& name) const;

    Connection* connection_ = nullptr;
    QString sql_;
    QVariantList values_;
    bool active_ = false;
    ResultSet result_;
    std::vector<int> visible_;  // indexes into result_.rows
    int current_ = -1;          // index into visible_
    QString filter_;
    bool filtered_ = false;
};
