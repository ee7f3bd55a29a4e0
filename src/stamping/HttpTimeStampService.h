#pragma once

#include "TimeStampService.h"

#include <chrono>

namespace arc {

// A time-stamp service at an http(s) address: the query is POSTed as
// application/timestamp-query and the answer waited for, with an event
// loop of its own, at most `wait`; it works with no window open. Needs a
// QCoreApplication.
class HttpTimeStampService : public TimeStampService {
public:
    static constexpr std::chrono::milliseconds kWait{10000};

    explicit HttpTimeStampService(QString url, std::chrono::milliseconds wait = kWait);

    QString name() const override { return m_url; }
    SigningResult<QByteArray> answer(const QByteArray &query) const override;

private:
    QString m_url;
    std::chrono::milliseconds m_wait;
};

} // namespace arc
