#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace arc {

// Tells when nobody has used the program for a number of minutes: every key
// press, click, wheel turn or touch anywhere in the application starts the
// count again. Counts only while it is active (someone is signed in).
class IdleLock : public QObject {
    Q_OBJECT
public:
    // Milliseconds on a clock that never goes back; the steady clock unless
    // one is given (a test's).
    using Clock = std::function<qint64()>;
    explicit IdleLock(QObject *parent = nullptr, Clock clock = {});
    ~IdleLock() override;

    void setClock(Clock clock) { m_clock = std::move(clock); }
    // 0: never.
    void setMinutes(int minutes);
    int minutes() const { return m_minutes; }
    // Counting from now on, or not at all.
    void setActive(bool active);
    bool isActive() const { return m_active; }
    // Whether the minutes are up, told by idle() once; run by a timer.
    void check();

signals:
    void idle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Clock m_clock;
    QTimer m_timer;
    qint64 m_lastInput = 0;
    int m_minutes = 0;
    bool m_active = false;
};

} // namespace arc
