#pragma once

#include <QDate>

// Today's date, replaceable in tests and by the command-line tool's --today.
class IClock {
public:
    virtual ~IClock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public IClock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

class FixedClock final : public IClock {
public:
    explicit FixedClock(QDate d) : m_date(d) {}
    QDate today() const override { return m_date; }
    void set(QDate d) { m_date = d; }

private:
    QDate m_date;
};
