#pragma once

#include <QGroupBox>

#include <chrono>

class QLabel;
class QLineEdit;
class QPushButton;

namespace arc {

// The set-up panel's time-stamp service: its address (TsaUrl, kept with
// the data source) and "Test" (TsaTest), which asks it for a stamp and
// says what came back (TsaTestResult).
class TimeStampBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TimeStampBox(QWidget *parent = nullptr);

    QString url() const;
    void setUrl(const QString &url);
    // How long "Test" waits for the service; the program keeps 10 seconds.
    void setWait(std::chrono::milliseconds wait) { m_wait = wait; }

    QLineEdit *tsaUrl;
    QPushButton *tsaTest;
    QLabel *result;

private:
    void test();

    std::chrono::milliseconds m_wait = std::chrono::seconds(10);
};

} // namespace arc
