// Outcomes of the office library: a value, or a sentence saying why there is none.
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace office {

/// Why something failed, in words for the teacher ("the template is not a zip archive").
struct Failure
{
    QString reason;
};

template<typename T> class Result
{
public:
    Result(T value)
        : m_value(std::move(value))
    {}
    Result(Failure failure)
        : m_reason(std::move(failure.reason))
    {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    T &operator*() { return *m_value; }
    const T &operator*() const { return *m_value; }
    T *operator->() { return &*m_value; }
    const T *operator->() const { return &*m_value; }
    /// Empty when there is a value.
    const QString &reason() const { return m_reason; }

private:
    std::optional<T> m_value;
    QString m_reason;
};

/// Success, or a failure with its reason.
class Status
{
public:
    Status() = default;
    Status(Failure failure)
        : m_failed(true)
        , m_reason(std::move(failure.reason))
    {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &reason() const { return m_reason; }

private:
    bool m_failed = false;
    QString m_reason;
};

} // namespace office
